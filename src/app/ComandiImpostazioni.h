#pragma once
#include <string>
#include <vector>

#include "core/Interfacce.h"
#include "core/T_Sistema.h"

namespace sirvela {

// "Lista Piloti" confirmed: the names of pilots 1..numero (cut to 40 characters), the pilot
// count, the excluded pilot; pilots no longer in play leave the position sets (the document
// is then modified); "Sirvela.cfg" and "listapiloti.txt" are rewritten, and a failure is
// reported through `messaggi`. Returns whether the files were written.
bool ApplicaListaPiloti(T_Sistema& sistema, int numero, const std::vector<std::string>& nomi,
                        IMessaggi* messaggi);

}  // namespace sirvela
