#pragma once
#include <QComboBox>
#include <QDialog>

#include "core/Interfacce.h"
#include "printing/ui/EseguiStampa.h"
#include "tools/TSpoglio.h"

namespace sirvela {

class TPannelliSchedine;

// "Visualizzazione Schedine Vincenti": the slips holding a column with the chosen score.
class TFormSchedineVincenti : public QDialog {
    Q_OBJECT
  public:
    TFormSchedineVincenti(const TSpoglio& spoglio, IMessaggi& messaggi, ISceltaFile& scelta,
                          QWidget* parent = nullptr);

    // "&Stampa": the numbers of the slips shown for the chosen score.
    TEsitoStampa Stampa(TModoStampa modo);

    const TSchedineVincenti& Modello() const { return modello_; }
    QComboBox* Punti() const { return punti_; }
    TPannelliSchedine* Pannelli() const { return pannelli_; }
    TPulsantiStampa* PulsantiStampa() const { return stampa_; }

  private:
    void PuntiCambiati(int indice);
    void MostraDa(int posizione);

    TSchedineVincenti modello_;
    TColonna risultato_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    QComboBox* punti_;
    TPannelliSchedine* pannelli_;
    TPulsantiStampa* stampa_;
};

}  // namespace sirvela
