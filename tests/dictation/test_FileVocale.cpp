#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dictation/Dettatura.h"
#include "dictation/FileWav.h"

using namespace sirvela;

namespace {

void Parola(std::vector<std::uint8_t>& b, const char* s) {
    b.insert(b.end(), s, s + 4);
}
void U32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void U16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A RIFF file with an odd-sized chunk before the format, 1000 frames/s, 2 channels, 16 bits.
std::vector<std::uint8_t> Wav(std::uint16_t formato, std::uint32_t datiDichiarati, int fotogrammi) {
    std::vector<std::uint8_t> b;
    Parola(b, "RIFF");
    U32(b, 0);
    Parola(b, "WAVE");
    Parola(b, "LIST");
    U32(b, 3);
    b.insert(b.end(), {'a', 'b', 'c', 0});  // padded to even
    Parola(b, "fmt ");
    U32(b, 16);
    U16(b, formato);
    U16(b, 2);
    U32(b, 1000);
    U32(b, 4000);
    U16(b, 4);
    U16(b, 16);
    Parola(b, "data");
    U32(b, datiDichiarati);
    for (int i = 0; i < fotogrammi; ++i) {
        U16(b, static_cast<std::uint16_t>(i));
        U16(b, 0xFFFF);
    }
    return b;
}

}  // namespace

TEST(FileWav, ReadsPcmAndCutsMillisecondRangesOnWholeFrames) {
    TFileWav w;
    ASSERT_TRUE(w.Carica(Wav(1, 40, 10)));
    EXPECT_EQ(w.Canali(), 2);
    EXPECT_EQ(w.Frequenza(), 1000);
    EXPECT_EQ(w.BitPerCampione(), 16);
    EXPECT_DOUBLE_EQ(w.DurataMs(), 10.0);
    EXPECT_EQ(w.Intervallo(2, 5).size(), 12u);
    EXPECT_EQ(w.Campioni(2, 5), (std::vector<std::int16_t>{2, 3, 4}));
    EXPECT_EQ(w.Campioni(8, 50), (std::vector<std::int16_t>{8, 9}));  // within the data
    EXPECT_TRUE(w.Intervallo(20, 30).empty());
    EXPECT_TRUE(w.Intervallo(5, 2).empty());

    // A data size larger than the file: what is there.
    ASSERT_TRUE(w.Carica(Wav(1, 0xFFFFFFFF, 3)));
    EXPECT_EQ(w.Dati().size(), 12u);

    // Not PCM, or cut before the data: refused, the last file kept.
    EXPECT_FALSE(w.Carica(Wav(3, 40, 10)));
    const auto intero = Wav(1, 40, 10);
    for (std::size_t n : {0u, 11u, 30u, 50u})
        EXPECT_FALSE(w.Carica(std::span(intero.data(), n))) << n;
    EXPECT_EQ(w.Dati().size(), 12u);
}

TEST(FileVocale, EveryPilotSpeaksInsideItsSlot) {
    TFileWav w;
    ASSERT_TRUE(w.Carica(std::filesystem::path(SIRVELA_RISORSE) / "wav" / "vocal.Wav"));
    EXPECT_EQ(w.BitPerCampione(), 16);
    EXPECT_EQ(w.Canali(), 1);
    EXPECT_GE(w.DurataMs(), 13900.0);
    auto picco = [](const std::vector<std::int16_t>& v) {
        int m = 0;
        for (int c : v) m = std::max(m, std::abs(c));
        return m;
    };
    auto rms = [](const std::vector<std::int16_t>& v) {
        double s = 0;
        for (double c : v) s += c * c;
        return v.empty() ? 0.0 : std::sqrt(s / static_cast<double>(v.size()));
    };
    EXPECT_LT(picco(w.Campioni(0, 200)), 100);
    for (std::size_t p = 0; p < kSegmentiVocali.size(); ++p) {
        const TSegmentoVocale s = kSegmentiVocali[p];
        // Speech in what is played; silence in the part cut off, so no word runs on.
        EXPECT_GT(rms(w.Campioni(s.Inizio, s.Fine - kAnticipoFineMs)), 800.0) << p + 1;
        EXPECT_LT(picco(w.Campioni(s.Fine - kAnticipoFineMs, s.Fine)), 100) << p + 1;
    }
}
