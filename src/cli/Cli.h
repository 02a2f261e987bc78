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

}  // namespace sirvela
