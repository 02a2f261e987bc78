#include <gtest/gtest.h>

#include "app/Avvio.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "shop/DatiRicevitoria.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

struct DatiRicevitoria : ::testing::Test, test::TCartellaDiProva {};

}  // namespace

TEST_F(DatiRicevitoria, StoredCutTo60CharactersAt278InTheSettingsFile) {
    T_Sistema s;
    CaricaDatiAvvio(s);
    TModelloDatiRicevitoria m = TModelloDatiRicevitoria::Da(s.Dati);
    EXPECT_EQ(m.Testi, (std::array<std::string, 4>{}));
    m.Testi = {"Bar Sport", std::string(65, 'x'), "Città", ""};
    test::TMessaggiFinti messaggi;
    EXPECT_TRUE(m.Applica(s, &messaggi));
    EXPECT_EQ(s.Dati.DatiRicevitoria[1], std::string(60, 'x'));

    const auto b = test::LeggiByte(cartella / "Sirvela.cfg");
    ASSERT_GE(b.size(), 522u);
    auto corta = [&](std::size_t inizio) {
        return std::vector<std::uint8_t>(b.begin() + inizio, b.begin() + inizio + 7);
    };
    // Four short strings of 61 bytes: length, then the Windows-1252 text, zero-filled.
    EXPECT_EQ(corta(278), (std::vector<std::uint8_t>{9, 'B', 'a', 'r', ' ', 'S', 'p'}));
    EXPECT_EQ(b[339], 60);
    EXPECT_EQ(b[339 + 60], 'x');
    EXPECT_EQ(corta(400), (std::vector<std::uint8_t>{5, 'C', 'i', 't', 't', 0xE0, 0}));
    EXPECT_EQ(b[461], 0);

    // Read back at the next start.
    T_Sistema dopo;
    CaricaDatiAvvio(dopo);
    EXPECT_EQ(dopo.Dati.DatiRicevitoria, s.Dati.DatiRicevitoria);
}
