#pragma once
#include "printing/TmmPrinter.h"

namespace sirvela {

class TGestoreRighe;

inline constexpr const char* kTitoloStatistichePiloti = "Stampa delle statistiche sui numeri";
inline constexpr const char* kErroreStatistichePiloti = "Impossibile stampare i dati";
inline constexpr int kRighePerFoglio = 45;

// Rows `prima`..`ultima` (1-based, both printed) of the sorted per-pilot table: the title at
// the top of the first page, then sheets of at most 45 rows under a heading row, one sheet a
// page, each table at (34, 10). A column is as wide as on screen or as its widest text needs.
// Returns false when cancelled between sheets.
bool StampaStatistichePiloti(TmmPrinter& p, const TGestoreRighe& righe, int prima, int ultima,
                             TControlloStampa& controllo);

}  // namespace sirvela
