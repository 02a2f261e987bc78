#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/ui/TFormPrincipale.h"
#include "cli/Cli.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "development/ui/TFrmSviluppo.h"
#include "gui/Modale.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"
#include "widgets/TGraphNumSelector.h"

namespace sirvela::test {

// The main window over a document in a temporary program folder, with 25 named pilots, the
// default background and a scripted message box and file chooser.
struct TFinestraDiProva : ::testing::Test, TCartellaDiProva {
    TMessaggiFinti messaggi;
    TSceltaFileFinta scelta;
    T_Sistema sistema;
    std::unique_ptr<TFormPrincipale> f;

    TFinestraDiProva() {
        for (int i = 1; i <= 25; ++i) sistema.Dati.NomiPiloti[i] = "Pilota " + std::to_string(i);
        sistema.Dati.PilotaEscluso = 100;
        sistema.Dati.Sfondo = (CartellaSfondi() / "Deep_sea.Bmp").string();
    }
    ~TFinestraDiProva() override { f.reset(); }

    void Apri(const QStringList& argomenti = {}) {
        f = std::make_unique<TFormPrincipale>(sistema, messaggi, scelta);
        f->show();
        QApplication::setActiveWindow(f.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.get()));
        f->Avvia(argomenti);
    }
    // A click on a pilot's cell of a position selector.
    void Clicca(int posizione, int pilota) {
        TGraphNumSelector* s = f->Selettore(posizione);
        const QPoint c = s->RettangoloCella(pilota).center();
        QTest::mousePress(s, Qt::LeftButton, {}, c);
        QTest::mouseRelease(s, Qt::LeftButton, {}, c);
    }
    static std::string Testo(const QLabel* l) { return l->text().toStdString(); }
    // Runs `azione` on the dialog of type D that the command opens; fails when none opens.
    template <class D>
    void ConDialogo(const char* comando, std::function<void(D&)> azione) {
        bool visto = false;
        QuandoModale<D>([&](D& d) {
            visto = true;
            azione(d);
        });
        QAction* a = f->Azione(comando);
        ASSERT_NE(a, nullptr) << comando;
        a->trigger();
        EXPECT_TRUE(visto) << comando;
    }
    // Develops from the menu (some columns must go), saves the system as `nome` and checks
    // that `sirvela-cli sviluppa` on the saved file writes the same columns.
    void SviluppaComeLaRigaDiComando(const std::string& nome) {
        f->Azione("CalcoloColonne")->trigger();
        const auto colonne = sistema.Dati.Colonne.Quante();
        EXPECT_GT(colonne, 0);
        EXPECT_LT(colonne, sistema.Dati.Pronostico.ColonneIniziali());
        f->DialogoSviluppo()->hide();

        const auto file = CartellaSistemi() / nome;
        scelta.Risposte.push_back(file.string());
        f->Azione("Salva")->trigger();
        ASSERT_TRUE(std::filesystem::exists(file));
        const auto uscita = cartella / "cli.Scl";
        const auto corrente = std::filesystem::current_path();
        std::ostringstream out, err;
        const int codice = EseguiCli({"sviluppa", file.string(), "--output", uscita.string(),
                                      "--cartella", cartella.Percorso().string()},
                                     out, err);
        std::filesystem::current_path(corrente);
        ASSERT_EQ(codice, 0) << err.str();
        std::vector<std::uint8_t> attesi;
        for (const TColonna& c : sistema.Dati.Colonne)
            attesi.insert(attesi.end(), c.begin(), c.end());
        EXPECT_EQ(LeggiByte(uscita), attesi);
    }
};

}  // namespace sirvela::test
