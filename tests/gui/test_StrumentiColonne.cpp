#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "FinestraDiProva.h"
#include "app/ui/TFormAiuto.h"
#include "cli/Cli.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/TFrmCondizione.h"
#include "development/ui/TFrmSviluppo.h"
#include "gui/Schermate.h"
#include "tools/ui/TFormConversione.h"
#include "tools/ui/TFormEditorColonne.h"
#include "tools/ui/TFormOperazioni.h"
#include "tools/ui/TFormSchedineVincenti.h"
#include "tools/ui/TFormSpoglio.h"
#include "tools/ui/TFormVisualizzaColonne.h"
#include "tools/ui/TPannelliSchedine.h"
#include "widgets/Conversioni.h"
#include "widgets/TLCasSelector.h"
#include "widgets/TLVisColonne.h"

using namespace sirvela;

namespace {

TColonna Col(int primo) {
    return {static_cast<std::uint8_t>(primo), 2, 3, 4, 5, 6, 7, 8};
}

void ScriviColonne(const std::filesystem::path& p, const std::vector<TColonna>& colonne) {
    TListaColonne l;
    for (const auto& c : colonne) l.Accoda(c);
    ASSERT_TRUE(l.SalvaSuFile(p));
}

std::vector<TColonna> LeggiColonne(const std::filesystem::path& p) {
    TListaColonne l;
    EXPECT_TRUE(l.CaricaDaFile(p));
    return l.ComeVettore();
}

// Runs `azione` and fails when it brings up a modal window, closing it.
void SenzaModale(const std::function<void()>& azione) {
    QTimer guardia;
    bool visto = false;
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            visto = true;
            w->close();
        }
    });
    guardia.start(10);
    azione();
    EXPECT_FALSE(visto);
}

void ScriviRisultato(TFormSpoglio& d, const std::vector<const char*>& celle) {
    for (int i = 1; i <= 8; ++i) {
        d.Risultato()->Cella(i)->clear();
        QTest::keyClicks(d.Risultato()->Cella(i), celle[static_cast<std::size_t>(i - 1)]);
    }
}

std::vector<std::pair<std::string, std::string>> Tabella(const QTableWidget& t) {
    std::vector<std::pair<std::string, std::string>> v;
    for (int c = 0; c < t.columnCount(); ++c)
        v.emplace_back(SS(t.item(0, c)->text()), SS(t.item(1, c)->text()));
    return v;
}

struct StrumentiColonne : test::TFinestraDiProva {
    // Nine columns: pilots 1-2 / 2-3 first and second, 4..8 fixed, 9-11 eighth; the sums of
    // the developed columns (42..46) are accepted by the sum condition 30..50.
    void SistemaPiccolo() {
        const std::vector<std::vector<int>> liste = {{1, 2}, {2, 3}, {4}, {5},
                                                     {6},    {7},    {8}, {9, 10, 11}};
        for (int p = 0; p < 8; ++p)
            for (int v : liste[static_cast<std::size_t>(p)])
                sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
        auto* somme = static_cast<TCondSomme*>(sistema.Dati.Condizioni->Condizione(kSomme));
        somme->Tutti.Intervalli[0] = {30, 50, 1, 0};
        somme->Tutti.Quanti = 1;
        somme->AggiornaStato();
    }
    void ColonneInMemoria(const std::vector<TColonna>& colonne) {
        for (const auto& c : colonne) sistema.Dati.Colonne.Accoda(c);
        f->AggiornaStato();
    }
    std::string Colonne(const char* nome) const { return (CartellaColonne() / nome).string(); }
};

}  // namespace

TEST_F(StrumentiColonne, TheColumnsMenuInOrderWithItsToolBarButtons) {
    Apri();
    QMenu* menu = f->findChild<QMenu*>("MenuColonne");
    ASSERT_NE(menu, nullptr);
    QStringList voci;
    for (QAction* a : menu->actions()) voci << a->text();
    EXPECT_EQ(voci, (QStringList{"Visualizzazione", "Spoglio", "Dettatura a Voce", "Salva",
                                 "Conversione Formati", "Operazioni", "Editor di Colonne"}));
    EXPECT_EQ(f->Azione("SpoglioDaMemoria")->shortcut(), QKeySequence(Qt::Key_F7));
    for (const char* nome : {"VisualizzazioneDaMemoria", "SpoglioDaMemoria", "BarraVisualizza",
                             "BarraSpoglio", "SalvaColonne"})
        EXPECT_FALSE(f->Azione(nome)->isEnabled()) << nome;
    for (const char* nome : {"VisualizzazioneDaFile", "SpoglioDaFile", "ConversioneFormati",
                             "Operazioni", "EditorColonne"})
        EXPECT_TRUE(f->Azione(nome)->isEnabled()) << nome;
    ColonneInMemoria({Col(1)});
    for (const char* nome :
         {"VisualizzazioneDaMemoria", "SpoglioDaMemoria", "BarraVisualizza", "BarraSpoglio"})
        EXPECT_TRUE(f->Azione(nome)->isEnabled()) << nome;

    // Cancelling the file choice opens no window.
    SenzaModale([&] { f->Azione("SpoglioDaFile")->trigger(); });
    SenzaModale([&] { f->Azione("VisualizzazioneDaFile")->trigger(); });
    ASSERT_EQ(scelta.Richieste.size(), 2u);
    EXPECT_EQ(scelta.Richieste[0].Titolo, "Seleziona il File Colonnare");
}

TEST_F(StrumentiColonne, DevelopThenF7GivesWhatTheCommandLineGives) {
    SistemaPiccolo();
    Apri();
    QTest::keyClick(f.get(), Qt::Key_F5);
    f->DialogoSviluppo()->PulsanteChiudi()->click();
    ASSERT_EQ(sistema.Dati.Colonne.Quante(), 9);
    const auto colonne = Colonne("Sviluppate.Scl");
    const auto sst = (CartellaSistemi() / "Piccolo.Sst").string();
    scelta.Risposte = {colonne, sst};
    f->Azione("SalvaColonne")->trigger();
    f->Azione("Salva")->trigger();

    // Pilot 9 is not allowed first and the sum 62 is refused.
    const std::vector<const char*> risultato = {"9", "3", "4", "5", "6", "7", "8", "20"};
    std::vector<std::pair<std::string, std::string>> tabella;
    std::vector<std::string> sbagliate;
    QTest::keyClick(f.get(), Qt::Key_F7);
    ConDialogo<TFormSpoglio>("SpoglioDaMemoria", [&](TFormSpoglio& d) {
        EXPECT_EQ(d.Vincite()->columnCount(), 102);  // every score, no counts yet
        EXPECT_FALSE(d.PulsanteSchedine()->isEnabled());
        ScriviRisultato(d, risultato);
        d.PulsanteSpoglio()->click();
        tabella = Tabella(*d.Vincite());
        sbagliate = d.TestiSbagliate();
        EXPECT_TRUE(d.PulsanteSchedine()->isEnabled());

        // A double click on a condition opens its dialog; the position sets open nothing.
        auto doppioClic = [&](int riga) {
            QListWidget* l = d.Sbagliate();
            const QPoint p = l->visualItemRect(l->item(riga)).center();
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
        };
        SenzaModale([&] { doppioClic(0); });
        bool aperta = false;
        test::QuandoModale<TFrmCondizione>([&](TFrmCondizione& c) {
            aperta = true;
            EXPECT_EQ(c.ArgomentoAiuto(), "somme");
        });
        doppioClic(1);
        EXPECT_TRUE(aperta);
    });
    EXPECT_EQ(tabella,
              (std::vector<std::pair<std::string, std::string>>{{" 75", " 6"}, {" 60", " 3"}}));
    EXPECT_EQ(sbagliate, (std::vector<std::string>{"Pronostico", "Somme"}));

    std::string nomi;
    for (int i = 1; i <= 23; ++i) nomi += "Pilota " + std::to_string(i) + "\n";
    test::ScriviTesto(cartella / "listapiloti.txt", nomi);
    std::ostringstream out, err;
    ASSERT_EQ(EseguiCli({"spoglio", colonne, "--risultato", "9 3 4 5 6 7 8 20", "--sistema", sst,
                         "--json", "--cartella", cartella.Percorso().string()},
                        out, err),
              0)
        << err.str();
    std::string testo = out.str();
    testo.pop_back();
    const auto j = nlohmann::json::parse(testo.substr(testo.rfind('\n') + 1));
    ASSERT_EQ(j["Vincite"].size(), tabella.size());
    for (const auto& [punti, vincite] : tabella)
        EXPECT_EQ(j["Vincite"][punti.substr(1)].get<int>(), std::stoi(vincite)) << punti;
    EXPECT_EQ(j["CondizioniSbagliate"].get<std::vector<std::string>>(), sbagliate);
}

TEST_F(StrumentiColonne, TheResultIsCheckedAndRememberedBetweenOpenings) {
    Apri();
    ColonneInMemoria({Col(1), Col(9), Col(1)});
    ConDialogo<TFormSpoglio>("SpoglioDaMemoria", [&](TFormSpoglio& d) {
        ScriviRisultato(d, {"1", "2", "3", "4", "5", "6", "7", "2"});
        d.PulsanteSpoglio()->click();
        EXPECT_EQ(messaggi.Errori.back(), "Uno dei numeri è stato inserito più di una volta.");
        EXPECT_EQ(d.focusWidget(), d.Risultato()->Cella(8));
        EXPECT_FALSE(d.Spoglio().SpoglioFatto);
        ScriviRisultato(d, {"1", "2", "3", "4", "5", "6", "7", "24"});
        d.PulsanteSpoglio()->click();
        EXPECT_EQ(messaggi.Errori.back(), "Uno o più numeri inseriti non sono validi.");
        ScriviRisultato(d, {"1", "2", "3", "4", "5", "6", "7", "*"});
        d.PulsanteSpoglio()->click();
        EXPECT_EQ(Tabella(*d.Vincite()),
                  (std::vector<std::pair<std::string, std::string>>{{" 92", " 2"}, {" 75", " 1"}}));
        EXPECT_EQ(d.TestiSbagliate(), std::vector<std::string>{"Pronostico"});

        // The slips holding a 92: slip 1 (columns 1, 2) and slip 2 (column 3).
        test::QuandoModale<TFormSchedineVincenti>([&](TFormSchedineVincenti& s) {
            EXPECT_EQ(s.Punti()->count(), 2);
            EXPECT_EQ(s.Punti()->currentText(), "92");
            EXPECT_EQ(s.Modello().Numeri(), (std::vector<std::int32_t>{1, 2}));
            EXPECT_TRUE(s.Pannelli()->Pannello(0)->isVisible());
            EXPECT_FALSE(s.Pannelli()->Pannello(2)->isVisible());
            EXPECT_TRUE(s.Pannelli()->Pannello(0)->Segnata(1, 1));
            s.Punti()->setCurrentIndex(1);
            EXPECT_EQ(s.Modello().Numeri(), (std::vector<std::int32_t>{1}));
            EXPECT_FALSE(s.Pannelli()->Pannello(1)->isVisible());
            // "&Stampa" puts the numbers of the slips shown on paper, in a preview or a PDF.
            const auto pdf = cartella / "vincenti.pdf";
            scelta.Risposte.push_back(pdf.string());
            s.PulsantiStampa()->Pdf()->click();
            std::ifstream letto(pdf, std::ios::binary);
            std::string inizio(5, ' ');
            letto.read(inizio.data(), 5);
            EXPECT_EQ(inizio, "%PDF-");
        });
        d.PulsanteSchedine()->click();

        // Editing a cell asks for a new check: no counts of the old result are left.
        QTest::keyClick(d.Risultato()->Cella(8), Qt::Key_Backspace);
        EXPECT_FALSE(d.PulsanteSchedine()->isEnabled());
        EXPECT_TRUE(d.Sbagliate()->count() == 0);
        const auto vuota = Tabella(*d.Vincite());
        ASSERT_EQ(vuota.size(), 102u);
        EXPECT_EQ(vuota.front(), (std::pair<std::string, std::string>{" 101", ""}));
        EXPECT_TRUE(std::all_of(vuota.begin(), vuota.end(),
                                [](const auto& c) { return c.second.empty(); }));
        QTest::keyClicks(d.Risultato()->Cella(8), "*");
    });
    // The cells come back at the next opening, from memory or from a file.
    scelta.Risposte = {Colonne("Manca.Scl")};
    ConDialogo<TFormSpoglio>("SpoglioDaFile", [&](TFormSpoglio& d) {
        EXPECT_EQ(d.Risultato()->Cella(1)->text(), "1");
        EXPECT_EQ(d.Risultato()->Cella(8)->text(), "*");
        EXPECT_EQ(d.Colonne().Quante(), 0);  // the file could not be read
    });
    EXPECT_EQ(messaggi.Domande.back().Testo,
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di Manca.Scl: file non "
              "trovato.");
}

TEST_F(StrumentiColonne, TheViewerPagesThroughSlips) {
    Apri();
    // Seventeen columns that can be played, pilot i first.
    std::vector<TColonna> colonne;
    for (int i = 1; i <= 17; ++i)
        colonne.push_back({static_cast<std::uint8_t>(i), 18, 19, 20, 21, 22, 23,
                           static_cast<std::uint8_t>(i == 17 ? 16 : 17)});
    ScriviColonne(Colonne("Diciassette.Scl"), colonne);
    scelta.Risposte = {Colonne("Diciassette.Scl")};
    ConDialogo<TFormVisualizzaColonne>("VisualizzazioneDaFile", [](TFormVisualizzaColonne& d) {
        TPannelliSchedine* p = d.Pannelli();
        EXPECT_EQ(p->Barra()->maximum(), 1);
        EXPECT_EQ(p->Pannello(0)->Numero(), 1);
        EXPECT_EQ(p->Pannello(7)->Numero(), 8);
        p->Barra()->setValue(1);
        EXPECT_EQ(p->Pannello(0)->Numero(), 2);
        EXPECT_EQ(p->Pannello(7)->Numero(), 9);
        EXPECT_EQ(p->Pannello(7)->Quante(), 1);
        EXPECT_EQ(d.Conteggio()->text(), "Colonne : 17   Schedine : 9");
    });
}

TEST_F(StrumentiColonne, OperationsFollowTheChoiceRunAndAreRemembered) {
    Apri();
    ScriviColonne(Colonne("Primo.Scl"), {Col(1), Col(9)});
    ScriviColonne(Colonne("Secondo.Scl"), {Col(9), Col(10)});
    ConDialogo<TFormOperazioni>("Operazioni", [&](TFormOperazioni& d) {
        EXPECT_EQ(d.Uscita()->text(), "FileOutput.Scl");
        EXPECT_EQ(d.Garanzia()->minimum(), 30);
        EXPECT_EQ(d.Garanzia()->maximum(), 92);
        EXPECT_EQ(d.Garanzia()->value(), 80);
        struct Caso {
            int indice;
            const char *primo, *secondo;
            bool secondoVisibile, garanzia;
        } casi[] = {{4, "File da disordinare", "", false, false},
                    {3, "File del ridotto", "File delle Colonne da coprire", true, true},
                    {2, "Primo file", "Secondo file", true, false}};
        for (const auto& c : casi) {
            d.Operazione()->setCurrentIndex(c.indice);
            EXPECT_EQ(d.DidascaliaPrimo()->text(), c.primo);
            EXPECT_EQ(d.DidascaliaSecondo()->text(), c.secondo);
            EXPECT_EQ(d.Secondo()->isVisible(), c.secondoVisibile);
            EXPECT_EQ(d.CercaSecondo()->isVisible(), c.secondoVisibile);
            EXPECT_EQ(d.Garanzia()->isEnabled(), c.garanzia);
        }
        EXPECT_EQ(d.Operazione()->currentText(), " XOR");
        scelta.Risposte = {Colonne("Primo.Scl")};
        QTest::mouseClick(d.findChild<QPushButton*>("CercaSource1"), Qt::LeftButton);
        EXPECT_EQ(d.Primo()->text(), "Primo.Scl");
        EXPECT_EQ(scelta.Richieste.back().Filtro, "File Colonnare (*.Scl)|*.Scl");
        d.Secondo()->setText("Secondo");
        d.Uscita()->setText("Xor");
        d.PulsanteEsegui()->click();
        EXPECT_EQ(messaggi.Domande.back().Testo, "Colonne Ottenute : 2");
        EXPECT_EQ(d.Avanzamento()->value(), 100);
    });
    EXPECT_EQ(LeggiColonne(Colonne("Xor.Scl")), (std::vector<TColonna>{Col(1), Col(10)}));

    // The next opening starts where this one ended; a vanished file writes nothing.
    std::filesystem::remove(Colonne("Primo.Scl"));
    ConDialogo<TFormOperazioni>("Operazioni", [&](TFormOperazioni& d) {
        EXPECT_EQ(d.Operazione()->currentText(), " XOR");
        EXPECT_EQ(d.DidascaliaPrimo()->text(), "Primo file");
        EXPECT_EQ(d.Primo()->text(), "Primo.Scl");
        EXPECT_EQ(d.Uscita()->text(), "Xor");
        d.Uscita()->setText("Nuovo");
        d.PulsanteEsegui()->click();
        EXPECT_EQ(messaggi.Errori.back(),
                  "Impossibile effettuare le operazioni sui Files Primo.Scl: file non trovato.");
    });
    EXPECT_FALSE(std::filesystem::exists(Colonne("Nuovo.Scl")));
}

TEST_F(StrumentiColonne, InterrompiStopsAnOperationUnderWayAndWritesNothing) {
    Apri();
    ScriviColonne(Colonne("Primo.Scl"), {Col(1)});
    std::vector<TColonna> molte;
    TColonna c{1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < 200000; ++i, std::next_permutation(c.begin(), c.end())) molte.push_back(c);
    ScriviColonne(Colonne("Secondo.Scl"), molte);
    ConDialogo<TFormOperazioni>("Operazioni", [&](TFormOperazioni& d) {
        d.Primo()->setText("Primo");
        d.Secondo()->setText("Secondo");
        d.Uscita()->setText("Unione");
        bool visto = false;
        QObject::connect(d.Avanzamento(), &QProgressBar::valueChanged, &d, [&](int v) {
            if (v < 10 || !d.InCorso() || visto) return;
            visto = true;
            // Meanwhile only "Interrompi" works and the window cannot be closed.
            EXPECT_FALSE(d.PulsanteEsegui()->isEnabled());
            EXPECT_FALSE(d.PulsanteChiudi()->isEnabled());
            d.reject();
            EXPECT_TRUE(d.isVisible());
            d.PulsanteInterrompi()->click();
        });
        d.PulsanteEsegui()->click();
        EXPECT_TRUE(visto);
        EXPECT_FALSE(d.InCorso());
        EXPECT_EQ(d.Avanzamento()->value(), 0);
        EXPECT_TRUE(d.PulsanteEsegui()->isEnabled());
        EXPECT_FALSE(d.PulsanteInterrompi()->isEnabled());
    });
    EXPECT_TRUE(messaggi.Domande.empty());
    EXPECT_FALSE(std::filesystem::exists(Colonne("Unione.Scl")));
}

TEST_F(StrumentiColonne, ConversionOfTheChosenFilesAndItsInterruption) {
    const auto origine = cartella / "origine";
    const auto arrivo = cartella / "arrivo";
    std::filesystem::create_directories(origine);
    std::filesystem::create_directories(arrivo);
    ScriviColonne(origine / "a.Scl", {{1, 12, 3, 4, 5, 6, 7, 8}});
    ScriviColonne(origine / "b.Scl", {{2, 1, 3, 4, 5, 6, 7, 8}, {3, 1, 2, 4, 5, 6, 7, 8}});
    ScriviColonne(origine / "c.Scl", {{4, 1, 2, 3, 5, 6, 7, 8}});
    test::ScriviTesto(origine / "d.Txt", " 1  2  3  4  5  6  7  8");

    TFormConversione d(messaggi);
    std::vector<QString> cartelle = {QS(origine.string()), QS(arrivo.string())};
    d.ImpostaSceltaCartella([&](QWidget*, const QString&, const QString& iniziale) {
        EXPECT_EQ(iniziale, QS(CartellaColonne().string()));
        const QString c = cartelle.front();
        cartelle.erase(cartelle.begin());
        return c;
    });
    d.show();
    d.SfogliaSorgente()->click();
    d.findChild<QPushButton*>("SfogliaCartellaDestinazione")->click();
    d.FormatoSorgente()->setCurrentIndex(2);
    d.FormatoDestinazione()->setCurrentIndex(0);
    ASSERT_EQ(d.Elenco()->count(), 3);  // the Scl files only
    EXPECT_FALSE(d.PulsanteConverti()->isEnabled());
    d.SelezionaTutti()->click();
    d.AzzeraSelezione()->click();
    EXPECT_TRUE(d.FileScelti().empty());
    d.Elenco()->item(0)->setSelected(true);
    d.Elenco()->item(2)->setSelected(true);
    EXPECT_EQ(d.FileScelti(), (std::vector<std::string>{"a.Scl", "c.Scl"}));
    d.PulsanteConverti()->click();
    EXPECT_EQ(messaggi.Domande.back().Testo, "Conversione terminata con successo.");
    EXPECT_EQ(d.FileCreati()->text(), "2");
    EXPECT_EQ(test::LeggiByte(arrivo / "a.Txt").size(),
              std::string(" 1 12  3  4  5  6  7  8").size());
    EXPECT_TRUE(std::filesystem::exists(arrivo / "c.Txt"));

    // Interrupted after the first file: the second is not left half written.
    d.SelezionaTutti()->click();
    QObject::connect(&d, &TFormConversione::FileConvertiti, &d, [&](int n) {
        if (n == 1) d.PulsanteInterrompi()->click();
    });
    d.PulsanteConverti()->click();
    EXPECT_EQ(messaggi.Domande.back().Testo, "Conversione Interrotta.");
    EXPECT_EQ(d.FileCreati()->text(), "1");
    EXPECT_FALSE(std::filesystem::exists(arrivo / "b.Txt"));
    EXPECT_TRUE(d.PulsanteChiudi()->isEnabled());
}

TEST_F(StrumentiColonne, ConversionFoldersAndFormatsAreRemembered) {
    Apri();
    ConDialogo<TFormConversione>("ConversioneFormati", [&](TFormConversione& d) {
        EXPECT_EQ(d.CartellaSorgente()->text(), QS(CartellaColonne().string()));
        EXPECT_EQ(d.FormatoSorgente()->currentText(), "Txt (Formato testo)");
        EXPECT_EQ(d.FormatoDestinazione()->currentText(), "Scl");
        d.FormatoSorgente()->setCurrentIndex(1);
        d.CartellaDestinazione()->setText(QS(cartella.Percorso().string()));
    });
    ConDialogo<TFormConversione>("ConversioneFormati", [&](TFormConversione& d) {
        EXPECT_EQ(d.FormatoSorgente()->currentText(), "Asc (Formato testo)");
        EXPECT_EQ(d.CartellaDestinazione()->text(), QS(cartella.Percorso().string()));
    });
}

TEST_F(StrumentiColonne, EditorToolBarCommands) {
    Apri();
    ScriviColonne(Colonne("Due.Scl"), {Col(9), Col(10)});
    ConDialogo<TFormEditorColonne>("EditorColonne", [&](TFormEditorColonne& d) {
        EXPECT_EQ(d.windowTitle(), "Editor Colonnare - Personali.Scl");
        QStringList suggerimenti;
        for (QAction* a : d.Barra()->actions())
            if (!a->isSeparator()) suggerimenti << a->toolTip();
        EXPECT_EQ(
            suggerimenti,
            (QStringList{"Azzera", "Carica Colonne", "Inserisci il File Colonnare", "Salva Colonne",
                         "Salva Colonne con Nome", "Salta alla Colonna", "Cancella Colonna",
                         "Inserisce Colonna", "Ordina", "Salta alla Prima", "Salta all'ultima",
                         "Stampa su Schedine", "Help", "Uscita"}));
        TEditorColonne& e = d.Editor();
        TGrigliaEditor* g = d.Griglia();
        auto digita = [&](int colonna, const char* testo) {
            g->setCurrentIndex(d.Modello()->index(0, colonna));
            std::istringstream in(testo);
            std::string cella;
            while (in >> cella) {
                QTest::keyClicks(g, QS(cella));
                QTest::keyClick(g, Qt::Key_Return);
            }
        };
        digita(0, "2 1 3 4 5 6 7 8");
        // Enter from the eighth row went to the top of the next grid column.
        EXPECT_EQ(g->currentIndex(), d.Modello()->index(0, 1));
        digita(1, "1 2 3 4 5 6 7 8");
        EXPECT_TRUE(e.Modificato);
        // The first key in a cell replaces it, a third digit is refused.
        g->setCurrentIndex(d.Modello()->index(0, 1));
        QTest::keyClicks(g, "123");
        EXPECT_EQ(d.Modello()->index(0, 1).data().toString(), "12");
        QTest::keyClick(g, Qt::Key_Backspace);
        QTest::keyClick(g, Qt::Key_Backspace);
        QTest::keyClicks(g, "1");

        d.Comando("Ordina")->trigger();
        EXPECT_EQ(e.QuanteVoci(), 2);
        EXPECT_EQ(e.ListaEditor[0].Colonna, Col(1));
        EXPECT_EQ(d.Scorrimento()->maximum(), 202);
        // The grid stored before the command adds its empty columns to the list.
        d.Comando("SaltaAllUltima")->trigger();
        EXPECT_EQ(e.Corrente.Voce, e.QuanteVoci() - 1);
        d.Comando("SaltaAllaPrima")->trigger();
        EXPECT_EQ(g->currentIndex().column(), 0);
        d.Comando("InserisceColonna")->trigger();
        EXPECT_EQ(e.ListaEditor[0].Colonna, TColonna{});
        d.Comando("CancellaColonna")->trigger();
        EXPECT_EQ(e.ListaEditor[0].Colonna, Col(1));

        // The jump dialog offers 1 up to the number of columns, empty ones removed.
        test::QuandoModale<TFormSalta>([](TFormSalta& s) {
            EXPECT_EQ(s.Campo()->minimum(), 1);
            EXPECT_EQ(s.Campo()->maximum(), 2);
            s.Campo()->setValue(2);
            s.accept();
        });
        d.Comando("SaltaAllaColonna")->trigger();
        EXPECT_EQ(e.QuanteVoci(), 2);
        EXPECT_EQ(e.Corrente.Voce, 1);

        // A name never chosen is asked for; then "Salva Colonne" writes in place.
        scelta.Risposte = {Colonne("Mie.Scl")};
        d.Comando("SalvaColonne")->trigger();
        EXPECT_EQ(d.windowTitle(), "Editor Colonnare - Mie.Scl");
        EXPECT_EQ(LeggiColonne(Colonne("Mie.Scl")),
                  (std::vector<TColonna>{Col(1), {2, 1, 3, 4, 5, 6, 7, 8}}));
        scelta.Risposte = {Colonne("Altre.Scl")};
        d.Comando("SalvaConNome")->trigger();
        EXPECT_TRUE(std::filesystem::exists(Colonne("Altre.Scl")));
        EXPECT_FALSE(e.Modificato);

        scelta.Risposte = {Colonne("Due.Scl")};
        d.Comando("InserisciFile")->trigger();
        EXPECT_EQ(e.ColonneNonVuote().Quante(), 4);
        // "Azzera" and "Carica Colonne" ask first; "Annulla" keeps the list.
        messaggi.Risposte = {PulsanteAnnulla, PulsanteAnnulla};
        d.Comando("Azzera")->trigger();
        scelta.Risposte = {Colonne("Due.Scl")};
        d.Comando("CaricaColonne")->trigger();
        EXPECT_EQ(e.ColonneNonVuote().Quante(), 4);
        EXPECT_EQ(messaggi.Domande.size(), 2u);
        EXPECT_EQ(messaggi.Domande[0].Testo, "Le colonne non sono state salvate. Vuoi salvarle ? ");
        messaggi.Risposte = {PulsanteNo};
        d.Comando("CaricaColonne")->trigger();
        EXPECT_EQ(e.ColonneNonVuote().ComeVettore(), (std::vector<TColonna>{Col(9), Col(10)}));
        EXPECT_EQ(d.windowTitle(), "Editor Colonnare - Due.Scl");
        d.Comando("Azzera")->trigger();  // nothing unsaved: no question
        EXPECT_EQ(e.QuanteVoci(), 0);
        EXPECT_EQ(messaggi.Domande.size(), 3u);

        test::QuandoModale<TFormAiuto>(
            [](TFormAiuto& a) { EXPECT_TRUE(a.Testo()->toHtml().contains("editor di colonne")); });
        d.Comando("Help")->trigger();

        // Typing on the last grid column and pressing Enter on its last row scrolls by one.
        g->setCurrentIndex(d.Modello()->index(7, 15));
        QTest::keyClicks(g, "5");
        QTest::keyClick(g, Qt::Key_Return);
        EXPECT_EQ(e.Scorrimento, 1);
        EXPECT_EQ(g->currentIndex(), d.Modello()->index(0, 15));
        EXPECT_EQ(d.Modello()->index(7, 14).data().toString(), "5");

        messaggi.Risposte = {PulsanteAnnulla, PulsanteNo};
        d.Comando("Uscita")->trigger();
        EXPECT_TRUE(d.isVisible());
        d.Comando("Uscita")->trigger();
        EXPECT_FALSE(d.isVisible());
    });
}

TEST(Schermate, ColonneStrumenti) {
    SALTA_SENZA_SCHERMATE();
    test::TCartellaDiProva cartella;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    T_Sistema sistema;
    for (int p = 0; p < 8; ++p)
        for (int v = 1; v <= 12; ++v) sistema.Dati.Pronostico.Posizione[p].Aggiungi(v);
    auto* somme = static_cast<TCondSomme*>(sistema.Dati.Condizioni->Condizione(kSomme));
    somme->Tutti.Intervalli[0] = {30, 50, 1, 0};
    somme->Tutti.Quanti = 1;
    somme->AggiornaStato();
    std::vector<TColonna> colonne(40);
    for (int i = 0; i < 40; ++i)
        for (int p = 0; p < 8; ++p)
            colonne[i][p] = static_cast<std::uint8_t>(1 + (i / 3 + 3 * p) % 23);
    for (const char* nome : {"Ridotto.Scl", "Sviluppo.Scl", "Monza.Scl"})
        ScriviColonne(CartellaColonne() / nome, colonne);
    test::ScriviTesto(CartellaColonne() / "Monza.Txt", " 1  2  3  4  5  6  7  8");

    {
        TFormSpoglio d(sistema.Dati, messaggi, scelta);
        for (const auto& c : colonne) d.Colonne().Accoda(c);
        d.show();
        ScriviRisultato(d, {"1", "4", "7", "10", "13", "6", "19", "*"});
        d.PulsanteSpoglio()->click();
        test::SalvaSchermata(d, "spoglio");
        TFormSchedineVincenti s(d.Spoglio(), messaggi, scelta);
        s.Punti()->setCurrentIndex(s.Punti()->count() - 1);
        test::SalvaSchermata(s, "schedine-vincenti");
    }
    {
        TFormVisualizzaColonne v;
        for (const auto& c : colonne) v.Colonne().Accoda(c);
        test::SalvaSchermata(v, "visualizzazione-colonne");
    }
    {
        TFormOperazioni o(messaggi, scelta);
        o.Operazione()->setCurrentIndex(3);
        o.Primo()->setText("Ridotto.Scl");
        o.Secondo()->setText("Sviluppo.Scl");
        o.Avanzamento()->setValue(40);
        test::SalvaSchermata(o, "operazioni");
    }
    {
        TFormConversione c(messaggi);
        c.FormatoSorgente()->setCurrentIndex(2);
        c.Elenco()->item(1)->setSelected(true);
        c.FileCreati()->setText("2");
        test::SalvaSchermata(c, "conversione");
    }
    {
        TFormEditorColonne e(messaggi, scelta, nullptr, [](TListaColonne) {});
        for (int i = 0; i < 12; ++i) e.Editor().ListaEditor.push_back(TListCol{colonne[i]});
        e.Editor().Corrente = {3, 2};
        e.Ridisegna();
        test::SalvaSchermata(e, "editor-colonne");
        TFormSalta s(12);
        test::SalvaSchermata(s, "salta");
    }
}
