#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

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

// From the keyboard alone: Tab reaches the strip, the arrows choose a value (scrolling the
// strip), Space grades it, + / - and Page Up/Down step its level, digits type it.
TEST(TLGraphpt, UsableFromTheKeyboard) {
    QWidget finestra;
    auto* prima = new QLineEdit(&finestra);
    auto* e = new TLGraphpt(&finestra);
    e->ImpostaPunti(30, 10, 1);
    auto* l = new QVBoxLayout(&finestra);
    l->addWidget(prima);
    l->addWidget(e);
    finestra.show();
    QApplication::setActiveWindow(&finestra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    prima->setFocus();
    QTest::keyClick(prima, Qt::Key_Tab);
    ASSERT_TRUE(e->hasFocus());

    QSignalSpy modificato(e, &TLGraphpt::Modificato);
    for (int k = 0; k < 12; ++k) QTest::keyClick(e, Qt::Key_Right);
    TModelloGraphpt& m = e->Modello();
    EXPECT_EQ(m.ValoreBox(m.BoxCorrente()), 13);
    EXPECT_EQ(m.Scostamento(), 3);
    QTest::keyClick(e, Qt::Key_Space);
    QTest::keyClick(e, Qt::Key_Space);
    EXPECT_EQ(m.Mostrata().Voci[13].Stato, 2);
    struct TTasto {
        Qt::Key tasto;
        int livello;
    };
    for (const TTasto& t :
         {TTasto{Qt::Key_Plus, 2}, TTasto{Qt::Key_PageUp, 12}, TTasto{Qt::Key_Minus, 11},
          TTasto{Qt::Key_PageDown, 1}, TTasto{Qt::Key_Up, 2}, TTasto{Qt::Key_Down, 1}}) {
        QTest::keyClick(e, t.tasto);
        EXPECT_EQ(m.Mostrata().Voci[13].Livello, t.livello) << t.tasto;
    }
    QTest::keyClicks(e, "50");
    EXPECT_EQ(m.Mostrata().Voci[13].Livello, 50);
    // A digit after a pause starts a new level.
    QTest::qWait(TLGraphpt::kCifreMs + 100);
    QTest::keyClicks(e, "7");
    EXPECT_EQ(m.Mostrata().Voci[13].Livello, 7);
    EXPECT_EQ(modificato.count(), 2 + 6 + 2 + 1);
    QTest::keyClick(e, Qt::Key_Home);
    EXPECT_EQ(m.Scostamento(), 0);
    EXPECT_EQ(m.BoxCorrente(), 0);
    QTest::keyClick(e, Qt::Key_End);
    EXPECT_EQ(m.ValoreBox(m.BoxCorrente()), 30);
    // Tab goes on to the next control; the dialog keeps its keys.
    QTest::keyClick(e, Qt::Key_Tab);
    EXPECT_FALSE(e->hasFocus());
}

TEST(TLGraphpt, TheWheelAndLargeArrowsChangeTheLevel) {
    TLGraphpt e;
    e.ImpostaPunti(9, 9);
    e.show();
    for (int k = 0; k < 2; ++k)
        QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(4).center());
    const auto ruota = [&](const QPoint& dove, int scatti) {
        QWheelEvent w(dove, e.mapToGlobal(dove), {}, QPoint(0, 120 * scatti), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&e, &w);
    };
    ruota(e.RettangoloBox(4).center(), 3);
    EXPECT_EQ(e.Modello().Livello(4), 4);
    ruota(e.RettangoloLivello(4).center(), -1);
    EXPECT_EQ(e.Modello().Livello(4), 3);
    ruota(e.RettangoloBox(3).center(), 3);  // not in recovery: no level to change
    EXPECT_EQ(e.Modello().Mostrata().Voci[3].Livello, 0);

    // The level arrows are at least 12 pixels each way; their far corners hit them.
    const QRect su = e.FrecciaSu(4), giu = e.FrecciaGiu(4);
    for (const QRect& r : {su, giu}) {
        EXPECT_GE(r.width(), 12);
        EXPECT_GE(r.height(), 12);
    }
    QTest::mouseClick(&e, Qt::LeftButton, {}, su.topLeft());
    EXPECT_EQ(e.Modello().Livello(4), 4);
    QTest::mouseClick(&e, Qt::LeftButton, {}, giu.bottomLeft());
    QTest::mouseClick(&e, Qt::LeftButton, {}, giu.bottomLeft());
    EXPECT_EQ(e.Modello().Livello(4), 2);
}
