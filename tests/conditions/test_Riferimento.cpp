#include <gtest/gtest.h>

#include "conditions/CondizioniRiferimento.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using sirvela::test::Ammetti;
using sirvela::test::AmmettiDa;
using sirvela::test::Col;
using sirvela::test::Valori;

namespace {

using Coppie = std::vector<std::pair<int, int>>;

void Archivio(TDatiSistema& d, std::initializer_list<TColonna> risultati) {
    d.Archivio.Estrazioni.clear();
    std::uint8_t n = 1;
    for (const TColonna& r : risultati) {
        TEstrazione e;
        e.Numero = n++;
        e.Vincente = r;
        d.Archivio.Estrazioni.push_back(e);
    }
}

TCombinazione Lista(std::initializer_list<int> v) {
    TCombinazione l;
    for (int x : v) l.Aggiungi(x);
    return l;
}

}  // namespace

TEST(Riferimento, RipetizioniAgainstTheLastTwoResults) {
    TDatiSistema d;
    Archivio(d, {Col({9, 9, 9, 9, 9, 9, 9, 9}), Col({1, 3, 9, 2, 4, 6, 7, 8}),
                 Col({5, 3, 1, 2, 4, 6, 7, 8})});
    TCondRipetizioni r(&d);
    const TColonna c = Col({5, 3, 9, 2, 4, 6, 10, 8});
    // Last result: positions 1, 2, 4, 5, 6, 8 agree, longest run 4..6. The one before: 2..6, 8.
    EXPECT_EQ(Valori(r, c), (Coppie{{6, 3}, {6, 5}}));

    r.Opzione = 1;  // parities only
    EXPECT_EQ(Valori(r, Col({1, 2, 3, 4, 5, 6, 7, 8})), (Coppie{{6, 3}, {6, 3}}));
    Archivio(d, {Col({3, 4, 5, 6, 7, 8, 9, 10})});
    EXPECT_EQ(Valori(r, Col({1, 2, 3, 4, 5, 6, 7, 8})),
              (Coppie{{8, 8}, {TCondRipetizioni::kNessunValore, TCondRipetizioni::kNessunValore}}));
}

TEST(Riferimento, RipetizioniMissingPositionsOfAResult) {
    TDatiSistema d;
    Archivio(d, {Col({1, 2, 3, 0, 0, 6, 7, 8})});
    TCondRipetizioni r(&d);
    EXPECT_EQ(Valori(r, Col({1, 2, 3, 4, 5, 6, 7, 8}))[0], (std::pair{6, 3}));
    r.Opzione = 1;  // 0 counts as even
    EXPECT_EQ(Valori(r, Col({1, 2, 3, 4, 5, 6, 7, 8}))[0], (std::pair{7, 4}));
}

TEST(Riferimento, RipetizioniWithoutTheResultRejectsEveryColumn) {
    TDatiSistema d;
    TCondRipetizioni r(&d);
    AmmettiDa(r.UnaPrecedente.Principale, 0, 8);
    r.AggiornaStato();
    const TColonna c = Col({1, 2, 3, 4, 5, 6, 7, 8});

    Archivio(d, {});
    EXPECT_FALSE(r.Valuta(c));
    Archivio(d, {Col({8, 7, 6, 5, 4, 3, 2, 1})});
    EXPECT_TRUE(r.Valuta(c));

    // The second category needs two results; an inactive one asks for nothing.
    AmmettiDa(r.DuePrecedenti.Secondaria, 0, 8);
    r.AggiornaStato();
    EXPECT_FALSE(r.Valuta(c));
    Archivio(d, {Col({8, 7, 6, 5, 4, 3, 2, 1}), Col({8, 7, 6, 5, 4, 3, 2, 1})});
    EXPECT_TRUE(r.Valuta(c));
}

TEST(Riferimento, RipetizioniIgnoresTheStatisticsSelection) {
    TDatiSistema d;
    Archivio(d, {Col({1, 2, 3, 4, 5, 6, 7, 8}), Col({8, 7, 6, 5, 4, 3, 2, 1})});
    d.Archivio.Selezione.Tutte = false;
    d.Archivio.Selezione.Dal = 1;
    d.Archivio.Selezione.Al = 1;
    TCondRipetizioni r(&d);
    EXPECT_EQ(Valori(r, Col({8, 7, 6, 5, 4, 3, 2, 1}))[0], (std::pair{8, 8}));
}

TEST(Riferimento, RipetizioniOfAnArchivedContestLookBackFromIt) {
    TDatiSistema d;
    Archivio(d, {Col({1, 2, 3, 4, 5, 6, 7, 8}), Col({1, 2, 3, 4, 5, 6, 7, 9}),
                 Col({1, 2, 3, 4, 5, 6, 10, 11})});
    TCondRipetizioni r(&d);
    TValoriColonna v;
    r.CalcolaValoriFinoA(d.Archivio[0].Vincente, 0, v);
    EXPECT_EQ(v.Valori[0].Principale, TCondRipetizioni::kNessunValore);
    EXPECT_EQ(v.Valori[1].Principale, TCondRipetizioni::kNessunValore);
    r.CalcolaValoriFinoA(d.Archivio[2].Vincente, 2, v);
    EXPECT_EQ(v.Valori[0].Principale, 6);  // against contest 2
    EXPECT_EQ(v.Valori[1].Principale, 6);  // against contest 1
    r.CalcolaValoriFinoA(d.Archivio[1].Vincente, 1, v);
    EXPECT_EQ(v.Valori[0].Principale, 7);
    EXPECT_EQ(v.Valori[1].Principale, TCondRipetizioni::kNessunValore);
}

TEST(Riferimento, ColonnaFiltroComparisons) {
    TDatiSistema d;
    TCondColonnaFiltro f(&d);  // "a Girare" by default
    f.PilotiFiltro = Lista({7, 3, 12, 5});
    EXPECT_EQ(Valori(f, Col({5, 1, 7, 2, 3, 4, 6, 8})), (Coppie{{3, 2}}));
    f.PilotiFiltro = Lista({});
    EXPECT_EQ(Valori(f, Col({5, 1, 7, 2, 3, 4, 6, 8})), (Coppie{{0, 0}}));
    // A damaged count is kept within the list.
    f.PilotiFiltro = Lista({1, 2});
    f.PilotiFiltro.Quanti = 300;
    EXPECT_EQ(Valori(f, Col({5, 1, 7, 2, 3, 4, 6, 8}))[0].first, 2);

    f.Confronto = 0;
    f.ColonnaFiltro = Col({5, 1, 90, 2, 0, 4, 6, 9});
    EXPECT_EQ(Valori(f, Col({5, 1, 7, 2, 3, 4, 6, 8})), (Coppie{{5, 2}}));
}

TEST(Riferimento, ColonnaFiltroTestsOnlyWithAcceptedValues) {
    TDatiSistema d;
    TCondColonnaFiltro f(&d);
    f.PilotiFiltro = Lista({7, 3, 12, 5});
    f.AggiornaStato();
    EXPECT_TRUE(f.Valuta(Col({9, 10, 11, 13, 14, 15, 16, 17})));
    Ammetti(f.Numeri.Principale, {3});
    Ammetti(f.Numeri.Secondaria, {2});
    f.AggiornaStato();
    EXPECT_TRUE(f.Valuta(Col({5, 1, 7, 2, 3, 4, 6, 8})));
    EXPECT_FALSE(f.Valuta(Col({7, 1, 3, 2, 12, 4, 6, 8})));  // 3 present, run 3
}

TEST(Riferimento, SequeleExamples) {
    TDatiSistema d;
    struct Caso {
        const char* Nome;
        int Tipo, Lunghezza, Trovata, NonTrovata;
        TColonna Schema;
        TColonna Colonna;
        std::pair<int, int> Atteso;
    };
    const Caso casi[] = {
        // signs 1,1,1,2,2,2,1,2: windows at 1 and 4
        {"mono", 2, 3, 1, 1, {}, Col({2, 4, 6, 1, 3, 5, 8, 7}), {2, 1}},
        // pattern 2,1 with steps "N" on 2,1,2,1,...: occurrences at 1, 3, 5, 7
        {"particolare N", 1, 2, 2, 1, Col({2, 1}), Col({1, 2, 3, 4, 5, 6, 7, 8}), {4, 4}},
        {"particolare 1/1", 1, 2, 1, 1, Col({2, 1}), Col({1, 2, 3, 4, 5, 6, 7, 8}), {4, 1}},
        {"particolare passo 3", 1, 2, 3, 3, Col({2, 1}), Col({1, 2, 3, 4, 5, 6, 7, 8}), {2, 1}},
        // a step outside 1..2 matches nothing
        {"particolare guasto", 1, 2, 1, 1, Col({2, 3}), Col({1, 2, 3, 4, 5, 6, 7, 8}), {0, 0}},
        {"bitermine", 3, 2, 1, 1, {}, Col({2, 4, 6, 1, 3, 5, 8, 7}), {3, 2}},
        {"bitermine lunga", 3, 8, 1, 1, {}, Col({2, 4, 6, 1, 3, 5, 8, 7}), {1, 1}},
        // all signs equal: seven windows of one pattern, none back to back with step 1
        {"generica", 4, 2, 1, 1, {}, Col({2, 4, 6, 8, 10, 12, 14, 16}), {7, 1}},
        // steps "N": overlapping occurrences are skipped, the rest follow back to back
        {"generica N", 4, 2, 2, 1, {}, Col({2, 4, 6, 8, 10, 12, 14, 16}), {4, 4}},
        // 1,2,2,1,1,2,2,1 by threes: 122 221 211 112 122 221: first to two is 122
        {"generica scelta", 4, 3, 1, 1, {}, Col({2, 1, 3, 4, 6, 5, 7, 8}), {2, 1}},
        {"generica una", 4, 8, 1, 1, {}, Col({2, 1, 3, 4, 6, 5, 7, 8}), {1, 0}},
        // step 3 on equal signs: windows at 1, 4, 7, never back to back
        {"generica passo 3", 4, 2, 3, 1, {}, Col({2, 4, 6, 8, 10, 12, 14, 16}), {3, 1}},
        // 12 21 12 21 12 21 12: counts 4 and 3 give min(3, (4 + 1) div 2) = 2 pairs
        {"specchio", 5, 2, 1, 1, {}, Col({2, 1, 4, 3, 6, 5, 8, 7}), {2, 0}},
        // equal patterns never pair
        {"specchio uguali", 5, 2, 1, 1, {}, Col({2, 4, 6, 8, 10, 12, 14, 16}), {0, 0}},
        // PDD DDP DPP PPD PDD DDP: PDD twice with DDP twice, DPP once with PPD once
        {"specchio lunga 3", 5, 3, 1, 1, {}, Col({2, 1, 3, 4, 6, 5, 7, 8}), {2, 0}},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.Nome);
        TCondSequela s(&d);
        s.TipoSequela = k.Tipo;
        s.Lunghezza = k.Lunghezza;
        s.PassoTrovata = k.Trovata;
        s.PassoNonTrovata = k.NonTrovata;
        s.Sequela = k.Schema;
        const TCoincidenze v = s.Calcola(k.Colonna);
        EXPECT_EQ(v.Quante, k.Atteso.first);
        EXPECT_EQ(v.Serie, k.Atteso.second);
    }
}

TEST(Riferimento, SequelaThatCannotBeEvaluatedAcceptsEverything) {
    TDatiSistema d;
    struct Guasto {
        int Tipo, Lunghezza, Trovata, NonTrovata;
    };
    const Guasto guasti[] = {{1, 0, 1, 1}, {2, 1, 1, 1}, {3, 9, 1, 1},  {4, -3, 1, 1},
                             {2, 3, 0, 1}, {2, 3, 1, 0}, {4, 3, -1, 1}, {5, 3, 1, -2},
                             {0, 3, 1, 1}, {6, 3, 1, 1}, {1, 2, 0, 0},  {3, 100000, 1, 1}};
    for (const auto& g : guasti) {
        SCOPED_TRACE(testing::Message()
                     << g.Tipo << " " << g.Lunghezza << " " << g.Trovata << " " << g.NonTrovata);
        TCondSequela s(&d);
        s.TipoSequela = g.Tipo;
        s.Lunghezza = g.Lunghezza;
        s.PassoTrovata = g.Trovata;
        s.PassoNonTrovata = g.NonTrovata;
        Ammetti(s.Presenze.Principale, {7});
        s.AggiornaStato();
        EXPECT_FALSE(s.Valutabile());
        EXPECT_TRUE(s.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
        EXPECT_EQ(Valori(s, Col({1, 2, 3, 4, 5, 6, 7, 8})),
                  (Coppie{{TCondSequela::kNessunValore, TCondSequela::kNessunValore}}));
    }
}

TEST(Riferimento, MirrorSequelaHasNoSecondaryAfterLoading) {
    TDatiSistema d;
    TCondSequela s(&d);
    s.TipoSequela = 5;
    s.Lunghezza = 2;
    const auto r = test::Record(s);
    TCondSequela letta(&d);
    TLettore l(std::span<const std::uint8_t>(r).subspan(1));
    ASSERT_TRUE(letta.Carica(l));
    EXPECT_FALSE(letta.Presenze.SecondariaAbilitata);
    // A secondary entry left in the file plays no part.
    Ammetti(letta.Presenze.Principale, {2});
    Ammetti(letta.Presenze.Secondaria, {5});
    letta.AggiornaStato();
    EXPECT_TRUE(letta.Valuta(Col({2, 1, 4, 3, 6, 5, 8, 7})));
}

TEST(Riferimento, RipetizioniArchiveStatisticsSkipContestsWithoutPredecessors) {
    TDatiSistema d;
    Archivio(d, {Col({1, 2, 3, 4, 5, 6, 7, 8}), Col({1, 2, 3, 4, 5, 6, 7, 9}),
                 Col({1, 2, 3, 4, 5, 6, 10, 11}), Col({8, 7, 6, 5, 4, 3, 2, 1})});
    d.Archivio.Selezione.Tutte = false;
    d.Archivio.Selezione.Dal = 2;  // contests 2..4 of the list
    d.Archivio.Selezione.Al = 4;
    TCondRipetizioni r(&d);
    r.AnalisiArchivio();
    ASSERT_EQ(r.StatArchivio.size(), 2u);
    // One before: contest 2 against 1 (7), 3 against 2 (6), 4 against 3 (0).
    const T_FrequenzeRitardi& una = r.StatArchivio[0];
    EXPECT_EQ(una.Estrazioni, 3);
    EXPECT_EQ(una.Frequenza(7), 1);
    EXPECT_EQ(una.Frequenza(6), 1);
    EXPECT_EQ(una.Frequenza(0), 1);
    EXPECT_EQ(una.Ritardo(7), 2);
    // Two before: contest 2 has none; 3 against 1 (6), 4 against 2 (0).
    const T_FrequenzeRitardi& due = r.StatArchivio[1];
    EXPECT_EQ(due.Estrazioni, 2);
    EXPECT_EQ(due.Frequenza(6), 1);
    EXPECT_EQ(due.Frequenza(0), 1);

    TValoriColonna v;
    r.CalcolaValoriEstrazione(0, v);
    EXPECT_EQ(v.Valori[0].Principale, TCondRipetizioni::kNessunValore);
    r.CalcolaValoriEstrazione(3, v);
    EXPECT_EQ(v.Valori[0].Principale, 0);
}
