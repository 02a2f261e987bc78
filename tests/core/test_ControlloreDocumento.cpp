#include <gtest/gtest.h>

#include "core/ControlloreDocumento.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

struct VistaContata : IVistaDocumento {
    int ridisegni = 0, stati = 0;
    void RidisegnaTutto() override { ++ridisegni; }
    void AggiornaStato() override { ++stati; }
};

class Controllore : public ::testing::Test {
  protected:
    std::string Percorso(const std::string& nome) { return (CartellaSistemi() / nome).string(); }

    test::TCartellaDiProva dir;
    T_Sistema sistema;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta file;
    VistaContata vista;
    TControlloreDocumento c{sistema, messaggi, file, &vista};
};

}  // namespace

TEST_F(Controllore, SaveOnANewDocumentAsksForANameThenSavesSilently) {
    file.Risposte.push_back(Percorso("Uno.Sst"));
    sistema.Modificato = true;
    c.Salva();
    ASSERT_EQ(file.Richieste.size(), 1u);
    EXPECT_EQ(file.Richieste[0].Filtro, "Sistemi|*.Sst");
    EXPECT_EQ(file.Richieste[0].Nome, "SenzaNome.Sst");
    EXPECT_EQ(sistema.NomeFile, Percorso("Uno.Sst"));
    EXPECT_FALSE(sistema.SenzaNome);
    EXPECT_FALSE(sistema.Modificato);
    EXPECT_TRUE(std::filesystem::exists(Percorso("Uno.Sst")));

    sistema.Modificato = true;
    c.Salva();
    EXPECT_EQ(file.Richieste.size(), 1u);  // no dialog this time
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(Controllore, OverwriteQuestionsDifferInCapitalisationAndNoWritesNothing) {
    test::ScriviByte(Percorso("Due.Sst"), {7});
    file.Risposte.push_back(Percorso("Due.Sst"));
    messaggi.Risposte.push_back(PulsanteNo);
    c.Salva();
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo, "Il file è già Presente su Disco. Vuoi Sovrascriverlo ? ");
    EXPECT_EQ(test::LeggiByte(Percorso("Due.Sst")), std::vector<std::uint8_t>{7});
    EXPECT_TRUE(sistema.SenzaNome);

    file.Risposte.push_back(Percorso("Due.Sst"));
    messaggi.Risposte.push_back(PulsanteSi);
    c.SalvaCome();
    EXPECT_EQ(messaggi.Domande[1].Testo, "Il file è già Presente su Disco. Vuoi sovrascriverlo ?");
    EXPECT_GT(test::LeggiByte(Percorso("Due.Sst")).size(), 1u);
}

TEST_F(Controllore, ConfirmationBeforeDiscarding) {
    sistema.Modificato = true;
    sistema.Dati.Concorso = 5;
    messaggi.Risposte.push_back(PulsanteAnnulla);
    c.Nuovo();
    EXPECT_EQ(messaggi.Domande.back().Testo, "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ");
    EXPECT_EQ(messaggi.Domande.back().Pulsanti, PulsanteSi | PulsanteNo | PulsanteAnnulla);
    EXPECT_EQ(sistema.Dati.Concorso, 5);  // Annulla: nothing happens

    messaggi.Risposte.push_back(PulsanteNo);
    c.Nuovo();
    EXPECT_EQ(sistema.Dati.Concorso, 1);
    EXPECT_FALSE(sistema.Modificato);

    sistema.Modificato = true;
    messaggi.Risposte.push_back(0);  // box closed
    EXPECT_FALSE(c.ConfermaAbbandono());
}

TEST_F(Controllore, LoadSetsTheNameAndReportsDamagedFiles) {
    sistema.NomeFile = Percorso("Tre.Sst");
    sistema.Dati.Concorso = 33;
    ASSERT_TRUE(sistema.SalvaSistema());
    sistema.Nuovo();
    file.Risposte.push_back(Percorso("Tre.Sst"));
    c.Carica();
    EXPECT_EQ(file.Richieste[0].Titolo, "Caricare il Sistema");
    EXPECT_EQ(file.Richieste[0].Filtro, "Sistemi    *.Sst|*.Sst");
    EXPECT_EQ(sistema.Dati.Concorso, 33);
    EXPECT_EQ(sistema.NomeFile, Percorso("Tre.Sst"));
    EXPECT_GE(vista.ridisegni, 1);

    test::ScriviByte(Percorso("Rotto.Sst"), {100, 0, 0, 0, 1});
    sistema.Modificato = false;
    EXPECT_FALSE(c.CaricaFile(Percorso("Rotto.Sst")));
    EXPECT_FALSE(c.CaricaFile(Percorso("Manca.Sst")));
    EXPECT_EQ(messaggi.Errori,
              (std::vector<std::string>{
                  "Impossibile Caricare il Sistema Rotto.Sst: file incompleto o danneggiato.",
                  "Impossibile Caricare il Sistema Manca.Sst: file non trovato."}));
    EXPECT_EQ(sistema.NomeFile, Percorso("Manca.Sst"));
    EXPECT_TRUE(messaggi.Domande.empty());

    // Pilots out of play and a guarantee the development cannot use are told once loaded; the
    // pilots stay in the document, so saving again keeps them.
    sistema.Nuovo();
    NumeroPiloti = 22;  // the fixture puts it back
    for (int v : {4, 7, 20, 23}) sistema.Dati.Pronostico.Posizione[7].Aggiungi(v);
    sistema.Dati.ImpSviluppo.Garanzia = 20;
    sistema.NomeFile = Percorso("Fuori.Sst");
    ASSERT_TRUE(sistema.SalvaSistema());
    const auto byte = test::LeggiByte(Percorso("Fuori.Sst"));
    sistema.Nuovo();
    EXPECT_TRUE(c.CaricaFile(Percorso("Fuori.Sst")));
    ASSERT_EQ(messaggi.Domande.size(), 2u);
    EXPECT_EQ(messaggi.Domande[0].Testo,
              "Il sistema usa il pilota 23 in 8º posizione, ma i piloti in gioco sono 22: "
              "aggiornare la Lista Piloti.");
    EXPECT_EQ(messaggi.Domande[1].Testo,
              "La garanzia memorizzata nel sistema, 20, è fuori dall'intervallo 30-92: si usa 30.");
    EXPECT_EQ(sistema.Dati.Pronostico.Posizione[7].Conta(), 4);
    EXPECT_TRUE(sistema.SalvaSistema());
    EXPECT_EQ(test::LeggiByte(Percorso("Fuori.Sst")), byte);
}

TEST_F(Controllore, DeleteAsksAndLeavesTheOpenDocumentAlone) {
    test::ScriviByte(Percorso("Via.Sst"), {1});
    sistema.NomeFile = Percorso("Via.Sst");
    file.Risposte.push_back(Percorso("Via.Sst"));
    messaggi.Risposte.push_back(PulsanteNo);
    c.Cancella();
    EXPECT_EQ(messaggi.Domande[0].Titolo, "Conferma");
    EXPECT_EQ(messaggi.Domande[0].Testo, "Vuoi Cancellare Via.Sst?");
    EXPECT_TRUE(std::filesystem::exists(Percorso("Via.Sst")));
    file.Risposte.push_back(Percorso("Via.Sst"));
    messaggi.Risposte.push_back(PulsanteSi);
    c.Cancella();
    EXPECT_FALSE(std::filesystem::exists(Percorso("Via.Sst")));
    EXPECT_EQ(sistema.NomeFile, Percorso("Via.Sst"));

    file.Risposte.push_back(Percorso("Manca.Sst"));
    c.Cancella();
    EXPECT_EQ(messaggi.Errori.back(),
              "Impossibile Cancellare Il Sistema Manca.Sst: file non trovato.");
}

TEST_F(Controllore, ParticipantsMustMatchTheirNumber) {
    std::vector<std::string> righe = {"Anna", "   ", "Bruno"};
    EXPECT_EQ(c.ImpostaPartecipanti(3, true, righe),
              "Il numero dei nomi dei soci non corrisponde a quello specificato");
    EXPECT_EQ(righe.size(), 2u);  // the blank line was dropped from the box
    EXPECT_EQ(sistema.NumPartecipanti, 1);
    EXPECT_EQ(c.ImpostaPartecipanti(2, true, righe), "");
    EXPECT_EQ(sistema.Partecipanti, (std::vector<std::string>{"Anna", "Bruno"}));
    EXPECT_EQ(sistema.NumPartecipanti, 2);
    std::vector<std::string> nessuno;
    EXPECT_EQ(c.ImpostaPartecipanti(1, true, nessuno), "");  // one participant needs no name
    EXPECT_EQ(c.ImpostaPartecipanti(4, false, righe), "");
    EXPECT_TRUE(sistema.Partecipanti.empty());
    EXPECT_FALSE(sistema.SpecificaNomi);
}

TEST_F(Controllore, OnlyARealChangeOfAPositionEmptiesTheColumnsAndModifies) {
    TCombinazione due;
    due.Aggiungi(4);
    due.Aggiungi(9);
    sistema.Dati.Pronostico.Posizione[2] = due;
    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    // The window redrawn with the document's own sets: nothing happens.
    EXPECT_FALSE(c.ImpostaPosizione(3, due));
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 1);
    EXPECT_FALSE(sistema.Modificato);
    EXPECT_EQ(vista.stati, 0);

    TCombinazione tre = due;
    tre.Aggiungi(11);
    EXPECT_TRUE(c.ImpostaPosizione(3, tre));
    EXPECT_EQ(sistema.Dati.Pronostico.Posizione[2], tre);
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_EQ(vista.stati, 1);
    EXPECT_FALSE(c.ImpostaPosizione(9, tre));  // no such position

    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    c.AzzeraPronostico();
    for (const auto& p : sistema.Dati.Pronostico.Posizione) EXPECT_EQ(p.Conta(), 0);
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    EXPECT_EQ(vista.ridisegni, 1);
}

TEST_F(Controllore, SavingKeepsTheColumnsInMemory) {
    // The view refills its selectors from the document after a save, as the window does.
    struct VistaCheRiempie : IVistaDocumento {
        TControlloreDocumento* c = nullptr;
        T_Sistema* s = nullptr;
        void RidisegnaTutto() override {
            for (int p = 1; p <= 8; ++p)
                c->ImpostaPosizione(p, s->Dati.Pronostico.Posizione[p - 1]);
        }
        void AggiornaStato() override {}
    } v;
    TControlloreDocumento cc{sistema, messaggi, file, &v};
    v.c = &cc;
    v.s = &sistema;
    for (int p = 0; p < 8; ++p) sistema.Dati.Pronostico.Posizione[p].Aggiungi(p + 1);
    for (int i = 0; i < 3; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    file.Risposte = {Percorso("Uno.Sst"), Percorso("Due.Sst")};
    cc.Salva();
    cc.SalvaCome();
    EXPECT_EQ(sistema.NomeFile, Percorso("Due.Sst"));
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 3);
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(Controllore, PanelEditsModifyOnlyWhenTheyChangeSomething) {
    struct Caso {
        const char* testo;
        std::int32_t concorso;
        bool modificato;
    };
    for (const Caso& k :
         {Caso{"1", 1, false}, Caso{"", 1, false}, Caso{"12", 12, true}, Caso{"-3", -3, true},
          Caso{"abc", 1, false}, Caso{"99999999999", 1, false}}) {
        sistema.Dati.Concorso = 1;
        sistema.Modificato = false;
        c.ImpostaConcorso(k.testo);
        EXPECT_EQ(sistema.Dati.Concorso, k.concorso) << k.testo;
        EXPECT_EQ(sistema.Modificato, k.modificato) << k.testo;
    }

    sistema.Modificato = false;
    c.ImpostaCommento({});
    EXPECT_FALSE(sistema.Modificato);
    c.ImpostaCommento({"riga"});
    EXPECT_TRUE(sistema.Modificato);

    sistema.Modificato = false;
    std::vector<std::string> righe;
    EXPECT_EQ(c.ImpostaPartecipanti(1, true, righe), "");  // the defaults again
    EXPECT_FALSE(sistema.Modificato);
    EXPECT_EQ(c.ImpostaPartecipanti(3, false, righe), "");
    EXPECT_TRUE(sistema.Modificato);
}

TEST_F(Controllore, TheSelectorsOfferEveryPilotInPlayButTheExcludedOne) {
    NumeroPiloti = 21;  // the fixture puts it back
    sistema.Dati.PilotaEscluso = 4;
    const TCombinazione s = c.PilotiSelezionabili();
    EXPECT_EQ(s.Conta(), 20);
    EXPECT_FALSE(s.Contiene(4));
    EXPECT_TRUE(s.Contiene(21));
    EXPECT_FALSE(s.Contiene(22));
}
