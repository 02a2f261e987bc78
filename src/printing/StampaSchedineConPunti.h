#pragma once
#include <cstdint>
#include <vector>

#include "printing/TmmPrinter.h"

namespace sirvela {

inline constexpr const char* kTitoloSchedineConPunti = "Schedine con punti ";
inline constexpr const char* kErroreStampaSchedineConPunti = "Impossibile Stampare le Schedine";

// The numbers of the winning slips of one score: the title centred 10 mm from the top, then
// "Nº n, " for every slip along lines 8 mm apart between 10 mm from either edge. A number that
// would pass the right limit starts the next line, so none runs off the paper; a line that
// would reach the footer starts a new page at 10 mm from the top. False when cancelled.
bool StampaSchedineConPunti(TmmPrinter& p, int punti, const std::vector<std::int32_t>& numeri,
                            TControlloStampa& controllo);

}  // namespace sirvela
