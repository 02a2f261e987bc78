#pragma once
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace sirvela {

inline constexpr const char* kNomeAggiornatore = "sirvela-aggiorna";
// The updater hands its failure to the program it starts again under this variable, and the
// program shows it.
inline constexpr const char* kVariabileEsitoAggiornamento = "SIRVELA_ESITO_AGGIORNAMENTO";

inline constexpr const char* kProgrammaRicevutoNonValido =
    "Il programma ricevuto non è valido. Il programma installato non è stato modificato.";
inline constexpr const char* kSostituzioneFallita =
    "Impossibile sostituire il programma installato. Il programma installato non è stato "
    "modificato.";
inline constexpr const char* kProgrammaNonTerminato =
    "Il programma non si è chiuso in tempo per essere aggiornato. Il programma installato non è "
    "stato modificato.";

// Where the previous file is kept when an update replaces it (the program, the archive, the
// pilot list): beside it, with ".precedente" added.
std::filesystem::path FileBackup(const std::filesystem::path& installato);

// Puts `nuovo` in the place of `installato`: the installed program is first kept as its backup,
// then the new one is renamed over it in one step and both are safely on the disk, so at no
// moment is there no program. On any failure the installed program is untouched and the
// message says so.
struct TEsitoSostituzione {
    bool Riuscita = false;
    std::string Messaggio;
};
TEsitoSostituzione SostituisciEseguibile(const std::filesystem::path& installato,
                                         const std::filesystem::path& nuovo);

// A process id as the updater's first argument gives it: decimal digits alone, within the
// system's range; 0 for anything else.
pid_t IdProcesso(const std::string& testo);

// Waits until the process has ended (a process that ended but was not yet collected by its
// parent counts as ended); false when it is still running after `limite`.
bool AttendiFine(pid_t processo, std::chrono::milliseconds limite);

// Starts a program in a session of its own, not waited for; `ambiente` adds "NOME=valore"
// entries to ours. Returns its process id, or -1 when it could not be started.
pid_t AvviaProgramma(const std::filesystem::path& eseguibile,
                     const std::vector<std::string>& argomenti,
                     const std::vector<std::string>& ambiente = {});

// The updater's whole work: sirvela-aggiorna PID INSTALLATO NUOVO [ARGOMENTI...] waits for
// PID to end, replaces INSTALLATO by NUOVO and starts INSTALLATO with the arguments. When
// anything fails the staged file is removed and the untouched program is started with the
// message under kVariabileEsitoAggiornamento. Returns the exit status.
int EseguiAggiornatore(const std::vector<std::string>& argomenti,
                       std::chrono::milliseconds attesa = std::chrono::seconds(60));

}  // namespace sirvela
