#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>

#include "FinestraDiProva.h"
#include "cli/Cli.h"
#include "development/ui/TFrmSviluppo.h"
#include "support/Supporto.h"
#include "widgets/TLGraphpt.h"

namespace sirvela::test {

// A click on a value box of an editor (the box, not the value: a scrolled or shifted strip
// shows other values).
inline void Clic(TLGraphpt& e, int box) {
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(box).center());
}

inline void Clic(TLGraphpt& e, std::initializer_list<int> box) {
    for (int b : box) Clic(e, b);
}

inline TLGraphpt& Editore(QWidget& d, const char* nome) {
    auto* e = d.findChild<TLGraphpt*>(nome);
    EXPECT_NE(e, nullptr) << nome;
    return *e;
}

// "Calcolo Colonne" in the window, then the system saved as `nome` in "Sistemi": the command
// line must develop the saved file into the very same columns. Returns how many there are.
inline std::int64_t SviluppaComeLaRigaDiComando(TFinestraDiProva& t, const std::string& nome) {
    t.f->Azione("CalcoloColonne")->trigger();
    t.f->DialogoSviluppo()->hide();
    const auto file = CartellaSistemi() / nome;
    t.scelta.Risposte.push_back(file.string());
    t.f->Azione("Salva")->trigger();
    EXPECT_TRUE(std::filesystem::exists(file));

    const auto uscita = t.cartella / "cli.Scl";
    const auto corrente = std::filesystem::current_path();
    std::ostringstream out, err;
    const int codice = EseguiCli({"sviluppa", file.string(), "--output", uscita.string(),
                                  "--cartella", t.cartella.Percorso().string()},
                                 out, err);
    std::filesystem::current_path(corrente);
    EXPECT_EQ(codice, 0) << err.str();
    std::vector<std::uint8_t> attesi;
    for (const TColonna& c : t.sistema.Dati.Colonne)
        attesi.insert(attesi.end(), c.begin(), c.end());
    EXPECT_EQ(LeggiByte(uscita), attesi);
    return static_cast<std::int64_t>(t.sistema.Dati.Colonne.Quante());
}

}  // namespace sirvela::test
