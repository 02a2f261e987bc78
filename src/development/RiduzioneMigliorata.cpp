#include "development/RiduzioneMigliorata.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <random>
#include <span>
#include <thread>

#include "core/Parallelo.h"
#include "development/GrafoCopertura.h"
#include "development/IndiceVicini.h"
#include "development/QuadroSviluppo.h"
#include "development/Riduzione.h"

namespace sirvela {
namespace {

// Memory the search chains may take together, when their number is free.
constexpr double kMemoriaCatene = 2e9;
// Neighbour visits the lower bound may spend, so it costs a small share of the search.
constexpr double kLavoroLimite = 4e8;

std::uint64_t Mescola(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

TColonna Colonna(std::uint64_t w) {
    TColonna c;
    std::memcpy(c.data(), &w, 8);
    return c;
}

// One local search over the covers of the graph. A column short of cover weighs more at
// every step it stays short, and the search keeps the size of its choice while it swaps: it
// drops the chosen column whose loss weighs least and takes, for a column short of cover
// picked at random, the neighbour whose gain weighs most. Whenever the choice covers every
// column it is the best so far, and the column weighing least is dropped to look for a
// smaller one. The column just taken is not dropped at the next step, and ties go to the
// column left alone longest, so the search does not go round in circles.
class TCatena {
  public:
    TCatena(const TGrafoCopertura& g, const std::vector<std::uint8_t>& requisiti,
            std::uint64_t seme)
        : g_(g),
          req_(requisiti.data()),
          n_(g.Vertici()),
          caso_(seme),
          conta_(n_, 0),
          xor_(n_, 0),
          guadagno_(n_),
          critico_(n_, 0),
          peso_(n_, 1),
          corto_(n_, 0),
          eta_(n_, 0),
          scelta_(n_, 0),
          posto_(n_, 0),
          postoScoperta_(n_, 0),
          segno_(n_, 0) {
        multipla_ = std::any_of(requisiti.begin(), requisiti.end(), [](auto r) { return r > 1; });
        if (multipla_) coprenti_.resize(g.Archi());
    }

    std::atomic<std::int64_t> Dimensione{0};
    std::atomic<std::int64_t> PassiFatti{0};

    // Starts from the given columns, completed first when some column lacks cover.
    void Parti(const std::vector<std::uint32_t>& copertura) {
        for (std::uint32_t v : copertura) {
            if (scelta_[v]) continue;
            Sceglie(v);
            for (std::uint32_t e : g_.Vicini(v)) {
                if (multipla_) coprenti_[g_.Inizio(e) + conta_[e]] = v;
                ++conta_[e];
                xor_[e] ^= v;
            }
        }
        for (std::uint32_t e = 0; e < n_; ++e)
            if (conta_[e] < req_[e]) Scopri(e);
        for (std::uint32_t s = 0; s < n_; ++s) {
            for (std::uint32_t e : g_.Vicini(s)) {
                if (conta_[e] < req_[e]) {
                    guadagno_[s].base += peso_[e] - corto_[e];
                    ++guadagno_[s].corte;
                }
                if (scelta_[s] && conta_[e] == req_[e]) critico_[s] += peso_[e];
            }
        }
        while (!scoperte_.empty()) {
            // The neighbour covering most of what is short, the first of equals.
            const std::uint32_t e = scoperte_.front();
            std::uint32_t a = n_;
            for (std::uint32_t s : g_.Vicini(e))
                if (!scelta_[s] && (a == n_ || Guadagno(s) > Guadagno(a))) a = s;
            Aggiungi(a);
        }
        migliore_ = scelte_;
        dimensioneMigliore_ = migliore_.size();
        base_ = scelte_;
        Dimensione = static_cast<std::int64_t>(dimensioneMigliore_);
    }

    // Up to `passi` steps (0 = no limit) until `fermo` is set or the best reaches `limite`.
    void Cerca(std::int64_t passi, std::int64_t limite, const std::atomic<bool>& fermo) {
        std::uint32_t ultima = n_;
        std::int64_t fatti = 0;
        for (; passi == 0 || fatti < passi; ++fatti) {
            if ((fatti & 255) == 0) PassiFatti.store(fatti, std::memory_order_relaxed);
            if (fermo.load(std::memory_order_relaxed)) break;
            if (scoperte_.empty() && !Coperta(limite)) break;
            const std::uint32_t d =
                scelte_.size() > kTuttiFinoA ? Campione(ultima) : PiuLeggera(ultima);
            if (d != n_) Cambia(d);
            const std::uint32_t e = scoperte_[caso_() % scoperte_.size()];
            const std::uint32_t a = PiuPesante(e);
            Cambia(a);
            ultima = a;
            // Every column still short of cover weighs one more from now on.
            ++passo_;
            if (diario_.size() > std::max<std::size_t>(4096, 4 * scelte_.size())) Ribasa();
        }
        if (scoperte_.empty() && scelte_.size() < dimensioneMigliore_) Registra();
        Ribasa();
        PassiFatti.store(fatti, std::memory_order_relaxed);
    }

    const std::vector<std::uint32_t>& Migliore() const { return migliore_; }

  private:
    // The weight of a column short of cover grows by one a step, so it is not stored but
    // worked out: its weight when it fell short plus the steps since (corto_ holds the step
    // it fell short at). The gain of a column, the weight of its neighbours short of cover,
    // is then their stored part plus the steps times how many they are.
    struct TGuadagno {
        std::int64_t base = 0;   // sum of (weight - step fallen short) of those neighbours
        std::int64_t corte = 0;  // how many they are
    };
    std::int64_t Guadagno(std::uint32_t s) const {
        return guadagno_[s].base + guadagno_[s].corte * static_cast<std::int64_t>(passo_);
    }
    // A chosen column's loss: the weight of its neighbours short of cover, and of those it
    // keeps exactly at their requirement, which dropping it would leave short.
    std::int64_t Perdita(std::uint32_t s) const { return Guadagno(s) + critico_[s]; }

    // The choice covers everything: records it and drops what costs nothing, then the column
    // weighing least. False when the search is over (the best reached the bound, or nothing
    // is left to drop).
    bool Coperta(std::int64_t limite) {
        while (scoperte_.empty()) {
            if (scelte_.size() < dimensioneMigliore_) Registra();
            if (static_cast<std::int64_t>(dimensioneMigliore_) <= limite || scelte_.empty())
                return false;
            Cambia(PiuLeggera(n_));
        }
        return true;
    }

    // The best choice is not copied at every improvement, which may come at every step: the
    // steps are noted in a journal since a copy of the choice (base_), and the best is
    // written out from them only when the journal grows long or the search ends.
    void Registra() {
        dimensioneMigliore_ = scelte_.size();
        miglioreNelDiario_ = diario_.size();
        Dimensione.store(static_cast<std::int64_t>(dimensioneMigliore_), std::memory_order_relaxed);
    }
    void Cambia(std::uint32_t v) {
        if (scelta_[v])
            Togli(v);
        else
            Aggiungi(v);
        diario_.push_back(v);
    }
    void Ribasa() {
        if (miglioreNelDiario_ != kNessuno) {
            // Each entry of the journal takes or drops its column.
            for (std::uint32_t v : base_) segno_[v] = 1;
            for (std::size_t i = 0; i < miglioreNelDiario_; ++i) segno_[diario_[i]] ^= 1;
            migliore_.clear();
            for (std::uint32_t v : base_)
                if (segno_[v]) {
                    migliore_.push_back(v);
                    segno_[v] = 0;
                }
            for (std::size_t i = 0; i < miglioreNelDiario_; ++i)
                if (segno_[diario_[i]]) {
                    migliore_.push_back(diario_[i]);
                    segno_[diario_[i]] = 0;
                }
            miglioreNelDiario_ = kNessuno;
        }
        base_ = scelte_;
        diario_.clear();
    }

    void Sceglie(std::uint32_t u) {
        scelta_[u] = 1;
        posto_[u] = static_cast<std::uint32_t>(scelte_.size());
        scelte_.push_back(u);
    }
    void Scopri(std::uint32_t e) {
        postoScoperta_[e] = static_cast<std::uint32_t>(scoperte_.size());
        scoperte_.push_back(e);
        corto_[e] = static_cast<std::int64_t>(passo_);
    }
    void Copri(std::uint32_t e) {
        const std::uint32_t p = postoScoperta_[e];
        scoperte_[p] = scoperte_.back();
        postoScoperta_[scoperte_[p]] = p;
        scoperte_.pop_back();
        peso_[e] += static_cast<std::int64_t>(passo_) - corto_[e];
    }

    void Aggiungi(std::uint32_t u) {
        Sceglie(u);
        std::int64_t critico = 0;
        for (std::uint32_t e : g_.Vicini(u)) {
            const std::uint32_t prima = conta_[e]++;
            const std::uint32_t r = req_[e];
            if (prima + 1 == r) {
                // Back at its requirement: no longer short, kept there by its chosen columns.
                const std::int64_t parte = peso_[e] - corto_[e];
                Copri(e);
                for (std::uint32_t s : g_.Vicini(e)) {
                    guadagno_[s].base -= parte;
                    --guadagno_[s].corte;
                }
                critico += peso_[e];
                for (std::uint32_t s : Coprenti(e, prima)) critico_[s] += peso_[e];
            } else if (prima == r) {
                // Its other chosen columns no longer keep it at its requirement alone.
                if (r == 1) {
                    critico_[xor_[e]] -= peso_[e];
                } else {
                    for (std::uint32_t s : Coprenti(e, prima)) critico_[s] -= peso_[e];
                }
            }
            if (multipla_) coprenti_[g_.Inizio(e) + prima] = u;
            xor_[e] ^= u;
        }
        critico_[u] = critico;
        eta_[u] = passo_;
    }

    void Togli(std::uint32_t u) {
        scelta_[u] = 0;
        const std::uint32_t p = posto_[u];
        scelte_[p] = scelte_.back();
        posto_[scelte_[p]] = p;
        scelte_.pop_back();
        for (std::uint32_t e : g_.Vicini(u)) {
            const std::uint32_t dopo = --conta_[e];
            if (multipla_) {
                // u leaves e's chosen columns; the last one takes its place.
                std::uint32_t* c = coprenti_.data() + g_.Inizio(e);
                *std::find(c, c + dopo, u) = c[dopo];
            }
            xor_[e] ^= u;
            const std::uint32_t r = req_[e];
            if (dopo + 1 == r) {
                // Falls short: its weight now counts as gain, for the chosen columns as loss.
                Scopri(e);
                const std::int64_t parte = peso_[e] - corto_[e];
                for (std::uint32_t s : g_.Vicini(e)) {
                    guadagno_[s].base += parte;
                    ++guadagno_[s].corte;
                }
                for (std::uint32_t s : Coprenti(e, dopo)) critico_[s] -= peso_[e];
            } else if (dopo == r) {
                if (r == 1) {
                    critico_[xor_[e]] += peso_[e];
                } else {
                    for (std::uint32_t s : Coprenti(e, dopo)) critico_[s] += peso_[e];
                }
            }
        }
        eta_[u] = passo_;
    }

    // The first `quante` chosen columns covering e (all of them, where it matters); none are
    // kept with a requirement of one everywhere, where they are never needed.
    std::span<const std::uint32_t> Coprenti(std::uint32_t e, std::uint32_t quante) const {
        if (!multipla_) return {};
        return {coprenti_.data() + g_.Inizio(e), quante};
    }

    // Among many chosen columns, the one weighing least of a few drawn at random, other than
    // `tranne`; n_ when none.
    std::uint32_t Campione(std::uint32_t tranne) {
        std::uint32_t d = n_;
        std::int64_t minima = 0;
        for (int k = 0; k < kCampione; ++k)
            Leggera(scelte_[caso_() % scelte_.size()], tranne, d, minima);
        return d;
    }

    // The chosen column, other than `tranne`, whose loss weighs least; n_ when none.
    std::uint32_t PiuLeggera(std::uint32_t tranne) const {
        std::uint32_t d = n_;
        std::int64_t minima = 0;
        for (std::uint32_t s : scelte_) Leggera(s, tranne, d, minima);
        return d;
    }

    // s replaces d, the lightest so far with loss `minima`, when lighter (or as light and
    // left alone longer).
    void Leggera(std::uint32_t s, std::uint32_t tranne, std::uint32_t& d,
                 std::int64_t& minima) const {
        if (s == tranne) return;
        const std::int64_t p = Perdita(s);
        if (d == n_ || p < minima || (p == minima && eta_[s] < eta_[d])) {
            d = s;
            minima = p;
        }
    }

    // The neighbour of e not chosen whose gain weighs most. There is one: e is short of
    // cover and its requirement does not exceed its neighbours.
    std::uint32_t PiuPesante(std::uint32_t e) const {
        std::uint32_t a = n_;
        std::int64_t massimo = 0;
        for (std::uint32_t s : g_.Vicini(e)) {
            if (scelta_[s]) continue;
            const std::int64_t q = Guadagno(s);
            if (a == n_ || q > massimo || (q == massimo && eta_[s] < eta_[a])) {
                a = s;
                massimo = q;
            }
        }
        return a;
    }

    const TGrafoCopertura& g_;
    const std::uint8_t* req_;
    const std::uint32_t n_;
    std::mt19937_64 caso_;
    std::vector<std::uint32_t> conta_;  // chosen columns covering each column
    std::vector<std::uint32_t> xor_;    // their numbers xor-ed: the only one, when one
    std::vector<TGuadagno> guadagno_;
    std::vector<std::int64_t> critico_;    // weight a chosen column keeps at requirement
    std::vector<std::int64_t> peso_;       // weight when last counted (see corto_)
    std::vector<std::int64_t> corto_;      // step a column short of cover fell short at
    std::vector<std::uint64_t> eta_;       // step each column was last taken or dropped
    std::vector<std::uint8_t> scelta_;     // is chosen
    std::vector<std::uint32_t> scelte_;    // the chosen columns
    std::vector<std::uint32_t> posto_;     // a chosen column's place in scelte_
    std::vector<std::uint32_t> scoperte_;  // columns short of cover
    std::vector<std::uint32_t> postoScoperta_;
    std::vector<std::uint32_t> migliore_;
    std::size_t dimensioneMigliore_ = 0;
    static constexpr std::size_t kNessuno = ~std::size_t{0};
    std::vector<std::uint32_t> base_;           // the choice when the journal started
    std::vector<std::uint32_t> diario_;         // columns taken or dropped since
    std::size_t miglioreNelDiario_ = kNessuno;  // journal length at a best not written out
    std::vector<std::uint8_t> segno_;
    // Up to this many chosen columns each step looks at all of them to drop one; beyond,
    // at a sample.
    static constexpr std::size_t kTuttiFinoA = 1024;
    static constexpr int kCampione = 64;
    std::uint64_t passo_ = 1;
    // With a requirement above one somewhere, the chosen columns covering each column, in a
    // slice shaped like its neighbour list (its first conta_ entries).
    bool multipla_ = false;
    std::vector<std::uint32_t> coprenti_;
};

// For k = 1 the optimised cover needs nothing more. Otherwise, without the graph: each
// column in turn takes the first neighbours not chosen yet until it has its requirement.
// False when cancelled.
bool CompletaSenzaGrafo(const std::vector<std::uint64_t>& parole, int garanzia, int vincite,
                        std::vector<std::uint64_t>& scelte, const TAnnullamento* annullamento) {
    if (vincite <= 1) return true;
    std::vector<std::uint64_t> distinte;
    std::unordered_map<std::uint64_t, std::uint32_t> numeri;
    for (std::uint64_t w : parole)
        if (numeri.try_emplace(w, static_cast<std::uint32_t>(distinte.size())).second)
            distinte.push_back(w);
    std::vector<std::uint8_t> scelta(distinte.size(), 0);
    for (std::uint64_t w : scelte) scelta[numeri.at(w)] = 1;
    TIndiceVicini indice(garanzia);
    for (std::uint64_t w : distinte) indice.Aggiungi(w);
    std::vector<std::uint32_t> altri;
    for (std::size_t v = 0; v < distinte.size(); ++v) {
        if ((v & 1023) == 0 && annullamento && annullamento->Richiesto()) return false;
        int coperta = 0;
        altri.clear();
        indice.PerOgniVicino(distinte[v], [&](std::uint32_t j, int) {
            if (scelta[j])
                ++coperta;
            else
                altri.push_back(j);
            return true;
        });
        std::sort(altri.begin(), altri.end());
        for (std::size_t i = 0; coperta < vincite && i < altri.size(); ++i, ++coperta)
            scelta[altri[i]] = 1;
    }
    scelte.clear();
    for (std::size_t v = 0; v < distinte.size(); ++v)
        if (scelta[v]) scelte.push_back(distinte[v]);
    return true;
}

// Every vertex has its requirement among the chosen columns, counted afresh from the columns
// themselves rather than from the search's own counts.
bool Copre(const TGrafoCopertura& g, const std::vector<std::uint8_t>& requisiti,
           const std::vector<std::uint64_t>& scelte, int garanzia, int fili) {
    TIndiceVicini indice(garanzia);
    for (std::uint64_t w : scelte) indice.Aggiungi(w);
    std::atomic<bool> buca{false};
    InParallelo(g.Vertici(), 1024, fili, [&](std::size_t da, std::size_t a) {
        for (std::size_t v = da; v < a && !buca.load(std::memory_order_relaxed); ++v) {
            int mancano = requisiti[v];
            if (mancano == 0) continue;
            indice.PerOgniVicino(g.Parola(static_cast<std::uint32_t>(v)),
                                 [&](std::uint32_t, int) { return --mancano > 0; });
            if (mancano > 0) buca = true;
        }
    });
    return !buca;
}

void Sostituisci(TListaColonne& colonne, const std::vector<std::uint64_t>& parole) {
    colonne.Svuota();
    for (std::uint64_t w : parole) colonne.Accoda(Colonna(w));
}

}  // namespace

std::vector<std::uint8_t> Requisiti(const TGrafoCopertura& g, int vincite) {
    std::vector<std::uint8_t> r(g.Vertici());
    for (std::uint32_t v = 0; v < g.Vertici(); ++v)
        r[v] = static_cast<std::uint8_t>(
            std::min<std::uint32_t>(static_cast<std::uint32_t>(std::max(vincite, 1)), g.Grado(v)));
    return r;
}

std::int64_t LimiteInferiore(const TGrafoCopertura& g, const std::vector<std::uint8_t>& requisiti,
                             std::int64_t superiore, int passi, int fili,
                             const std::function<bool()>& basta) {
    // Relaxing "every column i has r_i chosen neighbours" with multipliers u_i >= 0 gives, for
    // any u, the bound sum_i r_i u_i + sum_j min(0, 1 - sum_{i near j} u_i). It starts from
    // u_i = 1 / (largest degree near i), where no column's sum exceeds 1, and climbs by
    // subgradient steps aimed a little above the best bound so far (a known cover is too far
    // above it to aim at), halved when ten steps bring nothing.
    const std::uint32_t n = g.Vertici();
    if (n == 0) return 0;
    std::vector<double> u(n), somma(n), sub(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        std::uint32_t massimo = 1;
        for (std::uint32_t j : g.Vicini(i)) massimo = std::max(massimo, g.Grado(j));
        u[i] = 1.0 / massimo;
    }
    double migliore = 0;
    double lambda = 2;
    int fermi = 0;  // steps since the bound last grew
    for (int t = 0; t < passi && !basta(); ++t) {
        InParallelo(n, 2048, fili, [&](std::size_t da, std::size_t a) {
            for (std::size_t j = da; j < a; ++j) {
                double s = 0;
                for (std::uint32_t i : g.Vicini(static_cast<std::uint32_t>(j))) s += u[i];
                somma[j] = s;
            }
        });
        double valore = 0;
        for (std::uint32_t i = 0; i < n; ++i)
            valore += requisiti[i] * u[i] + std::min(0.0, 1.0 - somma[i]);
        if (valore > migliore) {
            migliore = valore;
            fermi = 0;
        } else if (++fermi >= 10) {
            lambda /= 2;
            fermi = 0;
        }
        // Subgradient: requirement minus the columns the relaxed problem takes near i.
        for (std::uint32_t i = 0; i < n; ++i) sub[i] = requisiti[i];
        for (std::uint32_t j = 0; j < n; ++j)
            if (somma[j] > 1)
                for (std::uint32_t i : g.Vicini(j)) sub[i] -= 1;
        double norma = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            if (u[i] <= 0 && sub[i] < 0) sub[i] = 0;
            norma += sub[i] * sub[i];
        }
        if (std::ceil(migliore - 1e-6) >= static_cast<double>(superiore)) break;
        const double mira =
            std::min(static_cast<double>(superiore), std::max(migliore * 1.05, migliore + 1));
        const double distanza = mira - valore;
        if (norma <= 0 || distanza <= 0 || lambda < 1e-4) break;
        const double passo = lambda * distanza / norma;
        for (std::uint32_t i = 0; i < n; ++i) u[i] = std::max(0.0, u[i] + passo * sub[i]);
    }
    // Rounding of the sums must not lift the bound over a whole number it only touches.
    return static_cast<std::int64_t>(std::ceil(migliore - 1e-6));
}

void RiduzioneMigliorata(TListaColonne& colonne, int garanzia, int vincite,
                         const TParametriMigliorata& parametri, TVistaSviluppo& vista,
                         const TAnnullamento* annullamento, const std::function<double()>& orologio,
                         TEsitoMigliorata& esito) {
    esito = TEsitoMigliorata{};
    // The clock is read from the building threads too.
    std::mutex mutexOrologio;
    const auto adesso = [&] {
        if (!orologio)
            return std::chrono::duration<double>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        std::lock_guard chiave(mutexOrologio);
        return orologio();
    };
    const auto annullato = [&] { return annullamento && annullamento->Richiesto(); };
    const double inizio = adesso();
    const std::int64_t iterazioni = std::max<std::int64_t>(parametri.Iterazioni, 0);
    double secondi = parametri.Secondi;
    if (secondi <= 0 && iterazioni == 0) secondi = TParametriMigliorata::kSecondiPredefiniti;
    const bool aTempo = secondi > 0;
    const double scadenza = inizio + secondi;
    const auto scaduto = [&] { return aTempo && adesso() >= scadenza; };
    const auto basta = [&] { return annullato() || scaduto(); };
    const std::vector<std::uint64_t> parole = ParoleDelleColonne(colonne);
    if (parole.empty()) return;
    const auto iniziali = static_cast<std::int64_t>(parole.size());
    vincite = std::max(vincite, 1);

    // The optimised cover first: the search starts from it, so it is never worse.
    if (!RiduzioneOttimizzata(colonne, kPunteggioMassimo - garanzia, vista, annullamento)) {
        Sostituisci(colonne, parole);
        esito.Interrotta = true;
        return;
    }
    std::vector<std::uint64_t> partenza = ParoleDelleColonne(colonne);
    esito.Partenza = static_cast<std::int64_t>(partenza.size());
    vista.AggiornaMigliorata(iniziali, esito.Partenza, 0, 0, -1, false);

    const int fili = FiliDisponibili();
    TGrafoCopertura g;
    // Out of time or memory here, the search does not start: the optimised cover is the
    // result.
    auto costruito = TGrafoCopertura::TEsito::TroppoGrande;
    try {
        costruito = g.Costruisci(parole, garanzia, fili, parametri.MassimoVicini, basta);
    } catch (const std::bad_alloc&) {
        g = TGrafoCopertura{};
    }
    if (costruito != TGrafoCopertura::TEsito::Costruito) {
        esito.Interrotta = annullato();
        // For several wins the optimised cover is completed without the graph; once
        // cancelled, only the list itself is a cover for them.
        if (vincite > 1 && (esito.Interrotta || !CompletaSenzaGrafo(parole, garanzia, vincite,
                                                                    partenza, annullamento))) {
            esito.Interrotta = true;
            partenza = parole;
        }
        Sostituisci(colonne, partenza);
        vista.AggiornaMigliorata(iniziali, colonne.Quante(), 0, 100, -1, true);
        return;
    }

    const auto requisiti = Requisiti(g, vincite);
    std::vector<std::uint32_t> copertura;
    copertura.reserve(partenza.size());
    for (std::uint64_t w : partenza) copertura.push_back(static_cast<std::uint32_t>(g.Vertice(w)));

    const int passiLimite = static_cast<int>(std::clamp(
        kLavoroLimite / static_cast<double>(std::max<std::uint64_t>(g.Archi(), 1)), 5.0, 300.0));
    esito.LimiteInferiore = LimiteInferiore(g, requisiti, esito.Partenza, passiLimite, fili, basta);
    vista.AggiornaMigliorata(iniziali, esito.Partenza, esito.LimiteInferiore, 0, -1, false);

    int catene = parametri.Catene;
    if (catene <= 0 && iterazioni > 0) catene = TParametriMigliorata::kCateneRiproducibili;
    if (catene <= 0) {
        // One per core, as many as fit in the memory set aside for them.
        const double perCatena = 80.0 * g.Vertici() + (vincite > 1 ? 4.0 * g.Archi() : 0.0);
        catene = static_cast<int>(std::clamp(kMemoriaCatene / perCatena, 1.0, 16.0));
        catene = std::min(catene, fili);
    }
    std::vector<std::unique_ptr<TCatena>> lavori;
    for (int c = 0; c < catene; ++c)
        lavori.push_back(std::make_unique<TCatena>(
            g, requisiti, Mescola(parametri.Seme ^ Mescola(static_cast<std::uint64_t>(c)))));

    std::atomic<bool> fermo{false};
    std::mutex mutex;
    std::condition_variable finita;
    int attive = catene;
    std::vector<std::uint8_t> riuscita(static_cast<std::size_t>(catene), 0);
    std::vector<std::thread> lavoratori;
    const auto lavora = [&](int c) {
        try {
            lavori[c]->Parti(copertura);
            lavori[c]->Cerca(iterazioni, esito.LimiteInferiore, fermo);
            riuscita[c] = 1;
        } catch (...) {
            // Out of memory: this chain's result is not used.
        }
        std::lock_guard chiave(mutex);
        --attive;
        finita.notify_all();
    };
    try {
        for (int c = 0; c < catene; ++c) lavoratori.emplace_back(lavora, c);
    } catch (...) {
        // Not even one more thread: the chains started are enough.
        std::lock_guard chiave(mutex);
        attive -= catene - static_cast<int>(lavoratori.size());
    }
    esito.Ricerca = true;

    const auto migliore = [&] {
        std::int64_t m = esito.Partenza;
        for (const auto& l : lavori) {
            const std::int64_t d = l->Dimensione.load(std::memory_order_relaxed);
            if (d > 0) m = std::min(m, d);
        }
        return m;
    };
    const auto percento = [&] {
        double p = 0;
        if (aTempo) p = (adesso() - inizio) / secondi;
        if (iterazioni > 0) {
            std::int64_t fatti = 0;
            for (const auto& l : lavori) fatti += l->PassiFatti.load(std::memory_order_relaxed);
            p = std::max(p, static_cast<double>(fatti) / static_cast<double>(iterazioni * catene));
        }
        return static_cast<int>(std::min(p, 1.0) * 100);
    };
    {
        std::unique_lock chiave(mutex);
        while (attive > 0) {
            finita.wait_for(chiave, std::chrono::milliseconds(100), [&] { return attive == 0; });
            if (attive == 0) break;
            if (annullato()) {
                esito.Interrotta = true;
                fermo = true;
            } else if (scaduto()) {
                fermo = true;
            }
            chiave.unlock();
            vista.AggiornaMigliorata(iniziali, migliore(), esito.LimiteInferiore, percento(),
                                     aTempo ? std::max(0.0, scadenza - adesso()) : -1.0, false);
            chiave.lock();
        }
    }
    for (auto& t : lavoratori) t.join();
    for (const auto& l : lavori) esito.Passi += l->PassiFatti.load();

    // The smallest cover, the first chain's among equals; checked before it replaces the list.
    const std::vector<std::uint32_t>* scelta = nullptr;
    for (int c = 0; c < catene; ++c)
        if (riuscita[c] && (!scelta || lavori[c]->Migliore().size() < scelta->size()))
            scelta = &lavori[c]->Migliore();
    std::vector<std::uint64_t> risultato;
    if (scelta) {
        std::vector<std::uint32_t> ordinata = *scelta;
        std::sort(ordinata.begin(), ordinata.end());
        for (std::uint32_t v : ordinata) risultato.push_back(g.Parola(v));
        if (!Copre(g, requisiti, risultato, garanzia, fili)) risultato.clear();
    }
    if (risultato.empty()) {
        // No chain left a sound cover: the optimised one, completed for several wins.
        risultato = std::move(partenza);
        CompletaSenzaGrafo(parole, garanzia, vincite, risultato, nullptr);
    }
    Sostituisci(colonne, risultato);
    vista.AggiornaMigliorata(iniziali, colonne.Quante(), esito.LimiteInferiore, 100,
                             aTempo ? 0.0 : -1.0, true);
}

}  // namespace sirvela
