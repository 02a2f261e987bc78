#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/ImpostazioniVarie.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"

using namespace sirvela;

TEST(ImpostazioniVarie, PricesAsTheControlsShowThem) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Caso {
        double lire, euro;
        int lireAttese, interi, centesimi;
    };
    const Caso casi[] = {
        {1000.0, 0.5164568990894864, 1000, 0, 52},
        {1234.9, 2.999, 1234, 2, 100},  // cents rounded, not carried into the whole part
        {50.0, 12.5, 600, 10, 50},      // each part kept within its control
        {1e12, -3.25, 10000, 0, 0},
        {nan, nan, 600, 0, 0},  // a damaged settings file must not reach the controls
        {-inf, inf, 600, 0, 0},
    };
    for (const Caso& c : casi) {
        TDatiSistema d;
        d.Prezzi.PrezzoLire = c.lire;
        d.Prezzi.PrezzoEuro = c.euro;
        const auto m = TModelloImpostazioni::Da(d);
        SCOPED_TRACE(testing::Message() << c.lire << " " << c.euro);
        EXPECT_EQ(m.Lire, c.lireAttese);
        EXPECT_EQ(m.EuroInteri, c.interi);
        EXPECT_EQ(m.Centesimi, c.centesimi);
    }
}

TEST(ImpostazioniVarie, OkRoundsTheEuroPriceToWholeCents) {
    TDatiSistema d;
    d.Prezzi.PrezzoEuro = 0.5164568990894864;
    d.SalvaColonne = true;
    auto m = TModelloImpostazioni::Da(d);
    m.Euro = true;
    m.SalvaColonne = false;
    m.Sfondo = std::string(300, 'x');
    m.Applica(d);
    EXPECT_TRUE(d.Prezzi.Euro);
    EXPECT_DOUBLE_EQ(d.Prezzi.PrezzoEuro, 0.52);
    EXPECT_EQ(d.Prezzi.PrezzoLire, 1000.0);
    EXPECT_FALSE(d.SalvaColonne);
    EXPECT_EQ(d.Sfondo, std::string(255, 'x'));
    // Whole part and cents add up; cents above 99 are more than a euro.
    m.EuroInteri = 1;
    m.Centesimi = 250;
    m.Applica(d);
    EXPECT_DOUBLE_EQ(d.Prezzi.PrezzoEuro, 3.5);
}

TEST(ImpostazioniVarie, ProcessorsStayWithinTheBox) {
    struct Caso {
        int memorizzati, mostrati;
    } casi[] = {{0, 0}, {3, 3}, {-2, 0}, {5000, 256}};
    TDatiSistema d;
    for (const auto& c : casi) {
        d.Fili = c.memorizzati;
        const auto m = TModelloImpostazioni::Da(d);
        EXPECT_EQ(m.Fili, c.mostrati) << c.memorizzati;
        m.Applica(d);
        EXPECT_EQ(d.Fili, c.mostrati) << c.memorizzati;
    }
}
