#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/Colonna.h"
#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"
#include "core/Testo.h"
#include "printing/Taratura.h"
#include "printing/TmmPrinter.h"
#include "tools/TSchedinaVin.h"  // kColonnePerSchedina

namespace sirvela {

class TListaColonne;

inline constexpr int kCasellePerRiga = 6;
inline constexpr const char* kErroreStampaSchedine = "Impossibile Stampare le schedine.";
inline constexpr const char* kErroreNumeroSchedine =
    "Il Numero della schedina iniziale o finale è errato.";
inline constexpr const char* kPausaSchedine = "Stampa Schedine In Pausa ( Ok Per Continuare )";
inline constexpr const char* kLavoroSchedine = "Stampa Schedine";
inline constexpr const char* kScrittaProva = "Nome del Sistema Sc. Nº 1 L.4000";
// The writing of the automatic tickets, before their cost.
inline constexpr const char* kScrittaAutomatica = "Costo della schedina : L. ";
// The ticket of horizontal feeding is turned: its across becomes the page's up from here.
inline constexpr double kBordoOrizzontale = 76.0;

struct TPuntoMm {
    double X = 0;
    double Y = 0;
};

struct TRettangoloMm {
    double X = 0;
    double Y = 0;
    double L = 0;
    double A = 0;
};

// Tickets needed for a number of columns: two columns each.
inline std::int64_t NumeroSchedine(std::int64_t colonne) {
    return (colonne + kColonnePerSchedina - 1) / kColonnePerSchedina;
}

// Where the marks of a ticket go for one calibration set and feeding. Each finishing position
// has a block of pilot boxes, six per row; the eight blocks of a column follow each other down
// the ticket (across it when fed horizontally). The pilot without a name has no box: the
// boxes after it move back by one.
class TGeometriaSchedina {
  public:
    TGeometriaSchedina(const TValoriTaratura& valori, bool orizzontale, int numeroPiloti,
                       int pilotaEscluso);

    bool Orizzontale() const { return orizzontale_; }
    // Origin of column k (0 or 1) of a ticket.
    TPuntoMm Origine(int k) const;
    // The mark of a pilot at a finishing position (1..8) of the column drawn from `origine`;
    // none for a pilot without a box (outside 1..NumeroPiloti, or the excluded pilot).
    std::optional<TRettangoloMm> Segno(TPuntoMm origine, int posizione, int pilota) const;
    // Where the writing starts; turned by 90 degrees in horizontal feeding.
    TPuntoMm Scritta() const;
    // System tickets: the box that marks the ticket as a system, always marked, and the box
    // of a variable pilot in the strip beside the first column.
    TRettangoloMm CasellaSistema() const;
    std::optional<TRettangoloMm> CasellaVariabile(int pilota) const;

  private:
    TRettangoloMm Casella(double x0, double y0, int riga, int colonna, int blocco) const;
    TRettangoloMm Striscia(int casella, int blocco) const;

    TValoriTaratura v_;
    bool orizzontale_;
    int numeroPiloti_;
    int pilotaEscluso_;
};

// How a run of tickets is printed.
struct TOpzioniSchedine {
    bool Orizzontale = false;
    int Da = 1;  // first and last ticket (1-based); A = 0 prints to the last
    int A = 0;
    std::string NomeSistema;   // its folder is dropped in the writing
    bool Automatiche = false;  // the writing carries only the cost
    TPrezzi Prezzi;
    int NumeroPiloti = 23;
    int PilotaEscluso = 100;
    TPilotiInGioco Piloti() const { return {NumeroPiloti, PilotaEscluso}; }
    // On paper with "Pausa tra due Schedine": between two tickets the job ends, this runs
    // (the message and its OK) and a new job begins. Empty: the next ticket is a new page.
    std::function<void()> Pausa;
};

// Checks the " Da" / "a" choice: the message to show, or nullptr when it is good.
const char* ControllaSchedineDaStampare(bool tutte, int da, int a);

// "Nessuna schedina da stampare: le schedine sono M." when the first ticket asked for is past
// the last one of `colonne` columns; empty otherwise.
std::string ControllaPrimaSchedina(std::int64_t colonne, int da);
// Before anything is printed: the columns of tickets da..a (a = 0: to the last) that cannot
// be marked because they name a pilot out of play. Empty when every one can; otherwise "3
// colonne contengono piloti fuori gioco (la prima: 3 6 1 9 5 19 2 23) e non possono essere
// stampate.", and nothing may be printed: a ticket must carry every column played.
std::string ControllaColonneStampabili(const TListaColonne& colonne, const TPilotiInGioco& piloti,
                                       int da = 1, int a = 0);

// The writing of a ticket: "<name> Sc. Nº <n> L. <cost>", or the automatic tickets' cost.
std::string ScrittaSchedina(const TOpzioniSchedine& o, std::int64_t schedina, double costo);

// Prints the tickets Da..A of a column list, two columns each, in one job (or one job per
// ticket with a pause). Empty columns leave their half blank. A column with a pilot that has
// no box on the ticket stops the print before anything is drawn (TErroreStampa with the
// message of ControllaColonneStampabili). A range holding no ticket prints nothing. Returns
// false when cancelled (the job is dropped).
bool StampaSchedine(TmmPrinter& p, const TListaColonne& colonne, const TTaratura& t,
                    const TOpzioniSchedine& o, TControlloStampa& controllo);

// "Il pilota 23 è fuori gioco: la schedina di sistema non può essere stampata." for the first
// fixed or variable pilot out of play; empty when the system ticket can be marked.
std::string ControllaSchedinaSistema(const TColonna& fissi, const TCombinazione& variabili,
                                     const TPilotiInGioco& piloti);
// One system ticket: the fixed pilots (zero places are the variable positions) drawn as a
// column in the first blocks, the system box and the variable pilots in the strip beside it,
// and the writing with the cost C(n, k) x k! x the price of a column. A pilot out of play
// stops it before anything is drawn (TErroreStampa).
void StampaSchedinaSistema(TmmPrinter& p, const TColonna& fissi, const TCombinazione& variabili,
                           const TTaratura& t, const TOpzioniSchedine& o);
double CostoSchedinaSistema(const TColonna& fissi, const TCombinazione& variabili,
                            const TPrezzi& prezzi);

// The calibration test: one ticket whose two columns have every box of every block marked,
// with the writing kScrittaProva. The calibration is only read.
void StampaProvaTaratura(TmmPrinter& p, const TTaratura& t, const TOpzioniSchedine& o);

}  // namespace sirvela
