#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <sstream>

#include "CondizioniDiProva.h"
#include "FinestraDiProva.h"
#include "app/ui/TFormAiuto.h"
#include "cli/Cli.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmCondizione.h"
#include "conditions/ui/TFrmResti.h"
#include "conditions/ui/TFrmSomme.h"
#include "conditions/ui/TFrmValori.h"
#include "development/ui/TFrmSviluppo.h"
#include "support/Supporto.h"
#include "widgets/TGrigliaIntervalli.h"
#include "widgets/TLGraphpt.h"

using namespace sirvela;

using test::Clic;
using test::Editore;

namespace {

void Scrivi(TGrigliaIntervalli& g, int pagina, int colonna, const char* min, const char* max) {
    g.Pagina(pagina)->item(0, colonna)->setText(min);
    g.Pagina(pagina)->item(1, colonna)->setText(max);
}

struct Condizioni : test::TFinestraDiProva {
    Condizioni() {
        for (int p = 0; p < 8; ++p)
            for (int v = p + 1; v <= p + 5; ++v) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    }
    template <class T>
    T& Slot(int slot) {
        return dynamic_cast<T&>(*sistema.Dati.Condizioni->Condizione(slot));
    }
    QMenu* Menu() { return f->menuBar()->findChild<QMenu*>("MenuCondizioni"); }
    // The check marks as the menu shows them when it opens.
    bool Spuntata(const char* nome) {
        emit Menu()->aboutToShow();
        return f->Azione(nome)->isChecked();
    }
};

}  // namespace

TEST_F(Condizioni, MenuOffersTheDialogsThatExistUnderTheRules) {
    Apri();
    QStringList menu;
    for (QAction* a : f->menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu.mid(0, 3), (QStringList{"&Sistemi", "&Condizioni", "&Elaborazione"}));
    QStringList voci;
    for (QAction* a : Menu()->actions()) voci << a->text();
    EXPECT_EQ(voci, (QStringList{"Somme", "Consecutività Numerica", "Numero di Sequenze",
                                 "Pari e Dispari", "Crescenze e Decrescenze",
                                 "Consecutività Differenziata", "Baricentri", "Distanze Globali",
                                 "Distanze Specifiche", "Interruzioni", "Vortici", "Simmetrie",
                                 "Resti", "Ripetizioni", "Colonne Filtro", "Sequele", "Quadri",
                                 "Link", "Punti Tra"}));
    EXPECT_EQ(f->Azione("CondSomme")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(f->Azione("CondPariDispari")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(Menu()->menuAction()->isEnabled());
    // Without conditions in use, or with nothing to develop, the menu and its keys are off.
    sistema.Dati.ImpSviluppo.UsaCondizioni = false;
    f->AggiornaStatoMenu();
    EXPECT_FALSE(Menu()->menuAction()->isEnabled());
    EXPECT_FALSE(f->Azione("CondSomme")->isEnabled());
    sistema.Dati.ImpSviluppo.UsaCondizioni = true;
    f->PulsanteAzzera()->click();
    EXPECT_FALSE(f->Azione("CondResti")->isEnabled());
}

TEST_F(Condizioni, ValueTablesOkAnnullaAndAzzera) {
    Apri();
    sistema.Modificato = false;
    auto& pd = Slot<TCondPariDispari>(kPariDispari);
    ConDialogo<TFrmPariDispari>("CondPariDispari", [](TFrmPariDispari& d) {
        TLGraphpt& pari = Editore(d, "PtPari");
        EXPECT_EQ(pari.Modello().PtTotali(), 9);
        Clic(pari, 4);
        Clic(pari, 2);
        Clic(pari, 2);
        EXPECT_EQ(pari.Modello().Grado(2), 2);
        QTest::keyClick(pari.Lettera(), Qt::Key_Down);
        pari.PulsanteModo(TModelloGraphpt::kModoCons)->click();
        Clic(pari, 3);
        d.BtnOk()->click();
    });
    EXPECT_EQ(pd.Pari.Principale.Voci[4].Stato, 1);
    EXPECT_EQ(pd.Pari.Principale.Voci[2], (TVoceValore{2, 1}));
    EXPECT_EQ(pd.Pari.Principale.LetteraLink, 'B');
    EXPECT_EQ(pd.Pari.Secondaria.Voci[3].Stato, 1);
    EXPECT_TRUE(pd.Attivo);
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_TRUE(Spuntata("CondPariDispari"));
    EXPECT_FALSE(Spuntata("CondBaricentri"));

    // "Annulla" after edits, and "OK" with nothing touched, leave the document as it was.
    sistema.Modificato = false;
    const auto prima = pd.Pari.Principale.Voci;
    ConDialogo<TFrmPariDispari>("CondPariDispari", [](TFrmPariDispari& d) {
        Clic(Editore(d, "PtPari"), 4);
        d.Disattivato()->click();
        d.BtnAnnulla()->click();
    });
    ConDialogo<TFrmPariDispari>("CondPariDispari", [](TFrmPariDispari& d) { d.BtnOk()->click(); });
    EXPECT_EQ(pd.Pari.Principale.Voci, prima);
    EXPECT_TRUE(pd.Attivato);
    EXPECT_FALSE(sistema.Modificato);

    // "Azzera " empties the editors and switches on; the object follows on "OK" only.
    pd.Attivato = false;
    ConDialogo<TFrmPariDispari>("CondPariDispari", [&](TFrmPariDispari& d) {
        EXPECT_TRUE(d.Disattivato()->isChecked());
        d.BtnAzzera()->click();
        EXPECT_EQ(Editore(d, "PtPari").Modello().Grado(4), 0);
        EXPECT_TRUE(d.Attivato()->isChecked());
        EXPECT_EQ(pd.Pari.Principale.Voci[4].Stato, 1);
        d.BtnOk()->click();
    });
    EXPECT_EQ(pd.Pari.Principale.Voci[4].Stato, 0);
    EXPECT_TRUE(pd.Attivato);
    EXPECT_FALSE(Spuntata("CondPariDispari"));

    // The other dialogs of the family show their categories' values.
    ConDialogo<TFrmBaricentri>("CondBaricentri", [](TFrmBaricentri& d) {
        EXPECT_EQ(Editore(d, "PtPari").Modello().PtTotali(), 90);
        EXPECT_EQ(Editore(d, "PtDispari").Modello().PtTotali(), 89);
    });
    ConDialogo<TFrmDistanzeGlb>("CondDistanzeGlobali", [](TFrmDistanzeGlb& d) {
        EXPECT_EQ(Editore(d, "PtTotale").Modello().PtTotali(), 90);
    });
}

TEST_F(Condizioni, EachDialogOpensItsOwnHelpTopic) {
    Apri();
    test::TMessaggiFinti m;
    for (int tipo : {kSomme, kPariDispari, kBaricentri, kDistanzeGlobali, kGruppoDistanzeSpecifiche,
                     kGruppoResti}) {
        auto d = CreaDialogoCondizione(tipo, m, f.get());
        d->ImpostaOggetto(*sistema.Dati.Condizioni->Condizione(tipo));
        bool visto = false;
        test::QuandoModale<TFormAiuto>([&](TFormAiuto& a) {
            visto = true;
            EXPECT_EQ(a.Testo()->documentTitle(), d->windowTitle());
        });
        d->BtnAiuto()->click();
        EXPECT_TRUE(visto);
    }
}

TEST_F(Condizioni, SommeChecksTheGridsOnOk) {
    Apri();
    auto& s = Slot<TCondSomme>(kSomme);
    ConDialogo<TFrmSomme>("CondSomme", [&](TFrmSomme& d) {
        TGrigliaIntervalli& tutti = *d.Griglie()[0];
        // The notebook is as tall as the page in front: no empty band under the short one.
        const auto sotto = [](const QTableWidget* t) {
            return t->parentWidget()->height() - t->geometry().bottom() - 1;
        };
        EXPECT_LE(sotto(tutti.Pagina(0)), 4);  // the pane's own frame
        const int bassa = d.height();
        tutti.setCurrentIndex(1);
        QApplication::processEvents();
        EXPECT_GT(d.height(), bassa);
        tutti.setCurrentIndex(0);
        QApplication::processEvents();
        EXPECT_EQ(d.height(), bassa);
        Scrivi(tutti, 0, 0, "100", "120");
        Scrivi(tutti, 1, 1, "121", "130");
        Scrivi(tutti, 1, 4, "125", "140");  // overlaps the one before
        d.BtnOk()->click();
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(messaggi.Domande.size(), 1u);
        EXPECT_EQ(messaggi.Domande[0].Titolo, "Informazione");
        EXPECT_EQ(messaggi.Domande[0].Testo, kErroreIntervalliContigui);
        EXPECT_EQ(tutti.currentIndex(), 1);
        EXPECT_EQ(tutti.Pagina(1)->currentColumn(), 4);
        EXPECT_EQ(s.Tutti.Quanti, 0);
        Scrivi(tutti, 1, 4, "", "");
        tutti.Lettera()->setCurrentIndex(2);
        emit tutti.Lettera()->activated(2);
        d.BtnOk()->click();
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(s.Tutti.Quanti, 2);
    EXPECT_EQ(s.Tutti.Intervalli[0], (TIntervallo{100, 120, 1, 0}));
    EXPECT_EQ(s.Tutti.Intervalli[1], (TIntervallo{121, 130, 2, 1}));
    EXPECT_EQ(s.Tutti.LetteraLink, 'C');
    EXPECT_TRUE(Spuntata("CondSomme"));

    // A second opening shows the list back on its pages.
    ConDialogo<TFrmSomme>("CondSomme", [](TFrmSomme& d) {
        EXPECT_EQ(d.Griglie()[0]->Pagina(0)->item(1, 0)->text(), "120");
        EXPECT_EQ(d.Griglie()[0]->Pagina(1)->item(0, 0)->text(), "121");
        d.BtnAzzera()->click();
        EXPECT_EQ(d.Griglie()[0]->Pagina(0)->item(0, 0)->text(), "");
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(s.Tutti.Quanti, 2);
}

TEST_F(Condizioni, ContainersAddNavigateAndDeleteMembers) {
    Apri();
    auto& resti = Slot<TCondGruppo>(kGruppoResti);
    ConDialogo<TFrmResti>("CondResti", [](TFrmResti& d) {
        EXPECT_EQ(d.BoxStato()->title(), "Stato generale :");
        EXPECT_FALSE(d.EliminaBtn()->isEnabled());
        EXPECT_FALSE(d.Divisore()->isEnabled());
        EXPECT_EQ(d.Numero()->text(), "Nessun Resto");
        d.AggiungiBtn()->click();
        EXPECT_EQ(d.Numero()->text(), "Resto Nº 1 di 1");
        EXPECT_EQ(d.Divisore()->value(), 8);
        d.Divisore()->setValue(7);
        Clic(Editore(d, "PtResto"), 1);
        d.AggiungiBtn()->click();
        d.Divisore()->setValue(9);
        Clic(Editore(d, "PtResto"), 4);
        d.DisattivatoS()->click();
        EXPECT_TRUE(d.BtnPrimo()->isEnabled());
        EXPECT_FALSE(d.BtnUltimo()->isEnabled());
        d.BtnPrecedente()->click();
        EXPECT_EQ(d.Divisore()->value(), 7);
        EXPECT_TRUE(d.AttivatoS()->isChecked());
        d.BtnOk()->click();
    });
    ASSERT_EQ(resti.QuantiMembri(), 2);
    auto& secondo = static_cast<TCondResti&>(*resti.Membro(1));
    EXPECT_EQ(secondo.Divisore, 9);
    EXPECT_EQ(secondo.Resto.Principale.Voci[4].Stato, 1);
    EXPECT_FALSE(secondo.Attivato);
    EXPECT_TRUE(Spuntata("CondResti"));

    // Deleting and then "Annulla": the container keeps both.
    ConDialogo<TFrmResti>("CondResti", [](TFrmResti& d) {
        d.EliminaBtn()->click();
        EXPECT_EQ(d.Numero()->text(), "Resto Nº 1 di 1");
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(resti.QuantiMembri(), 2);

    auto& ds = Slot<TCondGruppo>(kGruppoDistanzeSpecifiche);
    ConDialogo<TFrmDistanzePart>("CondDistanzeSpecifiche", [](TFrmDistanzePart& d) {
        EXPECT_EQ(d.Numero()->text(), "Nessuna Distanza");
        d.AggiungiBtn()->click();
        d.PrimaPosizione()->setValue(5);  // not below the second (2): one under it
        EXPECT_EQ(d.PrimaPosizione()->value(), 1);
        d.SecondaPosizione()->setValue(6);
        d.PrimaPosizione()->setValue(5);
        d.SecondaPosizione()->setValue(3);  // not above the first: one over it
        EXPECT_EQ(d.SecondaPosizione()->value(), 6);
        d.BtnOk()->click();
    });
    ASSERT_EQ(ds.QuantiMembri(), 1);
    auto& m = static_cast<TCondDistanzeSpecifiche&>(*ds.Membro(0));
    EXPECT_EQ(std::pair(m.Posizione1, m.Posizione2), std::pair(5, 6));
    // A member without accepted values is not in play.
    EXPECT_FALSE(Spuntata("CondDistanzeSpecifiche"));
}

// What a user sets from the menu develops into exactly the columns the command line gives
// for the same system saved to disk.
TEST_F(Condizioni, DevelopmentMatchesTheCommandLineOnTheSavedSystem) {
    Apri();
    // Link "B" tolerates one error per column.
    for (int v : {0, 1})
        sistema.Dati.Recuperi->Gruppo('B')->ErroriAmmessi.Principale.Voci[v] = {1, 0};
    ConDialogo<TFrmSomme>("CondSomme", [](TFrmSomme& d) {
        Scrivi(*d.Griglie()[0], 0, 0, "30", "52");
        Scrivi(*d.Griglie()[0], 0, 1, "55", "60");
        d.BtnOk()->click();
    });
    ConDialogo<TFrmPariDispari>("CondPariDispari", [](TFrmPariDispari& d) {
        TLGraphpt& pari = Editore(d, "PtPari");
        for (int v : {3, 4, 5}) Clic(pari, v);
        Clic(pari, 2);
        Clic(pari, 2);
        QTest::keyClick(pari.Lettera(), Qt::Key_Down);
        d.BtnOk()->click();
    });
    ConDialogo<TFrmResti>("CondResti", [](TFrmResti& d) {
        d.AggiungiBtn()->click();
        d.Divisore()->setValue(7);
        for (int v : {0, 2, 3, 5, 6}) Clic(Editore(d, "PtResto"), v);
        d.AggiungiBtn()->click();
        d.Divisore()->setValue(4);
        for (int v : {1, 2, 3}) Clic(Editore(d, "PtResto"), v);
        d.BtnOk()->click();
    });
    ConDialogo<TFrmDistanzePart>("CondDistanzeSpecifiche", [](TFrmDistanzePart& d) {
        EXPECT_EQ(d.Numero()->text(), "Nessuna Distanza");
        d.AggiungiBtn()->click();
        d.SecondaPosizione()->setValue(8);
        for (int v = 4; v <= 11; ++v) Clic(Editore(d, "PtDistanza"), v);
        d.BtnOk()->click();
    });
    EXPECT_EQ(Slot<TCondPariDispari>(kPariDispari).Pari.Principale.LetteraLink, 'B');

    const auto colonne = test::SviluppaComeLaRigaDiComando(*this, "Condizioni.Sst");
    EXPECT_GT(colonne, 0);
    EXPECT_LT(colonne, sistema.Dati.Pronostico.ColonneIniziali());
}
