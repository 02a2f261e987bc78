#include "archive/StampaStatistichePiloti.h"

#include <algorithm>

#include "archive/StatistichePiloti.h"

namespace sirvela {

namespace {

// The on-screen column widths in pixels, printed at 0.22 mm a pixel.
constexpr double kMmPerPixel = 0.22;
constexpr int kPixel[TGestoreRighe::kColonne] = {50, 60, 60, 80, 80, 80, 70};
constexpr const char* kIntestazioni[TGestoreRighe::kColonne] = {
    " Pos.", " Numero", " Uscite", " Frequenza", "  Rit. Att.", "  Rit. Max", "    IC"};

}  // namespace

bool StampaStatistichePiloti(TmmPrinter& p, const TGestoreRighe& righe, int prima, int ultima,
                             TControlloStampa& controllo) {
    prima = std::max(prima, 1);
    ultima = std::min(ultima, righe.Quante());
    p.Inizia(kTitoloStatistichePiloti);
    p.Carattere(kCarattereFisso10);
    p.Scrivi(65, 2, kTitoloStatistichePiloti);
    TTabellaStampa t;
    for (int px : kPixel) t.Larghezze.push_back(px * kMmPerPixel);
    for (int da = prima; da <= ultima; da += kRighePerFoglio) {
        if (da != prima) p.NuovaPagina();
        t.Celle.assign(
            1, std::vector<std::string>(std::begin(kIntestazioni), std::end(kIntestazioni)));
        const int a = std::min(ultima, da + kRighePerFoglio - 1);
        for (int r = da; r <= a; ++r) {
            std::vector<std::string> riga;
            for (const std::string& s : righe.Testi(r - 1)) riga.push_back("  " + s);
            t.Celle.push_back(std::move(riga));
        }
        p.Tabella(34, 10, t);
        controllo.Avanzamento(a - prima + 1, ultima - prima + 1);
        if (controllo.Annullata()) return false;
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
