#include <iostream>

#include "cli/Cli.h"
#include "printing/qt/SuperficieQt.h"

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return sirvela::EseguiCli(argomenti, std::cout, std::cerr, sirvela::StampaSuPdf);
}
