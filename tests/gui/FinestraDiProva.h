#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/ui/BarraStrumenti.h"
#include "app/ui/TFormPrincipale.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
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
    // Every tool-bar button is enabled exactly as the menu item it repeats.
    void BarraComeMenu() const {
        for (const TPulsanteBarra& p : kPulsantiBarra) {
            if (!p.Azione) continue;
            const QAction* pulsante = f->Azione(p.Nome);
            const QAction* voce = f->Azione(p.Azione);
            ASSERT_TRUE(pulsante && voce) << p.Nome;
            EXPECT_EQ(pulsante->isEnabled(), voce->isEnabled()) << p.Nome;
        }
    }
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
};

}  // namespace sirvela::test
