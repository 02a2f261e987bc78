#include <gtest/gtest.h>

#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/SistemaJson.h"
#include "core/T_Sistema.h"
#include "support/SistemaRicco.h"
#include "support/Supporto.h"

using namespace sirvela;

TEST(SistemaJson, ImportOfAnExportWritesTheSameBytes) {
    test::CartellaTemporanea dir;
    for (bool colonne : {true, false}) {
        T_Sistema s;
        test::RiempiSistemaRicco(s);
        s.Dati.SalvaColonne = colonne;
        s.NomeFile = (dir / "ricco.Sst").string();
        ASSERT_TRUE(s.SalvaSistema());
        const auto originale = test::LeggiByte(s.NomeFile);

        auto j = EsportaFileSistema(s.NomeFile);
        EXPECT_EQ(j.contains("Colonne"), colonne);
        // through text, as a user would keep it
        auto testo = j.dump(2);
        ImportaFileSistema(nlohmann::json::parse(testo), dir / "copia.Sst");
        EXPECT_EQ(test::LeggiByte(dir / "copia.Sst"), originale) << "colonne " << colonne;
    }
}

TEST(SistemaJson, TheImprovedReductionsSearchSettingsTravelWithTheSystem) {
    test::CartellaTemporanea dir;
    T_Sistema s;
    auto& imp = s.Dati.ImpSviluppo;
    imp.Autoriduzione = imp.Migliorata = true;
    imp.SecondiMigliorata = 0;
    imp.IterazioniMigliorata = 999'999'999'999;
    imp.SemeMigliorata = 123456789012345678;
    s.NomeFile = (dir / "ricerca.Sst").string();
    ASSERT_TRUE(s.SalvaSistema());
    const auto j = EsportaFileSistema(s.NomeFile);
    EXPECT_EQ(j["ImpSviluppo"]["SecondiMigliorata"], 0);
    EXPECT_EQ(j["ImpSviluppo"]["IterazioniMigliorata"], 999'999'999'999);
    EXPECT_EQ(j["ImpSviluppo"]["SemeMigliorata"], 123456789012345678u);
    ImportaFileSistema(nlohmann::json::parse(j.dump()), dir / "copia.Sst");
    EXPECT_EQ(test::LeggiByte(dir / "copia.Sst"), test::LeggiByte(s.NomeFile));
    T_Sistema letto;
    ASSERT_TRUE(letto.CaricaSistema(dir / "copia.Sst"));
    EXPECT_EQ(letto.Dati.ImpSviluppo, imp);
    // A JSON without them gives the defaults of a new system.
    auto senza = j;
    senza["ImpSviluppo"].erase("SemeMigliorata");
    ImportaFileSistema(nlohmann::json::parse(senza.dump()), dir / "senza.Sst");
    ASSERT_TRUE(letto.CaricaSistema(dir / "senza.Sst"));
    EXPECT_EQ(letto.Dati.ImpSviluppo.SemeMigliorata, 1u);
    EXPECT_EQ(letto.Dati.ImpSviluppo.IterazioniMigliorata, 999'999'999'999);
}

TEST(SistemaJson, ExportIsReadable) {
    T_Sistema s;
    s.Dati.Pronostico.Posizione[0].Aggiungi(4);
    s.Dati.Pronostico.Posizione[0].Aggiungi(9);
    test::RiempiSistemaRicco(s);
    auto j = EsportaSistema(s, false);
    EXPECT_EQ(j["Formato"], "sirvela-sistema");
    EXPECT_TRUE(j["Pronostico"][0].is_array());
    EXPECT_EQ(j["Condizioni"].size(), 18u);
    EXPECT_EQ(j["Condizioni"][0]["Tipo"], 1);
    EXPECT_TRUE(j["Condizioni"][0]["Categorie"].contains("Tutti i Numeri"));
    EXPECT_TRUE(j["Condizioni"][11]["Membri"].is_array());
    EXPECT_EQ(j["Condizioni"][16]["Nome"], "Quadro di prova");
    EXPECT_EQ(j["Commento"][2], "velocità, curve e così via");
    EXPECT_FALSE(j.contains("Colonne"));
}

TEST(SistemaJson, BadValuesAreRefusedNamingTheFieldAndNothingIsWritten) {
    test::CartellaTemporanea dir;
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    const auto buono = EsportaSistema(s, true);
    struct Caso {
        std::function<void(nlohmann::ordered_json&)> guasta;
        std::string campo;
    };
    std::vector<Caso> casi = {
        {[](auto& j) { j["Concorso"] = "uno"; }, "Concorso"},
        {[](auto& j) { j["Pronostico"].erase(0); }, "Pronostico"},
        {[](auto& j) { j["Condizioni"][3]["Tipo"] = 7; }, "Condizioni[3].Tipo"},
        {[](auto& j) { j["Condizioni"][1]["Categorie"]["Pari"]["Principale"]["Accettati"] = {12}; },
         "Condizioni[1].Categorie.Pari.Principale.Accettati[0]"},
        {[](auto& j) { j["Condizioni"][1]["Categorie"]["Pari"]["Principale"]["Link"] = "a"; },
         "Condizioni[1].Categorie.Pari.Principale.Link"},
        {[](auto& j) { j["Condizioni"][11]["Membri"][0]["Tipo"] = 35; },
         "Condizioni[11].Membri[0].Tipo"},
        {[](auto& j) {
             j["Condizioni"][0]["Categorie"]["Nessuna"] = nlohmann::ordered_json::object();
         },
         "Condizioni[0].Categorie.Nessuna"},
        {[](auto& j) { j["ImpSviluppo"]["Garanzia"] = 300; }, "ImpSviluppo.Garanzia"},
        {[](auto& j) { j["ImpSviluppo"]["SecondiMigliorata"] = -1; },
         "ImpSviluppo.SecondiMigliorata"},
        {[](auto& j) { j["ImpSviluppo"]["IterazioniMigliorata"] = 1'000'000'000'000; },
         "ImpSviluppo.IterazioniMigliorata"},
        {[](auto& j) {
             j["Colonne"][2] = {1, 2, 3};
         },
         "Colonne[2]"},
        {[](auto& j) { j["Link"]["a"] = nlohmann::ordered_json::object(); }, "Link.a"},
    };
    for (const auto& caso : casi) {
        auto j = buono;
        caso.guasta(j);
        try {
            ImportaFileSistema(nlohmann::json::parse(j.dump()), dir / "x.Sst");
            ADD_FAILURE() << "accepted: " << caso.campo;
        } catch (const TErroreSirvela& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + caso.campo + "\""), std::string::npos)
                << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(dir / "x.Sst"));
    }
    EXPECT_EQ(VersioneFormato, kVersioneFormatoProgramma);
}
