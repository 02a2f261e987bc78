#include <gtest/gtest.h>

#include <sstream>

#include "core/Globali.h"
#include "download/ClientFtp.h"
#include "download/TDownload.h"
#include "download/TInternet.h"
#include "support/Supporto.h"

using namespace sirvela;

TEST(Descrizione, SectionKeyCutByCountLaterLinesAndCapitals) {
    ASSERT_EQ(ChiaveSezione(kVersioneFormatoProgramma), "sirvela 1");
    struct Caso {
        const char* Testo;
        bool Ok;
        const char* Host;
        const char* Archivi;
        const char* Exe;
    };
    const Caso casi[] = {
        {"x\r\n[Sirvela 1]\r\nhostname=h\r\narchividir=a\r\nexedir=e\r\n", true, "h", "a", "e"},
        // Only a section for another version: nothing is read.
        {"[sirvela 2]\nhostname=h\narchividir=a\nexedir=e\n", false, "", "", ""},
        // Keys and values are taken in small letters.
        {"SIRVELA 1\nHOSTNAME=FTP.Host.IT\nArchiviDir=Arc\nEXEDIR=/Exe\n", true, "ftp.host.it",
         "arc", "/exe"},
        // Two blanks before the key: the cut by count leaves the key's last two characters.
        {"sirvela 1\n  hostname=h\narchividir=a\nexedir=e\n", true, "e=h", "a", "e"},
        // A later line replaces an earlier one until all three are known; then reading stops.
        {"sirvela 1\nhostname=h1\nhostname=h2\narchividir=a\nexedir=e\nhostname=h3\n", true, "h2",
         "a", "e"},
        // A missing or empty value fails, keeping what was read.
        {"sirvela 1\nhostname=h\narchividir=a\n", false, "h", "a", ""},
        {"sirvela 1\nhostname=h\narchividir=a\nexedir=\n", false, "h", "a", ""},
        // Lines before the section do not count.
        {"hostname=h\narchividir=a\nexedir=e\nsirvela 1\n", false, "", "", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Testo);
        TInternet i;
        std::istringstream in(c.Testo);
        EXPECT_EQ(i.Leggi(in, "sirvela 1"), c.Ok);
        EXPECT_EQ(i.HostName, c.Host);
        EXPECT_EQ(i.ArchiviDir, c.Archivi);
        EXPECT_EQ(i.ExeDir, c.Exe);
    }
}

TEST(Descrizione, ServerOfTheDescriptionFromItsFileOrTheDefault) {
    test::CartellaTemporanea c;
    auto s = TServerDescrizione::Leggi(c / "manca.txt");
    EXPECT_EQ(s.Host, kHostDescrizionePredefinito);
    EXPECT_EQ(s.Porta, 21);
    test::ScriviTesto(c / "a.txt", "# commento\r\n\r\n Host = ftp.prova.it \r\nporta=2121\r\n");
    s = TServerDescrizione::Leggi(c / "a.txt");
    EXPECT_EQ(s.Host, "ftp.prova.it");
    EXPECT_EQ(s.Porta, 2121);
    test::ScriviTesto(c / "b.txt", "host=\nporta=70000\n");
    s = TServerDescrizione::Leggi(c / "b.txt");
    EXPECT_EQ(s.Host, kHostDescrizionePredefinito);
    EXPECT_EQ(s.Porta, 21);
}

TEST(Descrizione, AddressesCannotBeBentByWhatTheServerWrites) {
    EXPECT_EQ(IndirizzoFtp("ftp.host.it", 21), "ftp://ftp.host.it:21/");
    EXPECT_EQ(IndirizzoFtp("127.0.0.1:2121", 21), "ftp://127.0.0.1:2121/");
    for (const char* h : {"", "a/b", "u@h", "h:0", "h:99999", "h:", "h:2x", "a b", "h?x"})
        EXPECT_EQ(IndirizzoFtp(h, 21), "") << h;
    EXPECT_EQ(PercorsoFtp("", "f.txt"), "f.txt");
    EXPECT_EQ(PercorsoFtp("arc", "f"), "arc/f");
    EXPECT_EQ(PercorsoFtp("a/b/", "f"), "a/b/f");
    EXPECT_EQ(PercorsoFtp("/pub/x", "f"), "%2Fpub/x/f");
    EXPECT_EQ(PercorsoFtp("a b%", "f#"), "a%20b%25/f%23");
    EXPECT_EQ(PercorsoFtp("a\rRETR x", "f"), std::nullopt);
}

TEST(Descrizione, GaugeAndShapesOfWhatArrives) {
    const std::uint64_t casi[][3] = {{0, 0, 0},  {5, 0, 0},  {0, 10, 0},
                                     {1, 3, 33}, {2, 3, 66}, {10, 10, 100}};
    for (const auto& c : casi) EXPECT_EQ(PercentualeRicevuta(c[0], c[1]), int(c[2]));
    EXPECT_EQ(TestoPasso(1, 1), "Passo 1 di 1");

    test::CartellaTemporanea d;
    // Contest n of 2000, pilots 1..8, for n = 1, 2, ...
    std::vector<std::uint8_t> concorsi;
    for (std::uint8_t n = 1; n <= 2; ++n)
        concorsi.insert(concorsi.end(), {n, 0xD0, 0x07, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8});
    const std::pair<std::size_t, bool> archivi[] = {
        {0, false}, {13, true}, {26, true}, {14, false}};
    for (auto [n, ok] : archivi) {
        test::ScriviByte(d / "a", {concorsi.begin(), concorsi.begin() + static_cast<long>(n)});
        EXPECT_EQ(ArchivioRicevutoValido(d / "a"), ok) << n;
    }
    auto Venti = [](const std::string& riga) {
        std::string t;
        for (int i = 0; i < 20; ++i) t += riga;
        return t;
    };
    const std::pair<std::string, bool> liste[] = {{"", false},
                                                  {Venti("Rossi\r\n"), true},
                                                  {Venti("Müller\tB\n"), true},
                                                  {Venti(std::string("A\0B\n", 4)), false},
                                                  {Venti("\x1b[2J\n"), false}};
    for (const auto& [testo, ok] : liste) {
        test::ScriviTesto(d / "p", testo);
        EXPECT_EQ(ListaPilotiRicevutaValida(d / "p"), ok) << testo;
    }
}
