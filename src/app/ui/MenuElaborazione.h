#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Elaborazione": the development settings and "Calcolo Colonne".
class TMenuElaborazione : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuElaborazione(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoImpostazioni();
    void ComandoCalcoloColonne();

  private:
    QAction* calcolo_;
};

}  // namespace sirvela
