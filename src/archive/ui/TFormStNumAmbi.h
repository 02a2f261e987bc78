#pragma once
#include <QDialog>
#include <QSpinBox>

#include "core/Interfacce.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class TGestoreRighe;

// "Stampa Numeri": which rows of the sorted per-pilot table to print.
class TFormStNumAmbi : public QDialog {
    Q_OBJECT
  public:
    TFormStNumAmbi(const TGestoreRighe& righe, IMessaggi& messaggi, ISceltaFile& scelta,
                   QWidget* parent = nullptr);

    QSpinBox* Dal() const { return dal_; }
    QSpinBox* Al() const { return al_; }
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }
    TEsitoStampa Stampa(TModoStampa modo);

  private:
    const TGestoreRighe& righe_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    QSpinBox* dal_;
    QSpinBox* al_;
    TPulsantiStampa* pulsanti_ = nullptr;
};

}  // namespace sirvela
