#include <gtest/gtest.h>

#include "printing/SuperficieRegistrata.h"
#include "shop/StampaAutomatiche.h"

using namespace sirvela;

TEST(StampaAutomatiche, PlainTicketsInOneRunSystemTicketsOneJobEach) {
    TSchedineDaStampare s;
    for (int i = 1; i <= 3; ++i)
        s.Semplici.Accoda(TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
    TSchedinaSistema sistema;
    sistema.Fissa = {0, 4, 0, 0, 9, 0, 0, 11};
    for (int v : {1, 6, 12, 17, 20, 23}) sistema.Variabili.Aggiungi(v);
    s.Sistemi = {sistema, sistema};

    TSuperficieRegistrata r;
    TmmPrinter p(r);
    TControlloStampa k;
    ASSERT_TRUE(StampaSchedineAutomatiche(p, s, TTaratura{}, TOpzioniSchedine{}, k));
    EXPECT_EQ(r.Documenti.size(), 3u);
    EXPECT_EQ(r.Pagine(1), 2);
    EXPECT_EQ(r.Scritte(),
              (std::vector<std::string>{
                  "Costo della schedina : L. 2.000", "Costo della schedina : L. 1.000",
                  "Costo della schedina : L. 720.000", "Costo della schedina : L. 720.000"}));
}

// A ticket that cannot be marked stops the whole run before anything is drawn: the plain
// tickets are not printed ahead of a system ticket that would fail.
TEST(StampaAutomatiche, ATicketOutOfPlayStopsTheRunBeforeAnythingIsDrawn) {
    TSchedineDaStampare buone;
    buone.Semplici.Accoda(TColonna{1, 2, 3, 4, 5, 6, 7, 8});
    TSchedinaSistema sistema;
    sistema.Fissa = {0, 4, 0, 0, 9, 0, 0, 11};
    for (int v : {1, 6, 12, 17, 20, 22}) sistema.Variabili.Aggiungi(v);
    buone.Sistemi = {sistema};

    TSchedineDaStampare semplice = buone;
    semplice.Semplici.Accoda(TColonna{3, 6, 1, 9, 5, 19, 2, 23});
    TSchedineDaStampare variabile = buone;
    variabile.Sistemi[0].Variabili.Aggiungi(23);
    TSchedineDaStampare fissa = buone;
    fissa.Sistemi[0].Fissa[0] = 24;

    const TPilotiInGioco piloti(23, 23);
    TOpzioniSchedine o;
    o.NumeroPiloti = 23;
    o.PilotaEscluso = 23;
    for (const auto& [schedine, messaggio] :
         std::vector<std::pair<TSchedineDaStampare, std::string>>{
             {buone, ""},
             {semplice,
              "1 colonna contiene piloti fuori gioco (3 6 1 9 5 19 2 23) e non può "
              "essere stampata."},
             {variabile,
              "Il pilota 23 è fuori gioco: la schedina di sistema non può essere "
              "stampata."},
             {fissa,
              "Il pilota 24 è fuori gioco: la schedina di sistema non può essere "
              "stampata."},
         }) {
        EXPECT_EQ(ControllaSchedineAutomatiche(schedine, piloti), messaggio);
        TSuperficieRegistrata r;
        TmmPrinter p(r);
        TControlloStampa k;
        if (messaggio.empty()) {
            EXPECT_TRUE(StampaSchedineAutomatiche(p, schedine, TTaratura{}, o, k));
            EXPECT_EQ(r.Documenti.size(), 2u);
            continue;
        }
        try {
            StampaSchedineAutomatiche(p, schedine, TTaratura{}, o, k);
            ADD_FAILURE() << messaggio;
        } catch (const TErroreStampa& e) {
            EXPECT_EQ(e.what(), messaggio);
        }
        EXPECT_TRUE(r.Documenti.empty());
    }
}
