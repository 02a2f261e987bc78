#include <sstream>

#include "app/Avvio.h"
#include "archive/AggiornamentoArchivio.h"
#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "tools/TSpoglio.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

// Collects what the contest editor would show in its message box.
class TMessaggiRaccolti : public IMessaggi {
  public:
    int Mostra(const std::string&, const std::string& testo, int pulsanti) override {
        Testi.push_back(testo);
        return pulsanti & PulsanteOk ? PulsanteOk : 0;
    }
    void Errore(const std::string& testo) override { Testi.push_back(testo); }
    std::vector<std::string> Testi;
};

// The archive as the program holds it after start-up. An archive file that is there but
// cannot be read must not be taken for a missing one: saving over it would lose every
// contest. (A folder in its place cannot be saved over, and the save reports that.)
void ArchivioLeggibile(const TAvvioDocumento& avvio) {
    if (avvio.ArchivioCaricato) return;
    std::error_code ec;
    const auto voce = fs::symlink_status(TArchivio::FileLocale(), ec);
    if (!ec && fs::exists(voce) && !fs::is_directory(TArchivio::FileLocale(), ec))
        throw TErroreCli(ErroreCaricaArchivi(TArchivio::FileLocale()));
}

std::string Pilota(std::uint8_t p) {
    if (p == 0) return " -";
    if (p == kJolly) return " *";
    return (p < 10 ? " " : "") + std::to_string(p);
}

int EseguiMostra(TContestoCli& ctx, bool json) {
    T_Sistema sistema;
    ArchivioLeggibile(ctx.Avvia(sistema));
    const TArchivio& archivio = sistema.Dati.Archivio;
    nlohmann::ordered_json concorsi = nlohmann::ordered_json::array();
    ctx.Out << "Ordine  Concorso       Combinazione Vincente\n";
    for (int i = 0; i < archivio.Quante(); ++i) {
        const TEstrazione& e = archivio[i];
        std::string numero = "Nº" + std::to_string(e.Numero) + " " + std::to_string(e.Anno);
        std::string riga = std::to_string(i + 1);
        riga = std::string(riga.size() < 6 ? 6 - riga.size() : 0, ' ') + riga + "  " + numero;
        // "Nº" is one character on screen but three bytes.
        const std::size_t larghezza = numero.size() - 1;
        riga += std::string(larghezza < 14 ? 14 - larghezza : 1, ' ');
        for (int p = 0; p < 8; ++p) riga += " " + Pilota(e.Vincente[static_cast<std::size_t>(p)]);
        ctx.Out << riga << "\n";
        nlohmann::ordered_json c;
        c["Ordinale"] = i + 1;
        c["Anno"] = e.Anno;
        c["Numero"] = e.Numero;
        c["Vincente"] = e.Vincente;
        concorsi.push_back(c);
    }
    ctx.Out << "Concorsi in archivio: " << archivio.Quante() << "\n";
    if (json) {
        nlohmann::ordered_json j;
        j["Concorsi"] = concorsi;
        ctx.ScriviJson(j);
    }
    return kUscitaOk;
}

struct TOpzioniAggiungi {
    std::string Anno;
    std::string Numero;
    std::vector<std::string> Piloti;
};

int EseguiAggiungi(TContestoCli& ctx, const TOpzioniAggiungi& o) {
    const int anno = static_cast<int>(InteroOpzione(o.Anno, kAnnoMinimo, kAnnoMassimo, "L'anno"));
    const int numero = static_cast<int>(InteroOpzione(o.Numero, 1, 255, "Il numero del concorso"));
    T_Sistema sistema;
    ArchivioLeggibile(ctx.Avvia(sistema));
    TArchivio& archivio = sistema.Dati.Archivio;

    // The eight boxes of "Combinazione Vincente", read as the result cells are.
    std::vector<std::string> celle;
    for (const auto& parte : o.Piloti) {
        std::istringstream in(parte);
        std::string cella;
        while (in >> cella) celle.push_back(cella);
    }
    if (celle.size() > 8) throw TErroreCli("Sono stati inseriti più di 8 numeri.", kUscitaUso);
    celle.resize(8);
    const TLetturaCelle lettura = LeggiCelleRisultato(celle, TPilotiInGioco::Tutti(NumeroPiloti));
    if (!lettura.Ok)
        throw TErroreCli(lettura.Messaggio + "\n(casella " + std::to_string(lettura.Cella) + "º)",
                         kUscitaUso);
    std::vector<int> piloti;
    for (int i = 0; i < lettura.Valori.Conta(); ++i) piloti.push_back(lettura.Valori.Numeri[i]);

    TMessaggiRaccolti messaggi;
    TEditorConcorso editor(archivio, messaggi, TEditorConcorso::Modo::Aggiunta, TEstrazione{});
    if (!editor.Ok(numero, anno, piloti)) {
        std::string testo;
        for (const auto& t : messaggi.Testi) testo += (testo.empty() ? "" : "\n") + t;
        throw TErroreCli(testo.empty() ? std::string(kMsgNumeriNonValidi) : testo);
    }
    TAggiornamentoArchivio aggiornamento(archivio, messaggi);
    aggiornamento.Aggiungi(editor.Concorso);
    const int ordinale = aggiornamento.Indice() + 1;
    if (!aggiornamento.Ok())
        throw TErroreCli(messaggi.Testi.empty() ? ErroreSalvaArchivi(TArchivio::FileLocale())
                                                : messaggi.Testi.back());
    ctx.Out << "Concorso Nº" << numero << " " << anno << " aggiunto in posizione " << ordinale
            << " (concorsi in archivio: " << archivio.Quante() << ").\n";
    return kUscitaOk;
}

}  // namespace

void RegistraArchivio(CLI::App& app, TContestoCli& ctx) {
    CLI::App* archivio =
        app.add_subcommand("archivio", "Mostra l'archivio dei concorsi o vi aggiunge un concorso");
    archivio->require_subcommand(1);

    auto json = std::make_shared<bool>(false);
    CLI::App* mostra = archivio->add_subcommand(
        "mostra", "Elenca i concorsi in archivio: posizione, numero, anno e ordine d'arrivo");
    mostra->add_flag("--json", *json, "Scrive l'elenco in JSON sull'ultima riga");
    ctx.OpzioneCartella(*mostra);
    mostra->callback(
        [&ctx, json] { ctx.Azione = [&ctx, json] { return EseguiMostra(ctx, *json); }; });

    auto o = std::make_shared<TOpzioniAggiungi>();
    CLI::App* aggiungi = archivio->add_subcommand(
        "aggiungi", "Aggiunge un concorso all'archivio, in ordine, e salva l'archivio");
    aggiungi->add_option("ANNO", o->Anno, "Anno del concorso (1871..2050)")
        ->required()
        ->type_name("ANNO");
    aggiungi->add_option("NUMERO", o->Numero, "Numero del concorso nell'anno (1..255)")
        ->required()
        ->type_name("NUMERO");
    aggiungi
        ->add_option("PILOTI", o->Piloti,
                     "Combinazione Vincente: i piloti dal 1º all'8º posto separati da spazi")
        ->required()
        ->expected(1, 8)
        ->type_name("\"P1 ... P8\"");
    ctx.OpzioneCartella(*aggiungi);
    aggiungi->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiAggiungi(ctx, *o); }; });
}

}  // namespace sirvela
