// B4, the scale figure: every position {1..16} without conditions, 518,918,400 columns,
// developed on every core into memory and into a column file.
// Usage: bench_scala memoria|file [--fili N] [--cartella DIR]
//   memoria  time and peak resident memory per column
//   file     time and write rate, against `cp` of the same file on the same disk
// Run each mode in its own process: the peak resident memory is the process's.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/TListaColonne.h"
#include "development/Sviluppo.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

double Secondi(Orologio::time_point a) {
    return std::chrono::duration<double>(Orologio::now() - a).count();
}

// Peak resident memory of this process in bytes.
long long PiccoResidente() {
    std::ifstream f("/proc/self/status");
    std::string nome;
    long long kb = 0;
    while (f >> nome) {
        if (nome == "VmHWM:") {
            f >> kb;
            return kb * 1024;
        }
        f.ignore(1 << 20, '\n');
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "memoria";
    int fili = 0;
    std::filesystem::path cartella = std::filesystem::temp_directory_path();
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--fili") == 0) fili = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--cartella") == 0) cartella = argv[i + 1];
    }
    TPronostico p;
    for (auto& pos : p.Posizione)
        for (int v = 1; v <= 16; ++v) pos.Numeri[pos.Quanti++] = static_cast<std::uint16_t>(v);
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    dati.Impostazioni.UsaCondizioni = false;
    TServiziSviluppo s;
    s.Fili = fili;
    const auto file = cartella / "bench_scala.Scl";
    if (modo == "file") {
        dati.Impostazioni.InMemoria = false;
        dati.Impostazioni.FileDestinazione = file.string();
    }
    TListaColonne lista;
    TEsitoSviluppo esito;
    const auto a = Orologio::now();
    SviluppaSistema(lista, dati, s, esito);
    const double t = Secondi(a);
    if (modo == "memoria") {
        const long long picco = PiccoResidente();
        std::printf(
            "B4 memoria: %.3f s, %lld colonne, picco residente %.1f MB, %.2f byte/colonna\n", t,
            static_cast<long long>(lista.Quante()), picco / 1e6,
            static_cast<double>(picco) / static_cast<double>(lista.Quante()));
        return 0;
    }
    const double byte = static_cast<double>(std::filesystem::file_size(file));
    const auto copia = cartella / "bench_scala_copia.Scl";
    const auto b = Orologio::now();
    const std::string cp = "cp '" + file.string() + "' '" + copia.string() + "'";
    if (std::system(cp.c_str()) != 0) return 1;
    const double tcp = Secondi(b);
    std::printf(
        "B4 file: %.3f s, %.0f colonne, %.0f MB/s; cp dello stesso file %.3f s, %.0f MB/s; "
        "rapporto %.2f; picco residente %.1f MB\n",
        t, byte / 8, byte / t / 1e6, tcp, byte / tcp / 1e6, tcp / t, PiccoResidente() / 1e6);
    std::filesystem::remove(copia);
    std::filesystem::remove(file);
    return 0;
}
