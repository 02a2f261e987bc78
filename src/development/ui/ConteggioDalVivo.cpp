#include "development/ui/ConteggioDalVivo.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

#include "core/TDatiSistema.h"
#include "widgets/Conversioni.h"

namespace sirvela {

IFonteConteggio* FonteConteggio(const QObject* o) {
    for (QObject* p = o ? o->parent() : nullptr; p; p = p->parent())
        if (auto* f = dynamic_cast<IFonteConteggio*>(p)) return f;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------

TConteggioQt::TConteggioQt(QObject* parent) : QObject(parent) {
    motore_ = std::make_unique<TConteggioDalVivo>(
        [this](std::uint64_t richiesta, const TEsitoConteggio& esito) {
            // On the counting thread: the result crosses to this object's thread, where a
            // newer request may have come in the meantime.
            QMetaObject::invokeMethod(
                this,
                [this, richiesta, esito] {
                    if (richiesta != richiesta_) return;
                    ultimo_ = esito;
                    richiestaUltimo_ = richieste_;
                    finito_ = esito.Esatto || !esito.Errore.empty();
                    emit Risultato(esito);
                },
                Qt::QueuedConnection);
        });
}

TConteggioQt::~TConteggioQt() {
    // The counting thread ends before this object does.
    motore_.reset();
}

bool TConteggioQt::Richiedi(std::unique_ptr<TDatiSistema> copia) {
    if (!copia) {
        Annulla();
        return false;
    }
    std::vector<std::uint8_t> impronta = ImprontaConteggio(*copia);
    if (richiesta_ != 0 && impronta == impronta_) return false;
    impronta_ = std::move(impronta);
    ultimo_.reset();
    finito_ = false;
    ++richieste_;
    richiesta_ = motore_->Richiedi(std::move(copia));
    return true;
}

void TConteggioQt::Sospendi() {
    if (richiesta_ != 0 && !finito_) Annulla();
}

void TConteggioQt::Annulla() {
    motore_->Annulla();
    richiesta_ = 0;
    impronta_.clear();
    ultimo_.reset();
}

// ---------------------------------------------------------------------------------------------

TRigaConteggio::TRigaConteggio(std::function<std::unique_ptr<TDatiSistema>()> copia,
                               QWidget* dialogo)
    : QLabel(dialogo), copia_(std::move(copia)), dialogo_(dialogo) {
    setObjectName("RigaConteggio");
    hide();
    pausa_.setSingleShot(true);
    pausa_.setInterval(kPausaMs);
    connect(&pausa_, &QTimer::timeout, this, &TRigaConteggio::Aggiorna);
    connect(&conteggio_, &TConteggioQt::Risultato, this, &TRigaConteggio::Mostra);
    dialogo->installEventFilter(this);
}

void TRigaConteggio::Aggiorna() {
    std::unique_ptr<TDatiSistema> c = copia_ ? copia_() : nullptr;
    if (!c) {
        conteggio_.Annulla();
        hide();
        return;
    }
    show();
    if (!conteggio_.Richiedi(std::move(c))) return;
    if (!improntaPrima_) improntaPrima_ = conteggio_.Impronta();
    if (text().isEmpty()) setText(QS("Con queste impostazioni: " + std::string(kConteggioInCorso)));
}

void TRigaConteggio::Mostra(const TEsitoConteggio& e) {
    // Counted again after a pause, the values the dialog opened with are still the reference.
    const bool iniziale = conteggio_.Impronta() == *improntaPrima_;
    if (iniziale) prima_ = e;
    setText(QS(TestoConteggioDialogo(e, !iniziale && prima_ ? &*prima_ : nullptr)));
}

bool TRigaConteggio::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
        case QEvent::Show:
            if (o != dialogo_) break;
            // Every edit is some input on the dialog or on what it opened (its pop-up
            // menus): a pause after the last one starts a count.
            if (!osserva_) qApp->installEventFilter(this);
            osserva_ = true;
            Aggiorna();
            break;
        case QEvent::Hide:
            if (o != dialogo_) break;
            pausa_.stop();
            conteggio_.Annulla();
            if (osserva_) qApp->removeEventFilter(this);
            osserva_ = false;
            break;
        case QEvent::WindowActivate:
            // Back from a window it opened (a file loaded, a member edited).
            if (o == dialogo_) pausa_.start();
            break;
        case QEvent::WindowDeactivate:
            // A dialog opened from this one counts alone meanwhile.
            if (o == dialogo_ && QApplication::activeModalWidget() != dialogo_)
                conteggio_.Sospendi();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            for (QObject* p = o; p; p = p->parent()) {
                if (p == dialogo_) {
                    pausa_.start();
                    break;
                }
                // The input of another dialog opened from this one is that dialog's.
                if (qobject_cast<QDialog*>(p)) break;
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace sirvela
