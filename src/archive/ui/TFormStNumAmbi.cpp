#include "archive/ui/TFormStNumAmbi.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "archive/StampaStatistichePiloti.h"
#include "archive/StatistichePiloti.h"

namespace sirvela {

TFormStNumAmbi::TFormStNumAmbi(const TGestoreRighe& righe, IMessaggi& messaggi, ISceltaFile& scelta,
                               QWidget* parent)
    : QDialog(parent), righe_(righe), messaggi_(messaggi), scelta_(scelta) {
    setWindowTitle("Stampa Numeri");
    const int n = std::max(righe.Quante(), 1);
    dal_ = new QSpinBox(this);
    al_ = new QSpinBox(this);
    dal_->setObjectName("Dal");
    al_->setObjectName("Al");
    for (QSpinBox* s : {dal_, al_}) s->setRange(1, n);
    dal_->setValue(1);
    al_->setValue(n);
    CollegaIntervallo(dal_, al_);
    auto* campi = new QFormLayout;
    campi->addRow("Dalla riga", dal_);
    campi->addRow("Alla riga", al_);
    auto* lo = new QVBoxLayout(this);
    lo->addLayout(campi);
    lo->addLayout(RigaStampa(
        *this, pulsanti_, [this](TModoStampa m) { return Stampa(m); }, "analisi-partenti"));
}

TEsitoStampa TFormStNumAmbi::Stampa(TModoStampa modo) {
    TComandoStampa c;
    c.Titolo = kTitoloStatistichePiloti;
    c.Errore = kErroreStatistichePiloti;
    c.NomePdf = "Statistiche.pdf";
    const int dal = dal_->value();
    const int al = al_->value();
    c.Disegna = [this, dal, al](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaStatistichePiloti(p, righe_, dal, al, k);
    };
    const TEsitoStampa esito = EseguiStampa(this, modo, c, messaggi_, scelta_);
    // After the failure message there is nothing left to do here.
    if (esito == TEsitoStampa::Fallita) accept();
    return esito;
}

}  // namespace sirvela
