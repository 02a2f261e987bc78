#include <gtest/gtest.h>

#include "core/FlussoBinario.h"
#include "core/TListaColonne.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {
TColonna Col(std::uint32_t n) {
    TColonna c{};
    for (int i = 0; i < 4; ++i) c[i] = static_cast<std::uint8_t>(n >> (8 * i));
    c[7] = 1;
    return c;
}
std::vector<std::uint8_t> ByteDi(int n) {
    std::vector<std::uint8_t> v;
    for (int i = 0; i < n; ++i) {
        auto c = Col(static_cast<std::uint32_t>(i));
        v.insert(v.end(), c.begin(), c.end());
    }
    return v;
}
}  // namespace

TEST(TListaColonne, KeepsInsertionOrderAcrossBlocksAtBothEnds) {
    TListaColonne l;
    const int n = static_cast<int>(TListaColonne::kBlocco) + 10;
    for (int i = 0; i < n; ++i) l.Accoda(Col(1000000 + i));
    for (int i = 0; i < n; ++i) l.InserisciInTesta(Col(i));
    ASSERT_EQ(l.Quante(), 2 * n);
    int k = 0;
    for (const auto& c : l) {
        auto atteso = k < n ? Col(n - 1 - k) : Col(1000000 + (k - n));
        ASSERT_EQ(c, atteso) << k;
        ++k;
    }
    EXPECT_EQ(k, 2 * n);
    TListaColonne copia;
    copia.Accoda(Col(5));
    copia.Copia(l);
    EXPECT_EQ(copia.ComeVettore(), l.ComeVettore());
    l.Svuota();
    EXPECT_EQ(l.Quante(), 0);
    EXPECT_EQ(l.begin(), l.end());
}

TEST(TListaColonne, FrontInsertionIntoAnEmptyListThenWalk) {
    TListaColonne l;
    l.InserisciInTesta(Col(1));
    l.InserisciInTesta(Col(2));
    EXPECT_EQ(l.ComeVettore(), (std::vector<TColonna>{Col(2), Col(1)}));
}

TEST(TListaColonne, FileSizesFollowTheRecordCount) {
    test::CartellaTemporanea dir;
    for (int n : {0, 1, 999, 1000, 1001, 2500}) {
        TListaColonne l;
        for (int i = 0; i < n; ++i) l.Accoda(Col(i));
        auto p = dir / ("f" + std::to_string(n) + ".Scl");
        ASSERT_TRUE(l.SalvaSuFile(p));
        ASSERT_EQ(test::LeggiByte(p), ByteDi(n)) << n;
        TListaColonne r;
        r.Accoda(Col(77));  // loading replaces what was there
        ASSERT_TRUE(r.CaricaDaFile(p));
        EXPECT_EQ(r.ComeVettore(), l.ComeVettore());
    }
}

TEST(TListaColonne, TrailingPartialRecordIsIgnored) {
    test::CartellaTemporanea dir;
    auto dati = ByteDi(1001);
    dati.resize(8007);
    test::ScriviByte(dir / "a.Scl", dati);
    TListaColonne l;
    ASSERT_TRUE(l.CaricaDaFile(dir / "a.Scl"));
    EXPECT_EQ(l.Quante(), 1000);
    test::ScriviByte(dir / "b.Scl", std::vector<std::uint8_t>(7, 1));
    ASSERT_TRUE(l.CaricaDaFile(dir / "b.Scl"));
    EXPECT_EQ(l.Quante(), 0);
}

TEST(TListaColonne, UnreadableFileEmptiesTheList) {
    test::CartellaTemporanea dir;
    TListaColonne l;
    l.Accoda(Col(1));
    EXPECT_FALSE(l.CaricaDaFile(dir / "manca.Scl"));
    EXPECT_EQ(l.Quante(), 0);
    EXPECT_FALSE(l.SalvaSuFile(dir / "manca" / "x.Scl"));
}

TEST(TListaColonne, ShortWriteIsReportedAndReadFromCurrentPosition) {
    TListaColonne l;
    for (int i = 0; i < 1500; ++i) l.Accoda(Col(i));
    TScrittore s;
    s.ImpostaLimite(8000 + 4);
    EXPECT_FALSE(l.ScriviSuFile(s));

    // Reading starts where the reader stands: a system file keeps its columns at the end.
    std::vector<std::uint8_t> dati(3, 9);
    const auto colonne = ByteDi(3);
    dati.insert(dati.end(), colonne.begin(), colonne.end());
    TLettore lettore(dati);
    std::uint8_t b;
    lettore.LeggiU8(b);
    lettore.LeggiU8(b);
    lettore.LeggiU8(b);
    TListaColonne r;
    ASSERT_TRUE(r.LeggiDaFile(lettore));
    EXPECT_EQ(r.ComeVettore(), (std::vector<TColonna>{Col(0), Col(1), Col(2)}));
}

TEST(TListaColonne, ColumnFileNameRule) {
    const std::filesystem::path c = "/prog/Colonne";
    EXPECT_EQ(NomeFileColonne("Prova", c), "/prog/Colonne/Prova.Scl");
    EXPECT_EQ(NomeFileColonne("Prova.txt", c), "/prog/Colonne/Prova.txt");
    EXPECT_EQ(NomeFileColonne("/tmp/x", c), "/tmp/x.Scl");
    EXPECT_EQ(NomeFileColonne("/tmp.d/x", c), "/tmp.d/x.Scl");
    EXPECT_EQ(NomeFileColonne("C:\\dati\\y", c), "C:\\dati\\y.Scl");
}

TEST(TListaColonne, WholeListsJoinInOrderUnderOneCeiling) {
    const auto kB = static_cast<std::int64_t>(TListaColonne::kBlocco * sizeof(TColonna));
    TTettoMemoria tetto(3 * kB);
    TListaColonne a, b;
    a.ImpostaTetto(&tetto);
    b.ImpostaTetto(&tetto);
    a.Accoda(Col(1));
    b.InserisciInTesta(Col(3));
    b.InserisciInTesta(Col(2));
    b.Accoda(Col(4));
    a.AccodaLista(std::move(b));
    a.Accoda(Col(5));
    EXPECT_EQ(a.ComeVettore(), (std::vector<TColonna>{Col(1), Col(2), Col(3), Col(4), Col(5)}));
    EXPECT_EQ(a.Quante(), 5);
    EXPECT_TRUE(b.Vuota());
    // Three blocks are taken: a fourth is refused as exhausted memory and the list emptied.
    EXPECT_THROW(a.InserisciInTesta(Col(0)), std::bad_alloc);
    EXPECT_TRUE(a.Vuota());
    // Emptied lists give their blocks back.
    for (int i = 0; i < 3 * static_cast<int>(TListaColonne::kBlocco); ++i) a.Accoda(Col(i));
    EXPECT_THROW(a.Accoda(Col(0)), std::bad_alloc);
    a.ImpostaTetto(nullptr);
    a.Accoda(Col(0));
    EXPECT_EQ(a.Quante(), 1);
}
