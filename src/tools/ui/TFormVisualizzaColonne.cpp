#include "tools/ui/TFormVisualizzaColonne.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "tools/ui/TPannelliSchedine.h"

namespace sirvela {

TFormVisualizzaColonne::TFormVisualizzaColonne(QWidget* parent) : QDialog(parent) {
    setObjectName("FormVisualizzaColonne");
    setWindowTitle("Visualizzazione Colonne");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    pannelli_ = new TPannelliSchedine(this);
    connect(pannelli_, &TPannelliSchedine::Scorso, this, &TFormVisualizzaColonne::MostraDa);
    conteggio_ = new QLabel(this);
    conteggio_->setObjectName("Conteggio");
    auto* pulsanti = PulsantiOkAiuto(*this, "visualizzazione-colonne");
    auto* l = new QVBoxLayout(this);
    l->addWidget(pannelli_);
    l->addWidget(conteggio_);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormVisualizzaColonne::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (caricato_) return;  // shown again after being minimised
    caricato_ = true;
    // The slips are made from a copy of the columns; the list itself is not needed any more.
    vis_.Carica(lista_);
    lista_.Svuota();
    conteggio_->setText(QString("Colonne : %1   Schedine : %2")
                            .arg(static_cast<qlonglong>(vis_.Colonne().size()))
                            .arg(static_cast<qlonglong>(vis_.QuanteSchedine())));
    pannelli_->ImpostaMassimo(vis_.MassimoScorrimento());
    MostraDa(0);
}

void TFormVisualizzaColonne::MostraDa(int posizione) {
    pannelli_->Mostra(vis_.Pagina(posizione));
}

void TFormVisualizzaColonne::done(int r) {
    vis_.Svuota();
    caricato_ = false;
    QDialog::done(r);
}

}  // namespace sirvela
