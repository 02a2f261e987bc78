#include "app/ListaPiloti.h"

#include <algorithm>
#include <cstdio>

#include "core/Cp1252.h"
#include "core/FlussoBinario.h"

namespace sirvela {
namespace {

int LimitaA25(int n) {
    return std::clamp(n, 0, kMaxPiloti);
}

bool Vuoto(const std::string& nome) {
    return std::all_of(nome.begin(), nome.end(), [](char c) { return c == ' '; });
}

// Cuts Windows-1252 text to 40 characters (one byte each there) and converts it.
std::string NomeDaFile(std::string riga) {
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    if (riga.size() > static_cast<std::size_t>(kLunghezzaNomePilota))
        riga.resize(kLunghezzaNomePilota);
    return DaCp1252(riga);
}

}  // namespace

void TPiloti::RicalcolaEscluso(int numeroPiloti) {
    PilotaEscluso = kNessunPilotaEscluso;
    for (int i = 1; i <= LimitaA25(numeroPiloti); ++i)
        if (Vuoto(Nomi[i])) PilotaEscluso = i;
}

const std::string& TPiloti::Nome(int pilota) const {
    static const std::string kVuoto;
    return pilota >= 1 && pilota <= kMaxPiloti ? Nomi[pilota] : kVuoto;
}

void TPiloti::ImpostaNome(int pilota, const std::string& nome) {
    if (pilota < 1 || pilota > kMaxPiloti) return;
    std::string cp = ACp1252(nome);
    if (cp.size() > static_cast<std::size_t>(kLunghezzaNomePilota)) cp.resize(kLunghezzaNomePilota);
    Nomi[pilota] = DaCp1252(cp);
}

const std::array<std::string, kNumeroNomiPredefiniti>& NomiPilotiPredefiniti() {
    static const std::array<std::string, kNumeroNomiPredefiniti> kNomi = {
        "Marco Vellani",     "Luca Brenzoni",     "Andrea Castelmari",  "Paolo Serravalle",
        "Stefan Kolbrunner", "Pierre Vaudrenac",  "Jonas Lindqvall",    "Tomás Echevarne",
        "Kevin Aldershaw",   "Nico Brandtmeier",  "Rafael Quintelo",    "Hiro Tanabashi",
        "Oliver Prestwick",  "Mathieu Delorcq",   "Giorgio Lunardelli", "Erik Haldorsen",
        "Diego Montalbán",   "Sebastian Wohlrab", "Alain Fourmentin",   "Dario Pezzolato",
        "Lars Vindegaard",   "Ivan Koretsky"};
    return kNomi;
}

TLetturaPiloti LeggiListaPiloti(const std::filesystem::path& percorso, TPiloti& piloti) {
    TLetturaPiloti esito;
    std::FILE* f = std::fopen(percorso.c_str(), "rb");
    if (f) {
        std::string riga;
        bool inRiga = false;  // a last line without its line end still counts
        int c;
        while (esito.Righe < kMaxPiloti && (c = std::fgetc(f)) != EOF) {
            inRiga = true;
            if (c != '\n') {
                // Only the first 40 characters matter, plus a possible CR: a runaway line
                // costs no memory.
                if (riga.size() <= static_cast<std::size_t>(kLunghezzaNomePilota))
                    riga.push_back(static_cast<char>(c));
                continue;
            }
            piloti.Nomi[++esito.Righe] = NomeDaFile(std::move(riga));
            riga.clear();
            inRiga = false;
        }
        if (inRiga && esito.Righe < kMaxPiloti)
            piloti.Nomi[++esito.Righe] = NomeDaFile(std::move(riga));
        esito.Letta = !std::ferror(f);
        std::fclose(f);
    }
    esito.NumeroPiloti = esito.Righe;
    if (!esito.Letta) {
        const auto& predefiniti = NomiPilotiPredefiniti();
        for (int i = 0; i < kNumeroNomiPredefiniti; ++i) piloti.Nomi[i + 1] = predefiniti[i];
        esito.NumeroPiloti = std::max(esito.Righe, kNumeroPilotiPredefinito);
    }
    return esito;
}

bool ScriviListaPiloti(const std::filesystem::path& percorso, const TPiloti& piloti,
                       int numeroPiloti) {
    TScrittore s(percorso);
    for (int i = 1; i <= LimitaA25(numeroPiloti); ++i) {
        std::string riga = ACp1252(piloti.Nomi[i]);
        riga += "\r\n";
        if (!s.Scrivi(riga.data(), riga.size())) break;
    }
    return s.Chiudi();
}

std::filesystem::path FileListaPiloti() {
    return CartellaProgramma / "listapiloti.txt";
}

}  // namespace sirvela
