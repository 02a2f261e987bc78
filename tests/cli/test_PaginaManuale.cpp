#include <gtest/gtest.h>

#include <map>

#include "cli/CliSupporto.h"
#include "support/PaginaManuale.h"

using namespace sirvela;

namespace {

const std::filesystem::path kPagina =
    std::filesystem::path(SIRVELA_SORGENTI) / "pacchetto" / "sirvela-cli.1";

}  // namespace

TEST(Cli, VersionUnderEveryName) {
    for (const char* nome : {"--version", "--versione", "-V"}) {
        std::ostringstream out, err;
        EXPECT_EQ(EseguiCli({nome}, out, err), 0) << nome;
        EXPECT_EQ(out.str(), "sirvela-cli 1.0\n") << nome;
    }
}

// The manual page lists every command with all its options, and nothing the program lacks.
TEST(PaginaManuale, CommandsAndOptionsAreTheProgramOnes) {
    std::map<std::string, std::set<std::string>> programma, pagina;
    for (const TComandoCli& c : ComandiCli()) {
        std::set<std::string>& opzioni = programma[c.Nome];
        opzioni.insert(c.Opzioni.begin(), c.Opzioni.end());
        // Every command takes the help and the program folder; the page says so once.
        if (!c.Nome.empty()) {
            EXPECT_EQ(opzioni.erase("--help"), 1u) << c.Nome;
            EXPECT_EQ(opzioni.erase("--cartella"), 1u) << c.Nome;
        }
    }
    for (const test::TVoceManuale& v : test::VociManuale(kPagina, "OPZIONI"))
        pagina[""].insert(v.Opzioni.begin(), v.Opzioni.end());
    for (const test::TVoceManuale& v : test::VociManuale(kPagina, "COMANDI")) {
        EXPECT_FALSE(pagina.contains(v.Nome)) << "twice: " << v.Nome;
        pagina[v.Nome] = v.Opzioni;
    }
    EXPECT_EQ(programma.size(), 17u);  // the options and the sixteen commands
    EXPECT_EQ(pagina, programma);
}
