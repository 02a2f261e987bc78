#pragma once
#include <string>
#include <vector>

#include "app/Configurazione.h"
#include "app/ListaPiloti.h"

namespace sirvela {

class IMessaggi;
class T_Sistema;
class TDatiSistema;

// The document's side of the program settings: the start-up reads the archive, the pilot list
// and "Sirvela.cfg" into it; every confirmed settings dialog writes them back.
struct TAvvioDocumento {
    TLetturaImpostazioni Impostazioni;
    bool ArchivioCaricato = false;  // false: the single default contest stands in
};

// Reads the archive (a missing one is no error at start) and the settings into the document.
TAvvioDocumento CaricaDatiAvvio(T_Sistema& sistema);
// What the start-up had to put right and tells the user once (kPrezziNonValidi).
std::vector<std::string> AvvisiAvvio(const TAvvioDocumento& avvio);
// The settings as the document holds them now, and back.
TImpostazioniProgramma ImpostazioniDi(const T_Sistema& sistema);
TPiloti PilotiDi(const T_Sistema& sistema);
void ApplicaImpostazioni(T_Sistema& sistema, const TImpostazioniProgramma& imp,
                         const TPiloti& piloti);
// Rewrites "Sirvela.cfg" and "listapiloti.txt" from the document; reports a failure through
// the message box ("Impossibile Salvare la Configurazione") and keeps the settings in memory.
bool SalvaImpostazioniDi(const T_Sistema& sistema, IMessaggi* messaggi);
bool SalvaImpostazioniDi(const TDatiSistema& dati, IMessaggi* messaggi);

}  // namespace sirvela
