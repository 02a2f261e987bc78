// The live count, timed as a window sees it: from the request (the system copied) to the
// result, on the counting thread at its lower priority.
//   bench_conteggio SISTEMA.json...   each system's exact count, five times (best and worst)
//   bench_conteggio --grande [P]      every pilot 1..P (20) at every position with three
//                                     conditions: the first estimate, ±5%, ±1%, the exact count
//   bench_conteggio --velocita        exact counting rate of a few systems, candidates per
//                                     second (to place the estimate's threshold)
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/SistemaJson.h"
#include "core/T_Sistema.h"
#include "development/Conteggio.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

double Secondi(Orologio::time_point da) {
    return std::chrono::duration<double>(Orologio::now() - da).count();
}

// Every result of one request with the time it came.
struct TArrivi {
    std::mutex Mutex;
    std::condition_variable Arrivato;
    std::vector<std::pair<double, TEsitoConteggio>> Esiti;
    Orologio::time_point Inizio;
};

TConteggioDalVivo::TAvviso Registra(TArrivi& a) {
    return [&a](std::uint64_t, const TEsitoConteggio& e) {
        std::lock_guard b(a.Mutex);
        a.Esiti.emplace_back(Secondi(a.Inizio), e);
        a.Arrivato.notify_all();
    };
}

void Attendi(TArrivi& a) {
    std::unique_lock b(a.Mutex);
    a.Arrivato.wait(b, [&] {
        return !a.Esiti.empty() &&
               (a.Esiti.back().second.Esatto || !a.Esiti.back().second.Errore.empty());
    });
}

void Esatti(const std::vector<std::string>& file) {
    for (const auto& nome : file) {
        std::ifstream in(nome);
        if (!in) {
            std::fprintf(stderr, "%s: non leggibile\n", nome.c_str());
            continue;
        }
        T_Sistema s;
        bool colonne = false;
        ImportaSistema(nlohmann::json::parse(in), s, colonne);
        TArrivi a;
        TConteggioDalVivo conteggio(Registra(a));
        double migliore = 1e300, peggiore = 0;
        std::int64_t n = 0;
        for (int k = 0; k < 5; ++k) {
            {
                std::lock_guard b(a.Mutex);
                a.Esiti.clear();
                a.Inizio = Orologio::now();
            }
            conteggio.Richiedi(CopiaPerConteggio(s.Dati));
            Attendi(a);
            const double t = a.Esiti.back().first;
            migliore = std::min(migliore, t);
            peggiore = std::max(peggiore, t);
            n = a.Esiti.back().second.Colonne;
        }
        std::printf("%s: %lld colonne, candidati %.3g, esatto in %.3f s (peggiore %.3f s)\n",
                    nome.c_str(), static_cast<long long>(n),
                    static_cast<double>(s.Dati.Pronostico.ColonneIniziali()), migliore, peggiore);
    }
}

// Every pilot 1..p at every position; the sum of all eight within a middle band, three to five
// even pilots, neighbours at most 3p/5 apart.
void Grande(T_Sistema& s, int p) {
    TDatiSistema& d = s.Dati;
    for (auto& pos : d.Pronostico.Posizione)
        for (int v = 1; v <= p; ++v) pos.Aggiungi(v);
    auto& somme = static_cast<TCondSomme&>(*d.Condizioni->Condizione(kSomme));
    somme.Tutti.Intervalli[0] = {3.5 * p, 4.5 * p + 8, 1, 0};
    somme.Tutti.Quanti = 1;
    auto& pd = static_cast<TCondPariDispari&>(*d.Condizioni->Condizione(kPariDispari));
    for (int v = 3; v <= 5; ++v) pd.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    auto& dg = static_cast<TCondDistanzeGlobali&>(*d.Condizioni->Condizione(kDistanzeGlobali));
    for (int v = 1; v <= 3 * p / 5; ++v)
        dg.Massima.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    d.Condizioni->AggiornaTutte();
}

void Stima(int p) {
    T_Sistema s;
    Grande(s, p);
    TArrivi a;
    TConteggioDalVivo conteggio(Registra(a));
    a.Inizio = Orologio::now();
    conteggio.Richiedi(CopiaPerConteggio(s.Dati));
    Attendi(a);
    std::printf("%d piloti in ogni posizione, candidati %.3g\n", p,
                static_cast<double>(s.Dati.Pronostico.ColonneIniziali()));
    bool cinque = false, uno = false;
    for (const auto& [t, e] : a.Esiti) {
        if (e.Esatto) {
            std::printf("  esatto %lld in %.2f s\n", static_cast<long long>(e.Colonne), t);
            continue;
        }
        const double errore = e.Stima.ErroreRelativo();
        const bool primo = &e == &a.Esiti.front().second;
        if (primo || (!cinque && errore <= 0.05) || (!uno && errore <= 0.01))
            std::printf("  stima %.4g [%.4g, %.4g] ±%.2f%% su %lld candidati in %.3f s%s\n",
                        e.Stima.Stima, e.Stima.Min, e.Stima.Max, errore * 100,
                        static_cast<long long>(e.Stima.Campione), t, primo ? " (la prima)" : "");
        cinque = cinque || errore <= 0.05;
        uno = uno || errore <= 0.01;
    }
    const TEsitoConteggio& fine = a.Esiti.back().second;
    for (const auto& [t, e] : a.Esiti)
        if (!e.Esatto && (e.Stima.Min > fine.Colonne || e.Stima.Max < fine.Colonne))
            std::printf("  stima fuori dall'intervallo a %.3f s\n", t);
}

void Velocita() {
    struct Caso {
        const char* nome;
        int piloti;
        bool condizioni;
    } casi[] = {{"12 piloti, nessuna condizione", 12, false},
                {"12 piloti, tre condizioni", 12, true},
                {"14 piloti, nessuna condizione", 14, false},
                {"14 piloti, tre condizioni", 14, true},
                {"16 piloti, tre condizioni", 16, true}};
    for (const auto& c : casi) {
        T_Sistema s;
        Grande(s, c.piloti);
        s.Dati.ImpSviluppo.UsaCondizioni = c.condizioni;
        auto copia = CopiaPerConteggio(s.Dati);
        TEsitoConteggio e;
        const auto t = Orologio::now();
        const std::clock_t cpu = std::clock();
        ContaEsatto(*copia, 0, nullptr, e);
        const double secondi = Secondi(t);
        // The processor time of both threads: on a busy machine the elapsed time is not ours.
        const double processore = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        const double candidati = static_cast<double>(s.Dati.Pronostico.ColonneIniziali());
        std::printf(
            "%s: %lld colonne, candidati %.3g in %.3f s (processore %.3f s): %.3g "
            "candidati al secondo di processore\n",
            c.nome, static_cast<long long>(e.Colonne), candidati, secondi, processore,
            candidati / processore);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--grande") == 0) {
        Stima(argc > 2 ? std::atoi(argv[2]) : 20);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--velocita") == 0) {
        Velocita();
        return 0;
    }
    Esatti(std::vector<std::string>(argv + 1, argv + argc));
    return 0;
}
