#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "FinestraDiProva.h"
#include "app/ui/TFormCommento.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "support/Finti.h"
#include "support/Supporto.h"
#include "widgets/TGraphNumSelector.h"

using namespace sirvela;

namespace {

std::vector<int> Lista(const TCombinazione& c) {
    return std::vector<int>(c.Numeri.begin(), c.Numeri.begin() + c.Conta());
}

struct FinestraPrincipale : test::TFinestraDiProva {
    FinestraPrincipale() {
        sistema.Dati.NomiPiloti[9] = "";
        sistema.Dati.PilotaEscluso = 9;
    }
};

}  // namespace

TEST_F(FinestraPrincipale, StartsWithTheDefaultBackgroundAndAnUnmodifiedDocument) {
    Apri();
    EXPECT_TRUE((messaggi.Domande.empty() && messaggi.Errori.empty()));
    EXPECT_TRUE(std::filesystem::exists(CartellaSfondi() / "Deep_sea.Bmp"));
    EXPECT_FALSE(f->Sfondo()->Immagine().isNull());
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - SenzaNome.Sst");
    EXPECT_FALSE(sistema.Modificato);
    EXPECT_TRUE(f->Animazione()->Attiva());
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 0");
    EXPECT_EQ(Testo(f->PannelloIniziali()), " Colonne Iniziali : 0");
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : ");
    EXPECT_EQ(f->CampoConcorso()->text(), "1");

    for (int p = 1; p <= 8; ++p) {
        TGraphNumSelector* s = f->Selettore(p);
        EXPECT_EQ(s->width(), 23 * (450 / 23) + 4);
        EXPECT_EQ(s->Colonne(), 23);
        EXPECT_EQ(s->MaxNumeri(), 23);
        EXPECT_FALSE(s->Selezionabili().Contiene(9));
        EXPECT_TRUE(s->Selezionabili().Contiene(23));
        EXPECT_FALSE(s->Selezionabili().Contiene(24));
    }

    f->resize(500, 300);
    EXPECT_GE(f->width(), 640);
    EXPECT_GE(f->height(), 480);
}

TEST_F(FinestraPrincipale, AMissingBackgroundIsReportedAndTheProgramGoesOn) {
    sistema.Dati.Sfondo = (cartella / "nessuno.bmp").string();
    Apri();
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Impossibile caricare lo Sfondo"});
    EXPECT_TRUE(f->Sfondo()->Immagine().isNull());
    EXPECT_TRUE(f->isVisible());
}

TEST_F(FinestraPrincipale, SelectingPilotsUpdatesTheSetsCountsAndCommands) {
    Apri();
    Clicca(1, 5);
    Clicca(1, 9);  // the excluded pilot cannot be chosen
    EXPECT_EQ(Lista(sistema.Dati.Pronostico.Posizione[0]), std::vector<int>{5});
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 1");
    EXPECT_EQ(Testo(f->PannelloIniziali()), " Colonne Iniziali : 0");
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_FALSE(f->StatoComandi().CalcoloColonne);

    for (int p = 2; p <= 8; ++p) Clicca(p, p);
    Clicca(1, 12);
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 9");
    EXPECT_EQ(Testo(f->PannelloIniziali()), " Colonne Iniziali : 2");
    EXPECT_TRUE(f->StatoComandi().CalcoloColonne);

    // Columns in memory show with their cost and enable saving them...
    QAction* salvaColonne = f->Azione("SalvaColonne");
    ASSERT_NE(salvaColonne, nullptr);
    EXPECT_FALSE(salvaColonne->isEnabled());
    for (int i = 0; i < 1234; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaConteggi();
    f->AggiornaStatoMenu();
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : 1234 (£ 1.234.000)");
    EXPECT_TRUE(salvaColonne->isEnabled());
    // ...until the selection changes.
    Clicca(3, 20);
    EXPECT_TRUE(sistema.Dati.Colonne.Vuota());
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : ");
    EXPECT_FALSE(salvaColonne->isEnabled());

    f->PulsanteAzzera()->click();
    for (const auto& p : sistema.Dati.Pronostico.Posizione) EXPECT_EQ(p.Conta(), 0);
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(f->Selettore(p)->Selezionati().Conta(), 0);
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 0");
    EXPECT_EQ(Testo(f->PannelloIniziali()), " Colonne Iniziali : 0");
}

TEST_F(FinestraPrincipale, ThePilotDialogChangesItsPosition) {
    sistema.Dati.Pronostico.Posizione[3].Aggiungi(7);
    Apri();
    EXPECT_EQ(Lista(f->Selettore(4)->Selezionati()), std::vector<int>{7});
    test::QuandoModale<TFormSelezionePiloti>([](TFormSelezionePiloti& dialogo) {
        auto* d = &dialogo;
        EXPECT_EQ(d->windowTitle(), "Seleziona i piloti nella 4º posizione");
        d->CliccaCella(2);   // pilot 3 on
        d->CliccaCella(6);   // pilot 7 off
        d->CliccaCella(15);  // pilot 16 on
        d->accept();
    });
    f->PulsanteP(4)->click();
    EXPECT_EQ(Lista(sistema.Dati.Pronostico.Posizione[3]), (std::vector<int>{3, 16}));
    EXPECT_EQ(Lista(f->Selettore(4)->Selezionati()), (std::vector<int>{3, 16}));
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 2");
    EXPECT_TRUE(sistema.Modificato);
}

TEST_F(FinestraPrincipale, ContestBoxTakesWholeNumbers) {
    Apri();
    f->CampoConcorso()->selectAll();
    QTest::keyClicks(f->CampoConcorso(), "4x2");
    EXPECT_EQ(f->CampoConcorso()->text(), "42");
    EXPECT_EQ(sistema.Dati.Concorso, 42);
    EXPECT_TRUE(sistema.Modificato);
    f->CampoConcorso()->clear();  // an empty box keeps the last number
    EXPECT_EQ(sistema.Dati.Concorso, 42);
}

TEST_F(FinestraPrincipale, OnlyCommandsThatExistAreOffered) {
    Apri();
    QStringList menu;
    for (QAction* a : f->menuBar()->actions()) menu << a->text();
    EXPECT_TRUE(menu.contains("&Sistemi"));
    EXPECT_TRUE(menu.contains("&Help"));
    EXPECT_TRUE(menu.contains("&Condizioni"));
    QStringList sistemi;
    for (QAction* a : f->menuBar()->findChild<QMenu*>("MenuSistemi")->actions())
        if (!a->isSeparator()) sistemi << a->text();
    EXPECT_EQ(sistemi, (QStringList{"Nuovo", "Carica", "Salva", "Salva Come", "Cancella",
                                    "Commento", "Partecipanti", "Uscita"}));
    EXPECT_EQ(f->Azione("Carica")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(f->Azione("Salva")->shortcut(), QKeySequence(Qt::Key_F2));
    QStringList suggerimenti;
    for (QAction* a : f->findChild<QToolBar*>("BarraStrumenti")->actions())
        if (!a->isSeparator()) suggerimenti << a->toolTip();
    EXPECT_EQ(suggerimenti,
              (QStringList{"Nuovo Sistema", "Carica Sistema", "Salva Sistema", "Commento",
                           "Sviluppo", "Visualizza colonne", "Spoglio", "Aggiornamento Archivi",
                           "Help", "Uscita"}));
    EXPECT_EQ(f->Azione("Spoglio"), nullptr);
    EXPECT_EQ(f->Azione("Sommario")->text(), "Sommario");
}

TEST_F(FinestraPrincipale, SaveAndLoadASystemThroughTheMenu) {
    Apri();
    for (int p = 1; p <= 8; ++p) Clicca(p, p + 10);
    Clicca(8, 1);
    f->CampoConcorso()->setText("17");
    const std::string file = (CartellaSistemi() / "Prova.Sst").string();

    // "Salva" on a new document asks for a name in the systems folder.
    scelta.Risposte.push_back(file);
    f->Azione("Salva")->trigger();
    ASSERT_EQ(scelta.Richieste.size(), 1u);
    EXPECT_EQ(scelta.Richieste[0].Nome, "SenzaNome.Sst");
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(sistema.Modificato);
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - Prova.Sst");

    // "Nuovo" empties the document and the window.
    f->Azione("Nuovo")->trigger();
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 0");
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - SenzaNome.Sst");
    EXPECT_EQ(f->CampoConcorso()->text(), "1");
    EXPECT_FALSE(sistema.Modificato);

    // "Carica" (F3) brings everything back.
    scelta.Risposte.push_back(file);
    QTest::keyClick(f.get(), Qt::Key_F3);
    ASSERT_EQ(scelta.Richieste.size(), 2u);
    EXPECT_EQ(scelta.Richieste[1].Titolo, "Caricare il Sistema");
    EXPECT_TRUE(messaggi.Errori.empty());
    EXPECT_EQ(Lista(f->Selettore(8)->Selezionati()), (std::vector<int>{18, 1}));
    EXPECT_EQ(Lista(sistema.Dati.Pronostico.Posizione[0]), std::vector<int>{11});
    EXPECT_EQ(Testo(f->PannelloTotali()), " Piloti selezionati : 9");
    EXPECT_EQ(Testo(f->PannelloIniziali()), " Colonne Iniziali : 2");
    EXPECT_EQ(f->CampoConcorso()->text(), "17");
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - Prova.Sst");
    EXPECT_FALSE(sistema.Modificato);

    // A change, then F2 writes silently to the same file.
    Clicca(2, 20);
    EXPECT_TRUE(sistema.Modificato);
    QTest::keyClick(f.get(), Qt::Key_F2);
    EXPECT_EQ(scelta.Richieste.size(), 2u);
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(FinestraPrincipale, LoadingKeepsTheColumnsOfTheFile) {
    Apri();
    for (int p = 1; p <= 8; ++p) Clicca(p, p);
    for (int i = 0; i < 1001; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    sistema.NomeFile = (CartellaSistemi() / "Colonne.Sst").string();
    sistema.SenzaNome = false;
    ASSERT_TRUE(sistema.SalvaSistema());
    sistema.Dati.Colonne.Svuota();
    Clicca(1, 15);

    messaggi.Risposte.push_back(PulsanteNo);  // the changed system is not saved
    scelta.Risposte.push_back(sistema.NomeFile);
    f->Azione("Carica")->trigger();
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo, "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ");
    // Redrawing the selectors while loading must not drop the columns just read.
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 1001);
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : 1001 (£ 1.001.000)");
    EXPECT_TRUE(f->Azione("SalvaColonne")->isEnabled());

    // "Colonne" > "Salva" writes them where the user says.
    const std::string file = (CartellaColonne() / "Mille.Scl").string();
    scelta.Risposte.push_back(file);
    f->Azione("SalvaColonne")->trigger();
    EXPECT_EQ(scelta.Richieste.back().Titolo, "Salva le Colonne");
    EXPECT_EQ(std::filesystem::file_size(file), 8008u);
    EXPECT_TRUE(f->Animazione()->Attiva());
}

TEST_F(FinestraPrincipale, ClosingAsksWhileTheSystemIsModified) {
    Apri();
    EXPECT_TRUE(f->close());  // nothing to save: no question
    EXPECT_TRUE(messaggi.Domande.empty());

    Apri();
    Clicca(1, 4);
    messaggi.Risposte = {PulsanteAnnulla, 0};
    EXPECT_FALSE(f->close());
    EXPECT_FALSE(f->close());  // closing the box keeps the window too
    EXPECT_TRUE(f->isVisible());
    ASSERT_EQ(messaggi.Domande.size(), 2u);
    EXPECT_EQ(messaggi.Domande[0].Titolo, "Informazione");
    EXPECT_EQ(messaggi.Domande[0].Pulsanti, PulsanteSi | PulsanteNo | PulsanteAnnulla);
    // "Si" with the name dialog cancelled keeps the window and the unsaved system.
    messaggi.Risposte = {PulsanteSi};
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(sistema.Modificato);
    // "Si" and a name: saved, then closed.
    messaggi.Risposte = {PulsanteSi};
    scelta.Risposte = {(CartellaSistemi() / "Chiuso.Sst").string()};
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(std::filesystem::exists(CartellaSistemi() / "Chiuso.Sst"));

    Apri();
    Clicca(1, 5);
    messaggi.Risposte = {PulsanteNo};
    EXPECT_TRUE(f->close());
}

TEST_F(FinestraPrincipale, OneArgumentOpensThatSystem) {
    sistema.Dati.Pronostico.Posizione[5].Aggiungi(11);
    for (int i = 0; i < 3; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    sistema.NomeFile = (CartellaSistemi() / "Avvio.Sst").string();
    ASSERT_TRUE(sistema.SalvaSistema());
    sistema.Nuovo();

    Apri({QString::fromStdString((CartellaSistemi() / "Avvio.Sst").string())});
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - Avvio.Sst");
    EXPECT_EQ(Lista(f->Selettore(6)->Selezionati()), std::vector<int>{11});
    EXPECT_FALSE(sistema.Modificato);
    // The columns saved with the system survive the first redraw.
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 3);
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : 3 (£ 3.000)");
    f.reset();

    sistema.Nuovo();
    Apri({QString::fromStdString((CartellaSistemi() / "Avvio.Sst").string()), "altro"});
    EXPECT_EQ(f->windowTitle(), "Sirvela 1.0 - SenzaNome.Sst");  // two arguments: none opened
    EXPECT_EQ(f->Selettore(6)->Selezionati().Conta(), 0);
}

TEST_F(FinestraPrincipale, ThePilotListChangesTheSelectorsAndTheSettingsFiles) {
    for (int v : {3, 22, 23}) sistema.Dati.Pronostico.Posizione[0].Aggiungi(v);
    Apri();
    test::QuandoModale<TFormListaPiloti>([](TFormListaPiloti& dialogo) {
        auto* d = &dialogo;
        d->CampoNumero()->setValue(21);
        d->Tabella()->item(2, 1)->setText("  ");  // pilot 3 loses his name
        d->Tabella()->item(8, 1)->setText("Nono");
        d->accept();
    });
    f->Azione("ListaPiloti")->trigger();
    EXPECT_EQ(NumeroPiloti, 21);
    EXPECT_EQ(sistema.Dati.PilotaEscluso, 3);
    EXPECT_EQ(sistema.Dati.NomiPiloti[9], "Nono");
    EXPECT_EQ(f->Selettore(1)->Colonne(), 21);
    EXPECT_EQ(f->Selettore(1)->width(), 21 * (450 / 21) + 4);
    EXPECT_FALSE(f->Selettore(1)->Selezionabili().Contiene(3));
    EXPECT_TRUE(f->Selettore(1)->Selezionabili().Contiene(9));
    // Pilots 3 and 22, 23 are out of the game now.
    EXPECT_EQ(Lista(sistema.Dati.Pronostico.Posizione[0]), std::vector<int>{});
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_TRUE(std::filesystem::exists(CartellaProgramma / "Sirvela.cfg"));
    const auto lista = test::LeggiByte(CartellaProgramma / "listapiloti.txt");
    EXPECT_EQ(std::count(lista.begin(), lista.end(), '\n'), 21);
    EXPECT_TRUE(messaggi.Errori.empty());
}

TEST_F(FinestraPrincipale, CommentAndParticipantsGoIntoTheDocument) {
    Apri();
    test::QuandoModale<TFormCommento>([](TFormCommento& dialogo) {
        auto* d = &dialogo;
        d->Testo()->setPlainText("Sistema per il GP\nseconda riga");
        d->accept();
    });
    f->Azione("BarraCommento")->trigger();
    EXPECT_EQ(sistema.Commento, (std::vector<std::string>{"Sistema per il GP", "seconda riga"}));
    EXPECT_TRUE(sistema.Modificato);

    for (int i = 0; i < 1234; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStato();
    messaggi.Risposte = {PulsanteOk};
    test::QuandoModale<TFormPartecipanti>([](TFormPartecipanti& dialogo) {
        auto* d = &dialogo;
        d->CampoNumero()->setValue(4);
        d->CampoSpecifica()->setChecked(true);
        d->CampoNomi()->setPlainText("Anna\nBruno");
        d->accept();  // two names for four: refused, the dialog stays
        EXPECT_TRUE(d->isVisible());
        d->CampoNomi()->setPlainText("Anna\n \nBruno\nCarla\nDario");
        d->accept();
    });
    f->Azione("Partecipanti")->trigger();
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo,
              "Il numero dei nomi dei soci non corrisponde a quello specificato");
    EXPECT_EQ(sistema.NumPartecipanti, 4);
    EXPECT_EQ(sistema.Partecipanti.size(), 4u);
    EXPECT_EQ(Testo(f->PannelloFinali()), " Colonne Finali : 1234 (£ 308.500 1/4)");
}
