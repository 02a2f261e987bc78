#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
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

// Edit distance between two names, to suggest the one meant.
std::size_t Distanza(const std::string& a, const std::string& b) {
    std::vector<std::size_t> riga(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) riga[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonale = riga[0];
        riga[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t sopra = riga[j];
            riga[j] = std::min(
                {riga[j] + 1, riga[j - 1] + 1, diagonale + (a[i - 1] == b[j - 1] ? 0u : 1u)});
            diagonale = sopra;
        }
    }
    return riga[b.size()];
}

// " Forse si intendeva X?" for the nearest name within a typo or two; empty when none is.
std::string Suggerimento(const std::string& scritto, const std::vector<std::string>& nomi) {
    std::string migliore;
    std::size_t minima = std::max<std::size_t>(2, scritto.size() / 3) + 1;
    for (const std::string& n : nomi)
        if (const std::size_t d = Distanza(scritto, n); d < minima) {
            minima = d;
            migliore = n;
        }
    return migliore.empty() ? std::string() : " Forse si intendeva " + migliore + "?";
}

std::string Unisci(const std::vector<std::string>& nomi) {
    std::string testo;
    for (const std::string& n : nomi) testo += (testo.empty() ? "" : ", ") + n;
    return testo;
}

CLI::App* Sottocomando(CLI::App& app, const std::string& nome) {
    for (CLI::App* c : app.get_subcommands({}))
        if (c->check_name(nome)) return c;
    return nullptr;
}

std::vector<std::string> NomiComandi(CLI::App& app) {
    std::vector<std::string> nomi;
    for (const CLI::App* c : app.get_subcommands({})) nomi.push_back(c->get_name());
    return nomi;
}

std::vector<std::string> NomiOpzioni(const CLI::App& app) {
    std::vector<std::string> nomi;
    for (const CLI::Option* o : app.get_options()) {
        for (const std::string& n : o->get_lnames()) nomi.push_back("--" + n);
        for (const std::string& n : o->get_snames()) nomi.push_back("-" + n);
    }
    return nomi;
}

// "Comandi: a, b." or "Comandi di sistema: a, b."
std::string ElencoComandi(CLI::App& app, const std::string& percorso) {
    return "Comandi" + (percorso.empty() ? std::string() : " di " + percorso) + ": " +
           Unisci(NomiComandi(app)) + ".";
}

// Walks the arguments over the commands and their options, as the parser reads them, to name
// the first word it cannot know: an unknown command or option, with the nearest known name.
// Empty when every word is known (the parser's own message then says what is wrong).
std::string ArgomentoSconosciuto(CLI::App& app, const std::vector<std::string>& argomenti) {
    CLI::App* corrente = &app;
    std::string percorso;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--") break;
        if (a.size() > 1 && a[0] == '-') {
            const std::string nome = a.substr(0, a.find('='));
            const CLI::Option* opzione = corrente->get_option_no_throw(nome);
            if (!opzione)
                return "Opzione sconosciuta: " + nome + "." +
                       Suggerimento(nome, NomiOpzioni(*corrente));
            // The value of an option that takes one is not a command.
            if (a.find('=') == std::string::npos && opzione->get_items_expected_max() > 0) ++i;
            continue;
        }
        const auto comandi = NomiComandi(*corrente);
        if (comandi.empty()) continue;  // a file or a value of the command
        if (CLI::App* sotto = Sottocomando(*corrente, a)) {
            corrente = sotto;
            percorso += (percorso.empty() ? "" : " ") + a;
            continue;
        }
        return "Comando sconosciuto: " + (percorso.empty() ? a : percorso + " " + a) + ". " +
               ElencoComandi(*corrente, percorso) + Suggerimento(a, comandi);
    }
    return {};
}

// The command the arguments reach, for a message about what it lacks.
CLI::App& ComandoRaggiunto(CLI::App& app, const std::vector<std::string>& argomenti,
                           std::string& percorso) {
    CLI::App* corrente = &app;
    for (const std::string& a : argomenti)
        if (CLI::App* sotto = Sottocomando(*corrente, a)) {
            corrente = sotto;
            percorso += (percorso.empty() ? "" : " ") + a;
        }
    return *corrente;
}

// The parser's own messages are English; the user reads Italian.
std::string MessaggioItaliano(const CLI::ParseError& e, CLI::App& app,
                              const std::vector<std::string>& argomenti) {
    if (std::string sconosciuto = ArgomentoSconosciuto(app, argomenti); !sconosciuto.empty())
        return sconosciuto;
    const std::string m = e.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) return "Argomenti non previsti: " + Coda(m);
    if (dynamic_cast<const CLI::RequiredError*>(&e)) {
        if (m.rfind("A subcommand", 0) == 0 || m.find("subcommand") != std::string::npos) {
            std::string percorso;
            CLI::App& comando = ComandoRaggiunto(app, argomenti, percorso);
            return "Manca il comando da eseguire. " + ElencoComandi(comando, percorso);
        }
        return "Manca un argomento obbligatorio: " + Testa(m, " is required");
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
        const auto p = m.find(" excludes ");
        return m.substr(0, p) + " e " + m.substr(p + 10) + " non possono essere usati insieme.";
    }
    if (dynamic_cast<const CLI::RequiresError*>(&e)) {
        const auto p = m.find(" requires ");
        return m.substr(0, p) + " richiede " + m.substr(p + 10) + ".";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
        const std::string nome = Testa(Testa(m, ":"), " was given");
        if (m.find("missing") != std::string::npos) return "Manca il valore di " + nome + ".";
        return "Numero di valori errato per " + nome + ".";
    }
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
        err << MessaggioItaliano(e, app, argomenti) << "\n";
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
