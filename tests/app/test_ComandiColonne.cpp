#include <gtest/gtest.h>

#include "app/ComandiColonne.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

struct ColonneSuDisco : ::testing::Test {
    test::TCartellaDiProva cartella;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TListaColonne colonne;

    ColonneSuDisco() {
        UltimoFileColonne = "DefaultComb.Scl";
        colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
        colonne.Accoda({8, 7, 6, 5, 4, 3, 2, 1});
    }
    std::string Percorso(const std::string& nome) { return (CartellaColonne() / nome).string(); }
};

}  // namespace

TEST_F(ColonneSuDisco, SaveAsksForAFileAndRemembersIt) {
    scelta.Risposte.push_back(Percorso("Mie.Scl"));
    EXPECT_TRUE(SalvaColonneInMemoria(colonne, messaggi, scelta));
    ASSERT_EQ(scelta.Richieste.size(), 1u);
    const TRichiestaFile& r = scelta.Richieste[0];
    EXPECT_EQ(r.Titolo, "Salva le Colonne");
    EXPECT_EQ(r.Filtro, "Scl file|*.Scl");
    EXPECT_EQ(r.Estensione, "Scl");
    EXPECT_EQ(r.Cartella, CartellaColonne().string());
    EXPECT_EQ(r.Nome, "DefaultComb.Scl");
    EXPECT_TRUE(
        (messaggi.Domande.empty() && messaggi.Errori.empty()));  // a new file needs no question
    EXPECT_EQ(test::LeggiByte(Percorso("Mie.Scl")).size(), 16u);
    EXPECT_EQ(UltimoFileColonne, Percorso("Mie.Scl"));

    // The next save offers the name just used.
    scelta.Risposte.push_back(std::nullopt);
    EXPECT_FALSE(SalvaColonneInMemoria(colonne, messaggi, scelta));
    EXPECT_EQ(scelta.Richieste[1].Nome, "Mie.Scl");
}

TEST_F(ColonneSuDisco, OverwriteOnlyWhenTheAnswerIsYes) {
    test::ScriviByte(Percorso("Vecchie.Scl"), {9, 9, 9, 9, 9, 9, 9, 9});
    for (int risposta : {static_cast<int>(PulsanteNo), 0}) {
        scelta.Risposte.push_back(Percorso("Vecchie.Scl"));
        messaggi.Risposte.push_back(risposta);
        EXPECT_FALSE(SalvaColonneInMemoria(colonne, messaggi, scelta));
        EXPECT_EQ(test::LeggiByte(Percorso("Vecchie.Scl")).size(), 8u);
        EXPECT_EQ(UltimoFileColonne, "DefaultComb.Scl");
    }
    ASSERT_EQ(messaggi.Domande.size(), 2u);
    EXPECT_EQ(messaggi.Domande[0].Testo, "Il file è già Presente su Disco. Vuoi Sovrascriverlo");
    EXPECT_EQ(messaggi.Domande[0].Pulsanti, PulsanteSi | PulsanteNo);

    scelta.Risposte.push_back(Percorso("Vecchie.Scl"));
    messaggi.Risposte.push_back(PulsanteSi);
    EXPECT_TRUE(SalvaColonneInMemoria(colonne, messaggi, scelta));
    EXPECT_EQ(test::LeggiByte(Percorso("Vecchie.Scl")).size(), 16u);
}

TEST_F(ColonneSuDisco, AFailedWriteIsReportedAndChangesNothing) {
    scelta.Risposte.push_back((cartella.Percorso() / "manca" / "x.Scl").string());
    EXPECT_FALSE(SalvaColonneInMemoria(colonne, messaggi, scelta));
    EXPECT_EQ(messaggi.Errori,
              std::vector<std::string>{"Errore Durante la Scrittura del File "
                                       "x.Scl: la cartella " +
                                       (cartella.Percorso() / "manca").string() + " non esiste."});
    EXPECT_EQ(colonne.Quante(), 2);
    EXPECT_EQ(UltimoFileColonne, "DefaultComb.Scl");
}

TEST_F(ColonneSuDisco, FromFileReplacesTheToolList) {
    ASSERT_TRUE(colonne.SalvaSuFile(Percorso("Due.Scl")));
    TListaColonne strumento;
    strumento.Accoda({3, 3, 3, 3, 3, 3, 3, 3});
    const TControlloColonne controllo{TPilotiInGioco()};

    // Cancelled: the list stays as it was.
    EXPECT_EQ(ColonneDaFile(strumento, controllo, messaggi, scelta), TEsitoSorgente::Annullato);
    EXPECT_EQ(strumento.Quante(), 1);
    const TRichiestaFile& r = scelta.Richieste[0];
    EXPECT_EQ(r.Titolo, "Seleziona il File Colonnare");
    EXPECT_EQ(r.Filtro, "File di Combinaizoni (*.Scl)|*.Scl");
    EXPECT_EQ(r.Cartella, CartellaColonne().string());
    EXPECT_EQ(r.Nome, "");
    EXPECT_TRUE(r.DeveEsistere);

    scelta.Risposte.push_back(Percorso("Due.Scl"));
    EXPECT_EQ(ColonneDaFile(strumento, controllo, messaggi, scelta), TEsitoSorgente::Letto);
    EXPECT_EQ(strumento.ComeVettore(), colonne.ComeVettore());

    scelta.Risposte.push_back(Percorso("Nessuno.Scl"));
    EXPECT_EQ(ColonneDaFile(strumento, controllo, messaggi, scelta), TEsitoSorgente::Errore);
    EXPECT_TRUE(strumento.Vuota());
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo,
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di Nessuno.Scl: file "
              "non trovato.");
    EXPECT_EQ(messaggi.Domande[0].Pulsanti, PulsanteOk);

    // A file that holds no columns is told the same way, naming the bad record.
    TListaColonne fuori;
    fuori.Accoda({1, 2, 3, 4, 5, 6, 7, 24});
    ASSERT_TRUE(fuori.SalvaSuFile(Percorso("Fuori.Scl")));
    scelta.Risposte.push_back(Percorso("Fuori.Scl"));
    EXPECT_EQ(ColonneDaFile(strumento, controllo, messaggi, scelta), TEsitoSorgente::Errore);
    EXPECT_TRUE(strumento.Vuota());
    EXPECT_EQ(messaggi.Domande.back().Testo,
              "Il file Fuori.Scl non è un file di colonne valido (record 1: il pilota 24 in 8º "
              "posizione non è in gioco).");
}
