#pragma once
#include <optional>
#include <string>

#include "core/FileColonne.h"
#include "core/Interfacce.h"
#include "core/TListaColonne.h"

namespace sirvela {

inline constexpr const char* kSovrascriviColonne =
    "Il file è già Presente su Disco. Vuoi Sovrascriverlo";
inline constexpr const char* kErroreScritturaColonne = "Errore Durante la Scrittura del File";

// "Colonne" > "Salva": asks for a file in the column folder (the last one saved is offered),
// asks before overwriting, writes the list. The list itself never changes. Returns whether
// the file was written; `UltimoFileColonne` then names it.
bool SalvaColonneInMemoria(const TListaColonne& colonne, IMessaggi& messaggi, ISceltaFile& scelta);

// Asks for a column file in the column folder (offering `nome`), asks `domanda` before
// replacing an existing file, writes the list and reports a failed write. Returns the path
// written; nullopt when the user stopped or the write failed.
std::optional<std::string> ScriviColonneSuFileScelto(const TListaColonne& colonne,
                                                     const std::string& nome, const char* domanda,
                                                     IMessaggi& messaggi, ISceltaFile& scelta);

// The request of the "Da File" choice of the tool windows.
TRichiestaFile RichiestaFileColonnare();

enum class TEsitoSorgente {
    Annullato,  // the user cancelled: no tool window
    Letto,      // the tool's list holds the columns
    Errore      // the file could not be read: the list is empty, the user was told
};

// "Da File": the tool's list is replaced by the chosen column file, checked as it is read.
TEsitoSorgente ColonneDaFile(TListaColonne& destinazione, const TControlloColonne& controllo,
                             IMessaggi& messaggi, ISceltaFile& scelta);

}  // namespace sirvela
