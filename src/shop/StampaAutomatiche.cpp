#include "shop/StampaAutomatiche.h"

namespace sirvela {

std::string ControllaSchedineAutomatiche(const TSchedineDaStampare& schedine,
                                         const TPilotiInGioco& piloti) {
    if (auto errore = ControllaColonneStampabili(schedine.Semplici, piloti); !errore.empty())
        return errore;
    for (const TSchedinaSistema& s : schedine.Sistemi)
        if (auto errore = ControllaSchedinaSistema(s.Fissa, s.Variabili, piloti); !errore.empty())
            return errore;
    return {};
}

bool StampaSchedineAutomatiche(TmmPrinter& p, const TSchedineDaStampare& schedine,
                               const TTaratura& t, TOpzioniSchedine o,
                               TControlloStampa& controllo) {
    o.Automatiche = true;
    if (auto errore = ControllaSchedineAutomatiche(schedine, o.Piloti()); !errore.empty())
        throw TErroreStampa(errore);
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
