#include "core/TDatiSistema.h"

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"

namespace sirvela {

TDatiSistema::TDatiSistema() {
    RicreaCondizioni();
}

TDatiSistema::~TDatiSistema() = default;

void TDatiSistema::RicreaCondizioni() {
    Condizioni.reset();
    Recuperi.reset();
    Condizioni = std::make_unique<TInsiemeCondizioni>(this);
    Recuperi = std::make_unique<TGestoreLink>(this);
}

}  // namespace sirvela
