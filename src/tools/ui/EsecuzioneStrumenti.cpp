#include "tools/ui/EsecuzioneStrumenti.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QThread>
#include <exception>
#include <thread>

namespace sirvela {

void EseguiInSottofondo(const std::function<void()>& lavoro) {
    std::exception_ptr errore;
    QEventLoop attesa;
    std::thread t([&] {
        try {
            lavoro();
        } catch (...) {
            errore = std::current_exception();
        }
        // Queued: the loop may not have started yet, and it quits once it has.
        QMetaObject::invokeMethod(&attesa, &QEventLoop::quit, Qt::QueuedConnection);
    });
    attesa.exec();
    t.join();
    if (errore) std::rethrow_exception(errore);
}

void TPonteProgresso::SulThreadDellaFinestra(const std::function<void()>& f) {
    if (QThread::currentThread() == thread())
        f();
    else
        QMetaObject::invokeMethod(this, f, Qt::BlockingQueuedConnection);
}

void TPonteProgresso::Avanzamento(int percento) {
    SulThreadDellaFinestra([this, percento] { emit AvanzamentoCambiato(percento); });
}

void TPonteProgresso::FileCreati(int quanti) {
    SulThreadDellaFinestra([this, quanti] { emit FileCreatiCambiati(quanti); });
}

void TDialogoConLavoro::reject() {
    if (!inCorso_) QDialog::reject();
}

void TDialogoConLavoro::closeEvent(QCloseEvent* e) {
    if (inCorso_)
        e->ignore();
    else
        QDialog::closeEvent(e);
}

}  // namespace sirvela
