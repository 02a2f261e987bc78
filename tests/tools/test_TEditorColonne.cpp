#include <gtest/gtest.h>

#include <deque>
#include <tuple>

#include "core/Globali.h"
#include "core/Interfacce.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"
#include "tools/TEditorColonne.h"

using namespace sirvela;

namespace {

// Answers the message box from a queue and remembers what it was asked.
struct Risposte : IMessaggi {
    std::deque<int> risposte;
    std::vector<std::pair<std::string, int>> domande;
    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override {
        domande.push_back({titolo + "|" + testo, pulsanti});
        int r = risposte.front();
        risposte.pop_front();
        return r;
    }
    void Errore(const std::string&) override {}
};

using Celle = TEditorColonne::TCelle;

Celle Griglia(std::initializer_list<std::array<const char*, 8>> colonne) {
    Celle c;
    int j = 0;
    for (const auto& col : colonne) {
        for (int r = 0; r < 8; ++r) c[j][r] = col[r];
        ++j;
    }
    return c;
}

std::vector<TColonna> Colonne(const TEditorColonne& e) {
    std::vector<TColonna> v;
    for (const auto& x : e.ListaEditor) v.push_back(x.Colonna);
    return v;
}

}  // namespace

TEST(TEditorColonne, StoringTheGridAndCheckingIt) {
    ASSERT_EQ(NumeroPiloti, 23);
    TEditorColonne e;
    e.MemorizzaVista(Griglia({{"1", "2", "3", "4", "5", "6", "7", "8"},
                              {"", "", "", "", "", "", "", ""},
                              {" 9", "10", "11", "12", "13", "14", "15", "99"}}));
    ASSERT_EQ(e.QuanteVoci(), 16);  // every grid column is an entry
    EXPECT_EQ(e.ListaEditor[0].Colonna, (TColonna{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(e.ListaEditor[2].Colonna, (TColonna{9, 10, 11, 12, 13, 14, 15, 0}));  // 99 is 0
    EXPECT_EQ(e.Vista()[2][7], "");
    EXPECT_EQ(e.Vista()[2][0], "9");
    EXPECT_EQ(e.MassimoScorrimento(), 216);

    e.Scorrimento = 5;
    auto esito = e.VerificaDati();
    EXPECT_FALSE(esito.Ok);
    EXPECT_EQ(esito.Messaggio, "Il numero selezionato non è valido");
    EXPECT_EQ(esito.Cella, (TCellaEditor{2, 7}));
    EXPECT_EQ(e.Corrente, (TCellaEditor{2, 7}));
    EXPECT_EQ(e.Scorrimento, 2);  // scrolled to show it

    e.ListaEditor[2].Colonna = {9, 10, 11, 12, 13, 14, 9, 16};
    esito = e.VerificaDati();
    EXPECT_EQ(esito.Messaggio, "Il numero selezionato è stato inserito più di una volta");
    EXPECT_EQ(esito.Cella, (TCellaEditor{2, 6}));
    e.ListaEditor[2].Colonna = {};
    EXPECT_TRUE(e.VerificaDati().Ok);  // empty entries are not checked
}

TEST(TEditorColonne, TypingBeyondTheEndKeepsColumnsWhereTheyWereTyped) {
    TEditorColonne e;
    e.MemorizzaVista(Griglia({{"1", "2", "3", "4", "5", "6", "7", "8"}}));
    e.RimuoviVuote();
    ASSERT_EQ(e.QuanteVoci(), 1);
    e.Scorrimento = 40;
    Celle c = e.Vista();
    c[3] = {"2", "1", "3", "4", "5", "6", "7", "8"};
    e.MemorizzaVista(c);
    EXPECT_EQ(e.ListaEditor[43].Colonna, (TColonna{2, 1, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(e.Vista()[3][0], "2");
    EXPECT_EQ(e.ColonneNonVuote().Quante(), 2);
}

TEST(TEditorColonne, SortingAndEditingCommands) {
    TEditorColonne e;
    const TColonna a{2, 1, 3, 4, 5, 6, 7, 8}, b{1, 2, 3, 4, 5, 6, 7, 8}, c{1, 2, 3, 4, 5, 6, 8, 7};
    e.ListaEditor = {TListCol{a}, TListCol{}, TListCol{c}, TListCol{b}, TListCol{}};
    e.Scorrimento = 3;
    EXPECT_TRUE(e.Ordina().Ok);
    EXPECT_EQ(Colonne(e), (std::vector<TColonna>{b, c, a}));
    EXPECT_TRUE(e.Modificato);
    EXPECT_EQ(e.Scorrimento, 0);

    e.Modificato = false;
    e.Corrente = {1, 0};
    e.InserisciVuota();
    EXPECT_EQ(Colonne(e), (std::vector<TColonna>{b, {}, c, a}));
    EXPECT_FALSE(e.Modificato);
    e.CancellaCorrente();
    EXPECT_FALSE(e.Modificato);  // an empty place holds nothing to save
    e.CancellaCorrente();
    EXPECT_EQ(Colonne(e), (std::vector<TColonna>{b, a}));
    EXPECT_TRUE(e.Modificato);

    e.ListaEditor.resize(40);
    e.RimuoviVuote();
    EXPECT_FALSE(e.SaltaAllaColonna(3));
    EXPECT_TRUE(e.SaltaAllaColonna(2));
    EXPECT_EQ(e.Corrente, (TCellaEditor{1, 0}));
    e.SaltaAllaPrima();
    EXPECT_EQ(e.Corrente.Voce, 0);
    e.SaltaAllUltima();
    EXPECT_EQ(e.Corrente.Voce, 1);

    e.ListaEditor[0].Colonna[0] = 30;  // a file may hold anything
    EXPECT_FALSE(e.Ordina().Ok);
    EXPECT_EQ(Colonne(e)[0][0], 30);  // nothing sorted or removed
}

TEST(TEditorColonne, FilesAndTitle) {
    test::TCartellaDiProva dir;
    TEditorColonne e;
    EXPECT_EQ(e.Titolo(), "Editor Colonnare - Personali.Scl");
    EXPECT_EQ(e.NomeFile, (dir.Percorso() / "Colonne" / "Personali.Scl").string());

    const TColonna a{1, 2, 3, 4, 5, 6, 7, 8}, b{8, 7, 6, 5, 4, 3, 2, 1};
    e.ListaEditor = {TListCol{}, TListCol{}};
    const auto vuoto = (dir / "vuoto.Scl").string();
    ASSERT_TRUE(e.Salva(vuoto).Ok);
    EXPECT_EQ(test::LeggiByte(vuoto).size(), 0u);

    e.ListaEditor = {TListCol{a}, TListCol{}, TListCol{b}};
    e.Modificato = true;
    const auto pieno = (dir / "pieno.Scl").string();
    ASSERT_TRUE(e.Salva(pieno).Ok);
    EXPECT_FALSE(e.Modificato);
    EXPECT_EQ(e.Titolo(), "Editor Colonnare - pieno.Scl");
    EXPECT_EQ(test::LeggiByte(pieno).size(), 16u);

    e.Corrente = {1, 0};
    ASSERT_TRUE(e.InserisciFile(pieno).Ok);
    EXPECT_EQ(Colonne(e), (std::vector<TColonna>{a, a, b, {}, b}));
    EXPECT_TRUE(e.Modificato);

    // A file that cannot be read, or holds no columns, leaves the list as it was.
    auto esito = e.Carica((dir / "manca.Scl").string());
    EXPECT_EQ(esito.Messaggio, "Impossibile Caricare le Colonne manca.Scl: file non trovato.");
    EXPECT_EQ(e.QuanteVoci(), 5);
    EXPECT_EQ(e.InserisciFile((dir / "manca.Scl").string()).Messaggio,
              "Impossibile Caricare le Colonne manca.Scl: file non trovato.");
    test::ScriviByte(dir / "corto.Scl", {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(e.Carica((dir / "corto.Scl").string()).Messaggio,
              "Il file corto.Scl non è un file di colonne valido (9 byte, non un multiplo di 8).");
    EXPECT_EQ(e.QuanteVoci(), 5);
    EXPECT_EQ(e.Salva((dir / "manca" / "x.Scl").string()).Messaggio,
              "Impossibile Salvare le Colonne x.Scl: la cartella " + (dir / "manca").string() +
                  " non esiste.");
    EXPECT_EQ(e.NomeFile, pieno);

    ASSERT_TRUE(e.Carica(pieno).Ok);
    EXPECT_EQ(Colonne(e), (std::vector<TColonna>{a, b}));
    EXPECT_FALSE(e.Modificato);
}

TEST(TEditorColonne, SaveConfirmation) {
    const std::string domanda = "Informazione|Le colonne non sono state salvate. Vuoi salvarle ? ";
    struct Caso {
        int risposta;
        bool annullabile;
        bool salvataggioRiesce;
        bool avanti;
        int salvataggi;
    } casi[] = {
        {PulsanteSi, true, true, true, 1}, {PulsanteSi, true, false, false, 1},
        {PulsanteNo, true, true, true, 0}, {PulsanteAnnulla, true, true, false, 0},
        {0, true, true, false, 0},         {0, false, true, true, 0},
    };
    for (const auto& k : casi) {
        TEditorColonne e;
        e.Modificato = true;
        Risposte m;
        m.risposte = {k.risposta};
        int salvataggi = 0;
        EXPECT_EQ(e.ConfermaSalvataggio(m, k.annullabile,
                                        [&] {
                                            ++salvataggi;
                                            return k.salvataggioRiesce;
                                        }),
                  k.avanti);
        EXPECT_EQ(salvataggi, k.salvataggi);
        ASSERT_EQ(m.domande.size(), 1u);
        EXPECT_EQ(m.domande[0].first, domanda);
        EXPECT_EQ(m.domande[0].second,
                  PulsanteSi | PulsanteNo | (k.annullabile ? PulsanteAnnulla : 0));
    }
    TEditorColonne salvato;
    Risposte nessuna;
    EXPECT_TRUE(salvato.ConfermaSalvataggio(nessuna, true, nullptr));
    EXPECT_TRUE(nessuna.domande.empty());

    test::CartellaTemporanea dir;
    test::ScriviTesto(dir / "c.Scl", "");
    Risposte m;
    m.risposte = {PulsanteNo, PulsanteSi};
    EXPECT_TRUE(TEditorColonne::ConfermaSovrascrittura(m, (dir / "nuovo.Scl").string()));
    EXPECT_FALSE(TEditorColonne::ConfermaSovrascrittura(m, (dir / "c.Scl").string()));
    EXPECT_TRUE(TEditorColonne::ConfermaSovrascrittura(m, (dir / "c.Scl").string()));
    EXPECT_EQ(m.domande[0].first, "Informazione|Il file esiste già. Vuoi sovrascriverlo ? ");
}

TEST(TEditorColonne, EnterWalksDownThenAcrossThenScrolls) {
    auto passo = [](int c, int r) {
        auto p = TEditorColonne::Invio(c, r);
        return std::tuple{p.Colonna, p.Riga, p.Scorri};
    };
    EXPECT_EQ(passo(0, 0), std::tuple(0, 1, false));
    EXPECT_EQ(passo(3, 7), std::tuple(4, 0, false));
    EXPECT_EQ(passo(15, 7), std::tuple(15, 0, true));
}
