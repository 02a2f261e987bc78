#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace sirvela {

// Why a file cannot be opened for reading: "file non trovato", "è una cartella", "permesso
// negato"; nothing when it can (what went wrong is then in its content).
std::optional<std::string> MotivoNonLeggibile(const std::filesystem::path& percorso);
// The same looked up after a failed read, "errore di lettura" when none of those explains it.
std::string MotivoLettura(const std::filesystem::path& percorso);
// Why a file cannot be written there: "la cartella ... non esiste", "è una cartella",
// "permesso negato", "disco pieno", or "errore di scrittura".
std::string MotivoScrittura(const std::filesystem::path& percorso);
// A failure naming its file: the fixed text first (its final period dropped), then the file
// name and the reason: "Impossibile Caricare il Sistema esempio.Sst: file non trovato."
std::string ConFile(const std::string& testo, const std::filesystem::path& file,
                    const std::string& motivo);
// A failure to read a stored file: ConFile with why it cannot be opened, or "file incompleto
// o danneggiato" when it could be opened but its content is not what it should be.
std::string ErroreCaricamento(const std::string& testo, const std::filesystem::path& file);
// The name a message shows: the file name without its folder.
std::string NomeMostrato(const std::filesystem::path& file);

}  // namespace sirvela
