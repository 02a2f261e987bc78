#pragma once

#include "core/TCombinazione.h"

namespace sirvela {

// Drops from the eight position sets every pilot that can no longer be chosen: numbers above
// the pilots in play and the excluded pilot. The selectors cannot switch such a pilot off,
// and the development would build columns with it. Returns whether any set changed.
bool TogliPilotiFuoriGioco(TPronostico& pronostico, int numeroPiloti, int escluso);

}  // namespace sirvela
