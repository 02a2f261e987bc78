// Column editor and winning-slip view with 1,000,000 columns (or the count given): what one
// command of the editor costs (the grid stored before it and redrawn after it), loading,
// inserting and deleting in the middle, sorting and saving, and the slips of one score.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>

#include "ColonneCasuali.h"
#include "core/Globali.h"
#include "core/TListaColonne.h"
#include "tools/TEditorColonne.h"
#include "tools/TSpoglio.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

// Best of five runs, in milliseconds.
double Millisecondi(const std::function<void()>& f) {
    double migliore = 1e300;
    for (int k = 0; k < 5; ++k) {
        const auto t = Orologio::now();
        f();
        migliore = std::min(migliore,
                            std::chrono::duration<double, std::milli>(Orologio::now() - t).count());
    }
    return migliore;
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t n = argc > 1 ? std::atoll(argv[1]) : 1000000;
    const auto cartella = std::filesystem::temp_directory_path() / "sirvela-bench-editor";
    std::filesystem::create_directories(cartella);
    CartellaProgramma = cartella;
    std::mt19937_64 g(7);
    TListaColonne lista;
    for (std::int64_t i = 0; i < n; ++i) lista.Accoda(ColonnaCasuale(g));
    const auto file = cartella / "colonne.Scl";
    lista.SalvaSuFile(file);

    TEditorColonne e;
    std::printf("Editor con %lld colonne\n", static_cast<long long>(n));
    std::printf("  Carica Colonne            %9.2f ms\n",
                Millisecondi([&] { e.Carica(file.string()); }));
    e.Scorrimento = n / 2;
    e.Corrente = {n / 2, 0};
    const TEditorColonne::TCelle vista = e.Vista();
    std::printf("  griglia memorizzata e ridisegnata %9.4f ms\n", Millisecondi([&] {
                    e.MemorizzaVista(vista);
                    volatile auto c = e.Vista()[0][0].size();
                    (void)c;
                }));
    std::printf("  Inserisce + Cancella a metà %9.2f ms\n", Millisecondi([&] {
                    e.InserisciVuota();
                    e.CancellaCorrente();
                }));
    std::printf("  Salta alla Colonna (vuote tolte) %9.2f ms\n", Millisecondi([&] {
                    e.RimuoviVuote();
                    e.SaltaAllaColonna(n / 3);
                }));
    TEditorColonne copia = e;
    std::printf("  Ordina                    %9.2f ms\n", Millisecondi([&] {
                    TEditorColonne x = copia;
                    x.Ordina();
                }));
    std::printf("  Salva                     %9.2f ms\n",
                Millisecondi([&] { e.Salva((cartella / "salvate.Scl").string()); }));

    TSpoglio s;
    s.Colonne = lista;
    std::array<std::string, 8> risultato = {"1", "2", "3", "4", "5", "6", "7", "8"};
    s.LeggiRisultato(risultato);
    std::printf("Spoglio di %lld colonne     %9.2f ms\n", static_cast<long long>(n),
                Millisecondi([&] { s.Esegui(); }));
    TSchedineVincenti v;
    std::printf("  schedine vincenti caricate %9.2f ms\n", Millisecondi([&] { v.Carica(s); }));
    const double selezione = Millisecondi([&] { v.Seleziona(0); });
    std::printf("  schedine con 0 punti      %9.2f ms (%lld schedine)\n", selezione,
                static_cast<long long>(v.Quante()));
    std::printf("  una pagina                %9.4f ms\n", Millisecondi([&] {
                    volatile auto k = v.Pagina(v.Quante() / 2).size();
                    (void)k;
                }));
    std::filesystem::remove_all(cartella);
    return 0;
}
