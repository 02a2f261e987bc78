#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/AvanzamentoAnalisi.h"
#include "archive/T_FrequenzeRitardi.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Testo.h"

namespace sirvela {

class TArchivio;
class TCondizione;

// One page of an analysis: one measure of the condition (a category, or one of its values),
// with the tables the viewers show.
struct TPaginaAnalisi {
    std::string Nome;                      // at most 30 characters: "Resto 7", "Pari"
    std::vector<std::string> Etichette;    // row labels
    T_FrequenzeRitardi StatArchivio;       // the selected archived contests
    T_FrequenzeRitardi StatIntegrale;      // column analysis: every source column ("Integr.")
    T_FrequenzeRitardi StatColonne;        // column analysis: the columns in memory ("Cond.")
    T_FrequenzeRitardi StatCondSingola;    // column analysis: the source columns the condition
                                           // alone takes ("Cond.S.")
    std::optional<TValoriAmmessi> Valori;  // the accepted values as the analysis ran
    std::optional<TIntervalliAmmessi> Intervalli;  // interval rows (Somme, Punti Tra)
    bool HaConsecutivita = false;                  // the page carries the secondary measure
    int MaxValore = 0;                             // rows 0..MaxValore without labelled rows
    int RigheEtichettate = 0;                      // highest row index with labelled rows
};

// What an analysis leaves for its window.
struct TRisultatiAnalisi {
    static constexpr int kPagine = 4;
    // Titles, in this order.
    enum TTitolo : int { kPrincipale = 0, kFrequenze = 1, kRitardi = 2, kColonne = 3 };

    std::array<TPaginaAnalisi, kPagine> Pagine;
    int PrimaRiga = 0;
    int QuantePagine = 0;
    std::int64_t ColonneLette = 0;  // source columns fed (column analysis)
    bool RigheEtichettate = false;  // every page's rows are its labels
    bool Annullata = false;
    bool SoloArchivio = true;
    std::array<std::string, 4> Titoli;
    bool Attiva = false;       // the condition was switched on when the analysis ran
    bool PiuConcorsi = false;  // the archive held more than one contest

    // Rows of a page: its labels with labelled rows, else its values from PrimaRiga.
    int Righe(int pagina) const;
    // Row r's label: the r-th label; beyond the list the numbering goes on from the last one.
    std::string Etichetta(int pagina, int riga) const;
    // Some page carries the secondary measure ("Cons." is offered).
    bool ConConsecutivita() const;
};

// What a dialog's controls add to the condition when its analysis starts.
struct TParametriAnalisi {
    bool SoloArchivio = true;     // the archive viewer; false: the column analysis too
    bool VorticeInverso = false;  // Vortici: the inverse vortex's page is shown
    int Numero = 1;               // the member's place in its container (Colonna Filtro)
};

// The archive is usable for statistics ("Archivio" enabled) from two contests on.
bool ArchivioUsabile(const TArchivio& archivio);

// Runs the analysis of a condition that already holds the dialog's current settings (a copy:
// its statistics holders are used): the archive feed, and for the column analysis the
// columns in memory and the system's source. Kinds without an analysis leave no pages. False
// when cancelled (then nothing is to be shown). A source column file that cannot be read
// throws TErroreSirvela.
bool EseguiAnalisi(TCondizione& condizione, const TParametriAnalisi& parametri,
                   TRisultatiAnalisi& risultati, IAvanzamentoAnalisi* avanzamento = nullptr);

// The column analysis' figures of one page, over the primary or the secondary list.
struct TMisureColonne {
    double FrequenzaStorica = 0;  // share of archived contests in the accepted rows
    double ColonneFiltrate = 0;   // share of source columns in the rejected rows
    double ColonneRimanenti = 100;
    bool ConFattore = false;  // no factor when every past result was accepted
    double Fattore = 0;
};
// Whether the page's row is accepted by the condition's table for that measure (labelled
// rows: all but the last, "Altri").
bool RigaAccettata(const TRisultatiAnalisi& r, int pagina, int riga, bool secondaria);
TMisureColonne MisureColonne(const TRisultatiAnalisi& r, int pagina, bool secondaria);
// "Fattore di convenienza : " and the factor, or the label alone.
std::string TestoFattore(const TMisureColonne& m);

// count * 100 / total with two decimals in a field of 4; 0,00 when the total is 0.
std::string TestoPercentuale(std::int64_t conta, std::int64_t totale);

}  // namespace sirvela
