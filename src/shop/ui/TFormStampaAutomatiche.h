#pragma once
#include <QDialog>
#include <QRadioButton>

#include "core/Interfacce.h"
#include "printing/ui/EseguiStampa.h"
#include "shop/GeneraSchedine.h"

namespace sirvela {

class TDatiSistema;

// "Stampa schedine" of "Genera e Stampa": the orientation, starting from the stored one, and
// the print of the generated tickets. A completed print keeps the orientation and writes the
// settings.
class TFormStampaAutomatiche : public QDialog {
    Q_OBJECT
  public:
    TFormStampaAutomatiche(TDatiSistema& dati, TSchedineDaStampare schedine, IMessaggi& messaggi,
                           ISceltaFile& scelta, QWidget* parent = nullptr);

    TEsitoStampa Stampa(TModoStampa modo);

    QRadioButton* Verticale() const { return verticale_; }
    QRadioButton* Orizzontale() const { return orizzontale_; }
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }

  private:
    TDatiSistema& dati_;
    TSchedineDaStampare schedine_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;

    QRadioButton* verticale_;
    QRadioButton* orizzontale_;
    TPulsantiStampa* pulsanti_;
};

}  // namespace sirvela
