#include "core/FlussoBinario.h"

#include <sys/stat.h>

#include <cstring>

#include "core/Cp1252.h"
#include "core/SalvataggioSicuro.h"

namespace sirvela {
namespace {

constexpr std::size_t kBufferFile = 1 << 20;

template <typename T>
T DaLittleEndian(const std::uint8_t* b) {
    std::make_unsigned_t<T> v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v |= static_cast<std::make_unsigned_t<T>>(b[i]) << (8 * i);
    return static_cast<T>(v);
}

template <typename T>
void InLittleEndian(T valore, std::uint8_t* b) {
    auto v = static_cast<std::make_unsigned_t<T>>(valore);
    for (std::size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Reads an integer; on a short read the low bytes that arrived replace those of v.
template <typename T>
bool LeggiIntero(TLettore& l, T& v) {
    std::uint8_t b[sizeof(T)];
    InLittleEndian(v, b);
    bool ok = l.Leggi(b, sizeof(T));
    v = DaLittleEndian<T>(b);
    return ok;
}

}  // namespace

TLettore::TLettore(const std::filesystem::path& percorso) {
    file_ = std::fopen(percorso.c_str(), "rb");
    if (!file_) {
        ok_ = false;
        return;
    }
    struct stat st {};
    if (fstat(fileno(file_), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
        ok_ = false;
        return;
    }
    buffer_.resize(kBufferFile);
    std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size());
    dimensione_ = static_cast<std::uint64_t>(st.st_size);
    aperto_ = true;
}

TLettore::TLettore(std::span<const std::uint8_t> dati) : memoria_(dati) {
    dimensione_ = dati.size();
    aperto_ = true;
}

TLettore::~TLettore() {
    if (file_) std::fclose(file_);
}

std::size_t TLettore::LeggiGrezzo(void* destinazione, std::size_t n) {
    if (file_) return std::fread(destinazione, 1, n, file_);
    std::size_t disponibili = static_cast<std::size_t>(Rimanenti());
    std::size_t k = n < disponibili ? n : disponibili;
    if (k) std::memcpy(destinazione, memoria_.data() + posizione_, k);
    return k;
}

bool TLettore::Leggi(void* destinazione, std::size_t n) {
    if (!ok_ || !aperto_) return ok_ = false;
    std::size_t letti = LeggiGrezzo(destinazione, n);
    posizione_ += letti;
    if (letti != n) ok_ = false;
    return ok_;
}

bool TLettore::LeggiU8(std::uint8_t& v) {
    return Leggi(&v, 1);
}
bool TLettore::LeggiChar(char& v) {
    return Leggi(&v, 1);
}
bool TLettore::LeggiBool(bool& v) {
    std::uint8_t b = v ? 1 : 0;
    bool ok = Leggi(&b, 1);
    v = b != 0;
    return ok;
}
bool TLettore::LeggiI16(std::int16_t& v) {
    return LeggiIntero(*this, v);
}
bool TLettore::LeggiU16(std::uint16_t& v) {
    return LeggiIntero(*this, v);
}
bool TLettore::LeggiI32(std::int32_t& v) {
    return LeggiIntero(*this, v);
}
bool TLettore::LeggiU32(std::uint32_t& v) {
    return LeggiIntero(*this, v);
}
bool TLettore::LeggiDouble(double& v) {
    std::uint64_t bit;
    std::memcpy(&bit, &v, 8);
    bool ok = LeggiIntero(*this, bit);
    std::memcpy(&v, &bit, 8);
    return ok;
}

bool TLettore::LeggiStringaCorta(std::string& v, int capacita) {
    std::vector<char> b(static_cast<std::size_t>(capacita) + 1, 0);
    std::uint64_t prima = posizione_;
    bool ok = Leggi(b.data(), b.size());
    // A partial field is taken as far as it goes: the text needs its length byte at least.
    std::uint64_t arrivati = posizione_ - prima;
    if (arrivati == 0) return ok;
    std::size_t lunghezza = static_cast<std::uint8_t>(b[0]);
    if (lunghezza > static_cast<std::size_t>(capacita)) lunghezza = capacita;
    if (lunghezza > arrivati - 1) lunghezza = static_cast<std::size_t>(arrivati - 1);
    v = DaCp1252(std::string_view(b.data() + 1, lunghezza));
    return ok;
}

TScrittore::TScrittore(const std::filesystem::path& destinazione, ISistemaFile& sistema)
    : file_(std::make_unique<TSalvataggioSicuro>(destinazione, sistema)) {
    aperto_ = file_->Ok();
    ok_ = aperto_;
}

TScrittore::TScrittore() : aperto_(true) {}

TScrittore::~TScrittore() {
    Abbandona();
}

int TScrittore::Errore() const {
    if (errore_ != 0) return errore_;
    if (file_ && !file_->Ok()) return file_->Errore();
    return ok_ ? 0 : EIO;
}

bool TScrittore::Scrivi(const void* origine, std::size_t n) {
    if (!ok_ || !aperto_ || chiuso_) return ok_ = false;
    std::size_t k = n;
    if (scritti_ + n > limite_) {
        k = static_cast<std::size_t>(limite_ - scritti_);
        errore_ = erroreLimite_;
        ok_ = false;
    }
    scritti_ += k;
    if (file_) {
        if (!file_->Scrivi(origine, k)) ok_ = false;
    } else {
        auto p = static_cast<const std::uint8_t*>(origine);
        dati_.insert(dati_.end(), p, p + k);
    }
    return ok_;
}

bool TScrittore::ScriviI16(std::int16_t v) {
    std::uint8_t b[2];
    InLittleEndian(v, b);
    return Scrivi(b, 2);
}
bool TScrittore::ScriviU16(std::uint16_t v) {
    std::uint8_t b[2];
    InLittleEndian(v, b);
    return Scrivi(b, 2);
}
bool TScrittore::ScriviI32(std::int32_t v) {
    std::uint8_t b[4];
    InLittleEndian(v, b);
    return Scrivi(b, 4);
}
bool TScrittore::ScriviU32(std::uint32_t v) {
    std::uint8_t b[4];
    InLittleEndian(v, b);
    return Scrivi(b, 4);
}
bool TScrittore::ScriviDouble(double v) {
    std::uint64_t bit;
    std::memcpy(&bit, &v, 8);
    std::uint8_t b[8];
    InLittleEndian(bit, b);
    return Scrivi(b, 8);
}

bool TScrittore::ScriviStringaCorta(std::string_view utf8, int capacita) {
    std::string testo = ACp1252(utf8);
    if (testo.size() > static_cast<std::size_t>(capacita)) testo.resize(capacita);
    std::vector<char> b(static_cast<std::size_t>(capacita) + 1, 0);
    b[0] = static_cast<char>(testo.size());
    std::memcpy(b.data() + 1, testo.data(), testo.size());
    return Scrivi(b.data(), b.size());
}

bool TScrittore::Completa() {
    if (file_ && ok_ && !chiuso_ && !file_->Completa()) ok_ = false;
    return ok_;
}

namespace {
const std::filesystem::path kNessunFile;
}

const std::filesystem::path& TScrittore::Temporaneo() const {
    return file_ ? file_->Temporaneo() : kNessunFile;
}

const std::filesystem::path& TScrittore::Destinazione() const {
    return file_ ? file_->Destinazione() : kNessunFile;
}

bool TScrittore::Chiudi() {
    if (chiuso_) return ok_;
    chiuso_ = true;
    if (!file_) return ok_ && aperto_;
    if (!ok_) {
        file_->Abbandona();
        return false;
    }
    if (!file_->Conferma()) ok_ = false;
    return ok_;
}

void TScrittore::Abbandona() {
    if (file_ && !chiuso_) file_->Abbandona();
    chiuso_ = true;
}

}  // namespace sirvela
