#include "download/TInternet.h"

#include <fstream>

#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {
namespace {

std::string Minuscolo(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool LeggiRiga(std::istream& in, std::string& riga) {
    if (!std::getline(in, riga)) return false;
    if (!riga.empty() && riga.back() == '\r') riga.pop_back();
    riga = Minuscolo(std::move(riga));
    return true;
}

}  // namespace

std::string ChiaveSezione(std::int32_t versione) {
    const std::string testo = TestoVersione(versione);
    return "sirvela " + testo.substr(0, 1);
}

bool TInternet::Leggi(std::istream& testo, const std::string& chiaveSezione) {
    const std::string chiave = Minuscolo(chiaveSezione);
    std::string riga;
    bool sezione = false;
    while (!sezione && LeggiRiga(testo, riga)) sezione = riga.find(chiave) != std::string::npos;
    if (!sezione) return false;
    struct Voce {
        const char* Chiave;
        std::string* Valore;
    };
    const Voce voci[] = {
        {"hostname=", &HostName}, {"archividir=", &ArchiviDir}, {"exedir=", &ExeDir}};
    auto completi = [&] { return !HostName.empty() && !ArchiviDir.empty() && !ExeDir.empty(); };
    while (!completi() && LeggiRiga(testo, riga)) {
        for (const Voce& v : voci) {
            const std::string k = v.Chiave;
            if (riga.find(k) == std::string::npos) continue;
            // Cut by count: a key standing later in the line leaves part of itself behind.
            *v.Valore = riga.substr(k.size());
            break;
        }
    }
    return completi();
}

bool TInternet::LeggiFile(const std::filesystem::path& percorso, const std::string& chiaveSezione) {
    std::ifstream in(percorso, std::ios::binary);
    return in && Leggi(in, chiaveSezione);
}

std::filesystem::path TServerDescrizione::FileLocale() {
    return CartellaProgramma / "ServerAggiornamenti.txt";
}

TServerDescrizione TServerDescrizione::Leggi(const std::filesystem::path& percorso) {
    TServerDescrizione s;
    std::ifstream in(percorso, std::ios::binary);
    std::string riga;
    while (in && std::getline(in, riga)) {
        const std::string t = Trim(riga);
        if (t.empty() || t[0] == '#') continue;
        const auto uguale = t.find('=');
        if (uguale == std::string::npos) continue;
        const std::string nome = Minuscolo(Trim(t.substr(0, uguale)));
        const std::string valore = Trim(t.substr(uguale + 1));
        long long porta = 0;
        if (nome == "host" && !valore.empty())
            s.Host = valore;
        else if (nome == "porta" && InteroDaTesto(valore, porta) && porta >= 1 && porta <= 65535)
            s.Porta = static_cast<int>(porta);
    }
    return s;
}

}  // namespace sirvela
