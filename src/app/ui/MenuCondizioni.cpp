#include "app/ui/MenuCondizioni.h"

#include "app/MenuCondizioni.h"
#include "app/ui/TFormPrincipale.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmQuadro.h"
#include "core/T_Sistema.h"
#include "development/ui/TFrmRecuperi.h"

namespace sirvela {

TMenuCondizioni::TMenuCondizioni(TFormPrincipale& f)
    : TMenuComandi(f, "&Condizioni", "MenuCondizioni") {
    for (const TVoceCondizioni& v : kVociCondizioni) {
        if (v.Slot == 0) {
            Voce(
                v.Nome, QString::fromUtf8(v.Testo), [this] { ComandoLink(); },
                QKeySequence(v.Tasto));
            continue;
        }
        if (!EsisteDialogoCondizione(v.Slot)) continue;
        const int slot = v.Slot;
        Voce(
            v.Nome, QString::fromUtf8(v.Testo), [this, slot] { ComandoCondizione(slot); },
            QKeySequence(v.Tasto))
            ->setCheckable(true);
    }
    connect(Menu(), &QMenu::aboutToShow, this, &TMenuCondizioni::Spunta);
}

void TMenuCondizioni::AggiornaStato(const TStatoComandi& s) {
    Menu()->menuAction()->setEnabled(s.MenuCondizioni);
    // The shortcuts follow the menu.
    for (QAction* a : Menu()->actions()) a->setEnabled(s.MenuCondizioni);
}

void TMenuCondizioni::Spunta() {
    const TInsiemeCondizioni& insieme = *Finestra().Sistema().Dati.Condizioni;
    for (const TVoceCondizioni& v : kVociCondizioni)
        if (QAction* a = Finestra().Azione(v.Nome))
            if (const TCondizione* c = insieme.Condizione(v.Slot))
                a->setChecked(CondizioneAttiva(*c));
}

void TMenuCondizioni::ComandoCondizione(int slot) {
    TFormPrincipale& f = Finestra();
    f.AggiornaStatoMenu();
    if (!f.StatoComandi().MenuCondizioni) return;
    TCondizione* c = f.Sistema().Dati.Condizioni->Condizione(slot);
    if (!c) return;
    f.Animazione()->Ferma();
    if (slot == kQuadro) {
        // The Quadro dialog loads and saves its files through the window's file dialogs.
        TFrmQuadro d(f.Messaggi(), &f);
        d.ImpostaSceltaFile(f.SceltaFile());
        d.ImpostaOggetto(*c);
        d.exec();
        if (d.Cambiato()) f.Sistema().Modificato = true;
    } else if (Modifica(*c, f.Messaggi(), &f)) {
        f.Sistema().Modificato = true;
    }
    f.AggiornaConteggioDalVivo();
    f.Animazione()->Avvia();
}

void TMenuCondizioni::ComandoLink() {
    TFormPrincipale& f = Finestra();
    f.AggiornaStatoMenu();
    if (!f.StatoComandi().MenuCondizioni) return;
    f.Animazione()->Ferma();
    TFrmRecuperi d(f.Messaggi(), f.SceltaFile(), &f);
    d.ImpostaLink(*f.Sistema().Dati.Recuperi);
    d.exec();
    if (d.Cambiato()) f.Sistema().Modificato = true;
    f.AggiornaConteggioDalVivo();
    f.Animazione()->Avvia();
}

}  // namespace sirvela
