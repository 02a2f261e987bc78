#include "app/ui/MenuImpostazioni.h"

#include "app/Avvio.h"
#include "app/ComandiImpostazioni.h"
#include "app/ImpostazioniVarie.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFrmImpostazioni.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {

TMenuImpostazioni::TMenuImpostazioni(TFormPrincipale& f)
    : TMenuComandi(f, "Im&postazioni", "MenuImpostazioni") {
    Voce("ListaPiloti", "Lista Piloti", [this] { ComandoListaPiloti(); });
    Voce("Varie", "Varie", [this] { ComandoVarie(); });
}

void TMenuImpostazioni::ComandoListaPiloti() {
    TFormPrincipale& f = Finestra();
    TFormListaPiloti d(NumeroPiloti, f.NomiPiloti(), &f);
    if (d.exec() != QDialog::Accepted) return;
    ApplicaListaPiloti(f.Sistema(), d.Numero(), d.Nomi(), &f.Messaggi());
    f.RidisegnaTutto();
}

void TMenuImpostazioni::ComandoVarie() {
    TFormPrincipale& f = Finestra();
    TFrmImpostazioni d(f.Messaggi(), f.SceltaFile(), &f);
    d.ImpostaOggetto(TModelloImpostazioni::Da(f.Sistema().Dati));
    if (d.exec() != QDialog::Accepted) return;
    d.Modello().Applica(f.Sistema().Dati);
    f.CaricaSfondo();
    f.AggiornaStato();  // the costs follow the price and the currency
    SalvaImpostazioniDi(f.Sistema(), &f.Messaggi());
}

}  // namespace sirvela
