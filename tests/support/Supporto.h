#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sirvela::test {

// A fresh folder under the system's temporary folder, removed with the object.
class CartellaTemporanea {
  public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    const std::filesystem::path& Percorso() const { return percorso_; }
    std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

  private:
    std::filesystem::path percorso_;
};

std::vector<std::uint8_t> LeggiByte(const std::filesystem::path& p);
void ScriviByte(const std::filesystem::path& p, const std::vector<std::uint8_t>& dati);
void ScriviTesto(const std::filesystem::path& p, const std::string& testo);
// The bytes of an archive of `quanti` contests in order: 1..200 of each year from 2000 on, each
// with pilots 1..8.
std::vector<std::uint8_t> ConcorsiInOrdine(int quanti);

// Runs a shell command and collects what it writes on stdout; Stato is pclose's status
// (-1 when the shell could not be started).
struct TComando {
    int Stato = -1;
    std::string Uscita;
};
TComando EseguiComando(const std::string& comando);

}  // namespace sirvela::test
