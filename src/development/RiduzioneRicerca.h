#pragma once
#include <atomic>
#include <cstdint>
#include <random>
#include <span>
#include <utility>
#include <vector>

namespace sirvela {

class TGrafoCopertura;

// One local search over the covers of a graph: it looks for fewer chosen columns such that
// every column has its requirement of chosen neighbours. Deterministic for a given seed.
//
// Every column short of cover grows heavier at every step it stays short. A step takes a
// column short of cover at random and makes the best exchange for it: a neighbour of it
// comes in, a chosen column goes out, the pair chosen for the weight it leaves short counted
// exactly (what the two have in common stays covered). A column just taken is not dropped,
// nor a column just dropped taken back, for a few steps. Whenever the choice covers every
// column it is the best so far, and the chosen column weighing least is dropped to look for
// a smaller one.
class TRicercaCopertura {
  public:
    // `fisse`: columns every cover keeps (nonzero entries); they are never dropped.
    TRicercaCopertura(const TGrafoCopertura& g, const std::vector<std::uint8_t>& requisiti,
                      const std::vector<std::uint8_t>& fisse, std::uint64_t seme);

    // Starts from the given columns and the fixed ones, completed first where some column
    // lacks cover.
    void Parti(const std::vector<std::uint32_t>& copertura);
    // Goes on from another cover, keeping the weights learnt so far.
    void Riparti(const std::vector<std::uint32_t>& copertura);
    // Up to `passi` steps, fewer when `fermo` is set or the best reaches `limite`.
    void Cerca(std::int64_t passi, std::int64_t limite, const std::atomic<bool>& fermo);

    // The smallest cover met (after Cerca has returned).
    const std::vector<std::uint32_t>& Migliore() const { return migliore_; }
    // Its size, readable from another thread while the search runs.
    std::int64_t Dimensione() const { return dimensione_.load(std::memory_order_relaxed); }
    std::int64_t PassiFatti() const { return passiFatti_.load(std::memory_order_relaxed); }
    // Whether the last Cerca stopped because the best reached its bound or nothing is left
    // to drop.
    bool Finita() const { return finita_; }

  private:
    struct TGuadagno {
        std::int64_t base = 0;   // sum of (weight - step fallen short) of short neighbours
        std::int64_t corte = 0;  // how many they are
    };
    std::int64_t Guadagno(std::uint32_t s) const {
        return guadagno_[s].base + guadagno_[s].corte * static_cast<std::int64_t>(passo_);
    }
    std::int64_t Perdita(std::uint32_t s) const { return Guadagno(s) + critico_[s]; }

    void Svuota();
    void Completa();
    bool Coperta(std::int64_t limite);
    void Passo();
    void Registra();
    void Cambia(std::uint32_t v);
    void Ribasa();
    void Sceglie(std::uint32_t u);
    void Scopri(std::uint32_t e);
    void Copri(std::uint32_t e);
    void Aggiungi(std::uint32_t u);
    void Togli(std::uint32_t u);
    std::span<const std::uint32_t> Coprenti(std::uint32_t e, std::uint32_t quante) const;
    std::uint32_t PiuLeggera(bool rispettaTabu);
    bool Togliibile(std::uint32_t s, bool rispettaTabu) const;
    bool Meglio(std::int64_t valore, std::uint32_t v, std::int64_t migliore,
                std::uint32_t attuale) const;

    const TGrafoCopertura& g_;
    const std::uint8_t* req_;
    const std::uint8_t* fisse_;
    const std::uint32_t n_;
    std::mt19937_64 caso_;
    bool multipla_ = false;  // some requirement is above one

    std::vector<std::uint32_t> conta_;  // chosen columns covering each column
    std::vector<std::uint32_t> xor_;    // their numbers xor-ed: the only one, when one
    // With a requirement above one somewhere, the chosen columns covering each column, in a
    // slice shaped like its neighbour list (its first conta_ entries).
    std::vector<std::uint32_t> coprenti_;
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
    std::vector<std::int64_t> bonus_;     // scratch of one exchange: per chosen column
    std::vector<std::uint32_t> toccate_;  // the chosen columns with a bonus
    std::vector<std::pair<std::int64_t, std::uint32_t>> candidate_;  // gain, column
    std::uint64_t passo_ = 0;

    // The best choice is not copied at every improvement: the changes since a copy of the
    // choice (base_) are kept in a journal and the best is written out from them only when
    // the journal grows long or the search stops.
    std::vector<std::uint32_t> migliore_;
    std::size_t dimensioneMigliore_ = 0;
    std::vector<std::uint32_t> base_;
    std::vector<std::uint32_t> diario_;
    static constexpr std::size_t kNessuno = ~std::size_t{0};
    std::size_t miglioreNelDiario_ = kNessuno;
    std::vector<std::uint8_t> segno_;

    std::atomic<std::int64_t> dimensione_{0};
    std::atomic<std::int64_t> passiFatti_{0};
    std::int64_t passiTotali_ = 0;
    bool finita_ = false;
};

}  // namespace sirvela
