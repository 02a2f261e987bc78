#include <gtest/gtest.h>

#include "printing/SuperficieRegistrata.h"
#include "printing/TmmPrinter.h"

using namespace sirvela;

namespace {
using R = TSegnoRegistrato;
}  // namespace

TEST(TmmPrinter, FooterOnEveryPageOfAJob) {
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    p.Inizia("Lavoro");
    p.NuovaPagina();
    p.Termina();
    EXPECT_EQ(s.Scritte(1, 1), std::vector<std::string>{"Pagina Nº 1"});
    EXPECT_EQ(s.Scritte(1, 2), std::vector<std::string>{"Pagina Nº 2"});
    // Courier New 8 measured at 0.6 em a character, 1.2 em a line.
    const double mm = 8 * 25.4 / 72;
    const auto piede = s.DiTipo(R::Testo)[1];
    EXPECT_NEAR(piede.X, (210 - 11 * 0.6 * mm) / 2, 1e-9);
    EXPECT_NEAR(piede.Y, 297 - 1 - 1.2 * mm, 1e-9);
    EXPECT_EQ(piede.Carattere, kCarattereFisso8);
    EXPECT_LT(p.Fondo(), piede.Y);

    // A cancelled job gets no footer.
    TSuperficieRegistrata annullata;
    TmmPrinter q(annullata);
    q.Inizia("Lavoro");
    q.Annulla();
    EXPECT_TRUE(annullata.Scritte().empty());
    EXPECT_EQ(annullata.Annullati, 1);
}
