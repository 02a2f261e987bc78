#include "development/ui/TFrmSviluppo.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "development/ImpostazioniSviluppo.h"
#include "widgets/Conversioni.h"
#include "widgets/TChartfx.h"

namespace sirvela {

namespace {

const QColor kBlu(0, 0, 255);
const QColor kLime(0, 255, 0);

QLabel* Didascalia(const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A value in a sunken box, on the given colours.
QLabel* Valore(const char* nome, QWidget* genitore, const QColor& sfondo = Qt::white,
               const QColor& testo = Qt::black) {
    auto* l = new QLabel(genitore);
    l->setObjectName(nome);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(200);
    l->setMinimumHeight(22);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setIndent(4);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, sfondo);
    p.setColor(QPalette::WindowText, testo);
    l->setPalette(p);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

TChartfx* Torta(const char* nome, QWidget* genitore) {
    auto* t = new TChartfx(TChartfx::TTipo::Torta, genitore);
    t->setObjectName(nome);
    t->setFixedSize(112, 112);
    t->ImpostaColoreFetta(0, kBlu);
    t->ImpostaColoreFetta(1, kLime);
    return t;
}

void MostraTorta(TChartfx* torta, bool visibile, const int (&fette)[2], int (&disegnata)[2]) {
    if (visibile && (fette[0] != disegnata[0] || fette[1] != disegnata[1])) {
        torta->ApriDati(1, 2);
        torta->ImpostaValore(0, 0, fette[0]);
        torta->ImpostaValore(0, 1, fette[1]);
        torta->ChiudiDati();
        disegnata[0] = fette[0];
        disegnata[1] = fette[1];
    }
    // A hidden pie keeps its place so the window does not change shape.
    QSizePolicy sp = torta->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    torta->setSizePolicy(sp);
    torta->setVisible(visibile);
}

}  // namespace

TFrmSviluppo::TFrmSviluppo(QWidget* parent) : QDialog(parent) {
    setObjectName("FrmSviluppo");
    setWindowTitle("Sviluppo");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);

    boxCond_ = new QGroupBox("Condizionamento", this);
    boxCond_->setObjectName("Condizionamento");
    totali_ = Valore("ColonneTotali", boxCond_);
    ammesse_ = Valore("ColonneAmmesse", boxCond_);
    filtrate_ = Valore("ColonneFiltrate", boxCond_, kLime);
    finali_ = Valore("ColonneFinali", boxCond_, kBlu, Qt::white);
    tortaSviluppo_ = Torta("TortaSviluppo", boxCond_);
    auto* gc = new QGridLayout(boxCond_);
    gc->setHorizontalSpacing(8);
    gc->setVerticalSpacing(5);
    QLabel* didascalie[] = {
        Didascalia("Colonne Totali :", boxCond_), Didascalia("Colonne Ammesse :", boxCond_),
        Didascalia("Colonne Filtrate :", boxCond_), Didascalia("Colonne Finali   :", boxCond_)};
    QLabel* valori[] = {totali_, ammesse_, filtrate_, finali_};
    for (int r = 0; r < 4; ++r) {
        gc->addWidget(didascalie[r], r, 0);
        gc->addWidget(valori[r], r, 1);
    }
    gc->addWidget(tortaSviluppo_, 0, 2, 4, 1, Qt::AlignCenter);
    gc->setColumnStretch(1, 1);

    boxRid_ = new QGroupBox(this);
    boxRid_->setObjectName("Autoriduzione");
    etRidIniziali_ = Didascalia("Colonne Iniziali  :", boxRid_);
    etRidFinali_ = Didascalia("Colonne Finali   :", boxRid_);
    etFattore_ = Didascalia("Fattore di Riduzione :", boxRid_);
    ridIniziali_ = Valore("RidIniziali", boxRid_, kLime);
    ridFinali_ = Valore("RidFinali", boxRid_, kBlu, Qt::white);
    fattore_ = Valore("FattoreRiduzione", boxRid_);
    etMigliorata_ = Didascalia("Riduzione Migliorata :", boxRid_);
    migliorata_ = Valore("Migliorata", boxRid_);
    tortaRiduzione_ = Torta("TortaRiduzione", boxRid_);
    auto* gr = new QGridLayout(boxRid_);
    gr->setHorizontalSpacing(8);
    gr->setVerticalSpacing(5);
    gr->addWidget(etRidIniziali_, 0, 0);
    gr->addWidget(ridIniziali_, 0, 1);
    gr->addWidget(etRidFinali_, 1, 0);
    gr->addWidget(ridFinali_, 1, 1);
    gr->addWidget(etFattore_, 2, 0);
    gr->addWidget(fattore_, 2, 1);
    gr->addWidget(etMigliorata_, 3, 0);
    gr->addWidget(migliorata_, 3, 1);
    gr->addWidget(tortaRiduzione_, 0, 2, 3, 1, Qt::AlignCenter);
    gr->setColumnStretch(1, 1);
    // The values of both boxes start at the same distance from the left.
    int larghezza = 0;
    for (QLabel* l : boxCond_->findChildren<QLabel*>() + boxRid_->findChildren<QLabel*>())
        if (l->objectName().isEmpty()) larghezza = std::max(larghezza, l->sizeHint().width());
    for (QLabel* l : boxCond_->findChildren<QLabel*>() + boxRid_->findChildren<QLabel*>())
        if (l->objectName().isEmpty()) l->setMinimumWidth(larghezza);
    // The hidden counters keep their rows, like the pies keep their place.
    for (QWidget* w : {static_cast<QWidget*>(etRidIniziali_), static_cast<QWidget*>(etRidFinali_),
                       static_cast<QWidget*>(etFattore_), static_cast<QWidget*>(ridIniziali_),
                       static_cast<QWidget*>(ridFinali_), static_cast<QWidget*>(fattore_)}) {
        QSizePolicy sp = w->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        w->setSizePolicy(sp);
    }

    indicatore_ = new QProgressBar(this);
    indicatore_->setObjectName("Indicatore");
    indicatore_->setOrientation(Qt::Vertical);
    indicatore_->setRange(0, 100);
    indicatore_->setValue(0);
    indicatore_->setTextVisible(false);
    indicatore_->setFixedWidth(22);

    stato_ = new QLabel(this);
    stato_->setObjectName("Stato");
    stato_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    stato_->setMinimumHeight(22);
    stato_->setIndent(4);

    chiudi_ = new QPushButton("Chiudi", this);
    chiudi_->setObjectName("BtnChiudi");
    annulla_ = new QPushButton("Annulla", this);
    annulla_->setObjectName("BtnAnnulla");
    aiuto_ = new QPushButton("Aiuto", this);
    aiuto_->setObjectName("BtnAiuto");
    for (QPushButton* b : {chiudi_, annulla_, aiuto_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
    }
    connect(chiudi_, &QPushButton::clicked, this, &TFrmSviluppo::BtnChiudiClick);
    connect(annulla_, &QPushButton::clicked, this, &TFrmSviluppo::BtnAnnullaClick);
    connect(aiuto_, &QPushButton::clicked, this, &TFrmSviluppo::BtnAiutoClick);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(boxCond_);
    boxes->addWidget(boxRid_);
    auto* sopra = new QHBoxLayout;
    sopra->addLayout(boxes, 1);
    sopra->addWidget(indicatore_);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi_);
    pulsanti->addWidget(annulla_);
    pulsanti->addWidget(aiuto_);
    pulsanti->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addLayout(sopra);
    l->addWidget(stato_);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    Prepara(TImpostazioniSviluppo{});
}

void TFrmSviluppo::Prepara(const TImpostazioniSviluppo& imp) {
    // The engine opens its content the same way; the window shows it before the run starts.
    TVistaSviluppo vista(nullptr, TPrezzi{}, 1);
    vista.Apri(imp);
    Mostra(vista.Quadro());
}

void TFrmSviluppo::Mostra(const TQuadroSviluppo& q) {
    quadro_ = q;
    boxRid_->setEnabled(q.RiduzioneAbilitata);
    boxRid_->setTitle(QS(q.TitoloRiduzione));
    indicatore_->setValue(std::clamp(q.Indicatore, 0, 100));
    totali_->setText(QS(q.Totali));
    ammesse_->setText(QS(q.Ammesse));
    filtrate_->setText(QS(q.Filtrate));
    finali_->setText(QS(q.Finali));
    ridIniziali_->setText(QS(q.RidIniziali));
    ridFinali_->setText(QS(q.RidFinali));
    fattore_->setText(QS(q.FattoreRiduzione));
    migliorata_->setText(QS(q.Migliorata));
    // Only the improved reduction has this row.
    etMigliorata_->setVisible(!q.Migliorata.empty());
    migliorata_->setVisible(!q.Migliorata.empty());
    for (QWidget* w : {static_cast<QWidget*>(etRidIniziali_), static_cast<QWidget*>(etRidFinali_),
                       static_cast<QWidget*>(etFattore_), static_cast<QWidget*>(ridIniziali_),
                       static_cast<QWidget*>(ridFinali_), static_cast<QWidget*>(fattore_)})
        w->setVisible(q.ContatoriRiduzioneVisibili);
    MostraTorta(tortaSviluppo_, q.TortaSviluppoVisibile, q.TortaSviluppo, disegnataSviluppo_);
    MostraTorta(tortaRiduzione_, q.TortaRiduzioneVisibile, q.TortaRiduzione, disegnataRiduzione_);
    stato_->setText(QS(q.Stato));
}

void TFrmSviluppo::ImpostaInCorso(bool inCorso) {
    inCorso_ = inCorso;
    chiudi_->setEnabled(!inCorso);
    if (inCorso) annullamento_.Azzera();
}

void TFrmSviluppo::BtnChiudiClick() {
    if (inCorso_) return;
    emit ChiudiPremuto();
    hide();
}

void TFrmSviluppo::BtnAnnullaClick() {
    if (inCorso_) annullamento_.Richiedi();
    hide();
}

void TFrmSviluppo::BtnAiutoClick() {
    MostraAiuto(this, "sviluppo");
}

void TFrmSviluppo::reject() {
    // Escape works as "Annulla".
    BtnAnnullaClick();
}

void TFrmSviluppo::closeEvent(QCloseEvent* e) {
    // The window's own close button too.
    e->ignore();
    BtnAnnullaClick();
}

void TFrmSviluppo::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (!e->spontaneous()) emit Chiuso();
}

}  // namespace sirvela
