#include <gtest/gtest.h>

#include <random>

#include "core/Colonna.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/TCombinazione.h"
#include "support/CartellaDiProva.h"

using namespace sirvela;

namespace {
int PunteggioIngenuo(const TColonna& a, const TColonna& b) {
    int s = 0;
    for (int i = 0; i < 8; ++i)
        if (a[i] == b[i]) s += PesoPosizione[i];
    return s;
}
TCombinazione Lista(std::initializer_list<int> v) {
    TCombinazione c;
    for (int x : v) c.Numeri[c.Quanti++] = static_cast<std::uint16_t>(x);
    return c;
}
}  // namespace

TEST(Colonna, ScoreOfKnownPairs) {
    const TColonna a = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(Punteggio(a, a), 101);
    EXPECT_EQ(Punteggio(a, TColonna{1, 2, 3, 4, 5, 6, 7, 9}), 92);
    EXPECT_EQ(Punteggio(a, TColonna{2, 1, 3, 4, 5, 6, 7, 8}), 69);
    EXPECT_EQ(Punteggio(a, TColonna{8, 7, 6, 5, 4, 3, 2, 1}), 0);
    EXPECT_EQ(Punteggio(a, TColonna{9, 2, 9, 4, 9, 6, 9, 8}), 15 + 13 + 11 + 9);
}

TEST(Colonna, FastScoreEqualsThePositionByPositionSum) {
    std::mt19937 caso(7);
    std::uniform_int_distribution<int> byte(0, 4);  // few values, many equal positions
    for (int n = 0; n < 20000; ++n) {
        TColonna a, b;
        for (int i = 0; i < 8; ++i) {
            a[i] = static_cast<std::uint8_t>(byte(caso) * 60);
            b[i] = static_cast<std::uint8_t>(byte(caso) * 60);
        }
        ASSERT_EQ(Punteggio(a, b), PunteggioIngenuo(a, b));
    }
}

TEST(Colonna, ValidDistinctEmptyFilled) {
    test::GlobaliSalvati globali;
    NumeroPiloti = 23;
    EXPECT_TRUE(ColonnaValida({1, 2, 3, 4, 5, 6, 7, 1}));
    EXPECT_FALSE(ColonnaDistinta({1, 2, 3, 4, 5, 6, 7, 1}));
    EXPECT_TRUE(ColonnaDistinta({1, 2, 3, 4, 5, 6, 7, 255}));
    EXPECT_FALSE(ColonnaValida({1, 2, 3, 4, 5, 6, 7, 24}));
    EXPECT_FALSE(ColonnaValida({0, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(ColonnaVuota(TColonna{}));
    EXPECT_FALSE(ColonnaPiena({1, 2, 0, 4, 5, 6, 7, 8}));
    EXPECT_EQ(LunghezzaColonna({1, 2, 0, 4, 0, 0, 0, 0}), 4);
    EXPECT_EQ(LunghezzaColonna(TColonna{}), 0);
    EXPECT_EQ(PostiVuoti({1, 2, 0, 4, 0, 0, 0, 0}), 5);
}

TEST(Colonna, MatchesRunsAndMirror) {
    auto m = CoincidenzePosizionali({5, 3, 9, 2, 4, 6, 10, 8}, {5, 3, 1, 2, 4, 6, 7, 8});
    EXPECT_EQ(m.Quante, 6);
    EXPECT_EQ(m.Serie, 3);
    auto l = CoincidenzeConLista({7, 1, 3, 2, 5, 0, 12, 4}, Lista({7, 3, 12, 5}));
    EXPECT_EQ(l.Quante, 3);  // 12 stands after the first 0, so it is not seen
    EXPECT_EQ(l.Serie, 2);
    EXPECT_TRUE(ColonneSpeculari({1, 2, 3, 0, 0, 0, 0, 0}, {3, 2, 1, 0, 0, 0, 0, 0}, 3));
    EXPECT_FALSE(ColonneSpeculari({1, 2, 1, 0, 0, 0, 0, 0}, {1, 2, 1, 0, 0, 0, 0, 0}, 3));
    EXPECT_EQ(TestoSegni({1, 2, 3, 4, 5, 6, 7, 8}), "DPDPDPDP");
    EXPECT_EQ(CodiceSegnoDaTesto("dp"), 3);
    EXPECT_EQ(CodiceSegnoDaTesto("X"), 0);
    EXPECT_EQ(TestoCodiceSegno(3), "PD");
}

TEST(Colonna, ListConversions) {
    EXPECT_EQ(ColonnaDaLista(Lista({4, 5, 6})), (TColonna{4, 5, 6, 0, 0, 0, 0, 0}));
    auto l = ListaDaColonna({4, 5, 0, 6, 0, 0, 0, 0});
    EXPECT_EQ(l.Quanti, 2);
    EXPECT_EQ(l.Numeri[1], 5);
}

TEST(TCombinazione, AddRemoveSort) {
    TCombinazione c;
    c.Aggiungi(5);
    c.Aggiungi(3);
    c.Aggiungi(5);
    EXPECT_EQ(c.Quanti, 2);
    c.Rimuovi(3);
    EXPECT_EQ(c.Quanti, 1);
    EXPECT_EQ(c.Numeri[0], 5);
    EXPECT_EQ(c.Numeri[1], 0);

    TCombinazione d = Lista({4, 2, 2, 1});
    d.Ordina();
    EXPECT_EQ(d, Lista({1, 2, 2, 4}));

    TCombinazione g = Lista({1, 2});
    g.AggiungiGruppo(Lista({2, 3, 4}));
    EXPECT_EQ(g, Lista({1, 2, 3, 4}));
    g.RimuoviGruppo(Lista({1, 4}));
    EXPECT_EQ(g, Lista({2, 3}));
}

TEST(TCombinazione, RandomFillNeverDrawsTheExcludedPilotNorLoopsForever) {
    test::GlobaliSalvati globali;
    NumeroPiloti = 23;
    std::mt19937 caso(1);
    TCombinazione c;
    c.RiempiCaso(22, true, 13, caso);
    EXPECT_EQ(c.Quanti, 22);
    EXPECT_FALSE(c.Contiene(13));
    for (int i = 1; i < 22; ++i) EXPECT_LT(c.Numeri[i - 1], c.Numeri[i]);
    c.RiempiCaso(40, false, 13, caso);  // more than there are: all that exist
    EXPECT_EQ(c.Quanti, 22);
}

TEST(TCombinazione, RecordIs202BytesAndTheForecast1616) {
    TCombinazione c = Lista({7, 300});
    TScrittore s;
    c.Salva(s);
    ASSERT_EQ(s.Dati().size(), 202u);
    EXPECT_EQ(s.Dati()[0], 2);
    EXPECT_EQ(s.Dati()[4], 0x2C);
    EXPECT_EQ(s.Dati()[5], 0x01);
    TCombinazione r;
    TLettore l(s.Dati());
    ASSERT_TRUE(r.Carica(l));
    EXPECT_EQ(r, c);

    TPronostico p;
    p.CopiaInTutte(c);
    TScrittore sp;
    p.Salva(sp);
    EXPECT_EQ(sp.Dati().size(), 1616u);
}

TEST(TPronostico, CountsWithoutWrap) {
    TPronostico p;
    TCombinazione tutti;
    for (int i = 1; i <= 23; ++i) tutti.Aggiungi(i);
    p.CopiaInTutte(tutti);
    EXPECT_EQ(p.ColonneIniziali(), 78310985281LL);
    EXPECT_EQ(p.PilotiSelezionati(), 184);
    for (int i = 24; i <= 25; ++i) tutti.Aggiungi(i);
    p.CopiaInTutte(tutti);
    EXPECT_EQ(p.ColonneIniziali(), 152587890625LL);
    p.Azzera();
    EXPECT_EQ(p.ColonneIniziali(), 0);

    TPronostico q;  // one pilot at 1..6, none at 7 and 8
    for (int i = 0; i < 6; ++i) q.Posizione[i].Aggiungi(i + 1);
    EXPECT_EQ(q.ColonneIniziali(), 0);
}

TEST(TCombinazione, ACorruptCountNeverIndexesOutside) {
    TCombinazione c;
    c.Quanti = 3000;
    EXPECT_EQ(c.Conta(), 100);
    EXPECT_FALSE(c.Aggiungi(1));
    c.Quanti = -5;
    EXPECT_EQ(c.Conta(), 0);
    EXPECT_FALSE(c.Contiene(0));
    TPronostico p;
    p.Posizione[0].Quanti = -5;
    EXPECT_EQ(p.ColonneIniziali(), 0);
}
