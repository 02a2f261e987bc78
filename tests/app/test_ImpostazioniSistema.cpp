#include <gtest/gtest.h>

#include "app/ImpostazioniSistema.h"
#include "core/Globali.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

struct ImpostazioniDelSistema : ::testing::Test {
    test::CartellaTemporanea cartella;
    std::filesystem::path cartellaPrima = CartellaProgramma;
    int pilotiPrima = NumeroPiloti;
    ImpostazioniDelSistema() {
        CartellaProgramma = cartella.Percorso();
        for (const char* c : {"Sistemi", "Colonne", "Archivi", "Sfondi"})
            std::filesystem::create_directories(cartella / c);
    }
    ~ImpostazioniDelSistema() override {
        CartellaProgramma = cartellaPrima;
        NumeroPiloti = pilotiPrima;
    }
};

}  // namespace

TEST_F(ImpostazioniDelSistema, StartUpPutsTheSettingsFilesIntoTheDocument) {
    std::string lista;
    for (int i = 1; i <= 24; ++i)
        lista += (i == 5 ? std::string("   ") : "Pilota " + std::to_string(i)) + "\r\n";
    test::ScriviTesto(cartella / "listapiloti.txt", lista);

    T_Sistema s;
    PreparaSistema(s);
    EXPECT_EQ(NumeroPiloti, 24);
    EXPECT_EQ(s.Dati.NomiPiloti[24], "Pilota 24");
    EXPECT_EQ(s.Dati.PilotaEscluso, 5);
    EXPECT_EQ(s.Dati.Sfondo, (CartellaSfondi() / "Deep_sea.Bmp").string());
    EXPECT_EQ(s.Dati.Archivio.Quante(), 1);  // no archive file: the one default contest

    // What is written back reads back the same.
    s.Dati.Prezzi.Euro = true;
    s.Dati.SalvaColonne = false;
    s.Dati.DatiRicevitoria[2] = "Torino";
    ASSERT_TRUE(SalvaImpostazioniSistema(s.Dati, nullptr));
    T_Sistema letto;
    PreparaSistema(letto);
    EXPECT_TRUE(letto.Dati.Prezzi.Euro);
    EXPECT_FALSE(letto.Dati.SalvaColonne);
    EXPECT_EQ(letto.Dati.DatiRicevitoria[2], "Torino");
    EXPECT_EQ(letto.Dati.NomiPiloti, s.Dati.NomiPiloti);
    EXPECT_EQ(NumeroPiloti, 24);
}

TEST_F(ImpostazioniDelSistema, ThePilotListDialogResultIsAppliedAndStored) {
    T_Sistema s;
    PreparaSistema(s);
    for (int v : {2, 21, 22}) s.Dati.Pronostico.Posizione[3].Aggiungi(v);
    s.Dati.Pronostico.Posizione[6].Aggiungi(4);

    std::vector<std::string> nomi;
    for (int i = 1; i <= 21; ++i) nomi.push_back("Nome " + std::to_string(i));
    nomi[3] = " ";
    nomi[0] = std::string(50, 'a');
    test::TMessaggiFinti messaggi;
    EXPECT_TRUE(ApplicaListaPiloti(s, 21, nomi, &messaggi));
    EXPECT_EQ(NumeroPiloti, 21);
    EXPECT_EQ(s.Dati.PilotaEscluso, 4);
    EXPECT_EQ(s.Dati.NomiPiloti[1], std::string(40, 'a'));
    EXPECT_EQ(s.Dati.Pronostico.Posizione[3].Conta(), 2);  // 22 left the game
    EXPECT_EQ(s.Dati.Pronostico.Posizione[6].Conta(), 0);  // 4 has no name now
    EXPECT_TRUE(s.Modificato);
    EXPECT_TRUE(messaggi.Errori.empty());

    T_Sistema letto;
    PreparaSistema(letto);
    EXPECT_EQ(NumeroPiloti, 21);
    EXPECT_EQ(letto.Dati.PilotaEscluso, 4);
    EXPECT_EQ(letto.Dati.NomiPiloti[21], "Nome 21");
}

TEST_F(ImpostazioniDelSistema, AFailedWriteIsReportedAndTheValuesStayInMemory) {
    T_Sistema s;
    PreparaSistema(s);
    std::filesystem::create_directories(cartella / "Sirvela.cfg");  // cannot be a file now
    test::TMessaggiFinti messaggi;
    std::vector<std::string> nomi(22, "X");
    EXPECT_FALSE(ApplicaListaPiloti(s, 22, nomi, &messaggi));
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Impossibile Salvare la Configurazione"});
    EXPECT_EQ(NumeroPiloti, 22);
    EXPECT_EQ(s.Dati.NomiPiloti[22], "X");
    EXPECT_FALSE(s.Modificato);  // nothing left the sets
}
