#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Colonna.h"
#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"
#include "core/TListaColonne.h"
#include "tools/TSchedinaVin.h"

namespace sirvela {

inline constexpr const char* kMsgNumeriNonValidi = "Uno o più numeri inseriti non sono validi.";
inline constexpr const char* kMsgNumeroRipetuto =
    "Uno dei numeri è stato inserito più di una volta.";
inline constexpr const char* kMsgNumeriMancanti = "Non sono stati inseriti tutti i numeri.";

inline constexpr const char* kTitoloRigaPunti = " Punti";
inline constexpr const char* kTitoloRigaVincite = " Vincite";

// The outcome of reading a row of result cells.
struct TLetturaCelle {
    bool Ok = false;
    std::string Messaggio;  // what to show when not Ok
    int Cella = 0;          // 1-based cell to focus when not Ok
    TCombinazione Valori;   // one value per cell, in cell order ("*" is 90)
};

// Reads the cells in order: "*" (blanks removed) is any pilot, anything else must be a whole
// number, 0 or a pilot in play, not typed twice (the wildcard may repeat).
TLetturaCelle LeggiCelleRisultato(std::span<const std::string> celle, const TPilotiInGioco& piloti);

// Score of a column against a result where "*" matches no pilot.
class TRisultatoSpoglio {
  public:
    TRisultatoSpoglio() = default;
    explicit TRisultatoSpoglio(const TColonna& risultato);
    int Punteggio(const TColonna& c) const {
        return dettaglio::kPesi.v[dettaglio::MascheraUguali(ComeParola(c), parola_) & utili_];
    }

  private:
    std::uint64_t parola_ = 0;
    unsigned utili_ = 0xFF;  // positions that can score
};

// One column of the table "Vincite Trovate".
struct TColonnaVincite {
    std::string Punti;
    std::string Vincite;
    bool operator==(const TColonnaVincite&) const = default;
};

// The check of a column list against a result. The broken restrictions of the system are
// not part of it: after Esegui the window runs the condition set on RisultatoColonna in its
// error-collecting mode (with FuoriPronostico for the position sets) and lists the entries
// with TestoCondizioneSbagliata.
class TSpoglio {
  public:
    static constexpr int kPunteggi = kPunteggioMassimo + 1;

    TListaColonne Colonne;  // the window's own list
    TPilotiInGioco Piloti;  // what a result may name
    TCombinazione Risultato;
    TColonna RisultatoColonna{};
    std::array<std::int64_t, kPunteggi> Vincite{};  // columns per score 0..101
    bool SpoglioFatto = false;

    // Reads the eight cells; on success they become the result.
    TLetturaCelle LeggiRisultato(std::span<const std::string> celle);
    void ImpostaRisultato(const TCombinazione& risultato);
    // Editing a cell invalidates the last check.
    void CellaModificata() { SpoglioFatto = false; }

    // Scores every column against the result and tallies the scores.
    void Esegui();

    // The table as shown before any check: every score from 101 down, no counts.
    static std::vector<TColonnaVincite> TabellaIniziale();
    // The scores that were reached, 101 down to 0, with their counts.
    std::vector<TColonnaVincite> Tabella() const;
    // Scores for the selector "Schedine Con Punti", highest first.
    std::vector<int> PunteggiConVincite() const;
    // Slips of two columns, numbered from 1, that hold a column scoring exactly `punti`.
    std::vector<TSchedinaVin> SchedineVincenti(int punti) const;
};

// The window "Visualizzazione Schedine Vincenti": the slips of a checked list holding a column
// that scored exactly the selected score. Only the kept slips' numbers are stored and pages
// are made on demand, so a list of millions of columns costs little more than its columns.
class TSchedineVincenti {
  public:
    static constexpr int kPannelli = TVisualizzatoreColonne::Pannelli();

    // The columns and the result of a check.
    void Carica(const TSpoglio& spoglio);
    void Seleziona(int punti);
    int Punti() const { return punti_; }
    std::int64_t Quante() const { return static_cast<std::int64_t>(numeri_.size()); }
    std::int64_t MassimoScorrimento() const {
        return sirvela::MassimoScorrimento(Quante(), kPannelli);
    }
    // The slips shown with the scroll bar at `posizione`, each place flagged when its column
    // scored the selected score.
    std::vector<TSchedinaVin> Pagina(std::int64_t posizione, int quante = kPannelli) const;
    const std::vector<std::int32_t>& Numeri() const { return numeri_; }

  private:
    TVisualizzatoreColonne colonne_;
    TRisultatoSpoglio risultato_;
    std::vector<std::int32_t> numeri_;
    int punti_ = -1;
};

// True when the pilot of some position is not in the system's set for that position.
bool FuoriPronostico(const TColonna& risultato, const TPronostico& pronostico);
// Line of the list "Condizioni Sbagliate": kind 1 is the position sets, kind 0 the fixed
// pilots, any other kind the name of the condition.
std::string TestoCondizioneSbagliata(int tipoErrore, const std::string& nomeCondizione);
// The sideways scroll of that list: from the p-th character when the text is longer than p.
std::string TestoScorrevole(const std::string& testo, int posizione);

}  // namespace sirvela
