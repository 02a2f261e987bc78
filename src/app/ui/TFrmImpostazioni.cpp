#include "app/ui/TFrmImpostazioni.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Configurazione.h"
#include "app/ui/PulsantiDialogo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFrmImpostazioni::TFrmImpostazioni(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmImpostazioni");
    setWindowTitle("Impostazioni");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* costo = new QGroupBox("Costo di una Combinazione", this);
    inLire_ = new QRadioButton(" Costo in Lire", costo);
    inLire_->setObjectName("InLire");
    inEuro_ = new QRadioButton("Costo in Euro", costo);
    inEuro_->setObjectName("InEuro");
    lire_ = new QSpinBox(costo);
    lire_->setObjectName("PrezzoLire");
    lire_->setRange(TModelloImpostazioni::kLireMinime, TModelloImpostazioni::kLireMassime);
    lire_->setSingleStep(TModelloImpostazioni::kPassoLire);
    euroInteri_ = new QSpinBox(costo);
    euroInteri_->setObjectName("EuroInteri");
    euroInteri_->setRange(0, TModelloImpostazioni::kEuroMassimi);
    centesimi_ = new QSpinBox(costo);
    centesimi_->setObjectName("Centesimi");
    centesimi_->setRange(0, TModelloImpostazioni::kCentesimiMassimi);
    auto* gc = new QGridLayout(costo);
    gc->addWidget(inLire_, 0, 0);
    gc->addWidget(lire_, 0, 1);
    gc->addWidget(inEuro_, 1, 0);
    gc->addWidget(euroInteri_, 1, 1);
    gc->addWidget(new QLabel("+", costo), 1, 2);
    gc->addWidget(centesimi_, 1, 3);
    gc->addWidget(new QLabel("Centesimi", costo), 1, 4);
    gc->setColumnStretch(5, 1);

    salvaColonne_ = new QCheckBox("Salva le combinazioni unitamente al sistema", this);
    salvaColonne_->setObjectName("SalvaColonne");

    auto* boxSfondo = new QGroupBox("Motivo di Sfondo", this);
    sfondo_ = new QLineEdit(boxSfondo);
    sfondo_->setObjectName("Sfondo");
    sfondo_->setMinimumWidth(300);
    cercaSfondo_ = new QPushButton("Cerca..", boxSfondo);
    cercaSfondo_->setObjectName("CercaSfondo");
    anteprima_ = new QLabel(boxSfondo);
    anteprima_->setObjectName("Anteprima");
    anteprima_->setFixedSize(64, 48);
    anteprima_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* ls = new QHBoxLayout(boxSfondo);
    ls->addWidget(sfondo_, 1);
    ls->addWidget(cercaSfondo_);
    ls->addWidget(anteprima_);
    connect(cercaSfondo_, &QPushButton::clicked, this, &TFrmImpostazioni::BtnCercaClick);
    connect(sfondo_, &QLineEdit::textChanged, this, &TFrmImpostazioni::MostraAnteprima);

    // Shown for the look of the window; the slips of five columns are not handled.
    auto* schedine = new QGroupBox("Tipo di Schedine", this);
    schedine2_ = new QRadioButton("2 Combinazioni", schedine);
    schedine2_->setObjectName("Schedine2");
    schedine5_ = new QRadioButton("5 Combinazioni", schedine);
    schedine5_->setObjectName("Schedine5");
    schedine2_->setChecked(true);
    auto* lt = new QHBoxLayout(schedine);
    lt->addWidget(schedine2_);
    lt->addWidget(schedine5_);
    lt->addStretch();

    auto* sviluppo = new QGroupBox("Sviluppo", this);
    fili_ = new QSpinBox(sviluppo);
    fili_->setObjectName("Fili");
    fili_->setRange(0, kFiliMassimi);
    fili_->setSpecialValueText("Tutti");
    fili_->setMinimumWidth(80);
    conteggio_ = new QCheckBox("Conteggio dal vivo", sviluppo);
    conteggio_->setObjectName("ConteggioDalVivo");
    conteggio_->setToolTip(
        "Colonne e costo seguono ogni modifica, nella finestra principale e nelle condizioni");
    auto* lf = new QGridLayout(sviluppo);
    lf->addWidget(new QLabel("Processori usati dallo sviluppo :", sviluppo), 0, 0);
    lf->addWidget(fili_, 0, 1);
    lf->addWidget(conteggio_, 1, 0, 1, 2);
    lf->setColumnStretch(2, 1);

    auto* pulsanti = PulsantiOkAnnullaAiuto(*this, "impostazioni");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* l = new QVBoxLayout(this);
    l->addWidget(costo);
    l->addWidget(salvaColonne_);
    l->addWidget(boxSfondo);
    l->addWidget(schedine);
    l->addWidget(sviluppo);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TFrmImpostazioni::ImpostaOggetto(const TModelloImpostazioni& modello) {
    AggiornaForm(modello);
}

void TFrmImpostazioni::AggiornaForm(const TModelloImpostazioni& m) {
    (m.Euro ? inEuro_ : inLire_)->setChecked(true);
    lire_->setValue(m.Lire);
    euroInteri_->setValue(m.EuroInteri);
    centesimi_->setValue(m.Centesimi);
    salvaColonne_->setChecked(m.SalvaColonne);
    sfondo_->setText(QS(m.Sfondo));
    fili_->setValue(m.Fili);
    conteggio_->setChecked(m.ConteggioDalVivo);
    MostraAnteprima();
}

TModelloImpostazioni TFrmImpostazioni::Modello() const {
    TModelloImpostazioni m;
    m.Euro = inEuro_->isChecked();
    m.Lire = lire_->value();
    m.EuroInteri = euroInteri_->value();
    m.Centesimi = centesimi_->value();
    m.SalvaColonne = salvaColonne_->isChecked();
    m.Sfondo = SS(sfondo_->text());
    m.Fili = fili_->value();
    m.ConteggioDalVivo = conteggio_->isChecked();
    return m;
}

void TFrmImpostazioni::MostraAnteprima() {
    const QSize d = anteprima_->contentsRect().size();
    QPixmap p(sfondo_->text());
    if (!p.isNull()) {
        p = p.scaled(d, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        p = p.copy((p.width() - d.width()) / 2, (p.height() - d.height()) / 2, d.width(),
                   d.height());
    }
    anteprima_->setPixmap(p);
}

void TFrmImpostazioni::BtnCercaClick() {
    const auto scelto = scelta_.Apri(RichiestaFileSfondo(SS(sfondo_->text())));
    if (!scelto) return;
    // Only a picture that can be shown becomes the background.
    if (QPixmap(QS(*scelto)).isNull()) {
        messaggi_.Errore(kErroreSfondo);
        return;
    }
    sfondo_->setText(QS(*scelto));
}

}  // namespace sirvela
