#include "dictation/FileWav.h"

#include <algorithm>
#include <cstring>

#include "core/FlussoBinario.h"

namespace sirvela {

namespace {

constexpr std::uint16_t kFormatoPcm = 1;

bool Etichetta(TLettore& l, char (&id)[5]) {
    id[4] = 0;
    return l.Leggi(id, 4);
}

bool Salta(TLettore& l, std::uint64_t n) {
    char scarto[4096];
    while (n > 0) {
        const std::size_t passo =
            static_cast<std::size_t>(std::min<std::uint64_t>(n, sizeof scarto));
        if (!l.Leggi(scarto, passo)) return false;
        n -= passo;
    }
    return true;
}

bool Leggi(TLettore& l, int& canali, int& frequenza, int& bit, std::vector<std::uint8_t>& dati) {
    char id[5];
    std::uint32_t dimensione = 0;
    if (!Etichetta(l, id) || std::strcmp(id, "RIFF") != 0 || !l.LeggiU32(dimensione) ||
        !Etichetta(l, id) || std::strcmp(id, "WAVE") != 0)
        return false;
    bool formato = false;
    while (Etichetta(l, id) && l.LeggiU32(dimensione)) {
        // Chunks are padded to an even length.
        const std::uint64_t spazio = dimensione + (dimensione & 1u);
        if (std::strcmp(id, "fmt ") == 0) {
            std::uint16_t tipo = 0, c = 0, allineamento = 0, b = 0;
            std::uint32_t f = 0, byteSecondo = 0;
            if (dimensione < 16 || !l.LeggiU16(tipo) || !l.LeggiU16(c) || !l.LeggiU32(f) ||
                !l.LeggiU32(byteSecondo) || !l.LeggiU16(allineamento) || !l.LeggiU16(b) ||
                !Salta(l, spazio - 16))
                return false;
            if (tipo != kFormatoPcm || c == 0 || f == 0 || (b != 8 && b != 16)) return false;
            canali = c;
            frequenza = static_cast<int>(f);
            bit = b;
            formato = true;
        } else if (std::strcmp(id, "data") == 0) {
            if (!formato) return false;
            // Some writers leave the size of a streamed file unset: take what is there.
            const std::uint64_t n = std::min<std::uint64_t>(dimensione, l.Rimanenti());
            dati.resize(static_cast<std::size_t>(n));
            return l.Leggi(dati.data(), dati.size());
        } else if (!Salta(l, spazio)) {
            return false;
        }
    }
    return false;
}

}  // namespace

bool TFileWav::Carica(const std::filesystem::path& percorso) {
    TLettore l(percorso);
    return l.Aperto() && Carica(l);
}

bool TFileWav::Carica(std::span<const std::uint8_t> byte) {
    TLettore l(byte);
    return Carica(l);
}

bool TFileWav::Carica(TLettore& l) {
    int c = 0, f = 0, b = 0;
    std::vector<std::uint8_t> d;
    if (!Leggi(l, c, f, b, d)) return false;
    canali_ = c;
    frequenza_ = f;
    bit_ = b;
    dati_ = std::move(d);
    return true;
}

double TFileWav::DurataMs() const {
    if (ByteFotogramma() == 0 || frequenza_ == 0) return 0;
    return 1000.0 * static_cast<double>(dati_.size() / ByteFotogramma()) / frequenza_;
}

std::size_t TFileWav::FotogrammaA(int ms) const {
    if (ms <= 0 || ByteFotogramma() == 0) return 0;
    const std::size_t fotogrammi = dati_.size() / ByteFotogramma();
    return std::min<std::size_t>(static_cast<std::size_t>(ms) * frequenza_ / 1000, fotogrammi);
}

std::span<const std::uint8_t> TFileWav::Intervallo(int inizioMs, int fineMs) const {
    const std::size_t da = FotogrammaA(inizioMs);
    const std::size_t a = std::max(da, FotogrammaA(fineMs));
    const std::size_t passo = static_cast<std::size_t>(ByteFotogramma());
    return std::span<const std::uint8_t>(dati_).subspan(da * passo, (a - da) * passo);
}

std::vector<std::int16_t> TFileWav::Campioni(int inizioMs, int fineMs) const {
    std::vector<std::int16_t> v;
    if (bit_ != 16) return v;
    const auto byte = Intervallo(inizioMs, fineMs);
    for (std::size_t i = 0; i + 1 < byte.size(); i += ByteFotogramma())
        v.push_back(static_cast<std::int16_t>(byte[i] | (byte[i + 1] << 8)));
    return v;
}

}  // namespace sirvela
