#pragma once
#include "printing/TmmPrinter.h"

namespace sirvela {

class TFrequenzeNumeri;

inline constexpr const char* kTitoloFrequenzeNumeri = "Analisi delle Frequenze dei Numeri in Gioco";
inline constexpr const char* kErroreFrequenzeNumeri = "Impossibile Stampare la Tabella";

// The pilot-by-position grid as the window shows it (counts or shares): the title centred at
// 10 mm, then "Num." and "  1º".."  8º" over one row per pilot in play, centred on the page
// from 20 mm down.
bool StampaFrequenzeNumeri(TmmPrinter& p, const TFrequenzeNumeri& frequenze, bool percento,
                           TControlloStampa& controllo);

}  // namespace sirvela
