#include "app/ImpostazioniSistema.h"

#include "app/Selezione.h"
#include "core/Globali.h"

namespace sirvela {

void ApplicaImpostazioni(const TPiloti& piloti, const TImpostazioniProgramma& imp,
                         TDatiSistema& dati) {
    dati.NomiPiloti = piloti.Nomi;
    dati.PilotaEscluso = piloti.PilotaEscluso;
    dati.Sfondo = imp.Sfondo;
    dati.Prezzi = imp.Prezzi();
    dati.SalvaColonne = imp.SalvaColonne;
    dati.DatiRicevitoria = imp.DatiRicevitoria;
    dati.Taratura = imp.Taratura;
    dati.Tabulato = imp.Tabulato;
}

TPiloti PilotiDi(const TDatiSistema& dati) {
    TPiloti p;
    p.Nomi = dati.NomiPiloti;
    p.PilotaEscluso = dati.PilotaEscluso;
    return p;
}

TImpostazioniProgramma ImpostazioniDi(const TDatiSistema& dati) {
    TImpostazioniProgramma imp;
    imp.Sfondo = dati.Sfondo;
    imp.PrezzoLire = dati.Prezzi.PrezzoLire;
    imp.PrezzoEuro = dati.Prezzi.PrezzoEuro;
    imp.Euro = dati.Prezzi.Euro;
    imp.NumeroPiloti = NumeroPiloti;
    imp.SalvaColonne = dati.SalvaColonne;
    imp.DatiRicevitoria = dati.DatiRicevitoria;
    imp.Taratura = dati.Taratura;
    imp.Tabulato = dati.Tabulato;
    return imp;
}

TLetturaImpostazioni PreparaSistema(T_Sistema& sistema) {
    sistema.Dati.Archivio.Carica(false);
    TPiloti piloti;
    TImpostazioniProgramma imp;
    const TLetturaImpostazioni lettura = CaricaImpostazioni(piloti, imp);
    ApplicaImpostazioni(piloti, imp, sistema.Dati);
    return lettura;
}

bool SalvaImpostazioniSistema(const TDatiSistema& dati, IMessaggi* messaggi) {
    return SalvaImpostazioni(PilotiDi(dati), ImpostazioniDi(dati), messaggi);
}

bool ApplicaListaPiloti(T_Sistema& sistema, int numero, const std::vector<std::string>& nomi,
                        IMessaggi* messaggi) {
    TDatiSistema& d = sistema.Dati;
    TPiloti piloti = PilotiDi(d);
    const int n = LimitaNumeroPiloti(numero);
    for (int i = 1; i <= n; ++i)
        piloti.ImpostaNome(i, i <= static_cast<int>(nomi.size()) ? nomi[i - 1] : std::string());
    NumeroPiloti = n;
    piloti.RicalcolaEscluso(n);
    d.NomiPiloti = piloti.Nomi;
    d.PilotaEscluso = piloti.PilotaEscluso;
    if (TogliPilotiFuoriGioco(d.Pronostico, n, d.PilotaEscluso)) sistema.Modificato = true;
    return SalvaImpostazioniSistema(d, messaggi);
}

}  // namespace sirvela
