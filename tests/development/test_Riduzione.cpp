#include <gtest/gtest.h>

#include <random>

#include "Riferimento.h"
#include "development/IndiceVicini.h"
#include "development/Riduzione.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

std::vector<TColonna> Riduci(const std::vector<TColonna>& colonne, int garanzia,
                             TAnnullamento* annulla = nullptr, bool* completa = nullptr) {
    TListaColonne l;
    for (const auto& c : colonne) l.Accoda(c);
    TVistaSviluppo vista(nullptr, {}, 1);
    const bool ok = RiduzioneOttimizzata(l, kPunteggioMassimo - garanzia, vista, annulla);
    if (completa) *completa = ok;
    return l.ComeVettore();
}

// Columns with eight different pilots drawn from a few per position.
std::vector<TColonna> Casuali(std::mt19937& r, int n, int piloti) {
    std::vector<TColonna> v;
    std::uniform_int_distribution<int> d(1, piloti);
    while (static_cast<int>(v.size()) < n) {
        TColonna c;
        for (auto& x : c) x = static_cast<std::uint8_t>(d(r));
        if (ColonnaDistinta(c)) v.push_back(c);
    }
    return v;
}

bool TutteCoperte(const std::vector<TColonna>& tutte, const std::vector<TColonna>& scelte,
                  int garanzia) {
    for (const auto& c : tutte) {
        bool coperta = false;
        for (const auto& s : scelte) coperta = coperta || Punteggio(c, s) >= garanzia;
        if (!coperta) return false;
    }
    return true;
}

}  // namespace

TEST(RiduzioneOttimizzata, ScoresAtAndAroundTheGuarantee) {
    const auto a = Col({1, 2, 3, 4, 5, 6, 7, 8});
    const auto b = Col({1, 2, 3, 4, 5, 6, 7, 9});    // 92 against a
    const auto c = Col({10, 11, 3, 4, 5, 6, 7, 8});  // 69 against a
    EXPECT_EQ(Riduci({a, b}, 92).size(), 1u);
    EXPECT_EQ(Riduci({a, c}, 70).size(), 2u);
    EXPECT_EQ(Riduci({a, c}, 69).size(), 1u);
}

TEST(RiduzioneOttimizzata, ChoosesTheFirstOfEqualCountsAndListsTheLastChosenFirst) {
    // Two separate pairs: each pair's first column is chosen, the second pair's last.
    const auto a = Col({1, 2, 3, 4, 5, 6, 7, 8}), a2 = Col({1, 2, 3, 4, 5, 6, 7, 9});
    const auto b = Col({11, 12, 13, 14, 15, 16, 17, 18}),
               b2 = Col({11, 12, 13, 14, 15, 16, 17, 19});
    EXPECT_EQ(Riduci({a, a2, b, b2}, 92), (std::vector<TColonna>{b, a}));
    EXPECT_EQ(Riduci({a2, a, b2, b}, 92), (std::vector<TColonna>{b2, a2}));
}

TEST(RiduzioneOttimizzata, AColumnCovering110IsChosenAtOnce) {
    // 120 columns differing from the first only at position 8 cover each other at 92; the
    // first counted reaches 110 and is chosen before the scan goes on.
    std::vector<TColonna> v;
    for (int p8 = 9; p8 < 129; ++p8) v.push_back(Col({1, 2, 3, 4, 5, 6, 7, p8}));
    v.push_back(Col({30, 31, 32, 33, 34, 35, 36, 37}));
    EXPECT_EQ(Riduci(v, 92), (std::vector<TColonna>{v.back(), v.front()}));
}

TEST(RiduzioneOttimizzata, CancelLeavesTheListEmpty) {
    std::mt19937 r(5);
    auto v = Casuali(r, 400, 12);
    TAnnullamento annulla;
    annulla.Richiedi();
    bool completa = true;
    EXPECT_TRUE(Riduci(v, 80, &annulla, &completa).empty());
    EXPECT_FALSE(completa);
}

TEST(RiduzioneOttimizzata, EveryColumnEndsCoveredOnRandomInputs) {
    std::mt19937 r(2024);
    for (int prova = 0; prova < 40; ++prova) {
        const int garanzia = 30 + prova * 62 / 39;
        auto v = Casuali(r, 50 + prova * 37, 9 + prova % 8);
        // Duplicates too.
        v.insert(v.end(), v.begin(), v.begin() + 5);
        const auto scelte = Riduci(v, garanzia);
        EXPECT_TRUE(TutteCoperte(v, scelte, garanzia)) << prova;
        EXPECT_LE(scelte.size(), v.size());
    }
}

TEST(RiduzioneOttimizzata, IsolatedColumnsLeftForTheLastPhaseAreStillCovered) {
    // Many columns in tight groups plus isolated ones at the end of the list: phase 3 starts
    // with uncovered columns no covered one covers.
    std::vector<TColonna> v;
    for (int g = 0; g < 100; ++g)
        for (int p8 = 0; p8 < 10; ++p8)
            v.push_back(Col({1 + g % 10, 11 + g / 10, 21, 22, 23, 24, 25, 30 + p8}));
    for (int i = 0; i < 3; ++i) v.push_back(Col({40 + i, 50 + i, 60 + i, 70, 71, 72, 73, 74 + i}));
    TListaColonne l;
    for (const auto& c : v) l.Accoda(c);
    TOsservatoreRegistra oss;
    TVistaSviluppo vista(&oss, {}, 1);
    ASSERT_TRUE(RiduzioneOttimizzata(l, kPunteggioMassimo - 92, vista, nullptr));
    const auto scelte = l.ComeVettore();
    EXPECT_TRUE(TutteCoperte(v, scelte, 92));
    EXPECT_EQ(scelte.size(), 103u);
    EXPECT_EQ(scelte.front(), v.back());
    EXPECT_TRUE(std::any_of(oss.Eventi.begin(), oss.Eventi.end(), [](const TEvento& e) {
        return e.Quadro.Stato == "Autoriduzione in Corso : Fase 3";
    }));
}

TEST(RiduzioneAlVolo, FirstPassDefersColumnsCoveredOnlyAtTheRelaxedThreshold) {
    TListaColonne l;
    TRiduzioneAlVolo r(l, 80);
    const auto k = Col({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(r.AccettaColonna(k, 1), TRiduzioneAlVolo::TEsito::Tenuta);
    // 68 against k: deferred in pass 1, and nothing kept reaches 80 against it.
    const auto d = Col({1, 2, 3, 4, 5, 6, 17, 18});
    ASSERT_EQ(Punteggio(k, d), 82);
    const auto d70 = Col({1, 2, 3, 4, 15, 16, 17, 8});
    ASSERT_EQ(Punteggio(k, d70), 68);
    EXPECT_EQ(r.AccettaColonna(d70, 1), TRiduzioneAlVolo::TEsito::Sospesa);
    EXPECT_FALSE(r.Coperta(d70));
    EXPECT_EQ(r.AccettaColonna(d, 1), TRiduzioneAlVolo::TEsito::Scartata);
    // Below 60 against every kept column: kept.
    EXPECT_EQ(r.AccettaColonna(Col({1, 2, 3, 14, 15, 16, 17, 18}), 1),
              TRiduzioneAlVolo::TEsito::Tenuta);
    // From 90 up nothing is ever deferred.
    TListaColonne l2;
    TRiduzioneAlVolo r2(l2, 90);
    r2.AccettaColonna(k, 1);
    EXPECT_EQ(r2.AccettaColonna(d, 1), TRiduzioneAlVolo::TEsito::Tenuta);
    EXPECT_EQ(l2.ComeVettore(), (std::vector<TColonna>{d, k}));
}

TEST(RiduzioneAlVolo, LaterPassesKeepColumnsWithFewerHitsExactlyAtTheGuarantee) {
    TListaColonne l;
    TRiduzioneAlVolo r(l, 92);
    const auto a = Col({1, 2, 3, 4, 5, 6, 7, 8});
    const auto b = Col({1, 2, 3, 4, 5, 6, 7, 9});
    EXPECT_EQ(r.AccettaColonna(a, 1), TRiduzioneAlVolo::TEsito::Tenuta);
    EXPECT_EQ(r.AccettaColonna(b, 1), TRiduzioneAlVolo::TEsito::Scartata);
    // Pass 2: b has one kept column at exactly 92, fewer than 2: kept. a scores 101 against
    // itself: never kept twice.
    EXPECT_EQ(r.AccettaColonna(a, 2), TRiduzioneAlVolo::TEsito::Scartata);
    EXPECT_EQ(r.AccettaColonna(b, 2), TRiduzioneAlVolo::TEsito::Tenuta);
    const auto c = Col({1, 2, 3, 4, 5, 6, 7, 10});  // 92 against both
    EXPECT_EQ(r.AccettaColonna(c, 2), TRiduzioneAlVolo::TEsito::Scartata);
    EXPECT_EQ(l.ComeVettore(), (std::vector<TColonna>{b, a}));
}

TEST(RiduzioneAlVolo, DevelopedColumnsAreAllCoveredOnRandomSystems) {
    std::mt19937 r(31);
    for (int prova = 0; prova < 12; ++prova) {
        auto p = PronosticoCasuale(r, {4, 4, 4, 4, 3, 3, 3, 3}, 10);
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        auto tutte = Esegui(false, dati, nullptr).Colonne;
        dati.Impostazioni.Autoriduzione = true;
        dati.Impostazioni.Garanzia = static_cast<std::uint8_t>(40 + prova * 4);
        auto ridotte = Esegui(false, dati, nullptr).Colonne;
        EXPECT_TRUE(TutteCoperte(tutte, ridotte, dati.Impostazioni.Garanzia)) << prova;
    }
}

TEST(IndiceVicini, FindsExactlyTheColumnsAtTheThreshold) {
    std::mt19937 r(8);
    for (int soglia : {10, 30, 46, 47, 59, 60, 70, 71, 80, 83, 92, 101}) {
        auto v = Casuali(r, 300, 9);
        TIndiceVicini indice(soglia);
        for (const auto& c : v) indice.Aggiungi(ComeParola(c));
        for (int q = 0; q < 40; ++q) {
            const auto w = ComeParola(v[static_cast<std::size_t>(q * 7)]);
            std::vector<std::uint32_t> trovati, attesi;
            indice.PerOgniVicino(w, [&](std::uint32_t j, int punti) {
                EXPECT_EQ(punti, PunteggioParole(w, indice.Parola(j)));
                trovati.push_back(j);
                return true;
            });
            for (std::uint32_t j = 0; j < v.size(); ++j)
                if (PunteggioParole(w, indice.Parola(j)) >= soglia) attesi.push_back(j);
            std::sort(trovati.begin(), trovati.end());
            EXPECT_EQ(trovati, attesi) << soglia;
            int punti = 0;
            const auto ultimo = indice.UltimoVicino(w, soglia, punti);
            EXPECT_EQ(ultimo, attesi.empty() ? -1 : static_cast<std::int64_t>(attesi.back()));
        }
    }
}
