#include "app/ui/MenuColonne.h"

#include "app/ComandiColonne.h"
#include "app/ui/Risorse.h"
#include "app/ui/TFormPrincipale.h"
#include "conditions/ui/Modifica.h"
#include "core/T_Sistema.h"
#include "dictation/ui/TFrmDettSche.h"
#include "dictation/ui/TVoceQt.h"
#include "printing/ui/TFormStampaBollette.h"
#include "tools/ui/TFormConversione.h"
#include "tools/ui/TFormEditorColonne.h"
#include "tools/ui/TFormOperazioni.h"
#include "tools/ui/TFormSpoglio.h"
#include "tools/ui/TFormVisualizzaColonne.h"

namespace sirvela {

TMenuColonne::TMenuColonne(TFormPrincipale& f) : TMenuComandi(f, "C&olonne", "MenuColonne") {
    QMenu* vis = Sottomenu("Visualizzazione", "MenuVisualizzazione");
    visualizzaMemoria_ = Voce(
        "VisualizzazioneDaMemoria", "Da Memoria",
        [this] { ComandoVisualizzazione(TOrigineColonne::DaMemoria); }, {}, vis);
    Voce(
        "VisualizzazioneDaFile", "Da File",
        [this] { ComandoVisualizzazione(TOrigineColonne::DaFile); }, {}, vis);
    QMenu* spoglio = Sottomenu("Spoglio", "MenuSpoglio");
    spoglioMemoria_ = Voce(
        "SpoglioDaMemoria", "Da Memoria", [this] { ComandoSpoglio(TOrigineColonne::DaMemoria); },
        Qt::Key_F7, spoglio);
    Voce(
        "SpoglioDaFile", "Da File", [this] { ComandoSpoglio(TOrigineColonne::DaFile); }, {},
        spoglio);
    QMenu* dettatura = Sottomenu("Dettatura a Voce", "MenuDettatura");
    dettaturaDaMemoria_ = Voce(
        "DettaturaDaMemoria", "Da Memoria",
        [this] { ComandoDettatura(TOrigineColonne::DaMemoria); }, {}, dettatura);
    Voce(
        "DettaturaDaFile", "Da File", [this] { ComandoDettatura(TOrigineColonne::DaFile); }, {},
        dettatura);
    salva_ = Voce("SalvaColonne", "Salva", [this] { ComandoSalva(); });
    Voce("ConversioneFormati", "Conversione Formati", [this] { ComandoConversione(); });
    Voce("Operazioni", "Operazioni", [this] { ComandoOperazioni(); });
    Voce("EditorColonne", "Editor di Colonne", [this] { ComandoEditor(); });
}

void TMenuColonne::AggiornaStato(const TStatoComandi& s) {
    for (QAction* a : {visualizzaMemoria_, spoglioMemoria_, dettaturaDaMemoria_, salva_})
        a->setEnabled(s.ColonneInMemoria);
}

void TMenuColonne::ComandoVisualizzazione(TOrigineColonne origine) {
    TFormPrincipale& f = Finestra();
    TFormVisualizzaColonne d(&f);
    if (!ColonnePerStrumento(origine, f.Sistema().Dati, d.Colonne(), f.Messaggi(), f.SceltaFile()))
        return;
    d.exec();
}

void TMenuColonne::ComandoSpoglio(TOrigineColonne origine) {
    TFormPrincipale& f = Finestra();
    TFormSpoglio d(f.Sistema().Dati, f.Messaggi(), f.SceltaFile(), &f);
    d.ImpostaApriCondizione([&f](TCondizione& c, QWidget* genitore) {
        if (Modifica(c, f.Messaggi(), genitore)) f.Sistema().Modificato = true;
    });
    if (!ColonnePerStrumento(origine, f.Sistema().Dati, d.Colonne(), f.Messaggi(), f.SceltaFile()))
        return;
    f.MemoriaDialoghi().Esegui(d);
}

void TMenuColonne::ComandoDettatura(TOrigineColonne origine) {
    TFormPrincipale& f = Finestra();
    TListaColonne colonne;
    if (!ColonnePerStrumento(origine, f.Sistema().Dati, colonne, f.Messaggi(), f.SceltaFile()))
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

void TMenuColonne::ComandoSalva() {
    TFormPrincipale& f = Finestra();
    f.Animazione()->Ferma();
    SalvaColonneInMemoria(f.Sistema().Dati.Colonne, f.Messaggi(), f.SceltaFile());
    f.Animazione()->Avvia();
}

void TMenuColonne::ComandoConversione() {
    TFormPrincipale& f = Finestra();
    TFormConversione d(f.Messaggi(), &f);
    d.ImpostaPiloti(f.Sistema().Dati.PilotiInGioco());
    f.MemoriaDialoghi().Esegui(d);
}

void TMenuColonne::ComandoOperazioni() {
    TFormPrincipale& f = Finestra();
    TFormOperazioni d(f.Messaggi(), f.SceltaFile(), &f);
    d.ImpostaPiloti(f.Sistema().Dati.PilotiInGioco());
    f.MemoriaDialoghi().Esegui(d);
}

void TMenuColonne::ComandoEditor() {
    TFormPrincipale& f = Finestra();
    TFormEditorColonne d(f.Messaggi(), f.SceltaFile(), &f, [&f](TListaColonne colonne) {
        TFormStampaBollette s(f.Sistema(), f.Messaggi(), f.SceltaFile(), &f);
        s.Colonne = std::move(colonne);
        s.Esegui(f.MemoriaDialoghi());
    });
    d.Editor().Piloti = f.Sistema().Dati.PilotiInGioco();
    d.exec();
}

}  // namespace sirvela
