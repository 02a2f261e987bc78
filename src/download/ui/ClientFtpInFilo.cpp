#include "download/ui/ClientFtpInFilo.h"

#include <QEventLoop>
#include <thread>

namespace sirvela {

void TPonteAvanzamento::Ricevuti(std::uint64_t ricevuti, std::uint64_t totale) {
    std::lock_guard blocco(mutex_);
    ricevuti_ = ricevuti;
    totale_ = totale;
    nuovo_ = true;
    if (inCoda_) return;
    inCoda_ = true;
    QMetaObject::invokeMethod(this, &TPonteAvanzamento::Consegna, Qt::QueuedConnection);
}

void TPonteAvanzamento::Consegna() {
    std::uint64_t ricevuti, totale;
    {
        std::lock_guard blocco(mutex_);
        inCoda_ = false;
        if (!nuovo_) return;
        nuovo_ = false;
        ricevuti = ricevuti_;
        totale = totale_;
    }
    if (destinazione_) destinazione_->Ricevuti(ricevuti, totale);
}

void TClientFtpInFilo::Esegui(const std::function<void()>& lavoro) {
    QEventLoop attesa;
    std::thread filo([&] {
        lavoro();
        // Queued: the loop may not have started yet, and it quits once it has.
        QMetaObject::invokeMethod(&attesa, &QEventLoop::quit, Qt::QueuedConnection);
    });
    attesa.exec();
    filo.join();
}

TEsitoFtp TClientFtpInFilo::Connetti(const std::string& host, int porta) {
    TEsitoFtp r = TEsitoFtp::Errore;
    Esegui([&] { r = reale_.Connetti(host, porta); });
    return r;
}

TEsitoFtp TClientFtpInFilo::Scarica(const std::string& cartella, const std::string& file,
                                    TScrittore& locale, IAvanzamentoFtp* avanzamento) {
    TPonteAvanzamento ponte(avanzamento);
    TEsitoFtp r = TEsitoFtp::Errore;
    Esegui([&] { r = reale_.Scarica(cartella, file, locale, &ponte); });
    ponte.Consegna();
    return r;
}

void TClientFtpInFilo::Disconnetti() {
    Esegui([&] { reale_.Disconnetti(); });
}

}  // namespace sirvela
