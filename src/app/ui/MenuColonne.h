#pragma once
#include "app/ui/ColonneStrumento.h"
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "C&olonne": the tools that read, save and combine columns.
class TMenuColonne : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuColonne(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoSalva();
    // "Dettatura a Voce": the tickets of the columns read aloud.
    void ComandoDettatura(TOrigineColonne origine);

  private:
    QAction* salva_;
    QAction* dettaturaDaMemoria_;
};

}  // namespace sirvela
