#include "app/ui/MenuColonne.h"

#include "app/ComandiColonne.h"
#include "app/ui/Risorse.h"
#include "app/ui/TFormPrincipale.h"
#include "core/T_Sistema.h"
#include "dictation/ui/TFrmDettSche.h"
#include "dictation/ui/TVoceQt.h"

namespace sirvela {

TMenuColonne::TMenuColonne(TFormPrincipale& f) : TMenuComandi(f, "C&olonne", "MenuColonne") {
    QMenu* dettatura = Sottomenu("Dettatura a Voce", "MenuDettatura");
    dettaturaDaMemoria_ = Voce(
        "DettaturaDaMemoria", "Da Memoria",
        [this] { ComandoDettatura(TOrigineColonne::DaMemoria); }, {}, dettatura);
    Voce(
        "DettaturaDaFile", "Da File", [this] { ComandoDettatura(TOrigineColonne::DaFile); }, {},
        dettatura);
    salva_ = Voce("SalvaColonne", "Salva", [this] { ComandoSalva(); });
}

void TMenuColonne::AggiornaStato(const TStatoComandi& s) {
    salva_->setEnabled(s.ColonneInMemoria);
    dettaturaDaMemoria_->setEnabled(s.ColonneInMemoria);
}

void TMenuColonne::ComandoSalva() {
    TFormPrincipale& f = Finestra();
    f.Animazione()->Ferma();
    SalvaColonneInMemoria(f.Sistema().Dati.Colonne, f.Messaggi(), f.SceltaFile());
    f.Animazione()->Avvia();
}

void TMenuColonne::ComandoDettatura(TOrigineColonne origine) {
    TFormPrincipale& f = Finestra();
    TListaColonne colonne;
    if (!ColonnePerStrumento(origine, f.Sistema().Dati.Colonne, colonne, f.Messaggi(),
                             f.SceltaFile()))
        return;
    // The voice that comes with the program is put back when it went missing.
    InstallaSeManca(":/wav/vocal.Wav", FileVocale());
    TVoceQt voce;
    if (!voce.Apri(FileVocale())) {
        f.Messaggi().Errore(kErroreFileVocale);
        return;
    }
    f.Animazione()->Ferma();
    TFrmDettSche d(voce, &f);
    d.ImpostaOggetto(colonne);
    colonne.Svuota();  // the window keeps its own copy
    d.exec();
    f.Animazione()->Avvia();
}

}  // namespace sirvela
