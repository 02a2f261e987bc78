#include "widgets/TChartfx.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace sirvela {

namespace {

const QColor kColoriPredefiniti[] = {QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(255, 0, 0),
                                     QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255),
                                     QColor(128, 0, 0),   QColor(0, 128, 0)};

QLocale LocaleGrafici() {
    QLocale l(QLocale::Italian, QLocale::Italy);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// Shares of a pie with one decimal and the decimal comma: "37,5 %".
QString TestoQuota(double quota) {
    return LocaleGrafici().toString(quota, 'f', 1) + " %";
}

// A slice narrower than this shows its share in the legend only.
constexpr double kQuotaConEtichetta = 12.0;

QColor ColorePredefinito(int i) {
    constexpr int n = sizeof(kColoriPredefiniti) / sizeof(kColoriPredefiniti[0]);
    return kColoriPredefiniti[i % n];
}

}  // namespace

TChartfx::TChartfx(TTipo tipo, QWidget* parent) : QWidget(parent), tipo_(tipo) {
    grafico_ = new QChart;
    grafico_->legend()->hide();
    grafico_->setAnimationOptions(QChart::NoAnimation);
    // Numbers as an Italian reads them: "12,5".
    grafico_->setLocale(LocaleGrafici());
    grafico_->setLocalizeNumbers(true);
    grafico_->setBackgroundRoundness(0);
    if (tipo_ == TTipo::Torta) {
        // A pie fills its square; the dialog around it is the frame.
        grafico_->setMargins(QMargins(0, 0, 0, 0));
        grafico_->layout()->setContentsMargins(0, 0, 0, 0);
        grafico_->setBackgroundVisible(false);
    }
    vista_ = new QChartView(grafico_, this);
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setFrameShape(QFrame::NoFrame);
    vista_->setStyleSheet("background: transparent");
    legenda_ = new QLabel(this);
    legenda_->setObjectName("Legenda");
    legenda_->setTextFormat(Qt::RichText);
    legenda_->hide();
    scorrimento_ = new QScrollBar(Qt::Horizontal, this);
    scorrimento_->setObjectName("Scorrimento");
    scorrimento_->hide();
    connect(scorrimento_, &QScrollBar::valueChanged, this, &TChartfx::ImpostaPrimoVisibile);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(vista_, 1);
    l->addWidget(legenda_, 0, Qt::AlignHCenter);
    l->addWidget(scorrimento_);
}

int TChartfx::Indice(int serie, int punto) const {
    if (serie < 0 || serie >= serie_ || punto < 0 || punto >= punti_) return -1;
    return serie * punti_ + punto;
}

void TChartfx::ApriDati(int serie, int punti) {
    serie_ = std::max(0, serie);
    punti_ = std::max(0, punti);
    valori_.assign(static_cast<std::size_t>(serie_) * static_cast<std::size_t>(punti_), 0.0);
    aperti_ = true;
}

void TChartfx::ImpostaValore(int serie, int punto, double valore) {
    const int i = Indice(serie, punto);
    if (i >= 0) valori_[static_cast<std::size_t>(i)] = valore;
}

double TChartfx::Valore(int serie, int punto) const {
    const int i = Indice(serie, punto);
    return i < 0 ? 0.0 : valori_[static_cast<std::size_t>(i)];
}

void TChartfx::ChiudiDati() {
    aperti_ = false;
    AggiornaScorrimento();
    Ridisegna();
}

void TChartfx::ImpostaTorta(double percentuale, const QStringList& nomi) {
    nomiFette_ = nomi;
    ApriDati(1, 2);
    ImpostaValore(0, 0, percentuale);
    ImpostaValore(0, 1, 100.0 - percentuale);
    ChiudiDati();
}

void TChartfx::ImpostaTitoloAsseY(const QString& titolo) {
    titoloY_ = titolo;
    if (!aperti_) Ridisegna();
}

void TChartfx::ImpostaAsseY(double massimo, double passo, int decimali) {
    massimoY_ = std::isfinite(massimo) ? massimo : 0.0;
    passoY_ = std::isfinite(passo) && passo > 0 ? passo : 0.0;
    decimaliY_ = std::clamp(decimali, 0, 6);
    if (!aperti_) Ridisegna();
}

double TChartfx::MassimoY() const {
    if (massimoY_ > 0) return massimoY_;
    double m = 0.0;
    for (double v : valori_)
        if (std::isfinite(v)) m = std::max(m, v);
    return m > 0 ? m : 1.0;
}

void TChartfx::ImpostaEtichette(const QStringList& etichette) {
    etichette_ = etichette;
    if (!aperti_) Ridisegna();
}

QStringList TChartfx::EtichetteVisibili() const {
    QStringList r;
    const int fine = primo_ + PuntiVisibili();
    for (int p = primo_; p < fine; ++p) {
        QString t = p < etichette_.size() ? etichette_[p] : QString::number(p + 1);
        // The axis keeps one category per text; equal texts differ by trailing blanks.
        while (r.contains(t)) t += ' ';
        r << t;
    }
    return r;
}

void TChartfx::ImpostaPuntiVisibili(int n) {
    visibili_ = std::max(0, n);
    AggiornaScorrimento();
    if (!aperti_) Ridisegna();
}

int TChartfx::PuntiVisibili() const {
    return visibili_ == 0 ? punti_ : std::min(visibili_, punti_);
}

int TChartfx::PrimoMassimo() const {
    return punti_ - PuntiVisibili();
}

void TChartfx::ImpostaPrimoVisibile(int primo) {
    const int p = std::clamp(primo, 0, PrimoMassimo());
    if (p == primo_ && scorrimento_->value() == p) return;
    primo_ = p;
    {
        const QSignalBlocker blocco(scorrimento_);
        scorrimento_->setValue(p);
    }
    if (!aperti_) Ridisegna();
}

void TChartfx::AggiornaScorrimento() {
    primo_ = std::clamp(primo_, 0, PrimoMassimo());
    const QSignalBlocker blocco(scorrimento_);
    scorrimento_->setRange(0, PrimoMassimo());
    scorrimento_->setPageStep(std::max(1, PuntiVisibili()));
    scorrimento_->setSingleStep(1);
    scorrimento_->setValue(primo_);
    scorrimento_->setVisible(tipo_ == TTipo::Barre && PrimoMassimo() > 0);
}

void TChartfx::ImpostaColoreSerie(int serie, const QColor& colore) {
    if (serie < 0) return;
    if (static_cast<std::size_t>(serie) >= coloriSerie_.size())
        coloriSerie_.resize(static_cast<std::size_t>(serie) + 1);
    coloriSerie_[static_cast<std::size_t>(serie)] = colore;
    if (!aperti_) Ridisegna();
}

QColor TChartfx::ColoreSerie(int serie) const {
    if (serie >= 0 && static_cast<std::size_t>(serie) < coloriSerie_.size() &&
        coloriSerie_[static_cast<std::size_t>(serie)].isValid())
        return coloriSerie_[static_cast<std::size_t>(serie)];
    return ColorePredefinito(std::max(serie, 0));
}

void TChartfx::ImpostaColoreFetta(int punto, const QColor& colore) {
    if (punto < 0) return;
    if (static_cast<std::size_t>(punto) >= coloriFette_.size())
        coloriFette_.resize(static_cast<std::size_t>(punto) + 1);
    coloriFette_[static_cast<std::size_t>(punto)] = colore;
    if (!aperti_) Ridisegna();
}

QColor TChartfx::ColoreFetta(int punto) const {
    if (punto >= 0 && static_cast<std::size_t>(punto) < coloriFette_.size() &&
        coloriFette_[static_cast<std::size_t>(punto)].isValid())
        return coloriFette_[static_cast<std::size_t>(punto)];
    return ColorePredefinito(std::max(punto, 0));
}

void TChartfx::Ridisegna() {
    if (tipo_ == TTipo::Torta)
        RidisegnaTorta();
    else
        RidisegnaBarre();
}

void TChartfx::RidisegnaTorta() {
    grafico_->removeAllSeries();
    if (serie_ < 1 || punti_ < 1) return;
    auto* torta = new QPieSeries;
    const bool conNomi = !nomiFette_.isEmpty();
    torta->setPieSize(conNomi ? 0.9 : 0.95);
    double totale = 0;
    for (int p = 0; p < punti_; ++p) totale += ValoreFetta(p);
    QStringList quote;
    for (int p = 0; p < punti_; ++p) {
        const double v = ValoreFetta(p);
        const double quota = totale > 0 ? v * 100.0 / totale : 0.0;
        quote << TestoQuota(quota);
        auto* fetta = torta->append(quote.back(), v);
        fetta->setColor(ColoreFetta(p));
        // An edge would show as a line across a pie with one full slice.
        fetta->setPen(Qt::NoPen);
        // A slice shows its share when it has room for it.
        if (conNomi && quota >= kQuotaConEtichetta) {
            fetta->setLabelPosition(QPieSlice::LabelInsideNormal);
            // Black on light colours (lime, yellow), white on dark ones (blue).
            const QColor c = fetta->color();
            const double luce = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
            fetta->setLabelColor(luce > 128 ? Qt::black : Qt::white);
            fetta->setLabelVisible(true);
        }
    }
    grafico_->addSeries(torta);
    // The legend is a label of its own under the pie, one line a slice: the chart's own
    // legend cuts its texts short in a small chart.
    voci_.clear();
    QStringList righe;
    for (int p = 0; conNomi && p < punti_; ++p) {
        voci_ << (p < nomiFette_.size() ? nomiFette_[p] + ": " : QString()) + quote[p];
        righe << QString("<span style=\"color:%1\">&#9632;</span> %2")
                     .arg(ColoreFetta(p).name(), voci_.back().toHtmlEscaped());
    }
    legenda_->setText(righe.join("<br>"));
    legenda_->setVisible(conNomi);
}

double TChartfx::ValoreFetta(int punto) const {
    const double v = Valore(0, punto);
    return std::isfinite(v) && v > 0 ? v : 0.0;
}

void TChartfx::RidisegnaBarre() {
    grafico_->removeAllSeries();
    for (QAbstractAxis* a : grafico_->axes()) {
        grafico_->removeAxis(a);
        delete a;
    }
    if (serie_ < 1 || punti_ < 1) return;
    auto* barre = new QBarSeries;
    const int fine = primo_ + PuntiVisibili();
    for (int s = 0; s < serie_; ++s) {
        auto* insieme = new QBarSet(QString());
        for (int p = primo_; p < fine; ++p) {
            const double v = Valore(s, p);
            *insieme << (std::isfinite(v) ? v : 0.0);
        }
        insieme->setColor(ColoreSerie(s));
        insieme->setBorderColor(ColoreSerie(s).darker(150));
        barre->append(insieme);
    }
    grafico_->addSeries(barre);
    auto* asseX = new QBarCategoryAxis;
    asseX->append(EtichetteVisibili());
    grafico_->addAxis(asseX, Qt::AlignBottom);
    barre->attachAxis(asseX);
    auto* asseY = new QValueAxis;
    asseY->setRange(0.0, MassimoY());
    if (passoY_ > 0) {
        asseY->setTickType(QValueAxis::TicksDynamic);
        asseY->setTickAnchor(0.0);
        asseY->setTickInterval(passoY_);
    }
    // A count is labelled as a whole number; ".0f" keeps the localised format.
    asseY->setLabelFormat(QString("%.%1f").arg(decimaliY_));
    asseY->setTitleText(titoloY_);
    grafico_->addAxis(asseY, Qt::AlignLeft);
    barre->attachAxis(asseY);
}

}  // namespace sirvela
