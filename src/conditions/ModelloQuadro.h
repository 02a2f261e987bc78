#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "conditions/ModelloDialogo.h"
#include "conditions/TCondQuadro.h"

namespace sirvela {

// One kind offered by "Nuova" in the Quadro pop-up menu. Kinds a system holds several of come
// "Singolo" (one member of the kind) or "Multiplo" (a container of such members).
struct TVoceNuova {
    const char* Testo;
    std::uint8_t Singolo;
    std::uint8_t Multiplo;  // 0: no choice, Singolo is added
};

inline constexpr TVoceNuova kVociNuova[] = {
    {"Somme", kSomme, 0},
    {"Consecutività Numerica", kNumeriConsecutivi, 0},
    {"Numero di Sequenze", kNumeroSequenze, 0},
    {"Pari e Dispari", kPariDispari, 0},
    {"Crescenze e Decrescenze", kCrescenzeDecrescenze, 0},
    {"Consecutività Differenziata", kConsecutivitaDifferenziata, kGruppoConsecutivita},
    {"Baricentri", kBaricentri, 0},
    {"Distanze Globali", kDistanzeGlobali, 0},
    {"Distanze Specifiche", kDistanzeSpecifiche, kGruppoDistanzeSpecifiche},
    {"Interruzioni", kInterruzioni, 0},
    {"Vortici", kVortici, 0},
    {"Simmetrie", kSimmetrie, 0},
    {"Resti", kResti, kGruppoResti},
    {"Ripetizioni", kRipetizioni, 0},
    {"Colonne Filtro", kColonnaFiltro, kGruppoColonneFiltro},
    {"Sequele", kSequela, kGruppoSequele},
};

// The Quadro dialog without its controls. It works on a copy of the whole Quadro, nested Quadri
// included: the user walks into a member Quadro and back out, edits the Quadro shown (name,
// switch, preset or own accepted counts, relation, comment, members) and "OK" puts the copy in
// place of the Quadro when anything changed. With Preset on, the accepted counts follow the
// relation and the number of members after every change.
class TModelloQuadro {
  public:
    static constexpr int kLunghezzaNome = 19;

    TModelloQuadro();
    ~TModelloQuadro();

    // The "Stato :" switch and the editor "PtAccettate" of the Quadro shown.
    TModelloCondizione Livello;

    void ImpostaOggetto(TCondQuadro* q);
    TCondQuadro* Oggetto() const { return oggetto_; }
    // The copy being edited and, inside it, the Quadro shown.
    TCondQuadro& Radice() const { return *radice_; }
    TCondQuadro& Mostrato() const;
    // Places (0-based) of the nested Quadri from the top one down to the one shown.
    const std::vector<int>& Percorso() const { return percorso_; }
    // "Quadro \ Sub Quadro": the names from the top one to the one shown.
    std::string TestoPercorso() const;

    const std::string& Nome() const { return Mostrato().Nome; }
    void ImpostaNome(const std::string& nome);  // cut to 19 characters
    bool Preset() const { return Mostrato().Preset; }
    void ImpostaPreset(bool preset);
    int Relazione() const { return Mostrato().Relazione; }
    void ImpostaRelazione(int relazione);
    const std::vector<std::string>& Commento() const { return Mostrato().Commento; }
    void ImpostaCommento(std::vector<std::string> righe);

    int Quanti() const { return Mostrato().QuantiMembri(); }
    TCondizione* Membro(int i) const { return Mostrato().Membro(i); }
    // The members selected in the panel (0-based places); the others are deselected.
    void ImpostaSelezione(const std::vector<int>& indici);
    int QuantiSelezionati() const;
    bool PuoIncollare() const { return !appunti_.Vuoto(); }

    // The pop-up menu, at a 0-based place (after the last member when it lies beyond):
    // a new member of a kind (kQuadro: a "Sub Quadro"), the clipboard, condition files.
    TEsito Nuova(std::uint8_t tipo, int posto);
    int Taglia();
    int Copia();
    TEsito Incolla(int posto);
    int Elimina();
    TEsito SalvaCondizioni(const std::filesystem::path& percorso) const;
    // A file that fails part-way inserts nothing.
    TEsito CaricaCondizioni(const std::filesystem::path& percorso, int posto);

    // Members added to the Quadro shown by another window (the filter columns taken from the
    // archive); the preset follows them. Returns what `aggiungi` returns.
    int AggiungiMembri(const std::function<int(TCondQuadro&)>& aggiungi);

    TEsito SalvaQuadro(const std::filesystem::path& percorso);
    // Replaces the Quadro shown; a failed load leaves it as it was.
    TEsito CaricaQuadro(const std::filesystem::path& percorso);
    // Replacing or emptying the Quadro shown loses its members: the user confirms first.
    bool SvuotaDaConfermare() const { return Quanti() > 0; }
    // "Azzera ": the Quadro shown as new, its name kept.
    void Azzera();

    bool EQuadro(int i) const;
    // Into a member Quadro / back to the enclosing one / to any Quadro of the tree.
    bool Entra(int i);
    bool PuoUscire() const { return !percorso_.empty(); }
    bool Esci();
    bool VaiA(const std::vector<int>& percorso);

    // "OK": the Quadro shown takes its editor and switch, then the copy replaces the Quadro
    // when it differs from it. Returns whether the Quadro changed.
    bool Applica();
    // A copy of the whole Quadro as the dialog has it, the Quadro shown with its editor and
    // switch as they stand; the working copy left alone. Null without a Quadro.
    std::unique_ptr<TCondizione> CopiaIntera() const;

  private:
    // The editor and the switch into the Quadro shown, and back.
    void Prendi();
    void Mostra();
    void DopoMembri();

    TCondQuadro* oggetto_ = nullptr;
    std::unique_ptr<TCondQuadro> radice_;
    std::vector<int> percorso_;
    TAppuntiQuadro appunti_;
    std::vector<std::uint8_t> originale_;
};

// One box of the tree of Quadri: a member drawn one level to the right of its Quadro, in the
// order of a walk from the top Quadro.
struct TNodoAlbero {
    std::string Nome;
    int Livello = 0;  // 0 for the top Quadro
    int Padre = -1;   // index of the enclosing Quadro's box
    bool Quadro = false;
    bool Evidenziato = false;  // the Quadro being edited
    bool Attivato = true;
    TCondizione* Condizione = nullptr;
    std::vector<int> Percorso;  // places from the top Quadro
};
// The tree from a Quadro, one box per member of every Quadro, row by row.
std::vector<TNodoAlbero> AlberoQuadri(TCondQuadro& radice, const TCondQuadro* evidenziato);

}  // namespace sirvela
