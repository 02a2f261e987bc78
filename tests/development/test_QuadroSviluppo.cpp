#include <gtest/gtest.h>

#include "Riferimento.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"

using namespace sirvela;
using namespace sirvela::test;

TEST(QuadroSviluppo, RefreshesWriteOnlyWhenThePercentageHasGrownEnough) {
    TOsservatoreRegistra oss;
    TVistaSviluppo v(&oss, TPrezzi{}, 3);
    // Gauge 0: AggiornaCond needs 2 points, the others 1.
    struct Passo {
        int quale;  // 0 Cond, 1 CondRid, 2 RidOtt
        std::int64_t esaminate;
        bool scrive;
        int indicatore;
    } passi[] = {{0, 1, false, 0},  {0, 2, true, 2},    {1, 2, false, 2}, {1, 3, true, 3},
                 {2, 3, false, 3},  {2, 4, true, 4},    {0, 5, false, 4}, {0, 6, true, 6},
                 {0, 99, true, 99}, {0, 100, false, 99}};
    for (const auto& p : passi) {
        const auto prima = oss.Eventi.size();
        if (p.quale == 0) v.AggiornaCond(100, 50, 30, p.esaminate, false);
        if (p.quale == 1) v.AggiornaCondRid(100, 50, 30, p.esaminate, 12, false);
        if (p.quale == 2) v.AggiornaRidOtt(100, 12, p.esaminate, false);
        EXPECT_EQ(oss.Eventi.size() > prima, p.scrive) << p.esaminate;
        EXPECT_EQ(v.Quadro().Indicatore, p.indicatore) << p.esaminate;
    }
    const auto& q = v.Quadro();
    EXPECT_EQ(q.Ammesse, "50");
    EXPECT_EQ(q.Finali, "30 (\u00A3 10.000 1/3)");
    EXPECT_EQ(q.Filtrate, "20");
    EXPECT_EQ(q.RidIniziali, "30 (\u00A3 10.000 1/3)");
    EXPECT_EQ(q.RidFinali, "12 (\u00A3 4.000 1/3)");
    EXPECT_EQ(q.FattoreRiduzione, "0,33");  // the last RidOtt: 4 covered / 12 chosen
    EXPECT_TRUE(q.Totali.empty());          // only a complete refresh writes it
}

TEST(QuadroSviluppo, CompleteRefreshesAndZeroDivisors) {
    TVistaSviluppo v(nullptr, TPrezzi{}, 1);
    v.AggiornaCond(0, 0, 0, 0, true);
    EXPECT_EQ(v.Quadro().Indicatore, 0);
    EXPECT_EQ(v.Quadro().TortaSviluppo[0], 0);
    EXPECT_EQ(v.Quadro().TortaSviluppo[1], 100);
    EXPECT_EQ(v.Quadro().Totali, "0");
    v.AggiornaCondRid(200, 150, 100, 200, 40, true);
    EXPECT_EQ(v.Quadro().Indicatore, 100);
    EXPECT_EQ(v.Quadro().TortaSviluppo[0], 66);  // truncated
    EXPECT_EQ(v.Quadro().TortaRiduzione[0], 40);
    EXPECT_EQ(v.Quadro().FattoreRiduzione, "2,50");
    v.AggiornaCondRid(200, 150, 100, 10, 0, true);
    EXPECT_EQ(v.Quadro().FattoreRiduzione, "");
    EXPECT_EQ(v.Quadro().Indicatore, 5);  // a complete refresh sets the gauge back
    v.AggiornaRidOtt(0, 0, 0, true);
    EXPECT_EQ(v.Quadro().TortaRiduzione[0], 0);
    EXPECT_EQ(TestoTempo(3725.9), "1:02:05");
    EXPECT_EQ(TestoTempo(0), "0:00:00");
}

TEST(ImpostazioniSviluppo, RecordsAreByteExact) {
    TImpostazioniSviluppo imp;
    imp.Autoriduzione = true;
    imp.Garanzia = 70;
    imp.VinciteMultiple = 3;
    imp.FileDestinazione = "perè.Scl";
    TScrittore s;
    ASSERT_TRUE(imp.Salva(s));
    ASSERT_EQ(s.Dati().size(), 262u);
    EXPECT_EQ((std::vector<std::uint8_t>(s.Dati().begin(), s.Dati().begin() + 8)),
              (std::vector<std::uint8_t>{1, 1, 1, 0, 70, 3, 8, 'p'}));
    EXPECT_EQ(s.Dati()[10], 0xE8);  // Windows-1252
    TImpostazioniSviluppo letto;
    TLettore l(s.Dati());
    ASSERT_TRUE(letto.Carica(l));
    EXPECT_EQ(letto, imp);
    // A short record fails.
    TLettore corto(std::span(s.Dati().data(), 100));
    EXPECT_FALSE(letto.Carica(corto));

    TSorgente src;
    src.DaPronostico = false;
    TScrittore s2;
    ASSERT_TRUE(src.Salva(s2));
    EXPECT_EQ(s2.Dati().size(), 257u);
    TSorgente src2;
    TLettore l2(s2.Dati());
    ASSERT_TRUE(src2.Carica(l2));
    EXPECT_EQ(src2, src);
    EXPECT_NE(src2.FileSorgente.find("SorgenteDiDefault.Scl"), std::string::npos);
}

TEST(SviluppoSistema, DevelopsTheDocumentWithItsConditions) {
    T_Sistema sistema;
    auto& d = sistema.Dati;
    for (int i = 0; i < 8; ++i)
        for (int v = 1; v <= 9; ++v) d.Pronostico.Posizione[i].Aggiungi(v);
    auto& somme = static_cast<TCondSomme&>(*d.Condizioni->Condizione(kSomme));
    somme.Tutti.Intervalli[0] = {36, 38, 1, 0};
    somme.Tutti.Quanti = 1;
    TEsitoSviluppo esito;
    SviluppaSistema(sistema, {}, esito);
    // Eight different pilots of 1..9 sum to 45 minus the one left out: 36..38 leave out
    // 9, 8 or 7; each leaves 8! orders.
    EXPECT_EQ(d.Colonne.Quante(), 3 * 40320);
    EXPECT_TRUE(d.Sviluppato);
    EXPECT_EQ(d.ColonneSviluppate, 3 * 40320);
    EXPECT_EQ(sistema.ContaAmmesse, 9 * 40320);
    for (const auto& c : d.Colonne) {
        int s = 0;
        for (auto x : c) s += x;
        ASSERT_TRUE(s >= 36 && s <= 38);
    }
    // Conditions switched off in the settings: every admitted candidate.
    d.ImpSviluppo.UsaCondizioni = false;
    SviluppaSistema(sistema, {}, esito);
    EXPECT_EQ(d.Colonne.Quante(), 9 * 40320);
}

TEST(ImpostazioniSviluppo, TheImprovedReductionIsTheValueTwoOfTheOptimisedByte) {
    // Four flags, the guarantee, the wins, then the destination name.
    const auto byte = [](const TImpostazioniSviluppo& i) {
        TScrittore s;
        EXPECT_TRUE(i.Salva(s));
        return std::vector<std::uint8_t>(s.Dati().begin(), s.Dati().begin() + 6);
    };
    TImpostazioniSviluppo i;
    i.Autoriduzione = true;
    i.Migliorata = true;
    i.Garanzia = 75;
    i.VinciteMultiple = 2;
    EXPECT_EQ(byte(i), (std::vector<std::uint8_t>{1, 1, 1, 2, 75, 2}));
    i.Migliorata = false;
    i.Ottimizzata = true;
    EXPECT_EQ(byte(i), (std::vector<std::uint8_t>{1, 1, 1, 1, 75, 2}));

    struct Caso {
        std::uint8_t valore;
        bool ottimizzata, migliorata;
    };
    for (const Caso c : {Caso{0, false, false}, Caso{1, true, false}, Caso{2, false, true},
                         Caso{7, true, false}}) {
        std::vector<std::uint8_t> dati = {1, 1, 1, c.valore, 80, 1, 0};
        dati.resize(262);
        TLettore l(dati);
        TImpostazioniSviluppo letta;
        ASSERT_TRUE(letta.Carica(l));
        EXPECT_EQ(letta.Ottimizzata, c.ottimizzata) << int{c.valore};
        EXPECT_EQ(letta.Migliorata, c.migliorata) << int{c.valore};
    }
    // A file ending before the byte leaves the choice as it was.
    std::vector<std::uint8_t> corto = {1, 1, 1};
    TLettore l(corto);
    TImpostazioniSviluppo letta;
    letta.Migliorata = true;
    EXPECT_FALSE(letta.Carica(l));
    EXPECT_TRUE(letta.Migliorata);
}
