#include "printing/Taratura.h"

#include "core/FlussoBinario.h"

namespace sirvela {
namespace {

template <typename Fn>
bool PerOgniValore(std::array<TValoriTaratura, 2>& v, Fn&& fn) {
    for (auto& set : v)
        for (double* d : set.Campi())
            if (!fn(*d)) return false;
    return true;
}

// A field cut short keeps its previous value: half a double or half a name is worse than
// the default.
template <typename T, typename Leggi>
bool Intero(T& campo, Leggi&& leggi) {
    T letto = campo;
    if (!leggi(letto)) return false;
    campo = std::move(letto);
    return true;
}

}  // namespace

bool TTaratura::Salva(TScrittore& s) const {
    if (!(s.ScriviBool(StampaScritta) && s.ScriviBool(Orizzontale) && s.ScriviBool(Ulteriore)))
        return false;
    auto valori = Valori;
    return PerOgniValore(valori, [&](const double& d) { return s.ScriviDouble(d); });
}

bool TTaratura::Carica(TLettore& l) {
    auto flag = [&](bool& b) { return Intero(b, [&](bool& v) { return l.LeggiBool(v); }); };
    if (!(flag(StampaScritta) && flag(Orizzontale) && flag(Ulteriore))) return false;
    return PerOgniValore(
        Valori, [&](double& d) { return Intero(d, [&](double& v) { return l.LeggiDouble(v); }); });
}

bool TImpTabulato::Salva(TScrittore& s) const {
    return s.ScriviI32(SpaziaturaOrizzontale) && s.ScriviI32(SpaziaturaVerticale) &&
           s.ScriviStringaCorta(Carattere.Nome) && s.ScriviI32(Carattere.Dimensione) &&
           s.ScriviU8(Carattere.Stile);
}

bool TImpTabulato::Carica(TLettore& l) {
    auto i32 = [&](std::int32_t& c) {
        return Intero(c, [&](std::int32_t& v) { return l.LeggiI32(v); });
    };
    return i32(SpaziaturaOrizzontale) && i32(SpaziaturaVerticale) &&
           Intero(Carattere.Nome, [&](std::string& v) { return l.LeggiStringaCorta(v); }) &&
           i32(Carattere.Dimensione) &&
           Intero(Carattere.Stile, [&](std::uint8_t& v) { return l.LeggiU8(v); });
}

}  // namespace sirvela
