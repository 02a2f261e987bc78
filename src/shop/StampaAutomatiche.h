#pragma once
#include "printing/StampaSchedine.h"
#include "shop/GeneraSchedine.h"

namespace sirvela {

// "Genera e Stampa": the plain tickets in one run, then every system ticket as its own job,
// all with the writing of the automatic tickets (their cost only). False when cancelled.
bool StampaSchedineAutomatiche(TmmPrinter& p, const TSchedineDaStampare& schedine,
                               const TTaratura& t, TOpzioniSchedine o, TControlloStampa& controllo);

}  // namespace sirvela
