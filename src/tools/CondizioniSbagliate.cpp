#include "tools/CondizioniSbagliate.h"

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"
#include "tools/TSpoglio.h"

namespace sirvela {

std::vector<TCondizioneSbagliata> CondizioniSbagliate(TDatiSistema& dati,
                                                      const TColonna& risultato) {
    TInsiemeCondizioni& insieme = *dati.Condizioni;
    // The same preparation as a development, so the conditions in play are the current ones.
    insieme.Prepara(true);
    dati.Recuperi->Esamina();
    dati.Recuperi->AggiornaStato();

    insieme.ListaErrori.clear();
    if (FuoriPronostico(risultato, dati.Pronostico))
        insieme.ListaErrori.push_back(TErrore{nullptr, 0, 1});
    insieme.Verifica(risultato);
    insieme.RaccogliErrori = false;

    std::vector<TCondizioneSbagliata> righe;
    for (const auto& e : insieme.ListaErrori)
        righe.push_back(
            {TestoCondizioneSbagliata(e.TipoErrore, e.Condizione ? e.Condizione->Nome : ""),
             e.Condizione, e.TipoErrore, e.Indice});
    insieme.ListaErrori.clear();
    return righe;
}

}  // namespace sirvela
