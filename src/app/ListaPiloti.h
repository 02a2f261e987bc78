#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/Globali.h"

namespace sirvela {

inline constexpr int kLunghezzaNomePilota = 40;
inline constexpr int kNumeroNomiPredefiniti = 22;
// Pilot number meaning "every name is filled".
inline constexpr std::int32_t kNessunPilotaEscluso = 100;

// The pilots' names, slot 1..25 (slot 0 unused), and the pilot left out of the game: the last
// one in play whose name is empty once blanks are removed.
struct TPiloti {
    std::array<std::string, kMaxPiloti + 1> Nomi{};
    std::int32_t PilotaEscluso = kNessunPilotaEscluso;

    // Looks at pilots 1..numeroPiloti (clamped to 25).
    void RicalcolaEscluso(int numeroPiloti);
    // Empty for a number outside 1..25.
    const std::string& Nome(int pilota) const;
    // Stores a name cut to 40 characters; numbers outside 1..25 are ignored.
    void ImpostaNome(int pilota, const std::string& nome);

    bool operator==(const TPiloti&) const = default;
};

// The names used when the pilot list cannot be read.
const std::array<std::string, kNumeroNomiPredefiniti>& NomiPilotiPredefiniti();

struct TLetturaPiloti {
    bool Letta = false;  // the file was read to its end (or to the 25th line)
    int Righe = 0;       // lines read, at most 25
    // The pilot count the list gives: the lines read, or the built-in field when unreadable.
    int NumeroPiloti = 0;
};

// One name per line, Windows-1252, CR LF or LF line ends; names cut to 40 characters, at most
// 25 lines. When the file cannot be read the first 22 slots get the built-in names, any line
// read beyond them is kept and the count is the default 23 (at least): pilot 23 has no name,
// so the built-in field plays with pilots 1..22. PilotaEscluso is left to the caller (the
// count may change).
TLetturaPiloti LeggiListaPiloti(const std::filesystem::path& percorso, TPiloti& piloti);
// Names of pilots 1..numeroPiloti, CR LF line ends, Windows-1252; the old file survives a
// failed write.
bool ScriviListaPiloti(const std::filesystem::path& percorso, const TPiloti& piloti,
                       int numeroPiloti);

std::filesystem::path FileListaPiloti();  // <program folder>/listapiloti.txt

}  // namespace sirvela
