#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "core/Interfacce.h"
#include "printing/SuperficieRegistrata.h"
#include "printing/TmmPrinter.h"

namespace sirvela::test {

// A print into a recording surface, with its cancel at hand.
struct TStampaDiProva {
    TSuperficieRegistrata s;
    TmmPrinter p{s};
    TAnnullamento annulla;
    TControlloStampa k;

    // The cancel is asked before the layout starts.
    TStampaDiProva& Annullata() {
        annulla.Richiedi();
        k.Annulla = &annulla;
        return *this;
    }
};

// Widths as a proportional font gives them, for a recording surface's MisuraTesto: capitals
// and "m", "w" wide, "i", "l", blanks and stops narrow, unlike the fixed pitch a layout might
// count on.
inline double MisuraProporzionale(const std::string& testo, const TCarattereStampa& c) {
    double em = 0;
    for (unsigned char ch : testo) {
        if ((ch & 0xC0) == 0x80) continue;  // inside a UTF-8 character
        if (std::string(" .,:;'il|!").find(static_cast<char>(ch)) != std::string::npos)
            em += 0.28;
        else if (std::string("MWmw").find(static_cast<char>(ch)) != std::string::npos)
            em += 0.9;
        else if (ch >= 'A' && ch <= 'Z')
            em += 0.7;
        else
            em += 0.55;
    }
    return em * c.Punti * 25.4 / 72;
}

// The texts of a page that stand in a grid table but run past the border of their cell: each
// is reported with its page and where its cell ends.
inline std::vector<std::string> TestiFuoriDalleCelle(const TSuperficieRegistrata& s) {
    constexpr double kTolleranza = 1e-6;
    std::vector<std::string> fuori;
    for (const TSegnoRegistrato& t : s.DiTipo(TSegnoRegistrato::Testo)) {
        for (const TSegnoRegistrato& r :
             s.DiTipo(TSegnoRegistrato::Riquadro, t.Documento, t.Pagina)) {
            if (t.Y < r.Y || t.Y >= r.Y + r.A || t.X < r.X || t.X >= r.X + r.L) continue;
            // The column lines of this table.
            std::vector<double> bordi{r.X, r.X + r.L};
            for (const TSegnoRegistrato& l :
                 s.DiTipo(TSegnoRegistrato::Linea, t.Documento, t.Pagina))
                if (l.X == l.L && l.X > r.X && l.X < r.X + r.L && l.Y >= r.Y &&
                    l.A <= r.Y + r.A + kTolleranza)
                    bordi.push_back(l.X);
            std::sort(bordi.begin(), bordi.end());
            const double fine = *std::upper_bound(bordi.begin(), bordi.end(), t.X);
            if (t.X + t.L > fine + kTolleranza)
                fuori.push_back("\"" + t.Scritta + "\" (pagina " + std::to_string(t.Pagina) +
                                ") finisce a " + std::to_string(t.X + t.L) + " oltre " +
                                std::to_string(fine));
        }
    }
    return fuori;
}

}  // namespace sirvela::test
