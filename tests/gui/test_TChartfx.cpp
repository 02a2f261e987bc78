#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QValueAxis>

#include "widgets/TChartfx.h"

using namespace sirvela;

namespace {

QBarSeries* Barre(const TChartfx& c) {
    return c.Grafico()->series().isEmpty() ? nullptr
                                           : qobject_cast<QBarSeries*>(c.Grafico()->series()[0]);
}

}  // namespace

TEST(Chartfx, ValuesSetAreTheValuesReadBack) {
    TChartfx c;
    c.ApriDati(2, 5);
    EXPECT_TRUE(c.DatiAperti());
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < 5; ++p) c.ImpostaValore(s, p, s * 100 + p + 0.25);
    // Outside the open data: ignored on write, 0 on read.
    c.ImpostaValore(2, 0, 9.0);
    c.ImpostaValore(0, -1, 9.0);
    c.ImpostaValore(1, 5, 9.0);
    c.ChiudiDati();
    EXPECT_FALSE(c.DatiAperti());
    EXPECT_EQ(c.Valore(0, 3), 3.25);
    EXPECT_EQ(c.Valore(1, 4), 104.25);
    EXPECT_EQ(c.Valore(2, 0), 0.0);
    EXPECT_EQ(c.Valore(1, 5), 0.0);
    // What the chart draws.
    QBarSeries* b = Barre(c);
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->count(), 2);
    EXPECT_EQ(b->barSets()[1]->at(4), 104.25);
    // Opening again starts from zero.
    c.ApriDati(1, 3);
    EXPECT_EQ(c.Valore(0, 1), 0.0);
    c.ChiudiDati();
    EXPECT_EQ(Barre(c)->barSets()[0]->count(), 3);
}

TEST(Chartfx, VisiblePointsAndTheScrollBar) {
    TChartfx c;
    c.ApriDati(1, 10);
    for (int p = 0; p < 10; ++p) c.ImpostaValore(0, p, p);
    c.ChiudiDati();
    EXPECT_EQ(c.PuntiVisibili(), 10);  // all by default
    EXPECT_TRUE(c.Scorrimento()->isHidden());

    struct Caso {
        int visibili, primoChiesto;
        int visibiliAttesi, primoAtteso, massimo;
    };
    const Caso casi[] = {
        {4, 0, 4, 0, 6},   {4, 6, 4, 6, 6},   {4, 9, 4, 6, 6},  {4, -3, 4, 0, 6},
        {10, 2, 10, 0, 0}, {25, 1, 10, 0, 0}, {0, 5, 10, 0, 0}, {1, 9, 1, 9, 9},
    };
    for (const Caso& k : casi) {
        c.ImpostaPuntiVisibili(k.visibili);
        c.ImpostaPrimoVisibile(k.primoChiesto);
        SCOPED_TRACE(testing::Message() << k.visibili << " from " << k.primoChiesto);
        EXPECT_EQ(c.PuntiVisibili(), k.visibiliAttesi);
        EXPECT_EQ(c.PrimoVisibile(), k.primoAtteso);
        EXPECT_EQ(c.Scorrimento()->maximum(), k.massimo);
        EXPECT_EQ(c.Scorrimento()->isHidden(), k.massimo == 0);
        EXPECT_EQ(Barre(c)->barSets()[0]->count(), k.visibiliAttesi);
        EXPECT_EQ(Barre(c)->barSets()[0]->at(0), k.primoAtteso);
    }

    // The scroll bar moves the first visible point.
    c.ImpostaPuntiVisibili(3);
    c.Scorrimento()->setValue(5);
    EXPECT_EQ(c.PrimoVisibile(), 5);
    EXPECT_EQ(c.Scorrimento()->pageStep(), 3);
    EXPECT_EQ(c.EtichetteVisibili(), (QStringList{"6", "7", "8"}));
    // Fewer points later: the window slides back inside them.
    c.ApriDati(1, 6);
    c.ChiudiDati();
    EXPECT_EQ(c.PrimoVisibile(), 3);
    EXPECT_EQ(c.Scorrimento()->maximum(), 3);
}

TEST(Chartfx, AxisLimitsAndLabels) {
    TChartfx c;
    c.ImpostaTitoloAsseY("Frequenza");
    c.ImpostaAsseY(50, 10);
    c.ImpostaEtichette({"12", "12", "13"});
    c.ApriDati(1, 3);
    c.ImpostaValore(0, 0, 7);
    c.ChiudiDati();
    auto* y = qobject_cast<QValueAxis*>(c.Grafico()->axes(Qt::Vertical).value(0));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->min(), 0.0);
    EXPECT_EQ(y->max(), 50.0);
    EXPECT_EQ(y->tickInterval(), 10.0);
    EXPECT_EQ(y->titleText(), "Frequenza");
    // Equal texts still give one category per bar.
    auto* x = qobject_cast<QBarCategoryAxis*>(c.Grafico()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->count(), 3);
    // Without a maximum the axis follows the data.
    c.ImpostaAsseY(0, 0);
    EXPECT_EQ(c.MassimoY(), 7.0);
}

TEST(Chartfx, TwoSlicePies) {
    TChartfx t(TChartfx::TTipo::Torta);
    t.ImpostaColoreFetta(0, QColor(0, 0, 255));
    t.ImpostaColoreFetta(1, QColor(0, 255, 0));
    t.ImpostaTorta(37);
    EXPECT_EQ(t.Valore(0, 0), 37.0);
    EXPECT_EQ(t.Valore(0, 1), 63.0);
    auto* torta = qobject_cast<QPieSeries*>(t.Grafico()->series().value(0));
    ASSERT_NE(torta, nullptr);
    ASSERT_EQ(torta->count(), 2);
    EXPECT_EQ(torta->slices()[0]->value(), 37.0);
    EXPECT_EQ(torta->slices()[0]->color(), QColor(0, 0, 255));
    EXPECT_EQ(torta->slices()[1]->color(), QColor(0, 255, 0));
    EXPECT_TRUE(t.Scorrimento()->isHidden());
    t.ImpostaTorta(100);  // an empty slice is fine
    torta = qobject_cast<QPieSeries*>(t.Grafico()->series().value(0));
    ASSERT_NE(torta, nullptr);
    EXPECT_EQ(torta->slices()[0]->value(), 100.0);
    EXPECT_EQ(torta->slices()[1]->value(), 0.0);
}

TEST(Chartfx, NamedPiesShowTheirSharesAndALegend) {
    TChartfx t(TChartfx::TTipo::Torta);
    t.ImpostaTorta(37.5, {"Ammessi", "Esclusi"});
    EXPECT_EQ(t.VociLegenda(), (QStringList{"Ammessi: 37,5 %", "Esclusi: 62,5 %"}));
    auto* torta = qobject_cast<QPieSeries*>(t.Grafico()->series().value(0));
    ASSERT_NE(torta, nullptr);
    EXPECT_TRUE(torta->slices()[0]->isLabelVisible());
    EXPECT_EQ(torta->slices()[0]->label(), "37,5 %");
    // A sliver keeps its share to the legend.
    t.ImpostaTorta(99.5, {"Filtrate", "Rimanenti"});
    torta = qobject_cast<QPieSeries*>(t.Grafico()->series().value(0));
    EXPECT_FALSE(torta->slices()[1]->isLabelVisible());
    EXPECT_EQ(t.VociLegenda().value(1), "Rimanenti: 0,5 %");
    // Unnamed pies stay bare.
    t.ImpostaTorta(50);
    EXPECT_TRUE(t.VociLegenda().isEmpty());
}

TEST(Chartfx, AxisLabelsAreWholeForCountsAndUseTheDecimalComma) {
    TChartfx c;
    EXPECT_EQ(c.Grafico()->locale().decimalPoint(), ",");
    EXPECT_TRUE(c.Grafico()->localizeNumbers());
    c.ApriDati(1, 2);
    c.ChiudiDati();
    for (const auto& [decimali, formato] : {std::pair(0, "%.0f"), std::pair(1, "%.1f")}) {
        c.ImpostaAsseY(10, 2, decimali);
        auto* y = qobject_cast<QValueAxis*>(c.Grafico()->axes(Qt::Vertical).value(0));
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(y->labelFormat(), formato);
    }
}
