#include "archive/ui/TFrmInfoStat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <thread>

#include "app/ui/TFormAiuto.h"
#include "archive/AnalisiStatistica.h"
#include "widgets/TChartfx.h"

namespace sirvela {

namespace {

const char* const kVoci[] = {"Estrazioni di Assenza", "Ciclo Medio",     "Ritardo Attuale",
                             "Ritardo Minimo",        "Ritardo Massimo", "Ritardo Medio",
                             "Fattore di Convenienza"};

}  // namespace

TFrmInfoStat::TFrmInfoStat(T_Sistema& sistema, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), sistema_(sistema), messaggi_(messaggi) {
    setObjectName("FrmInfoStat");
    setWindowTitle(kTitoloInfoStat);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* cifre = new QGroupBox("Ritardi", this);
    auto* g = new QGridLayout(cifre);
    int riga = 0;
    for (const char* voce : kVoci) {
        auto* valore = new QLabel("0", cifre);
        valore->setObjectName(QString(voce).remove(' '));
        valore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valore->setMinimumWidth(70);
        valore->setFrameShape(QFrame::StyledPanel);
        auto* etichetta = new QLabel(QString(voce) + " :", cifre);
        g->addWidget(etichetta, riga, 0);
        g->addWidget(valore, riga, 1);
        valori_[voce] = valore;
        etichettaFattore_ = etichetta;  // the last one
        ++riga;
    }

    auto* boxStorica = new QGroupBox("Frequenza Storica", this);
    storica_ = new TChartfx(TChartfx::TTipo::Torta, boxStorica);
    storica_->setObjectName("TortaStorica");
    (new QVBoxLayout(boxStorica))->addWidget(storica_);
    auto* boxFiltrate = new QGroupBox("Colonne Filtrate", this);
    filtrate_ = new TChartfx(TChartfx::TTipo::Torta, boxFiltrate);
    filtrate_->setObjectName("TortaFiltrate");
    (new QVBoxLayout(boxFiltrate))->addWidget(filtrate_);
    boxFiltrate_ = boxFiltrate;
    for (TChartfx* t : {storica_, filtrate_}) t->setMinimumSize(220, 190);

    stato_ = new QLabel(kAnalisiArchivioCondizionato, this);
    stato_->setObjectName("Stato");
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    annullaBtn_ = new QPushButton("Annulla", this);
    annullaBtn_->setObjectName("BtnAnnulla");
    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("BtnAiuto");
    auto* chiudi = new QPushButton("Chiudi", this);
    chiudi->setObjectName("BtnChiudi");
    for (QPushButton* b : {annullaBtn_, aiuto, chiudi}) b->setAutoDefault(false);
    connect(annullaBtn_, &QPushButton::clicked, this, [this] { annulla_.store(true); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "analisi-condizionata"); });

    auto* grafici = new QHBoxLayout;
    grafici->addWidget(cifre);
    grafici->addWidget(boxStorica, 1);
    grafici->addWidget(boxFiltrate, 1);
    auto* piede = new QHBoxLayout;
    piede->addWidget(barra_, 1);
    piede->addWidget(annullaBtn_);
    piede->addWidget(aiuto);
    piede->addWidget(chiudi);
    auto* l = new QVBoxLayout(this);
    l->addLayout(grafici, 1);
    l->addWidget(stato_);
    l->addLayout(piede);
    boxFiltrate_->hide();
    etichettaFattore_->hide();
    valori_["Fattore di Convenienza"]->hide();
}

TFrmInfoStat::~TFrmInfoStat() {
    Attendi();
}

void TFrmInfoStat::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (avviata_) return;
    avviata_ = true;
    // Once painted, the analysis starts.
    QTimer::singleShot(0, this, [this] { Avvia(); });
}

void TFrmInfoStat::reject() {
    Attendi();
    QDialog::reject();
}

void TFrmInfoStat::Attendi() {
    if (!filo_.joinable()) return;
    annulla_.store(true);
    filo_.join();
}

void TFrmInfoStat::Apri(TFaseAnalisi, std::int64_t) {}

void TFrmInfoStat::Posizione(int percento) {
    QMetaObject::invokeMethod(
        this, [this, percento] { barra_->setValue(percento); }, Qt::QueuedConnection);
}

void TFrmInfoStat::Avvia() {
    if (InCorso()) return;
    annulla_.store(false);
    stato_->setText(kAnalisiArchivioCondizionato);
    barra_->setValue(0);
    annullaBtn_->setEnabled(true);
    ok_ = false;
    errore_.clear();
    filo_ = std::thread([this] {
        try {
            ok_ = AnalisiCondizionata(sistema_, esito_, this);
        } catch (const std::exception& e) {
            errore_ = e.what();
        }
        QMetaObject::invokeMethod(
            this, [this] { Fine(); }, Qt::QueuedConnection);
    });
}

void TFrmInfoStat::Fine() {
    if (filo_.joinable()) filo_.join();
    annullaBtn_->setEnabled(false);
    if (!errore_.empty()) messaggi_.Errore(errore_);
    if (!ok_ || !errore_.empty()) {
        stato_->setText("Analisi Annullata");
        return;
    }
    Mostra();
}

void TFrmInfoStat::Mostra() {
    const TEsitoCondizionato& e = esito_;
    auto metti = [this](const char* voce, const std::string& testo) {
        valori_[voce]->setText(QString::fromStdString(testo));
    };
    metti("Estrazioni di Assenza", std::to_string(e.EstrazioniDiAssenza));
    metti("Ciclo Medio", TestoDueDecimali(e.CicloMedio, 1));
    metti("Ritardo Attuale", std::to_string(e.RitardoAttuale));
    metti("Ritardo Minimo", std::to_string(e.RitardoMinimo));
    metti("Ritardo Massimo", std::to_string(e.RitardoMassimo));
    metti("Ritardo Medio", TestoDueDecimali(e.RitardoMedio, 1));
    storica_->ImpostaTorta(e.FrequenzaStorica, {"Ammessi", "Esclusi"});
    // Without developed columns the share of columns and the factor are not shown.
    boxFiltrate_->setVisible(e.ConColonne);
    valori_["Fattore di Convenienza"]->setVisible(e.ConColonne);
    etichettaFattore_->setVisible(e.ConColonne);
    if (e.ConColonne) {
        filtrate_->ImpostaTorta(e.ColonneFiltrate, {"Filtrate", "Rimanenti"});
        metti("Fattore di Convenienza", e.TestoFattore());
    }
    stato_->setText(QString::fromStdString(e.TestoStato()));
    barra_->setValue(100);
}

}  // namespace sirvela
