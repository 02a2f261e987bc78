#pragma once
#include <cstdint>
#include <functional>

#include "core/Interfacce.h"
#include "core/TCombinazione.h"
#include "core/TListaColonne.h"
#include "development/Sviluppo.h"

namespace sirvela {

// One piece of a development done on a worker thread: a run of consecutive candidates in
// enumeration order.
struct TParteSviluppo {
    TListaColonne Colonne;     // the candidates that passed, in order
    std::int64_t Contate = 0;  // candidates that passed, counted only (not in Colonne)
    std::int64_t Esaminate = 0;
    std::int64_t Ammesse = 0;
    bool Completa = false;  // false: stopped at a cancel poll
    std::int64_t Passate() const { return Colonne.Quante() + Contate; }
};

struct TLavoroFili {
    const TPronostico* Pronostico = nullptr;
    ITestColonne* Test = nullptr;  // null: every candidate passes; must offer copies
    int Fili = 2;
    const TAnnullamento* Annullamento = nullptr;
    std::int64_t AnnullaDa = -1;  // see TServiziSviluppo
    TTettoMemoria* Tetto = nullptr;
    const TPreFiltro* PreFiltro = nullptr;  // the test's, when it has one
    bool SoloConteggio = false;             // the candidates that pass are only counted
};

enum class TFineFili { Completa, Annullata, Errore };

// Develops the position sets on worker threads, each piece of the outer positions into its own
// column blocks, and hands the pieces to `parte` on the calling thread strictly in enumeration
// order, with the statistics of their test copies already added to the test. After a cancel
// the last piece handed over is the first one that stopped, so what arrived is exactly what a
// single thread would have produced up to that poll. An exception on a worker (memory) stops
// every worker and gives Errore. `avanzamento`(examined, admitted, passed) reports the work
// done so far a few times a second, on the calling thread.
TFineFili SviluppaSuFili(
    const TLavoroFili& lavoro, const std::function<void(TParteSviluppo&)>& parte,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& avanzamento);

}  // namespace sirvela
