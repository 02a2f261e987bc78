#include "download/Pacchetto.h"

#include <archive.h>
#include <archive_entry.h>
#include <sodium.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/FlussoBinario.h"
#include "core/SalvataggioSicuro.h"

#ifndef SIRVELA_CHIAVE_AGGIORNAMENTI
#error "SIRVELA_CHIAVE_AGGIORNAMENTI must name the public key of program updates"
#endif

namespace sirvela {
namespace fs = std::filesystem;

namespace {

bool LeggiTutto(const fs::path& p, std::vector<unsigned char>& dati) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    dati.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int Cifra(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ChiaveDaTesto(const std::string& esadecimale, TChiavePubblica& chiave) {
    if (esadecimale.size() != chiave.size() * 2) return false;
    TChiavePubblica k{};
    for (std::size_t i = 0; i < k.size(); ++i) {
        const int alta = Cifra(esadecimale[2 * i]), bassa = Cifra(esadecimale[2 * i + 1]);
        if (alta < 0 || bassa < 0) return false;
        k[i] = static_cast<std::uint8_t>(alta * 16 + bassa);
    }
    chiave = k;
    return true;
}

const TChiavePubblica& ChiaveAggiornamenti() {
    static const TChiavePubblica chiave = [] {
        TChiavePubblica k{};
        ChiaveDaTesto(SIRVELA_CHIAVE_AGGIORNAMENTI, k);
        return k;
    }();
    return chiave;
}

bool FirmaValida(const fs::path& file, const fs::path& firma, const TChiavePubblica& chiave) {
    if (sodium_init() < 0) return false;
    std::error_code ec;
    const auto dimensione = fs::file_size(file, ec);
    if (ec || dimensione > kMassimoAggiornamento) return false;
    std::vector<unsigned char> dati, sigillo;
    if (!LeggiTutto(firma, sigillo) || sigillo.size() != kLunghezzaFirma) return false;
    if (!LeggiTutto(file, dati)) return false;
    return crypto_sign_verify_detached(sigillo.data(), dati.data(), dati.size(), chiave.data()) ==
           0;
}

bool EstraiMembro(const fs::path& archivio, const std::string& membro, const fs::path& destinazione,
                  std::uint64_t massimo) {
    struct archive* a = archive_read_new();
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    bool fatto = false;
    if (archive_read_open_filename(a, archivio.c_str(), 64 * 1024) == ARCHIVE_OK) {
        struct archive_entry* voce = nullptr;
        while (archive_read_next_header(a, &voce) == ARCHIVE_OK) {
            std::string nome = archive_entry_pathname(voce) ? archive_entry_pathname(voce) : "";
            while (nome.rfind("./", 0) == 0) nome.erase(0, 2);
            if (nome != membro) continue;
            if (archive_entry_filetype(voce) != AE_IFREG) break;
            // The size the header gives is refused before anything is written; what really
            // comes out is held to the same limit.
            if (archive_entry_size_is_set(voce) &&
                static_cast<std::uint64_t>(archive_entry_size(voce)) > massimo)
                break;
            TScrittore s(destinazione);
            s.ImpostaLimite(massimo, EFBIG);
            std::vector<char> blocco(64 * 1024);
            bool letto = true;
            for (;;) {
                const la_ssize_t n = archive_read_data(a, blocco.data(), blocco.size());
                if (n == 0) break;
                if (n < 0 || !s.Scrivi(blocco.data(), static_cast<std::size_t>(n))) {
                    letto = false;
                    break;
                }
            }
            fatto = letto && s.File() && s.File()->ImpostaPermessi(fs::perms(0755)) && s.Chiudi();
            break;
        }
    }
    archive_read_free(a);
    return fatto;
}

bool EseguibileValido(const fs::path& percorso) {
    std::error_code ec;
    if (!fs::is_regular_file(percorso, ec) || fs::file_size(percorso, ec) == 0 || ec) return false;
    char inizio[4] = {};
    std::ifstream in(percorso, std::ios::binary);
    in.read(inizio, sizeof inizio);
    const bool programma = (in.gcount() == 4 && std::memcmp(inizio,
                                                            "\x7f"
                                                            "ELF",
                                                            4) == 0) ||
                           (in.gcount() >= 2 && inizio[0] == '#' && inizio[1] == '!');
    return programma && ::access(percorso.c_str(), X_OK) == 0;
}

}  // namespace sirvela
