#pragma once
#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Elaborazione": the development settings, "Calcolo Colonne" and the conditioned analysis.
class TMenuElaborazione : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuElaborazione(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoImpostazioni();
    void ComandoCalcoloColonne();
    void ComandoAnalisiCondizionato();

  private:
    QAction* calcolo_;
    QAction* analisi_;
};

}  // namespace sirvela
