#include <gtest/gtest.h>

#include <random>

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "support/CartellaDiProva.h"
#include "support/SistemaRicco.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

std::vector<std::uint8_t> Salvato(T_Sistema& s) {
    TScrittore w;
    EXPECT_TRUE(s.SalvaSistema(w));
    return w.Dati();
}

bool FiniscePer(const std::vector<std::uint8_t>& dati, const std::vector<std::uint8_t>& coda) {
    return dati.size() >= coda.size() &&
           std::equal(coda.begin(), coda.end(), dati.end() - static_cast<long>(coda.size()));
}

class Sistema : public ::testing::Test {
  protected:
    test::TCartellaDiProva dir;
};

}  // namespace

TEST_F(Sistema, NewSystemWithoutColumnsEndsWithTheListsAndTheSelection) {
    T_Sistema s;
    s.Dati.SalvaColonne = false;
    s.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});  // not written without SalvaColonne
    auto dati = Salvato(s);
    EXPECT_TRUE(FiniscePer(dati, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1,    0,   0, 0,
                                  1,    1,    1,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF}));
    // version, forecast, contest, then the conditions start with slot 1's type byte
    EXPECT_EQ(dati[0], 100);
    EXPECT_EQ(dati[1620], 1);
    EXPECT_EQ(dati[1624], 1);
    // the link block, the two records and the tail follow the conditions
    TScrittore condizioni;
    s.Dati.Condizioni->Salva(condizioni);
    EXPECT_EQ(dati.size(), 1624 + condizioni.Dati().size() + 11448 + 257 + 262 + 4 + 4 + 4 + 1 + 9);
}

TEST_F(Sistema, ColumnsTravelWithTheSystemToTheEndOfTheFile) {
    T_Sistema s;
    for (int i = 0; i < 1001; ++i)
        s.Dati.Colonne.Accoda({static_cast<std::uint8_t>(i % 250 + 1), 2, 3, 4, 5, 6, 7,
                               static_cast<std::uint8_t>(i / 250)});
    auto dati = Salvato(s);
    TScrittore senza;
    s.Dati.SalvaColonne = false;
    s.SalvaSistema(senza);
    ASSERT_EQ(dati.size(), senza.Dati().size() + 1 + 8008);
    EXPECT_EQ(dati[senza.Dati().size()], 1);

    T_Sistema r;
    TLettore l(dati);
    ASSERT_TRUE(r.CaricaSistema(l));
    EXPECT_EQ(r.Dati.Colonne.ComeVettore(), s.Dati.Colonne.ComeVettore());
    EXPECT_TRUE(r.Dati.Sviluppato);

    // A file without columns empties what was in memory.
    TLettore l2(senza.Dati());
    ASSERT_TRUE(r.CaricaSistema(l2));
    EXPECT_EQ(r.Dati.Colonne.Quante(), 0);
}

TEST_F(Sistema, CommentAndParticipantsRoundTripWithEmptyLinesAndAccents) {
    T_Sistema s;
    s.Commento = {"Sistema per la gara di Monza", "", "velocità è tutto"};
    s.Partecipanti = {"Bàrbara", "Ugo"};
    s.NumPartecipanti = 2;
    s.SpecificaNomi = true;
    s.Dati.Concorso = 17;
    s.Dati.Pronostico.Posizione[3].Aggiungi(12);
    s.Dati.Archivio.Selezione = {false, 3, 5};
    s.Dati.ImpSviluppo.Garanzia = 70;
    s.Dati.Sorgente.DaPronostico = false;
    auto dati = Salvato(s);
    T_Sistema r;
    TLettore l(dati);
    ASSERT_TRUE(r.CaricaSistema(l));
    EXPECT_EQ(r.Commento, s.Commento);
    EXPECT_EQ(r.Partecipanti, s.Partecipanti);
    EXPECT_EQ(r.NumPartecipanti, 2);
    EXPECT_EQ(r.Dati.Concorso, 17);
    EXPECT_EQ(r.Dati.Pronostico, s.Dati.Pronostico);
    EXPECT_EQ(r.Dati.Archivio.Selezione, s.Dati.Archivio.Selezione);
    EXPECT_EQ(r.Dati.ImpSviluppo, s.Dati.ImpSviluppo);
    EXPECT_EQ(r.Dati.Sorgente, s.Dati.Sorgente);
    EXPECT_EQ(Salvato(r), dati);

    TScrittore w;  // the empty comment line is four zero bytes
    SalvaListaStringhe(w, {""});
    EXPECT_EQ(w.Dati(), (std::vector<std::uint8_t>{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(Sistema, ShortReadKeepsEarlierSectionsAndReportsFailure) {
    T_Sistema s;
    s.Dati.Concorso = 9;
    s.Commento = {"uno"};
    auto dati = Salvato(s);
    dati.resize(dati.size() - 12);  // cut inside the participants' tail

    T_Sistema r;
    r.Modificato = true;
    r.NumPartecipanti = 5;
    r.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    TLettore l(dati);
    EXPECT_FALSE(r.CaricaSistema(l));
    EXPECT_EQ(r.Dati.Concorso, 9);
    EXPECT_EQ(r.Commento, s.Commento);
    EXPECT_EQ(r.Dati.Colonne.Quante(), 0);
    EXPECT_TRUE(r.Modificato);
}

TEST_F(Sistema, FormatVersionReadReplacesTheProgramsAndShowsInTheTitle) {
    T_Sistema s;
    auto dati = Salvato(s);
    dati[0] = 200;
    T_Sistema r;
    TLettore l(dati);
    ASSERT_TRUE(r.CaricaSistema(l));
    EXPECT_EQ(VersioneFormato, 200);
    EXPECT_EQ(r.Titolo(), "Sirvela 2.0 - SenzaNome.Sst");
}

TEST_F(Sistema, ANewSystemTakesTheProgramsFormatVersionAgain) {
    T_Sistema s;
    auto dati = Salvato(s);
    dati[0] = 0x37;  // a damaged or foreign file
    TLettore l(dati);
    ASSERT_TRUE(s.CaricaSistema(l));
    s.Nuovo();
    EXPECT_EQ(s.Titolo(), "Sirvela 1.0 - SenzaNome.Sst");
    EXPECT_EQ(Salvato(s)[0], 100);
}

TEST_F(Sistema, LoadingDropsNumbersThatAreNoPilotAndRepeats) {
    T_Sistema s;
    TCombinazione& p = s.Dati.Pronostico.Posizione[0];
    for (int v : {4, 25, 4, 0, 300, 2}) p.Numeri[p.Quanti++] = static_cast<std::uint16_t>(v);
    auto dati = Salvato(s);
    T_Sistema r;
    TLettore l(dati);
    ASSERT_TRUE(r.CaricaSistema(l));
    EXPECT_EQ(ListaInTesto(r.Dati.Pronostico.Posizione[0]), "4 25 2");
    EXPECT_EQ(r.Dati.Pronostico.Posizione[0].Numeri[3], 0);
    EXPECT_FALSE(r.Modificato);
}

TEST_F(Sistema, NewResetsTheSystemButKeepsTheProgramSettings) {
    T_Sistema s;
    s.NomeFile = "/x/Prova.Sst";
    s.SenzaNome = false;
    s.Modificato = true;
    s.Dati.Pronostico.Posizione[0].Aggiungi(3);
    s.Dati.Concorso = 4;
    s.Dati.Sviluppato = true;
    s.Dati.Colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    s.Dati.ImpSviluppo.Garanzia = 60;
    s.Commento = {"c"};
    s.NumPartecipanti = 3;
    s.Dati.NomiPiloti[1] = "Rossi";
    s.Dati.Prezzi.Euro = true;
    auto* condizioniPrima = s.Dati.Condizioni.get();
    s.Nuovo();
    EXPECT_EQ(s.NomeFile, T_Sistema::NomeNuovoSistema());
    EXPECT_TRUE(s.SenzaNome);
    EXPECT_FALSE(s.Modificato);
    EXPECT_EQ(s.Dati.Pronostico.Posizione[0].Quanti, 0);
    EXPECT_EQ(s.Dati.Concorso, 1);
    EXPECT_FALSE(s.Dati.Sviluppato);
    EXPECT_EQ(s.Dati.Colonne.Quante(), 0);
    EXPECT_EQ(s.Dati.ImpSviluppo.Garanzia, 80);
    EXPECT_TRUE(s.Commento.empty());
    EXPECT_EQ(s.NumPartecipanti, 1);
    EXPECT_NE(s.Dati.Condizioni.get(), nullptr);
    (void)condizioniPrima;
    EXPECT_EQ(s.Dati.NomiPiloti[1], "Rossi");
    EXPECT_TRUE(s.Dati.Prezzi.Euro);
}

TEST_F(Sistema, AFailedSaveKeepsThePreviousFile) {
    T_Sistema s;
    s.NomeFile = (CartellaSistemi() / "Prova.Sst").string();
    test::ScriviByte(s.NomeFile, {1, 2, 3});
    s.Modificato = true;
    s.NomeFile = (CartellaSistemi() / "manca" / "Prova.Sst").string();
    EXPECT_FALSE(s.SalvaSistema());
    EXPECT_TRUE(s.Modificato);
    s.NomeFile = (CartellaSistemi() / "Prova.Sst").string();
    EXPECT_EQ(test::LeggiByte(s.NomeFile), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(s.SalvaSistema());
    EXPECT_FALSE(s.Modificato);
    T_Sistema r;
    EXPECT_TRUE(r.CaricaSistema(s.NomeFile));
}

TEST_F(Sistema, EveryKindContainersQuadriAndLinksSurviveSaveLoadSave) {
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    const auto dati = Salvato(s);
    T_Sistema r;
    TLettore l(dati);
    ASSERT_TRUE(r.CaricaSistema(l));
    EXPECT_EQ(Salvato(r), dati);
    EXPECT_EQ(r.Commento, s.Commento);
    EXPECT_EQ(r.Dati.Colonne.Quante(), s.Dati.Colonne.Quante());
}

TEST_F(Sistema, TruncatedOrDamagedFilesNeverCrashOrHang) {
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    const auto dati = Salvato(s);
    T_Sistema r;
    for (std::size_t n = 0; n < dati.size(); ++n) {
        std::vector<std::uint8_t> parte(dati.begin(), dati.begin() + static_cast<long>(n));
        TLettore l(parte);
        r.CaricaSistema(l);  // any outcome but a crash
    }
    std::mt19937 caso(3);
    for (int prova = 0; prova < 300; ++prova) {
        auto guasto = dati;
        for (int k = 0; k < 8; ++k)
            guasto[caso() % guasto.size()] = static_cast<std::uint8_t>(caso());
        TLettore l(guasto);
        r.CaricaSistema(l);
        EXPECT_LE(r.Commento.size() + r.Partecipanti.size(), guasto.size());
    }
}
