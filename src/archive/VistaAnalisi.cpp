#include "archive/VistaAnalisi.h"

#include <algorithm>
#include <cmath>

namespace sirvela {

TAsseY AsseGrafico(bool colonne, bool percento, bool zoom, double barraMassima,
                   std::int64_t totale) {
    TAsseY a;
    if (colonne)
        a.Titolo = percento ? "Numero Di Colonne %" : "Numero Di Colonne";
    else
        a.Titolo = percento ? "Frequenze %" : "Nº Di Concorsi";
    if (zoom)
        a.Massimo = barraMassima * 11.0 / 10.0;
    else
        a.Massimo = percento ? 100.0 : static_cast<double>(totale);
    a.Passo = percento && !zoom ? 10.0 : PassoLeggibile(a.Massimo, !percento);
    a.Decimali = percento ? DecimaliPasso(a.Passo) : 0;
    return a;
}

double PassoLeggibile(double massimo, bool interi) {
    if (!std::isfinite(massimo) || massimo <= 0) return 1.0;
    const double grezzo = massimo / 10.0;
    double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = potenza;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        passo = m * potenza;
        // A relative margin: a top of 20 gives the step 2 despite rounding, not 5.
        if (passo >= grezzo * (1 - 1e-9)) break;
    }
    return interi ? std::max(passo, 1.0) : passo;
}

int DecimaliPasso(double passo) {
    int d = 0;
    while (d < 6 && std::abs(passo - std::round(passo)) > 1e-9 * std::max(1.0, passo)) {
        passo *= 10;
        ++d;
    }
    return d;
}

int BarreVisibili(int righe) {
    return std::clamp(righe, 0, kBarreVisibili);
}

int MassimoScorrimento(int righe) {
    return std::max(righe - kBarreVisibili, 0);
}

int LarghezzaBarra(int larghezza, int righe) {
    if (righe <= 0) return 0;
    const int spazio = righe > kBarreVisibili ? larghezza / kBarreVisibili : larghezza / righe;
    int l = spazio * 2 / 3;
    if (righe < 5) l -= 3;
    return std::max(l, 1);
}

const std::vector<TElemRFRM>& Lista(const T_FrequenzeRitardi& t, bool secondaria) {
    return secondaria ? t.Secondaria : t.Primaria;
}

std::int64_t FrequenzaRiga(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                           bool secondaria) {
    const auto& l = Lista(t, secondaria);
    const int v = riga + r.PrimaRiga;
    return v >= 0 && v < static_cast<int>(l.size()) ? l[static_cast<std::size_t>(v)].Frequenza : 0;
}

double ValoreBarra(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                   bool secondaria, bool percento, std::int64_t totale) {
    const auto f = static_cast<double>(FrequenzaRiga(r, t, riga, secondaria));
    if (!percento) return f;
    return totale == 0 ? 0.0 : f * 100.0 / static_cast<double>(totale);
}

std::string CellaFrequenza(const TRisultatiAnalisi& r, const T_FrequenzeRitardi& t, int riga,
                           bool secondaria, bool percento, std::int64_t totale) {
    const std::int64_t f = FrequenzaRiga(r, t, riga, secondaria);
    return percento ? TestoPercentuale(f, totale) : std::to_string(f);
}

TCelleRitardo CelleRitardo(const TRisultatiAnalisi& r, int pagina, int riga, bool secondaria) {
    const TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(pagina)];
    if (secondaria && !p.HaConsecutivita) return {"0", "0", "0"};
    const auto& l = Lista(p.StatArchivio, secondaria);
    const int v = riga + r.PrimaRiga;
    TElemRFRM e;
    if (v >= 0 && v < static_cast<int>(l.size())) e = l[static_cast<std::size_t>(v)];
    const std::int64_t estrazioni = p.StatArchivio.Estrazioni;
    const double ic = estrazioni == 0 ? 0.0
                                      : static_cast<double>(e.Ritardo) * e.Frequenza /
                                            static_cast<double>(estrazioni);
    return {std::to_string(e.Ritardo), std::to_string(e.RitardoMassimo), TestoDueDecimali(ic, 3)};
}

}  // namespace sirvela
