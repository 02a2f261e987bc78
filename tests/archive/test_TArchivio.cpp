#include <gtest/gtest.h>

#include "archive/TArchivio.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

using test::LeggiByte;
using test::ScriviByte;

const std::vector<std::uint8_t> kDueRecord = {
    0x05, 0xCF, 0x07, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8,  // 1999/5
    0x0C, 0xD0, 0x07, 0x00, 0x00, 8, 7, 6, 5, 4, 3, 2, 1,  // 2000/12
};

TEstrazione Concorso(int anno, int numero, TColonna vincente = {1, 2, 3, 4, 5, 6, 7, 8}) {
    TEstrazione e;
    e.Anno = anno;
    e.Numero = static_cast<std::uint8_t>(numero);
    e.Vincente = vincente;
    return e;
}

class ArchivioSuDisco : public ::testing::Test {
  protected:
    test::TCartellaDiProva dir_;
};

TEST_F(ArchivioSuDisco, RecordLayoutAndByteIdenticalRoundTrip) {
    ScriviByte(TArchivio::FileLocale(), kDueRecord);
    TArchivio a;
    ASSERT_TRUE(a.Carica());
    ASSERT_EQ(a.Quante(), 2);
    EXPECT_EQ(a[0], Concorso(1999, 5));
    EXPECT_EQ(a[1], Concorso(2000, 12, {8, 7, 6, 5, 4, 3, 2, 1}));
    std::filesystem::remove(TArchivio::FileLocale());
    ASSERT_TRUE(a.Salva());
    EXPECT_EQ(LeggiByte(TArchivio::FileLocale()), kDueRecord);
}

TEST_F(ArchivioSuDisco, EmptyTruncatedAndMissingFiles) {
    TArchivio a;
    ScriviByte(TArchivio::FileLocale(), {});
    EXPECT_TRUE(a.Carica());
    EXPECT_EQ(a.Quante(), 0);
    // The cut record keeps what arrived (the low byte of the year) over a new contest's values.
    ScriviByte(TArchivio::FileLocale(), {kDueRecord.begin(), kDueRecord.begin() + 15});
    ASSERT_TRUE(a.Carica());
    ASSERT_EQ(a.Quante(), 2);
    EXPECT_EQ(a[1], Concorso(0x07D0, 12, {}));
    std::filesystem::remove(TArchivio::FileLocale());
    EXPECT_FALSE(a.Carica());
    ASSERT_EQ(a.Quante(), 1);
    EXPECT_EQ(a[0], Concorso(1999, 1, {}));
}

TEST_F(ArchivioSuDisco, RestoreTakesOnlyAWholeArchiveAndKeepsEverythingOnFailure) {
    using Messaggi = std::vector<std::string>;
    const std::vector<std::uint8_t> copia(kDueRecord.begin(), kDueRecord.begin() + 13);
    ScriviByte(dir_ / "copia.dat", copia);
    TArchivio a;
    a.FileRipristino = dir_ / "copia.dat";
    EXPECT_EQ(RipristinaArchivi(a).Messaggi, Messaggi{kArchiviRipristinati});
    EXPECT_EQ(LeggiByte(TArchivio::FileLocale()), copia);
    EXPECT_EQ(a.Quante(), 1);

    // Missing, cut short by a byte, a folder: the local archive stays, on disk and in memory.
    ScriviByte(TArchivio::FileLocale(), kDueRecord);
    ScriviByte(dir_ / "corta.dat", {kDueRecord.begin(), kDueRecord.end() - 1});
    std::filesystem::create_directory(dir_ / "cartella");
    for (const auto& [nome, motivo] : {std::pair{"nessuna.dat", "file non trovato"},
                                       {"corta.dat", "non è un archivio (record di 13 byte)"},
                                       {"cartella", "è una cartella"}}) {
        a.FileRipristino = dir_ / nome;
        const TEsitoRipristino esito = RipristinaArchivi(a);
        EXPECT_EQ(esito.Messaggi, Messaggi{"Impossibile ripristinare gli archivi " +
                                           std::string(nome) + ": " + motivo + "."})
            << nome;
        EXPECT_FALSE(esito.Ripristinato);
        EXPECT_EQ(a.Quante(), 1) << nome;
        EXPECT_EQ(LeggiByte(TArchivio::FileLocale()), kDueRecord) << nome;
    }

    std::filesystem::remove_all(dir_ / "Archivi");  // the local save fails: no success claimed
    a.Estrazioni.clear();
    a.FileRipristino = dir_ / "copia.dat";
    EXPECT_EQ(RipristinaArchivi(a).Messaggi,
              Messaggi{"Impossibile salvare gli archivi sirarch.dat: la cartella " +
                       (dir_ / "Archivi").string() + " non esiste."});
    EXPECT_EQ(a.Quante(), 0);
}

TEST_F(ArchivioSuDisco, BackupWritesTheWholeArchiveOrKeepsThePreviousCopy) {
    TArchivio a;
    a.Estrazioni = {Concorso(1999, 5), Concorso(2000, 12, {8, 7, 6, 5, 4, 3, 2, 1})};
    EXPECT_EQ(CopiaArchivi(a, dir_ / "copia.dat"), kSalvataggioCompletato);
    EXPECT_EQ(LeggiByte(dir_ / "copia.dat"), kDueRecord);
    EXPECT_EQ(CopiaArchivi(a, dir_ / "manca" / "copia.dat"),
              "Impossibile salvare gli archivi copia.dat: la cartella " +
                  (dir_ / "manca").string() + " non esiste.");
}

TEST(TArchivio, OrderedInsertionByYearTimes200PlusNumber) {
    TArchivio a;
    a.Estrazioni = {Concorso(1999, 15), Concorso(2000, 5)};
    EXPECT_EQ(a.Inserisce(Concorso(2000, 3)), 1);
    EXPECT_EQ(a.Inserisce(Concorso(2000, 3, {})), 2);  // after the same key
    EXPECT_EQ(a.Inserisce(Concorso(1999, 210)), 4);    // 200 numbers make a year
    EXPECT_TRUE(a.Esiste(1999, 210));
    EXPECT_FALSE(a.Esiste(2000, 4));
}

TEST(TClasseDiEstrazioni, OrdinalsCompletenessAndNineByteForm) {
    test::GlobaliSalvati globali;
    NumeroPiloti = 23;
    EXPECT_FALSE(Concorso(2000, 2, {1, 2, 3, 24, 5, 6, 7, 8}).Completa());
    EXPECT_FALSE(Concorso(2000, 3, {1, 2, 3, 4, 5, 6, 7, 0}).Completa());
    TClasseDiEstrazioni sel;
    sel.Tutte = false;
    sel.Dal = 3;
    sel.Al = 5;
    std::vector<int> presi;
    for (int i = 0; i < 8; ++i)
        if (sel.Contiene(Concorso(2000, 1, {23, 2, 3, 4, 5, 6, 7, 8}), i)) presi.push_back(i);
    EXPECT_EQ(presi, (std::vector<int>{2, 3, 4}));

    sel.Al = -1;
    TScrittore s;
    ASSERT_TRUE(sel.Salva(s));
    const std::vector<std::uint8_t> nove = {0, 3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(s.Dati(), nove);
    TClasseDiEstrazioni letta;
    TLettore l{std::span<const std::uint8_t>(nove)};
    EXPECT_TRUE(letta.Carica(l));
    EXPECT_EQ(letta, sel);
}

}  // namespace
}  // namespace sirvela
