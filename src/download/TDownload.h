#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/BloccoAggiornamento.h"
#include "core/FlussoBinario.h"
#include "core/Interfacce.h"
#include "download/ClientFtp.h"
#include "download/Pacchetto.h"
#include "download/TInternet.h"

namespace sirvela {

class T_Sistema;

inline constexpr const char* kTitoloDownload = "Aggiornamento tramite Internet";
inline constexpr const char* kStatoDownload = "Aggiornamento in Corso...";
inline constexpr const char* kErroreCollegamento =
    "Impossibile effettuare il collegamento. Verificare che la connessione ad internet sia "
    "attiva.";
inline constexpr const char* kErroreParametri = "Impossibile reperire i parametri di collegamento.";
inline constexpr const char* kErroreTrasferimento = "Errore durante il tranferimento dei files";
inline constexpr const char* kArchiviAggiornati =
    "Aggiornamento degli archivi completato con successo";
inline constexpr const char* kPilotiAggiornati =
    "Aggiornamento deli Piloti completato con successo";
inline constexpr const char* kArchivioRicevutoNonValido =
    "Il file degli archivi ricevuto non è valido. Gli archivi non sono stati modificati.";
inline constexpr const char* kPilotiRicevutiNonValidi =
    "La lista dei piloti ricevuta non è valida. La lista dei piloti non è stata modificata.";
inline constexpr const char* kFirmaNonValida =
    "Aggiornamento rifiutato: il programma ricevuto non porta una firma valida. Il programma "
    "installato non è stato modificato.";
inline constexpr const char* kAggiornamentoImpossibile =
    "Il programma non può essere aggiornato: la sua cartella non è scrivibile o manca "
    "l'aggiornatore. Il programma installato non è stato modificato.";
inline constexpr const char* kAggiornatoreNonAvviato =
    "Impossibile avviare l'aggiornamento del programma. Il programma installato non è stato "
    "modificato.";
inline constexpr const char* kErroreSostituzioneFile = "Impossibile sostituire il file ";

// Names on the server.
inline constexpr const char* kFileDescrizione = "dwninfo.txt";
inline constexpr const char* kFileArchivioServer = "sirarch.dat";
inline constexpr const char* kFilePilotiServer = "listapiloti.txt";
inline constexpr const char* kPacchettoProgramma = "sirvela1.arc";
inline constexpr const char* kFirmaPacchetto = "sirvela1.arc.sig";
// The member of the update archive that is the new program.
inline constexpr const char* kMembroProgramma = "sirvela";

enum class TModoDownload { Archivi = 1, Piloti = 2, Programma = 3 };

// Caption of the download window's mode: "Aggiornamento degli Archivi" and so on.
std::string TitoloModo(TModoDownload modo);
// "Passo 1 di 1".
std::string TestoPasso(int passo, int passi);
// The gauge: whole percent of the file received, 0 while the size is unknown.
int PercentualeRicevuta(std::uint64_t ricevuti, std::uint64_t totale);

// What a download must hold before it may replace the user's file. The archive: whole 13-byte
// records (at least one), each a contest 1..255 of a year 1871..2050 whose positions hold a
// pilot 1..25, the wildcard or nothing, in chronological order. The pilot list: text with at
// least 20 names among the lines the program reads.
bool ArchivioRicevutoValido(const std::filesystem::path& file);
bool ListaPilotiRicevutaValida(const std::filesystem::path& file);

// The download window as the flow drives it.
class IVistaDownload {
  public:
    virtual ~IVistaDownload() = default;
    virtual void Apri(const std::string& titolo, const std::string& stato,
                      const std::string& passo) = 0;
    virtual void Percentuale(int percento) = 0;
    virtual void Chiudi() = 0;
};

// The installed program a program update replaces.
struct TInstallazione {
    std::filesystem::path Eseguibile;    // the program
    std::filesystem::path Aggiornatore;  // the updater beside it
    TChiavePubblica Chiave = ChiaveAggiornamenti();

    // The running program's own: "sirvela" and the updater in the executable's folder.
    static TInstallazione Corrente();
    // The new program waits here, beside the old one, for the updater.
    std::filesystem::path InAttesa() const;
};

struct TEsitoDownload {
    bool Riuscito = false;   // modes 1, 2: file replaced; mode 3: the new program is staged
    bool Annullato = false;  // "Annulla" was pressed
};

// The three commands of the "Internet" menu. Each fetches "dwninfo.txt" from the description
// server, logs in to the host it names and downloads to a temporary name of its own; the user's
// file is replaced only by a whole download of the right content, safely on the disk, and the
// replaced one is kept beside it. One command at a time per program folder ("Un altro
// aggiornamento è in corso." otherwise). The messages go to the message box.
class TDownload {
  public:
    TDownload(T_Sistema& sistema, IClientFtp& client, IMessaggi& messaggi,
              IVistaDownload* vista = nullptr);

    TServerDescrizione Server = TServerDescrizione::Leggi(TServerDescrizione::FileLocale());
    TInstallazione Installazione;
    TInternet Internet;
    // The files received are written through this (tests make it fail).
    ISistemaFile* SistemaFile = &SistemaFileReale();

    // Fetches and reads "dwninfo.txt" (in memory); false when it could not.
    bool AcquisisceParametri();
    TEsitoDownload Aggiorna(TModoDownload modo);

    // After a staged program update: starts the updater, which waits for this process to end.
    // False (staged program removed, message shown) when it cannot be started.
    bool AvviaAggiornatore(const std::vector<std::string>& argomentiProgramma);
    // Drops a staged program update.
    void ScartaAggiornamento();

  private:
    // Logs in; a refusal is shown, a cancel is not.
    TEsitoFtp Connessione(const std::string& host, int porta);
    TEsitoFtp Scarica(const std::string& cartella, const std::string& file, TScrittore& locale,
                      bool segnalaErrore = true);
    // A file received that cannot be written here, named with the reason.
    void ErroreLocale(const TScrittore& locale);
    // Downloads a file of the archive folder under a temporary name beside `destinazione` and
    // puts it in its place, keeping the old one, when its content is right.
    TEsitoDownload SostituisceFile(const std::string& fileServer,
                                   const std::filesystem::path& destinazione,
                                   bool (*valido)(const std::filesystem::path&),
                                   const char* nonValido);
    TEsitoDownload Archivi();
    TEsitoDownload Piloti();
    TEsitoDownload Programma();

    T_Sistema& sistema_;
    IClientFtp& client_;
    IMessaggi& messaggi_;
    IVistaDownload* vista_;
};

}  // namespace sirvela
