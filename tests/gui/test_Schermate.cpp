#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "app/ListaPiloti.h"
#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormMessage.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "app/ui/TFormTitolo.h"
#include "app/ui/TFrmImpostazioni.h"
#include "core/T_Sistema.h"
#include "development/ImpostazioniSviluppoModello.h"
#include "development/SviluppoSistema.h"
#include "development/ui/EsecuzioneSviluppo.h"
#include "development/ui/TFrmImpSv.h"
#include "development/ui/TFrmSviluppo.h"
#include "gui/Schermate.h"
#include "support/Finti.h"
#include "widgets/Conversioni.h"
#include "widgets/TGraphNumSelector.h"

using namespace sirvela;

// The shell and the development windows.
TEST(Schermate, Finestre) {
    SALTA_SENZA_SCHERMATE();
    const QString cartella = test::CartellaSchermate();
    auto salva = [](QWidget& w, const char* nome) { test::SalvaSchermata(w, nome); };
    {
        TFormTitolo t("");
        t.show();
        salva(t, "titolo");
    }
    T_Sistema sistema;
    for (int i = 1; i <= 22; ++i) sistema.Dati.NomiPiloti[i] = NomiPilotiPredefiniti()[i - 1];
    sistema.Dati.NomiPiloti[23] = "Pilota di riserva";
    sistema.Dati.PilotaEscluso = 100;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    for (int p = 0; p < 8; ++p)
        for (int v = 1 + p; v <= 23; v += 3 + p) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    sistema.NomeFile = "/tmp/Prova.Sst";
    sistema.Dati.Sfondo = QDir(cartella).filePath("Deep_sea.Bmp").toStdString();
    QFile::copy(":/immagini/Deep_sea.bmp", QS(sistema.Dati.Sfondo));
    TFormPrincipale f(sistema, messaggi, scelta);
    f.show();
    f.Avvia({});
    salva(f, "principale");
    {
        std::vector<std::string> nomi;
        for (int i = 1; i <= 25; ++i) nomi.push_back(sistema.Dati.NomiPiloti[i]);
        TFormSelezionePiloti p(2, nomi, 23, sistema.Dati.Pronostico.Posizione[1]);
        p.show();
        salva(p, "piloti");
    }
    {
        TFormAiuto a;
        a.MostraArgomento("finestra-principale");
        a.show();
        salva(a, "aiuto");
        TFormInformazioni i;
        i.show();
        salva(i, "informazioni");
        std::vector<std::string> nomi(sistema.Dati.NomiPiloti.begin() + 1,
                                      sistema.Dati.NomiPiloti.end());
        TFormListaPiloti l(23, nomi);
        l.show();
        salva(l, "listapiloti");
    }
    {
        TFormMessage m("Informazione", "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ", 14,
                       QStyle::SP_MessageBoxQuestion);
        m.show();
        salva(m, "messaggio");
    }
    {
        // A development with the on-the-fly reduction, as it ends.
        sistema.Dati.ImpSviluppo.Autoriduzione = true;
        sistema.Dati.ImpSviluppo.Garanzia = 80;
        sistema.NumPartecipanti = 1;
        TFrmSviluppo d;
        d.Prepara(sistema.Dati.ImpSviluppo);
        d.show();
        EseguiSviluppo(sistema, d, messaggi);
        salva(d, "sviluppo");
        sistema.Dati.ImpSviluppo.Ottimizzata = true;
        sistema.Dati.ImpSviluppo.Garanzia = 70;
        d.Prepara(sistema.Dati.ImpSviluppo);
        EseguiSviluppo(sistema, d, messaggi);
        salva(d, "sviluppo-ottimizzata");
        // The improved reduction as it ends, from a short search of the engine.
        sistema.Dati.ImpSviluppo.Ottimizzata = false;
        sistema.Dati.ImpSviluppo.Migliorata = true;
        test::TUltimoQuadro ultimo;
        TServiziSviluppo servizi;
        servizi.Osservatore = &ultimo;
        sistema.Dati.ImpSviluppo.IterazioniMigliorata = 3000;
        sistema.Dati.ImpSviluppo.SecondiMigliorata = 0;
        TEsitoSviluppo esito;
        SviluppaSistema(sistema, servizi, esito);
        d.Prepara(sistema.Dati.ImpSviluppo);
        d.Mostra(ultimo.q);
        salva(d, "sviluppo-migliorata");
        sistema.Dati.ImpSviluppo.Migliorata = false;
    }
    {
        sistema.Dati.ImpSviluppo.Ottimizzata = false;
        TFrmImpSv d(messaggi, scelta);
        d.ImpostaOggetto(TModelloImpSviluppo::Da(sistema));
        d.show();
        salva(d, "impostazioni-sviluppo");
        TFrmImpostazioni v(messaggi, scelta);
        v.ImpostaOggetto(TModelloImpostazioni::Da(sistema.Dati));
        v.show();
        salva(v, "impostazioni");
    }
}
