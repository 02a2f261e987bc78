#pragma once
#include <QTabWidget>

#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

// "Vortice Pari Dispari" (menu "Vortici"): page "Diretto" with "PtPosizioneD" and "PtBracciD",
// page "Inverso" with "PtPosizioneI" and "PtBracciI"; the "Posizione" editors also give the
// range of positions ("Campo") the vortex walks.
class TFrmBlackHall : public TFrmCondizione {
    Q_OBJECT
  public:
    explicit TFrmBlackHall(IMessaggi& messaggi, QWidget* parent = nullptr);
    QTabWidget* Pagine() const { return pagine_; }
    // The statistics of the vortex whose page is shown.
    TParametriAnalisi ParametriAnalisi() const override {
        TParametriAnalisi p;
        p.VorticeInverso = pagine_->currentIndex() == 1;
        return p;
    }

  private:
    QTabWidget* pagine_;
};

}  // namespace sirvela
