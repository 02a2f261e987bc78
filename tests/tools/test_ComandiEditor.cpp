#include <gtest/gtest.h>

#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"
#include "tools/ComandiEditor.h"

using namespace sirvela;

namespace {

const TColonna kA{1, 2, 3, 4, 5, 6, 7, 8}, kB{8, 7, 6, 5, 4, 3, 2, 1};
const char* kDomanda = "Le colonne non sono state salvate. Vuoi salvarle ? ";

struct ComandiEditor : ::testing::Test {
    test::TCartellaDiProva dir;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TEditorColonne e;
    TComandiEditor c{e, messaggi, scelta};

    ComandiEditor() { e.Azzera(); }
    std::string File(const char* nome) const { return (CartellaColonne() / nome).string(); }
    void Modifica(std::vector<TColonna> colonne) {
        e.ListaEditor.clear();
        for (const auto& x : colonne) e.ListaEditor.push_back(TListCol{x});
        e.Modificato = true;
    }
};

}  // namespace

TEST_F(ComandiEditor, ADefaultNameIsNeverWrittenWithoutAsking) {
    test::ScriviByte(File("Personali.Scl"), {9, 9, 9, 9, 9, 9, 9, 9});
    Modifica({kA});
    scelta.Risposte = {File("Personali.Scl")};
    messaggi.Risposte = {PulsanteNo};  // do not overwrite
    EXPECT_FALSE(c.Salva());
    ASSERT_EQ(scelta.Richieste.size(), 1u);
    EXPECT_EQ(scelta.Richieste[0].Titolo, "Salva le Colonne");
    EXPECT_EQ(scelta.Richieste[0].Filtro, "Scl file|*.Scl");
    EXPECT_EQ(scelta.Richieste[0].Nome, "Personali.Scl");
    EXPECT_EQ(messaggi.Domande.at(0).Testo, "Il file esiste già. Vuoi sovrascriverlo ? ");
    EXPECT_EQ(test::LeggiByte(File("Personali.Scl")).size(), 8u);
    EXPECT_TRUE(e.Modificato);

    // Once a name was chosen, "Salva Colonne" writes there directly.
    scelta.Risposte = {File("Mie.Scl")};
    EXPECT_TRUE(c.Salva());
    e.ListaEditor.push_back(TListCol{kB});
    EXPECT_TRUE(c.Salva());
    EXPECT_EQ(scelta.Richieste.size(), 2u);
    EXPECT_EQ(test::LeggiByte(File("Mie.Scl")).size(), 16u);
    EXPECT_EQ(e.Titolo(), "Editor Colonnare - Mie.Scl");
}

TEST_F(ComandiEditor, AzzeraAndCaricaAskToSaveFirst) {
    test::ScriviByte(File("Due.Scl"), {1, 2, 3, 4, 5, 6, 7, 8, 8, 7, 6, 5, 4, 3, 2, 1});
    Modifica({kB});
    messaggi.Risposte = {PulsanteAnnulla};
    EXPECT_FALSE(c.Azzera());
    EXPECT_EQ(e.QuanteVoci(), 1);
    EXPECT_EQ(messaggi.Domande.back().Testo, kDomanda);
    EXPECT_EQ(messaggi.Domande.back().Pulsanti, PulsanteSi | PulsanteNo | PulsanteAnnulla);

    messaggi.Risposte = {PulsanteNo};
    EXPECT_TRUE(c.Azzera());
    EXPECT_EQ(e.QuanteVoci(), 0);

    // "Si": the name is asked, the columns saved, then the file to load.
    Modifica({kB});
    messaggi.Risposte = {PulsanteSi};
    scelta.Risposte = {File("Salvate.Scl"), File("Due.Scl")};
    EXPECT_TRUE(c.CaricaColonne());
    EXPECT_EQ(test::LeggiByte(File("Salvate.Scl")).size(), 8u);
    EXPECT_EQ(scelta.Richieste[1].Titolo, "Carica le Colonne");
    EXPECT_TRUE(scelta.Richieste[1].DeveEsistere);
    EXPECT_EQ(scelta.Richieste[1].Cartella, CartellaColonne().string());
    EXPECT_EQ(e.QuanteVoci(), 2);
    EXPECT_EQ(e.NomeFile, File("Due.Scl"));

    // A faulty column answers "Si" with the fault and loads nothing.
    Modifica({{1, 1, 3, 4, 5, 6, 7, 8}});
    messaggi.Risposte = {PulsanteSi};
    EXPECT_FALSE(c.CaricaColonne());
    EXPECT_EQ(messaggi.Errori.back(), "Il numero selezionato è stato inserito più di una volta");
    EXPECT_EQ(scelta.Richieste.size(), 2u);
}

TEST_F(ComandiEditor, FaultsAndUnreadableFilesAreToldAndChangeNothing) {
    Modifica({kA, {30, 2, 3, 4, 5, 6, 7, 8}});
    EXPECT_FALSE(c.SalvaConNome());
    EXPECT_FALSE(c.Ordina());
    EXPECT_EQ(messaggi.Errori, (std::vector<std::string>(2, "Il numero selezionato non è valido")));
    EXPECT_TRUE(scelta.Richieste.empty());

    scelta.Risposte = {File("Manca.Scl"), File("Manca.Scl")};
    messaggi.Risposte = {PulsanteNo};
    EXPECT_FALSE(c.InserisciFileColonnare());
    EXPECT_FALSE(c.CaricaColonne());
    EXPECT_EQ(messaggi.Errori.back(),
              "Impossibile Caricare le Colonne Manca.Scl: file non trovato.");
    EXPECT_EQ(e.QuanteVoci(), 2);

    // Leaving: "Annulla" keeps the editor open.
    messaggi.Risposte = {PulsanteAnnulla};
    EXPECT_FALSE(c.Uscita());
    messaggi.Risposte = {PulsanteNo};
    EXPECT_TRUE(c.Uscita());
}
