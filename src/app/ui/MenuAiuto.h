#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Help": the contents of the help and the "About" window.
class TMenuAiuto : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuAiuto(TFormPrincipale& f);
};

}  // namespace sirvela
