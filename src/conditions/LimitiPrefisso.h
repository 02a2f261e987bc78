#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/Colonna.h"

// Bounds of the conditions on partial columns: while a development fixes positions 1, 2, ...,
// each condition says whether some completion of the partial column could still pass it, so
// that a subtree no completion can pass is skipped whole.
namespace sirvela {

class TIntervalliAmmessi;
class TTabellaValori;
class TValoriAmmessi;

// What every completion of a partial column does to a condition.
enum class TVerdettoPrefisso : std::uint8_t {
    Nessuna,  // no completion passes
    Forse,
    Tutte,  // every completion passes, whatever the link groups tolerate
};

// Nessuna when either is, Tutte when both are.
inline TVerdettoPrefisso Entrambi(TVerdettoPrefisso a, TVerdettoPrefisso b) {
    if (a == TVerdettoPrefisso::Nessuna || b == TVerdettoPrefisso::Nessuna)
        return TVerdettoPrefisso::Nessuna;
    if (a == TVerdettoPrefisso::Tutte && b == TVerdettoPrefisso::Tutte)
        return TVerdettoPrefisso::Tutte;
    return TVerdettoPrefisso::Forse;
}

// Set bits of a word, in a few instructions: without a CPU flag std::popcount is a library
// call.
inline int ContaBit(std::uint64_t v) {
    v -= (v >> 1) & 0x5555555555555555ULL;
    v = (v & 0x3333333333333333ULL) + ((v >> 2) & 0x3333333333333333ULL);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((v * 0x0101010101010101ULL) >> 56);
}

// A closed range of integers; empty when Min > Max.
struct TEstremi {
    int Min = 0;
    int Max = 0;
};

// A partial column: positions 0..Fissate-1 hold their pilots, every later position k may take
// a pilot of Possibili(k) (its set without the pilots already placed), all eight different.
// Pilots are below 64, one bit each. What the later positions can add up to is worked out on
// first use.
class TPrefisso {
  public:
    static constexpr std::uint64_t kPari = 0x5555555555555555ULL;  // 0, 2, 4, ...
    static constexpr std::uint64_t kDispari = ~kPari;

    // The first position of a column; `insiemi` holds the pilots of each position's set,
    // `unioni` those of the sets from each position on.
    void Inizia(const std::array<std::uint64_t, 8>* insiemi,
                const std::array<std::uint64_t, 9>* unioni, std::uint8_t pilota);
    // The partial column `p` with one more position.
    void Estendi(const TPrefisso& p, std::uint8_t pilota);

    TColonna Colonna{};  // bytes from Fissate on are not meaningful
    int Fissate = 0;
    std::uint64_t Usati = 0;   // pilots placed
    std::uint64_t Unione = 0;  // pilots some later position may take
    int Somma = 0;             // of the placed pilots
    int SommaPari = 0;
    int SommaDispari = 0;
    int Dispari = 0;         // placed odd pilots
    unsigned SegniPari = 0;  // bit i: position i holds an even pilot (placed positions)

    int Restanti() const { return 8 - Fissate; }
    std::uint64_t Possibili(int k) const {
        return (*insiemi_)[static_cast<std::size_t>(k)] & ~Usati;
    }
    // Bits 0..7: positions that may hold an even (odd) pilot, placed ones as they are.
    unsigned PuoPari() const;
    unsigned PuoDispari() const;
    // Over the later positions of every completion: the sum of their pilots, how many are odd,
    // the sums of the even and of the odd ones. Empty when no completion exists.
    TEstremi RestoSomma() const;
    TEstremi RestoDispari() const;
    TEstremi RestoSommaPari() const;
    TEstremi RestoSommaDispari() const;

  private:
    void Parita() const;
    const std::array<std::uint64_t, 8>* insiemi_ = nullptr;
    const std::array<std::uint64_t, 9>* unioni_ = nullptr;
    mutable unsigned pronti_ = 0;  // which of the lazy values below are worked out
    mutable unsigned puoPari_ = 0, puoDispari_ = 0;
    mutable TEstremi somma_, dispari_, sommaPari_, sommaDispari_;
};

// A table of accepted values compiled for questions over ranges of values.
class TTabellaLimiti {
  public:
    TTabellaLimiti() = default;
    TTabellaLimiti(const TTabellaValori& t, int massimo);

    bool Attiva = false;
    // Some value of [da, a] is accepted, plainly or in recovery (false for an empty range).
    bool Qualcuno(int da, int a) const {
        da = da < 0 ? 0 : da;
        a = a > massimo_ ? massimo_ : a;
        if (da > a) return false;
        if (a < 64) return accettatiBassi_ & Tratto(da, a);
        return QualcunoOltre(da, a);
    }
    // Every value of [da, a] is accepted plainly (true for an empty range).
    bool TuttiSemplici(int da, int a) const {
        if (da > a) return true;
        // Values outside the table are never accepted.
        if (da < 0 || a > massimo_) return false;
        if (a < 64) return (sempliciBassi_ & Tratto(da, a)) == Tratto(da, a);
        return TuttiSempliciOltre(da, a);
    }
    // Bits da..a of a word (0 <= da <= a <= 63).
    static std::uint64_t Tratto(int da, int a) {
        const std::uint64_t alti = a >= 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (a + 1)) - 1;
        return alti & ~((std::uint64_t{1} << da) - 1);
    }
    // Bit i: value da + i is accepted, plainly or in recovery (da >= 0).
    std::uint64_t Finestra(int da) const;

  private:
    bool QualcunoOltre(int da, int a) const;
    bool TuttiSempliciOltre(int da, int a) const;
    std::uint64_t accettatiBassi_ = 0, sempliciBassi_ = 0;
    // Every value, a word per 64, for tables beyond 63 (the Quadro's counts).
    std::vector<std::uint64_t> accettati_;
    std::vector<std::uint64_t> semplici_;
    int massimo_ = -1;
};

// One category of values compiled for ranges: its main and secondary tables.
class TCategoriaLimiti {
  public:
    TCategoriaLimiti() = default;
    explicit TCategoriaLimiti(const TValoriAmmessi& v);

    bool Attivo = false;
    TTabellaLimiti Principale;
    TTabellaLimiti Secondaria;

    // The main value of every completion lies in `p`, the secondary one in `s`.
    TVerdettoPrefisso Esamina(TEstremi p, TEstremi s = {}) const;
    // The same for values that may also be missing (never accepted by an active category).
    TVerdettoPrefisso EsaminaForseMancante(TEstremi p, TEstremi s, bool mancante) const;
    // The verdict on one pair of values.
    TVerdettoPrefisso Giudica(int p, int s = 0) const { return Esamina({p, p}, {s, s}); }
};

// An interval list compiled for ranges of whole values.
class TIntervalliLimiti {
  public:
    TIntervalliLimiti() = default;
    explicit TIntervalliLimiti(const TIntervalliAmmessi& l);

    TVerdettoPrefisso Esamina(TEstremi v) const;
    bool Attivo() const { return attivo_; }
    // Bit x: base + x lies in an interval that accepts, plainly or in recovery (all bits when
    // the list is not in use).
    std::uint64_t Maschera(int base) const;

  private:
    struct TVoce {
        double Min, Max;
        int Tipo;
    };
    bool attivo_ = false;
    std::vector<TVoce> voci_;
    // The whole values each interval holds, in order, with its kind.
    struct TInteri {
        int Da, A, Tipo;
    };
    std::vector<TInteri> interi_;
};

// The bound of one condition: built from its settings when a development starts, then only
// read, by every thread at once.
class TLimitePrefisso {
  public:
    virtual ~TLimitePrefisso() = default;
    virtual TVerdettoPrefisso Esamina(const TPrefisso& p) const = 0;
    // With seven positions placed: the last pilots (bits) with which the column may pass, or
    // more of them; by default all, unless Esamina rules the partial column out.
    virtual std::uint64_t Ultimi(const TPrefisso& p) const;
    // With six positions placed: the pilots of position 7 (bits) with which some completion
    // may pass, or more of them; by default all.
    virtual std::uint64_t Penultimi(const TPrefisso& /*p*/) const { return ~std::uint64_t{0}; }
};

// Bit i of the result is bit 63 - i of v.
std::uint64_t Rovescia64(std::uint64_t v);
// Pilots x (bits) at distance d from pilot `da`, for each d set in `distanze`.
std::uint64_t PilotiADistanza(std::uint64_t distanze, int da);

// Count and longest run of a property along the positions, from the positions known to have
// it and those that may have it (bits 0..7).
struct TSerieLimiti {
    TEstremi Conta, Serie;
};
TSerieLimiti LimitiSerie(unsigned certi, unsigned possibili);

}  // namespace sirvela
