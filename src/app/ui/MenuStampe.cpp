#include "app/ui/MenuStampe.h"

#include "app/Avvio.h"
#include "app/ui/TFormPrincipale.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "printing/ui/EseguiStampa.h"
#include "printing/ui/TFormStampaBollette.h"
#include "printing/ui/TFormStampaProspetto.h"
#include "printing/ui/TFrmTaratura.h"

namespace sirvela {

TMenuStampe::TMenuStampe(TFormPrincipale& f) : TMenuComandi(f, "S&tampe", "MenuStampe") {
    Voce("Taratura", "Taratura", [this] { ComandoTaratura(); });
    QMenu* schedine = Sottomenu("Schedine", "MenuSchedine");
    daMemoria_ = Voce(
        "SchedineDaMemoria", "Da Memoria", [this] { ComandoSchedine(TOrigineColonne::DaMemoria); },
        {}, schedine);
    Voce(
        "SchedineDaFile", "Da File", [this] { ComandoSchedine(TOrigineColonne::DaFile); }, {},
        schedine);
    Voce("Prospetto", "Prospetto", [this] { ComandoProspetto(); });
    Voce("ImpostaStampante", "Imposta Stampante", [this] { ImpostaStampante(&Finestra()); });
}

void TMenuStampe::AggiornaStato(const TStatoComandi& s) {
    daMemoria_->setEnabled(s.ColonneInMemoria);
}

void TMenuStampe::ComandoTaratura() {
    TFormPrincipale& f = Finestra();
    auto& dati = f.Sistema().Dati;
    TFrmTaratura d(dati.Taratura, NumeroPiloti, dati.PilotaEscluso, f.Messaggi(), f.SceltaFile(),
                   &f);
    if (d.exec() != QDialog::Accepted) return;
    dati.Taratura = d.Risultato();
    SalvaImpostazioniDi(f.Sistema(), &f.Messaggi());
}

void TMenuStampe::ComandoSchedine(TOrigineColonne origine) {
    TFormPrincipale& f = Finestra();
    TFormStampaBollette d(f.Sistema(), f.Messaggi(), f.SceltaFile(), &f);
    if (!ColonnePerStrumento(origine, f.Sistema().Dati, d.Colonne, f.Messaggi(), f.SceltaFile(),
                             true))
        return;
    d.Esegui(f.MemoriaDialoghi());
}

void TMenuStampe::ComandoProspetto() {
    TFormPrincipale& f = Finestra();
    TFormStampaProspetto d(f.Sistema(), f.Messaggi(), f.SceltaFile(), &f);
    f.MemoriaDialoghi().Esegui(d);
}

}  // namespace sirvela
