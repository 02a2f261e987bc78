#include "app/ui/MenuSistemi.h"

#include "app/ui/TFormCommento.h"
#include "app/ui/TFormPrincipale.h"
#include "core/T_Sistema.h"

namespace sirvela {

TMenuSistemi::TMenuSistemi(TFormPrincipale& f) : TMenuComandi(f, "&Sistemi", "MenuSistemi") {
    TControlloreDocumento& c = f.Controllore();
    Voce("Nuovo", "Nuovo", [&c] { c.Nuovo(); });
    Voce(
        "Carica", "Carica", [&c] { c.Carica(); }, Qt::Key_F3);
    Voce(
        "Salva", "Salva", [&c] { c.Salva(); }, Qt::Key_F2);
    Voce("SalvaCome", "Salva Come", [&c] { c.SalvaCome(); });
    Voce("Cancella", "Cancella", [&c] { c.Cancella(); });
    Menu()->addSeparator();
    Voce("Commento", "Commento", [this] { ComandoCommento(); });
    Voce("Partecipanti", "Partecipanti", [this] { ComandoPartecipanti(); });
    Menu()->addSeparator();
    Voce("Uscita", "Uscita", [&f] { f.close(); });
}

void TMenuSistemi::ComandoCommento() {
    T_Sistema& s = Finestra().Sistema();
    TFormCommento d(s.Commento, &Finestra());
    if (d.exec() == QDialog::Accepted) Finestra().Controllore().ImpostaCommento(d.Righe());
}

void TMenuSistemi::ComandoPartecipanti() {
    T_Sistema& s = Finestra().Sistema();
    TFormPartecipanti d(
        s.NumPartecipanti, s.SpecificaNomi, s.Partecipanti,
        [this](int numero, bool specifica, std::vector<std::string>& nomi) {
            const std::string errore =
                Finestra().Controllore().ImpostaPartecipanti(numero, specifica, nomi);
            if (errore.empty()) return true;
            Finestra().Messaggi().Mostra("Informazione", errore, PulsanteOk);
            return false;
        },
        &Finestra());
    d.exec();
}

}  // namespace sirvela
