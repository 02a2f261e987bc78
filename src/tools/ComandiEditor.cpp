#include "tools/ComandiEditor.h"

#include <filesystem>

#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

namespace {
constexpr const char* kFiltroColonne = "Scl file|*.Scl";
}  // namespace

TRichiestaFile TComandiEditor::RichiestaCarica() {
    TRichiestaFile r;
    r.Titolo = "Carica le Colonne";
    r.Filtro = kFiltroColonne;
    r.Estensione = "Scl";
    r.Cartella = CartellaColonne().string();
    r.DeveEsistere = true;
    return r;
}

TRichiestaFile TComandiEditor::RichiestaSalva() const {
    TRichiestaFile r;
    r.Titolo = "Salva le Colonne";
    r.Filtro = kFiltroColonne;
    r.Estensione = "Scl";
    const std::filesystem::path nome(editor_.NomeFile);
    r.Cartella = nome.has_parent_path() ? nome.parent_path().string() : CartellaColonne().string();
    r.Nome = NomeSenzaCartella(editor_.NomeFile);
    return r;
}

bool TComandiEditor::Esito(const TEsitoEditor& e) {
    if (!e.Ok) messaggi_.Errore(e.Messaggio);
    return e.Ok;
}

bool TComandiEditor::ConfermaSalvataggio() {
    return editor_.ConfermaSalvataggio(messaggi_, true, [this] { return Salva(); });
}

bool TComandiEditor::Azzera() {
    if (!ConfermaSalvataggio()) return false;
    editor_.Azzera();
    return true;
}

bool TComandiEditor::CaricaColonne() {
    if (!ConfermaSalvataggio()) return false;
    const auto percorso = scelta_.Apri(RichiestaCarica());
    return percorso && Esito(editor_.Carica(*percorso));
}

bool TComandiEditor::InserisciFileColonnare() {
    const auto percorso = scelta_.Apri(RichiestaCarica());
    return percorso && Esito(editor_.InserisciFile(*percorso));
}

bool TComandiEditor::Salva() {
    if (!editor_.NomeScelto) return SalvaConNome();
    return Esito(editor_.Salva(editor_.NomeFile));
}

bool TComandiEditor::SalvaConNome() {
    // Faulty data are shown before a name is asked for.
    if (!Esito(editor_.VerificaDati())) return false;
    const auto percorso = scelta_.Salva(RichiestaSalva());
    if (!percorso || !TEditorColonne::ConfermaSovrascrittura(messaggi_, *percorso)) return false;
    return Esito(editor_.Salva(*percorso));
}

bool TComandiEditor::Ordina() {
    return Esito(editor_.Ordina());
}

bool TComandiEditor::Uscita() {
    return ConfermaSalvataggio();
}

}  // namespace sirvela
