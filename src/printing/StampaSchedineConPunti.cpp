#include "printing/StampaSchedineConPunti.h"

#include <string>

namespace sirvela {

namespace {
constexpr double kMargine = 10;
constexpr double kPrimaRiga = 20;
constexpr double kInterlinea = 8;
}  // namespace

bool StampaSchedineConPunti(TmmPrinter& p, int punti, const std::vector<std::int32_t>& numeri,
                            TControlloStampa& controllo) {
    const std::string titolo = kTitoloSchedineConPunti + std::to_string(punti);
    p.Inizia(titolo);
    p.Carattere(kCarattereFisso10);
    p.TitoloCentrato(kMargine, titolo);
    const double destra = p.LarghezzaPagina() - kMargine;
    double x = kMargine;
    double y = kPrimaRiga;
    const auto quante = static_cast<std::int64_t>(numeri.size());
    for (std::int64_t i = 0; i < quante; ++i) {
        const std::string voce = "Nº " + std::to_string(numeri[static_cast<std::size_t>(i)]) + ", ";
        const double l = p.LarghezzaTesto(voce);
        if (x > kMargine && x + l > destra) {
            x = kMargine;
            y += kInterlinea;
            if (controllo.Annullata()) {
                p.Annulla();
                return false;
            }
            controllo.Avanzamento(i, quante);
        }
        y = p.Spazio(y, p.AltezzaTesto(), kMargine);
        p.Scrivi(x, y, voce);
        x += l;
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
