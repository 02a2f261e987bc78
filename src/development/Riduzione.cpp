#include "development/Riduzione.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "development/QuadroSviluppo.h"

namespace sirvela {

TRiduzioneAlVolo::TRiduzioneAlVolo(TListaColonne& colonne, int garanzia)
    : colonne_(colonne),
      garanzia_(garanzia),
      sogliaPasso1_(garanzia < 90 ? garanzia - 20 : garanzia),
      indice_(sogliaPasso1_),
      indiceGaranzia_(garanzia) {}

TRiduzioneAlVolo::TEsito TRiduzioneAlVolo::AccettaColonna(const TColonna& c, int passo) {
    const std::uint64_t w = ComeParola(c);
    if (passo <= 1) {
        // Walking from the most recent kept column, the first one at the threshold decides.
        int punti = 0;
        if (indice_.UltimoVicino(w, sogliaPasso1_, punti) < 0) {
            Tieni(c);
            return TEsito::Tenuta;
        }
        return punti < garanzia_ ? TEsito::Sospesa : TEsito::Scartata;
    }
    int colpi = 0;
    const bool tieni = indiceGaranzia_.PerOgniVicino(w, [&](std::uint32_t, int punti) {
        if (punti > garanzia_) return false;
        return !(punti == garanzia_ && ++colpi >= passo);
    });
    if (!tieni) return TEsito::Scartata;
    Tieni(c);
    return TEsito::Tenuta;
}

bool TRiduzioneAlVolo::Coperta(const TColonna& c) const {
    return !indiceGaranzia_.PerOgniVicino(
        ComeParola(c), [&](std::uint32_t, int punti) { return punti < garanzia_; });
}

void TRiduzioneAlVolo::Tieni(const TColonna& c) {
    colonne_.InserisciInTesta(c);
    indice_.Aggiungi(ComeParola(c));
    indiceGaranzia_.Aggiungi(ComeParola(c));
}

namespace {

// Counts of still uncovered columns before a given one, as columns leave that list.
class TContatoreRanghi {
  public:
    explicit TContatoreRanghi(std::size_t n) : albero_(n + 1, 0) {
        for (std::size_t i = 1; i <= n; ++i) {
            albero_[i] += 1;
            const std::size_t su = i + (i & (~i + 1));
            if (su <= n) albero_[su] += albero_[i];
        }
    }
    void Togli(std::size_t i) {
        for (++i; i < albero_.size(); i += i & (~i + 1)) --albero_[i];
    }
    std::int64_t Prima(std::size_t i) const {  // how many before position i
        std::int64_t s = 0;
        for (; i > 0; i -= i & (~i + 1)) s += albero_[i];
        return s;
    }

  private:
    std::vector<std::int32_t> albero_;
};

// Smallest column not yet covered at or after a given one (covered ones point past
// themselves; paths are halved as they are walked).
class TSuccessivi {
  public:
    explicit TSuccessivi(std::size_t n) : prossimo_(n + 1) {
        for (std::size_t i = 0; i <= n; ++i) prossimo_[i] = static_cast<std::uint32_t>(i);
    }
    std::size_t Da(std::size_t i) {
        while (prossimo_[i] != i) {
            prossimo_[i] = prossimo_[prossimo_[i]];
            i = prossimo_[i];
        }
        return i;
    }
    void Togli(std::size_t i) { prossimo_[i] = static_cast<std::uint32_t>(i + 1); }

  private:
    std::vector<std::uint32_t> prossimo_;
};

// The developed columns bucketed by the bytes of each group of positions (see
// TIndiceVicini), holding only the columns not yet covered.
class TSecchiScoperte {
  public:
    TSecchiScoperte(const std::vector<std::uint64_t>& parole, int garanzia) : parole_(parole) {
        const auto n = parole.size();
        const auto gruppi = GruppiPerSoglia(garanzia);
        const auto conta = PatternPerGruppo(gruppi, garanzia);
        for (std::size_t k = 0; k < gruppi.size(); ++k) {
            Gruppo gr;
            gr.posizioni = gruppi[k];
            gr.byte = ByteDelGruppo(gruppi[k]);
            gr.conta = conta[k];
            gr.secchio.resize(n);
            gr.posto.resize(n);
            std::unordered_map<std::uint64_t, std::uint32_t> numeri;
            numeri.reserve(n);
            for (std::size_t i = 0; i < n; ++i) {
                auto [it, nuovo] = numeri.try_emplace(parole[i] & gr.byte,
                                                      static_cast<std::uint32_t>(gr.membri.size()));
                if (nuovo) gr.membri.emplace_back();
                auto& m = gr.membri[it->second];
                gr.secchio[i] = it->second;
                gr.posto[i] = static_cast<std::uint32_t>(m.numeri.size());
                m.numeri.push_back(static_cast<std::uint32_t>(i));
                m.parole.push_back(parole[i]);
            }
            gruppi_.push_back(std::move(gr));
        }
    }

    // Columns still in the buckets of column i: the work of visiting its neighbours there.
    std::size_t Costo(std::uint32_t i) const {
        std::size_t c = 0;
        for (const auto& g : gruppi_) c += g.membri[g.secchio[i]].numeri.size();
        return c;
    }

    void Togli(std::uint32_t j) {
        for (auto& g : gruppi_) {
            auto& m = g.membri[g.secchio[j]];
            const std::uint32_t posto = g.posto[j];
            const std::uint32_t ultimo = m.numeri.back();
            m.numeri[posto] = ultimo;
            m.parole[posto] = m.parole.back();
            g.posto[ultimo] = posto;
            m.numeri.pop_back();
            m.parole.pop_back();
        }
    }

    // Uncovered columns covering column i, stopping at `limite`.
    std::int64_t Conta(std::uint32_t i, std::int64_t limite) const {
        const std::uint64_t w = parole_[i];
        std::int64_t n = 0;
        for (const auto& g : gruppi_) {
            const auto& m = g.membri[g.secchio[i]].parole;
            const std::uint64_t* p = m.data();
            const std::size_t k = m.size();
            std::size_t t = 0;
#if defined(__SSE2__)
            // Two columns at a time: equal bytes, then one bit per byte.
            const __m128i doppia = _mm_set1_epi64x(static_cast<long long>(w));
            for (; t + 2 <= k; t += 2) {
                const __m128i due = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + t));
                const auto bit =
                    static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(due, doppia)));
                n += g.conta[bit & 0xFF] + g.conta[bit >> 8];
                if (n >= limite) return limite;
            }
#endif
            for (; t < k; ++t) {
                n += g.conta[dettaglio::MascheraUguali(w, p[t])];
                if (n >= limite) return n;
            }
        }
        return n;
    }

    // f(j) for every uncovered column j covering column i, each once.
    template <typename F>
    void PerOgniVicino(std::uint32_t i, F&& f) const {
        const std::uint64_t w = parole_[i];
        for (const auto& g : gruppi_) {
            const auto& m = g.membri[g.secchio[i]];
            for (std::size_t t = 0; t < m.parole.size(); ++t)
                if (g.conta[dettaglio::MascheraUguali(w, m.parole[t])]) f(m.numeri[t]);
        }
    }

  private:
    struct Secchio {
        std::vector<std::uint32_t> numeri;
        std::vector<std::uint64_t> parole;  // the same columns' words, read in sequence
    };
    struct Gruppo {
        std::uint64_t byte = 0;
        unsigned posizioni = 0;
        std::vector<Secchio> membri;         // per bucket
        std::vector<std::uint32_t> secchio;  // bucket of each column
        std::vector<std::uint32_t> posto;    // its place in the bucket
        std::array<std::uint8_t, 256> conta{};
    };
    const std::vector<std::uint64_t>& parole_;
    std::vector<Gruppo> gruppi_;
};

// One run of the greedy cover. The outcome of a selection step depends only on the present
// counts (the first candidate reaching the threshold is chosen, else the first with the
// largest count), so the counts are worked out lazily: each column keeps an upper bound of
// its count (counts only fall) and is counted again, stopping at the limit, only when that
// bound could matter. The plain scan restarts from the head after each choice; here it goes
// on from the chosen candidate, since the ones before could not reach the threshold then.
// The points where the plain scan polls for a cancel follow from the candidates' places.
class TCoperturaGreedy {
  public:
    TCoperturaGreedy(const TListaColonne& colonne, int garanzia, TVistaSviluppo& vista,
                     const TAnnullamento* annullamento)
        : vista_(vista),
          annullamento_(annullamento),
          garanzia_(garanzia),
          parole_(ParoleDelleColonne(colonne)),
          totale_(static_cast<std::int64_t>(parole_.size())),
          n_(parole_.size()),
          secchi_(parole_, garanzia),
          successivi_(n_),
          ranghi_(n_),
          limite_(n_, std::numeric_limits<std::int64_t>::max()),
          contatoAl_(n_, -1),
          esatto_(n_, 0),
          coperta_(n_, 0) {
        coperte_.reserve(n_);
    }

    bool Esegui() {
        vista_.InizialiRiduzione(totale_);
        std::int64_t soglia = 110;
        vista_.Stato("Autoriduzione in Corso : Fase 1");
        const double quasiTutte = static_cast<double>(totale_) * 0.99;
        tronco99_ = static_cast<std::int64_t>(quasiTutte);
        arrotondato99_ = static_cast<std::int64_t>(std::nearbyint(quasiTutte));
        vista_.Stato("Autoriduzione in Corso : Fase 2");
        bool fase2 = true;
        while (coperteTotali_ < totale_) {
            std::int64_t migliore = 0;
            if (!Passo(soglia, fase2, migliore)) return false;
            soglia = migliore;
            if (Annullato()) return false;
            if (fase2 && coperteTotali_ > tronco99_) {
                fase2 = false;
                vista_.Stato("Autoriduzione in Corso : Fase 3");
                soglia = 10000;
            }
        }
        vista_.AggiornaRidOtt(coperteTotali_, static_cast<std::int64_t>(scelte_.size()),
                              coperteTotali_, true);
        return true;
    }

    const std::vector<std::uint32_t>& Scelte() const { return scelte_; }
    std::uint64_t Parola(std::uint32_t i) const { return parole_[i]; }

  private:
    bool Annullato() const { return annullamento_ && annullamento_->Richiesto(); }
    std::int64_t Scoperte() const { return totale_ - coperteTotali_; }

    // A bound of column i's count: its last count, and the uncovered columns left in its
    // buckets (every column it covers is in one of them).
    std::int64_t Limite(std::uint32_t i) const {
        return std::min(limite_[i], static_cast<std::int64_t>(secchi_.Costo(i)));
    }

    // Uncovered columns that column i covers, stopping at `limite`; remembered as its bound.
    std::int64_t Conta(std::uint32_t i, std::int64_t limite) {
        // Nothing was covered since the last count: it still holds.
        if (contatoAl_[i] == coperteTotali_ && (esatto_[i] || limite_[i] >= limite))
            return std::min(limite_[i], limite);
        std::int64_t n = 0;
        if (static_cast<std::int64_t>(secchi_.Costo(i)) <= Scoperte()) {
            n = secchi_.Conta(i, limite);
        } else {
            const std::uint64_t w = parole_[i];
            for (std::size_t j = successivi_.Da(0); j < n_ && n < limite; j = successivi_.Da(j + 1))
                if (PunteggioParole(w, parole_[j]) >= garanzia_) ++n;
        }
        limite_[i] = n;
        contatoAl_[i] = coperteTotali_;
        esatto_[i] = n < limite;
        return n;
    }

    void Scegli(std::uint32_t q) {
        scelte_.push_back(q);
        nuove_.clear();
        if (static_cast<std::int64_t>(secchi_.Costo(q)) <= Scoperte()) {
            secchi_.PerOgniVicino(q, [&](std::uint32_t j) { nuove_.push_back(j); });
            // They leave the uncovered list in its own order.
            std::sort(nuove_.begin(), nuove_.end());
        } else {
            const std::uint64_t w = parole_[q];
            for (std::size_t j = successivi_.Da(0); j < n_; j = successivi_.Da(j + 1))
                if (PunteggioParole(w, parole_[j]) >= garanzia_)
                    nuove_.push_back(static_cast<std::uint32_t>(j));
        }
        for (std::uint32_t j : nuove_) {
            coperta_[j] = 1;
            successivi_.Togli(j);
            ranghi_.Togli(j);
            secchi_.Togli(j);
            coperte_.push_back(j);
            ++coperteTotali_;
        }
        vista_.AggiornaRidOtt(totale_, static_cast<std::int64_t>(scelte_.size()), coperteTotali_,
                              false);
    }

    // The k-th candidate from `da` on in the step's list (uncovered columns in order, or
    // covered ones in the order they were covered); n_ at the end.
    std::size_t Prossimo(bool fase2, std::size_t da) {
        if (fase2) return successivi_.Da(std::min(da, n_));
        return da < coperte_.size() ? da : n_;
    }
    std::uint32_t Nodo(bool fase2, std::size_t k) const {
        return fase2 ? static_cast<std::uint32_t>(k) : coperte_[k];
    }
    bool Fine(bool fase2, std::size_t k) const { return fase2 ? k >= n_ : k >= coperte_.size(); }

    // The first candidate with the largest count (0 = none), counting again only where the
    // bound could beat the best so far.
    void Migliore(bool fase2, std::int64_t soglia, std::int64_t& migliore,
                  std::int64_t& candidato) {
        for (std::size_t k = Prossimo(fase2, 0); !Fine(fase2, k); k = Prossimo(fase2, k + 1)) {
            const std::uint32_t i = Nodo(fase2, k);
            const std::int64_t limite = Limite(i);
            if (limite <= migliore) continue;
            const std::int64_t c = Conta(i, soglia);
            if (c > migliore) {
                migliore = c;
                candidato = i;
            }
        }
    }

    // One selection step; false when a cancel was seen during its scans.
    bool Passo(std::int64_t soglia, bool fase2, std::int64_t& migliore) {
        migliore = 0;
        std::int64_t candidatoMigliore = -1;
        bool scelto = false;
        int contatore = 0;  // candidates since the last poll
        std::size_t da = 0;
        while (coperteTotali_ < totale_) {
            std::size_t trovato = n_;
            for (std::size_t k = Prossimo(fase2, da); !Fine(fase2, k); k = Prossimo(fase2, k + 1)) {
                const std::uint32_t i = Nodo(fase2, k);
                if (Limite(i) >= soglia && Conta(i, soglia) == soglia) {
                    trovato = k;
                    break;
                }
            }
            const bool fine = Fine(fase2, trovato);
            // Candidates the plain scan visits from the head to here (or to the end).
            std::int64_t visitati;
            if (!fine)
                visitati =
                    (fase2 ? ranghi_.Prima(trovato) : static_cast<std::int64_t>(trovato)) + 1;
            else
                visitati = fase2 ? Scoperte() : static_cast<std::int64_t>(coperte_.size());
            if (contatore + visitati >= 10 && Annullato()) return false;
            contatore = static_cast<int>((contatore + visitati) % 10);
            if (fine) {
                Migliore(fase2, soglia, migliore, candidatoMigliore);
                break;
            }
            Scegli(Nodo(fase2, trovato));
            scelto = true;
            da = trovato + 1;
            if (fase2 && coperteTotali_ > arrotondato99_) break;
        }
        if (!scelto && candidatoMigliore >= 0)
            Scegli(static_cast<std::uint32_t>(candidatoMigliore));
        if (!fase2 && migliore == 0 && coperteTotali_ < totale_) {
            // No covered column covers any uncovered one: a threshold of 0 would choose the
            // same column forever. Take the uncovered column covering most uncovered ones.
            Migliore(true, std::numeric_limits<std::int64_t>::max(), migliore, candidatoMigliore);
            Scegli(static_cast<std::uint32_t>(candidatoMigliore));
        }
        return true;
    }

    TVistaSviluppo& vista_;
    const TAnnullamento* annullamento_;
    const int garanzia_;
    const std::vector<std::uint64_t> parole_;
    const std::int64_t totale_;
    const std::size_t n_;
    TSecchiScoperte secchi_;
    TSuccessivi successivi_;
    TContatoreRanghi ranghi_;
    std::vector<std::int64_t> limite_;     // upper bound of each column's count
    std::vector<std::int64_t> contatoAl_;  // covered columns when it was last counted
    std::vector<std::uint8_t> esatto_;     // that count did not stop at its limit
    std::vector<std::uint8_t> coperta_;
    std::vector<std::uint32_t> coperte_;  // covered columns, in the order they were covered
    std::vector<std::uint32_t> scelte_;
    std::vector<std::uint32_t> nuove_;
    std::int64_t coperteTotali_ = 0;
    std::int64_t tronco99_ = 0;
    std::int64_t arrotondato99_ = 0;
};

}  // namespace

std::vector<std::uint64_t> ParoleDelleColonne(const TListaColonne& colonne) {
    std::vector<std::uint64_t> v;
    v.reserve(static_cast<std::size_t>(colonne.Quante()));
    colonne.PerOgniBlocco([&](const TColonna* p, std::size_t k) {
        for (std::size_t i = 0; i < k; ++i) v.push_back(ComeParola(p[i]));
        return true;
    });
    return v;
}

bool RiduzioneOttimizzata(TListaColonne& colonne, int perditaAmmessa, TVistaSviluppo& vista,
                          const TAnnullamento* annullamento) {
    TCoperturaGreedy greedy(colonne, kPunteggioMassimo - perditaAmmessa, vista, annullamento);
    const bool completa = greedy.Esegui();
    colonne.Svuota();
    if (!completa) return false;
    const auto& scelte = greedy.Scelte();
    for (auto it = scelte.rbegin(); it != scelte.rend(); ++it) {
        TColonna c;
        const std::uint64_t w = greedy.Parola(*it);
        std::memcpy(c.data(), &w, 8);
        colonne.Accoda(c);
    }
    return true;
}

}  // namespace sirvela
