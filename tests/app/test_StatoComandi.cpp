#include <gtest/gtest.h>

#include "app/StatoComandi.h"

using namespace sirvela;

TEST(StatoComandi, EnablingFollowsCountsAndSettings) {
    struct Caso {
        TDatiComandi dati;
        TStatoComandi atteso;
    };
    const Caso casi[] = {
        {{0, true, true, 0}, {false, false, true, false}},  // nothing selected yet
        {{1, true, true, 0}, {true, true, true, false}},
        {{0, false, true, 0}, {true, true, true, false}},     // from a source file
        {{12, true, false, 0}, {true, false, false, false}},  // conditions switched off
        {{0, true, false, 5}, {false, false, false, true}},   // columns loaded, sets emptied
        {{152587890625LL, true, true, 1}, {true, true, true, true}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.dati.ColonneIniziali);
        EXPECT_EQ(CalcolaStatoComandi(c.dati), c.atteso);
    }
}
