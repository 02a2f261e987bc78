#pragma once
#include <QPushButton>

#include "app/ui/TMenuComandi.h"

namespace sirvela {

// "&Archivio": keeping the archive up to date, the condition viewer, the contests the
// statistics look at, restore and backup of the archive; and the main panel's "Archivio"
// (per-pilot statistics) and "Analisi" (pilot counts of the columns in memory) buttons.
class TMenuArchivio : public TMenuComandi {
    Q_OBJECT
  public:
    explicit TMenuArchivio(TFormPrincipale& f);
    void AggiornaStato(const TStatoComandi& s) override;

    void ComandoAggiornamento();
    void ComandoVisualizzaCondizioni();
    void ComandoImpostazioniDiRicerca();
    void ComandoRipristino();
    void ComandoBackup();
    void ComandoStatistichePiloti();
    void ComandoFrequenzeColonne();

    QPushButton* PulsanteArchivio() const { return archivio_; }
    QPushButton* PulsanteAnalisi() const { return analisi_; }

  private:
    QPushButton* archivio_;
    QPushButton* analisi_;
};

}  // namespace sirvela
