#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>

#include "app/Configurazione.h"
#include "cli/CliSupporto.h"
#include "core/FlussoBinario.h"
#include "core/T_Sistema.h"
#include "printing/StampaSchedine.h"
#include "printing/SuperficieRegistrata.h"
#include "support/PaginePdf.h"

using namespace sirvela;

namespace {

// The PDF printer of the tests: it records what would go into the file.
struct TPdfRegistrato {
    TSuperficieRegistrata s;
    std::filesystem::path Percorso;
    TStampaPdf Funzione() {
        return [this](const std::filesystem::path& p, const std::string&,
                      const TDisegnoStampa& disegno) {
            Percorso = p;
            TmmPrinter stampante(s);
            return disegno(stampante);
        };
    }
};

struct CliStampa : ::testing::Test {
    test::CartellaTemporanea dir;
    TPdfRegistrato pdf;

    CliStampa() {
        std::filesystem::create_directories(dir / "programma");
        std::vector<TColonna> colonne;
        for (int i = 1; i <= 5; ++i)
            colonne.push_back({static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
        test::ScriviColonne(dir / "c.Scl", colonne);
    }
    test::TEsitoCli Esegui(std::vector<std::string> argomenti) {
        argomenti.push_back("--cartella");
        argomenti.push_back((dir / "programma").string());
        std::ostringstream out, err;
        test::TEsitoCli e;
        e.Codice = EseguiCli(argomenti, out, err, pdf.Funzione());
        e.Out = out.str();
        e.Err = err.str();
        return e;
    }
    std::string Pdf() const { return (dir / "out.pdf").string(); }
};

}  // namespace

TEST_F(CliStampa, TicketsWithTheProgramCalibration) {
    TImpostazioniProgramma imp;
    imp.Taratura.Valori[0].XPrimaCol = 20;
    imp.PrezzoLire = 1500;
    ASSERT_TRUE(ScriviConfigurazione(dir / "programma" / "Sirvela.cfg", imp));

    auto e = Esegui({"stampa", "schedine", (dir / "c.Scl").string(), "--pdf", Pdf(), "--sistema",
                     "Sistemi/Monza.Sst"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(pdf.Percorso, dir / "out.pdf");
    EXPECT_EQ(pdf.s.Pagine(), 3);
    EXPECT_EQ(pdf.s.Scritte()[0], "Monza.Sst Sc. Nº 1 L. 3.000");
    EXPECT_EQ(pdf.s.DiTipo(TSegnoRegistrato::Rettangolo)[0].X, 20);
}

TEST_F(CliStampa, RangeListAndRefusals) {
    const std::string c = (dir / "c.Scl").string();
    auto e = Esegui({"stampa", "schedine", c, "--pdf", Pdf(), "--da", "2", "--a", "2"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(pdf.s.Scritte(), std::vector<std::string>{"c.Scl Sc. Nº 2 L. 2.000"});

    pdf.s = TSuperficieRegistrata{};
    e = Esegui({"stampa", "schedine", c, "--pdf", Pdf(), "--tabulato"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(pdf.s.Documenti, std::vector<std::string>{"Stampa delle Colonne del Sistema c"});
    EXPECT_EQ(pdf.s.DiTipo(TSegnoRegistrato::Riquadro).size(), 3u);

    pdf.s = TSuperficieRegistrata{};
    // Columns that name pilot 23, who has no name on a fresh install: a column file holding
    // them is no column file, and a system's columns holding them are not printed as a list.
    auto colonne = test::LeggiColonne(dir / "c.Scl");
    colonne[2] = {3, 6, 1, 9, 5, 19, 2, 23};
    colonne[4] = {23, 6, 1, 9, 5, 19, 2, 4};
    test::ScriviColonne(dir / "fuori.Scl", colonne);
    const std::string fuori = (dir / "fuori.Scl").string();
    T_Sistema sistema;
    sistema.NomeFile = (dir / "s.Sst").string();
    for (const auto& colonna : colonne) sistema.Dati.Colonne.Accoda(colonna);
    ASSERT_TRUE(sistema.SalvaSistema());
    struct Caso {
        std::vector<std::string> argomenti;
        int codice;
        std::string messaggio;
    } casi[] = {
        {{"stampa", "schedine", fuori, "--pdf", Pdf()},
         1,
         "Il file fuori.Scl non è un file di colonne valido (record 3: il pilota 23 in 8º "
         "posizione non è in gioco).\n"},
        {{"stampa", "prospetto", sistema.NomeFile, "--pdf", Pdf(), "--tabulato"},
         1,
         "2 colonne contengono piloti fuori gioco (la prima: 3 6 1 9 5 19 2 23) e non possono "
         "essere stampate.\n"},
        {{"stampa", "schedine", c, "--pdf", Pdf(), "--da", "4"},
         1,
         "Nessuna schedina da stampare: le schedine sono 3.\n"},
        {{"stampa", "schedine", sistema.NomeFile, "--pdf", Pdf()},
         1,
         "Il file s.Sst non è un file di colonne valido (" +
             std::to_string(std::filesystem::file_size(sistema.NomeFile)) +
             " byte, non un multiplo di 8).\n"},
        {{"stampa", "schedine", c, "--pdf", (dir / "manca" / "x.pdf").string()},
         1,
         "La cartella " + (dir / "manca").string() + " non esiste.\n"},
        {{"stampa", "schedine", c, "--pdf", Pdf(), "--da", "3", "--a", "2"},
         2,
         std::string(kErroreNumeroSchedine) + "\n"},
        {{"stampa", "schedine", (dir / "manca.Scl").string(), "--pdf", Pdf()},
         1,
         "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di manca.Scl: file non "
         "trovato.\n"},
        {{"stampa", "prospetto", (dir / "c.Scl").string(), "--pdf", Pdf()},
         1,
         "Impossibile Caricare il Sistema c.Scl: file incompleto o danneggiato.\n"},
    };
    for (const auto& k : casi) {
        e = Esegui(k.argomenti);
        EXPECT_EQ(e.Codice, k.codice) << k.messaggio;
        EXPECT_EQ(e.Err, k.messaggio);
    }
    EXPECT_TRUE(pdf.s.Documenti.empty());
}

TEST_F(CliStampa, SummarySheetCopies) {
    T_Sistema s;
    s.NomeFile = (dir / "monza.Sst").string();
    s.NumPartecipanti = 3;
    s.Partecipanti = {"Anna", "Bruno", "Carla"};
    s.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(s.SalvaSistema());

    auto e = Esegui(
        {"stampa", "prospetto", s.NomeFile, "--pdf", Pdf(), "--per-partecipante", "--tabulato"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    // Each copy is followed by its list of columns.
    EXPECT_EQ(pdf.s.Documenti.size(), 6u);
    pdf.s = TSuperficieRegistrata{};
    e = Esegui({"stampa", "prospetto", s.NomeFile, "--pdf", Pdf(), "--copie", "2"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(pdf.s.Documenti.size(), 2u);

    s.NumPartecipanti = 1;
    ASSERT_TRUE(s.SalvaSistema());
    e = Esegui({"stampa", "prospetto", s.NomeFile, "--pdf", Pdf(), "--per-partecipante"});
    EXPECT_EQ(e.Codice, 2);
}

// The real program: tickets drawn into a PDF file by the command line.
TEST_F(CliStampa, PdfFileFromTheProgram) {
    const std::string comando = "cd '" + dir.Percorso().string() + "' && '" + SIRVELA_CLI_EXE +
                                "' stampa schedine c.Scl --pdf out.pdf --cartella programma 2>&1";
    const auto [stato, out] = test::EseguiComando(comando);
    ASSERT_TRUE(WIFEXITED(stato));
    ASSERT_EQ(WEXITSTATUS(stato), 0) << out;
    EXPECT_EQ(test::PaginePdf(dir / "out.pdf"), 3);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.pdf.tmp"));
}

// The real program on a full disk: exit 1 with the reason, the old PDF kept and nothing left
// beside it. The disk is a tiny tmpfs in a mount namespace of its own; the test is skipped
// where mounting is not allowed.
TEST_F(CliStampa, AFullDiskKeepsTheOldPdf) {
    const auto disco = dir / "disco";
    std::filesystem::create_directories(disco);
    test::ScriviTesto(dir / "pieno.sh",
                      "mount -t tmpfs -o size=256k tmpfs \"$1\" 2>/dev/null || exit 77\n"
                      "printf vecchio > \"$1/out.pdf\"\n"
                      "cat /dev/zero > \"$1/riempi\" 2>/dev/null\n"
                      "cd \"$2\" && \"$3\" stampa schedine c.Scl --pdf \"$1/out.pdf\" "
                      "--cartella programma\n"
                      "echo \"uscita $?\"\n"
                      "echo \"pdf $(cat \"$1/out.pdf\")\"\n"
                      "echo \"file $(ls \"$1\" | tr '\\n' ' ')\"\n");
    const std::string comando = "unshare -m sh '" + (dir / "pieno.sh").string() + "' '" +
                                disco.string() + "' '" + dir.Percorso().string() + "' '" +
                                SIRVELA_CLI_EXE + "' 2>&1";
    const auto [stato, out] = test::EseguiComando(comando);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        GTEST_SKIP() << "tmpfs non montabile: " << out;
    EXPECT_NE(out.find("Impossibile scrivere il file PDF " + (disco / "out.pdf").string() +
                       ": disco pieno."),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("uscita 1\npdf vecchio\nfile out.pdf riempi \n"), std::string::npos) << out;
    EXPECT_EQ(out.find("File PDF scritto"), std::string::npos) << out;
}
