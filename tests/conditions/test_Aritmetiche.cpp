#include <gtest/gtest.h>

#include <random>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondPuntiTra.h"
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

struct CasoAritmetico {
    TColonna Colonna;
    Coppie Somme, PariDispari, Baricentri, Distanze;
    int Resto8;
};

TIntervallo Intervallo(double min, double max, int tipo = 1, int livello = 0) {
    return {min, max, static_cast<std::uint16_t>(tipo), static_cast<std::int16_t>(livello)};
}

// Punti Tra switched on, so the kinds feed its totals.
TCondPuntiTra& AccendiTra(TDatiSistema& d) {
    TCondPuntiTra& tra = *d.Condizioni->PuntiTra();
    tra.Attivo = true;
    tra.Totali.fill(0);
    return tra;
}

}  // namespace

TEST(Aritmetiche, ValuesOfKnownColumns) {
    const CasoAritmetico casi[] = {
        {Col({1, 2, 3, 4, 5, 6, 7, 8}),
         {{36, 0}, {20, 0}, {16, 0}},
         {{4, 1}, {4, 1}},
         {{4, 0}, {5, 0}, {4, 0}},
         {{1, 0}, {1, 0}, {7, 0}},
         4},
        {Col({2, 4, 6, 8, 10, 12, 14, 16}),
         {{72, 0}, {72, 0}, {0, 0}},
         {{8, 8}, {0, 0}},
         {{9, 0}, {9, 0}, {0, 0}},
         {{2, 0}, {2, 0}, {14, 0}},
         0},
        {Col({25, 1, 24, 2, 23, 3, 22, 4}),
         {{104, 0}, {52, 0}, {52, 0}},
         {{4, 2}, {4, 2}},
         {{13, 0}, {13, 0}, {13, 0}},
         {{18, 0}, {24, 0}, {147, 0}},
         0},
        {Col({3, 5, 7, 2, 4, 9, 11, 13}),
         {{54, 0}, {6, 0}, {48, 0}},
         {{2, 2}, {6, 3}},
         {{6, 0}, {3, 0}, {8, 0}},
         {{2, 0}, {5, 0}, {20, 0}},
         6},
    };
    TDatiSistema d;
    TCondSomme somme(&d);
    TCondPariDispari pd(&d);
    TCondBaricentri bar(&d);
    TCondDistanzeGlobali dist(&d);
    TCondResti resti(&d);
    for (const auto& k : casi) {
        SCOPED_TRACE(testing::PrintToString(k.Colonna));
        EXPECT_EQ(Valori(somme, k.Colonna), k.Somme);
        EXPECT_EQ(Valori(pd, k.Colonna), k.PariDispari);
        EXPECT_EQ(Valori(bar, k.Colonna), k.Baricentri);
        EXPECT_EQ(Valori(dist, k.Colonna), k.Distanze);
        EXPECT_EQ(Valori(resti, k.Colonna), (Coppie{{k.Resto8, 0}}));
    }
}

TEST(Aritmetiche, TotalDistanceBeyondTheTableIsNeverAccepted) {
    TDatiSistema d;
    TCondDistanzeGlobali dist(&d);
    AmmettiDa(dist.Totale.Principale, 0, 89);
    dist.AggiornaStato();
    ASSERT_TRUE(dist.Attivo);
    EXPECT_FALSE(dist.Valuta(Col({25, 1, 24, 2, 23, 3, 22, 4})));
    EXPECT_TRUE(dist.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
}

TEST(Aritmetiche, EveryActiveCategoryFeedsPuntiTraBeforeAnyTest) {
    TDatiSistema d;
    TCondPuntiTra& tra = AccendiTra(d);
    TCondDistanzeGlobali dist(&d);
    Ammetti(dist.Minima.Principale, {5});  // refuses 1..8 (minimum 1)
    Ammetti(dist.Totale.Principale, {7});
    dist.Minima.Principale.GruppoTra = 3;
    dist.Totale.Principale.GruppoTra = 4;
    dist.AggiornaStato();
    EXPECT_FALSE(dist.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
    EXPECT_EQ(tra.Totali[3], 1u);
    EXPECT_EQ(tra.Totali[4], 7u);
}

TEST(Aritmetiche, SommeAddNothingToPuntiTra) {
    TDatiSistema d;
    TCondPuntiTra& tra = AccendiTra(d);
    TCondSomme somme(&d);
    somme.Tutti.Intervalli[0] = Intervallo(0, 200);
    somme.Tutti.Quanti = 1;
    somme.Tutti.GruppoTra = 1;
    somme.AggiornaStato();
    EXPECT_TRUE(somme.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
    for (auto t : tra.Totali) EXPECT_EQ(t, 0u);
}

TEST(Aritmetiche, NegativeSpecificDistanceIsRefusedAndAddsNothing) {
    TDatiSistema d;
    TCondPuntiTra& tra = AccendiTra(d);
    TCondDistanzeSpecifiche ds(&d);  // positions 1 and 2
    AmmettiDa(ds.Distanza.Principale, 0, 89);
    ds.Distanza.Principale.GruppoTra = 2;
    ds.AggiornaStato();
    const TColonna discesa = Col({5, 3, 1, 2, 4, 6, 7, 8});
    EXPECT_EQ(ds.Calcola(discesa), TCondDistanzeSpecifiche::kNessunValore);
    EXPECT_FALSE(ds.Valuta(discesa));
    EXPECT_EQ(tra.Totali[2], 0u);

    const TColonna salita = Col({3, 5, 1, 2, 4, 6, 7, 8});
    EXPECT_TRUE(ds.Valuta(salita));
    EXPECT_EQ(tra.Totali[2], 2u);

    ds.Posizione1 = 3;
    ds.Posizione2 = 8;
    EXPECT_EQ(Valori(ds, salita), (Coppie{{7, 0}}));
}

TEST(Aritmetiche, DamagedParametersNeverCrashOrIndexOutside) {
    TDatiSistema d;
    TCondDistanzeSpecifiche ds(&d);
    AmmettiDa(ds.Distanza.Principale, 0, 89);
    ds.AggiornaStato();
    for (auto [p1, p2] : {std::pair{0, 2}, {1, 9}, {-5, 3}, {4, 1000}}) {
        ds.Posizione1 = p1;
        ds.Posizione2 = p2;
        EXPECT_FALSE(ds.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
    }
    TCondResti resti(&d);
    AmmettiDa(resti.Resto.Principale, 0, 99);
    resti.AggiornaStato();
    resti.Divisore = 0;
    EXPECT_FALSE(resti.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
    resti.Divisore = -7;  // a remainder is still a value 0..6
    EXPECT_TRUE(resti.Valuta(Col({1, 2, 3, 4, 5, 6, 7, 8})));
}

TEST(Aritmetiche, SommeFastPathOnlyForSinglePlainIntervals) {
    TDatiSistema d;
    TCondSomme s(&d);
    s.AggiornaStato();
    EXPECT_FALSE(s.VerificaRapida);  // nothing to test
    s.Tutti.Intervalli[0] = Intervallo(100, 120);
    s.Tutti.Quanti = 1;
    s.AggiornaStato();
    EXPECT_TRUE(s.VerificaRapida);

    s.Tutti.Intervalli[0].Tipo = 2;
    s.AggiornaStato();
    EXPECT_FALSE(s.VerificaRapida);
    s.Tutti.Intervalli[0].Tipo = 1;

    s.Pari.Intervalli[0] = Intervallo(0, 10);
    s.Pari.Intervalli[1] = Intervallo(20, 30);
    s.Pari.Quanti = 2;
    s.AggiornaStato();
    EXPECT_FALSE(s.VerificaRapida);
    s.Pari.Quanti = 0;

    s.Dispari.GruppoTra = 5;
    s.AggiornaStato();
    EXPECT_FALSE(s.VerificaRapida);
    s.Dispari.GruppoTra = 0;

    s.Attivato = false;
    s.AggiornaStato();
    EXPECT_FALSE(s.VerificaRapida);
}

TEST(Aritmetiche, SommeFastPathDecidesAsValuta) {
    TDatiSistema d;
    TCondSomme s(&d);
    s.Tutti.Intervalli[0] = Intervallo(100, 120);
    s.Tutti.Quanti = 1;
    s.AggiornaStato();
    const TColonna c121 = Col({25, 24, 23, 22, 21, 3, 2, 1});
    const TColonna c120 = Col({25, 24, 23, 22, 20, 3, 2, 1});
    EXPECT_FALSE(s.VerificaVeloce(c121));
    EXPECT_TRUE(s.VerificaVeloce(c120));

    // Only the odd sum, [0, 50]: 51 is refused whatever the total.
    TCondSomme dispari(&d);
    dispari.Dispari.Intervalli[0] = Intervallo(0, 50);
    dispari.Dispari.Quanti = 1;
    dispari.AggiornaStato();
    ASSERT_TRUE(dispari.VerificaRapida);
    const TColonna dispari51 = Col({25, 23, 3, 2, 4, 6, 8, 10});
    EXPECT_FALSE(dispari.VerificaVeloce(dispari51));
    EXPECT_FALSE(dispari.Valuta(dispari51));

    std::mt19937 caso(11);
    for (int n = 0; n < 3000; ++n) {
        const TColonna c = test::ColonnaCasuale(caso);
        EXPECT_EQ(s.VerificaVeloce(c), s.Valuta(c));
        EXPECT_EQ(dispari.VerificaVeloce(c), dispari.Valuta(c));
    }
}

TEST(Aritmetiche, PariDispariFastPathAndClearing) {
    TDatiSistema d;
    TCondPariDispari pd(&d);
    Ammetti(pd.Pari.Principale, {3, 4, 5});
    Ammetti(pd.Dispari.Principale, {4});
    pd.Pari.Principale.Voci[50] = {1, 7};  // beyond what the editor shows
    pd.AggiornaStato();
    EXPECT_TRUE(pd.VerificaRapida);
    EXPECT_EQ(pd.Pari.Principale.Voci[50], (TVoceValore{0, 1}));

    std::mt19937 caso(5);
    for (int n = 0; n < 3000; ++n) {
        const TColonna c = test::ColonnaCasuale(caso);
        EXPECT_EQ(pd.VerificaVeloce(c), pd.Valuta(c));
    }

    struct Guasto {
        const char* Nome;
        void (*Applica)(TCondPariDispari&);
    };
    const Guasto guasti[] = {
        {"recovery",
         [](TCondPariDispari& p) {
             p.Dispari.Principale.Voci[2] = {2, 1};
         }},
        {"secondary",
         [](TCondPariDispari& p) {
             p.Pari.Secondaria.Voci[1] = {1, 0};
         }},
        {"tra", [](TCondPariDispari& p) { p.Pari.Principale.GruppoTra = 1; }},
    };
    for (const auto& g : guasti) {
        SCOPED_TRACE(g.Nome);
        TCondPariDispari altro(&d);
        Ammetti(altro.Pari.Principale, {4});
        g.Applica(altro);
        altro.AggiornaStato();
        EXPECT_TRUE(altro.Attivo);
        EXPECT_FALSE(altro.VerificaRapida);
    }
}

TEST(Aritmetiche, SommeStatisticsCountIntervalRows) {
    TDatiSistema d;
    d.Archivio.Estrazioni.clear();
    for (const TColonna& r : {Col({1, 2, 3, 4, 5, 6, 7, 8}), Col({23, 22, 21, 20, 19, 18, 17, 16}),
                              Col({1, 2, 3, 4, 5, 6, 7, 9}), Col({2, 4, 6, 8, 10, 12, 14, 16})}) {
        TEstrazione e;
        e.Vincente = r;
        d.Archivio.Estrazioni.push_back(e);
    }
    TCondSomme s(&d);
    s.Tutti.Intervalli[0] = Intervallo(30, 40);        // 36, 37
    s.Tutti.Intervalli[1] = Intervallo(35, 80, 2, 1);  // 72 (37 went to the first)
    s.Tutti.Quanti = 2;
    s.AggiornaStato();
    s.AnalisiArchivio();
    const T_FrequenzeRitardi& tutti = s.StatArchivio[0];
    EXPECT_EQ(tutti.MaxValore, 2);  // two intervals and "Altri"
    EXPECT_EQ(tutti.Frequenza(0), 2);
    EXPECT_EQ(tutti.Frequenza(1), 1);
    EXPECT_EQ(tutti.Frequenza(2), 1);  // 156
    EXPECT_EQ(tutti.Ritardo(0), 1);
    // A list without intervals has only "Altri".
    EXPECT_EQ(s.StatArchivio[1].Frequenza(0), 4);

    // Source columns: every row is counted, only accepted rows in the single-condition table.
    s.AzzeraStatistiche();
    s.AnalisiEstrazione(Col({1, 2, 3, 4, 5, 6, 7, 8}));
    s.AnalisiEstrazione(Col({23, 22, 21, 20, 19, 18, 17, 16}));
    s.AnalisiEstrazione(Col({2, 4, 6, 8, 10, 12, 14, 16}));
    EXPECT_EQ(s.StatArchivio[0].Estrazioni, 3);
    EXPECT_EQ(s.StatColonne[0].Estrazioni, 2);
    EXPECT_EQ(s.StatColonne[0].Frequenza(2), 0);
    EXPECT_EQ(s.StatColonne[1].Estrazioni, 3);  // an inactive list refuses nothing
}
