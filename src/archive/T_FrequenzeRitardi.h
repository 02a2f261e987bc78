#pragma once
#include <cstdint>
#include <memory>
#include <vector>

namespace sirvela {

// Counters of one value: current delay, longest delay, frequency.
struct TElemRFRM {
    std::int32_t Ritardo = 0;
    std::int32_t RitardoMassimo = 0;
    std::int32_t Frequenza = 0;
    bool operator==(const TElemRFRM&) const = default;
};

// Frequency and delay of a condition's values, in two parallel lists: the primary value and
// the secondary one. Both lists always hold MaxValore + 1 elements.
class T_FrequenzeRitardi {
  public:
    std::vector<TElemRFRM> Primaria;
    std::vector<TElemRFRM> Secondaria;
    std::int32_t MaxValore = -1;
    std::int32_t Estrazioni = 0;
    bool LeggiPrimaria = true;

    void Inizializza(int massimo);
    // Counts one item; the lists grow when a value is beyond them. Delays advance only with
    // aggiornaRitardi (archive walks, in chronological order). Negative values have no element
    // and are not counted.
    void Aggiungi(int primario, int secondario, bool aggiornaRitardi);

    // Adds the frequencies and the count of another table (delays are left alone).
    void Somma(const T_FrequenzeRitardi& altra);

    // From the list chosen by LeggiPrimaria; 0 for a value beyond the lists.
    std::int32_t Frequenza(int v) const;
    std::int32_t Ritardo(int v) const;
    std::int32_t RitardoMassimo(int v) const;
    const TElemRFRM* Elemento(int v) const;

    // A new table in the destination with the source's counters; LeggiPrimaria is true.
    static void Copia(std::unique_ptr<T_FrequenzeRitardi>& destinazione,
                      const T_FrequenzeRitardi& sorgente);
};

}  // namespace sirvela
