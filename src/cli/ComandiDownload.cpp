#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "download/TDownload.h"

namespace sirvela {

namespace {

// Success on stdout, failures on stderr, as the message boxes would show them.
class TMessaggiDownload : public IMessaggi {
  public:
    explicit TMessaggiDownload(TContestoCli& ctx) : ctx_(ctx) {}
    int Mostra(const std::string&, const std::string& testo, int) override {
        ctx_.Out << testo << "\n";
        return PulsanteOk;
    }
    void Errore(const std::string& testo) override { ctx_.Err << testo << "\n"; }

  private:
    TContestoCli& ctx_;
};

// The download window as a bar on stderr with --progresso.
class TVistaDownloadCli : public IVistaDownload {
  public:
    explicit TVistaDownloadCli(TBarraProgresso* barra) : barra_(barra) {}
    void Apri(const std::string& titolo, const std::string&, const std::string&) override {
        if (barra_) barra_->Mostra(0, titolo);
    }
    void Percentuale(int percento) override {
        if (barra_) barra_->Mostra(percento);
    }
    void Chiudi() override {
        if (barra_) barra_->Termina();
    }

  private:
    TBarraProgresso* barra_;
};

int EseguiAggiorna(TContestoCli& ctx, TModoDownload modo, bool progresso) {
    T_Sistema sistema;
    ctx.Avvia(sistema);
    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TVistaDownloadCli vista(progresso ? &barra : nullptr);
    TMessaggiDownload messaggi(ctx);
    TClientFtpCurl client({}, &annulla);
    TDownload download(sistema, client, messaggi, &vista);
    const TEsitoDownload esito = download.Aggiorna(modo);
    if (esito.Annullato) throw TErroreCli(kMsgAnnullata, kUscitaAnnullata);
    return esito.Riuscito ? kUscitaOk : kUscitaErrore;
}

}  // namespace

void RegistraDownload(CLI::App& app, TContestoCli& ctx) {
    CLI::App* aggiorna = app.add_subcommand(
        "aggiorna", "Scarica dal server l'archivio dei concorsi o la lista dei piloti");
    aggiorna->require_subcommand(1);
    auto progresso = std::make_shared<bool>(false);
    const std::pair<const char*, const char*> comandi[] = {
        {"archivi", "Sostituisce l'archivio dei concorsi con quello del server"},
        {"piloti", "Sostituisce la lista dei piloti con quella del server"}};
    for (const auto& [nome, descrizione] : comandi) {
        CLI::App* c = aggiorna->add_subcommand(nome, descrizione);
        c->add_flag("--progresso", *progresso, "Mostra l'avanzamento dello scaricamento su stderr");
        ctx.OpzioneCartella(*c);
        const TModoDownload modo =
            std::string(nome) == "archivi" ? TModoDownload::Archivi : TModoDownload::Piloti;
        c->callback([&ctx, progresso, modo] {
            ctx.Azione = [&ctx, progresso, modo] { return EseguiAggiorna(ctx, modo, *progresso); };
        });
    }
}

}  // namespace sirvela
