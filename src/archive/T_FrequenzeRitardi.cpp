#include "archive/T_FrequenzeRitardi.h"

#include <algorithm>

namespace sirvela {

void T_FrequenzeRitardi::Inizializza(int massimo) {
    Primaria.clear();
    Secondaria.clear();
    if (massimo >= 0) {
        Primaria.resize(static_cast<std::size_t>(massimo) + 1);
        Secondaria.resize(static_cast<std::size_t>(massimo) + 1);
    }
    MaxValore = massimo < 0 ? -1 : massimo;
    Estrazioni = 0;
}

void T_FrequenzeRitardi::Aggiungi(int primario, int secondario, bool aggiornaRitardi) {
    ++Estrazioni;
    const int m = std::max(primario, secondario);
    if (m > MaxValore) {
        Primaria.resize(static_cast<std::size_t>(m) + 1);
        Secondaria.resize(static_cast<std::size_t>(m) + 1);
        MaxValore = m;
    }
    if (primario >= 0) ++Primaria[primario].Frequenza;
    if (secondario >= 0) ++Secondaria[secondario].Frequenza;
    if (!aggiornaRitardi) return;
    auto avanza = [](std::vector<TElemRFRM>& lista, int uscito) {
        for (int j = 0; j < static_cast<int>(lista.size()); ++j) {
            if (j == uscito) continue;
            auto& e = lista[j];
            ++e.Ritardo;
            if (e.Ritardo > e.RitardoMassimo) e.RitardoMassimo = e.Ritardo;
        }
        if (uscito >= 0) lista[uscito].Ritardo = 0;
    };
    avanza(Primaria, primario);
    avanza(Secondaria, secondario);
}

void T_FrequenzeRitardi::Somma(const T_FrequenzeRitardi& altra) {
    Estrazioni += altra.Estrazioni;
    if (altra.MaxValore > MaxValore) {
        Primaria.resize(static_cast<std::size_t>(altra.MaxValore) + 1);
        Secondaria.resize(static_cast<std::size_t>(altra.MaxValore) + 1);
        MaxValore = altra.MaxValore;
    }
    for (std::size_t i = 0; i < altra.Primaria.size(); ++i)
        Primaria[i].Frequenza += altra.Primaria[i].Frequenza;
    for (std::size_t i = 0; i < altra.Secondaria.size(); ++i)
        Secondaria[i].Frequenza += altra.Secondaria[i].Frequenza;
}

const TElemRFRM* T_FrequenzeRitardi::Elemento(int v) const {
    const auto& lista = LeggiPrimaria ? Primaria : Secondaria;
    if (v < 0 || v >= static_cast<int>(lista.size())) return nullptr;
    return &lista[v];
}

std::int32_t T_FrequenzeRitardi::Frequenza(int v) const {
    auto e = Elemento(v);
    return e ? e->Frequenza : 0;
}
std::int32_t T_FrequenzeRitardi::Ritardo(int v) const {
    auto e = Elemento(v);
    return e ? e->Ritardo : 0;
}
std::int32_t T_FrequenzeRitardi::RitardoMassimo(int v) const {
    auto e = Elemento(v);
    return e ? e->RitardoMassimo : 0;
}

void T_FrequenzeRitardi::Copia(std::unique_ptr<T_FrequenzeRitardi>& destinazione,
                               const T_FrequenzeRitardi& sorgente) {
    // Every element is copied, also when the table holds a single value.
    destinazione = std::make_unique<T_FrequenzeRitardi>();
    destinazione->Inizializza(sorgente.MaxValore);
    destinazione->Primaria = sorgente.Primaria;
    destinazione->Secondaria = sorgente.Secondaria;
    destinazione->Estrazioni = sorgente.Estrazioni;
}

}  // namespace sirvela
