#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "core/Globali.h"
#include "support/Finti.h"
#include "widgets/TLCasSelector.h"

using namespace sirvela;

namespace {

std::vector<int> Lista(const TCombinazione& c) {
    return std::vector<int>(c.Numeri.begin(), c.Numeri.begin() + c.Conta());
}

struct Casella : ::testing::Test {
    test::TMessaggiFinti messaggi;
    QWidget finestra;
    TLCasSelector* s = new TLCasSelector(messaggi, &finestra);
    int pilotiPrima = NumeroPiloti;

    Casella() {
        NumeroPiloti = 23;
        finestra.resize(400, 200);
        finestra.show();
        QApplication::setActiveWindow(&finestra);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }
    ~Casella() override { NumeroPiloti = pilotiPrima; }

    void Riempi(const std::vector<QString>& testi) {
        s->ImpostaTotaleNumeri(static_cast<int>(testi.size()));
        for (std::size_t i = 0; i < testi.size(); ++i)
            s->Cella(static_cast<int>(i) + 1)->setText(testi[i]);
    }
};

struct CasoLettura {
    std::vector<QString> celle;
    bool ok;
    std::vector<int> letti;
    std::string messaggio;  // empty when accepted
    int cellaErrata;
};

}  // namespace

TEST_F(Casella, ReadsCellsInOrderAndStopsAtTheFirstBadOne) {
    const char* kTutti = "Non sono stati inseriti tutti i numeri.";
    const char* kValidi = "Uno o più numeri inseriti non sono validi.";
    const char* kDoppio = "Uno dei numeri è stato inserito più di una volta.";
    const std::vector<CasoLettura> casi = {
        {{"5", "*", "7"}, true, {5, 90, 7}, "", 0},
        {{"*", "*"}, true, {90, 90}, "", 0},
        {{"0", "23"}, true, {0, 23}, "", 0},
        {{"5", "24"}, false, {5}, kValidi, 2},
        {{"1", "-3"}, false, {1}, kValidi, 2},
        {{"5", "5"}, false, {5}, kDoppio, 2},
        {{"0", "0"}, false, {0}, kDoppio, 2},
        {{"4", "", "5"}, false, {4}, kTutti, 2},
        {{"%", "5"}, false, {}, kTutti, 1},
        {{"1", "2", "99", "2"}, false, {1, 2}, kValidi, 3},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.celle.size());
        messaggi = {};
        Riempi(c.celle);
        s->Cella(1)->setFocus();
        TCombinazione letti;
        letti.Aggiungi(77);  // whatever the target held goes
        EXPECT_EQ(s->Acquisisci(letti, false), c.ok);
        EXPECT_EQ(Lista(letti), c.letti);
        if (c.ok) {
            EXPECT_TRUE(messaggi.Errori.empty());
        } else {
            ASSERT_EQ(messaggi.Errori.size(), 1u);
            EXPECT_EQ(messaggi.Errori[0], c.messaggio);
            EXPECT_TRUE(s->Cella(c.cellaErrata)->hasFocus());
        }

        // Silent: same answer, nothing shown, focus left alone.
        messaggi = {};
        s->Cella(1)->setFocus();
        TCombinazione muti;
        EXPECT_EQ(s->Acquisisci(muti, true), c.ok);
        EXPECT_TRUE((messaggi.Domande.empty() && messaggi.Errori.empty()));
        EXPECT_TRUE(s->Cella(1)->hasFocus());
    }
}

TEST_F(Casella, NoCellsReadsAsEmptySuccess) {
    s->ImpostaTotaleNumeri(0);
    TCombinazione letti;
    letti.Aggiungi(3);
    EXPECT_TRUE(s->Acquisisci(letti, false));
    EXPECT_EQ(letti.Conta(), 0);
}

TEST_F(Casella, TypingAcceptsDigitsAndFewSignsOnly) {
    s->ImpostaTotaleNumeri(8);
    s->ImpostaNumeriPerRiga(4);
    TCellaCas* c = s->Cella(1);
    c->setFocus();
    QTest::keyClicks(c, "1a23");
    EXPECT_EQ(c->text(), "12");  // the letter and the third digit are refused
    QTest::keyClick(c, Qt::Key_Backspace);
    QTest::keyClicks(c, "*x");
    EXPECT_EQ(c->text(), "1*");
    c->clear();
    QTest::keyClicks(c, "-.%'");
    EXPECT_EQ(c->text(), "-.%'");

    QTest::keyClick(c, Qt::Key_Return);
    EXPECT_TRUE(s->Cella(2)->hasFocus());
    QTest::keyClick(s->Cella(2), Qt::Key_Down);
    EXPECT_TRUE(s->Cella(6)->hasFocus());
    QTest::keyClick(s->Cella(6), Qt::Key_Down);  // no cell 10: stays
    EXPECT_TRUE(s->Cella(6)->hasFocus());
    QTest::keyClick(s->Cella(6), Qt::Key_Up);
    EXPECT_TRUE(s->Cella(2)->hasFocus());
    s->Cella(8)->setFocus();
    QTest::keyClick(s->Cella(8), Qt::Key_Return);  // the last cell keeps the focus
    EXPECT_TRUE(s->Cella(8)->hasFocus());
}

TEST_F(Casella, ValuesShowInCellsAndFollowTheText) {
    TCombinazione v;
    for (int x : {5, 90, 0, 12}) v.Numeri[v.Quanti++] = static_cast<std::uint16_t>(x);
    s->ImpostaTotaleNumeri(4);
    s->ImpostaValori(v);
    EXPECT_EQ(s->Cella(1)->text(), "5");
    EXPECT_EQ(s->Cella(2)->text(), "*");
    EXPECT_EQ(s->Cella(3)->text(), "");
    EXPECT_EQ(s->Cella(4)->text(), "12");
    EXPECT_EQ(s->Valori().Quanti, 90);

    QSignalSpy cambi(s, &TLCasSelector::Cambiato);
    s->Cella(3)->setText("*");
    s->Cella(1)->setText("7");
    EXPECT_EQ(cambi.count(), 2);
    EXPECT_EQ(s->Valori().Numeri[2], 90);
    EXPECT_EQ(s->Valori().Numeri[0], 7);

    s->ImpostaTotaleNumeri(2);  // surplus cells go
    EXPECT_EQ(s->Cella(3), nullptr);
    EXPECT_EQ(s->findChildren<TCellaCas*>().size(), 2);
}

TEST(CasSelectorLayout, CellsAndPanelFollowTheArithmetic) {
    struct Caso {
        int totale, fisse, perRiga, larghezza, altezza, dx, dy;
        bool didascalia;
    };
    const Caso casi[] = {
        {10, 0, 4, 30, 20, 5, 5, false},  // the defaults
        {8, 0, 8, 27, 21, 3, 2, false},   // a result row
        {10, 2, 4, 30, 20, 5, 5, true},
        {10, 4, 4, 30, 20, 5, 5, false},  // as many fixed cells as a row: no caption
        {9, 1, 3, 25, 18, 4, 6, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.totale * 100 + c.fisse * 10 + c.perRiga);
        test::TMessaggiFinti messaggi;
        TLCasSelector s(messaggi);
        s.ImpostaTotaleNumeri(c.totale);
        s.ImpostaNumFisse(c.fisse);
        s.ImpostaNumeriPerRiga(c.perRiga);
        s.ImpostaCella(c.larghezza, c.altezza);
        s.ImpostaDistanze(c.dx, c.dy);
        EXPECT_EQ(s.MostraTestoFisse(), c.didascalia);
        const int sx = c.didascalia ? 3 : 0;
        const int sy = s.MargineSuperiore();
        EXPECT_EQ(sy == 0, !c.didascalia);
        EXPECT_EQ(s.MargineSinistro(), sx);
        for (int i = 1; i <= c.totale; ++i) {
            const QRect r = s.Cella(i)->geometry();
            EXPECT_EQ(r.topLeft(), QPoint(sx + ((i - 1) % c.perRiga) * (c.larghezza + c.dx),
                                          sy + ((i - 1) / c.perRiga) * (c.altezza + c.dy)));
            EXPECT_EQ(r.size(), QSize(c.larghezza, c.altezza));
            EXPECT_EQ(s.Cella(i)->palette().color(QPalette::Text) == QColor(Qt::red), i <= c.fisse);
        }
        EXPECT_EQ(s.width(), sx + c.perRiga * (c.larghezza + c.dx) - c.dx);
        EXPECT_EQ(s.height(), sy + ((c.totale - 1) / c.perRiga) * (c.altezza + c.dy) + c.altezza);
    }
}
