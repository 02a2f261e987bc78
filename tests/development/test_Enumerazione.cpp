// The last position taken in one block must hand over and count exactly what the plain walk
// does: repeated pilots in the set, pre-filtered pilots, sets too large for the block.
#include <gtest/gtest.h>

#include <vector>

#include "development/Enumerazione.h"

using namespace sirvela;

namespace {

struct TConta {
    std::vector<int> Ultimi;  // last pilot of each candidate handed over, in order
    std::int64_t Scartati = 0;
    std::int64_t Saltati = 0;
    void Candidato(const TColonna& c) { Ultimi.push_back(c[7]); }
    void Scartato() { ++Scartati; }
    void Salta(std::int64_t n) { Saltati += n; }
    bool SaltaConControlli(std::int64_t n, std::int64_t, std::int64_t) {
        Saltati += n;
        return true;
    }
    bool Annullato() { return false; }
};

struct TContaInBlocco : TConta {
    void Scartati(std::int64_t n) { TConta::Scartati += n; }
};

}  // namespace

TEST(Enumerazione, TheLastPositionInOneBlockCountsLikeThePlainWalk) {
    struct TCaso {
        const char* nome;
        std::vector<int> ultima;  // positions 1..7 hold 1..7
        bool filtro;              // only a total of exactly 36 passes (28 + 8)
        std::vector<int> ultimi;
        std::int64_t scartati, saltati;
    };
    std::vector<int> settanta;
    for (int v = 1; v <= 70; ++v) settanta.push_back(v);
    std::vector<int> oltre;
    for (int v = 8; v <= 70; ++v) oltre.push_back(v);
    const TCaso casi[] = {
        {"repeats in the set", {7, 8, 8, 3, 9}, false, {8, 8, 9}, 0, 2},
        {"pre-filtered", {7, 8, 8, 3, 9}, true, {8, 8}, 1, 2},
        {"every pilot used", {1, 2, 3}, true, {}, 0, 3},
        {"seventy slots", settanta, false, oltre, 0, 7},
        {"seventy slots pre-filtered", settanta, true, {8}, 62, 7},
    };
    for (const TCaso& caso : casi) {
        TPronostico p;
        for (int i = 0; i < 7; ++i)
            p.Posizione[i].Numeri[p.Posizione[i].Quanti++] = static_cast<std::uint16_t>(i + 1);
        for (int v : caso.ultima)
            p.Posizione[7].Numeri[p.Posizione[7].Quanti++] = static_cast<std::uint16_t>(v);
        TPreFiltro f;
        f.Dispari.fill(true);
        f.Totale[0] = f.Totale[1] = 36;
        const TPreFiltro* filtro = caso.filtro ? &f : nullptr;
        TConta semplice;
        TContaInBlocco blocco;
        EXPECT_TRUE((TEnumeratore<TConta>(p, semplice, filtro).Esegui())) << caso.nome;
        EXPECT_TRUE((TEnumeratore<TContaInBlocco>(p, blocco, filtro).Esegui())) << caso.nome;
        for (const TConta* g :
             {static_cast<const TConta*>(&semplice), static_cast<const TConta*>(&blocco)}) {
            EXPECT_EQ(g->Ultimi, caso.ultimi) << caso.nome;
            EXPECT_EQ(g->Scartati, caso.scartati) << caso.nome;
            EXPECT_EQ(g->Saltati, caso.saltati) << caso.nome;
        }
    }
}
