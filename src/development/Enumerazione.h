#pragma once
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/Colonna.h"
#include "core/TCombinazione.h"
#include "development/Sviluppo.h"

namespace sirvela {

// Walks the candidates of the position sets in the order of eight nested loops (position 1
// outermost, position 8 fastest, each set in stored order) but only hands over those with
// eight different pilots. A pilot already used at an outer position ends its branch at once:
// the candidates below it are reported as one run, so counting them costs nothing.
//
// The handler G offers:
//   void Candidato(const TColonna&)              eight different pilots
//   void Scartato()                              eight different pilots that the pre-filter
//                                                rejects (only with a pre-filter)
//   void Salta(std::int64_t n)                   n candidates with a repeated pilot, all
//                                                within one combination of positions 1..5
//   bool SaltaConControlli(std::int64_t n, std::int64_t blocco, std::int64_t controlli)
//                                                n such candidates spanning `controlli`
//                                                combinations of positions 1..5 of `blocco`
//                                                candidates each; false = cancelled at one
//   bool Annullato()                             the poll before positions 6..8 are walked
// A handler that also offers
//   void Scartati(std::int64_t n)                n calls of Scartato at once
// takes the candidates of the last position in one block: the repeated and the pre-filtered
// ones are counted together and the rest handed over in order, with no branch per pilot.
// Returns false when cancelled. Pilot bytes are taken as they are (0..255), so corrupt sets
// with duplicates or numbers beyond the pilots in play are handled like the plain loops.
template <typename G>
class TEnumeratore {
  public:
    TEnumeratore(const TPronostico& p, G& gestore, const TPreFiltro* filtro = nullptr)
        : g_(gestore), filtro_(filtro) {
        for (int i = 0; i < 8; ++i) {
            const TCombinazione& pos = p.Posizione[i];
            n_[i] = pos.Conta();
            for (int s = 0; s < n_[i]; ++s) v_[i][s] = static_cast<std::uint8_t>(pos.Numeri[s]);
        }
        // The last position's slots holding each pilot, so the free slots are one mask.
        if (n_[7] <= 64) {
            for (int s = 0; s < n_[7]; ++s) slotUltima_[v_[7][s]] |= std::uint64_t{1} << s;
            tutteUltima_ = n_[7] == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n_[7]) - 1;
        }
        sotto_[8] = 1;
        for (int i = 7; i >= 0; --i) sotto_[i] = sotto_[i + 1] * n_[i];
        // Polls inside a branch cut at position L (0-based, L <= 4): one per combination of
        // the positions L+1..4 below it.
        for (int l = 0; l <= 4; ++l) {
            std::int64_t c = 1;
            for (int k = l + 1; k <= 4; ++k) c *= n_[k];
            controlli_[l] = c;
        }
    }

    bool Esegui() {
        if (n_[0] <= 0) return true;
        TColonna c{};
        return Livello<0>(c);
    }

  private:
    static constexpr bool kInBlocco = requires(G & g) { g.Scartati(std::int64_t{1}); };

    bool Usato(std::uint8_t v) const { return (usati_[v >> 6] >> (v & 63)) & 1u; }
    void Segna(std::uint8_t v) {
        usati_[v >> 6] ^= std::uint64_t{1} << (v & 63);
        usateUltima_ ^= slotUltima_[v];
    }

    template <int L>
    bool Livello(TColonna& c) {
        const int n = n_[L];
        const std::uint8_t* v = v_[L].data();
        // The last position is put in with one 8-byte store: a byte store followed by the
        // tests' word reads of the column would stall store forwarding on every candidate.
        [[maybe_unused]] std::uint64_t base = 0;
        // What the pre-filter asks of the last pilot, worked out once for the first seven:
        // for an odd and for an even one, whether it can pass and the range it must lie in.
        [[maybe_unused]] bool passaDispari = true, passaPari = true;
        [[maybe_unused]] int daDispari = 0, aDispari = 255, daPari = 0, aPari = 255;
        [[maybe_unused]] const bool* totali = nullptr;  // indexed by the last pilot
        if constexpr (L == 7) {
            base = ComeParola(c) & 0x00FFFFFFFFFFFFFFULL;
            if (filtro_) {
                int dispari = 0, sommaPari = 0, sommaDispari = 0;
                // Without branches: parities follow no pattern a branch could learn.
                for (int i = 0; i < 7; ++i) {
                    const int p = c[i];
                    const int d = p & 1;
                    dispari += d;
                    sommaDispari += p & -d;
                    sommaPari += p & (d - 1);
                }
                const TPreFiltro& f = *filtro_;
                const int somma = sommaPari + sommaDispari;
                auto dentro = [](const int* b, int v) { return b[0] <= v && v <= b[1]; };
                passaDispari =
                    f.Dispari[static_cast<std::size_t>(dispari + 1)] && dentro(f.Pari, sommaPari);
                daDispari = std::max({0, f.Totale[0] - somma, f.SommaDispari[0] - sommaDispari});
                aDispari = std::min({255, f.Totale[1] - somma, f.SommaDispari[1] - sommaDispari});
                passaPari = f.Dispari[static_cast<std::size_t>(dispari)] &&
                            dentro(f.SommaDispari, sommaDispari);
                daPari = std::max({0, f.Totale[0] - somma, f.Pari[0] - sommaPari});
                aPari = std::min({255, f.Totale[1] - somma, f.Pari[1] - sommaPari});
                totali = f.Totali.data() + somma;
            }
        }
        if constexpr (L == 7 && kInBlocco) {
            if (n <= 64) {
                // Counted while walked: without a CPU flag std::popcount is a library call.
                std::uint64_t libere = tutteUltima_ & ~usateUltima_;
                std::int64_t quanteLibere = 0, passate = 0;
                if (filtro_) {
                    std::uint64_t passano = 0;
                    for (std::uint64_t m = libere; m; m &= m - 1) {
                        const int s = std::countr_zero(m);
                        const int x = v[s];
                        const bool dispari = x & 1;
                        const bool passa = dispari ? passaDispari : passaPari;
                        const int da = dispari ? daDispari : daPari;
                        const int a = dispari ? aDispari : aPari;
                        passano |= std::uint64_t{passa && da <= x && x <= a && totali[x]} << s;
                        ++quanteLibere;
                    }
                    libere = passano;
                }
                for (; libere; libere &= libere - 1) {
                    const std::uint64_t x = v[std::countr_zero(libere)];
                    const std::uint64_t parola = base | (x << 56);
                    TColonna candidato;
                    std::memcpy(candidato.data(), &parola, 8);
                    g_.Candidato(candidato);
                    ++passate;
                }
                if (!filtro_) quanteLibere = passate;
                g_.Salta(n - quanteLibere);
                g_.Scartati(quanteLibere - passate);
                return true;
            }
        }
        for (int s = 0; s < n; ++s) {
            const std::uint8_t x = v[s];
            if (Usato(x)) {
                if constexpr (L <= 4) {
                    if (!g_.SaltaConControlli(sotto_[L + 1], sotto_[5], controlli_[L]))
                        return false;
                } else {
                    g_.Salta(sotto_[L + 1]);
                }
                continue;
            }
            if constexpr (L == 7) {
                if (filtro_) {
                    const bool passa = ((x & 1) ? passaDispari && daDispari <= x && x <= aDispari
                                                : passaPari && daPari <= x && x <= aPari) &&
                                       totali[x];
                    if (!passa) {
                        g_.Scartato();
                        continue;
                    }
                }
                const std::uint64_t parola = base | (std::uint64_t{x} << 56);
                TColonna candidato;
                std::memcpy(candidato.data(), &parola, 8);
                g_.Candidato(candidato);
            } else {
                c[L] = x;
                if constexpr (L == 4) {
                    if (g_.Annullato()) return false;
                }
                Segna(x);
                const bool ok = Livello<L + 1>(c);
                Segna(x);
                if (!ok) return false;
            }
        }
        return true;
    }

    G& g_;
    const TPreFiltro* filtro_;
    std::array<int, 8> n_{};
    std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8> v_{};
    std::array<std::int64_t, 9> sotto_{};  // candidates below each position
    std::array<std::int64_t, 5> controlli_{};
    std::array<std::uint64_t, 4> usati_{};
    // With at most 64 slots at the last position: the slots of each pilot, all of them, and
    // those whose pilot an outer position uses.
    std::array<std::uint64_t, 256> slotUltima_{};
    std::uint64_t tutteUltima_ = 0;
    std::uint64_t usateUltima_ = 0;
};

}  // namespace sirvela
