#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliSupporto.h"

using namespace sirvela;
using test::Cli;

namespace {

const TColonna kA{1, 2, 3, 4, 5, 6, 7, 8};
const TColonna kB{2, 1, 3, 4, 5, 6, 7, 8};
const TColonna kC{1, 2, 3, 4, 5, 6, 7, 9};  // 92 against kA
const TColonna kD{9, 10, 11, 12, 13, 14, 15, 16};

}  // namespace

TEST(CliOperazioni, EachOperationWritesItsResultWithTheProgramMessage) {
    test::CartellaTemporanea dir;
    const auto primo = dir / "primo.Scl";
    const auto secondo = dir / "secondo.Scl";
    test::ScriviColonne(primo, {kA, kB, kA});
    test::ScriviColonne(secondo, {kB, kC, kD});
    struct Caso {
        std::vector<std::string> argomenti;
        std::string messaggio;
        std::vector<TColonna> risultato;
    };
    const std::string p = primo.string(), s = secondo.string();
    for (const auto& c : std::vector<Caso>{
             {{"or", p, s}, "Colonne Ottenute : 5", {kA, kB, kA, kC, kD}},
             {{"and", p, s}, "Colonne Ottenute : 1", {kB}},
             {{"xor", p, s}, "Colonne Ottenute : 4", {kA, kA, kC, kD}},
             // kC is covered by kA at 92, kD by nothing
             {{"copertura", p, s, "--garanzia", "92"}, "Colonne Scoperte : 1", {kD}},
             {{"copertura", p, s}, "Colonne Scoperte : 1", {kD}},
         }) {
        std::vector<std::string> a = {"operazioni"};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        a.insert(a.end(), {"--output", (dir / "out.Scl").string()});
        std::filesystem::remove(dir / "out.Scl");
        auto e = Cli(a, dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        EXPECT_EQ(e.Out, c.messaggio + "\n");
        EXPECT_EQ(test::LeggiColonne(dir / "out.Scl"), c.risultato) << c.messaggio;
    }

    // Empty results write nothing; a name without extension gets ".Scl".
    auto vuoto = Cli({"operazioni", "xor", p, p, "-o", (dir / "niente").string()}, dir);
    EXPECT_EQ(vuoto.Out, "Colonne Ottenute : 0  Nessun File Creato\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "niente.Scl"));
    auto scoperte = Cli({"operazioni", "copertura", s, p, "-o", (dir / "niente").string()}, dir);
    EXPECT_EQ(scoperte.Out, "Colonne Scoperte : 0  Nessun File Creato\n");
    auto copia = Cli({"operazioni", "or", p, p, "-o", (dir / "copia").string()}, dir);
    EXPECT_EQ(test::LeggiColonne(dir / "copia.Scl"), (std::vector<TColonna>{kA, kB, kA}));

    // The reordering keeps every column.
    auto dis = Cli({"operazioni", "disordina", s, "-o", (dir / "dis.Scl").string()}, dir);
    EXPECT_EQ(dis.Out, "Elaborazione Terminata.\n");
    auto colonne = test::LeggiColonne(dir / "dis.Scl");
    std::sort(colonne.begin(), colonne.end());
    EXPECT_EQ(colonne, (std::vector<TColonna>{kC, kB, kD}));
}

TEST(CliOperazioni, WrongRequestsAreRefusedBeforeAnythingIsWritten) {
    test::CartellaTemporanea dir;
    const auto p = (dir / "p.Scl").string();
    test::ScriviColonne(p, {kA});
    const auto out = (dir / "out.Scl").string();
    struct Caso {
        std::vector<std::string> argomenti;
        int codice;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {{"unione", p, p}, 2, "Operazione sconosciuta \"unione\""},
             {{"and", p}, 2, "Manca il secondo file (Secondo file)."},
             {{"copertura", p}, 2, "Manca il secondo file (File delle Colonne da coprire)."},
             {{"disordina", p, p}, 2, "L'operazione disordina usa un solo file."},
             {{"copertura", p, p, "-g", "29"},
              2,
              "La garanzia deve essere un numero intero tra 30 e 92"},
             {{"copertura", p, p, "-g", "93"}, 2, "La garanzia deve essere"},
             {{"or", p, p, "-g", "80"}, 2, "La garanzia si usa solo con l'operazione copertura."},
             {{"or", p, (dir / "manca.Scl").string()},
              1,
              "Impossibile effettuare le operazioni sui Files"},
         }) {
        std::vector<std::string> a = {"operazioni"};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        a.insert(a.end(), {"-o", out});
        auto e = Cli(a, dir);
        EXPECT_EQ(e.Codice, c.codice) << c.messaggio;
        EXPECT_EQ(e.Err.rfind(c.messaggio, 0), 0u) << e.Err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(CliConverti, ColumnFilesToTextAndBack) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir / "testi");
    test::ScriviColonne(dir / "a.Scl", {{1, 12, 3, 4, 5, 6, 7, 8}, kD});
    test::ScriviColonne(dir / "b.scl", {kA});

    auto testo = Cli({"converti", "--da", "scl", "--a", "txt", (dir / "a.Scl").string(),
                      (dir / "b.scl").string(), "--destinazione", (dir / "testi").string()},
                     dir);
    ASSERT_EQ(testo.Codice, 0) << testo.Err;
    EXPECT_EQ(testo.Out, "Files Creati : 2\nConversione terminata con successo.\n");
    const auto righe = test::LeggiByte(dir / "testi" / "a.Txt");
    EXPECT_EQ(std::string(righe.begin(), righe.end()),
              " 1 12  3  4  5  6  7  8\r\n 9 10 11 12 13 14 15 16");
    EXPECT_TRUE(std::filesystem::exists(dir / "testi" / "b.Txt"));

    // Back to the column file, beside the text file when no destination is given.
    auto scl =
        Cli({"converti", "--da", "TXT", "--a", "Scl", (dir / "testi" / "a.Txt").string()}, dir);
    ASSERT_EQ(scl.Codice, 0) << scl.Err;
    EXPECT_EQ(test::LeggiByte(dir / "testi" / "a.Scl"), test::LeggiByte(dir / "a.Scl"));

    struct Caso {
        std::vector<std::string> argomenti;
        int codice;
        std::string messaggio;
    };
    test::ScriviTesto(dir / "rotto.Txt", "1 2 3 4 5 6 7 8\n1 2 tre 4 5 6 7 8\n");
    for (const auto& c : std::vector<Caso>{
             {{"--da", "txt", "--a", "txt", (dir / "testi" / "a.Txt").string()},
              1,
              "Impossibile convertire il file a.Txt: il file da creare ha lo stesso nome nella "
              "stessa cartella. Elaborazione terminata\n"},
             {{"--da", "txt", "--a", "scl", (dir / "a.Scl").string()},
              2,
              "Il file a.Scl non ha l'estensione del formato Txt.\n"},
             {{"--da", "doc", "--a", "scl", (dir / "a.Scl").string()},
              2,
              "Formato sconosciuto \"doc\": usare txt, asc o scl.\n"},
             {{"--da", "txt", "--a", "scl", (dir / "rotto.Txt").string()},
              1,
              "Impossibile convertire il file rotto.Txt: alla riga 2"},
             {{"--da", "scl", "--a", "txt", (dir / "a.Scl").string(), "-d",
               (dir / "manca").string()},
              1,
              "La cartella di destinazione"},
         }) {
        std::vector<std::string> a = {"converti"};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        auto e = Cli(a, dir);
        EXPECT_EQ(e.Codice, c.codice) << c.messaggio;
        EXPECT_EQ(e.Err.rfind(c.messaggio, 0), 0u) << e.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "rotto.Scl"));
}

TEST(CliArchivio, ContestsAreAddedInOrderAndSaved) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir / "programma" / "Archivi");
    const auto file = dir / "programma" / "Archivi" / "sirarch.dat";
    // 5/1999 with pilots 1..8, as the archive stores it
    test::ScriviByte(file, {5, 0xCF, 7, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8});

    auto primo = Cli({"archivio", "aggiungi", "2000", "3", "8 7 6 5 4 3 2 1"}, dir);
    ASSERT_EQ(primo.Codice, 0) << primo.Err;
    EXPECT_EQ(primo.Out, "Concorso Nº3 2000 aggiunto in posizione 2 (concorsi in archivio: 2).\n");
    auto secondo =
        Cli({"archivio", "aggiungi", "1999", "200", "1", "2", "3", "4", "5", "6", "7", "*"}, dir);
    ASSERT_EQ(secondo.Codice, 0) << secondo.Err;
    // 1999 * 200 + 200 sorts after 2000 * 200 + 3? No: 400000 < 400003.
    EXPECT_NE(secondo.Out.find("in posizione 2"), std::string::npos) << secondo.Out;
    EXPECT_EQ(std::filesystem::file_size(file), 39u);

    auto doppio = Cli({"archivio", "aggiungi", "2000", "3", "1 2 3 4 5 6 7 8"}, dir);
    EXPECT_EQ(doppio.Codice, 1);
    EXPECT_EQ(doppio.Err, "Il concorso è già presente in memoria.\n");
    EXPECT_EQ(std::filesystem::file_size(file), 39u);

    auto mostra = Cli({"archivio", "mostra", "--json"}, dir);
    ASSERT_EQ(mostra.Codice, 0) << mostra.Err;
    EXPECT_NE(mostra.Out.find("     1  Nº5 1999        1  2  3  4  5  6  7  8\n"),
              std::string::npos)
        << mostra.Out;
    EXPECT_NE(mostra.Out.find("     2  Nº200 1999      1  2  3  4  5  6  7  *\n"),
              std::string::npos)
        << mostra.Out;
    EXPECT_EQ(test::UltimaRigaJson(mostra.Out).dump(),
              R"({"Concorsi":[{"Ordinale":1,"Anno":1999,"Numero":5,"Vincente":[1,2,3,4,5,6,7,8]},)"
              R"({"Ordinale":2,"Anno":1999,"Numero":200,"Vincente":[1,2,3,4,5,6,7,90]},)"
              R"({"Ordinale":3,"Anno":2000,"Numero":3,"Vincente":[8,7,6,5,4,3,2,1]}]})");
}

TEST(CliArchivio, WrongContestsAndUnusableArchivesAreRefused) {
    test::CartellaTemporanea dir;
    struct Caso {
        std::vector<std::string> argomenti;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {{"1870", "1", "1 2 3 4 5 6 7 8"},
              "L'anno deve essere un numero intero tra 1871 e 2050"},
             {{"2000", "0", "1 2 3 4 5 6 7 8"}, "Il numero del concorso deve essere"},
             {{"2000", "256", "1 2 3 4 5 6 7 8"}, "Il numero del concorso deve essere"},
             {{"2000", "1", "1 2 3 4 5 6 7 30"}, "Uno o più numeri inseriti non sono validi."},
             {{"2000", "1", "1 2 3 4 5 6 7 7"},
              "Uno dei numeri è stato inserito più di una volta."},
             {{"2000", "1", "1 2 3 4 5 6 7"}, "Non sono stati inseriti tutti i numeri."},
         }) {
        std::vector<std::string> a = {"archivio", "aggiungi"};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        auto e = Cli(a, dir);
        EXPECT_EQ(e.Codice, 2);
        EXPECT_EQ(e.Err.rfind(c.messaggio, 0), 0u) << e.Err;
    }
    const auto archivi = dir / "programma" / "Archivi";
    EXPECT_FALSE(std::filesystem::exists(archivi / "sirarch.dat"));

    // A folder standing where the archive file goes cannot be saved over.
    std::filesystem::create_directories(archivi / "sirarch.dat");
    auto salva = Cli({"archivio", "aggiungi", "2000", "1", "1 2 3 4 5 6 7 8"}, dir);
    EXPECT_EQ(salva.Codice, 1);
    EXPECT_EQ(salva.Err, "Impossibile salvare gli archivi sirarch.dat: è una cartella.\n");

    // An archive that is there but cannot be read is never replaced.
    std::filesystem::remove(archivi / "sirarch.dat");
    std::filesystem::create_symlink("sirarch.dat", archivi / "sirarch.dat");
    for (const std::string comando : {"aggiungi", "mostra"}) {
        auto e = comando == "aggiungi"
                     ? Cli({"archivio", "aggiungi", "2000", "1", "1 2 3 4 5 6 7 8"}, dir)
                     : Cli({"archivio", "mostra"}, dir);
        EXPECT_EQ(e.Codice, 1);
        EXPECT_EQ(e.Err,
                  "Impossibile caricare gli archivi sirarch.dat: collegamento non valido.\n");
    }
    EXPECT_TRUE(std::filesystem::is_symlink(archivi / "sirarch.dat"));
}
