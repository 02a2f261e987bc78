#include "support/Globali.h"

#include "app/Cartelle.h"

namespace sirvela::test {

ProgrammaDiProva::ProgrammaDiProva() {
    CartellaProgramma = cartella_.Percorso();
    for (const char* nome : kSottocartelle) std::filesystem::create_directory(cartella_ / nome);
}

}  // namespace sirvela::test
