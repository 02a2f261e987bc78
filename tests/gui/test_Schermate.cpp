#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "app/ListaPiloti.h"
#include "app/ui/Conversioni.h"
#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormMessage.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "app/ui/TFormTitolo.h"
#include "app/ui/TFrmImpostazioni.h"
#include "core/T_Sistema.h"
#include "development/ImpostazioniSviluppoModello.h"
#include "development/ui/EsecuzioneSviluppo.h"
#include "development/ui/TFrmImpSv.h"
#include "development/ui/TFrmSviluppo.h"
#include "dictation/ui/TFrmDettSche.h"
#include "shop/ui/TFormDatiRicevitoria.h"
#include "shop/ui/TFormGeneraSchedine.h"
#include "support/Finti.h"
#include "widgets/TGraphNumSelector.h"

using namespace sirvela;

namespace {

// Pictures of the windows for a person to look at, written only when SIRVELA_SCHERMATE names
// a folder (run under Xvfb for the real look).
QString CartellaSchermate() {
    const QString cartella = qEnvironmentVariable("SIRVELA_SCHERMATE");
    if (!cartella.isEmpty()) QDir().mkpath(cartella);
    return cartella;
}

void Salva(QWidget& w, const char* nome) {
    QTest::qWait(200);
    w.grab().save(CartellaSchermate() + "/" + nome + ".png");
}

}  // namespace

TEST(Schermate, Finestre) {
    const QString cartella = CartellaSchermate();
    if (cartella.isEmpty()) GTEST_SKIP();
    auto salva = Salva;
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

namespace {

struct VoceMuta : IVoceDettatura {
    void Suona(int, int) override {}
    void Ferma() override {}
};

}  // namespace

TEST(Schermate, Ricevitoria) {
    if (CartellaSchermate().isEmpty()) GTEST_SKIP();
    auto salva = Salva;
    TDatiSistema dati;
    std::mt19937 caso(1);
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    {
        TFormGeneraSchedine g(dati, caso, messaggi, scelta);
        g.show();
        salva(g, "generazione-schedine");
        g.NumeriFissi()->setValue(5);
        g.Piu()->click();
        salva(g, "generazione-schedine-sistema");
        g.CostoCasuale()->click();
        salva(g, "generazione-schedine-casuale");
    }
    {
        TFormDatiRicevitoria d;
        TModelloDatiRicevitoria m;
        m.Testi = {"Ricevitoria Bar Sport di Rossi Mario", "Via Giuseppe Garibaldi 128",
                   "Castelnuovo di Porto (RM)", "06 9876543"};
        d.ImpostaOggetto(m);
        d.show();
        salva(d, "dati-ricevitoria");
    }
    {
        VoceMuta voce;
        TListaColonne colonne;
        colonne.Accoda({3, 14, 7, 22, 1, 9, 18, 25});
        colonne.Accoda({12, 5, 20, 8, 16, 2, 11, 23});
        colonne.Accoda({6, 19, 4, 10, 21, 15, 13, 24});
        TFrmDettSche t(voce);
        t.ImpostaOggetto(colonne);
        t.show();
        t.Play()->click();
        for (int i = 0; i < 11; ++i) t.Scatto();
        salva(t, "dettatura");
        t.Stop()->click();
    }
}
