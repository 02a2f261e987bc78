#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/SistemaFile.h"

namespace sirvela {

// How every file of the program is written, so that neither a failure nor a power cut leaves
// a damaged file where a good one was. The data go to a new temporary file beside the target;
// Conferma writes them out, waits until they are on the disk, renames the temporary file over
// the target in one step and waits until the folder holds the new name. Success is reported
// only after all of that; until then the target is the old file, and a save that fails or is
// dropped removes its temporary file.
class TSalvataggioSicuro {
  public:
    explicit TSalvataggioSicuro(std::filesystem::path destinazione,
                                ISistemaFile& sistema = SistemaFileReale());
    ~TSalvataggioSicuro();  // drops a save that was not confirmed
    TSalvataggioSicuro(const TSalvataggioSicuro&) = delete;
    TSalvataggioSicuro& operator=(const TSalvataggioSicuro&) = delete;

    bool Aperto() const { return file_ >= 0 || completato_; }
    bool Ok() const { return errore_ == 0; }
    // The system's error number of the first failure; 0 while none.
    int Errore() const { return errore_; }
    const std::filesystem::path& Destinazione() const { return destinazione_; }
    const std::filesystem::path& Temporaneo() const { return temporaneo_; }
    std::uint64_t Scritti() const { return scritti_; }

    bool Scrivi(const void* dati, std::size_t n);
    // Everything written so far is put in the temporary file, which can then be read back in
    // full before it is confirmed. Nothing more can be written.
    bool Completa();
    // The target as it is before Conferma is kept under `copia`, replacing an older one.
    void ConservaPrecedente(std::filesystem::path copia) { precedente_ = std::move(copia); }
    // Permissions of the new file (otherwise those the system gives a new file).
    bool ImpostaPermessi(std::filesystem::perms permessi);
    bool Conferma();
    void Abbandona();
    // Makes the save fail as `errore` would (a size cap, a test's full disk).
    void Fallisci(int errore);

  private:
    bool Svuota();
    // Keeps the first failure among the results of the system's calls (0: success).
    void Registra(int esito);

    ISistemaFile& sistema_;
    std::filesystem::path destinazione_;
    std::filesystem::path temporaneo_;
    std::optional<std::filesystem::path> precedente_;
    std::vector<char> buffer_;
    std::size_t pieni_ = 0;
    std::uint64_t scritti_ = 0;
    int file_ = -1;
    int errore_ = 0;
    bool completato_ = false;
    bool finito_ = false;
};

// A new, unused name beside `destinazione` for its temporary file: the name, a random part
// and ".tmp".
std::filesystem::path NomeTemporaneo(const std::filesystem::path& destinazione);

// Puts a file written elsewhere (a staged program) in the place of `a` as Conferma does: its
// data, then the folder's new name, are on the disk before success (0) is reported.
int RinominaDurevole(const std::filesystem::path& da, const std::filesystem::path& a,
                     ISistemaFile& sistema = SistemaFileReale());

// Keeps `originale` as it is now under `copia`, replacing an older copy in one step: a second
// name for the same data where the disk allows it, otherwise a copy saved as above.
int ConservaCopia(const std::filesystem::path& originale, const std::filesystem::path& copia,
                  ISistemaFile& sistema = SistemaFileReale());

// "Impossibile scrivere il file" + tipo + " X: motivo." (`tipo` may be empty: " PDF").
std::string TestoErroreScrittura(const std::string& tipo, const std::filesystem::path& file,
                                 int errore);

}  // namespace sirvela
