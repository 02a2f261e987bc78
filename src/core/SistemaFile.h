#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

namespace sirvela {

// The operating-system calls that saving and locking files rest on, one small call each, so
// that another system needs only SistemaFile.cpp rewritten. Every call returns 0 or the
// system's error number (errno); a file is the system's descriptor. Tests put their own in
// front of the real one to watch or fail single calls.
class ISistemaFile {
  public:
    virtual ~ISistemaFile() = default;
    // Creates a file that must not exist yet (EEXIST otherwise), open for writing.
    virtual int CreaNuovo(const std::filesystem::path& percorso, int& file) = 0;
    // Opens an existing file for reading.
    virtual int ApriInLettura(const std::filesystem::path& percorso, int& file) = 0;
    // All n bytes, or the error that stopped them.
    virtual int Scrivi(int file, const void* dati, std::size_t n) = 0;
    // Waits until the file's data are on the disk itself.
    virtual int SincronizzaFile(int file) = 0;
    virtual int Chiudi(int file) = 0;
    // Replaces `a` by `da` in one step.
    virtual int Rinomina(const std::filesystem::path& da, const std::filesystem::path& a) = 0;
    // Waits until the folder's entries (a rename, a new name) are on the disk itself. A file
    // system that cannot do it for folders makes this a success.
    virtual int SincronizzaCartella(const std::filesystem::path& cartella) = 0;
    // A second name for an existing file.
    virtual int Collega(const std::filesystem::path& esistente,
                        const std::filesystem::path& nuovo) = 0;
    virtual int Elimina(const std::filesystem::path& percorso) = 0;
};

// The calls of the system the program runs on.
ISistemaFile& SistemaFileReale();

// Takes the exclusive lock on `percorso` (created when missing) without waiting: 0 with the
// lock held through `file` until it is released, EWOULDBLOCK when another holds it.
int BloccaFile(const std::filesystem::path& percorso, int& file);
void RilasciaFile(int file);

// The reason of a failed file operation in a few Italian words: "disco pieno".
std::string DescrizioneErrore(int errore);

}  // namespace sirvela
