#include "archive/ui/TFrmArchivio.h"

#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "archive/VistaAnalisi.h"
#include "archive/ui/TFrmAnalProgress.h"
#include "widgets/TChartfx.h"

namespace sirvela {

using analisi_ui::NuovaCoppia;
using analisi_ui::NuovaGriglia;

namespace {

// The tables of every page side by side, with their page names above them.
QWidget* AreaTabelle(QWidget* parent, QHBoxLayout*& riga) {
    auto* area = new QScrollArea(parent);
    auto* dentro = new QWidget(area);
    riga = new QHBoxLayout(dentro);
    riga->setSizeConstraint(QLayout::SetMinAndMaxSize);
    area->setWidget(dentro);
    area->setWidgetResizable(true);
    return area;
}

}  // namespace

TFrmArchivio::TFrmArchivio(IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi) {
    setObjectName("FrmArchivio");
    setWindowTitle("Archivio");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    schede_ = new QTabWidget(this);
    schede_->setObjectName("Schede");

    // "Frequenze"
    auto* f = new QWidget(schede_);
    auto* bottoniF = new QHBoxLayout;
    percento_ = NuovaCoppia(f, bottoniF, "%", "Valori", "BtnPercento", "BtnValori");
    bottoniF->addSpacing(12);
    presenze_ = NuovaCoppia(f, bottoniF, "Pres.", "Cons.", "BtnPresenze", "BtnConsecutivita");
    bottoniF->addSpacing(12);
    zoom_ = new QPushButton("Zoom", f);
    zoom_->setObjectName("BtnZoom");
    zoom_->setCheckable(true);
    zoom_->setAutoDefault(false);
    bottoniF->addWidget(zoom_);
    bottoniF->addSpacing(12);
    vista_ = NuovaCoppia(f, bottoniF, "Tabella", "Grafico", "BtnTabella", "BtnGrafico");
    bottoniF->addStretch();
    pila_ = new QStackedWidget(f);
    pila_->addWidget(AreaTabelle(pila_, tabelleF_));
    auto* pannelloGrafico = new QWidget(pila_);
    grafico_ = new TChartfx(TChartfx::TTipo::Barre, pannelloGrafico);
    grafico_->setObjectName("Grafico");
    legenda_ = new QComboBox(pannelloGrafico);
    legenda_->setObjectName("Legenda");
    auto* lg = new QHBoxLayout(pannelloGrafico);
    lg->addWidget(grafico_, 1);
    auto* colonnaLegenda = new QVBoxLayout;
    colonnaLegenda->addWidget(new QLabel("Legenda", pannelloGrafico));
    colonnaLegenda->addWidget(legenda_);
    colonnaLegenda->addStretch();
    lg->addLayout(colonnaLegenda);
    pila_->addWidget(pannelloGrafico);
    auto* lf = new QVBoxLayout(f);
    lf->addLayout(bottoniF);
    lf->addWidget(pila_, 1);
    schede_->addTab(f, "Frequenze");

    // "Ritardi"
    auto* rit = new QWidget(schede_);
    auto* bottoniR = new QHBoxLayout;
    puntiRitardi_ =
        NuovaCoppia(rit, bottoniR, "Punti", "Cons.", "BtnPuntiRitardi", "BtnConsRitardi");
    bottoniR->addStretch();
    auto* lr = new QVBoxLayout(rit);
    lr->addLayout(bottoniR);
    lr->addWidget(AreaTabelle(rit, tabelleR_), 1);
    schede_->addTab(rit, "Ritardi");

    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("BtnAiuto");
    auto* chiudi = new QPushButton("Chiudi", this);
    chiudi->setObjectName("BtnChiudi");
    for (QPushButton* b : {aiuto, chiudi}) b->setAutoDefault(false);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "statistiche"); });
    auto* piede = new QHBoxLayout;
    piede->addStretch();
    piede->addWidget(aiuto);
    piede->addWidget(chiudi);

    auto* l = new QVBoxLayout(this);
    l->addWidget(schede_, 1);
    l->addLayout(piede);
    resize(760, 520);

    for (QPushButton* b :
         {percento_.Primo, percento_.Secondo, presenze_.Primo, presenze_.Secondo, vista_.Primo,
          vista_.Secondo, puntiRitardi_.Primo, puntiRitardi_.Secondo, zoom_})
        connect(b, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(legenda_, &QComboBox::currentIndexChanged, this, [this] { AggiornaGrafico(); });
}

bool TFrmArchivio::ImpostaOggetto(TCondizione& condizione, const TParametriAnalisi& parametri) {
    TRisultatiAnalisi r;
    std::string errore;
    const bool ok = EseguiConProgresso(
        this, [&](IAvanzamentoAnalisi& a) { return EseguiAnalisi(condizione, parametri, r, &a); },
        errore);
    if (!errore.empty()) messaggi_.Errore(errore);
    if (!ok) return false;
    ImpostaRisultati(std::move(r));
    return true;
}

void TFrmArchivio::ImpostaRisultati(TRisultatiAnalisi risultati) {
    r_ = std::move(risultati);
    setWindowTitle(QString::fromStdString(r_.Titoli[TRisultatiAnalisi::kPrincipale]));
    const bool cons = r_.ConConsecutivita();
    presenze_.Secondo->setEnabled(cons);
    puntiRitardi_.Secondo->setEnabled(cons);
    analisi_ui::RiempiLegenda(legenda_, r_);
    Aggiorna();
}

void TFrmArchivio::Svuota(QHBoxLayout* l, std::vector<QTableWidget*>& tabelle) {
    while (QLayoutItem* i = l->takeAt(0)) {
        if (QWidget* w = i->widget()) w->deleteLater();
        delete i;
    }
    tabelle.clear();
}

void TFrmArchivio::Aggiorna() {
    pila_->setCurrentIndex(vista_.Secondo->isChecked() ? 1 : 0);
    AggiornaFrequenze();
    AggiornaRitardi();
    AggiornaGrafico();
}

void TFrmArchivio::AggiornaFrequenze() {
    Svuota(tabelleF_, frequenze_);
    const bool percento = percento_.Primo->isChecked();
    for (int p = 0; p < r_.QuantePagine; ++p) {
        const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
        // The first grid carries the labels; with labelled rows every grid has its own.
        const bool etichette = p == 0 || r_.RigheEtichettate;
        QStringList intestazioni;
        if (etichette) intestazioni << "Valore";
        intestazioni << " Punti"
                     << " Cons.";
        std::vector<QStringList> righe;
        for (int riga = 0; riga < r_.Righe(p); ++riga) {
            QStringList celle;
            if (etichette) celle << QString::fromStdString(r_.Etichetta(p, riga));
            const auto cella = [&](bool sec) {
                return QString::fromStdString(CellaFrequenza(
                    r_, pagina.StatArchivio, riga, sec, percento, pagina.StatArchivio.Estrazioni));
            };
            celle << cella(false) << (pagina.HaConsecutivita ? cella(true) : "");
            righe.push_back(celle);
        }
        auto* colonna = new QWidget;
        auto* l = new QVBoxLayout(colonna);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(new QLabel(QString::fromStdString(pagina.Nome), colonna));
        QTableWidget* t = NuovaGriglia(colonna, intestazioni, righe);
        t->setObjectName(QString("Frequenze%1").arg(p));
        l->addWidget(t, 1);
        tabelleF_->addWidget(colonna);
        frequenze_.push_back(t);
    }
    tabelleF_->addStretch();
}

void TFrmArchivio::AggiornaRitardi() {
    Svuota(tabelleR_, ritardi_);
    const bool secondaria = puntiRitardi_.Secondo->isChecked();
    for (int p = 0; p < r_.QuantePagine; ++p) {
        const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
        const bool etichette = p == 0 || r_.RigheEtichettate;
        QStringList intestazioni;
        if (etichette) intestazioni << "Valore";
        intestazioni << "Att."
                     << " Max"
                     << "  IC";
        std::vector<QStringList> righe;
        for (int riga = 0; riga < r_.Righe(p); ++riga) {
            QStringList celle;
            if (etichette) celle << QString::fromStdString(r_.Etichetta(p, riga));
            const TCelleRitardo c = CelleRitardo(r_, p, riga, secondaria);
            celle << QString::fromStdString(c.Attuale) << QString::fromStdString(c.Massimo)
                  << QString::fromStdString(c.IC);
            righe.push_back(celle);
        }
        auto* colonna = new QWidget;
        auto* l = new QVBoxLayout(colonna);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(new QLabel(QString::fromStdString(pagina.Nome), colonna));
        QTableWidget* t = NuovaGriglia(colonna, intestazioni, righe);
        t->setObjectName(QString("Ritardi%1").arg(p));
        l->addWidget(t, 1);
        tabelleR_->addWidget(colonna);
        ritardi_.push_back(t);
    }
    tabelleR_->addStretch();
}

void TFrmArchivio::AggiornaGrafico() {
    const int p = legenda_->currentIndex();
    if (p < 0 || p >= r_.QuantePagine) return;
    const T_FrequenzeRitardi& t = r_.Pagine[static_cast<std::size_t>(p)].StatArchivio;
    analisi_ui::DisegnaBarre(*grafico_, r_, p, {&t}, presenze_.Secondo->isChecked(),
                             percento_.Primo->isChecked(), zoom_->isChecked(), false, t.Estrazioni);
}

}  // namespace sirvela
