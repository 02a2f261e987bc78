#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace sirvela {

class TGrafoCopertura;

// A lower bound of the columns of any cover meeting `requisiti`: the linear-programming
// relaxation of the reduction ("each column x_j between 0 and 1, each column i with at least
// r_i of them among its neighbours") solved from the side of its dual. Every multiplier
// vector y >= 0 met on the way proves, by itself, that no cover is smaller than
//     sum_i r_i y_i + sum_j min(0, 1 - sum_{i near j} y_i),
// so the best of them is a valid bound whenever the work stops.
struct TLimiteInferiore {
    double Valore = 0;         // the best of those sums
    std::int64_t Colonne = 0;  // rounded up: no cover has fewer columns
    // The smallest fractional cover met (0 = none yet): the relaxation's value lies between
    // Valore and it.
    double Tetto = 0;
    std::int64_t Iterazioni = 0;
};

// Runs up to `iterazioni` rounds on `fili` threads, fewer when the bound reaches `superiore`
// (the size of a known cover), when it can no longer change its rounding, or when `basta`
// says so (it is asked between rounds). `avanza` hears of every rise of the rounded bound.
// The result depends only on the graph, the requirements and the rounds made.
TLimiteInferiore LimiteInferiore(const TGrafoCopertura& g,
                                 const std::vector<std::uint8_t>& requisiti, std::int64_t superiore,
                                 std::int64_t iterazioni, int fili,
                                 const std::function<bool()>& basta,
                                 const std::function<void(const TLimiteInferiore&)>& avanza);

}  // namespace sirvela
