#include "app/ComandiImpostazioni.h"

#include "app/Avvio.h"
#include "app/Selezione.h"
#include "core/Globali.h"

namespace sirvela {

bool ApplicaListaPiloti(T_Sistema& sistema, int numero, const std::vector<std::string>& nomi,
                        IMessaggi* messaggi) {
    TDatiSistema& d = sistema.Dati;
    TPiloti piloti = PilotiDi(sistema);
    const int n = LimitaNumeroPiloti(numero);
    for (int i = 1; i <= n; ++i)
        piloti.ImpostaNome(i, i <= static_cast<int>(nomi.size()) ? nomi[i - 1] : std::string());
    NumeroPiloti = n;
    piloti.RicalcolaEscluso(n);
    d.NomiPiloti = piloti.Nomi;
    d.PilotaEscluso = piloti.PilotaEscluso;
    if (TogliPilotiFuoriGioco(d.Pronostico, n, d.PilotaEscluso)) sistema.Modificato = true;
    return SalvaImpostazioniDi(sistema, messaggi);
}

}  // namespace sirvela
