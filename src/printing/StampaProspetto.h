#pragma once
#include <string>
#include <vector>

#include "printing/TmmPrinter.h"

namespace sirvela {

class T_Sistema;
struct TImpostazioniSviluppo;

inline constexpr const char* kErroreStampaProspetto =
    "Impossibile Stampare il Prospetto del Sistema";
inline constexpr const char* kLavoroProspetto = "Stampa del Prospetto del Sistema";
inline constexpr const char* kTitoloProspetto = "Prospetto del Sistema";
inline constexpr int kCopieMassime = 100;

// The choices of "Stampa del Prospetto del Sistema".
struct TSceltaProspetto {
    bool Informazioni = true;
    bool Schedina = true;
    bool Condizioni = true;
    bool Tabulato = false;
    bool PerPartecipante = true;  // one copy per participant, else `Copie` copies
    int Copie = 1;
    bool operator==(const TSceltaProspetto&) const = default;
};

// One copy per participant needs more than one participant.
bool CopiaPerPartecipanteDisponibile(const T_Sistema& s);
// The title of every copy, in print order: the bare title for a single copy, else followed
// by "     Copia per " and the participant's name (per participant, names given) or by
// "     Copia Nº " and the copy number.
std::vector<std::string> TitoliCopie(const T_Sistema& s, const TSceltaProspetto& scelta);
// "Integrale  ", "Condizionato ", "ridotto a garanzia 80" ... after "  Sistema ".
std::string TestoTipoSistema(const TImpostazioniSviluppo& imp);
// Today as dd/mm/yyyy.
std::string DataDiOggi();

// Prints the summary sheet: one job per copy, each followed by the columns as a list when
// asked. The conditions' state flags are brought up to date first. Returns false when
// cancelled.
bool StampaProspetto(TmmPrinter& p, T_Sistema& s, const TSceltaProspetto& scelta,
                     const std::string& data, TControlloStampa& controllo);

}  // namespace sirvela
