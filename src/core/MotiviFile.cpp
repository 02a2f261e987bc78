#include "core/MotiviFile.h"

#include <unistd.h>

namespace sirvela {
namespace fs = std::filesystem;

std::optional<std::string> MotivoNonLeggibile(const fs::path& percorso) {
    std::error_code ec;
    const fs::file_status stato = fs::status(percorso, ec);
    if (!fs::exists(stato))
        return fs::is_symlink(fs::symlink_status(percorso, ec)) ? "collegamento non valido"
                                                                : "file non trovato";
    if (fs::is_directory(stato)) return "è una cartella";
    if (::access(percorso.c_str(), R_OK) != 0) return "permesso negato";
    return std::nullopt;
}

std::string MotivoLettura(const fs::path& percorso) {
    return MotivoNonLeggibile(percorso).value_or("errore di lettura");
}

std::string MotivoScrittura(const fs::path& percorso) {
    std::error_code ec;
    const fs::path cartella =
        percorso.has_parent_path() ? percorso.parent_path() : fs::current_path(ec);
    if (!fs::is_directory(cartella, ec)) return "la cartella " + cartella.string() + " non esiste";
    if (fs::is_directory(percorso, ec)) return "è una cartella";
    if (::access(cartella.c_str(), W_OK) != 0 ||
        (fs::exists(percorso, ec) && ::access(percorso.c_str(), W_OK) != 0))
        return "permesso negato";
    const fs::space_info spazio = fs::space(cartella, ec);
    if (!ec && spazio.available == 0) return "disco pieno";
    return "errore di scrittura";
}

std::string NomeMostrato(const fs::path& file) {
    return file.filename().string();
}

std::string ConFile(const std::string& testo, const fs::path& file, const std::string& motivo) {
    auto senzaPunto = [](std::string t) {
        while (!t.empty() && (t.back() == ' ' || t.back() == '.')) t.pop_back();
        return t;
    };
    return senzaPunto(testo) + " " + NomeMostrato(file) + ": " + senzaPunto(motivo) + ".";
}

std::string ErroreCaricamento(const std::string& testo, const fs::path& file) {
    return ConFile(testo, file, MotivoNonLeggibile(file).value_or("file incompleto o danneggiato"));
}

}  // namespace sirvela
