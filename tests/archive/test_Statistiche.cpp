#include <gtest/gtest.h>

#include "archive/TArchivio.h"
#include "archive/TGestore90Numeri.h"
#include "archive/T_FrequenzeRitardi.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"

namespace sirvela {
namespace {

TEST(T_FrequenzeRitardi, GrowthAndDelaysFeeding2_2_5) {
    T_FrequenzeRitardi t;
    t.Inizializza(3);
    for (int v : {2, 2, 5}) t.Aggiungi(v, 0, true);
    EXPECT_EQ(t.MaxValore, 5);
    EXPECT_EQ(t.Secondaria.size(), 6u);
    // value, frequency, delay, longest delay
    for (auto [v, f, r, m] : {std::array{2, 2, 1, 1}, std::array{5, 1, 0, 0},
                              std::array{0, 0, 3, 3}, std::array{4, 0, 1, 1}}) {
        EXPECT_EQ((std::array{t.Frequenza(v), t.Ritardo(v), t.RitardoMassimo(v)}),
                  (std::array{f, r, m}))
            << v;
    }
    t.LeggiPrimaria = false;
    EXPECT_EQ(t.Frequenza(0), 3);
    t.Inizializza(-4);  // no element for negative values, no reads outside the lists
    t.Aggiungi(-1, -7, true);
    EXPECT_EQ(t.Frequenza(99) + t.Ritardo(-1) + static_cast<int>(t.Primaria.size()), 0);
}

TEST(T_FrequenzeRitardi, CopyTakesEveryElementEvenOfASingleValueTable) {
    for (int massimo : {0, 3}) {
        T_FrequenzeRitardi sorgente;
        sorgente.Inizializza(massimo);
        sorgente.Aggiungi(massimo, 0, true);
        sorgente.LeggiPrimaria = false;
        std::unique_ptr<T_FrequenzeRitardi> copia;
        T_FrequenzeRitardi::Copia(copia, sorgente);
        ASSERT_TRUE(copia);
        EXPECT_EQ(copia->Primaria, sorgente.Primaria);
        EXPECT_EQ(copia->Secondaria, sorgente.Secondaria);
        EXPECT_EQ(copia->Estrazioni + copia->MaxValore, 1 + massimo);
        EXPECT_TRUE(copia->LeggiPrimaria);
    }
}

TEST(TGestore90Numeri, CountsOnlySelectedCompleteContestsPerPosition) {
    test::GlobaliSalvati globali;
    NumeroPiloti = 23;
    TArchivio a;
    for (TColonna v : {TColonna{1, 2, 3, 4, 5, 6, 7, 8}, TColonna{1, 2, 3, 4, 5, 6, 7, 24},
                       TColonna{3, 1, 2, 4, 5, 6, 7, 8}, TColonna{1, 3, 2, 4, 5, 6, 7, 8}}) {
        a.Estrazioni.emplace_back();
        a.Estrazioni.back().Vincente = v;
    }
    TGestore90Numeri tutto(a);
    tutto.Calcola();
    const auto& primo = tutto.Posizione(1);
    EXPECT_EQ(primo.Estrazioni, 3);  // the second is not complete
    EXPECT_EQ(primo.Eventi.size(), 23u);
    EXPECT_EQ(primo.Evento(1).Frequenza, 2);
    EXPECT_EQ(primo.Evento(1).RitardoMassimo, 1);
    EXPECT_EQ(primo.Evento(23).RitardoMassimo, 3);
    EXPECT_DOUBLE_EQ(primo.Evento(3).Indice(3), 1.0 / 3);  // delay 1, period 3
    EXPECT_EQ(primo.Evento(2).Indice(3), 0.0);
    EXPECT_EQ(tutto.Posizione(8).Evento(8).Frequenza, 3);

    a.Selezione.Tutte = false;
    a.Selezione.Dal = 2;
    a.Selezione.Al = 3;
    TGestore90Numeri parte(a);
    parte.Calcola();
    EXPECT_EQ(parte.Posizione(1).Estrazioni, 1);
    EXPECT_EQ(parte.Posizione(1).Evento(3).Frequenza, 1);

    TGestoreEventi g(3);
    const int fuori[] = {0, 4, 2};
    g.AggiungiEstrazione(fuori, 3);  // only pilot 2 has a counter
    EXPECT_EQ(g.Evento(2).Frequenza + g.Evento(3).Ritardo, 2);
    EXPECT_EQ(TGestoreEventi(40).Eventi.size(), 25u);
}

}  // namespace
}  // namespace sirvela
