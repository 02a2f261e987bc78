#pragma once
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace sirvela::test {

// One entry (".TP") of a manual page section: the first bold words of its tag line, and the
// long options the tag line names.
struct TVoceManuale {
    std::string Nome;
    std::set<std::string> Opzioni;
};

// Text between the first "\\fB" and the font change that closes it.
inline std::string PrimoGrassetto(const std::string& riga) {
    const auto a = riga.find("\\fB");
    if (a == std::string::npos) return {};
    for (auto b = riga.find("\\f", a + 3); b != std::string::npos; b = riga.find("\\f", b + 2))
        if (b + 2 < riga.size() && (riga[b + 2] == 'P' || riga[b + 2] == 'R'))
            return riga.substr(a + 3, b - a - 3);
    return {};
}

// The line without font escapes ("\\fB", "\\fI", "\\fP", "\\fR") and with "\\-" read as "-".
inline std::string SenzaFont(const std::string& riga) {
    std::string testo;
    for (std::size_t i = 0; i < riga.size(); ++i) {
        if (riga[i] == '\\' && i + 2 < riga.size() && riga[i + 1] == 'f' &&
            std::string_view("BIPR").find(riga[i + 2]) != std::string_view::npos) {
            i += 2;
            continue;
        }
        if (riga[i] == '\\' && i + 1 < riga.size() && riga[i + 1] == '-') continue;
        testo += riga[i];
    }
    return testo;
}

inline std::vector<TVoceManuale> VociManuale(const std::filesystem::path& pagina,
                                             const std::string& sezione) {
    std::ifstream in(pagina);
    std::vector<TVoceManuale> voci;
    bool dentro = false, etichetta = false;
    for (std::string riga; std::getline(in, riga);) {
        if (riga.rfind(".SH", 0) == 0) {
            dentro = riga == ".SH " + sezione || riga == ".SH \"" + sezione + "\"";
            continue;
        }
        if (!dentro) continue;
        if (riga == ".TP") {
            etichetta = true;
            continue;
        }
        if (!etichetta) continue;
        etichetta = false;
        TVoceManuale v;
        v.Nome = PrimoGrassetto(riga);
        const std::string testo = SenzaFont(riga);
        // Long options: "--" then a lower-case letter, then letters and dashes.
        for (std::size_t p = testo.find("--"); p != std::string::npos; p = testo.find("--", p)) {
            std::size_t q = p + 2;
            if (q < testo.size() && testo[q] >= 'a' && testo[q] <= 'z') {
                while (q < testo.size() &&
                       ((testo[q] >= 'a' && testo[q] <= 'z') || testo[q] == '-'))
                    ++q;
                v.Opzioni.insert(testo.substr(p, q - p));
            } else {
                q = p + 2;
            }
            p = q;
        }
        voci.push_back(v);
    }
    return voci;
}

}  // namespace sirvela::test
