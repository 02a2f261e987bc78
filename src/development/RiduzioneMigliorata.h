#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "core/Interfacce.h"
#include "core/TListaColonne.h"

namespace sirvela {

class TVistaSviluppo;
class TGrafoCopertura;
struct TImpostazioniSviluppo;

// How long and how the improved reduction searches.
struct TParametriMigliorata {
    // Chains searched side by side, whatever the machine's cores, so that a seed and an
    // iteration budget give the same columns everywhere.
    static constexpr int kCatene = 4;

    double Secondi = 60;          // from the start of the reduction; 0 = no limit
    std::int64_t Iterazioni = 0;  // steps of each chain; 0 = until the time is up
    std::uint64_t Seme = 1;
    int Catene = kCatene;
    // Neighbour lists beyond this many entries in all (4 bytes each, 1 GiB) are not built;
    // the columns then keep the optimised cover.
    std::uint64_t MassimoVicini = std::uint64_t{1} << 28;
};

// `base` with the time, iterations and seed a system keeps with its development settings.
TParametriMigliorata ParametriMigliorata(const TImpostazioniSviluppo& imp,
                                         TParametriMigliorata base = {});

struct TEsitoMigliorata {
    std::int64_t Partenza = 0;         // columns of the cover the search started from
    std::int64_t LimiteInferiore = 0;  // no reduction of the columns is smaller; 0 = unknown
    double Rilassamento = 0;           // the bound before rounding up
    double TettoRilassamento = 0;      // a fractional cover: the relaxation is below it
    std::int64_t Fisse = 0;            // columns every cover needs, kept from the start
    std::int64_t Passi = 0;            // search steps of all chains together
    std::int64_t Iterazioni = 0;       // steps of each chain: with the seed, they repeat it
    bool Ricerca = false;     // the search ran (not when the columns have too many neighbours)
    bool Interrotta = false;  // a cancel stopped it; the list holds the best cover found
};

// The improved reduction. Starts from the optimised reduction's cover and searches, on
// several threads, for a smaller set of columns such that every column of the list scores at
// least `garanzia` against `vincite` chosen columns (against all of its neighbours when
// fewer reach the guarantee; a chosen column counts for itself). Stops at the time or
// iteration budget, or at a cancel, and leaves in the list the smallest cover found, in list
// order, after checking that it covers every column. A cancel before a first cover exists
// leaves the list as it was, the whole list being a cover too. `orologio` gives seconds (a
// steady clock when empty).
void RiduzioneMigliorata(TListaColonne& colonne, int garanzia, int vincite,
                         const TParametriMigliorata& parametri, TVistaSviluppo& vista,
                         const TAnnullamento* annullamento, const std::function<double()>& orologio,
                         TEsitoMigliorata& esito);

// How many chosen columns each vertex needs: `vincite`, or all its neighbours when fewer.
std::vector<std::uint8_t> Requisiti(const TGrafoCopertura& g, int vincite);

// Columns that may be kept in every reduction without making it larger: all the neighbours
// of a column that needs every one of them, and the other neighbour of a column covered by
// just itself and one other (that one covers all it covers). Nonzero for each.
std::vector<std::uint8_t> ColonneFisse(const TGrafoCopertura& g,
                                       const std::vector<std::uint8_t>& requisiti);

}  // namespace sirvela
