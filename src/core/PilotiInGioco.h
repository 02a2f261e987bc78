#pragma once
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Colonna.h"
#include "core/Globali.h"
#include "core/TCombinazione.h"

namespace sirvela {

// The pilots a column may name: 1..NumeroPiloti except the excluded pilot (the one without a
// name). Readers, selectors, editors, checks and prints all ask here.
class TPilotiInGioco {
  public:
    // The program's default count, none excluded.
    TPilotiInGioco() : TPilotiInGioco(kNumeroPilotiPredefinito, 100) {}
    TPilotiInGioco(int numeroPiloti, int pilotaEscluso);
    // 1..numeroPiloti, none excluded: what the archive takes, since a past result may name a
    // pilot who has no name today.
    static TPilotiInGioco Tutti(int numeroPiloti) { return {numeroPiloti, 100}; }

    int Numero() const { return numero_; }
    int Escluso() const { return escluso_; }
    bool InGioco(int pilota) const {
        return pilota >= 0 && pilota < 32 && (maschera_ >> pilota & 1u) != 0;
    }
    // Bit v set for each pilot v in play.
    std::uint32_t Maschera() const { return maschera_; }
    int Quanti() const { return std::popcount(maschera_); }
    // "22", or "22 (il 13 non ha nome)" when the excluded pilot is not the last.
    std::string Descrizione() const;

    // Eight different pilots, all in play: a column that can be played.
    bool ColonnaGiocabile(const TColonna& c) const {
        std::uint32_t visti = 0;
        unsigned fuori = 0;
        for (std::uint8_t v : c) {
            fuori |= v >> 5;
            visti |= 1u << (v & 31);
        }
        return fuori == 0 && (visti & ~maschera_) == 0 && std::popcount(visti) == 8;
    }
    // Why a column cannot be played, or an empty text when it can ("il pilota 24 in 8º
    // posizione non è in gioco", "il pilota 5 è ripetuto", "nessun pilota in 3º posizione").
    std::string Difetto(const TColonna& c) const;

    bool operator==(const TPilotiInGioco&) const = default;

  private:
    int numero_;
    int escluso_;
    std::uint32_t maschera_ = 0;
};

// "8º"
std::string Ordinale(int n);

// One pilot of the position sets that is not in play, with the positions (1..8) holding it.
struct TPilotaFuoriGioco {
    int Pilota = 0;
    std::vector<int> Posizioni;
    bool operator==(const TPilotaFuoriGioco&) const = default;
};

// The pilots of the position sets that are not in play, in pilot order.
std::vector<TPilotaFuoriGioco> PilotiFuoriGioco(const TPronostico& pronostico,
                                                const TPilotiInGioco& piloti);
// "Il sistema usa il pilota 23 in 8º posizione, ma i piloti in gioco sono 22: aggiornare la
// Lista Piloti."; empty when every pilot of the sets is in play.
std::string AvvisoPilotiFuoriGioco(const TPronostico& pronostico, const TPilotiInGioco& piloti);
// The position sets with only the pilots in play, each set in its order: what is developed.
TPronostico PronosticoInGioco(const TPronostico& pronostico, const TPilotiInGioco& piloti);

}  // namespace sirvela
