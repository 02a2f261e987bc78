#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/PilotiInGioco.h"
#include "core/TListaColonne.h"

namespace sirvela {

class IMessaggi;

inline constexpr const char* kMsgNumeroNonValido = "Il numero selezionato non è valido";
inline constexpr const char* kMsgNumeroDoppio =
    "Il numero selezionato è stato inserito più di una volta";
inline constexpr const char* kMsgSalvataggioImpossibile = "Impossibile Salvare le Colonne";
inline constexpr const char* kMsgCaricamentoImpossibile = "Impossibile Caricare le Colonne";
inline constexpr const char* kMsgColonneNonSalvate =
    "Le colonne non sono state salvate. Vuoi salvarle ? ";
inline constexpr const char* kMsgFileEsistente = "Il file esiste già. Vuoi sovrascriverlo ? ";

// A cell of the editor: the list entry (from 0) and the position row (0..7).
struct TCellaEditor {
    std::int64_t Voce = 0;
    int Riga = 0;
    bool operator==(const TCellaEditor&) const = default;
};

struct TEsitoEditor {
    bool Ok = true;
    std::string Messaggio;  // to show when not Ok
    bool HaCella = false;   // a faulty cell to show selected
    TCellaEditor Cella;
};

// The column editor: a list of columns typed by hand, an all-zero entry being an empty place.
// The grid shows 16 entries from the scroll position, one per grid column, with a row per
// finishing position.
class TEditorColonne {
  public:
    static constexpr int kColonneGriglia = 16;
    static constexpr int kRighe = 8;
    static constexpr std::int64_t kMarginePerNuove = 200;
    using TCelle = std::array<std::array<std::string, kRighe>, kColonneGriglia>;

    TEditorColonne();

    std::vector<TListCol> ListaEditor;
    // The pilots a cell may hold.
    TPilotiInGioco Piloti;
    std::string NomeFile;
    // False while the name is the one "Azzera" gives: saving then asks for a file, so the
    // default name never silently replaces a file kept from an earlier session.
    bool NomeScelto = false;
    bool Modificato = false;
    std::int64_t Scorrimento = 0;  // entry shown in the first grid column
    TCellaEditor Corrente;         // the selected cell

    // "Editor Colonnare - " and the file name without its folder.
    std::string Titolo() const;
    std::int64_t MassimoScorrimento() const {
        return static_cast<std::int64_t>(ListaEditor.size()) + kMarginePerNuove;
    }
    std::int64_t QuanteVoci() const { return static_cast<std::int64_t>(ListaEditor.size()); }

    // The cell texts for the grid: empty where a byte is 0 or there is no entry.
    TCelle Vista() const;
    // Takes the grid back (before every command and scroll). An empty cell or a number that is
    // no pilot in play stores 0; entries beyond the end of the list are added.
    void MemorizzaVista(const TCelle& celle);
    // Moves the scroll so that the entry is among the 16 shown, and selects the cell.
    void Mostra(const TCellaEditor& cella);

    // Every non-empty entry holds eight different pilots in play; otherwise the first faulty
    // cell, already shown selected.
    TEsitoEditor VerificaDati();
    void RimuoviVuote();
    // Checks, drops the empty entries and sorts by position 1, then 2, ... (first shown).
    TEsitoEditor Ordina();
    void CancellaCorrente();
    void InserisciVuota();  // before the current entry
    void SaltaAllaPrima();
    void SaltaAllUltima();
    // Entry n from 1, after RimuoviVuote; false outside 1..QuanteVoci().
    bool SaltaAllaColonna(std::int64_t n);

    // "Azzera": empty list named "Personali.Scl" in the column folder.
    void Azzera();
    // Replaces the list with a column file; the list is kept when the file cannot be read or
    // is no column file, and the message names the file and the reason.
    TEsitoEditor Carica(const std::string& percorso);
    // Puts a column file's columns before the current entry.
    TEsitoEditor InserisciFile(const std::string& percorso);
    // Checks, then writes the non-empty entries; the name becomes the file's.
    TEsitoEditor Salva(const std::string& percorso);
    TListaColonne ColonneNonVuote() const;

    // While there are unsaved changes: "Si" runs `salva` and goes on when it succeeded,
    // "No" goes on, "Annulla" (offered when the command can be cancelled) stops.
    bool ConfermaSalvataggio(IMessaggi& messaggi, bool annullabile,
                             const std::function<bool()>& salva) const;
    // An existing file is written over only after "Si".
    static bool ConfermaSovrascrittura(IMessaggi& messaggi, const std::string& percorso);

    // Enter in the grid: down one row; from the last row to the top of the next grid
    // column; from the last grid column the view scrolls one entry (the caller stores the
    // view first and redraws).
    struct TPassoInvio {
        int Colonna = 0;
        int Riga = 0;
        bool Scorri = false;
    };
    static TPassoInvio Invio(int colonnaGriglia, int riga);
    // A cell takes digits, blank and backspace, at most two characters.
    static bool TastoAccettato(const std::string& testo, char tasto);

  private:
    TEsitoEditor LeggiFile(const std::string& percorso, TListaColonne& lista) const;
};

}  // namespace sirvela
