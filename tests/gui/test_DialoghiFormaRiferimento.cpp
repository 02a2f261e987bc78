#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "CondizioniDiProva.h"
#include "app/ui/TFormAiuto.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/test_ProprietaComuni.h"
#include "conditions/ui/TFrmBlackHall.h"
#include "conditions/ui/TFrmConsecDiff.h"
#include "conditions/ui/TFrmNumeroDiSequenze.h"
#include "conditions/ui/TFrmRiferimento.h"
#include "conditions/ui/TFrmRipetizioni.h"
#include "conditions/ui/TFrmValori.h"
#include "widgets/TGraphNumSelector.h"
#include "widgets/TLCasSelector.h"

using namespace sirvela;
using test::Clic;
using test::Editore;

namespace {

constexpr int kCons = TModelloGraphpt::kModoCons;

struct FormaRiferimento : test::TFinestraDiProva {
    FormaRiferimento() {
        for (int p = 0; p < 8; ++p)
            for (int v = p + 1; v <= p + 5; ++v) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    }
    template <class T>
    T& Slot(int slot) {
        return dynamic_cast<T&>(*sistema.Dati.Condizioni->Condizione(slot));
    }
    template <class T>
    T& Membro(int slot, int indice) {
        return dynamic_cast<T&>(*Slot<TCondGruppo>(slot).Membro(indice));
    }
    bool Spuntata(const char* nome) {
        emit f->menuBar()->findChild<QMenu*>("MenuCondizioni")->aboutToShow();
        return f->Azione(nome)->isChecked();
    }
    void Archivio(std::initializer_list<TColonna> risultati) {
        auto& e = sistema.Dati.Archivio.Estrazioni;
        e.clear();
        for (const TColonna& r : risultati) e.push_back({1, 2001, r});
    }
    // Types into an entry cell (1-based) as the user does.
    static void Scrivi(TLCasSelector& c, int cella, const char* testo) {
        c.Cella(cella)->clear();
        QTest::keyClicks(c.Cella(cella), testo);
    }
    static void ClicPilota(TGraphNumSelector& s, int pilota) {
        const QPoint c = s.RettangoloCella(pilota).center();
        QTest::mousePress(&s, Qt::LeftButton, {}, c);
        QTest::mouseRelease(&s, Qt::LeftButton, {}, c);
    }
};

}  // namespace

TEST_F(FormaRiferimento, MenuItemsAndShortcutOpenTheirDialogsWithTheirHelp) {
    Apri();
    bool visto = false;
    test::QuandoModale<TFrmListaCombFiltro>([&](TFrmListaCombFiltro&) { visto = true; });
    QTest::keyClick(f.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(visto);
    const std::pair<const char*, const char*> voci[] = {
        {"CondConsecutivitaNumerica", "FrmNumCons"},
        {"CondNumeroSequenze", "FrmNumeroDiSequenze"},
        {"CondCrescenzeDecrescenze", "FrmCrescenzeDecrescenze"},
        {"CondConsecutivitaDifferenziata", "FrmConsecDiff"},
        {"CondInterruzioni", "FrmInterruzioni"},
        {"CondVortici", "FrmBlackHall"},
        {"CondSimmetrie", "FrmSimmetrie"},
        {"CondRipetizioni", "FrmRipetizioni"},
        {"CondColonneFiltro", "FrmListaCombFiltro"},
        {"CondSequele", "FrmSequela"},
    };
    for (const auto& [comando, dialogo] : voci) {
        ConDialogo<TFrmCondizione>(comando, [&](TFrmCondizione& d) {
            EXPECT_EQ(d.objectName(), dialogo);
            bool aiuto = false;
            test::QuandoModale<TFormAiuto>([&](TFormAiuto& a) {
                aiuto = true;
                // The contents page shows titles with single blanks.
                EXPECT_EQ(a.Testo()->documentTitle(), d.windowTitle().simplified());
            });
            d.BtnAiuto()->click();
            EXPECT_TRUE(aiuto) << dialogo;
        });
    }
}

TEST_F(FormaRiferimento, ValueTablesOfRunsAndShapes) {
    Apri();
    sistema.Modificato = false;
    auto& cd = Slot<TCondCrescenzeDecrescenze>(kCrescenzeDecrescenze);
    ConDialogo<TFrmCrescenzeDecrescenze>("CondCrescenzeDecrescenze",
                                         [](TFrmCrescenzeDecrescenze& d) {
                                             TLGraphpt& c = Editore(d, "PtCrescenze");
                                             EXPECT_EQ(c.Modello().PtTotali(), 8);
                                             Clic(c, 3);
                                             c.PulsanteModo(kCons)->click();
                                             Clic(c, 2);
                                             d.BtnOk()->click();
                                         });
    EXPECT_EQ(cd.Crescenze.Principale.Voci[3].Stato, 1);
    EXPECT_EQ(cd.Crescenze.Secondaria.Voci[2].Stato, 1);
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_TRUE(Spuntata("CondCrescenzeDecrescenze"));
    ConDialogo<TFrmCrescenzeDecrescenze>("CondCrescenzeDecrescenze",
                                         [](TFrmCrescenzeDecrescenze& d) {
                                             Clic(Editore(d, "PtDecrescenze"), 4);
                                             d.BtnAnnulla()->click();
                                         });
    EXPECT_EQ(cd.Decrescenze.Principale.Voci[4].Stato, 0);

    // The longest chain starts at 1.
    ConDialogo<TFrmNumCons>("CondConsecutivitaNumerica", [](TFrmNumCons& d) {
        TLGraphpt& e = Editore(d, "PtConsecutivita");
        EXPECT_EQ(e.Modello().ValoreBox(0), 1);
        EXPECT_EQ(e.Modello().Box(), 8);
        Clic(e, 0);
        d.BtnOk()->click();
    });
    EXPECT_EQ(
        Slot<TCondNumeriConsecutivi>(kNumeriConsecutivi).Consecutivita.Principale.Voci[1].Stato, 1);

    // Vortici: positions 1..8 with their range, on two pages.
    auto& v = Slot<TCondVortici>(kVortici);
    ConDialogo<TFrmBlackHall>("CondVortici", [](TFrmBlackHall& d) {
        EXPECT_EQ(d.Pagine()->tabText(0), "Diretto");
        EXPECT_EQ(d.Pagine()->tabText(1), "Inverso");
        d.Pagine()->setCurrentIndex(1);
        TLGraphpt& p = Editore(d, "PtPosizioneI");
        EXPECT_EQ(p.Modello().ValoreBox(0), 1);
        EXPECT_FALSE(Editore(d, "PtBracciI").Modello().TipoCampo());
        p.PulsanteModo(TModelloGraphpt::kModoCampo)->click();
        p.CampoA()->setValue(4);
        p.CampoDa()->setValue(6);
        EXPECT_EQ(p.CampoA()->value(), 6);
        p.PulsanteModo(TModelloGraphpt::kModoPunti)->click();
        Clic(p, 5);
        d.BtnOk()->click();
    });
    EXPECT_EQ(std::pair(v.PosizioneInverso.CampoDa, v.PosizioneInverso.CampoA),
              (std::pair<std::uint16_t, std::uint16_t>(6, 6)));
    EXPECT_EQ(v.PosizioneInverso.Principale.Voci[6].Stato, 1);
    EXPECT_EQ(std::pair(v.PosizioneDiretto.CampoDa, v.PosizioneDiretto.CampoA),
              (std::pair<std::uint16_t, std::uint16_t>(1, 8)));
    EXPECT_TRUE(Spuntata("CondVortici"));
}

TEST_F(FormaRiferimento, NumeroDiSequenzeSwitchesLengthsKeepingEachTable) {
    Apri();
    auto& ns = Slot<TCondNumeroSequenze>(kNumeroSequenze);
    ConDialogo<TFrmNumeroDiSequenze>("CondNumeroSequenze", [](TFrmNumeroDiSequenze& d) {
        EXPECT_TRUE(d.BtnLunghezza(1)->isChecked());
        TLGraphpt& e = *d.Editore();
        Clic(e, 2);
        d.BtnLunghezza(3)->click();
        EXPECT_EQ(e.Modello().PtTotali(), 3);
        EXPECT_EQ(e.Modello().Grado(2), 0);
        Clic(e, 1);
        d.BtnLunghezza(1)->click();
        EXPECT_EQ(e.Modello().Grado(2), 1);
        d.BtnLunghezza(3)->click();
        d.BtnOk()->click();
    });
    EXPECT_EQ(ns.Lunghezza1.Principale.Voci[2].Stato, 1);
    EXPECT_EQ(ns.Lunghezza3.Principale.Voci[1].Stato, 1);
    EXPECT_EQ(ns.LunghezzaMostrata, 3);
    EXPECT_TRUE(Spuntata("CondNumeroSequenze"));

    // The length shown last comes back; "Annulla" keeps it.
    ConDialogo<TFrmNumeroDiSequenze>("CondNumeroSequenze", [](TFrmNumeroDiSequenze& d) {
        EXPECT_TRUE(d.BtnLunghezza(3)->isChecked());
        EXPECT_EQ(d.Editore()->Modello().Grado(1), 1);
        d.BtnLunghezza(2)->click();
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(ns.LunghezzaMostrata, 3);
}

TEST_F(FormaRiferimento, RipetizioniTypeAndTheLineOnAShortArchive) {
    Apri();
    auto& r = Slot<TCondRipetizioni>(kRipetizioni);
    Archivio({test::Col({1, 2, 3, 4, 5, 6, 7, 8})});
    ConDialogo<TFrmRipetizioni>("CondRipetizioni", [](TFrmRipetizioni& d) {
        EXPECT_TRUE(d.Avviso()->isVisible());
        EXPECT_TRUE(d.Avviso()->text().contains("un solo concorso"));
        EXPECT_EQ(d.BoxStato()->title(), "Stato ");
        EXPECT_EQ(d.Disattivato()->text(), " Disattivato");
        EXPECT_TRUE(d.Numeriche()->isChecked());
        d.PariDispari()->click();
        Clic(Editore(d, "Pt1Prec"), 8);
        d.BtnOk()->click();
    });
    EXPECT_EQ(r.Opzione, 1);
    EXPECT_EQ(r.UnaPrecedente.Principale.Voci[8].Stato, 1);
    EXPECT_TRUE(Spuntata("CondRipetizioni"));

    Archivio({test::Col({1, 2, 3, 4, 5, 6, 7, 8}), test::Col({8, 7, 6, 5, 4, 3, 2, 1})});
    ConDialogo<TFrmRipetizioni>("CondRipetizioni", [](TFrmRipetizioni& d) {
        EXPECT_FALSE(d.Avviso()->isVisible());
        EXPECT_TRUE(d.PariDispari()->isChecked());
        d.Numeriche()->click();
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(r.Opzione, 1);
}

TEST_F(FormaRiferimento, ConsecutivitaDifferenziataMembersKeepTheirSign) {
    Apri();
    ConDialogo<TFrmConsecDiff>("CondConsecutivitaDifferenziata", [](TFrmConsecDiff& d) {
        EXPECT_EQ(d.windowTitle(), "Consecutività  Differenziata dei Segni");
        d.AggiungiBtn()->click();
        EXPECT_TRUE(d.SegnoP()->isChecked());
        EXPECT_FALSE(Editore(d, "PtSegni").Modello().RecVisibili);
        Clic(Editore(d, "PtSegni"), 5);
        Clic(Editore(d, "PtConsecutivita"), 2);
        d.AggiungiBtn()->click();
        d.SegnoD()->click();
        Clic(Editore(d, "PtSegni"), 3);
        d.BtnPrimo()->click();
        EXPECT_TRUE(d.SegnoP()->isChecked());
        d.BtnOk()->click();
    });
    ASSERT_EQ(Slot<TCondGruppo>(kGruppoConsecutivita).QuantiMembri(), 2);
    auto& primo = Membro<TCondConsecDiff>(kGruppoConsecutivita, 0);
    auto& secondo = Membro<TCondConsecDiff>(kGruppoConsecutivita, 1);
    EXPECT_EQ(std::pair(primo.Segno, secondo.Segno), (std::pair<std::uint8_t, std::uint8_t>(1, 0)));
    EXPECT_EQ(primo.Segni.Principale.Voci[5].Stato, 1);
    EXPECT_EQ(primo.Consecutivita.Principale.Voci[2].Stato, 1);
    EXPECT_EQ(secondo.Segni.Principale.Voci[3].Stato, 1);
    // The second member has no run accepted: only the first is in play.
    EXPECT_TRUE(Spuntata("CondConsecutivitaDifferenziata"));
}

TEST_F(FormaRiferimento, ColonneFiltroKeepBothFiltersAndCheckTheBoxes) {
    Apri();
    ConDialogo<TFrmListaCombFiltro>("CondColonneFiltro", [this](TFrmListaCombFiltro& d) {
        d.AggiungiBtn()->click();
        EXPECT_EQ(d.Numero()->text(), "Colonna Filtro Nº 1 di 1");
        EXPECT_TRUE(d.AGirare()->isChecked());
        EXPECT_TRUE(d.PaginaGirare()->isVisible());
        EXPECT_FALSE(d.PaginaPosizione()->isVisible());
        for (int p : {7, 3, 12}) ClicPilota(*d.Piloti(), p);
        EXPECT_EQ(d.Ordine()->text(), "Ordine : 7 - 3 - 12");
        d.DiPosizione()->click();
        EXPECT_TRUE(d.PaginaPosizione()->isVisible());
        EXPECT_FALSE(d.PaginaGirare()->isVisible());
        Scrivi(*d.Caselle(), 1, "5");
        Scrivi(*d.Caselle(), 3, "5");
        Clic(Editore(d, "PtPunti"), 2);
        d.BtnOk()->click();
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(messaggi.Domande.size(), 1u);
        EXPECT_EQ(messaggi.Domande[0].Titolo, "Informazione");
        EXPECT_EQ(messaggi.Domande[0].Testo, kNumeroRipetuto);
        Scrivi(*d.Caselle(), 3, "9");
        d.BtnOk()->click();
        EXPECT_FALSE(d.isVisible());
    });
    auto& f = Membro<TCondColonnaFiltro>(kGruppoColonneFiltro, 0);
    EXPECT_EQ(f.Confronto, 0);
    EXPECT_EQ(f.ColonnaFiltro, test::Col({5, 0, 9, 0, 0, 0, 0, 0}));
    ASSERT_EQ(f.PilotiFiltro.Conta(), 3);
    EXPECT_EQ(f.PilotiFiltro[0], 7);
    EXPECT_EQ(f.PilotiFiltro[2], 12);
    EXPECT_EQ(f.Numeri.Principale.Voci[2].Stato, 1);
    EXPECT_TRUE(Spuntata("CondColonneFiltro"));

    // Reopened: the boxes and the pilots are shown back.
    ConDialogo<TFrmListaCombFiltro>("CondColonneFiltro", [](TFrmListaCombFiltro& d) {
        EXPECT_EQ(d.Caselle()->Cella(3)->text(), "9");
        EXPECT_EQ(d.Piloti()->Selezionati().Conta(), 3);
        d.AGirare()->click();
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(f.Confronto, 0);
}

TEST_F(FormaRiferimento, SequeleRefuseAPatternTheyCannotLookFor) {
    Apri();
    ConDialogo<TFrmSequela>("CondSequele", [this](TFrmSequela& d) {
        EXPECT_EQ(d.windowTitle(), "Sequele Pari Dispari");
        d.AggiungiBtn()->click();
        EXPECT_TRUE(d.BtnTipo(1)->isChecked());
        EXPECT_TRUE(d.Schema()->isEnabled());
        EXPECT_FALSE(d.Lunghezza()->isEnabled());
        Scrivi(*d.Schema(), 1, "2");
        Scrivi(*d.Schema(), 3, "1");
        Clic(Editore(d, "PtPresenze"), 1);
        d.BtnOk()->click();
        Scrivi(*d.Schema(), 3, "");
        d.BtnOk()->click();
        ASSERT_EQ(messaggi.Domande.size(), 2u);
        EXPECT_EQ(messaggi.Domande[0].Titolo, "Infomazione");
        EXPECT_EQ(messaggi.Domande[0].Testo, "La Sequela Non è Contigua.");
        EXPECT_EQ(messaggi.Domande[1].Testo, "La Lunghezza della Sequela è Inferiore a Due.");
        EXPECT_TRUE(d.isVisible());
        Scrivi(*d.Schema(), 2, "1");
        EXPECT_EQ(d.Lunghezza()->value(), 2);
        d.BtnPasso(TModelloSequela::kPassoN)->click();
        EXPECT_EQ(d.PassoTrovata()->value(), 2);
        EXPECT_FALSE(d.PassoTrovata()->isEnabled());

        // Mirror pairs: the length box, no longest run.
        d.AggiungiBtn()->click();
        d.BtnTipo(5)->click();
        EXPECT_FALSE(d.Editore()->Modello().TipoCons());
        EXPECT_TRUE(d.Lunghezza()->isEnabled());
        EXPECT_FALSE(d.Schema()->isEnabled());
        d.Lunghezza()->setValue(3);
        EXPECT_TRUE(d.BtnPasso(TModelloSequela::kPassoX)->isChecked());
        d.PassoTrovata()->setValue(2);
        Clic(*d.Editore(), 0);
        d.BtnOk()->click();
    });
    ASSERT_EQ(Slot<TCondGruppo>(kGruppoSequele).QuantiMembri(), 2);
    auto& p = Membro<TCondSequela>(kGruppoSequele, 0);
    EXPECT_EQ(p.TipoSequela, 1);
    EXPECT_EQ(p.Sequela, test::Col({2, 1}));
    EXPECT_EQ(p.Lunghezza, 2);
    EXPECT_EQ(std::pair(p.PassoTrovata, p.PassoNonTrovata), std::pair(2, 1));
    EXPECT_EQ(p.Presenze.Principale.Voci[1].Stato, 1);
    auto& s = Membro<TCondSequela>(kGruppoSequele, 1);
    EXPECT_EQ(std::tuple(s.TipoSequela, s.Lunghezza, s.PassoTrovata, s.PassoNonTrovata),
              std::tuple(5, 3, 2, 1));
    EXPECT_FALSE(s.Presenze.SecondariaAbilitata);
    EXPECT_TRUE(Spuntata("CondSequele"));
}

// A system set only through these dialogs develops into exactly the columns the command line
// gives for the same system saved to disk (with the same archive).
TEST_F(FormaRiferimento, DevelopmentMatchesTheCommandLineOnTheSavedSystem) {
    Apri();
    Archivio({test::Col({3, 4, 5, 6, 7, 8, 9, 10}), test::Col({1, 3, 5, 7, 9, 11, 13, 6})});
    ASSERT_TRUE(sistema.Dati.Archivio.Salva());
    // Link "B" tolerates one error per column.
    for (int v : {0, 1})
        sistema.Dati.Recuperi->Gruppo('B')->ErroriAmmessi.Principale.Voci[v] = {1, 0};

    ConDialogo<TFrmNumCons>("CondConsecutivitaNumerica", [](TFrmNumCons& d) {
        Clic(Editore(d, "PtConsecutivita"), {0, 1, 2, 3});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmCrescenzeDecrescenze>("CondCrescenzeDecrescenze",
                                         [](TFrmCrescenzeDecrescenze& d) {
                                             Clic(Editore(d, "PtCrescenze"), {3, 4, 5, 6, 7});
                                             TLGraphpt& giu = Editore(d, "PtDecrescenze");
                                             giu.PulsanteModo(kCons)->click();
                                             Clic(giu, {0, 1, 2});
                                             d.BtnOk()->click();
                                         });
    ConDialogo<TFrmInterruzioni>("CondInterruzioni", [](TFrmInterruzioni& d) {
        TLGraphpt& g = Editore(d, "PtGlobali");
        Clic(g, {2, 3, 4, 5, 6, 6});  // 6 in recovery on link "B"
        QTest::keyClick(g.Lettera(), Qt::Key_Down);
        d.BtnOk()->click();
    });
    ConDialogo<TFrmSimmetrie>("CondSimmetrie", [](TFrmSimmetrie& d) {
        Clic(Editore(d, "PtTotali"), {1, 2, 3, 4, 5, 6});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmBlackHall>("CondVortici", [](TFrmBlackHall& d) {
        TLGraphpt& p = Editore(d, "PtPosizioneD");
        Clic(p, {1, 2, 3, 4, 5});
        p.PulsanteModo(TModelloGraphpt::kModoCampo)->click();
        p.CampoDa()->setValue(2);
        p.CampoA()->setValue(7);
        d.BtnOk()->click();
    });
    ConDialogo<TFrmNumeroDiSequenze>("CondNumeroSequenze", [](TFrmNumeroDiSequenze& d) {
        Clic(*d.Editore(), {2, 3, 4, 5, 6, 7, 8});
        d.BtnLunghezza(2)->click();
        Clic(*d.Editore(), {0, 1, 2});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmConsecDiff>("CondConsecutivitaDifferenziata", [](TFrmConsecDiff& d) {
        d.AggiungiBtn()->click();
        Clic(Editore(d, "PtSegni"), {3, 4, 5});
        Clic(Editore(d, "PtConsecutivita"), {1, 2, 3});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmRipetizioni>("CondRipetizioni", [](TFrmRipetizioni& d) {
        Clic(Editore(d, "Pt1Prec"), {0, 1, 2});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmListaCombFiltro>("CondColonneFiltro", [](TFrmListaCombFiltro& d) {
        d.AggiungiBtn()->click();
        for (int p : {3, 7, 9, 11}) ClicPilota(*d.Piloti(), p);
        Clic(Editore(d, "PtPunti"), {0, 1, 2, 3});
        d.AggiungiBtn()->click();
        d.DiPosizione()->click();
        Scrivi(*d.Caselle(), 1, "1");
        Scrivi(*d.Caselle(), 8, "13");
        Clic(Editore(d, "PtPunti"), {0, 1});
        d.BtnOk()->click();
    });
    ConDialogo<TFrmSequela>("CondSequele", [](TFrmSequela& d) {
        d.AggiungiBtn()->click();
        d.BtnTipo(2)->click();
        d.Lunghezza()->setValue(3);
        Clic(*d.Editore(), {0, 1, 2});
        d.AggiungiBtn()->click();
        Scrivi(*d.Schema(), 1, "1");
        Scrivi(*d.Schema(), 2, "2");
        d.BtnPasso(TModelloSequela::kPassoN)->click();
        Clic(*d.Editore(), {0, 1, 2, 3});
        d.BtnOk()->click();
    });
    EXPECT_EQ(Slot<TCondInterruzioni>(kInterruzioni).Globali.Principale.LetteraLink, 'B');
    for (const char* voce :
         {"CondConsecutivitaNumerica", "CondCrescenzeDecrescenze", "CondInterruzioni",
          "CondSimmetrie", "CondVortici", "CondNumeroSequenze", "CondConsecutivitaDifferenziata",
          "CondRipetizioni", "CondColonneFiltro", "CondSequele"})
        EXPECT_TRUE(Spuntata(voce)) << voce;

    const auto colonne = test::SviluppaComeLaRigaDiComando(*this, "Forma.Sst");
    EXPECT_GT(colonne, 0);
    EXPECT_LT(colonne, sistema.Dati.Pronostico.ColonneIniziali() / 10);
}
