// Column list benchmark: memory per column, append and walk rates, and column-file save and
// load, against a plain one-heap-node-per-column list kept here as the yardstick.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/FileColonne.h"
#include "core/TListaColonne.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

struct Nodo {
    TColonna colonna;
    Nodo* prossimo;
};

// The yardstick: a singly linked list with one heap node per column.
struct ListaANodi {
    Nodo* testa = nullptr;
    Nodo* coda = nullptr;
    std::int64_t quante = 0;
    void Accoda(const TColonna& c) {
        Nodo* n = new Nodo{c, nullptr};
        if (!testa)
            testa = n;
        else
            coda->prossimo = n;
        coda = n;
        ++quante;
    }
    ~ListaANodi() {
        while (testa) {
            Nodo* n = testa->prossimo;
            delete testa;
            testa = n;
        }
    }
};

// Distinct columns at almost no cost, so the lists are what is measured.
TColonna ColonnaNumero(std::uint64_t n) {
    TColonna c;
    std::memcpy(c.data(), &n, 8);
    return c;
}

template <typename F>
double Migliore(int volte, F&& fn) {
    double migliore = 1e9;
    for (int i = 0; i < volte; ++i) {
        auto a = Orologio::now();
        fn();
        migliore = std::min(migliore, std::chrono::duration<double>(Orologio::now() - a).count());
    }
    return migliore;
}

double Secondi(Orologio::time_point a, Orologio::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// Resident memory: what the process really holds, whatever allocator it went through.
std::size_t Usata() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    long totale = 0, residente = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &totale, &residente) != 2) residente = 0;
        std::fclose(f);
    }
    return static_cast<std::size_t>(residente) * 4096;
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t n = argc > 1 ? std::atoll(argv[1]) : 20000000;
    std::printf("Colonne: %lld\n", static_cast<long long>(n));

    // Ours
    std::size_t prima = Usata();
    auto t0 = Orologio::now();
    TListaColonne lista;
    for (std::int64_t i = 0; i < n; ++i) lista.Accoda(ColonnaNumero(static_cast<std::uint64_t>(i)));
    auto t1 = Orologio::now();
    double byteLista = static_cast<double>(Usata() - prima) / static_cast<double>(n);
    std::uint64_t somma = 0;
    double giro = Migliore(3, [&] {
        somma = 0;
        lista.PerOgniBlocco([&](const TColonna* p, std::size_t k) {
            for (std::size_t i = 0; i < k; ++i) somma += ComeParola(p[i]);
            return true;
        });
    });
    std::uint64_t sommaIter = 0;
    double giroIter = Migliore(3, [&] {
        sommaIter = 0;
        for (const auto& c : lista) sommaIter += ComeParola(c);
    });

    // Yardstick
    prima = Usata();
    auto r0 = Orologio::now();
    auto* nodi = new ListaANodi;
    for (std::int64_t i = 0; i < n; ++i) nodi->Accoda(ColonnaNumero(static_cast<std::uint64_t>(i)));
    auto r1 = Orologio::now();
    double byteNodi = static_cast<double>(Usata() - prima) / static_cast<double>(n);
    std::uint64_t sommaNodi = 0;
    double giroNodi = Migliore(3, [&] {
        sommaNodi = 0;
        for (Nodo* p = nodi->testa; p; p = p->prossimo) sommaNodi += ComeParola(p->colonna);
    });
    delete nodi;
    if (somma != sommaNodi || somma != sommaIter)
        std::printf("ERRORE: le due liste non coincidono\n");

    double accoda = Secondi(t0, t1), accodaNodi = Secondi(r0, r1);
    std::printf("Memoria per colonna:  %.2f byte (nodi: %.2f)\n", byteLista, byteNodi);
    std::printf("Accoda:  %.3f s = %.1f M col/s (nodi %.3f s)  rapporto %.1fx\n", accoda,
                n / accoda / 1e6, accodaNodi, accodaNodi / accoda);
    std::printf("Scorri:  %.3f s = %.1f M col/s (nodi %.3f s)  rapporto %.1fx\n", giro,
                n / giro / 1e6, giroNodi, giroNodi / giro);
    std::printf("Scorri con l'iteratore: %.3f s  rapporto %.1fx\n", giroIter, giroNodi / giroIter);

    // Files. Writeback of dirty pages makes single timings jumpy: each figure is the best of
    // five runs, every run to a new file so neither side pays for replacing the last one.
    auto cartella = std::filesystem::temp_directory_path() / "sirvela-bench";
    std::filesystem::create_directories(cartella);
    auto file = cartella / "colonne.Scl";
    bool ok = true;
    int giroFile = 0;
    double salva = Migliore(5, [&] {
        file = cartella / ("colonne" + std::to_string(giroFile++) + ".Scl");
        ok = lista.SalvaSuFile(file) && ok;
    });
    TListaColonne riletta;
    double carica = Migliore(5, [&] { ok = riletta.CaricaDaFile(file) && ok; });
    int rc = 0, giroCp = 0;
    double cp = Migliore(5, [&] {
        auto copia = cartella / ("copia" + std::to_string(giroCp++) + ".Scl");
        std::string comando = "cp '" + file.string() + "' '" + copia.string() + "'";
        rc |= std::system(comando.c_str());
    });
    double mb = static_cast<double>(n) * 8 / 1e6;
    std::printf("Salva:   %.3f s = %.0f MB/s\n", salva, mb / salva);
    std::printf("Carica:  %.3f s = %.0f MB/s\n", carica, mb / carica);
    std::printf("cp:      %.3f s = %.0f MB/s  (salva+carica alla velocita' di cp x %.2f)\n", cp,
                mb / cp, cp / (salva + carica));
    if (!ok || rc != 0 || riletta.Quante() != n) std::printf("ERRORE sui file\n");

    // A file the user chooses is checked record by record while it is read: the same load of
    // columns that can be played (the arrangements of pilots 1..8), without and with the check.
    riletta.Svuota();
    lista.Svuota();
    const auto valide = cartella / "valide.Scl";
    {
        TListaColonne l;
        TColonna c{1, 2, 3, 4, 5, 6, 7, 8};
        for (std::int64_t i = 0; i < n; ++i, std::next_permutation(c.begin(), c.end())) l.Accoda(c);
        ok = l.SalvaSuFile(valide);
    }
    const TControlloColonne controllo{TPilotiInGioco()};
    double senza = 0, con = 0;
    // Alternated, so both meet the same state of the page cache.
    for (int giro = 0; giro < 5; ++giro) {
        const double a = Migliore(1, [&] { ok = riletta.CaricaDaFile(valide) && ok; });
        const double b =
            Migliore(1, [&] { ok = CaricaFileColonne(riletta, valide, controllo).empty() && ok; });
        senza = giro == 0 ? a : std::min(senza, a);
        con = giro == 0 ? b : std::min(con, b);
    }
    std::printf("Carica controllata: %.3f s = %.0f MB/s (senza controllo %.3f s, +%.1f%%)\n", con,
                mb / con, senza, (con / senza - 1) * 100);
    if (!ok || riletta.Quante() != n) std::printf("ERRORE sul file controllato\n");
    std::filesystem::remove_all(cartella);
    return 0;
}
