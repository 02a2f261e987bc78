#include "archive/TGestore90Numeri.h"

#include <algorithm>

#include "archive/TArchivio.h"
#include "core/Globali.h"

namespace sirvela {

double TEvento::Periodo(std::int32_t totale) const {
    return Frequenza == 0 ? 0.0 : static_cast<double>(totale) / Frequenza;
}

double TEvento::Indice(std::int32_t totale) const {
    const double periodo = Periodo(totale);
    return periodo > 0 ? Ritardo / periodo : 0.0;
}

TGestoreEventi::TGestoreEventi(int quanti)
    : Eventi(static_cast<std::size_t>(std::clamp(quanti, 0, kMaxPiloti))) {}

void TGestoreEventi::AggiungiEstrazione(std::span<const int> valori) {
    for (int v : valori) {
        if (v < 1 || v > static_cast<int>(Eventi.size())) continue;
        auto& e = Eventi[static_cast<std::size_t>(v - 1)];
        ++e.Frequenza;
        e.Ritardo = 0;
        e.Uscito = true;
    }
    ++Estrazioni;
    for (auto& e : Eventi) {
        if (e.Uscito) {
            e.Uscito = false;
        } else if (++e.Ritardo > e.RitardoMassimo) {
            e.RitardoMassimo = e.Ritardo;
        }
    }
}

namespace {
template <std::size_t... I>
std::array<TGestoreEventi, 8> OttoGestori(int n, std::index_sequence<I...>) {
    return {((void)I, TGestoreEventi(n))...};
}
}  // namespace

TGestore90Numeri::TGestore90Numeri(const TArchivio& archivio)
    : Gestori(OttoGestori(NumeroPiloti, std::make_index_sequence<8>{})), archivio_(archivio) {}

void TGestore90Numeri::Calcola() {
    for (auto& g : Gestori) g.Estrazioni = 0;
    const auto& selezione = archivio_.Selezione;
    for (int i = 0; i < archivio_.Quante(); ++i) {
        const TEstrazione& e = archivio_[i];
        if (!selezione.Contiene(e, i)) continue;
        for (std::size_t p = 0; p < 8; ++p) {
            const int v = e.Vincente[p];
            if (v > 0) Gestori[p].AggiungiEstrazione(&v, 1);
        }
    }
}

}  // namespace sirvela
