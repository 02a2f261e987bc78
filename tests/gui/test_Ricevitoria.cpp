#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <QMenuBar>

#include "FinestraDiProva.h"
#include "app/ui/Risorse.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"
#include "dictation/ui/TFrmDettSche.h"
#include "dictation/ui/TVoceQt.h"
#include "gui/Schermate.h"
#include "shop/ui/TFormDatiRicevitoria.h"
#include "shop/ui/TFormGeneraSchedine.h"
#include "support/Finti.h"
#include "widgets/TLVisColonne.h"

using namespace sirvela;

namespace {

struct VoceFinta : IVoceDettatura {
    std::vector<int> inizi;
    void Suona(int inizio, int) override { inizi.push_back(inizio); }
    void Ferma() override {}
};

}  // namespace

TEST(FormGeneraSchedine, ControlsFollowTheModel) {
    TDatiSistema dati;
    std::mt19937 caso(1);
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    test::TCartellaDiProva globali;  // 23 pilots in play
    TFormGeneraSchedine f(dati, caso, messaggi, scelta);
    EXPECT_TRUE(f.CostoFisso()->isChecked());
    EXPECT_EQ(f.NumeriFissi()->value(), 8);
    EXPECT_EQ(f.CostoSchedina()->text(), " 2.000");
    EXPECT_TRUE(f.GeneraInMemoria()->isEnabled());
    EXPECT_FALSE(f.Piu()->isEnabled());
    EXPECT_FALSE(f.MinimoPiu()->isEnabled());

    f.NumeriFissi()->setValue(6);
    EXPECT_EQ(f.CostoSchedina()->text(), " 6.000");
    EXPECT_TRUE(f.Piu()->isEnabled());
    EXPECT_FALSE(f.Meno()->isEnabled());
    EXPECT_FALSE(f.GeneraSuFile()->isEnabled());
    f.Piu()->click();
    EXPECT_EQ(f.CostoSchedina()->text(), " 12.000");
    EXPECT_EQ(f.Forma()->text(), "4 piloti variabili, 12 colonne per schedina");

    f.CostoCasuale()->click();
    EXPECT_FALSE(f.Piu()->isEnabled());
    EXPECT_TRUE(f.MassimoMeno()->isEnabled());
    EXPECT_FALSE(f.MinimoMeno()->isEnabled());
    f.MassimoMeno()->click();
    EXPECT_EQ(f.CostoMassimo()->text(), " 9.000");

    f.CostoFisso()->click();
    f.NumeriFissi()->setValue(8);
    f.Schedine()->setValue(7);
    dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f.GeneraInMemoria()->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(dati.Colonne.Quante(), 14);
}

// Typing takes 50 characters; a stored text of up to 60 comes back whole.
TEST(FormDatiRicevitoria, FieldsTakeFiftyCharacters) {
    TFormDatiRicevitoria f;
    TModelloDatiRicevitoria m;
    m.Testi = {"Bar Sport", std::string(58, 'v'), "Città", "0123 456789"};
    f.ImpostaOggetto(m);
    EXPECT_EQ(f.Campo(2)->text(), "Città");
    f.Campo(0)->setText(QString(60, 'a'));
    EXPECT_EQ(f.Modello().Testi[0], std::string(50, 'a'));
    EXPECT_EQ(f.Modello().Testi[1], std::string(58, 'v'));
    EXPECT_EQ(f.Modello().Testi[3], "0123 456789");
}

TEST(FrmDettSche, WindowShowsTheTicketAndTheNumberSpoken) {
    VoceFinta voce;
    TListaColonne colonne;
    colonne.Accoda({4, 2, 3, 1, 5, 6, 7, 8});
    colonne.Accoda({11, 12, 13, 14, 15, 16, 17, 18});
    colonne.Accoda({21, 22, 23, 24, 25, 9, 10, 19});
    TFrmDettSche f(voce);
    f.ImpostaOggetto(colonne);
    EXPECT_EQ(f.Dalla()->maximum(), 2);
    EXPECT_EQ(f.Alla()->value(), 2);
    EXPECT_EQ(f.Vista()->Numero(), 1);
    EXPECT_EQ(f.Vista()->Quante(), 2);

    f.Play()->click();
    EXPECT_TRUE(f.Timer().isActive());
    EXPECT_EQ(f.Timer().interval(), 1500);
    f.Scatto();
    f.Scatto();
    EXPECT_EQ(voce.inizi, (std::vector<int>{1700, 700}));  // pilots 4 and 2
    EXPECT_EQ(f.Vista()->ColonnaEvidenziata(), 1);
    EXPECT_EQ(f.Vista()->PosizioneEvidenziata(), 2);

    f.PausaTraNumeri()->setValue(20);
    EXPECT_EQ(f.Timer().interval(), 3000);
    f.Pausa()->click();
    EXPECT_FALSE(f.Timer().isActive());
    EXPECT_TRUE(f.Pausa()->isChecked());
    f.Stop()->click();
    EXPECT_FALSE(f.Pausa()->isChecked());

    f.Dalla()->setValue(2);
    EXPECT_EQ(f.Vista()->Numero(), 2);
    EXPECT_EQ(f.Vista()->Quante(), 1);
    EXPECT_EQ(f.Vista()->ColonnaEvidenziata(), 0);
    f.Play()->click();
    f.accept();
    EXPECT_FALSE(f.Timer().isActive());
}

namespace {

using Ricevitoria = test::TFinestraDiProva;

}  // namespace

TEST_F(Ricevitoria, MenuItemsOpenTheirWindows) {
    Apri();
    QStringList menu;
    for (QAction* a : f->menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu.indexOf("Ricevitoria"), menu.indexOf("Im&postazioni") - 1);
    EXPECT_EQ(f->Azione("SchedineAutomatiche")->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_FALSE(f->Azione("DettaturaDaMemoria")->isEnabled());

    ConDialogo<TFormDatiRicevitoria>("DatiRicevitoria", [](TFormDatiRicevitoria& d) {
        d.Campo(0)->setText("Bar Sport");
        d.accept();
    });
    EXPECT_EQ(sistema.Dati.DatiRicevitoria[0], "Bar Sport");
    EXPECT_TRUE(std::filesystem::exists(cartella / "Sirvela.cfg"));

    ConDialogo<TFormGeneraSchedine>("SchedineAutomatiche", [](TFormGeneraSchedine& d) {
        d.Schedine()->setValue(3);
        d.GeneraInMemoria()->click();
    });
    EXPECT_EQ(sistema.Dati.Colonne.Quante(), 6);
    EXPECT_TRUE(f->Azione("DettaturaDaMemoria")->isEnabled());

    ConDialogo<TFrmDettSche>("DettaturaDaMemoria",
                             [](TFrmDettSche& d) { EXPECT_EQ(d.Modello().QuanteSchedine(), 3); });
    // The voice that comes with the program was put in its folder.
    EXPECT_GT(std::filesystem::file_size(cartella / "Wav" / "vocal.Wav"), 600000u);
    EXPECT_TRUE(messaggi.Errori.empty());
}

TEST_F(Ricevitoria, AVoiceFileThatIsNotOneIsReportedAndNoWindowOpens) {
    Apri();
    sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStatoMenu();
    test::ScriviTesto(cartella / "Wav" / "vocal.Wav", "non è un suono");
    // Any window that opened all the same is closed at once and counted.
    bool aperta = false;
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            aperta = true;
            w->close();
        }
    });
    guardia.start(0);
    f->Azione("DettaturaDaMemoria")->trigger();
    EXPECT_FALSE(aperta);
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Impossibile Caricare il File Vocale"});
}

TEST(VoceQt, PlaysRangesEvenWithoutASoundCard) {
    test::CartellaTemporanea cartella;
    TVoceQt voce;
    EXPECT_FALSE(voce.Apri(cartella / "manca.wav"));
    ASSERT_TRUE(InstallaSeManca(":/wav/vocal.Wav", cartella / "Wav" / "vocal.Wav"));
    EXPECT_TRUE(voce.Apri(cartella / "Wav" / "vocal.Wav"));
    voce.Suona(200, 670);
    voce.Suona(13100, 13870);
    voce.Ferma();
}

// The shop's windows and the dictation.
TEST(Schermate, Ricevitoria) {
    SALTA_SENZA_SCHERMATE();
    TDatiSistema dati;
    std::mt19937 caso(1);
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    {
        TFormGeneraSchedine g(dati, caso, messaggi, scelta);
        test::SalvaSchermata(g, "generazione-schedine");
        g.NumeriFissi()->setValue(5);
        g.Piu()->click();
        test::SalvaSchermata(g, "generazione-schedine-sistema");
        g.CostoCasuale()->click();
        test::SalvaSchermata(g, "generazione-schedine-casuale");
    }
    {
        TFormDatiRicevitoria d;
        TModelloDatiRicevitoria m;
        m.Testi = {"Ricevitoria Bar Sport di Rossi Mario", "Via Giuseppe Garibaldi 128",
                   "Castelnuovo di Porto (RM)", "06 9876543"};
        d.ImpostaOggetto(m);
        test::SalvaSchermata(d, "dati-ricevitoria");
    }
    {
        VoceFinta voce;
        TListaColonne colonne;
        colonne.Accoda({3, 14, 7, 22, 1, 9, 18, 25});
        colonne.Accoda({12, 5, 20, 8, 16, 2, 11, 23});
        colonne.Accoda({6, 19, 4, 10, 21, 15, 13, 24});
        TFrmDettSche t(voce);
        t.ImpostaOggetto(colonne);
        t.show();
        t.Play()->click();
        for (int i = 0; i < 11; ++i) t.Scatto();
        test::SalvaSchermata(t, "dettatura");
        t.Stop()->click();
    }
}
