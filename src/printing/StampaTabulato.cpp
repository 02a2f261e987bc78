#include "printing/StampaTabulato.h"

#include <cmath>

#include "core/TListaColonne.h"
#include "core/Testo.h"
#include "printing/StampaSchedine.h"
#include "printing/Superficie.h"

namespace sirvela {

namespace {

constexpr double kSinistra = 2;
constexpr double kCimaPrimaPagina = 40;
constexpr double kCima = 10;
constexpr double kMargineFondo = 10;
constexpr double kYTitolo = 20;
constexpr double kSpessore = 0.2;
const TCarattereStampa kCarattereTitolo{"Courier New", 12, true, false};

double Decimi(double mm) {
    return std::round(mm * 10) / 10;
}

void DisegnaCella(TmmPrinter& p, double x, double y, const TCellaTabulato& c, std::int64_t schedina,
                  const TColonna* colonne[2]) {
    p.Riquadro(x, y, c.Larghezza, c.Altezza(), kSpessore);
    p.Linea(x, y + c.Testa, x + c.Larghezza, y + c.Testa, kSpessore);
    const std::string testa =
        schedina >= 1000 ? std::to_string(schedina) : "Nº" + std::to_string(schedina);
    const double h = p.AltezzaTesto();
    p.Scrivi(x + (c.Larghezza - p.LarghezzaTesto(testa)) / 2, y + (c.Testa - h) / 2, testa);
    const double riga = c.Corpo / 8;
    for (int k = 0; k < kColonnePerSchedina; ++k) {
        if (!colonne[k]) continue;
        const double centro = x + c.Larghezza * (2 * k + 1) / 4;
        for (int i = 0; i < 8; ++i) {
            const int v = (*colonne[k])[static_cast<std::size_t>(i)];
            if (v == 0) continue;
            const std::string t = std::to_string(v);
            p.Scrivi(centro - p.LarghezzaTesto(t) / 2, y + c.Testa + i * riga + (riga - h) / 2, t);
        }
    }
}

}  // namespace

TCarattereStampa CarattereTabulato(const TImpTabulato& imp) {
    return {imp.Carattere.Nome, static_cast<double>(imp.Carattere.Dimensione),
            (imp.Carattere.Stile & 1) != 0, (imp.Carattere.Stile & 2) != 0};
}

const char* NomeStile(std::uint8_t stile) {
    static const char* const nomi[] = {"Normale", "Grassetto", "Corsivo", "Grassetto corsivo"};
    return nomi[stile & 3];
}

TCellaTabulato MisuraCella(const TmmPrinter& p) {
    const double w = p.LarghezzaTesto("32");
    const double h = p.AltezzaTesto();
    return {Decimi(2 * (w + w / 3) * 1.16), Decimi(8 * (h + h / 5) * 1.06), Decimi(h * 1.3)};
}

bool StampaTabulato(TmmPrinter& p, const TListaColonne& colonne, const TOpzioniTabulato& o,
                    TControlloStampa& controllo) {
    const std::int64_t totali = NumeroSchedine(colonne.Quante());
    const std::int64_t primo = o.Da < 1 ? 1 : o.Da;
    const std::int64_t ultimo = o.A <= 0 || o.A > totali ? totali : o.A;
    if (auto errore = ControllaColonneStampabili(colonne, o.Piloti, o.Da, o.A); !errore.empty())
        throw TErroreStampa(errore);

    p.Inizia(kTitoloTabulato + NomeSenzaEstensione(o.NomeSistema));
    p.Carattere(kCarattereTitolo);
    p.TitoloCentrato(kYTitolo, kTitoloTabulato + NomeSenzaEstensione(o.NomeSistema));
    p.Carattere(CarattereTabulato(o.Impostazioni));
    const TCellaTabulato cella = MisuraCella(p);
    const double passoX = cella.Larghezza + o.Impostazioni.SpaziaturaOrizzontale;
    const double passoY = cella.Altezza() + o.Impostazioni.SpaziaturaVerticale;

    auto it = colonne.begin();
    for (std::int64_t salta = (primo - 1) * kColonnePerSchedina; salta > 0 && it != colonne.end();
         --salta)
        ++it;
    double x = kSinistra;
    double y = kCimaPrimaPagina;
    for (std::int64_t s = primo; s <= ultimo && it != colonne.end(); ++s) {
        if (controllo.Annullata()) {
            p.Annulla();
            return false;
        }
        const TColonna* coppia[2] = {nullptr, nullptr};
        for (int k = 0; k < kColonnePerSchedina && it != colonne.end(); ++k, ++it) coppia[k] = &*it;
        if (x > kSinistra && x + cella.Larghezza > p.LarghezzaPagina()) {
            x = kSinistra;
            y += passoY;
        }
        if (y > kCima && y + cella.Altezza() > p.AltezzaPagina() - kMargineFondo) {
            p.NuovaPagina();
            y = kCima;
        }
        DisegnaCella(p, x, y, cella, s, coppia);
        x += passoX;
        controllo.Avanzamento(s - primo + 1, ultimo - primo + 1);
    }
    p.Termina();
    return true;
}

}  // namespace sirvela
