#include "conditions/ui/TFrmRipetizioni.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "conditions/ModelliDialoghi.h"
#include "conditions/TCondizione.h"
#include "conditions/ui/TFrmValori.h"
#include "core/TDatiSistema.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFrmRipetizioni::TFrmRipetizioni(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Ripetizioni", "ripetizioni", parent) {
    setObjectName("FrmRipetizioni");
    FormaEditore(*NuovoEditore(0, "Su una Colonna Precedente"),
                 {"Pt1Prec", "Su una Colonna Precedente", 9, true});
    FormaEditore(*NuovoEditore(1, "Su due Colonne Precedenti"),
                 {"Pt2Prec", "Su due Colonne Precedenti", 9, true});

    Corpo()->addWidget(NuovaScelta(this, "Tipo", {" Numeriche", "Numeriche"}, numeriche_,
                                   {" Pari Dispari", "PariDispari"}, pariDispari_));
    for (QRadioButton* b : {numeriche_, pariDispari_})
        connect(b, &QRadioButton::clicked, this, [this] { ParametroCambiato(); });

    avviso_ = new QLabel(this);
    avviso_->setObjectName("AvvisoArchivio");
    avviso_->setWordWrap(true);
    avviso_->setStyleSheet("color: rgb(176, 0, 0);");
    Corpo()->addWidget(avviso_);

    BoxStato()->setTitle("Stato ");
    Attivato()->setText(" Attivato");
    Disattivato()->setText(" Disattivato");
}

void TFrmRipetizioni::AggiornaParametri() {
    const TCondizione* c = modello_.Oggetto();
    if (!c) return;
    (c->Opzione == 1 ? pariDispari_ : numeriche_)->setChecked(true);
    const std::string avviso =
        AvvisoRipetizioni(c->Proprietario ? c->Proprietario->Archivio.Quante() : 0);
    avviso_->setText(QS(avviso));
    avviso_->setVisible(!avviso.empty());
}

void TFrmRipetizioni::AcquisisceParametri() {
    if (TCondizione* c = modello_.Oggetto()) c->Opzione = pariDispari_->isChecked() ? 1 : 0;
}

}  // namespace sirvela
