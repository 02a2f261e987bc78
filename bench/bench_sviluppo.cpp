// Development benchmarks against the literal development (SviluppoLetterale.h):
//   B1  every position {1..12}, no conditions, to memory then saved to a column file
//   B2  the same with six conditions (Somme, Pari e Dispari, Distanze Globali, Numero di
//       Sequenze, Resti, Crescenze e Decrescenze)
//   B3  the optimised reduction of B2's first 20000 columns at guarantee 70 and the
//       on-the-fly reduction of the same at 80
//   B5  every position {1..N} (N = 20 unless given) with B2's conditions, to a column file:
//       the pruned development on all threads and on one, the partial columns it looked at
//       against the candidates, what each condition pruned, and on one thread the time split
//       between visiting the candidates, testing them and writing them; with --senza-potatura
//       also the development that tests every candidate
// Usage: bench_sviluppo [b1|b2|b3|all] [--senza-letterale]
//        bench_sviluppo b5 [N] [--senza-potatura]
//        bench_sviluppo quadri FILI   twenty sub-Quadri of 999 filter columns each, 720
//                                     columns, on FILI threads (0: all): time and peak memory
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "SviluppoLetterale.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TListaColonne.h"
#include "core/T_Sistema.h"
#include "development/Enumerazione.h"
#include "development/Sviluppo.h"
#include "development/SviluppoSistema.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

double Secondi(Orologio::time_point a) {
    return std::chrono::duration<double>(Orologio::now() - a).count();
}

void Accetta(TTabellaValori& t, int da, int a) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)] = {1, 0};
}

template <typename T>
T& Slot(TDatiSistema& dati, int slot) {
    return static_cast<T&>(*dati.Condizioni->Condizione(slot));
}

// The conditions of B2.
void CondizioniB2(TDatiSistema& dati) {
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Tutti.Intervalli[0] = {40, 60, 1, 0};
    somme.Tutti.Quanti = 1;
    Accetta(Slot<TCondPariDispari>(dati, kPariDispari).Pari.Principale, 3, 5);
    Accetta(Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali).Massima.Principale, 3, 9);
    Accetta(Slot<TCondNumeroSequenze>(dati, kNumeroSequenze).Lunghezza1.Principale, 4, 8);
    auto* resto = static_cast<TCondResti*>(Slot<TCondGruppo>(dati, kGruppoResti).AggiungiMembro());
    resto->Divisore = 7;
    Accetta(resto->Resto.Principale, 0, 4);
    Accetta(Slot<TCondCrescenzeDecrescenze>(dati, kCrescenzeDecrescenze).Crescenze.Principale, 3,
            4);
}

TPronostico Tutti(int piloti) {
    TPronostico p;
    for (auto& pos : p.Posizione)
        for (int v = 1; v <= piloti; ++v) pos.Numeri[pos.Quanti++] = static_cast<std::uint16_t>(v);
    return p;
}

TPronostico TuttiDodici() {
    return Tutti(12);
}

struct TTempi {
    double motore = 0, letterale = 0;
};

void Riga(const char* nome, const TTempi& t, long long colonne, bool uguali) {
    if (t.letterale > 0)
        std::printf("%-44s %9.3f s  letterale %9.3f s  rapporto %6.1fx  colonne %lld  %s\n", nome,
                    t.motore, t.letterale, t.letterale / t.motore, colonne,
                    uguali ? "identiche" : "DIVERSE");
    else
        std::printf("%-44s %9.3f s  colonne %lld\n", nome, t.motore, colonne);
}

bool Uguali(const TListaColonne& a, const letterale::TListaNodi& b) {
    if (a.Quante() != b.Quante) return false;
    const letterale::TNodo* n = b.Testa;
    for (const auto& c : a) {
        if (!n || n->Colonna != c) return false;
        n = n->Prossimo;
    }
    return true;
}

// Development into memory, then the list saved to a column file.
void Sviluppo(const char* nome, ITestColonne* test, bool letterale, TListaColonne* uscita) {
    TPronostico p = TuttiDodici();
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    dati.Impostazioni.UsaCondizioni = test != nullptr;
    TServiziSviluppo s;
    s.Test = test;
    const auto file = std::filesystem::temp_directory_path() / "bench_sviluppo.Scl";
    TTempi t;
    TListaColonne lista;
    TEsitoSviluppo esito;
    auto a = Orologio::now();
    SviluppaSistema(lista, dati, s, esito);
    const double sviluppo = Secondi(a);
    lista.SalvaSuFile(file);
    t.motore = Secondi(a);
    std::printf("%s: sviluppo %.3f s, salvataggio %.3f s, candidate %lld, ammesse %lld\n", nome,
                sviluppo, t.motore - sviluppo, static_cast<long long>(esito.ContaTotali),
                static_cast<long long>(esito.ContaAmmesse));
    bool uguali = true;
    if (letterale) {
        letterale::TSviluppoLetterale l(dati, s);
        TEsitoSviluppo el;
        a = Orologio::now();
        l.Esegui(el);
        // The plain save: the linked list walked into 8000-byte blocks.
        TScrittore w(file);
        std::array<TColonna, 1000> blocco;
        std::size_t k = 0;
        for (auto* n = l.Colonne.Testa; n; n = n->Prossimo) {
            blocco[k++] = n->Colonna;
            if (k == 1000) {
                w.Scrivi(blocco.data(), 8000);
                k = 0;
            }
        }
        w.Scrivi(blocco.data(), k * 8);
        w.Chiudi();
        t.letterale = Secondi(a);
        uguali = Uguali(lista, l.Colonne) && el.ContaAmmesse == esito.ContaAmmesse;
    }
    Riga(nome, t, lista.Quante(), uguali);
    // Straight to a file destination as well.
    dati.Impostazioni.InMemoria = false;
    dati.Impostazioni.FileDestinazione = file.string();
    a = Orologio::now();
    SviluppaSistema(lista, dati, s, esito);
    std::printf("%-44s %9.3f s\n", "  (destinazione file)", Secondi(a));
    std::filesystem::remove(file);
    if (uscita) {
        uscita->Svuota();
        TListaColonne tutte;
        dati.Impostazioni.InMemoria = true;
        SviluppaSistema(tutte, dati, s, esito);
        for (const auto& c : tutte) {
            if (uscita->Quante() == 20000) break;
            uscita->Accoda(c);
        }
    }
}

void Riduzioni(const TListaColonne& base, bool letterale) {
    const auto file = std::filesystem::temp_directory_path() / "bench_riduzione.Scl";
    base.SalvaSuFile(file);
    for (bool ottimizzata : {true, false}) {
        TDatiSviluppo dati;
        dati.Sorgente.DaPronostico = false;
        dati.Sorgente.FileSorgente = file.string();
        dati.Impostazioni.UsaCondizioni = false;
        dati.Impostazioni.Autoriduzione = true;
        dati.Impostazioni.Ottimizzata = ottimizzata;
        dati.Impostazioni.Garanzia = ottimizzata ? 70 : 80;
        TServiziSviluppo s;
        TTempi t;
        TListaColonne lista;
        TEsitoSviluppo esito;
        t.motore = 1e9;
        auto a = Orologio::now();
        for (int volta = 0; volta < 5; ++volta) {  // the machine may be shared: best of five
            a = Orologio::now();
            SviluppaSistema(lista, dati, s, esito);
            t.motore = std::min(t.motore, Secondi(a));
        }
        bool uguali = true;
        if (letterale) {
            letterale::TSviluppoLetterale l(dati, s);
            TEsitoSviluppo el;
            a = Orologio::now();
            l.Esegui(el);
            t.letterale = Secondi(a);
            uguali = Uguali(lista, l.Colonne);
        }
        Riga(ottimizzata ? "B3 riduzione ottimizzata (20000, garanzia 70)"
                         : "B3 riduzione al volo (20000, garanzia 80)",
             t, lista.Quante(), uguali);
    }
    std::filesystem::remove(file);
}

// The same test without its bounds on partial columns: every candidate is tested.
class TSenzaPotatura : public ITestColonne {
  public:
    explicit TSenzaPotatura(ITestColonne& t) : t_(t) {}
    void Prepara() override { t_.Prepara(); }
    bool Verifica(const TColonna& c) override { return t_.Verifica(c); }
    bool VerificaPreFiltrata(const TColonna& c) override { return t_.VerificaPreFiltrata(c); }
    std::unique_ptr<ITestColonne> CopiaPerFilo() override { return t_.CopiaPerFilo(); }
    bool PreFiltro(TPreFiltro& f) const override { return t_.PreFiltro(f); }

  private:
    ITestColonne& t_;
};

// The enumeration with the pre-filter and the pruning, candidates only counted (testing them
// when asked), as the engine's single thread walks them.
struct TSoloVisita {
    ITestColonne* Test = nullptr;
    std::int64_t Candidati = 0, Passate = 0;
    void Candidato(const TColonna& c) {
        ++Candidati;
        if (!Test || Test->VerificaPreFiltrata(c)) ++Passate;
    }
    void Scartati(std::int64_t) {}
    void Scartato() {}
    void Salta(std::int64_t) {}
    bool SaltaConControlli(std::int64_t, std::int64_t, std::int64_t) { return true; }
    template <class F>
    bool Potati(std::int64_t, std::int64_t, std::int64_t, std::int64_t, const F&) {
        return true;
    }
    bool Annullato() { return false; }
};

void B5(int piloti, bool senzaPotatura) {
    T_Sistema sistema;
    CondizioniB2(sistema.Dati);
    TTestCondizioni test(*sistema.Dati.Condizioni, *sistema.Dati.Recuperi);
    const TPronostico p = Tutti(piloti);
    const auto file = std::filesystem::temp_directory_path() / "bench_b5.Scl";
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    dati.Impostazioni.InMemoria = false;
    dati.Impostazioni.FileDestinazione = file.string();
    auto sviluppa = [&](ITestColonne& t, int fili, TEsitoSviluppo& esito) {
        TServiziSviluppo s;
        s.Test = &t;
        s.Fili = fili;
        TListaColonne lista;
        const auto a = Orologio::now();
        SviluppaSistema(lista, dati, s, esito);
        return Secondi(a);
    };
    TEsitoSviluppo esito;
    const double tutti = sviluppa(test, 0, esito);
    std::error_code ec;
    const auto scritte = std::filesystem::file_size(file, ec) / 8;
    std::printf("B5 {1..%d}, condizioni di B2, su file: %.3f s su %d fili, colonne %lld\n", piloti,
                tutti, FiliPredefiniti(), static_cast<long long>(scritte));
    const double uno = sviluppa(test, 1, esito);
    std::printf("  su un filo: %.3f s\n", uno);
    const TContiPotatura& c = esito.Potatura;
    std::printf(
        "  candidate %lld, ammesse %lld; colonne parziali esaminate %lld, potate %lld "
        "(candidate saltate %lld, %.2f%%)\n",
        static_cast<long long>(esito.ContaTotali), static_cast<long long>(esito.ContaAmmesse),
        static_cast<long long>(c.Esaminati), static_cast<long long>(c.Potati),
        static_cast<long long>(c.Candidati),
        100.0 * static_cast<double>(c.Candidati) / static_cast<double>(esito.ContaTotali));
    for (std::size_t l = 0; l < 7; ++l)
        std::printf("    %zu posizioni fisse: esaminate %12lld, potate %12lld\n", l + 1,
                    static_cast<long long>(c.EsaminatiPerLivello[l]),
                    static_cast<long long>(c.PotatiPerLivello[l]));
    for (std::size_t i = 0; i < c.PerLimite.size() && i < esito.NomiPotatura.size(); ++i)
        std::printf("    %-26s candidate saltate %14lld\n", esito.NomiPotatura[i].c_str(),
                    static_cast<long long>(c.PerLimite[i]));
    // The split on one thread: the walk alone, the walk with the test, the whole development.
    test.Prepara();
    TPreFiltro filtro;
    const bool filtrata = test.PreFiltro(filtro);
    TSoloVisita visita;
    auto a = Orologio::now();
    TEnumeratore<TSoloVisita>(p, visita, filtrata ? &filtro : nullptr, test.Potatura()).Esegui();
    const double tVisita = Secondi(a);
    TSoloVisita prova;
    prova.Test = &test;
    a = Orologio::now();
    TEnumeratore<TSoloVisita>(p, prova, filtrata ? &filtro : nullptr, test.Potatura()).Esegui();
    const double tProva = Secondi(a);
    std::printf(
        "  su un filo: visita %.3f s (%lld candidate oltre il prefiltro), verifica %.3f s "
        "(%lld passate), scrittura %.3f s\n",
        tVisita, static_cast<long long>(visita.Candidati), tProva - tVisita,
        static_cast<long long>(prova.Passate), uno - tProva);
    if (senzaPotatura) {
        TSenzaPotatura piano(test);
        const double t = sviluppa(piano, 0, esito);
        std::printf("  senza potatura: %.3f s su %d fili, colonne %lld\n", t, FiliPredefiniti(),
                    static_cast<long long>(esito.ContaFinali));
    }
    std::filesystem::remove(file);
}

// A system at the size a player reaches with Quadri: 20 sub-Quadri of 999 filter columns
// (some 20,000 conditions), developed on `fili` threads. Run once per thread count: the peak
// memory is the process's.
void Quadri(int fili) {
    T_Sistema sistema;
    auto* quadro = static_cast<TCondQuadro*>(sistema.Dati.Condizioni->Condizione(kQuadro));
    TCombinazione punti;
    for (int v = 0; v <= 6; ++v) punti.Numeri[punti.Quanti++] = static_cast<std::uint16_t>(v);
    std::uint32_t seme = 7;
    for (int q = 0; q < 20; ++q) {
        auto sub = std::make_unique<TCondQuadro>(&sistema.Dati, kNomeSubQuadro);
        std::vector<TColonna> colonne(TCondQuadro::kMaxMembri);
        for (TColonna& c : colonne)
            for (auto& x : c)
                x = static_cast<std::uint8_t>(1 + (seme = seme * 1103515245u + 12345u) % 8);
        InserisciColonneFiltro(*sub, colonne, true, punti);
        quadro->Membri.push_back(std::move(sub));
    }
    quadro->ApplicaPreset();
    sistema.Dati.Condizioni->AggiornaTutte();
    // Pilots 1 and 2 first, 3..8 in any order after them: 720 columns, each tested against every
    // member.
    TPronostico p = Tutti(8);
    for (int k = 0; k < 2; ++k) {
        p.Posizione[k].Quanti = 1;
        p.Posizione[k].Numeri[0] = static_cast<std::uint16_t>(k + 1);
    }
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    TTestCondizioni test(*sistema.Dati.Condizioni, *sistema.Dati.Recuperi);
    TServiziSviluppo s;
    s.Test = &test;
    s.Fili = fili;
    TListaColonne lista;
    TEsitoSviluppo esito;
    const auto a = Orologio::now();
    SviluppaSistema(lista, dati, s, esito);
    const double t = Secondi(a);
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf(
        "Quadri 20 x 999, 720 colonne: %d fili, %.3f s, colonne %lld, memoria massima %ld MB\n",
        fili > 0 ? fili : FiliPredefiniti(), t, static_cast<long long>(esito.ContaFinali),
        uso.ru_maxrss / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    std::string quale = argc > 1 ? argv[1] : "all";
    bool letterale = true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--senza-letterale") == 0) letterale = false;
    if (quale == "b5") {
        int piloti = 20;
        bool senzaPotatura = false;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--senza-potatura") == 0)
                senzaPotatura = true;
            else
                piloti = std::atoi(argv[i]);
        }
        B5(piloti, senzaPotatura);
        return 0;
    }
    if (quale == "quadri") {
        Quadri(argc > 2 ? std::atoi(argv[2]) : 0);
        return 0;
    }
    TListaColonne primeB2;
    if (quale == "b1" || quale == "all")
        Sviluppo("B1 tutte {1..12}, senza condizioni", nullptr, letterale, nullptr);
    T_Sistema sistema;
    CondizioniB2(sistema.Dati);
    TTestCondizioni condizioni(*sistema.Dati.Condizioni, *sistema.Dati.Recuperi);
    if (quale == "b2" || quale == "b3" || quale == "all")
        Sviluppo("B2 tutte {1..12}, sei condizioni", &condizioni, letterale && quale != "b3",
                 &primeB2);
    if (quale == "b3" || quale == "all") Riduzioni(primeB2, letterale);
    return 0;
}
