#pragma once
#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "conditions/TCondizione.h"
#include "core/Colonna.h"
#include "core/Interfacce.h"
#include "core/TCombinazione.h"
#include "core/Testo.h"

namespace sirvela {

class ITestColonne;
class TDatiSistema;

// Conditions and link tables as an open dialog has them before "OK", counted in place of those
// they stand for.
struct TSostituzioni {
    struct TCondizioneSostituita {
        // The condition in the system, or in the working copy of an enclosing dialog.
        const TCondizione* Originale = nullptr;
        std::unique_ptr<TCondizione> Copia;
    };
    std::vector<TCondizioneSostituita> Condizioni;
    std::vector<std::uint8_t> Link;  // the link manager's record; empty: the system's own

    void Aggiungi(const TCondizione* originale, std::unique_ptr<TCondizione> copia) {
        Condizioni.push_back({originale, std::move(copia)});
    }
};

// `copia` is a copy of `radice` with the same members: the substitutions whose condition lies
// under `radice` (itself included) put their settings at the same place in `copia`, and leave
// `s`.
void ApplicaSostituzioni(const TCondizione& radice, TCondizione& copia, TSostituzioni& s);

// What a development of the system reads, copied: position sets, source, settings, archive,
// pilots, the conditions and the link tables (through their records), with the substitutions
// in place.
std::unique_ptr<TDatiSistema> CopiaPerConteggio(const TDatiSistema& d, TSostituzioni s = {});

// Everything the count of a system depends on, as bytes: the same bytes, the same count.
std::vector<std::uint8_t> ImprontaConteggio(const TDatiSistema& d);

// An estimate of a count from a uniform sample of the candidates, with its 95% interval
// (Wilson's score interval with continuity correction, which errs on the wide side for small
// samples and small shares).
struct TStima {
    double Stima = 0;
    double Min = 0;
    double Max = 0;
    std::int64_t Campione = 0;  // candidates drawn
    std::int64_t Passate = 0;   // of which passed
    // The half-width of the interval over the estimate; infinite while the estimate is 0.
    double ErroreRelativo() const;
};
// `passate` of `campione` candidates drawn from `candidati`, scaled by `passi`.
TStima StimaDaCampione(std::int64_t passate, std::int64_t campione, double candidati,
                       int passi = 1);

// Draws candidates of the position sets uniformly (one slot per position, repeats allowed) and
// tests them as the development does: eight different pilots, then the test.
class TCampionatore {
  public:
    // `test` prepared already; null: every candidate with eight different pilots passes.
    TCampionatore(const TPronostico& p, ITestColonne* test, std::uint64_t seme, int passi = 1);
    // Draws `n` more; false when `fermati` said so (asked every few thousand candidates).
    bool Estrai(std::int64_t n, const std::function<bool()>& fermati = {});
    TStima Stima() const;

  private:
    std::uint32_t Indice(int posizione);

    std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8> v_{};
    std::array<std::uint32_t, 8> n_{};
    double candidati_ = 0;
    ITestColonne* test_;
    std::mt19937_64 caso_;
    int passi_;
    std::int64_t campione_ = 0;
    std::int64_t passate_ = 0;
};

// Samples the position sets of `d` with its conditions (on a test of its own) until the
// interval lies within `precisione` of the estimate, `massimo` candidates were drawn or
// `fermati` says so; `ogni` sees the estimate after every round of a growing size.
TStima StimaSistema(TDatiSistema& d, std::uint64_t seme, double precisione, std::int64_t massimo,
                    const std::function<bool()>& fermati = {},
                    const std::function<void(const TStima&)>& ogni = {});

struct TEsitoConteggio {
    bool Esatto = false;
    std::int64_t Colonne = 0;  // the exact count
    TStima Stima;              // while not exact
    std::string Errore;        // why no count could be made
};

// Passes whose columns a development without reduction stores: each one adds every column.
int PassiConteggio(const TDatiSistema& d);

// The columns a development of `d` without reduction keeps, counted by the development itself
// with nothing stored or written. False when cancelled; a source file that cannot be read gives
// its message in `esito.Errore`.
bool ContaEsatto(TDatiSistema& d, int fili, const TAnnullamento* annullamento,
                 TEsitoConteggio& esito);

// Counts systems on a thread of its own at a lower priority, one request at a time: a new
// request cancels the one running. Large systems first get estimates from a sample, refined
// while the exact count runs. Results reach `avviso` on a worker thread, only for the latest
// request and never after its final one (exact or error); `avviso` must not call back.
class TConteggioDalVivo {
  public:
    struct TOpzioni {
        // Candidates (the product of the position sets) from which the estimate starts at
        // once: about what two cores count exactly in one second under a few conditions
        // (measured: 4.5e8 to 9.4e8 candidates a second on one core; 2.6e9 to 3.8e9 with no
        // condition).
        double SogliaStima = 1e9;
        // Seconds after which a count still running gets an estimate anyway.
        double AttesaStima = 0.8;
        // Relative half-width at which the sample stops growing.
        double Precisione = 0.005;
        // Seconds between two estimates.
        double IntervalloStime = 0.15;
        int Fili = 0;            // of the exact count; 0 = every core
        std::uint64_t Seme = 0;  // of the samples; 0 = from the clock
    };
    using TAvviso = std::function<void(std::uint64_t richiesta, const TEsitoConteggio&)>;

    explicit TConteggioDalVivo(TAvviso avviso) : TConteggioDalVivo(std::move(avviso), {}) {}
    TConteggioDalVivo(TAvviso avviso, TOpzioni opzioni);
    ~TConteggioDalVivo();
    TConteggioDalVivo(const TConteggioDalVivo&) = delete;
    TConteggioDalVivo& operator=(const TConteggioDalVivo&) = delete;

    // Counts `sistema` (a copy the count keeps); returns the request's number. Never waits.
    std::uint64_t Richiedi(std::unique_ptr<TDatiSistema> sistema);
    // Drops the request running or waiting; nothing more is reported for it.
    void Annulla();
    void ImpostaFili(int fili);

  private:
    void Lavora();
    void Esegui(std::uint64_t richiesta, TDatiSistema& d);
    // Hands a result over when it belongs to the latest request.
    void Consegna(std::uint64_t richiesta, const TEsitoConteggio& esito);

    TAvviso avviso_;
    TOpzioni opzioni_;
    std::mutex mutex_;
    std::condition_variable lavoro_;
    std::unique_ptr<TDatiSistema> prossimo_;
    std::uint64_t contatore_ = 0;
    std::uint64_t ultima_ = 0;  // the latest request; 0 = none to report
    bool fine_ = false;
    TAnnullamento annulla_;
    std::mt19937_64 semi_;
    std::thread filo_;
};

// "14.998", or "≈ 1,2 milioni (±1,5%)" with the digits the interval allows; with `colonne`
// the word follows ("1 colonna", "≈ 1,2 milioni di colonne (±1,5%)").
std::string TestoConteggio(const TEsitoConteggio& e, bool colonne = false);
// The main window's line: "Colonne previste: 14.998 — Costo: £ 14.998.000"; an estimate gives
// an estimated cost, a count that failed its reason.
std::string TestoColonnePreviste(const TEsitoConteggio& e, const TPrezzi& prezzi, int partecipanti);
// The line of a condition dialog: "Con queste impostazioni: 9.244 colonne (−5.754)", the
// change against `prima` (the count when the dialog opened) when both are exact and differ.
std::string TestoConteggioDialogo(const TEsitoConteggio& e, const TEsitoConteggio* prima);

inline constexpr const char* kConteggioInCorso = "calcolo in corso...";

}  // namespace sirvela
