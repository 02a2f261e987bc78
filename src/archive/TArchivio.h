#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TLettore;
class TScrittore;

inline constexpr const char* kErroreCaricaArchivi = "Impossibile caricare gli archivi";
inline constexpr const char* kErroreSalvaArchivi = "Impossibile salvare gli archivi";
// kErroreSalvaArchivi and, when the lock was the reason, kAggiornamentoInCorso under it.
std::string TestoErroreSalvaArchivi(bool occupato);
inline constexpr const char* kErroreRipristinoArchivi = "Impossibile ripristinare gli archivi.";
inline constexpr const char* kArchiviRipristinati =
    "Gli archivi sono stati ripristinati correttamente.";
inline constexpr const char* kSalvataggioCompletato = "Salvataggio completato con successo.";
inline constexpr const char* kInserireDiscoArchivi =
    "Inserire il disco contenente gli archivi e premere OK";

// One contest: its number in the year, the year and the pilots at positions 1..8 (0 = not
// given). Stored as 13 bytes: Numero, Anno (int32), Vincente.
class TEstrazione {
  public:
    std::uint8_t Numero = 1;
    std::int32_t Anno = 1999;
    TColonna Vincente{};

    void Assegna(const TEstrazione& altra) { *this = altra; }
    // Every position holds a pilot 1..NumeroPiloti; only such contests enter statistics.
    bool Completa() const;
    std::int64_t Chiave() const { return static_cast<std::int64_t>(Anno) * 200 + Numero; }
    bool Salva(TScrittore& s) const;
    // A short record is taken as far as it goes; false when it was short.
    bool Carica(TLettore& l);
    bool operator==(const TEstrazione&) const = default;
};

// The contests the statistics look at, by ordinal in the archive list.
class TClasseDiEstrazioni {
  public:
    bool Tutte = true;
    std::int32_t Dal = 1;
    std::int32_t Al = -1;

    // The contest at list index i (0-based).
    bool Contiene(const TEstrazione& e, int i) const {
        return (Tutte || (Dal <= i + 1 && i + 1 <= Al)) && e.Completa();
    }
    bool Salva(TScrittore& s) const;  // 9 bytes: Tutte, Dal, Al
    bool Carica(TLettore& l);
    bool operator==(const TClasseDiEstrazioni&) const = default;
};

// The archive of past results in chronological order, and the current selection.
class TArchivio {
  public:
    std::vector<TEstrazione> Estrazioni;
    TClasseDiEstrazioni Selezione;
    // The backup copy the restore command reads (a fixed floppy file in older setups); empty
    // until the user names one, and then the restore simply fails.
    std::filesystem::path FileRipristino;

    static std::filesystem::path FileLocale();  // <program folder>/Archivi/sirarch.dat

    int Quante() const { return static_cast<int>(Estrazioni.size()); }
    // The conditions that look at the last results see the first FineStorica contests only
    // while a past contest is tested as if it were a column (-1: the whole list).
    std::int32_t FineStorica = -1;
    int QuanteStoriche() const {
        return FineStorica < 0 || FineStorica > Quante() ? Quante() : FineStorica;
    }
    const TEstrazione& operator[](int i) const { return Estrazioni[static_cast<std::size_t>(i)]; }
    TEstrazione& operator[](int i) { return Estrazioni[static_cast<std::size_t>(i)]; }
    void InserisciIn(int indice, const TEstrazione& e);
    void EliminaIn(int indice);

    // Loads the local file (or the restore copy), replacing the list. A missing or unreadable
    // local file leaves the single default contest and returns false (the caller shows
    // kErroreCaricaArchivi); from the restore copy the list keeps what was read.
    bool Carica(bool dalRipristino = false);
    // Writes the whole list; the previous file survives a failed write. The local file is
    // written under the program folder's update lock: while a download or another save holds
    // it nothing is written and `occupato` (when given) is set.
    bool Salva(bool sulRipristino = false, bool* occupato = nullptr) const;
    bool CaricaDa(const std::filesystem::path& percorso);
    bool SalvaSu(const std::filesystem::path& percorso) const;

    // Ordered insertion by Anno * 200 + Numero, after contests with the same key.
    int Inserisce(const TEstrazione& e);
    bool Esiste(std::int32_t anno, int numero) const;
};

struct TEsitoRipristino {
    bool Ripristinato = false;          // the archive in memory is the backup copy
    std::vector<std::string> Messaggi;  // to show, in order
};

// Loads the backup copy. Only a readable file of whole 13-byte records is taken; it then
// replaces the local file and the archive in memory. On any failure both stay as they were and
// the message says why (the copy is no archive, or the local file could not be written).
TEsitoRipristino RipristinaArchivi(TArchivio& archivio);

// The archive messages naming the file and the reason: "Impossibile caricare gli archivi
// sirarch.dat: file non trovato."
std::string ErroreCaricaArchivi(const std::filesystem::path& file);
std::string ErroreSalvaArchivi(const std::filesystem::path& file);

// "Backup Archivi": the whole archive written to a file the user chose, never half a file over
// a good one. Returns the message to show.
std::string CopiaArchivi(const TArchivio& archivio, const std::filesystem::path& destinazione);

}  // namespace sirvela
