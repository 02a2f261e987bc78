#include "archive/StampaStatistichePiloti.h"

#include <algorithm>

#include "archive/StatistichePiloti.h"

namespace sirvela {

namespace {

// The on-screen column widths in pixels, printed at 0.22 mm a pixel.
constexpr double kMmPerPixel = 0.22;
constexpr double kSinistra = 34;
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
    const auto intestazioni =
        std::vector<std::string>(std::begin(kIntestazioni), std::end(kIntestazioni));
    auto testi = [&righe](int r) {
        std::vector<std::string> riga;
        for (const std::string& s : righe.Testi(r - 1)) riga.push_back("  " + s);
        return riga;
    };
    // Each column is as wide as on screen, or as its widest text of any sheet needs, so that
    // the sheets stay alike.
    TTabellaStampa t;
    for (int px : kPixel) t.Larghezze.push_back(px * kMmPerPixel);
    auto allarga = [&](const std::vector<std::string>& riga) {
        for (std::size_t c = 0; c < riga.size() && c < t.Larghezze.size(); ++c)
            t.Larghezze[c] = std::max(t.Larghezze[c], p.LarghezzaTesto(riga[c]) + 2);
    };
    allarga(intestazioni);
    for (int r = prima; r <= ultima; ++r) allarga(testi(r));
    // A table too wide for its place moves left, as far as the page's edge allows.
    const double x = std::max(5.0, std::min(kSinistra, p.LarghezzaPagina() - 5 - t.Larghezza()));
    for (int da = prima; da <= ultima; da += kRighePerFoglio) {
        if (da != prima) p.NuovaPagina();
        t.Celle.assign(1, intestazioni);
        const int a = std::min(ultima, da + kRighePerFoglio - 1);
        for (int r = da; r <= a; ++r) t.Celle.push_back(testi(r));
        p.Tabella(x, 10, t);
        controllo.Avanzamento(a - prima + 1, ultima - prima + 1);
        if (controllo.Annullata()) return false;
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
