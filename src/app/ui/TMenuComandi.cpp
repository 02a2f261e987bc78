#include "app/ui/TMenuComandi.h"

#include <QMenuBar>

#include "app/ui/TFormPrincipale.h"

namespace sirvela {

TMenuComandi::TMenuComandi(TFormPrincipale& finestra, const QString& titolo, const QString& nome)
    : QObject(&finestra), finestra_(finestra) {
    menu_ = finestra.menuBar()->addMenu(titolo);
    menu_->setObjectName(nome);
}

TMenuComandi::~TMenuComandi() = default;

QAction* TMenuComandi::Voce(const QString& nome, const QString& testo,
                            std::function<void()> comando, const QKeySequence& tasto, QMenu* dove) {
    auto* a = new QAction(testo, &finestra_);
    a->setObjectName(nome);
    if (!tasto.isEmpty()) a->setShortcut(tasto);
    connect(a, &QAction::triggered, this, [this, comando = std::move(comando)] {
        // While a development runs on its thread nothing else may touch the document.
        if (!finestra_.ComandiSospesi()) comando();
    });
    (dove ? dove : menu_)->addAction(a);
    finestra_.RegistraAzione(a);
    return a;
}

QMenu* TMenuComandi::Sottomenu(const QString& titolo, const QString& nome) {
    QMenu* m = menu_->addMenu(titolo);
    m->setObjectName(nome);
    return m;
}

}  // namespace sirvela
