#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "app/ListaPiloti.h"
#include "core/Testo.h"
#include "printing/Taratura.h"

namespace sirvela {

class IMessaggi;
class TLettore;
class TScrittore;

inline constexpr const char* kErroreSalvaConfigurazione = "Impossibile Salvare la Configurazione";
inline constexpr const char* kPrezziNonValidi =
    "I prezzi in \"Sirvela.cfg\" non erano validi: sono stati sostituiti da quelli predefiniti.";
inline constexpr std::int32_t kMinimoPiloti = 20;
inline constexpr int kLunghezzaDatoRicevitoria = 60;
// Bytes before the list layout; the whole file is this plus the layout record.
inline constexpr std::uint64_t kInizioTabulato = 685;

// The program settings kept in "Sirvela.cfg": not part of any system.
struct TImpostazioniProgramma {
    std::string Sfondo;  // background picture of the main window
    double PrezzoLire = TPrezzi{}.PrezzoLire;
    double PrezzoEuro = TPrezzi{}.PrezzoEuro;
    bool Euro = false;
    std::int32_t NumeroPiloti = kNumeroPilotiPredefinito;
    bool SalvaColonne = true;
    // Shop heading, address, town, telephone; 60 characters each on disk.
    std::array<std::string, 4> DatiRicevitoria{};
    TTaratura Taratura;
    TImpTabulato Tabulato;
    // Kept in "Sirvela.ini", not in "Sirvela.cfg" (whose layout is fixed).
    std::int32_t Fili = 0;         // threads of a development, 1..kFiliMassimi; 0 = every core
    bool ConteggioDalVivo = true;  // the count and cost follow every edit

    TPrezzi Prezzi() const { return {PrezzoLire, PrezzoEuro, Euro}; }
    bool operator==(const TImpostazioniProgramma&) const = default;
};

inline constexpr std::int32_t kFiliMassimi = 256;

// "Sfondi/Deep_sea.Bmp" under the program folder.
std::string SfondoPredefinito();
std::filesystem::path FileConfigurazione();  // <program folder>/Sirvela.cfg
// The settings this program adds to the fixed layout of "Sirvela.cfg" live beside it, one
// "Nome=valore" line each, so that file stays readable by anything that reads that layout.
std::filesystem::path FileImpostazioniAggiunte(const std::filesystem::path& configurazione);
// Missing file, unknown lines and values out of range keep the defaults.
void LeggiImpostazioniAggiunte(const std::filesystem::path& percorso, TImpostazioniProgramma& imp);
bool ScriviImpostazioniAggiunte(const std::filesystem::path& percorso,
                                const TImpostazioniProgramma& imp);

// Pilot counts outside 20..25 would index past the pilot tables.
inline std::int32_t LimitaNumeroPiloti(std::int32_t n) {
    return n < kMinimoPiloti ? kMinimoPiloti : (n > kMaxPiloti ? kMaxPiloti : n);
}

struct TLetturaConfigurazione {
    bool Aperta = false;                // the file exists and could be opened
    bool Completa = false;              // every field was read whole
    bool NumeroPilotiLetto = false;     // the stored pilot count was there
    bool NumeroPilotiCorretto = false;  // it lay outside 20..25 and was brought into range
    bool PrezziCorretti = false;  // a price not finite or negative was replaced by the default
};

// Reads field by field from the reader's position and stops at the first field cut short,
// which keeps its previous value like every field after it.
TLetturaConfigurazione LeggiConfigurazione(TLettore& l, TImpostazioniProgramma& imp);
// Sets the default background and calibration first, so a missing or cut file leaves
// defaults where nothing was read. A missing file is not an error.
TLetturaConfigurazione LeggiConfigurazione(const std::filesystem::path& percorso,
                                           TImpostazioniProgramma& imp);
bool ScriviConfigurazione(TScrittore& s, const TImpostazioniProgramma& imp);
// Writes the whole file; the old one survives a failed write.
bool ScriviConfigurazione(const std::filesystem::path& percorso, const TImpostazioniProgramma& imp);

struct TLetturaImpostazioni {
    TLetturaPiloti Piloti;
    TLetturaConfigurazione Configurazione;
    bool NumeroPilotiCorretto = false;  // the final count was brought into 20..25
};

// Start-up order: the pilot list (its line count becomes the pilot count), then the
// configuration (whose stored count wins), then the count is kept within 20..25, copied into
// the global NumeroPiloti, and the excluded pilot recomputed.
TLetturaImpostazioni CaricaImpostazioni(TPiloti& piloti, TImpostazioniProgramma& imp);
TLetturaImpostazioni CaricaImpostazioniDa(const std::filesystem::path& lista,
                                          const std::filesystem::path& configurazione,
                                          TPiloti& piloti, TImpostazioniProgramma& imp);

// Rewrites "Sirvela.cfg" and "listapiloti.txt" (names 1..imp.NumeroPiloti). On failure shows
// kErroreSalvaConfigurazione, the file and the reason when a message box is given and returns
// false; the settings in memory are untouched either way.
bool SalvaImpostazioni(const TPiloti& piloti, const TImpostazioniProgramma& imp,
                       IMessaggi* messaggi = nullptr);
bool SalvaImpostazioniSu(const std::filesystem::path& lista,
                         const std::filesystem::path& configurazione, const TPiloti& piloti,
                         const TImpostazioniProgramma& imp, IMessaggi* messaggi = nullptr);

}  // namespace sirvela
