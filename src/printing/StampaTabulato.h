#pragma once
#include <cstdint>
#include <string>

#include "core/PilotiInGioco.h"
#include "printing/Taratura.h"
#include "printing/TmmPrinter.h"

namespace sirvela {

class TListaColonne;

inline constexpr const char* kErroreStampaTabulato = "Impossibile Stampare il Tabulato";
inline constexpr const char* kTitoloTabulato = "Stampa delle Colonne del Sistema ";

// The font of the list print as the printer asks for it.
TCarattereStampa CarattereTabulato(const TImpTabulato& imp);
// "Normale", "Grassetto", "Corsivo" or "Grassetto corsivo" for a stored style byte.
const char* NomeStile(std::uint8_t stile);

// Size of one ticket cell in the current font, each rounded to a tenth of a millimetre: the
// width holds two columns of "32", the body eight rows of numbers, the header "Nº".
struct TCellaTabulato {
    double Larghezza = 0;
    double Corpo = 0;
    double Testa = 0;
    double Altezza() const { return Corpo + Testa; }
};
TCellaTabulato MisuraCella(const TmmPrinter& p);

struct TOpzioniTabulato {
    std::string NomeSistema;  // the title drops its folder and extension
    int Da = 1;               // first and last ticket; A = 0 prints to the last
    int A = 0;
    TImpTabulato Impostazioni;
    TPilotiInGioco Piloti;  // a column naming another pilot is not printed
};

// The columns as a list on plain paper: one cell per ticket ("Nº" n over its two columns),
// left to right from (2, 40) with the spacing of the settings, rows going down, new pages
// from 10 mm, the title centred at the top of the first page. A column with a pilot out of
// play stops it before anything is drawn, as on the tickets. Returns false when cancelled.
bool StampaTabulato(TmmPrinter& p, const TListaColonne& colonne, const TOpzioniTabulato& o,
                    TControlloStampa& controllo);

}  // namespace sirvela
