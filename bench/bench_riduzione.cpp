// The improved reduction against the optimised one, on the columns of a file or, without one,
// on the reduction benchmark's system (eight position sets over pilots 1..16, no conditions,
// 13,916 columns). For each guarantee: the optimised count and time, then the improved count,
// its lower bound, time, search steps and steps per second, and whether every column is
// covered.
// Usage: bench_riduzione [FILE.Scl] [--garanzia G]... [--secondi S] [--iterazioni N]
//                        [--seme N] [--vincite K] [--catene N]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/TListaColonne.h"
#include "development/Riduzione.h"
#include "development/RiduzioneMigliorata.h"
#include "development/Sviluppo.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

double Secondi(Orologio::time_point a) {
    return std::chrono::duration<double>(Orologio::now() - a).count();
}

TListaColonne ColonneR() {
    const std::vector<std::vector<int>> posizioni = {
        {1, 2, 3},    {2, 3, 4},          {3, 4, 5, 6},         {4, 5, 6, 7},
        {6, 7, 8, 9}, {8, 9, 10, 11, 12}, {10, 11, 12, 13, 14}, {12, 13, 14, 15, 16}};
    TPronostico p;
    for (int i = 0; i < 8; ++i)
        for (int v : posizioni[static_cast<std::size_t>(i)]) p.Posizione[i].Aggiungi(v);
    TListaColonne l;
    SviluppaPronostico(
        p,
        [&](const TColonna& c) {
            if (ColonnaDistinta(c)) l.Accoda(c);
        },
        nullptr);
    return l;
}

// Columns with fewer kept columns at the guarantee than `vincite` (or than the distinct
// columns at the guarantee, when fewer), counted the plain way.
std::int64_t Scoperte(const TListaColonne& tutte, const TListaColonne& tenute, int garanzia,
                      int vincite) {
    auto a = tutte.ComeVettore();
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    const auto t = tenute.ComeVettore();
    std::int64_t scoperte = 0;
    for (const auto& c : a) {
        int vicine = 0, coperta = 0;
        if (vincite > 1)
            for (const auto& d : a) vicine += Punteggio(c, d) >= garanzia;
        for (const auto& k : t) coperta += Punteggio(c, k) >= garanzia;
        if (coperta < (vincite > 1 ? std::min(vincite, vicine) : 1)) ++scoperte;
    }
    return scoperte;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file;
    std::vector<int> garanzie;
    TParametriMigliorata parametri;
    bool secondi = false;
    int vincite = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : "0";
        if (a == "--garanzia") {
            garanzie.push_back(std::atoi(v));
            ++i;
        } else if (a == "--secondi") {
            parametri.Secondi = std::atof(v);
            secondi = true;
            ++i;
        } else if (a == "--iterazioni") {
            parametri.Iterazioni = std::atoll(v);
            ++i;
        } else if (a == "--seme") {
            parametri.Seme = std::strtoull(v, nullptr, 10);
            ++i;
        } else if (a == "--catene") {
            parametri.Catene = std::atoi(v);
            ++i;
        } else if (a == "--vincite") {
            vincite = std::atoi(v);
            ++i;
        } else {
            file = a;
        }
    }
    if (garanzie.empty()) garanzie = {70, 80};
    // An iteration budget alone lifts the time limit.
    if (parametri.Iterazioni > 0 && !secondi) parametri.Secondi = 0;
    TListaColonne colonne;
    if (file.empty()) {
        colonne = ColonneR();
    } else if (!colonne.CaricaDaFile(file)) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
    }
    std::printf("%lld columns\n", static_cast<long long>(colonne.Quante()));
    for (int g : garanzie) {
        TVistaSviluppo vista(nullptr, {}, 1);
        TListaColonne ottimizzata = colonne;
        auto t0 = Orologio::now();
        RiduzioneOttimizzata(ottimizzata, kPunteggioMassimo - g, vista, nullptr);
        const double tOtt = Secondi(t0);
        TListaColonne migliorata = colonne;
        TEsitoMigliorata esito;
        t0 = Orologio::now();
        RiduzioneMigliorata(migliorata, g, vincite, parametri, vista, nullptr, {}, esito);
        const double tMig = Secondi(t0);
        const std::int64_t buchi = Scoperte(colonne, migliorata, g, vincite);
        std::printf(
            "G%d optimised %lld (%.2f s)  improved %lld, bound %lld (relaxation %.4f..%.4f, %lld "
            "fixed), %.1f%% fewer (%.1f s, %lld steps of each chain, %lld in all, %.0f steps/s)  "
            "uncovered %lld\n",
            g, static_cast<long long>(ottimizzata.Quante()), tOtt,
            static_cast<long long>(migliorata.Quante()),
            static_cast<long long>(esito.LimiteInferiore), esito.Rilassamento,
            esito.TettoRilassamento, static_cast<long long>(esito.Fisse),
            100.0 * static_cast<double>(ottimizzata.Quante() - migliorata.Quante()) /
                static_cast<double>(ottimizzata.Quante()),
            tMig, static_cast<long long>(esito.Iterazioni), static_cast<long long>(esito.Passi),
            static_cast<double>(esito.Passi) / tMig, static_cast<long long>(buchi));
    }
    return 0;
}
