#include "printing/StampaPdf.h"

namespace sirvela {

std::optional<std::string> ErrorePercorsoPdf(const std::filesystem::path& percorso) {
    std::error_code ec;
    if (percorso.filename().empty() || std::filesystem::is_directory(percorso, ec))
        return "Il nome del file PDF non è valido: " + percorso.string();
    const auto cartella =
        percorso.has_parent_path() ? percorso.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(cartella, ec))
        return "La cartella " + cartella.string() + " non esiste.";
    return std::nullopt;
}

}  // namespace sirvela
