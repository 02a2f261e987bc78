#pragma once
#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "app/Avvio.h"
#include "core/Errore.h"
#include "core/Interfacce.h"
#include "printing/StampaPdf.h"

namespace sirvela {

class T_Sistema;
class TDatiSistema;
class TListaColonne;

// Exit codes of sirvela-cli.
inline constexpr int kUscitaOk = 0;
inline constexpr int kUscitaErrore = 1;
inline constexpr int kUscitaUso = 2;
inline constexpr int kUscitaAnnullata = 130;

inline constexpr const char* kMsgAnnullata = "Elaborazione Annullata.";

// A command that fails with its Italian message and an exit code.
class TErroreCli : public TErroreSirvela {
  public:
    explicit TErroreCli(const std::string& messaggio, int codice = kUscitaErrore)
        : TErroreSirvela(messaggio), codice_(codice) {}
    int Codice() const { return codice_; }

  private:
    int codice_;
};

// What every command shares: the streams, the folder the user started from and the program
// folder option.
class TContestoCli {
  public:
    TContestoCli(std::ostream& out, std::ostream& err);

    std::ostream& Out;
    std::ostream& Err;
    std::string Cartella;  // --cartella; empty: the usual choice of the program folder
    // Runs after a successful parse: the chosen command.
    std::function<int()> Azione;
    // Draws the "stampa" commands into their PDF.
    TStampaPdf StampaPdf;

    // A path typed on the command line is relative to the folder the user started from, not
    // to the program folder the start-up moves into.
    std::filesystem::path Percorso(const std::string& testo) const;

    // Prepares the program folder and reads the archive, the pilot list and the settings into
    // the document, as the program does at start-up.
    TAvvioDocumento Avvia(T_Sistema& sistema) const;
    // Only the program folder (commands that need no document).
    void PreparaCartella() const;
    // Reads a system file into a started document. A failure is the command's error naming
    // the file and the reason; what the user should know about the system (pilots out of
    // play, a guarantee outside 30..92) goes to stderr and the command goes on.
    void CaricaSistema(T_Sistema& sistema, const std::filesystem::path& file) const;
    // Reads a column file checked for the pilots in play of `dati` (the prints also take empty
    // columns); a file that is none is the command's error.
    void CaricaColonne(TListaColonne& colonne, const std::filesystem::path& file,
                       const TDatiSistema& dati, bool vuoteAmmesse = false) const;
    // Warnings on stderr, one per line.
    void Avvisa(const std::vector<std::string>& avvisi) const;

    // Adds --cartella to a command.
    void OpzioneCartella(CLI::App& comando);

    // The last line of stdout for --json.
    void ScriviJson(const nlohmann::ordered_json& j) const;

  private:
    std::filesystem::path iniziale_;
};

// While alive, Ctrl-C requests a cancel through the given token instead of ending the
// process; the previous handler comes back afterwards.
class TInterruzione {
  public:
    explicit TInterruzione(TAnnullamento& annulla);
    ~TInterruzione();
    TInterruzione(const TInterruzione&) = delete;
    TInterruzione& operator=(const TInterruzione&) = delete;

  private:
    TAnnullamento* precedente_;
    void (*gestore_)(int);
};

// A text progress bar on stderr; redraws only when the percentage or the label changes.
class TBarraProgresso {
  public:
    explicit TBarraProgresso(std::ostream& err) : err_(err) {}
    ~TBarraProgresso() { Termina(); }
    void Mostra(int percento, const std::string& etichetta);
    void Mostra(int percento) { Mostra(percento, etichetta_); }
    void Termina();

  private:
    std::ostream& err_;
    std::string etichetta_;
    int percento_ = -1;
    std::size_t larghezza_ = 0;
    bool disegnata_ = false;
};

// Reads a whole text or binary file; when it cannot, throws TErroreCli with `testo`, the file
// name and the reason.
std::string LeggiFileIntero(const std::filesystem::path& percorso, const std::string& testo);

// A whole number typed on the command line within a range, or the Italian refusal naming
// what it is.
long long InteroOpzione(const std::string& testo, long long minimo, long long massimo,
                        const std::string& nome);

// Commands of each area.
void RegistraSistema(CLI::App& app, TContestoCli& ctx);
void RegistraSpoglio(CLI::App& app, TContestoCli& ctx);
void RegistraStrumenti(CLI::App& app, TContestoCli& ctx);
void RegistraArchivio(CLI::App& app, TContestoCli& ctx);
void RegistraSviluppo(CLI::App& app, TContestoCli& ctx);
void RegistraConteggio(CLI::App& app, TContestoCli& ctx);
void RegistraStampa(CLI::App& app, TContestoCli& ctx);
void RegistraDownload(CLI::App& app, TContestoCli& ctx);
void RegistraAnalisi(CLI::App& app, TContestoCli& ctx);

}  // namespace sirvela
