#include "tools/ui/TPannelliSchedine.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/ui/TFormAiuto.h"
#include "widgets/TLVisColonne.h"

namespace sirvela {

TPannelliSchedine::TPannelliSchedine(QWidget* parent) : QWidget(parent) {
    auto* colonna = new QVBoxLayout;
    colonna->setSpacing(3);
    for (int i = 0; i < kPannelli; ++i) {
        auto* p = new TLVisColonne(this);
        p->setObjectName(QString("Schedina%1").arg(i + 1));
        QSizePolicy sp = p->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        p->setSizePolicy(sp);
        pannelli_[static_cast<std::size_t>(i)] = p;
        colonna->addWidget(p);
    }
    // The slips stand one under the other, so the bar beside them scrolls downwards.
    barra_ = new QScrollBar(Qt::Vertical, this);
    barra_->setObjectName("BarraSchedine");
    barra_->setPageStep(kPannelli);
    connect(barra_, &QScrollBar::valueChanged, this, &TPannelliSchedine::Scorso);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addLayout(colonna);
    l->addWidget(barra_);
}

void TPannelliSchedine::ImpostaMassimo(std::int64_t massimo) {
    const QSignalBlocker blocco(barra_);
    barra_->setRange(
        0, static_cast<int>(std::clamp<std::int64_t>(massimo, 0, std::numeric_limits<int>::max())));
    barra_->setValue(0);
    barra_->setEnabled(massimo > 0);
}

void TPannelliSchedine::Mostra(const std::vector<TSchedinaVin>& pagina, bool modoSpoglio,
                               const TColonna& risultato) {
    for (int i = 0; i < kPannelli; ++i) {
        TLVisColonne* p = pannelli_[static_cast<std::size_t>(i)];
        const bool presente = i < static_cast<int>(pagina.size());
        p->setVisible(presente);
        if (!presente) continue;
        const TSchedinaVin& s = pagina[static_cast<std::size_t>(i)];
        p->ImpostaNumero(s.Numero);
        p->ImpostaColonne(s.Posti[0].Colonna, s.Posti[1].Colonna, s.Quante);
        p->ImpostaModoSpoglio(modoSpoglio);
        p->ImpostaRiferimento(risultato);
        p->ImpostaVincenti(modoSpoglio && s.Posti[0].Vincente, modoSpoglio && s.Posti[1].Vincente);
    }
}

QHBoxLayout* PulsantiOkAiuto(QDialog& dialogo, const QString& argomento) {
    auto* ok = new QPushButton("OK", &dialogo);
    ok->setObjectName("OK");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialogo, &QDialog::accept);
    auto* aiuto = new QPushButton("Aiuto", &dialogo);
    aiuto->setObjectName("Aiuto");
    QObject::connect(aiuto, &QPushButton::clicked, &dialogo,
                     [&dialogo, argomento] { MostraAiuto(&dialogo, argomento); });
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(ok);
    riga->addWidget(aiuto);
    return riga;
}

}  // namespace sirvela
