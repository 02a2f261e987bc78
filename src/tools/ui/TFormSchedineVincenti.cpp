#include "tools/ui/TFormSchedineVincenti.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "tools/ui/TPannelliSchedine.h"

namespace sirvela {

TFormSchedineVincenti::TFormSchedineVincenti(const TSpoglio& spoglio, QWidget* parent)
    : QDialog(parent), risultato_(spoglio.RisultatoColonna) {
    setObjectName("FormSchedineVincenti");
    setWindowTitle("Visualizzazione Schedine Vincenti");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    modello_.Carica(spoglio);

    punti_ = new QComboBox(this);
    punti_->setObjectName("SchedineConPunti");
    for (int s : spoglio.PunteggiConVincite()) punti_->addItem(QString::number(s), s);
    pannelli_ = new TPannelliSchedine(this);
    connect(pannelli_, &TPannelliSchedine::Scorso, this, &TFormSchedineVincenti::MostraDa);

    auto* scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel("Schedine Con Punti", this));
    scelta->addWidget(punti_);
    scelta->addStretch();
    auto* pulsanti = PulsantiOkAiuto(*this, "schedine-vincenti");
    auto* l = new QVBoxLayout(this);
    l->addLayout(scelta);
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

void TFormSchedineVincenti::MostraDa(int posizione) {
    pannelli_->Mostra(modello_.Pagina(posizione), true, risultato_);
}

}  // namespace sirvela
