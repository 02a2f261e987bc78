#pragma once
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/Colonna.h"
#include "support/Supporto.h"

namespace sirvela::test {

struct TEsitoCli {
    int Codice = -1;
    std::string Out;
    std::string Err;
};

// Runs one command in-process with its own program folder.
inline TEsitoCli Cli(std::vector<std::string> argomenti, const CartellaTemporanea& cartella) {
    argomenti.push_back("--cartella");
    argomenti.push_back((cartella / "programma").string());
    std::ostringstream out, err;
    TEsitoCli e;
    e.Codice = EseguiCli(argomenti, out, err);
    e.Out = out.str();
    e.Err = err.str();
    return e;
}

// The last line of stdout, read as JSON.
inline nlohmann::ordered_json UltimaRigaJson(const std::string& out) {
    std::string testo = out;
    while (!testo.empty() && testo.back() == '\n') testo.pop_back();
    const auto p = testo.rfind('\n');
    return nlohmann::ordered_json::parse(p == std::string::npos ? testo : testo.substr(p + 1));
}

inline void ScriviColonne(const std::filesystem::path& p, const std::vector<TColonna>& colonne) {
    std::vector<std::uint8_t> byte;
    for (const auto& c : colonne) byte.insert(byte.end(), c.begin(), c.end());
    ScriviByte(p, byte);
}

inline std::vector<TColonna> LeggiColonne(const std::filesystem::path& p) {
    const auto byte = LeggiByte(p);
    std::vector<TColonna> colonne(byte.size() / 8);
    for (std::size_t i = 0; i < colonne.size(); ++i)
        for (std::size_t k = 0; k < 8; ++k) colonne[i][k] = byte[i * 8 + k];
    return colonne;
}

}  // namespace sirvela::test
