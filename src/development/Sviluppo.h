#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Colonna.h"
#include "core/Interfacce.h"
#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"
#include "core/TListaColonne.h"
#include "core/Testo.h"
#include "development/ImpostazioniSviluppo.h"
#include "development/Potatura.h"
#include "development/QuadroSviluppo.h"
#include "development/RiduzioneMigliorata.h"

namespace sirvela {

class TScrittore;

inline constexpr const char* kErroreMemoriaSviluppo =
    "Memoria insufficiente per completare lo svilippo. Diminuire la quantità di numeri nel "
    "pronostico.";
inline constexpr const char* kErroreCaricaColonne = "Impossibile Caricare il File Colonnare";
inline constexpr const char* kErroreSalvaColonne = "Impossibile Salvare il file Colonnare";
inline constexpr const char* kErroreCreaColonne = "Impossibile Creare il File Colonnare ";

// The part of a column test that looks only at the count of odd pilots and at the sums, and
// rejects without touching anything else: the enumeration works it out once for the first
// seven positions and rejects most candidates without calling the test.
struct TPreFiltro {
    std::array<bool, 9> Dispari{};  // odd counts 0..8 that pass
    // Sums that pass, as whole-number bounds (lo > hi: none): all, even, odd pilots.
    static constexpr int kIllimitato = 1000000000;
    int Totale[2] = {-kIllimitato, kIllimitato};
    int Pari[2] = {-kIllimitato, kIllimitato};
    int SommaDispari[2] = {-kIllimitato, kIllimitato};
    // Totals of the eight pilots that pass, for tests that look at the total alone.
    static constexpr int kTotaleMassimo = 8 * 255;
    std::array<bool, kTotaleMassimo + 1> Totali = [] {
        std::array<bool, kTotaleMassimo + 1> t{};
        t.fill(true);
        return t;
    }();
};

// Statistics a column test gathers while it runs, taken out of a copy (each test its own kind).
class TStatisticheTest {
  public:
    virtual ~TStatisticheTest() = default;
};

// The test a candidate with eight different pilots must pass: the system's conditions and
// link groups.
class ITestColonne {
  public:
    virtual ~ITestColonne() = default;
    // Readies the test for a run: statistics cleared, states and the list of conditions in
    // play rebuilt, errors not collected, link groups examined and cleared.
    virtual void Prepara() = 0;
    virtual bool Verifica(const TColonna& c) = 0;
    // Verifica of a candidate that passed the pre-filter (see PreFiltro).
    virtual bool VerificaPreFiltrata(const TColonna& c) { return Verifica(c); }
    // After Prepara: a copy for another thread, prepared, sharing with this test whatever
    // testing only reads and with counts and statistics of its own; null when the test cannot
    // be copied (the development then stays on one thread).
    virtual std::unique_ptr<ITestColonne> CopiaPerFilo() { return nullptr; }
    // Bytes one such copy takes (charged to the development's memory ceiling).
    virtual std::int64_t MemoriaCopia() const { return 0; }
    // The statistics gathered since the last call, taken out of this test; null when none.
    virtual std::unique_ptr<TStatisticheTest> PrendiStatistiche() { return nullptr; }
    // Adds statistics taken out of a copy.
    virtual void Unisci(TStatisticheTest& /*statistiche*/) {}
    // After Prepara: what a candidate must pass before anything else is looked at, when the
    // test has such a part (a candidate it rejects is rejected by Verifica with no effect).
    virtual bool PreFiltro(TPreFiltro& /*filtro*/) const { return false; }
    // After Prepara: the bounds of the test on partial columns, shared by every thread; a
    // subtree they rule out is skipped with no effect on the test (null: none).
    virtual const TPotatura* Potatura() const { return nullptr; }
};

// Worker threads of a development: as many as the machine has cores.
int FiliPredefiniti();

// Bytes the column lists of one development may take: a share of the memory available when
// the run starts. A positive TettoMemoriaSviluppo stands in for it (tests).
extern std::int64_t TettoMemoriaSviluppo;
std::int64_t TettoMemoriaRun();

// What a run develops and how.
struct TDatiSviluppo {
    const TPronostico* Pronostico = nullptr;
    TSorgente Sorgente;
    // What a source column file may hold: it is refused at its first record that is not
    // eight different pilots in play.
    TPilotiInGioco Piloti;
    TImpostazioniSviluppo Impostazioni;
    TPrezzi Prezzi;
    int Partecipanti = 1;
};

// The run's collaborators; every one may be left out.
struct TServiziSviluppo {
    ITestColonne* Test = nullptr;  // without it every candidate passes the conditions
    ISviluppoOsservatore* Osservatore = nullptr;
    const TAnnullamento* Annullamento = nullptr;
    IMessaggi* Messaggi = nullptr;     // shows the memory message
    std::function<double()> Orologio;  // seconds; a steady clock when empty
    // Opens the writer of a destination file; tests use it to make writes fail.
    std::function<std::unique_ptr<TScrittore>(const std::filesystem::path&)> ApriScrittura;
    // Threads that enumerate the position sets; the result is the same for any number. The
    // on-the-fly reduction and a column-file source run on one.
    int Fili = 1;
    // Tests: a cancel seen at every poll from this examined count on (-1: none), so a run on
    // several threads can be stopped at the same point as one on a single thread.
    std::int64_t AnnullaDa = -1;
    // The improved reduction's chains and memory; its time, iterations and seed are the
    // development settings'.
    TParametriMigliorata Migliorata;
    // The columns that pass are counted, never stored or written: no destination file, no
    // reduction, one pass; ColonneSviluppate of the outcome is the count.
    bool SoloConteggio = false;
};

// What a run leaves behind for the document and the caller, filled as the run goes, so it
// is meaningful also when the run ends with an error.
struct TEsitoSviluppo {
    bool Avviato = false;     // the run got past its checks (the system counts as developed)
    bool Interrotto = false;  // cancelled or out of memory during the development
    bool MemoriaEsaurita = false;
    bool RiduzioneAnnullata = false;
    // The improved reduction was stopped by a cancel; the columns are the best cover found.
    bool RiduzioneInterrotta = false;
    std::int64_t LimiteInferiore = 0;       // of the improved reduction; 0 = not known
    std::int64_t IterazioniMigliorata = 0;  // its steps of each chain (they repeat its result)
    std::int64_t ContaTotali = 0;
    std::int64_t ContaAmmesse = 0;
    std::int64_t ContaEsaminate = 0;
    std::int64_t ContaFinali = 0;
    std::int64_t Passo = 0;
    std::int64_t ColonneSviluppate = 0;  // columns in memory when the development ended
    std::filesystem::path FileScritto;   // the destination file, when there was one
    std::string TempoImpiegato;          // h:mm:ss
    // Subtrees of the position sets skipped because no completion passes the conditions, and
    // the names of the conditions (as TPotatura lists them) that ruled them out.
    TContiPotatura Potatura;
    std::vector<std::string> NomiPotatura;
};

// Develops a system into `colonne` or into the destination file: the source candidates (the
// position sets, or the source column file), those with eight different pilots, the test,
// then the destination, the on-the-fly or the optimised reduction. Throws TErroreSirvela with
// the text to show when a file cannot be read, created or written; a destination or source
// that cannot be opened is refused before anything is touched.
void SviluppaSistema(TListaColonne& colonne, const TDatiSviluppo& dati,
                     const TServiziSviluppo& servizi, TEsitoSviluppo& esito);

// Hands every candidate of the position sets to `gestore`, in order (position 1 outermost,
// position 8 fastest, each set in its stored order, repeated pilots included), polling the
// cancel token once per combination of positions 1 to 5. False when cancelled or when the
// handler threw (the memory message is then shown).
bool SviluppaPronostico(const TPronostico& pronostico,
                        const std::function<void(const TColonna&)>& gestore,
                        const TAnnullamento* annullamento, IMessaggi* messaggi = nullptr);

}  // namespace sirvela
