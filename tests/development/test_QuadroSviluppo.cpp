#include <gtest/gtest.h>

#include <algorithm>
#include <array>

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
    TSorgente src;
    src.DaPronostico = false;
    TImpostazioniSviluppo imp;
    imp.Autoriduzione = true;
    imp.Garanzia = 70;
    imp.VinciteMultiple = 3;
    imp.FileDestinazione = "perè.Scl";
    TScrittore s;
    ASSERT_TRUE(SalvaSviluppo(s, src, imp));
    // The source (257 bytes), then the development settings (262).
    ASSERT_EQ(s.Dati().size(), 257u + 262u);
    EXPECT_EQ(s.Dati()[0], 0);
    EXPECT_EQ((std::vector<std::uint8_t>(s.Dati().begin() + 257, s.Dati().begin() + 265)),
              (std::vector<std::uint8_t>{1, 1, 1, 0, 70, 3, 8, 'p'}));
    EXPECT_EQ(s.Dati()[257 + 10], 0xE8);  // Windows-1252
    TSorgente src2;
    TImpostazioniSviluppo letto;
    TLettore l(s.Dati());
    ASSERT_TRUE(CaricaSviluppo(l, src2, letto));
    EXPECT_EQ(letto, imp);
    EXPECT_EQ(src2, src);
    EXPECT_NE(src2.FileSorgente.find("SorgenteDiDefault.Scl"), std::string::npos);
    // A short record fails.
    TLettore corto(std::span(s.Dati().data(), 357));
    EXPECT_FALSE(CaricaSviluppo(corto, src2, letto));
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
        EXPECT_TRUE(SalvaSviluppo(s, {}, i));
        return std::vector<std::uint8_t>(s.Dati().begin() + 257, s.Dati().begin() + 263);
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
        std::vector<std::uint8_t> dati(257, 0);
        for (std::uint8_t b : {1, 1, 1, int{c.valore}, 80, 1, 0}) dati.push_back(b);
        dati.resize(257 + 262);
        TLettore l(dati);
        TSorgente src;
        TImpostazioniSviluppo letta;
        ASSERT_TRUE(CaricaSviluppo(l, src, letta));
        EXPECT_EQ(letta.Ottimizzata, c.ottimizzata) << int{c.valore};
        EXPECT_EQ(letta.Migliorata, c.migliorata) << int{c.valore};
    }
    // A file ending before the byte leaves the choice as it was.
    std::vector<std::uint8_t> corto(257 + 3, 1);
    TLettore l(corto);
    TSorgente src;
    TImpostazioniSviluppo letta;
    letta.Migliorata = true;
    EXPECT_FALSE(CaricaSviluppo(l, src, letta));
    EXPECT_TRUE(letta.Migliorata);
}

// The search settings sit in the last 28 bytes of a short string, where a reader of the plain
// layout looks at nothing: a signature, the seconds, iterations and seed, and a check.
TEST(ImpostazioniSviluppo, TheSearchSettingsRideInTheTailOfANameAndOlderReadersSkipThem) {
    const std::vector<std::uint8_t> coda = {'S',  'R',  'M', 1,               // signature
                                            0x78, 0,    0,   0,               // 120 seconds
                                            0x88, 0x13, 0,   0, 0, 0, 0, 0,   // 5000 iterations
                                            0x2A, 0,    0,   0, 0, 0, 0, 0};  // seed 42
    struct Caso {
        std::size_t sorgente, destinazione;  // name lengths
        int dove;                            // 0 none, 1 in the source, 2 in the destination
    };
    for (const Caso c : {Caso{10, 10, 2}, Caso{10, 227, 2}, Caso{10, 228, 1}, Caso{227, 255, 1},
                         Caso{228, 255, 0}}) {
        SCOPED_TRACE(testing::Message() << c.sorgente << "/" << c.destinazione);
        TSorgente src;
        src.FileSorgente = std::string(c.sorgente, 's');
        TImpostazioniSviluppo imp;
        imp.FileDestinazione = std::string(c.destinazione, 'd');
        imp.SecondiMigliorata = 120;
        imp.IterazioniMigliorata = 5000;
        imp.SemeMigliorata = 42;
        TScrittore s;
        ASSERT_TRUE(SalvaSviluppo(s, src, imp));
        const auto& b = s.Dati();
        ASSERT_EQ(b.size(), 519u);
        // Field tails: the source's ends at 257, the destination's at 519.
        for (std::size_t fine : {257u, 519u}) {
            const bool qui = (fine == 257u && c.dove == 1) || (fine == 519u && c.dove == 2);
            const std::vector<std::uint8_t> letta(b.begin() + fine - 28, b.begin() + fine - 4);
            if (qui) {
                EXPECT_EQ(letta, coda) << fine;
            } else if (fine == 519u ? c.destinazione < 228 : c.sorgente < 228) {
                EXPECT_EQ(letta, std::vector<std::uint8_t>(24, 0)) << fine;
            }
        }
        // The plain layout: a flag, a short string, six bytes, a short string.
        TLettore vecchio(b);
        bool flag = false;
        std::string sorgente, destinazione;
        std::array<std::uint8_t, 6> sei{};
        ASSERT_TRUE(vecchio.LeggiBool(flag) && vecchio.LeggiStringaCorta(sorgente) &&
                    vecchio.Leggi(sei.data(), 6) && vecchio.LeggiStringaCorta(destinazione));
        EXPECT_EQ(sorgente, src.FileSorgente);
        EXPECT_EQ(destinazione, imp.FileDestinazione);
        EXPECT_TRUE(vecchio.FineFile());

        TSorgente src2;
        TImpostazioniSviluppo letta;
        letta.SemeMigliorata = 9;
        TLettore l(b);
        ASSERT_TRUE(CaricaSviluppo(l, src2, letta));
        if (c.dove != 0) {
            EXPECT_EQ(letta, imp);
        } else {
            // No room: the defaults, as from a file that never had them.
            EXPECT_TRUE(letta.RicercaPredefinita());
        }
    }

    // The defaults leave the tails zero, as every writer before; bytes there that fail the
    // check are not taken for settings.
    TImpostazioniSviluppo imp;
    imp.FileDestinazione = "d.Scl";
    TScrittore s;
    ASSERT_TRUE(SalvaSviluppo(s, {}, imp));
    auto b = s.Dati();
    EXPECT_EQ(std::count(b.begin() + 491, b.end(), 0), 28);
    imp.SemeMigliorata = 7;
    TScrittore s7;
    ASSERT_TRUE(SalvaSviluppo(s7, {}, imp));
    for (std::size_t guasto : {491u, 500u, 515u}) {
        auto rotto = s7.Dati();
        rotto[guasto] ^= 1;
        TLettore l(rotto);
        TSorgente src;
        TImpostazioniSviluppo letta;
        letta.SemeMigliorata = 3;
        ASSERT_TRUE(CaricaSviluppo(l, src, letta));
        EXPECT_TRUE(letta.RicercaPredefinita()) << guasto;
    }
}
