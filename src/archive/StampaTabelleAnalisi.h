#pragma once
#include <string>
#include <vector>

#include "archive/AnalisiStatistica.h"
#include "printing/TmmPrinter.h"

namespace sirvela {

inline constexpr const char* kErroreStampaTabelle = "Impossibile Stampare Le Tabelle";
// Rows of each grid on one sheet, under its headings.
inline constexpr int kRigheTabellePerFoglio = 45;
// On-screen pixels to paper.
inline constexpr double kMmPerPixelTabelle = 0.28;

// A grid of a statistics window as it is shown: its page name, the widths of its columns on
// screen, the headings and the rows of texts.
struct TGrigliaAnalisi {
    std::string Nome;
    std::vector<int> Pixel;
    std::vector<std::string> Intestazioni;
    std::vector<std::vector<std::string>> Righe;
};

// The title of a print: the analysis' title for the view, with " - Consecutività" when the
// secondary list is shown.
std::string TitoloStampaTabelle(const TRisultatiAnalisi& r, TRisultatiAnalisi::TTitolo titolo,
                                bool secondaria);

// The grids side by side, centred on the page, each under its page name, with the title on
// top; 45 rows a sheet, further rows on following sheets. Grids too many for the page's width
// go on with the next sheets in the same way. False when cancelled.
bool StampaTabelleAnalisi(TmmPrinter& p, const std::string& titolo,
                          const std::vector<TGrigliaAnalisi>& griglie, TControlloStampa& controllo);

}  // namespace sirvela
