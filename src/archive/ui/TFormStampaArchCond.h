#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>
#include <array>

#include "archive/VisualizzazioneArchivio.h"
#include "core/Interfacce.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

// "Stampa Archivio": the contests to print (archive ordinals) and the groups to show.
class TFormStampaArchCond : public QDialog {
    Q_OBJECT
  public:
    // The groups start as ticked in the viewer `vista`.
    TFormStampaArchCond(TDatiSistema& dati, const TVisualizzazioneArchivio& vista,
                        IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    QSpinBox* Iniziale() const { return iniziale_; }
    QSpinBox* Finale() const { return finale_; }
    QCheckBox* Casella(int gruppo) const { return caselle_[static_cast<std::size_t>(gruppo)]; }
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }
    TEsitoStampa Stampa(TModoStampa modo);

  private:
    TVisualizzazioneArchivio vista_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    QSpinBox* iniziale_;
    QSpinBox* finale_;
    std::array<QCheckBox*, kGruppiVista> caselle_{};
    TPulsantiStampa* pulsanti_ = nullptr;
};

}  // namespace sirvela
