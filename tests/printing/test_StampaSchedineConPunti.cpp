#include <gtest/gtest.h>

#include "printing/StampaSchedineConPunti.h"
#include "printing/SuperficieRegistrata.h"

using namespace sirvela;

// A page 60 x 40 mm: the right limit at 50 mm, the footer's top at 34.61 mm. "Nº 1, " in
// Courier New 10 is 6 characters of 2.1167 mm = 12.7 mm.
TEST(StampaSchedineConPunti, NumbersWrapInsideTheMarginsAndGoOnOnANewPage) {
    TSuperficieRegistrata s;
    s.Larghezza = 60;
    s.Altezza = 40;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaSchedineConPunti(p, 5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, k));
    EXPECT_EQ(s.Documenti, std::vector<std::string>{"Schedine con punti 5"});
    EXPECT_EQ(s.Pagine(), 2);
    EXPECT_EQ(s.Scritte(1, 2),
              (std::vector<std::string>{"Nº 7, ", "Nº 8, ", "Nº 9, ", "Nº 10, ", "Pagina Nº 2"}));
    struct Caso {
        const char* scritta;
        int pagina;
        double x, y;
    };
    const Caso casi[] = {
        {"Schedine con punti 5", 1, 8.8333, 10},  // 42.33 mm centred
        {"Nº 1, ", 1, 10, 20},
        {"Nº 3, ", 1, 35.4, 20},  // ends at 48.1: the next one would pass 50
        {"Nº 4, ", 1, 10, 28},
        {"Nº 7, ", 2, 10, 10},  // a line at 36 would reach the footer
        {"Nº 10, ", 2, 10, 18},
    };
    for (const Caso& c : casi) {
        bool trovato = false;
        for (const auto& m : s.DiTipo(TSegnoRegistrato::Testo, 1, c.pagina))
            if (m.Scritta == c.scritta) {
                trovato = true;
                EXPECT_NEAR(m.X, c.x, 1e-3) << c.scritta;
                EXPECT_NEAR(m.Y, c.y, 1e-9) << c.scritta;
            }
        EXPECT_TRUE(trovato) << c.scritta;
    }
}
