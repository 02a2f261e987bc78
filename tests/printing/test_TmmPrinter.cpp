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

TEST(TmmPrinter, ATextTooWideForItsCellIsWrittenSmallerNeverAcrossTheBorder) {
    // Courier New 10 at 0.6 em: 2.117 mm a character; the cell leaves 1 mm each side.
    const double carattere = 10 * 0.6 * 25.4 / 72;
    struct TCaso {
        int caratteri;      // the text's length
        double larghezza;   // of the cell
        double punti;       // expected size
        std::size_t resta;  // characters written
    };
    for (const TCaso& c : {TCaso{5, 5 * carattere + 2, 10, 5}, TCaso{10, 5 * carattere + 2, 5, 10},
                           // Not even 4 points are small enough: 12 characters fit.
                           TCaso{40, 5 * carattere + 2, 4, 12}}) {
        TSuperficieRegistrata s;
        TmmPrinter p(s);
        p.Inizia("Lavoro");
        TTabellaStampa t;
        t.Larghezze = {20, c.larghezza};
        t.Celle = {{"a", std::string(static_cast<std::size_t>(c.caratteri), '8')}, {"b"}};
        p.Tabella(10, 10, t);
        const auto testi = s.DiTipo(R::Testo);
        ASSERT_EQ(testi.size(), 3u) << c.caratteri;
        const R& scritto = testi[1];
        EXPECT_NEAR(scritto.Carattere.Punti, c.punti, 1e-9) << c.caratteri;
        EXPECT_EQ(scritto.Scritta.size(), c.resta) << c.caratteri;
        EXPECT_LE(scritto.X + scritto.L, 10 + 20 + c.larghezza - 1 + 1e-6) << c.caratteri;
        // Still centred in its row; the font after the cell is the table's again.
        EXPECT_NEAR(scritto.Y + scritto.A / 2, 10 + 2.5, 1e-9) << c.caratteri;
        EXPECT_EQ(testi[2].Carattere.Punti, 10) << c.caratteri;
    }
}
