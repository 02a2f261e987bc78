#include "archive/StatistichePiloti.h"

#include <algorithm>

#include "archive/TArchivio.h"
#include "core/Globali.h"
#include "core/TListaColonne.h"
#include "core/Testo.h"

namespace sirvela {

void TGestoreRighe::Calcola(const TArchivio& archivio, int posizione) {
    righe_.clear();
    TGestore90Numeri gestore(archivio);
    gestore.Calcola();
    const TGestoreEventi& g = gestore.Posizione(std::clamp(posizione, 1, 8));
    for (int k = 0; k < static_cast<int>(g.Eventi.size()); ++k)
        righe_.push_back({std::to_string(k + 1), g.Eventi[static_cast<std::size_t>(k)]});
    estrazioni_ = g.Estrazioni;
}

void TGestoreRighe::Ordina(TChiaveOrdine chiave, bool crescente) {
    const std::int32_t totale = estrazioni_;
    auto valore = [chiave, totale](const TRiga& r) -> double {
        switch (chiave) {
            case TChiaveOrdine::Numeri:
                return std::stoi(r.Numero);
            case TChiaveOrdine::Uscite:
                return r.Evento.Frequenza;
            case TChiaveOrdine::Ritardo:
                return r.Evento.Ritardo;
            case TChiaveOrdine::IC:
                return r.Evento.Indice(totale);
        }
        return 0;
    };
    std::sort(righe_.begin(), righe_.end(), [&](const TRiga& a, const TRiga& b) {
        const double va = valore(a), vb = valore(b);
        if (va != vb) return crescente ? va < vb : va > vb;
        return std::stoi(a.Numero) < std::stoi(b.Numero);
    });
}

std::array<std::string, TGestoreRighe::kColonne> TGestoreRighe::Testi(int riga) const {
    const TRiga& r = righe_.at(static_cast<std::size_t>(riga));
    const TEvento& e = r.Evento;
    return {std::to_string(riga + 1),
            r.Numero,
            std::to_string(e.Frequenza),
            TestoDueDecimali(e.Periodo(estrazioni_), 1),
            std::to_string(e.Ritardo),
            std::to_string(e.RitardoMassimo),
            TestoDueDecimali(e.Indice(estrazioni_), 1)};
}

bool TGestoreRighe::Evidenziata(int riga) const {
    return righe_.at(static_cast<std::size_t>(riga)).Evento.Indice(estrazioni_) > 1;
}

void TFrequenzeNumeri::Calcola(const TListaColonne& colonne) {
    for (auto& riga : conteggi_) riga.fill(0);
    colonne_ = 0;
    for (const TColonna& c : colonne) {
        ++colonne_;
        for (std::size_t q = 0; q < 8; ++q)
            if (c[q] <= kMaxPiloti) ++conteggi_[c[q]][q];  // 0 = none: row 0 is never shown
    }
}

std::uint32_t TFrequenzeNumeri::Conteggio(int pilota, int posizione) const {
    if (pilota < 1 || pilota > kMaxPiloti || posizione < 1 || posizione > 8) return 0;
    return conteggi_[static_cast<std::size_t>(pilota)][static_cast<std::size_t>(posizione - 1)];
}

std::string TFrequenzeNumeri::Testo(int pilota, int posizione, bool percento) const {
    const std::uint32_t n = Conteggio(pilota, posizione);
    if (percento)
        return TestoDueDecimali(colonne_ ? n * 100.0 / static_cast<double>(colonne_) : 0.0, 6);
    std::string t = std::to_string(n);
    if (t.size() < 6) t.insert(0, 6 - t.size(), ' ');
    return t;
}

}  // namespace sirvela
