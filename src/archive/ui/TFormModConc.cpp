#include "archive/ui/TFormModConc.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "widgets/TLCasSelector.h"

namespace sirvela {

TLCasSelector* NuoveCaselleRisultato(IMessaggi& messaggi, QWidget* parent) {
    auto* c = new TLCasSelector(messaggi, parent);
    c->setObjectName("Combinazione");
    c->ImpostaTotaleNumeri(8);
    c->ImpostaNumeriPerRiga(8);
    c->ImpostaCella(30, 24);
    c->ImpostaDistanze(6, 2);
    return c;
}

void MostraRisultato(TLCasSelector& caselle, const TColonna& vincente) {
    TCombinazione valori;
    for (std::size_t p = 0; p < 8; ++p) valori.Numeri[p] = vincente[p];
    caselle.ImpostaValori(valori);
}

QHBoxLayout* EtichettePosizioni(QWidget* parent) {
    auto* l = new QHBoxLayout;
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(6);
    for (int p = 1; p <= 8; ++p) {
        auto* e = new QLabel(QString("%1º").arg(p), parent);
        e->setFixedWidth(30);
        e->setAlignment(Qt::AlignCenter);
        l->addWidget(e);
    }
    l->addStretch();
    return l;
}

TFormModConc::TFormModConc(const TArchivio& archivio, IMessaggi& messaggi,
                           TEditorConcorso::Modo modo, const TEstrazione& iniziale, QWidget* parent)
    : QDialog(parent), editor_(archivio, messaggi, modo, iniziale) {
    setObjectName("FormModConc");
    setWindowTitle("Editazione Concorso");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    numero_ = new QSpinBox(this);
    numero_->setObjectName("Numero");
    numero_->setRange(1, 255);
    numero_->setValue(iniziale.Numero);
    anno_ = new QSpinBox(this);
    anno_->setObjectName("Anno");
    anno_->setRange(kAnnoMinimo, kAnnoMassimo);
    anno_->setValue(iniziale.Anno);
    auto* gruppo = new QGroupBox("Combinazione Vincente", this);
    piloti_ = NuoveCaselleRisultato(messaggi, gruppo);
    piloti_->ImpostaInvioAllaFinestra(true);
    MostraRisultato(*piloti_, iniziale.Vincente);
    auto* lg = new QVBoxLayout(gruppo);
    lg->addLayout(EtichettePosizioni(gruppo));
    lg->addWidget(piloti_);

    auto* campi = new QGridLayout;
    campi->addWidget(new QLabel("Concorso Nº", this), 0, 0);
    campi->addWidget(numero_, 0, 1);
    campi->addWidget(new QLabel("Anno", this), 0, 2);
    campi->addWidget(anno_, 0, 3);
    campi->setColumnStretch(4, 1);

    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TFormModConc::BtnOkClick);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* l = new QVBoxLayout(this);
    l->addLayout(campi);
    l->addWidget(gruppo);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormModConc::BtnOkClick() {
    TCombinazione letti;
    if (!piloti_->Acquisisci(letti, false)) return;
    std::vector<int> piloti;
    for (int i = 0; i < letti.Conta(); ++i) piloti.push_back(letti[i]);
    if (editor_.Ok(numero_->value(), anno_->value(), piloti)) accept();
}

}  // namespace sirvela
