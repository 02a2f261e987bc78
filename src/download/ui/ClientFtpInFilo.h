#pragma once
#include <QObject>
#include <functional>
#include <mutex>

#include "download/ClientFtp.h"

namespace sirvela {

// Carries the bytes received from the transfer's thread to the window's: only the latest
// count waits, and at most one delivery is queued.
class TPonteAvanzamento : public QObject, public IAvanzamentoFtp {
    Q_OBJECT
  public:
    explicit TPonteAvanzamento(IAvanzamentoFtp* destinazione) : destinazione_(destinazione) {}
    void Ricevuti(std::uint64_t ricevuti, std::uint64_t totale) override;  // any thread
    void Consegna();                                                       // window's thread

  private:
    IAvanzamentoFtp* destinazione_;
    std::mutex mutex_;
    std::uint64_t ricevuti_ = 0, totale_ = 0;
    bool nuovo_ = false, inCoda_ = false;
};

// A client whose calls run on a thread of their own while this thread goes on handling its
// windows, so they stay painted and "Annulla" can be pressed. The caller keeps everything
// else from starting meanwhile.
class TClientFtpInFilo : public IClientFtp {
  public:
    explicit TClientFtpInFilo(IClientFtp& reale) : reale_(reale) {}
    TEsitoFtp Connetti(const std::string& host, int porta) override;
    TEsitoFtp Scarica(const std::string& cartella, const std::string& file, TScrittore& locale,
                      IAvanzamentoFtp* avanzamento) override;
    void Disconnetti() override;

  private:
    void Esegui(const std::function<void()>& lavoro);

    IClientFtp& reale_;
};

}  // namespace sirvela
