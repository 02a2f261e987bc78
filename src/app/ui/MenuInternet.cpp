#include "app/ui/MenuInternet.h"

#include <QApplication>

#include "app/ui/TFormPrincipale.h"
#include "core/Globali.h"
#include "download/ui/ClientFtpInFilo.h"
#include "download/ui/TFormDownload.h"

namespace sirvela {

TMenuInternet::TMenuInternet(TFormPrincipale& f)
    : TMenuComandi(f, "&Internet", "MenuInternet"), download_(new TFormDownload(&f)) {
    Voce("AggiornamentoArchivi", "Aggiornamento Archivi",
         [this] { ComandoAggiorna(TModoDownload::Archivi); });
    Voce("AggiornamentoPiloti", "Aggiornamento Piloti",
         [this] { ComandoAggiorna(TModoDownload::Piloti); });
#if SIRVELA_AGGIORNAMENTO_PROGRAMMA
    Voce("AggiornamentoSirvela", "Aggiornamento di Sirvela",
         [this] { ComandoAggiorna(TModoDownload::Programma); });
#endif
}

void TMenuInternet::ComandoAggiorna(TModoDownload modo) {
    TFormPrincipale& f = Finestra();
    // The hourglass while the description is fetched, until the window opens.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool attesa = true;
    auto finisciAttesa = [&attesa] {
        if (attesa) QApplication::restoreOverrideCursor();
        attesa = false;
    };
    const auto aperta = connect(download_, &TFormDownload::Aperta, this, finisciAttesa);
    // The window stays painted meanwhile; nothing else may start or touch the document.
    f.SospendiComandi(true);
    download_->Annullamento().Azzera();
    TClientFtpCurl reale(ftp_, &download_->Annullamento());
    TClientFtpInFilo client(reale);
    TDownload d(f.Sistema(), client, f.Messaggi(), download_);
    const TEsitoDownload esito = d.Aggiorna(modo);
    f.SospendiComandi(false);
    disconnect(aperta);
    finisciAttesa();
    if (!esito.Riuscito) return;
    if (modo == TModoDownload::Piloti) f.RidisegnaTutto();
#if SIRVELA_AGGIORNAMENTO_PROGRAMMA
    if (modo != TModoDownload::Programma) return;
    // The new program replaces this one once it has ended: the system is saved or dropped
    // first as on any exit, and staying on keeps the old program.
    if (!f.close()) {
        d.ScartaAggiornamento();
        return;
    }
    d.AvviaAggiornatore({"--cartella", CartellaProgramma.string()});
    QApplication::quit();
#endif
}

}  // namespace sirvela
