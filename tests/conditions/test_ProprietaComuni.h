#pragma once
// Small helpers shared by the tests of the condition kinds.
#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <vector>

#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"
#include "core/FlussoBinario.h"

namespace sirvela::test {

inline TColonna Col(std::initializer_list<int> v) {
    TColonna c{};
    int i = 0;
    for (int x : v) c[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(x);
    return c;
}

// Marks values of one table as accepted (Stato 1).
inline void Ammetti(TTabellaValori& t, std::initializer_list<int> valori) {
    for (int v : valori) t.Voci[static_cast<std::size_t>(v)] = {1, 0};
}
inline void AmmettiDa(TTabellaValori& t, int da, int a) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)] = {1, 0};
}

// The values of every category, as pairs.
inline std::vector<std::pair<int, int>> Valori(const TCondizione& c, const TColonna& col) {
    TValoriColonna v;
    c.CalcolaValori(col, v);
    std::vector<std::pair<int, int>> r;
    for (int i = 0; i < v.Quante; ++i)
        r.emplace_back(v.Valori[static_cast<std::size_t>(i)].Principale,
                       v.Valori[static_cast<std::size_t>(i)].Secondario);
    return r;
}

// Eight different pilots out of 1..piloti.
inline TColonna ColonnaCasuale(std::mt19937& caso, int piloti = 25) {
    std::vector<int> tutti(static_cast<std::size_t>(piloti));
    std::iota(tutti.begin(), tutti.end(), 1);
    std::shuffle(tutti.begin(), tutti.end(), caso);
    TColonna c{};
    for (std::size_t i = 0; i < 8; ++i) c[i] = static_cast<std::uint8_t>(tutti[i]);
    return c;
}

// The record a condition writes, type byte included.
inline std::vector<std::uint8_t> Record(const TCondizione& c) {
    TScrittore s;
    EXPECT_TRUE(c.Salva(s));
    return s.Dati();
}

}  // namespace sirvela::test
