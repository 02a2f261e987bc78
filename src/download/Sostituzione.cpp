#include "download/Sostituzione.h"

#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <iostream>
#include <limits>
#include <thread>

#include "core/SalvataggioSicuro.h"
#include "download/Pacchetto.h"

extern char** environ;

namespace sirvela {
namespace fs = std::filesystem;

fs::path FileBackup(const fs::path& installato) {
    fs::path b = installato;
    b += ".precedente";
    return b;
}

TEsitoSostituzione SostituisciEseguibile(const fs::path& installato, const fs::path& nuovo) {
    TEsitoSostituzione esito;
    if (!EseguibileValido(nuovo)) {
        esito.Messaggio = kProgrammaRicevutoNonValido;
        return esito;
    }
    std::error_code ec;
    esito.Messaggio = kSostituzioneFallita;
    if (!fs::is_regular_file(installato, ec)) return esito;
    if (ConservaCopia(installato, FileBackup(installato)) != 0) return esito;
    // Once renamed the new program is the installed one, even when the folder could not be
    // synced afterwards.
    if (RinominaDurevole(nuovo, installato) != 0 && fs::exists(nuovo, ec)) return esito;
    esito.Riuscita = true;
    esito.Messaggio.clear();
    return esito;
}

namespace {

// Linux keeps an ended child as a zombie until its parent collects it.
bool Zombie(pid_t processo) {
    std::ifstream stat("/proc/" + std::to_string(processo) + "/stat");
    std::string testo;
    std::getline(stat, testo);
    const auto chiusa = testo.rfind(')');
    return chiusa != std::string::npos && chiusa + 2 < testo.size() && testo[chiusa + 2] == 'Z';
}

}  // namespace

pid_t IdProcesso(const std::string& testo) {
    long long valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [dove, errore] = std::from_chars(testo.data(), fine, valore);
    if (errore != std::errc{} || dove != fine || valore <= 0 ||
        valore > std::numeric_limits<pid_t>::max())
        return 0;
    return static_cast<pid_t>(valore);
}

bool AttendiFine(pid_t processo, std::chrono::milliseconds limite) {
    const auto fine = std::chrono::steady_clock::now() + limite;
    for (;;) {
        if (::kill(processo, 0) != 0 && errno == ESRCH) return true;
        if (Zombie(processo)) return true;
        if (std::chrono::steady_clock::now() >= fine) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

pid_t AvviaProgramma(const fs::path& eseguibile, const std::vector<std::string>& argomenti,
                     const std::vector<std::string>& ambiente) {
    std::vector<std::string> testi{eseguibile.string()};
    testi.insert(testi.end(), argomenti.begin(), argomenti.end());
    std::vector<char*> argv;
    for (auto& t : testi) argv.push_back(t.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = ambiente;
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    for (char** e = environ; e && *e; ++e) envp.push_back(*e);
    envp.push_back(nullptr);

    posix_spawnattr_t attributi;
    posix_spawnattr_init(&attributi);
    // A session of its own: the new program outlives the one that started it.
    posix_spawnattr_setflags(&attributi, POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    const int r =
        posix_spawn(&pid, eseguibile.c_str(), nullptr, &attributi, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributi);
    return r == 0 ? pid : -1;
}

int EseguiAggiornatore(const std::vector<std::string>& argomenti,
                       std::chrono::milliseconds attesa) {
    if (argomenti.size() < 3) {
        std::cerr << "Uso: " << kNomeAggiornatore << " PID INSTALLATO NUOVO [ARGOMENTI...]\n";
        return 2;
    }
    const pid_t processo = IdProcesso(argomenti[0]);
    const fs::path installato = argomenti[1], nuovo = argomenti[2];
    const std::vector<std::string> resto(argomenti.begin() + 3, argomenti.end());
    if (processo <= 0) {
        std::cerr << "PID non valido: " << argomenti[0] << "\n";
        return 2;
    }
    TEsitoSostituzione esito;
    if (AttendiFine(processo, attesa))
        esito = SostituisciEseguibile(installato, nuovo);
    else
        esito.Messaggio = kProgrammaNonTerminato;
    std::vector<std::string> ambiente;
    if (!esito.Riuscita) {
        std::error_code ec;
        fs::remove(nuovo, ec);
        std::cerr << esito.Messaggio << "\n";
        ambiente.push_back(std::string(kVariabileEsitoAggiornamento) + "=" + esito.Messaggio);
    }
    // A program still running is not started a second time.
    if (esito.Riuscita || esito.Messaggio != kProgrammaNonTerminato)
        AvviaProgramma(installato, resto, ambiente);
    return esito.Riuscita ? 0 : 1;
}

}  // namespace sirvela
