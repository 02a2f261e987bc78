#pragma once
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sirvela {

// Data folders created beside the settings files on first start.
inline constexpr const char* kSottocartelle[] = {"Sistemi", "Colonne", "Archivi",
                                                 "Quadri",  "Sfondi",  "Wav"};

// The settings file; beside the executable it marks a portable install.
inline constexpr const char* kFileConfigurazione = "Sirvela.cfg";

// Reads an environment variable; nullptr when unset. Tests pass their own.
using TAmbiente = std::function<const char*(const char*)>;
inline const char* AmbienteDiSistema(const char* nome) {
    return std::getenv(nome);
}

// Where the program keeps its data: the folder asked for, else SIRVELA_HOME, else the
// executable's folder when it already holds the settings file, else $XDG_DATA_HOME/sirvela
// when that is absolute, else ~/.local/share/sirvela. Nothing is created here.
std::filesystem::path ScegliCartellaProgramma(const std::optional<std::filesystem::path>& richiesta,
                                              const std::filesystem::path& cartellaEseguibile,
                                              const TAmbiente& ambiente = AmbienteDiSistema);

// Folder of the running executable (empty when it cannot be found).
std::filesystem::path CartellaEseguibile(const char* argv0 = nullptr);

// Creates the program folder and its sub-folders, sets CartellaProgramma and makes it the
// current directory. Throws TErroreSirvela with the Italian text when a folder cannot be made.
std::filesystem::path PreparaCartellaProgramma(
    const std::optional<std::filesystem::path>& richiesta,
    const std::filesystem::path& cartellaEseguibile = CartellaEseguibile(),
    const TAmbiente& ambiente = AmbienteDiSistema);

struct TAvvio {
    std::filesystem::path Cartella;
    std::vector<std::string> Argomenti;      // what is left after the folder option, in order
    std::filesystem::path CartellaIniziale;  // the current folder before the move
};

// A file named on the command line, as the user meant it: a relative name is taken from the
// folder that was current when the program started, not from the program folder.
std::filesystem::path PercorsoDaRigaDiComando(const TAvvio& avvio, const std::string& argomento);

// Prepares the program folder asked for on the command line (or the one chosen without it),
// remembering the folder that was current before the move and the files named.
TAvvio PreparaAvvio(const std::optional<std::filesystem::path>& richiesta,
                    std::vector<std::string> argomenti,
                    const std::filesystem::path& cartellaEseguibile = CartellaEseguibile(),
                    const TAmbiente& ambiente = AmbienteDiSistema);

}  // namespace sirvela
