#include "app/ui/Risorse.h"

#include <QtGlobal>

static void InizializzaRisorseSirvela() {
    Q_INIT_RESOURCE(sirvela);
}

namespace sirvela {

void CaricaRisorse() {
    InizializzaRisorseSirvela();
}

}  // namespace sirvela
