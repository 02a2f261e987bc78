#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "CondizioniDiProva.h"
#include "FinestraDiProva.h"
#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormCommento.h"
#include "archive/ui/TFormInsArc_File.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/Fabbrica.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/TFrmAlbero.h"
#include "conditions/ui/TFrmPtTra.h"
#include "conditions/ui/TFrmQuadro.h"
#include "conditions/ui/TFrmResti.h"
#include "conditions/ui/TFrmValori.h"
#include "development/ui/TFrmRecuperi.h"
#include "gui/Schermate.h"
#include "support/Supporto.h"
#include "widgets/TGrigliaIntervalli.h"
#include "widgets/TLGraphpt.h"

using namespace sirvela;

using test::Clic;
using test::Editore;

namespace {

// A pop-up item as it is offered at a member place.
void Popup(TFrmQuadro& d, int posto, const QString& voce) {
    d.PreparaPopup(posto);
    QAction* a = d.AzionePopup(voce);
    ASSERT_NE(a, nullptr) << voce.toStdString();
    ASSERT_TRUE(a->isEnabled()) << voce.toStdString();
    a->trigger();
}

// Runs `azione` on the dialog of type D that a double click on a member opens.
template <class D>
void ApriMembro(TFrmQuadro& q, int indice, std::function<void(D&)> azione) {
    bool visto = false;
    test::QuandoModale<D>([&](D& d) {
        visto = true;
        azione(d);
    });
    q.ApriMembro(indice);
    EXPECT_TRUE(visto);
}

struct Quadri : test::TFinestraDiProva {
    Quadri() {
        for (int p = 0; p < 8; ++p)
            for (int v = p + 1; v <= p + 5; ++v) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    }
    template <class T>
    T& Slot(int slot) {
        return dynamic_cast<T&>(*sistema.Dati.Condizioni->Condizione(slot));
    }
};

}  // namespace

TEST_F(Quadri, MenuItemsToolBarButtonAndHelpTopics) {
    Apri();
    EXPECT_EQ(f->Azione("Quadri")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(f->Azione("CondLink")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(f->Azione("CondPuntiTra")->shortcut(), QKeySequence("Ctrl+T"));
    QAction* barra = f->Azione("BarraQuadri");
    ASSERT_NE(barra, nullptr);
    EXPECT_TRUE(barra->isEnabled());
    bool visto = false;
    test::QuandoModale<TFrmQuadro>([&](TFrmQuadro& d) {
        visto = true;
        d.BtnAnnulla()->click();
    });
    barra->trigger();
    EXPECT_TRUE(visto);

    // Each window opens its own help page.
    auto aiuto = [](QPushButton* b, const QString& titolo) {
        bool aperto = false;
        test::QuandoModale<TFormAiuto>([&](TFormAiuto& a) {
            aperto = true;
            EXPECT_EQ(a.Testo()->documentTitle(), titolo);
        });
        b->click();
        EXPECT_TRUE(aperto) << titolo.toStdString();
    };
    ConDialogo<TFrmQuadro>("Quadri", [&](TFrmQuadro& d) {
        aiuto(d.BtnAiuto(), "Quadro");
        test::QuandoModale<TFrmAlbero>([&](TFrmAlbero& a) {
            aiuto(a.findChild<QPushButton*>("BtnAiuto"), "Albero Delle Condizioni");
        });
        d.BtnAlbero()->click();
    });
    ConDialogo<TFrmPtTra>("CondPuntiTra", [&](TFrmPtTra& d) { aiuto(d.BtnAiuto(), "Punti Tra"); });
    ConDialogo<TFrmRecuperi>("CondLink", [&](TFrmRecuperi& d) {
        aiuto(d.BtnAiuto(), "Recupero Condizioni");
        TFrmRecAna a(*sistema.Dati.Recuperi, 'A', messaggi, scelta, &d);
        aiuto(a.findChild<QPushButton*>("BtnAiuto"), "Analisi Delle Colonne Filtrate");
    });
}

TEST_F(Quadri, FilterColumnsFromTheArchiveThroughThePopUp) {
    for (int i = 0; i < 4; ++i) {
        TEstrazione e;
        e.Anno = 2000;
        e.Numero = static_cast<std::uint8_t>(i + 1);
        e.Vincente = TColonna{static_cast<std::uint8_t>(i + 1), 9, 10, 11, 12, 13, 14, 15};
        sistema.Dati.Archivio.Estrazioni.push_back(e);
    }
    Apri();
    ConDialogo<TFrmQuadro>("Quadri", [&](TFrmQuadro& d) {
        test::QuandoModale<TFormInsArc_File>([](TFormInsArc_File& i) {
            i.Inizio()->setValue(3);  // contests 3 and 4
            i.Fine()->setValue(4);
            i.BtnOkClick();
        });
        Popup(d, 0, "InsAutomaticoColFiltro");
        EXPECT_EQ(d.Modello().Quanti(), 2);
        EXPECT_EQ(d.Membri()->count(), 2);
        test::QuandoModale<TFormInsArc_File>([](TFormInsArc_File& i) { i.reject(); });
        Popup(d, 0, "InsAutomaticoColFiltro");
        EXPECT_EQ(d.Modello().Quanti(), 2);  // cancelled: nothing added
    });
}

// A Quadro "OR" of a member and a nested Quadro, a Punti Tra group and a link tolerance, all set
// from the menus, develop into exactly the columns the command line gives for the saved system.
TEST_F(Quadri, NestedQuadroOrPuntiTraAndLinkDevelopAsTheCommandLine) {
    Apri();
    ConDialogo<TFrmQuadro>("Quadri", [](TFrmQuadro& d) {
        Popup(d, 0, "Nuova2");  // Pari e Dispari
        ApriMembro<TFrmPariDispari>(d, 0, [](TFrmPariDispari& p) {
            for (int v : {3, 4, 5}) Clic(Editore(p, "PtPari"), v);
            p.BtnOk()->click();
        });
        Popup(d, 5, "Nuova17");  // beyond the list: a Sub Quadro at the end
        ASSERT_EQ(d.Membri()->count(), 2);
        d.ApriMembro(1);
        EXPECT_EQ(d.Percorso()->text(), "Quadro \\ Sub Quadro");
        EXPECT_TRUE(d.BtnQuadroPrecedente()->isEnabled());
        Popup(d, 0, "Nuova36");  // Resti, "Singolo"
        ApriMembro<TFrmResti>(d, 0, [](TFrmResti& r) {
            EXPECT_FALSE(r.AggiungiBtn()->isVisible());
            EXPECT_FALSE(r.BoxStato()->isVisible());
            // The member's own controls start at the top of its frame: no empty row.
            const QWidget* box = r.findChild<QWidget*>("BoxMembro");
            ASSERT_TRUE(box && box->layout());
            EXPECT_LE(r.Divisore()->mapTo(box, QPoint(0, 0)).y(),
                      box->layout()->contentsRect().top() + 4);
            r.Divisore()->setValue(7);
            TLGraphpt& resto = Editore(r, "PtResto");
            for (int v : {0, 1, 2, 3}) Clic(resto, v);
            Clic(resto, 3);  // in recovery, level 1, link A
            r.BtnOk()->click();
        });
        d.BtnQuadroPrecedente()->click();
        d.Relazione(kOr)->click();
        d.BtnOk()->click();
    });
    auto& q = Slot<TCondQuadro>(kQuadro);
    ASSERT_EQ(q.QuantiMembri(), 2);
    EXPECT_EQ(q.Relazione, kOr);
    auto& sub = dynamic_cast<TCondQuadro&>(*q.Membro(1));
    auto& resti = dynamic_cast<TCondResti&>(*sub.Membro(0));
    EXPECT_EQ(resti.Divisore, 7);
    EXPECT_EQ(resti.Resto.Principale.Voci[3], (TVoceValore{2, 1}));
    EXPECT_TRUE(q.Attivo);
    EXPECT_TRUE(sistema.Modificato);

    // Baricentri "Tutti i Numeri" 5..12 gathered by Punti Tra group 1, which accepts 6..9.
    ConDialogo<TFrmBaricentri>("CondBaricentri", [](TFrmBaricentri& b) {
        TLGraphpt& tutti = Editore(b, "PtTutti");
        for (int v = 5; v <= 12; ++v) Clic(tutti, v);
        tutti.GruppoTra()->setValue(1);
        b.BtnOk()->click();
    });
    ConDialogo<TFrmPtTra>("CondPuntiTra", [](TFrmPtTra& d) {
        EXPECT_EQ(d.Elenco()->count(), 1);
        EXPECT_EQ(d.Min()->text(), "5");
        EXPECT_EQ(d.Max()->text(), "12");
        d.Griglia()->Pagina(0)->item(0, 0)->setText("6");
        d.Griglia()->Pagina(0)->item(1, 0)->setText("9");
        d.BtnOk()->click();
    });
    EXPECT_EQ(Slot<TCondPuntiTra>(kPuntiTra).Punti(1).Conta(), 1);
    // Link A tolerates no error: the remainder 3 in recovery counts against the column.
    ConDialogo<TFrmRecuperi>("CondLink", [](TFrmRecuperi& d) {
        EXPECT_EQ(d.MaxLink()->text(), "1");
        Clic(*d.EditorLink(), 0);
        d.BtnOk()->click();
    });
    EXPECT_TRUE(sistema.Dati.Recuperi->Gruppo('A')->ErroriAmmessi.Principale.Voci[0].Stato);

    const auto colonne = test::SviluppaComeLaRigaDiComando(*this, "Quadri.Sst");
    EXPECT_GT(colonne, 0);
    EXPECT_LT(colonne, sistema.Dati.Pronostico.ColonneIniziali());

    // The analysis of the recoveries belongs to this development until a table changes.
    ConDialogo<TFrmRecuperi>("CondLink", [](TFrmRecuperi& d) {
        EXPECT_TRUE(d.BtnAnalisi()->isEnabled());
        Clic(*d.EditorTotale(), 0);
        d.BtnOk()->click();
    });
    ConDialogo<TFrmRecuperi>("CondLink",
                             [](TFrmRecuperi& d) { EXPECT_FALSE(d.BtnAnalisi()->isEnabled()); });
}

TEST_F(Quadri, FilesConfirmationsAndAnnulla) {
    Apri();
    auto& q = Slot<TCondQuadro>(kQuadro);
    q.Aggiungi(CreaCondizione(kBaricentri, &sistema.Dati));
    sistema.Modificato = false;
    const auto qdr = (CartellaQuadri() / "uno.QDR").string();
    ConDialogo<TFrmQuadro>("Quadri", [&](TFrmQuadro& d) {
        d.ImpostaSceltaFile(scelta);  // the window's already; set again on purpose
        EXPECT_EQ(d.BoxStato()->title(), "Stato");
        d.Nome()->setText("Primo");
        emit d.Nome()->textEdited("Primo");
        scelta.Risposte.push_back(qdr);
        d.BtnSalvaQuadro()->click();
        ASSERT_EQ(scelta.Richieste.size(), 1u);
        EXPECT_EQ(scelta.Richieste[0].Titolo, "Salva Il Quadro");
        EXPECT_EQ(scelta.Richieste[0].Nome, "SenzaNom.QDR");
        EXPECT_EQ(scelta.Richieste[0].Filtro, "Files Quadro (*.QDR)|*.QDR");

        // "Azzera " with members asks first; "No" keeps them.
        messaggi.Risposte = {PulsanteNo};
        d.BtnAzzera()->click();
        EXPECT_EQ(messaggi.Domande.back().Titolo, "Attenzione");
        EXPECT_EQ(messaggi.Domande.back().Testo,
                  "Questa operazione eliminerà il contenuto attuale del quadro. Confermi ? ");
        EXPECT_EQ(d.Membri()->count(), 1);
        messaggi.Risposte = {PulsanteSi};
        d.BtnAzzera()->click();
        EXPECT_EQ(d.Membri()->count(), 0);
        EXPECT_EQ(d.Nome()->text(), "Primo");

        // An empty Quadro loads without asking; a damaged file says so and changes nothing.
        const std::size_t domande = messaggi.Domande.size();
        scelta.Risposte.push_back(qdr);
        d.BtnCaricaQuadro()->click();
        EXPECT_EQ(messaggi.Domande.size(), domande);
        EXPECT_EQ(scelta.Richieste.back().Titolo, "Carica il Quadro");
        EXPECT_EQ(d.Membri()->count(), 1);
        test::ScriviByte(CartellaQuadri() / "rotto.QDR", {kQuadro, 3});
        messaggi.Risposte = {PulsanteSi};
        scelta.Risposte.push_back((CartellaQuadri() / "rotto.QDR").string());
        d.BtnCaricaQuadro()->click();
        ASSERT_EQ(messaggi.Errori.size(), 1u);
        EXPECT_EQ(messaggi.Errori[0],
                  "Impossibile Caricare Il Quadro rotto.QDR: file incompleto o danneggiato.");
        EXPECT_EQ(d.Membri()->count(), 1);

        // Condition files: titles, and a load at the place of the pop-up menu.
        d.Membri()->item(0)->setSelected(true);
        scelta.Risposte.push_back((CartellaQuadri() / "due.CND").string());
        Popup(d, 0, "SalvaCondizioni");
        EXPECT_EQ(scelta.Richieste.back().Titolo, "Salva le Condizioni");
        scelta.Risposte.push_back((CartellaQuadri() / "due.CND").string());
        Popup(d, 0, "CaricaCondizioni");
        EXPECT_EQ(scelta.Richieste.back().Titolo, "Carica le Condizioni");
        EXPECT_EQ(d.Membri()->count(), 2);
        scelta.Risposte.push_back((CartellaQuadri() / "manca.CND").string());
        Popup(d, 0, "CaricaCondizioni");
        EXPECT_EQ(messaggi.Errori.back(),
                  "Impossibile Caricare Le Condizioni manca.CND: file non trovato.");

        // Nothing selected: nothing to cut, copy, delete or save.
        d.Membri()->clearSelection();
        d.PreparaPopup(0);
        for (const char* v : {"Taglia", "Copia", "Elimina", "SalvaCondizioni"})
            EXPECT_FALSE(d.AzionePopup(v)->isEnabled()) << v;
        EXPECT_FALSE(d.AzionePopup("Incolla")->isEnabled());

        test::QuandoModale<TFormCommento>([](TFormCommento& c) {
            c.Testo()->setPlainText("nota");
            c.accept();
        });
        Popup(d, 0, "Commento");
        EXPECT_EQ(d.Modello().Commento(), (std::vector<std::string>{"nota"}));
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(q.Nome, "Quadro");
    EXPECT_EQ(q.QuantiMembri(), 1);
    EXPECT_TRUE(q.Commento.empty());
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(Quadri, TreeShowsEveryLevelScrollsAndOpensItsBoxes) {
    Apri();
    // A chain of 30 nested Quadri, each with a Resti member.
    auto& q = Slot<TCondQuadro>(kQuadro);
    TCondQuadro* livello = &q;
    for (int i = 0; i < 30; ++i) {
        livello->Aggiungi(CreaCondizione(kResti, &sistema.Dati));
        auto sub = std::make_unique<TCondQuadro>(&sistema.Dati, "Livello " + std::to_string(i));
        TCondQuadro* prossimo = sub.get();
        livello->Aggiungi(std::move(sub));
        livello = prossimo;
    }
    ConDialogo<TFrmQuadro>("Quadri", [&](TFrmQuadro& d) {
        d.ApriMembro(1);
        test::QuandoModale<TFrmAlbero>([&](TFrmAlbero& a) {
            const auto& nodi = a.Vista()->Nodi();
            ASSERT_EQ(nodi.size(), 61u);
            EXPECT_TRUE(nodi[2].Evidenziato);
            EXPECT_GT(a.Vista()->height(), a.Area()->viewport()->height());
            EXPECT_GT(a.Vista()->width(), a.Area()->viewport()->width());
            // A double click on a member opens its dialog; on a Quadro it shows it.
            const QPoint resto = a.Vista()->Rettangolo(3).center();
            bool aperto = false;
            test::QuandoModale<TFrmResti>([&](TFrmResti& r) {
                aperto = true;
                r.BtnAnnulla()->click();
            });
            QTest::mouseDClick(a.Vista(), Qt::LeftButton, {}, resto);
            EXPECT_TRUE(aperto);
            EXPECT_TRUE(a.isVisible());
            a.Apri(6);  // "Livello 2"
            EXPECT_FALSE(a.isVisible());
        });
        d.BtnAlbero()->click();
        EXPECT_EQ(d.Nome()->text(), "Livello 2");
        EXPECT_EQ(d.Modello().Percorso(), (std::vector<int>{1, 1, 1}));
    });
}

TEST_F(Quadri, PuntiTraRangeAndTheConditionsOfAGroup) {
    Apri();
    auto& bar = Slot<TCondBaricentri>(kBaricentri);
    for (int v : {6, 7}) bar.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    bar.Pari.Principale.GruppoTra = 2;
    sistema.Modificato = false;
    ConDialogo<TFrmPtTra>("CondPuntiTra", [&](TFrmPtTra& d) {
        d.Gruppo()->setValue(2);
        EXPECT_EQ(d.Intestazione()->text(), "Condizioni Nel Gruppo 2");
        ASSERT_EQ(d.Elenco()->count(), 1);
        EXPECT_EQ(d.Elenco()->item(0)->text(), "Baricentri\\ Numeri Pari");
        d.Griglia()->Pagina(0)->item(0, 0)->setText("6");
        d.Griglia()->Pagina(0)->item(1, 0)->setText("9");
        d.Gruppo()->setValue(3);
        EXPECT_EQ(d.Gruppo()->value(), 2);
        ASSERT_EQ(messaggi.Domande.size(), 1u);
        EXPECT_EQ(messaggi.Domande[0].Testo, "Errore Nel Valore Massimo Dell' Intervallo");

        // The list opens the condition's own dialog, whose "OK" counts even after "Annulla".
        test::QuandoModale<TFrmBaricentri>([](TFrmBaricentri& b) {
            Clic(Editore(b, "PtPari"), 9);
            b.BtnOk()->click();
        });
        emit d.Elenco()->itemDoubleClicked(d.Elenco()->item(0));
        EXPECT_EQ(d.Max()->text(), "9");
        d.BtnAnnulla()->click();
    });
    EXPECT_EQ(bar.Pari.Principale.Voci[9].Stato, 1);
    EXPECT_EQ(Slot<TCondPuntiTra>(kPuntiTra).Punti(2).Conta(), 0);
    EXPECT_TRUE(sistema.Modificato);
}

TEST_F(Quadri, RecoveryLettersMaximaAndTheAnalysis) {
    Apri();
    auto& pd = Slot<TCondPariDispari>(kPariDispari);
    pd.Pari.Principale.Voci[4] = {2, 2};
    pd.Pari.Principale.LetteraLink = 'C';
    ConDialogo<TFrmRecuperi>("CondLink", [&](TFrmRecuperi& d) {
        EXPECT_EQ(d.WichDown(), 'A');
        EXPECT_EQ(d.Lettera('C')->palette().color(QPalette::ButtonText), QColor(Qt::blue));
        EXPECT_EQ(d.Lettera('B')->palette().color(QPalette::ButtonText), QColor(Qt::black));
        EXPECT_FALSE(d.BtnAnalisi()->isEnabled());
        EXPECT_EQ(d.Titolo()->text(), "Condizioni Nella Link A");
        EXPECT_EQ(d.MaxLink()->text(), "0");
        Clic(*d.EditorLink(), 1);
        d.Lettera('C')->click();
        ASSERT_EQ(messaggi.Domande.size(), 1u);
        EXPECT_EQ(messaggi.Domande[0].Titolo, "Informazione");
        EXPECT_EQ(messaggi.Domande[0].Testo, "Il Numero Degli Errori Nella Link è Troppo Alto !");
        EXPECT_TRUE(d.Lettera('A')->isChecked());
        Clic(*d.EditorLink(), 1);
        d.Lettera('C')->click();
        EXPECT_EQ(d.Titolo()->text(), "Condizioni Nella Link C");
        EXPECT_EQ(d.MaxLink()->text(), "2");
        EXPECT_EQ(d.MaxTotale()->text(), "2");
        ASSERT_EQ(d.Elenco()->count(), 1);
        d.Scorrimento()->setValue(4);
        EXPECT_EQ(d.Elenco()->item(0)->text(), "i e Dispari\\ Pari");
        Clic(*d.EditorTotale(), 3);
        d.BtnOk()->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(messaggi.Domande.back().Testo, "Il Numero Degli Errori Totali è Troppo Alto !");
        d.BtnAnnulla()->click();
    });
    EXPECT_FALSE(sistema.Modificato);

    // After a development the analysis is offered and opens on the letter pressed.
    f->Azione("CalcoloColonne")->trigger();
    f->DialogoSviluppo()->hide();
    ConDialogo<TFrmRecuperi>("CondLink", [&](TFrmRecuperi& d) {
        d.Lettera('C')->click();
        ASSERT_TRUE(d.BtnAnalisi()->isEnabled());
        test::QuandoModale<TFrmRecAna>([](TFrmRecAna& a) {
            EXPECT_TRUE(a.BtnValori()->isChecked());
            // Level 2 tolerates two errors of its own: nothing was refused.
            a.BtnPercentuali()->click();
            EXPECT_EQ(a.Tabella(0)->rowCount(), 255);  // levels 1..255
            EXPECT_EQ(a.Tabella(0)->item(254, 0)->text(), "255");
            EXPECT_EQ(a.Tabella(0)->item(0, 1)->text(), "0");
            EXPECT_EQ(a.Tabella(1)->rowCount(), 256);  // error totals 0..255
            EXPECT_EQ(a.Tabella(1)->horizontalHeaderItem(0)->text(), "Err.");
            a.accept();
        });
        d.BtnAnalisi()->click();
    });
}

// "Nuova" offers every kind, alone and as a container where there is the choice, and a double
// click on each new member opens a condition dialog.
TEST_F(Quadri, EveryKindIsOfferedAndOpensItsDialog) {
    TFrmQuadro d(messaggi);
    d.ImpostaOggetto(*sistema.Dati.Condizioni->Condizione(kQuadro));
    int membri = 0;
    for (const TVoceNuova& v : kVociNuova)
        for (const std::uint8_t tipo : {v.Singolo, v.Multiplo}) {
            if (!tipo) continue;
            Popup(d, membri, QString("Nuova%1").arg(tipo));
            ApriMembro<TFrmCondizione>(d, membri, [&](TFrmCondizione& c) {
                EXPECT_FALSE(c.windowTitle().isEmpty()) << v.Testo;
                c.reject();
            });
            ++membri;
        }
    EXPECT_EQ(d.Membri()->count(), 21);
}

// The windows of this area with some settings in.
TEST(Schermate, Condizioni3) {
    SALTA_SENZA_SCHERMATE();
    TDatiSistema d;
    auto& insieme = *d.Condizioni;
    auto& pd = static_cast<TCondPariDispari&>(*insieme.Condizione(kPariDispari));
    for (int v : {3, 4, 5}) pd.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    pd.Pari.Principale.Voci[2] = {2, 2};
    pd.Pari.Principale.GruppoTra = 1;
    auto& bar = static_cast<TCondBaricentri&>(*insieme.Condizione(kBaricentri));
    for (int v = 8; v <= 14; ++v) bar.Tutti.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    bar.Tutti.Principale.Voci[15] = {2, 1};
    bar.Tutti.Principale.GruppoTra = 1;
    auto& tra = static_cast<TCondPuntiTra&>(*insieme.Condizione(kPuntiTra));
    tra.Punti(1).Intervalli[0] = {12, 16, 1, 0};
    tra.Punti(1).Intervalli[1] = {17, 18, 2, 2};
    tra.Punti(1).Quanti = 2;
    auto& q = static_cast<TCondQuadro&>(*insieme.Condizione(kQuadro));
    q.Nome = "Principale";
    q.Relazione = kOr;
    q.Aggiungi(CreaCondizione(kPariDispari, &d));
    q.Aggiungi(CreaCondizione(kGruppoResti, &d));
    auto sub = std::make_unique<TCondQuadro>(&d, kNomeSubQuadro);
    sub->Aggiungi(CreaCondizione(kBaricentri, &d));
    auto subsub = std::make_unique<TCondQuadro>(&d, "Interno");
    subsub->Aggiungi(CreaCondizione(kResti, &d));
    subsub->Aggiungi(CreaCondizione(kDistanzeGlobali, &d));
    sub->Aggiungi(std::move(subsub));
    q.Aggiungi(std::move(sub));
    q.Aggiungi(CreaCondizione(kSomme, &d));
    q.Membro(3)->Attivato = false;
    for (int v : {0, 1, 2}) d.Recuperi->Gruppo('A')->ErroriAmmessi.Principale.Voci[v] = {1, 0};

    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TFrmQuadro fq(messaggi);
    fq.ImpostaOggetto(q);
    fq.Membri()->item(1)->setSelected(true);
    test::SalvaSchermata(fq, "cond-quadro");
    fq.ApriMembro(2);
    test::SalvaSchermata(fq, "cond-quadro-sub");
    TFrmAlbero albero(fq.Modello(), {}, nullptr);
    test::SalvaSchermata(albero, "cond-albero");
    // A member held in a group, alone in a Quadro: its group's dialog without navigation.
    TCondQuadro solo(&d);
    solo.Aggiungi(CreaCondizione(kResti, &d));
    TFrmQuadro fs(messaggi);
    fs.ImpostaOggetto(solo);
    test::QuandoModale<TFrmResti>(
        [](TFrmResti& r) { test::SalvaSchermata(r, "cond-membro-singolo"); });
    fs.ApriMembro(0);

    TFrmPtTra ft(messaggi);
    ft.ImpostaOggetto(tra);
    test::SalvaSchermata(ft, "cond-punti-tra");

    TFrmRecuperi fr(messaggi, scelta);
    fr.ImpostaLink(*d.Recuperi);
    test::SalvaSchermata(fr, "cond-recupero");
    TFrmRecAna fa(*d.Recuperi, 'A', messaggi, scelta);
    test::SalvaSchermata(fa, "cond-analisi-recuperi");
}
