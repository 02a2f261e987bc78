// The live count in the windows: the main window's line follows the selectors, a condition
// dialog's line counts its unconfirmed values (also for a member opened from a Quadro), the
// switch in "Varie" turns it off, and a result that arrives for an older request is dropped.
#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <thread>

#include "CondizioniDiProva.h"
#include "FinestraDiProva.h"
#include "app/Configurazione.h"
#include "app/ui/TFrmImpostazioni.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/TFrmQuadro.h"
#include "conditions/ui/TFrmSomme.h"
#include "development/Conteggio.h"
#include "development/ui/ConteggioDalVivo.h"
#include "development/ui/TFrmRecuperi.h"
#include "gui/Schermate.h"
#include "support/Supporto.h"
#include "widgets/TGrigliaIntervalli.h"

using namespace sirvela;

namespace {

constexpr int kAttesaMs = 20000;

std::int64_t Conta(const TDatiSistema& d) {
    auto copia = CopiaPerConteggio(d);
    TEsitoConteggio e;
    EXPECT_TRUE(ContaEsatto(*copia, 1, nullptr, e));
    return e.Colonne;
}

// The columns of `d` with the sum of all pilots within [min, max] in place of its Somme.
std::int64_t ContaConSomme(const TDatiSistema& d, double min, double max) {
    TSostituzioni s;
    const TCondizione* somme = d.Condizioni->Condizione(kSomme);
    auto copia = somme->Clona();
    auto& tutti = static_cast<TCondSomme&>(*copia).Tutti;
    tutti.Intervalli[0] = {min, max, 1, 0};
    tutti.Quanti = 1;
    copia->AggiornaStato();
    s.Aggiungi(somme, std::move(copia));
    auto sistema = CopiaPerConteggio(d, std::move(s));
    TEsitoConteggio e;
    EXPECT_TRUE(ContaEsatto(*sistema, 1, nullptr, e));
    return e.Colonne;
}

std::string Numero(std::int64_t n) {
    return FormattaImporto(static_cast<double>(n), 0);
}

// An interval typed in the first column of a Somme grid, as the keyboard leaves it.
void Intervallo(TGrigliaIntervalli& g, const char* min, const char* max) {
    g.Pagina(0)->item(0, 0)->setText(min);
    g.Pagina(0)->item(1, 0)->setText(max);
    QTest::keyClick(g.Pagina(0), Qt::Key_Right);
}

struct Conteggio : test::TFinestraDiProva {
    void Posizioni(int primo, int larghezza) {
        for (int p = 0; p < 8; ++p)
            for (int v = p + primo; v < p + primo + larghezza; ++v)
                sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    }
    std::string Previste() const { return Testo(f->PannelloPreviste()); }
};

}  // namespace

TEST_F(Conteggio, TheMainWindowsLineFollowsTheSelectorsAndTheSwitch) {
    for (int p = 0; p < 7; ++p) sistema.Dati.Pronostico.Posizione[p].Aggiungi(p + 1);
    for (int v : {8, 9, 10}) sistema.Dati.Pronostico.Posizione[7].Aggiungi(v);
    Apri();
    QTRY_COMPARE_WITH_TIMEOUT(Previste(), std::string("Colonne previste: 3 — Costo: £ 3.000"),
                              kAttesaMs);
    Clicca(8, 11);
    QTRY_COMPARE_WITH_TIMEOUT(Previste(), std::string("Colonne previste: 4 — Costo: £ 4.000"),
                              kAttesaMs);
    // A pilot already at another position adds no column.
    Clicca(8, 1);
    Clicca(8, 12);
    QTRY_COMPARE_WITH_TIMEOUT(Previste(), std::string("Colonne previste: 5 — Costo: £ 5.000"),
                              kAttesaMs);
    EXPECT_EQ(f->ConteggioDalVivo().Ultimo()->Colonne, 5);

    // Off in "Varie": the line goes and the choice is kept in Sirvela.ini.
    ConDialogo<TFrmImpostazioni>("Varie", [](TFrmImpostazioni& d) {
        EXPECT_TRUE(d.ConteggioDalVivo()->isChecked());
        d.ConteggioDalVivo()->setChecked(false);
        d.accept();
    });
    EXPECT_FALSE(f->PannelloPreviste()->isVisible());
    const auto ini = test::LeggiByte(FileImpostazioniAggiunte(FileConfigurazione()));
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("ConteggioDalVivo=0"), std::string::npos);
    Clicca(8, 13);
    QTest::qWait(100);
    EXPECT_FALSE(f->PannelloPreviste()->isVisible());
    EXPECT_EQ(f->ConteggioDalVivo().Ultimo(), std::nullopt);
    ConDialogo<TFrmImpostazioni>("Varie", [](TFrmImpostazioni& d) {
        d.ConteggioDalVivo()->setChecked(true);
        d.accept();
    });
    QTRY_COMPARE_WITH_TIMEOUT(Previste(), std::string("Colonne previste: 6 — Costo: £ 6.000"),
                              kAttesaMs);
}

TEST_F(Conteggio, AConditionDialogCountsItsValuesBeforeOk) {
    Posizioni(1, 5);
    Apri();
    const std::int64_t prima = Conta(sistema.Dati);
    const std::int64_t dopo = ContaConSomme(sistema.Dati, 40, 44);
    ASSERT_LT(dopo, prima);
    ConDialogo<TFrmSomme>("CondSomme", [&](TFrmSomme& d) {
        QLabel* riga = d.RigaConteggio();
        QTRY_COMPARE_WITH_TIMEOUT(riga->text().toStdString(),
                                  "Con queste impostazioni: " + Numero(prima) + " colonne",
                                  kAttesaMs);
        Intervallo(*d.Griglie()[0], "40", "44");
        QTRY_COMPARE_WITH_TIMEOUT(
            riga->text().toStdString(),
            "Con queste impostazioni: " + Numero(dopo) + " colonne (−" + Numero(prima - dopo) + ")",
            kAttesaMs);
        d.BtnAnnulla()->click();
    });
    // Nothing was confirmed: the system and its count are as before.
    QTRY_COMPARE_WITH_TIMEOUT(f->ConteggioDalVivo().Ultimo()->Colonne, prima, kAttesaMs);
    EXPECT_EQ(sistema.Dati.Condizioni->Condizione(kSomme)->Attivo, false);
}

// A member opened from the Quadro dialog is counted inside the Quadro as that dialog has it,
// itself unconfirmed, and in place of the Quadro of the system.
TEST_F(Conteggio, AMemberOpenedFromAQuadroCountsInPlace) {
    Posizioni(1, 5);
    auto& quadro = dynamic_cast<TCondQuadro&>(*sistema.Dati.Condizioni->Condizione(kQuadro));
    quadro.Membri.push_back(std::make_unique<TCondSomme>(&sistema.Dati));
    quadro.ApplicaPreset();
    quadro.AggiornaStato();
    Apri();
    // What the count must give: the system whose Quadro holds the member with the interval.
    std::int64_t atteso = 0;
    {
        TSostituzioni s;
        auto q = quadro.Clona();
        auto& membro = static_cast<TCondSomme&>(*static_cast<TCondQuadro&>(*q).Membro(0));
        membro.Tutti.Intervalli[0] = {38, 41, 1, 0};
        membro.Tutti.Quanti = 1;
        q->AggiornaStato();
        s.Aggiungi(&quadro, std::move(q));
        auto copia = CopiaPerConteggio(sistema.Dati, std::move(s));
        TEsitoConteggio e;
        ASSERT_TRUE(ContaEsatto(*copia, 1, nullptr, e));
        atteso = e.Colonne;
    }
    ASSERT_LT(atteso, Conta(sistema.Dati));
    bool visto = false;
    test::QuandoModale<TFrmQuadro>([&](TFrmQuadro& d) {
        test::QuandoModale<TFrmSomme>([&](TFrmSomme& m) {
            visto = true;
            Intervallo(*m.Griglie()[0], "38", "41");
            QTRY_COMPARE_WITH_TIMEOUT(m.RigaConteggio()->text().toStdString(),
                                      "Con queste impostazioni: " + Numero(atteso) + " colonne (−" +
                                          Numero(Conta(sistema.Dati) - atteso) + ")",
                                      kAttesaMs);
            m.BtnAnnulla()->click();
        });
        d.ApriMembro(0);
        d.BtnAnnulla()->click();
    });
    f->Azione("Quadri")->trigger();
    EXPECT_TRUE(visto);
}

TEST(ConteggioQt, AResultQueuedBeforeANewerRequestIsDropped) {
    T_Sistema a, b;
    for (int p = 0; p < 8; ++p) {
        for (int v = 1; v <= 9; ++v) a.Dati.Pronostico.Posizione[p].Aggiungi(v);
        for (int v = 1; v <= 8; ++v) b.Dati.Pronostico.Posizione[p].Aggiungi(v);
    }
    TConteggioQt c;
    std::vector<std::int64_t> visti;
    QObject::connect(&c, &TConteggioQt::Risultato,
                     [&](const TEsitoConteggio& e) { visti.push_back(e.Colonne); });
    EXPECT_TRUE(c.Richiedi(CopiaPerConteggio(a.Dati)));
    // Without the event loop the count of `a` ends and its result waits in the queue.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(c.Richiedi(CopiaPerConteggio(b.Dati)));
    // The same system again is not counted again.
    EXPECT_FALSE(c.Richiedi(CopiaPerConteggio(b.Dati)));
    QTRY_VERIFY_WITH_TIMEOUT(c.Ultimo() && c.Ultimo()->Esatto, kAttesaMs);
    EXPECT_EQ(visti, std::vector<std::int64_t>{40320});  // 8!
}

// The main window and two dialogs with their line, on a system too large to count at once:
// every pilot at every position with three conditions.
TEST(Schermate, ConteggioDalVivo) {
    SALTA_SENZA_SCHERMATE();
    test::TCartellaDiProva cartella;
    T_Sistema sistema;
    for (int i = 1; i <= 23; ++i) sistema.Dati.NomiPiloti[i] = "Pilota " + std::to_string(i);
    sistema.Dati.PilotaEscluso = 100;
    TDatiSistema& d = sistema.Dati;
    for (auto& pos : d.Pronostico.Posizione)
        for (int v = 1; v <= 23; ++v) pos.Aggiungi(v);
    auto& somme = static_cast<TCondSomme&>(*d.Condizioni->Condizione(kSomme));
    somme.Tutti.Intervalli[0] = {80, 110, 1, 0};
    somme.Tutti.Quanti = 1;
    auto& pd = static_cast<TCondPariDispari&>(*d.Condizioni->Condizione(kPariDispari));
    for (int v = 3; v <= 5; ++v) pd.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    auto& dg = static_cast<TCondDistanzeGlobali&>(*d.Condizioni->Condizione(kDistanzeGlobali));
    for (int v = 1; v <= 14; ++v) dg.Massima.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    d.Condizioni->AggiornaTutte();
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TFormPrincipale f(sistema, messaggi, scelta);
    f.resize(1024, 700);
    f.show();
    f.Avvia({});
    auto stima = [](const QLabel* l) { return l->text().contains("≈"); };
    QTRY_VERIFY_WITH_TIMEOUT(stima(f.PannelloPreviste()), kAttesaMs);
    QTest::qWait(1500);  // the estimate refined for a while
    test::SalvaSchermata(f, "conteggio-principale");
    {
        TFrmSomme s(messaggi, &f);
        s.ImpostaOggetto(somme);
        s.show();
        Intervallo(*s.Griglie()[0], "80", "100");
        QTRY_VERIFY_WITH_TIMEOUT(stima(s.RigaConteggio()), kAttesaMs);
        QTest::qWait(1500);
        test::SalvaSchermata(s, "conteggio-somme");
    }
    {
        TFrmRecuperi r(messaggi, scelta, &f);
        r.ImpostaLink(*d.Recuperi);
        r.show();
        QTRY_VERIFY_WITH_TIMEOUT(stima(r.RigaConteggio()), kAttesaMs);
        test::SalvaSchermata(r, "conteggio-link");
    }
}
