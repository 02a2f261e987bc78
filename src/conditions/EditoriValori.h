#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "conditions/TValoriAmmessi.h"

namespace sirvela {

// The rules of the two accepted-value editors of the condition dialogs, without drawing. Both
// work on a copy: the dialog loads a category into them and stores them back on "OK".

// The value-table editor: a strip of value boxes clicked through the grades not accepted,
// accepted and accepted in recovery, the recovery level of each value, the link letter and
// the Punti Tra group of each table, and the position range `Campo`.
class TModelloGraphpt {
  public:
    enum TModo : int { kModoPunti = 0, kModoCons = 1, kModoCampo = 2 };
    static constexpr int kLivelloMassimo = 99;
    static constexpr int kGruppiTra = 30;

    // The shape, set by the dialog: how many values the strip holds (the category's highest
    // value + 1), how many boxes show at once and the value of the first box unscrolled.
    void ImpostaForma(int ptTotali, int ptVisibili, int ptIniziale);
    int PtTotali() const { return ptTotali_; }
    int PtVisibili() const { return ptVisibili_; }
    int PtIniziale() const { return ptIniziale_; }
    // With the recovery grade a click cycles through three grades, else through two.
    bool RecVisibili = true;
    // Which of the modes "Punti" (main table), "Cons." (secondary table) and "Campo" exist;
    // switching off the current one moves to the first remaining, in that order.
    void ImpostaTipi(bool punti, bool cons, bool campo);
    bool TipoPunti() const { return tipi_[kModoPunti]; }
    bool TipoCons() const { return tipi_[kModoCons]; }
    bool TipoCampo() const { return tipi_[kModoCampo]; }
    // The upper bound of both Campo positions; lowering it lowers them.
    void ImpostaNumEvents(int n);
    int NumEvents() const { return numEvents_; }

    // Set by every edit; the dialog copies back only editors that have it.
    bool Modificato = false;

    // Both tables and Campo in; levels of 0 become 1; the strip unscrolled.
    void Carica(const TValoriAmmessi& v);
    // Both tables with their letters and groups, and Campo, out.
    void Salva(TValoriAmmessi& v) const;
    // The dialog's "Azzera ": every entry 0 with level 0, letter 'A', group 0, Campo 1..8.
    void Azzera();

    int Modo() const { return modo_; }
    // A mode that does not exist is ignored.
    void ImpostaModo(int modo);
    // The boxes edit the main table in "Punti" mode, the secondary one otherwise.
    bool MostraPrincipale() const { return tipi_[kModoPunti] && modo_ == kModoPunti; }
    const TTabellaValori& Mostrata() const {
        return MostraPrincipale() ? principale_ : secondaria_;
    }
    const TTabellaValori& Principale() const { return principale_; }
    const TTabellaValori& Secondaria() const { return secondaria_; }

    // The strip: scroll arrows stand at both ends when not every value fits.
    bool ConFrecce() const { return ptTotali_ > ptVisibili_; }
    int Box() const;  // boxes drawn: PtVisibili, or fewer when the strip holds fewer values
    int Scostamento() const { return scostamento_; }
    int MassimoScostamento() const;
    bool ScorriIndietro();  // false when already at the start
    bool ScorriAvanti();    // false when already at the end
    int ValoreBox(int box) const { return ptIniziale_ + scostamento_ + box; }
    int Grado(int box) const;    // 0 not accepted, 1 accepted, 2 in recovery
    int Livello(int box) const;  // the recovery level, 1..99
    // A click on a box cycles its grade: 0 -> 1 -> 2 -> 0, or 0 -> 1 -> 0 without recovery.
    bool Clic(int box);
    // The level arrows of a box in recovery; the level stays within 1..99.
    bool AlzaLivello(int box);
    bool AbbassaLivello(int box);

    // Change the level by `passi` (negative: down) or set it, always within 1..99; only a
    // value in recovery has a level. False when nothing changed.
    bool CambiaLivello(int box, int passi);
    bool ImpostaLivello(int box, int livello);

    // The value the keyboard works on, as a box of the strip; moving it past either end of
    // the boxes scrolls the strip. Scrolling with the arrows keeps it in sight.
    int BoxCorrente() const { return corrente_ - scostamento_; }
    bool SpostaCorrente(int passi);
    void ImpostaBoxCorrente(int box);

    // The link letter 'A'..'Z' and Punti Tra group 0..30 (0 = none) of the table shown.
    char Lettera() const { return Mostrata().LetteraLink; }
    int GruppoTra() const { return Mostrata().GruppoTra; }
    void ImpostaLettera(char lettera);
    void ImpostaGruppoTra(int gruppo);

    // The position range: whenever the first passes the last, the last follows it.
    int CampoDa() const { return campoDa_; }
    int CampoA() const { return campoA_; }
    void ImpostaCampoDa(int posizione) { ImpostaCampo(campoDa_, posizione); }
    void ImpostaCampoA(int posizione) { ImpostaCampo(campoA_, posizione); }

  private:
    TTabellaValori& MostrataW() { return MostraPrincipale() ? principale_ : secondaria_; }
    // The entry under a box, null for a box beyond the strip or the table.
    TVoceValore* Voce(int box);
    const TVoceValore* Voce(int box) const;
    void Modifica() { Modificato = true; }
    void ImpostaCampo(int& estremo, int posizione);
    void CorrenteInVista();

    int ptTotali_ = 9, ptVisibili_ = 9, ptIniziale_ = 0;
    std::array<bool, 3> tipi_{true, false, false};
    int numEvents_ = 8;
    int modo_ = kModoPunti;
    int scostamento_ = 0;
    int corrente_ = 0;  // index of the keyboard's value within the strip
    TTabellaValori principale_, secondaria_;
    int campoDa_ = 1, campoA_ = 8;
};

inline constexpr const char* kErroreMinimoIntervallo = "Errore Nel Valore Minimo Dell' Intervallo";
inline constexpr const char* kErroreMassimoIntervallo =
    "Errore Nel Valore Massimo Dell' Intervallo";
inline constexpr const char* kErroreMinimoSopraMassimo =
    "Errore, Il Valoro Minimo è Superiore a Quello Massimo";
inline constexpr const char* kErroreIntervalliContigui =
    "Errore, gli Intervalli Non Sono Contigui.";
// Only a list read from a file can fill the pages beyond the 43 places of a list.
inline constexpr const char* kErroreTroppiIntervalli = "Errore, Troppi Intervalli: al Massimo 43.";

// Where the check of a dialog stopped: the message, the page and the grid column (or the
// cell of a member's further controls), and the title of its message box.
struct TErroreGriglia {
    std::string Messaggio;  // empty: no error
    int Categoria = 0;      // set by the condition dialog: which of its grids
    int Pagina = 0;
    int Colonna = 0;
    std::string Titolo = "Informazione";
    bool Ok() const { return Messaggio.empty(); }
};

// The interval grid: two pages, "Intervalli Ammessi" and "Intervalli In Rec.", of 21
// columns each, one interval per column as the texts of its "Min" and "Max" cells; the
// recovery page adds the level "Liv." of each interval and one link letter for the list.
class TModelloIntervalli {
  public:
    static constexpr int kColonne = 21;
    enum TPagina : int { kPaginaAmmessi = 0, kPaginaRecupero = 1 };
    struct TCella {
        std::string Min, Max;
        int Livello = 1;
        bool operator==(const TCella&) const = default;
    };

    TModelloIntervalli();

    bool Modificato = false;

    // The accepted intervals on the first page, the recovery ones on the second, in list
    // order; a page grows beyond 21 columns only for a list that holds more.
    void Carica(const TIntervalliAmmessi& lista);
    void Azzera();  // both pages empty, 21 columns, letter 'A'

    int Colonne(int pagina) const { return static_cast<int>(pagine_[pagina].size()); }
    const TCella& Cella(int pagina, int colonna) const { return pagine_[pagina][colonna]; }
    void ImpostaMin(int pagina, int colonna, const std::string& testo);
    void ImpostaMax(int pagina, int colonna, const std::string& testo);
    void ImpostaLivello(int colonna, int livello);  // recovery page; kept within 1..99
    char Lettera() const { return lettera_; }
    void ImpostaLettera(char lettera);

    // The range every bound must lie in (a Punti Tra group's lowest and highest total); a
    // bound outside it is reported as a faulty minimum or maximum.
    struct TLimiti {
        std::int64_t Min = 0;
        std::int64_t Max = 0;
    };

    // The check: reads the accepted page then the recovery page, each column by column from
    // the left, into a new list with the grid's letter. On the first fault the list is left
    // alone and the fault returned.
    TErroreGriglia Acquisisci(TIntervalliAmmessi& lista, const TLimiti* limiti = nullptr) const;

  private:
    std::array<std::vector<TCella>, 2> pagine_;
    char lettera_ = 'A';
};

// A whole number as a grid cell holds it: blanks around it ignored, empty counts as 0.
bool LeggiIntero(const std::string& testo, int& valore);

}  // namespace sirvela
