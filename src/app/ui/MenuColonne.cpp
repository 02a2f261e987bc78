#include "app/ui/MenuColonne.h"

#include "app/ComandiColonne.h"
#include "app/ui/TFormPrincipale.h"
#include "core/T_Sistema.h"

namespace sirvela {

TMenuColonne::TMenuColonne(TFormPrincipale& f) : TMenuComandi(f, "C&olonne", "MenuColonne") {
    salva_ = Voce("SalvaColonne", "Salva", [this] { ComandoSalva(); });
}

void TMenuColonne::AggiornaStato(const TStatoComandi& s) {
    salva_->setEnabled(s.ColonneInMemoria);
}

void TMenuColonne::ComandoSalva() {
    TFormPrincipale& f = Finestra();
    f.Animazione()->Ferma();
    SalvaColonneInMemoria(f.Sistema().Dati.Colonne, f.Messaggi(), f.SceltaFile());
    f.Animazione()->Avvia();
}

}  // namespace sirvela
