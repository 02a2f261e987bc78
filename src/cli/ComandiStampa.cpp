#include "cli/ContestoCli.h"
#include "core/MotiviFile.h"
#include "core/TListaColonne.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "printing/StampaPdf.h"
#include "printing/StampaProspetto.h"
#include "printing/StampaSchedine.h"
#include "printing/StampaTabulato.h"

namespace sirvela {
namespace {

struct TOpzioniStampa {
    std::string File;
    std::string Pdf;
    std::string Sistema;
    std::string Da, A;
    bool Orizzontale = false;
    bool Tabulato = false;
    std::string Copie;
    bool PerPartecipante = false;
};

// Runs one print into the PDF; a device failure becomes the command's own message.
void Stampa(TContestoCli& ctx, const std::filesystem::path& pdf, const std::string& titolo,
            const char* errore, const std::function<bool(TmmPrinter&, TControlloStampa&)>& fn) {
    if (!ctx.StampaPdf) throw TErroreCli(std::string(errore) + "\n(nessuna stampante PDF)");
    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TControlloStampa controllo;
    controllo.Annulla = &annulla;
    bool completa = false;
    try {
        completa = ctx.StampaPdf(pdf, titolo, [&](TmmPrinter& p) { return fn(p, controllo); });
    } catch (const TErroreStampa& e) {
        throw TErroreCli(ConFile(errore, pdf, e.what()));
    }
    if (!completa) throw TErroreCli(kMsgAnnullata, kUscitaAnnullata);
    ctx.Out << "File PDF scritto: " << pdf.string() << "\n";
}

std::filesystem::path PercorsoPdf(const TContestoCli& ctx, const std::string& testo) {
    const auto pdf = ctx.Percorso(testo);
    // Refused before anything is read or drawn.
    if (auto errore = ErrorePercorsoPdf(pdf)) throw TErroreCli(*errore);
    return pdf;
}

int EseguiSchedine(TContestoCli& ctx, const TOpzioniStampa& o) {
    const auto pdf = PercorsoPdf(ctx, o.Pdf);
    const int da = o.Da.empty() ? 1 : static_cast<int>(InteroOpzione(o.Da, 1, 9999, "--da"));
    const int a = o.A.empty() ? 0 : static_cast<int>(InteroOpzione(o.A, 1, 9999, "--a"));
    if (a != 0 && ControllaSchedineDaStampare(false, da, a))
        throw TErroreCli(kErroreNumeroSchedine, kUscitaUso);
    T_Sistema sistema;
    ctx.Avvia(sistema);
    TListaColonne colonne;
    ctx.CaricaColonne(colonne, ctx.Percorso(o.File), sistema.Dati, true);
    const std::string nome = o.Sistema.empty() ? o.File : o.Sistema;
    const auto& dati = sistema.Dati;
    // Refused before the PDF is touched: nothing to print, or a ticket that would not carry
    // every column played.
    for (const std::string& errore :
         {ControllaPrimaSchedina(colonne.Quante(), da),
          ControllaColonneStampabili(colonne, dati.PilotiInGioco(), da, a)})
        if (!errore.empty()) throw TErroreCli(errore);

    if (o.Tabulato) {
        TOpzioniTabulato t;
        t.NomeSistema = nome;
        t.Da = da;
        t.A = a;
        t.Impostazioni = dati.Tabulato;
        t.Piloti = dati.PilotiInGioco();
        Stampa(
            ctx, pdf, kTitoloTabulato + NomeSenzaEstensione(nome), kErroreStampaTabulato,
            [&](TmmPrinter& p, TControlloStampa& c) { return StampaTabulato(p, colonne, t, c); });
        return kUscitaOk;
    }
    TOpzioniSchedine s;
    s.Orizzontale = o.Orizzontale;
    s.Da = da;
    s.A = a;
    s.NomeSistema = nome;
    s.Prezzi = dati.Prezzi;
    s.NumeroPiloti = NumeroPiloti;
    s.PilotaEscluso = dati.PilotaEscluso;
    Stampa(ctx, pdf, kLavoroSchedine, kErroreStampaSchedine,
           [&](TmmPrinter& p, TControlloStampa& c) {
               return StampaSchedine(p, colonne, dati.Taratura, s, c);
           });
    return kUscitaOk;
}

int EseguiProspetto(TContestoCli& ctx, const TOpzioniStampa& o) {
    const auto pdf = PercorsoPdf(ctx, o.Pdf);
    TSceltaProspetto scelta;
    scelta.Tabulato = o.Tabulato;
    scelta.PerPartecipante = o.PerPartecipante;
    scelta.Copie =
        o.Copie.empty() ? 1 : static_cast<int>(InteroOpzione(o.Copie, 1, kCopieMassime, "--copie"));
    T_Sistema sistema;
    ctx.Avvia(sistema);
    const auto file = ctx.Percorso(o.File);
    ctx.CaricaSistema(sistema, file);
    sistema.NomeFile = file.string();
    if (o.PerPartecipante && !CopiaPerPartecipanteDisponibile(sistema))
        throw TErroreCli("Il sistema ha un solo partecipante: usare --copie.", kUscitaUso);
    if (o.Tabulato)
        if (auto errore =
                ControllaColonneStampabili(sistema.Dati.Colonne, sistema.Dati.PilotiInGioco());
            !errore.empty())
            throw TErroreCli(errore);
    const std::string data = DataDiOggi();
    Stampa(ctx, pdf, kLavoroProspetto, kErroreStampaProspetto,
           [&](TmmPrinter& p, TControlloStampa& c) {
               return StampaProspetto(p, sistema, scelta, data, c);
           });
    return kUscitaOk;
}

}  // namespace

void RegistraStampa(CLI::App& app, TContestoCli& ctx) {
    auto o = std::make_shared<TOpzioniStampa>();
    CLI::App* stampa = app.add_subcommand(
        "stampa", "Stampa in un file PDF le schedine, il tabulato o il prospetto di un sistema");
    stampa->require_subcommand(1);

    CLI::App* schedine = stampa->add_subcommand(
        "schedine",
        "Stampa le colonne di un file sulle schedine (o come tabulato con --tabulato), con la "
        "taratura e i prezzi di \"Sirvela.cfg\"");
    schedine->add_option("COLONNE", o->File, "File colonnare (.Scl)")
        ->required()
        ->type_name("FILE");
    schedine->add_option("--pdf", o->Pdf, "File PDF da scrivere")->required()->type_name("FILE");
    schedine
        ->add_option("-s,--sistema", o->Sistema,
                     "Sistema (.Sst) il cui nome compare nella scritta (altrimenti il nome "
                     "del file colonnare)")
        ->type_name("FILE");
    schedine->add_option("--da", o->Da, "Prima schedina da stampare (1-9999)")->type_name("N");
    schedine->add_option("--a", o->A, "Ultima schedina da stampare (1-9999)")->type_name("N");
    schedine->add_flag("--orizzontale", o->Orizzontale,
                       "Alimentazione orizzontale (altrimenti verticale)");
    schedine->add_flag("--tabulato", o->Tabulato, "Stampa le colonne come tabulato");
    ctx.OpzioneCartella(*schedine);
    schedine->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiSchedine(ctx, *o); }; });

    CLI::App* prospetto = stampa->add_subcommand(
        "prospetto",
        "Stampa il prospetto del sistema; le copie vanno una dopo l'altra nello stesso PDF");
    prospetto->add_option("SISTEMA", o->File, "File di sistema (.Sst)")
        ->required()
        ->type_name("FILE");
    prospetto->add_option("--pdf", o->Pdf, "File PDF da scrivere")->required()->type_name("FILE");
    prospetto->add_flag("--tabulato", o->Tabulato, "Aggiunge il tabulato delle colonne");
    CLI::Option* copie =
        prospetto->add_option("--copie", o->Copie, "Numero di copie (1-100)")->type_name("N");
    CLI::Option* perPartecipante = prospetto->add_flag("--per-partecipante", o->PerPartecipante,
                                                       "Una copia per ogni partecipante");
    copie->excludes(perPartecipante);
    ctx.OpzioneCartella(*prospetto);
    prospetto->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiProspetto(ctx, *o); }; });
}

}  // namespace sirvela
