#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <sstream>

#include "FinestraDiProva.h"
#include "app/ui/MenuArchivio.h"
#include "archive/InserimentoFiltri.h"
#include "archive/ui/TForm90Numeri.h"
#include "archive/ui/TFormAggArchivo.h"
#include "archive/ui/TFormImpostazioniDiRicerca.h"
#include "archive/ui/TFormInsArc_File.h"
#include "archive/ui/TFormModConc.h"
#include "archive/ui/TFormStNumAmbi.h"
#include "archive/ui/TFormStampaArchCond.h"
#include "archive/ui/TFrmAnalisiCombinazioni.h"
#include "archive/ui/TFrmvisArc.h"
#include "cli/Cli.h"
#include "conditions/TCondQuadro.h"
#include "gui/Schermate.h"
#include "support/PaginePdf.h"
#include "widgets/TLCasSelector.h"

using namespace sirvela;

namespace {

struct Archivio : test::TFinestraDiProva {
    // Contests 1999/1 .. 1999/n with a result that moves along the pilots.
    void Riempi(int n) {
        auto& a = sistema.Dati.Archivio.Estrazioni;
        a.clear();
        for (int i = 0; i < n; ++i) {
            TEstrazione e;
            e.Anno = 1999 + i / 40;
            e.Numero = static_cast<std::uint8_t>(i % 40 + 1);
            for (int p = 0; p < 8; ++p)
                e.Vincente[static_cast<std::size_t>(p)] =
                    static_cast<std::uint8_t>((i * 5 + p * 3) % 23 + 1);
            a.push_back(e);
        }
    }
    void Scrivi(TLCasSelector& c, std::initializer_list<const char*> testi) {
        int i = 1;
        for (const char* t : testi) c.Cella(i++)->setText(t);
    }
};

}  // namespace

TEST_F(Archivio, AContestAddedByHandIsSavedShownAndSeenByTheCommandLine) {
    Riempi(3);
    Apri();
    QStringList menu;
    for (QAction* a : f->menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu.indexOf("&Archivio"), menu.indexOf("C&olonne") + 1);

    ConDialogo<TFormAggArchivo>("AggiornamentoArchivio", [this](TFormAggArchivo& d) {
        EXPECT_EQ(d.Posizione()->text(), "3");
        test::QuandoModale<TFormModConc>([this](TFormModConc& e) {
            EXPECT_EQ(e.Numero()->value(), 4);  // the last contest's number + 1
            Scrivi(*e.Piloti(), {"3", "1", "4", "15", "9", "2", "6", ""});
            // Typed to the end: Enter in the last cell is "OK".
            e.Piloti()->Cella(1)->setFocus();
            for (int i = 1; i < 8; ++i) QTest::keyClick(e.Piloti()->Cella(i), Qt::Key_Return);
            ASSERT_EQ(e.focusWidget(), e.Piloti()->Cella(8));
            QTest::keyClicks(e.Piloti()->Cella(8), "5");
            QTest::keyClick(e.Piloti()->Cella(8), Qt::Key_Return);
            EXPECT_EQ(e.result(), QDialog::Accepted);
        });
        d.Aggiungi()->click();
        EXPECT_EQ(d.Posizione()->text(), "4");
        EXPECT_EQ(d.Piloti()->Cella(4)->text(), "15");
        d.accept();
    });
    EXPECT_EQ(std::filesystem::file_size(TArchivio::FileLocale()), 4u * 13);

    ConDialogo<TFrmvisArc>("VisualizzaCondizioni", [](TFrmvisArc& d) {
        const QAbstractItemModel* m = d.GridNum()->model();
        ASSERT_EQ(m->rowCount(), 4);
        EXPECT_EQ(m->index(3, 3).data().toString(), " 3  1  4 15  9  2  6  5");
        EXPECT_EQ(m->index(3, 4).data().toString(), "45");  // "Somme", "Tut"
        d.Casella(0)->setChecked(false);
        EXPECT_EQ(m->headerData(4, Qt::Horizontal).toString(), "Pt");  // now Numero di Seq.
        d.accept();
    });
    // The viewer's tick boxes are remembered for the next time.
    ConDialogo<TFrmvisArc>("VisualizzaCondizioni",
                           [](TFrmvisArc& d) { EXPECT_FALSE(d.Casella(0)->isChecked()); });

    std::ostringstream out, err;
    EXPECT_EQ(
        EseguiCli({"archivio", "mostra", "--cartella", cartella.Percorso().string()}, out, err), 0)
        << err.str();
    EXPECT_NE(out.str().find("Nº4 1999        3  1  4 15  9  2  6  5"), std::string::npos)
        << out.str();
}

TEST_F(Archivio, ViewerPrintsTheChosenContestsOnLandscapePages) {
    Riempi(100);
    Apri();
    ConDialogo<TFrmvisArc>("VisualizzaCondizioni", [this](TFrmvisArc& d) {
        d.Casella(1)->setChecked(false);
        test::QuandoModale<TFormStampaArchCond>([this](TFormStampaArchCond& s) {
            EXPECT_EQ(s.Finale()->value(), 100);
            EXPECT_EQ(s.Iniziale()->value(), 65);
            EXPECT_FALSE(s.Casella(1)->isChecked());  // as ticked in the viewer
            s.Finale()->setValue(50);                 // moves the start back
            EXPECT_EQ(s.Iniziale()->value(), 50);
            s.Iniziale()->setValue(1);
            for (int g = 0; g < kGruppiVista; ++g) s.Casella(g)->setChecked(g == 0);
            scelta.Risposte.push_back((cartella / "archivio.pdf").string());
            s.Pulsanti()->Pdf()->click();
        });
        d.PulsanteStampa()->click();
        d.accept();
    });
    // Contests 1..50: 40 on the first page, 10 on the second.
    EXPECT_EQ(test::PaginePdf(cartella / "archivio.pdf"), 2);
}

TEST_F(Archivio, MaintenanceCancelReloadsAndDuplicatesAreRefused) {
    Riempi(60);
    ASSERT_TRUE(sistema.Dati.Archivio.Salva());
    Apri();
    ConDialogo<TFormAggArchivo>("AggiornamentoArchivio", [this](TFormAggArchivo& d) {
        d.AnnoIndietro()->click();  // 2000/20 -> 1999/20
        EXPECT_EQ(d.Numero()->text() + "/" + d.Anno()->text(), "20/1999");
        d.AnnoAvanti()->click();
        EXPECT_EQ(d.Posizione()->text(), "60");
        test::QuandoModale<TFormModConc>([this](TFormModConc& e) {
            e.Numero()->setValue(7);
            e.Anno()->setValue(2000);
            Scrivi(*e.Piloti(), {"1", "2", "3", "4", "5", "6", "7", "8"});
            e.BtnOkClick();  // 2000/7 is archived
            EXPECT_TRUE(e.isVisible());
            e.reject();
        });
        d.Aggiungi()->click();
        EXPECT_EQ(messaggi.Domande.back().Testo, kConcorsoGiaPresente);
        messaggi.Risposte.push_back(PulsanteSi);
        d.Elimina()->click();
        EXPECT_EQ(sistema.Dati.Archivio.Quante(), 59);
        EXPECT_EQ(d.Posizione()->text(), "59");
        d.reject();
    });
    EXPECT_EQ(sistema.Dati.Archivio.Quante(), 60);  // the file, reloaded
}

TEST_F(Archivio, RestoreAndBackupThroughAFileChooser) {
    Riempi(2);
    ASSERT_TRUE(sistema.Dati.Archivio.Salva());
    Apri();
    const auto copia = cartella / "copia.dat";
    scelta.Risposte.push_back(copia.string());
    f->Azione("BackupArchivi")->trigger();
    EXPECT_EQ(messaggi.Domande.back().Testo, kSalvataggioCompletato);
    EXPECT_EQ(std::filesystem::file_size(copia), 26u);

    test::ScriviByte(cartella / "rotta.dat", {1, 2, 3});
    scelta.Risposte.push_back((cartella / "rotta.dat").string());
    f->Azione("RipristinoArchivi")->trigger();
    EXPECT_EQ(messaggi.Errori,
              std::vector<std::string>{"Impossibile ripristinare gli archivi rotta.dat: non è un "
                                       "archivio (record di 13 byte)."});
    EXPECT_EQ(sistema.Dati.Archivio.Quante(), 2);

    Riempi(5);
    scelta.Risposte.push_back(copia.string());
    f->Azione("RipristinoArchivi")->trigger();
    EXPECT_EQ(messaggi.Domande.back().Testo, kArchiviRipristinati);
    EXPECT_EQ(sistema.Dati.Archivio.Quante(), 2);
    EXPECT_EQ(scelta.Richieste[1].Nome, "copia.dat");  // the copy just made is offered
}

TEST_F(Archivio, SearchSettingsPanelButtonsAndTheirWindows) {
    Riempi(50);
    Apri();
    ConDialogo<TFormImpostazioniDiRicerca>(
        "ImpostazioniDiRicerca", [](TFormImpostazioniDiRicerca& d) {
            EXPECT_FALSE(d.Dal()->parentWidget()->isEnabled());
            d.Seleziona()->click();
            EXPECT_EQ(d.Dal()->itemText(1), "Nº2 1999");
            d.Dal()->setCurrentIndex(45);
            d.Al()->setCurrentIndex(40);  // moved back
            EXPECT_EQ(d.Quanti()->text(), "Concorsi nell'intervallo: 1");
            d.Dal()->setCurrentIndex(10);
            d.accept();
        });
    EXPECT_FALSE(sistema.Dati.Archivio.Selezione.Tutte);
    EXPECT_EQ(sistema.Dati.Archivio.Selezione.Dal, 11);
    EXPECT_EQ(sistema.Dati.Archivio.Selezione.Al, 46);

    auto* menu = f->findChild<TMenuArchivio*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->PulsanteAnalisi()->isEnabled());
    bool visto = false;
    test::QuandoModale<TForm90Numeri>([&](TForm90Numeri& d) {
        visto = true;
        EXPECT_EQ(d.Righe().Estrazioni(), 36);
        EXPECT_EQ(d.Tabella()->rowCount(), 23);
        d.Decrescente()->click();
        EXPECT_EQ(d.Tabella()->item(0, 1)->text(), "23");
        d.Posizione(3)->click();
        EXPECT_EQ(d.Tabella()->item(0, 1)->text(), "23");
        test::QuandoModale<TFormStNumAmbi>([&](TFormStNumAmbi& s) {
            s.Al()->setValue(5);
            s.Dal()->setValue(7);  // drags the end along
            EXPECT_EQ(s.Al()->value(), 7);
            scelta.Risposte.push_back((cartella / "partenti.pdf").string());
            s.Pulsanti()->Pdf()->click();
        });
        d.PulsanteStampa()->click();
        EXPECT_EQ(test::PaginePdf(cartella / "partenti.pdf"), 1);
    });
    menu->PulsanteArchivio()->click();
    EXPECT_TRUE(visto);

    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    sistema.Dati.Colonne.Accoda({2, 1, 3, 4, 5, 6, 7, 8});
    f->AggiornaStatoMenu();
    ASSERT_TRUE(menu->PulsanteAnalisi()->isEnabled());
    visto = false;
    test::QuandoModale<TFrmAnalisiCombinazioni>([&](TFrmAnalisiCombinazioni& d) {
        visto = true;
        EXPECT_EQ(d.Griglia()->item(0, 1)->text(), "     1");
        d.Percento()->click();
        EXPECT_EQ(d.Griglia()->item(0, 1)->text(), " 50,00");
        EXPECT_EQ(d.Griglia()->item(2, 3)->text(), "100,00");
        scelta.Risposte.push_back((cartella / "frequenze.pdf").string());
        d.Pulsanti()->Pdf()->click();
        EXPECT_EQ(test::PaginePdf(cartella / "frequenze.pdf"), 1);
    });
    menu->PulsanteAnalisi()->click();
    EXPECT_TRUE(visto);
}

TEST_F(Archivio, APerPilotPrintThatWentOutOrFailedClosesTheStatisticsWindow) {
    Riempi(5);
    Apri();
    auto* menu = f->findChild<TMenuArchivio*>();
    ASSERT_NE(menu, nullptr);
    struct Caso {
        std::filesystem::path Pdf;
        std::vector<std::string> Errori;
    };
    // A failure says what failed and why.
    const Caso casi[] = {{cartella / "partenti.pdf", {}},
                         {cartella / "manca" / "partenti.pdf",
                          {"Impossibile stampare i dati\nLa cartella " +
                           (cartella / "manca").string() + " non esiste."}}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Pdf.string());
        messaggi.Errori.clear();
        bool chiusa = false;
        test::QuandoModale<TForm90Numeri>([&](TForm90Numeri& d) {
            test::QuandoModale<TFormStNumAmbi>([&](TFormStNumAmbi& s) {
                scelta.Risposte.push_back(c.Pdf.string());
                s.Pulsanti()->Pdf()->click();
                EXPECT_FALSE(s.isVisible());
            });
            d.PulsanteStampa()->click();
            chiusa = !d.isVisible();
        });
        menu->PulsanteArchivio()->click();
        EXPECT_TRUE(chiusa);
        EXPECT_EQ(messaggi.Errori, c.Errori);
    }
}

TEST_F(Archivio, FilterColumnsInsertedIntoAQuadro) {
    Riempi(5);
    TCondQuadro q(&sistema.Dati);
    TFormInsArc_File d(q, sistema.Dati.Archivio, messaggi, scelta);
    EXPECT_EQ(d.Inizio()->value(), 5);
    d.Inizio()->setValue(3);
    d.Fine()->setValue(2);  // kept after the start
    EXPECT_EQ(d.Fine()->value(), 3);
    d.Inizio()->setValue(1);
    d.AGirare()->click();
    d.Punto(0)->click();
    d.BtnOkClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Aggiunti(), 3);
    EXPECT_EQ(q.QuantiMembri(), 3);

    TFormInsArc_File e(q, sistema.Dati.Archivio, messaggi, scelta);
    e.DaFile()->click();
    scelta.Risposte.push_back((cartella / "manca.Scl").string());
    e.BtnOkClick();
    EXPECT_EQ(messaggi.Errori,
              std::vector<std::string>{
                  "Errore durante la lettura del file colonnare manca.Scl: file non trovato."});
    EXPECT_EQ(q.QuantiMembri(), 3);
}

namespace {
struct FinestraSchermate : Archivio {
    void TestBody() override {}
};
}  // namespace

// The archive's windows at their real size, over 20,000 contests.
TEST(Schermate, Archivio) {
    SALTA_SENZA_SCHERMATE();
    FinestraSchermate prova;
    auto& sistema = prova.sistema;
    auto& messaggi = prova.messaggi;
    auto& scelta = prova.scelta;
    prova.Riempi(20000);
    prova.Apri();
    auto& f = prova.f;
    test::SalvaSchermata(*f, "archivio-finestra-principale");
    {
        TFormAggArchivo d(sistema.Dati.Archivio, messaggi, f.get());
        test::SalvaSchermata(d, "aggiornamento-archivio");
        TFormModConc e(sistema.Dati.Archivio, messaggi, TEditorConcorso::Modo::Aggiunta,
                       d.Modello().NuovoConcorso(), f.get());
        test::SalvaSchermata(e, "editazione-concorso");
    }
    {
        TFormImpostazioniDiRicerca d(sistema.Dati.Archivio, f.get());
        d.Seleziona()->click();
        d.Dal()->setCurrentIndex(15000);
        test::SalvaSchermata(d, "impostazioni-di-ricerca");
    }
    {
        TFrmvisArc d(sistema.Dati, messaggi, scelta, f.get());
        test::SalvaSchermata(d, "visualizzazione-archivio");
        TFormStampaArchCond s(sistema.Dati, d.Vista(), messaggi, scelta, f.get());
        test::SalvaSchermata(s, "stampa-archivio");
        d.GridNum()->horizontalScrollBar()->setValue(d.GridNum()->horizontalScrollBar()->maximum());
        test::SalvaSchermata(d, "visualizzazione-archivio-destra");
    }
    {
        TForm90Numeri d(sistema.Dati.Archivio, messaggi, scelta, f.get());
        d.Chiave(TChiaveOrdine::IC)->click();
        test::SalvaSchermata(d, "analisi-partenti");
        TFormStNumAmbi s(d.Righe(), messaggi, scelta, f.get());
        test::SalvaSchermata(s, "stampa-numeri");
    }
    {
        for (int i = 0; i < 500; ++i)
            sistema.Dati.Colonne.Accoda(sistema.Dati.Archivio[i].Vincente);
        TFrmAnalisiCombinazioni d(sistema.Dati.Colonne, messaggi, scelta, f.get());
        test::SalvaSchermata(d, "frequenza-numeri");
        d.Percento()->click();
        test::SalvaSchermata(d, "frequenza-numeri-percento");
    }
    {
        TCondQuadro q(&sistema.Dati);
        TFormInsArc_File d(q, sistema.Dati.Archivio, messaggi, scelta, f.get());
        test::SalvaSchermata(d, "inserimento-colonne-filtro");
    }
}
