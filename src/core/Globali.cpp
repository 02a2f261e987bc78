#include "core/Globali.h"

namespace sirvela {

std::int32_t NumeroPiloti = 23;
std::filesystem::path CartellaProgramma = std::filesystem::current_path();
std::string UltimoFileColonne = "DefaultComb.Scl";
std::int32_t VersioneFormato = kVersioneFormatoProgramma;

std::filesystem::path CartellaSistemi() {
    return CartellaProgramma / "Sistemi";
}
std::filesystem::path CartellaColonne() {
    return CartellaProgramma / "Colonne";
}
std::filesystem::path CartellaArchivi() {
    return CartellaProgramma / "Archivi";
}
std::filesystem::path CartellaQuadri() {
    return CartellaProgramma / "Quadri";
}
std::filesystem::path CartellaSfondi() {
    return CartellaProgramma / "Sfondi";
}
std::filesystem::path CartellaWav() {
    return CartellaProgramma / "Wav";
}

}  // namespace sirvela
