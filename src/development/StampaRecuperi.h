#pragma once
#include "development/ModelloRecuperi.h"
#include "printing/TmmPrinter.h"

namespace sirvela {

inline constexpr const char* kTitoloStampaRecuperi =
    "Stampa Delle Colonne Filtrate Dal Recupero Condizioni";
inline constexpr const char* kErroreStampaRecuperi = "Impossibile Stampare Le Tabelle";
// Rows of each table on one sheet, under its heading.
inline constexpr int kRigheRecuperiPerPagina = 35;

// The three tables of "Analisi Delle Colonne Filtrate" side by side, centred across the page,
// as they are shown (counts or percentages). Every table runs from its first value up to the
// highest value counted in any of the three, so the sheets line up; 35 rows a sheet. False
// when cancelled.
bool StampaRecuperi(TmmPrinter& p, const TAnalisiRecuperi& analisi, TControlloStampa& controllo);

}  // namespace sirvela
