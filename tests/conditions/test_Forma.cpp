#include <gtest/gtest.h>

#include "conditions/CondizioniForma.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using sirvela::test::Ammetti;
using sirvela::test::AmmettiDa;
using sirvela::test::Col;
using sirvela::test::Valori;

namespace {

using Coppie = std::vector<std::pair<int, int>>;

struct CasoForma {
    TColonna Colonna;
    Coppie Sequenze;
    int Consecutivi;
    Coppie Crescenze, Interruzioni, Simmetrie;
};

}  // namespace

TEST(Forma, ValuesOfKnownColumns) {
    const CasoForma casi[] = {
        {Col({3, 4, 5, 9, 10, 1, 2, 7}),
         {{1, 0}, {2, 0}, {1, 0}, {0, 0}},
         3,
         {{6, 4}, {1, 1}},
         {{6, 4}, {3, 0}, {3, 0}},
         {{3, 3}, {1, 1}, {4, 0}}},
        // One sequence of length 8 is counted nowhere.
        {Col({1, 2, 3, 4, 5, 6, 7, 8}),
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         8,
         {{7, 7}, {0, 0}},
         {{7, 7}, {4, 0}, {3, 0}},
         {{0, 0}, {4, 4}, {4, 0}}},
        // A step of -1 is no sequence but is a consecutive pair.
        {Col({8, 7, 6, 5, 4, 3, 2, 1}),
         {{8, 0}, {0, 0}, {0, 0}, {0, 0}},
         8,
         {{0, 0}, {7, 7}},
         {{7, 7}, {3, 0}, {4, 0}},
         {{0, 0}, {4, 4}, {4, 0}}},
        {Col({2, 3, 4, 5, 6, 7, 8, 9}),
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         8,
         {{7, 7}, {0, 0}},
         {{7, 7}, {3, 0}, {4, 0}},
         {{0, 0}, {4, 4}, {4, 0}}},
        // Two sequences of length 4.
        {Col({10, 11, 12, 13, 1, 2, 3, 4}),
         {{0, 0}, {0, 0}, {0, 0}, {2, 0}},
         4,
         {{6, 3}, {1, 1}},
         {{6, 3}, {3, 0}, {3, 0}},
         {{4, 4}, {0, 0}, {4, 0}}},
        // A sequence of five is counted nowhere, the three singles are.
        {Col({20, 1, 2, 3, 4, 5, 15, 9}),
         {{3, 0}, {0, 0}, {0, 0}, {0, 0}},
         5,
         {{5, 5}, {2, 1}},
         {{5, 5}, {2, 0}, {3, 0}},
         {{1, 1}, {3, 2}, {4, 0}}},
    };
    TDatiSistema d;
    TCondNumeroSequenze seq(&d);
    TCondNumeriConsecutivi cons(&d);
    TCondCrescenzeDecrescenze cresc(&d);
    TCondInterruzioni interr(&d);
    TCondSimmetrie simm(&d);
    for (const auto& k : casi) {
        SCOPED_TRACE(testing::PrintToString(k.Colonna));
        EXPECT_EQ(Valori(seq, k.Colonna), k.Sequenze);
        EXPECT_EQ(Valori(cons, k.Colonna), (Coppie{{k.Consecutivi, 0}}));
        EXPECT_EQ(Valori(cresc, k.Colonna), k.Crescenze);
        EXPECT_EQ(Valori(interr, k.Colonna), k.Interruzioni);
        EXPECT_EQ(Valori(simm, k.Colonna), k.Simmetrie);
    }
}

TEST(Forma, VortexExamples) {
    struct Caso {
        TColonna Colonna;
        TVortice Diretto, Inverso;
    };
    const Caso casi[] = {
        {Col({2, 4, 6, 8, 10, 12, 14, 16}), {5, 7}, {4, 7}},
        {Col({1, 2, 3, 4, 5, 6, 7, 8}), {4, 4}, {5, 4}},
    };
    for (const auto& k : casi) {
        const TVortice dir = TCondVortici::Calcola(k.Colonna, 1, 8, true);
        const TVortice inv = TCondVortici::Calcola(k.Colonna, 1, 8, false);
        EXPECT_EQ(dir.Posizione, k.Diretto.Posizione);
        EXPECT_EQ(dir.Bracci, k.Diretto.Bracci);
        EXPECT_EQ(inv.Posizione, k.Inverso.Posizione);
        EXPECT_EQ(inv.Bracci, k.Inverso.Bracci);
    }
    // A field of one position: that position, no arm beyond the first round.
    for (int p = 1; p <= 8; ++p) {
        for (bool diretto : {true, false}) {
            const TVortice v = TCondVortici::Calcola(Col({1, 2, 3, 4, 5, 6, 7, 8}), p, p, diretto);
            EXPECT_EQ(v.Posizione, p);
            EXPECT_EQ(v.Bracci, 0);
        }
    }
}

TEST(Forma, VortexFieldIsClampedAndOrdered) {
    TDatiSistema d;
    TCondVortici v(&d);
    const TColonna c = Col({1, 2, 3, 4, 5, 6, 7, 8});
    const auto tutto = Valori(v, c);
    struct Campo {
        int Da, A;
        int DaAtteso, AAtteso;
    };
    const Campo campi[] = {{0, 12, 1, 8}, {8, 1, 1, 8}, {5, 3, 3, 5},    {1000, 0, 1, 8},
                           {9, 9, 8, 8},  {0, 0, 1, 1}, {3, 65535, 3, 8}};
    for (const auto& k : campi) {
        SCOPED_TRACE(testing::Message() << k.Da << ".." << k.A);
        v.PosizioneDiretto.CampoDa = v.PosizioneInverso.CampoDa = static_cast<std::uint16_t>(k.Da);
        v.PosizioneDiretto.CampoA = v.PosizioneInverso.CampoA = static_cast<std::uint16_t>(k.A);
        const TVortice dir = TCondVortici::Calcola(c, k.DaAtteso, k.AAtteso, true);
        const TVortice inv = TCondVortici::Calcola(c, k.DaAtteso, k.AAtteso, false);
        EXPECT_EQ(
            Valori(v, c),
            (Coppie{{dir.Posizione, 0}, {dir.Bracci, 0}, {inv.Posizione, 0}, {inv.Bracci, 0}}));
    }
    v.PosizioneDiretto.CampoDa = v.PosizioneInverso.CampoDa = 1;
    v.PosizioneDiretto.CampoA = v.PosizioneInverso.CampoA = 8;
    EXPECT_EQ(Valori(v, c), tutto);
}

TEST(Forma, VortexInverseFeedsPuntiTraEvenWhenDirectFails) {
    TDatiSistema d;
    TCondPuntiTra& tra = *d.Condizioni->PuntiTra();
    tra.Attivo = true;
    tra.Totali.fill(0);
    TCondVortici v(&d);
    Ammetti(v.PosizioneDiretto.Principale, {1});  // 1..8 gives 4: refused
    Ammetti(v.BracciInverso.Principale, {4});
    v.BracciInverso.Principale.GruppoTra = 9;
    v.AggiornaStato();
    EXPECT_FALSE(v.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_EQ(tra.Totali[9], 4u);
    Ammetti(v.PosizioneDiretto.Principale, {4});
    v.AggiornaStato();
    EXPECT_TRUE(v.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
}

TEST(Forma, ConsecDiffSelectorOnlyChoosesTheColumnsTested) {
    TDatiSistema d;
    TCondConsecDiff cd(&d);  // even pilots
    Ammetti(cd.Segni.Principale, {3});
    cd.AggiornaStato();
    EXPECT_FALSE(cd.Attivo);  // the tested table is empty
    Ammetti(cd.Consecutivita.Principale, {2});
    cd.AggiornaStato();
    EXPECT_TRUE(cd.Attivo);

    // Five even pilots: not selected, so accepted whatever their runs.
    EXPECT_TRUE(cd.Valuta(Col({2, 4, 6, 8, 10, 1, 3, 5})));
    // Three even pilots: their longest run must be 2.
    EXPECT_TRUE(cd.Valuta(Col({2, 4, 1, 6, 3, 5, 7, 9})));
    EXPECT_FALSE(cd.Valuta(Col({2, 4, 6, 1, 3, 5, 7, 9})));
    EXPECT_FALSE(cd.Valuta(Col({2, 1, 4, 3, 6, 5, 7, 9})));

    // A recovery state in the selector does not select.
    cd.Segni.Principale.Voci[3] = {2, 1};
    cd.AggiornaStato();
    EXPECT_TRUE(cd.Valuta(Col({2, 4, 6, 1, 3, 5, 7, 9})));

    // Odd pilots: the same column has five of them in one run.
    TCondConsecDiff dispari(&d);
    dispari.Segno = 0;
    Ammetti(dispari.Segni.Principale, {5});
    Ammetti(dispari.Consecutivita.Principale, {5});
    dispari.AggiornaStato();
    EXPECT_EQ(Valori(dispari, Col({2, 4, 6, 1, 3, 5, 7, 9})), (Coppie{{5, 0}, {5, 0}}));
    EXPECT_TRUE(dispari.Valuta(Col({2, 4, 6, 1, 3, 5, 7, 9})));
    EXPECT_FALSE(dispari.Valuta(Col({1, 4, 3, 6, 5, 8, 7, 9})));
}

TEST(Forma, UnusedOptionByteIsWrittenAsZero) {
    TDatiSistema d;
    TCondSimmetrie s(&d);
    TCondInterruzioni i(&d);
    s.Opzione = 1;
    i.Opzione = 3;
    const auto rs = test::Record(s);
    const auto ri = test::Record(i);
    ASSERT_GE(rs.size(), 3u);
    ASSERT_GE(ri.size(), 3u);
    EXPECT_EQ(rs[2], 0);  // type, Attivato, Opzione
    EXPECT_EQ(ri[1], 0);  // type, Opzione, Attivato
}

TEST(Forma, LaterCategoriesAreNotLookedUpAfterARejection) {
    TDatiSistema d;
    TGruppoLink& b = *d.Recuperi->Gruppo('B');
    const TColonna c = Col({2, 3, 4, 5, 6, 7, 8, 9});  // Globali 7, Segni Pari 3

    TCondInterruzioni interr(&d);
    Ammetti(interr.Globali.Principale, {6});
    interr.SegniPari.Principale.Voci[3] = {2, 5};
    interr.SegniPari.Principale.LetteraLink = 'B';
    interr.AggiornaStato();
    EXPECT_FALSE(interr.Valuta(c));
    EXPECT_EQ(b.Registrazioni, 0u);
    Ammetti(interr.Globali.Principale, {7});
    interr.AggiornaStato();
    EXPECT_TRUE(interr.Valuta(c));
    EXPECT_EQ(b.Registrazioni, 1u);

    // The inverse vortex is computed but not looked up once the direct part failed.
    TCondVortici v(&d);
    Ammetti(v.BracciDiretto.Principale, {0});
    v.PosizioneInverso.Principale.Voci[5] = {2, 5};
    v.PosizioneInverso.Principale.LetteraLink = 'B';
    v.AggiornaStato();
    const TColonna uno = Col({1, 2, 3, 4, 5, 6, 7, 8});  // inverse Posizione 5
    EXPECT_FALSE(v.Valuta(uno));
    EXPECT_EQ(b.Registrazioni, 1u);
    Ammetti(v.BracciDiretto.Principale, {4});
    v.AggiornaStato();
    EXPECT_TRUE(v.Valuta(uno));
    EXPECT_EQ(b.Registrazioni, 2u);
}
