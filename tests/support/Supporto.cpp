#include "support/Supporto.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace sirvela::test {

CartellaTemporanea::CartellaTemporanea() {
    std::random_device rd;
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        auto p = std::filesystem::temp_directory_path() /
                 ("sirvela-test-" + std::to_string(rd()) + std::to_string(rd()));
        if (std::filesystem::create_directory(p)) {
            percorso_ = p;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
}

std::vector<std::uint8_t> LeggiByte(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

void ScriviByte(const std::filesystem::path& p, const std::vector<std::uint8_t>& dati) {
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
}

void ScriviTesto(const std::filesystem::path& p, const std::string& testo) {
    std::ofstream f(p, std::ios::binary);
    f << testo;
}

std::vector<std::uint8_t> ConcorsiInOrdine(int quanti) {
    std::vector<std::uint8_t> b;
    for (int i = 0; i < quanti; ++i) {
        const int anno = 2000 + i / 200;
        for (int v : {i % 200 + 1, anno & 0xFF, anno >> 8, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8})
            b.push_back(static_cast<std::uint8_t>(v));
    }
    return b;
}

TComando EseguiComando(const std::string& comando) {
    TComando r;
    FILE* p = popen(comando.c_str(), "r");
    if (!p) return r;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;)
        r.Uscita.append(buffer, n);
    r.Stato = pclose(p);
    return r;
}

}  // namespace sirvela::test
