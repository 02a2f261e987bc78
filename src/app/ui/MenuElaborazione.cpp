#include "app/ui/MenuElaborazione.h"

#include "app/ui/TFormPrincipale.h"
#include "archive/ui/TFrmInfoStat.h"
#include "core/T_Sistema.h"
#include "development/ImpostazioniSviluppoModello.h"
#include "development/ui/EsecuzioneSviluppo.h"
#include "development/ui/TFrmImpSv.h"
#include "development/ui/TFrmSviluppo.h"

namespace sirvela {

TMenuElaborazione::TMenuElaborazione(TFormPrincipale& f)
    : TMenuComandi(f, "&Elaborazione", "MenuElaborazione") {
    Voce("ImpostazioniSviluppo", "Impostazioni", [this] { ComandoImpostazioni(); });
    calcolo_ = Voce(
        "CalcoloColonne", "Calcolo Colonne", [this] { ComandoCalcoloColonne(); }, Qt::Key_F5);
    analisi_ = Voce("AnalisiCondizionato", "Analisi Statistica Condizionato",
                    [this] { ComandoAnalisiCondizionato(); });
}

void TMenuElaborazione::AggiornaStato(const TStatoComandi& s) {
    calcolo_->setEnabled(s.CalcoloColonne);
    analisi_->setEnabled(s.AnalisiCondizionato);
}

void TMenuElaborazione::ComandoAnalisiCondizionato() {
    TFormPrincipale& f = Finestra();
    TFrmInfoStat d(f.Sistema(), f.Messaggi(), &f);
    d.exec();
}

void TMenuElaborazione::ComandoImpostazioni() {
    TFormPrincipale& f = Finestra();
    TFrmImpSv d(f.Messaggi(), f.SceltaFile(), &f);
    d.ImpostaOggetto(TModelloImpSviluppo::Da(f.Sistema()));
    if (d.exec() != QDialog::Accepted) return;
    d.Modello().Applica(f.Sistema());
    f.AggiornaStato();
}

void TMenuElaborazione::ComandoCalcoloColonne() {
    TFormPrincipale& f = Finestra();
    f.AggiornaStatoMenu();
    if (!f.StatoComandi().CalcoloColonne) return;
    TFrmSviluppo* sviluppo = f.DialogoSviluppo();
    sviluppo->Prepara(f.Sistema().Dati.ImpSviluppo);
    sviluppo->show();
    sviluppo->raise();
    sviluppo->activateWindow();
    f.Animazione()->Ferma();
    f.SospendiComandi(true);
    const TEsecuzioneSviluppo r = EseguiSviluppo(f.Sistema(), *sviluppo, f.Messaggi());
    f.SospendiComandi(false);
    // Refused before it started (a file that cannot be opened): nothing to show.
    if (!r.Esito.Avviato) sviluppo->hide();
    if (!r.Errore.empty()) f.Messaggi().Errore(r.Errore);
    f.AggiornaStato();
    f.Animazione()->Avvia();
}

}  // namespace sirvela
