#include <sstream>

#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "tools/CondizioniSbagliate.h"
#include "tools/TSpoglio.h"

namespace sirvela {
namespace {

struct TOpzioniSpoglio {
    std::string File;
    std::string Risultato;
    std::string Sistema;
    bool Json = false;
};

// The eight result cells from what was typed: the numbers separated by blanks. Missing
// cells stay empty, as untouched cells do.
std::vector<std::string> CelleRisultato(const std::string& testo) {
    std::vector<std::string> celle;
    std::istringstream in(testo);
    std::string cella;
    while (in >> cella) celle.push_back(cella);
    if (celle.size() > 8) throw TErroreCli("Sono stati inseriti più di 8 numeri.", kUscitaUso);
    celle.resize(8);
    return celle;
}

int EseguiSpoglio(TContestoCli& ctx, const TOpzioniSpoglio& o) {
    const auto file = ctx.Percorso(o.File);
    const auto fileSistema = ctx.Percorso(o.Sistema);
    T_Sistema sistema;
    ctx.Avvia(sistema);

    TSpoglio spoglio;
    spoglio.Piloti = sistema.Dati.PilotiInGioco();
    // A wrong result is reported before the columns or the system are read.
    const auto celle = CelleRisultato(o.Risultato);
    const TLetturaCelle lettura = spoglio.LeggiRisultato(celle);
    if (!lettura.Ok)
        throw TErroreCli(lettura.Messaggio + "\n(casella " + std::to_string(lettura.Cella) + "º)",
                         kUscitaUso);
    if (!o.Sistema.empty()) ctx.CaricaSistema(sistema, fileSistema);
    ctx.CaricaColonne(spoglio.Colonne, file, sistema.Dati);

    spoglio.Esegui();
    std::vector<std::string> sbagliate;
    if (!o.Sistema.empty())
        for (const auto& riga : CondizioniSbagliate(sistema.Dati, spoglio.RisultatoColonna))
            sbagliate.push_back(riga.Testo);

    std::ostream& out = ctx.Out;
    out << "Vincite Trovate\n";
    out << kTitoloRigaPunti << "    " << kTitoloRigaVincite << "\n";
    for (const auto& colonna : spoglio.Tabella()) {
        std::string punti = colonna.Punti, vincite = colonna.Vincite;
        out << std::string(punti.size() < 6 ? 6 - punti.size() : 0, ' ') << punti
            << std::string(vincite.size() < 12 ? 12 - vincite.size() : 0, ' ') << vincite << "\n";
    }
    if (spoglio.Tabella().empty()) out << "Nessuna colonna.\n";
    if (!o.Sistema.empty()) {
        out << "Condizioni Sbagliate\n";
        for (const auto& s : sbagliate) out << "  " << s << "\n";
        if (sbagliate.empty()) out << "  Nessuna.\n";
    }
    if (o.Json) {
        nlohmann::ordered_json vincite = nlohmann::ordered_json::object();
        for (int s : spoglio.PunteggiConVincite())
            vincite[std::to_string(s)] = spoglio.Vincite[static_cast<std::size_t>(s)];
        nlohmann::ordered_json j;
        j["Vincite"] = vincite;
        j["CondizioniSbagliate"] = sbagliate;
        ctx.ScriviJson(j);
    }
    return kUscitaOk;
}

}  // namespace

void RegistraSpoglio(CLI::App& app, TContestoCli& ctx) {
    auto o = std::make_shared<TOpzioniSpoglio>();
    CLI::App* c = app.add_subcommand(
        "spoglio",
        "Spoglio: confronta le colonne di un file con il risultato di un concorso "
        "e mostra le vincite per punteggio e le condizioni sbagliate del sistema");
    c->add_option("COLONNE", o->File, "File colonnare (.Scl)")->required()->type_name("FILE");
    c->add_option("-r,--risultato", o->Risultato,
                  "Colonna vincente: gli 8 piloti dal 1º all'8º posto separati da spazi "
                  "(\"*\" = qualsiasi pilota)")
        ->required()
        ->type_name("\"P1 ... P8\"");
    c->add_option("-s,--sistema", o->Sistema,
                  "File di sistema (.Sst) di cui elencare le condizioni sbagliate")
        ->type_name("FILE");
    c->add_flag("--json", o->Json, "Scrive il riepilogo in JSON sull'ultima riga");
    ctx.OpzioneCartella(*c);
    c->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiSpoglio(ctx, *o); }; });
}

}  // namespace sirvela
