#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "app/ui/MenuInternet.h"
#include "archive/TArchivio.h"
#include "download/TDownload.h"
#include "download/ui/TFormDownload.h"
#include "gui/FinestraDiProva.h"
#include "gui/Schermate.h"
#include "support/ServerFtp.h"

using namespace sirvela;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The main window with an old archive and a local server holding a new one.
struct DownloadFinestra : test::TFinestraDiProva {
    fs::path radice = cartella / "server";
    const std::vector<std::uint8_t> vecchio = std::vector<std::uint8_t>(13, 1);
    const std::vector<std::uint8_t> nuovo = std::vector<std::uint8_t>(13 * 4000, 2);
    std::unique_ptr<test::TServerFtp> server;
    TMenuInternet* menu = nullptr;

    void Prepara(const test::TServerFtp::Opzioni& o) {
        test::ScriviByte(TArchivio::FileLocale(), vecchio);
        fs::create_directories(radice);
        server = std::make_unique<test::TServerFtp>(radice, o);
        ASSERT_GT(server->Porta(), 0);
        test::ScriviDescrizione(radice, server->Host());
        test::ScriviByte(radice / "archivi" / "sirarch.dat", nuovo);
        test::PuntaAlServer(cartella.Percorso(), *server);
        Apri();
        menu = f->findChild<TMenuInternet*>();
        ASSERT_NE(menu, nullptr);
        // A stalled server still ends the test within seconds.
        TImpostazioniFtp imp;
        imp.Attesa = 10s;
        imp.Sorveglianza = 4s;
        menu->ImpostaFtp(imp);
    }
};

TEST_F(DownloadFinestra, MenuItemsAndToolBarButtonInTheirPlaces) {
    Apri();
    QMenu* internet = f->menuBar()->findChild<QMenu*>("MenuInternet");
    ASSERT_NE(internet, nullptr);
    EXPECT_EQ(internet->title(), "&Internet");
    QStringList voci;
    for (QAction* a : internet->actions()) voci << a->text();
    QStringList attese{"Aggiornamento Archivi", "Aggiornamento Piloti"};
#if SIRVELA_AGGIORNAMENTO_PROGRAMMA
    attese << "Aggiornamento di Sirvela";
#endif
    EXPECT_EQ(voci, attese);
    QAction* pulsante = f->Azione("BarraAggiornamento");
    ASSERT_NE(pulsante, nullptr);
    EXPECT_EQ(pulsante->toolTip(), "Aggiornamento Archivi");
}

TEST_F(DownloadFinestra, ArchiveDownloadedWithTheWindowShowingItsProgress) {
    ASSERT_NO_FATAL_FAILURE(Prepara({}));
    f->Azione("BarraAggiornamento")->trigger();
    EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), nuovo);
    EXPECT_EQ(sistema.Dati.Archivio.Quante(), 4000);
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Testo, kArchiviAggiornati);
    TFormDownload* d = menu->Dialogo();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Aggiornamento tramite Internet");
    EXPECT_EQ(d->Titolo()->text(), "Aggiornamento degli Archivi");
    EXPECT_EQ(d->Stato()->text(), "Aggiornamento in Corso...");
    EXPECT_EQ(d->Passo()->text(), "Passo 1 di 1");
    EXPECT_EQ(d->Indicatore()->value(), 100);
    // The main window's commands are back, each tool-bar button as its menu item.
    EXPECT_TRUE(f->Azione("AggiornamentoArchivi")->isEnabled());
    EXPECT_TRUE(f->Azione("BarraAggiornamento")->isEnabled());
    BarraComeMenu();
    EXPECT_FALSE(f->ComandiSospesi());
}

TEST_F(DownloadFinestra, AnnullaStopsAStalledTransferAndKeepsTheArchive) {
    test::TServerFtp::Opzioni o;
    o.Blocca = {"sirarch.dat"};
    ASSERT_NO_FATAL_FAILURE(Prepara(o));
    TFormDownload* d = menu->Dialogo();
    bool premuto = false;
    QTimer sorveglia;
    QObject::connect(&sorveglia, &QTimer::timeout, [&] {
        if (!premuto && d->isVisible() && d->Indicatore()->value() > 0) {
            QTest::mouseClick(d->PulsanteAnnulla(), Qt::LeftButton);
            premuto = true;
        }
    });
    sorveglia.start(20);
    f->Azione("AggiornamentoArchivi")->trigger();
    EXPECT_TRUE(premuto);
    EXPECT_FALSE(d->isVisible());
    // The watchdog would have said so: the transfer ended on the cancel.
    EXPECT_TRUE(messaggi.Domande.empty());
    EXPECT_TRUE(messaggi.Errori.empty());
    EXPECT_EQ(test::LeggiByte(TArchivio::FileLocale()), vecchio);
}

}  // namespace

TEST(Schermate, Download) {
    SALTA_SENZA_SCHERMATE();
    TFormDownload d;
    d.Apri(TitoloModo(TModoDownload::Archivi), kStatoDownload, TestoPasso(1, 1));
    d.Percentuale(42);
    test::SalvaSchermata(d, "download");
}
