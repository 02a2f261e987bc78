#pragma once
#include <array>
#include <cstdint>

#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"

namespace sirvela {

class TDatiSistema;

// Where a vortex ended and how many arms it had.
struct TVortice {
    int Posizione = 0;
    int Bracci = 0;
};

// Vortici (5): the direct and the inverse even/odd vortex, each on the Campo of its
// "Posizione" category (clamped to 1..8, the ends swapped when reversed).
class TCondVortici : public TCondizione {
  public:
    explicit TCondVortici(TDatiSistema* proprietario);

    TValoriAmmessi PosizioneDiretto;  // Massimo 8, its Campo is the direct vortex's field
    TValoriAmmessi BracciDiretto;
    TValoriAmmessi PosizioneInverso;  // Massimo 8, its Campo is the inverse vortex's field
    TValoriAmmessi BracciInverso;

    static TVortice Calcola(const TColonna& c, int da, int a, bool diretto);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Numeri Consecutivi (6): the longest chain of neighbours differing by exactly 1.
class TCondNumeriConsecutivi : public TCondizione {
  public:
    explicit TCondNumeriConsecutivi(TDatiSistema* proprietario);

    TValoriAmmessi Consecutivita;  // Massimo 8

    static int Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

struct TSimmetrie {
    int Dirette = 0;
    int SerieDirette = 0;
    int Inverse = 0;
    int SerieInverse = 0;
};

// Simmetrie (7): mirror pairs (1,8)..(4,5) and shifted pairs (1,5)..(4,8) of equal sign.
class TCondSimmetrie : public TCondizione {
  public:
    explicit TCondSimmetrie(TDatiSistema* proprietario);

    TValoriAmmessi Dirette;  // Massimo 4
    TValoriAmmessi Inverse;  // Massimo 4
    TValoriAmmessi Totali;   // Massimo 8

    static TSimmetrie Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

struct TInterruzioni {
    int Globali = 0;
    int SerieGlobali = 0;
    int Pari = 0;
    int Dispari = 0;
};

// Interruzioni (8): changes of parity between neighbours.
class TCondInterruzioni : public TCondizione {
  public:
    explicit TCondInterruzioni(TDatiSistema* proprietario);

    TValoriAmmessi Globali;       // Massimo 7
    TValoriAmmessi SegniPari;     // Massimo 4
    TValoriAmmessi SegniDispari;  // Massimo 4

    static TInterruzioni Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

struct TCrescenze {
    int Crescenze = 0;
    int SerieCrescenze = 0;
    int Decrescenze = 0;
    int SerieDecrescenze = 0;
};

// Crescenze e Decrescenze (10).
class TCondCrescenzeDecrescenze : public TCondizione {
  public:
    explicit TCondCrescenzeDecrescenze(TDatiSistema* proprietario);

    TValoriAmmessi Crescenze;    // Massimo 7
    TValoriAmmessi Decrescenze;  // Massimo 7

    static TCrescenze Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Numero di Sequenze (16): how many runs of +1 steps have length 1, 2, 3, 4.
class TCondNumeroSequenze : public TCondizione {
  public:
    explicit TCondNumeroSequenze(TDatiSistema* proprietario);

    TValoriAmmessi Lunghezza1;           // Massimo 8
    TValoriAmmessi Lunghezza2;           // Massimo 4
    TValoriAmmessi Lunghezza3;           // Massimo 2
    TValoriAmmessi Lunghezza4;           // Massimo 2
    std::uint8_t LunghezzaMostrata = 1;  // the length the dialog showed last, 1..4

    // Counts of the sequences of length 1..4 (index 0..3).
    static std::array<int, 4> Calcola(const TColonna& c);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Consecutività Differenziata dei Segni (34): the "Segni" table selects the columns by the
// number of pilots of the chosen parity; "Consecutività" tests their longest run.
class TCondConsecDiff : public TCondizione {
  public:
    explicit TCondConsecDiff(TDatiSistema* proprietario);

    std::uint8_t Segno = 1;        // 1 = even ("P"), 0 = odd ("D")
    TValoriAmmessi Segni;          // Massimo 8, a selector only
    TValoriAmmessi Consecutivita;  // Massimo 8

    struct TValori {
        int Quanti = 0;
        int Serie = 0;
    };
    static TValori Calcola(const TColonna& c, bool pari);

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
    // A column the "Segni" selector leaves out passes, whatever its run.
    bool AccettaStatistica(int categoria, const TValoriColonna& valori) const override;
};

}  // namespace sirvela
