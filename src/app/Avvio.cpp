#include "app/Avvio.h"

#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {

namespace {

TImpostazioniProgramma ImpostazioniDiDati(const TDatiSistema& d) {
    TImpostazioniProgramma imp;
    imp.Sfondo = d.Sfondo;
    imp.PrezzoLire = d.Prezzi.PrezzoLire;
    imp.PrezzoEuro = d.Prezzi.PrezzoEuro;
    imp.Euro = d.Prezzi.Euro;
    imp.NumeroPiloti = NumeroPiloti;
    imp.SalvaColonne = d.SalvaColonne;
    imp.Fili = d.Fili;
    imp.ConteggioDalVivo = d.ConteggioDalVivo;
    imp.DatiRicevitoria = d.DatiRicevitoria;
    imp.Taratura = d.Taratura;
    imp.Tabulato = d.Tabulato;
    return imp;
}

TPiloti PilotiDiDati(const TDatiSistema& d) {
    TPiloti p;
    p.Nomi = d.NomiPiloti;
    p.PilotaEscluso = d.PilotaEscluso;
    return p;
}

}  // namespace

TImpostazioniProgramma ImpostazioniDi(const T_Sistema& sistema) {
    return ImpostazioniDiDati(sistema.Dati);
}

TPiloti PilotiDi(const T_Sistema& sistema) {
    return PilotiDiDati(sistema.Dati);
}

void ApplicaImpostazioni(T_Sistema& sistema, const TImpostazioniProgramma& imp,
                         const TPiloti& piloti) {
    TDatiSistema& d = sistema.Dati;
    d.Sfondo = imp.Sfondo;
    d.Prezzi = imp.Prezzi();
    d.SalvaColonne = imp.SalvaColonne;
    d.Fili = imp.Fili;
    d.ConteggioDalVivo = imp.ConteggioDalVivo;
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
    return SalvaImpostazioniDi(sistema.Dati, messaggi);
}

bool SalvaImpostazioniDi(const TDatiSistema& dati, IMessaggi* messaggi) {
    return SalvaImpostazioni(PilotiDiDati(dati), ImpostazioniDiDati(dati), messaggi);
}

}  // namespace sirvela
