#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "conditions/Fabbrica.h"
#include "development/SviluppoSistema.h"
#include "test_FrameworkSupporto.h"
#include "tools/CondizioniSbagliate.h"

using namespace sirvela;
using namespace sirvela::test;

TEST(FrameworkInsieme, FactoryMakesExactlyTheKnownKinds) {
    TDatiSistema dati;
    const std::pair<int, const char*> noti[] = {
        {1, "Somme"},
        {2, "Pari e Dispari"},
        {3, "Baricentri"},
        {4, "Distanze Globali"},
        {5, "Vortice"},
        {6, "Consecutività Num."},
        {7, "Simmetrie"},
        {8, "Interruzioni"},
        {9, "Ripetizioni"},
        {10, "Crescenze e Decrescenze"},
        {11, "Gr. Dist. Specifiche"},
        {12, "Gruppo Resti"},
        {13, "Gruppo Consecutività"},
        {14, "Gruppo Sequele"},
        {15, "Gruppo Comb. Filtro"},
        {16, "Numero di Sequenze"},
        {17, "Quadro"},
        {18, "Punti Tra"},
        {34, "Consecutività"},
        {35, "Distanze Specifiche"},
        {36, "Resti"},
        {37, "Colonna Filtro"},
        {38, "Sequele"},
    };
    for (auto [tipo, nome] : noti) {
        auto c = CreaCondizione(tipo, &dati);
        ASSERT_TRUE(c) << tipo;
        EXPECT_EQ(c->TipoCondizione, tipo);
        EXPECT_EQ(c->Nome, nome);
        EXPECT_TRUE(c->Attivato);
        EXPECT_EQ(c->Proprietario, &dati);
    }
    for (int tipo : {0, 19, 25, 33, 39, 100, 255, -1, 1000})
        EXPECT_FALSE(CreaCondizione(tipo, &dati)) << tipo;
}

TEST(FrameworkInsieme, EmptySetPassesEveryDistinctColumn) {
    TDatiSistema dati;
    Prepara(dati);
    EXPECT_EQ(dati.Condizioni->QuanteAttive, 0);
    std::mt19937 caso(7);
    for (int i = 0; i < 2000; ++i) EXPECT_TRUE(dati.Condizioni->Verifica(ColonnaCasuale(caso)));
}

TEST(FrameworkInsieme, OnlyConditionsSwitchedOnWithValuesAreInPlay) {
    TDatiSistema dati;
    auto& bar = Slot<TCondBaricentri>(dati, kBaricentri);
    auto& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    auto& dist = Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali);
    Ammetti(bar.Tutti.Principale, {4});
    Ammetti(pd.Pari.Principale, {4});
    Ammetti(dist.Totale.Principale, {7});
    dist.Attivato = false;
    Slot<TCondNumeriConsecutivi>(dati, kNumeriConsecutivi).Attivato = true;  // empty tables
    Prepara(dati);
    const auto& ins = *dati.Condizioni;
    ASSERT_EQ(ins.QuanteAttive, 2);
    EXPECT_EQ(ins.Attive[0], &pd);
    EXPECT_EQ(ins.Attive[1], &bar);
    EXPECT_FALSE(dist.Attivo);
    EXPECT_EQ(ins.Attive[2], nullptr);
}

TEST(FrameworkInsieme, SommePreTestDecidesAtTheIntervalBounds) {
    TDatiSistema dati;
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Tutti.Intervalli[0] = {100, 120, 1, 0};
    somme.Tutti.Quanti = 1;
    Prepara(dati);
    ASSERT_TRUE(somme.VerificaRapida);
    EXPECT_TRUE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 11, 7, 5, 3})));   // 120
    EXPECT_FALSE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 11, 7, 5, 4})));  // 121
    EXPECT_TRUE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 1, 2, 3, 0})));    // 100
    EXPECT_FALSE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 1, 2, 0, 0})));   // 97
}

TEST(FrameworkInsieme, AReplacedSlotIsTheOneTheTestUses) {
    TDatiSistema dati;
    auto nuova = std::make_unique<TCondSomme>(&dati);
    nuova->Tutti.Intervalli[0] = {100, 120, 1, 0};
    nuova->Tutti.Quanti = 1;
    EXPECT_FALSE(dati.Condizioni->Sostituisci(kPariDispari, std::make_unique<TCondSomme>(&dati)));
    ASSERT_TRUE(dati.Condizioni->Sostituisci(kSomme, std::move(nuova)));
    Prepara(dati);
    EXPECT_FALSE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 11, 7, 5, 4})));  // 121
    EXPECT_TRUE(dati.Condizioni->Verifica(Col({25, 24, 23, 22, 11, 7, 5, 3})));   // 120
}

// The pre-test and the conditions' own tests must decide alike: compare the set in normal
// mode with the set collecting errors (no pre-test, every condition evaluated).
TEST(FrameworkInsieme, PreTestDecidesWhatTheConditionsWould) {
    TDatiSistema dati;
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Pari.Intervalli[0] = {30, 60, 1, 0};
    somme.Pari.Quanti = 1;
    somme.Dispari.Intervalli[0] = {20, 70, 1, 0};
    somme.Dispari.Quanti = 1;
    auto& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    Ammetti(pd.Pari.Principale, {3, 4, 5});
    Ammetti(pd.Dispari.Principale, {2, 3, 4, 5, 6});
    Prepara(dati);
    ASSERT_TRUE(somme.VerificaRapida);
    ASSERT_TRUE(pd.VerificaRapida);
    auto& ins = *dati.Condizioni;
    std::mt19937 caso(3);
    int passate = 0;
    for (int i = 0; i < 3000; ++i) {
        const TColonna c = ColonnaCasuale(caso);
        ins.RaccogliErrori = false;
        const bool rapido = ins.Verifica(c);
        ins.RaccogliErrori = true;
        ins.ListaErrori.clear();
        EXPECT_EQ(ins.Verifica(c), rapido);
        passate += rapido;
    }
    EXPECT_GT(passate, 100);
    EXPECT_LT(passate, 2900);
}

TEST(FrameworkInsieme, ErrorCollectingRecordsEveryFailingCondition) {
    TDatiSistema dati;
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Tutti.Intervalli[0] = {0, 10, 1, 0};
    somme.Tutti.Quanti = 1;
    auto& bar = Slot<TCondBaricentri>(dati, kBaricentri);
    Ammetti(bar.Tutti.Principale, {4});
    auto& dist = Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali);
    Ammetti(dist.Minima.Principale, {2});
    auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
    resti.Membri.push_back(Resto(dati, 8, {0}));  // 36 mod 8 = 4: fails
    resti.Membri.push_back(Resto(dati, 9, {0}));  // 36 mod 9 = 0: passes
    resti.Membri.push_back(Resto(dati, 7, {0}));  // fails
    Prepara(dati);
    auto& ins = *dati.Condizioni;
    const TColonna c = Col({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_FALSE(ins.Verifica(c));
    EXPECT_TRUE(ins.ListaErrori.empty());

    ins.RaccogliErrori = true;
    EXPECT_FALSE(ins.Verifica(c));
    ASSERT_EQ(ins.ListaErrori.size(), 4u);
    EXPECT_EQ(ins.ListaErrori[0].Condizione, &somme);
    EXPECT_EQ(ins.ListaErrori[1].Condizione, &dist);
    EXPECT_EQ(ins.ListaErrori[2].Condizione, resti.Membri[0].get());
    EXPECT_EQ(ins.ListaErrori[3].Condizione, resti.Membri[2].get());
    for (const TErrore& e : ins.ListaErrori) {
        EXPECT_EQ(e.TipoErrore, 2);
        EXPECT_EQ(e.Indice, 0);
    }
}

TEST(FrameworkInsieme, PathsCarryTheContainerAndThePlace) {
    TDatiSistema dati;
    auto& filtri = Slot<TCondGruppo>(dati, kGruppoColonneFiltro);
    for (int i = 0; i < 12; ++i) filtri.AggiungiMembro();
    dati.Condizioni->ImpostaPercorsi();
    EXPECT_EQ(dati.Condizioni->Condizione(kSomme)->Percorso, "Somme\\");
    EXPECT_EQ(filtri.Percorso, "Gruppo Comb. Filtro\\");
    EXPECT_EQ(filtri.Membri[0]->Percorso, "Colonna Filtro\\Gruppo Comb. Filtro\\ 001");
    EXPECT_EQ(filtri.Membri[11]->Percorso, "Colonna Filtro\\Gruppo Comb. Filtro\\ 012");
}

TEST(FrameworkInsieme, PathsAreSetWheneverTheSetIsPreparedOrListed) {
    const std::pair<const char*, std::function<void(TDatiSistema&)>> preparazioni[] = {
        {"development",
         [](TDatiSistema& d) { TTestCondizioni(*d.Condizioni, *d.Recuperi).Prepara(); }},
        {"check",
         [](TDatiSistema& d) {
             CondizioniSbagliate(d, TColonna{1, 2, 3, 4, 5, 6, 7, 8});
         }},
        {"link list", [](TDatiSistema& d) { d.Recuperi->Esamina(); }},
        {"Punti Tra list", [](TDatiSistema& d) { d.Condizioni->PuntiTra()->EsaminaGruppo(1); }},
    };
    for (const auto& [nome, prepara] : preparazioni) {
        TDatiSistema dati;
        auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
        resti.AggiungiMembro();
        prepara(dati);
        EXPECT_EQ(resti.Membri[0]->Percorso, "Resti\\Gruppo Resti\\ 001") << nome;
    }
}

TEST(FrameworkInsieme, ShortRecordStopsReadingAndKeepsWhatWasRead) {
    TDatiSistema dati;
    auto& bar = Slot<TCondBaricentri>(dati, kBaricentri);
    Ammetti(bar.Pari.Principale, {11});
    auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
    resti.Membri.push_back(Resto(dati, 5, {1}));
    resti.Membri.push_back(Resto(dati, 6, {2}));
    const auto b = RecordInsieme(dati);

    // Cut inside the second Resti member of slot 12.
    TScrittore fino;
    for (int k = 1; k <= 11; ++k) ASSERT_TRUE(dati.Condizioni->Condizione(k)->Salva(fino));
    const std::size_t taglio = fino.Dati().size() + 1 + 1 + 429 + 100;
    std::vector<std::uint8_t> corto(b.begin(), b.begin() + static_cast<long>(taglio));
    TDatiSistema altri;
    TLettore l(corto);
    EXPECT_FALSE(altri.Condizioni->Carica(l));
    EXPECT_EQ(Slot<TCondBaricentri>(altri, kBaricentri).Pari.Principale.Voci[11].Stato, 1);
    auto& letti = Slot<TCondGruppo>(altri, kGruppoResti);
    ASSERT_EQ(letti.QuantiMembri(), 2);
    EXPECT_EQ(dynamic_cast<TCondResti&>(*letti.Membri[0]).Divisore, 5);
    EXPECT_EQ(dynamic_cast<TCondResti&>(*letti.Membri[1]).Divisore, 6);

    // Every shorter cut fails too, and none crashes.
    for (std::size_t n = 0; n < b.size(); n += 97) {
        std::vector<std::uint8_t> pezzo(b.begin(), b.begin() + static_cast<long>(n));
        TDatiSistema d;
        TLettore lp(pezzo);
        EXPECT_FALSE(d.Condizioni->Carica(lp)) << n;
    }
}

// Damaged system files: whatever a byte turns into, reading and then testing columns with what
// was read must neither crash nor hang nor index outside a table.
TEST(FrameworkInsieme, DamagedRecordsNeverBreakReadingOrTesting) {
    TDatiSistema dati;
    RiempiSistemaCompleto(dati);
    const auto buono = RecordInsieme(dati);
    std::mt19937 caso(99);
    std::uniform_int_distribution<std::size_t> posto(0, buono.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int prova = 0; prova < 150; ++prova) {
        auto b = buono;
        for (int k = 0; k < 8; ++k) b[posto(caso)] = static_cast<std::uint8_t>(byte(caso));
        if (prova % 3 == 0) b.resize(posto(caso));
        TDatiSistema letto;
        TLettore l(b);
        letto.Condizioni->Carica(l);
        Prepara(letto);
        for (bool raccogli : {false, true}) {
            letto.Condizioni->RaccogliErrori = raccogli;
            for (int i = 0; i < 20; ++i) letto.Condizioni->Verifica(ColonnaCasuale(caso));
        }
    }
    SUCCEED();
}
