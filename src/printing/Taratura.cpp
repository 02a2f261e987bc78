#include "printing/Taratura.h"

#include "core/FlussoBinario.h"

namespace sirvela {
namespace {

template <typename Valori, typename Fn>
bool PerOgniValore(Valori& v, Fn&& fn) {
    for (auto& set : v)
        for (double* d :
             {&set.XPrimaCol, &set.YPrimaCol, &set.DistanzaSegniOriz, &set.DistanzaSegniVert,
              &set.ScrittaX, &set.ScrittaY, &set.DistanzaColOriz, &set.DistanzaColVert,
              &set.LarghezzaOvale, &set.AltezzaOvale})
            if (!fn(*d)) return false;
    return true;
}

}  // namespace

bool TTaratura::Salva(TScrittore& s) const {
    if (!(s.ScriviBool(StampaScritta) && s.ScriviBool(Orizzontale) && s.ScriviBool(Ulteriore)))
        return false;
    auto copia = Valori;
    return PerOgniValore(copia, [&](double& d) { return s.ScriviDouble(d); });
}

bool TTaratura::Carica(TLettore& l) {
    if (!(l.LeggiBool(StampaScritta) && l.LeggiBool(Orizzontale) && l.LeggiBool(Ulteriore)))
        return false;
    return PerOgniValore(Valori, [&](double& d) { return l.LeggiDouble(d); });
}

bool TImpTabulato::Salva(TScrittore& s) const {
    return s.ScriviI32(SpaziaturaOrizzontale) && s.ScriviI32(SpaziaturaVerticale) &&
           s.ScriviStringaCorta(Carattere.Nome) && s.ScriviI32(Carattere.Dimensione) &&
           s.ScriviU8(Carattere.Stile);
}

bool TImpTabulato::Carica(TLettore& l) {
    return l.LeggiI32(SpaziaturaOrizzontale) && l.LeggiI32(SpaziaturaVerticale) &&
           l.LeggiStringaCorta(Carattere.Nome) && l.LeggiI32(Carattere.Dimensione) &&
           l.LeggiU8(Carattere.Stile);
}

}  // namespace sirvela
