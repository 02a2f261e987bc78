#pragma once
#include "printing/StampaSchedine.h"
#include "shop/GeneraSchedine.h"

namespace sirvela {

// Before anything is printed: why some ticket cannot be marked with the pilots in play (the
// message of ControllaColonneStampabili or ControllaSchedinaSistema); empty when all can.
std::string ControllaSchedineAutomatiche(const TSchedineDaStampare& schedine,
                                         const TPilotiInGioco& piloti);
// "Genera e Stampa": the plain tickets in one run, then every system ticket as its own job,
// all with the writing of the automatic tickets (their cost only). False when cancelled. A
// ticket that cannot be marked stops it before anything is drawn (TErroreStampa).
bool StampaSchedineAutomatiche(TmmPrinter& p, const TSchedineDaStampare& schedine,
                               const TTaratura& t, TOpzioniSchedine o, TControlloStampa& controllo);

}  // namespace sirvela
