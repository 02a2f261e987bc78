#include "conditions/ui/TFrmResti.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/ui/TFrmValori.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

namespace {

QSpinBox* NuovoNumero(QWidget* parent, const char* nome, int da, int a) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(nome);
    s->setRange(da, a);
    s->setFixedWidth(56);
    return s;
}

}  // namespace

TFrmResti::TFrmResti(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondGruppo(messaggi, "Resti", "resti", "Resto", false, parent) {
    setObjectName("FrmResti");
    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("Divisione per ", this));
    divisore_ = NuovoNumero(this, "Divisore", 2, 99);
    riga->addWidget(divisore_);
    riga->addStretch();
    Corpo()->addLayout(riga);
    FormaEditore(*NuovoEditore(0, "Resto"), {"PtResto", "Resto", 100});
    connect(divisore_, &QSpinBox::valueChanged, this, [this](int v) {
        if (auto* r = dynamic_cast<TCondResti*>(Membro())) {
            ImpostaDivisore(*r, v);
            ParametroCambiato();
        }
    });
}

void TFrmResti::AggiornaMembro(TCondizione& membro) {
    const QSignalBlocker blocco(divisore_);
    if (auto* r = dynamic_cast<TCondResti*>(&membro)) divisore_->setValue(r->Divisore);
}

TFrmDistanzePart::TFrmDistanzePart(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondGruppo(messaggi, "Distanze Specifiche", "distanze-specifiche", "Distanza", true,
                     parent) {
    setObjectName("FrmDistanzePart");
    auto* riga = new QHBoxLayout;
    prima_ = NuovoNumero(this, "PrimaPosizione", 1, 8);
    seconda_ = NuovoNumero(this, "SecondaPosizione", 1, 8);
    riga->addWidget(new QLabel("Prima Posizione", this));
    riga->addWidget(prima_);
    riga->addSpacing(20);
    riga->addWidget(new QLabel("Seconda Posizione", this));
    riga->addWidget(seconda_);
    riga->addStretch();
    Corpo()->addLayout(riga);
    FormaEditore(*NuovoEditore(0, "Distanza"), {"PtDistanza", "Distanza", 90});
    connect(prima_, &QSpinBox::valueChanged, this, [this](int v) { PosizioneCambiata(true, v); });
    connect(seconda_, &QSpinBox::valueChanged, this,
            [this](int v) { PosizioneCambiata(false, v); });
}

void TFrmDistanzePart::PosizioneCambiata(bool prima, int valore) {
    auto* d = dynamic_cast<TCondDistanzeSpecifiche*>(Membro());
    if (!d) return;
    if (prima)
        ImpostaPrimaPosizione(*d, valore);
    else
        ImpostaSecondaPosizione(*d, valore);
    ParametroCambiato();
    AggiornaMembro(*d);
}

void TFrmDistanzePart::AggiornaMembro(TCondizione& membro) {
    const QSignalBlocker b1(prima_), b2(seconda_);
    if (auto* d = dynamic_cast<TCondDistanzeSpecifiche*>(&membro)) {
        prima_->setValue(d->Posizione1);
        seconda_->setValue(d->Posizione2);
    }
}

}  // namespace sirvela
