// The engine against the literal development on many random systems: same columns in the
// same order, same counters, same dialog updates in the same order, with and without a
// cancel pressed at some update.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "Riferimento.h"
#include "support/Supporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

void Confronta(const TRisultato& a, const TRisultato& b, const std::string& caso) {
    ASSERT_EQ(a.Errore, b.Errore) << caso;
    ASSERT_EQ(a.Colonne.size(), b.Colonne.size()) << caso;
    ASSERT_TRUE(a.Colonne == b.Colonne) << caso;
    EXPECT_EQ(a.Esito.ContaTotali, b.Esito.ContaTotali) << caso;
    EXPECT_EQ(a.Esito.ContaAmmesse, b.Esito.ContaAmmesse) << caso;
    EXPECT_EQ(a.Esito.ContaEsaminate, b.Esito.ContaEsaminate) << caso;
    EXPECT_EQ(a.Esito.ContaFinali, b.Esito.ContaFinali) << caso;
    EXPECT_EQ(a.Esito.Passo, b.Esito.Passo) << caso;
    EXPECT_EQ(a.Esito.ColonneSviluppate, b.Esito.ColonneSviluppate) << caso;
    EXPECT_EQ(a.Esito.Interrotto, b.Esito.Interrotto) << caso;
    EXPECT_EQ(a.Esito.RiduzioneAnnullata, b.Esito.RiduzioneAnnullata) << caso;
    ASSERT_EQ(a.Eventi.size(), b.Eventi.size()) << caso;
    for (std::size_t i = 0; i < a.Eventi.size(); ++i)
        ASSERT_TRUE(a.Eventi[i] == b.Eventi[i])
            << caso << " update " << i << ": gauge " << a.Eventi[i].Quadro.Indicatore << " vs "
            << b.Eventi[i].Quadro.Indicatore << ", parts " << a.Eventi[i].Parti << " vs "
            << b.Eventi[i].Parti;
}

bool FiltroHash(const TColonna& c) {
    unsigned h = 0;
    for (auto v : c) h = h * 31 + v;
    return h % 5 != 0;
}

struct TModo {
    const char* nome;
    bool autoriduzione, ottimizzata;
    int garanzia, vincite;
};

const TModo kModi[] = {
    {"memoria", false, false, 80, 1},      {"memoria x2", false, false, 80, 2},
    {"al volo 80", true, false, 80, 1},    {"al volo 70 x3", true, false, 70, 3},
    {"al volo 92", true, false, 92, 1},    {"al volo 45 x2", true, false, 45, 2},
    {"ottimizzata 70", true, true, 70, 1}, {"ottimizzata 56", true, true, 56, 1},
    {"ottimizzata 82", true, true, 82, 1},
};

}  // namespace

TEST(SviluppoConfronto, RandomSystemsMatchTheLiteralDevelopment) {
    std::mt19937 r(12345);
    TFiltro filtro(FiltroHash);
    for (int prova = 0; prova < 60; ++prova) {
        std::vector<int> dim(8);
        std::uniform_int_distribution<int> d(1, 6);
        for (auto& x : dim) x = d(r);
        const bool doppi = prova % 7 == 3;
        // Pilots beyond the 25 in play and zeros stand for corrupt stored sets.
        const int maxPilota = prova % 11 == 5 ? 30 : 12;
        TPronostico p = PronosticoCasuale(r, dim, maxPilota, doppi);
        if (prova % 13 == 6) p.Posizione[2].Numeri[0] = 256 + 3;  // low byte 3
        const TModo& m = kModi[prova % std::size(kModi)];
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Impostazioni.Autoriduzione = m.autoriduzione;
        dati.Impostazioni.Ottimizzata = m.ottimizzata;
        dati.Impostazioni.Garanzia = static_cast<std::uint8_t>(m.garanzia);
        dati.Impostazioni.VinciteMultiple = static_cast<std::uint8_t>(m.vincite);
        dati.Impostazioni.UsaCondizioni = prova % 3 != 0;
        dati.Partecipanti = 1 + prova % 3;
        const std::string caso = "prova " + std::to_string(prova) + " " + m.nome;
        auto atteso = Esegui(true, dati, &filtro);
        auto ottenuto = Esegui(false, dati, &filtro);
        Confronta(ottenuto, atteso, caso);
        // Cancel at a few updates along the run.
        const long n = static_cast<long>(atteso.Eventi.size());
        for (long k : {2L, 3L, n / 3, n / 2, n - 4}) {
            if (k < 1) continue;
            Confronta(Esegui(false, dati, &filtro, k), Esegui(true, dati, &filtro, k),
                      caso + " cancel at " + std::to_string(k));
        }
    }
}

TEST(SviluppoConfronto, LargerSystemsCrossManyRefreshes) {
    std::mt19937 r(777);
    TFiltro filtro(FiltroHash);
    for (int prova = 0; prova < 6; ++prova) {
        TPronostico p = PronosticoCasuale(r, {7, 7, 6, 6, 6, 6, 5, 5}, 10 + prova);
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Impostazioni.Autoriduzione = prova % 2 == 1;
        dati.Impostazioni.Garanzia = 70;
        auto atteso = Esegui(true, dati, &filtro);
        Confronta(Esegui(false, dati, &filtro), atteso, "grande " + std::to_string(prova));
        const long n = static_cast<long>(atteso.Eventi.size());
        for (long k = 3; k < n; k += n / 7 + 1)
            Confronta(Esegui(false, dati, &filtro, k), Esegui(true, dati, &filtro, k),
                      "grande " + std::to_string(prova) + " cancel at " + std::to_string(k));
    }
}

TEST(SviluppoConfronto, FileSourcesAndDestinationsMatch) {
    CartellaTemporanea dir;
    std::mt19937 r(99);
    TFiltro filtro(FiltroHash);
    for (int prova = 0; prova < 24; ++prova) {
        // A source file of random columns of pilots 1..11 (files holding anything else are
        // refused before a development starts).
        std::vector<std::uint8_t> byte;
        const int colonne = (prova * 977) % 3100;
        std::array<std::uint8_t, 11> piloti{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        for (int i = 0; i < colonne; ++i) {
            std::shuffle(piloti.begin(), piloti.end(), r);
            byte.insert(byte.end(), piloti.begin(), piloti.begin() + 8);
        }
        const auto sorgente = dir / ("s" + std::to_string(prova) + ".Scl");
        ScriviByte(sorgente, byte);
        TPronostico p = PronosticoCasuale(r, {4, 4, 4, 3, 3, 3, 3, 3}, 11);
        const TModo& m = kModi[prova % std::size(kModi)];
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Sorgente.DaPronostico = prova % 2 == 0;
        dati.Sorgente.FileSorgente = sorgente.string();
        dati.Impostazioni.Autoriduzione = m.autoriduzione;
        dati.Impostazioni.Ottimizzata = m.ottimizzata;
        dati.Impostazioni.Garanzia = static_cast<std::uint8_t>(m.garanzia);
        dati.Impostazioni.VinciteMultiple = static_cast<std::uint8_t>(m.vincite);
        dati.Impostazioni.InMemoria = prova % 3 != 0;
        const auto destinazione = dir / ("d" + std::to_string(prova) + ".Scl");
        dati.Impostazioni.FileDestinazione = destinazione.string();
        const std::string caso = "file " + std::to_string(prova) + " " + m.nome;
        auto atteso = Esegui(true, dati, &filtro);
        const auto fileAtteso = LeggiByte(destinazione);
        std::filesystem::remove(destinazione);
        auto ottenuto = Esegui(false, dati, &filtro);
        Confronta(ottenuto, atteso, caso);
        EXPECT_EQ(LeggiByte(destinazione), fileAtteso) << caso;
        const long n = static_cast<long>(atteso.Eventi.size());
        for (long k : {3L, n / 2}) {
            auto a = Esegui(true, dati, &filtro, k);
            const auto fa = LeggiByte(destinazione);
            auto b = Esegui(false, dati, &filtro, k);
            Confronta(b, a, caso + " cancel at " + std::to_string(k));
            EXPECT_EQ(LeggiByte(destinazione), fa) << caso;
        }
    }
}
