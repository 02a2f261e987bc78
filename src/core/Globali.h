#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace sirvela {

// Pilots in play, 20..25 (23 by default). No table holds more than 25 pilots.
extern std::int32_t NumeroPiloti;
constexpr int kMaxPiloti = 25;
constexpr std::int32_t kNumeroPilotiPredefinito = 23;
// Wildcard of pattern columns: any pilot, shown as "*".
constexpr std::uint8_t kJolly = 90;

// The program folder, where the data folders and the settings files live.
extern std::filesystem::path CartellaProgramma;
// Last column file saved from the main window.
extern std::string UltimoFileColonne;
// Format version written in system files and shown in the title (100 = "1.0").
extern std::int32_t VersioneFormato;
constexpr std::int32_t kVersioneFormatoProgramma = 100;

// The globals above and the current folder as they were at construction, put back at
// destruction: a caller running several commands in one process sees each start afresh.
class TStatoGlobali {
  public:
    TStatoGlobali();
    ~TStatoGlobali();
    TStatoGlobali(const TStatoGlobali&) = delete;
    TStatoGlobali& operator=(const TStatoGlobali&) = delete;

  private:
    std::filesystem::path corrente_;
    std::filesystem::path cartella_;
    std::int32_t piloti_;
    std::int32_t versione_;
    std::string ultimo_;
};

// Sub-folders of the program folder.
std::filesystem::path CartellaSistemi();
std::filesystem::path CartellaColonne();
std::filesystem::path CartellaArchivi();
std::filesystem::path CartellaQuadri();
std::filesystem::path CartellaSfondi();
std::filesystem::path CartellaWav();

}  // namespace sirvela
