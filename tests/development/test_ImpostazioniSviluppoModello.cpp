#include <gtest/gtest.h>

#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "development/ImpostazioniSviluppoModello.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

using namespace sirvela;

TEST(ImpostazioniSviluppoModello, EnablingFollowsTheChoices) {
    struct Caso {
        bool daPronostico, inMemoria, autoriduzione, ottimizzata;
        bool sorgente, destinazione, garanzia, vincite;
    };
    const Caso casi[] = {
        {true, true, false, false, false, false, false, false},
        {false, true, false, false, true, false, false, false},
        {true, false, false, false, false, true, false, false},
        {true, true, true, false, false, false, true, true},
        {true, true, true, true, false, false, true, false},
        // A stored optimised flag without the reduction still leaves everything off.
        {true, true, false, true, false, false, false, false},
    };
    for (const Caso& c : casi) {
        TModelloImpSviluppo m;
        m.Sorgente.DaPronostico = c.daPronostico;
        m.Impostazioni.InMemoria = c.inMemoria;
        m.Impostazioni.Autoriduzione = c.autoriduzione;
        m.Impostazioni.Ottimizzata = c.ottimizzata;
        m.Impostazioni.VinciteMultiple = 4;
        m.ApplicaRegole();
        SCOPED_TRACE(testing::Message()
                     << c.daPronostico << c.inMemoria << c.autoriduzione << c.ottimizzata);
        EXPECT_EQ(m.SorgenteAbilitata(), c.sorgente);
        EXPECT_EQ(m.DestinazioneAbilitata(), c.destinazione);
        EXPECT_EQ(m.GaranziaAbilitata(), c.garanzia);
        EXPECT_EQ(m.OttimizzataAbilitata(), c.garanzia);
        EXPECT_EQ(m.VinciteAbilitate(), c.vincite);
        // A disabled pass count is always 1.
        EXPECT_EQ(m.Impostazioni.VinciteMultiple, c.vincite ? 4 : 1);
        EXPECT_FALSE(m.Cambiato);
    }
}

TEST(ImpostazioniSviluppoModello, OpensOnTheDocumentWithValuesTheControlsCanHold) {
    T_Sistema s;
    s.Dati.ImpSviluppo.Autoriduzione = true;
    s.Dati.ImpSviluppo.Garanzia = 7;
    s.Dati.ImpSviluppo.VinciteMultiple = 200;
    s.Dati.Sorgente.DaPronostico = false;
    s.Dati.Sorgente.FileSorgente = "prova";
    auto m = TModelloImpSviluppo::Da(s);
    EXPECT_EQ(m.Impostazioni.Garanzia, 30);
    EXPECT_EQ(m.Impostazioni.VinciteMultiple, 10);
    EXPECT_EQ(m.Sorgente.FileSorgente, "prova");
    EXPECT_FALSE(m.Cambiato);
    m.Clic();
    EXPECT_TRUE(m.Cambiato);
}

TEST(ImpostazioniSviluppoModello, TheSourceMustBeTheFileTheDevelopmentWillRead) {
    test::TCartellaDiProva programma;
    test::ScriviByte(CartellaColonne() / "Esiste.Scl", std::vector<std::uint8_t>(16, 1));
    std::filesystem::create_directories(CartellaColonne() / "Cartella.Scl");
    struct Caso {
        bool daPronostico;
        std::string nome;
        bool valido;
    };
    const Caso casi[] = {
        {true, "", true},  // the position sets need no file
        {false, "Esiste", true},
        {false, "Esiste.Scl", true},
        {false, (CartellaColonne() / "Esiste.Scl").string(), true},
        {false, "Manca", false},
        {false, "", false},
        {false, "Cartella.Scl", false},
        {false, (programma / "Esiste.Scl").string(), false},
    };
    for (const Caso& c : casi) {
        TModelloImpSviluppo m;
        m.Sorgente.DaPronostico = c.daPronostico;
        m.Sorgente.FileSorgente = c.nome;
        EXPECT_EQ(m.Verifica(), c.valido ? "" : "Il File Sorgente non Esiste.") << c.nome;
    }
}

TEST(ImpostazioniSviluppoModello, OkStoresAndDropsColumnsOfAnOutdatedDevelopment) {
    struct Caso {
        const char* nome;
        bool sviluppato, cambiato, garanziaNuova;
        bool sviluppatoDopo, colonneTenute, modificato;
    };
    const Caso casi[] = {
        {"nothing changed", true, false, false, true, true, false},
        {"clicked", true, true, false, false, false, true},
        {"value typed only", true, false, true, true, true, true},
        {"never developed", false, false, false, false, false, false},
    };
    for (const Caso& c : casi) {
        T_Sistema s;
        s.Dati.Sviluppato = c.sviluppato;
        s.Dati.ImpSviluppo.Autoriduzione = true;
        for (int i = 0; i < 3; ++i) s.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
        auto m = TModelloImpSviluppo::Da(s);
        m.Cambiato = c.cambiato;
        if (c.garanziaNuova) m.Impostazioni.Garanzia = 85;
        m.Applica(s);
        EXPECT_EQ(s.Dati.Sviluppato, c.sviluppatoDopo) << c.nome;
        EXPECT_EQ(s.Dati.Colonne.Quante(), c.colonneTenute ? 3 : 0) << c.nome;
        EXPECT_EQ(s.Modificato, c.modificato) << c.nome;
        EXPECT_EQ(s.Dati.ImpSviluppo.Garanzia, c.garanziaNuova ? 85 : 80) << c.nome;
    }
}

TEST(ImpostazioniSviluppoModello, NamesAreCutToWhatTheSystemFileHolds) {
    T_Sistema s;
    auto m = TModelloImpSviluppo::Da(s);
    // "è" is two bytes here and one in the file: the cut counts characters.
    m.Sorgente.FileSorgente = std::string(250, 'a') + "èèèèèèèè";
    m.Impostazioni.FileDestinazione = std::string(300, 'b');
    m.Applica(s);
    EXPECT_EQ(s.Dati.Sorgente.FileSorgente, std::string(250, 'a') + "èèèèè");
    EXPECT_EQ(s.Dati.ImpSviluppo.FileDestinazione, std::string(255, 'b'));
    EXPECT_EQ(TagliaStringaCorta("abc", 0), "");
    EXPECT_EQ(TagliaStringaCorta("àbc", 1), "à");
}

TEST(ImpostazioniSviluppoModello, FileDialogsOpenOnTheCurrentEntry) {
    test::TCartellaDiProva programma;
    const std::string colonne = CartellaColonne().string();
    struct Caso {
        std::string voce, cartella, nome;
    } casi[] = {
        {"", colonne, ""},
        {"Uscita", colonne, "Uscita.Scl"},  // completed like the development completes it
        {"C:\\Sirvela\\Colonne\\Prova.Scl", "C:\\Sirvela\\Colonne", "Prova.Scl"},
    };
    for (const auto& c : casi) {
        const TRichiestaFile s = RichiestaFileSorgente(c.voce);
        EXPECT_EQ(s.Cartella, c.cartella) << c.voce;
        EXPECT_EQ(s.Nome, c.nome) << c.voce;
        EXPECT_TRUE(s.DeveEsistere);
        EXPECT_EQ(RichiestaFileDestinazione(c.voce).Cartella, c.cartella) << c.voce;
    }
}

TEST(ImpostazioniSviluppoModello, OnlyOneReductionAfterTheDevelopment) {
    TModelloImpSviluppo m;
    m.Impostazioni.Autoriduzione = true;
    m.Impostazioni.VinciteMultiple = 3;
    m.SpuntaMigliorata(true);
    EXPECT_TRUE(m.MigliorataAbilitata());
    // The improved reduction covers each column several times: the wins stay.
    EXPECT_TRUE(m.VinciteAbilitate());
    EXPECT_EQ(m.Impostazioni.VinciteMultiple, 3);
    m.SpuntaOttimizzata(true);
    EXPECT_FALSE(m.Impostazioni.Migliorata);
    EXPECT_EQ(m.Impostazioni.VinciteMultiple, 1);
    m.SpuntaMigliorata(true);
    EXPECT_FALSE(m.Impostazioni.Ottimizzata);
    EXPECT_TRUE(m.Cambiato);
    m.Impostazioni.Autoriduzione = false;
    EXPECT_FALSE(m.MigliorataAbilitata());
}
