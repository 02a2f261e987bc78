#include "cli/ContestoCli.h"
#include "core/SistemaJson.h"
#include "core/T_Sistema.h"

namespace sirvela {
namespace {

// Line and column (from 1) of a byte offset in a text.
std::pair<std::size_t, std::size_t> RigaColonna(const std::string& testo, std::size_t byte) {
    std::size_t riga = 1, colonna = 1;
    for (std::size_t i = 0; i < byte && i < testo.size(); ++i) {
        if (testo[i] == '\n') {
            ++riga;
            colonna = 1;
        } else if ((static_cast<unsigned char>(testo[i]) & 0xC0) != 0x80) {
            ++colonna;  // continuation bytes of one UTF-8 character count once
        }
    }
    return {riga, colonna};
}

// Where the parser is: the member of each object and the element of each list it is inside,
// written as the import names fields ("Condizioni[3].Valori").
class TPosizioneJson {
  public:
    bool Segui(nlohmann::json::parse_event_t evento, const nlohmann::json& valore) {
        using E = nlohmann::json::parse_event_t;
        switch (evento) {
            case E::object_start:
            case E::array_start:
                livelli_.push_back({evento == E::array_start, {}, 0});
                break;
            case E::object_end:
            case E::array_end:
                if (!livelli_.empty()) livelli_.pop_back();
                Avanza();
                break;
            case E::key:
                if (!livelli_.empty() && valore.is_string())
                    livelli_.back().Chiave = valore.get<std::string>();
                break;
            case E::value:
                Avanza();
                break;
        }
        return true;
    }
    std::string Campo() const {
        std::string c;
        for (const auto& l : livelli_) {
            if (l.Lista)
                c += "[" + std::to_string(l.Indice) + "]";
            else if (!l.Chiave.empty())
                c += (c.empty() ? "" : ".") + l.Chiave;
        }
        return c;
    }

  private:
    void Avanza() {
        if (!livelli_.empty() && livelli_.back().Lista) ++livelli_.back().Indice;
    }
    struct TLivello {
        bool Lista;
        std::string Chiave;
        std::size_t Indice;
    };
    std::vector<TLivello> livelli_;
};

nlohmann::json LeggiJson(const std::filesystem::path& percorso) {
    const std::string testo = LeggiFileIntero(percorso, "Impossibile leggere il file JSON");
    TPosizioneJson posizione;
    try {
        return nlohmann::json::parse(
            testo, [&posizione](int, nlohmann::json::parse_event_t evento, nlohmann::json& valore) {
                return posizione.Segui(evento, valore);
            });
    } catch (const nlohmann::json::out_of_range&) {
        // The only range error of the parser: a number beyond what a double holds.
        const std::string campo = posizione.Campo();
        throw TErroreCli(
            "Il file JSON non è valido: " +
            (campo.empty() ? std::string("un numero") : "il numero nel campo \"" + campo + "\"") +
            " è fuori dall'intervallo dei numeri rappresentabili. Nessun sistema è "
            "stato scritto.");
    } catch (const nlohmann::json::parse_error& e) {
        // The parser counts the byte it stopped at from 1.
        const std::size_t byte = e.byte > 0 ? e.byte - 1 : 0;
        const auto [riga, colonna] = RigaColonna(testo, byte);
        throw TErroreCli("Il file JSON non è valido: errore di sintassi alla riga " +
                         std::to_string(riga) + ", colonna " + std::to_string(colonna) +
                         " (carattere " + std::to_string(byte + 1) +
                         "). Nessun sistema è stato scritto.");
    }
}

}  // namespace

void RegistraSistema(CLI::App& app, TContestoCli& ctx) {
    CLI::App* sistema = app.add_subcommand(
        "sistema", "Esporta un sistema in JSON o lo importa da JSON in un file di sistema");
    sistema->require_subcommand(1);

    auto file = std::make_shared<std::string>();
    CLI::App* esporta =
        sistema->add_subcommand("esporta", "Scrive su stdout il sistema intero in formato JSON");
    esporta->add_option("SISTEMA", *file, "File di sistema (.Sst)")->required()->type_name("FILE");
    ctx.OpzioneCartella(*esporta);
    esporta->callback([&ctx, file] {
        ctx.Azione = [&ctx, file] {
            const auto percorso = ctx.Percorso(*file);
            ctx.PreparaCartella();
            ctx.Out << EsportaFileSistema(percorso).dump(2) << "\n";
            return kUscitaOk;
        };
    });

    auto json = std::make_shared<std::string>();
    auto destinazione = std::make_shared<std::string>();
    CLI::App* importa = sistema->add_subcommand(
        "importa", "Scrive il file di sistema dal JSON; nulla è scritto se il JSON non è valido");
    importa->add_option("JSON", *json, "File JSON del sistema")->required()->type_name("FILE");
    importa->add_option("SISTEMA", *destinazione, "File di sistema da scrivere (.Sst)")
        ->required()
        ->type_name("FILE");
    ctx.OpzioneCartella(*importa);
    importa->callback([&ctx, json, destinazione] {
        ctx.Azione = [&ctx, json, destinazione] {
            const auto sorgente = ctx.Percorso(*json);
            const auto percorso = ctx.Percorso(*destinazione);
            T_Sistema sistema;
            ctx.Avvia(sistema);
            ImportaFileSistema(LeggiJson(sorgente), percorso);
            ctx.Out << "Sistema salvato in " << percorso.string() << "\n";
            // Read back as every command reads it: what it should know is told the same way.
            ctx.CaricaSistema(sistema, percorso);
            return kUscitaOk;
        };
    });
}

}  // namespace sirvela
