#include "development/GrafoCopertura.h"

#include <algorithm>
#include <atomic>

#include "core/Parallelo.h"
#include "development/IndiceVicini.h"

namespace sirvela {

void TGrafoCopertura::Svuota() {
    parole_ = {};
    numeri_ = {};
    fette_ = {};
    dove_ = {};
    grado_ = {};
    inizio_ = {};
    archi_ = 0;
}

TGrafoCopertura::TEsito TGrafoCopertura::Costruisci(const std::vector<std::uint64_t>& parole,
                                                    int garanzia, int fili,
                                                    std::uint64_t massimoVicini,
                                                    const std::function<bool()>& basta) {
    Svuota();
    numeri_.reserve(parole.size());
    for (std::uint64_t w : parole)
        if (numeri_.try_emplace(w, static_cast<std::uint32_t>(parole_.size())).second)
            parole_.push_back(w);
    const std::size_t n = parole_.size();
    TIndiceVicini indice(garanzia);
    indice.Riserva(n);
    for (std::uint64_t w : parole_) indice.Aggiungi(w);

    constexpr std::size_t kFetta = 1024;
    fette_.resize((n + kFetta - 1) / kFetta);
    grado_.resize(n);
    std::atomic<std::uint64_t> totale{0};
    std::atomic<bool> troppi{false}, fermato{false};
    InParallelo(n, kFetta, fili, [&](std::size_t da, std::size_t a) {
        if (troppi.load(std::memory_order_relaxed) || fermato.load(std::memory_order_relaxed))
            return;
        if (basta && basta()) {
            fermato = true;
            return;
        }
        // Gathered in a scratch list, then kept in a list of the exact size.
        std::vector<std::uint32_t> tutti;
        for (std::size_t v = da; v < a; ++v) {
            const std::size_t prima = tutti.size();
            indice.PerOgniVicino(parole_[v], [&](std::uint32_t j, int) {
                tutti.push_back(j);
                return true;
            });
            std::sort(tutti.begin() + static_cast<std::ptrdiff_t>(prima), tutti.end());
            grado_[v] = static_cast<std::uint32_t>(tutti.size() - prima);
        }
        if (totale.fetch_add(tutti.size()) + tutti.size() > massimoVicini) {
            troppi = true;
            return;
        }
        fette_[da / kFetta] = std::vector<std::uint32_t>(tutti.begin(), tutti.end());
    });
    if (troppi || fermato) {
        Svuota();
        return troppi ? TEsito::TroppoGrande : TEsito::Fermato;
    }
    dove_.resize(n);
    inizio_.resize(n);
    for (std::size_t v = 0; v < n; ++v) {
        const auto& fetta = fette_[v / kFetta];
        dove_[v] = v % kFetta == 0 ? fetta.data() : dove_[v - 1] + grado_[v - 1];
        inizio_[v] = archi_;
        archi_ += grado_[v];
    }
    return TEsito::Costruito;
}

}  // namespace sirvela
