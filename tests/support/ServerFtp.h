#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace sirvela::test {

// A loopback FTP server (pyftpdlib) serving a folder to anonymous users on a free port,
// started by the test and stopped with it. It stops by itself after two minutes anyway.
class TServerFtp {
  public:
    struct Opzioni {
        std::vector<std::string> Taglia;  // files sent half way, then the session is dropped
        std::vector<std::string> Blocca;  // files sent half way, then the server goes silent
        std::vector<std::string> Goccia;  // files sent one byte every fifth of a second
        bool Rifiuta = false;             // every log-in refused
    };
    explicit TServerFtp(const std::filesystem::path& radice, const Opzioni& opzioni);
    explicit TServerFtp(const std::filesystem::path& radice) : TServerFtp(radice, Opzioni{}) {}
    ~TServerFtp();
    TServerFtp(const TServerFtp&) = delete;
    TServerFtp& operator=(const TServerFtp&) = delete;

    int Porta() const { return porta_; }  // 0 when it did not start
    std::string Host() const { return "127.0.0.1:" + std::to_string(porta_); }

  private:
    pid_t pid_ = -1;
    int porta_ = 0;
};

// The server side of the downloads in `radice`: "dwninfo.txt" naming this server for
// version 1 with the folders "archivi" and "programma", which are created.
void ScriviDescrizione(const std::filesystem::path& radice, const std::string& host);
// "ServerAggiornamenti.txt" in the program folder, pointing at the server.
void PuntaAlServer(const std::filesystem::path& cartellaProgramma, const TServerFtp& server);

}  // namespace sirvela::test
