#include <algorithm>
#include <cctype>
#include <map>

#include "cli/ContestoCli.h"
#include "core/T_Sistema.h"
#include "tools/TConversione.h"
#include "tools/TOperazioniFile.h"

namespace sirvela {
namespace fs = std::filesystem;

namespace {

class TProgressoBarra : public IProgressoStrumenti {
  public:
    explicit TProgressoBarra(TBarraProgresso* barra) : barra_(barra) {}
    void Avanzamento(int percento) override {
        if (barra_) barra_->Mostra(percento);
    }
    void FileCreati(int quanti) override {
        if (barra_)
            barra_->Mostra(100, std::string(kTitoloFileCreati) + " " + std::to_string(quanti));
    }

  private:
    TBarraProgresso* barra_;
};

struct TOpzioniOperazioni {
    std::string Operazione;
    std::string Primo;
    std::string Secondo;
    std::string Output;
    std::string Garanzia;
    bool Progresso = false;
};

const std::map<std::string, TOperazione> kOperazioni = {
    {"or", TOperazione::Or},
    {"and", TOperazione::And},
    {"xor", TOperazione::Xor},
    {"copertura", TOperazione::Copertura},
    {"disordina", TOperazione::Disordinatore},
};

int EseguiOperazioni(TContestoCli& ctx, const TOpzioniOperazioni& o) {
    const auto trovata = kOperazioni.find(o.Operazione);
    if (trovata == kOperazioni.end())
        throw TErroreCli("Operazione sconosciuta \"" + o.Operazione +
                             "\": usare or, and, xor, copertura o disordina.",
                         kUscitaUso);
    TOperazioniFile op;
    op.Operazione = trovata->second;
    const bool unFile = op.Operazione == TOperazione::Disordinatore;
    if (unFile && !o.Secondo.empty())
        throw TErroreCli("L'operazione disordina usa un solo file.", kUscitaUso);
    if (!unFile && o.Secondo.empty())
        throw TErroreCli(
            "Manca il secondo file (" + DidascalieOperazione(op.Operazione).Secondo + ").",
            kUscitaUso);
    if (!o.Garanzia.empty()) {
        if (op.Operazione != TOperazione::Copertura)
            throw TErroreCli("La garanzia si usa solo con l'operazione copertura.", kUscitaUso);
        op.SpinPtMin =
            static_cast<int>(InteroOpzione(o.Garanzia, TOperazioniFile::kGaranziaMinima,
                                           TOperazioniFile::kGaranziaMassima, "La garanzia"));
    }
    // Full paths: the column-folder rule then only adds a missing extension.
    op.Source1 = ctx.Percorso(o.Primo).string();
    if (!unFile) op.Source2 = ctx.Percorso(o.Secondo).string();
    op.Dest = ctx.Percorso(o.Output).string();
    T_Sistema sistema;
    ctx.Avvia(sistema);
    op.Piloti = sistema.Dati.PilotiInGioco();

    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TProgressoBarra progresso(o.Progresso ? &barra : nullptr);
    const TEsitoOperazione esito = op.Esegui(&progresso, &annulla);
    barra.Termina();
    if (esito.Interrotta) throw TErroreCli(kMsgAnnullata, kUscitaAnnullata);
    if (esito.Errore) throw TErroreCli(esito.Messaggio);
    ctx.Out << esito.Messaggio << "\n";
    return kUscitaOk;
}

struct TOpzioniConverti {
    std::string Da;
    std::string A;
    std::vector<std::string> File;
    std::string Destinazione;
    bool Progresso = false;
};

std::string Minuscolo(std::string t) {
    std::transform(t.begin(), t.end(), t.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return t;
}

int IndiceFormato(const std::string& nome) {
    for (std::size_t i = 0; i < kFormatiColonne.size(); ++i)
        if (Minuscolo(nome) == Minuscolo(kFormatiColonne[i].Estensione)) return static_cast<int>(i);
    throw TErroreCli("Formato sconosciuto \"" + nome + "\": usare txt, asc o scl.", kUscitaUso);
}

int EseguiConverti(TContestoCli& ctx, const TOpzioniConverti& o) {
    const int da = IndiceFormato(o.Da);
    const int a = IndiceFormato(o.A);
    std::vector<fs::path> file;
    for (const auto& f : o.File) {
        fs::path p = ctx.Percorso(f);
        // The window lists only the files of the source format.
        if (Minuscolo(p.extension().string()) !=
            "." + Minuscolo(kFormatiColonne[static_cast<std::size_t>(da)].Estensione))
            throw TErroreCli("Il file " + p.filename().string() +
                                 " non ha l'estensione del formato " +
                                 kFormatiColonne[static_cast<std::size_t>(da)].Estensione + ".",
                             kUscitaUso);
        file.push_back(p);
    }
    const fs::path destinazione =
        o.Destinazione.empty() ? fs::path() : ctx.Percorso(o.Destinazione);
    T_Sistema sistema;
    ctx.Avvia(sistema);
    if (!destinazione.empty()) {
        std::error_code ec;
        if (!fs::is_directory(destinazione, ec))
            throw TErroreCli("La cartella di destinazione \"" + destinazione.string() +
                             "\" non esiste.");
    }

    TAnnullamento annulla;
    TInterruzione interruzione(annulla);
    TBarraProgresso barra(ctx.Err);
    TProgressoBarra progresso(o.Progresso ? &barra : nullptr);
    int creati = 0;
    for (const auto& p : file) {
        TConversione conv;
        conv.FormatoSorgente = da;
        conv.FormatoDestinazione = a;
        conv.Piloti = sistema.Dati.PilotiInGioco();
        conv.CartellaSorgente = p.parent_path();
        conv.CartellaDestinazione = destinazione.empty() ? p.parent_path() : destinazione;
        const TEsitoConversione esito = conv.Converti({p.filename().string()}, nullptr, &annulla);
        creati += esito.FileCreati;
        if (!esito.Riuscita) {
            barra.Termina();
            ctx.Out << kTitoloFileCreati << " " << creati << "\n";
            throw TErroreCli(esito.Messaggio, esito.Interrotta ? kUscitaAnnullata : kUscitaErrore);
        }
        progresso.FileCreati(creati);
    }
    barra.Termina();
    ctx.Out << kTitoloFileCreati << " " << creati << "\n" << kMsgConversioneRiuscita << "\n";
    return kUscitaOk;
}

}  // namespace

void RegistraStrumenti(CLI::App& app, TContestoCli& ctx) {
    auto o = std::make_shared<TOpzioniOperazioni>();
    CLI::App* op = app.add_subcommand(
        "operazioni",
        "Operazioni su Files Colonnari: or (unione), and (intersezione), xor (differenza "
        "simmetrica), copertura (colonne del secondo file non coperte dal primo a garanzia), "
        "disordina (ordine casuale del primo file)");
    op->add_option("OPERAZIONE", o->Operazione, "or, and, xor, copertura o disordina")
        ->required()
        ->type_name("");
    op->add_option("PRIMO", o->Primo, "Primo file (per copertura: il file del ridotto)")
        ->required()
        ->type_name("FILE");
    op->add_option("SECONDO", o->Secondo,
                   "Secondo file (per copertura: il file delle colonne da coprire)")
        ->type_name("FILE");
    op->add_option("-o,--output", o->Output, "File colonnare da scrivere")
        ->required()
        ->type_name("FILE");
    op->add_option("-g,--garanzia", o->Garanzia,
                   "Punteggio di garanzia della copertura, 30..92 "
                   "(80 se non indicato)")
        ->type_name("PUNTI");
    op->add_flag("--progresso", o->Progresso, "Mostra l'avanzamento su stderr");
    ctx.OpzioneCartella(*op);
    op->callback([&ctx, o] { ctx.Azione = [&ctx, o] { return EseguiOperazioni(ctx, *o); }; });

    auto c = std::make_shared<TOpzioniConverti>();
    CLI::App* conv = app.add_subcommand(
        "converti", "Conversione di Files di Combinazioni tra i formati txt, asc e scl");
    conv->add_option("--da", c->Da, "Formato dei file da convertire: txt, asc o scl")
        ->required()
        ->type_name("FORMATO");
    conv->add_option("--a", c->A, "Formato dei file da creare: txt, asc o scl")
        ->required()
        ->type_name("FORMATO");
    conv->add_option("FILE", c->File, "File da convertire")->required()->type_name("FILE");
    conv->add_option("-d,--destinazione", c->Destinazione,
                     "Cartella dei file creati (se non indicata, quella di ogni file)")
        ->type_name("CARTELLA");
    conv->add_flag("--progresso", c->Progresso, "Mostra i file creati su stderr");
    ctx.OpzioneCartella(*conv);
    conv->callback([&ctx, c] { ctx.Azione = [&ctx, c] { return EseguiConverti(ctx, *c); }; });
}

}  // namespace sirvela
