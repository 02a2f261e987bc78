#include "support/CartellaDiProva.h"

#include "app/Cartelle.h"

namespace sirvela::test {

TCartellaDiProva::TCartellaDiProva() {
    CartellaProgramma = cartella.Percorso();
    for (const char* nome : kSottocartelle) std::filesystem::create_directory(cartella / nome);
    NumeroPiloti = 23;
}

}  // namespace sirvela::test
