#include <gtest/gtest.h>

#include <algorithm>

#include "core/TListaColonne.h"
#include "printing/StampaTabulato.h"
#include "printing/SuperficieRegistrata.h"

using namespace sirvela;

namespace {

using R = TSegnoRegistrato;

TListaColonne Colonne(int n) {
    TListaColonne l;
    for (int i = 0; i < n; ++i)
        l.Accoda(TColonna{static_cast<std::uint8_t>(i % 20 + 1), 21, 22, 23, 24, 25, 3, 4});
    return l;
}

bool Contiene(const std::vector<std::string>& v, const std::string& t) {
    return std::find(v.begin(), v.end(), t) != v.end();
}

}  // namespace

TEST(StampaTabulato, CellsRowsAndPages) {
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    p.Inizia("misura");
    p.Carattere(CarattereTabulato(TImpTabulato{}));
    const TCellaTabulato c = MisuraCella(p);
    // "32" is 3.387 mm wide and a line 3.387 mm high in Courier New 8 on this surface.
    EXPECT_DOUBLE_EQ(c.Larghezza, 10.5);
    EXPECT_DOUBLE_EQ(c.Corpo, 34.5);
    EXPECT_DOUBLE_EQ(c.Testa, 4.4);

    // 15 cells a row (2 + 14 x 13.5 + 10.5 <= 210), 5 rows on the first page from y 40,
    // so ticket 76 opens the second page at (2, 10).
    TSuperficieRegistrata t;
    TmmPrinter q(t);
    TControlloStampa controllo;
    TOpzioniTabulato o;
    o.NomeSistema = "/x/Sistemi/Prova.Sst";
    o.Piloti = TPilotiInGioco(25, 100);  // the columns name pilots up to 25
    ASSERT_TRUE(StampaTabulato(q, Colonne(151), o, controllo));
    EXPECT_EQ(t.Pagine(), 2);
    const auto celle = t.DiTipo(R::Riquadro);
    ASSERT_EQ(celle.size(), 76u);
    EXPECT_DOUBLE_EQ(celle[0].X, 2);
    EXPECT_DOUBLE_EQ(celle[0].Y, 40);
    EXPECT_DOUBLE_EQ(celle[14].X, 2 + 14 * 13.5);
    EXPECT_DOUBLE_EQ(celle[15].X, 2);
    EXPECT_DOUBLE_EQ(celle[15].Y, 40 + 38.9 + 3);
    EXPECT_EQ(celle[74].Pagina, 1);
    EXPECT_EQ(celle[75].Pagina, 2);
    EXPECT_DOUBLE_EQ(celle[75].X, 2);
    EXPECT_DOUBLE_EQ(celle[75].Y, 10);
    EXPECT_EQ(t.Documenti[0], "Stampa delle Colonne del Sistema Prova");
    const auto prima = t.Scritte(1, 1);
    EXPECT_EQ(prima[0], "Stampa delle Colonne del Sistema Prova");
    EXPECT_TRUE(Contiene(prima, "Nº1"));
    EXPECT_TRUE(Contiene(prima, "Pagina Nº 1"));
    const auto seconda = t.Scritte(1, 2);
    EXPECT_FALSE(Contiene(seconda, "Stampa delle Colonne del Sistema Prova"));
    EXPECT_TRUE(Contiene(seconda, "Nº76"));
    EXPECT_EQ(seconda.back(), "Pagina Nº 2");
    // Ticket 76 holds one column: eight numbers under its header.
    EXPECT_EQ(std::count_if(seconda.begin(), seconda.end(),
                            [](const std::string& x) { return x == "25"; }),
              1);
}

TEST(StampaTabulato, RangeAndNumbersFromOneThousand) {
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa controllo;
    TOpzioniTabulato o;
    o.Piloti = TPilotiInGioco(25, 100);
    o.Da = 999;
    o.A = 1000;
    ASSERT_TRUE(StampaTabulato(p, Colonne(2100), o, controllo));
    EXPECT_EQ(s.DiTipo(R::Riquadro).size(), 2u);
    const auto scritte = s.Scritte();
    EXPECT_TRUE(Contiene(scritte, "Nº999"));
    EXPECT_TRUE(Contiene(scritte, "1000"));
}
