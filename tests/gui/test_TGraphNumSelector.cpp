#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "widgets/TGraphNumSelector.h"

using namespace sirvela;

namespace {

std::vector<int> Lista(const TCombinazione& c) {
    return std::vector<int>(c.Numeri.begin(), c.Numeri.begin() + c.Conta());
}

TCombinazione Da(std::initializer_list<int> v) {
    TCombinazione c;
    for (int x : v) c.Aggiungi(x);
    return c;
}

// A row of 23 cells, as the main window uses it.
struct Riga23 : ::testing::Test {
    TGraphNumSelector s;
    Riga23() {
        s.ImpostaForma(23, 1);
        s.ImpostaCella(19, 24);
        s.ImpostaMaxNumeri(23);
        s.ImpostaBordo(true);
    }
    QPoint Centro(int v) const { return s.RettangoloCella(v).center(); }
    void Premi(int v) { QTest::mousePress(&s, Qt::LeftButton, {}, Centro(v)); }
    void Rilascia(int v) { QTest::mouseRelease(&s, Qt::LeftButton, {}, Centro(v)); }
    void Muovi(int v, Qt::MouseButtons tasti) {
        QMouseEvent e(QEvent::MouseMove, QPointF(Centro(v)), s.mapToGlobal(QPointF(Centro(v))),
                      Qt::NoButton, tasti, Qt::NoModifier);
        QApplication::sendEvent(&s, &e);
    }
    void Tasto(Qt::Key k) { QTest::keyClick(&s, k); }
};

}  // namespace

TEST_F(Riga23, SizesItselfToItsCellsPlusBorder) {
    EXPECT_EQ(s.size(), QSize(23 * 19 + 4, 24 + 4));
    s.ImpostaBordo(false);
    EXPECT_EQ(s.size(), QSize(23 * 19, 24));
}

TEST_F(Riga23, ClickTogglesInClickOrder) {
    QSignalSpy cambi(&s, &TGraphNumSelector::Cambiato);
    for (int v : {5, 3, 5}) {
        Premi(v);
        Rilascia(v);
    }
    EXPECT_EQ(Lista(s.Selezionati()), std::vector<int>{3});
    EXPECT_EQ(cambi.count(), 3);
    for (int v : {9, 1}) {
        Premi(v);
        Rilascia(v);
    }
    EXPECT_EQ(Lista(s.Selezionati()), (std::vector<int>{3, 9, 1}));
}

TEST_F(Riga23, NumbersThatCannotBeChosenAreIgnoredSilently) {
    TCombinazione selezionabili;
    for (int v = 1; v <= 23; ++v)
        if (v != 7) selezionabili.Aggiungi(v);
    s.ImpostaSelezionabili(selezionabili);
    s.ImpostaMaxNumeri(20);
    QSignalSpy cambi(&s, &TGraphNumSelector::Cambiato);
    for (int v : {7, 21, 23}) {
        Premi(v);
        Rilascia(v);
    }
    EXPECT_EQ(s.Selezionati().Conta(), 0);
    EXPECT_EQ(cambi.count(), 0);
}

TEST_F(Riga23, DragOnlySwitchesOn) {
    s.ImpostaSelezionati(Da({4}));
    Premi(2);
    for (int v = 3; v <= 6; ++v) Muovi(v, Qt::LeftButton);
    // Back over the same cells with the button still down.
    for (int v = 5; v >= 2; --v) Muovi(v, Qt::LeftButton);
    Rilascia(2);
    EXPECT_EQ(Lista(s.Selezionati()), (std::vector<int>{4, 2, 3, 5, 6}));
    EXPECT_FALSE(s.Premuto());

    // Moving without the button only moves the cursor.
    Muovi(10, Qt::NoButton);
    Muovi(11, Qt::NoButton);
    EXPECT_FALSE(s.Selezionati().Contiene(11));
    EXPECT_EQ(s.ColonnaCursore(), 10);
}

TEST(GraphNumSelector, KeysMoveWithoutWrapAndEnterAdvances) {
    TGraphNumSelector s;  // 9 × 10, numbers 1..90
    QSignalSpy cambi(&s, &TGraphNumSelector::Cambiato);
    auto cursore = [&] { return std::pair{s.ColonnaCursore(), s.RigaCursore()}; };

    QTest::keyClick(&s, Qt::Key_Left);
    QTest::keyClick(&s, Qt::Key_Up);
    EXPECT_EQ(cursore(), (std::pair{0, 0}));
    for (int i = 0; i < 12; ++i) QTest::keyClick(&s, Qt::Key_Right);
    EXPECT_EQ(cursore(), (std::pair{8, 0}));
    QTest::keyClick(&s, Qt::Key_Return);  // toggles 9, then to the next row's first cell
    EXPECT_EQ(cursore(), (std::pair{0, 1}));
    EXPECT_TRUE(s.Selezionati().Contiene(9));
    QTest::keyClick(&s, Qt::Key_Enter);  // toggles 10
    EXPECT_EQ(cursore(), (std::pair{1, 1}));
    EXPECT_EQ(cambi.count(), 2);

    for (int i = 0; i < 15; ++i) QTest::keyClick(&s, Qt::Key_Down);
    for (int i = 0; i < 15; ++i) QTest::keyClick(&s, Qt::Key_Right);
    EXPECT_EQ(cursore(), (std::pair{8, 9}));
    QTest::keyClick(&s, Qt::Key_Return);  // the last cell: toggled, the cursor stays
    EXPECT_EQ(cursore(), (std::pair{8, 9}));
    EXPECT_TRUE(s.Selezionati().Contiene(90));
    EXPECT_FALSE(s.Premuto());
}

TEST_F(Riga23, ADisabledSelectorLooksDisabled) {
    s.ImpostaSelezionati(Da({3}));
    // The darkest pixel of a cell is its number's ink; a corner shows the background.
    auto colori = [&](int v) {
        const QImage img = s.grab().toImage();
        const QRect r = s.RettangoloCella(v);
        QColor inchiostro = Qt::white;
        for (int x = r.left(); x < r.right(); ++x)
            for (int y = r.top(); y < r.bottom(); ++y)
                if (img.pixelColor(x, y).lightness() < inchiostro.lightness())
                    inchiostro = img.pixelColor(x, y);
        return std::pair(img.pixelColor(r.topLeft() + QPoint(2, 2)), inchiostro);
    };
    EXPECT_GT(colori(3).second.red(), 200);  // chosen: red on white
    s.setEnabled(false);
    for (int v : {3, 5}) {
        const auto [fondo, testo] = colori(v);
        EXPECT_NE(fondo, QColor(Qt::white)) << v;
        // Grey ink, the chosen number no longer red.
        EXPECT_LT(std::abs(testo.red() - testo.blue()), 40) << v;
        EXPECT_GT(testo.lightness(), 80) << v;
    }
}
