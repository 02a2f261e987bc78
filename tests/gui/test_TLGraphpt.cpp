#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "conditions/TValoriAmmessi.h"
#include "widgets/TLGraphpt.h"

using namespace sirvela;

namespace {

QColor Sfondo(TLGraphpt& e, int box) {
    return e.grab().toImage().pixelColor(e.RettangoloBox(box).topLeft() + QPoint(3, 3));
}

}  // namespace

TEST(TLGraphpt, ClicksShowTheGradesAndLevelArrowsStepTheLevel) {
    TLGraphpt e;
    e.ImpostaPunti(9, 9);
    e.show();
    QSignalSpy modificato(&e, &TLGraphpt::Modificato);
    const QColor faccia = Sfondo(e, 0);
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(1).center());
    for (int k = 0; k < 2; ++k)
        QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(2).center());
    EXPECT_EQ(Sfondo(e, 1), TLGraphpt::kColoreAccettato);
    EXPECT_EQ(Sfondo(e, 2), TLGraphpt::kColoreRecupero);
    EXPECT_EQ(Sfondo(e, 3), faccia);
    EXPECT_EQ(modificato.count(), 3);

    // The upper arrow of a level box raises the level, the lower one lowers it.
    const QRect l = e.RettangoloLivello(2);
    const QPoint su(l.right() - 3, l.top() + 3), giu(l.right() - 3, l.bottom() - 3);
    for (int k = 0; k < 3; ++k) QTest::mouseClick(&e, Qt::LeftButton, {}, su);
    QTest::mouseClick(&e, Qt::LeftButton, {}, giu);
    EXPECT_EQ(e.Modello().Livello(2), 3);
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloLivello(1).topRight() + QPoint(-3, 3));
    EXPECT_EQ(e.Modello().Mostrata().Voci[1].Livello, 0);  // no level without recovery
    EXPECT_EQ(modificato.count(), 7);
}

TEST(TLGraphpt, AHeldArrowRepeatsUntilReleased) {
    TLGraphpt e;
    e.ImpostaPunti(89, 12);
    e.show();
    const QPoint destra = e.FrecciaDestra().center();
    QTest::mousePress(&e, Qt::LeftButton, {}, destra);
    EXPECT_EQ(e.Modello().Scostamento(), 1);  // one step at once
    EXPECT_TRUE(e.Ripete());
    EXPECT_TRUE(QTest::qWaitFor([&] { return e.Modello().Scostamento() >= 3; }, 5000));
    QTest::mouseRelease(&e, Qt::LeftButton, {}, destra);
    EXPECT_FALSE(e.Ripete());
    const int fermo = e.Modello().Scostamento();
    QTest::qWait(TLGraphpt::kRipetizioneMs + 100);
    EXPECT_EQ(e.Modello().Scostamento(), fermo);
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.FrecciaSinistra().center());
    EXPECT_EQ(e.Modello().Scostamento(), fermo - 1);
    // The first box now shows a later value, and a click grades that value.
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(0).center());
    EXPECT_EQ(e.Modello().Mostrata().Voci[static_cast<std::size_t>(fermo - 1)].Stato, 1);
}
