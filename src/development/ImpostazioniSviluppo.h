#pragma once
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

    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);
    bool operator==(const TImpostazioniSviluppo&) const = default;

  private:
    // The stored byte of the reduction after the development: 0 none, 1 optimised, 2 improved.
    std::uint8_t ByteRiduzione() const;
};

// Where the development takes its candidates: the position sets or a column file (257 bytes).
struct TSorgente {
    bool DaPronostico = true;
    std::string FileSorgente;  // default <program folder>/Colonne/SorgenteDiDefault.Scl

    TSorgente();
    void Predefiniti();
    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);
    bool operator==(const TSorgente&) const = default;
};

}  // namespace sirvela
