#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/ContestoCli.h"
#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {
namespace {

// What follows the last ": " of a parser message: the names or values it is about.
std::string Coda(const std::string& messaggio) {
    const auto p = messaggio.rfind(": ");
    return p == std::string::npos ? messaggio : messaggio.substr(p + 2);
}

std::string Testa(const std::string& messaggio, const std::string& separatore) {
    const auto p = messaggio.find(separatore);
    return p == std::string::npos ? messaggio : messaggio.substr(0, p);
}

// The parser's own messages are English; the user reads Italian.
std::string MessaggioItaliano(const CLI::ParseError& e) {
    const std::string m = e.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) return "Argomenti non previsti: " + Coda(m);
    if (dynamic_cast<const CLI::RequiredError*>(&e)) {
        if (m.rfind("A subcommand", 0) == 0 || m.find("subcommand") != std::string::npos)
            return "Manca il comando da eseguire.";
        return "Manca un argomento obbligatorio: " + Testa(m, " is required");
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e))
        return "Numero di valori errato per " + Testa(Testa(m, ":"), " was given") + ".";
    if (dynamic_cast<const CLI::ConversionError*>(&e) ||
        dynamic_cast<const CLI::ValidationError*>(&e))
        return "Valore non valido: " + m;
    return "Riga di comando non valida: " + m;
}

// Italian labels for the parser's help, and the one option group.
void Impagina(CLI::App& app) {
    auto formato = app.get_formatter();
    formato->label("Usage", "Uso");
    formato->label("OPTIONS", "OPZIONI");
    formato->label("Positionals", "Argomenti");
    formato->label("REQUIRED", "OBBLIGATORIO");
    formato->label("SUBCOMMAND", "COMANDO");
    formato->label("SUBCOMMANDS", "COMANDI");
    formato->label("Needs", "Richiede");
    formato->label("Excludes", "Esclude");
    formato->column_width(34);
    app.option_defaults()->group("Opzioni");
    app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
}

// Sub-commands make their own help flag, outside the option group.
void Raggruppa(CLI::App& app) {
    if (CLI::Option* aiuto = app.get_help_ptr()) aiuto->group("Opzioni");
    for (CLI::App* comando : app.get_subcommands({})) {
        comando->group("Comandi");
        Raggruppa(*comando);
    }
}

// Runs the chosen command; its failures become the exit code and the message on stderr.
int EseguiAzione(const TContestoCli& ctx, std::ostream& err) {
    try {
        return ctx.Azione();
    } catch (const TErroreCli& e) {
        err << e.what() << "\n";
        return e.Codice();
    } catch (const TErroreSirvela& e) {
        err << e.what() << "\n";
        return kUscitaErrore;
    } catch (const nlohmann::json::exception& e) {
        err << "Errore nei dati JSON: " << e.what() << "\n";
        return kUscitaErrore;
    } catch (const std::bad_alloc&) {
        err << "Memoria Esaurita.\n";
        return kUscitaErrore;
    } catch (const std::exception& e) {
        err << "Errore imprevisto: " << e.what() << "\n";
        return kUscitaErrore;
    }
}

// The whole command line: the options of the program and every command with its own.
void Componi(CLI::App& app, TContestoCli& ctx, bool& versione) {
    Impagina(app);
    app.add_flag("-V,--versione,--version", versione, "Mostra la versione ed esce");
    ctx.OpzioneCartella(app);
    app.require_subcommand(0, 1);
    app.footer(
        "I percorsi dei file sono relativi alla cartella corrente. "
        "\"sirvela-cli COMANDO --help\" descrive ogni comando.");
    RegistraSviluppo(app, ctx);
    RegistraConteggio(app, ctx);
    RegistraSpoglio(app, ctx);
    RegistraSistema(app, ctx);
    RegistraStrumenti(app, ctx);
    RegistraArchivio(app, ctx);
    RegistraStampa(app, ctx);
    RegistraDownload(app, ctx);
    RegistraAnalisi(app, ctx);
    Raggruppa(app);
}

CLI::App NuovaApp() {
    return CLI::App{"Sirvela " + TestoVersione(kVersioneFormatoProgramma) +
                        " - sviluppo e controllo dei sistemi dalla riga di comando",
                    "sirvela-cli"};
}

std::vector<std::string> OpzioniLunghe(const CLI::App& comando) {
    std::vector<std::string> nomi;
    for (const CLI::Option* o : comando.get_options())
        for (const std::string& n : o->get_lnames()) nomi.push_back("--" + n);
    return nomi;
}

void ElencaComandi(const CLI::App& app, const std::string& prefisso,
                   std::vector<TComandoCli>& elenco) {
    for (const CLI::App* c : app.get_subcommands({})) {
        const std::string nome = prefisso + c->get_name();
        if (c->get_subcommands({}).empty())
            elenco.push_back({nome, OpzioniLunghe(*c)});
        else
            ElencaComandi(*c, nome + " ", elenco);
    }
}

}  // namespace

std::vector<TComandoCli> ComandiCli() {
    std::ostringstream nessuno;
    TContestoCli ctx(nessuno, nessuno);
    CLI::App app = NuovaApp();
    bool versione = false;
    Componi(app, ctx, versione);
    std::vector<TComandoCli> elenco{{"", OpzioniLunghe(app)}};
    ElencaComandi(app, "", elenco);
    return elenco;
}

int EseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err,
              TStampaPdf stampaPdf) {
    // What a command leaves in the globals is put back.
    TStatoGlobali stato;
    TContestoCli ctx(out, err);
    ctx.StampaPdf = std::move(stampaPdf);

    CLI::App app = NuovaApp();
    bool versione = false;
    Componi(app, ctx, versione);

    std::vector<std::string> args(argomenti.rbegin(), argomenti.rend());
    try {
        app.parse(args);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kUscitaOk;
    } catch (const CLI::ParseError& e) {
        err << MessaggioItaliano(e) << "\n";
        return kUscitaUso;
    }
    if (versione) {
        out << "sirvela-cli " << TestoVersione(kVersioneFormatoProgramma) << "\n";
        return kUscitaOk;
    }
    if (!ctx.Azione) {
        out << app.help();
        return kUscitaOk;
    }
    return EseguiAzione(ctx, err);
}

}  // namespace sirvela
