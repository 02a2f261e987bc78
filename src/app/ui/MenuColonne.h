#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "C&olonne": the tools that read, save and combine columns.
class TMenuColonne : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuColonne(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoSalva();

  private:
    QAction* salva_;
};

}  // namespace sirvela
