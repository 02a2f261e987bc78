#include "development/Riduzione.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "development/QuadroSviluppo.h"

namespace sirvela {

TRiduzioneAlVolo::TRiduzioneAlVolo(TListaColonne& colonne, int garanzia)
    : colonne_(colonne),
      garanzia_(garanzia),
      sogliaPasso1_(garanzia < 90 ? garanzia - 20 : garanzia),
      indice_(sogliaPasso1_) {}

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
    const bool tieni = indice_.PerOgniVicino(w, [&](std::uint32_t, int punti) {
        if (punti > garanzia_) return false;
        return !(punti == garanzia_ && ++colpi >= passo);
    });
    if (!tieni) return TEsito::Scartata;
    Tieni(c);
    return TEsito::Tenuta;
}

bool TRiduzioneAlVolo::Coperta(const TColonna& c) const {
    return !indice_.PerOgniVicino(ComeParola(c),
                                  [&](std::uint32_t, int punti) { return punti < garanzia_; });
}

void TRiduzioneAlVolo::Tieni(const TColonna& c) {
    colonne_.InserisciInTesta(c);
    indice_.Aggiungi(ComeParola(c));
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

// One run of the greedy cover. Every column keeps the exact number of uncovered columns it
// covers, so counting a candidate costs nothing; the scans of the candidate lists are
// replayed step by step only as far as their outcome needs, and the points where the plain
// scan would poll for a cancel are worked out from the candidates' places in the lists.
class TCoperturaGreedy {
  public:
    TCoperturaGreedy(const TListaColonne& colonne, int garanzia, TVistaSviluppo& vista,
                     const TAnnullamento* annullamento)
        : vista_(vista),
          annullamento_(annullamento),
          indice_(garanzia),
          totale_(colonne.Quante()),
          ranghi_(static_cast<std::size_t>(totale_)) {
        const auto n = static_cast<std::size_t>(totale_);
        indice_.Riserva(n);
        colonne.PerOgniBlocco([&](const TColonna* p, std::size_t k) {
            for (std::size_t i = 0; i < k; ++i) indice_.Aggiungi(ComeParola(p[i]));
            return true;
        });
        scoperte_.assign(n, 0);
        coperta_.assign(n, 0);
        coperte_.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            indice_.PerOgniVicino(indice_.Parola(i), [&](std::uint32_t, int) {
                ++scoperte_[i];
                return true;
            });
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
        while (coperte_totali_ < totale_) {
            std::int64_t migliore = 0;
            if (!Passo(soglia, fase2, migliore)) return false;
            soglia = migliore;
            if (Annullato()) return false;
            if (fase2 && coperte_totali_ > tronco99_) {
                fase2 = false;
                vista_.Stato("Autoriduzione in Corso : Fase 3");
                soglia = 10000;
            }
        }
        vista_.AggiornaRidOtt(coperte_totali_, static_cast<std::int64_t>(scelte_.size()),
                              coperte_totali_, true);
        return true;
    }

    const std::vector<std::uint32_t>& Scelte() const { return scelte_; }
    std::uint64_t Parola(std::uint32_t i) const { return indice_.Parola(i); }

  private:
    bool Annullato() const { return annullamento_ && annullamento_->Richiesto(); }

    void Scegli(std::uint32_t q) {
        scelte_.push_back(q);
        nuove_.clear();
        indice_.PerOgniVicino(indice_.Parola(q), [&](std::uint32_t j, int) {
            if (!coperta_[j]) nuove_.push_back(j);
            return true;
        });
        // They leave the uncovered list in its own order.
        std::sort(nuove_.begin(), nuove_.end());
        for (std::uint32_t j : nuove_) {
            coperta_[j] = 1;
            ranghi_.Togli(j);
            coperte_.push_back(j);
            ++coperte_totali_;
            if (scoperte_[j] > 0) ++copertiUtili_;
        }
        for (std::uint32_t j : nuove_)
            indice_.PerOgniVicino(indice_.Parola(j), [&](std::uint32_t i, int) {
                if (--scoperte_[i] == 0 && coperta_[i]) --copertiUtili_;
                return true;
            });
        vista_.AggiornaRidOtt(totale_, static_cast<std::int64_t>(scelte_.size()), coperte_totali_,
                              false);
    }

    // One selection step; false when a cancel was seen during its scans.
    bool Passo(std::int64_t soglia, bool fase2, std::int64_t& migliore) {
        const auto n = static_cast<std::size_t>(totale_);
        migliore = 0;
        std::int64_t candidatoMigliore = -1;
        bool scelto = false;
        int contatore = 0;  // candidates since the last poll
        std::size_t da = 0;
        while (coperte_totali_ < totale_) {
            // The scan restarts from the head after every choice, but the candidates before
            // the chosen one could not reach the threshold then and their counts only fall.
            std::int64_t trovato = -1;
            if (fase2) {
                for (std::size_t i = da; i < n; ++i)
                    if (!coperta_[i] && scoperte_[i] >= soglia) {
                        trovato = static_cast<std::int64_t>(i);
                        break;
                    }
            } else if (copertiUtili_ > 0) {
                for (std::size_t k = da; k < coperte_.size(); ++k)
                    if (scoperte_[coperte_[k]] >= soglia) {
                        trovato = static_cast<std::int64_t>(k);
                        break;
                    }
            }
            // Candidates the plain scan visits from the head to here (or to the end).
            std::int64_t visitati;
            if (trovato >= 0)
                visitati = (fase2 ? ranghi_.Prima(static_cast<std::size_t>(trovato)) : trovato) + 1;
            else
                visitati =
                    fase2 ? totale_ - coperte_totali_ : static_cast<std::int64_t>(coperte_.size());
            if (contatore + visitati >= 10 && Annullato()) return false;
            contatore = static_cast<int>((contatore + visitati) % 10);
            if (trovato < 0) {
                MiglioreDellaLista(fase2, migliore, candidatoMigliore);
                break;
            }
            const auto q = static_cast<std::uint32_t>(
                fase2 ? trovato : coperte_[static_cast<std::size_t>(trovato)]);
            Scegli(q);
            scelto = true;
            da = static_cast<std::size_t>(trovato) + 1;
            if (fase2 && coperte_totali_ > arrotondato99_) break;
        }
        if (!scelto && candidatoMigliore >= 0)
            Scegli(static_cast<std::uint32_t>(candidatoMigliore));
        if (!fase2 && migliore == 0 && coperte_totali_ < totale_) {
            // No covered column covers any uncovered one: a threshold of 0 would choose the
            // same column forever. Take the uncovered column covering most uncovered ones.
            std::int64_t q = -1;
            for (std::size_t i = 0; i < n; ++i)
                if (!coperta_[i] && scoperte_[i] > migliore) {
                    migliore = scoperte_[i];
                    q = static_cast<std::int64_t>(i);
                }
            Scegli(static_cast<std::uint32_t>(q));
        }
        return true;
    }

    void MiglioreDellaLista(bool fase2, std::int64_t& migliore, std::int64_t& candidato) const {
        if (fase2) {
            for (std::size_t i = 0; i < coperta_.size(); ++i)
                if (!coperta_[i] && scoperte_[i] > migliore) {
                    migliore = scoperte_[i];
                    candidato = static_cast<std::int64_t>(i);
                }
        } else if (copertiUtili_ > 0) {
            for (std::uint32_t j : coperte_)
                if (scoperte_[j] > migliore) {
                    migliore = scoperte_[j];
                    candidato = j;
                }
        }
    }

    TVistaSviluppo& vista_;
    const TAnnullamento* annullamento_;
    TIndiceVicini indice_;
    std::int64_t totale_;
    std::int64_t coperte_totali_ = 0;
    std::int64_t tronco99_ = 0;
    std::int64_t arrotondato99_ = 0;
    std::int64_t copertiUtili_ = 0;  // covered columns that still cover an uncovered one
    TContatoreRanghi ranghi_;
    std::vector<std::int32_t> scoperte_;  // uncovered columns each one covers
    std::vector<std::uint8_t> coperta_;
    std::vector<std::uint32_t> coperte_;  // covered columns, in the order they were covered
    std::vector<std::uint32_t> scelte_;
    std::vector<std::uint32_t> nuove_;
};

}  // namespace

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
