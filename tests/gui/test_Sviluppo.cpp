#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>

#include "FinestraDiProva.h"
#include "app/ui/TFormPrincipale.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Colonna.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"
#include "development/ui/EsecuzioneSviluppo.h"
#include "development/ui/TFrmSviluppo.h"
#include "support/Finti.h"
#include "support/Supporto.h"
#include "widgets/TChartfx.h"

using namespace sirvela;

namespace {

struct FinestraSviluppo : test::TFinestraDiProva {
    void Posizioni(const std::vector<std::vector<int>>& liste) {
        for (int p = 0; p < 8; ++p) {
            sistema.Dati.Pronostico.Posizione[p] = TCombinazione{};
            for (int v : liste[p]) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
        }
    }
    void TutteDodici() {
        std::vector<int> dodici;
        for (int v = 1; v <= 12; ++v) dodici.push_back(v);
        Posizioni(std::vector<std::vector<int>>(8, dodici));
    }
    TFrmSviluppo& D() { return *f->DialogoSviluppo(); }
    // Presses "Annulla" once the gauge shows the run well under way.
    void AnnullaAl(int percentuale) {
        QObject::connect(
            D().Indicatore(), &QProgressBar::valueChanged, &D(), [this, percentuale](int v) {
                if (v < percentuale || !D().InCorso() || D().Annullamento().Richiesto()) return;
                // Meanwhile the rest of the window waits.
                EXPECT_TRUE(f->ComandiSospesi());
                EXPECT_FALSE(f->Azione("CalcoloColonne")->isEnabled());
                EXPECT_FALSE(f->Azione("ImpostazioniSviluppo")->isEnabled());
                EXPECT_FALSE(f->Pannello()->isEnabled());
                EXPECT_FALSE(f->close());
                EXPECT_FALSE(D().PulsanteChiudi()->isEnabled());
                D().PulsanteAnnulla()->click();
            });
    }
    static std::string T(QLabel* l) { return l->text().toStdString(); }
};

}  // namespace

TEST_F(FinestraSviluppo, F5DevelopsASmallSystemAndShowsTheFinalCounters) {
    // 12 candidates; pilot 2 twice in 3 of them.
    Posizioni({{1, 2}, {2, 3}, {4}, {5}, {6}, {7}, {8}, {9, 10, 11}});
    Apri();
    EXPECT_TRUE(f->Azione("CalcoloColonne")->isEnabled());
    EXPECT_TRUE(f->Azione("BarraSviluppo")->isEnabled());
    EXPECT_FALSE(f->Azione("SalvaColonne")->isEnabled());
    QTest::keyClick(f.get(), Qt::Key_F5);

    TFrmSviluppo& d = D();
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.isModal());
    EXPECT_EQ(T(d.Totali()), "12");
    EXPECT_EQ(T(d.Ammesse()), "9");
    EXPECT_EQ(T(d.Filtrate()), "0");
    EXPECT_EQ(T(d.Finali()), "9 (£ 9.000)");
    EXPECT_EQ(d.Indicatore()->value(), 100);
    EXPECT_TRUE(d.TortaSviluppo()->isVisible());
    EXPECT_EQ(d.TortaSviluppo()->Valore(0, 0), 100.0);
    EXPECT_EQ(d.TortaSviluppo()->Valore(0, 1), 0.0);
    EXPECT_EQ(d.TortaSviluppo()->ColoreFetta(0), QColor(0, 0, 255));
    EXPECT_EQ(d.TortaSviluppo()->ColoreFetta(1), QColor(0, 255, 0));
    EXPECT_FALSE(d.TortaRiduzione()->isVisible());
    EXPECT_FALSE(d.RidFinali()->isVisible());
    EXPECT_FALSE(d.BoxRiduzione()->isEnabled());
    EXPECT_EQ(d.BoxRiduzione()->title(), "");
    EXPECT_TRUE(T(d.Stato()).starts_with("Elaborazione Terminata.   Tempo Impiegato : 0:00:0"));
    EXPECT_TRUE(d.PulsanteChiudi()->isEnabled());

    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 9);
    EXPECT_EQ(sistema.Dati.ColonneSviluppate, 9);
    EXPECT_TRUE(sistema.Dati.Sviluppato);
    EXPECT_EQ(T(f->PannelloFinali()), " Colonne Finali : 9 (£ 9.000)");
    EXPECT_TRUE(f->Azione("SalvaColonne")->isEnabled());
    EXPECT_FALSE(f->ComandiSospesi());
    EXPECT_TRUE(f->Animazione()->Attiva());
    EXPECT_TRUE(messaggi.Errori.empty());
    // The commands suspended meanwhile are back, each button as its menu item.
    EXPECT_TRUE(f->Azione("BarraAggiornamento")->isEnabled());
    BarraComeMenu();

    // "Chiudi": from now on the reset request keeps the columns.
    EXPECT_TRUE(f->AzzeraColonne());
    d.PulsanteChiudi()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(f->AzzeraColonne());
    f->AzzeraCondizionato();
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 9);

    // "Colonne" > "Salva" writes the result.
    const auto file = CartellaColonne() / "Risultato.Scl";
    scelta.Risposte.push_back(file.string());
    f->Azione("SalvaColonne")->trigger();
    EXPECT_EQ(test::LeggiByte(file).size(), 9u * 8);
}

TEST_F(FinestraSviluppo, SavingTheSystemKeepsTheDevelopedColumns) {
    Posizioni({{1, 2}, {2, 3}, {4}, {5}, {6}, {7}, {8}, {9, 10, 11}});
    sistema.Dati.SalvaColonne = false;  // the columns live only in memory
    Apri();
    QTest::keyClick(f.get(), Qt::Key_F5);
    D().PulsanteChiudi()->click();
    ASSERT_EQ(sistema.Dati.Colonne.Quante(), 9);
    const std::string pannello = T(f->PannelloFinali());

    // The first "Salva" of a new system asks for its name.
    scelta.Risposte.push_back((CartellaSistemi() / "Primo.Sst").string());
    f->Azione("Salva")->trigger();
    EXPECT_TRUE(std::filesystem::exists(CartellaSistemi() / "Primo.Sst"));
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 9);
    EXPECT_EQ(T(f->PannelloFinali()), pannello);

    scelta.Risposte.push_back((CartellaSistemi() / "Secondo.Sst").string());
    f->Azione("SalvaCome")->trigger();
    EXPECT_TRUE(std::filesystem::exists(CartellaSistemi() / "Secondo.Sst"));
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - Secondo.Sst");
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 9);
    EXPECT_EQ(T(f->PannelloFinali()), pannello);
    EXPECT_TRUE(f->Azione("SalvaColonne")->isEnabled());
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(FinestraSviluppo, ReductionWithAGuaranteeFillsTheSecondBox) {
    Posizioni({{1, 2, 3}, {4, 5, 6}, {7, 8}, {9, 10}, {11}, {12}, {13}, {14, 15}});
    sistema.Dati.ImpSviluppo.Autoriduzione = true;
    sistema.Dati.ImpSviluppo.Garanzia = 75;
    sistema.NumPartecipanti = 2;
    Apri();
    f->Azione("BarraSviluppo")->trigger();
    TFrmSviluppo& d = D();
    const std::int64_t ridotte = sistema.Dati.Colonne.Quante();
    ASSERT_GT(ridotte, 0);
    ASSERT_LT(ridotte, 72);
    const TPrezzi lire;
    EXPECT_EQ(T(d.Totali()), "72");
    EXPECT_EQ(T(d.Finali()), TestoCosto(72, lire, 2));
    EXPECT_TRUE(d.BoxRiduzione()->isEnabled());
    EXPECT_EQ(d.BoxRiduzione()->title(), "Autoriduzione a Garanzia del punteggio 75");
    EXPECT_TRUE(d.RidIniziali()->isVisible());
    EXPECT_EQ(T(d.RidIniziali()), TestoCosto(72, lire, 2));
    EXPECT_EQ(T(d.RidFinali()), TestoCosto(ridotte, lire, 2));
    EXPECT_EQ(T(d.Fattore()), TestoFattore(72, ridotte));
    EXPECT_TRUE(d.TortaRiduzione()->isVisible());
    EXPECT_EQ(d.TortaRiduzione()->Valore(0, 0), static_cast<double>(ridotte * 100 / 72));
    EXPECT_EQ(T(f->PannelloFinali()), " Colonne Finali : " + TestoCosto(ridotte, lire, 2));

    // Shown again for a run without reduction, the window starts empty.
    d.Prepara(TImpostazioniSviluppo{});
    EXPECT_FALSE(d.BoxRiduzione()->isEnabled());
    EXPECT_EQ(d.BoxRiduzione()->title(), "");
    EXPECT_FALSE(d.TortaSviluppo()->isVisible());
    EXPECT_FALSE(d.TortaRiduzione()->isVisible());
    EXPECT_FALSE(d.RidFinali()->isVisible());
    EXPECT_EQ(T(d.RidFinali()), "");
    EXPECT_EQ(T(d.Fattore()), "");
    EXPECT_EQ(d.Indicatore()->value(), 0);
}

TEST_F(FinestraSviluppo, CancellingAMemoryDevelopmentLeavesNoColumns) {
    TutteDodici();
    // The reduction makes the run long enough for the window to see it under way.
    sistema.Dati.ImpSviluppo.Autoriduzione = true;
    Apri();
    AnnullaAl(5);
    QTest::keyClick(f.get(), Qt::Key_F5);
    EXPECT_TRUE(D().Annullamento().Richiesto());
    EXPECT_FALSE(D().isVisible());
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    EXPECT_EQ(sistema.Dati.ColonneSviluppate, 0);
    EXPECT_TRUE(sistema.Dati.Sviluppato);
    EXPECT_EQ(T(f->PannelloFinali()), " Colonne Finali : ");
    EXPECT_FALSE(f->Azione("SalvaColonne")->isEnabled());
    EXPECT_FALSE(f->ComandiSospesi());
    EXPECT_TRUE(f->Azione("CalcoloColonne")->isEnabled());
    EXPECT_TRUE(f->Pannello()->isEnabled());
    EXPECT_TRUE(messaggi.Errori.empty());
}

TEST_F(FinestraSviluppo, CancellingAFileDevelopmentKeepsWhatWasWritten) {
    TutteDodici();
    const auto file = cartella / "Grande.Scl";
    sistema.Dati.ImpSviluppo.InMemoria = false;
    sistema.Dati.ImpSviluppo.FileDestinazione = file.string();
    sistema.Dati.ImpSviluppo.VinciteMultiple = 3;  // a longer run, as a stored system allows
    Apri();
    AnnullaAl(3);
    f->Azione("CalcoloColonne")->trigger();
    EXPECT_FALSE(D().isVisible());
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    // The buffer was flushed and the file closed: whole columns, in development order.
    const auto byte = test::LeggiByte(file);
    ASSERT_GT(byte.size(), 0u);
    EXPECT_EQ(byte.size() % 8, 0u);
    EXPECT_LT(byte.size(), 19958400u * 8);
    TColonna prima{};
    for (std::size_t i = 0; i < byte.size(); i += 8) {
        TColonna c;
        std::copy_n(byte.begin() + static_cast<std::ptrdiff_t>(i), 8, c.begin());
        ASSERT_TRUE(ColonnaDistinta(c)) << i / 8;
        ASSERT_LT(prima, c) << i / 8;
        prima = c;
    }
    EXPECT_TRUE(D().Quadro().Stato.starts_with("Elaborazione Terminata."));
}

TEST_F(FinestraSviluppo, EngineErrorsGoToTheErrorBox) {
    Posizioni({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8, 9}});
    Apri();
    const auto manca = cartella / "NonCe" / "d.Scl";
    sistema.Dati.ImpSviluppo.InMemoria = false;
    sistema.Dati.ImpSviluppo.FileDestinazione = manca.string();
    f->Azione("CalcoloColonne")->trigger();
    ASSERT_EQ(messaggi.Errori.size(), 1u);
    EXPECT_EQ(messaggi.Errori[0], "Impossibile Creare il File Colonnare d.Scl: la cartella " +
                                      (cartella / "NonCe").string() + " non esiste.");
    EXPECT_FALSE(D().isVisible());

    sistema.Dati.ImpSviluppo.InMemoria = true;
    sistema.Dati.Sorgente.DaPronostico = false;
    sistema.Dati.Sorgente.FileSorgente = (cartella / "Manca.Scl").string();
    f->Azione("CalcoloColonne")->trigger();
    ASSERT_EQ(messaggi.Errori.size(), 2u);
    EXPECT_EQ(messaggi.Errori[1],
              "Impossibile Caricare il File Colonnare Manca.Scl: file non trovato.");
    EXPECT_FALSE(f->ComandiSospesi());
    EXPECT_TRUE(f->Azione("CalcoloColonne")->isEnabled());
}

// Far more columns than the memory allowed to the run: the message, no columns, the system
// as it was and the window alive.
TEST_F(FinestraSviluppo, ASystemBeyondTheMemoryCeilingEndsWithTheMessage) {
    TutteDodici();
    const TPronostico pronostico = sistema.Dati.Pronostico;
    const auto vecchio = TettoMemoriaSviluppo;
    TettoMemoriaSviluppo = 4 * TListaColonne::kBlocco * sizeof(TColonna);
    Apri();
    f->Azione("CalcoloColonne")->trigger();
    TettoMemoriaSviluppo = vecchio;
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{kErroreMemoriaSviluppo});
    EXPECT_FALSE(D().isVisible());
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    EXPECT_EQ(sistema.Dati.Pronostico, pronostico);
    EXPECT_FALSE(f->ComandiSospesi());
    EXPECT_TRUE(f->Azione("CalcoloColonne")->isEnabled());
    EXPECT_TRUE(f->isVisible());
}

namespace {

// Position sets with repeated pilots across positions and a real sum condition.
void SistemaConSomme(T_Sistema& s) {
    TDatiSistema& d = s.Dati;
    for (int p = 0; p < 8; ++p)
        for (int v = 1; v <= 10; v += 1 + p % 3) d.Pronostico.Posizione[p].Aggiungi(v);
    auto* somme = static_cast<TCondSomme*>(d.Condizioni->Condizione(kSomme));
    somme->Tutti.Intervalli[0] = {40, 46, 1, 0};
    somme->Tutti.Quanti = 1;
    somme->AggiornaStato();
}

}  // namespace

TEST(EsecuzioneSviluppo, TheWorkerThreadGivesTheSameResultAsTheEngine) {
    struct Caso {
        const char* nome;
        bool autoriduzione, ottimizzata;
        int vincite;
    } casi[] = {{"conditions only", false, false, 1},
                {"on the fly, two passes", true, false, 2},
                {"optimised", true, true, 1}};
    for (const Caso& c : casi) {
        T_Sistema diretto, filo;
        for (T_Sistema* s : {&diretto, &filo}) {
            SistemaConSomme(*s);
            s->Dati.ImpSviluppo.Autoriduzione = c.autoriduzione;
            s->Dati.ImpSviluppo.Ottimizzata = c.ottimizzata;
            s->Dati.ImpSviluppo.VinciteMultiple = static_cast<std::uint8_t>(c.vincite);
            s->Dati.ImpSviluppo.Garanzia = 84;
        }
        test::TUltimoQuadro ultimo;
        TServiziSviluppo servizi;
        servizi.Osservatore = &ultimo;
        TEsitoSviluppo esito;
        SviluppaSistema(diretto, servizi, esito);

        TFrmSviluppo d;
        test::TMessaggiFinti messaggi;
        d.Prepara(filo.Dati.ImpSviluppo);
        d.show();
        const TEsecuzioneSviluppo r = EseguiSviluppo(filo, d, messaggi);
        SCOPED_TRACE(c.nome);
        EXPECT_TRUE(r.Errore.empty());
        // The condition keeps some admitted columns and drops others.
        EXPECT_GT(esito.ContaAmmesse, diretto.Dati.ColonneSviluppate);
        EXPECT_GT(diretto.Dati.Colonne.Quante(), 10);
        EXPECT_EQ(filo.Dati.Colonne.ComeVettore(), diretto.Dati.Colonne.ComeVettore());
        EXPECT_EQ(r.Esito.ContaAmmesse, esito.ContaAmmesse);
        EXPECT_EQ(r.Esito.ContaEsaminate, esito.ContaEsaminate);
        EXPECT_EQ(filo.Dati.ColonneSviluppate, diretto.Dati.ColonneSviluppate);
        EXPECT_EQ(filo.ContaAmmesse, diretto.ContaAmmesse);
        // The window ends showing what the engine ended with (the time aside).
        TQuadroSviluppo atteso = ultimo.q, mostrato = d.Quadro();
        atteso.Stato = mostrato.Stato = "";
        EXPECT_EQ(mostrato, atteso);
        EXPECT_FALSE(d.InCorso());
    }
}

TEST(EsecuzioneSviluppo, AnnullaKeepsTheBestCoverOfTheImprovedReduction) {
    T_Sistema s;
    SistemaConSomme(s);
    s.Dati.ImpSviluppo.Autoriduzione = true;
    s.Dati.ImpSviluppo.Migliorata = true;
    s.Dati.ImpSviluppo.Garanzia = 70;
    TFrmSviluppo d;
    test::TMessaggiFinti messaggi;
    d.Prepara(s.Dati.ImpSviluppo);
    d.show();
    // "Annulla" once the search shows its time left; the 60 s of the default budget would
    // only pass if the press were lost.
    QTimer premi;
    QObject::connect(&premi, &QTimer::timeout, [&] {
        if (d.Quadro().Stato.find("Tempo Rimanente") == std::string::npos) return;
        EXPECT_EQ(d.Migliorata()->text().toStdString().rfind("Colonne: ", 0), 0u);
        EXPECT_TRUE(d.Migliorata()->isVisible());
        d.PulsanteAnnulla()->click();
        premi.stop();
    });
    premi.start(20);
    const TEsecuzioneSviluppo r = EseguiSviluppo(s, d, messaggi);
    EXPECT_FALSE(premi.isActive());
    EXPECT_TRUE(r.Errore.empty());
    EXPECT_TRUE(r.Esito.RiduzioneInterrotta);
    EXPECT_FALSE(r.Esito.RiduzioneAnnullata);

    // Every developed column still has a kept one at 70 or more.
    T_Sistema tutte;
    SistemaConSomme(tutte);
    TEsitoSviluppo esito;
    SviluppaSistema(tutte, TServiziSviluppo{}, esito);
    const auto tenute = s.Dati.Colonne.ComeVettore();
    ASSERT_FALSE(tenute.empty());
    for (const TColonna& c : tutte.Dati.Colonne)
        EXPECT_TRUE(std::any_of(tenute.begin(), tenute.end(),
                                [&](const TColonna& k) { return Punteggio(c, k) >= 70; }));
}

TEST(EsecuzioneSviluppo, UpdatesWaitingForTheWindowAreCoalesced) {
    TFrmSviluppo d;
    TPonteSviluppo ponte(d);
    std::thread lavoro([&] {
        TQuadroSviluppo q;
        for (int i = 1; i <= 20000; ++i) {
            q.Ammesse = std::to_string(i);
            ponte.Aggiorna(q, ParteAmmesse);
        }
    });
    lavoro.join();
    EXPECT_EQ(ponte.Consegne(), 0);  // nothing reaches the window outside its own thread
    QCoreApplication::processEvents();
    EXPECT_EQ(ponte.Consegne(), 1);  // one delivery with the latest content
    EXPECT_EQ(d.Ammesse()->text(), "20000");
    QCoreApplication::processEvents();
    EXPECT_EQ(ponte.Consegne(), 1);

    d.show();
    std::thread([&] { ponte.Chiudi(); }).join();
    EXPECT_TRUE(d.isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.isVisible());
}

TEST(EsecuzioneSviluppo, MessagesFromTheWorkerAreShownOnTheWindowThread) {
    struct TRegistra : IMessaggi {
        QThread* filo = nullptr;
        int Mostra(const std::string&, const std::string&, int) override {
            filo = QThread::currentThread();
            return PulsanteSi;
        }
        void Errore(const std::string&) override { filo = QThread::currentThread(); }
    } reale;
    TMessaggiPonte ponte(reale);
    int risposta = 0;
    std::atomic<bool> finito = false;
    std::thread lavoro([&] {
        risposta = ponte.Mostra("Informazione", "Continuare ?", PulsanteSi | PulsanteNo);
        finito = true;
    });
    while (!finito) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    lavoro.join();
    EXPECT_EQ(risposta, PulsanteSi);
    EXPECT_EQ(reale.filo, QThread::currentThread());
}
