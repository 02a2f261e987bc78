#include <gtest/gtest.h>

#include "app/ListaPiloti.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

using test::LeggiByte;
using test::ScriviTesto;

TEST(ListaPiloti, CrLfAndLfReadTheSameAndAccentsRoundTrip) {
    test::CartellaTemporanea dir;
    // Windows-1252: 0xE9 é, 0xF2 ò, 0x80 €.
    ScriviTesto(dir / "crlf.txt", "Ren\xE9 Duval\r\nNicol\xF2 Bassi\r\n  \r\nPaul \x80uro\r\n");
    ScriviTesto(dir / "lf.txt", "Ren\xE9 Duval\nNicol\xF2 Bassi\n  \nPaul \x80uro");
    TPiloti a, b;
    EXPECT_EQ(LeggiListaPiloti(dir / "crlf.txt", a).NumeroPiloti, 4);
    EXPECT_EQ(LeggiListaPiloti(dir / "lf.txt", b).NumeroPiloti, 4);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.Nome(4), "Paul €uro");
    ASSERT_TRUE(ScriviListaPiloti(dir / "scritta.txt", a, 4));
    EXPECT_EQ(LeggiByte(dir / "scritta.txt"), LeggiByte(dir / "crlf.txt"));
}

TEST(ListaPiloti, LongLinesAndTooManyLinesAreCut) {
    test::CartellaTemporanea dir;
    std::string testo;
    for (int i = 1; i <= 30; ++i)
        testo += "Pilota " + std::to_string(i) + std::string(50, 'x') + "\n";
    ScriviTesto(dir / "lunga.txt", testo);
    TPiloti p;
    EXPECT_EQ(LeggiListaPiloti(dir / "lunga.txt", p).NumeroPiloti, 25);
    EXPECT_EQ(p.Nome(25), "Pilota 25" + std::string(31, 'x'));
    // 40 characters, not 40 UTF-8 bytes.
    ScriviTesto(dir / "quaranta.txt", std::string(39, 'a') + "\xE8\xE8\r\n");
    LeggiListaPiloti(dir / "quaranta.txt", p);
    EXPECT_EQ(p.Nome(1), std::string(39, 'a') + "è");
}

// The default count of 23 with the 22 built-in names: pilot 23 has no name, so a fresh install
// plays with pilots 1..22 until the user names the 23rd.
TEST(ListaPiloti, UnreadableListGivesTheBuiltInField) {
    test::CartellaTemporanea dir;
    for (const auto& percorso : {dir / "manca.txt", dir.Percorso()}) {
        TPiloti p;
        const auto esito = LeggiListaPiloti(percorso, p);
        EXPECT_FALSE(esito.Letta);
        EXPECT_EQ(esito.NumeroPiloti, 23);
        EXPECT_EQ(p.Nome(kNumeroNomiPredefiniti), NomiPilotiPredefiniti().back());
        p.RicalcolaEscluso(esito.NumeroPiloti);
        EXPECT_EQ(p.PilotaEscluso, 23);
    }
}

TEST(TPiloti, ExcludedIsTheLastBlankNameAmongThosePlaying) {
    TPiloti p;
    for (int i = 1; i <= 23; ++i) p.ImpostaNome(i, "N" + std::to_string(i));
    p.ImpostaNome(13, "   ");
    p.ImpostaNome(7, "");
    for (auto [numero, escluso] : {std::pair{12, 7}, {23, 13}, {25, 25}, {99, 25}}) {
        p.RicalcolaEscluso(numero);
        EXPECT_EQ(p.PilotaEscluso, escluso) << numero;
    }
    p.ImpostaNome(26, "fuori");
    EXPECT_EQ(p.Nome(26), "");
}

}  // namespace
}  // namespace sirvela
