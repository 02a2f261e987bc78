#pragma once
#include <cstdint>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TListaColonne;

// Answers "does some column of a fixed list score at least the guarantee against this
// column?" without walking the whole list.
//
// A column scoring at least g disagrees on a set of positions weighing at most 101 - g.
// The index keeps the list bucketed by the bytes of a few position groups, chosen so that
// every such set of disagreements leaves at least one group untouched: a covering column
// then agrees with the query on that whole group and sits in the query's bucket for it.
// Only those buckets are scored. A group with no positions is one bucket holding the whole
// list, which is the plain walk.
class TIndiceCopertura {
  public:
    // Groups chosen for the expected number of queries.
    TIndiceCopertura(const TListaColonne& lista, int garanzia, std::int64_t interrogazioni);
    // Given groups (bit i = position i + 1); they must pass GruppiValidi.
    TIndiceCopertura(const TListaColonne& lista, int garanzia, std::vector<std::uint8_t> gruppi);

    bool Coperta(const TColonna& c) const;
    const std::vector<std::uint8_t>& Gruppi() const { return gruppi_; }

    // Every set of disagreements a covering column may have misses one of the groups.
    static bool GruppiValidi(int garanzia, const std::vector<std::uint8_t>& gruppi);
    // Few groups with small buckets for a list of n columns and q queries; the plain walk
    // when that looks cheaper or the buckets would take too much memory.
    static std::vector<std::uint8_t> ScegliGruppi(int garanzia, std::int64_t n, std::int64_t q,
                                                  int piloti);

  private:
    struct Gruppo {
        std::uint64_t maschera = 0;  // 0xFF in the bytes of the group's positions
        int bit = 0;                 // log2 of the bucket count
        std::vector<std::uint32_t> inizio;
        std::vector<std::uint64_t> colonne;
    };
    void Costruisci(const TListaColonne& lista);
    static std::uint32_t Secchio(std::uint64_t chiave, int bit) {
        return bit == 0
                   ? 0
                   : static_cast<std::uint32_t>((chiave * 0x9E3779B97F4A7C15ULL) >> (64 - bit));
    }

    int garanzia_;
    std::vector<std::uint8_t> gruppi_;
    std::vector<Gruppo> indice_;
};

}  // namespace sirvela
