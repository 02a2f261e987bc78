#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Condizioni": one item per condition whose dialog exists, in the menu's order, each checked
// while its condition is in play (looked at every time the menu opens).
class TMenuCondizioni : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuCondizioni(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    // Opens the dialog of the condition in a slot of the set.
    void ComandoCondizione(int slot);

  private:
    void Spunta();
};

}  // namespace sirvela
