// A column of eight different pilots out of 23, drawn uniformly.
#pragma once
#include <array>
#include <random>
#include <utility>

#include "core/Colonna.h"

namespace sirvela {

inline TColonna ColonnaCasuale(std::mt19937_64& g) {
    std::array<std::uint8_t, 23> piloti;
    for (int i = 0; i < 23; ++i) piloti[i] = static_cast<std::uint8_t>(i + 1);
    TColonna c;
    for (int i = 0; i < 8; ++i) {
        std::swap(piloti[i], piloti[i + g() % (23 - i)]);
        c[i] = piloti[i];
    }
    return c;
}

}  // namespace sirvela
