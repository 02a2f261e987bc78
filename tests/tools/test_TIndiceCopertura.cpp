#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

#include "core/TListaColonne.h"
#include "tools/TIndiceCopertura.h"

using namespace sirvela;

namespace {
// Columns over few values so that near and equal columns are common.
std::vector<TColonna> Casuali(std::mt19937& g, int n, int valori) {
    std::uniform_int_distribution<int> d(0, valori);
    std::vector<TColonna> v(n);
    for (auto& c : v)
        for (auto& b : c) b = static_cast<std::uint8_t>(d(g));
    return v;
}
bool CopertaPerScansione(const std::vector<TColonna>& lista, const TColonna& c, int g) {
    for (const auto& a : lista)
        if (Punteggio(a, c) >= g) return true;
    return false;
}
}  // namespace

TEST(TIndiceCopertura, ChosenGroupsAlwaysLeaveAnAgreeingGroup) {
    for (int g = -5; g <= 105; ++g)
        for (std::int64_t n : {0, 10, 1000, 1000000, 100000000})
            for (int piloti : {20, 23, 25}) {
                auto gruppi = TIndiceCopertura::ScegliGruppi(g, n, 1000000, piloti);
                EXPECT_TRUE(TIndiceCopertura::GruppiValidi(g, gruppi)) << g << " " << n;
                EXPECT_LE(gruppi.size(), 16u);
            }
    // At 80 two disagreements weigh at most 21: positions 1-4 alone cannot be enough, since
    // a column may disagree at position 1 only.
    EXPECT_FALSE(TIndiceCopertura::GruppiValidi(80, {0x0F}));
    EXPECT_TRUE(TIndiceCopertura::GruppiValidi(80, {0x0F, 0xF0}));
    EXPECT_FALSE(TIndiceCopertura::GruppiValidi(60, {0x0F, 0xF0}));
    EXPECT_TRUE(TIndiceCopertura::GruppiValidi(101, {0xFF}));
    EXPECT_TRUE(TIndiceCopertura::GruppiValidi(102, {}));
}

TEST(TIndiceCopertura, SameAnswersAsScanningTheWholeList) {
    std::mt19937 g(12345);
    std::map<int, std::pair<int, int>> risposte;  // guarantee: covered, not covered
    for (int prova = 0; prova < 8; ++prova) {
        const int valori = std::array{3, 6, 12, 25}[prova % 4];
        const auto lista = Casuali(g, prova < 4 ? 600 : 40, valori);
        const auto domande = Casuali(g, 400, valori);
        TListaColonne l;
        for (const auto& c : lista) l.Accoda(c);
        for (int garanzia :
             {-1, 0, 30, 40, 46, 50, 59, 60, 61, 70, 75, 80, 85, 88, 91, 92, 101, 102}) {
            std::vector<std::vector<std::uint8_t>> famiglie = {
                TIndiceCopertura::ScegliGruppi(garanzia, l.Quante(), 400, 23),
                TIndiceCopertura::ScegliGruppi(garanzia, l.Quante(), 400, valori),
                {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},
                {0x0F, 0xF0},
                {0},
            };
            for (const auto& f : famiglie) {
                // Families that do not fit the guarantee fall back to the whole list.
                TIndiceCopertura indice(l, garanzia, f);
                for (const auto& c : domande) {
                    const bool atteso = CopertaPerScansione(lista, c, garanzia);
                    ASSERT_EQ(indice.Coperta(c), atteso) << garanzia << " " << prova;
                    (atteso ? risposte[garanzia].first : risposte[garanzia].second)++;
                }
            }
            TIndiceCopertura scelto(l, garanzia, std::int64_t{400});
            for (const auto& c : domande)
                ASSERT_EQ(scelto.Coperta(c), CopertaPerScansione(lista, c, garanzia));
        }
    }
    // The data must give both answers for the comparison to mean anything.
    for (int garanzia = 30; garanzia <= 92; ++garanzia) {
        if (!risposte.count(garanzia)) continue;
        EXPECT_GT(risposte[garanzia].first, 0) << garanzia;
        EXPECT_GT(risposte[garanzia].second, 0) << garanzia;
    }
}

TEST(TIndiceCopertura, EmptyListCoversNothing) {
    TListaColonne vuota;
    TIndiceCopertura indice(vuota, 30, std::int64_t{1});
    EXPECT_FALSE(indice.Coperta({1, 2, 3, 4, 5, 6, 7, 8}));
    TIndiceCopertura tutto(vuota, 0, std::int64_t{1});
    EXPECT_FALSE(tutto.Coperta({1, 2, 3, 4, 5, 6, 7, 8}));
}
