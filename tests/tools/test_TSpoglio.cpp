#include <gtest/gtest.h>

#include "core/Globali.h"
#include "tools/TSpoglio.h"

using namespace sirvela;

namespace {
using Celle = std::array<std::string, 8>;

TSpoglio SpoglioCon(const Celle& risultato, const std::vector<TColonna>& colonne) {
    TSpoglio s;
    for (const auto& c : colonne) s.Colonne.Accoda(c);
    EXPECT_TRUE(s.LeggiRisultato(risultato).Ok);
    s.Esegui();
    return s;
}
}  // namespace

TEST(TSpoglio, ReadingTheResultCells) {
    ASSERT_EQ(NumeroPiloti, 23);
    struct Caso {
        Celle celle;
        const char* messaggio;  // nullptr when the cells read
        int cella;
    } casi[] = {
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, nullptr, 0},
        {{" 2", "*", "* ", "4", "5", "6", "7", "0"}, nullptr, 0},  // wildcard repeats, 0 taken
        {{"1", "2", "", "4", "5", "6", "7", "8"}, kMsgNumeriMancanti, 3},
        {{"1", "2", "3", "5.", "x", "6", "7", "8"}, kMsgNumeriMancanti, 4},
        {{"1", "24", "3", "4", "5", "6", "7", "8"}, kMsgNumeriNonValidi, 2},
        {{"1", "2", "3", "4", "5", "6", "7", "-1"}, kMsgNumeriNonValidi, 8},
        {{"1", "2", "3", "4", "5", "6", "2", "2"}, kMsgNumeroRipetuto, 7},
        {{"1", "2", "9 9", "4", "5", "6", "7", "8"}, kMsgNumeriNonValidi, 3},  // blanks go: 99
    };
    for (const auto& k : casi) {
        TSpoglio s;
        s.SpoglioFatto = true;
        auto esito = s.LeggiRisultato(k.celle);
        EXPECT_EQ(esito.Ok, k.messaggio == nullptr) << k.celle[0];
        EXPECT_EQ(esito.Messaggio, k.messaggio ? k.messaggio : "");
        EXPECT_EQ(esito.Cella, k.cella);
        // A failed reading leaves the check as it was.
        EXPECT_EQ(s.SpoglioFatto, k.messaggio != nullptr);
    }
    TSpoglio s;
    s.LeggiRisultato(Celle{" 2", "*", "* ", "4", "5", "6", "7", "0"});
    EXPECT_EQ(s.RisultatoColonna, (TColonna{2, 90, 90, 4, 5, 6, 7, 0}));
    EXPECT_EQ(s.Risultato.Quanti, 8);
}

TEST(TSpoglio, ScoresAndTally) {
    const TColonna uno{1, 2, 3, 4, 5, 6, 7, 8};
    auto s = SpoglioCon({"2", "1", "3", "4", "5", "6", "7", "8"}, {uno});
    EXPECT_EQ(s.Tabella(), (std::vector<TColonnaVincite>{{" 69", " 1"}}));

    // "*" never scores, not even against a column holding the wildcard byte.
    s = SpoglioCon({"*", "2", "3", "4", "5", "6", "7", "8"},
                   {uno, TColonna{90, 2, 3, 4, 5, 6, 7, 8}, TColonna{90, 9, 9, 9, 9, 9, 9, 9}});
    EXPECT_EQ(s.Vincite[84], 2);
    EXPECT_EQ(s.Vincite[0], 1);
    EXPECT_EQ(s.PunteggiConVincite(), (std::vector<int>{84, 0}));

    s = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, {uno});
    EXPECT_EQ(s.Tabella(), (std::vector<TColonnaVincite>{{" 101", " 1"}}));
    EXPECT_TRUE(s.SpoglioFatto);
    s.CellaModificata();
    EXPECT_FALSE(s.SpoglioFatto);
}

TEST(TSpoglio, CountsLoseTheirLeadingBlankFrom1000On) {
    for (int n : {999, 1000, 1500}) {
        std::vector<TColonna> colonne(n, TColonna{9, 10, 11, 12, 13, 14, 15, 16});
        auto s = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, colonne);
        const std::string atteso = (n < 1000 ? " " : "") + std::to_string(n);
        EXPECT_EQ(s.Tabella(), (std::vector<TColonnaVincite>{{" 0", atteso}}));
    }
    auto vuoto = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, {});
    EXPECT_TRUE(vuoto.Tabella().empty());
    EXPECT_TRUE(vuoto.SpoglioFatto);
    const auto iniziale = TSpoglio::TabellaIniziale();
    ASSERT_EQ(iniziale.size(), 102u);
    EXPECT_EQ(iniziale.front(), (TColonnaVincite{" 101", ""}));
    EXPECT_EQ(iniziale.back(), (TColonnaVincite{" 0", ""}));
}

TEST(TSpoglio, WinningSlipsKeepTheirNumbersAndFlags) {
    const TColonna a{1, 2, 3, 4, 5, 6, 7, 8}, b{9, 10, 11, 12, 13, 14, 15, 16};
    const TColonna quasi{1, 2, 3, 4, 5, 6, 7, 9};  // 92
    auto s = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, {b, b, a});
    auto slips = s.SchedineVincenti(101);
    ASSERT_EQ(slips.size(), 1u);  // only column 3 scores: slip 2 alone
    EXPECT_EQ(slips[0].Numero, 2);
    EXPECT_EQ(slips[0].Quante, 1);
    EXPECT_EQ(slips[0].Posti[0], (TPostoSchedina{a, 1}));
    EXPECT_EQ(slips[0].Posti[1], TPostoSchedina{});

    s = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, {b, quasi, a, b, quasi});
    slips = s.SchedineVincenti(92);
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].Numero, 1);
    EXPECT_EQ(slips[0].Posti[0], (TPostoSchedina{b, 0}));
    EXPECT_EQ(slips[0].Posti[1], (TPostoSchedina{quasi, 1}));
    EXPECT_EQ(slips[1].Numero, 3);
    EXPECT_TRUE(s.SchedineVincenti(50).empty());
}

TEST(TSpoglio, WinningSlipPagesFollowTheScrollBar) {
    const TColonna a{1, 2, 3, 4, 5, 6, 7, 8}, b{9, 10, 11, 12, 13, 14, 15, 16};
    // Columns 2, 3, 5, ... 23 score 101: slips 1..12 are kept, slip 13 (columns 25, 26) not.
    std::vector<TColonna> colonne;
    for (int i = 1; i <= 26; ++i) colonne.push_back(i % 2 == 1 && i > 1 && i < 24 ? a : b);
    colonne[1] = a;
    auto s = SpoglioCon({"1", "2", "3", "4", "5", "6", "7", "8"}, colonne);
    TSchedineVincenti v;
    v.Carica(s);
    v.Seleziona(101);
    EXPECT_EQ(v.Quante(), 12);
    EXPECT_EQ(v.MassimoScorrimento(), 4);
    auto pagina = v.Pagina(4);
    ASSERT_EQ(pagina.size(), 8u);
    EXPECT_EQ(pagina.front().Numero, 5);
    EXPECT_EQ(pagina.front().Posti[0], (TPostoSchedina{a, 1}));  // column 9
    EXPECT_EQ(pagina.front().Posti[1], (TPostoSchedina{b, 0}));
    EXPECT_EQ(pagina.back().Numero, 12);
    EXPECT_EQ(v.Pagina(0).front().Posti[1], (TPostoSchedina{a, 1}));  // column 2

    v.Seleziona(0);  // b against the result scores 0
    EXPECT_EQ(v.Quante(), 13);
    EXPECT_EQ(v.Pagina(12).front().Numero, 13);
    v.Seleziona(50);
    EXPECT_EQ(v.Quante(), 0);
    EXPECT_EQ(v.MassimoScorrimento(), 0);
    EXPECT_TRUE(v.Pagina(0).empty());
}

TEST(TSpoglio, BrokenRestrictionHelpers) {
    TPronostico p;
    for (auto& pos : p.Posizione)
        for (int v = 1; v <= 8; ++v) pos.Aggiungi(v);
    EXPECT_FALSE(FuoriPronostico({8, 7, 6, 5, 4, 3, 2, 1}, p));
    EXPECT_TRUE(FuoriPronostico({8, 7, 6, 5, 4, 3, 2, 9}, p));
    EXPECT_TRUE(FuoriPronostico({90, 7, 6, 5, 4, 3, 2, 1}, p));

    EXPECT_EQ(TestoCondizioneSbagliata(1, "Somma"), "Pronostico");
    EXPECT_EQ(TestoCondizioneSbagliata(0, "Somma"), "Fisse");
    EXPECT_EQ(TestoCondizioneSbagliata(2, "Somma"), "Somma");

    EXPECT_EQ(TestoScorrevole("Pari Dispari", 1), "Pari Dispari");
    EXPECT_EQ(TestoScorrevole("Pari Dispari", 6), "Dispari");
    EXPECT_EQ(TestoScorrevole("Fisse", 5), "");               // not longer than p
    EXPECT_EQ(TestoScorrevole("Città nuova", 5), "à nuova");  // characters, not bytes
}
