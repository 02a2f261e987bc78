#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "Im&postazioni": the pilot list and the general settings.
class TMenuImpostazioni : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuImpostazioni(TFormPrincipale& f);

    void ComandoListaPiloti();
    void ComandoVarie();
};

}  // namespace sirvela
