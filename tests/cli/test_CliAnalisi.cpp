#include <gtest/gtest.h>

#include "cli/CliSupporto.h"

using namespace sirvela;
using test::Cli;

namespace {

// Four contests of 2000 (numbers 1..4), pilots as given; even counts 4, 8, 0, 3.
void ScriviArchivio(const test::CartellaTemporanea& dir) {
    std::filesystem::create_directories(dir / "programma" / "Archivi");
    const std::uint8_t risultati[4][8] = {{1, 2, 3, 4, 5, 6, 7, 8},
                                          {2, 4, 6, 8, 10, 12, 14, 16},
                                          {1, 3, 5, 7, 9, 11, 13, 15},
                                          {2, 4, 6, 1, 3, 5, 7, 9}};
    std::vector<std::uint8_t> byte;
    for (std::uint8_t n = 0; n < 4; ++n) {
        byte.insert(byte.end(), {static_cast<std::uint8_t>(n + 1), 0xD0, 7, 0, 0});
        byte.insert(byte.end(), risultati[n], risultati[n] + 8);
    }
    test::ScriviByte(dir / "programma" / "Archivi" / "sirarch.dat", byte);
}

// Pilots 1..7 fixed, the last position 8, 9 or 10; Pari e Dispari accepting 4 or 8 evens.
std::filesystem::path Sistema(const test::CartellaTemporanea& dir) {
    test::ScriviTesto(dir / "prova.json", R"({
      "Pronostico": [[1],[2],[3],[4],[5],[6],[7],[8,9,10]],
      "Condizioni": [
        {"Tipo":1},
        {"Tipo":2,"Attivato":true,"Categorie":{"Pari":{"Principale":{"Accettati":[4,8]}}}},
        {"Tipo":3},{"Tipo":4},{"Tipo":5},{"Tipo":6},{"Tipo":7},{"Tipo":8},{"Tipo":9},
        {"Tipo":10},{"Tipo":11},{"Tipo":12},{"Tipo":13},{"Tipo":14},{"Tipo":15},{"Tipo":16},
        {"Tipo":17},{"Tipo":18}]})");
    const auto sst = dir / "prova.Sst";
    auto e = Cli({"sistema", "importa", (dir / "prova.json").string(), sst.string()}, dir);
    EXPECT_EQ(e.Codice, 0) << e.Err;
    return sst;
}

}  // namespace

TEST(CliAnalisi, ConditionedAnalysisOverTheArchive) {
    test::CartellaTemporanea dir;
    ScriviArchivio(dir);
    const auto sst = Sistema(dir);
    auto e = Cli({"analisi", "condizionata", sst.string(), "--json"}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    // Passes at 1 and 2 (4 and 8 evens): D 2, cycle (4 - 2) / 2 = 1, gap 1 - 1 = 0.
    EXPECT_EQ(test::UltimaRigaJson(e.Out).dump(),
              R"({"Esaminati":4,"Superati":2,"EstrazioniDiAssenza":2,"CicloMedio":1.0,)"
              R"("RitardoAttuale":1,"RitardoMinimo":0,"RitardoMassimo":0,"RitardoMedio":0.0,)"
              R"("FrequenzaStorica":50.0})");
    EXPECT_NE(e.Out.find("Concorsi Esaminati : 4 Su 4\n"), std::string::npos) << e.Out;
}

TEST(CliAnalisi, OneConditionOverTheArchiveAndTheColumns) {
    test::CartellaTemporanea dir;
    ScriviArchivio(dir);
    const auto sst = Sistema(dir);
    auto e = Cli(
        {"analisi", "condizione", sst.string(), "--condizione", "2", "--colonne", "--json"}, dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    const auto j = test::UltimaRigaJson(e.Out);
    EXPECT_EQ(j["Titolo"], "Analisi Statistica dei Pari e Dispari");
    EXPECT_EQ(j["Estrazioni"], 4);
    EXPECT_EQ(j["ColonneLette"], 3);  // even counts 4, 3, 4
    const auto& pari = j["Pagine"][0];
    EXPECT_EQ(pari["Nome"], "Pari");
    EXPECT_EQ(pari["Righe"][4].dump(),
              R"({"Etichetta":"4","Frequenza":1,"Ritardo":3,"RitardoMassimo":3,)"
              R"("FrequenzaCons":0,"RitardoCons":4,"RitardoMassimoCons":4,"Integr":2,"CondS":2,)"
              R"("Cond":0})");
    // Archive: 2 of 4 contests in accepted rows; columns: the one with 5 evens filtered.
    EXPECT_EQ(pari["FrequenzaStorica"], 50.0);
    EXPECT_EQ(pari["ColonneFiltrate"], 33.33);
    EXPECT_EQ(pari["FattoreDiConvenienza"], 0.67);

    auto senzaMembri = Cli({"analisi", "condizione", sst.string(), "--condizione", "12:1"}, dir);
    EXPECT_EQ(senzaMembri.Codice, 2);
    EXPECT_EQ(senzaMembri.Err, "La condizione 12 non ha membri.\n");
    auto senzaAnalisi = Cli({"analisi", "condizione", sst.string(), "--condizione", "12"}, dir);
    EXPECT_EQ(senzaAnalisi.Err, "La condizione scelta non ha un'analisi statistica.\n");
    // Somme without intervals, and the columns of a Punti Tra group without any, have no rows.
    for (const char* codice : {"1", "18"}) {
        auto senza =
            Cli({"analisi", "condizione", sst.string(), "--condizione", codice, "--colonne"}, dir);
        EXPECT_EQ(senza.Codice, 2) << codice;
        EXPECT_EQ(senza.Err, "Non è stato impostato alcun intervallo\n") << codice;
    }
    EXPECT_EQ(Cli({"analisi", "condizione", sst.string(), "--condizione", "18"}, dir).Codice, 0);
    // Punti Tra analyses the group named after the code.
    auto gruppo =
        Cli({"analisi", "condizione", sst.string(), "--condizione", "18:3", "--json"}, dir);
    ASSERT_EQ(gruppo.Codice, 0) << gruppo.Err;
    EXPECT_EQ(test::UltimaRigaJson(gruppo.Out)["Titolo"],
              "Analisi Statistica dei Punti Tra del Gruppo 3");
    EXPECT_EQ(Cli({"analisi", "condizione", sst.string(), "--condizione", "18:31"}, dir).Codice, 2);
}

// A member is reached part by part; an empty part, or a step into a member that holds no
// others, is refused naming what was typed.
TEST(CliAnalisi, ConditionPathsAreCheckedPartByPart) {
    test::CartellaTemporanea dir;
    ScriviArchivio(dir);
    test::ScriviTesto(dir / "resti.json", R"({
      "Pronostico": [[1],[2],[3],[4],[5],[6],[7],[8,9,10]],
      "Condizioni": [{"Tipo":1},{"Tipo":2},{"Tipo":3},{"Tipo":4},{"Tipo":5},{"Tipo":6},
        {"Tipo":7},{"Tipo":8},{"Tipo":9},{"Tipo":10},{"Tipo":11},
        {"Tipo":12,"Membri":[{"Tipo":36,"Divisore":7,
          "Categorie":{"Resto":{"Principale":{"Accettati":[0,1,2]}}}}]},
        {"Tipo":13},{"Tipo":14},{"Tipo":15},{"Tipo":16},{"Tipo":17},{"Tipo":18}]})");
    const auto sst = dir / "resti.Sst";
    ASSERT_EQ(Cli({"sistema", "importa", (dir / "resti.json").string(), sst.string()}, dir).Codice,
              0);
    const std::pair<const char*, const char*> casi[] = {
        {"12:1", nullptr},
        {"12:1:1", "La condizione 12:1 non è un gruppo di condizioni: non ha membri.\n"},
        {"1:1", "La condizione 1 non è un gruppo di condizioni: non ha membri.\n"},
        {"1:", "Il codice della condizione \"1:\" ha una parte vuota.\n"},
        {"12::1", "Il codice della condizione \"12::1\" ha una parte vuota.\n"},
        {":12", "Il codice della condizione \":12\" ha una parte vuota.\n"},
    };
    for (const auto& [codice, errore] : casi) {
        SCOPED_TRACE(codice);
        const auto e = Cli({"analisi", "condizione", sst.string(), "--condizione", codice}, dir);
        EXPECT_EQ(e.Codice, errore ? 2 : 0) << e.Err;
        if (errore) {
            EXPECT_EQ(e.Err, errore);
        }
    }
}
