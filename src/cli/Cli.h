#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "printing/StampaPdf.h"

namespace sirvela {

// Runs sirvela-cli with the given arguments (without the program name), writing to the
// given streams; returns the exit code. main() and the in-process tests both call it; the
// "stampa" commands draw their PDFs through `stampaPdf` (main passes the Qt backend).
int EseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
              TStampaPdf stampaPdf = {});

// A command of sirvela-cli ("sistema esporta") with its long options ("--json"); the first
// entry, named "", is the program's own options. The manual page lists the same.
struct TComandoCli {
    std::string Nome;
    std::vector<std::string> Opzioni;
};
std::vector<TComandoCli> ComandiCli();

}  // namespace sirvela
