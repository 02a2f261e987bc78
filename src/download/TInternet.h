#pragma once
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

namespace sirvela {

// Where the downloads come from, as the description file "dwninfo.txt" names them for this
// program version. All three are empty until a description has been read.
struct TInternet {
    std::string HostName;    // FTP host of the downloads ("host" or "host:porta")
    std::string ArchiviDir;  // server folder of "sirarch.dat" and "listapiloti.txt"
    std::string ExeDir;      // server folder of the program-update archive

    // Reads a description: every line is taken in small letters; after the first line that
    // holds the section key, "hostname=", "archividir=" and "exedir=" lines give the values,
    // the key's length being cut off the front of the line (so keys must open their lines), a
    // later line replacing an earlier one, until all three are known. True when all three are
    // non-empty; the values read so far stay either way.
    bool Leggi(std::istream& testo, const std::string& chiaveSezione);
    bool LeggiFile(const std::filesystem::path& percorso, const std::string& chiaveSezione);
};

// "sirvela " followed by the first character of the version text ("1.0" -> "sirvela 1").
std::string ChiaveSezione(std::int32_t versione);

// The fixed host that serves "dwninfo.txt" in its login folder, read from the text file
// "ServerAggiornamenti.txt" in the program folder: "host=NOME" and "porta=NUMERO" lines, blank
// lines and lines opening with "#" ignored. A missing file, or a missing or bad value, gives
// the default.
inline constexpr const char* kHostDescrizionePredefinito = "ftp.sirvela.it";
inline constexpr int kPortaFtp = 21;

struct TServerDescrizione {
    std::string Host = kHostDescrizionePredefinito;
    int Porta = kPortaFtp;

    static std::filesystem::path FileLocale();  // <program folder>/ServerAggiornamenti.txt
    static TServerDescrizione Leggi(const std::filesystem::path& percorso);
};

}  // namespace sirvela
