#pragma once
// Helpers shared by the tests of the framework, the links, Punti Tra and Quadri.
#include <memory>
#include <vector>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"
#include "test_ProprietaComuni.h"

namespace sirvela::test {

// The preparation the development does before testing columns.
inline void Prepara(TDatiSistema& dati) {
    auto& insieme = *dati.Condizioni;
    insieme.AzzeraTutteStatistiche();
    insieme.AggiornaTutte();
    insieme.CostruisciAttive();
    insieme.RaccogliErrori = false;
    dati.Recuperi->Esamina();
    dati.Recuperi->AzzeraStatistiche();
    dati.Recuperi->AggiornaStato();
}

template <typename T>
T& Slot(TDatiSistema& dati, int slot) {
    return dynamic_cast<T&>(*dati.Condizioni->Condizione(slot));
}

inline std::vector<std::uint8_t> RecordInsieme(const TDatiSistema& dati) {
    TScrittore s;
    EXPECT_TRUE(dati.Condizioni->Salva(s));
    return s.Dati();
}

// A Resti member accepting the given remainders.
inline std::unique_ptr<TCondResti> Resto(TDatiSistema& dati, int divisore,
                                         std::initializer_list<int> ammessi) {
    auto r = std::make_unique<TCondResti>(&dati);
    r->Divisore = divisore;
    Ammetti(r->Resto.Principale, ammessi);
    return r;
}

}  // namespace sirvela::test
