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
    bool RiduzioneAlVolo() const { return Autoriduzione && !Ottimizzata; }

    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);
    bool operator==(const TImpostazioniSviluppo&) const = default;
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
