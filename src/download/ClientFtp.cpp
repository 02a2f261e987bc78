#include "download/ClientFtp.h"

#include <curl/curl.h>

#include <mutex>

#include "core/FlussoBinario.h"

namespace sirvela {
namespace fs = std::filesystem;
using Orologio = std::chrono::steady_clock;

namespace {

bool Controllo(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

bool CarattereHost(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

std::string Codifica(const std::string& parte) {
    static const char kCifre[] = "0123456789ABCDEF";
    std::string r;
    for (char c : parte) {
        const auto u = static_cast<unsigned char>(c);
        if (CarattereHost(c) || c == '~') {
            r += c;
        } else {
            r += '%';
            r += kCifre[u >> 4];
            r += kCifre[u & 15];
        }
    }
    return r;
}

void InizializzaLibreria() {
    static std::once_flag fatto;
    std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

long Secondi(std::chrono::milliseconds ms) {
    return static_cast<long>((ms.count() + 999) / 1000);
}

struct TStatoScarico {
    TAnnullamento* Annulla = nullptr;
    IAvanzamentoFtp* Avanzamento = nullptr;
    std::chrono::milliseconds Sorveglianza{};
    Orologio::time_point UltimoDato = Orologio::now();
    curl_off_t Ricevuti = -1;
    curl_off_t Totale = -1;
    bool Annullato = false;
    bool Bloccato = false;
};

// Called by the library many times a second while busy and about once a second while idle:
// the cancel request and the watchdog are looked at here.
int Progresso(void* dati, curl_off_t totale, curl_off_t ricevuti, curl_off_t, curl_off_t) {
    auto& s = *static_cast<TStatoScarico*>(dati);
    if (s.Annulla && s.Annulla->Richiesto()) {
        s.Annullato = true;
        return 1;
    }
    const auto adesso = Orologio::now();
    if (ricevuti != s.Ricevuti || totale != s.Totale) {
        if (ricevuti != s.Ricevuti) s.UltimoDato = adesso;
        s.Ricevuti = ricevuti;
        s.Totale = totale;
        if (s.Avanzamento)
            s.Avanzamento->Ricevuti(static_cast<std::uint64_t>(ricevuti),
                                    static_cast<std::uint64_t>(totale > 0 ? totale : 0));
    } else if (adesso - s.UltimoDato > s.Sorveglianza) {
        s.Bloccato = true;
        return 1;
    }
    return 0;
}

// A write the local file refuses ends the transfer.
std::size_t ScriviFile(char* dati, std::size_t, std::size_t n, void* locale) {
    return static_cast<TScrittore*>(locale)->Scrivi(dati, n) ? n : 0;
}

std::size_t Scarta(char*, std::size_t, std::size_t n, void*) {
    return n;
}

}  // namespace

std::string IndirizzoFtp(const std::string& host, int porta) {
    std::string nome = host;
    const auto duepunti = host.find(':');
    if (duepunti != std::string::npos) {
        nome = host.substr(0, duepunti);
        const std::string cifre = host.substr(duepunti + 1);
        if (cifre.empty() || cifre.size() > 5) return {};
        long p = 0;
        for (char c : cifre) {
            if (c < '0' || c > '9') return {};
            p = p * 10 + (c - '0');
        }
        if (p < 1 || p > 65535) return {};
        porta = static_cast<int>(p);
    }
    if (nome.empty() || porta < 1 || porta > 65535) return {};
    for (char c : nome)
        if (!CarattereHost(c)) return {};
    return "ftp://" + nome + ":" + std::to_string(porta) + "/";
}

std::optional<std::string> PercorsoFtp(const std::string& cartella, const std::string& file) {
    for (char c : cartella + file)
        if (Controllo(c)) return std::nullopt;
    std::string r;
    // The root is an encoded slash: the library then changes to "/..." rather than to a
    // folder below the log-in folder.
    if (!cartella.empty() && cartella[0] == '/') r = "%2F";
    std::size_t i = 0;
    while (i <= cartella.size()) {
        const auto fine = std::min(cartella.find('/', i), cartella.size());
        const std::string parte = cartella.substr(i, fine - i);
        if (!parte.empty()) {
            if (!r.empty() && r != "%2F") r += '/';
            r += Codifica(parte);
        }
        i = fine + 1;
    }
    if (!r.empty()) r += '/';
    return r + Codifica(file);
}

TClientFtpCurl::TClientFtpCurl(TImpostazioniFtp impostazioni, TAnnullamento* annulla)
    : imp_(std::move(impostazioni)), annulla_(annulla) {
    InizializzaLibreria();
}

TClientFtpCurl::~TClientFtpCurl() {
    Disconnetti();
}

void TClientFtpCurl::Prepara() {
    CURL* c = static_cast<CURL*>(curl_);
    curl_easy_reset(c);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERNAME, imp_.Utente.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, imp_.Password.c_str());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(imp_.Attesa.count()));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, Secondi(imp_.Attesa));
    // One "CWD folder" as the server's folder is written, then "TYPE I" and "RETR".
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Progresso);
    // The library's own watch over slow transfers and the deadline: the watchdog above only
    // sees whether bytes come at all.
    if (imp_.VelocitaMinima > 0 && imp_.FinestraVelocita.count() > 0) {
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, imp_.VelocitaMinima);
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME,
                         static_cast<long>(imp_.FinestraVelocita.count()));
    }
    if (imp_.Scadenza.count() > 0)
        curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(imp_.Scadenza.count()));
}

TEsitoFtp TClientFtpCurl::Connetti(const std::string& host, int porta) {
    Disconnetti();
    indirizzo_ = IndirizzoFtp(host, porta);
    if (indirizzo_.empty()) {
        errore_ = "indirizzo non valido: " + host;
        return TEsitoFtp::Errore;
    }
    curl_ = curl_easy_init();
    if (!curl_) return TEsitoFtp::Errore;
    Prepara();
    CURL* c = static_cast<CURL*>(curl_);
    TStatoScarico stato;
    stato.Annulla = annulla_;
    stato.Sorveglianza = imp_.Attesa;
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &stato);
    // Logs in and asks for nothing: the session stays open in the handle for the downloads.
    curl_easy_setopt(c, CURLOPT_URL, indirizzo_.c_str());
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Scarta);
    const CURLcode r = curl_easy_perform(c);
    // The state above ends here; the end of the session must not call back into it.
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 1L);
    if (r == CURLE_OK) return TEsitoFtp::Ok;
    errore_ = curl_easy_strerror(r);
    Disconnetti();
    return stato.Annullato ? TEsitoFtp::Annullato : TEsitoFtp::Errore;
}

TEsitoFtp TClientFtpCurl::Scarica(const std::string& cartella, const std::string& file,
                                  TScrittore& locale, IAvanzamentoFtp* avanzamento) {
    if (!curl_) return TEsitoFtp::Errore;
    if (annulla_ && annulla_->Richiesto()) return TEsitoFtp::Annullato;
    const auto percorso = PercorsoFtp(cartella, file);
    if (!percorso) {
        errore_ = "percorso non valido";
        return TEsitoFtp::Errore;
    }
    if (!locale.Ok()) return TEsitoFtp::ErroreLocale;
    Prepara();
    CURL* c = static_cast<CURL*>(curl_);
    const std::string url = indirizzo_ + *percorso;
    TStatoScarico stato;
    stato.Annulla = annulla_;
    stato.Avanzamento = avanzamento;
    stato.Sorveglianza = imp_.Sorveglianza;
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &stato);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, ScriviFile);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &locale);
    // A server that stops answering a command is the watchdog's case too.
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, Secondi(imp_.Sorveglianza));
    const CURLcode r = curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Scarta);
    if (stato.Annullato) return TEsitoFtp::Annullato;
    if (!locale.Ok()) {
        errore_ = "errore di scrittura";
        return TEsitoFtp::ErroreLocale;
    }
    if (stato.Bloccato || r == CURLE_OPERATION_TIMEDOUT) {
        errore_ = curl_easy_strerror(r);
        return TEsitoFtp::Bloccato;
    }
    if (r != CURLE_OK) {
        errore_ = curl_easy_strerror(r);
        return TEsitoFtp::Errore;
    }
    // A transfer the server ended early without saying so still counts as cut.
    curl_off_t attesi = -1, ricevuti = 0;
    curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &attesi);
    curl_easy_getinfo(c, CURLINFO_SIZE_DOWNLOAD_T, &ricevuti);
    if (attesi >= 0 && attesi != ricevuti) {
        errore_ = "trasferimento incompleto";
        return TEsitoFtp::Errore;
    }
    if (avanzamento) {
        const auto n = static_cast<std::uint64_t>(ricevuti);
        avanzamento->Ricevuti(n, n);
    }
    return TEsitoFtp::Ok;
}

void TClientFtpCurl::Disconnetti() {
    if (!curl_) return;
    curl_easy_cleanup(static_cast<CURL*>(curl_));
    curl_ = nullptr;
}

}  // namespace sirvela
