#include "cli/Cli.h"

#include <CLI/CLI.hpp>

#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

int EseguiCli(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
    CLI::App app{"Sirvela " + TestoVersione(kVersioneFormatoProgramma) +
                     " - sviluppo e controllo dei sistemi dalla riga di comando",
                 "sirvela-cli"};
    app.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
    bool versione = false;
    app.add_flag("-V,--versione", versione, "Mostra la versione ed esce");
    app.require_subcommand(0, 1);

    std::vector<std::string> args(argomenti.rbegin(), argomenti.rend());
    try {
        app.parse(args);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        err << e.what() << "\n";
        return e.get_exit_code() ? e.get_exit_code() : 2;
    }
    if (versione) {
        out << "sirvela-cli " << TestoVersione(kVersioneFormatoProgramma) << "\n";
        return 0;
    }
    out << app.help();
    return 0;
}

}  // namespace sirvela
