#pragma once
#include "core/Interfacce.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"

namespace sirvela {

enum class TOrigineColonne { DaMemoria, DaFile };

// Fills a tool window's own list before it opens: a copy of the columns in memory, or a
// column file the user picks (hourglass while it is read). Returns false when the user
// cancelled the file choice: the window is then not shown and its list is left alone. A file
// that cannot be read, or that is no column file for the pilots in play of `dati`, leaves the
// list empty after telling the user why, and the window opens. The prints take empty columns.
bool ColonnePerStrumento(TOrigineColonne origine, const TDatiSistema& dati,
                         TListaColonne& strumento, IMessaggi& messaggi, ISceltaFile& scelta,
                         bool vuoteAmmesse = false);

}  // namespace sirvela
