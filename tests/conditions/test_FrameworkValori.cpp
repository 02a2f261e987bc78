#include <gtest/gtest.h>

#include "conditions/TGestoreLink.h"
#include "conditions/TValoriAmmessi.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

using namespace sirvela;

namespace {

std::vector<std::uint8_t> Scritto(const TValoriAmmessi& v) {
    TScrittore s;
    EXPECT_TRUE(v.Salva(s));
    return s.Dati();
}

}  // namespace

TEST(FrameworkValori, RecordSizeFollowsTheCategoryMaximum) {
    const std::pair<int, std::size_t> casi[] = {{8, 60},   {7, 56},   {4, 44},   {2, 36},
                                                {88, 380}, {89, 384}, {99, 424}, {999, 4024}};
    for (auto [massimo, byte] : casi) {
        TValoriAmmessi v(nullptr, static_cast<std::uint16_t>(massimo), true);
        EXPECT_EQ(Scritto(v).size(), byte) << massimo;
        EXPECT_EQ(static_cast<std::size_t>(v.DimensioneRecord()), byte) << massimo;
    }
}

TEST(FrameworkValori, RecordLayoutAndRoundTrip) {
    TValoriAmmessi v(nullptr, 8, true);
    v.Principale.LetteraLink = 'C';
    v.Principale.GruppoTra = 7;
    v.Principale.Voci[3] = {2, 5};
    v.Secondaria.Voci[8] = {1, 0};
    v.CampoDa = 2;
    v.CampoA = 6;
    v.AggiornaStato(true);
    const auto b = Scritto(v);
    // Attiva, letter, group (LE), then entries 0..11.
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[1], 'C');
    EXPECT_EQ(b[2], 7);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(b[4 + 3 * 2], 2);
    EXPECT_EQ(b[4 + 3 * 2 + 1], 5);
    EXPECT_EQ(b[28 + 4 + 8 * 2], 1);
    EXPECT_EQ(b[56], 2);
    EXPECT_EQ(b[58], 6);

    TValoriAmmessi letto(nullptr, 8, true);
    TLettore l(b);
    ASSERT_TRUE(letto.Carica(l));
    EXPECT_TRUE(l.FineFile());
    EXPECT_EQ(letto.Principale, v.Principale);
    EXPECT_EQ(letto.Secondaria, v.Secondaria);
    EXPECT_EQ(Scritto(letto), b);
}

TEST(FrameworkValori, EntriesBeyondTheTableAreWrittenAsZeroAndSkippedOnReading) {
    TValoriAmmessi v(nullptr, 999, true);
    v.Principale.Voci[1000] = {1, 0};
    auto b = Scritto(v);
    ASSERT_EQ(b.size(), 4024u);
    // Entries 1000, 1001 and 1002 of the main block.
    EXPECT_EQ(b[4 + 2000], 1);
    EXPECT_EQ(b[4 + 2002], 0);
    EXPECT_EQ(b[4 + 2004], 0);
    // Damage beyond the table is ignored and the reading stays aligned.
    b[4 + 2002] = 9;
    b[4 + 2005] = 9;
    TValoriAmmessi letto(nullptr, 999, true);
    TLettore l(b);
    ASSERT_TRUE(letto.Carica(l));
    EXPECT_TRUE(l.FineFile());
    EXPECT_EQ(letto.Principale.Voci[1000].Stato, 1);
    EXPECT_EQ(Scritto(letto), Scritto(v));
}

TEST(FrameworkValori, ShortRecordReportsFailure) {
    TValoriAmmessi v(nullptr, 8, true);
    auto b = Scritto(v);
    for (std::size_t n : {0u, 3u, 27u, 58u, 59u}) {
        std::vector<std::uint8_t> corto(b.begin(), b.begin() + static_cast<long>(n));
        TLettore l(corto);
        TValoriAmmessi letto(nullptr, 8, true);
        EXPECT_FALSE(letto.Carica(l)) << n;
    }
    TScrittore s;
    s.ImpostaLimite(30);
    EXPECT_FALSE(v.Salva(s));
}

TEST(FrameworkValori, AccettaLooksUpEachValue) {
    TDatiSistema dati;
    TValoriAmmessi v(&dati, 8, false);
    v.Principale.Voci[1] = {1, 0};
    v.Principale.Voci[2] = {2, 1};
    v.Principale.Voci[7] = {3, 0};  // no such grade
    v.Principale.Voci[9] = {1, 0};  // above the maximum: left by a damaged file
    v.AggiornaStato(true);
    struct Caso {
        int valore;
        bool atteso;
    };
    const Caso casi[] = {{0, false}, {1, true},  {2, true},   {7, false},
                         {8, false}, {9, false}, {-1, false}, {5000, false}};
    for (const Caso& k : casi) {
        dati.Recuperi->Azzera();
        EXPECT_EQ(v.Accetta(k.valore, 0), k.atteso) << k.valore;
    }
}

TEST(FrameworkValori, SwitchedOffOrEmptyAcceptsEverything) {
    TDatiSistema dati;
    TValoriAmmessi v(&dati, 8, true);
    v.AggiornaStato(true);
    EXPECT_FALSE(v.Attivo);
    EXPECT_TRUE(v.Accetta(5, 5));
    v.Principale.Voci[1] = {1, 0};
    v.AggiornaStato(false);
    EXPECT_FALSE(v.Attivo);
    EXPECT_TRUE(v.Accetta(5, 5));
    v.AggiornaStato(true);
    EXPECT_TRUE(v.Attivo);
    EXPECT_FALSE(v.Accetta(5, 5));
}

TEST(FrameworkValori, SecondaryTableTakesPartOnlyWhenEnabled) {
    for (bool abilitata : {false, true}) {
        TValoriAmmessi v(nullptr, 8, abilitata);
        v.Principale.Voci[4] = {1, 0};
        v.Secondaria.Voci[2] = {1, 0};
        v.AggiornaStato(true);
        EXPECT_EQ(v.Secondaria.Attiva, abilitata);
        EXPECT_TRUE(v.Accetta(4, 2));
        EXPECT_EQ(v.Accetta(4, 3), !abilitata);
    }
}

TEST(FrameworkValori, RecoveryValueCostsAnErrorInItsLetter) {
    TDatiSistema dati;
    TValoriAmmessi v(&dati, 8, true);
    v.Principale.LetteraLink = 'C';
    v.Principale.Voci[3] = {2, 1};
    v.Secondaria.LetteraLink = 'D';
    v.Secondaria.Voci[1] = {2, 2};
    v.AggiornaStato(true);
    EXPECT_TRUE(v.Accetta(3, 1));
    EXPECT_EQ(dati.Recuperi->Gruppo('C')->Errori, 1u);
    EXPECT_EQ(dati.Recuperi->Gruppo('D')->Errori, 1u);
    // Level 1 tolerates one error per column; level 2 two.
    EXPECT_FALSE(v.Accetta(3, 1));
    dati.Recuperi->Azzera();
    EXPECT_TRUE(v.Accetta(3, 1));
}

TEST(FrameworkValori, RecoveryOutsideTheLinkLettersIsRefused) {
    TDatiSistema dati;
    TValoriAmmessi v(&dati, 8, false);
    v.Principale.Voci[3] = {2, 5};
    v.AggiornaStato(true);
    for (char lettera : {'@', '[', 'a', '\0', static_cast<char>(0xC1)}) {
        v.Principale.LetteraLink = lettera;
        EXPECT_FALSE(v.Accetta(3, 0)) << static_cast<int>(lettera);
    }
    for (auto& g : dati.Recuperi->Gruppi) EXPECT_EQ(g->Errori, 0u);
    // Without a system there is no link to register in.
    TValoriAmmessi solo(nullptr, 8, false);
    solo.Principale.Voci[3] = {2, 5};
    solo.AggiornaStato(true);
    EXPECT_FALSE(solo.Accetta(3, 0));
}

TEST(FrameworkValori, CleaningAboveEightResetsOnlyValuesNineTo105) {
    TValoriAmmessi v(nullptr, 8, true);
    for (auto* t : {&v.Principale, &v.Secondaria}) t->Voci.fill({2, 7});
    v.PulisciOltreOtto();
    for (auto* t : {&v.Principale, &v.Secondaria}) {
        EXPECT_EQ(t->Voci[8], (TVoceValore{2, 7}));
        EXPECT_EQ(t->Voci[9], (TVoceValore{0, 1}));
        EXPECT_EQ(t->Voci[105], (TVoceValore{0, 1}));
        EXPECT_EQ(t->Voci[106], (TVoceValore{2, 7}));
    }
}

TEST(FrameworkIntervalli, FirstIntervalHoldingTheValueDecides) {
    TDatiSistema dati;
    TIntervalliAmmessi iv(&dati);
    iv.LetteraLink = 'B';
    iv.Intervalli[0] = {10, 20, 2, 1};
    iv.Intervalli[1] = {15, 30, 1, 0};
    iv.Intervalli[2] = {40, 40, 7, 0};
    iv.Quanti = 3;
    iv.AggiornaStato(true);
    struct Caso {
        double valore;
        bool atteso;
        std::uint32_t errori;
    };
    const Caso casi[] = {{9.0, false, 0}, {10.0, true, 1},   {20.0, true, 1},  {20.5, true, 0},
                         {30.0, true, 0}, {30.01, false, 0}, {40.0, false, 0}, {15.0, true, 1}};
    for (const Caso& k : casi) {
        dati.Recuperi->Azzera();
        EXPECT_EQ(iv.Accetta(k.valore), k.atteso) << k.valore;
        EXPECT_EQ(dati.Recuperi->Gruppo('B')->Errori, k.errori) << k.valore;
    }
}

TEST(FrameworkIntervalli, DamagedCountNeverReadsPastTheList) {
    TIntervalliAmmessi iv(nullptr);
    iv.Intervalli[42] = {0, 100, 1, 0};
    for (std::int16_t quanti : {std::int16_t{-4}, std::int16_t{0}}) {
        iv.Quanti = quanti;
        iv.AggiornaStato(true);
        EXPECT_FALSE(iv.Attivo);
    }
    iv.Quanti = 3000;
    iv.AggiornaStato(true);
    EXPECT_EQ(iv.Conta(), 43);
    EXPECT_TRUE(iv.Accetta(50));
}

TEST(FrameworkIntervalli, RecordIs863BytesAndGroupIsNotStored) {
    TIntervalliAmmessi iv(nullptr);
    iv.Intervalli[0] = {1.5, 2.5, 1, 0};
    iv.Intervalli[42] = {-3, 7, 2, 99};
    iv.Quanti = 43;
    iv.LetteraLink = 'Z';
    iv.GruppoTra = 12;
    TScrittore s;
    ASSERT_TRUE(iv.Salva(s));
    ASSERT_EQ(s.Dati().size(), 863u);
    EXPECT_EQ(s.Dati()[860], 43);
    EXPECT_EQ(s.Dati()[862], 'Z');

    TIntervalliAmmessi letto(nullptr);
    TLettore l(s.Dati());
    ASSERT_TRUE(letto.Carica(l));
    EXPECT_EQ(letto.Intervalli, iv.Intervalli);
    EXPECT_EQ(letto.Quanti, 43);
    EXPECT_EQ(letto.GruppoTra, 0);

    std::vector<std::uint8_t> corto(s.Dati().begin(), s.Dati().end() - 1);
    TLettore lc(corto);
    EXPECT_FALSE(letto.Carica(lc));
}
