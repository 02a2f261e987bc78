#include "download/TDownload.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <sstream>

#include "app/Avvio.h"
#include "app/Cartelle.h"
#include "app/Configurazione.h"
#include "app/ListaPiloti.h"
#include "archive/AggiornamentoArchivio.h"
#include "archive/TArchivio.h"
#include "core/Globali.h"
#include "core/SalvataggioSicuro.h"
#include "core/T_Sistema.h"
#include "download/Sostituzione.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMassimoDescrizione = 1 << 20;

// A record an archive may hold: no byte of it is out of place.
bool ConcorsoValido(const TEstrazione& e) {
    if (e.Numero < 1 || e.Anno < kAnnoMinimo || e.Anno > kAnnoMassimo) return false;
    for (const auto v : e.Vincente)
        if (v > kMaxPiloti && v != kJolly) return false;
    return true;
}

void Elimina(const fs::path& p) {
    std::error_code ec;
    fs::remove(p, ec);
}

// Passes the bytes received on to the gauge, redrawn only when its value changes.
class TIndicatore : public IAvanzamentoFtp {
  public:
    explicit TIndicatore(IVistaDownload* vista) : vista_(vista) {}
    void Ricevuti(std::uint64_t ricevuti, std::uint64_t totale) override {
        const int p = PercentualeRicevuta(ricevuti, totale);
        if (p == ultimo_ || !vista_) return;
        ultimo_ = p;
        vista_->Percentuale(p);
    }

  private:
    IVistaDownload* vista_;
    int ultimo_ = -1;
};

}  // namespace

std::string TitoloModo(TModoDownload modo) {
    switch (modo) {
        case TModoDownload::Archivi:
            return "Aggiornamento degli Archivi";
        case TModoDownload::Piloti:
            return "Aggiornamento dei Piloti";
        case TModoDownload::Programma:
            return "Aggiornamento di Sirvela";
    }
    return {};
}

std::string TestoPasso(int passo, int passi) {
    return "Passo " + std::to_string(passo) + " di " + std::to_string(passi);
}

int PercentualeRicevuta(std::uint64_t ricevuti, std::uint64_t totale) {
    if (totale == 0) return 0;
    return static_cast<int>(std::min<std::uint64_t>(ricevuti, totale) * 100 / totale);
}

bool ArchivioRicevutoValido(const fs::path& file) {
    TLettore l(file);
    if (!l.Aperto() || l.Dimensione() == 0 || l.Dimensione() % 13 != 0) return false;
    std::int64_t precedente = INT64_MIN;
    while (!l.FineFile()) {
        TEstrazione e;
        if (!e.Carica(l) || !ConcorsoValido(e) || e.Chiave() < precedente) return false;
        precedente = e.Chiave();
    }
    return true;
}

bool ListaPilotiRicevutaValida(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    char c;
    while (in.get(c)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7f) return false;
    }
    if (in.bad()) return false;
    TPiloti piloti;
    const TLetturaPiloti lettura = LeggiListaPiloti(file, piloti);
    if (!lettura.Letta) return false;
    int nomi = 0;
    for (int i = 1; i <= lettura.Righe; ++i)
        if (piloti.Nomi[i].find_first_not_of(" \t") != std::string::npos) ++nomi;
    return nomi >= kMinimoPiloti;
}

TInstallazione TInstallazione::Corrente() {
    TInstallazione i;
    const fs::path cartella = CartellaEseguibile();
    i.Eseguibile = cartella / "sirvela";
    i.Aggiornatore = cartella / kNomeAggiornatore;
    return i;
}

fs::path TInstallazione::InAttesa() const {
    fs::path p = Eseguibile;
    p += ".nuovo";
    return p;
}

TDownload::TDownload(T_Sistema& sistema, IClientFtp& client, IMessaggi& messaggi,
                     IVistaDownload* vista)
    : Installazione(TInstallazione::Corrente()),
      sistema_(sistema),
      client_(client),
      messaggi_(messaggi),
      vista_(vista) {}

TEsitoFtp TDownload::Connessione(const std::string& host, int porta) {
    const TEsitoFtp r = client_.Connetti(host, porta);
    if (r != TEsitoFtp::Ok && r != TEsitoFtp::Annullato) messaggi_.Errore(kErroreCollegamento);
    return r;
}

bool TDownload::AcquisisceParametri() {
    Internet = TInternet{};
    if (Connessione(Server.Host, Server.Porta) != TEsitoFtp::Ok) return false;
    // Read in memory: a few lines, so anything much longer is no description.
    TScrittore descrizione;
    descrizione.ImpostaLimite(kMassimoDescrizione, EFBIG);
    std::istringstream testo;
    if (client_.Scarica("", kFileDescrizione, descrizione, nullptr) == TEsitoFtp::Ok)
        testo.str(std::string(descrizione.Dati().begin(), descrizione.Dati().end()));
    else
        testo.setstate(std::ios::failbit);
    // A description without this version's section or one of its values says so too: a
    // command that silently does nothing looks like one that worked.
    const bool letto = testo && Internet.Leggi(testo, ChiaveSezione(kVersioneFormatoProgramma));
    if (!letto) messaggi_.Errore(kErroreParametri);
    client_.Disconnetti();
    return letto;
}

void TDownload::ErroreLocale(const TScrittore& locale) {
    messaggi_.Errore(TestoErroreScrittura("", locale.Destinazione(), locale.Errore()));
}

TEsitoFtp TDownload::Scarica(const std::string& cartella, const std::string& file,
                             TScrittore& locale, bool segnalaErrore) {
    TIndicatore indicatore(vista_);
    const TEsitoFtp esito = client_.Scarica(cartella, file, locale, &indicatore);
    if (esito == TEsitoFtp::Ok) return esito;
    if (esito == TEsitoFtp::ErroreLocale && locale.Errore() != EFBIG)
        ErroreLocale(locale);
    else if (esito == TEsitoFtp::Bloccato || (esito == TEsitoFtp::Errore && segnalaErrore))
        messaggi_.Errore(kErroreTrasferimento);
    locale.Abbandona();
    client_.Disconnetti();
    return esito;
}

TEsitoDownload TDownload::Aggiorna(TModoDownload modo) {
    if (modo == TModoDownload::Programma) {
        std::error_code ec;
        const fs::path cartella = Installazione.Eseguibile.parent_path();
        if (cartella.empty() || ::access(cartella.c_str(), W_OK) != 0 ||
            !fs::is_regular_file(Installazione.Aggiornatore, ec)) {
            messaggi_.Errore(kAggiornamentoImpossibile);
            return {};
        }
    }
    TBloccoAggiornamento blocco(CartellaProgramma);
    if (blocco.Occupato()) {
        messaggi_.Errore(kAggiornamentoInCorso);
        return {};
    }
    if (!AcquisisceParametri()) return {};
    if (vista_) vista_->Apri(TitoloModo(modo), kStatoDownload, TestoPasso(1, 1));
    TEsitoDownload esito;
    switch (modo) {
        case TModoDownload::Archivi:
            esito = Archivi();
            break;
        case TModoDownload::Piloti:
            esito = Piloti();
            break;
        case TModoDownload::Programma:
            esito = Programma();
            break;
    }
    if (vista_) vista_->Chiudi();
    return esito;
}

TEsitoDownload TDownload::SostituisceFile(const std::string& fileServer,
                                          const fs::path& destinazione,
                                          bool (*valido)(const fs::path&), const char* nonValido) {
    TEsitoDownload esito;
    std::error_code ec;
    fs::create_directories(destinazione.parent_path(), ec);
    TScrittore locale(destinazione, *SistemaFile);
    if (!locale.Aperto()) {
        ErroreLocale(locale);
        return esito;
    }
    const TEsitoFtp collegato = Connessione(Internet.HostName, kPortaFtp);
    esito.Annullato = collegato == TEsitoFtp::Annullato;
    if (collegato != TEsitoFtp::Ok) return esito;
    const TEsitoFtp r = Scarica(Internet.ArchiviDir, fileServer, locale);
    esito.Annullato = r == TEsitoFtp::Annullato;
    if (r != TEsitoFtp::Ok) return esito;
    client_.Disconnetti();
    if (!locale.Completa()) {
        ErroreLocale(locale);
        return esito;
    }
    if (!valido(locale.Temporaneo())) {
        locale.Abbandona();
        messaggi_.Errore(nonValido);
        return esito;
    }
    locale.File()->ConservaPrecedente(FileBackup(destinazione));
    if (!locale.Chiudi()) {
        messaggi_.Errore(kErroreSostituzioneFile +
                         ("\"" + destinazione.filename().string() +
                          "\": " + DescrizioneErrore(locale.Errore()) + "."));
        return esito;
    }
    esito.Riuscito = true;
    return esito;
}

TEsitoDownload TDownload::Archivi() {
    const TEsitoDownload esito =
        SostituisceFile(kFileArchivioServer, TArchivio::FileLocale(), ArchivioRicevutoValido,
                        kArchivioRicevutoNonValido);
    if (!esito.Riuscito) return esito;
    sistema_.Dati.Archivio.Carica(false);
    messaggi_.Mostra("Informazione", kArchiviAggiornati, PulsanteOk);
    return esito;
}

TEsitoDownload TDownload::Piloti() {
    const TEsitoDownload esito = SostituisceFile(
        kFilePilotiServer, FileListaPiloti(), ListaPilotiRicevutaValida, kPilotiRicevutiNonValidi);
    if (!esito.Riuscito) return esito;
    messaggi_.Mostra("Informazione", kPilotiAggiornati, PulsanteOk);
    // The names change; the number of pilots in play stays as the settings have it.
    TPiloti piloti;
    LeggiListaPiloti(FileListaPiloti(), piloti);
    ApplicaImpostazioni(sistema_, ImpostazioniDi(sistema_), piloti);
    return esito;
}

TEsitoDownload TDownload::Programma() {
    TEsitoDownload esito;
    TScrittore pacchetto(CartellaProgramma / kPacchettoProgramma, *SistemaFile);
    TScrittore firma(CartellaProgramma / kFirmaPacchetto, *SistemaFile);
    // Bigger than any program: refused, not stored.
    pacchetto.ImpostaLimite(kMassimoAggiornamento, EFBIG);
    firma.ImpostaLimite(4096, EFBIG);
    if (!pacchetto.Aperto() || !firma.Aperto()) {
        ErroreLocale(pacchetto.Aperto() ? firma : pacchetto);
        return esito;
    }
    const TEsitoFtp collegato = Connessione(Internet.HostName, kPortaFtp);
    esito.Annullato = collegato == TEsitoFtp::Annullato;
    if (collegato != TEsitoFtp::Ok) return esito;
    TEsitoFtp r = Scarica(Internet.ExeDir, kPacchettoProgramma, pacchetto);
    // A signature missing or oversized on the server makes an unsigned update, refused below
    // like a bad one.
    if (r == TEsitoFtp::Ok) {
        r = Scarica(Internet.ExeDir, kFirmaPacchetto, firma, false);
        if (r == TEsitoFtp::Errore || (r == TEsitoFtp::ErroreLocale && firma.Errore() == EFBIG))
            r = TEsitoFtp::Ok;
    }
    esito.Annullato = r == TEsitoFtp::Annullato;
    if (r != TEsitoFtp::Ok) {
        if (r == TEsitoFtp::ErroreLocale && pacchetto.Errore() == EFBIG)
            messaggi_.Errore(kProgrammaRicevutoNonValido);
        return esito;
    }
    client_.Disconnetti();
    if (!pacchetto.Completa()) {
        ErroreLocale(pacchetto);
        return esito;
    }
    const bool firmato = firma.Completa() && FirmaValida(pacchetto.Temporaneo(), firma.Temporaneo(),
                                                         Installazione.Chiave);
    firma.Abbandona();
    if (!firmato) {
        messaggi_.Errore(kFirmaNonValida);
        return esito;
    }
    const fs::path inAttesa = Installazione.InAttesa();
    const bool estratto = EstraiMembro(pacchetto.Temporaneo(), kMembroProgramma, inAttesa);
    pacchetto.Abbandona();
    if (!estratto || !EseguibileValido(inAttesa)) {
        Elimina(inAttesa);
        messaggi_.Errore(kProgrammaRicevutoNonValido);
        return esito;
    }
    esito.Riuscito = true;
    return esito;
}

bool TDownload::AvviaAggiornatore(const std::vector<std::string>& argomentiProgramma) {
    std::vector<std::string> argomenti{std::to_string(::getpid()),
                                       Installazione.Eseguibile.string(),
                                       Installazione.InAttesa().string()};
    argomenti.insert(argomenti.end(), argomentiProgramma.begin(), argomentiProgramma.end());
    if (AvviaProgramma(Installazione.Aggiornatore, argomenti) > 0) return true;
    ScartaAggiornamento();
    messaggi_.Errore(kAggiornatoreNonAvviato);
    return false;
}

void TDownload::ScartaAggiornamento() {
    Elimina(Installazione.InAttesa());
}

}  // namespace sirvela
