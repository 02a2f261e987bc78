// Column list benchmark: memory per column, append and walk rates, and column-file save and
// load, against a plain one-heap-node-per-column list kept here as the yardstick.
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

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

std::size_t Usata() {
    return mallinfo2().uordblks + mallinfo2().hblkhd;
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

    // Files
    auto cartella = std::filesystem::temp_directory_path() / "sirvela-bench";
    std::filesystem::create_directories(cartella);
    auto file = cartella / "colonne.Scl";
    auto copia = cartella / "copia.Scl";
    auto f0 = Orologio::now();
    bool ok = lista.SalvaSuFile(file);
    auto f1 = Orologio::now();
    TListaColonne riletta;
    ok = riletta.CaricaDaFile(file) && ok;
    auto f2 = Orologio::now();
    std::string comando = "cp '" + file.string() + "' '" + copia.string() + "'";
    auto c0 = Orologio::now();
    int rc = std::system(comando.c_str());
    auto c1 = Orologio::now();
    double mb = static_cast<double>(n) * 8 / 1e6;
    double salva = Secondi(f0, f1), carica = Secondi(f1, f2), cp = Secondi(c0, c1);
    std::printf("Salva:   %.3f s = %.0f MB/s\n", salva, mb / salva);
    std::printf("Carica:  %.3f s = %.0f MB/s\n", carica, mb / carica);
    std::printf(
        "cp:      %.3f s = %.0f MB/s  (salva+carica / cp = %.2f del tempo di cp... "
        "velocita' relativa %.2f)\n",
        cp, mb / cp, (salva + carica) / cp, cp / (salva + carica));
    if (!ok || rc != 0 || riletta.Quante() != n) std::printf("ERRORE sui file\n");
    std::filesystem::remove_all(cartella);
    return 0;
}
