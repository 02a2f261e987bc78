#include "app/StatoComandi.h"

namespace sirvela {

TStatoComandi CalcolaStatoComandi(const TDatiComandi& d) {
    TStatoComandi s;
    // A development from a source file needs no position sets.
    s.CalcoloColonne = d.ColonneIniziali > 0 || !d.DaPronostico;
    s.MenuCondizioni = s.CalcoloColonne && d.UsaCondizioni;
    s.AnalisiCondizionato = d.UsaCondizioni;
    s.ColonneInMemoria = d.ColonneInMemoria > 0;
    return s;
}

}  // namespace sirvela
