#include "development/ui/EsecuzioneSviluppo.h"

#include <QEventLoop>
#include <QThread>
#include <new>
#include <thread>

#include "core/Errore.h"
#include "development/SviluppoSistema.h"
#include "development/ui/TFrmSviluppo.h"

namespace sirvela {

TPonteSviluppo::TPonteSviluppo(TFrmSviluppo& dialogo, QObject* parent)
    : QObject(parent), dialogo_(dialogo) {}

void TPonteSviluppo::Accoda() {
    if (inCoda_) return;
    inCoda_ = true;
    QMetaObject::invokeMethod(this, &TPonteSviluppo::Consegna, Qt::QueuedConnection);
}

void TPonteSviluppo::Aggiorna(const TQuadroSviluppo& quadro, unsigned) {
    // The content is whole in every update, so the latest one is all the window needs.
    std::lock_guard blocco(mutex_);
    quadro_ = quadro;
    nuovo_ = true;
    Accoda();
}

void TPonteSviluppo::Chiudi() {
    std::lock_guard blocco(mutex_);
    chiudi_ = true;
    Accoda();
}

void TPonteSviluppo::Consegna() {
    TQuadroSviluppo quadro;
    bool nuovo, chiudi;
    {
        std::lock_guard blocco(mutex_);
        nuovo = nuovo_;
        chiudi = chiudi_;
        if (nuovo) quadro = quadro_;
        nuovo_ = chiudi_ = inCoda_ = false;
    }
    if (nuovo) {
        dialogo_.Mostra(quadro);
        ++consegne_;
    }
    if (chiudi) dialogo_.hide();
}

int TMessaggiPonte::Mostra(const std::string& titolo, const std::string& testo, int pulsanti) {
    if (QThread::currentThread() == thread()) return reale_.Mostra(titolo, testo, pulsanti);
    int risposta = 0;
    QMetaObject::invokeMethod(
        this, [&] { risposta = reale_.Mostra(titolo, testo, pulsanti); },
        Qt::BlockingQueuedConnection);
    return risposta;
}

void TMessaggiPonte::Errore(const std::string& testo) {
    if (QThread::currentThread() == thread()) return reale_.Errore(testo);
    QMetaObject::invokeMethod(
        this, [&] { reale_.Errore(testo); }, Qt::BlockingQueuedConnection);
}

TEsecuzioneSviluppo EseguiSviluppo(T_Sistema& sistema, TFrmSviluppo& dialogo, IMessaggi& messaggi) {
    TEsecuzioneSviluppo r;
    TPonteSviluppo ponte(dialogo);
    TMessaggiPonte messaggiPonte(messaggi);
    dialogo.ImpostaInCorso(true);
    TServiziSviluppo servizi;
    servizi.Osservatore = &ponte;
    servizi.Annullamento = &dialogo.Annullamento();
    servizi.Messaggi = &messaggiPonte;
    servizi.Fili = 0;  // the program setting

    QEventLoop attesa;
    std::thread lavoro([&] {
        try {
            SviluppaSistema(sistema, servizi, r.Esito);
        } catch (const TErroreSirvela& e) {
            r.Errore = e.what();
        } catch (const std::bad_alloc&) {
            r.Errore = kErroreMemoriaSviluppo;
        } catch (const std::exception& e) {
            r.Errore = e.what();
        } catch (...) {
            r.Errore = kErroreMemoriaSviluppo;
        }
        // Queued: the loop may not have started yet, and it quits once it has.
        QMetaObject::invokeMethod(&attesa, &QEventLoop::quit, Qt::QueuedConnection);
    });
    attesa.exec();
    lavoro.join();
    ponte.Consegna();
    dialogo.ImpostaInCorso(false);
    return r;
}

}  // namespace sirvela
