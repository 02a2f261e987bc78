#include "core/Globali.h"

namespace sirvela {

std::int32_t NumeroPiloti = kNumeroPilotiPredefinito;
std::filesystem::path CartellaProgramma = std::filesystem::current_path();
std::string UltimoFileColonne = "DefaultComb.Scl";
std::int32_t VersioneFormato = kVersioneFormatoProgramma;

TStatoGlobali::TStatoGlobali()
    : cartella_(CartellaProgramma),
      piloti_(NumeroPiloti),
      versione_(VersioneFormato),
      ultimo_(UltimoFileColonne) {
    std::error_code ec;
    corrente_ = std::filesystem::current_path(ec);
}

TStatoGlobali::~TStatoGlobali() {
    std::error_code ec;
    if (!corrente_.empty()) std::filesystem::current_path(corrente_, ec);
    CartellaProgramma = cartella_;
    NumeroPiloti = piloti_;
    VersioneFormato = versione_;
    UltimoFileColonne = ultimo_;
}

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
