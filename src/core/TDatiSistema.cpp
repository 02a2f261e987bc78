#include "core/TDatiSistema.h"

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Globali.h"

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

TPilotiInGioco TDatiSistema::PilotiInGioco() const {
    return {NumeroPiloti, PilotaEscluso};
}

TPronostico TDatiSistema::PronosticoInGioco() const {
    return sirvela::PronosticoInGioco(Pronostico, PilotiInGioco());
}

}  // namespace sirvela
