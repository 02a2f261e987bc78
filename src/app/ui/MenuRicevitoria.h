#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "Ricevitoria": the shop's automatic tickets and its own data.
class TMenuRicevitoria : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuRicevitoria(TFormPrincipale& f);

    void ComandoSchedineAutomatiche();
    void ComandoDatiRicevitoria();
};

}  // namespace sirvela
