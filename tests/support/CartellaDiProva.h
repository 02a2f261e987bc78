#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/Globali.h"
#include "support/Supporto.h"

namespace sirvela::test {

// A temporary program folder with its sub-folders; the program's globals are put back
// afterwards. It comes first so that the document takes its file names from it.
struct TCartellaDiProva {
    CartellaTemporanea cartella;
    std::filesystem::path cartellaPrima = CartellaProgramma;
    std::int32_t pilotiPrima = NumeroPiloti;
    std::string ultimoFilePrima = UltimoFileColonne;
    std::int32_t versionePrima = VersioneFormato;

    TCartellaDiProva() {
        CartellaProgramma = cartella.Percorso();
        for (const char* c : {"Sistemi", "Colonne", "Sfondi", "Archivi", "Quadri", "Wav"})
            std::filesystem::create_directories(cartella / c);
        NumeroPiloti = 23;
    }
    ~TCartellaDiProva() {
        CartellaProgramma = cartellaPrima;
        NumeroPiloti = pilotiPrima;
        UltimoFileColonne = ultimoFilePrima;
        VersioneFormato = versionePrima;
    }
};

}  // namespace sirvela::test
