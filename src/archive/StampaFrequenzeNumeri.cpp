#include "archive/StampaFrequenzeNumeri.h"

#include <algorithm>
#include <string>

#include "archive/StatistichePiloti.h"
#include "core/Globali.h"

namespace sirvela {

bool StampaFrequenzeNumeri(TmmPrinter& p, const TFrequenzeNumeri& frequenze, bool percento,
                           TControlloStampa& controllo) {
    p.Inizia(kTitoloFrequenzeNumeri);
    p.Carattere(kCarattereFisso10);
    p.TitoloCentrato(10, kTitoloFrequenzeNumeri);
    TTabellaStampa t;
    t.AltezzaRiga = 6;
    t.Larghezze.push_back(12);
    t.Celle.push_back({"Num."});
    for (int q = 1; q <= 8; ++q) {
        t.Larghezze.push_back(18);
        t.Celle[0].push_back("  " + std::to_string(q) + "º");
    }
    const int piloti = std::clamp<int>(NumeroPiloti, 1, kMaxPiloti);
    for (int pilota = 1; pilota <= piloti; ++pilota) {
        std::vector<std::string> riga{std::to_string(pilota)};
        for (int q = 1; q <= 8; ++q) riga.push_back(frequenze.Testo(pilota, q, percento));
        t.Celle.push_back(std::move(riga));
    }
    if (controllo.Annullata()) return false;
    p.Tabella((p.LarghezzaPagina() - t.Larghezza()) / 2, 20, t);
    p.Termina();
    return true;
}

}  // namespace sirvela
