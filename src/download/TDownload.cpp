#include "download/TDownload.h"

#include <unistd.h>

#include <fstream>

#include "app/Avvio.h"
#include "app/Cartelle.h"
#include "app/ListaPiloti.h"
#include "archive/TArchivio.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "download/Sostituzione.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

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
    std::error_code ec;
    const auto n = fs::file_size(file, ec);
    return !ec && n > 0 && n % 13 == 0;
}

bool ListaPilotiRicevutaValida(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    bool qualcosa = false;
    char c;
    while (in.get(c)) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u == 0x7f) return false;
        qualcosa = true;
    }
    return qualcosa && !in.bad();
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
    const fs::path locale = CartellaProgramma / kFileDescrizione;
    // A description without this version's section or one of its values says so too: a
    // command that silently does nothing looks like one that worked.
    const bool letto = client_.Scarica("", kFileDescrizione, locale, nullptr) == TEsitoFtp::Ok &&
                       Internet.LeggiFile(locale, ChiaveSezione(kVersioneFormatoProgramma));
    if (!letto) messaggi_.Errore(kErroreParametri);
    Elimina(locale);
    client_.Disconnetti();
    return letto;
}

TEsitoFtp TDownload::Scarica(const std::string& cartella, const std::string& file,
                             const fs::path& locale, bool segnalaErrore) {
    TIndicatore indicatore(vista_);
    const TEsitoFtp esito = client_.Scarica(cartella, file, locale, &indicatore);
    if (esito == TEsitoFtp::Ok) return esito;
    Elimina(locale);
    if (esito == TEsitoFtp::Bloccato || (esito == TEsitoFtp::Errore && segnalaErrore))
        messaggi_.Errore(kErroreTrasferimento);
    client_.Disconnetti();
    return esito;
}

bool TDownload::Sostituisci(const fs::path& temporaneo, const fs::path& destinazione) {
    std::error_code ec;
    // One rename: the old file stays whole until the new one takes its name.
    fs::rename(temporaneo, destinazione, ec);
    if (!ec) return true;
    Elimina(temporaneo);
    messaggi_.Errore(kErroreSostituzioneFile + ("\"" + destinazione.filename().string() + "\""));
    return false;
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
    const TEsitoFtp collegato = Connessione(Internet.HostName, kPortaFtp);
    esito.Annullato = collegato == TEsitoFtp::Annullato;
    if (collegato != TEsitoFtp::Ok) return esito;
    std::error_code ec;
    fs::create_directories(destinazione.parent_path(), ec);
    fs::path temporaneo = destinazione;
    temporaneo.replace_extension(".tmp");
    const TEsitoFtp r = Scarica(Internet.ArchiviDir, fileServer, temporaneo);
    esito.Annullato = r == TEsitoFtp::Annullato;
    if (r != TEsitoFtp::Ok) return esito;
    client_.Disconnetti();
    if (!valido(temporaneo)) {
        Elimina(temporaneo);
        messaggi_.Errore(nonValido);
        return esito;
    }
    esito.Riuscito = Sostituisci(temporaneo, destinazione);
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
    const TEsitoFtp collegato = Connessione(Internet.HostName, kPortaFtp);
    esito.Annullato = collegato == TEsitoFtp::Annullato;
    if (collegato != TEsitoFtp::Ok) return esito;
    const fs::path pacchetto = CartellaProgramma / kPacchettoProgramma;
    const fs::path firma = CartellaProgramma / kFirmaPacchetto;
    TEsitoFtp r = Scarica(Internet.ExeDir, kPacchettoProgramma, pacchetto);
    // A signature missing on the server makes an unsigned update, refused below like a bad one.
    if (r == TEsitoFtp::Ok) {
        r = Scarica(Internet.ExeDir, kFirmaPacchetto, firma, false);
        if (r == TEsitoFtp::Errore) r = TEsitoFtp::Ok;
    }
    esito.Annullato = r == TEsitoFtp::Annullato;
    if (r != TEsitoFtp::Ok) {
        Elimina(pacchetto);
        return esito;
    }
    client_.Disconnetti();
    const bool firmato = FirmaValida(pacchetto, firma, Installazione.Chiave);
    Elimina(firma);
    if (!firmato) {
        Elimina(pacchetto);
        messaggi_.Errore(kFirmaNonValida);
        return esito;
    }
    const fs::path inAttesa = Installazione.InAttesa();
    const bool estratto = EstraiMembro(pacchetto, kMembroProgramma, inAttesa);
    Elimina(pacchetto);
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
