#include "archive/StampaTabelleAnalisi.h"

#include <algorithm>
#include <cstddef>

namespace sirvela {

namespace {

constexpr double kYTitolo = 5;
constexpr double kYNomi = 13;
constexpr double kYTabelle = 20;
constexpr double kDistanza = 4;  // between two grids
constexpr double kMargine = 5;   // left and right, when grids fill the width
constexpr double kRiga = 5;
const TCarattereStampa kCarattereTitolo{"Courier New", 12, true, false};
const TCarattereStampa kCarattereTabelle{"Courier New", 9, false, false};

double Larghezza(const TGrigliaAnalisi& g) {
    double l = 0;
    for (int px : g.Pixel) l += px * kMmPerPixelTabelle;
    return l;
}

// The grids of one sheet's width: from `Da` up to `A` excluded.
struct TFascia {
    std::size_t Da, A;
    double Larghezza;
    int Righe;
};

std::vector<TFascia> Fasce(const std::vector<TGrigliaAnalisi>& griglie, double spazio) {
    std::vector<TFascia> fasce;
    std::size_t i = 0;
    while (i < griglie.size()) {
        // A grid wider than the page still gets a sheet of its own.
        TFascia f{i, i, 0, 0};
        while (f.A < griglie.size()) {
            const double l = Larghezza(griglie[f.A]) + (f.A > f.Da ? kDistanza : 0);
            if (f.A > f.Da && f.Larghezza + l > spazio) break;
            f.Larghezza += l;
            f.Righe = std::max(f.Righe, static_cast<int>(griglie[f.A].Righe.size()));
            ++f.A;
        }
        fasce.push_back(f);
        i = f.A;
    }
    return fasce;
}

// The page name over a grid, cut to the room it has.
std::string NomeCheSta(const TmmPrinter& p, std::string nome, double spazio) {
    while (!nome.empty() && p.LarghezzaTesto(nome) > spazio) nome.pop_back();
    return nome;
}

}  // namespace

std::string TitoloStampaTabelle(const TRisultatiAnalisi& r, TRisultatiAnalisi::TTitolo titolo,
                                bool secondaria) {
    std::string t = r.Titoli[static_cast<std::size_t>(titolo)];
    if (secondaria) t += " - Consecutività";
    return t;
}

bool StampaTabelleAnalisi(TmmPrinter& p, const std::string& titolo,
                          const std::vector<TGrigliaAnalisi>& griglie,
                          TControlloStampa& controllo) {
    const std::vector<TFascia> fasce = Fasce(griglie, p.LarghezzaPagina() - 2 * kMargine);
    int fogli = 0;
    for (const TFascia& f : fasce)
        fogli += std::max(1, (f.Righe + kRigheTabellePerFoglio - 1) / kRigheTabellePerFoglio);
    // Heading and 45 rows fit above the footer whatever the paper.
    const double riga = std::min(kRiga, (p.Fondo() - kYTabelle) / (kRigheTabellePerFoglio + 1));

    p.Inizia(titolo);
    int foglio = 0;
    for (const TFascia& f : fasce) {
        const double sinistra = std::max(kMargine, (p.LarghezzaPagina() - f.Larghezza) / 2);
        int da = 0;
        do {
            if (controllo.Annullata()) {
                p.Annulla();
                return false;
            }
            if (foglio > 0) p.NuovaPagina();
            p.Carattere(kCarattereTitolo);
            p.TitoloCentrato(kYTitolo, titolo);
            p.Carattere(kCarattereTabelle);
            double x = sinistra;
            for (std::size_t i = f.Da; i < f.A; ++i) {
                const TGrigliaAnalisi& g = griglie[i];
                const double larghezza = Larghezza(g);
                const int righe = static_cast<int>(g.Righe.size());
                // A grid whose rows are over leaves its place empty on the later sheets.
                if (da == 0 || da < righe) {
                    p.Scrivi(x, kYNomi, NomeCheSta(p, g.Nome, larghezza + kDistanza));
                    TTabellaStampa t;
                    for (int px : g.Pixel) t.Larghezze.push_back(px * kMmPerPixelTabelle);
                    t.AltezzaRiga = riga;
                    t.Celle.push_back(g.Intestazioni);
                    const int fine = std::min(righe, da + kRigheTabellePerFoglio);
                    for (int r = da; r < fine; ++r)
                        t.Celle.push_back(g.Righe[static_cast<std::size_t>(r)]);
                    p.Tabella(x, kYTabelle, t);
                }
                x += larghezza + kDistanza;
            }
            ++foglio;
            controllo.Avanzamento(foglio, fogli);
            da += kRigheTabellePerFoglio;
        } while (da < f.Righe);
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
