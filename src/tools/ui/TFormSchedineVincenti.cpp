#include "tools/ui/TFormSchedineVincenti.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "printing/StampaSchedineConPunti.h"
#include "tools/ui/TPannelliSchedine.h"

namespace sirvela {

TFormSchedineVincenti::TFormSchedineVincenti(const TSpoglio& spoglio, IMessaggi& messaggi,
                                             ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), risultato_(spoglio.RisultatoColonna), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormSchedineVincenti");
    setWindowTitle("Visualizzazione Schedine Vincenti");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    modello_.Carica(spoglio);

    punti_ = new QComboBox(this);
    punti_->setObjectName("SchedineConPunti");
    for (int s : spoglio.PunteggiConVincite()) punti_->addItem(QString::number(s), s);
    pannelli_ = new TPannelliSchedine(this);
    connect(pannelli_, &TPannelliSchedine::Scorso, this, &TFormSchedineVincenti::MostraDa);

    auto* rigaPunti = new QHBoxLayout;
    rigaPunti->addWidget(new QLabel("Schedine Con Punti", this));
    rigaPunti->addWidget(punti_);
    rigaPunti->addStretch();
    auto* pulsanti = PulsantiOkAiuto(*this, "schedine-vincenti");
    stampa_ = new TPulsantiStampa(this, "&Stampa");
    // Nothing to print without a winning slip.
    stampa_->setEnabled(punti_->count() > 0);
    pulsanti->insertWidget(0, stampa_);
    connect(stampa_, &TPulsantiStampa::Scelto, this, &TFormSchedineVincenti::Stampa);
    auto* l = new QVBoxLayout(this);
    l->addLayout(rigaPunti);
    l->addWidget(pannelli_);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(punti_, &QComboBox::currentIndexChanged, this, &TFormSchedineVincenti::PuntiCambiati);
    PuntiCambiati(punti_->currentIndex());
}

void TFormSchedineVincenti::PuntiCambiati(int indice) {
    if (indice >= 0)
        modello_.Seleziona(punti_->itemData(indice).toInt());
    else
        modello_.Seleziona(-1);
    pannelli_->ImpostaMassimo(modello_.MassimoScorrimento());
    MostraDa(0);
}

TEsitoStampa TFormSchedineVincenti::Stampa(TModoStampa modo) {
    const int punti = modello_.Punti();
    TComandoStampa c;
    c.Titolo = kTitoloSchedineConPunti + std::to_string(punti);
    c.Errore = kErroreStampaSchedineConPunti;
    c.NomePdf = "SchedineConPunti" + std::to_string(punti) + ".pdf";
    c.Disegna = [this, punti](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaSchedineConPunti(p, punti, modello_.Numeri(), k);
    };
    return EseguiStampa(this, modo, c, messaggi_, scelta_);
}

void TFormSchedineVincenti::MostraDa(int posizione) {
    pannelli_->Mostra(modello_.Pagina(posizione), true, risultato_);
}

}  // namespace sirvela
