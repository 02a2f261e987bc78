#include "tools/ui/EsecuzioneStrumenti.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QThread>
#include <exception>
#include <thread>

#include "app/ui/TFormAiuto.h"

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

QHBoxLayout* TDialogoConLavoro::CreaPulsanti(const QString& avvio, const QString& argomento) {
    auto pulsante = [this](const QString& testo) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(testo);
        return p;
    };
    avvio_ = pulsante(avvio);
    interrompi_ = pulsante("Interrompi");
    chiudi_ = pulsante("Chiudi");
    aiuto_ = pulsante("Aiuto");
    avvio_->setDefault(true);
    interrompi_->setEnabled(false);
    connect(interrompi_, &QPushButton::clicked, this, [this] { annulla_.Richiedi(); });
    connect(chiudi_, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto_, &QPushButton::clicked, this,
            [this, argomento] { MostraAiuto(this, argomento); });
    auto* riga = new QHBoxLayout;
    riga->addWidget(avvio_);
    riga->addWidget(interrompi_);
    riga->addStretch();
    riga->addWidget(chiudi_);
    riga->addWidget(aiuto_);
    return riga;
}

void TDialogoConLavoro::ImpostaInCorso(bool si) {
    inCorso_ = si;
    for (QPushButton* p : {avvio_, chiudi_, aiuto_})
        if (p) p->setEnabled(!si);
    if (interrompi_) interrompi_->setEnabled(si);
}

void TDialogoConLavoro::EseguiLavoro(const std::function<void()>& lavoro) {
    annulla_.Azzera();
    ImpostaInCorso(true);
    try {
        EseguiInSottofondo(lavoro);
    } catch (...) {
        ImpostaInCorso(false);
        throw;
    }
    ImpostaInCorso(false);
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
