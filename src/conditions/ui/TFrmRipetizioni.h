#pragma once
#include <QLabel>
#include <QRadioButton>

#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

// "Ripetizioni": "Pt1Prec" and "Pt2Prec" against the last two archived results, "Tipo" with
// " Numeriche" and " Pari Dispari", and the line saying when the archive lacks the results.
class TFrmRipetizioni : public TFrmCondizione {
    Q_OBJECT
  public:
    explicit TFrmRipetizioni(IMessaggi& messaggi, QWidget* parent = nullptr);
    QRadioButton* Numeriche() const { return numeriche_; }
    QRadioButton* PariDispari() const { return pariDispari_; }
    QLabel* Avviso() const { return avviso_; }

  protected:
    void AggiornaParametri() override;
    void AcquisisceParametri() override;

  private:
    QRadioButton* numeriche_;
    QRadioButton* pariDispari_;
    QLabel* avviso_;
};

}  // namespace sirvela
