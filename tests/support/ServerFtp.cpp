#include "support/ServerFtp.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/Supporto.h"

extern char** environ;

namespace sirvela::test {

TServerFtp::TServerFtp(const std::filesystem::path& radice, const Opzioni& o) {
    std::vector<std::string> a{SIRVELA_PYTHON, SIRVELA_SERVER_FTP, radice.string()};
    for (const auto& f : o.Taglia) a.insert(a.end(), {"--taglia", f});
    for (const auto& f : o.Blocca) a.insert(a.end(), {"--blocca", f});
    for (const auto& f : o.Goccia) a.insert(a.end(), {"--goccia", f});
    if (o.Rifiuta) a.push_back("--rifiuta");
    std::vector<char*> argv;
    for (auto& s : a) argv.push_back(s.data());
    argv.push_back(nullptr);

    int tubo[2];
    if (pipe2(tubo, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    if (posix_spawn(&pid_, argv[0], &azioni, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    // "PORTA n" once it listens; ten seconds at most.
    std::string riga;
    const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (pid_ > 0 && riga.find('\n') == std::string::npos &&
           std::chrono::steady_clock::now() < fine) {
        pollfd p{tubo[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        char buf[64];
        const ssize_t n = read(tubo[0], buf, sizeof buf);
        if (n <= 0) break;
        riga.append(buf, static_cast<std::size_t>(n));
    }
    close(tubo[0]);
    if (riga.rfind("PORTA ", 0) == 0) porta_ = std::atoi(riga.c_str() + 6);
}

TServerFtp::~TServerFtp() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void ScriviDescrizione(const std::filesystem::path& radice, const std::string& host) {
    std::filesystem::create_directories(radice / "archivi");
    std::filesystem::create_directories(radice / "programma");
    ScriviTesto(radice / "dwninfo.txt",
                "Descrizione dei download\r\n[Sirvela 2]\r\nhostname=altro\r\n[Sirvela 1]\r\n"
                "hostname=" +
                    host + "\r\narchividir=archivi\r\nexedir=programma\r\n");
}

void PuntaAlServer(const std::filesystem::path& cartellaProgramma, const TServerFtp& server) {
    ScriviTesto(
        cartellaProgramma / "ServerAggiornamenti.txt",
        "# server di prova\nhost=127.0.0.1\nporta=" + std::to_string(server.Porta()) + "\n");
}

}  // namespace sirvela::test
