#include "development/GrafoCopertura.h"

#include <algorithm>
#include <atomic>
#include <limits>

#include "core/Parallelo.h"
#include "development/IndiceVicini.h"

namespace sirvela {

void TGrafoCopertura::Svuota() {
    parole_ = {};
    numeri_ = {};
    inizio_ = {};
    vicini_ = {};
}

TGrafoCopertura::TEsito TGrafoCopertura::Costruisci(const std::vector<std::uint64_t>& parole,
                                                    int garanzia, int fili,
                                                    std::uint64_t massimoVicini,
                                                    const TAnnullamento* annullamento) {
    Svuota();
    numeri_.reserve(parole.size());
    for (std::uint64_t w : parole)
        if (numeri_.try_emplace(w, static_cast<std::uint32_t>(parole_.size())).second)
            parole_.push_back(w);
    const std::size_t n = parole_.size();
    TIndiceVicini indice(garanzia);
    indice.Riserva(n);
    for (std::uint64_t w : parole_) indice.Aggiungi(w);

    // Counted first, then filled in place: the lists are never held twice.
    massimoVicini =
        std::min<std::uint64_t>(massimoVicini, std::numeric_limits<std::uint32_t>::max());
    std::vector<std::uint32_t> grado(n);
    std::atomic<std::uint64_t> totale{0};
    std::atomic<bool> fermo{false};
    constexpr std::size_t kFetta = 512;
    InParallelo(n, kFetta, fili, [&](std::size_t da, std::size_t a) {
        if (fermo.load(std::memory_order_relaxed)) return;
        if (annullamento && annullamento->Richiesto()) {
            fermo = true;
            return;
        }
        std::uint64_t somma = 0;
        for (std::size_t v = da; v < a; ++v) {
            std::uint32_t g = 0;
            indice.PerOgniVicino(parole_[v], [&](std::uint32_t, int) {
                ++g;
                return true;
            });
            grado[v] = g;
            somma += g;
        }
        if (totale.fetch_add(somma) + somma > massimoVicini) fermo = true;
    });
    if (fermo) {
        const bool annullato = annullamento && annullamento->Richiesto();
        Svuota();
        return annullato ? TEsito::Annullato : TEsito::TroppoGrande;
    }
    inizio_.resize(n + 1);
    inizio_[0] = 0;
    for (std::size_t v = 0; v < n; ++v) inizio_[v + 1] = inizio_[v] + grado[v];
    grado = {};
    vicini_.resize(inizio_[n]);
    InParallelo(n, kFetta, fili, [&](std::size_t da, std::size_t a) {
        if (fermo.load(std::memory_order_relaxed)) return;
        if (annullamento && annullamento->Richiesto()) {
            fermo = true;
            return;
        }
        for (std::size_t v = da; v < a; ++v) {
            std::uint32_t* p = vicini_.data() + inizio_[v];
            std::uint32_t* q = p;
            indice.PerOgniVicino(parole_[v], [&](std::uint32_t j, int) {
                *q++ = j;
                return true;
            });
            std::sort(p, q);
        }
    });
    if (fermo) {
        Svuota();
        return TEsito::Annullato;
    }
    return TEsito::Costruito;
}

}  // namespace sirvela
