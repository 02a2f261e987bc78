#pragma once
#include <QObject>
#include <mutex>
#include <string>

#include "core/Interfacce.h"
#include "development/Sviluppo.h"

namespace sirvela {

class T_Sistema;
class TFrmSviluppo;

// Carries the engine's updates from the thread that runs the development to the window on
// its own thread. Only the latest content waits to be shown and at most one delivery is
// queued, so however fast the engine reports, the window's queue never fills up.
class TPonteSviluppo : public QObject, public ISviluppoOsservatore {
    Q_OBJECT
  public:
    explicit TPonteSviluppo(TFrmSviluppo& dialogo, QObject* parent = nullptr);

    // Any thread.
    void Aggiorna(const TQuadroSviluppo& quadro, unsigned parti) override;
    void Chiudi() override;

    // The window's thread: shows what is waiting, then closes the window when asked.
    void Consegna();
    int Consegne() const { return consegne_; }

  private:
    void Accoda();  // with the lock held

    TFrmSviluppo& dialogo_;
    std::mutex mutex_;
    TQuadroSviluppo quadro_;
    bool nuovo_ = false;
    bool chiudi_ = false;
    bool inCoda_ = false;
    int consegne_ = 0;
};

// The message box reached from the worker thread: the question or error is shown on the
// window's thread while the worker waits for the answer.
class TMessaggiPonte : public QObject, public IMessaggi {
    Q_OBJECT
  public:
    explicit TMessaggiPonte(IMessaggi& reale, QObject* parent = nullptr)
        : QObject(parent), reale_(reale) {}
    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override;
    void Errore(const std::string& testo) override;

  private:
    IMessaggi& reale_;
};

struct TEsecuzioneSviluppo {
    TEsitoSviluppo Esito;
    std::string Errore;  // the text to show when the run stopped on an error
};

// "Calcolo Colonne" on the document: the development runs on a worker thread while this
// thread keeps painting and handling the window (its "Annulla" included), and the call
// returns when the run is over with the window showing its end. Until then nothing else may
// touch the document. The result is the same as a direct call of the engine.
TEsecuzioneSviluppo EseguiSviluppo(T_Sistema& sistema, TFrmSviluppo& dialogo, IMessaggi& messaggi);

}  // namespace sirvela
