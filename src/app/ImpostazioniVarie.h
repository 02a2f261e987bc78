#pragma once
#include <string>

#include "core/Interfacce.h"

namespace sirvela {

class TDatiSistema;

inline constexpr const char* kErroreSfondo = "Sfondo non Valido";

// What the "Impostazioni" dialog edits: the price of one column in either currency, whether
// the columns travel with the system, the background picture and how many processors a
// development uses.
struct TModelloImpostazioni {
    static constexpr int kLireMinime = 600;
    static constexpr int kLireMassime = 10000;
    static constexpr int kPassoLire = 50;
    static constexpr int kEuroMassimi = 10;
    static constexpr int kCentesimiMassimi = 999;

    bool Euro = false;
    int Lire = 1000;
    int EuroInteri = 0;
    int Centesimi = 52;
    bool SalvaColonne = true;
    std::string Sfondo;
    int Fili = 0;  // processors used by a development; 0 = all of them
    bool ConteggioDalVivo = true;

    // The document's values as the controls show them: whole lire, the euro price split
    // into whole euro and rounded cents, each within its control's range.
    static TModelloImpostazioni Da(const TDatiSistema& dati);
    double PrezzoEuro() const { return EuroInteri + Centesimi / 100.0; }
    // OK: prices, currency, the columns flag, the picture (cut to 255 characters), the
    // processors of a development and the live count.
    void Applica(TDatiSistema& dati) const;
};

// The file dialog of "Cerca..": pictures only, opened on the folder of the current entry
// (the backgrounds folder when there is none).
TRichiestaFile RichiestaFileSfondo(const std::string& voce);

}  // namespace sirvela
