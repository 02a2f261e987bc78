#pragma once
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/SistemaFile.h"

namespace sirvela {

class TSalvataggioSicuro;

// Little-endian reader over a file or a block of memory. Every read reports whether the
// whole field arrived; after the first short read the reader stays failed, so a sequence of
// fields stops there. A short read still copies the bytes that were there, as the formats
// expect ("taken as far as it goes").
class TLettore {
  public:
    explicit TLettore(const std::filesystem::path& percorso);
    explicit TLettore(std::span<const std::uint8_t> dati);
    ~TLettore();
    TLettore(const TLettore&) = delete;
    TLettore& operator=(const TLettore&) = delete;

    bool Aperto() const { return aperto_; }
    bool Ok() const { return ok_; }
    // Marks the stream failed (a field that cannot be right), stopping what follows.
    void Fallisci() { ok_ = false; }

    bool Leggi(void* destinazione, std::size_t n);
    bool LeggiU8(std::uint8_t& v);
    bool LeggiBool(bool& v);  // 0 = false, anything else = true
    bool LeggiChar(char& v);
    bool LeggiI16(std::int16_t& v);
    bool LeggiU16(std::uint16_t& v);
    bool LeggiI32(std::int32_t& v);
    bool LeggiU32(std::uint32_t& v);
    bool LeggiDouble(double& v);
    // A short string of 1 + capacita bytes; the text comes back as UTF-8.
    bool LeggiStringaCorta(std::string& v, int capacita = 255);

    std::uint64_t Posizione() const { return posizione_; }
    std::uint64_t Dimensione() const { return dimensione_; }
    std::uint64_t Rimanenti() const {
        return posizione_ < dimensione_ ? dimensione_ - posizione_ : 0;
    }
    bool FineFile() const { return Rimanenti() == 0; }

  private:
    std::size_t LeggiGrezzo(void* destinazione, std::size_t n);

    std::FILE* file_ = nullptr;
    std::span<const std::uint8_t> memoria_;
    std::vector<char> buffer_;
    std::uint64_t posizione_ = 0;
    std::uint64_t dimensione_ = 0;
    bool aperto_ = false;
    bool ok_ = true;
};

// Little-endian writer. A file is written through the safe save (core/SalvataggioSicuro.h):
// the target is replaced only by a successful Chiudi, so a failed save never destroys the old
// file. The memory form, and the file form too, can be told to fail after a number of bytes as
// a full disk would, to test short writes.
class TScrittore {
  public:
    explicit TScrittore(const std::filesystem::path& destinazione,
                        ISistemaFile& sistema = SistemaFileReale());
    TScrittore();  // in memory
    ~TScrittore();
    TScrittore(const TScrittore&) = delete;
    TScrittore& operator=(const TScrittore&) = delete;

    bool Aperto() const { return aperto_; }
    bool Ok() const { return ok_; }
    // The system's error number of the first failure (ENOSPC past the limit); 0 while none.
    int Errore() const;

    bool Scrivi(const void* origine, std::size_t n);
    bool ScriviU8(std::uint8_t v) { return Scrivi(&v, 1); }
    bool ScriviBool(bool v) { return ScriviU8(v ? 1 : 0); }
    bool ScriviChar(char v) { return Scrivi(&v, 1); }
    bool ScriviI16(std::int16_t v);
    bool ScriviU16(std::uint16_t v);
    bool ScriviI32(std::int32_t v);
    bool ScriviU32(std::uint32_t v);
    bool ScriviDouble(double v);
    // Converts to Windows-1252, cuts to capacita bytes and zero-fills the rest.
    bool ScriviStringaCorta(std::string_view utf8, int capacita = 255);

    // File: everything written is in the temporary file, readable there before Chiudi (a
    // download checks its content so). Memory: whether every write succeeded.
    bool Completa();
    const std::filesystem::path& Temporaneo() const;
    const std::filesystem::path& Destinazione() const;  // empty in memory
    std::uint64_t Scritti() const { return scritti_; }
    // File: puts the target in place of the old file as the safe save does, when every write
    // succeeded; otherwise removes the temporary file. Returns whether the target now holds
    // everything written, safely on the disk.
    bool Chiudi();
    // Drops a file being written without touching the target.
    void Abbandona();
    // The safe save behind a file writer (null in memory): backups, permissions.
    TSalvataggioSicuro* File() { return file_.get(); }

    const std::vector<std::uint8_t>& Dati() const { return dati_; }
    void ImpostaLimite(std::uint64_t limite, int errore = ENOSPC) {
        limite_ = limite;
        erroreLimite_ = errore;
    }

  private:
    std::unique_ptr<TSalvataggioSicuro> file_;
    std::vector<std::uint8_t> dati_;
    std::uint64_t scritti_ = 0;
    std::uint64_t limite_ = UINT64_MAX;
    int erroreLimite_ = ENOSPC;
    int errore_ = 0;
    bool aperto_ = false;
    bool ok_ = true;
    bool chiuso_ = false;
};

}  // namespace sirvela
