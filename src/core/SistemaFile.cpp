#include "core/SistemaFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace sirvela {
namespace {

int Errno() {
    return errno != 0 ? errno : EIO;
}

class TSistemaFilePosix : public ISistemaFile {
  public:
    int CreaNuovo(const std::filesystem::path& percorso, int& file) override {
        file = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return file < 0 ? Errno() : 0;
    }
    int ApriInLettura(const std::filesystem::path& percorso, int& file) override {
        file = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
        return file < 0 ? Errno() : 0;
    }
    int Scrivi(int file, const void* dati, std::size_t n) override {
        auto p = static_cast<const char*>(dati);
        while (n > 0) {
            const ssize_t k = ::write(file, p, n);
            if (k < 0) {
                if (errno == EINTR) continue;
                return Errno();
            }
            if (k == 0) return EIO;
            p += k;
            n -= static_cast<std::size_t>(k);
        }
        return 0;
    }
    int SincronizzaFile(int file) override {
        while (::fsync(file) != 0)
            if (errno != EINTR) return Errno();
        return 0;
    }
    int Chiudi(int file) override { return ::close(file) != 0 && errno != EINTR ? Errno() : 0; }
    int Rinomina(const std::filesystem::path& da, const std::filesystem::path& a) override {
        return ::rename(da.c_str(), a.c_str()) != 0 ? Errno() : 0;
    }
    int SincronizzaCartella(const std::filesystem::path& cartella) override {
        const int f =
            ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (f < 0) return Errno();
        int r = SincronizzaFile(f);
        ::close(f);
        // Some file systems keep no separate folder data to flush.
        if (r == EINVAL || r == ENOTSUP) r = 0;
        return r;
    }
    int Collega(const std::filesystem::path& esistente,
                const std::filesystem::path& nuovo) override {
        return ::link(esistente.c_str(), nuovo.c_str()) != 0 ? Errno() : 0;
    }
    int Elimina(const std::filesystem::path& percorso) override {
        return ::unlink(percorso.c_str()) != 0 ? Errno() : 0;
    }
};

}  // namespace

ISistemaFile& SistemaFileReale() {
    static TSistemaFilePosix reale;
    return reale;
}

int BloccaFile(const std::filesystem::path& percorso, int& file) {
    file = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) return Errno();
    if (::flock(file, LOCK_EX | LOCK_NB) == 0) return 0;
    const int r = errno == EINTR ? EWOULDBLOCK : Errno();
    ::close(file);
    file = -1;
    return r;
}

void RilasciaFile(int file) {
    if (file >= 0) ::close(file);
}

std::string DescrizioneErrore(int errore) {
    switch (errore) {
        case ENOSPC:
        case EDQUOT:
            return "disco pieno";
        case EACCES:
        case EPERM:
            return "accesso negato";
        case EROFS:
            return "disco di sola lettura";
        case ENOENT:
        case ENOTDIR:
            return "cartella inesistente";
        case EISDIR:
            return "il nome è quello di una cartella";
        case EFBIG:
            return "file troppo grande";
        case ENAMETOOLONG:
            return "nome troppo lungo";
        case EWOULDBLOCK:
            return "file in uso";
        case EMFILE:
        case ENFILE:
            return "troppi file aperti";
        case EXDEV:
            return "cartelle su dischi diversi";
        case EIO:
            return "errore del disco";
        default:
            return "errore di sistema " + std::to_string(errore);
    }
}

}  // namespace sirvela
