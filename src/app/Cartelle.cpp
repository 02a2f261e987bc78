#include "app/Cartelle.h"

#include "core/Errore.h"
#include "core/Globali.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

// A portable install marks itself with its settings file beside the executable.
bool Portatile(const fs::path& cartella) {
    std::error_code ec;
    return !cartella.empty() && fs::is_regular_file(cartella / kFileConfigurazione, ec);
}

bool Valorizzata(const char* v) {
    return v != nullptr && *v != '\0';
}

fs::path Assoluto(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec);
    if (ec) return p;
    fs::path c = fs::weakly_canonical(a, ec);
    return ec ? a.lexically_normal() : c;
}

void CreaCartella(const fs::path& p) {
    std::error_code ec;
    fs::create_directories(p, ec);
    if (ec || !fs::is_directory(p, ec))
        throw TErroreSirvela("Impossibile creare la cartella \"" + p.string() + "\"");
}

}  // namespace

fs::path ScegliCartellaProgramma(const std::optional<fs::path>& richiesta,
                                 const fs::path& cartellaEseguibile, const TAmbiente& ambiente) {
    if (richiesta && !richiesta->empty()) return Assoluto(*richiesta);
    if (const char* home = ambiente("SIRVELA_HOME"); Valorizzata(home)) return Assoluto(home);
    if (Portatile(cartellaEseguibile)) return Assoluto(cartellaEseguibile);
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    if (const char* xdg = ambiente("XDG_DATA_HOME");
        Valorizzata(xdg) && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "sirvela";
    if (const char* casa = ambiente("HOME"); Valorizzata(casa))
        return fs::path(casa) / ".local" / "share" / "sirvela";
    return Assoluto(fs::path("sirvela"));
}

fs::path CartellaEseguibile(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path();
    if (argv0 && *argv0) return Assoluto(argv0).parent_path();
    return {};
}

fs::path PreparaCartellaProgramma(const std::optional<fs::path>& richiesta,
                                  const fs::path& cartellaEseguibile, const TAmbiente& ambiente) {
    const fs::path cartella = ScegliCartellaProgramma(richiesta, cartellaEseguibile, ambiente);
    CreaCartella(cartella);
    std::error_code ec;
    fs::current_path(cartella, ec);
    if (ec)
        throw TErroreSirvela("Impossibile accedere alla cartella \"" + cartella.string() + "\"");
    CartellaProgramma = cartella;
    for (const char* nome : kSottocartelle) CreaCartella(cartella / nome);
    return cartella;
}

TAvvio PreparaAvvio(const std::optional<fs::path>& richiesta, std::vector<std::string> argomenti,
                    const fs::path& cartellaEseguibile, const TAmbiente& ambiente) {
    TAvvio avvio;
    std::error_code ec;
    avvio.CartellaIniziale = fs::current_path(ec);
    avvio.Argomenti = std::move(argomenti);
    avvio.Cartella = PreparaCartellaProgramma(richiesta, cartellaEseguibile, ambiente);
    return avvio;
}

fs::path PercorsoDaRigaDiComando(const TAvvio& avvio, const std::string& argomento) {
    const fs::path p(argomento);
    if (argomento.empty() || p.is_absolute() || avvio.CartellaIniziale.empty()) return p;
    return (avvio.CartellaIniziale / p).lexically_normal();
}

}  // namespace sirvela
