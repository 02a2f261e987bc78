#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace sirvela {

class TLettore;
class TScrittore;

// Development settings of a system; stored as six bytes and a short string (262 bytes).
struct TImpostazioniSviluppo {
    static constexpr int kGaranziaMinima = 30;
    static constexpr int kGaranziaMassima = 92;
    static constexpr int kVinciteMassime = 10;
    static constexpr std::uint32_t kSecondiPredefiniti = 60;
    static constexpr std::uint32_t kSecondiMassimi = 7 * 24 * 3600;
    static constexpr std::int64_t kIterazioniMassime = 999'999'999'999;
    static constexpr std::uint64_t kSemeMassimo = 999'999'999'999'999'999;

    bool UsaCondizioni = true;
    bool Autoriduzione = false;
    bool InMemoria = true;  // false: the columns go to FileDestinazione
    bool Ottimizzata = false;
    // The improved reduction after the development; stored as the value 2 of Ottimizzata's
    // byte, which a reader knowing only 0 and 1 takes for the optimised reduction.
    bool Migliorata = false;
    std::uint8_t Garanzia = 80;
    std::uint8_t VinciteMultiple = 1;
    std::string FileDestinazione;  // default <program folder>/Colonne/DestinazioneDiDefault.Scl
    // The improved reduction's search: seconds (0 = no limit), steps of each chain (0 = no
    // limit; with neither, the default time) and seed. Kept where older readers do not look
    // (see SalvaSviluppo).
    std::uint32_t SecondiMigliorata = kSecondiPredefiniti;
    std::int64_t IterazioniMigliorata = 0;
    std::uint64_t SemeMigliorata = 1;

    TImpostazioniSviluppo();
    void Predefiniti();
    // The values a run uses: a stored guarantee or pass count outside the range the settings
    // dialog offers is brought into it.
    int GaranziaEffettiva() const;
    int VinciteEffettive() const;
    // The on-the-fly reduction runs while the columns are developed.
    bool RiduzioneAlVolo() const { return Autoriduzione && !Ottimizzata && !Migliorata; }
    // The optimised or the improved reduction runs once the columns are developed.
    bool RiduzioneDopo() const { return Autoriduzione && (Ottimizzata || Migliorata); }
    // Passes of the development: the multiple wins are passes of the on-the-fly reduction
    // (and of a development without reduction), while the improved reduction covers each
    // column that many times in one go.
    int PassiEffettivi() const { return Autoriduzione && Migliorata ? 1 : VinciteEffettive(); }

    // The search settings as they were on a new system.
    bool RicercaPredefinita() const;
    void RicercaAiPredefiniti();
    // Brings stored search settings into their ranges.
    void LimitaRicerca();

    bool operator==(const TImpostazioniSviluppo&) const = default;
};

// Where the development takes its candidates: the position sets or a column file (257 bytes).
struct TSorgente {
    bool DaPronostico = true;
    std::string FileSorgente;  // default <program folder>/Colonne/SorgenteDiDefault.Scl

    TSorgente();
    void Predefiniti();
    bool operator==(const TSorgente&) const = default;
};

// The source (257 bytes) and the development settings (262 bytes), as they follow each other
// in the system file. The improved reduction's search settings, which older readers do not
// know, ride in the unused tail of the destination name's short string, or of the source
// name's when the destination name leaves no room: a reader takes only the characters its
// length byte counts. Without room in either they are not stored. A file without them loads
// the defaults. A short file leaves the fields it does not reach as they were.
bool SalvaSviluppo(TScrittore& s, const TSorgente& sorgente, const TImpostazioniSviluppo& imp);
bool CaricaSviluppo(TLettore& l, TSorgente& sorgente, TImpostazioniSviluppo& imp);
// The longest name (Windows-1252 bytes) that leaves room for the search settings.
inline constexpr std::size_t kNomeConRicerca = 227;

}  // namespace sirvela
