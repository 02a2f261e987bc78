#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

#include "cli/CliSupporto.h"
#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"

using namespace sirvela;
using test::Cli;

namespace {

// A small system: five pilots per position, a sum interval and an even-count table, with the
// development settings given.
std::string SistemaJson(const std::string& impSviluppo) {
    return R"({
      "Pronostico": [[1,2,3,4,5],[2,3,4,5,6],[3,4,5,6,7],[4,5,6,7,8],
                     [5,6,7,8,9],[6,7,8,9,10],[7,8,9,10,11],[8,9,10,11,12]],
      "Condizioni": [
        {"Tipo":1,"Categorie":{"Tutti i Numeri":{"Intervalli":[{"Min":44,"Max":52}]}}},
        {"Tipo":2,"Categorie":{"Pari":{"Principale":{"Accettati":[3,4]}}}},
        {"Tipo":3},{"Tipo":4},{"Tipo":5},{"Tipo":6},{"Tipo":7},{"Tipo":8},{"Tipo":9},
        {"Tipo":10},{"Tipo":11},{"Tipo":12},{"Tipo":13},{"Tipo":14},{"Tipo":15},{"Tipo":16},
        {"Tipo":17},{"Tipo":18}],
      "ImpSviluppo": )" +
           impSviluppo + "}";
}

struct TSistemaProva {
    test::CartellaTemporanea dir;
    std::filesystem::path sst = dir / "prova.Sst";

    explicit TSistemaProva(const std::string& impSviluppo) {
        test::ScriviTesto(dir / "prova.json", SistemaJson(impSviluppo));
        auto e = Cli({"sistema", "importa", (dir / "prova.json").string(), sst.string()}, dir);
        EXPECT_EQ(e.Codice, 0) << e.Err;
    }

    // "Calcolo Colonne" called on the engine directly, the columns kept in memory.
    std::vector<TColonna> Diretto(TEsitoSviluppo& esito) const {
        T_Sistema s;
        EXPECT_TRUE(s.CaricaSistema(sst));
        s.Dati.ImpSviluppo.InMemoria = true;
        SviluppaSistema(s, TServiziSviluppo{}, esito);
        return s.Dati.Colonne.ComeVettore();
    }
};

}  // namespace

TEST(CliSviluppa, SameColumnsAndCountsAsTheEngineCalledDirectly) {
    for (const std::string imp : {
             R"({"Autoriduzione": false})",
             R"({"Autoriduzione": true, "Garanzia": 69})",
             R"({"Autoriduzione": true, "Garanzia": 80, "VinciteMultiple": 2})",
             R"({"Autoriduzione": true, "Ottimizzata": true, "Garanzia": 69})",
             // a stored file destination is ignored with --output
             R"({"InMemoria": false, "FileDestinazione": "altrove.Scl"})",
         }) {
        TSistemaProva p(imp);
        TEsitoSviluppo diretto;
        const auto attese = p.Diretto(diretto);
        ASSERT_FALSE(attese.empty()) << imp;

        auto e =
            Cli({"sviluppa", p.sst.string(), "--output", (p.dir / "out.Scl").string(), "--json"},
                p.dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        EXPECT_EQ(test::LeggiColonne(p.dir / "out.Scl"), attese) << imp;
        auto j = test::UltimaRigaJson(e.Out);
        EXPECT_EQ(j["ContaTotali"], 390625);
        EXPECT_EQ(j["ContaTotali"], diretto.ContaTotali);
        EXPECT_EQ(j["ContaAmmesse"], diretto.ContaAmmesse);
        EXPECT_EQ(j["Colonne"], attese.size());
        EXPECT_EQ(j.contains("Ridotte"), imp.find("\"Autoriduzione\": true") != std::string::npos);
        EXPECT_TRUE(j["Secondi"].is_number());
        EXPECT_FALSE(std::filesystem::exists(p.dir / "programma" / "Colonne" / "altrove.Scl"));
    }
}

TEST(CliSviluppa, ReportsTheDialogCountersAndFinalStatus) {
    TSistemaProva p(R"({"Autoriduzione": true, "Garanzia": 75})");
    auto e = Cli({"sviluppa", p.sst.string()}, p.dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    TEsitoSviluppo diretto;
    const auto ridotte = p.Diretto(diretto);
    const std::vector<std::string> righe = {
        "Colonne Totali : 390625\n",
        "Colonne Ammesse : " + std::to_string(diretto.ContaAmmesse) + "\n",
        "Colonne Finali   : ",
        "Autoriduzione a Garanzia del punteggio 75\n",
        "Colonne Iniziali  : " + std::to_string(diretto.ContaFinali) + " (",
        "Colonne Finali   : " + std::to_string(ridotte.size()) + " (",
        "Fattore di Riduzione : ",
        "Elaborazione Terminata.   Tempo Impiegato : 0:00:",
    };
    std::size_t da = 0;
    for (const auto& riga : righe) {
        const auto trovata = e.Out.find(riga, da);
        ASSERT_NE(trovata, std::string::npos) << riga << "\n" << e.Out;
        da = trovata + riga.size();
    }
    // Without --output the columns kept in memory are lost with the command, and it says so.
    EXPECT_EQ(e.Err.rfind("Nessun file scritto: il sistema tiene le colonne in memoria", 0), 0u)
        << e.Err;

    // The progress bar goes to stderr only.
    auto barra = Cli({"sviluppa", p.sst.string(), "--progresso", "--json"}, p.dir);
    ASSERT_EQ(barra.Codice, 0) << barra.Err;
    EXPECT_NE(barra.Err.find("100%"), std::string::npos);
    EXPECT_EQ(test::UltimaRigaJson(barra.Out)["Ridotte"], ridotte.size());
}

TEST(CliSviluppa, StoredFileDestinationIsWrittenAsTheProgramWritesIt) {
    TSistemaProva p(R"({"InMemoria": false, "FileDestinazione": "Destinazione"})");
    auto e = Cli({"sviluppa", p.sst.string(), "--json"}, p.dir);
    ASSERT_EQ(e.Codice, 0) << e.Err;
    TEsitoSviluppo diretto;
    const auto attese = p.Diretto(diretto);
    const auto file = p.dir / "programma" / "Colonne" / "Destinazione.Scl";
    EXPECT_EQ(test::LeggiColonne(file), attese);
    EXPECT_EQ(test::UltimaRigaJson(e.Out)["Colonne"], attese.size());
    EXPECT_NE(e.Out.find("Colonne scritte in " + file.string()), std::string::npos) << e.Out;
}

TEST(CliSviluppa, FailuresGiveTheProgramMessages) {
    TSistemaProva p(R"({"Autoriduzione": false})");
    auto manca = Cli({"sviluppa", (p.dir / "manca.Sst").string()}, p.dir);
    EXPECT_EQ(manca.Codice, 1);
    EXPECT_EQ(manca.Err, "Impossibile Caricare il Sistema manca.Sst: file non trovato.\n");

    // A source column file that is not there.
    TSistemaProva sorgente(R"({"Autoriduzione": false})");
    test::ScriviTesto(sorgente.dir / "s.json",
                      SistemaJson("{}").insert(1, R"("Sorgente": {"DaPronostico": false,
                                  "FileSorgente": "nessuno.Scl"},)"));
    ASSERT_EQ(Cli({"sistema", "importa", (sorgente.dir / "s.json").string(), sorgente.sst.string()},
                  sorgente.dir)
                  .Codice,
              0);
    auto e = Cli({"sviluppa", sorgente.sst.string(), "--json"}, sorgente.dir);
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Err, "Impossibile Caricare il File Colonnare nessuno.Scl: file non trovato.\n");
    EXPECT_TRUE(e.Out.empty());

    // The requested output cannot be written.
    auto out = Cli({"sviluppa", p.sst.string(), "-o", (p.dir / "no" / "x.Scl").string()}, p.dir);
    EXPECT_EQ(out.Codice, 1);
    EXPECT_EQ(out.Err, "Impossibile Salvare il file Colonnare x.Scl: la cartella " +
                           (p.dir / "no").string() + " non esiste.\n");
}

TEST(CliRiduci, SameColumnsAsTheDevelopmentOfTheFileWithoutConditions) {
    TSistemaProva p(R"({"Autoriduzione": false})");
    ASSERT_EQ(Cli({"sviluppa", p.sst.string(), "-o", (p.dir / "tutte.Scl").string()}, p.dir).Codice,
              0);
    const auto tutte = test::LeggiColonne(p.dir / "tutte.Scl");
    for (const std::vector<std::string>& opzioni :
         {std::vector<std::string>{"--garanzia", "80"},
          std::vector<std::string>{"--garanzia", "69", "--vincite", "2"},
          std::vector<std::string>{"-g", "75", "--ottimizzata"}}) {
        std::vector<std::string> a = {"riduci", (p.dir / "tutte.Scl").string(), "-o",
                                      (p.dir / "rid.Scl").string(), "--json"};
        a.insert(a.end(), opzioni.begin(), opzioni.end());
        auto e = Cli(a, p.dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        const auto ridotte = test::LeggiColonne(p.dir / "rid.Scl");
        auto j = test::UltimaRigaJson(e.Out);
        EXPECT_EQ(j["ContaTotali"], tutte.size());
        EXPECT_EQ(j["Ridotte"], ridotte.size());
        EXPECT_LT(ridotte.size(), tutte.size());

        // The same run through the engine: a column-file source without conditions.
        T_Sistema s;
        s.Dati.Sorgente.DaPronostico = false;
        s.Dati.Sorgente.FileSorgente = (p.dir / "tutte.Scl").string();
        s.Dati.ImpSviluppo.UsaCondizioni = false;
        s.Dati.ImpSviluppo.Autoriduzione = true;
        s.Dati.ImpSviluppo.Garanzia = static_cast<std::uint8_t>(std::stoi(opzioni[1]));
        s.Dati.ImpSviluppo.Ottimizzata = opzioni.back() == "--ottimizzata";
        s.Dati.ImpSviluppo.VinciteMultiple = opzioni.size() == 4 ? 2 : 1;
        TEsitoSviluppo esito;
        SviluppaSistema(s, TServiziSviluppo{}, esito);
        EXPECT_EQ(s.Dati.Colonne.ComeVettore(), ridotte);
    }

    struct Caso {
        std::vector<std::string> opzioni;
        int codice;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {{"-g", "29"}, 2, "La garanzia deve essere un numero intero tra 30 e 92"},
             {{"-g", "alto"}, 2, "La garanzia deve essere"},
             {{"-g", "80", "-v", "11"}, 2, "Il numero di vincite multiple deve essere"},
             {{"-g", "80", "-v", "2", "--ottimizzata"},
              2,
              "Le vincite multiple non si usano con la riduzione ottimizzata."},
         }) {
        std::vector<std::string> a = {"riduci", (p.dir / "tutte.Scl").string(), "-o",
                                      (p.dir / "x.Scl").string()};
        a.insert(a.end(), c.opzioni.begin(), c.opzioni.end());
        auto e = Cli(a, p.dir);
        EXPECT_EQ(e.Codice, c.codice);
        EXPECT_EQ(e.Err.rfind(c.messaggio, 0), 0u) << e.Err;
        EXPECT_FALSE(std::filesystem::exists(p.dir / "x.Scl"));
    }
    auto manca = Cli(
        {"riduci", (p.dir / "manca.Scl").string(), "-g", "80", "-o", (p.dir / "x.Scl").string()},
        p.dir);
    EXPECT_EQ(manca.Codice, 1);
    EXPECT_EQ(manca.Err, "Impossibile Caricare il File Colonnare manca.Scl: file non trovato.\n");
}

TEST(CliRiduci, ImprovedReductionWithItsBoundTheSameForTheSameSeed) {
    TSistemaProva p(R"({"Autoriduzione": false})");
    ASSERT_EQ(Cli({"sviluppa", p.sst.string(), "-o", (p.dir / "tutte.Scl").string()}, p.dir).Codice,
              0);
    const std::string tutte = (p.dir / "tutte.Scl").string();
    auto riduci = [&](const std::string& uscita, std::vector<std::string> opzioni) {
        std::vector<std::string> a = {"riduci", tutte, "-g", "75", "-o", (p.dir / uscita).string(),
                                      "--json"};
        a.insert(a.end(), opzioni.begin(), opzioni.end());
        return Cli(a, p.dir);
    };
    ASSERT_EQ(riduci("ott.Scl", {"--ottimizzata"}).Codice, 0);
    const auto ottimizzata = test::LeggiColonne(p.dir / "ott.Scl");
    auto e = riduci("a.Scl", {"--migliorata", "--iterazioni", "2000", "--seme", "7"});
    ASSERT_EQ(e.Codice, 0) << e.Err;
    const auto a = test::LeggiColonne(p.dir / "a.Scl");
    EXPECT_LE(a.size(), ottimizzata.size());
    auto j = test::UltimaRigaJson(e.Out);
    EXPECT_EQ(j["Ridotte"], a.size());
    EXPECT_GT(j["LimiteInferiore"], 0);
    EXPECT_LE(j["LimiteInferiore"], a.size());
    EXPECT_EQ(j["Iterazioni"], 2000);
    EXPECT_NE(e.Out.find("\nColonne: " + std::to_string(a.size()) + " — minimo teorico ≥ "),
              std::string::npos);
    // --progresso tells the best cover and the bound as they move.
    auto b =
        riduci("b.Scl", {"--migliorata", "--iterazioni", "2000", "--seme", "7", "--progresso"});
    ASSERT_EQ(b.Codice, 0);
    EXPECT_EQ(test::LeggiColonne(p.dir / "b.Scl"), a);
    EXPECT_NE(b.Err.find("minimo teorico ≥ "), std::string::npos) << b.Err;
    // The same search kept in the system gives the same columns from "sviluppa".
    TSistemaProva conRicerca(R"({"Autoriduzione": true, "Migliorata": true, "Garanzia": 75,
        "SecondiMigliorata": 0, "IterazioniMigliorata": 2000, "SemeMigliorata": 7})");
    ASSERT_EQ(
        Cli({"sviluppa", conRicerca.sst.string(), "-o", (p.dir / "s.Scl").string()}, p.dir).Codice,
        0);
    EXPECT_EQ(test::LeggiColonne(p.dir / "s.Scl"), a);
    // Several wins: each column has two kept columns at the guarantee (or all it can have).
    ASSERT_EQ(riduci("v.Scl", {"--migliorata", "--iterazioni", "500", "-v", "2"}).Codice, 0);
    const auto v = test::LeggiColonne(p.dir / "v.Scl");
    for (const auto& c : test::LeggiColonne(tutte)) {
        int vicine = 0, coperta = 0;
        for (const auto& d : test::LeggiColonne(tutte)) vicine += Punteggio(c, d) >= 75;
        for (const auto& k : v) coperta += Punteggio(c, k) >= 75;
        ASSERT_GE(coperta, std::min(2, vicine));
    }

    struct Caso {
        std::vector<std::string> opzioni;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {{"--migliorata", "--ottimizzata"},
              "Scegliere la riduzione ottimizzata oppure la migliorata."},
             {{"--tempo", "5"},
              "Tempo, iterazioni e seme valgono solo con la riduzione migliorata."},
             {{"--migliorata", "--tempo", "0"}, "Il tempo deve essere"},
             {{"--migliorata", "--iterazioni", "-3"}, "Il numero di iterazioni deve essere"},
             {{"--migliorata", "--seme", "x"}, "Il seme deve essere"},
         }) {
        auto r = riduci("x.Scl", c.opzioni);
        EXPECT_EQ(r.Codice, 2);
        EXPECT_EQ(r.Err.rfind(c.messaggio, 0), 0u) << r.Err;
        EXPECT_FALSE(std::filesystem::exists(p.dir / "x.Scl"));
    }
}

TEST(CliSviluppa, CtrlCRequestsACancelOnlyWhileACommandRuns) {
    TAnnullamento annulla;
    {
        TInterruzione interruzione(annulla);
        std::raise(SIGINT);
        EXPECT_TRUE(annulla.Richiesto());
    }
    // Outside a command the previous handler is back.
    auto precedente = std::signal(SIGINT, SIG_DFL);
    EXPECT_NE(precedente, SIG_ERR);
    std::signal(SIGINT, precedente);
}

// The whole round from a shell with the built program: import, develop, reduce, check,
// convert.
TEST(CliEseguibile, ARoundFromTheShell) {
    test::CartellaTemporanea dir;
    test::ScriviTesto(dir / "prova.json", SistemaJson(R"({"Autoriduzione": false})"));
    const std::string exe = SIRVELA_CLI_EXE;
    const std::string cartella = " --cartella '" + (dir / "programma").string() + "'";
    auto esegui = [&](const std::string& argomenti, std::string& out) {
        const std::string comando = "cd '" + dir.Percorso().string() + "' && '" + exe + "' " +
                                    argomenti + cartella + " 2>&1";
        FILE* p = popen(comando.c_str(), "r");
        if (!p) return -1;
        out.clear();
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
        const int stato = pclose(p);
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    };
    std::string out;
    ASSERT_EQ(esegui("sistema importa prova.json prova.Sst", out), 0) << out;
    ASSERT_EQ(esegui("sviluppa prova.Sst --output tutte.Scl --json", out), 0) << out;
    const auto sviluppo = test::UltimaRigaJson(out);
    ASSERT_EQ(esegui("riduci tutte.Scl --garanzia 80 --output ridotte.Scl --json", out), 0) << out;
    const auto riduzione = test::UltimaRigaJson(out);
    EXPECT_EQ(riduzione["ContaTotali"], sviluppo["Colonne"]);
    const auto ridotte = test::LeggiColonne(dir / "ridotte.Scl");
    ASSERT_EQ(riduzione["Colonne"], ridotte.size());

    // The first reduced column is a result: it wins 101 once.
    std::string risultato;
    for (auto p : ridotte[0]) risultato += std::to_string(p) + " ";
    ASSERT_EQ(
        esegui("spoglio ridotte.Scl --risultato '" + risultato + "' --sistema prova.Sst --json",
               out),
        0)
        << out;
    const auto spoglio = test::UltimaRigaJson(out);
    EXPECT_EQ(spoglio["Vincite"]["101"], 1);
    EXPECT_EQ(spoglio["CondizioniSbagliate"], nlohmann::ordered_json::array());

    ASSERT_EQ(esegui("converti --da scl --a txt ridotte.Scl", out), 0) << out;
    EXPECT_NE(out.find("Conversione terminata con successo."), std::string::npos);
    const auto testo = test::LeggiByte(dir / "ridotte.Txt");
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n') + 1,
              static_cast<std::ptrdiff_t>(ridotte.size()));

    EXPECT_EQ(esegui("sviluppa manca.Sst", out), 1);
    EXPECT_EQ(out, "Impossibile Caricare il Sistema manca.Sst: file non trovato.\n");
}

namespace {

// Runs the built command line in `dir` with --progresso, presses Ctrl-C once the progress has
// appeared on stderr and returns the exit code. Bounded: a run the signal did not stop is
// killed and the code is then not 130.
int InterrompiDopoAvanzamento(const test::CartellaTemporanea& dir, const std::string& argomenti) {
    const std::string comando =
        "cd '" + dir.Percorso().string() + "' || exit 1; rm -f out.txt err.txt; '" +
        SIRVELA_CLI_EXE + "' --cartella programma " + argomenti +
        " --progresso >out.txt 2>err.txt & p=$!; "
        "( sleep 60; kill -KILL $p ) >/dev/null 2>&1 </dev/null & w=$!; "
        "while [ ! -s err.txt ] && kill -0 $p 2>/dev/null; do sleep 0.02; done; "
        "kill -INT $p; wait $p; r=$?; kill $w 2>/dev/null; exit $r";
    const int stato = std::system(comando.c_str());
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

std::string Testo(const std::filesystem::path& p) {
    const auto b = test::LeggiByte(p);
    return std::string(b.begin(), b.end());
}

// Columns of pilots 1..20, all different, in a scrambled order: slow to reduce.
void ScriviColonneDaRidurre(const std::filesystem::path& p, int quante) {
    std::vector<TColonna> v;
    std::mt19937 r(5);
    for (int i = 0; i < quante; ++i) {
        std::array<std::uint8_t, 20> piloti;
        for (int k = 0; k < 20; ++k) piloti[k] = static_cast<std::uint8_t>(k + 1);
        std::shuffle(piloti.begin(), piloti.end(), r);
        TColonna c;
        std::copy(piloti.begin(), piloti.begin() + 8, c.begin());
        v.push_back(c);
    }
    test::ScriviColonne(p, v);
}

}  // namespace

// The README's round, line by line as a user pastes it at the repository root.
TEST(CliEseguibile, TheReadmeRoundRunsAsWritten) {
    namespace fs = std::filesystem;
    const fs::path sorgenti = SIRVELA_SORGENTI;
    const auto readme = test::LeggiByte(sorgenti / "README.md");
    std::istringstream testo(std::string(readme.begin(), readme.end()));
    std::vector<std::string> righe;
    for (std::string r; std::getline(testo, r);)
        if (r.rfind("    build/sirvela-cli ", 0) == 0) righe.push_back(r.substr(4));
    ASSERT_EQ(righe.size(), 5u);

    // A root of its own with the example system and the built program where the lines look.
    test::CartellaTemporanea radice;
    fs::create_directory(radice / "docs");
    fs::create_directory(radice / "build");
    fs::copy_file(sorgenti / "docs" / "esempio.json", radice / "docs" / "esempio.json");
    fs::create_symlink(SIRVELA_CLI_EXE, radice / "build" / "sirvela-cli");
    const std::string prima = "cd '" + radice.Percorso().string() + "' && SIRVELA_HOME='" +
                              (radice / "programma").string() + "' ";
    for (const std::string& riga : righe)
        ASSERT_EQ(std::system((prima + riga + " >>out.txt 2>&1").c_str()), 0)
            << riga << "\n"
            << Testo(radice / "out.txt");
    EXPECT_EQ(test::LeggiColonne(radice / "esempio.Scl").size(), 6169u);
    const auto ridotte = test::LeggiColonne(radice / "ridotto.Scl");
    EXPECT_GT(ridotte.size(), 0u);
    EXPECT_LT(ridotte.size(), 6169u);
    // The round plays only pilots in play and ends with a result the system keeps: nothing
    // is told about pilots, and no restriction is broken.
    const std::string uscita = Testo(radice / "out.txt");
    EXPECT_EQ(uscita.find("piloti in gioco"), std::string::npos) << uscita;
    EXPECT_NE(uscita.find("Vincite Trovate"), std::string::npos);
    EXPECT_NE(uscita.find("Condizioni Sbagliate\n  Nessuna.\n"), std::string::npos) << uscita;
    const auto txt = test::LeggiByte(radice / "ridotto.Txt");
    EXPECT_EQ(std::count(txt.begin(), txt.end(), '\n') + 1,
              static_cast<std::ptrdiff_t>(ridotte.size()));
}

// Ctrl-C during a development that would run for hours ends it like "Annulla".
TEST(CliEseguibile, CtrlCCancelsTheDevelopment) {
    test::CartellaTemporanea dir;
    std::string grande = SistemaJson("{}");
    const std::string tutti = "[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20]";
    const auto inizio = grande.find("[[");
    const auto fine = grande.find("]]", inizio);
    std::string pronostico = "[";
    for (int i = 0; i < 8; ++i) pronostico += (i ? "," : "") + tutti;
    grande.replace(inizio, fine + 2 - inizio, pronostico + "]");
    test::ScriviTesto(dir / "grande.json", grande);
    ASSERT_EQ(
        Cli({"sistema", "importa", (dir / "grande.json").string(), (dir / "grande.Sst").string()},
            dir)
            .Codice,
        0);
    EXPECT_EQ(InterrompiDopoAvanzamento(dir, "sviluppa grande.Sst --json"), 130);
    const auto err = Testo(dir / "err.txt");
    EXPECT_EQ(err.substr(err.rfind('\n', err.size() - 2) + 1), "Elaborazione Annullata.\n");
    EXPECT_EQ(test::UltimaRigaJson(Testo(dir / "out.txt"))["Interrotto"], true);
}

// With a column file as the source an interrupted run is still reported as one, with what it
// left in the output file, and never writes --output.
TEST(CliEseguibile, CtrlCWithAColumnFileSourceIsNoSuccess) {
    test::CartellaTemporanea dir;
    ScriviColonneDaRidurre(dir / "grande.Scl", 1000000);

    EXPECT_EQ(InterrompiDopoAvanzamento(
                  dir, "riduci grande.Scl --garanzia 80 --vincite 10 --output r.Scl --json"),
              130);
    EXPECT_NE(Testo(dir / "err.txt")
                  .find("Elaborazione Annullata.\nNessuna colonna scritta in " +
                        (dir / "r.Scl").string() + ".\n"),
              std::string::npos)
        << Testo(dir / "err.txt");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.Scl"));
    auto j = test::UltimaRigaJson(Testo(dir / "out.txt"));
    EXPECT_EQ(j["Interrotto"], true);
    EXPECT_EQ(j["Colonne"], 0);

    // The system's own destination keeps the columns reduced so far, and says how many.
    const auto destinazione = dir / "ridotte.Scl";
    test::ScriviTesto(dir / "f.json",
                      SistemaJson(R"({"Autoriduzione": true, "Garanzia": 80, "VinciteMultiple": 10,
        "InMemoria": false, "FileDestinazione": ")" +
                                  destinazione.string() + R"("},
        "Sorgente": {"DaPronostico": false, "FileSorgente": ")" +
                                  (dir / "grande.Scl").string() + R"("})"));
    ASSERT_EQ(Cli({"sistema", "importa", (dir / "f.json").string(), (dir / "f.Sst").string()}, dir)
                  .Codice,
              0);
    EXPECT_EQ(InterrompiDopoAvanzamento(dir, "sviluppa f.Sst --json"), 130);
    const auto rimaste = test::LeggiColonne(destinazione).size();
    EXPECT_NE(Testo(dir / "err.txt")
                  .find("Elaborazione Annullata.\nColonne rimaste in " + destinazione.string() +
                        " : " + std::to_string(rimaste) + " (elaborazione incompleta).\n"),
              std::string::npos)
        << Testo(dir / "err.txt");
    j = test::UltimaRigaJson(Testo(dir / "out.txt"));
    EXPECT_EQ(j["Interrotto"], true);
    EXPECT_EQ(j["Colonne"], rimaste);
}

TEST(CliSviluppa, ThreadsChangeNothingButTheTime) {
    TSistemaProva p(R"({"Autoriduzione": true, "Ottimizzata": true, "Garanzia": 69})");
    std::vector<std::vector<TColonna>> colonne;
    std::vector<nlohmann::ordered_json> json;
    for (const char* fili : {"1", "3"}) {
        const auto out = p.dir / (std::string("f") + fili + ".Scl");
        auto e =
            Cli({"sviluppa", p.sst.string(), "--fili", fili, "--output", out.string(), "--json"},
                p.dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        colonne.push_back(test::LeggiColonne(out));
        json.push_back(test::UltimaRigaJson(e.Out));
        json.back().erase("Secondi");
    }
    EXPECT_FALSE(colonne[0].empty());
    EXPECT_EQ(colonne[0], colonne[1]);
    EXPECT_EQ(json[0], json[1]);
    auto e = Cli({"sviluppa", p.sst.string(), "--fili", "0"}, p.dir);
    EXPECT_EQ(e.Codice, 2);
}

TEST(CliSviluppa, ASystemTooLargeForTheCeilingFailsWithTheMessage) {
    TSistemaProva p(R"({"Autoriduzione": false, "UsaCondizioni": false})");
    const auto vecchio = TettoMemoriaSviluppo;
    TettoMemoriaSviluppo = 1;  // not a single block
    auto e = Cli({"sviluppa", p.sst.string(), "--output", (p.dir / "o.Scl").string()}, p.dir);
    TettoMemoriaSviluppo = vecchio;
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Err, std::string(kErroreMemoriaSviluppo) + "\n");
    EXPECT_FALSE(std::filesystem::exists(p.dir / "o.Scl"));
}

// "conta" gives the columns "sviluppa" keeps before a reduction, without writing them; the
// estimate's interval holds that count.
TEST(CliConta, CountsWhatTheDevelopmentKeepsAndEstimatesAroundIt) {
    for (const std::string imp : {
             R"({"Autoriduzione": false})",
             R"({"Autoriduzione": true, "Garanzia": 80, "VinciteMultiple": 2})",
             R"({"InMemoria": false, "FileDestinazione": "altrove.Scl"})",
         }) {
        TSistemaProva p(imp);
        auto sv = Cli({"sviluppa", p.sst.string(), "--json"}, p.dir);
        ASSERT_EQ(sv.Codice, 0) << sv.Err;
        const auto attese = test::UltimaRigaJson(sv.Out)["ContaFinali"].get<std::int64_t>();
        ASSERT_GT(attese, 0) << imp;
        std::filesystem::remove(p.dir / "programma" / "Colonne" / "altrove.Scl");

        auto e = Cli({"conta", p.sst.string(), "--json"}, p.dir);
        ASSERT_EQ(e.Codice, 0) << e.Err;
        EXPECT_EQ(e.Out, "Colonne : " + std::to_string(attese) +
                             "\n{\"Colonne\":" + std::to_string(attese) + "}\n")
            << imp;
        EXPECT_FALSE(std::filesystem::exists(p.dir / "programma" / "Colonne" / "altrove.Scl"));

        auto s = Cli({"conta", p.sst.string(), "--stima", "--json"}, p.dir);
        ASSERT_EQ(s.Codice, 0) << s.Err;
        const auto j = test::UltimaRigaJson(s.Out);
        EXPECT_EQ(j.size(), 4u);
        EXPECT_LE(j["Min"].get<std::int64_t>(), attese) << imp;
        EXPECT_GE(j["Max"].get<std::int64_t>(), attese) << imp;
        EXPECT_GT(j["Campione"].get<std::int64_t>(), 0);
        EXPECT_NE(s.Out.find("Stima : ≈ "), std::string::npos) << s.Out;
    }
    test::CartellaTemporanea dir;
    auto e = Cli({"conta", (dir / "manca.Sst").string()}, dir);
    EXPECT_EQ(e.Codice, 1);
    EXPECT_EQ(e.Err, "Impossibile Caricare il Sistema manca.Sst: file non trovato.\n");
}
