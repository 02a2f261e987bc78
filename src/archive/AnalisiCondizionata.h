#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "archive/AvanzamentoAnalisi.h"

namespace sirvela {

class T_Sistema;

inline constexpr const char* kTitoloInfoStat = "Informazioni Statistiche sul Sistema Condizionato";
inline constexpr const char* kAnalisiArchivioCondizionato = "Analisi Dell'Archivio in Corso..";

// "Analisi Statistica Condizionato": how the selected archived contests fare against every
// condition in play.
struct TEsitoCondizionato {
    int Concorsi = 0;             // contests in the archive
    int Esaminati = 0;            // selected complete contests tested
    int Superati = 0;             // P: those that pass every condition
    int EstrazioniDiAssenza = 0;  // D: contests examined since the last pass
    double CicloMedio = 0;        // (examined - D) / P, two decimals
    int RitardoAttuale = 0;       // D - the rounded cycle, at least 0
    int RitardoMinimo = 0;        // over the gaps between passes beyond the rounded cycle
    int RitardoMassimo = 0;
    double RitardoMedio = 0;
    double FrequenzaStorica = 0;  // P * 100 / examined
    // With columns developed into memory: the share the conditions filtered and the factor.
    bool ConColonne = false;
    double ColonneFiltrate = 0;
    bool FattoreInfinito = false;
    double Fattore = 0;
    std::vector<int> Passaggi;  // the examined ordinal of each pass, in order

    // "Concorsi Esaminati : " examined " Su " archive count.
    std::string TestoStato() const;
    // The factor with two decimals, or "Infinito".
    std::string TestoFattore() const;
};

// The cycle and delay figures from Esaminati, Superati, EstrazioniDiAssenza and Passaggi.
void CalcolaRitardi(TEsitoCondizionato& e);

// Runs the analysis on the document: its condition set is prepared as for a development and
// each selected contest's result is tested as a column, the conditions that look at the last
// results seeing only the contests before it. Fills the document's statistics holder. The
// progress goes to `avanzamento`, which is asked for a cancel after every contest; false
// when cancelled (no results then).
bool AnalisiCondizionata(T_Sistema& sistema, TEsitoCondizionato& esito,
                         IAvanzamentoAnalisi* avanzamento = nullptr);

}  // namespace sirvela
