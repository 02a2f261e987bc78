#include "development/SviluppoSistema.h"

#include <algorithm>
#include <limits>

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"

namespace sirvela {

void TTestCondizioni::Prepara() {
    condizioni_.AzzeraTutteStatistiche();
    condizioni_.Prepara(false);
    recuperi_.Esamina();
    recuperi_.AzzeraStatistiche();
    recuperi_.AggiornaStato();
}

bool TTestCondizioni::Verifica(const TColonna& c) {
    return condizioni_.Verifica(c);
}

namespace {

std::int32_t In32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void SviluppaSistema(T_Sistema& sistema, const TServiziSviluppo& servizi, TEsitoSviluppo& esito) {
    TDatiSistema& d = sistema.Dati;
    TDatiSviluppo dati;
    dati.Pronostico = &d.Pronostico;
    dati.Sorgente = d.Sorgente;
    dati.Impostazioni = d.ImpSviluppo;
    dati.Prezzi = d.Prezzi;
    dati.Partecipanti = sistema.NumPartecipanti;
    TTestCondizioni test(*d.Condizioni, *d.Recuperi);
    TServiziSviluppo s = servizi;
    s.Test = &test;
    auto riporta = [&] {
        if (!esito.Avviato) return;
        d.Sviluppato = true;
        d.ColonneSviluppate = In32(esito.ColonneSviluppate);
        sistema.ContaAmmesse = In32(esito.ContaAmmesse);
    };
    try {
        SviluppaSistema(d.Colonne, dati, s, esito);
    } catch (...) {
        riporta();
        throw;
    }
    riporta();
}

}  // namespace sirvela
