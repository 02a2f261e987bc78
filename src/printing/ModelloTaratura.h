#pragma once
#include <array>

#include "printing/Taratura.h"

namespace sirvela {

inline constexpr const char* kDomandaOrientamentoPredefinito =
    "Il tipo di stampa selezionato è diverso da quello predefinito. Utilizzare questo tipo di "
    "stampa come predefinito ?";

// The ten values of one calibration set in tenths of a millimetre, in the record's order.
using TDecimiTaratura = std::array<int, 10>;
TDecimiTaratura InDecimi(const TValoriTaratura& v);
TValoriTaratura DaDecimi(const TDecimiTaratura& d);

// What "Taratura per la Stampa delle Schedine" edits: both sets are kept aside on opening, the
// set of the default orientation is shown; switching orientation stores the shown values into
// their set and shows the other. The document's calibration changes only through Conferma.
class TModelloTaratura {
  public:
    // Indexes of the values the arrow buttons move.
    enum TIndice {
        kXPrimaCol = 0,
        kYPrimaCol,
        kDistanzaSegniOriz,
        kDistanzaSegniVert,
        kScrittaX,
        kScrittaY,
        kDistanzaColOriz,
        kDistanzaColVert,
        kLarghezzaOvale,
        kAltezzaOvale
    };

    explicit TModelloTaratura(const TTaratura& taratura);

    bool Orizzontale() const { return orizzontale_; }
    TDecimiTaratura Mostrati;
    bool StampaScritta;

    void CambiaOrientamento(bool orizzontale);
    // The arrows: one value up or down by one tenth, never below 0.
    void Sposta(TIndice indice, int decimi);
    // The calibration with the shown values taken, as the test print and the preview use it.
    TTaratura Corrente() const;
    // OK asks whether the orientation shown becomes the default when it is not already.
    bool ChiedePredefinito() const { return orizzontale_ != originale_.Orizzontale; }
    TTaratura Conferma(bool rendiPredefinito) const;
    // "Annulla": the calibration as it was on opening.
    const TTaratura& Originale() const { return originale_; }

  private:
    TTaratura originale_;
    TTaratura lavoro_;
    bool orizzontale_;
};

}  // namespace sirvela
