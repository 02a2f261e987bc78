#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <set>
#include <sstream>

#include "app/Configurazione.h"
#include "cli/Cli.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/Interfacce.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

using test::LeggiByte;
using test::ScriviByte;
using Byte = std::vector<std::uint8_t>;

constexpr std::size_t kDimensione = 954;  // 685, then 4 + 4 + 256 + 4 + 1 of the list layout

void Testo(Byte& b, std::size_t at, const std::string& cp1252) {
    b[at] = static_cast<std::uint8_t>(cp1252.size());
    std::copy(cp1252.begin(), cp1252.end(), b.begin() + static_cast<long>(at) + 1);
}
void Intero(Byte& b, std::size_t at, std::uint64_t v, int n = 4) {
    for (int i = 0; i < n; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Every field other than its default, laid out by hand at its offset.
Byte FileCompleto() {
    Byte b(kDimensione, 0);
    Testo(b, 0, "C:\\Sirvela\\Sfondi\\Prato.bmp");
    Intero(b, 256, std::bit_cast<std::uint64_t>(1500.0), 8);
    Intero(b, 264, std::bit_cast<std::uint64_t>(0.75), 8);
    b[272] = 1;
    Intero(b, 273, 21);
    b[277] = 0;
    Testo(b, 278, "Ricevitoria Sant\xE0 Lucia");
    Testo(b, 400, "Cant\xF9");
    Testo(b, 461, "031 123456");
    b[523] = 1;  // Orizzontale; StampaScritta and the further flag stay 0
    for (int i = 0; i < 20; ++i) Intero(b, 525 + 8 * i, std::bit_cast<std::uint64_t>(100.0 + i), 8);
    Intero(b, 685, 7);
    Intero(b, 689, 9);
    Testo(b, 693, "Lucida Console");
    Intero(b, 949, 11);
    b[953] = 3;
    return b;
}

class Configurazione : public ::testing::Test {
  protected:
    test::TCartellaDiProva dir_;
};

TEST_F(Configurazione, FieldsAtTheirOffsetsAndByteIdenticalRewrite) {
    ScriviByte(dir_ / "Sirvela.cfg", FileCompleto());
    TImpostazioniProgramma imp;
    EXPECT_TRUE(LeggiConfigurazione(dir_ / "Sirvela.cfg", imp).Completa);
    EXPECT_EQ(imp.Sfondo, "C:\\Sirvela\\Sfondi\\Prato.bmp");
    EXPECT_EQ(imp.Prezzi().Prezzo(), 0.75);
    EXPECT_EQ(imp.NumeroPiloti + imp.SalvaColonne, 21);
    EXPECT_EQ(imp.DatiRicevitoria[2], "Cantù");
    EXPECT_EQ(
        (std::array{imp.Taratura.StampaScritta, imp.Taratura.Orizzontale, imp.Taratura.Ulteriore}),
        (std::array{false, true, false}));
    EXPECT_EQ(imp.Taratura.Valori[1].XPrimaCol, 110.0);
    EXPECT_EQ(imp.Tabulato.SpaziaturaVerticale, 9);
    EXPECT_EQ(imp.Tabulato.Carattere, (TCarattere{"Lucida Console", 11, 3}));
    std::filesystem::remove(dir_ / "Sirvela.cfg");
    ASSERT_TRUE(ScriviConfigurazione(dir_ / "Sirvela.cfg", imp));
    EXPECT_EQ(LeggiByte(dir_ / "Sirvela.cfg"), FileCompleto());
}

// Cut at any byte, the file gives its whole fields and leaves every other one at its default:
// the same as reading the full file with the bytes from the first cut field onwards replaced
// by those of the defaults.
TEST_F(Configurazione, CutAnywhereKeepsWholeFieldsAndDefaultsForTheRest) {
    std::vector<std::size_t> confini = {0, 256, 264, 272, 273, 277, 278, 339, 400, 461, 522, 523};
    for (std::size_t k = 0; k <= 21; ++k) confini.push_back(524 + (k ? 8 * k - 7 : 0));
    confini.insert(confini.end(), {689, 693, 949, 953, 954});
    TImpostazioniProgramma base;
    base.Sfondo = SfondoPredefinito();
    base.NumeroPiloti = 24;  // as the pilot list left it
    TScrittore predefiniti;
    ScriviConfigurazione(predefiniti, base);
    const Byte file = FileCompleto();
    std::set<std::size_t> tagli;  // on, just before and just after every field boundary
    for (std::size_t c : confini) tagli.insert({c ? c - 1 : 0, c, std::min(c + 1, kDimensione)});
    for (std::size_t taglio : tagli) {
        ScriviByte(dir_ / "Sirvela.cfg", {file.begin(), file.begin() + static_cast<long>(taglio)});
        TImpostazioniProgramma imp = base;
        imp.Sfondo = "rimasto da prima";
        const auto esito = LeggiConfigurazione(dir_ / "Sirvela.cfg", imp);
        Byte misto = predefiniti.Dati();
        const auto intero = *std::prev(std::upper_bound(confini.begin(), confini.end(), taglio));
        std::copy(file.begin(), file.begin() + static_cast<long>(intero), misto.begin());
        TImpostazioniProgramma atteso = base;
        TLettore l{std::span<const std::uint8_t>(misto)};
        LeggiConfigurazione(l, atteso);
        if (imp != atteso) ADD_FAILURE() << "cut at " << taglio;
        EXPECT_EQ(esito.NumeroPilotiLetto, taglio >= 277);
    }
}

TEST_F(Configurazione, StoredPilotCountIsKeptWithin20And25) {
    for (auto [scritto, letto] : {std::pair{19, 20}, {20, 20}, {25, 25}, {26, 25}, {-7, 20}}) {
        Byte b = FileCompleto();
        Intero(b, 273, static_cast<std::uint32_t>(scritto));
        TImpostazioniProgramma imp;
        TLettore l{std::span<const std::uint8_t>(b)};
        EXPECT_EQ(LeggiConfigurazione(l, imp).NumeroPilotiCorretto, scritto != letto);
        EXPECT_EQ(imp.NumeroPiloti, letto);
    }
}

// A price that is no amount (not a number, infinite, negative) would print as "L. nan": it
// becomes the default and the start-up says so, once.
TEST_F(Configurazione, PricesThatAreNoAmountsBecomeTheDefaults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const TPrezzi d;
    struct Caso {
        double Lire, Euro, AttesoLire, AttesoEuro;
    };
    const Caso casi[] = {{1500, 0.75, 1500, 0.75},
                         {0, 0, 0, 0},
                         {nan, 0.75, d.PrezzoLire, 0.75},
                         {1500, inf, 1500, d.PrezzoEuro},
                         {-inf, -0.01, d.PrezzoLire, d.PrezzoEuro}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.Lire);
        Byte b = FileCompleto();
        Intero(b, 256, std::bit_cast<std::uint64_t>(k.Lire), 8);
        Intero(b, 264, std::bit_cast<std::uint64_t>(k.Euro), 8);
        TImpostazioniProgramma imp;
        TLettore l{std::span<const std::uint8_t>(b)};
        EXPECT_EQ(LeggiConfigurazione(l, imp).PrezziCorretti,
                  k.Lire != k.AttesoLire || k.Euro != k.AttesoEuro);
        EXPECT_EQ(imp.PrezzoLire, k.AttesoLire);
        EXPECT_EQ(imp.PrezzoEuro, k.AttesoEuro);
    }
    Byte b = FileCompleto();
    Intero(b, 264, std::bit_cast<std::uint64_t>(nan), 8);
    ScriviByte(dir_ / "Sirvela.cfg", b);
    std::ostringstream out, err;
    EXPECT_EQ(EseguiCli({"archivio", "mostra", "--cartella", dir_.Percorso().string()}, out, err),
              0);
    EXPECT_EQ(err.str(), std::string(kPrezziNonValidi) + "\n");
}

TEST_F(Configurazione, StartUpOrderListThenConfigurationThenExcludedPilot) {
    std::string trenta;
    for (int i = 1; i <= 30; ++i) trenta += (i == 21 ? "  " : "P" + std::to_string(i)) + "\r\n";
    test::ScriviTesto(dir_ / "listapiloti.txt", trenta);
    Byte cfg = FileCompleto();
    Intero(cfg, 273, 20);
    // configuration present, pilot list ("": the 30 lines above), count, excluded
    for (auto [conCfg, lista, numero, escluso] :
         {std::tuple{false, "", 25, 21}, {true, "", 20, 100}, {false, "A\nB\nC\n", 20, 20}}) {
        if (conCfg)
            ScriviByte(dir_ / "Sirvela.cfg", cfg);
        else
            std::filesystem::remove(dir_ / "Sirvela.cfg");
        if (*lista) test::ScriviTesto(dir_ / "listapiloti.txt", lista);
        TPiloti piloti;
        TImpostazioniProgramma imp;
        CaricaImpostazioni(piloti, imp);
        EXPECT_EQ(NumeroPiloti, numero);
        EXPECT_EQ(imp.NumeroPiloti, numero);
        EXPECT_EQ(piloti.PilotaEscluso, escluso);
        EXPECT_EQ(imp.Sfondo == (dir_ / "Sfondi" / "Deep_sea.Bmp").string(), !conCfg);
    }
    std::filesystem::remove(dir_ / "listapiloti.txt");  // neither file: the built-in field
    TPiloti piloti;
    TImpostazioniProgramma imp;
    EXPECT_FALSE(CaricaImpostazioni(piloti, imp).Piloti.Letta);
    EXPECT_EQ(NumeroPiloti, 23);
    EXPECT_EQ(piloti.PilotaEscluso, 23);
    EXPECT_EQ(imp.Taratura, TTaratura{});
}

TEST_F(Configurazione, SaveWritesBothFilesAndReportsFailure) {
    struct : IMessaggi {
        std::vector<std::string> Errori;
        int Mostra(const std::string&, const std::string&, int) override { return 0; }
        void Errore(const std::string& testo) override { Errori.push_back(testo); }
    } msg;
    TPiloti piloti;
    for (int i = 1; i <= 21; ++i) piloti.ImpostaNome(i, "Pilota " + std::to_string(i));
    TImpostazioniProgramma imp;
    ScriviByte(dir_ / "vecchio.cfg", FileCompleto());
    LeggiConfigurazione(dir_ / "vecchio.cfg", imp);
    ASSERT_TRUE(SalvaImpostazioni(piloti, imp, &msg));
    EXPECT_EQ(LeggiByte(dir_ / "Sirvela.cfg"), FileCompleto());
    EXPECT_EQ(LeggiByte(dir_ / "listapiloti.txt").size(), 8 * 9 + 9 * 12 + 21 * 2u);
    EXPECT_FALSE(SalvaImpostazioniSu(dir_ / "listapiloti.txt", dir_ / "manca" / "Sirvela.cfg",
                                     piloti, imp, &msg));
    EXPECT_EQ(msg.Errori, std::vector<std::string>{"Impossibile Salvare la Configurazione "
                                                   "Sirvela.cfg: la cartella " +
                                                   (dir_ / "manca").string() + " non esiste."});
}

// The processors of a development and the live count travel beside "Sirvela.cfg", which keeps
// its layout.
TEST_F(Configurazione, ThreadsAreKeptBesideTheFixedLayout) {
    TPiloti piloti;
    TImpostazioniProgramma imp;
    LeggiConfigurazione(dir_ / "manca.cfg", imp);
    imp.Fili = 3;
    imp.ConteggioDalVivo = false;
    ASSERT_TRUE(SalvaImpostazioni(piloti, imp));
    EXPECT_EQ(LeggiByte(dir_ / "Sirvela.cfg").size(), kDimensione);
    const std::string ini = "Fili=3\r\nConteggioDalVivo=0\r\n";
    EXPECT_EQ(LeggiByte(dir_ / "Sirvela.ini"), Byte(ini.begin(), ini.end()));
    struct Caso {
        std::string testo;
        int fili;
        bool conteggio;
    } casi[] = {{"Fili=3\r\n", 3, true},
                {"altro=1\n Fili = 2 \n", 2, true},
                {"Fili=999\n", 0, true},
                {"Fili=-1\n", 0, true},
                {"Fili=due\n", 0, true},
                {"", 0, true},
                {ini, 3, false},
                {"ConteggioDalVivo = 1\nFili=1\n", 1, true},
                {"ConteggioDalVivo=2\n", 0, true},
                {"ConteggioDalVivo=no\n", 0, true}};
    for (const auto& c : casi) {
        test::ScriviTesto(dir_ / "Sirvela.ini", c.testo);
        TImpostazioniProgramma letto;
        letto.ConteggioDalVivo = !c.conteggio;
        LeggiImpostazioniAggiunte(dir_ / "Sirvela.ini", letto);
        EXPECT_EQ(letto.Fili, c.fili) << c.testo;
        EXPECT_EQ(letto.ConteggioDalVivo, c.conteggio) << c.testo;
    }
    std::filesystem::remove(dir_ / "Sirvela.ini");
    TImpostazioniProgramma letto;
    letto.Fili = 5;
    letto.ConteggioDalVivo = false;
    CaricaImpostazioni(piloti, letto);
    EXPECT_EQ(letto.Fili, 0);  // no file: every core
    EXPECT_TRUE(letto.ConteggioDalVivo);
}

}  // namespace
}  // namespace sirvela
