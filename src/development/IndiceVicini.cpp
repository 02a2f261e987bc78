#include "development/IndiceVicini.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>

namespace sirvela {
namespace {

// Every way of splitting the eight positions into groups (4140 of them), as masks.
void Partizioni(int pos, std::vector<unsigned>& gruppi,
                const std::function<void(const std::vector<unsigned>&)>& f) {
    if (pos == 8) {
        f(gruppi);
        return;
    }
    for (std::size_t k = 0; k < gruppi.size(); ++k) {
        gruppi[k] |= 1u << pos;
        Partizioni(pos + 1, gruppi, f);
        gruppi[k] &= ~(1u << pos);
    }
    gruppi.push_back(1u << pos);
    Partizioni(pos + 1, gruppi, f);
    gruppi.pop_back();
}

std::vector<unsigned> CalcolaGruppi(int soglia) {
    // A split works when the heaviest set of positions missing one position of every group
    // (all but the lightest of each) is worth less than the threshold. Among those, prefer
    // the one whose buckets are expected smallest: a group of k positions splits the columns
    // about 12^k ways.
    std::vector<unsigned> migliore;
    double costoMigliore = std::numeric_limits<double>::max();
    std::vector<unsigned> gruppi;
    gruppi.reserve(8);
    Partizioni(0, gruppi, [&](const std::vector<unsigned>& p) {
        int senzaUnoPerGruppo = kPunteggioMassimo;
        double costo = 0;
        for (unsigned g : p) {
            int leggero = 1000, k = 0;
            for (int i = 0; i < 8; ++i)
                if (g & (1u << i)) {
                    leggero = std::min(leggero, PesoPosizione[i]);
                    ++k;
                }
            senzaUnoPerGruppo -= leggero;
            double c = 1;
            for (int i = 0; i < k; ++i) c /= 12.0;
            costo += c;
        }
        if (senzaUnoPerGruppo < soglia && costo < costoMigliore) {
            costoMigliore = costo;
            migliore = p;
        }
    });
    return migliore;
}

}  // namespace

std::vector<unsigned> GruppiPerSoglia(int soglia) {
    return CalcolaGruppi(std::clamp(soglia, 1, kPunteggioMassimo));
}

std::uint64_t ByteDelGruppo(unsigned posizioni) {
    std::uint64_t byte = 0;
    for (int i = 0; i < 8; ++i)
        if (posizioni & (1u << i)) byte |= std::uint64_t{0xFF} << (8 * i);
    return byte;
}

std::vector<std::array<std::uint8_t, 256>> PatternPerGruppo(const std::vector<unsigned>& gruppi,
                                                            int soglia) {
    std::vector<std::array<std::uint8_t, 256>> conta(gruppi.size());
    for (std::size_t g = 0; g < gruppi.size(); ++g)
        for (unsigned m = 0; m < 256; ++m) {
            bool prima = false;
            for (std::size_t h = 0; h < g; ++h) prima = prima || (m & gruppi[h]) == gruppi[h];
            conta[g][m] = !prima && dettaglio::kPesi.v[m] >= soglia;
        }
    return conta;
}

TIndiceVicini::TIndiceVicini(int soglia) : soglia_(std::clamp(soglia, 1, kPunteggioMassimo)) {
    const auto gruppi = GruppiPerSoglia(soglia_);
    const auto conta = PatternPerGruppo(gruppi, soglia_);
    for (std::size_t g = 0; g < gruppi.size(); ++g) {
        Gruppo gr;
        gr.posizioni = gruppi[g];
        gr.byte = ByteDelGruppo(gruppi[g]);
        gr.conta = conta[g];
        gruppi_.push_back(std::move(gr));
    }
}

void TIndiceVicini::Aggiungi(std::uint64_t parola) {
    const auto n = static_cast<std::uint32_t>(parole_.size());
    parole_.push_back(parola);
    for (auto& g : gruppi_) g.secchi[parola & g.byte].push_back(n);
}

void TIndiceVicini::Svuota() {
    parole_.clear();
    for (auto& g : gruppi_) g.secchi.clear();
}

std::int64_t TIndiceVicini::UltimoVicino(std::uint64_t parola, int soglia, int& punti) const {
    std::array<const std::vector<std::uint32_t>*, 8> secchi{};
    if (!Secchi(parola, secchi)) {
        for (auto j = parole_.size(); j-- > 0;) {
            const int p = PunteggioParole(parola, parole_[j]);
            if (p >= soglia) {
                punti = p;
                return static_cast<std::int64_t>(j);
            }
        }
        return -1;
    }
    std::int64_t ultimo = -1;
    for (const auto* s : secchi) {
        if (!s) continue;
        for (auto k = s->size(); k-- > 0;) {
            const std::uint32_t j = (*s)[k];
            if (static_cast<std::int64_t>(j) <= ultimo) break;
            const int p = PunteggioParole(parola, parole_[j]);
            if (p >= soglia) {
                ultimo = j;
                punti = p;
                break;
            }
        }
    }
    return ultimo;
}

}  // namespace sirvela
