#pragma once
#include <filesystem>
#include <string>

#include "core/Globali.h"
#include "support/Supporto.h"

namespace sirvela::test {

// The program's globals (pilot count, program folder, last column file, format version) and
// the current folder, put back when the object goes, also when a test fails half way.
using GlobaliSalvati = TStatoGlobali;

// A program folder of its own for one test: the globals are saved (and put back at the end,
// also when the test fails half way), CartellaProgramma is a fresh temporary folder with the
// program's sub-folders, removed at the end.
class ProgrammaDiProva {
  public:
    ProgrammaDiProva();
    const std::filesystem::path& Percorso() const { return cartella_.Percorso(); }
    std::filesystem::path operator/(const std::string& nome) const { return cartella_ / nome; }

  private:
    CartellaTemporanea cartella_;  // declared first: removed after the globals are back
    GlobaliSalvati globali_;
};

}  // namespace sirvela::test
