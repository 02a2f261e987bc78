#include <gtest/gtest.h>

#include "conditions/ModelloDialogo.h"
#include "conditions/ModelloPuntiTra.h"
#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// Baricentri "Numeri Pari" accepting 6..7 and a Resti member accepting 3..9 in group 2: the
// group's totals lie in 9..16.
struct Dialogo {
    TDatiSistema dati;
    TCondPuntiTra& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
    TModelloIntervalli griglia;
    TModelloPuntiTra m;
    Dialogo() {
        auto& bar = Slot<TCondBaricentri>(dati, kBaricentri);
        AmmettiDa(bar.Pari.Principale, 6, 7);
        bar.Pari.Principale.GruppoTra = 2;
        auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
        auto r = Resto(dati, 10, {});
        AmmettiDa(r->Resto.Principale, 3, 9);
        r->Resto.Principale.GruppoTra = 2;
        resti.Membri.push_back(std::move(r));
        tra.Punti(5).Intervalli[0] = {1, 2, 1, 0};
        tra.Punti(5).Quanti = 1;
        m.Collega(&griglia);
        m.ImpostaOggetto(&tra);
    }
};

}  // namespace

TEST(ModelloPuntiTra, GroupsShowTheirTablesRangeAndIntervals) {
    Dialogo d;
    auto& m = d.m;
    EXPECT_EQ(m.Gruppo(), 1);
    EXPECT_EQ(m.Righe(), 0);
    ASSERT_TRUE(m.ImpostaGruppo(2).Ok());
    EXPECT_EQ(m.Intestazione(), "Condizioni Nel Gruppo 2");
    ASSERT_EQ(m.Righe(), 2);
    EXPECT_EQ(m.Riga(0), "Baricentri\\ Numeri Pari");
    EXPECT_EQ(m.Riga(1), "Resti\\Gruppo Resti\\ 001 Resto");
    EXPECT_EQ(m.CondizioneRiga(1)->TipoCondizione, kResti);
    EXPECT_EQ(m.Esame().Min, 9);
    EXPECT_EQ(m.Esame().Max, 16);
    ASSERT_TRUE(m.ImpostaGruppo(5).Ok());
    EXPECT_EQ(d.griglia.Cella(0, 0).Max, "2");
    EXPECT_TRUE(m.ImpostaGruppo(99).Ok());
    EXPECT_EQ(m.Gruppo(), 30);
}

TEST(ModelloPuntiTra, BoundsOutsideTheGroupRangeAreRefused) {
    Dialogo d;
    auto& m = d.m;
    ASSERT_TRUE(m.ImpostaGruppo(2).Ok());
    struct Caso {
        const char *min, *max, *errore;
    };
    const Caso casi[] = {
        {"8", "12", kErroreMinimoIntervallo},
        {"10", "17", kErroreMassimoIntervallo},
        {"x", "12", kErroreMinimoIntervallo},
        {"12", "10", kErroreMinimoSopraMassimo},
        {"9", "16", ""},
    };
    for (const Caso& c : casi) {
        d.griglia.ImpostaMin(0, 0, c.min);
        d.griglia.ImpostaMax(0, 0, c.max);
        const TErroreGriglia e = m.ImpostaGruppo(3);
        EXPECT_EQ(e.Messaggio, c.errore) << c.min << ".." << c.max;
        if (!e.Ok()) {
            EXPECT_EQ(m.Gruppo(), 2);
        }
    }
    // A group whose tables reach only 0 is not checked.
    EXPECT_EQ(m.Gruppo(), 3);
    d.griglia.ImpostaMin(1, 0, "100");
    d.griglia.ImpostaMax(1, 0, "200");
    d.griglia.ImpostaLivello(0, 4);
    EXPECT_TRUE(m.ImpostaGruppo(2).Ok());

    // A group left faulty behind another is shown with its fault on "OK".
    Slot<TCondBaricentri>(d.dati, kBaricentri).Pari.Principale.GruppoTra = 0;  // now 3..9
    ASSERT_TRUE(m.ImpostaGruppo(1).Ok());
    TErroreGriglia e;
    EXPECT_FALSE(m.Applica(&e));
    EXPECT_EQ(e.Messaggio, kErroreMassimoIntervallo);
    EXPECT_EQ(m.Gruppo(), 2);
    EXPECT_EQ(d.tra.Punti(2).Conta(), 0);

    d.griglia.ImpostaMax(0, 0, "9");
    m.ClicAttivato(false);
    ASSERT_TRUE(m.Applica(&e));
    EXPECT_EQ(d.tra.Punti(2).Intervalli[0], (TIntervallo{9, 9, 1, 0}));
    EXPECT_EQ(d.tra.Punti(3).Intervalli[0], (TIntervallo{100, 200, 2, 4}));
    EXPECT_EQ(d.tra.Punti(5).Conta(), 1);  // untouched
    EXPECT_FALSE(d.tra.Attivato);
    EXPECT_EQ(d.tra.GruppoScelto, 2);

    // "Azzera " empties every group once "OK" takes it.
    m.ImpostaOggetto(&d.tra);
    EXPECT_EQ(m.Gruppo(), 2);
    m.Azzera();
    EXPECT_TRUE(m.Applica());
    for (int g = 1; g <= 30; ++g) EXPECT_EQ(d.tra.Punti(g).Conta(), 0) << g;
    EXPECT_TRUE(d.tra.Attivato);
}

TEST(ModelloPuntiTra, AnalysisCopyLooksAtTheGroupShownAsTheGridHasIt) {
    Dialogo d;
    ASSERT_TRUE(d.m.ImpostaGruppo(2).Ok());
    d.griglia.ImpostaMin(0, 0, "10");
    d.griglia.ImpostaMax(0, 0, "12");
    auto copia = d.m.CopiaCorrente();
    auto& tra = dynamic_cast<TCondPuntiTra&>(*copia);
    EXPECT_EQ(tra.GruppoScelto, 2);
    EXPECT_EQ(tra.Punti(2).Intervalli[0], (TIntervallo{10, 12, 1, 0}));
    EXPECT_EQ(tra.Punti(5).Conta(), 1);
    EXPECT_EQ(d.tra.Punti(2).Conta(), 0);
    EXPECT_FALSE(SenzaIntervalli(tra, true));
    ASSERT_TRUE(d.m.ImpostaGruppo(3).Ok());
    EXPECT_TRUE(SenzaIntervalli(*d.m.CopiaCorrente(), true));
    EXPECT_FALSE(SenzaIntervalli(*d.m.CopiaCorrente(), false));
}
