#include <gtest/gtest.h>

#include "core/Cp1252.h"
#include "core/FlussoBinario.h"
#include "support/Supporto.h"

using namespace sirvela;

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    EXPECT_EQ(ACp1252(DaCp1252(tutti)), tutti);
}

TEST(Cp1252, KnownCharacters) {
    EXPECT_EQ(DaCp1252("\xA3"), "£");
    EXPECT_EQ(DaCp1252("\x80"), "€");
    EXPECT_EQ(DaCp1252("Velocit\xE0"), "Velocità");
    EXPECT_EQ(ACp1252("è€£"), "\xE8\x80\xA3");
    EXPECT_EQ(ACp1252("日本"), "??");   // nothing for them in Windows-1252
    EXPECT_EQ(ACp1252("a\xC3"), "a?");  // a cut UTF-8 sequence
}

TEST(FlussoBinario, FieldsAreLittleEndianWithoutPadding) {
    TScrittore s;
    s.ScriviU8(0x12);
    s.ScriviI16(-2);
    s.ScriviU16(0x3456);
    s.ScriviI32(0x789ABCDE);
    s.ScriviDouble(1.5);
    const std::vector<std::uint8_t> atteso = {0x12, 0xFE, 0xFF, 0x56, 0x34, 0xDE, 0xBC, 0x9A, 0x78,
                                              0,    0,    0,    0,    0,    0,    0xF8, 0x3F};
    EXPECT_EQ(s.Dati(), atteso);

    TLettore l(s.Dati());
    std::uint8_t a;
    std::int16_t b;
    std::uint16_t c;
    std::int32_t d;
    double e;
    ASSERT_TRUE(l.LeggiU8(a) && l.LeggiI16(b) && l.LeggiU16(c) && l.LeggiI32(d) &&
                l.LeggiDouble(e));
    EXPECT_EQ(a, 0x12);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(c, 0x3456);
    EXPECT_EQ(d, 0x789ABCDE);
    EXPECT_EQ(e, 1.5);
    EXPECT_TRUE(l.FineFile());
}

TEST(FlussoBinario, ShortStringIsLengthByteAndZeroFilledCharacters) {
    TScrittore s;
    s.ScriviStringaCorta("Città", 255);
    ASSERT_EQ(s.Dati().size(), 256u);
    EXPECT_EQ(s.Dati()[0], 5);
    EXPECT_EQ(s.Dati()[5], 0xE0);
    EXPECT_EQ(s.Dati()[6], 0);
    EXPECT_EQ(s.Dati()[255], 0);

    // The limit counts Windows-1252 bytes, and garbage after the length is ignored.
    TScrittore corta;
    corta.ScriviStringaCorta("àèìòù-abc", 5);
    ASSERT_EQ(corta.Dati().size(), 6u);
    auto dati = corta.Dati();
    std::string letta;
    TLettore l(dati);
    ASSERT_TRUE(l.LeggiStringaCorta(letta, 5));
    EXPECT_EQ(letta, "àèìòù");

    std::vector<std::uint8_t> sporca(61, 'x');
    sporca[0] = 2;
    TLettore l2(sporca);
    ASSERT_TRUE(l2.LeggiStringaCorta(letta, 60));
    EXPECT_EQ(letta, "xx");
}

TEST(FlussoBinario, AShortReadFailsKeepsTheBytesThatArrivedAndStopsTheSequence) {
    const std::vector<std::uint8_t> dati = {0x01, 0x02, 0x03};
    TLettore l(dati);
    std::int16_t a = 0;
    std::int32_t b = 0x7F000000;
    std::uint8_t c = 9;
    EXPECT_TRUE(l.LeggiI16(a));
    EXPECT_FALSE(l.LeggiI32(b));
    EXPECT_EQ(b, 0x7F000003);    // the low byte arrived, the rest kept its value
    EXPECT_FALSE(l.LeggiU8(c));  // nothing more is read once a field failed
    EXPECT_EQ(c, 9);
    EXPECT_FALSE(l.Ok());
}

TEST(FlussoBinario, WriterFailsAfterItsLimit) {
    TScrittore s;
    s.ImpostaLimite(5);
    EXPECT_TRUE(s.ScriviI32(1));
    EXPECT_FALSE(s.ScriviI32(2));
    EXPECT_FALSE(s.ScriviU8(3));
    EXPECT_EQ(s.Dati().size(), 5u);
}

TEST(FlussoBinario, AFailedFileWriteLeavesTheOldFileIntact) {
    test::CartellaTemporanea dir;
    auto p = dir / "x.bin";
    test::ScriviByte(p, {1, 2, 3});
    {
        TScrittore s(p);
        ASSERT_TRUE(s.Aperto());
        s.ScriviI32(42);
        s.Abbandona();  // e.g. a later section could not be written
    }
    EXPECT_EQ(test::LeggiByte(p), (std::vector<std::uint8_t>{1, 2, 3}));
    {
        TScrittore s(p);
        s.ScriviI32(42);
        EXPECT_TRUE(s.Chiudi());
    }
    EXPECT_EQ(test::LeggiByte(p), (std::vector<std::uint8_t>{42, 0, 0, 0}));
    // Nothing is left behind beside the target.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Percorso()),
                            std::filesystem::directory_iterator{}),
              1);
}

TEST(FlussoBinario, MissingFolderOrFileIsReportedNotCrashed) {
    test::CartellaTemporanea dir;
    TScrittore s(dir / "manca" / "x.bin");
    EXPECT_FALSE(s.Aperto());
    EXPECT_FALSE(s.ScriviU8(1));
    EXPECT_FALSE(s.Chiudi());
    TLettore l(dir / "nessuno.bin");
    EXPECT_FALSE(l.Aperto());
    std::uint8_t b;
    EXPECT_FALSE(l.LeggiU8(b));
    TLettore cartella(dir.Percorso());
    EXPECT_FALSE(cartella.Aperto());
}
