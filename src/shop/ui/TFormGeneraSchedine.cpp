#include "shop/ui/TFormGeneraSchedine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

QLabel* Importo(QWidget* parent, const char* nome) {
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Base);
    return l;
}

QToolButton* Freccia(QWidget* parent, const char* nome, Qt::ArrowType verso) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setArrowType(verso);
    b->setFixedSize(18, 12);
    b->setAutoRepeat(true);
    return b;
}

// An amount with its two arrows stacked beside it.
QHBoxLayout* ConFrecce(QLabel* importo, QToolButton* su, QToolButton* giu) {
    auto* frecce = new QVBoxLayout;
    frecce->setSpacing(0);
    frecce->addWidget(su);
    frecce->addWidget(giu);
    auto* r = new QHBoxLayout;
    r->setSpacing(2);
    r->addWidget(importo);
    r->addLayout(frecce);
    r->addStretch();
    return r;
}

}  // namespace

TFormGeneraSchedine::TFormGeneraSchedine(TDatiSistema& dati, std::mt19937& caso,
                                         IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), dati_(dati), caso_(caso), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormGeneraSchedine");
    setWindowTitle("Generazione Schedine");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    schedine_ = new QSpinBox(this);
    schedine_->setObjectName("Schedine");
    schedine_->setRange(TModelloGeneraSchedine::kMinimoSchedine,
                        TModelloGeneraSchedine::kMassimoSchedine);
    auto* quante = new QHBoxLayout;
    quante->addWidget(new QLabel("Schedine da Generare", this));
    quante->addWidget(schedine_);
    quante->addStretch();

    auto* costo = new QGroupBox("Costo delle Schedine", this);
    costoFisso_ = new QRadioButton("Costo Fisso", costo);
    costoFisso_->setObjectName("CostoFisso");
    costoCasuale_ = new QRadioButton("Costo Casuale", costo);
    costoCasuale_->setObjectName("CostoCasuale");
    fissi_ = new QSpinBox(costo);
    fissi_->setObjectName("NumeriFissi");
    fissi_->setRange(0, TModelloGeneraSchedine::kFissiSemplici);
    costoSchedina_ = Importo(costo, "CostoSchedina");
    piu_ = Freccia(costo, "Piu", Qt::UpArrow);
    meno_ = Freccia(costo, "Meno", Qt::DownArrow);
    forma_ = new QLabel(costo);
    forma_->setObjectName("Forma");
    costoMinimo_ = Importo(costo, "CostoMinimo");
    minimoPiu_ = Freccia(costo, "MinimoPiu", Qt::UpArrow);
    minimoMeno_ = Freccia(costo, "MinimoMeno", Qt::DownArrow);
    costoMassimo_ = Importo(costo, "CostoMassimo");
    massimoPiu_ = Freccia(costo, "MassimoPiu", Qt::UpArrow);
    massimoMeno_ = Freccia(costo, "MassimoMeno", Qt::DownArrow);

    auto* g = new QGridLayout(costo);
    g->setColumnMinimumWidth(0, 20);
    g->addWidget(costoFisso_, 0, 0, 1, 2);
    g->addWidget(new QLabel("Numeri Fissi", costo), 0, 2, Qt::AlignRight);
    g->addWidget(fissi_, 0, 3);
    g->addWidget(new QLabel("Costo di ogni schedina", costo), 1, 1);
    g->addLayout(ConFrecce(costoSchedina_, piu_, meno_), 1, 2, 1, 2);
    g->addWidget(forma_, 2, 1, 1, 3);
    g->addWidget(costoCasuale_, 3, 0, 1, 4);
    g->addWidget(new QLabel("Costo Minimo", costo), 4, 1);
    g->addLayout(ConFrecce(costoMinimo_, minimoPiu_, minimoMeno_), 4, 2, 1, 2);
    g->addWidget(new QLabel("Costo Massimo", costo), 5, 1);
    g->addLayout(ConFrecce(costoMassimo_, massimoPiu_, massimoMeno_), 5, 2, 1, 2);

    inMemoria_ = new QPushButton("Genera in Memoria", this);
    inMemoria_->setObjectName("GeneraInMemoria");
    suFile_ = new QPushButton("Genera su File", this);
    suFile_->setObjectName("GeneraSuFile");
    auto* chiudi = new QPushButton("Chiudi", this);
    auto* aiuto = new QPushButton("Aiuto", this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(inMemoria_);
    pulsanti->addWidget(suFile_);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi);
    pulsanti->addWidget(aiuto);

    auto* l = new QVBoxLayout(this);
    l->addLayout(quante);
    l->addWidget(costo);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(schedine_, &QSpinBox::valueChanged, this,
            [this](int v) { Cambia([v](auto& m) { m.ImpostaSchedine(v); }); });
    connect(costoFisso_, &QRadioButton::toggled, this,
            [this](bool fisso) { Cambia([fisso](auto& m) { m.CostoCasuale = !fisso; }); });
    connect(fissi_, &QSpinBox::valueChanged, this,
            [this](int v) { Cambia([v](auto& m) { m.ImpostaNumeriFissi(v); }); });
    connect(piu_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.AumentaVariabili(NumeroPiloti); }); });
    connect(meno_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.DiminuisciVariabili(); }); });
    connect(minimoPiu_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.AumentaMinimo(); }); });
    connect(minimoMeno_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.DiminuisciMinimo(); }); });
    connect(massimoPiu_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.AumentaMassimo(); }); });
    connect(massimoMeno_, &QToolButton::clicked, this,
            [this] { Cambia([](auto& m) { m.DiminuisciMassimo(); }); });
    connect(inMemoria_, &QPushButton::clicked, this, &TFormGeneraSchedine::BtnGeneraInMemoriaClick);
    connect(suFile_, &QPushButton::clicked, this, &TFormGeneraSchedine::BtnGeneraSuFileClick);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "generazione-schedine"); });

    AggiornaForm();
}

void TFormGeneraSchedine::ImpostaOggetto(const TModelloGeneraSchedine& modello) {
    modello_ = modello;
    AggiornaForm();
}

void TFormGeneraSchedine::AggiornaForm() {
    const TModelloGeneraSchedine& m = modello_;
    {
        const QSignalBlocker b1(schedine_), b2(costoFisso_), b3(costoCasuale_), b4(fissi_);
        schedine_->setValue(m.Schedine());
        (m.CostoCasuale ? costoCasuale_ : costoFisso_)->setChecked(true);
        fissi_->setValue(m.NumeriFissi());
    }
    costoSchedina_->setText(QS(m.TestoCostoSchedina(dati_.Prezzi)));
    costoMinimo_->setText(QS(m.TestoCostoMinimo(dati_.Prezzi)));
    costoMassimo_->setText(QS(m.TestoCostoMassimo(dati_.Prezzi)));
    forma_->setText(m.NumeriFissi() == TModelloGeneraSchedine::kFissiSemplici
                        ? QString("2 colonne per schedina")
                        : QString("%1 piloti variabili, %2 colonne per schedina")
                              .arg(m.PilotiVariabili())
                              .arg(m.ColonneSchedina()));

    forma_->setEnabled(!m.CostoCasuale);
    const bool fisso = m.FrecceCostoFisso();
    costoSchedina_->setEnabled(fisso);
    piu_->setEnabled(fisso && m.PuoAumentareVariabili(NumeroPiloti));
    meno_->setEnabled(fisso && m.PuoDiminuireVariabili());
    const bool casuale = m.FrecceCostoCasuale();
    costoMinimo_->setEnabled(casuale);
    costoMassimo_->setEnabled(casuale);
    minimoPiu_->setEnabled(casuale && m.PuoAumentareMinimo());
    minimoMeno_->setEnabled(casuale && m.PuoDiminuireMinimo());
    massimoPiu_->setEnabled(casuale && m.PuoAumentareMassimo());
    massimoMeno_->setEnabled(casuale && m.PuoDiminuireMassimo());
    inMemoria_->setEnabled(m.GeneraSenzaStampa());
    suFile_->setEnabled(m.GeneraSenzaStampa());
}

void TFormGeneraSchedine::BtnGeneraInMemoriaClick() {
    sirvela::GeneraInMemoria(modello_, dati_.PilotaEscluso, caso_, dati_.Colonne);
    accept();
}

void TFormGeneraSchedine::BtnGeneraSuFileClick() {
    sirvela::GeneraSuFile(modello_, dati_.PilotaEscluso, caso_, messaggi_, scelta_);
}

}  // namespace sirvela
