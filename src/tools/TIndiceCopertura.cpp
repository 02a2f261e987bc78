#include "tools/TIndiceCopertura.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <new>

#include "core/Globali.h"
#include "core/TListaColonne.h"

namespace sirvela {
namespace {

int PesoInsieme(unsigned posizioni) {
    return dettaglio::kPesi.v[posizioni & 0xFF];
}

// Sets of disagreeing positions a column scoring at least g may have, keeping only the
// largest ones (a group that misses a set misses all its subsets too).
std::vector<unsigned> DisaccordiMassimi(int garanzia) {
    const int tolleranza = kPunteggioMassimo - garanzia;
    std::vector<unsigned> massimi;
    for (unsigned m = 0; m < 256; ++m) {
        if (PesoInsieme(m) > tolleranza) continue;
        bool massimo = true;
        for (unsigned i = 0; i < 8 && massimo; ++i)
            if (!(m & (1u << i)) && PesoInsieme(m | (1u << i)) <= tolleranza) massimo = false;
        if (massimo) massimi.push_back(m);
    }
    return massimi;
}

// How many different keys the pilots can make on k positions (columns of distinct pilots).
double ChiaviPossibili(int piloti, int k) {
    double r = 1;
    for (int i = 0; i < k; ++i) r *= std::max(1, piloti - i);
    return r;
}

// Chance that a random column scores at least g against another, each position agreeing
// with probability 1 / piloti: the plain walk stops after about its inverse.
double ProbabilitaCopertura(int garanzia, int piloti) {
    const double a = 1.0 / piloti;
    double p = 0;
    for (unsigned s = 0; s < 256; ++s)
        if (PesoInsieme(s) >= garanzia) {
            const int k = std::popcount(s);
            p += std::pow(a, k) * std::pow(1 - a, 8 - k);
        }
    return p;
}

constexpr double kCostoSonda = 40;         // one bucket lookup, in column scores
constexpr double kCostoCostruzione = 50;   // one column placed into one group
constexpr double kMemoriaMassima = 512e6;  // bytes for all the groups together
constexpr double kMemoriaPerColonna = 16;  // bytes per column per group
constexpr std::size_t kGruppiMassimi = 16;

}  // namespace

bool TIndiceCopertura::GruppiValidi(int garanzia, const std::vector<std::uint8_t>& gruppi) {
    for (unsigned m : DisaccordiMassimi(garanzia))
        if (std::none_of(gruppi.begin(), gruppi.end(), [m](std::uint8_t g) { return !(g & m); }))
            return false;
    return true;
}

std::vector<std::uint8_t> TIndiceCopertura::ScegliGruppi(int garanzia, std::int64_t n,
                                                         std::int64_t q, int piloti) {
    const auto massimi = DisaccordiMassimi(garanzia);
    if (massimi.empty()) return {};  // nothing can score that much
    const std::vector<std::uint8_t> scansione{0};
    if (n <= 64) return scansione;
    piloti = std::clamp(piloti, 8, 255);
    const double dn = static_cast<double>(n);
    const double dq = static_cast<double>(std::max<std::int64_t>(q, 1));

    auto costo = [&](unsigned g) {
        return kCostoSonda + dn / ChiaviPossibili(piloti, std::popcount(g)) + 1 +
               dn * kCostoCostruzione / dq;
    };
    // Greedy weighted cover of the largest disagreement sets.
    std::vector<bool> coperto(massimi.size(), false);
    std::size_t restano = massimi.size();
    std::vector<std::uint8_t> scelti;
    double totale = 0;
    while (restano > 0) {
        unsigned migliore = 0;
        double rapporto = std::numeric_limits<double>::infinity();
        std::size_t nuovi = 0;
        for (unsigned g = 0; g < 256; ++g) {
            std::size_t k = 0;
            for (std::size_t j = 0; j < massimi.size(); ++j)
                if (!coperto[j] && !(massimi[j] & g)) ++k;
            if (k == 0) continue;
            const double r = costo(g) / static_cast<double>(k);
            if (r < rapporto) {
                rapporto = r;
                migliore = g;
                nuovi = k;
            }
        }
        for (std::size_t j = 0; j < massimi.size(); ++j)
            if (!coperto[j] && !(massimi[j] & migliore)) coperto[j] = true;
        restano -= nuovi;
        scelti.push_back(static_cast<std::uint8_t>(migliore));
        totale += costo(migliore);
    }

    const double limite = std::clamp(kMemoriaMassima / (kMemoriaPerColonna * dn), 1.0,
                                     static_cast<double>(kGruppiMassimi));
    const double costoScansione =
        std::min(dn, 1.0 / std::max(ProbabilitaCopertura(garanzia, piloti), 1e-300));
    if (static_cast<double>(scelti.size()) > limite || costoScansione <= totale) return scansione;
    return scelti;
}

TIndiceCopertura::TIndiceCopertura(const TListaColonne& lista, int garanzia,
                                   std::int64_t interrogazioni)
    : garanzia_(garanzia),
      gruppi_(ScegliGruppi(garanzia, lista.Quante(), interrogazioni, NumeroPiloti)) {
    Costruisci(lista);
}

TIndiceCopertura::TIndiceCopertura(const TListaColonne& lista, int garanzia,
                                   std::vector<std::uint8_t> gruppi)
    : garanzia_(garanzia), gruppi_(std::move(gruppi)) {
    if (!GruppiValidi(garanzia_, gruppi_)) gruppi_ = {0};
    Costruisci(lista);
}

void TIndiceCopertura::Costruisci(const TListaColonne& lista) {
    const auto n = static_cast<std::uint64_t>(lista.Quante());
    if (n >= std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    indice_.clear();
    if (DisaccordiMassimi(garanzia_).empty()) return;
    for (std::uint8_t g : gruppi_) {
        Gruppo gr;
        for (int i = 0; i < 8; ++i)
            if (g & (1u << i)) gr.maschera |= 0xFFULL << (8 * i);
        gr.bit = g == 0 ? 0 : std::clamp(static_cast<int>(std::bit_width(n)), 1, 31);
        const std::size_t secchi = std::size_t{1} << gr.bit;
        gr.inizio.assign(secchi + 1, 0);
        // Counting sort by bucket.
        lista.PerOgniBlocco([&](const TColonna* p, std::size_t k) {
            for (std::size_t i = 0; i < k; ++i)
                ++gr.inizio[Secchio(ComeParola(p[i]) & gr.maschera, gr.bit) + 1];
            return true;
        });
        for (std::size_t s = 0; s < secchi; ++s) gr.inizio[s + 1] += gr.inizio[s];
        std::vector<std::uint32_t> posto(gr.inizio.begin(), gr.inizio.end() - 1);
        gr.colonne.resize(n);
        lista.PerOgniBlocco([&](const TColonna* p, std::size_t k) {
            for (std::size_t i = 0; i < k; ++i) {
                const std::uint64_t w = ComeParola(p[i]);
                gr.colonne[posto[Secchio(w & gr.maschera, gr.bit)]++] = w;
            }
            return true;
        });
        indice_.push_back(std::move(gr));
    }
}

bool TIndiceCopertura::Coperta(const TColonna& c) const {
    const std::uint64_t w = ComeParola(c);
    for (const Gruppo& gr : indice_) {
        const std::uint32_t s = Secchio(w & gr.maschera, gr.bit);
        const std::uint64_t* p = gr.colonne.data() + gr.inizio[s];
        const std::uint64_t* fine = gr.colonne.data() + gr.inizio[s + 1];
        for (; p != fine; ++p)
            if (PunteggioParole(*p, w) >= garanzia_) return true;
    }
    return false;
}

}  // namespace sirvela
