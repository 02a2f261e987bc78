#include <gtest/gtest.h>

#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

const TColonna kUnoOtto = Col({1, 2, 3, 4, 5, 6, 7, 8});  // sum 36

// Two Resti members whose tables gather into Tra group 1, and group 1 accepting [10, 12].
struct SistemaTra {
    TDatiSistema dati;
    TCondPuntiTra& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
    TCondGruppo& resti = Slot<TCondGruppo>(dati, kGruppoResti);

    SistemaTra(int divisore1, int divisore2) {
        for (int d : {divisore1, divisore2}) {
            auto r = Resto(dati, d, {});
            AmmettiDa(r->Resto.Principale, 0, 99);
            r->Resto.Principale.GruppoTra = 1;
            resti.Membri.push_back(std::move(r));
        }
        tra.Punti(1).Intervalli[0] = {10, 12, 1, 0};
        tra.Punti(1).Quanti = 1;
    }
};

}  // namespace

TEST(PuntiTra, GroupTotalMustLieInItsIntervals) {
    SistemaTra passa(31, 30);  // 5 + 6 = 11
    Prepara(passa.dati);
    EXPECT_TRUE(passa.tra.Attivo);
    EXPECT_EQ(passa.tra.QuantiGruppi, 1);
    EXPECT_TRUE(passa.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(passa.tra.Totali[1], 11u);

    SistemaTra scarta(31, 28);  // 5 + 8 = 13
    Prepara(scarta.dati);
    EXPECT_FALSE(scarta.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(scarta.tra.Totali[1], 13u);

    // Totals start again from 0 for every column.
    EXPECT_FALSE(scarta.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(scarta.tra.Totali[1], 13u);
}

TEST(PuntiTra, SwitchedOffOrWithoutIntervalsAcceptsAnyTotal) {
    SistemaTra s(31, 28);
    s.tra.Attivato = false;
    Prepara(s.dati);
    EXPECT_FALSE(s.tra.Attivo);
    EXPECT_TRUE(s.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(s.tra.Totali[1], 0u);  // nothing gathered while it is out of play

    // A group without intervals below the highest one accepts anything.
    s.tra.Attivato = true;
    s.tra.Punti(1).Quanti = 0;
    s.tra.Punti(4).Intervalli[0] = {0, 0, 1, 0};
    s.tra.Punti(4).Quanti = 1;
    Prepara(s.dati);
    EXPECT_EQ(s.tra.QuantiGruppi, 4);
    EXPECT_TRUE(s.dati.Condizioni->Verifica(kUnoOtto));
}

TEST(PuntiTra, RecoveryIntervalOfATotalRegistersInItsLink) {
    SistemaTra s(31, 28);
    s.tra.Punti(1).Intervalli[1] = {13, 13, 2, 1};
    s.tra.Punti(1).Quanti = 2;
    s.tra.Punti(1).LetteraLink = 'T';
    Prepara(s.dati);
    EXPECT_EQ(s.dati.Recuperi->LettereInUso, "T");
    EXPECT_TRUE(s.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(s.dati.Recuperi->Gruppo('T')->Errori, 1u);
}

TEST(PuntiTra, RecordKeepsTheIntervalsOfASwitchedOffPuntiTra) {
    TDatiSistema dati;
    auto& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
    tra.Punti(3).Intervalli[0] = {1, 2, 1, 0};
    tra.Punti(3).Quanti = 1;
    tra.Punti(3).LetteraLink = 'K';
    tra.Attivato = false;
    tra.AggiornaStato();
    EXPECT_EQ(tra.QuantiGruppi, 0);

    const auto b = Record(tra);
    ASSERT_EQ(b.size(), 1u + 1u + 4u + 3u * 863u);
    EXPECT_EQ(b[0], kPuntiTra);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 3);

    TDatiSistema altri;
    auto& letto = Slot<TCondPuntiTra>(altri, kPuntiTra);
    letto.Punti(20).Quanti = 1;  // replaced by the reading
    TLettore l(b);
    std::uint8_t tipo;
    ASSERT_TRUE(l.LeggiU8(tipo) && letto.Carica(l));
    EXPECT_FALSE(letto.Attivato);
    EXPECT_EQ(letto.Punti(3).Intervalli[0], tra.Punti(3).Intervalli[0]);
    EXPECT_EQ(letto.Punti(3).LetteraLink, 'K');
    EXPECT_EQ(letto.Punti(20).Quanti, 0);
    EXPECT_EQ(Record(letto), b);

    TDatiSistema vuoto;
    EXPECT_EQ(Record(Slot<TCondPuntiTra>(vuoto, kPuntiTra)).size(), 6u);
}

TEST(PuntiTra, DamagedGroupCountIsAReadFailure) {
    for (std::int32_t quanti : {31, -1, 1000000}) {
        TScrittore s;
        s.ScriviBool(true);
        s.ScriviI32(quanti);
        for (int i = 0; i < 31 * 863; ++i) s.ScriviU8(0);
        TDatiSistema dati;
        auto& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
        TLettore l(s.Dati());
        EXPECT_FALSE(tra.Carica(l)) << quanti;
        EXPECT_EQ(tra.QuantiGruppi, 0);
    }
}

TEST(PuntiTra, GroupExaminationListsTablesAndTheirRange) {
    SistemaTra s(31, 28);
    auto* r0 = dynamic_cast<TCondResti*>(s.resti.Membri[0].get());
    r0->Resto.Principale.Voci.fill({});
    Ammetti(r0->Resto.Principale, {3, 5, 9});
    auto& bar = Slot<TCondBaricentri>(s.dati, kBaricentri);
    Ammetti(bar.Pari.Principale, {6, 7});
    bar.Pari.Principale.GruppoTra = 1;
    auto& dist = Slot<TCondDistanzeGlobali>(s.dati, kDistanzeGlobali);
    Ammetti(dist.Minima.Principale, {1});
    dist.Minima.Principale.GruppoTra = 1;
    dist.Attivato = false;  // not listed

    const auto esame = s.tra.EsaminaGruppo(1);
    ASSERT_EQ(esame.Esame.Elementi.size(), 3u);
    EXPECT_EQ(esame.Min, 6 + 3 + 0);
    EXPECT_EQ(esame.Max, 7 + 9 + 99);
    const auto condizioni = esame.Condizioni();
    ASSERT_EQ(condizioni.size(), 3u);
    EXPECT_EQ(condizioni[0], &bar);
    EXPECT_TRUE(s.tra.EsaminaGruppo(2).Esame.Elementi.empty());
    EXPECT_TRUE(s.tra.EsaminaGruppo(31).Esame.Elementi.empty());

    // The analyses' total of a group for one column.
    Prepara(s.dati);
    EXPECT_EQ(s.tra.TotaleGruppo(Col({2, 4, 6, 8, 1, 3, 5, 7}), 1), 5u + 8u + 5u);
}

TEST(PuntiTra, AddingSkipsGroupsOutsideTheThirty) {
    TDatiSistema dati;
    auto& tra = Slot<TCondPuntiTra>(dati, kPuntiTra);
    tra.Punti(30).Intervalli[0] = {0, 100, 1, 0};
    tra.Punti(30).Quanti = 1;
    Prepara(dati);
    TValoriAmmessi v(&dati, 8, true);
    Ammetti(v.Principale, {1});
    Ammetti(v.Secondaria, {1});
    v.AggiornaStato(true);
    for (std::uint16_t g : {std::uint16_t{31}, std::uint16_t{65535}, std::uint16_t{30}}) {
        v.Principale.GruppoTra = g;
        v.Secondaria.GruppoTra = 30;
        tra.AzzeraTotali();
        v.AggiungiTra(5, -1);
        EXPECT_EQ(tra.Totali[30], g == 30 ? 5u : 0u);
    }
}
