#include "tools/TSchedinaVin.h"

#include <algorithm>

#include "core/TListaColonne.h"

namespace sirvela {

void TVisualizzatoreColonne::Carica(const TListaColonne& lista) {
    colonne_ = lista.ComeVettore();
}

std::int64_t TVisualizzatoreColonne::QuanteSchedine() const {
    const auto n = static_cast<std::int64_t>(colonne_.size());
    return (n + kColonnePerSchedina - 1) / kColonnePerSchedina;
}

TSchedinaVin TVisualizzatoreColonne::Schedina(std::int64_t k) const {
    TSchedinaVin s;
    s.Numero = static_cast<std::int32_t>(k);
    if (k < 1 || k > QuanteSchedine()) return s;
    const auto primo = static_cast<std::size_t>((k - 1) * kColonnePerSchedina);
    for (std::size_t i = primo; i < colonne_.size() && s.Quante < kColonnePerSchedina; ++i)
        s.Posti[s.Quante++].Colonna = colonne_[i];
    return s;
}

std::vector<TSchedinaVin> TVisualizzatoreColonne::Pagina(std::int64_t posizione) const {
    std::vector<TSchedinaVin> v;
    posizione = std::clamp<std::int64_t>(posizione, 0, MassimoScorrimento());
    for (std::int64_t k = posizione + 1; k <= QuanteSchedine() && k <= posizione + Pannelli(); ++k)
        v.push_back(Schedina(k));
    return v;
}

std::vector<TSchedinaVin> CreaListaSchedine(const TListaColonne& lista) {
    std::vector<TSchedinaVin> v;
    v.reserve(static_cast<std::size_t>((lista.Quante() + 1) / kColonnePerSchedina));
    for (const TColonna& c : lista) {
        if (v.empty() || v.back().Quante == kColonnePerSchedina) {
            v.emplace_back();
            v.back().Numero = static_cast<std::int32_t>(v.size());
        }
        v.back().Posti[v.back().Quante++].Colonna = c;
    }
    return v;
}

}  // namespace sirvela
