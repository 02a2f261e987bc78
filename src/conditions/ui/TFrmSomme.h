#pragma once
#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

// "Somme": one interval grid for each of the three sums.
class TFrmSomme : public TFrmCondizione {
    Q_OBJECT
  public:
    explicit TFrmSomme(IMessaggi& messaggi, QWidget* parent = nullptr);
};

}  // namespace sirvela
