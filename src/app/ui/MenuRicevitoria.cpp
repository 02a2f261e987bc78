#include "app/ui/MenuRicevitoria.h"

#include "app/ui/TFormPrincipale.h"
#include "core/T_Sistema.h"
#include "shop/ui/TFormDatiRicevitoria.h"
#include "shop/ui/TFormGeneraSchedine.h"

namespace sirvela {

TMenuRicevitoria::TMenuRicevitoria(TFormPrincipale& f)
    : TMenuComandi(f, "Ricevitoria", "MenuRicevitoria") {
    Voce(
        "SchedineAutomatiche", "Schedine Automatiche", [this] { ComandoSchedineAutomatiche(); },
        Qt::Key_F6);
    Voce("DatiRicevitoria", "Dati Ricevitoria", [this] { ComandoDatiRicevitoria(); });
}

void TMenuRicevitoria::ComandoSchedineAutomatiche() {
    TFormPrincipale& f = Finestra();
    TFormGeneraSchedine d(f.Sistema().Dati, f.Caso(), f.Messaggi(), f.SceltaFile(), &f);
    // Accepted: the columns in memory were replaced.
    if (d.exec() == QDialog::Accepted) f.AggiornaStato();
}

void TMenuRicevitoria::ComandoDatiRicevitoria() {
    TFormPrincipale& f = Finestra();
    TFormDatiRicevitoria d(&f);
    d.ImpostaOggetto(TModelloDatiRicevitoria::Da(f.Sistema().Dati));
    if (d.exec() != QDialog::Accepted) return;
    d.Modello().Applica(f.Sistema(), &f.Messaggi());
}

}  // namespace sirvela
