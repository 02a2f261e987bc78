#include "app/ui/BarraStrumenti.h"

#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormPrincipale.h"

namespace sirvela {

void CreaBarraStrumenti(TFormPrincipale& f, QToolBar& barra) {
    int gruppo = -1;
    for (const TPulsanteBarra& p : kPulsantiBarra) {
        QAction* comando = p.Azione ? f.Azione(p.Azione) : nullptr;
        if (p.Azione && !comando) continue;
        if (gruppo >= 0 && p.Gruppo != gruppo) barra.addSeparator();
        gruppo = p.Gruppo;
        auto* a = new QAction(QIcon(QString(":/immagini/%1.png").arg(p.Icona)), p.Suggerimento, &f);
        a->setObjectName(p.Nome);
        a->setToolTip(p.Suggerimento);
        if (comando) {
            QObject::connect(a, &QAction::triggered, comando, &QAction::trigger);
            QObject::connect(comando, &QAction::enabledChanged, a, &QAction::setEnabled);
            a->setEnabled(comando->isEnabled());
        } else {
            // "Help" opens the topic of the main window.
            QObject::connect(a, &QAction::triggered, &f,
                             [&f] { MostraAiuto(&f, "finestra-principale"); });
        }
        barra.addAction(a);
        f.RegistraAzione(a);
    }
}

}  // namespace sirvela
