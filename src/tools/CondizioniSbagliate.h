#pragma once
#include <string>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TCondizione;
class TDatiSistema;
class TInsiemeCondizioni;

// Kind of a line naming a link group that refuses the result's recovery errors.
inline constexpr int kErroreLink = 3;

// One line of the list "Condizioni Sbagliate".
struct TCondizioneSbagliata {
    std::string Testo;
    TCondizione* Condizione = nullptr;  // the condition to open on a double click, if any
    int TipoErrore = 2;
    int Indice = 0;
};

// The restrictions of the system a result breaks: the position sets ("Pronostico"), then every
// condition in play that rejects it (containers and Quadri through their members), found with
// the condition set in its error-collecting mode, then "Link " and the letter of every link
// group that refuses the recovery errors counted, and "Tra Tutte Le Link" when their total
// is refused.
std::vector<TCondizioneSbagliata> CondizioniSbagliate(TDatiSistema& dati,
                                                      const TColonna& risultato);

// The condition whose dialog a line opens: a member of one of the containers of codes 11..15 is
// edited in its container, any other condition in its own dialog; null for no condition.
TCondizione* CondizioneDaAprire(TInsiemeCondizioni& insieme, TCondizione* condizione);

}  // namespace sirvela
