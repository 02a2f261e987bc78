#pragma once
#include "core/Interfacce.h"
#include "printing/SuperficieRegistrata.h"
#include "printing/TmmPrinter.h"

namespace sirvela::test {

// A print into a recording surface, with its cancel at hand.
struct TStampaDiProva {
    TSuperficieRegistrata s;
    TmmPrinter p{s};
    TAnnullamento annulla;
    TControlloStampa k;

    // The cancel is asked before the layout starts.
    TStampaDiProva& Annullata() {
        annulla.Richiedi();
        k.Annulla = &annulla;
        return *this;
    }
};

}  // namespace sirvela::test
