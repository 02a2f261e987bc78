#include <gtest/gtest.h>

#include "printing/ModelloTaratura.h"

using namespace sirvela;

TEST(ModelloTaratura, TenthsOrientationsAndConfirmation) {
    TTaratura t;
    t.Valori[1].XPrimaCol = 12.34;
    t.Orizzontale = true;
    TModelloTaratura m(t);
    // The default orientation's set is shown, rounded to tenths.
    EXPECT_TRUE(m.Orizzontale());
    EXPECT_EQ(m.Mostrati[TModelloTaratura::kXPrimaCol], 123);
    EXPECT_EQ(m.Mostrati[TModelloTaratura::kScrittaY], 1062);
    m.Sposta(TModelloTaratura::kXPrimaCol, -3);
    m.CambiaOrientamento(false);
    EXPECT_EQ(m.Mostrati[TModelloTaratura::kXPrimaCol], 150);
    m.Mostrati[TModelloTaratura::kScrittaX] = 1;
    m.Sposta(TModelloTaratura::kScrittaX, -1);
    m.Sposta(TModelloTaratura::kScrittaX, -1);  // never below 0
    EXPECT_EQ(m.Mostrati[TModelloTaratura::kScrittaX], 0);
    EXPECT_TRUE(m.ChiedePredefinito());

    const TTaratura no = m.Conferma(false);
    EXPECT_TRUE(no.Orizzontale);
    EXPECT_DOUBLE_EQ(no.Valori[1].XPrimaCol, 12.0);  // stored when the orientation changed
    EXPECT_DOUBLE_EQ(no.Valori[0].ScrittaX, 0.0);
    EXPECT_FALSE(m.Conferma(true).Orizzontale);
    EXPECT_EQ(m.Originale(), t);
}
