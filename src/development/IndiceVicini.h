#pragma once
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

// Finds, among the columns added so far, those scoring at least a threshold against a given
// column, without comparing it with every one of them. The eight positions are split into
// groups so that any set of equal positions worth the threshold holds a whole group: two
// such columns then agree on every byte of some group, and each group keeps its columns in
// buckets keyed by those bytes. Columns are numbered in the order they were added.
class TIndiceVicini {
  public:
    explicit TIndiceVicini(int soglia);

    int Soglia() const { return soglia_; }
    std::size_t Quante() const { return parole_.size(); }
    std::uint64_t Parola(std::size_t i) const { return parole_[i]; }
    void Riserva(std::size_t n) { parole_.reserve(n); }
    void Aggiungi(std::uint64_t parola);
    void Svuota();

    // Calls f(number, score) once for every column scoring at least the threshold, in no
    // particular order, until f returns false. Returns false when f stopped it.
    template <typename F>
    bool PerOgniVicino(std::uint64_t parola, F&& f) const {
        std::array<const std::vector<std::uint32_t>*, 8> secchi{};
        if (!Secchi(parola, secchi)) {
            // Buckets as large as the whole: one plain pass is cheaper.
            for (std::size_t j = 0; j < parole_.size(); ++j) {
                const int punti = PunteggioParole(parola, parole_[j]);
                if (punti >= soglia_ && !f(static_cast<std::uint32_t>(j), punti)) return false;
            }
            return true;
        }
        for (std::size_t g = 0; g < gruppi_.size(); ++g) {
            if (!secchi[g]) continue;
            // Each column counts in the first group it agrees on fully, and only there.
            const auto& conta = gruppi_[g].conta;
            for (std::uint32_t j : *secchi[g]) {
                const unsigned uguali = dettaglio::MascheraUguali(parola, parole_[j]);
                if (conta[uguali] && !f(j, dettaglio::kPesi.v[uguali])) return false;
            }
        }
        return true;
    }

    // The highest-numbered column scoring at least `soglia` (not below the index's own
    // threshold), or -1; its score goes to `punti`.
    std::int64_t UltimoVicino(std::uint64_t parola, int soglia, int& punti) const;

  private:
    // The buckets of the column's groups (null where empty); false when together they hold
    // at least as many columns as the index.
    bool Secchi(std::uint64_t parola,
                std::array<const std::vector<std::uint32_t>*, 8>& secchi) const {
        std::size_t costo = 0;
        for (std::size_t g = 0; g < gruppi_.size(); ++g) {
            auto it = gruppi_[g].secchi.find(parola & gruppi_[g].byte);
            if (it == gruppi_[g].secchi.end()) continue;
            secchi[g] = &it->second;
            costo += it->second.size();
        }
        return costo < parole_.size();
    }

    struct Gruppo {
        std::uint64_t byte = 0;  // bytes of the group's positions
        unsigned posizioni = 0;  // bit per position
        std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> secchi;
        // Agreement patterns that count in this group: at the threshold, and no earlier
        // group agreed on fully.
        std::array<std::uint8_t, 256> conta{};
    };
    int soglia_;
    std::vector<Gruppo> gruppi_;
    std::vector<std::uint64_t> parole_;
};

// The grouping of the eight positions used for a threshold: one bit mask per group.
std::vector<unsigned> GruppiPerSoglia(int soglia);
// 0xFF in the bytes of a group's positions.
std::uint64_t ByteDelGruppo(unsigned posizioni);
// Per group, the agreement patterns (bit per equal position) that count there: worth at
// least the threshold, and no earlier group agreed on fully, so each column counts once.
std::vector<std::array<std::uint8_t, 256>> PatternPerGruppo(const std::vector<unsigned>& gruppi,
                                                            int soglia);

}  // namespace sirvela
