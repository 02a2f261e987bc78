#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Sistemi": the system file, its comment and participants, and the way out.
class TMenuSistemi : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuSistemi(TFormPrincipale& f);

    void ComandoCommento();
    void ComandoPartecipanti();
};

}  // namespace sirvela
