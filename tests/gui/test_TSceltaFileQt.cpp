#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "app/ui/TSceltaFileQt.h"
#include "support/Supporto.h"

#include "gui/Modale.h"

using namespace sirvela;

namespace {

// Runs `fai` on the file dialog once it is up.
void QuandoAperto(std::function<void(QFileDialog&)> fai) {
    test::QuandoModale<QFileDialog>(fai);
}

}  // namespace

TEST(SceltaFileQt, TheDialogGetsTheRequestAndGivesThePath) {
    test::CartellaTemporanea cartella;
    test::ScriviByte(cartella / "Prova.Sst", {1});
    TSceltaFileQt scelta;
    TRichiestaFile r;
    r.Titolo = "Caricare il Sistema";
    r.Filtro = "Sistemi    *.Sst|*.Sst";
    r.Estensione = "Sst";
    r.Cartella = cartella.Percorso().string();
    r.Nome = "Prova.Sst";
    r.DeveEsistere = true;

    QuandoAperto([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Caricare il Sistema");
        // The dialog itself squeezes the runs of blanks of a description.
        EXPECT_EQ(d.nameFilters().join(";;").toStdString(), "Sistemi *.Sst (*.Sst *.sst *.SST)");
        EXPECT_EQ(d.defaultSuffix(), "Sst");
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d.directory().absolutePath(),
                  QString::fromStdString(cartella.Percorso().string()));
        d.reject();
    });
    EXPECT_EQ(scelta.Apri(r), std::nullopt);

    r.Titolo = "Salva le Colonne";
    r.Nome = "Nuove";
    r.Estensione = "Scl";
    QuandoAperto([&](QFileDialog& d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(d.testOption(QFileDialog::DontConfirmOverwrite));
        QMetaObject::invokeMethod(&d, "accept");
    });
    const auto scelto = scelta.Salva(r);
    ASSERT_TRUE(scelto.has_value());
    EXPECT_EQ(*scelto, (cartella / "Nuove.Scl").string());  // the default extension is added
}
