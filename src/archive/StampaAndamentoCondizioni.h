#pragma once
#include "printing/TmmPrinter.h"

namespace sirvela {

class TVisualizzazioneArchivio;

inline constexpr const char* kTitoloAndamentoCondizioni = "Stampa dell'andamento dell Condizioni ";
inline constexpr const char* kErroreAndamentoCondizioni = "Impossibile Stampare La Tabella";
inline constexpr int kRigheAndamento = 40;
inline const TCarattereStampa kCarattereAndamento{"Small Fonts", 7, false, false};

// The archive viewer's table for the contests at ordinals `dal`..`al` (1-based, both
// printed), on landscape pages: the title centred at the top of each page, every group's two
// headings over its columns, then a grid of the fixed columns and the ticked groups' values
// with 40 contests a page. Columns are as many characters wide as on screen, or wider where
// their texts need it, and each heading is centred over the columns it names. Groups that do
// not fit beside the fixed columns go on to the next page, which repeats the fixed columns for
// the same contests. Returns false when cancelled between pages.
bool StampaAndamentoCondizioni(TmmPrinter& p, const TVisualizzazioneArchivio& vista, int dal,
                               int al, TControlloStampa& controllo);

}  // namespace sirvela
