// File operations benchmark: OR, AND, XOR and the coverage (guarantee 80 and 60) on two
// column files of 1,000,000 columns each (or the count given), with the plain one-walk-per-
// column form timed on a small slice as the yardstick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ColonneCasuali.h"
#include "core/Globali.h"
#include "core/TListaColonne.h"
#include "tools/TIndiceCopertura.h"
#include "tools/TOperazioniFile.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

// The second file: a third copies of the first file's columns, a third of them with one of
// the last four positions changed, a third new.
std::vector<TColonna> Seconda(const std::vector<TColonna>& prima, std::mt19937_64& g) {
    std::vector<TColonna> v;
    v.reserve(prima.size());
    for (std::size_t i = 0; i < prima.size(); ++i) {
        switch (i % 3) {
            case 0:
                v.push_back(prima[g() % prima.size()]);
                break;
            case 1: {
                TColonna c = prima[g() % prima.size()];
                c[4 + g() % 4] = static_cast<std::uint8_t>(24);  // a pilot it cannot hold
                v.push_back(c);
                break;
            }
            default:
                v.push_back(ColonnaCasuale(g));
        }
    }
    return v;
}

void Salva(const std::filesystem::path& p, const std::vector<TColonna>& v) {
    TListaColonne l;
    for (const auto& c : v) l.Accoda(c);
    if (!l.SalvaSuFile(p)) std::printf("ERRORE: impossibile scrivere %s\n", p.c_str());
}

double Secondi(Orologio::time_point a) {
    return std::chrono::duration<double>(Orologio::now() - a).count();
}

// The plain coverage: every column of the first file for each column of the second.
double CoperturaSemplice(const std::vector<TColonna>& a, const std::vector<TColonna>& b, int g,
                         std::size_t& scoperte) {
    auto t = Orologio::now();
    scoperte = 0;
    for (const auto& c : b)
        if (std::none_of(a.begin(), a.end(),
                         [&](const TColonna& x) { return Punteggio(x, c) >= g; }))
            ++scoperte;
    return Secondi(t);
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    std::mt19937_64 g(2024);
    std::vector<TColonna> prima(n);
    for (auto& c : prima) c = ColonnaCasuale(g);
    const auto seconda = Seconda(prima, g);

    const auto cartella = std::filesystem::temp_directory_path() / "sirvela-bench-operazioni";
    std::filesystem::create_directories(cartella / "Colonne");
    CartellaProgramma = cartella;
    Salva(CartellaColonne() / "primo.Scl", prima);
    Salva(CartellaColonne() / "secondo.Scl", seconda);
    std::printf("Colonne per file: %zu\n", n);

    struct Prova {
        const char* nome;
        TOperazione op;
        int garanzia;
    } prove[] = {{"OR", TOperazione::Or, 80},
                 {"AND", TOperazione::And, 80},
                 {"XOR", TOperazione::Xor, 80},
                 {"Copertura 80", TOperazione::Copertura, 80},
                 {"Copertura 60", TOperazione::Copertura, 60}};
    for (const auto& p : prove) {
        TOperazioniFile o;
        o.Operazione = p.op;
        o.Source1 = "primo";
        o.Source2 = "secondo";
        o.Dest = "risultato";
        o.SpinPtMin = p.garanzia;
        auto t = Orologio::now();
        auto esito = o.Esegui();
        std::printf("%-14s %7.3f s   %s", p.nome, Secondi(t), esito.Messaggio.c_str());
        if (p.op == TOperazione::Copertura) {
            const auto gruppi = TIndiceCopertura::ScegliGruppi(
                p.garanzia, static_cast<std::int64_t>(n), static_cast<std::int64_t>(n), 23);
            std::printf("   (gruppi di posizioni:");
            for (auto gr : gruppi) {
                std::printf(" ");
                for (int i = 0; i < 8; ++i)
                    if (gr & (1 << i)) std::printf("%d", i + 1);
            }
            std::printf(")");
        }
        std::printf("\n");
    }

    // Yardstick on a slice: the plain walk grows with the product of the two sizes.
    const std::size_t k = std::min<std::size_t>(n, 20000);
    std::vector<TColonna> a(prima.begin(), prima.begin() + static_cast<std::ptrdiff_t>(k));
    std::vector<TColonna> b(seconda.begin(), seconda.begin() + static_cast<std::ptrdiff_t>(k));
    for (int garanzia : {80, 60}) {
        std::size_t scoperte = 0;
        const double s = CoperturaSemplice(a, b, garanzia, scoperte);
        const double stima = s * (static_cast<double>(n) / k) * (static_cast<double>(n) / k);
        std::printf(
            "Copertura %d semplice su %zu x %zu: %.3f s (%zu scoperte); "
            "su %zu x %zu circa %.0f s\n",
            garanzia, k, k, s, scoperte, n, n, stima);
    }
    std::filesystem::remove_all(cartella);
    return 0;
}
