#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "FinestraDiProva.h"
#include "app/Configurazione.h"
#include "app/ui/TFormPrincipale.h"
#include "app/ui/TFrmImpostazioni.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "development/ui/TFrmImpSv.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

using Impostazioni = test::TFinestraDiProva;

}  // namespace

TEST_F(Impostazioni, MenusOfferTheNewCommands) {
    Apri();
    QStringList menu;
    for (QAction* a : f->menuBar()->actions()) menu << a->text();
    EXPECT_EQ(menu,
              (QStringList{"&Sistemi", "&Condizioni", "&Elaborazione", "C&olonne", "&Archivio",
                           "&Internet", "S&tampe", "Ricevitoria", "Im&postazioni", "&Help"}));
    auto voci = [&](const char* nome) {
        QStringList r;
        for (QAction* a : f->menuBar()->findChild<QMenu*>(nome)->actions())
            if (!a->isSeparator()) r << a->text();
        return r;
    };
    EXPECT_EQ(voci("MenuElaborazione"),
              (QStringList{"Impostazioni", "Calcolo Colonne", "Analisi Statistica Condizionato"}));
    EXPECT_EQ(voci("MenuImpostazioni"), (QStringList{"Lista Piloti", "Varie"}));
    EXPECT_EQ(f->Azione("CalcoloColonne")->shortcut(), QKeySequence(Qt::Key_F5));
    // Nothing to develop yet, unless the columns come from a file.
    EXPECT_FALSE(f->Azione("CalcoloColonne")->isEnabled());
    sistema.Dati.Sorgente.DaPronostico = false;
    f->AggiornaStatoMenu();
    EXPECT_TRUE(f->Azione("CalcoloColonne")->isEnabled());
    EXPECT_TRUE(f->Azione("BarraSviluppo")->isEnabled());
}

TEST(FrmImpSv, EnablingFollowsTheClicks) {
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    T_Sistema s;
    s.Dati.ImpSviluppo.VinciteMultiple = 3;  // stored without the reduction
    TFrmImpSv d(messaggi, scelta);
    d.ImpostaOggetto(TModelloImpSviluppo::Da(s));
    d.show();
    EXPECT_TRUE(d.UsaCondizioni()->isChecked());
    EXPECT_TRUE(d.DaPronostico()->isChecked());
    EXPECT_TRUE(d.InMemoria()->isChecked());
    EXPECT_FALSE(d.NomeSorgente()->isEnabled());
    EXPECT_FALSE(d.CercaSorgente()->isEnabled());
    EXPECT_FALSE(d.NomeDestinazione()->isEnabled());
    EXPECT_FALSE(d.Garanzia()->isEnabled());
    EXPECT_FALSE(d.Ottimizzata()->isEnabled());
    EXPECT_FALSE(d.Migliorata()->isEnabled());
    EXPECT_FALSE(d.Vincite()->isEnabled());
    EXPECT_EQ(d.Vincite()->value(), 1);
    EXPECT_EQ(d.Garanzia()->value(), 80);
    EXPECT_FALSE(d.Modello().Cambiato);

    // Typing a name marks nothing.
    QTest::keyClicks(d.NomeDestinazione(), "x");
    d.Garanzia()->setValue(90);
    EXPECT_FALSE(d.Modello().Cambiato);

    d.Autoriduzione()->click();
    EXPECT_TRUE(d.Modello().Cambiato);
    EXPECT_TRUE(d.Garanzia()->isEnabled());
    EXPECT_TRUE(d.Ottimizzata()->isEnabled());
    EXPECT_TRUE(d.Vincite()->isEnabled());
    d.Vincite()->setValue(4);
    EXPECT_EQ(d.Modello().Impostazioni.VinciteMultiple, 4);
    d.Ottimizzata()->click();
    EXPECT_FALSE(d.Vincite()->isEnabled());
    EXPECT_EQ(d.Vincite()->value(), 1);
    d.Ottimizzata()->click();
    EXPECT_TRUE(d.Vincite()->isEnabled());
    EXPECT_EQ(d.Vincite()->value(), 1);  // disabled once, it stays at 1
    // One reduction after the development: ticking one clears the other.
    EXPECT_TRUE(d.Migliorata()->isEnabled());
    d.Ottimizzata()->click();
    d.Migliorata()->click();
    EXPECT_FALSE(d.Ottimizzata()->isChecked());
    EXPECT_TRUE(d.Vincite()->isEnabled());
    d.Ottimizzata()->click();
    EXPECT_FALSE(d.Migliorata()->isChecked());
    d.Ottimizzata()->click();

    d.DaFile()->click();
    EXPECT_TRUE(d.NomeSorgente()->isEnabled());
    EXPECT_TRUE(d.CercaSorgente()->isEnabled());
    d.SuFile()->click();
    EXPECT_TRUE(d.NomeDestinazione()->isEnabled());
    d.InMemoria()->click();
    EXPECT_FALSE(d.NomeDestinazione()->isEnabled());

    // A click on the option already chosen counts as a change too.
    d.ImpostaOggetto(TModelloImpSviluppo::Da(s));
    EXPECT_FALSE(d.Modello().Cambiato);
    d.DaPronostico()->click();
    EXPECT_TRUE(d.DaPronostico()->isChecked());
    EXPECT_TRUE(d.Modello().Cambiato);
}

TEST_F(Impostazioni, OkRefusesAMissingSourceAndStoresTheRest) {
    for (int p = 0; p < 8; ++p) sistema.Dati.Pronostico.Posizione[p].Aggiungi(p + 1);
    sistema.Dati.Sviluppato = true;
    Apri();
    for (int i = 0; i < 4; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStato();
    ASSERT_TRUE(f->Azione("SalvaColonne")->isEnabled());
    test::ScriviByte(CartellaColonne() / "Vere.Scl", std::vector<std::uint8_t>(8, 3));

    ConDialogo<TFrmImpSv>("ImpostazioniSviluppo", [&](TFrmImpSv& d) {
        EXPECT_EQ(d.windowTitle(), "Impostazioni di Sviluppo");
        d.DaFile()->click();
        d.NomeSorgente()->setText("Finte");
        d.BtnOk()->click();
        EXPECT_TRUE(d.isVisible());  // refused, still open
        EXPECT_EQ(d.focusWidget(), d.NomeSorgente());
        d.NomeSorgente()->setText("Vere");
        d.Autoriduzione()->click();
        d.Garanzia()->setValue(88);
        d.BtnOk()->click();
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo, "Il File Sorgente non Esiste.");
    const TDatiSistema& dati = sistema.Dati;
    EXPECT_FALSE(dati.Sorgente.DaPronostico);
    EXPECT_EQ(dati.Sorgente.FileSorgente, "Vere");
    EXPECT_TRUE(dati.ImpSviluppo.Autoriduzione);
    EXPECT_EQ(dati.ImpSviluppo.Garanzia, 88);
    // Changed: the old development is gone, and the document must be saved.
    EXPECT_FALSE(dati.Sviluppato);
    EXPECT_TRUE(dati.Colonne.Vuota());
    EXPECT_TRUE(sistema.Modificato);
    EXPECT_FALSE(f->Azione("SalvaColonne")->isEnabled());
    EXPECT_EQ(f->PannelloFinali()->text(), " Colonne Finali : ");

    // "Annulla" stores nothing.
    sistema.Modificato = false;
    ConDialogo<TFrmImpSv>("ImpostazioniSviluppo", [&](TFrmImpSv& d) {
        d.UsaCondizioni()->click();
        d.reject();
    });
    EXPECT_TRUE(sistema.Dati.ImpSviluppo.UsaCondizioni);
    EXPECT_FALSE(sistema.Modificato);
}

TEST_F(Impostazioni, TheImprovedReductionsSearchIsSetBesideItAndKeptWithTheSystem) {
    auto& imp = sistema.Dati.ImpSviluppo;
    imp.Autoriduzione = true;
    imp.SecondiMigliorata = 45;
    imp.SemeMigliorata = 9;
    imp.FileDestinazione = (CartellaColonne() / "una cartella lunga" / "Ridotte.Scl").string();
    Apri();
    ConDialogo<TFrmImpSv>("ImpostazioniSviluppo", [&](TFrmImpSv& d) {
        EXPECT_EQ(d.Secondi()->value(), 45);
        EXPECT_EQ(d.Iterazioni()->text(), "");
        EXPECT_EQ(d.Seme()->text(), "9");
        // The name is cut in its field: the tooltip holds all of it.
        EXPECT_EQ(d.NomeDestinazione()->toolTip().toStdString(), imp.FileDestinazione);
        for (QWidget* w : std::initializer_list<QWidget*>{d.Secondi(), d.Iterazioni(), d.Seme()})
            EXPECT_FALSE(w->isEnabled());
        d.Migliorata()->click();
        for (QWidget* w : std::initializer_list<QWidget*>{d.Secondi(), d.Iterazioni(), d.Seme()})
            EXPECT_TRUE(w->isEnabled());
        d.Secondi()->setValue(0);
        EXPECT_EQ(d.Secondi()->text(), "Nessun limite");
        QTest::keyClicks(d.Iterazioni(), "12x34");  // digits only
        d.Seme()->clear();
        QTest::keyClicks(d.Seme(), "77");
        d.BtnOk()->click();
    });
    EXPECT_TRUE(imp.Migliorata);
    EXPECT_EQ(imp.SecondiMigliorata, 0u);
    EXPECT_EQ(imp.IterazioniMigliorata, 1234);
    EXPECT_EQ(imp.SemeMigliorata, 77u);
    EXPECT_TRUE(sistema.Modificato);
    // Saved and loaded with the system.
    sistema.NomeFile = (cartella / "ricerca.Sst").string();
    ASSERT_TRUE(sistema.SalvaSistema());
    T_Sistema letto;
    ASSERT_TRUE(letto.CaricaSistema(sistema.NomeFile));
    EXPECT_EQ(letto.Dati.ImpSviluppo, imp);
}

TEST_F(Impostazioni, VarieStoresPricesAndBackgroundAndWritesTheSettings) {
    sistema.Dati.Prezzi.PrezzoEuro = 0.5164568990894864;
    Apri();
    for (int i = 0; i < 10; ++i) sistema.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    f->AggiornaStato();
    const QString altro = QString::fromStdString((cartella / "Altro.bmp").string());
    QImage(8, 8, QImage::Format_RGB32).save(altro, "BMP");
    test::ScriviTesto(cartella / "Rotto.bmp", "non è una figura");

    ConDialogo<TFrmImpostazioni>("Varie", [&](TFrmImpostazioni& d) {
        EXPECT_EQ(d.windowTitle(), "Impostazioni");
        EXPECT_TRUE(d.InLire()->isChecked());
        EXPECT_EQ(d.Lire()->value(), 1000);
        EXPECT_EQ(d.Lire()->singleStep(), 50);
        EXPECT_EQ(d.EuroInteri()->value(), 0);
        EXPECT_EQ(d.Centesimi()->value(), 52);
        EXPECT_TRUE(d.SalvaColonne()->isChecked());
        EXPECT_TRUE(d.Schedine2()->isVisible());
        EXPECT_EQ(d.Fili()->text(), "Tutti");
        d.Fili()->setValue(2);
        // A file that is no picture is refused; a picture is taken.
        scelta.Risposte = {(cartella / "Rotto.bmp").string(), altro.toStdString()};
        d.CercaSfondo()->click();
        EXPECT_EQ(d.Sfondo()->text().toStdString(), sistema.Dati.Sfondo);
        d.CercaSfondo()->click();
        EXPECT_EQ(d.Sfondo()->text(), altro);
        EXPECT_FALSE(d.Anteprima()->pixmap().isNull());
        d.InEuro()->click();
        d.EuroInteri()->setValue(1);
        d.Centesimi()->setValue(25);
        d.SalvaColonne()->click();
        d.accept();
    });
    ASSERT_EQ(scelta.Richieste.size(), 2u);
    EXPECT_EQ(scelta.Richieste[0].Titolo, "Seleziona il File Bit Mapped");
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Sfondo non Valido"});
    const TDatiSistema& d = sistema.Dati;
    EXPECT_TRUE(d.Prezzi.Euro);
    EXPECT_DOUBLE_EQ(d.Prezzi.PrezzoEuro, 1.25);
    EXPECT_FALSE(d.SalvaColonne);
    EXPECT_EQ(d.Sfondo, altro.toStdString());
    EXPECT_EQ(f->Sfondo()->Immagine().size(), QSize(8, 8));
    EXPECT_EQ(f->PannelloFinali()->text(), " Colonne Finali : 10 (€ 12,50)");
    // The settings file holds the new values.
    TImpostazioniProgramma letto;
    LeggiConfigurazione(FileConfigurazione(), letto);
    EXPECT_TRUE(letto.Euro);
    EXPECT_DOUBLE_EQ(letto.PrezzoEuro, 1.25);
    EXPECT_EQ(letto.Sfondo, altro.toStdString());
    EXPECT_FALSE(letto.SalvaColonne);
    EXPECT_EQ(d.Fili, 2);
    LeggiImpostazioniAggiunte(FileImpostazioniAggiunte(FileConfigurazione()), letto);
    EXPECT_EQ(letto.Fili, 2);
}

TEST_F(Impostazioni, VarieReportsSettingsThatCannotBeWritten) {
    Apri();
    // A folder where the settings file should be.
    std::filesystem::create_directories(FileConfigurazione());
    ConDialogo<TFrmImpostazioni>("Varie", [&](TFrmImpostazioni& d) {
        d.Lire()->setValue(1500);
        d.accept();
    });
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Impossibile Salvare la Configurazione "
                                                        "Sirvela.cfg: è una cartella."});
    EXPECT_EQ(sistema.Dati.Prezzi.PrezzoLire, 1500.0);  // kept in memory
}
