#include <sodium.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/FlussoBinario.h"
#include "core/SalvataggioSicuro.h"

// The publisher's side of signed program updates: makes the key pair and signs an update
// archive, writing the detached signature beside it with ".sig" added.
namespace {

int Uso() {
    std::cerr << "Uso: sirvela-firma chiavi CHIAVE_SEGRETA\n"
                 "     sirvela-firma firma CHIAVE_SEGRETA ARCHIVIO\n";
    return 2;
}

// Saved safely; a secret is readable by its owner alone before a byte of it is written.
bool Scrivi(const std::string& percorso, const unsigned char* dati, std::size_t n,
            bool segreto = false) {
    sirvela::TScrittore s{std::filesystem::path(percorso)};
    if (segreto && s.File() && !s.File()->ImpostaPermessi(std::filesystem::perms(0600)))
        return false;
    return s.Scrivi(dati, n) && s.Chiudi();
}

std::vector<unsigned char> Leggi(const std::string& percorso, bool& ok) {
    std::ifstream in(percorso, std::ios::binary);
    ok = static_cast<bool>(in);
    std::vector<unsigned char> dati((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    ok = ok && !in.bad();
    return dati;
}

}  // namespace

int main(int argc, char** argv) {
    if (sodium_init() < 0) return 1;
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 2 && a[0] == "chiavi") {
        unsigned char pubblica[crypto_sign_PUBLICKEYBYTES], segreta[crypto_sign_SECRETKEYBYTES];
        crypto_sign_keypair(pubblica, segreta);
        const bool ok = Scrivi(a[1], segreta, sizeof segreta, true);
        sodium_memzero(segreta, sizeof segreta);
        if (!ok) {
            std::cerr << "Impossibile scrivere " << a[1] << "\n";
            return 1;
        }
        char esadecimale[2 * sizeof pubblica + 1];
        sodium_bin2hex(esadecimale, sizeof esadecimale, pubblica, sizeof pubblica);
        std::cout << esadecimale << "\n";
        return 0;
    }
    if (a.size() == 3 && a[0] == "firma") {
        bool ok = false;
        std::vector<unsigned char> segreta = Leggi(a[1], ok);
        if (!ok || segreta.size() != crypto_sign_SECRETKEYBYTES) {
            std::cerr << "Chiave segreta non valida: " << a[1] << "\n";
            return 1;
        }
        const std::vector<unsigned char> dati = Leggi(a[2], ok);
        if (!ok) {
            std::cerr << "Impossibile leggere " << a[2] << "\n";
            return 1;
        }
        unsigned char firma[crypto_sign_BYTES];
        crypto_sign_detached(firma, nullptr, dati.data(), dati.size(), segreta.data());
        sodium_memzero(segreta.data(), segreta.size());
        if (!Scrivi(a[2] + ".sig", firma, sizeof firma)) {
            std::cerr << "Impossibile scrivere " << a[2] << ".sig\n";
            return 1;
        }
        return 0;
    }
    return Uso();
}
