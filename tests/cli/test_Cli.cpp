#include <gtest/gtest.h>

#include "cli/CliSupporto.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "support/SistemaRicco.h"
#include "tools/CondizioniSbagliate.h"

using namespace sirvela;
using test::Cli;

TEST(Cli, VersionUsageAndItalianParseErrors) {
    std::ostringstream out, err;
    EXPECT_EQ(EseguiCli({"--versione"}, out, err), 0);
    EXPECT_EQ(out.str(), "sirvela-cli 1.0\n");

    std::ostringstream out2, err2;
    EXPECT_EQ(EseguiCli({"--help"}, out2, err2), 0);
    for (const char* atteso : {"Uso:", "spoglio", "sistema", "operazioni", "archivio", "Comandi"})
        EXPECT_NE(out2.str().find(atteso), std::string::npos) << atteso;

    std::ostringstream out3, err3;
    EXPECT_EQ(EseguiCli({"spoglio", "--help"}, out3, err3), 0);
    EXPECT_NE(out3.str().find("--risultato"), std::string::npos);
    EXPECT_NE(out3.str().find("--cartella"), std::string::npos);

    struct Caso {
        std::vector<std::string> argomenti;
        std::string inizio;
    };
    for (const auto& c : std::vector<Caso>{
             {{"--sconosciuta"}, "Opzione sconosciuta: --sconosciuta.\n"},
             {{"spoglio", "a.Scl"}, "Manca un argomento obbligatorio: --risultato"},
             {{"spoglio", "a.Scl", "--risultato"}, "Manca il valore di --risultato.\n"},
             {{"sistema"}, "Manca il comando da eseguire. Comandi di sistema: esporta, importa.\n"},
             {{"operazioni", "or", "a.Scl", "b.Scl"}, "Manca un argomento obbligatorio: --output"},
             {{"svilupa", "x.Sst"},
              "Comando sconosciuto: svilupa. Comandi: sviluppa, riduci, conta, spoglio, sistema, "
              "operazioni, converti, archivio, stampa, aggiorna, analisi. Forse si intendeva "
              "sviluppa?\n"},
             {{"sistema", "esportaa", "x.Sst"},
              "Comando sconosciuto: sistema esportaa. Comandi di sistema: esporta, importa. Forse "
              "si intendeva esporta?\n"},
             {{"riduci", "a.Scl", "-g", "80", "--ouput", "b.Scl"},
              "Opzione sconosciuta: --ouput. Forse si intendeva --output?\n"},
             {{"stampa", "prospetto", "s.Sst", "--pdf", "x.pdf", "--copie", "2",
               "--per-partecipante"},
              "--copie e --per-partecipante non possono essere usati insieme.\n"},
         }) {
        std::ostringstream o, e;
        EXPECT_EQ(EseguiCli(c.argomenti, o, e), 2) << e.str();
        EXPECT_EQ(e.str().rfind(c.inizio, 0), 0u) << e.str();
    }
}

TEST(Cli, EveryCommandLeavesTheProgramGlobalsAsItFoundThem) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directories(dir / "programma");
    test::ScriviTesto(dir / "programma" / "listapiloti.txt",
                      "A\nB\nC\nD\nE\nF\nG\nH\nI\nL\nM\nN\nO\nP\nQ\nR\nS\nT\nU\nV\n");
    const auto corrente = std::filesystem::current_path();
    const auto cartella = CartellaProgramma;
    const auto piloti = NumeroPiloti;
    auto e = Cli({"archivio", "mostra"}, dir);
    EXPECT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(std::filesystem::current_path(), corrente);
    EXPECT_EQ(CartellaProgramma, cartella);
    EXPECT_EQ(NumeroPiloti, piloti);
}

// ---- sistema esporta / importa ----

TEST(CliSistema, ExportThenImportGivesTheSameFileForEveryConditionKind) {
    test::CartellaTemporanea dir;
    for (bool colonne : {true, false}) {
        T_Sistema s;
        test::RiempiSistemaRicco(s);
        s.Dati.SalvaColonne = colonne;
        s.NomeFile = (dir / "ricco.Sst").string();
        ASSERT_TRUE(s.SalvaSistema());

        auto esporta = Cli({"sistema", "esporta", (dir / "ricco.Sst").string()}, dir);
        ASSERT_EQ(esporta.Codice, 0) << esporta.Err;
        EXPECT_TRUE(esporta.Err.empty());
        test::ScriviTesto(dir / "ricco.json", esporta.Out);
        EXPECT_EQ(nlohmann::json::parse(esporta.Out).contains("Colonne"), colonne);

        auto importa =
            Cli({"sistema", "importa", (dir / "ricco.json").string(), (dir / "copia.Sst").string()},
                dir);
        ASSERT_EQ(importa.Codice, 0) << importa.Err;
        EXPECT_EQ(test::LeggiByte(dir / "copia.Sst"), test::LeggiByte(dir / "ricco.Sst"))
            << "colonne " << colonne;
    }
}

TEST(CliSistema, BadJsonIsRefusedWithItsPlaceOrFieldAndNothingIsWritten) {
    test::CartellaTemporanea dir;
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    s.NomeFile = (dir / "ricco.Sst").string();
    ASSERT_TRUE(s.SalvaSistema());
    const std::string buono = Cli({"sistema", "esporta", s.NomeFile}, dir).Out;
    auto j = nlohmann::json::parse(buono);

    struct Caso {
        std::string testo;
        std::string atteso;
    };
    auto fuori = j;
    fuori["ImpSviluppo"]["VinciteMultiple"] = 256;
    auto lettera = j;
    lettera["Condizioni"][0]["Categorie"]["Tutti i Numeri"]["Link"] = "ab";
    for (const auto& c : std::vector<Caso>{
             {"{\n  \"Concorso\": 3,\n  \"Pronostico\": [1, 2,, 3]\n}",
              "Il file JSON non è valido: errore di sintassi alla riga 3, colonna 23"},
             {"{\"Commento\": [\"è\"", "errore di sintassi alla riga 1, colonna 18"},
             {"", "Il file JSON non è valido"},
             {fuori.dump(), "\"ImpSviluppo.VinciteMultiple\""},
             {lettera.dump(), "\"Condizioni[0].Categorie.Tutti i Numeri.Link\""},
             {"[1, 2]", "\"(radice)\""},
             // Numbers beyond a double's range are named by their field, in Italian.
             {"{\"Concorso\": 1e999}",
              "Il file JSON non è valido: il numero nel campo \"Concorso\" è fuori "
              "dall'intervallo"},
             {"{\"Concorso\": 3, \"Pronostico\": [[1], {\"a\": [2]}, [-1e400]]}",
              "il numero nel campo \"Pronostico[2][0]\" è fuori"},
             {"1E+400", "Il file JSON non è valido: un numero è fuori"},
         }) {
        test::ScriviTesto(dir / "x.json", c.testo);
        auto e =
            Cli({"sistema", "importa", (dir / "x.json").string(), (dir / "x.Sst").string()}, dir);
        EXPECT_EQ(e.Codice, 1);
        EXPECT_NE(e.Err.find(c.atteso), std::string::npos) << e.Err;
        EXPECT_TRUE(e.Out.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "x.Sst")) << c.testo;
    }

    // An existing system is left as it was.
    test::ScriviTesto(dir / "x.json", "{\"Concorso\": \"no\"}");
    const auto prima = test::LeggiByte(s.NomeFile);
    EXPECT_EQ(Cli({"sistema", "importa", (dir / "x.json").string(), s.NomeFile}, dir).Codice, 1);
    EXPECT_EQ(test::LeggiByte(s.NomeFile), prima);

    auto manca = Cli({"sistema", "esporta", (dir / "manca.Sst").string()}, dir);
    EXPECT_EQ(manca.Codice, 1);
    EXPECT_EQ(manca.Err, "Impossibile Caricare il Sistema manca.Sst: file non trovato.\n");
    auto json = Cli({"sistema", "importa", (dir / "manca.json").string(), s.NomeFile}, dir);
    EXPECT_EQ(json.Codice, 1);
    EXPECT_EQ(json.Err, "Impossibile leggere il file JSON manca.json: file non trovato.\n");
}

// ---- spoglio ----

namespace {

struct TFileSpoglio {
    test::CartellaTemporanea dir;
    std::string colonne = (dir / "col.Scl").string();
    TFileSpoglio() {
        test::ScriviColonne(colonne, {
                                         {1, 2, 3, 4, 5, 6, 7, 8},  // 101
                                         {2, 1, 3, 4, 5, 6, 7, 8},  // 69
                                         {1, 2, 3, 4, 5, 6, 8, 7},  // 82
                                         {2, 1, 3, 4, 5, 6, 7, 8},  // 69
                                         {9, 10, 11, 12, 13, 14, 15, 16},
                                     });
    }
};

}  // namespace

TEST(CliSpoglio, TableOfWinsHighestFirstAndJson) {
    TFileSpoglio f;
    auto e = Cli({"spoglio", f.colonne, "--risultato", "1 2 3 4 5 6 7 8", "--json"}, f.dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_NE(
        e.Out.find(
            "   101           1\n    82           1\n    69           2\n     0           1\n"),
        std::string::npos)
        << e.Out;
    EXPECT_EQ(e.Out.find("Condizioni Sbagliate"), std::string::npos);
    auto j = test::UltimaRigaJson(e.Out);
    EXPECT_EQ(j.dump(), R"({"Vincite":{"101":1,"82":1,"69":2,"0":1},"CondizioniSbagliate":[]})");

    // A wildcard never scores; the file may follow the result.
    auto jolly = Cli({"spoglio", "-r", "* 2 3 4 5 6 7 8", f.colonne, "--json"}, f.dir);
    ASSERT_EQ(jolly.Codice, 0) << jolly.Err;
    EXPECT_EQ(test::UltimaRigaJson(jolly.Out)["Vincite"].dump(), R"({"84":1,"69":2,"65":1,"0":1})");
}

TEST(CliSpoglio, ResultCellsAreCheckedWithTheProgramMessages) {
    TFileSpoglio f;
    struct Caso {
        std::string risultato;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {"1 2 3 4 5 6 7 24", "Uno o più numeri inseriti non sono validi.\n(casella 8º)\n"},
             {"1 2 -3 4 5 6 7 8", "Uno o più numeri inseriti non sono validi.\n(casella 3º)\n"},
             {"1 2 3 4 5 6 7 1",
              "Uno dei numeri è stato inserito più di una volta.\n(casella 8º)\n"},
             {"1 2 3 4 5 6 7", "Non sono stati inseriti tutti i numeri.\n(casella 8º)\n"},
             {"1 2 x 4 5 6 7 8", "Non sono stati inseriti tutti i numeri.\n(casella 3º)\n"},
             {"1 2 3 4 5 6 7 8 9", "Sono stati inseriti più di 8 numeri.\n"},
         }) {
        auto e = Cli({"spoglio", f.colonne, "--risultato", c.risultato}, f.dir);
        EXPECT_EQ(e.Codice, 2) << c.risultato;
        EXPECT_EQ(e.Err, c.messaggio);
        EXPECT_TRUE(e.Out.empty());
    }
    // The wildcard may repeat.
    EXPECT_EQ(Cli({"spoglio", f.colonne, "--risultato", "* * 3 4 5 6 7 8"}, f.dir).Codice, 0);

    auto manca = Cli({"spoglio", (f.dir / "manca.Scl").string(), "-r", "1 2 3 4 5 6 7 8"}, f.dir);
    EXPECT_EQ(manca.Codice, 1);
    EXPECT_EQ(manca.Err,
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di manca.Scl: file non "
              "trovato.\n");
}

TEST(CliSpoglio, BrokenRestrictionsAreTheOnesTheProgramLists) {
    TFileSpoglio f;
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    s.NomeFile = (f.dir / "ricco.Sst").string();
    ASSERT_TRUE(s.SalvaSistema());

    for (const std::string risultato : {"1 2 3 4 5 6 7 8", "9 1 3 2 5 4 7 6", "* 2 3 4 5 6 7 8"}) {
        auto e =
            Cli({"spoglio", f.colonne, "-r", risultato, "--sistema", s.NomeFile, "--json"}, f.dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;

        T_Sistema diretto;
        ASSERT_TRUE(diretto.CaricaSistema(s.NomeFile));
        TColonna r{};
        std::istringstream in(risultato);
        for (auto& p : r) {
            std::string t;
            in >> t;
            p = static_cast<std::uint8_t>(t == "*" ? kJolly : std::stoi(t));
        }
        std::vector<std::string> attese;
        for (const auto& riga : CondizioniSbagliate(diretto.Dati, r)) attese.push_back(riga.Testo);
        ASSERT_FALSE(attese.empty());
        EXPECT_EQ(
            test::UltimaRigaJson(e.Out)["CondizioniSbagliate"].get<std::vector<std::string>>(),
            attese)
            << risultato;
        EXPECT_NE(e.Out.find("Condizioni Sbagliate\n  " + attese[0] + "\n"), std::string::npos);
    }
    // A result outside the position sets of the system starts with "Pronostico".
    auto fuori =
        Cli({"spoglio", f.colonne, "-r", "20 2 3 4 5 6 7 8", "-s", s.NomeFile, "--json"}, f.dir);
    EXPECT_EQ(test::UltimaRigaJson(fuori.Out)["CondizioniSbagliate"][0], "Pronostico");

    auto rotto = Cli({"spoglio", f.colonne, "-r", "1 2 3 4 5 6 7 8", "-s", f.colonne}, f.dir);
    EXPECT_EQ(rotto.Codice, 1);
    EXPECT_EQ(rotto.Err,
              "Impossibile Caricare il Sistema col.Scl: file incompleto o danneggiato.\n");
}
