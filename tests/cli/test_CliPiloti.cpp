#include <gtest/gtest.h>

#include "cli/CliSupporto.h"
#include "core/T_Sistema.h"

using namespace sirvela;
using test::Cli;

namespace {

std::string Sistema(const std::string& pronostico, const std::string& impSviluppo = "{}") {
    return R"({"Pronostico": )" + pronostico + R"(, "ImpSviluppo": )" + impSviluppo + "}";
}

constexpr const char* kFuoriGioco =
    "Il sistema usa il pilota 23 in 8º posizione e il pilota 24 in 1º posizione, ma i piloti in "
    "gioco sono 22: aggiornare la Lista Piloti.\n";

}  // namespace

// A fresh program folder plays with pilots 1..22. Pilots out of play stay in the file, are
// told at every load and are never developed; a pilot the file cannot hold is refused.
TEST(CliPiloti, PilotsOutOfPlayAreToldKeptAndNeverDeveloped) {
    test::CartellaTemporanea dir;
    const std::string sst = (dir / "s.Sst").string();
    test::ScriviTesto(dir / "s.json", Sistema("[[1,24],[2],[3],[4],[5],[6],[7],[8,23]]"));
    auto e = Cli({"sistema", "importa", (dir / "s.json").string(), sst}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Err, kFuoriGioco);

    e = Cli({"sviluppa", sst, "--output", (dir / "c.Scl").string()}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Err, kFuoriGioco);
    EXPECT_EQ(test::LeggiColonne(dir / "c.Scl"), (std::vector<TColonna>{{1, 2, 3, 4, 5, 6, 7, 8}}));
    // Counted as developed, with or without the estimate.
    for (const std::string chiave : {"Colonne", "Stima"}) {
        std::vector<std::string> argomenti{"conta", sst, "--json"};
        if (chiave == "Stima") argomenti.push_back("--stima");
        e = Cli(argomenti, dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        EXPECT_EQ(e.Err, kFuoriGioco);
        EXPECT_EQ(test::UltimaRigaJson(e.Out)[chiave], 1) << e.Out;
    }
    e = Cli({"sistema", "esporta", sst}, dir);
    EXPECT_EQ(nlohmann::json::parse(e.Out)["Pronostico"][7], nlohmann::json::parse("[8, 23]"));

    // Once the pilot list holds 25 names, every pilot is in play.
    std::string nomi;
    for (int i = 1; i <= 25; ++i) nomi += "Pilota " + std::to_string(i) + "\n";
    std::filesystem::create_directories(dir / "programma");
    test::ScriviTesto(dir / "programma" / "listapiloti.txt", nomi);
    e = Cli({"sviluppa", sst, "--output", (dir / "c.Scl").string()}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Err, "");
    EXPECT_EQ(test::LeggiColonne(dir / "c.Scl").size(), 4u);

    // Without --output the columns in memory die with the command, and it says so.
    e = Cli({"sviluppa", sst}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Err,
              "Nessun file scritto: il sistema tiene le colonne in memoria, che alla fine del "
              "comando vanno perse. Per scriverle usare --output FILE.Scl.\n");

    // A guarantee outside 30..92 is told with the value used.
    test::ScriviTesto(dir / "g.json",
                      Sistema("[[1],[2],[3],[4],[5],[6],[7],[8]]", R"({"Garanzia": 120})"));
    e = Cli({"sistema", "importa", (dir / "g.json").string(), (dir / "g.Sst").string()}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    EXPECT_EQ(e.Err,
              "La garanzia memorizzata nel sistema, 120, è fuori dall'intervallo 30-92: si usa "
              "92.\n");

    for (const auto& [pronostico, messaggio] : std::vector<std::pair<std::string, std::string>>{
             {"[[1],[2],[3],[4],[5],[6],[7],[8,95]]",
              "Valore non valido nel campo \"Pronostico[7][1]\": 95 non è un pilota (da 1 a 25)"},
             {"[[1],[2],[3],[4],[5],[6],[7,7],[8]]",
              "Valore non valido nel campo \"Pronostico[6][1]\": il pilota 7 è ripetuto"},
         }) {
        test::ScriviTesto(dir / "x.json", Sistema(pronostico));
        e = Cli({"sistema", "importa", (dir / "x.json").string(), (dir / "x.Sst").string()}, dir);
        EXPECT_EQ(e.Codice, 1);
        EXPECT_EQ(e.Err, messaggio + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "x.Sst"));
    }
}

// Every command that reads columns refuses a file that holds none, naming it and the record.
TEST(CliPiloti, EveryCommandChecksItsColumnFiles) {
    test::CartellaTemporanea dir;
    test::ScriviColonne(dir / "buono.Scl", {{1, 2, 3, 4, 5, 6, 7, 8}, {8, 7, 6, 5, 4, 3, 2, 1}});
    test::ScriviColonne(dir / "fuori.Scl", {{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 23}});
    T_Sistema s;
    s.NomeFile = (dir / "s.Sst").string();
    ASSERT_TRUE(s.SalvaSistema());
    const std::string fuori =
        "Il file fuori.Scl non è un file di colonne valido (record 2: il pilota 23 in 8º "
        "posizione non è in gioco).\n";
    const std::string sistema = "Il file s.Sst non è un file di colonne valido (" +
                                std::to_string(std::filesystem::file_size(s.NomeFile)) +
                                " byte, non un multiplo di 8).\n";
    auto f = [&](const char* nome) { return (dir / nome).string(); };
    for (const auto& [argomenti, messaggio] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"spoglio", f("fuori.Scl"), "--risultato", "1 2 3 4 5 6 7 8"}, fuori},
             {{"spoglio", f("s.Sst"), "--risultato", "1 2 3 4 5 6 7 8"}, sistema},
             {{"riduci", f("fuori.Scl"), "--garanzia", "80", "--output", f("out.Scl")}, fuori},
             {{"riduci", f("s.Sst"), "--garanzia", "80", "--output", f("out.Scl")}, sistema},
             {{"operazioni", "or", f("buono.Scl"), f("fuori.Scl"), "--output", f("out.Scl")},
              fuori},
             {{"operazioni", "and", f("s.Sst"), f("buono.Scl"), "--output", f("out.Scl")}, sistema},
             {{"converti", "--da", "scl", "--a", "txt", f("fuori.Scl")}, fuori},
         }) {
        const auto e = Cli(argomenti, dir);
        EXPECT_EQ(e.Codice, 1) << argomenti[0];
        EXPECT_NE(e.Err.find(messaggio), std::string::npos) << e.Err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.Scl"));
        EXPECT_FALSE(std::filesystem::exists(dir / "fuori.Txt"));
    }
}

TEST(CliPiloti, AnAnalysisOfNoContestIsRefused) {
    test::CartellaTemporanea dir;
    test::ScriviTesto(dir / "s.json", Sistema("[[1],[2],[3],[4],[5],[6],[7],[8]]"));
    ASSERT_EQ(Cli({"sistema", "importa", (dir / "s.json").string(), (dir / "s.Sst").string()}, dir)
                  .Codice,
              0);
    for (const std::vector<std::string>& argomenti :
         {std::vector<std::string>{"analisi", "condizionata", (dir / "s.Sst").string()},
          std::vector<std::string>{"analisi", "condizione", (dir / "s.Sst").string(),
                                   "--condizione", "2"}}) {
        const auto e = Cli(argomenti, dir);
        EXPECT_EQ(e.Codice, 1);
        EXPECT_EQ(e.Err,
                  "Nessun concorso da analizzare: l'archivio non ha concorsi completi (aggiornarlo "
                  "con \"sirvela-cli aggiorna archivi\" o \"sirvela-cli archivio aggiungi\").\n");
    }
}
