#pragma once
#include <string>
#include <vector>

#include "app/Configurazione.h"
#include "app/ListaPiloti.h"
#include "core/Interfacce.h"
#include "core/T_Sistema.h"

namespace sirvela {

// The settings files keep their own records; the document holds the same values in its data.
void ApplicaImpostazioni(const TPiloti& piloti, const TImpostazioniProgramma& imp,
                         TDatiSistema& dati);
TPiloti PilotiDi(const TDatiSistema& dati);
// The pilot count is the global one.
TImpostazioniProgramma ImpostazioniDi(const TDatiSistema& dati);

// Start-up: the archive (a missing one leaves the single default contest, silently), then the
// pilot list and "Sirvela.cfg", whose values go into the document.
TLetturaImpostazioni PreparaSistema(T_Sistema& sistema);

// Rewrites "Sirvela.cfg" and "listapiloti.txt" from the document; says
// "Impossibile Salvare la Configurazione" through `messaggi` when that fails.
bool SalvaImpostazioniSistema(const TDatiSistema& dati, IMessaggi* messaggi);

// "Lista Piloti" confirmed: the names of pilots 1..numero (cut to 40 characters), the pilot
// count, the excluded pilot; pilots no longer in play leave the position sets (the document
// is then modified); the settings files are rewritten. Returns whether they were.
bool ApplicaListaPiloti(T_Sistema& sistema, int numero, const std::vector<std::string>& nomi,
                        IMessaggi* messaggi);

}  // namespace sirvela
