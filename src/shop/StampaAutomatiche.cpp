#include "shop/StampaAutomatiche.h"

namespace sirvela {

bool StampaSchedineAutomatiche(TmmPrinter& p, const TSchedineDaStampare& schedine,
                               const TTaratura& t, TOpzioniSchedine o,
                               TControlloStampa& controllo) {
    o.Automatiche = true;
    if (!schedine.Semplici.Vuota() && !StampaSchedine(p, schedine.Semplici, t, o, controllo))
        return false;
    const auto quante = static_cast<std::int64_t>(schedine.Sistemi.size());
    for (std::int64_t i = 0; i < quante; ++i) {
        if (controllo.Annullata()) return false;
        const TSchedinaSistema& s = schedine.Sistemi[static_cast<std::size_t>(i)];
        StampaSchedinaSistema(p, s.Fissa, s.Variabili, t, o);
        controllo.Avanzamento(i + 1, quante);
    }
    return true;
}

}  // namespace sirvela
