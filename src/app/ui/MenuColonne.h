#pragma once
#include "app/ui/ColonneStrumento.h"
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "C&olonne": the tools that read, check, save and combine columns.
class TMenuColonne : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuColonne(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoVisualizzazione(TOrigineColonne origine);
    void ComandoSpoglio(TOrigineColonne origine);
    // "Dettatura a Voce": the tickets of the columns read aloud.
    void ComandoDettatura(TOrigineColonne origine);
    void ComandoSalva();
    void ComandoConversione();
    void ComandoOperazioni();
    void ComandoEditor();

  private:
    QAction* visualizzaMemoria_;
    QAction* spoglioMemoria_;
    QAction* dettaturaDaMemoria_;
    QAction* salva_;
};

}  // namespace sirvela
