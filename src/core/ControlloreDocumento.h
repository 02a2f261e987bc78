#pragma once
#include <string>
#include <vector>

#include "core/Interfacce.h"
#include "core/T_Sistema.h"

namespace sirvela {

// What the window showing the document must do after a command.
class IVistaDocumento {
  public:
    virtual ~IVistaDocumento() = default;
    // Title, selectors, counts, menu states.
    virtual void RidisegnaTutto() = 0;
    // Status panels only.
    virtual void AggiornaStato() = 0;
};

// The open document's commands and rules: the menu "Sistemi" and the edits of the main panel.
class TControlloreDocumento {
  public:
    TControlloreDocumento(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& file,
                          IVistaDocumento* vista = nullptr);

    // While a system is being loaded, selector changes must not empty the column list.
    bool InCaricamento() const { return inCaricamento_; }

    // Asks to save a modified system; false when the user chose to stop the command.
    bool ConfermaAbbandono();
    void Nuovo();
    void Carica();
    // Loads a file named on the command line (no dialog, no confirmation).
    bool CaricaFile(const std::string& percorso);
    void Salva();
    void SalvaCome();
    void Cancella();

    // The document's own edits. Each marks the document modified only when something really
    // changed, so redrawing the window with the document's own values changes nothing.

    // A position selector changed: the position takes the new set; a real change empties the
    // columns in memory (not while a system is being loaded). True when the set changed.
    bool ImpostaPosizione(int posizione, const TCombinazione& piloti);
    // "Azzera": all eight positions empty, then the window is redrawn.
    void AzzeraPronostico();
    // The contest box: its text becomes the contest number whenever it is a number.
    void ImpostaConcorso(const std::string& testo);
    // "Commento": the dialog's lines replace the comment on "Ok".
    void ImpostaCommento(const std::vector<std::string>& righe);
    // "Partecipanti" on "OK": empty lines are dropped from `righe`; returns the message to show
    // (the dialog then stays open) or an empty text when the values were taken.
    std::string ImpostaPartecipanti(int numero, bool specificaNomi,
                                    std::vector<std::string>& righe);

    // The pilots the position selectors offer: 1..NumeroPiloti without the excluded one.
    TCombinazione PilotiSelezionabili() const;

  private:
    bool SalvaConNome(const std::string& cartella, const std::string& nome,
                      const std::string& domandaSovrascrittura);
    void Ridisegna();

    T_Sistema& sistema_;
    IMessaggi& messaggi_;
    ISceltaFile& file_;
    IVistaDocumento* vista_;
    bool inCaricamento_ = false;
};

inline constexpr const char* kDomandaSalvaSistema =
    "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ";
inline constexpr const char* kErrorePartecipanti =
    "Il numero dei nomi dei soci non corrisponde a quello specificato";

}  // namespace sirvela
