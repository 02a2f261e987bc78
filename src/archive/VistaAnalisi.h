#pragma once
#include <cstdint>
#include <string>

#include "archive/AnalisiStatistica.h"

namespace sirvela {

// What the analysis windows show of a result, without drawing.

// The y axis of a bar chart: ticks every `Passo` from 0, labelled with `Decimali` decimals.
struct TAsseY {
    std::string Titolo;
    double Massimo = 0;
    double Passo = 0;
    int Decimali = 0;
};

inline constexpr int kBarreVisibili = 11;

// The axis of the archive frequencies (`colonne` false: totale = Estrazioni) or of the
// column counts (`colonne` true: totale = columns read). With zoom the top is 11/10 of the
// largest bar, else 100 in percent or the total. The step is 10 in percent without zoom,
// otherwise the readable step of the top: counts tick on whole numbers only.
TAsseY AsseGrafico(bool colonne, bool percento, bool zoom, double barraMassima,
                   std::int64_t totale);
// The smallest step of 1, 2 or 5 times a power of ten that divides 0..`massimo` into at most
// 10 intervals; at least 1 with `interi`. 1 for an empty axis.
double PassoLeggibile(double massimo, bool interi);
// Decimals a label needs to show a multiple of `passo` exactly.
int DecimaliPasso(double passo);
// At most 11 bars show; the scroll bar runs from 0 to the rows beyond them.
int BarreVisibili(int righe);
int MassimoScorrimento(int righe);
// Bar width in pixels for a chart `larghezza` wide: two thirds of the room of one bar
// (a 11th of the width above 11 rows), three pixels narrower below 5 rows.
int LarghezzaBarra(int larghezza, int righe);

// The list a view reads: the primary ("Punti", "Pres.") or the secondary one ("Cons.").
const std::vector<TElemRFRM>& Lista(const T_FrequenzeRitardi& t, bool secondaria);
std::int64_t FrequenzaRiga(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                           bool secondaria);
// A bar: the row's frequency as a count, or in percent of `totale` (0 when it is 0).
double ValoreBarra(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                   bool secondaria, bool percento, std::int64_t totale);
// A frequency cell: the count, or its percentage of `totale` with two decimals.
std::string CellaFrequenza(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                           bool secondaria, bool percento, std::int64_t totale);

// The three delay cells of a row: "Att.", " Max" and "  IC" (delay x frequency / contests
// fed, two decimals). A page without the secondary measure shows 0 for "Cons.".
struct TCelleRitardo {
    std::string Attuale, Massimo, IC;
};
TCelleRitardo CelleRitardo(const TRisultatiAnalisi& r, int pagina, int riga, bool secondaria);

}  // namespace sirvela
