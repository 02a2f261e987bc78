#pragma once
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"

// Small bit helpers shared by the condition kinds: a column's positions as an 8-bit mask
// (bit i = position i + 1), so counts and longest runs become table lookups.
namespace sirvela::calcoli {

namespace dettaglio {
struct TabellaSerie {
    std::array<std::uint8_t, 256> v{};
    constexpr TabellaSerie() {
        for (int m = 0; m < 256; ++m) {
            int serie = 0, migliore = 0;
            for (int i = 0; i < 8; ++i) {
                serie = (m & (1 << i)) ? serie + 1 : 0;
                if (serie > migliore) migliore = serie;
            }
            v[m] = static_cast<std::uint8_t>(migliore);
        }
    }
};
inline constexpr TabellaSerie kSerie{};

// Set bits of a byte: without a CPU flag std::popcount is a library call on this path.
struct TabellaBit {
    std::array<std::uint8_t, 256> v{};
    constexpr TabellaBit() {
        for (int m = 0; m < 256; ++m)
            v[m] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(m)));
    }
};
inline constexpr TabellaBit kBit{};
}  // namespace dettaglio

// Longest run of consecutive set bits among the low eight.
inline int SerieMassima(unsigned maschera) {
    return dettaglio::kSerie.v[maschera & 0xFF];
}
inline int Conta(unsigned maschera) {
    return dettaglio::kBit.v[maschera & 0xFF];
}

// Bit i set when position i + 1 holds an even number (0 counts as even).
inline unsigned MascheraPari(const TColonna& c) {
    unsigned m = 0;
    for (int i = 0; i < 8; ++i) m |= static_cast<unsigned>((~c[i]) & 1u) << i;
    return m;
}

// Bit i set when the two rows hold the same byte at position i + 1.
inline unsigned MascheraUguali(const TColonna& a, const TColonna& b) {
    return sirvela::dettaglio::MascheraUguali(ComeParola(a), ComeParola(b));
}

// Bit i set where the byte at position i + 1 is not 0.
inline unsigned MascheraNonVuoti(const TColonna& c) {
    unsigned m = 0;
    for (int i = 0; i < 8; ++i) m |= static_cast<unsigned>(c[i] != 0) << i;
    return m;
}

// The test of one category on a value that may be missing (negative): an active category
// never accepts a missing value; an inactive one accepts everything.
inline bool Ammesso(const TValoriAmmessi& t, int principale, int secondario) {
    if (!t.Attivo) return true;
    if (principale < 0) return false;
    return t.Accetta(principale, secondario);
}

// Punti Tra contribution of one active category; a missing value adds nothing.
inline void Tra(const TValoriAmmessi& t, int principale, int secondario) {
    if (t.Attivo && principale >= 0) t.AggiungiTra(principale, secondario);
}

// A Campo made usable: both ends within 1..8, from not above to.
inline void CorreggiCampo(const TValoriAmmessi& v, int& da, int& a) {
    da = std::clamp(static_cast<int>(v.CampoDa), 1, 8);
    a = std::clamp(static_cast<int>(v.CampoA), 1, 8);
    if (da > a) std::swap(da, a);
}

// Appends one category's pair to the values of a column.
inline void Metti(TValoriColonna& v, int principale, int secondario) {
    if (v.Quante >= TValoriColonna::kMassimo) return;
    v.Valori[static_cast<std::size_t>(v.Quante++)] = {principale, secondario};
}

}  // namespace sirvela::calcoli
