#include <gtest/gtest.h>

#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {
const TColonna kUnoOtto = Col({1, 2, 3, 4, 5, 6, 7, 8});  // sum 36
}

TEST(Gruppi, EachContainerHoldsItsOwnKind) {
    TDatiSistema dati;
    const std::pair<int, int> tipi[] = {{11, 35}, {12, 36}, {13, 34}, {14, 38}, {15, 37}};
    for (auto [contenitore, membro] : tipi) {
        auto& g = Slot<TCondGruppo>(dati, contenitore);
        EXPECT_EQ(g.TipoMembri(), membro);
        ASSERT_TRUE(g.AggiungiMembro());
        EXPECT_EQ(g.Membri.back()->TipoCondizione, membro);
    }
    EXPECT_EQ(TCondGruppo::TipoMembriDi(17), 0);
}

TEST(Gruppi, StateFollowsTheMembersAndTheGeneralSwitch) {
    TDatiSistema dati;
    auto& g = Slot<TCondGruppo>(dati, kGruppoResti);
    g.AggiornaStato();
    EXPECT_FALSE(g.Attivo);  // no members

    g.Membri.push_back(Resto(dati, 8, {4}));
    g.Membri.push_back(Resto(dati, 9, {1}));
    g.Membri[0]->Attivato = false;
    g.Membri[1]->Attivato = false;
    g.AggiornaStato();
    EXPECT_FALSE(g.Attivo);  // every member switched off

    g.Membri[1]->Attivato = true;
    g.AggiornaStato();
    EXPECT_TRUE(g.Attivo);
    EXPECT_TRUE(g.Membri[1]->Attivo);

    // The general switch turns the members off without touching their own switch.
    g.Attivato = false;
    g.AggiornaStato();
    EXPECT_FALSE(g.Attivo);
    EXPECT_FALSE(g.Membri[1]->Attivo);
    EXPECT_TRUE(g.Membri[1]->Attivato);
}

TEST(Gruppi, ColumnPassesWhenEveryMemberInPlayAccepts) {
    TDatiSistema dati;
    auto& g = Slot<TCondGruppo>(dati, kGruppoResti);
    g.Membri.push_back(Resto(dati, 8, {4}));
    g.Membri.push_back(Resto(dati, 9, {0}));
    g.Membri.push_back(Resto(dati, 7, {0}));  // 36 mod 7 = 1
    g.Membri.push_back(Resto(dati, 5, {}));   // not in play: empty table
    g.Membri[2]->Attivato = false;
    Prepara(dati);
    EXPECT_TRUE(dati.Condizioni->Verifica(kUnoOtto));
    g.Membri[2]->Attivato = true;
    Prepara(dati);
    EXPECT_FALSE(dati.Condizioni->Verifica(kUnoOtto));
}

TEST(Gruppi, RecordIsSwitchMembersAndEndByte) {
    TDatiSistema dati;
    auto& g = Slot<TCondGruppo>(dati, kGruppoResti);
    g.Attivato = false;
    g.Membri.push_back(Resto(dati, 8, {4}));
    const auto b = Record(g);
    ASSERT_EQ(b.size(), 1u + 1u + (1u + 1u + 4u + 424u) + 1u);
    EXPECT_EQ(b[0], kGruppoResti);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], kResti);
    EXPECT_EQ(b.back(), kFineLista);

    TDatiSistema altri;
    auto& letto = Slot<TCondGruppo>(altri, kGruppoResti);
    letto.Membri.push_back(Resto(altri, 3, {}));  // replaced by the reading
    TLettore l(b);
    std::uint8_t tipo;
    ASSERT_TRUE(l.LeggiU8(tipo));
    ASSERT_TRUE(letto.Carica(l));
    EXPECT_TRUE(l.FineFile());
    EXPECT_EQ(Record(letto), b);
}

TEST(Gruppi, DamagedMemberListsFailWithoutCrashing) {
    TDatiSistema dati;
    auto& g = Slot<TCondGruppo>(dati, kGruppoResti);
    g.Membri.push_back(Resto(dati, 8, {4}));
    g.Membri.push_back(Resto(dati, 6, {4}));
    const auto buono = Record(g);
    const std::size_t secondo = 2 + 430;  // where the second member's type byte stands

    struct Caso {
        const char* nome;
        std::vector<std::uint8_t> dati;
        int membriLetti;
    };
    auto conTipo = [&](std::uint8_t tipo) {
        auto b = buono;
        b[secondo] = tipo;
        return b;
    };
    const Caso casi[] = {
        {"no end byte", std::vector<std::uint8_t>(buono.begin(), buono.end() - 1), 2},
        {"other member kind", conTipo(kColonnaFiltro), 1},
        {"a simple kind", conTipo(kSomme), 1},
        {"a Quadro", conTipo(kQuadro), 1},
        {"no kind at all", conTipo(0), 1},
        {"code 200", conTipo(200), 1},
        {"cut inside a member", std::vector<std::uint8_t>(buono.begin(), buono.begin() + 300), 1},
    };
    for (const Caso& k : casi) {
        TDatiSistema altri;
        auto& letto = Slot<TCondGruppo>(altri, kGruppoResti);
        TLettore l(k.dati);
        std::uint8_t tipo;
        ASSERT_TRUE(l.LeggiU8(tipo));
        EXPECT_FALSE(letto.Carica(l)) << k.nome;
        EXPECT_EQ(letto.QuantiMembri(), k.membriLetti) << k.nome;
    }
}

TEST(Gruppi, DeletingMembers) {
    TDatiSistema dati;
    auto& g = Slot<TCondGruppo>(dati, kGruppoSequele);
    g.AggiungiMembro();
    auto* secondo = g.AggiungiMembro();
    EXPECT_FALSE(g.EliminaMembro(2));
    EXPECT_FALSE(g.EliminaMembro(-1));
    EXPECT_TRUE(g.EliminaMembro(0));
    ASSERT_EQ(g.QuantiMembri(), 1);
    EXPECT_EQ(g.Membro(0), secondo);
    EXPECT_EQ(g.Membro(1), nullptr);
}
