#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/TSchedinaVin.h"

namespace sirvela {

// A text to write at (X, Y) millimetres from the top-left corner of the page.
struct TTestoInMm {
    std::string Testo;
    double X = 0;
    double Y = 0;
    bool operator==(const TTestoInMm&) const = default;
};

struct TPaginaInMm {
    std::vector<TTestoInMm> Testi;
};

// What the layout needs to know of the paper and the font.
struct TFoglioInMm {
    double Larghezza = 0;
    double Altezza = 0;
    std::function<double(const std::string&)> LarghezzaTesto;
    double AltezzaTesto = 0;  // height of one line of the font
    double RiservaPiede = 0;  // room kept at the bottom for the page footer
};

// The print of the winning slip numbers: the title "Schedine con punti " s centred 10 mm from
// the top, then "Nº " n ", " for every slip along lines 8 mm apart from (10, 20), pages
// going on from (10, 10). The printing layer only draws the texts and the footers.
std::vector<TPaginaInMm> ImpaginaSchedineVincenti(int punti,
                                                  const std::vector<TSchedinaVin>& schedine,
                                                  const TFoglioInMm& foglio);

}  // namespace sirvela
