#include <gtest/gtest.h>

#include "archive/StampaStatistichePiloti.h"
#include "archive/StatistichePiloti.h"
#include "archive/TArchivio.h"
#include "core/Interfacce.h"
#include "printing/SuperficieRegistrata.h"
#include "support/CartellaDiProva.h"
#include "support/StampaDiProva.h"

namespace sirvela {
namespace {

// 23 pilots over three complete contests with 3, 5, 3 first.
TGestoreRighe Tabella() {
    TArchivio a;
    for (int p1 : {3, 5, 3}) {
        TEstrazione e;
        e.Anno = 2000;
        e.Numero = static_cast<std::uint8_t>(a.Quante() + 1);
        e.Vincente = TColonna{static_cast<std::uint8_t>(p1), 20, 21, 22, 23, 1, 2, 4};
        a.Estrazioni.push_back(e);
    }
    TGestoreRighe t;
    t.Calcola(a, 1);
    return t;
}

TEST(StampaStatistichePiloti, OneRowUnderTheHeadingsWithTheTitleAndFooter) {
    test::TCartellaDiProva globali;
    const TGestoreRighe t = Tabella();
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaStatistichePiloti(p, t, 3, 3, k));
    EXPECT_EQ(s.Pagine(), 1);
    const std::vector<std::string> atteso = {
        "Stampa delle statistiche sui numeri", " Pos.", " Numero", " Uscite", " Frequenza",
        "  Rit. Att.", "  Rit. Max", "    IC",
        // pilot 3: out twice in three contests, last seen in the third
        "  3", "  3", "  2", "  1,50", "  0", "  1", "  0,00", "Pagina Nº 1"};
    EXPECT_EQ(s.Scritte(), atteso);
    const auto testi = s.DiTipo(TSegnoRegistrato::Testo);
    EXPECT_DOUBLE_EQ(testi[0].X, 65);
    EXPECT_DOUBLE_EQ(testi[0].Y, 2);
    EXPECT_DOUBLE_EQ(testi[1].X, 35);  // one millimetre inside the table at 34
    const auto bordo = s.DiTipo(TSegnoRegistrato::Riquadro);
    ASSERT_EQ(bordo.size(), 1u);
    EXPECT_DOUBLE_EQ(bordo[0].Y, 10);
    EXPECT_DOUBLE_EQ(bordo[0].A, 10);  // heading and one row
}

TEST(StampaStatistichePiloti, WholeTableOnOneSheetAndCancelStopsTheJob) {
    test::TCartellaDiProva globali;
    const TGestoreRighe t = Tabella();
    TSuperficieRegistrata s;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaStatistichePiloti(p, t, 1, 23, k));
    EXPECT_EQ(s.Pagine(), 1);
    EXPECT_DOUBLE_EQ(s.DiTipo(TSegnoRegistrato::Riquadro)[0].A, 24 * 5);

    test::TStampaDiProva fermo;
    fermo.Annullata();
    EXPECT_FALSE(StampaStatistichePiloti(fermo.p, t, 1, 23, fermo.k));
    EXPECT_EQ(fermo.s.Terminati, 0);
}

TEST(StampaStatistichePiloti, EveryTextStaysInItsCell) {
    test::TCartellaDiProva globali;
    const TGestoreRighe t = Tabella();
    // The fixed pitch of the recording surface, then widths as a proportional font has them.
    for (bool proporzionale : {false, true}) {
        test::TStampaDiProva stampa;
        if (proporzionale) stampa.s.MisuraTesto = test::MisuraProporzionale;
        ASSERT_TRUE(StampaStatistichePiloti(stampa.p, t, 1, 23, stampa.k));
        EXPECT_EQ(test::TestiFuoriDalleCelle(stampa.s), std::vector<std::string>{})
            << proporzionale;
        // Still in its place, within the page.
        const auto bordo = stampa.s.DiTipo(TSegnoRegistrato::Riquadro).at(0);
        EXPECT_DOUBLE_EQ(bordo.X, 34);
        EXPECT_LE(bordo.X + bordo.L, 210);
    }
}

}  // namespace
}  // namespace sirvela
