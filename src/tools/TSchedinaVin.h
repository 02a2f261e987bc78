#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TListaColonne;

// Columns on one paper slip of the game.
constexpr int kColonnePerSchedina = 2;

// One place of a slip: the column and whether it reached the score being looked at.
struct TPostoSchedina {
    TColonna Colonna{};
    std::uint8_t Vincente = 0;
    bool operator==(const TPostoSchedina&) const = default;
};

// One slip as the viewers show it: up to 8 places, all zero when created, and its ordinal.
// Slip k holds the columns 2k-1 and 2k of a list; the last slip of an odd list holds one.
class TSchedinaVin {
  public:
    static constexpr int kPosti = 8;
    std::array<TPostoSchedina, kPosti> Posti{};
    std::int32_t Numero = 0;
    int Quante = 0;  // places in use

    bool operator==(const TSchedinaVin&) const = default;
};

// Highest first position of a scroll bar over `quante` slips shown `pannelli` at a time.
inline std::int64_t MassimoScorrimento(std::int64_t quante, int pannelli) {
    return quante > pannelli ? quante - pannelli : 0;
}

// The column viewer: the list's columns paged as slips. Slips are made on demand, so a list
// of millions of columns costs only its 8 bytes per column.
class TVisualizzatoreColonne {
  public:
    void Carica(const TListaColonne& lista);
    void Svuota() { colonne_.clear(); }

    // 8 panels side by side for slips of 2 columns, 4 otherwise.
    static constexpr int Pannelli() { return kColonnePerSchedina == 2 ? 8 : 4; }
    std::int64_t QuanteSchedine() const;
    std::int64_t MassimoScorrimento() const {
        return sirvela::MassimoScorrimento(QuanteSchedine(), Pannelli());
    }
    // Slip k, from 1; an empty slip numbered k when k is outside the list.
    TSchedinaVin Schedina(std::int64_t k) const;
    // The slips shown with the scroll bar at `posizione` (0 = from slip 1).
    std::vector<TSchedinaVin> Pagina(std::int64_t posizione) const;
    const std::vector<TColonna>& Colonne() const { return colonne_; }

  private:
    std::vector<TColonna> colonne_;
};

// Every slip of a list, numbered from 1 (what the dictation reads).
std::vector<TSchedinaVin> CreaListaSchedine(const TListaColonne& lista);

}  // namespace sirvela
