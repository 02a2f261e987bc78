#pragma once
#include <array>
#include <cstdint>

#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"

namespace sirvela {

class TDatiSistema;

// The three sums of a column: all pilots, the even ones, the odd ones.
struct TSomme {
    int Totale = 0;
    int Pari = 0;
    int Dispari = 0;
};

// Somme (1): the three sums tested against interval lists.
class TCondSomme : public TCondizione {
  public:
    explicit TCondSomme(TDatiSistema* proprietario);

    TIntervalliAmmessi Tutti;
    TIntervalliAmmessi Pari;
    TIntervalliAmmessi Dispari;

    static TSomme Calcola(const TColonna& c);
    // The set's pre-test while VerificaRapida holds: each active list's single interval.
    bool VerificaVeloce(const TColonna& c) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
    // The statistics count interval rows, not sums: the row of each list for a column.
    std::array<int, 3> Righe(const TColonna& c) const;
    int MassimoStatistica(int categoria) const override;
    void ValoriStatistici(const TColonna& c, TValoriColonna& valori) override;
};

// Counts and longest runs of even and odd pilots.
struct TPariDispari {
    int Pari = 0;
    int SeriePari = 0;
    int Dispari = 0;
    int SerieDispari = 0;
};

// Pari e Dispari (2).
class TCondPariDispari : public TCondizione {
  public:
    explicit TCondPariDispari(TDatiSistema* proprietario);

    TValoriAmmessi Pari;     // Massimo 8, secondary: longest even run
    TValoriAmmessi Dispari;  // Massimo 8, secondary: longest odd run

    static TPariDispari Calcola(const TColonna& c);
    // The set's pre-test while VerificaRapida holds: plain lookups of the two counts.
    bool VerificaVeloce(const TColonna& c) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Integer means: all pilots, the even ones, the odd ones (0 when there is none).
struct TBaricentri {
    int Tutti = 0;
    int Pari = 0;
    int Dispari = 0;
};

// Baricentri (3).
class TCondBaricentri : public TCondizione {
  public:
    explicit TCondBaricentri(TDatiSistema* proprietario);

    TValoriAmmessi Tutti;    // Massimo 88
    TValoriAmmessi Pari;     // Massimo 89
    TValoriAmmessi Dispari;  // Massimo 88

    static TBaricentri Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Distances between neighbouring positions.
struct TDistanze {
    int Minima = 90;
    int Massima = 0;
    int Totale = 0;
};

// Distanze Globali (4).
class TCondDistanzeGlobali : public TCondizione {
  public:
    explicit TCondDistanzeGlobali(TDatiSistema* proprietario);

    TValoriAmmessi Minima;   // Massimo 89
    TValoriAmmessi Massima;  // Massimo 89
    TValoriAmmessi Totale;   // Massimo 89

    static TDistanze Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Distanze Specifiche (35): the pilot at Posizione2 minus the pilot at Posizione1. A negative
// difference, or positions outside 1..8 read from a file, give kNessunValore: never accepted
// and never added to the Punti Tra totals.
class TCondDistanzeSpecifiche : public TCondizione {
  public:
    static constexpr int kNessunValore = -1;

    explicit TCondDistanzeSpecifiche(TDatiSistema* proprietario);

    TValoriAmmessi Distanza;  // Massimo 89
    std::int32_t Posizione1 = 1;
    std::int32_t Posizione2 = 2;

    int Calcola(const TColonna& c) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Resti (36): the sum of the column modulo Divisore. A Divisore of 0 (only from a damaged
// file) gives kNessunValore instead of dividing by zero.
class TCondResti : public TCondizione {
  public:
    static constexpr int kNessunValore = -1;

    explicit TCondResti(TDatiSistema* proprietario);

    TValoriAmmessi Resto;  // Massimo 99
    std::int32_t Divisore = 8;

    int Calcola(const TColonna& c) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
    // The holders start with values 0..Divisore.
    int MassimoStatistica(int categoria) const override;
};

}  // namespace sirvela
