#pragma once
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/Interfacce.h"

namespace sirvela {

class TScrittore;

// How a download ended.
enum class TEsitoFtp {
    Ok,
    Errore,        // refused, cut or failed on the way
    Annullato,     // the cancel token was set
    Bloccato,      // no data for too long, too slow for too long, or past the deadline
    ErroreLocale,  // the file received could not be written here
};

// Bytes received so far and the size of the file (0 while unknown).
class IAvanzamentoFtp {
  public:
    virtual ~IAvanzamentoFtp() = default;
    virtual void Ricevuti(std::uint64_t ricevuti, std::uint64_t totale) = 0;
};

// The file-transfer client as the downloads drive it: anonymous log-in, then any number of
// binary downloads from server folders, then the end of the session.
class IClientFtp {
  public:
    virtual ~IClientFtp() = default;
    // Errore when the host cannot be reached or refuses the log-in.
    virtual TEsitoFtp Connetti(const std::string& host, int porta) = 0;
    // Changes to `cartella` (from the log-in folder; empty: stay there) and writes `file` into
    // `locale`, which may hold part of it when the result is not Ok (ErroreLocale: `locale`
    // refused a write and says why).
    virtual TEsitoFtp Scarica(const std::string& cartella, const std::string& file,
                              TScrittore& locale, IAvanzamentoFtp* avanzamento) = 0;
    virtual void Disconnetti() = 0;
};

struct TImpostazioniFtp {
    std::string Utente = "anonymous";
    std::string Password = "sirvela@sirvela.it";
    // Connection and server answers.
    std::chrono::milliseconds Attesa{100000};
    // Longest time a download may go without receiving anything.
    std::chrono::milliseconds Sorveglianza{100000};
    // A download slower than VelocitaMinima bytes a second over FinestraVelocita is given up,
    // and so is any that is not done by the Scadenza (a server that keeps a transfer alive
    // with a byte now and then). 0 turns either off.
    long VelocitaMinima = 256;
    std::chrono::seconds FinestraVelocita{60};
    std::chrono::milliseconds Scadenza{std::chrono::minutes(30)};
};

// "ftp://host:porta/": the host is letters, digits, '.', '-' and '_', and may end with
// ":porta", which then wins over `porta`. Nothing (an empty text) when the host could change
// the address's meaning.
std::string IndirizzoFtp(const std::string& host, int porta);
// The address path of `file` inside `cartella`, each part percent-encoded; a folder opening
// with "/" starts from the server's root. Nothing when a control character is in either.
std::optional<std::string> PercorsoFtp(const std::string& cartella, const std::string& file);

// The client over libcurl. One session at a time; the calls block until done, so the desktop
// program makes them away from its window's thread. The cancel token is polled during every
// call.
class TClientFtpCurl : public IClientFtp {
  public:
    explicit TClientFtpCurl(TImpostazioniFtp impostazioni = {}, TAnnullamento* annulla = nullptr);
    ~TClientFtpCurl() override;
    TClientFtpCurl(const TClientFtpCurl&) = delete;
    TClientFtpCurl& operator=(const TClientFtpCurl&) = delete;

    TEsitoFtp Connetti(const std::string& host, int porta) override;
    TEsitoFtp Scarica(const std::string& cartella, const std::string& file, TScrittore& locale,
                      IAvanzamentoFtp* avanzamento) override;
    void Disconnetti() override;

    // The library's text for the last failure, for diagnostics.
    const std::string& UltimoErrore() const { return errore_; }

  private:
    void Prepara();

    TImpostazioniFtp imp_;
    TAnnullamento* annulla_;
    void* curl_ = nullptr;
    std::string indirizzo_;
    std::string errore_;
};

}  // namespace sirvela
