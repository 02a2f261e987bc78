#include "app/ComandiColonne.h"

#include <filesystem>

#include "core/Globali.h"
#include "core/MotiviFile.h"
#include "core/Testo.h"

namespace sirvela {

std::optional<std::string> ScriviColonneSuFileScelto(const TListaColonne& colonne,
                                                     const std::string& nome, const char* domanda,
                                                     IMessaggi& messaggi, ISceltaFile& scelta) {
    TRichiestaFile r;
    r.Titolo = "Salva le Colonne";
    r.Filtro = "Scl file|*.Scl";
    r.Estensione = "Scl";
    r.Cartella = CartellaColonne().string();
    r.Nome = nome;
    const auto percorso = scelta.Salva(r);
    if (!percorso) return std::nullopt;
    std::error_code ec;
    if (std::filesystem::exists(*percorso, ec) &&
        messaggi.Mostra("Informazione", domanda, PulsanteSi | PulsanteNo) != PulsanteSi)
        return std::nullopt;
    if (!colonne.SalvaSuFile(*percorso)) {
        messaggi.Errore(ConFile(kErroreScritturaColonne, *percorso, MotivoScrittura(*percorso)));
        return std::nullopt;
    }
    return percorso;
}

bool SalvaColonneInMemoria(const TListaColonne& colonne, IMessaggi& messaggi, ISceltaFile& scelta) {
    const auto percorso = ScriviColonneSuFileScelto(colonne, NomeSenzaCartella(UltimoFileColonne),
                                                    kSovrascriviColonne, messaggi, scelta);
    if (!percorso) return false;
    UltimoFileColonne = *percorso;
    return true;
}

TRichiestaFile RichiestaFileColonnare() {
    TRichiestaFile r;
    r.Titolo = "Seleziona il File Colonnare";
    r.Filtro = "File di Combinaizoni (*.Scl)|*.Scl";
    r.Estensione = "Scl";
    r.Cartella = CartellaColonne().string();
    r.DeveEsistere = true;
    return r;
}

TEsitoSorgente ColonneDaFile(TListaColonne& destinazione, const TControlloColonne& controllo,
                             IMessaggi& messaggi, ISceltaFile& scelta) {
    const auto percorso = scelta.Apri(RichiestaFileColonnare());
    if (!percorso) return TEsitoSorgente::Annullato;
    const std::string errore = CaricaFileColonne(destinazione, *percorso, controllo);
    if (!errore.empty()) {
        messaggi.Mostra("Informazione", errore, PulsanteOk);
        return TEsitoSorgente::Errore;
    }
    return TEsitoSorgente::Letto;
}

}  // namespace sirvela
