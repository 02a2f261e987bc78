// A development on several threads against the same development on one: the columns, their
// order, the counters, the link statistics and the files written must not differ, also when
// the run is cancelled at a fixed point or runs out of its memory ceiling.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "Riferimento.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"
#include "support/Finti.h"
#include "support/SistemaRicco.h"
#include "support/Supporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

struct TEsitoFili {
    std::vector<TColonna> Colonne;
    std::vector<std::uint8_t> File;
    TEsitoSviluppo Esito;
    std::vector<std::int32_t> Statistiche;  // every link frequency, in a fixed order
    std::vector<std::string> Messaggi;
};

TEsitoFili Sviluppa(T_Sistema& s, int fili, std::int64_t annullaDa = -1) {
    TEsitoFili r;
    TMessaggiFinti messaggi;
    TServiziSviluppo servizi;
    servizi.Fili = fili;
    servizi.AnnullaDa = annullaDa;
    servizi.Messaggi = &messaggi;
    const auto& destinazione = s.Dati.ImpSviluppo.FileDestinazione;
    std::filesystem::remove(destinazione);
    SviluppaSistema(s, servizi, r.Esito);
    r.Colonne = s.Dati.Colonne.ComeVettore();
    if (std::filesystem::exists(destinazione)) r.File = LeggiByte(destinazione);
    r.Statistiche = StatisticheLink(*s.Dati.Recuperi);
    r.Messaggi = messaggi.Errori;
    return r;
}

void Confronta(const TEsitoFili& a, const TEsitoFili& b, const std::string& caso) {
    ASSERT_EQ(a.Colonne.size(), b.Colonne.size()) << caso;
    EXPECT_TRUE(a.Colonne == b.Colonne) << caso;
    EXPECT_TRUE(a.File == b.File) << caso;
    EXPECT_EQ(a.Esito.ContaTotali, b.Esito.ContaTotali) << caso;
    EXPECT_EQ(a.Esito.ContaAmmesse, b.Esito.ContaAmmesse) << caso;
    EXPECT_EQ(a.Esito.ContaEsaminate, b.Esito.ContaEsaminate) << caso;
    EXPECT_EQ(a.Esito.ContaFinali, b.Esito.ContaFinali) << caso;
    EXPECT_EQ(a.Esito.ColonneSviluppate, b.Esito.ColonneSviluppate) << caso;
    EXPECT_EQ(a.Esito.Interrotto, b.Esito.Interrotto) << caso;
    EXPECT_EQ(a.Esito.MemoriaEsaurita, b.Esito.MemoriaEsaurita) << caso;
    EXPECT_EQ(a.Statistiche, b.Statistiche) << caso;
    EXPECT_EQ(a.Messaggi, b.Messaggi) << caso;
}

}  // namespace

TEST(SviluppoFili, ThreadsGiveTheResultOfOneThread) {
    CartellaTemporanea dir;
    std::mt19937 r(2024);
    std::int64_t colonne = 0, contate = 0;
    for (int prova = 0; prova < 24; ++prova) {
        T_Sistema s;
        SistemaCasuale(s, r, prova);
        s.Dati.ImpSviluppo.FileDestinazione = (dir / "d.Scl").string();
        // A column file as the source: read on one thread whatever is asked.
        if (prova % 6 == 5) {
            const auto sorgente = dir / "s.Scl";
            std::vector<std::uint8_t> byte;
            std::array<std::uint8_t, 12> piloti{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
            for (int i = 0; i < 3000; ++i) {
                std::shuffle(piloti.begin(), piloti.end(), r);
                byte.insert(byte.end(), piloti.begin(), piloti.begin() + 8);
            }
            ScriviByte(sorgente, byte);
            s.Dati.Sorgente.DaPronostico = false;
            s.Dati.Sorgente.FileSorgente = sorgente.string();
        }
        const std::string caso = "prova " + std::to_string(prova);
        const auto uno = Sviluppa(s, 1);
        EXPECT_GT(uno.Esito.ContaAmmesse, 0) << caso;
        colonne += static_cast<std::int64_t>(uno.Colonne.size() + uno.File.size());
        for (auto v : uno.Statistiche) contate += v;
        Confronta(Sviluppa(s, 3), uno, caso);
    }
    // The cases pass columns and count link errors.
    EXPECT_GT(colonne, 1000);
    EXPECT_GT(contate, 1000);
}

TEST(SviluppoFili, ACancelAtAFixedCountKeepsWhatOneThreadKeeps) {
    CartellaTemporanea dir;
    std::mt19937 r(7);
    for (int prova = 0; prova < 6; ++prova) {
        T_Sistema s;
        SistemaCasuale(s, r, 2 * prova);  // no on-the-fly reduction
        s.Dati.ImpSviluppo.Autoriduzione = false;
        s.Dati.ImpSviluppo.InMemoria = prova % 2 == 1;
        s.Dati.ImpSviluppo.FileDestinazione = (dir / "d.Scl").string();
        const std::int64_t totali = s.Dati.Pronostico.ColonneIniziali();
        for (std::int64_t da : {std::int64_t{0}, totali / 7, totali / 2, totali - 1}) {
            const std::string caso = "prova " + std::to_string(prova) + " at " + std::to_string(da);
            const auto uno = Sviluppa(s, 1, da);
            // No poll comes after the first candidate of the last combination of positions 1..5.
            EXPECT_EQ(uno.Esito.Interrotto, da < totali - 1) << caso;
            Confronta(Sviluppa(s, 3, da), uno, caso);
        }
    }
}

TEST(SviluppoFili, TheMemoryCeilingEndsTheRunWithItsMessage) {
    CartellaTemporanea dir;
    const auto vecchio = TettoMemoriaSviluppo;
    // Two storage blocks: 131072 columns.
    TettoMemoriaSviluppo = 2 * TListaColonne::kBlocco * sizeof(TColonna);
    T_Sistema s;
    for (int p = 0; p < 8; ++p)
        for (int v = 1; v <= 9; ++v) s.Dati.Pronostico.Posizione[p].Aggiungi(v + (p == 7 ? 9 : 0));
    s.Dati.ImpSviluppo.UsaCondizioni = false;
    for (int fili : {1, 3}) {
        const auto r = Sviluppa(s, fili);
        EXPECT_TRUE(r.Esito.MemoriaEsaurita) << fili;
        EXPECT_TRUE(r.Esito.Interrotto) << fili;
        EXPECT_TRUE(r.Colonne.empty()) << fili;
        EXPECT_EQ(r.Messaggi, std::vector<std::string>{kErroreMemoriaSviluppo}) << fili;
    }
    // The same columns read from a file grow the list outside the enumeration.
    const auto sorgente = dir / "s.Scl";
    std::vector<std::uint8_t> byte;
    for (int i = 0; i < 140000; ++i)
        for (int k = 0; k < 8; ++k) byte.push_back(static_cast<std::uint8_t>(1 + k + (i % 2) * 8));
    ScriviByte(sorgente, byte);
    s.Dati.Sorgente.DaPronostico = false;
    s.Dati.Sorgente.FileSorgente = sorgente.string();
    const auto r = Sviluppa(s, 1);
    EXPECT_TRUE(r.Esito.MemoriaEsaurita);
    EXPECT_TRUE(r.Colonne.empty());
    EXPECT_EQ(r.Messaggi, std::vector<std::string>{kErroreMemoriaEsaurita});
    // Below the ceiling nothing changes, and the ceiling is free again for the next run.
    TettoMemoriaSviluppo = 3 * TListaColonne::kBlocco * sizeof(TColonna);
    const auto piena = Sviluppa(s, 1);
    EXPECT_FALSE(piena.Esito.MemoriaEsaurita);
    EXPECT_EQ(piena.Colonne.size(), 140000u);
    TettoMemoriaSviluppo = vecchio;
}
