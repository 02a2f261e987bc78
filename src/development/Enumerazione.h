#pragma once
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "core/Colonna.h"
#include "core/TCombinazione.h"
#include "development/Potatura.h"
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
// A handler that also offers
//   bool Potati(std::int64_t n, std::int64_t ammesse, std::int64_t blocco,
//               std::int64_t controlli, const F& ammesseFinoA)
// has the subtrees no completion of which passes the test (given a TPotatura) skipped whole:
// n candidates, `ammesse` of them with eight different pilots (ammesseFinoA(k) of the first
// k), spanning `controlli` polls `blocco` candidates apart as SaltaConControlli does (none when
// the subtree lies below position 5); false = cancelled at one of them.
// Returns false when cancelled. Pilot bytes are taken as they are (0..255), so corrupt sets
// with duplicates or numbers beyond the pilots in play are handled like the plain loops.
template <typename G>
class TEnumeratore {
  public:
    TEnumeratore(const TPronostico& p, G& gestore, const TPreFiltro* filtro = nullptr,
                 const TPotatura* potatura = nullptr)
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
            ordinataUltima_ = true;
            for (int s = 0; s < n_[7]; ++s) {
                ordinataUltima_ =
                    ordinataUltima_ && v_[7][s] < 64 && (s == 0 || v_[7][s - 1] < v_[7][s]);
                if (v_[7][s] < 64) slotDi_[v_[7][s]] = static_cast<std::uint8_t>(s);
            }
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
        if constexpr (kPota) {
            if (potatura && potatura->Quanti() > 0) {
                potatore_.emplace(*potatura, n_, v_);
                if (!potatore_->Attivo()) potatore_.reset();
            }
        }
    }

    // What the pruning did; null without it.
    const TPotatore* Potatore() const { return potatore_ ? &*potatore_ : nullptr; }

    bool Esegui() {
        if (n_[0] <= 0) return true;
        TColonna c{};
        return Livello<0>(c);
    }

  private:
    static constexpr bool kInBlocco = requires(G & g) { g.Scartati(std::int64_t{1}); };
    struct TNessuna {
        std::int64_t operator()(std::int64_t) const { return 0; }
    };
    static constexpr bool kPota = requires(G & g) {
        g.Potati(std::int64_t{1}, std::int64_t{1}, std::int64_t{1}, std::int64_t{1}, TNessuna{});
    };

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
        // The last pilots the bounds leave (all without them).
        [[maybe_unused]] std::uint64_t ultimi = ~std::uint64_t{0};
        if constexpr (L == 7 && kPota) {
            if (potatore_) ultimi = ultimi_;
        }
        [[maybe_unused]] const bool vaglia = filtro_ || ultimi != ~std::uint64_t{0};
        // Whether a free last pilot can pass: the pre-filter and the bounds.
        [[maybe_unused]] auto passa = [&](int x) {
            if (!((ultimi >> (x & 63)) & 1u) && x < 64) return false;
            if (!filtro_) return true;
            const bool dispari = x & 1;
            return (dispari ? passaDispari && daDispari <= x && x <= aDispari
                            : passaPari && daPari <= x && x <= aPari) &&
                   totali[x];
        };
        if constexpr (L == 7 && kInBlocco) {
            if (n <= 64) {
                // Counted while walked: without a CPU flag std::popcount is a library call.
                std::uint64_t libere = tutteUltima_ & ~usateUltima_;
                std::int64_t quanteLibere = 0, passate = 0;
                if (vaglia) {
                    std::uint64_t passano = 0;
                    for (std::uint64_t m = libere; m; m &= m - 1) {
                        const int s = std::countr_zero(m);
                        passano |= std::uint64_t{passa(v[s])} << s;
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
                if (!vaglia) quanteLibere = passate;
                g_.Salta(n - quanteLibere);
                g_.Scartati(quanteLibere - passate);
                return true;
            }
        }
        if constexpr (L == 7 && kPota && !kInBlocco) {
            if (potatore_ && n <= 64) {
                // With the last set in increasing order, the candidates are found among the
                // pilots that pass, not among all the free slots.
                std::uint64_t piloti = 0;
                if (ordinataUltima_) {
                    piloti = ultimi;
                    if (filtro_) {
                        auto tratto = [](bool passa, int da, int a, std::uint64_t parita) {
                            da = std::max(da, 0);
                            a = std::min(a, 63);
                            return passa && da <= a ? parita & TTabellaLimiti::Tratto(da, a) : 0;
                        };
                        piloti &= tratto(passaDispari, daDispari, aDispari, TPrefisso::kDispari) |
                                  tratto(passaPari, daPari, aPari, TPrefisso::kPari);
                    }
                }
                return UltimaATratti(base, piloti, totali, passa);
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
                if (vaglia && !passa(x)) {
                    g_.Scartato();
                    continue;
                }
                const std::uint64_t parola = base | (std::uint64_t{x} << 56);
                TColonna candidato;
                std::memcpy(candidato.data(), &parola, 8);
                g_.Candidato(candidato);
            } else {
                c[L] = x;
                Segna(x);
                if constexpr (kPota) {
                    if (potatore_) {
                        bool potato;
                        if constexpr (L == 6) {
                            if (!((penultimi_ >> (x & 63)) & 1u)) {
                                potatore_->PotatoPenultimo(x);
                                potato = true;
                            } else {
                                ultimi_ = potatore_->Ultimi(c);
                                potato = ultimi_ == 0;
                            }
                        } else {
                            potato = potatore_->Pota(L, c);
                            if constexpr (L == 5) {
                                if (!potato) penultimi_ = potatore_->Penultimi();
                            }
                        }
                        if (potato) {
                            const bool ok = Potato<L>(c);
                            Segna(x);
                            if (!ok) return false;
                            continue;
                        }
                    }
                }
                if constexpr (L == 4) {
                    if (g_.Annullato()) return false;
                }
                const bool ok = Livello<L + 1>(c);
                Segna(x);
                if (!ok) return false;
            }
        }
        return true;
    }

    // The last position with the bounds: the candidates that can pass are handed over in
    // order, the slots between them counted in runs, as many candidates at once.
    // `piloti`: with the last set in increasing order, the free pilots that pass the bounds
    // and the pre-filter's ranges (its totals still to be checked).
    template <class P>
    bool UltimaATratti(std::uint64_t base, std::uint64_t piloti, const bool* totali,
                       const P& passa) {
        const std::uint8_t* v = v_[7].data();
        const int n = n_[7];
        const std::uint64_t libere = tutteUltima_ & ~usateUltima_;
        std::uint64_t candidate = 0;
        if (ordinataUltima_) {
            for (; piloti; piloti &= piloti - 1) {
                const int x = std::countr_zero(piloti);
                if (!totali || totali[x])
                    candidate |= std::uint64_t{1} << slotDi_[static_cast<std::size_t>(x)];
            }
        } else {
            for (std::uint64_t m = libere; m; m &= m - 1) {
                const int s = std::countr_zero(m);
                candidate |= std::uint64_t{passa(v[s])} << s;
            }
        }
        // Slots below `fino` from `da` on: how many are free.
        auto libereTra = [libere](int da, int fino) {
            const std::uint64_t sotto =
                fino >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << fino) - 1;
            return static_cast<std::int64_t>(
                ContaBit(libere & sotto & ~((std::uint64_t{1} << da) - 1)));
        };
        int da = 0;
        auto salta = [&](int fino) {
            if (fino <= da) return;
            const int inizio = da;
            g_.Potati(fino - da, libereTra(da, fino), 0, 0, [&](std::int64_t k) {
                return libereTra(inizio, inizio + static_cast<int>(k));
            });
        };
        for (std::uint64_t m = candidate; m; m &= m - 1) {
            const int s = std::countr_zero(m);
            salta(s);
            const std::uint64_t parola = base | (std::uint64_t{v[s]} << 56);
            TColonna candidato;
            std::memcpy(candidato.data(), &parola, 8);
            g_.Candidato(candidato);
            da = s + 1;
        }
        salta(n);
        return true;
    }

    // The subtree below the partial column just fixed at position L is skipped.
    template <int L>
    bool Potato(const TColonna& c) {
        if constexpr (L == 6) {
            // Below position 7 the admitted candidates are the free slots of the last position.
            if (n_[7] <= 64) {
                const std::uint64_t libere = tutteUltima_ & ~usateUltima_;
                return g_.Potati(sotto_[7], ContaBit(libere), 0, 0, [libere](std::int64_t k) {
                    const std::uint64_t primi =
                        k >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << k) - 1;
                    return static_cast<std::int64_t>(ContaBit(libere & primi));
                });
            }
            potatore_->Fissa(6, c);
        }
        const TPotatore& p = *potatore_;
        auto fino = [&p](std::int64_t k) { return p.AmmesseFinoA(L, k); };
        const std::int64_t ammesse = p.Ammesse(L);
        if constexpr (L <= 4)
            return g_.Potati(sotto_[L + 1], ammesse, sotto_[5], controlli_[L], fino);
        else
            return g_.Potati(sotto_[L + 1], ammesse, 0, 0, fino);
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
    // The last set holds pilots below 64 in increasing order; then the slot of each pilot.
    bool ordinataUltima_ = false;
    std::array<std::uint8_t, 64> slotDi_{};
    std::optional<TPotatore> potatore_;
    std::uint64_t ultimi_ = 0;     // last pilots the bounds leave below the partial column
    std::uint64_t penultimi_ = 0;  // pilots of position 7 the bounds leave
};

}  // namespace sirvela
