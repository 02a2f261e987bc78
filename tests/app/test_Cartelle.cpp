#include <gtest/gtest.h>

#include <map>

#include "app/Cartelle.h"
#include "core/Errore.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

namespace fs = std::filesystem;

TAmbiente Ambiente(std::map<std::string, std::string> valori) {
    return [v = std::move(valori)](const char* nome) -> const char* {
        auto it = v.find(nome);
        return it == v.end() ? nullptr : it->second.c_str();
    };
}

class Avvio : public ::testing::Test {
  protected:
    test::TCartellaDiProva dir_;  // the tests move the program folder and the current one
};

TEST_F(Avvio, ChoiceOrder) {
    // A writable executable folder (a build folder) holds no data unless it is a portable
    // install, marked by the settings file beside the executable.
    const fs::path exe = dir_ / "bin", portatile = dir_ / "portatile";
    const fs::path xdg = dir_ / "xdg" / "sirvela";
    fs::create_directory(exe);
    fs::create_directory(portatile);
    test::ScriviTesto(portatile / "Sirvela.cfg", "");
    std::map<std::string, std::string> env = {{"SIRVELA_HOME", (dir_ / "home").string()},
                                              {"XDG_DATA_HOME", (dir_ / "xdg").string()},
                                              {"HOME", (dir_ / "casa").string()}};
    EXPECT_EQ(ScegliCartellaProgramma(dir_ / "opz", portatile, Ambiente(env)), dir_ / "opz");
    EXPECT_EQ(ScegliCartellaProgramma(std::nullopt, portatile, Ambiente(env)), dir_ / "home");
    env.erase("SIRVELA_HOME");
    EXPECT_EQ(ScegliCartellaProgramma(std::nullopt, portatile, Ambiente(env)), portatile);
    EXPECT_EQ(ScegliCartellaProgramma(std::nullopt, exe, Ambiente(env)), xdg);
    env["XDG_DATA_HOME"] = "relativo";  // not a valid base folder
    EXPECT_EQ(ScegliCartellaProgramma(std::nullopt, exe, Ambiente(env)),
              dir_ / "casa" / ".local" / "share" / "sirvela");
}

TEST_F(Avvio, TheFolderAskedForIsPreparedAndTheFilesNamedAreKept) {
    const TAvvio avvio = PreparaAvvio(dir_ / "dati", {"s.Sst"}, {}, Ambiente({}));
    EXPECT_EQ(avvio.Argomenti, std::vector<std::string>{"s.Sst"});
    EXPECT_EQ(avvio.Cartella, dir_ / "dati");
    EXPECT_EQ(CartellaProgramma, dir_ / "dati");
    EXPECT_EQ(fs::current_path(), dir_ / "dati");
    for (const char* nome : kSottocartelle) EXPECT_TRUE(fs::is_directory(dir_ / "dati" / nome));
    test::ScriviTesto(dir_ / "dati" / "Wav2", "x");
    fs::remove(dir_ / "dati" / "Wav");
    fs::rename(dir_ / "dati" / "Wav2", dir_ / "dati" / "Wav");  // a file where a folder belongs
    try {
        PreparaCartellaProgramma(dir_ / "dati", {}, Ambiente({}));
        FAIL();
    } catch (const TErroreSirvela& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Impossibile creare la cartella", 0), 0u);
    }
}

TEST_F(Avvio, ASystemNamedOnTheCommandLineIsFoundFromTheFolderWhereTheProgramStarted) {
    fs::create_directory(dir_ / "utente");
    fs::current_path(dir_ / "utente");
    const std::string assoluto = (dir_ / "a.Sst").string();
    const TAvvio avvio = PreparaAvvio(dir_ / "dati", {"sub/s.Sst"}, {}, Ambiente({}));
    EXPECT_EQ(fs::current_path(), dir_ / "dati");
    EXPECT_EQ(PercorsoDaRigaDiComando(avvio, "sub/s.Sst"), dir_ / "utente" / "sub" / "s.Sst");
    EXPECT_EQ(PercorsoDaRigaDiComando(avvio, "../s.Sst"), dir_ / "s.Sst");
    EXPECT_EQ(PercorsoDaRigaDiComando(avvio, assoluto), dir_ / "a.Sst");
}

}  // namespace
}  // namespace sirvela
