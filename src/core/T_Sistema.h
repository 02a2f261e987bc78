#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/T_FrequenzeRitardi.h"
#include "core/TDatiSistema.h"

namespace sirvela {

class TLettore;
class TScrittore;

inline constexpr const char* kErroreCaricaSistema = "Impossibile Caricare il Sistema";
inline constexpr const char* kErroreSalvaSistema = "Impossibile Salvare Il Sistema";
inline constexpr const char* kErroreCancellaSistema = "Impossibile Cancellare Il Sistema";

// The open document: lives from start-up to exit and is reset or refilled in place.
class T_Sistema {
  public:
    T_Sistema();

    TDatiSistema Dati;
    std::string NomeFile;
    bool Modificato = false;
    bool SenzaNome = true;
    bool SpecificaNomi = true;
    std::int32_t NumPartecipanti = 1;
    std::vector<std::string> Partecipanti;
    // The conditioned analysis: value 1 counts the contests that pass every condition in play,
    // value 0 those that fail one.
    T_FrequenzeRitardi Statistiche;
    std::vector<std::string> Commento;
    std::int32_t ContaAmmesse = 0;

    static std::string NomeNuovoSistema();  // <program folder>/Sistemi/SenzaNome.Sst

    // "Nuovo": everything of the system back to its defaults; the program settings (pilot
    // names, prices, currency, calibration, shop data, list layout) survive.
    void Nuovo();

    // Writes the system file at NomeFile. Nothing replaces the old file unless every section
    // was written; on success Modificato is cleared.
    bool SalvaSistema();
    bool SalvaSistema(TScrittore& s);
    // Reads a system file. A short read keeps the sections read so far, empties the column
    // list and returns false without touching Modificato.
    bool CaricaSistema(const std::filesystem::path& percorso);
    bool CaricaSistema(TLettore& l);
    // The message of a failed CaricaSistema, with the reason when there is a known one.
    std::string ErroreCaricamento() const;
    // The same, naming the file and the reason.
    std::string ErroreCaricamento(const std::filesystem::path& percorso) const;

    // Window title: "Sirvela " version " - " file name.
    std::string Titolo() const;
};

// "Impossibile Caricare il Sistema X: motivo." after CaricaSistema failed on that file.
std::string ErroreCaricaSistema(const std::filesystem::path& percorso);
// "Impossibile Salvare Il Sistema X: motivo." after SalvaSistema failed on that file.
std::string ErroreSalvaSistema(const std::filesystem::path& percorso);
// What the user is told about a system just read, one message each: pilots of the position
// sets that are not in play (kept in the file, never developed) and a stored guarantee that
// the development cannot use as it stands.
std::vector<std::string> AvvisiSistema(const T_Sistema& sistema);

// A list of text lines: per line an int32 length and its characters, then -1.
bool SalvaListaStringhe(TScrittore& s, const std::vector<std::string>& righe);
bool CaricaListaStringhe(TLettore& l, std::vector<std::string>& righe);

}  // namespace sirvela
