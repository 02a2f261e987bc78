#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "archive/TGestore90Numeri.h"

namespace sirvela {

class TArchivio;
class TListaColonne;

// "Ordina i dati per": pilot number, outings, current delay, index.
enum class TChiaveOrdine { Numeri, Uscite, Ritardo, IC };

// One pilot's row of the per-pilot table.
struct TRiga {
    std::string Numero;
    TEvento Evento;
};

// The per-pilot statistics of one finishing position over the selected complete contests:
// one row per pilot in play, sorted on the chosen key.
class TGestoreRighe {
  public:
    static constexpr int kColonne = 7;

    // Position 1..8 over the archive's selection.
    void Calcola(const TArchivio& archivio, int posizione);
    // Equal keys go by pilot number, so the order never depends on the previous one.
    void Ordina(TChiaveOrdine chiave, bool crescente);

    const std::vector<TRiga>& Righe() const { return righe_; }
    int Quante() const { return static_cast<int>(righe_.size()); }
    std::int32_t Estrazioni() const { return estrazioni_; }

    // Ordinal, pilot, outings, period, current delay, longest delay, index ("0.00").
    std::array<std::string, kColonne> Testi(int riga) const;
    // Later than its average spacing: the index passes 1.
    bool Evidenziata(int riga) const;

  private:
    std::vector<TRiga> righe_;
    std::int32_t estrazioni_ = 0;
};

// How often each pilot stands at each position among the columns in memory.
class TFrequenzeNumeri {
  public:
    void Calcola(const TListaColonne& colonne);
    std::uint32_t Conteggio(int pilota, int posizione) const;  // pilot 1..25, position 1..8
    std::int64_t Colonne() const { return colonne_; }
    // The count, or its share of the columns with two decimals, right-aligned in 6 characters
    // (0.00 when there is no column).
    std::string Testo(int pilota, int posizione, bool percento) const;

  private:
    std::array<std::array<std::uint32_t, 8>, 26> conteggi_{};  // [pilot][position - 1]
    std::int64_t colonne_ = 0;
};

}  // namespace sirvela
