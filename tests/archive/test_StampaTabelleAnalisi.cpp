#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "archive/StampaTabelleAnalisi.h"
#include "core/Interfacce.h"
#include "printing/SuperficieRegistrata.h"
#include "support/StampaDiProva.h"

using namespace sirvela;

namespace {

using R = TSegnoRegistrato;

TGrigliaAnalisi Griglia(const std::string& nome, std::vector<int> pixel, int righe) {
    TGrigliaAnalisi g;
    g.Nome = nome;
    g.Pixel = std::move(pixel);
    for (std::size_t c = 0; c < g.Pixel.size(); ++c)
        g.Intestazioni.push_back("T" + std::to_string(c));
    for (int r = 0; r < righe; ++r)
        g.Righe.push_back(std::vector<std::string>(g.Pixel.size(), "r" + std::to_string(r)));
    return g;
}

// Left edge and height of every grid frame on a page, to a hundredth of a millimetre.
std::vector<std::pair<double, double>> Riquadri(const TSuperficieRegistrata& s, int pagina) {
    std::vector<std::pair<double, double>> v;
    for (const R& q : s.DiTipo(R::Riquadro, 1, pagina)) {
        EXPECT_DOUBLE_EQ(q.Y, 20);
        v.emplace_back(std::round(q.X * 100) / 100, std::round(q.A * 100) / 100);
    }
    return v;
}

}  // namespace

// 56 mm and 28 mm grids (0.28 mm a pixel) with 4 mm between, centred on 210 mm: 61 and 121.
// 50 rows go 45 + 5 on two sheets of 5 mm rows under the headings; the 3-row grid is over after
// the first sheet and leaves its place empty.
TEST(StampaTabelleAnalisi, GridsSideBySideIn45RowSheets) {
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaTabelleAnalisi(
        p, "Titolo", {Griglia("Pari", {100, 50, 50}, 50), Griglia("Dispari", {50, 50}, 3)}, k));
    ASSERT_EQ(s.Documenti, std::vector<std::string>{"Titolo"});
    ASSERT_EQ(s.Pagine(), 2);
    using V = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Riquadri(s, 1), (V{{61, 230}, {121, 20}}));
    EXPECT_EQ(Riquadri(s, 2), (V{{61, 30}}));

    const auto prima = s.Scritte(1, 1);
    const std::vector<std::string> inizio = {"Titolo", "Pari", "T0", "T1", "T2", "r0"};
    EXPECT_TRUE(std::equal(inizio.begin(), inizio.end(), prima.begin()));
    EXPECT_NE(std::find(prima.begin(), prima.end(), "Dispari"), prima.end());
    const auto seconda = s.Scritte(1, 2);
    const std::vector<std::string> ripresa = {"Titolo", "Pari", "T0", "T1", "T2", "r45"};
    EXPECT_TRUE(std::equal(ripresa.begin(), ripresa.end(), seconda.begin()));
    EXPECT_EQ(std::find(seconda.begin(), seconda.end(), "Dispari"), seconda.end());
    EXPECT_EQ(std::count(seconda.begin(), seconda.end(), "r49"), 3);
    EXPECT_EQ(std::count(seconda.begin(), seconda.end(), "r50"), 0);
}

// Three 84 mm grids: two fit in the 200 mm between the margins, the third goes on a sheet of
// its own, centred.
TEST(StampaTabelleAnalisi, GridsBeyondThePageWidthGoOnTheNextSheet) {
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaTabelleAnalisi(
        p, "T", {Griglia("A", {300}, 2), Griglia("B", {300}, 2), Griglia("C", {300}, 2)}, k));
    ASSERT_EQ(s.Pagine(), 2);
    using V = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Riquadri(s, 1), (V{{19, 15}, {107, 15}}));
    EXPECT_EQ(Riquadri(s, 2), (V{{63, 15}}));
}

TEST(StampaTabelleAnalisi, TitleOfTheViewAndCancel) {
    TRisultatiAnalisi r;
    r.Titoli = {"Principale", "Frequenze", "Ritardi", "Colonne"};
    EXPECT_EQ(TitoloStampaTabelle(r, TRisultatiAnalisi::kRitardi, false), "Ritardi");
    EXPECT_EQ(TitoloStampaTabelle(r, TRisultatiAnalisi::kFrequenze, true),
              "Frequenze - Consecutività");

    test::TStampaDiProva st;
    st.Annullata();
    EXPECT_FALSE(StampaTabelleAnalisi(st.p, "T", {Griglia("A", {50}, 1)}, st.k));
    EXPECT_EQ(st.s.Annullati, 1);
    EXPECT_EQ(st.s.Terminati, 0);
}
