#include <cmath>
#include <limits>

#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "development/Conteggio.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

// The sample stops at this half-width of its interval, or after this many candidates.
constexpr double kPrecisioneCli = 0.01;
constexpr std::int64_t kCampioneMassimoCli = std::int64_t{1} << 26;

struct TOpzioniConta {
    std::string Sistema;
    bool Stima = false;
    bool Json = false;
    std::string Fili;
    std::string Seme;
};

std::int64_t Arrotonda(double v) {
    return static_cast<std::int64_t>(std::llround(v));
}

int EseguiConta(TContestoCli& ctx, const TOpzioniConta& o) {
    const int fili =
        o.Fili.empty() ? 0 : static_cast<int>(InteroOpzione(o.Fili, 1, 256, "Il numero di fili"));
    const std::uint64_t seme =
        o.Seme.empty() ? 1
                       : static_cast<std::uint64_t>(InteroOpzione(
                             o.Seme, 0, std::numeric_limits<long long>::max(), "Il seme"));
    const fs::path file = ctx.Percorso(o.Sistema);
    T_Sistema sistema;
    ctx.Avvia(sistema);
    ctx.CaricaSistema(sistema, file);
    TDatiSistema& d = sistema.Dati;

    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    // A column file as source is read whole: it has no candidates to draw from.
    if (o.Stima && d.Sorgente.DaPronostico) {
        const TStima s = StimaSistema(d, seme, kPrecisioneCli, kCampioneMassimoCli,
                                      [&] { return annulla.Richiesto(); });
        if (annulla.Richiesto()) {
            ctx.Err << kMsgAnnullata << "\n";
            return kUscitaAnnullata;
        }
        TEsitoConteggio e;
        e.Stima = s;
        ctx.Out << "Stima : " << TestoConteggio(e, true) << "\n";
        ctx.Out << "Intervallo al 95% : da " << Arrotonda(s.Min) << " a " << Arrotonda(s.Max)
                << "\n";
        ctx.Out << "Campione : " << s.Campione << " candidati, " << s.Passate << " superati\n";
        if (o.Json) {
            nlohmann::ordered_json j;
            j["Stima"] = Arrotonda(s.Stima);
            j["Min"] = Arrotonda(s.Min);
            j["Max"] = Arrotonda(s.Max);
            j["Campione"] = s.Campione;
            ctx.ScriviJson(j);
        }
        return kUscitaOk;
    }

    TEsitoConteggio e;
    if (!ContaEsatto(d, fili > 0 ? fili : d.Fili, &annulla, e)) {
        ctx.Err << kMsgAnnullata << "\n";
        return kUscitaAnnullata;
    }
    if (!e.Errore.empty()) throw TErroreCli(e.Errore);
    ctx.Out << "Colonne : " << e.Colonne << "\n";
    if (o.Json) {
        nlohmann::ordered_json j;
        j["Colonne"] = e.Colonne;
        ctx.ScriviJson(j);
    }
    return kUscitaOk;
}

}  // namespace

void RegistraConteggio(CLI::App& app, TContestoCli& ctx) {
    auto o = std::make_shared<TOpzioniConta>();
    CLI::App* c = app.add_subcommand(
        "conta",
        "Conta le colonne che lo sviluppo del sistema terrebbe (senza riduzione), senza "
        "svilupparlo in un file; con --stima le stima da un campione casuale di candidati");
    c->add_option("SISTEMA", o->Sistema, "File di sistema (.Sst)")->required()->type_name("FILE");
    c->add_flag("--stima", o->Stima,
                "Stima da un campione uniforme di candidati, con l'intervallo di confidenza al "
                "95% (con un file colonnare come sorgente il conteggio resta esatto)");
    c->add_flag("--json", o->Json, "Scrive il risultato in JSON sull'ultima riga");
    c->add_option("--fili", o->Fili,
                  "Fili di calcolo del conteggio esatto, 1..256 (predefinito: l'impostazione del "
                  "programma)")
        ->type_name("N");
    c->add_option("--seme", o->Seme, "Seme del campione della stima (1)")->type_name("N");
    ctx.OpzioneCartella(*c);
    c->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiConta(ctx, *o); }; });
}

}  // namespace sirvela
