#include <fmt/format.h>
#include <cmath>
#include <sstream>

#include "archive/AnalisiCondizionata.h"
#include "archive/AnalisiStatistica.h"
#include "archive/VistaAnalisi.h"
#include "cli/ContestoCli.h"
#include "conditions/ModelloDialogo.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondizione.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

struct TOpzioniAnalisi {
    std::string Sistema;
    std::string Condizione;  // CODICE[:MEMBRO[:MEMBRO...]]
    bool Colonne = false;
    bool Json = false;
    bool Progresso = false;
};

// The progress of a pass on stderr, and Ctrl-C as its cancel.
class TAvanzamentoCli : public IAvanzamentoAnalisi {
  public:
    TAvanzamentoCli(TBarraProgresso* barra, TAnnullamento& annulla)
        : barra_(barra), annulla_(annulla) {}
    void Apri(TFaseAnalisi fase, std::int64_t) override {
        etichetta_ =
            fase == TFaseAnalisi::Archivio ? kAnalisiArchivioInCorso : kAnalisiColonneInCorso;
        if (barra_) barra_->Mostra(0, etichetta_);
    }
    void Posizione(int percento) override {
        if (barra_) barra_->Mostra(percento, etichetta_);
    }
    void Chiudi() override {
        if (barra_) barra_->Termina();
    }
    bool Annullato() override { return annulla_.Richiesto(); }

  private:
    TBarraProgresso* barra_;
    TAnnullamento& annulla_;
    std::string etichetta_;
};

// Two decimals as a JSON number.
double Due(double v) {
    return std::round(v * 100.0) / 100.0;
}

// An analysis of no contest would print empty tables as if they were a result.
void ControllaConcorsi(const T_Sistema& sistema) {
    const TArchivio& archivio = sistema.Dati.Archivio;
    int completi = 0, selezionati = 0;
    for (int i = 0; i < archivio.Quante(); ++i) {
        completi += archivio[i].Completa() ? 1 : 0;
        selezionati += archivio.Selezione.Contiene(archivio[i], i) ? 1 : 0;
    }
    if (selezionati > 0) return;
    if (completi == 0)
        throw TErroreCli(
            "Nessun concorso da analizzare: l'archivio non ha concorsi completi (aggiornarlo con "
            "\"sirvela-cli aggiorna archivi\" o \"sirvela-cli archivio aggiungi\").");
    const TClasseDiEstrazioni& s = archivio.Selezione;
    throw TErroreCli("Nessun concorso da analizzare: la selezione del sistema (dal concorso " +
                     std::to_string(s.Dal) + " al " + std::to_string(s.Al) +
                     ") non prende nessuno dei " + std::to_string(completi) +
                     " concorsi completi dell'archivio.");
}

void CaricaSistemaCli(TContestoCli& ctx, T_Sistema& sistema, const std::string& nome) {
    const fs::path file = ctx.Percorso(nome);
    ctx.Avvia(sistema);
    ctx.CaricaSistema(sistema, file);
    sistema.NomeFile = file.string();
    sistema.SenzaNome = false;
}

int EseguiCondizionata(TContestoCli& ctx, const TOpzioniAnalisi& o) {
    T_Sistema sistema;
    CaricaSistemaCli(ctx, sistema, o.Sistema);
    ControllaConcorsi(sistema);
    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TAvanzamentoCli avanzamento(o.Progresso ? &barra : nullptr, annulla);
    TEsitoCondizionato e;
    if (!AnalisiCondizionata(sistema, e, &avanzamento))
        throw TErroreCli(kMsgAnnullata, kUscitaAnnullata);
    std::ostream& out = ctx.Out;
    out << kTitoloInfoStat << "\n";
    out << "Estrazioni di Assenza : " << e.EstrazioniDiAssenza << "\n";
    out << "Ciclo Medio : " << TestoDueDecimali(e.CicloMedio, 1) << "\n";
    out << "Ritardo Attuale : " << e.RitardoAttuale << "\n";
    out << "Ritardo Minimo : " << e.RitardoMinimo << "\n";
    out << "Ritardo Massimo : " << e.RitardoMassimo << "\n";
    out << "Ritardo Medio : " << TestoDueDecimali(e.RitardoMedio, 1) << "\n";
    out << "Frequenza Storica : " << TestoDueDecimali(e.FrequenzaStorica, 1) << " %\n";
    if (e.ConColonne) {
        out << "Colonne Filtrate : " << TestoDueDecimali(e.ColonneFiltrate, 1) << " %\n";
        out << "Fattore di Convenienza : " << e.TestoFattore() << "\n";
    }
    out << e.TestoStato() << "\n";
    if (o.Json) {
        nlohmann::ordered_json j;
        j["Esaminati"] = e.Esaminati;
        j["Superati"] = e.Superati;
        j["EstrazioniDiAssenza"] = e.EstrazioniDiAssenza;
        j["CicloMedio"] = Due(e.CicloMedio);
        j["RitardoAttuale"] = e.RitardoAttuale;
        j["RitardoMinimo"] = e.RitardoMinimo;
        j["RitardoMassimo"] = e.RitardoMassimo;
        j["RitardoMedio"] = Due(e.RitardoMedio);
        j["FrequenzaStorica"] = Due(e.FrequenzaStorica);
        ctx.ScriviJson(j);
    }
    return kUscitaOk;
}

// The condition a "CODICE[:MEMBRO...]" names: a slot of the set, then a member of each
// container along the path (Quadri nest). Also the member's place in its container, or for
// Punti Tra the group ("18:3"), 1 when not given.
TCondizione& CondizioneScelta(T_Sistema& sistema, const std::string& testo, int& numero) {
    std::vector<std::string> parti;
    for (std::size_t inizio = 0;;) {
        const auto fine = testo.find(':', inizio);
        parti.push_back(testo.substr(inizio, fine - inizio));
        if (fine == std::string::npos) break;
        inizio = fine + 1;
    }
    if (testo.empty()) throw TErroreCli("Manca la condizione da analizzare.", kUscitaUso);
    // "1:" or "17::2" would quietly name another condition than the one meant.
    for (const auto& p : parti)
        if (p.empty())
            throw TErroreCli("Il codice della condizione \"" + testo + "\" ha una parte vuota.",
                             kUscitaUso);
    const int codice =
        static_cast<int>(InteroOpzione(parti[0], 1, 18, "Il codice della condizione"));
    TCondizione* c = sistema.Dati.Condizioni->Condizione(codice);
    if (!c) throw TErroreCli("La condizione " + parti[0] + " non esiste.", kUscitaUso);
    numero = 1;
    if (codice == kPuntiTra && parti.size() == 2) {
        numero = static_cast<int>(InteroOpzione(parti[1], 1, TCondPuntiTra::kGruppi, "Il gruppo"));
        return *c;
    }
    std::string nome = parti[0];  // the condition reached so far, as typed
    for (std::size_t i = 1; i < parti.size(); ++i) {
        auto* contenitore = dynamic_cast<TCondContenitore*>(c);
        if (!contenitore)
            throw TErroreCli(
                "La condizione " + nome + " non è un gruppo di condizioni: non ha membri.",
                kUscitaUso);
        if (contenitore->QuantiMembri() == 0)
            throw TErroreCli("La condizione " + nome + " non ha membri.", kUscitaUso);
        numero =
            static_cast<int>(InteroOpzione(parti[i], 1, contenitore->QuantiMembri(), "Il membro"));
        c = contenitore->Membri[static_cast<std::size_t>(numero - 1)].get();
        nome += ":" + parti[i];
    }
    return *c;
}

// A count, or null for the secondary measure of a page that has none.
nlohmann::ordered_json Cons(const TPaginaAnalisi& p, std::int64_t v) {
    return p.HaConsecutivita ? nlohmann::ordered_json(v) : nlohmann::ordered_json(nullptr);
}

int EseguiCondizione(TContestoCli& ctx, const TOpzioniAnalisi& o) {
    T_Sistema sistema;
    CaricaSistemaCli(ctx, sistema, o.Sistema);
    TParametriAnalisi par;
    TCondizione& scelta = CondizioneScelta(sistema, o.Condizione, par.Numero);
    par.SoloArchivio = !o.Colonne;
    // The analysis fills the statistics of a copy; the system's condition stays as it is.
    std::unique_ptr<TCondizione> copia = scelta.Clona();
    if (!copia) throw TErroreCli("Impossibile analizzare la condizione.");
    if (auto* tra = dynamic_cast<TCondPuntiTra*>(copia.get())) tra->GruppoScelto = par.Numero;
    if (SenzaIntervalli(*copia, o.Colonne)) throw TErroreCli(kNessunIntervallo, kUscitaUso);
    ControllaConcorsi(sistema);

    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TAvanzamentoCli avanzamento(o.Progresso ? &barra : nullptr, annulla);
    TRisultatiAnalisi r;
    if (!EseguiAnalisi(*copia, par, r, &avanzamento))
        throw TErroreCli(kMsgAnnullata, kUscitaAnnullata);
    if (r.QuantePagine == 0)
        throw TErroreCli("La condizione scelta non ha un'analisi statistica.", kUscitaUso);

    std::ostream& out = ctx.Out;
    const std::int64_t estrazioni = r.Pagine[0].StatArchivio.Estrazioni;
    out << r.Titoli[TRisultatiAnalisi::kPrincipale] << "\n";
    out << "Concorsi esaminati : " << estrazioni << "\n";
    if (!r.SoloArchivio) out << "Colonne lette : " << r.ColonneLette << "\n";
    nlohmann::ordered_json pagine = nlohmann::ordered_json::array();
    for (int i = 0; i < r.QuantePagine; ++i) {
        const TPaginaAnalisi& p = r.Pagine[static_cast<std::size_t>(i)];
        out << "\n" << p.Nome << "\n";
        out << fmt::format("{:>10} {:>7} {:>6} {:>6}", "Valore", "Punti", "Att.", "Max");
        if (p.HaConsecutivita) out << fmt::format(" {:>7} {:>6} {:>6}", "Cons.", "Att.", "Max");
        if (!r.SoloArchivio)
            out << fmt::format(" {:>9} {:>9} {:>9}", "Integr.", "Cond.S.", "Cond.");
        out << "\n";
        nlohmann::ordered_json righe = nlohmann::ordered_json::array();
        for (int riga = 0; riga < r.Righe(i); ++riga) {
            const int v = riga + r.PrimaRiga;
            const T_FrequenzeRitardi& a = p.StatArchivio;
            const TElemRFRM* pri = v < static_cast<int>(a.Primaria.size())
                                       ? &a.Primaria[static_cast<std::size_t>(v)]
                                       : nullptr;
            const TElemRFRM* sec = v < static_cast<int>(a.Secondaria.size())
                                       ? &a.Secondaria[static_cast<std::size_t>(v)]
                                       : nullptr;
            const TElemRFRM zero{};
            if (!pri) pri = &zero;
            if (!sec) sec = &zero;
            const std::string etichetta = r.Etichetta(i, riga);
            out << fmt::format("{:>10} {:>7} {:>6} {:>6}", etichetta, pri->Frequenza, pri->Ritardo,
                               pri->RitardoMassimo);
            if (p.HaConsecutivita)
                out << fmt::format(" {:>7} {:>6} {:>6}", sec->Frequenza, sec->Ritardo,
                                   sec->RitardoMassimo);
            nlohmann::ordered_json j;
            j["Etichetta"] = etichetta;
            j["Frequenza"] = pri->Frequenza;
            j["Ritardo"] = pri->Ritardo;
            j["RitardoMassimo"] = pri->RitardoMassimo;
            j["FrequenzaCons"] = Cons(p, sec->Frequenza);
            j["RitardoCons"] = Cons(p, sec->Ritardo);
            j["RitardoMassimoCons"] = Cons(p, sec->RitardoMassimo);
            if (!r.SoloArchivio) {
                const auto integr = FrequenzaRiga(r, p.StatIntegrale, riga, false);
                const auto condS = FrequenzaRiga(r, p.StatCondSingola, riga, false);
                const auto cond = FrequenzaRiga(r, p.StatColonne, riga, false);
                out << fmt::format(" {:>9} {:>9} {:>9}", integr, condS, cond);
                j["Integr"] = integr;
                j["CondS"] = condS;
                j["Cond"] = cond;
            }
            out << "\n";
            righe.push_back(j);
        }
        nlohmann::ordered_json pagina;
        pagina["Nome"] = p.Nome;
        pagina["Righe"] = righe;
        if (!r.SoloArchivio) {
            const TMisureColonne m = MisureColonne(r, i, false);
            out << "Frequenza Storica : " << TestoDueDecimali(m.FrequenzaStorica, 1) << " %\n";
            out << "Colonne Filtrate : " << TestoDueDecimali(m.ColonneFiltrate, 1) << " %\n";
            out << "Colonne Rimanenti : " << TestoDueDecimali(m.ColonneRimanenti, 1) << " %\n";
            out << TestoFattore(m) << "\n";
            pagina["FrequenzaStorica"] = Due(m.FrequenzaStorica);
            pagina["ColonneFiltrate"] = Due(m.ColonneFiltrate);
            pagina["FattoreDiConvenienza"] = m.ConFattore ? nlohmann::ordered_json(Due(m.Fattore))
                                                          : nlohmann::ordered_json(nullptr);
        }
        pagine.push_back(pagina);
    }
    if (o.Json) {
        nlohmann::ordered_json j;
        j["Titolo"] = r.Titoli[TRisultatiAnalisi::kPrincipale];
        j["Estrazioni"] = estrazioni;
        j["Pagine"] = pagine;
        if (!r.SoloArchivio) j["ColonneLette"] = r.ColonneLette;
        ctx.ScriviJson(j);
    }
    return kUscitaOk;
}

}  // namespace

void RegistraAnalisi(CLI::App& app, TContestoCli& ctx) {
    CLI::App* analisi = app.add_subcommand(
        "analisi", "Statistiche delle condizioni sull'archivio dei concorsi e sulle colonne");
    analisi->require_subcommand(1);

    // The system, --json, --progresso and the program folder of both commands.
    auto comando = [&](const char* nome, const char* descrizione,
                       int (*esegui)(TContestoCli&, const TOpzioniAnalisi&)) {
        auto o = std::make_shared<TOpzioniAnalisi>();
        CLI::App* c = analisi->add_subcommand(nome, descrizione);
        c->add_option("SISTEMA", o->Sistema, "File di sistema (.Sst)")
            ->required()
            ->type_name("FILE");
        c->add_flag("--json", o->Json, "Scrive i risultati in JSON sull'ultima riga");
        c->add_flag("--progresso", o->Progresso, "Mostra l'avanzamento su stderr");
        ctx.OpzioneCartella(*c);
        c->callback(
            [&ctx, o, esegui] { ctx.Azione = [&ctx, o, esegui] { return esegui(ctx, *o); }; });
        return std::pair{c, o};
    };
    comando("condizionata",
            "Analisi Statistica Condizionato: quanti concorsi selezionati superano tutte le "
            "condizioni attive del sistema",
            &EseguiCondizionata);
    auto [condizione, u] =
        comando("condizione",
                "Frequenze e ritardi dei valori di una condizione sull'archivio; con --colonne "
                "anche l'analisi colonnare sulla sorgente del sistema",
                &EseguiCondizione);
    condizione
        ->add_option("--condizione", u->Condizione,
                     "La condizione: il suo codice 1..18 e, per i gruppi e i Quadri, il membro "
                     "(da 1), anche annidato (17:2:1); per Punti Tra il gruppo (18:3)")
        ->required()
        ->type_name("CODICE[:MEMBRO]");
    condizione->add_flag("--colonne", u->Colonne,
                         "Analisi colonnare: aggiunge le colonne della sorgente e quelle in "
                         "memoria");
}

}  // namespace sirvela
