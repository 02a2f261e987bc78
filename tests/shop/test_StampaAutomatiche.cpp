#include <gtest/gtest.h>

#include "printing/SuperficieRegistrata.h"
#include "shop/StampaAutomatiche.h"

using namespace sirvela;

TEST(StampaAutomatiche, PlainTicketsInOneRunSystemTicketsOneJobEach) {
    TSchedineDaStampare s;
    for (int i = 1; i <= 3; ++i)
        s.Semplici.Accoda(TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
    TSchedinaSistema sistema;
    sistema.Fissa = {0, 4, 0, 0, 9, 0, 0, 11};
    for (int v : {1, 6, 12, 17, 20, 23}) sistema.Variabili.Aggiungi(v);
    s.Sistemi = {sistema, sistema};

    TSuperficieRegistrata r;
    TmmPrinter p(r);
    TControlloStampa k;
    ASSERT_TRUE(StampaSchedineAutomatiche(p, s, TTaratura{}, TOpzioniSchedine{}, k));
    EXPECT_EQ(r.Documenti.size(), 3u);
    EXPECT_EQ(r.Pagine(1), 2);
    EXPECT_EQ(r.Scritte(),
              (std::vector<std::string>{
                  "Costo della schedina : L. 2.000", "Costo della schedina : L. 1.000",
                  "Costo della schedina : L. 720.000", "Costo della schedina : L. 720.000"}));
}
