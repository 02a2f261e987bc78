#include <gtest/gtest.h>

#include "core/TListaColonne.h"
#include "tools/TSchedinaVin.h"

using namespace sirvela;

namespace {
TColonna Col(int n) {
    return {static_cast<std::uint8_t>(n), 2, 3, 4, 5, 6, 7, 8};
}
}  // namespace

TEST(TVisualizzatoreColonne, SlipsOfTwoColumnsAndTheScrollRange) {
    struct Caso {
        int colonne;
        std::int64_t schedine, massimo;
    } casi[] = {{0, 0, 0}, {1, 1, 0}, {16, 8, 0}, {17, 9, 1}, {18, 9, 1}, {40, 20, 12}};
    for (const auto& k : casi) {
        TListaColonne l;
        for (int i = 1; i <= k.colonne; ++i) l.Accoda(Col(i));
        TVisualizzatoreColonne v;
        v.Carica(l);
        EXPECT_EQ(v.QuanteSchedine(), k.schedine) << k.colonne;
        EXPECT_EQ(v.MassimoScorrimento(), k.massimo) << k.colonne;
        // The on-demand slips are those of the full slip list.
        const auto tutte = CreaListaSchedine(l);
        ASSERT_EQ(static_cast<std::int64_t>(tutte.size()), k.schedine);
        for (std::int64_t s = 1; s <= k.schedine; ++s)
            EXPECT_EQ(v.Schedina(s), tutte[static_cast<std::size_t>(s - 1)]);
    }
}

TEST(TVisualizzatoreColonne, PagesFollowTheScrollBar) {
    TListaColonne l;
    for (int i = 1; i <= 17; ++i) l.Accoda(Col(i));
    TVisualizzatoreColonne v;
    v.Carica(l);
    auto pagina = v.Pagina(1);
    ASSERT_EQ(pagina.size(), 8u);
    EXPECT_EQ(pagina.front().Numero, 2);
    EXPECT_EQ(pagina.front().Posti[0].Colonna, Col(3));
    EXPECT_EQ(pagina.front().Posti[1].Colonna, Col(4));
    EXPECT_EQ(pagina.back().Numero, 9);
    EXPECT_EQ(pagina.back().Quante, 1);  // column 17 alone
    EXPECT_EQ(pagina.back().Posti[1], TPostoSchedina{});
    EXPECT_EQ(v.Pagina(50).front().Numero, 2);  // clamped to the range
    EXPECT_EQ(v.Schedina(10).Quante, 0);
}
