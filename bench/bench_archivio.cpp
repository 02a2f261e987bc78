// Archive windows over a long archive: the condition viewer's rows (every group of every
// contest, the worst a scroll through the whole table can ask), the per-pilot statistics of
// one position, and the pilot counts of a large column list.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "ColonneCasuali.h"
#include "archive/StatistichePiloti.h"
#include "archive/VisualizzazioneArchivio.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

double Millisecondi(Orologio::time_point da) {
    return std::chrono::duration<double, std::milli>(Orologio::now() - da).count();
}

}  // namespace

int main() {
    std::mt19937_64 caso(7);
    TDatiSistema dati;
    for (int i = 0; i < 20000; ++i) {
        TEstrazione e;
        e.Anno = 1900 + i / 100;
        e.Numero = static_cast<std::uint8_t>(i % 100 + 1);
        e.Vincente = ColonnaCasuale(caso);
        dati.Archivio.Estrazioni.push_back(e);
    }

    double migliore = 1e300;
    long long somma = 0;
    for (int prova = 0; prova < 5; ++prova) {
        TVisualizzazioneArchivio vista(dati);
        const auto t = Orologio::now();
        for (int r = 0; r < vista.Righe(); ++r) somma += vista.ValoriRiga(r)[0];
        migliore = std::min(migliore, Millisecondi(t));
    }
    std::printf("viewer, every row of 20000 contests: %.1f ms (%.2f us a row)\n", migliore,
                migliore * 1000 / 20000);

    TVisualizzazioneArchivio vista(dati);
    auto t = Orologio::now();
    for (int r = 19950; r < 20000; ++r)
        for (int c = 0; c < vista.ColonneTotali(); ++c)
            somma += static_cast<long long>(vista.Testo(r, c).size());
    std::printf("viewer, first screen (50 rows, every cell's text): %.2f ms\n", Millisecondi(t));

    migliore = 1e300;
    for (int prova = 0; prova < 5; ++prova) {
        TGestoreRighe righe;
        t = Orologio::now();
        righe.Calcola(dati.Archivio, 1);
        righe.Ordina(TChiaveOrdine::IC, false);
        migliore = std::min(migliore, Millisecondi(t));
    }
    std::printf("per-pilot table over 20000 contests: %.2f ms\n", migliore);

    TListaColonne colonne;
    for (int i = 0; i < 10'000'000; ++i) colonne.Accoda(ColonnaCasuale(caso));
    migliore = 1e300;
    for (int prova = 0; prova < 5; ++prova) {
        TFrequenzeNumeri f;
        t = Orologio::now();
        f.Calcola(colonne);
        migliore = std::min(migliore, Millisecondi(t));
        somma += f.Conteggio(1, 1);
    }
    std::printf("pilot counts over 10 million columns: %.1f ms\n", migliore);
    return somma == 42 ? 1 : 0;
}
