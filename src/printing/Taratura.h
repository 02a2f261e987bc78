#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace sirvela {

class TLettore;
class TScrittore;

// One set of slip distances in millimetres (set 1 vertical feeding, set 2 horizontal).
struct TValoriTaratura {
    double XPrimaCol = 15.0;
    double YPrimaCol = 30.0;
    double DistanzaSegniOriz = 1.5;
    double DistanzaSegniVert = 1.5;
    double ScrittaX = 5.0;
    double ScrittaY = 106.2;
    double DistanzaColOriz = 30.0;
    double DistanzaColVert = 18.0;
    double LarghezzaOvale = 3.0;
    double AltezzaOvale = 2.2;

    // The ten values in the record's order.
    std::array<double*, 10> Campi() {
        return {&XPrimaCol,      &YPrimaCol,   &DistanzaSegniOriz, &DistanzaSegniVert,
                &ScrittaX,       &ScrittaY,    &DistanzaColOriz,   &DistanzaColVert,
                &LarghezzaOvale, &AltezzaOvale};
    }
    bool operator==(const TValoriTaratura&) const = default;
};

// The printer calibration of the paper slips. Stored as the three flags, then the twenty
// doubles (set 1, then set 2): 163 bytes.
struct TTaratura {
    std::array<TValoriTaratura, 2> Valori{};
    bool StampaScritta = true;
    bool Ulteriore = true;  // kept and stored, not used by printing
    bool Orizzontale = false;

    void Predefiniti() { *this = TTaratura{}; }
    bool Salva(TScrittore& s) const;
    // Field by field; stops at the first one cut short, which keeps its previous value.
    bool Carica(TLettore& l);
    bool operator==(const TTaratura&) const = default;
};

// Font of the column list print. Stored as: name (short string of 255), int32 point size,
// one style byte (bit 0 bold, bit 1 italic): 261 bytes.
struct TCarattere {
    std::string Nome = "Courier New";
    std::int32_t Dimensione = 8;
    std::uint8_t Stile = 0;
    bool operator==(const TCarattere&) const = default;
};

// Layout of the column list print: spacing between slip cells in millimetres, and the font.
// Stored as int32 horizontal, int32 vertical, then the font record: 269 bytes.
struct TImpTabulato {
    std::int32_t SpaziaturaOrizzontale = 3;
    std::int32_t SpaziaturaVerticale = 3;
    TCarattere Carattere;

    bool Salva(TScrittore& s) const;
    // Field by field; stops at the first one cut short, which keeps its previous value.
    bool Carica(TLettore& l);
    bool operator==(const TImpTabulato&) const = default;
};

}  // namespace sirvela
