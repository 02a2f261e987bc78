#pragma once
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace sirvela::test {

// One entry (".TP") of a manual page section: the first bold words of its tag line, and the
// long options the tag line names.
struct TVoceManuale {
    std::string Nome;
    std::set<std::string> Opzioni;
};

inline std::vector<TVoceManuale> VociManuale(const std::filesystem::path& pagina,
                                             const std::string& sezione) {
    std::ifstream in(pagina);
    std::vector<TVoceManuale> voci;
    bool dentro = false, etichetta = false;
    const std::regex grassetto(R"(\\fB(.*?)\\f[PR])"), font(R"(\\f[BIPR])");
    const std::regex opzione(R"(--[a-z][a-z-]*)");
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
        if (std::smatch m; std::regex_search(riga, m, grassetto)) v.Nome = m[1];
        std::string testo = std::regex_replace(riga, font, "");
        for (std::size_t p; (p = testo.find("\\-")) != std::string::npos;) testo.erase(p, 1);
        for (std::sregex_iterator i(testo.begin(), testo.end(), opzione), fine; i != fine; ++i)
            v.Opzioni.insert(i->str());
        voci.push_back(v);
    }
    return voci;
}

}  // namespace sirvela::test
