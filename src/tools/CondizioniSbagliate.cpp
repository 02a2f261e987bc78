#include "tools/CondizioniSbagliate.h"

#include <memory>
#include <utility>

#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"
#include "tools/TSpoglio.h"

namespace sirvela {

std::vector<TCondizioneSbagliata> CondizioniSbagliate(TDatiSistema& dati,
                                                      const TColonna& risultato) {
    TInsiemeCondizioni& insieme = *dati.Condizioni;
    // The link groups count on a copy of their tables: the examination and the statistics of
    // the system's own manager stay those of the last development, which the analysis of the
    // recoveries shows.
    auto copia = std::make_unique<TGestoreLink>(&dati);
    copia->CopiaDa(*dati.Recuperi);
    std::swap(copia, dati.Recuperi);
    struct TRimetti {
        std::unique_ptr<TGestoreLink>& a;
        std::unique_ptr<TGestoreLink>& b;
        ~TRimetti() { std::swap(a, b); }
    } rimetti{copia, dati.Recuperi};

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

TCondizione* CondizioneDaAprire(TInsiemeCondizioni& insieme, TCondizione* condizione) {
    if (!condizione) return nullptr;
    for (int slot = kGruppoDistanzeSpecifiche; slot <= kGruppoColonneFiltro; ++slot)
        if (auto* g = dynamic_cast<TCondGruppo*>(insieme.Condizione(slot)))
            for (const auto& m : g->Membri)
                if (m.get() == condizione) return g;
    return condizione;
}

}  // namespace sirvela
