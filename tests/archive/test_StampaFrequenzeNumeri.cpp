#include <gtest/gtest.h>

#include "archive/StampaFrequenzeNumeri.h"
#include "archive/StatistichePiloti.h"
#include "core/TListaColonne.h"
#include "printing/SuperficieRegistrata.h"
#include "support/CartellaDiProva.h"

namespace sirvela {
namespace {

TEST(StampaFrequenzeNumeri, TitleHeadingsAndOneRowPerPilot) {
    test::TCartellaDiProva globali;  // 23 pilots
    TListaColonne colonne;
    colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    colonne.Accoda({2, 1, 3, 4, 5, 6, 7, 8});
    TFrequenzeNumeri f;
    f.Calcola(colonne);
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaFrequenzeNumeri(p, f, true, k));
    const auto t = s.Scritte();
    ASSERT_EQ(t.size(), 1u + 9 + 23 * 9 + 1);
    EXPECT_EQ(t[0], "Analisi delle Frequenze dei Numeri in Gioco");
    const std::vector<std::string> testa(t.begin() + 1, t.begin() + 11);
    EXPECT_EQ(testa, (std::vector<std::string>{"Num.", "  1º", "  2º", "  3º", "  4º", "  5º",
                                               "  6º", "  7º", "  8º", "1"}));
    EXPECT_EQ(t[11], " 50,00");  // pilot 1 first in one column of two
    EXPECT_EQ(t[13], "  0,00");
    EXPECT_EQ(t[1 + 9 * 3 + 3], "100,00");  // pilot 3 always third
    EXPECT_EQ(t.back(), "Pagina Nº 1");
    // 12 + 8 x 18 mm, centred on 210 mm.
    EXPECT_DOUBLE_EQ(s.DiTipo(TSegnoRegistrato::Riquadro)[0].X, 27);
}

}  // namespace
}  // namespace sirvela
