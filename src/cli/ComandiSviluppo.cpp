#include <chrono>
#include <cmath>

#include "cli/ContestoCli.h"
#include "core/MotiviFile.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

// What the "Sviluppo" dialog would show, kept for the final summary, and the progress bar.
class TOsservatoreCli : public ISviluppoOsservatore {
  public:
    explicit TOsservatoreCli(TBarraProgresso* barra) : barra_(barra) {}
    void Aggiorna(const TQuadroSviluppo& quadro, unsigned parti) override {
        Quadro = quadro;
        // The improved reduction tells its best cover and bound as they move.
        if (barra_ && (parti & (ParteIndicatore | ParteStato | ParteMigliorata)))
            barra_->Mostra(quadro.Indicatore,
                           quadro.Migliorata.empty() ? quadro.Stato : quadro.Migliorata);
    }
    TQuadroSviluppo Quadro;

  private:
    TBarraProgresso* barra_;
};

// The memory message of the run goes to stderr, as the error box would show it.
class TMessaggiErrore : public IMessaggi {
  public:
    int Mostra(const std::string&, const std::string& testo, int) override {
        Testi.push_back(testo);
        return PulsanteOk;
    }
    void Errore(const std::string& testo) override { Testi.push_back(testo); }
    std::vector<std::string> Testi;
};

struct TOpzioniSviluppo {
    std::string Sistema;
    std::string File;  // riduci: the column file to reduce
    std::string Output;
    std::string Garanzia;
    std::string Vincite;
    std::string Fili;
    bool Ottimizzata = false;
    bool Migliorata = false;
    std::string Tempo;
    std::string Iterazioni;
    std::string Seme;
    bool Json = false;
    bool Progresso = false;
};

void ScriviRiga(std::ostream& out, const std::string& etichetta, const std::string& valore) {
    out << etichetta << " " << valore << "\n";
}

// The search settings of --migliorata into the development settings: the defaults of a new
// system, but an iteration budget given alone lifts the time limit, so that the same seed
// gives the same columns on any machine.
void ImpostaRicerca(const TOpzioniSviluppo& o, TImpostazioniSviluppo& imp) {
    using T = TImpostazioniSviluppo;
    imp.RicercaAiPredefiniti();
    if (!o.Iterazioni.empty()) {
        imp.IterazioniMigliorata =
            InteroOpzione(o.Iterazioni, 1, T::kIterazioniMassime, "Il numero di iterazioni");
        imp.SecondiMigliorata = 0;
    }
    if (!o.Tempo.empty())
        imp.SecondiMigliorata =
            static_cast<std::uint32_t>(InteroOpzione(o.Tempo, 1, T::kSecondiMassimi, "Il tempo"));
    if (!o.Seme.empty())
        imp.SemeMigliorata = static_cast<std::uint64_t>(
            InteroOpzione(o.Seme, 0, static_cast<long long>(T::kSemeMassimo), "Il seme"));
}

// Runs "Calcolo Colonne" on the document with its stored settings and reports it as the
// dialog does; with `output` the final column list goes to that file.
int Sviluppa(TContestoCli& ctx, T_Sistema& sistema, const fs::path& output,
             const TOpzioniSviluppo& o) {
    TImpostazioniSviluppo& imp = sistema.Dati.ImpSviluppo;
    // The columns stay in memory to be written to the requested file instead.
    if (!output.empty()) imp.InMemoria = true;
    const bool riduzione = imp.Autoriduzione;

    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TOsservatoreCli osservatore(o.Progresso ? &barra : nullptr);
    TMessaggiErrore messaggi;
    TServiziSviluppo servizi;
    servizi.Osservatore = &osservatore;
    servizi.Annullamento = &annulla;
    servizi.Messaggi = &messaggi;
    servizi.Fili =
        o.Fili.empty() ? 0 : static_cast<int>(InteroOpzione(o.Fili, 1, 256, "Il numero di fili"));

    TEsitoSviluppo esito;
    const auto inizio = std::chrono::steady_clock::now();
    try {
        SviluppaSistema(sistema, servizi, esito);
    } catch (...) {
        barra.Termina();
        throw;
    }
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    barra.Termina();
    if (esito.MemoriaEsaurita) {
        std::string testo;
        for (const auto& t : messaggi.Testi) testo += (testo.empty() ? "" : "\n") + t;
        throw TErroreCli(testo.empty() ? std::string(kErroreMemoriaSviluppo) : testo);
    }
    auto json = [&](std::int64_t colonne) {
        nlohmann::ordered_json j;
        j["ContaTotali"] = esito.ContaTotali;
        j["ContaAmmesse"] = esito.ContaAmmesse;
        // Columns that passed the conditions, before any reduction.
        j["ContaFinali"] = imp.RiduzioneDopo() ? esito.ColonneSviluppate
                           : riduzione         ? esito.ContaFinali
                                               : colonne;
        j["Colonne"] = colonne;
        if (riduzione) j["Ridotte"] = colonne;
        if (imp.RiduzioneDopo() && imp.Migliorata) {
            j["LimiteInferiore"] = esito.LimiteInferiore;
            j["Iterazioni"] = esito.IterazioniMigliorata;
        }
        j["Secondi"] = std::round(secondi * 1000) / 1000;
        return j;
    };
    auto colonneNelFile = [](const fs::path& f) {
        std::error_code ec;
        const auto dimensione = fs::file_size(f, ec);
        return ec ? std::int64_t{0} : static_cast<std::int64_t>(dimensione / 8);
    };

    // A Ctrl-C seen anywhere, even by a step that carries on after it, leaves the result
    // incomplete: never reported as a success, and --output is not written. The improved
    // reduction's search is the exception: stopped, it keeps a complete cover.
    if (esito.Interrotto || esito.RiduzioneAnnullata ||
        (annulla.Richiesto() && !esito.RiduzioneInterrotta)) {
        ctx.Err << kMsgAnnullata << "\n";
        std::int64_t nelFile = 0;
        if (!output.empty()) {
            ctx.Err << "Nessuna colonna scritta in " << output.string() << ".\n";
        } else if (!esito.FileScritto.empty()) {
            nelFile = colonneNelFile(esito.FileScritto);
            ctx.Err << "Colonne rimaste in " << esito.FileScritto.string() << " : " << nelFile
                    << " (elaborazione incompleta).\n";
        }
        if (o.Json) {
            auto j = json(nelFile);
            j["Interrotto"] = true;
            ctx.ScriviJson(j);
        }
        return kUscitaAnnullata;
    }

    std::int64_t colonne = sistema.Dati.Colonne.Quante();
    if (!output.empty()) {
        if (!sistema.Dati.Colonne.SalvaSuFile(output))
            throw TErroreCli(ConFile(kErroreSalvaColonne, output, MotivoScrittura(output)));
    } else if (!esito.FileScritto.empty()) {
        colonne = colonneNelFile(esito.FileScritto);
    }

    const TQuadroSviluppo& q = osservatore.Quadro;
    std::ostream& out = ctx.Out;
    ScriviRiga(out, "Colonne Totali :", q.Totali);
    ScriviRiga(out, "Colonne Ammesse :", q.Ammesse);
    ScriviRiga(out, "Colonne Filtrate :", q.Filtrate);
    ScriviRiga(out, "Colonne Finali   :", q.Finali);
    if (q.RiduzioneAbilitata && q.ContatoriRiduzioneVisibili) {
        out << q.TitoloRiduzione << "\n";
        ScriviRiga(out, "Colonne Iniziali  :", q.RidIniziali);
        ScriviRiga(out, "Colonne Finali   :", q.RidFinali);
        ScriviRiga(out, "Fattore di Riduzione :", q.FattoreRiduzione);
        if (!q.Migliorata.empty()) out << q.Migliorata << "\n";
        // Ctrl-C during the improved reduction's search keeps the best cover found.
        if (esito.RiduzioneInterrotta)
            out << "Ricerca interrotta: tenuta la migliore riduzione trovata.\n";
    }
    if (!output.empty())
        out << "Colonne scritte in " << output.string() << " : " << colonne << "\n";
    else if (!esito.FileScritto.empty())
        out << "Colonne scritte in " << esito.FileScritto.string() << " : " << colonne << "\n";
    out << q.Stato << "\n";
    // A system that keeps its columns in memory leaves nothing behind on the command line.
    if (output.empty() && esito.FileScritto.empty())
        ctx.Err << "Nessun file scritto: il sistema tiene le colonne in memoria, che alla fine "
                   "del comando vanno perse. Per scriverle usare --output FILE.Scl.\n";

    if (o.Json) ctx.ScriviJson(json(colonne));
    return kUscitaOk;
}

int EseguiSviluppa(TContestoCli& ctx, const TOpzioniSviluppo& o) {
    const fs::path file = ctx.Percorso(o.Sistema);
    const fs::path output = o.Output.empty() ? fs::path() : ctx.Percorso(o.Output);
    T_Sistema sistema;
    ctx.Avvia(sistema);
    ctx.CaricaSistema(sistema, file);
    sistema.NomeFile = file.string();
    sistema.SenzaNome = false;
    return Sviluppa(ctx, sistema, output, o);
}

int EseguiRiduci(TContestoCli& ctx, const TOpzioniSviluppo& o) {
    const int garanzia =
        static_cast<int>(InteroOpzione(o.Garanzia, TImpostazioniSviluppo::kGaranziaMinima,
                                       TImpostazioniSviluppo::kGaranziaMassima, "La garanzia"));
    int vincite = 1;
    if (!o.Vincite.empty()) {
        vincite = static_cast<int>(InteroOpzione(
            o.Vincite, 1, TImpostazioniSviluppo::kVinciteMassime, "Il numero di vincite multiple"));
        // The settings dialog offers several wins only to the on-the-fly and the improved
        // reduction.
        if (o.Ottimizzata && vincite != 1)
            throw TErroreCli("Le vincite multiple non si usano con la riduzione ottimizzata.",
                             kUscitaUso);
    }
    if (o.Ottimizzata && o.Migliorata)
        throw TErroreCli("Scegliere la riduzione ottimizzata oppure la migliorata.", kUscitaUso);
    if (!o.Migliorata && !(o.Tempo.empty() && o.Iterazioni.empty() && o.Seme.empty()))
        throw TErroreCli("Tempo, iterazioni e seme valgono solo con la riduzione migliorata.",
                         kUscitaUso);
    TImpostazioniSviluppo ricerca;
    ImpostaRicerca(o, ricerca);  // refuses wrong values before anything is read
    const fs::path file = ctx.Percorso(o.File);
    const fs::path output = ctx.Percorso(o.Output);
    T_Sistema sistema;
    ctx.Avvia(sistema);
    // A system whose source is the column file, without conditions, reduced in memory.
    TDatiSistema& d = sistema.Dati;
    d.Sorgente.DaPronostico = false;
    d.Sorgente.FileSorgente = file.string();
    d.ImpSviluppo.UsaCondizioni = false;
    d.ImpSviluppo.Autoriduzione = true;
    d.ImpSviluppo.Ottimizzata = o.Ottimizzata;
    d.ImpSviluppo.Migliorata = o.Migliorata;
    d.ImpSviluppo.Garanzia = static_cast<std::uint8_t>(garanzia);
    d.ImpSviluppo.VinciteMultiple = static_cast<std::uint8_t>(vincite);
    ImpostaRicerca(o, d.ImpSviluppo);
    return Sviluppa(ctx, sistema, output, o);
}

}  // namespace

void RegistraSviluppo(CLI::App& app, TContestoCli& ctx) {
    auto o = std::make_shared<TOpzioniSviluppo>();
    CLI::App* c = app.add_subcommand(
        "sviluppa",
        "Calcolo Colonne: sviluppa il sistema con le sue impostazioni (sorgente, condizioni, "
        "autoriduzione, destinazione, passi)");
    c->add_option("SISTEMA", o->Sistema, "File di sistema (.Sst)")->required()->type_name("FILE");
    c->add_option("-o,--output", o->Output,
                  "Scrive le colonne finali in questo file colonnare (la destinazione memorizzata "
                  "nel sistema è ignorata); senza, le colonne in memoria non vengono salvate")
        ->type_name("FILE");
    c->add_flag("--json", o->Json, "Scrive il riepilogo in JSON sull'ultima riga");
    c->add_flag("--progresso", o->Progresso, "Mostra l'avanzamento su stderr");
    c->add_option("--fili", o->Fili,
                  "Fili di calcolo usati dallo sviluppo, 1..256 (predefinito: l'impostazione del "
                  "programma, di solito tutti i processori); il risultato non cambia")
        ->type_name("N");
    ctx.OpzioneCartella(*c);
    c->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiSviluppa(ctx, *o); }; });

    auto r = std::make_shared<TOpzioniSviluppo>();
    CLI::App* rid = app.add_subcommand(
        "riduci", "Autoriduzione a garanzia del punteggio delle colonne di un file colonnare");
    rid->add_option("COLONNE", r->File, "File colonnare da ridurre (.Scl)")
        ->required()
        ->type_name("FILE");
    rid->add_option("-g,--garanzia", r->Garanzia, "Garanzia minima in punti, 30..92")
        ->required()
        ->type_name("PUNTI");
    rid->add_flag("--ottimizzata", r->Ottimizzata, "Riduzione ottimizzata");
    rid->add_flag("--migliorata", r->Migliorata,
                  "Riduzione migliorata: parte dalla ottimizzata e cerca meno colonne con la "
                  "stessa garanzia; Ctrl-C la ferma e tiene la migliore trovata");
    rid->add_option("--tempo", r->Tempo,
                    "Secondi della riduzione migliorata (60 se non si danno le iterazioni)")
        ->type_name("SECONDI");
    rid->add_option("--iterazioni", r->Iterazioni,
                    "Passi di ricerca di ciascuna delle 4 catene della riduzione migliorata: con "
                    "lo stesso seme danno le stesse colonne su ogni macchina; --json dice quanti "
                    "ne ha fatti una ricerca a tempo")
        ->type_name("N");
    rid->add_option("--seme", r->Seme, "Seme della ricerca della riduzione migliorata (1)")
        ->type_name("N");
    rid->add_option("-v,--vincite", r->Vincite,
                    "Vincite multiple, 1..10 (solo senza riduzione ottimizzata): con la "
                    "migliorata ogni colonna ha tante colonne ridotte a garanzia")
        ->type_name("N");
    rid->add_option("-o,--output", r->Output, "File colonnare delle colonne ridotte")
        ->required()
        ->type_name("FILE");
    rid->add_flag("--json", r->Json, "Scrive il riepilogo in JSON sull'ultima riga");
    rid->add_flag("--progresso", r->Progresso, "Mostra l'avanzamento su stderr");
    ctx.OpzioneCartella(*rid);
    rid->callback([&ctx, r] { ctx.Azione = [&ctx, r] { return EseguiRiduci(ctx, *r); }; });
}

}  // namespace sirvela
