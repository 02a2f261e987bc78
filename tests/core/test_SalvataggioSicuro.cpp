#include <gtest/gtest.h>

#include <cerrno>

#include "core/BloccoAggiornamento.h"
#include "core/FlussoBinario.h"
#include "core/SalvataggioSicuro.h"
#include "support/SistemaFileDiProva.h"
#include "support/Supporto.h"

using namespace sirvela;
namespace fs = std::filesystem;

namespace {

using Byte = std::vector<std::uint8_t>;

// The calls made, without their arguments.
std::vector<std::string> Nomi(const std::vector<std::string>& chiamate) {
    std::vector<std::string> r;
    for (const auto& c : chiamate) r.push_back(c.substr(0, c.find(' ')));
    return r;
}

int FileNellaCartella(const fs::path& cartella) {
    return static_cast<int>(std::distance(fs::directory_iterator(cartella), {}));
}

bool Salva(const fs::path& p, const Byte& dati, ISistemaFile& sf) {
    TScrittore s(p, sf);
    s.Scrivi(dati.data(), dati.size());
    return s.Chiudi();
}

}  // namespace

TEST(SalvataggioSicuro, DataAndThenTheNewNameReachTheDiskBeforeSuccess) {
    test::CartellaTemporanea dir;
    test::ScriviByte(dir / "x.bin", {1, 2, 3});
    test::TSistemaFileDiProva sf;
    ASSERT_TRUE(Salva(dir / "x.bin", {4, 5}, sf));
    EXPECT_EQ(Nomi(sf.Chiamate),
              (std::vector<std::string>{"CreaNuovo", "Scrivi", "SincronizzaFile", "Chiudi",
                                        "Rinomina", "SincronizzaCartella"}));
    EXPECT_EQ(sf.Chiamate.back(), "SincronizzaCartella " + dir.Percorso().filename().string());
    EXPECT_EQ(test::LeggiByte(dir / "x.bin"), (Byte{4, 5}));
    EXPECT_EQ(FileNellaCartella(dir.Percorso()), 1);

    // A file written elsewhere is put in place the same way.
    test::ScriviByte(dir / "nuovo", {9});
    sf.Chiamate.clear();
    EXPECT_EQ(RinominaDurevole(dir / "nuovo", dir / "x.bin", sf), 0);
    EXPECT_EQ(Nomi(sf.Chiamate),
              (std::vector<std::string>{"ApriInLettura", "SincronizzaFile", "Chiudi", "Rinomina",
                                        "SincronizzaCartella"}));
    EXPECT_EQ(test::LeggiByte(dir / "x.bin"), (Byte{9}));
}

TEST(SalvataggioSicuro, AFailedStepIsReportedAndKeepsTheOldFile) {
    struct Caso {
        const char* Chiamata;
        int Errore;
        Byte Dopo;  // the target afterwards
    };
    const Caso casi[] = {
        {"CreaNuovo", EACCES, {1, 2, 3}},
        {"Scrivi", ENOSPC, {1, 2, 3}},
        {"SincronizzaFile", EIO, {1, 2, 3}},
        {"Chiudi", EDQUOT, {1, 2, 3}},
        {"Rinomina", EXDEV, {1, 2, 3}},
        // The new file is in place but not known to be safe: not reported as saved.
        {"SincronizzaCartella", EIO, {4, 5}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Chiamata);
        test::CartellaTemporanea dir;
        test::ScriviByte(dir / "x.bin", {1, 2, 3});
        test::TSistemaFileDiProva sf;
        sf.Guasti[k.Chiamata] = k.Errore;
        TScrittore s(dir / "x.bin", sf);
        s.Scrivi("\x04\x05", 2);
        EXPECT_FALSE(s.Chiudi());
        EXPECT_EQ(s.Errore(), k.Errore);
        EXPECT_EQ(test::LeggiByte(dir / "x.bin"), k.Dopo);
        EXPECT_EQ(FileNellaCartella(dir.Percorso()), 1);
    }
}

TEST(SalvataggioSicuro, AWriterPastItsLimitFailsAsAFullDisk) {
    test::CartellaTemporanea dir;
    test::ScriviByte(dir / "x.bin", {1, 2, 3});
    TScrittore s(dir / "x.bin");
    s.ImpostaLimite(3);
    EXPECT_TRUE(s.ScriviU16(7));
    EXPECT_FALSE(s.ScriviU16(8));
    EXPECT_FALSE(s.Chiudi());
    EXPECT_EQ(s.Errore(), ENOSPC);
    EXPECT_EQ(TestoErroreScrittura("PDF", "/a/b.pdf", s.Errore()),
              "Impossibile scrivere il file PDF /a/b.pdf: disco pieno.");
    EXPECT_EQ(test::LeggiByte(dir / "x.bin"), (Byte{1, 2, 3}));
    EXPECT_EQ(FileNellaCartella(dir.Percorso()), 1);
}

TEST(SalvataggioSicuro, TheReplacedFileIsKeptEvenWhereTheDiskHasNoLinks) {
    for (const bool collegamenti : {true, false}) {
        SCOPED_TRACE(collegamenti);
        test::CartellaTemporanea dir;
        test::ScriviByte(dir / "a.dat", {1});
        test::ScriviByte(dir / "a.dat.precedente", {0});
        test::TSistemaFileDiProva sf;
        if (!collegamenti) sf.Guasti["Collega"] = EPERM;
        for (const std::uint8_t v : {2, 3}) {
            TScrittore s(dir / "a.dat", sf);
            s.File()->ConservaPrecedente(dir / "a.dat.precedente");
            s.ScriviU8(v);
            ASSERT_TRUE(s.Chiudi());
        }
        EXPECT_EQ(test::LeggiByte(dir / "a.dat"), (Byte{3}));
        EXPECT_EQ(test::LeggiByte(dir / "a.dat.precedente"), (Byte{2}));
        EXPECT_EQ(FileNellaCartella(dir.Percorso()), 2);
    }
}

TEST(SalvataggioSicuro, SavesOfTheSameFileNeverShareATemporaryName) {
    test::CartellaTemporanea dir;
    TScrittore a(dir / "x.bin"), b(dir / "x.bin");
    ASSERT_TRUE(a.Aperto() && b.Aperto());
    EXPECT_NE(a.Temporaneo(), b.Temporaneo());
    a.ScriviU8(1);
    b.ScriviU8(2);
    // Written out, the whole content can be read back before it is put in place.
    ASSERT_TRUE(a.Completa());
    EXPECT_EQ(test::LeggiByte(a.Temporaneo()), (Byte{1}));
    EXPECT_FALSE(a.ScriviU8(9));
    EXPECT_FALSE(fs::exists(dir / "x.bin"));
    EXPECT_TRUE(b.Chiudi());
    a.Abbandona();
    EXPECT_EQ(test::LeggiByte(dir / "x.bin"), (Byte{2}));
    EXPECT_EQ(FileNellaCartella(dir.Percorso()), 1);
}

TEST(BloccoAggiornamento, OneHolderAtATime) {
    test::CartellaTemporanea dir;
    {
        TBloccoAggiornamento primo(dir.Percorso());
        EXPECT_FALSE(primo.Occupato());
        TBloccoAggiornamento secondo(dir.Percorso());
        EXPECT_TRUE(secondo.Occupato());
    }
    TBloccoAggiornamento dopo(dir.Percorso());
    EXPECT_FALSE(dopo.Occupato());
    // A folder that cannot hold the lock file is no one's.
    EXPECT_FALSE(TBloccoAggiornamento(dir / "manca").Occupato());
}
