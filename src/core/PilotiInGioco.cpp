#include "core/PilotiInGioco.h"

#include <algorithm>

#include "core/Globali.h"

namespace sirvela {

TPilotiInGioco::TPilotiInGioco(int numeroPiloti, int pilotaEscluso)
    : numero_(std::clamp(numeroPiloti, 0, kMaxPiloti)), escluso_(pilotaEscluso) {
    for (int v = 1; v <= numero_; ++v)
        if (v != escluso_) maschera_ |= 1u << v;
}

std::string TPilotiInGioco::Descrizione() const {
    std::string testo = std::to_string(Quanti());
    if (escluso_ >= 1 && escluso_ < numero_)
        testo += " (il " + std::to_string(escluso_) + " non ha nome)";
    return testo;
}

std::string TPilotiInGioco::Difetto(const TColonna& c) const {
    std::uint32_t visti = 0;
    for (int i = 0; i < 8; ++i) {
        const int v = c[static_cast<std::size_t>(i)];
        if (v == 0) return "nessun pilota in " + Ordinale(i + 1) + " posizione";
        if (!InGioco(v))
            return "il pilota " + std::to_string(v) + " in " + Ordinale(i + 1) +
                   " posizione non è in gioco";
        if (visti >> v & 1u) return "il pilota " + std::to_string(v) + " è ripetuto";
        visti |= 1u << v;
    }
    return {};
}

std::string Ordinale(int n) {
    return std::to_string(n) + "º";
}

std::vector<TPilotaFuoriGioco> PilotiFuoriGioco(const TPronostico& pronostico,
                                                const TPilotiInGioco& piloti) {
    std::vector<TPilotaFuoriGioco> fuori;
    for (int p = 1; p <= 8; ++p) {
        const TCombinazione& insieme = pronostico.Posizione[static_cast<std::size_t>(p - 1)];
        for (int i = 0; i < insieme.Conta(); ++i) {
            const int v = insieme.Numeri[static_cast<std::size_t>(i)];
            if (piloti.InGioco(v)) continue;
            auto it = std::find_if(fuori.begin(), fuori.end(),
                                   [v](const TPilotaFuoriGioco& f) { return f.Pilota == v; });
            if (it == fuori.end()) it = fuori.insert(fuori.end(), TPilotaFuoriGioco{v, {}});
            if (it->Posizioni.empty() || it->Posizioni.back() != p) it->Posizioni.push_back(p);
        }
    }
    std::sort(
        fuori.begin(), fuori.end(),
        [](const TPilotaFuoriGioco& a, const TPilotaFuoriGioco& b) { return a.Pilota < b.Pilota; });
    return fuori;
}

namespace {

// "a", "a e b", "a, b e c"
std::string Elenco(const std::vector<std::string>& voci) {
    std::string testo;
    for (std::size_t i = 0; i < voci.size(); ++i) {
        if (i > 0) testo += i + 1 == voci.size() ? " e " : ", ";
        testo += voci[i];
    }
    return testo;
}

}  // namespace

std::string AvvisoPilotiFuoriGioco(const TPronostico& pronostico, const TPilotiInGioco& piloti) {
    const auto fuori = PilotiFuoriGioco(pronostico, piloti);
    if (fuori.empty()) return {};
    std::vector<std::string> voci;
    for (const auto& f : fuori) {
        std::vector<std::string> posti;
        for (int p : f.Posizioni) posti.push_back(Ordinale(p));
        voci.push_back("il pilota " + std::to_string(f.Pilota) + " in " + Elenco(posti) +
                       " posizione");
    }
    return "Il sistema usa " + Elenco(voci) + ", ma i piloti in gioco sono " +
           piloti.Descrizione() + ": aggiornare la Lista Piloti.";
}

TPronostico PronosticoInGioco(const TPronostico& pronostico, const TPilotiInGioco& piloti) {
    TPronostico r = pronostico;
    for (TCombinazione& p : r.Posizione) {
        TCombinazione tenuti;
        for (int i = 0; i < p.Conta(); ++i)
            if (piloti.InGioco(p.Numeri[static_cast<std::size_t>(i)]))
                tenuti.Numeri[static_cast<std::size_t>(tenuti.Quanti++)] =
                    p.Numeri[static_cast<std::size_t>(i)];
        p = tenuti;
    }
    return r;
}

}  // namespace sirvela
