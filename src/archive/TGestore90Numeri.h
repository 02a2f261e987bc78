#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace sirvela {

class TArchivio;

// Counters of one pilot in one finishing position.
struct TEvento {
    std::int32_t Frequenza = 0;
    std::int32_t Ritardo = 0;
    std::int32_t RitardoMassimo = 0;
    bool Uscito = false;

    void Assegna(const TEvento& altro) { *this = altro; }
    // Average spacing of the outings over `totale` contests; 0 when it never came out.
    double Periodo(std::int32_t totale) const;
    // Current delay in units of the average spacing; 0 when it never came out.
    double Indice(std::int32_t totale) const;
    bool operator==(const TEvento&) const = default;
};

// The pilots' counters for one position: element v - 1 is pilot v.
class TGestoreEventi {
  public:
    // One counter per pilot; the count is kept within 0..25.
    explicit TGestoreEventi(int quanti);

    std::vector<TEvento> Eventi;
    std::int32_t Estrazioni = 0;

    // Feeds one contest in which the given pilots held the position. Numbers without a
    // counter are ignored.
    void AggiungiEstrazione(std::span<const int> valori);
    void AggiungiEstrazione(const int* valori, int n) {
        AggiungiEstrazione(std::span<const int>(valori, n < 0 ? 0 : static_cast<std::size_t>(n)));
    }
    const TEvento& Evento(int pilota) const {
        return Eventi.at(static_cast<std::size_t>(pilota - 1));
    }
};

// Per-position statistics of the pilots over the selected complete contests.
class TGestore90Numeri {
  public:
    // The archive is read, not owned; the pilot count is the current NumeroPiloti.
    explicit TGestore90Numeri(const TArchivio& archivio);

    // Runs once on a fresh object.
    void Calcola();
    // Position 1..8; anything else throws std::out_of_range.
    const TGestoreEventi& Posizione(int posizione) const {
        return Gestori.at(static_cast<std::size_t>(posizione - 1));
    }

    std::array<TGestoreEventi, 8> Gestori;

  private:
    const TArchivio& archivio_;
};

}  // namespace sirvela
