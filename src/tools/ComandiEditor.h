#pragma once
#include "core/Interfacce.h"
#include "tools/TEditorColonne.h"

namespace sirvela {

// The file commands of the column editor's tool bar with their questions and dialogs. Each
// returns whether it went through; a refusal has already been told to the user.
class TComandiEditor {
  public:
    TComandiEditor(TEditorColonne& editor, IMessaggi& messaggi, ISceltaFile& scelta)
        : editor_(editor), messaggi_(messaggi), scelta_(scelta) {}

    // After the save question: an empty list under the default name.
    bool Azzera();
    // After the save question: the list becomes the chosen file's columns.
    bool CaricaColonne();
    // The chosen file's columns go in before the current entry.
    bool InserisciFileColonnare();
    // Under the current name; a name never chosen goes through SalvaConNome.
    bool Salva();
    bool SalvaConNome();
    bool Ordina();
    // Leaving the editor: the save question, which may keep it open.
    bool Uscita();

    static TRichiestaFile RichiestaCarica();
    TRichiestaFile RichiestaSalva() const;

  private:
    bool Esito(const TEsitoEditor& e);
    bool ConfermaSalvataggio();

    TEditorColonne& editor_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
};

}  // namespace sirvela
