#include "app/Avvio.h"

#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {

TImpostazioniProgramma ImpostazioniDi(const T_Sistema& sistema) {
    const TDatiSistema& d = sistema.Dati;
    TImpostazioniProgramma imp;
    imp.Sfondo = d.Sfondo;
    imp.PrezzoLire = d.Prezzi.PrezzoLire;
    imp.PrezzoEuro = d.Prezzi.PrezzoEuro;
    imp.Euro = d.Prezzi.Euro;
    imp.NumeroPiloti = NumeroPiloti;
    imp.SalvaColonne = d.SalvaColonne;
    imp.Fili = d.Fili;
    imp.DatiRicevitoria = d.DatiRicevitoria;
    imp.Taratura = d.Taratura;
    imp.Tabulato = d.Tabulato;
    return imp;
}

TPiloti PilotiDi(const T_Sistema& sistema) {
    TPiloti p;
    p.Nomi = sistema.Dati.NomiPiloti;
    p.PilotaEscluso = sistema.Dati.PilotaEscluso;
    return p;
}

void ApplicaImpostazioni(T_Sistema& sistema, const TImpostazioniProgramma& imp,
                         const TPiloti& piloti) {
    TDatiSistema& d = sistema.Dati;
    d.Sfondo = imp.Sfondo;
    d.Prezzi = imp.Prezzi();
    d.SalvaColonne = imp.SalvaColonne;
    d.Fili = imp.Fili;
    d.DatiRicevitoria = imp.DatiRicevitoria;
    d.Taratura = imp.Taratura;
    d.Tabulato = imp.Tabulato;
    NumeroPiloti = LimitaNumeroPiloti(imp.NumeroPiloti);
    d.NomiPiloti = piloti.Nomi;
    TPiloti ricalcolati = piloti;
    ricalcolati.RicalcolaEscluso(NumeroPiloti);
    d.PilotaEscluso = ricalcolati.PilotaEscluso;
}

TAvvioDocumento CaricaDatiAvvio(T_Sistema& sistema) {
    TAvvioDocumento esito;
    esito.ArchivioCaricato = sistema.Dati.Archivio.Carica(false);
    TPiloti piloti;
    TImpostazioniProgramma imp;
    esito.Impostazioni = CaricaImpostazioni(piloti, imp);
    ApplicaImpostazioni(sistema, imp, piloti);
    return esito;
}

bool SalvaImpostazioniDi(const T_Sistema& sistema, IMessaggi* messaggi) {
    return SalvaImpostazioni(PilotiDi(sistema), ImpostazioniDi(sistema), messaggi);
}

}  // namespace sirvela
