#pragma once
#include "app/ui/ColonneStrumento.h"
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "S&tampe": the calibration, the tickets from memory or from a file, the summary sheet and
// the printer set-up.
class TMenuStampe : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuStampe(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoTaratura();
    void ComandoSchedine(TOrigineColonne origine);
    void ComandoProspetto();

  private:
    QAction* daMemoria_;
};

}  // namespace sirvela
