#include <gtest/gtest.h>

#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// Pari e Dispari with the value 4 of both categories in recovery, and Baricentri "Tutti i
// Numeri" with its value 4 in recovery: column 1..8 registers three errors.
struct SistemaConRecuperi {
    TDatiSistema dati;
    TCondPariDispari& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    TCondBaricentri& bar = Slot<TCondBaricentri>(dati, kBaricentri);

    SistemaConRecuperi(char lPari, int livPari, char lDispari, int livDispari, char lBar,
                       int livBar) {
        pd.Pari.Principale.Voci[4] = {2, static_cast<std::uint8_t>(livPari)};
        pd.Pari.Principale.LetteraLink = lPari;
        pd.Dispari.Principale.Voci[4] = {2, static_cast<std::uint8_t>(livDispari)};
        pd.Dispari.Principale.LetteraLink = lDispari;
        bar.Tutti.Principale.Voci[4] = {2, static_cast<std::uint8_t>(livBar)};
        bar.Tutti.Principale.LetteraLink = lBar;
    }
};

const TColonna kUnoOtto = Col({1, 2, 3, 4, 5, 6, 7, 8});

}  // namespace

TEST(Link, RegistraToleratesLErrorsOfLevelLPerColumn) {
    TGruppoLink g(nullptr);
    for (int livello : {1, 2, 5}) {
        g.Azzera();
        for (int i = 1; i <= livello; ++i) EXPECT_TRUE(g.Registra(livello)) << livello;
        EXPECT_FALSE(g.Registra(livello)) << livello;
        // Other levels keep their own count.
        EXPECT_TRUE(g.Registra(livello + 1));
        EXPECT_EQ(g.Errori, static_cast<std::uint32_t>(livello + 2));
    }
    EXPECT_EQ(g.Registrazioni, 3u + 4u + 7u);
}

TEST(Link, LevelsOutsideTheTableAreRefusedAndNeverIndexed) {
    TGruppoLink g(nullptr);
    for (int livello : {0, -1, 256, 1000, -70000}) EXPECT_FALSE(g.Registra(livello)) << livello;
    EXPECT_EQ(g.Errori, 5u);
    for (auto n : g.ContaLivelli) EXPECT_EQ(n, 0u);
    EXPECT_TRUE(g.Registra(255));
}

TEST(Link, ResetClearsWhatTheColumnTouched) {
    TDatiSistema dati;
    auto& link = *dati.Recuperi;
    EXPECT_TRUE(link.RegistraErrore('A', 3));
    EXPECT_TRUE(link.RegistraErrore('Q', 99));  // a letter no table was examined for
    EXPECT_TRUE(link.RegistraErrore('Q', 7));
    link.Azzera();
    for (char l : {'A', 'Q'}) {
        EXPECT_EQ(link.Gruppo(l)->Errori, 0u);
        for (auto n : link.Gruppo(l)->ContaLivelli) EXPECT_EQ(n, 0u);
    }
    // Again after a reset: nothing survives from the previous column.
    EXPECT_TRUE(link.RegistraErrore('Q', 1));
    EXPECT_FALSE(link.RegistraErrore('Q', 1));
    link.Azzera();
    EXPECT_TRUE(link.RegistraErrore('Q', 1));
    EXPECT_EQ(link.Gruppo('Q')->Registrazioni, 5u);
    EXPECT_EQ(link.Gruppo('a'), nullptr);
    EXPECT_FALSE(link.RegistraErrore('a', 1));
}

TEST(Link, TwoLevelOneErrorsInOneLinkRejectEvenWhenTwoAreAccepted) {
    SistemaConRecuperi s('A', 1, 'A', 1, 'B', 1);
    Ammetti(s.dati.Recuperi->Gruppo('A')->ErroriAmmessi.Principale, {0, 1, 2});
    Prepara(s.dati);
    EXPECT_FALSE(s.dati.Condizioni->Verifica(kUnoOtto));

    // At level 2 the same column passes.
    SistemaConRecuperi t('A', 2, 'A', 2, 'B', 1);
    Ammetti(t.dati.Recuperi->Gruppo('A')->ErroriAmmessi.Principale, {0, 1, 2});
    Prepara(t.dati);
    EXPECT_TRUE(t.dati.Condizioni->Verifica(kUnoOtto));
}

TEST(Link, ErrorsAreCountedPerLinkAndInTotal) {
    SistemaConRecuperi s('A', 2, 'A', 2, 'B', 2);
    Prepara(s.dati);
    auto& link = *s.dati.Recuperi;
    EXPECT_EQ(link.LettereInUso, "AB");
    EXPECT_TRUE(s.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(link.Gruppo('A')->Errori, 2u);
    EXPECT_EQ(link.Gruppo('B')->Errori, 1u);
    EXPECT_EQ(link.ErroriTotali, 3u);

    // The tables of accepted error counts decide after all conditions.
    struct Caso {
        std::vector<int> ammessiA, ammessiTotali;
        bool atteso;
    };
    const Caso casi[] = {{{2}, {3}, true},   {{1}, {}, false},     {{0, 1, 2}, {2}, false},
                         {{}, {0, 3}, true}, {{3, 4}, {3}, false}, {{}, {}, true}};
    for (const Caso& k : casi) {
        link.Gruppo('A')->ErroriAmmessi.Azzera();
        link.ErroriAmmessiTotali.Azzera();
        for (int v : k.ammessiA) Ammetti(link.Gruppo('A')->ErroriAmmessi.Principale, {v});
        for (int v : k.ammessiTotali) Ammetti(link.ErroriAmmessiTotali.Principale, {v});
        link.AggiornaStato();
        EXPECT_EQ(s.dati.Condizioni->Verifica(kUnoOtto), k.atteso);
    }
}

TEST(Link, RefusalsFeedTheStatistics) {
    SistemaConRecuperi s('A', 1, 'A', 1, 'B', 1);
    Ammetti(s.dati.Recuperi->ErroriAmmessiTotali.Principale, {0});
    Prepara(s.dati);
    auto& link = *s.dati.Recuperi;
    EXPECT_FALSE(s.dati.Condizioni->Verifica(kUnoOtto));  // second level-1 error in A
    EXPECT_EQ(link.Gruppo('A')->StatLivelli.Frequenza(1), 1);
    EXPECT_EQ(link.Gruppo('A')->Registrazioni, 2u);

    // Only B in recovery: one error, refused by the overall table.
    s.pd.Pari.Principale.Voci[4] = {1, 0};
    s.pd.Dispari.Principale.Voci[4] = {1, 0};
    Prepara(s.dati);
    EXPECT_EQ(link.LettereInUso, "B");
    EXPECT_FALSE(s.dati.Condizioni->Verifica(kUnoOtto));
    EXPECT_EQ(link.Stat.Frequenza(1), 1);
    EXPECT_EQ(link.Gruppo('A')->StatLivelli.Estrazioni, 0);
}

TEST(Link, ExaminationFindsTheTablesThatUseEachLetter) {
    TDatiSistema dati;
    auto& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    pd.Pari.Principale.LetteraLink = 'C';
    pd.Pari.Principale.Voci[2] = {2, 1};
    pd.Pari.Principale.Voci[3] = {2, 3};
    pd.Pari.Principale.Voci[4] = {2, 3};
    pd.Pari.Secondaria.LetteraLink = 'C';
    pd.Pari.Secondaria.Voci[1] = {2, 1};
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Tutti.LetteraLink = 'C';
    somme.Tutti.Intervalli[0] = {10, 20, 2, 7};
    somme.Tutti.Quanti = 1;
    // Tables of a switched-off condition or without recovery values are not reported.
    auto& bar = Slot<TCondBaricentri>(dati, kBaricentri);
    bar.Attivato = false;
    bar.Tutti.Principale.LetteraLink = 'D';
    bar.Tutti.Principale.Voci[2] = {2, 9};
    auto& dist = Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali);
    dist.Minima.Principale.LetteraLink = 'E';
    dist.Minima.Principale.Voci[2] = {1, 9};
    // A container member reports through the container.
    auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
    auto r = Resto(dati, 8, {});
    r->Resto.Principale.LetteraLink = 'F';
    r->Resto.Principale.Voci[5] = {2, 4};
    resti.Membri.push_back(std::move(r));

    dati.Condizioni->ImpostaPercorsi();
    auto& link = *dati.Recuperi;
    link.Esamina();
    EXPECT_EQ(link.LettereInUso, "CF");
    const auto& c = link.Gruppo('C')->Esame;
    ASSERT_EQ(c.Elementi.size(), 3u);
    EXPECT_EQ(c.Elementi[0].Condizione, &somme);
    EXPECT_EQ(c.Elementi[1].Tabella, &pd.Pari.Principale);
    EXPECT_EQ(c.Elementi[2].Tabella, &pd.Pari.Secondaria);
    EXPECT_EQ(c.SommaLivelli, 1u + 3u + 7u);
    EXPECT_TRUE(c.LivelliUsati[3]);
    EXPECT_FALSE(c.LivelliUsati[2]);
    EXPECT_EQ(link.Gruppo('F')->Esame.Elementi.at(0).Condizione->Percorso,
              "Resti\\Gruppo Resti\\ 001");
    EXPECT_EQ(link.SommaLivelli, 11u + 4u);

    // Examined again after a change: nothing of the previous examination is left.
    resti.Attivato = false;
    link.Esamina();
    EXPECT_EQ(link.LettereInUso, "C");
    EXPECT_TRUE(link.Gruppo('F')->Esame.Elementi.empty());
    EXPECT_EQ(link.SommaLivelli, 11u);
}

TEST(Link, BlockOf27TablesRoundTrips) {
    TDatiSistema dati;
    auto& link = *dati.Recuperi;
    Ammetti(link.Gruppo('A')->ErroriAmmessi.Principale, {0, 1});
    Ammetti(link.Gruppo('Z')->ErroriAmmessi.Principale, {99});
    Ammetti(link.ErroriAmmessiTotali.Principale, {5});
    TScrittore s;
    ASSERT_TRUE(link.Salva(s));
    ASSERT_EQ(s.Dati().size(), 11448u);
    EXPECT_EQ(s.Dati()[4 + 2], 1);  // A: entry 1
    EXPECT_EQ(s.Dati()[26 * 424 + 4 + 10], 1);

    TDatiSistema altri;
    TLettore l(s.Dati());
    ASSERT_TRUE(altri.Recuperi->Carica(l));
    TScrittore s2;
    ASSERT_TRUE(altri.Recuperi->Salva(s2));
    EXPECT_EQ(s2.Dati(), s.Dati());

    std::vector<std::uint8_t> corto(s.Dati().begin(), s.Dati().end() - 1);
    TLettore lc(corto);
    EXPECT_FALSE(altri.Recuperi->Carica(lc));
}

TEST(Link, DialogCopyTakesTablesAndChangedFlagOnly) {
    SistemaConRecuperi s('A', 2, 'B', 3, 'B', 3);
    auto& originale = *s.dati.Recuperi;
    Ammetti(originale.Gruppo('B')->ErroriAmmessi.Principale, {1, 2});
    Prepara(s.dati);

    TGestoreLink copia(&s.dati);
    copia.CopiaDa(originale);
    EXPECT_EQ(copia.Gruppo('B')->ErroriAmmessi.Principale,
              originale.Gruppo('B')->ErroriAmmessi.Principale);
    EXPECT_TRUE(copia.LettereInUso.empty());
    EXPECT_FALSE(copia.Confronta(originale));  // not examined yet
    copia.Esamina();
    EXPECT_TRUE(copia.Confronta(originale));
    copia.Cambiato = true;
    EXPECT_FALSE(copia.Confronta(originale));
    copia.Cambiato = false;
    // A level that changed since the development makes the statistics stale.
    s.pd.Dispari.Principale.Voci[4] = {2, 4};
    copia.Esamina();
    EXPECT_FALSE(copia.Confronta(originale));
    copia.Cambiato = true;
    originale.CopiaDa(copia);
    EXPECT_TRUE(originale.Cambiato);
    originale.AzzeraStatistiche();
    EXPECT_FALSE(originale.Cambiato);
}

TEST(Link, AcceptedErrorCountsMustStayWithinWhatALinkCanCollect) {
    TValoriAmmessi t(nullptr, 99, false);
    EXPECT_TRUE(TGestoreLink::EntroMassimo(t, 0));
    Ammetti(t.Principale, {0, 4});
    EXPECT_TRUE(TGestoreLink::EntroMassimo(t, 4));
    EXPECT_FALSE(TGestoreLink::EntroMassimo(t, 3));
    EXPECT_FALSE(TGestoreLink::EntroMassimo(t, -1));
}
