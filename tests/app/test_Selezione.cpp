#include <gtest/gtest.h>

#include "app/Selezione.h"

using namespace sirvela;

TEST(Selezione, PilotsOutOfPlayLeaveEveryPosition) {
    TPronostico p;
    for (int v : {3, 24, 9, 21}) p.Posizione[0].Aggiungi(v);
    for (int v : {1, 2}) p.Posizione[5].Aggiungi(v);
    p.Posizione[7].Aggiungi(25);

    EXPECT_TRUE(TogliPilotiFuoriGioco(p, 21, 9));
    EXPECT_EQ(p.Posizione[0].Conta(), 2);
    EXPECT_EQ(p.Posizione[0].Numeri[0], 3);
    EXPECT_EQ(p.Posizione[0].Numeri[1], 21);
    EXPECT_EQ(p.Posizione[0].Numeri[2], 0);  // freed slots are cleared
    EXPECT_EQ(p.Posizione[5].Conta(), 2);
    EXPECT_EQ(p.Posizione[7].Conta(), 0);

    // Nothing left to drop; 100 is "no pilot excluded".
    EXPECT_FALSE(TogliPilotiFuoriGioco(p, 25, 100));
}
