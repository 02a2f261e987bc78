#include "conditions/ui/TFrmConsecDiff.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include "conditions/CondizioniForma.h"
#include "conditions/ui/TFrmValori.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

TFrmConsecDiff::TFrmConsecDiff(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondGruppo(messaggi, "Consecutività  Differenziata dei Segni",
                     "consecutivita-differenziata", "Consecutività", true, parent) {
    setObjectName("FrmConsecDiff");
    auto* segno = new QGroupBox("Segno", this);
    auto* riga = new QHBoxLayout(segno);
    auto bottone = [&](const char* testo, const char* nome, const char* suggerimento) {
        auto* b = new QToolButton(segno);
        b->setText(testo);
        b->setObjectName(nome);
        b->setToolTip(suggerimento);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setFixedSize(32, 24);
        riga->addWidget(b);
        return b;
    };
    pari_ = bottone("P", "SegnoP", "Numeri pari");
    dispari_ = bottone("D", "SegnoD", "Numeri dispari");
    riga->addStretch();
    Corpo()->addWidget(segno);
    connect(pari_, &QToolButton::clicked, this, [this] { SegnoCambiato(true); });
    connect(dispari_, &QToolButton::clicked, this, [this] { SegnoCambiato(false); });

    // "Segni" only chooses the columns the member looks at: no recovery, link or group.
    TLGraphpt* segni = NuovoEditore(0, "Segni");
    FormaEditore(*segni, {"PtSegni", "Segni", 9});
    segni->ImpostaRecVisibili(false);
    segni->ImpostaLinkTra(false);
    FormaEditore(*NuovoEditore(1, "Consecutività"), {"PtConsecutivita", "Consecutività", 9});
}

void TFrmConsecDiff::SegnoCambiato(bool pari) {
    auto* c = dynamic_cast<TCondConsecDiff*>(Membro());
    if (!c || c->Segno == (pari ? 1 : 0)) return;
    c->Segno = pari ? 1 : 0;
    ParametroCambiato();
}

void TFrmConsecDiff::AggiornaMembro(TCondizione& membro) {
    if (auto* c = dynamic_cast<TCondConsecDiff*>(&membro))
        (c->Segno == 1 ? pari_ : dispari_)->setChecked(true);
}

}  // namespace sirvela
