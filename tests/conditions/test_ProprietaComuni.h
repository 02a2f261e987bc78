#pragma once
// Small helpers shared by the tests of the condition kinds.
#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <vector>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"
#include "core/FlussoBinario.h"

namespace sirvela::test {

inline TColonna Col(std::initializer_list<int> v) {
    TColonna c{};
    int i = 0;
    for (int x : v) c[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(x);
    return c;
}

// Marks values of one table as accepted (Stato 1).
inline void Ammetti(TTabellaValori& t, std::initializer_list<int> valori) {
    for (int v : valori) t.Voci[static_cast<std::size_t>(v)] = {1, 0};
}
inline void AmmettiDa(TTabellaValori& t, int da, int a) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)] = {1, 0};
}

// The values of every category, as pairs.
inline std::vector<std::pair<int, int>> Valori(const TCondizione& c, const TColonna& col) {
    TValoriColonna v;
    c.CalcolaValori(col, v);
    std::vector<std::pair<int, int>> r;
    for (int i = 0; i < v.Quante; ++i)
        r.emplace_back(v.Valori[static_cast<std::size_t>(i)].Principale,
                       v.Valori[static_cast<std::size_t>(i)].Secondario);
    return r;
}

// Eight different pilots out of 1..piloti.
inline TColonna ColonnaCasuale(std::mt19937& caso, int piloti = 25) {
    std::vector<int> tutti(static_cast<std::size_t>(piloti));
    std::iota(tutti.begin(), tutti.end(), 1);
    std::shuffle(tutti.begin(), tutti.end(), caso);
    TColonna c{};
    for (std::size_t i = 0; i < 8; ++i) c[i] = static_cast<std::uint8_t>(tutti[i]);
    return c;
}

// The record a condition writes, type byte included.
inline std::vector<std::uint8_t> Record(const TCondizione& c) {
    TScrittore s;
    EXPECT_TRUE(c.Salva(s));
    return s.Dati();
}

inline int Caso(std::mt19937& caso, int da, int a) {
    return std::uniform_int_distribution<int>(da, a)(caso);
}

// The codes of the kinds with values of their own.
inline constexpr int kTipiValori[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16, 34, 35, 36, 37, 38};

// Random parameters of a kind (not its tables), damaged ones included now and then, as a file
// could hold them.
inline void ParametriCasuali(TCondizione& c, std::mt19937& caso) {
    const bool guasto = Caso(caso, 0, 9) == 0;
    if (auto* v = dynamic_cast<TCondVortici*>(&c)) {
        for (TValoriAmmessi* p : {&v->PosizioneDiretto, &v->PosizioneInverso}) {
            p->CampoDa =
                static_cast<std::uint16_t>(guasto ? Caso(caso, 0, 65535) : Caso(caso, 1, 8));
            p->CampoA = static_cast<std::uint16_t>(guasto ? Caso(caso, 0, 12) : Caso(caso, 1, 8));
        }
    } else if (auto* r = dynamic_cast<TCondRipetizioni*>(&c)) {
        r->Opzione = static_cast<std::uint8_t>(Caso(caso, 0, 1));
    } else if (auto* ds = dynamic_cast<TCondDistanzeSpecifiche*>(&c)) {
        ds->Posizione1 = guasto ? Caso(caso, -1, 10) : Caso(caso, 1, 8);
        ds->Posizione2 = guasto ? Caso(caso, -1, 10) : Caso(caso, 1, 8);
    } else if (auto* re = dynamic_cast<TCondResti*>(&c)) {
        re->Divisore = guasto ? Caso(caso, -5, 0) : Caso(caso, 2, 99);
    } else if (auto* cd = dynamic_cast<TCondConsecDiff*>(&c)) {
        cd->Segno = static_cast<std::uint8_t>(Caso(caso, 0, 1));
    } else if (auto* f = dynamic_cast<TCondColonnaFiltro*>(&c)) {
        f->Confronto = Caso(caso, 0, 1);
        for (auto& b : f->ColonnaFiltro) {
            const int k = Caso(caso, 0, 9);
            b = static_cast<std::uint8_t>(k == 0 ? 0 : k == 1 ? 90 : Caso(caso, 1, 25));
        }
        f->PilotiFiltro.Svuota();
        const int n = Caso(caso, 0, 12);
        for (int i = 0; i < n; ++i) f->PilotiFiltro.Aggiungi(Caso(caso, 1, guasto ? 200 : 25));
    } else if (auto* s = dynamic_cast<TCondSequela*>(&c)) {
        s->TipoSequela = guasto ? Caso(caso, -1, 7) : Caso(caso, 1, 5);
        s->Lunghezza = guasto ? Caso(caso, -2, 10) : Caso(caso, 2, 8);
        const int passo = Caso(caso, 0, 4);
        if (passo == 0) {  // "N"
            s->PassoTrovata = s->Lunghezza;
            s->PassoNonTrovata = 1;
        } else {
            s->PassoTrovata = guasto ? Caso(caso, -1, 9) : Caso(caso, 1, 5);
            s->PassoNonTrovata = guasto ? Caso(caso, -1, 9) : Caso(caso, 1, 5);
        }
        s->Sequela.fill(0);
        for (int k = 0; k < std::clamp(s->Lunghezza, 0, 8); ++k)
            s->Sequela[static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(guasto ? Caso(caso, 0, 3) : Caso(caso, 1, 2));
        s->ImpostaSecondaria();
    } else if (auto* q = dynamic_cast<TCondNumeroSequenze*>(&c)) {
        q->LunghezzaMostrata = static_cast<std::uint8_t>(Caso(caso, 1, 4));
    }
}

}  // namespace sirvela::test
