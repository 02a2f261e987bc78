#include "conditions/ui/TFrmNumeroDiSequenze.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "conditions/CondizioniForma.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

TFrmNumeroDiSequenze::TFrmNumeroDiSequenze(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Numero di Sequenze", "numero-sequenze", parent) {
    setObjectName("FrmNumeroDiSequenze");
    auto* gruppo = new QGroupBox("Lunghezza della sequenza", this);
    auto* riga = new QHBoxLayout(gruppo);
    for (int l = 1; l <= 4; ++l) {
        auto* b = new QToolButton(gruppo);
        b->setText(QString::number(l));
        b->setObjectName(QString("Lunghezza%1").arg(l));
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setFixedSize(32, 24);
        connect(b, &QToolButton::clicked, this, [this, l] {
            sequenze_.ImpostaLunghezza(l);
            MostraLunghezza();
            if (const auto* o = dynamic_cast<const TCondNumeroSequenze*>(modello_.Oggetto()))
                parametri_ = sequenze_.Cambiata(*o);
        });
        lunghezze_[static_cast<std::size_t>(l - 1)] = b;
        riga->addWidget(b);
    }
    riga->addStretch();
    Corpo()->addWidget(gruppo);

    // One editor, four tables: the model of each length is linked to its category.
    editore_ = NuovoEditore(-1, "Sequenze");
    for (int k = 0; k < 4; ++k) ModelloEditori().Collega(k, &sequenze_.Tabelle[std::size_t(k)]);
    editore_->setObjectName("PtPresenze");
    editore_->ImpostaLinkTra(true);
    MostraLunghezza();
    // The frame keeps the width of the longest table.
    QWidget* cornice = editore_->parentWidget();
    cornice->setMinimumWidth(cornice->sizeHint().width());
}

void TFrmNumeroDiSequenze::MostraLunghezza() {
    editore_->MostraModello(&sequenze_.Mostrata());
    if (auto* cornice = qobject_cast<QGroupBox*>(editore_->parentWidget()))
        cornice->setTitle(QString("Sequenze di lunghezza %1").arg(sequenze_.Lunghezza()));
    BtnLunghezza(sequenze_.Lunghezza())->setChecked(true);
}

void TFrmNumeroDiSequenze::AggiornaParametri() {
    if (const auto* o = dynamic_cast<const TCondNumeroSequenze*>(modello_.Oggetto()))
        sequenze_.Carica(*o);
    MostraLunghezza();
}

void TFrmNumeroDiSequenze::AcquisisceParametri() {
    if (auto* o = dynamic_cast<TCondNumeroSequenze*>(modello_.Oggetto())) sequenze_.Acquisisci(*o);
}

}  // namespace sirvela
