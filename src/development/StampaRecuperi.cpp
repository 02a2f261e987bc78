#include "development/StampaRecuperi.h"

#include <algorithm>
#include <string>

namespace sirvela {

namespace {
constexpr double kYTitolo = 5;
constexpr double kYTitoliTabelle = 14;
constexpr double kYTabelle = 24;
constexpr double kLarghezzaValore = 16;
constexpr double kLarghezzaConteggio = 34;  // room for the tables' titles
constexpr double kDistanza = 4;
constexpr double kAltezzaRiga = 5;
}  // namespace

bool StampaRecuperi(TmmPrinter& p, const TAnalisiRecuperi& analisi, TControlloStampa& controllo) {
    const auto& tabelle = analisi.Tabelle;
    int ultimo = 0;
    for (const TTabellaRecuperi& t : tabelle) ultimo = std::max(ultimo, t.UltimoNonZero);
    auto righe = [&](const TTabellaRecuperi& t) { return std::max(ultimo, t.Primo) - t.Primo + 1; };
    int piuRighe = 0;
    for (const TTabellaRecuperi& t : tabelle) piuRighe = std::max(piuRighe, righe(t));

    const double larghezza = kLarghezzaValore + kLarghezzaConteggio;
    const double complessiva =
        static_cast<double>(tabelle.size()) * (larghezza + kDistanza) - kDistanza;
    const double sinistra = (p.LarghezzaPagina() - complessiva) / 2;

    p.Inizia(kTitoloStampaRecuperi);
    for (int da = 0; da < piuRighe; da += kRigheRecuperiPerPagina) {
        if (controllo.Annullata()) {
            p.Annulla();
            return false;
        }
        if (da > 0) p.NuovaPagina();
        p.Carattere({"Courier New", 12, true, false});
        p.TitoloCentrato(kYTitolo, kTitoloStampaRecuperi);
        p.Carattere(kCarattereFisso10);
        const double riga = p.AltezzaTesto();
        for (std::size_t n = 0; n < tabelle.size(); ++n) {
            const TTabellaRecuperi& t = tabelle[n];
            const double x = sinistra + static_cast<double>(n) * (larghezza + kDistanza);
            auto centrato = [&](double y, const std::string& s) {
                if (!s.empty()) p.Scrivi(x + (larghezza - p.LarghezzaTesto(s)) / 2, y, s);
            };
            centrato(kYTitoliTabelle, t.Titolo);
            centrato(kYTitoliTabelle + riga, t.Sottotitolo);
            TTabellaStampa g;
            g.Larghezze = {kLarghezzaValore, kLarghezzaConteggio};
            g.AltezzaRiga = kAltezzaRiga;
            g.Celle.push_back({t.Intestazione, "Colonne"});
            const int fine = std::min(righe(t), da + kRigheRecuperiPerPagina);
            for (int r = da; r < fine; ++r)
                g.Celle.push_back(
                    {std::to_string(t.Primo + r), analisi.Valore(static_cast<int>(n), r)});
            p.Tabella(x, kYTabelle, g);
        }
        controllo.Avanzamento(std::min(piuRighe, da + kRigheRecuperiPerPagina), piuRighe);
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
