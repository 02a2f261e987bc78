#pragma once
#include <string>
#include <vector>

#include "printing/TmmPrinter.h"

namespace sirvela {

class TIntervalliAmmessi;
class TTabellaValori;

inline constexpr const char* kIntervalliAmmessi = "Intervalli Ammessi :";
inline constexpr const char* kIntervalliInRecupero = "Intervalli In Recupero :";
inline const TCarattereStampa kCarattereCondizione{"Arial", 10, true, false};
inline const TCarattereStampa kCarattereCategoria{"Arial", 9, true, false};
inline const TCarattereStampa kCarattereValori{"Arial", 9, false, false};

// The values of a table 0..massimo with the given Stato, as runs ("3", "5-7"); recovery runs
// (Stato 2) keep one level each and carry it: "6-7 (Liv. 2)".
std::vector<std::string> VociTabella(const TTabellaValori& t, int massimo, int stato);
// The intervals of a list of one Tipo (1 accepted, 2 in recovery): "100-120", "121-125 (Liv. 2)".
std::vector<std::string> VociIntervalli(const TIntervalliAmmessi& l, int tipo);

}  // namespace sirvela
