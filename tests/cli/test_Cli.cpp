#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"

using namespace sirvela;

TEST(Cli, VersionAndUsage) {
    std::ostringstream out, err;
    EXPECT_EQ(EseguiCli({"--versione"}, out, err), 0);
    EXPECT_EQ(out.str(), "sirvela-cli 1.0\n");
    std::ostringstream out2, err2;
    EXPECT_EQ(EseguiCli({}, out2, err2), 0);
    EXPECT_NE(out2.str().find("Uso") == std::string::npos ? out2.str().find("sirvela-cli") : 0,
              std::string::npos);
    std::ostringstream out3, err3;
    EXPECT_NE(EseguiCli({"--sconosciuta"}, out3, err3), 0);
    EXPECT_FALSE(err3.str().empty());
}
