#include "core/SalvataggioSicuro.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

namespace sirvela {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBuffer = 1 << 20;
constexpr int kTentativiNome = 100;

fs::path Cartella(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Disks without second names for a file (FAT, some network shares) answer with one of these.
bool SenzaCollegamenti(int errore) {
    return errore == EPERM || errore == ENOTSUP || errore == EXDEV || errore == EMLINK ||
           errore == ENOSYS || errore == EACCES;
}

int CopiaSalvata(const fs::path& originale, const fs::path& copia, ISistemaFile& sistema) {
    std::ifstream in(originale, std::ios::binary);
    if (!in) return errno != 0 ? errno : EIO;
    TSalvataggioSicuro s(copia, sistema);
    // A kept program must stay a program.
    std::error_code ec;
    const auto permessi = fs::status(originale, ec).permissions();
    if (!ec) s.ImpostaPermessi(permessi);
    std::vector<char> blocco(1 << 16);
    while (s.Ok() && in) {
        in.read(blocco.data(), static_cast<std::streamsize>(blocco.size()));
        if (in.gcount() > 0) s.Scrivi(blocco.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) s.Fallisci(EIO);
    if (!s.Ok()) return s.Errore();
    return s.Conferma() ? 0 : s.Errore();
}

}  // namespace

fs::path NomeTemporaneo(const fs::path& destinazione) {
    static constexpr char kCifre[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device casuale;
    std::string parte(6, 'x');
    for (char& c : parte) c = kCifre[casuale() % (sizeof kCifre - 1)];
    fs::path nome = destinazione.filename();
    nome += "." + parte + ".tmp";
    return Cartella(destinazione) / nome;
}

TSalvataggioSicuro::TSalvataggioSicuro(fs::path destinazione, ISistemaFile& sistema)
    : sistema_(sistema), destinazione_(std::move(destinazione)) {
    if (destinazione_.filename().empty()) {
        errore_ = EISDIR;
        return;
    }
    for (int i = 0; i < kTentativiNome; ++i) {
        temporaneo_ = NomeTemporaneo(destinazione_);
        errore_ = sistema_.CreaNuovo(temporaneo_, file_);
        if (errore_ != EEXIST) break;
    }
    if (errore_ != 0) {
        file_ = -1;
        finito_ = true;
        return;
    }
    buffer_.resize(kBuffer);
}

TSalvataggioSicuro::~TSalvataggioSicuro() {
    Abbandona();
}

void TSalvataggioSicuro::Fallisci(int errore) {
    Registra(errore != 0 ? errore : EIO);
}

void TSalvataggioSicuro::Registra(int esito) {
    if (errore_ == 0) errore_ = esito;
}

bool TSalvataggioSicuro::Svuota() {
    if (pieni_ == 0 || errore_ != 0) return errore_ == 0;
    Registra(sistema_.Scrivi(file_, buffer_.data(), pieni_));
    pieni_ = 0;
    return errore_ == 0;
}

bool TSalvataggioSicuro::Scrivi(const void* dati, std::size_t n) {
    if (errore_ != 0) return false;
    if (file_ < 0 || completato_) {
        Fallisci(EBADF);
        return false;
    }
    scritti_ += n;
    if (pieni_ + n > buffer_.size()) {
        if (!Svuota()) return false;
        // A block as large as the buffer goes straight to the file.
        if (n >= buffer_.size()) {
            Registra(sistema_.Scrivi(file_, dati, n));
            return errore_ == 0;
        }
    }
    std::memcpy(buffer_.data() + pieni_, dati, n);
    pieni_ += n;
    return true;
}

bool TSalvataggioSicuro::Completa() {
    if (completato_ || errore_ != 0) return errore_ == 0;
    if (file_ < 0) {
        Fallisci(EBADF);
        return false;
    }
    if (!Svuota()) return false;
    completato_ = true;
    // What the disk holds is what was written, or the save does not count.
    std::error_code ec;
    const auto dimensione = fs::file_size(temporaneo_, ec);
    if (ec || dimensione != scritti_) Fallisci(ec ? ec.value() : EIO);
    return errore_ == 0;
}

bool TSalvataggioSicuro::ImpostaPermessi(fs::perms permessi) {
    if (errore_ != 0 || temporaneo_.empty()) return false;
    std::error_code ec;
    fs::permissions(temporaneo_, permessi, ec);
    if (ec) Fallisci(ec.value());
    return errore_ == 0;
}

bool TSalvataggioSicuro::Conferma() {
    if (finito_) return errore_ == 0;
    if (Completa()) Registra(sistema_.SincronizzaFile(file_));
    const int chiusura = sistema_.Chiudi(file_);
    file_ = -1;
    Registra(chiusura);
    std::error_code ec;
    if (errore_ == 0 && precedente_ && fs::exists(destinazione_, ec))
        Registra(ConservaCopia(destinazione_, *precedente_, sistema_));
    if (errore_ == 0) Registra(sistema_.Rinomina(temporaneo_, destinazione_));
    if (errore_ != 0) {
        Abbandona();
        return false;
    }
    finito_ = true;
    // The new name must survive a power cut too; until then the save is not done.
    Registra(sistema_.SincronizzaCartella(Cartella(destinazione_)));
    return errore_ == 0;
}

void TSalvataggioSicuro::Abbandona() {
    if (finito_) return;
    finito_ = true;
    if (file_ >= 0) sistema_.Chiudi(file_);
    file_ = -1;
    if (!temporaneo_.empty()) sistema_.Elimina(temporaneo_);
    if (errore_ == 0) errore_ = ECANCELED;
}

int RinominaDurevole(const fs::path& da, const fs::path& a, ISistemaFile& sistema) {
    int file = -1;
    int r = sistema.ApriInLettura(da, file);
    if (r != 0) return r;
    r = sistema.SincronizzaFile(file);
    const int chiusura = sistema.Chiudi(file);
    if (r == 0) r = chiusura;
    if (r == 0) r = sistema.Rinomina(da, a);
    if (r == 0) r = sistema.SincronizzaCartella(Cartella(a));
    return r;
}

int ConservaCopia(const fs::path& originale, const fs::path& copia, ISistemaFile& sistema) {
    int r = EEXIST;
    fs::path nome;
    for (int i = 0; i < kTentativiNome && r == EEXIST; ++i) {
        nome = NomeTemporaneo(copia);
        r = sistema.Collega(originale, nome);
    }
    if (r != 0) return SenzaCollegamenti(r) ? CopiaSalvata(originale, copia, sistema) : r;
    r = sistema.Rinomina(nome, copia);
    if (r != 0) sistema.Elimina(nome);
    return r;
}

std::string TestoErroreScrittura(const std::string& tipo, const fs::path& file, int errore) {
    return "Impossibile scrivere il file " + (tipo.empty() ? "" : tipo + " ") + file.string() +
           ": " + DescrizioneErrore(errore) + ".";
}

}  // namespace sirvela
