#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Colonna.h"
#include "core/PilotiInGioco.h"
#include "tools/Progresso.h"

namespace sirvela {

class TAnnullamento;

struct TFormatoColonne {
    const char* Didascalia;
    const char* Estensione;
    bool Testo;  // one column per text line; otherwise the 8-byte column file
};

// The formats in the order of the window's lists.
inline constexpr std::array<TFormatoColonne, 3> kFormatiColonne = {{
    {"Txt (Formato testo)", "Txt", true},
    {"Asc (Formato testo)", "Asc", true},
    {"Scl", "Scl", false},
}};

inline constexpr const char* kMsgConversioneInterrotta = "Conversione Interrotta.";
inline constexpr const char* kMsgConversioneRiuscita = "Conversione terminata con successo.";
inline constexpr const char* kTitoloFileCreati = "Files Creati :";

// "Impossibile convertire il file X: <motivo>. Elaborazione terminata"
std::string MessaggioConversioneImpossibile(const std::string& nome, const std::string& motivo);
// The source list's filter: "*." and the extension.
std::string FiltroFormato(int formato);
// The source name with its extension, from the first ".", replaced.
std::string NomeConvertito(const std::string& nome, int formato);
// The source files of a folder in a format, by name.
std::vector<std::string> ElencoFileFormato(const std::filesystem::path& cartella, int formato);

// The text line of a column: every number in two characters, separated by one blank.
std::string RigaDiTesto(const TColonna& colonna);

struct TEsitoConversione {
    bool Riuscita = false;
    bool Interrotta = false;
    std::string Messaggio;
    int FileCreati = 0;
};

// Converts many column files at once between the text layouts and the column file.
class TConversione {
  public:
    std::filesystem::path CartellaSorgente;
    int FormatoSorgente = 0;
    std::filesystem::path CartellaDestinazione;
    int FormatoDestinazione = 2;
    // What the columns may hold: a source whose line or record is not eight different pilots
    // in play is not converted.
    TPilotiInGioco Piloti;

    // Converts the named files of the source folder in order, stopping at the first that
    // cannot be converted. A destination is complete or not there at all: a stopped
    // conversion leaves nothing half written. The cancel request is looked at per column.
    TEsitoConversione Converti(const std::vector<std::string>& nomi,
                               IProgressoStrumenti* progresso = nullptr,
                               const TAnnullamento* annulla = nullptr) const;
};

}  // namespace sirvela
