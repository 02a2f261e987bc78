#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "conditions/LimitiPrefisso.h"
#include "core/TCombinazione.h"

namespace sirvela {

// The bounds of a column test on partial columns, in the order the test tries its conditions:
// built when the test is prepared, then only read, by every thread at once.
class TPotatura {
  public:
    void Aggiungi(std::string nome, std::unique_ptr<TLimitePrefisso> limite);
    int Quanti() const { return static_cast<int>(limiti_.size()); }
    const TLimitePrefisso& Limite(int i) const { return *limiti_[static_cast<std::size_t>(i)]; }
    const std::string& Nome(int i) const { return nomi_[static_cast<std::size_t>(i)]; }

  private:
    std::vector<std::string> nomi_;
    std::vector<std::unique_ptr<TLimitePrefisso>> limiti_;
};

// What the pruning of one development did.
struct TContiPotatura {
    std::int64_t Esaminati = 0;           // partial columns a bound was asked about
    std::int64_t Potati = 0;              // partial columns skipped with their subtree
    std::int64_t Candidati = 0;           // candidates in the skipped subtrees
    std::vector<std::int64_t> PerLimite;  // candidates skipped on each bound's word
    // The same by depth: partial columns of 1..7 fixed positions.
    std::array<std::int64_t, 7> EsaminatiPerLivello{};
    std::array<std::int64_t, 7> PotatiPerLivello{};
    void Somma(const TContiPotatura& altri);
};

// One enumeration's use of a TPotatura: the partial column as the positions are fixed, which
// bounds are worth asking at each depth, and the count of the candidates with eight different
// pilots below a partial column (what a skipped subtree still counts as admitted).
class TPotatore {
  public:
    // `quanti` and `piloti`: the slots of each position set, as the enumeration walks them.
    TPotatore(const TPotatura& potatura, const std::array<int, 8>& quanti,
              const std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8>& piloti);

    // False when a set holds a pilot number of 64 or more: nothing is pruned then.
    bool Attivo() const { return attivo_; }
    // Position `livello` (0..6) of `c` has just been fixed, on top of the positions before it
    // (given to the last calls for the lower depths): true when no completion can pass.
    bool Pota(int livello, const TColonna& c);
    // Position 7 of `c` has just been fixed (livello 6): the free last pilots (bits) with which
    // the column may pass; none when no completion passes.
    std::uint64_t Ultimi(const TColonna& c);
    // After Pota(5, ...) has kept a partial column: the pilots of position 7 (bits, among those
    // free there) with which some completion may pass.
    std::uint64_t Penultimi();
    // A pilot Penultimi ruled out has been fixed at position 7: counted as a skipped subtree.
    void PotatoPenultimo(int pilota);
    // The partial column up to `livello` without asking the bounds (for the counts below it).
    void Fissa(int livello, const TColonna& c);
    // The candidates with eight different pilots below the partial column last given to
    // Pota(livello, ...): all of them, and those among the first k in enumeration order.
    std::int64_t Ammesse(int livello) const;
    std::int64_t AmmesseFinoA(int livello, std::int64_t k) const;

    const TContiPotatura& Conti() const { return conti_; }

    // Candidates with eight different pilots on positions livello + 1 .. 8 that use none of
    // `usati` (pilot bits).
    std::int64_t Completamenti(int livello, std::uint64_t usati) const;

  private:
    // How one bound fares at one depth: asked in windows; one that seldom prunes rests for a
    // growing number of partial columns before it is asked again.
    struct TProva {
        std::uint32_t Prove = 0;
        std::uint32_t Potati = 0;
        std::int64_t Pausa = 0;
        std::int64_t ProssimaPausa = 0;
        std::int64_t Totale = 0;  // pruned at this depth since the start
    };
    void Riordina(int livello);

    const TPotatura& potatura_;
    bool attivo_ = true;
    std::array<int, 8> quanti_{};
    const std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8>& piloti_;
    std::array<std::uint64_t, 8> insiemi_{};  // pilot bits of each set
    std::array<std::uint64_t, 9> unioni_{};   // of the sets from each position on
    std::array<bool, 8> unici_{};             // sets without a repeated pilot
    std::array<std::int64_t, 9> sotto_{};     // candidates below one slot of each position
    std::array<std::array<std::uint8_t, 64>, 8> molteplicita_{};  // slots holding each pilot
    std::array<std::uint64_t, 256> pesi_{};  // over positions B: sum over pilots of the product
                                             // of their slot counts in B
    std::array<TPrefisso, 7> prefissi_{};
    // By depth 0..6, and [7] for Penultimi.
    std::array<std::vector<TProva>, 8> prove_;
    std::array<std::vector<int>, 8> ordine_;
    std::array<std::int64_t, 8> domande_{};  // bounds asked at each depth
    std::array<std::int8_t, 64> escluso_{};  // which bound Penultimi ruled each pilot out by
    TContiPotatura conti_;
};

}  // namespace sirvela
