#pragma once
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "core/Interfacce.h"

namespace sirvela {

// The columns of a reduction as a graph: one vertex per distinct column, numbered in the
// order the columns first occur, joined to every column scoring at least the guarantee
// against it. A column covers itself, so each vertex is among its own neighbours. The
// neighbours of a vertex are listed in increasing number.
class TGrafoCopertura {
  public:
    enum class TEsito { Costruito, TroppoGrande, Annullato };

    // Builds the graph of `parole` on up to `fili` threads. Gives up, leaving the graph empty,
    // when the neighbour lists would hold more than `massimoVicini` entries in all or a cancel
    // is seen.
    TEsito Costruisci(const std::vector<std::uint64_t>& parole, int garanzia, int fili,
                      std::uint64_t massimoVicini, const TAnnullamento* annullamento);

    std::uint32_t Vertici() const { return static_cast<std::uint32_t>(parole_.size()); }
    std::uint64_t Parola(std::uint32_t v) const { return parole_[v]; }
    std::span<const std::uint32_t> Vicini(std::uint32_t v) const {
        return {vicini_.data() + inizio_[v], vicini_.data() + inizio_[v + 1]};
    }
    std::uint32_t Grado(std::uint32_t v) const { return inizio_[v + 1] - inizio_[v]; }
    // Where vertex v's neighbours start among all the lists: arrays shaped like them use it.
    std::uint32_t Inizio(std::uint32_t v) const { return inizio_[v]; }
    std::uint64_t Archi() const { return vicini_.size(); }
    // The vertex of a column, or -1 when it is not in the graph.
    std::int64_t Vertice(std::uint64_t parola) const {
        const auto it = numeri_.find(parola);
        return it == numeri_.end() ? -1 : it->second;
    }

  private:
    void Svuota();

    std::vector<std::uint64_t> parole_;
    std::unordered_map<std::uint64_t, std::uint32_t> numeri_;
    std::vector<std::uint32_t> inizio_;  // vertex v's neighbours start at inizio_[v]
    std::vector<std::uint32_t> vicini_;
};

}  // namespace sirvela
