#include "tools/CondizioniSbagliate.h"

#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"
#include "tools/TSpoglio.h"

namespace sirvela {

std::vector<TCondizioneSbagliata> CondizioniSbagliate(TDatiSistema& dati,
                                                      const TColonna& risultato) {
    TInsiemeCondizioni& insieme = *dati.Condizioni;
    // The same preparation as a development, so the conditions in play are the current ones.
    insieme.AggiornaTutte();
    insieme.CostruisciAttive();
    dati.Recuperi->Esamina();
    dati.Recuperi->AggiornaStato();

    insieme.RaccogliErrori = true;
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

TCondizione* CondizioneDaAprire(TInsiemeCondizioni& insieme, TCondizione* condizione) {
    if (!condizione) return nullptr;
    for (int slot = kGruppoDistanzeSpecifiche; slot <= kGruppoColonneFiltro; ++slot)
        if (auto* g = dynamic_cast<TCondGruppo*>(insieme.Condizione(slot)))
            for (const auto& m : g->Membri)
                if (m.get() == condizione) return g;
    return condizione;
}

}  // namespace sirvela
