#include "development/RiduzioneRicerca.h"

#include <algorithm>

#include "development/GrafoCopertura.h"

namespace sirvela {
namespace {

// Steps a column just taken stays in, and a column just dropped stays out.
constexpr std::uint64_t kTabu = 10;
// Up to this many chosen columns each step looks at all of them for the lightest to drop;
// beyond, at a sample.
constexpr std::size_t kTuttiFinoA = 1024;
constexpr int kCampione = 64;

}  // namespace

TRicercaCopertura::TRicercaCopertura(const TGrafoCopertura& g,
                                     const std::vector<std::uint8_t>& requisiti,
                                     const std::vector<std::uint8_t>& fisse, std::uint64_t seme)
    : g_(g),
      req_(requisiti.data()),
      fisse_(fisse.data()),
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
      bonus_(n_, 0),
      segno_(n_, 0) {
    // No column counts as just taken or dropped at the start.
    passo_ = kTabu + 1;
    multipla_ = std::any_of(requisiti.begin(), requisiti.end(), [](auto r) { return r > 1; });
    if (multipla_) coprenti_.resize(g.Archi());
}

void TRicercaCopertura::Svuota() {
    // The columns short of cover keep the weight they have grown to.
    for (std::uint32_t e : scoperte_) peso_[e] += static_cast<std::int64_t>(passo_) - corto_[e];
    std::fill(conta_.begin(), conta_.end(), 0);
    std::fill(xor_.begin(), xor_.end(), 0);
    std::fill(guadagno_.begin(), guadagno_.end(), TGuadagno{});
    std::fill(critico_.begin(), critico_.end(), 0);
    std::fill(scelta_.begin(), scelta_.end(), 0);
    scelte_.clear();
    scoperte_.clear();
}

void TRicercaCopertura::Parti(const std::vector<std::uint32_t>& copertura) {
    for (std::uint32_t v = 0; v < n_; ++v)
        if (fisse_[v]) Sceglie(v);
    for (std::uint32_t v : copertura)
        if (!scelta_[v]) Sceglie(v);
    for (std::uint32_t v : scelte_)
        for (std::uint32_t e : g_.Vicini(v)) {
            if (multipla_) coprenti_[g_.Inizio(e) + conta_[e]] = v;
            ++conta_[e];
            xor_[e] ^= v;
        }
    for (std::uint32_t e = 0; e < n_; ++e)
        if (conta_[e] < req_[e]) Scopri(e);
    for (std::uint32_t s = 0; s < n_; ++s)
        for (std::uint32_t e : g_.Vicini(s)) {
            if (conta_[e] < req_[e]) {
                guadagno_[s].base += peso_[e] - corto_[e];
                ++guadagno_[s].corte;
            }
            if (scelta_[s] && conta_[e] == req_[e]) critico_[s] += peso_[e];
        }
    Completa();
    if (scelte_.size() < dimensioneMigliore_ || migliore_.empty()) {
        migliore_ = scelte_;
        dimensioneMigliore_ = migliore_.size();
        dimensione_.store(static_cast<std::int64_t>(dimensioneMigliore_));
    }
    base_ = scelte_;
    diario_.clear();
    miglioreNelDiario_ = kNessuno;
}

void TRicercaCopertura::Riparti(const std::vector<std::uint32_t>& copertura) {
    Ribasa();
    Svuota();
    Parti(copertura);
}

void TRicercaCopertura::Completa() {
    // Each column short of cover takes the neighbour covering most of what is short, the
    // first of equals.
    while (!scoperte_.empty()) {
        const std::uint32_t e = scoperte_.front();
        std::uint32_t a = n_;
        for (std::uint32_t s : g_.Vicini(e))
            if (!scelta_[s] && (a == n_ || Guadagno(s) > Guadagno(a))) a = s;
        Aggiungi(a);
    }
}

void TRicercaCopertura::Cerca(std::int64_t passi, std::int64_t limite,
                              const std::atomic<bool>& fermo) {
    finita_ = false;
    std::int64_t fatti = 0;
    for (; fatti < passi; ++fatti) {
        if ((fatti & 63) == 0) {
            passiFatti_.store(passiTotali_ + fatti, std::memory_order_relaxed);
            if (fermo.load(std::memory_order_relaxed)) break;
        }
        if (scoperte_.empty() && !Coperta(limite)) {
            finita_ = true;
            break;
        }
        Passo();
        if (diario_.size() > std::max<std::size_t>(4096, 4 * scelte_.size())) Ribasa();
    }
    if (scoperte_.empty() && scelte_.size() < dimensioneMigliore_) Registra();
    Ribasa();
    passiTotali_ += fatti;
    passiFatti_.store(passiTotali_, std::memory_order_relaxed);
}

bool TRicercaCopertura::Coperta(std::int64_t limite) {
    while (scoperte_.empty()) {
        if (scelte_.size() < dimensioneMigliore_) Registra();
        if (static_cast<std::int64_t>(dimensioneMigliore_) <= limite) return false;
        const std::uint32_t d = PiuLeggera(false);
        if (d == n_) return false;
        Cambia(d);
    }
    return true;
}

bool TRicercaCopertura::Togliibile(std::uint32_t s, bool rispettaTabu) const {
    return !fisse_[s] && !(rispettaTabu && eta_[s] + kTabu > passo_);
}

bool TRicercaCopertura::Meglio(std::int64_t valore, std::uint32_t v, std::int64_t migliore,
                               std::uint32_t attuale) const {
    // Among equals, the column left alone longest.
    return attuale == n_ || valore > migliore || (valore == migliore && eta_[v] < eta_[attuale]);
}

std::uint32_t TRicercaCopertura::PiuLeggera(bool rispettaTabu) {
    std::uint32_t d = n_;
    std::int64_t massimo = 0;
    const auto prova = [&](std::uint32_t s) {
        if (!Togliibile(s, rispettaTabu)) return;
        const std::int64_t v = -Perdita(s);
        if (Meglio(v, s, massimo, d)) {
            d = s;
            massimo = v;
        }
    };
    if (scelte_.size() > kTuttiFinoA) {
        for (int k = 0; k < kCampione; ++k) prova(scelte_[caso_() % scelte_.size()]);
    } else {
        for (std::uint32_t s : scelte_) prova(s);
    }
    return d;
}

void TRicercaCopertura::Passo() {
    const std::uint32_t e = scoperte_[caso_() % scoperte_.size()];
    const std::uint32_t leggera = PiuLeggera(true);
    const std::int64_t senzaBonus = leggera == n_ ? 0 : -Perdita(leggera);
    // For each neighbour of e that could come in, the chosen column whose leaving costs
    // least once the columns both cover are counted as staying covered: those at exactly
    // their requirement give their weight back to each of their chosen columns. No exchange
    // gains more than the column coming in alone, so the neighbours are looked at from the
    // one gaining most, until none can do better than the best exchange found.
    candidate_.clear();
    for (std::uint32_t a : g_.Vicini(e))
        if (!scelta_[a]) candidate_.push_back({Guadagno(a), a});
    std::sort(candidate_.begin(), candidate_.end(), [](const auto& x, const auto& y) {
        return x.first != y.first ? x.first > y.first : x.second < y.second;
    });
    std::uint32_t entra = n_, esce = n_;
    std::int64_t migliore = 0;
    for (const auto& [guadagno, a] : candidate_) {
        if (entra != n_ && guadagno < migliore) break;
        toccate_.clear();
        for (std::uint32_t x : g_.Vicini(a)) {
            if (conta_[x] != req_[x]) continue;
            const auto tocca = [&](std::uint32_t c) {
                if (bonus_[c] == 0) toccate_.push_back(c);
                bonus_[c] += peso_[x];
            };
            if (multipla_) {
                for (std::uint32_t c : Coprenti(x, conta_[x])) tocca(c);
            } else {
                tocca(xor_[x]);
            }
        }
        std::int64_t valore = senzaBonus;
        std::uint32_t via = leggera;
        for (std::uint32_t c : toccate_) {
            if (Togliibile(c, true)) {
                const std::int64_t v = bonus_[c] - Perdita(c);
                if (Meglio(v, c, valore, via)) {
                    valore = v;
                    via = c;
                }
            }
            bonus_[c] = 0;
        }
        valore += guadagno;
        // A column just dropped comes back only when that gains something.
        if (eta_[a] + kTabu > passo_ && valore <= 0) continue;
        if (Meglio(valore, a, migliore, entra)) {
            migliore = valore;
            entra = a;
            esce = via;
        }
    }
    if (entra == n_) {
        // Every neighbour was dropped a moment ago: one of them at random.
        const auto vicini = g_.Vicini(e);
        do entra = vicini[caso_() % vicini.size()];
        while (scelta_[entra]);
        esce = leggera;
    }
    if (esce != n_) Cambia(esce);
    Cambia(entra);
    // Every column still short of cover weighs one more from now on.
    ++passo_;
}

void TRicercaCopertura::Registra() {
    dimensioneMigliore_ = scelte_.size();
    miglioreNelDiario_ = diario_.size();
    dimensione_.store(static_cast<std::int64_t>(dimensioneMigliore_), std::memory_order_relaxed);
}

void TRicercaCopertura::Cambia(std::uint32_t v) {
    if (scelta_[v])
        Togli(v);
    else
        Aggiungi(v);
    eta_[v] = passo_;
    diario_.push_back(v);
}

void TRicercaCopertura::Ribasa() {
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

void TRicercaCopertura::Sceglie(std::uint32_t u) {
    scelta_[u] = 1;
    posto_[u] = static_cast<std::uint32_t>(scelte_.size());
    scelte_.push_back(u);
}

void TRicercaCopertura::Scopri(std::uint32_t e) {
    postoScoperta_[e] = static_cast<std::uint32_t>(scoperte_.size());
    scoperte_.push_back(e);
    corto_[e] = static_cast<std::int64_t>(passo_);
}

void TRicercaCopertura::Copri(std::uint32_t e) {
    const std::uint32_t p = postoScoperta_[e];
    scoperte_[p] = scoperte_.back();
    postoScoperta_[scoperte_[p]] = p;
    scoperte_.pop_back();
    peso_[e] += static_cast<std::int64_t>(passo_) - corto_[e];
}

void TRicercaCopertura::Aggiungi(std::uint32_t u) {
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
}

void TRicercaCopertura::Togli(std::uint32_t u) {
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
}

std::span<const std::uint32_t> TRicercaCopertura::Coprenti(std::uint32_t e,
                                                           std::uint32_t quante) const {
    if (!multipla_) return {};
    return {coprenti_.data() + g_.Inizio(e), quante};
}

}  // namespace sirvela
