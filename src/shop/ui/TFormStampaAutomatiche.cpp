#include "shop/ui/TFormStampaAutomatiche.h"

#include <QVBoxLayout>

#include "app/Avvio.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"
#include "shop/StampaAutomatiche.h"

namespace sirvela {

TFormStampaAutomatiche::TFormStampaAutomatiche(TDatiSistema& dati, TSchedineDaStampare schedine,
                                               IMessaggi& messaggi, ISceltaFile& scelta,
                                               QWidget* parent)
    : QDialog(parent),
      dati_(dati),
      schedine_(std::move(schedine)),
      messaggi_(messaggi),
      scelta_(scelta) {
    setObjectName("FormStampaAutomatiche");
    setWindowTitle("Stampa schedine");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* orientamento = GruppoOrientamento(this, verticale_, orizzontale_);
    (dati.Taratura.Orizzontale ? orizzontale_ : verticale_)->setChecked(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(orientamento);
    l->addLayout(RigaStampa(
        *this, pulsanti_, [this](TModoStampa m) { return Stampa(m); }, "generazione-schedine"));
    l->setSizeConstraint(QLayout::SetFixedSize);
}

TEsitoStampa TFormStampaAutomatiche::Stampa(TModoStampa modo) {
    TOpzioniSchedine o;
    o.Orizzontale = orizzontale_->isChecked();
    o.Prezzi = dati_.Prezzi;
    o.NumeroPiloti = NumeroPiloti;
    o.PilotaEscluso = dati_.PilotaEscluso;
    if (auto errore = ControllaSchedineAutomatiche(schedine_, o.Piloti()); !errore.empty()) {
        messaggi_.Errore(errore);
        return TEsitoStampa::Annullata;
    }
    TComandoStampa c;
    c.Titolo = kLavoroSchedine;
    c.Errore = kErroreStampaSchedine;
    c.NomePdf = "Schedine.pdf";
    c.Disegna = [this, o](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaSchedineAutomatiche(p, schedine_, dati_.Taratura, o, k);
    };
    const TEsitoStampa esito = EseguiStampa(this, modo, c, messaggi_, scelta_);
    if (esito == TEsitoStampa::Completata && modo != TModoStampa::Anteprima) {
        dati_.Taratura.Orizzontale = o.Orizzontale;
        SalvaImpostazioniDi(dati_, &messaggi_);
    }
    return esito;
}

}  // namespace sirvela
