#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <unordered_map>
#include <vector>

namespace sirvela {

// The columns of a reduction as a graph: one vertex per distinct column, numbered in the
// order the columns first occur, joined to every column scoring at least the guarantee
// against it. A column covers itself, so each vertex is among its own neighbours. The
// neighbours of a vertex are listed in increasing number.
class TGrafoCopertura {
  public:
    enum class TEsito { Costruito, TroppoGrande, Fermato };

    // Builds the graph of `parole` on up to `fili` threads. Gives up, leaving the graph empty,
    // when the neighbour lists would hold more than `massimoVicini` entries in all, or when
    // `basta` says so (it is asked now and then, from any of the threads).
    TEsito Costruisci(const std::vector<std::uint64_t>& parole, int garanzia, int fili,
                      std::uint64_t massimoVicini, const std::function<bool()>& basta);

    std::uint32_t Vertici() const { return static_cast<std::uint32_t>(parole_.size()); }
    std::uint64_t Parola(std::uint32_t v) const { return parole_[v]; }
    std::span<const std::uint32_t> Vicini(std::uint32_t v) const { return {dove_[v], grado_[v]}; }
    std::uint32_t Grado(std::uint32_t v) const { return grado_[v]; }
    std::uint64_t Archi() const { return archi_; }
    // Where vertex v's neighbours would start if all lists stood in a row: arrays shaped like
    // them use it.
    std::uint64_t Inizio(std::uint32_t v) const { return inizio_[v]; }
    // The vertex of a column, or -1 when it is not in the graph.
    std::int64_t Vertice(std::uint64_t parola) const {
        const auto it = numeri_.find(parola);
        return it == numeri_.end() ? -1 : it->second;
    }

  private:
    void Svuota();

    std::vector<std::uint64_t> parole_;
    std::unordered_map<std::uint64_t, std::uint32_t> numeri_;
    // The lists are made slice by slice of vertices on several threads and stay in those
    // slices; each vertex points at its own.
    std::vector<std::vector<std::uint32_t>> fette_;
    std::vector<const std::uint32_t*> dove_;
    std::vector<std::uint32_t> grado_;
    std::vector<std::uint64_t> inizio_;
    std::uint64_t archi_ = 0;
};

}  // namespace sirvela
