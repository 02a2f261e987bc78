#pragma once
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/Colonna.h"
#include "core/Interfacce.h"
#include "core/TCombinazione.h"
#include "core/TListaColonne.h"
#include "core/Testo.h"

namespace sirvela {

inline constexpr const char* kErroreCostoImpossibile =
    "Non è possibile generare schedine del costo indicato";
inline constexpr const char* kSovrascriviSchedine = "Il file esiste già. Vuoi sovrascriverlo ? ";

// Columns of a system ticket whose k variable positions are filled, in every order, from n
// variable pilots: C(n, k) × k!, with C(n, k) taken as the falling product over k! and
// rounded. Fewer pilots than positions give 0.
std::int64_t Disposizioni(int n, int k);

// The draws take pilots from 1..NumeroPiloti, never `escluso` (the pilot without a name;
// outside that range when every pilot has one). This is how many they can give.
int PilotiEstraibili(int escluso);

// The shape of a system ticket.
struct TForma {
    int Fissi = 0;
    int Variabili = 0;
    bool operator==(const TForma&) const = default;
};

// One system ticket: the fixed pilots in their positions (0 at the variable ones) and the
// set of variable pilots.
struct TSchedinaSistema {
    TColonna Fissa{};
    TCombinazione Variabili;
    std::int64_t Colonne() const;
};

// Whether some ticket with f = 2..7 fixed positions and n variable pilots has a column count
// within minimo..massimo. n runs from f up to the pilots left beside the fixed ones, so every
// shape found can be drawn.
bool FormaPossibile(int minimo, int massimo, int escluso);
// Draws a target count and a fixed count until a pilot count gives exactly that many columns.
// Call only when FormaPossibile holds.
TForma ScegliForma(int minimo, int massimo, int escluso, std::mt19937& caso);
// Clears `quante` distinct positions of the column, drawn at random.
void SvuotaPosizioni(TColonna& colonna, int quante, std::mt19937& caso);
// `n` distinct pilots, none of the column's and never the excluded one, in draw order.
TCombinazione RiempiVariabili(const TColonna& fissa, int n, int escluso, std::mt19937& caso);
// A random column emptied at 8 − fissi positions, with `variabili` pilots to fill them.
TSchedinaSistema SchedinaSistema(TForma forma, int escluso, std::mt19937& caso);
// Two random columns per ticket, each of eight pilots in draw order.
void ColonneCasuali(int schedine, int escluso, std::mt19937& caso, TListaColonne& destinazione);

// The "Generazione Schedine" dialog: its values, limits, enabling and costs.
class TModelloGeneraSchedine {
  public:
    static constexpr int kMinimoSchedine = 1;
    static constexpr int kMassimoSchedine = 1000;
    static constexpr int kMinimoColonneCasuali = 2;
    static constexpr int kMassimoColonneCasuali = 200;
    static constexpr int kFissiSemplici = 8;  // plain tickets of two whole columns

    bool CostoCasuale = false;

    int Schedine() const { return schedine_; }
    void ImpostaSchedine(int schedine);  // kept within 1..1000
    int NumeriFissi() const { return fissi_; }
    int PilotiVariabili() const { return variabili_; }
    int MinimoColonne() const { return minimo_; }
    int MassimoColonne() const { return massimo_; }

    // A new fixed count starts again from one variable pilot more than variable positions.
    void ImpostaNumeriFissi(int fissi);

    // The arrows of the fixed cost: up while the variable pilots stay at most
    // NumeroPiloti − 1 − fixed, down never below the starting count 9 − fixed.
    bool PuoAumentareVariabili(int numeroPiloti) const;
    bool PuoDiminuireVariabili() const;
    void AumentaVariabili(int numeroPiloti);
    void DiminuisciVariabili();
    // The arrows of the random range: 2 <= minimum <= maximum <= 200.
    bool PuoAumentareMinimo() const { return minimo_ < massimo_; }
    bool PuoDiminuireMinimo() const { return minimo_ > kMinimoColonneCasuali; }
    bool PuoAumentareMassimo() const { return massimo_ < kMassimoColonneCasuali; }
    bool PuoDiminuireMassimo() const { return massimo_ > minimo_; }
    void AumentaMinimo();
    void DiminuisciMinimo();
    void AumentaMassimo();
    void DiminuisciMassimo();

    // Which controls work now.
    bool FrecceCostoFisso() const { return !CostoCasuale && fissi_ < kFissiSemplici; }
    bool FrecceCostoCasuale() const { return CostoCasuale; }
    bool GeneraSenzaStampa() const { return !CostoCasuale && fissi_ == kFissiSemplici; }

    // Columns of one fixed-cost ticket: two plain ones, or the system's.
    std::int64_t ColonneSchedina() const;
    // " " and the amount, without currency sign.
    std::string TestoCostoSchedina(const TPrezzi& prezzi) const;
    std::string TestoCostoMinimo(const TPrezzi& prezzi) const;
    std::string TestoCostoMassimo(const TPrezzi& prezzi) const;

  private:
    int schedine_ = 20;
    int fissi_ = kFissiSemplici;
    int variabili_ = 0;
    int minimo_ = 2;
    int massimo_ = 10;
};

// " " and the amount of `colonne` columns, thousands separated, 0 decimals in lire, 2 in euro.
std::string TestoImportoColonne(std::int64_t colonne, const TPrezzi& prezzi);

// "Genera in Memoria": the list becomes two random columns per ticket.
void GeneraInMemoria(const TModelloGeneraSchedine& m, int escluso, std::mt19937& caso,
                     TListaColonne& colonne);
// "Genera su File": the same columns written to a column file the user picks, asking before
// replacing one. Returns whether the file was written; a failed write is reported.
bool GeneraSuFile(const TModelloGeneraSchedine& m, int escluso, std::mt19937& caso,
                  IMessaggi& messaggi, ISceltaFile& scelta);

// What "Genera e Stampa" hands to the ticket printer: plain tickets as one column list (two
// columns each), or one system ticket at a time.
struct TSchedineDaStampare {
    TListaColonne Semplici;
    std::vector<TSchedinaSistema> Sistemi;
};
// nullopt when no ticket of the random-cost range exists: the user is then told
// kErroreCostoImpossibile and nothing is printed.
std::optional<TSchedineDaStampare> SchedineDaStampare(const TModelloGeneraSchedine& m, int escluso,
                                                      std::mt19937& caso);

}  // namespace sirvela
