#pragma once
#include <filesystem>
#include <string>

#include "core/Globali.h"
#include "support/Supporto.h"

namespace sirvela::test {

// The program's globals (pilot count, program folder, last column file, format version) and
// the current folder, put back when the object goes, also when a test fails half way.
using GlobaliSalvati = TStatoGlobali;

// A test's own program folder: the globals are saved, CartellaProgramma is a fresh temporary
// folder with the program's sub-folders and 23 pilots are in play; everything is put back
// and the folder removed at the end. It comes first so that a document takes its file names
// from it.
struct TCartellaDiProva {
    CartellaTemporanea cartella;  // declared first: removed after the globals are back
    GlobaliSalvati globali;

    TCartellaDiProva();
    const std::filesystem::path& Percorso() const { return cartella.Percorso(); }
    std::filesystem::path operator/(const std::string& nome) const { return cartella / nome; }
};

}  // namespace sirvela::test
