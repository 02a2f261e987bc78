#include <gtest/gtest.h>

#include "core/Interfacce.h"
#include "development/StampaRecuperi.h"
#include "printing/SuperficieRegistrata.h"
#include "support/StampaDiProva.h"

using namespace sirvela;

namespace {

using R = TSegnoRegistrato;

// Levels refused up to 2, the link's error totals up to 40 (one column at 40 out of 4),
// nothing over all links.
TAnalisiRecuperi Analisi() {
    TAnalisiRecuperi a;
    auto tabella = [](TTabellaRecuperi& t, int primo, std::vector<std::int64_t> conteggi,
                      double divisore) {
        t.Primo = primo;
        t.Divisore = divisore;
        t.UltimoNonZero = -1;
        for (std::size_t i = 0; i < conteggi.size(); ++i)
            if (conteggi[i] != 0) t.UltimoNonZero = primo + static_cast<int>(i);
        conteggi.resize(static_cast<std::size_t>(256 - primo), 0);
        t.Conteggi = std::move(conteggi);
    };
    std::vector<std::int64_t> errori(41, 0);
    errori[0] = 3;
    errori[40] = 1;
    tabella(a.Tabelle[0], 1, {3, 1}, 8);
    tabella(a.Tabelle[1], 0, errori, 4);
    tabella(a.Tabelle[2], 0, {}, 0);
    a.Tabelle[0].Titolo = "Dai Livelli della Link";
    a.Tabelle[1].Titolo = "Dagli Errori Totali  ";
    a.Tabelle[1].Sottotitolo = "della Link";
    for (auto& t : a.Tabelle) t.Intestazione = t.Primo ? "Liv." : "Err.";
    return a;
}

}  // namespace

// Every table runs to the highest value counted in any of them (40), 35 rows a sheet: levels
// 1..40 and errors 0..40 give two sheets, the tables centred side by side (3 x 50 mm + 2 x 4 mm
// on 210 mm start at 26 mm) and the values shown in the window's mode.
TEST(StampaRecuperi, TablesSideBySideToTheHighestValueIn35RowSheets) {
    TAnalisiRecuperi a = Analisi();
    a.Percentuali = true;
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaRecuperi(p, a, k));
    ASSERT_EQ(s.Documenti, std::vector<std::string>{kTitoloStampaRecuperi});
    ASSERT_EQ(s.Pagine(), 2);

    struct Caso {
        int Pagina;
        double X, Altezza;  // heading + rows, 5 mm each
    };
    const std::vector<Caso> casi = {{1, 26, 180}, {1, 80, 180}, {1, 134, 180},
                                    {2, 26, 30},  {2, 80, 35},  {2, 134, 35}};
    for (const Caso& c : casi) {
        const auto quadri = s.DiTipo(R::Riquadro, 1, c.Pagina);
        const auto it =
            std::find_if(quadri.begin(), quadri.end(), [&](const R& q) { return q.X == c.X; });
        ASSERT_NE(it, quadri.end()) << c.Pagina << " " << c.X;
        EXPECT_DOUBLE_EQ(it->Y, 24);
        EXPECT_DOUBLE_EQ(it->A, c.Altezza) << c.Pagina << " " << c.X;
        EXPECT_DOUBLE_EQ(it->L, 50);
    }
    const auto prima = s.Scritte(1, 1);
    const auto seconda = s.Scritte(1, 2);
    EXPECT_EQ(prima.front(), kTitoloStampaRecuperi);
    EXPECT_EQ(seconda.front(), kTitoloStampaRecuperi);
    // Level 1: 3 of 8 registrations; error total 0: 3 of 4 columns, 40: 1 of 4.
    const std::vector<std::string> attesi = {"Liv.", "Colonne", "1", "37,5"};
    EXPECT_TRUE(std::search(prima.begin(), prima.end(), attesi.begin(), attesi.end()) !=
                prima.end());
    const std::vector<std::string> fine = {"39", "0", "40", "25"};
    EXPECT_TRUE(std::search(seconda.begin(), seconda.end(), fine.begin(), fine.end()) !=
                seconda.end());
    EXPECT_EQ(seconda.back(), "Pagina Nº 2");
}

TEST(StampaRecuperi, CancelDropsTheJob) {
    test::TStampaDiProva st;
    st.Annullata();
    EXPECT_FALSE(StampaRecuperi(st.p, Analisi(), st.k));
    EXPECT_EQ(st.s.Annullati, 1);
    EXPECT_EQ(st.s.Terminati, 0);
}
