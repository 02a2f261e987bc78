#include "tools/ImpaginaSchedine.h"

namespace sirvela {

std::vector<TPaginaInMm> ImpaginaSchedineVincenti(int punti,
                                                  const std::vector<TSchedinaVin>& schedine,
                                                  const TFoglioInMm& foglio) {
    constexpr double kMargine = 10.0;
    constexpr double kInterlinea = 8.0;
    auto larghezza = [&](const std::string& t) {
        return foglio.LarghezzaTesto ? foglio.LarghezzaTesto(t) : 0.0;
    };

    std::vector<TPaginaInMm> pagine(1);
    const std::string titolo = "Schedine con punti " + std::to_string(punti);
    pagine.back().Testi.push_back({titolo, (foglio.Larghezza - larghezza(titolo)) / 2, 10.0});

    double x = kMargine, y = 20.0;
    bool paginaConNumeri = false;
    for (const TSchedinaVin& s : schedine) {
        const std::string testo = "Nº " + std::to_string(s.Numero) + ", ";
        const double w = larghezza(testo);
        // A number that would run off the paper starts the next line instead.
        if (x > kMargine && x + w > foglio.Larghezza) {
            x = kMargine;
            y += kInterlinea;
        }
        // A line that would not fit above the footer starts the next page; the page is
        // opened only when there is something to write on it.
        const bool oltre =
            y > foglio.Altezza || y + foglio.AltezzaTesto > foglio.Altezza - foglio.RiservaPiede;
        if (oltre && paginaConNumeri) {
            pagine.emplace_back();
            x = kMargine;
            y = kMargine;
            paginaConNumeri = false;
        }
        pagine.back().Testi.push_back({testo, x, y});
        paginaConNumeri = true;
        x += w;
        if (x > foglio.Larghezza - kMargine) {
            x = kMargine;
            y += kInterlinea;
        }
    }
    return pagine;
}

}  // namespace sirvela
