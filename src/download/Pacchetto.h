#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace sirvela {

// Program updates come with a detached Ed25519 signature: the archive is started from only
// when the signature matches the public key built into the program.
using TChiavePubblica = std::array<std::uint8_t, 32>;
inline constexpr std::size_t kLunghezzaFirma = 64;

// The publisher's key this program trusts.
const TChiavePubblica& ChiaveAggiornamenti();
// 64 hexadecimal digits into a key; false (key untouched) when the text is not one.
bool ChiaveDaTesto(const std::string& esadecimale, TChiavePubblica& chiave);

// True only when `firma` holds exactly one signature of the whole of `file` by `chiave` (a
// file larger than kMassimoAggiornamento is not even read).
bool FirmaValida(const std::filesystem::path& file, const std::filesystem::path& firma,
                 const TChiavePubblica& chiave);

// The largest program update taken, packed or unpacked.
inline constexpr std::uint64_t kMassimoAggiornamento = 200ull << 20;

// Extracts the regular file named `membro` ("./" in front ignored) from an archive in any
// format the archive library reads, to `destinazione` (saved safely, made executable). False
// when the archive cannot be read, the member is missing, is not a plain file or is larger
// than `massimo` bytes; the destination is then untouched.
bool EstraiMembro(const std::filesystem::path& archivio, const std::string& membro,
                  const std::filesystem::path& destinazione,
                  std::uint64_t massimo = kMassimoAggiornamento);

// What can stand in for the installed program: a non-empty regular file that opens as a
// program (an ELF header or "#!") and that we may run.
bool EseguibileValido(const std::filesystem::path& percorso);

}  // namespace sirvela
