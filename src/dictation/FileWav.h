#pragma once
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace sirvela {

class TLettore;

// A PCM wave file held in memory, for playing millisecond ranges of it.
class TFileWav {
  public:
    // Reads a RIFF/WAVE file with a PCM format and its data; chunks it does not know are
    // skipped. False (and nothing kept) for anything else or a file cut before its data.
    bool Carica(const std::filesystem::path& percorso);
    bool Carica(std::span<const std::uint8_t> byte);

    int Canali() const { return canali_; }
    int Frequenza() const { return frequenza_; }  // samples per second
    int BitPerCampione() const { return bit_; }
    int ByteFotogramma() const { return canali_ * (bit_ / 8); }  // one sample of every channel
    const std::vector<std::uint8_t>& Dati() const { return dati_; }
    double DurataMs() const;

    // The bytes of [inizioMs, fineMs), on whole frames and within the data (empty when the
    // range lies outside it).
    std::span<const std::uint8_t> Intervallo(int inizioMs, int fineMs) const;
    // The 16-bit samples of the first channel in that range (16-bit files only).
    std::vector<std::int16_t> Campioni(int inizioMs, int fineMs) const;

  private:
    bool Carica(TLettore& l);
    std::size_t FotogrammaA(int ms) const;

    int canali_ = 0;
    int frequenza_ = 0;
    int bit_ = 0;
    std::vector<std::uint8_t> dati_;
};

}  // namespace sirvela
