#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "FinestraDiProva.h"
#include "archive/ui/TFrmAnalProgress.h"
#include "archive/ui/TFrmAnalisiCF.h"
#include "archive/ui/TFrmArchivio.h"
#include "archive/ui/TFrmInfoStat.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmCondizione.h"
#include "conditions/ui/TFrmPtTra.h"
#include "conditions/ui/TFrmRiferimento.h"
#include "core/T_Sistema.h"
#include "gui/Modale.h"
#include "gui/Schermate.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/PaginePdf.h"
#include "widgets/TChartfx.h"

using namespace sirvela;

namespace {

// Four contests with 4, 8, 0 and 3 even pilots; a source of three columns (1..7 and 8, 9 or
// 10: 4, 3 and 4 even pilots); Pari e Dispari accepting 4 or 8 evens.
void Prepara(T_Sistema& s) {
    TDatiSistema& d = s.Dati;
    d.Archivio.Estrazioni.clear();
    for (const TColonna& v :
         {TColonna{1, 2, 3, 4, 5, 6, 7, 8}, TColonna{2, 4, 6, 8, 10, 12, 14, 16},
          TColonna{1, 3, 5, 7, 9, 11, 13, 15}, TColonna{2, 4, 6, 1, 3, 5, 7, 9}}) {
        TEstrazione e;
        e.Vincente = v;
        d.Archivio.Estrazioni.push_back(e);
    }
    for (int p = 0; p < 7; ++p) {
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Svuota();
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Aggiungi(p + 1);
    }
    d.Pronostico.Posizione[7].Svuota();
    for (int n : {8, 9, 10}) d.Pronostico.Posizione[7].Aggiungi(n);
    d.Sorgente.DaPronostico = true;
    auto& pd = dynamic_cast<TCondPariDispari&>(*d.Condizioni->Condizione(kPariDispari));
    pd.Attivato = true;
    for (int v : {4, 8}) pd.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    pd.AggiornaStato();
}

QString Cella(QTableWidget* t, int r, int c) {
    return t && t->item(r, c) ? t->item(r, c)->text() : QString();
}

}  // namespace

// The Pari e Dispari dialog of a prepared system, its PDFs going to the test's folder.
struct StatisticheDaDialogo : ::testing::Test {
    test::TCartellaDiProva cartella;
    T_Sistema s;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    std::unique_ptr<TFrmCondizione> d;

    void SetUp() override {
        Prepara(s);
        d = CreaDialogoCondizione(kPariDispari, messaggi, nullptr);
        ASSERT_TRUE(d);
        d->ImpostaSceltaFile(scelta);
        d->ImpostaOggetto(*s.Dati.Condizioni->Condizione(kPariDispari));
    }
};

TEST_F(StatisticheDaDialogo, ArchivioShowsTheConditionAsTheDialogHasIt) {
    ASSERT_TRUE(d->BtnArchivio()->isEnabled());
    bool visto = false;
    test::QuandoModale<TFrmArchivio>([&](TFrmArchivio& v) {
        visto = true;
        EXPECT_EQ(v.windowTitle().toStdString(), "Analisi Statistica dei Pari e Dispari");
        ASSERT_EQ(v.TabelleFrequenze().size(), 2u);
        QTableWidget* pari = v.TabelleFrequenze()[0];
        EXPECT_EQ(pari->horizontalHeaderItem(1)->text().toStdString(), " Punti");
        EXPECT_EQ(Cella(pari, 4, 1).toStdString(), "25,00");  // one of four contests
        v.Percento().Secondo->click();
        EXPECT_EQ(Cella(v.TabelleFrequenze()[0], 4, 1).toStdString(), "1");
        // Ritardi: value 4 last came out three contests ago.
        QTableWidget* ritardi = v.TabelleRitardi()[0];
        EXPECT_EQ(Cella(ritardi, 4, 1).toStdString(), "3");
        v.Vista().Secondo->click();
        EXPECT_EQ(v.Grafico()->Punti(), 9);
        EXPECT_EQ(v.Grafico()->TitoloAsseY().toStdString(), "Nº Di Concorsi");
        // "Stampa" takes the tab shown, through the dialog's file choice.
        v.Schede()->setCurrentIndex(1);
        scelta.Risposte.push_back((cartella / "ritardi.pdf").string());
        EXPECT_EQ(v.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Completata);
        EXPECT_EQ(test::PaginePdf(cartella / "ritardi.pdf"), 1);
        v.accept();
    });
    d->BtnArchivio()->click();
    EXPECT_TRUE(visto);

    // An archive of one contest cannot be analysed.
    s.Dati.Archivio.Estrazioni.resize(1);
    d->ImpostaOggetto(*s.Dati.Condizioni->Condizione(kPariDispari));
    EXPECT_FALSE(d->BtnArchivio()->isEnabled());
}

TEST_F(StatisticheDaDialogo, AnalisiRunsTheColumnPassAndShowsTheThreeTables) {
    bool visto = false;
    test::QuandoModale<TFrmAnalisiCF>([&](TFrmAnalisiCF& a) {
        visto = true;
        EXPECT_EQ(a.windowTitle().toStdString(), "Analisi Colonnare");
        EXPECT_EQ(a.Risultati().ColonneLette, 3);
        ASSERT_EQ(a.Tabelle().size(), 1u);  // "Singola": the page in the legend
        a.Percento().Secondo->click();
        QTableWidget* t = a.Tabelle()[0];
        EXPECT_EQ(t->horizontalHeaderItem(2)->text().toStdString(), "Cond.S.");
        // 4 evens: two source columns, both kept; 3 evens: one, filtered.
        EXPECT_EQ((Cella(t, 4, 1) + "|" + Cella(t, 4, 2) + "|" + Cella(t, 3, 2)).toStdString(),
                  "2|2|0");
        EXPECT_EQ(a.Fattore()->text().toStdString(), "Fattore di convenienza : 0,67");
        a.Ambito().Secondo->click();
        // What prints is what shows: both pages by name, with the window's headings.
        const auto griglie = analisi_ui::GriglieDaStampare(a.Tabelle());
        ASSERT_EQ(griglie.size(), 2u);
        EXPECT_EQ(griglie[0].Nome + "|" + griglie[1].Nome, "Pari|Dispari");
        EXPECT_EQ(griglie[1].Intestazioni,
                  (std::vector<std::string>{"Valore", "Integr.", "Cond.S.", "Cond."}));
        EXPECT_EQ(griglie[0].Righe[4][1], "2");
        scelta.Risposte.push_back((cartella / "colonne.pdf").string());
        a.PulsantiStampa()->Pdf()->click();
        EXPECT_EQ(test::PaginePdf(cartella / "colonne.pdf"), 1);
        a.accept();
    });
    d->BtnAnalisi()->click();
    EXPECT_TRUE(visto);
}

// Half a billion source columns: only "Annulla" ends the pass in a test's time.
TEST(Statistiche, AnnullaStopsTheColumnPassAndNothingShows) {
    T_Sistema s;
    Prepara(s);
    for (auto& p : s.Dati.Pronostico.Posizione) {
        p.Svuota();
        for (int n = 1; n <= 16; ++n) p.Aggiungi(n);
    }
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    bool annullato = false;
    test::QuandoModale<TFrmAnalProgress>([&](TFrmAnalProgress& w) {
        // The archive pass is over in a moment; the cancel goes to the column pass.
        QTRY_COMPARE_WITH_TIMEOUT(w.Testo()->text(), QString(kAnalisiColonneInCorso), 5000);
        w.BtnAnnulla()->click();
        annullato = true;
    });
    auto copia = s.Dati.Condizioni->Condizione(kPariDispari)->Clona();
    TFrmAnalisiCF a(messaggi, scelta);
    EXPECT_FALSE(a.ImpostaOggetto(*copia, {}));
    EXPECT_TRUE(annullato);
    EXPECT_TRUE(messaggi.Errori.empty());
}

struct StatisticheMenu : test::TFinestraDiProva {};

TEST_F(StatisticheMenu, ConditionedAnalysisFromElaborazione) {
    Apri();
    Prepara(sistema);
    f->AggiornaStato();
    ConDialogo<TFrmInfoStat>("AnalisiCondizionato", [](TFrmInfoStat& w) {
        QTRY_COMPARE_WITH_TIMEOUT(w.Stato()->text(), QString("Concorsi Esaminati : 4 Su 4"), 5000);
        EXPECT_EQ(w.windowTitle().toStdString(),
                  "Informazioni Statistiche sul Sistema Condizionato");
        EXPECT_EQ(w.Valore("Ciclo Medio")->text().toStdString(), "1,00");
        EXPECT_EQ(w.Valore("Estrazioni di Assenza")->text().toStdString(), "2");
        EXPECT_EQ(w.Valore("Ritardo Attuale")->text().toStdString(), "1");
        EXPECT_FALSE(w.TortaFiltrate()->isVisibleTo(&w));  // nothing developed
        EXPECT_DOUBLE_EQ(w.TortaStorica()->Valore(0, 0), 50.0);
        w.accept();
    });
}

TEST(Schermate, Statistiche) {
    SALTA_SENZA_SCHERMATE();
    T_Sistema s;
    Prepara(s);
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    auto& pd = *s.Dati.Condizioni->Condizione(kPariDispari);
    {
        auto copia = pd.Clona();
        TFrmArchivio v(messaggi, scelta);
        ASSERT_TRUE(v.ImpostaOggetto(*copia, {}));
        test::SalvaSchermata(v, "statistiche-frequenze");
        v.Vista().Secondo->click();
        test::SalvaSchermata(v, "statistiche-grafico");
        v.Schede()->setCurrentIndex(1);
        test::SalvaSchermata(v, "statistiche-ritardi");
    }
    {
        auto copia = pd.Clona();
        TFrmAnalisiCF a(messaggi, scelta);
        ASSERT_TRUE(a.ImpostaOggetto(*copia, {}));
        a.Ambito().Secondo->click();
        test::SalvaSchermata(a, "statistiche-analisi-colonnare");
    }
    {
        TFrmInfoStat w(s, messaggi);
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.Stato()->text(), QString("Concorsi Esaminati : 4 Su 4"), 5000);
        test::SalvaSchermata(w, "statistiche-condizionata");
    }
}

// The Quadro and Punti Tra dialogs analyse what they show, like every condition dialog; an
// interval condition without intervals has nothing to analyse.
TEST(Statistiche, QuadroPuntiTraAndSommeAnalyseWhatTheDialogShows) {
    T_Sistema s;
    Prepara(s);
    test::TMessaggiFinti messaggi;
    auto apri = [&](int tipo) {
        auto d = CreaDialogoCondizione(tipo, messaggi, nullptr);
        d->ImpostaOggetto(*s.Dati.Condizioni->Condizione(tipo));
        return d;
    };
    auto titolo = [](TFrmCondizione& d, QPushButton* b) {
        std::string visto = "nessuna finestra";
        test::QuandoModale<TFrmArchivio>([&](TFrmArchivio& v) {
            visto = v.windowTitle().toStdString();
            v.accept();
        });
        b->click();
        (void)d;
        return visto;
    };
    auto quadro = apri(kQuadro);
    ASSERT_TRUE(quadro->BtnArchivio()->isEnabled());
    EXPECT_EQ(titolo(*quadro, quadro->BtnArchivio()), "Analisi Statistica del Quadro");

    auto& tra = dynamic_cast<TCondPuntiTra&>(*s.Dati.Condizioni->Condizione(kPuntiTra));
    tra.Punti(3).Intervalli[0] = {0, 4, 1, 0};
    tra.Punti(3).Quanti = 1;
    auto puntiTra = apri(kPuntiTra);
    auto& ft = dynamic_cast<TFrmPtTra&>(*puntiTra);
    ft.Gruppo()->setValue(3);
    EXPECT_EQ(titolo(ft, ft.BtnArchivio()), "Analisi Statistica dei Punti Tra del Gruppo 3");
    ft.Gruppo()->setValue(4);
    EXPECT_EQ(titolo(ft, ft.BtnArchivio()), "Analisi Statistica dei Punti Tra del Gruppo 4");
    ft.BtnAnalisi()->click();
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo, "Non è stato impostato alcun intervallo");

    auto somme = apri(kSomme);
    somme->BtnArchivio()->click();
    somme->BtnAnalisi()->click();
    ASSERT_EQ(messaggi.Domande.size(), 3u);
    EXPECT_EQ(messaggi.Domande[2].Testo, "Non è stato impostato alcun intervallo");
    EXPECT_EQ(messaggi.Domande[2].Titolo, "Informazione");

    s.Dati.Archivio.Estrazioni.resize(1);
    for (int tipo : {kQuadro, kPuntiTra}) EXPECT_FALSE(apri(tipo)->BtnArchivio()->isEnabled());
}

// A member's further fields (the type of a Sequela) count before they are taken on leaving.
TEST(Statistiche, ContainerMembersAnalyseTheirFieldsAsShown) {
    T_Sistema s;
    Prepara(s);
    test::TMessaggiFinti messaggi;
    auto& gruppo = dynamic_cast<TCondGruppo&>(*s.Dati.Condizioni->Condizione(kGruppoSequele));
    gruppo.AggiungiMembro();
    auto d = CreaDialogoCondizione(kGruppoSequele, messaggi, nullptr);
    d->ImpostaOggetto(gruppo);
    auto& f = dynamic_cast<TFrmSequela&>(*d);
    f.BtnTipo(2)->click();
    f.Lunghezza()->setValue(3);
    std::string visto;
    test::QuandoModale<TFrmArchivio>([&](TFrmArchivio& v) {
        visto = v.windowTitle().toStdString();
        v.accept();
    });
    f.BtnArchivio()->click();
    EXPECT_EQ(visto, "Analisi Statistica delle Sequele Monotermine");
    EXPECT_EQ(dynamic_cast<TCondSequela&>(*gruppo.Membro(0)).TipoSequela, 1);  // until "OK"
}
