#include <gtest/gtest.h>

#include "app/Avvio.h"
#include "app/ComandiImpostazioni.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

struct ListaPilotiConfermata : ::testing::Test {
    test::TCartellaDiProva cartella;
    test::TMessaggiFinti messaggi;
};

}  // namespace

TEST_F(ListaPilotiConfermata, NamesCountAndExcludedPilotAreAppliedAndStored) {
    T_Sistema s;
    CaricaDatiAvvio(s);
    for (int v : {2, 21, 22}) s.Dati.Pronostico.Posizione[3].Aggiungi(v);
    s.Dati.Pronostico.Posizione[6].Aggiungi(4);

    std::vector<std::string> nomi;
    for (int i = 1; i <= 21; ++i) nomi.push_back("Nome " + std::to_string(i));
    nomi[3] = " ";
    nomi[0] = std::string(50, 'a');
    EXPECT_TRUE(ApplicaListaPiloti(s, 21, nomi, &messaggi));
    EXPECT_EQ(NumeroPiloti, 21);
    EXPECT_EQ(s.Dati.PilotaEscluso, 4);
    EXPECT_EQ(s.Dati.NomiPiloti[1], std::string(40, 'a'));
    EXPECT_EQ(s.Dati.Pronostico.Posizione[3].Conta(), 2);  // 22 left the game
    EXPECT_EQ(s.Dati.Pronostico.Posizione[6].Conta(), 0);  // 4 has no name now
    EXPECT_TRUE(s.Modificato);
    EXPECT_TRUE(messaggi.Errori.empty());

    NumeroPiloti = 23;
    T_Sistema letto;
    CaricaDatiAvvio(letto);
    EXPECT_EQ(NumeroPiloti, 21);
    EXPECT_EQ(letto.Dati.PilotaEscluso, 4);
    EXPECT_EQ(letto.Dati.NomiPiloti[21], "Nome 21");
}

TEST_F(ListaPilotiConfermata, AFailedWriteIsReportedAndTheValuesStayInMemory) {
    T_Sistema s;
    CaricaDatiAvvio(s);
    std::filesystem::create_directories(cartella / "Sirvela.cfg");  // cannot be a file now
    std::vector<std::string> nomi(22, "X");
    EXPECT_FALSE(ApplicaListaPiloti(s, 22, nomi, &messaggi));
    EXPECT_EQ(messaggi.Errori, std::vector<std::string>{"Impossibile Salvare la Configurazione "
                                                        "Sirvela.cfg: è una cartella."});
    EXPECT_EQ(NumeroPiloti, 22);
    EXPECT_EQ(s.Dati.NomiPiloti[22], "X");
    EXPECT_FALSE(s.Modificato);  // nothing left the sets
}
