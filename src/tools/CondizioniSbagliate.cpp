#include "tools/CondizioniSbagliate.h"

#include <memory>
#include <utility>

#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"
#include "tools/TSpoglio.h"

namespace sirvela {

namespace {

// The link groups that refuse the recovery errors the result collected, then the overall
// count: such a result would not have been developed even when every condition accepts it.
void LinkSbagliate(const TGestoreLink& link, std::vector<TCondizioneSbagliata>& righe) {
    std::uint32_t totale = 0;
    for (const char lettera : link.LettereInUso) {
        const TGruppoLink* g = link.Gruppo(lettera);
        if (!g) continue;
        totale += g->Errori;
        if (!g->ErroriAmmessi.Accetta(static_cast<int>(g->Errori), 0))
            righe.push_back({std::string("Link ") + lettera, nullptr, kErroreLink, 0});
    }
    if (!link.ErroriAmmessiTotali.Accetta(static_cast<int>(totale), 0))
        righe.push_back({"Tra Tutte Le Link", nullptr, kErroreLink, 0});
}

}  // namespace

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
    // Counted by the test above for every condition in play, also when one rejected.
    LinkSbagliate(*dati.Recuperi, righe);
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
