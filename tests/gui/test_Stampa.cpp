#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "FinestraDiProva.h"
#include "app/Configurazione.h"
#include "app/ui/TFormMessage.h"
#include "app/ui/TSceltaFileQt.h"
#include "conditions/TGestoreLink.h"
#include "core/FlussoBinario.h"
#include "development/ui/TFrmRecuperi.h"
#include "gui/Schermate.h"
#include "printing/StampaProspetto.h"
#include "printing/StampaSchedine.h"
#include "printing/StampaTabulato.h"
#include "printing/qt/SuperficieQt.h"
#include "printing/ui/EseguiStampa.h"
#include "printing/ui/ImmagineSchedina.h"
#include "printing/ui/TFormImpostaTabulato.h"
#include "printing/ui/TFormStampaBollette.h"
#include "printing/ui/TFormStampaProspetto.h"
#include "printing/ui/TFrmTaratura.h"
#include "shop/GeneraSchedine.h"
#include "shop/ui/TFormGeneraSchedine.h"
#include "shop/ui/TFormStampaAutomatiche.h"
#include "support/PaginePdf.h"
#include "tools/ui/TFormEditorColonne.h"

using namespace sirvela;

namespace {

using Stampe = test::TFinestraDiProva;

using test::PaginePdf;

void Colonne(TListaColonne& l, int n) {
    for (int i = 1; i <= n; ++i)
        l.Accoda(TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
}

}  // namespace

TEST_F(Stampe, MenuAndToolBar) {
    Apri();
    QStringList voci;
    for (QAction* a : f->menuBar()->findChild<QMenu*>("MenuStampe")->actions()) voci << a->text();
    EXPECT_EQ(voci, (QStringList{"Taratura", "Schedine", "Prospetto", "Imposta Stampante"}));
    ASSERT_NE(f->Azione("SchedineDaFile"), nullptr);
    EXPECT_FALSE(f->Azione("SchedineDaMemoria")->isEnabled());
    EXPECT_FALSE(f->Azione("BarraStampaSchedine")->isEnabled());
    EXPECT_TRUE(f->Azione("BarraStampaProspetto")->isEnabled());
    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStatoMenu();
    EXPECT_TRUE(f->Azione("BarraStampaSchedine")->isEnabled());
    ConDialogo<TFormStampaBollette>("BarraStampaSchedine", [](TFormStampaBollette& d) {
        EXPECT_EQ(d.Colonne.Quante(), 1);
        d.reject();
    });
    ConDialogo<TFormStampaProspetto>("BarraStampaProspetto",
                                     [](TFormStampaProspetto& d) { d.reject(); });
    ConDialogo<QPrintDialog>("ImpostaStampante", [](QPrintDialog& d) { d.reject(); });
    // A confirmed calibration is kept and written to the settings.
    ConDialogo<TFrmTaratura>("Taratura", [](TFrmTaratura& d) {
        d.Valore(TModelloTaratura::kXPrimaCol)->setValue(123);
        d.findChild<QPushButton*>("BtnOk")->click();
    });
    EXPECT_DOUBLE_EQ(sistema.Dati.Taratura.Valori[0].XPrimaCol, 12.3);
    TImpostazioniProgramma letta;
    LeggiConfigurazione(FileConfigurazione(), letta);
    EXPECT_DOUBLE_EQ(letta.Taratura.Valori[0].XPrimaCol, 12.3);
}

TEST_F(Stampe, TicketsToPdfKeepTheOrientation) {
    Apri();
    TFormStampaBollette d(sistema, messaggi, scelta, f.get());
    Colonne(d.Colonne, 5);
    // A wrong range is told and nothing is printed.
    d.Intervallo()->setChecked(true);
    d.Da()->setValue(3);
    d.A()->setValue(2);
    EXPECT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Annullata);
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{kErroreNumeroSchedine});
    // Nothing to print, and a ticket that would leave out a column with a pilot out of play,
    // are told before a file is asked for.
    d.Da()->setValue(4);
    d.A()->setValue(9);
    EXPECT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Annullata);
    EXPECT_EQ(messaggi.Errori.back(), "Nessuna schedina da stampare: le schedine sono 3.");
    const TListaColonne buone = d.Colonne;
    d.Colonne.Accoda({3, 6, 1, 9, 5, 19, 2, 24});
    d.Tutte()->setChecked(true);
    for (bool tabulato : {false, true}) {
        d.SuTabulato()->setChecked(tabulato);
        d.SuSchedine()->setChecked(!tabulato);
        EXPECT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Annullata);
        EXPECT_EQ(messaggi.Errori.back(),
                  "1 colonna contiene piloti fuori gioco (3 6 1 9 5 19 2 24) e non può essere "
                  "stampata.");
    }
    d.SuSchedine()->setChecked(true);
    d.Colonne = buone;
    EXPECT_TRUE(scelta.Richieste.empty());

    d.Tutte()->setChecked(true);
    d.Orizzontale()->setChecked(true);
    const auto pdf = cartella / "schedine.pdf";
    scelta.Risposte.push_back(pdf.string());
    ASSERT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Completata);
    EXPECT_EQ(PaginePdf(pdf), 3);
    EXPECT_TRUE(sistema.Dati.Taratura.Orizzontale);
    TImpostazioniProgramma letta;
    LeggiConfigurazione(FileConfigurazione(), letta);
    EXPECT_TRUE(letta.Taratura.Orizzontale);

    // The list of the same columns: all on one page.
    d.SuTabulato()->setChecked(true);
    scelta.Risposte.push_back(pdf.string());
    messaggi.Risposte.push_back(PulsanteSi);  // overwrite
    ASSERT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Completata);
    EXPECT_EQ(messaggi.Domande.back().Testo,
              "Il file è già Presente su Disco. Vuoi Sovrascriverlo ? ");
    EXPECT_EQ(PaginePdf(pdf), 1);
}

// "Salva PDF" through the real chooser, answered after a few seconds as a user does: nothing
// else may come up in front of it meanwhile (a progress window shows itself after 4 s), and
// the file is written once the name is given.
TEST_F(Stampe, SalvaPdfThroughTheRealFileChooser) {
    Apri();
    TSceltaFileQt vera(f.get());
    TFormStampaBollette d(sistema, messaggi, vera, f.get());
    Colonne(d.Colonne, 5);
    d.show();
    const auto pdf = cartella / "scelto.pdf";
    test::ModaleDopo<QFileDialog>(5000, [&](QFileDialog& chooser) {
        auto* nome = chooser.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nome, nullptr);
        nome->clear();
        QTest::keyClicks(nome, QString::fromStdString(pdf.string()));
        QTest::keyClick(nome, Qt::Key_Return);
    });
    d.Pulsanti()->Pdf()->click();
    EXPECT_EQ(PaginePdf(pdf), 3);
    EXPECT_TRUE(messaggi.Domande.empty());
    EXPECT_TRUE(messaggi.Errori.empty());
    EXPECT_FALSE(d.isVisible());  // a completed print closes its dialog

    // Cancelled while it draws: said, and the file there stays as it was.
    const auto prima = test::LeggiByte(pdf);
    scelta.Risposte.push_back(pdf.string());
    messaggi.Risposte.push_back(PulsanteSi);  // overwrite
    TComandoStampa c;
    c.Titolo = "Prova";
    c.Errore = "Impossibile";
    c.Disegna = [](TmmPrinter& p, TControlloStampa&, TModoStampa) {
        p.Inizia("Prova");
        return false;  // as a layout does when "Annulla" was pressed
    };
    EXPECT_EQ(EseguiStampa(f.get(), TModoStampa::SalvaPdf, c, messaggi, scelta),
              TEsitoStampa::Annullata);
    ASSERT_EQ(messaggi.Domande.size(), 2u);
    EXPECT_EQ(messaggi.Domande.back().Testo, kStampaAnnullataPdf);
    EXPECT_EQ(test::LeggiByte(pdf), prima);
}

// The choices of "Stampa Schedine", the range among them, come back at the next opening; the
// orientation starts from the default all the same.
TEST_F(Stampe, TicketChoicesAreRememberedBetweenOpenings) {
    Apri();
    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStatoMenu();
    ConDialogo<TFormStampaBollette>("SchedineDaMemoria", [](TFormStampaBollette& d) {
        EXPECT_TRUE(d.Tutte()->isChecked());
        d.Intervallo()->setChecked(true);
        d.A()->setValue(3);
        d.Da()->setValue(2);
        d.SuTabulato()->setChecked(true);
        d.Orizzontale()->setChecked(true);
        d.reject();
    });
    ConDialogo<TFormStampaBollette>("BarraStampaSchedine", [](TFormStampaBollette& d) {
        EXPECT_TRUE(d.Intervallo()->isChecked());
        EXPECT_TRUE(d.Da()->isEnabled());
        EXPECT_EQ(d.Da()->value(), 2);
        EXPECT_EQ(d.A()->value(), 3);
        EXPECT_TRUE(d.SuTabulato()->isChecked());
        EXPECT_TRUE(d.Verticale()->isChecked());
        d.reject();
    });
}

// The pause between paper tickets waits for the user, and its question stays in front.
TEST_F(Stampe, ThePauseBetweenTicketsIsInFront) {
    Apri();
    TMessaggiQt veri(f.get());
    TFormStampaBollette d(sistema, veri, scelta, f.get());
    Colonne(d.Colonne, 5);
    d.Pausa()->setChecked(true);
    d.show();
    const auto pdf = cartella / "carta.pdf";
    StampanteProgramma().setOutputFileName(QString::fromStdString(pdf.string()));
    int pause = 0;
    std::function<void(TFormMessage&)> continua = [&](TFormMessage& m) {
        EXPECT_EQ(m.Testo().toStdString(), kPausaSchedine);
        if (++pause < 2) test::ModaleDopo<TFormMessage>(1000, continua);
        m.Pulsanti().at(0)->click();
    };
    test::ModaleDopo<TFormMessage>(5000, continua);
    EXPECT_EQ(d.Stampa(TModoStampa::Stampa), TEsitoStampa::Completata);
    StampanteProgramma().setOutputFileName({});
    EXPECT_EQ(pause, 2);
}

TEST_F(Stampe, PreviewOpensAndFailingPrinterIsTold) {
    Apri();
    TFormStampaBollette d(sistema, messaggi, scelta, f.get());
    Colonne(d.Colonne, 3);
    bool vista = false;
    test::QuandoModale<QPrintPreviewDialog>([&](QPrintPreviewDialog& p) {
        vista = true;
        p.reject();
    });
    EXPECT_EQ(d.Stampa(TModoStampa::Anteprima), TEsitoStampa::Completata);
    EXPECT_TRUE(vista);

    // A printer that cannot start a job: the message, and the settings as they were.
    StampanteProgramma().setPrinterName("stampante-che-non-esiste");
    StampanteProgramma().setOutputFileName((cartella / "manca" / "x.pdf").string().c_str());
    d.Orizzontale()->setChecked(true);
    EXPECT_EQ(d.Stampa(TModoStampa::Stampa), TEsitoStampa::Fallita);
    StampanteProgramma().setOutputFileName({});
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{kErroreStampaSchedine});
    EXPECT_FALSE(sistema.Dati.Taratura.Orizzontale);
}

TEST_F(Stampe, CalibrationDialog) {
    TTaratura t;
    t.Valori[0].XPrimaCol = 0.1;
    TFrmTaratura d(t, 23, 100, messaggi, scelta);
    d.show();
    using I = TModelloTaratura;
    EXPECT_TRUE(d.Verticale()->isChecked());
    EXPECT_EQ(d.Valore(I::kXPrimaCol)->value(), 1);
    EXPECT_EQ(d.Valore(I::kScrittaY)->value(), 1062);
    // Left twice: one tenth, then never below 0; the writing goes down by one tenth.
    QTest::mouseClick(static_cast<QAbstractButton*>(d.Freccia(false, 0)), Qt::LeftButton);
    QTest::mouseClick(static_cast<QAbstractButton*>(d.Freccia(false, 0)), Qt::LeftButton);
    QTest::mouseClick(static_cast<QAbstractButton*>(d.Freccia(true, 3)), Qt::LeftButton);
    EXPECT_EQ(d.Valore(I::kXPrimaCol)->value(), 0);
    EXPECT_EQ(d.Valore(I::kScrittaY)->value(), 1063);

    // The test print takes the values on screen and leaves the calibration alone.
    const auto pdf = cartella / "prova.pdf";
    scelta.Risposte.push_back(pdf.string());
    d.Test()->Pdf()->click();
    EXPECT_EQ(PaginePdf(pdf), 1);

    d.Orizzontale()->setChecked(true);
    EXPECT_EQ(d.Valore(I::kXPrimaCol)->value(), 150);
    d.Valore(I::kXPrimaCol)->setValue(160);
    messaggi.Risposte.push_back(PulsanteSi);
    d.findChild<QPushButton*>("BtnOk")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(messaggi.Domande.back().Testo, kDomandaOrientamentoPredefinito);
    const TTaratura r = d.Risultato();
    EXPECT_TRUE(r.Orizzontale);
    EXPECT_DOUBLE_EQ(r.Valori[1].XPrimaCol, 16.0);
    EXPECT_DOUBLE_EQ(r.Valori[0].XPrimaCol, 0.0);
    EXPECT_DOUBLE_EQ(r.Valori[0].ScrittaY, 106.3);
}

TEST_F(Stampe, TicketPictureIsInstalledWhenMissing) {
    const auto file = CartellaProgramma / "sched.bmp";
    ASSERT_FALSE(std::filesystem::exists(file));
    const QImage img = ImmagineSchedina();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(img.width(), static_cast<int>(kLarghezzaSchedinaMm * kPixelPerMm));
    // The box of pilot 1 of the first column sits where the default calibration marks it.
    auto pixel = [&](double x, double y) {
        return img.pixelColor(static_cast<int>(x * kPixelPerMm), static_cast<int>(y * kPixelPerMm));
    };
    EXPECT_EQ(pixel(15.5, 30.5), QColor(Qt::white));
    EXPECT_NE(pixel(14.2, 30.5), QColor(Qt::white));
}

TEST_F(Stampe, SummarySheetChoices) {
    Apri();
    {
        TFormStampaProspetto d(sistema, messaggi, scelta, f.get());
        d.show();
        EXPECT_FALSE(d.PerPartecipante()->isEnabled());
        EXPECT_TRUE(d.SpecificaCopie()->isChecked());
        EXPECT_FALSE(d.Scelta().PerPartecipante);
    }
    sistema.NumPartecipanti = 3;
    sistema.Partecipanti = {"Anna", "Bruno", "Carla"};
    TFormStampaProspetto d(sistema, messaggi, scelta, f.get());
    d.show();
    EXPECT_TRUE(d.PerPartecipante()->isChecked());
    EXPECT_FALSE(d.Copie()->isEnabled());
    const auto pdf = cartella / "prospetto.pdf";
    scelta.Risposte.push_back(pdf.string());
    ASSERT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Completata);
    EXPECT_EQ(PaginePdf(pdf), 3);

    // The list of the columns in memory is refused, before a file is asked for, when a column
    // names a pilot out of play.
    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 24});
    d.Tabulato()->setChecked(true);
    EXPECT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Annullata);
    EXPECT_EQ(messaggi.Errori.back(),
              "1 colonna contiene piloti fuori gioco (1 2 3 4 5 6 7 24) e non può essere "
              "stampata.");
    EXPECT_TRUE(scelta.Risposte.empty());
}

TEST_F(Stampe, ListSettings) {
    TListaColonne colonne;
    TImpTabulato imp;
    imp.Carattere.Stile = 3;
    TFormImpostaTabulato d(imp, colonne, "Prova.Sst", messaggi, scelta);
    d.show();
    EXPECT_EQ(d.Stile()->text(), "Grassetto corsivo");
    EXPECT_EQ(d.Dimensione()->text(), "8");
    d.Orizzontale()->setValue(25);
    d.Verticale()->setValue(7);
    EXPECT_EQ(d.Risultato().SpaziaturaOrizzontale, 20);
    EXPECT_EQ(d.Risultato().SpaziaturaVerticale, 7);
    EXPECT_EQ(d.Risultato().Carattere, imp.Carattere);
}

TEST_F(Stampe, GeneratedTicketsArePrintedInTheChosenOrientation) {
    std::mt19937 caso(7);
    TFormGeneraSchedine g(sistema.Dati, caso, messaggi, scelta);
    g.NumeriFissi()->setValue(6);
    g.Schedine()->setValue(3);
    const auto pdf = cartella / "automatiche.pdf";
    test::QuandoModale<TFormStampaAutomatiche>([&](TFormStampaAutomatiche& d) {
        EXPECT_TRUE(d.Verticale()->isChecked());
        d.Orizzontale()->setChecked(true);
        scelta.Risposte.push_back(pdf.string());
        d.Pulsanti()->Pdf()->click();
        EXPECT_FALSE(d.isVisible());
    });
    g.GeneraEStampa()->click();
    EXPECT_EQ(PaginePdf(pdf), 3);  // one system ticket a page
    EXPECT_TRUE(sistema.Dati.Taratura.Orizzontale);
    TImpostazioniProgramma letta;
    LeggiConfigurazione(FileConfigurazione(), letta);
    EXPECT_TRUE(letta.Taratura.Orizzontale);

    // A random-cost range no ticket reaches: told, and nothing asked or printed.
    g.CostoCasuale()->click();
    for (int i = 0; i < 4; ++i) g.MassimoMeno()->click();  // 2..6
    g.GeneraEStampa()->click();
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{kErroreCostoImpossibile});
    EXPECT_EQ(scelta.Richieste.size(), 1u);
}

// Generated tickets that could not all be marked are refused before a file is asked for.
TEST_F(Stampe, GeneratedTicketsOutOfPlayAreRefused) {
    TSchedineDaStampare schedine;
    schedine.Semplici.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    schedine.Semplici.Accoda({3, 6, 1, 9, 5, 19, 2, 24});
    TFormStampaAutomatiche d(sistema.Dati, schedine, messaggi, scelta);
    EXPECT_EQ(d.Stampa(TModoStampa::SalvaPdf), TEsitoStampa::Annullata);
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"1 colonna contiene piloti fuori gioco (3 "
                                                        "6 1 9 5 19 2 24) e non può essere "
                                                        "stampata."});
    EXPECT_TRUE(scelta.Richieste.empty());
}

TEST_F(Stampe, EditorColumnsGoOnTicketsOnceTheyAreGood) {
    Apri();
    ConDialogo<TFormEditorColonne>("EditorColonne", [&](TFormEditorColonne& d) {
        TEditorColonne& e = d.Editor();
        for (int i = 1; i <= 3; ++i)
            e.ListaEditor.push_back(
                TListCol{TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15}});
        e.ListaEditor.push_back(TListCol{TColonna{1, 1, 2, 3, 4, 5, 6, 7}});
        d.Ridisegna();
        // A pilot twice in a column: told, and no print dialog (closed with a failure if it
        // came up).
        QTimer guardia;
        guardia.setSingleShot(true);
        QObject::connect(&guardia, &QTimer::timeout, [] {
            if (auto* b = qobject_cast<TFormStampaBollette*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "print dialog opened on faulty columns";
                b->reject();
            }
        });
        guardia.start(1000);
        d.Comando("StampaSuSchedine")->trigger();
        guardia.stop();
        EXPECT_EQ(messaggi.Errori.size(), 1u);

        e.ListaEditor[3].Colonna = {};
        d.Ridisegna();
        const auto pdf = cartella / "editor.pdf";
        test::QuandoModale<TFormStampaBollette>([&](TFormStampaBollette& b) {
            EXPECT_EQ(b.Colonne.Quante(), 3);
            scelta.Risposte.push_back(pdf.string());
            b.Pulsanti()->Pdf()->click();
        });
        d.Comando("StampaSuSchedine")->trigger();
        EXPECT_EQ(PaginePdf(pdf), 2);
        e.Modificato = false;
    });
}

// The printing dialogs.
// The disk fills up at the start, half way and on the very last bytes of the document: the
// PDF that was there stays, nothing is left beside it and the reason is told.
TEST(PdfSuDiscoPieno, AFileCutShortNeverReplacesTheOldOne) {
    test::CartellaTemporanea dir;
    const auto pdf = dir / "out.pdf";
    const auto disegno = [](TmmPrinter& p) {
        p.Inizia("Prova");
        for (int i = 0; i < 3; ++i) {
            if (i > 0) p.NuovaPagina();
            p.Scrivi(20, 20, "Pagina di prova " + std::to_string(i + 1));
        }
        p.Termina();
        return true;
    };
    ASSERT_TRUE(StampaSuPdfOrientata(pdf, "Prova", disegno, false));
    const auto buono = test::LeggiByte(pdf);
    ASSERT_EQ(PaginePdf(pdf), 3);
    for (const std::uint64_t limite : {std::uint64_t{0}, std::uint64_t{4096}, buono.size() - 8}) {
        SCOPED_TRACE(limite);
        TScrittore file(pdf);
        file.ImpostaLimite(limite);
        try {
            StampaSuPdfOrientata(file, "Prova", disegno, false);
            ADD_FAILURE() << "scritto oltre il limite";
        } catch (const TErroreStampa& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Impossibile scrivere il file PDF " + pdf.string() + ": disco pieno.");
        }
        EXPECT_EQ(test::LeggiByte(pdf), buono);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Percorso()), {}), 1);
    }
}

TEST(Schermate, Stampa) {
    SALTA_SENZA_SCHERMATE();
    test::TCartellaDiProva programma;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    T_Sistema sistema;
    sistema.NumPartecipanti = 3;
    sistema.Partecipanti = {"Anna", "Bruno", "Carla"};
    {
        TFrmTaratura d(sistema.Dati.Taratura, 23, 100, messaggi, scelta);
        test::SalvaSchermata(d, "taratura");
        d.Orizzontale()->setChecked(true);
        test::SalvaSchermata(d, "taratura-orizzontale");
    }
    {
        TFormStampaBollette d(sistema, messaggi, scelta);
        test::SalvaSchermata(d, "stampa-schedine");
    }
    {
        TFormImpostaTabulato d(sistema.Dati.Tabulato, sistema.Dati.Colonne, "Prova.Sst", messaggi,
                               scelta);
        test::SalvaSchermata(d, "impostazioni-tabulato");
    }
    {
        TFormStampaProspetto d(sistema, messaggi, scelta);
        test::SalvaSchermata(d, "stampa-prospetto");
    }
    {
        TFormStampaAutomatiche d(sistema.Dati, TSchedineDaStampare{}, messaggi, scelta);
        test::SalvaSchermata(d, "stampa-automatiche");
    }
}

// "Analisi Delle Colonne Filtrate" prints its tables as shown: levels up to 40 need two sheets.
TEST_F(Stampe, FilteredColumnsAnalysisToPdf) {
    TGestoreLink& g = *sistema.Dati.Recuperi;
    g.AzzeraStatistiche();
    for (int livello : {1, 40}) g.Gruppo('A')->StatLivelli.Aggiungi(livello, -1, false);
    TFrmRecAna d(g, 'A', messaggi, scelta);
    const auto pdf = cartella / "filtrate.pdf";
    scelta.Risposte.push_back(pdf.string());
    d.PulsantiStampa()->Pdf()->click();
    EXPECT_EQ(PaginePdf(pdf), 2);
    EXPECT_TRUE(messaggi.Errori.empty());
}
