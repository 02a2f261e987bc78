#pragma once
#include "app/ui/TMenuComandi.h"
#include "download/ClientFtp.h"
#include "download/TDownload.h"

namespace sirvela {

class TFormDownload;

// "&Internet": the archive, the pilot list and the program itself from the update server.
// A build whose updates come from the package manager has no program update. The download
// window lives as long as the main window.
class TMenuInternet : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuInternet(TFormPrincipale& f);

    void ComandoAggiorna(TModoDownload modo);

    TFormDownload* Dialogo() const { return download_; }
    // The transfer settings (the watchdog's limit among them).
    void ImpostaFtp(const TImpostazioniFtp& imp) { ftp_ = imp; }

  private:
    TFormDownload* download_;
    TImpostazioniFtp ftp_;
};

}  // namespace sirvela
