#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <memory>

#include "app/ui/TFormPrincipale.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "support/Finti.h"
#include "support/Supporto.h"

namespace sirvela::test {

// The main window over a document in a temporary program folder, with 25 named pilots, the
// default background and a scripted message box and file chooser; the globals it changes are
// put back afterwards.
struct TFinestraDiProva : ::testing::Test {
    CartellaTemporanea cartella;
    std::filesystem::path cartellaPrima = CartellaProgramma;
    int pilotiPrima = NumeroPiloti;
    TMessaggiFinti messaggi;
    TSceltaFileFinta scelta;
    std::unique_ptr<T_Sistema> sistema;
    std::unique_ptr<TFormPrincipale> f;

    TFinestraDiProva() {
        CartellaProgramma = cartella.Percorso();
        for (const char* c : {"Sistemi", "Colonne", "Sfondi"})
            std::filesystem::create_directories(cartella / c);
        NumeroPiloti = 23;
        // The document takes its default file names from the program folder.
        sistema = std::make_unique<T_Sistema>();
        for (int i = 1; i <= 25; ++i) sistema->Dati.NomiPiloti[i] = "Pilota " + std::to_string(i);
        sistema->Dati.PilotaEscluso = 100;
        sistema->Dati.Sfondo = (CartellaSfondi() / "Deep_sea.Bmp").string();
    }
    ~TFinestraDiProva() override {
        f.reset();
        sistema.reset();
        CartellaProgramma = cartellaPrima;
        NumeroPiloti = pilotiPrima;
    }
    void Apri() {
        f = std::make_unique<TFormPrincipale>(*sistema, messaggi, scelta);
        f->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        f->Avvia({});
    }
};

}  // namespace sirvela::test
