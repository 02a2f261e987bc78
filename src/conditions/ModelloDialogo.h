#pragma once
#include <memory>
#include <vector>

#include "conditions/EditoriValori.h"

namespace sirvela {

class TCondizione;
class TCondGruppo;
class TCondDistanzeSpecifiche;
class TCondResti;

// What every condition dialog does with its object, without the controls.
//
// The dialog links one editor to each category of the condition, by the category's place in
// TCondizione::Categorie(): a value-table editor for a TValoriAmmessi, an interval grid for a
// TIntervalliAmmessi. AggiornaForm copies the object into the editors and the "Stato :"
// switch; AcquisisceForm copies back only the editors that were changed, takes Attivato from
// the switch and recomputes Attivo.
class TModelloCondizione {
  public:
    void ImpostaOggetto(TCondizione* c) { oggetto_ = c; }
    TCondizione* Oggetto() const { return oggetto_; }
    void Collega(int categoria, TModelloGraphpt* editor);
    void Collega(int categoria, TModelloIntervalli* griglia);

    // Object into the editors and the switch; nothing counts as changed afterwards.
    void AggiornaForm();
    // "Azzera ": every editor emptied and the switch on; the object changes only on "OK".
    void Azzera();
    bool Attivato() const { return attivato_; }
    // A click on "Attivato"/"Disattivato" marks the dialog changed, even on the option shown.
    void ClicAttivato(bool attivato);
    // The switch was clicked or an editor changed.
    bool Cambiato() const;

    // The check of the changed interval grids, in category order.
    TErroreGriglia Verifica() const;
    // After a passing check: the changed editors and the switch into the object, Attivo
    // recomputed. Returns whether anything changed; on a failing check copies nothing.
    bool AcquisisceForm(TErroreGriglia* errore = nullptr);
    // A copy of the object with the editors and the switch as they stand, the object left
    // alone (the statistics windows analyse what the dialog shows before "OK"). A grid that
    // fails its check gives the object's own list. Null without an object.
    std::unique_ptr<TCondizione> CopiaCorrente() const;

  private:
    struct TLegame {
        int Categoria = 0;
        TModelloGraphpt* Editor = nullptr;
        TModelloIntervalli* Griglia = nullptr;
    };
    TCondizione* oggetto_ = nullptr;
    std::vector<TLegame> legami_;
    bool attivato_ = true;
    bool clic_ = false;
};

// The fields of a container's member beyond its categories, as a dialog edits them (the
// pattern of a Sequela, the filter of a Colonna Filtro): loaded when a member is shown, taken
// back and checked when the dialog leaves it, so a member is never left half set.
class IModelloMembro {
  public:
    virtual ~IModelloMembro() = default;
    virtual void Carica(const TCondizione& membro) = 0;
    // The fields into the member; on a fault nothing counts and the member stays shown.
    virtual TErroreGriglia Acquisisci(TCondizione& membro) = 0;
    // Something was edited since the member was loaded.
    virtual bool Cambiato() const = 0;
};

// The dialog of a container of one member kind ("Gruppo Resti", "Gr. Dist. Specifiche", ...):
// one member shown at a time with the navigation first/previous/next/last, "AggiungiBtn",
// "EliminaBtn", the member's own "Stato " switch beside the container's "Stato generale :".
// It works on copies of the members; "OK" puts them into the container, "Annulla" leaves the
// container as it was.
class TModelloGruppo {
  public:
    TModelloGruppo();
    ~TModelloGruppo();
    // The model of the members' further fields, when the kind has any (set before the object).
    void ImpostaModelloMembro(IModelloMembro* m) { membro_ = m; }
    // Takes copies of the container's members and shows the first one.
    void ImpostaOggetto(TCondGruppo* gruppo);
    TCondGruppo* Oggetto() const { return gruppo_; }

    // The editors and the "Stato " switch of the member shown (linked by the dialog).
    TModelloCondizione Membro;

    int Quanti() const { return static_cast<int>(copie_.size()); }
    int Indice() const { return indice_; }  // 0-based, -1 when there is no member
    TCondizione* Mostrato() const;          // the copy shown, null when none
    // A member with its kind's defaults, what the controls show while there is no member.
    TCondizione* Vuoto() const { return vuoto_.get(); }

    // "Stato generale :" of the container.
    bool Attivato() const { return attivato_; }
    void ClicAttivato(bool attivato);

    bool PuoIndietro() const { return indice_ > 0; }
    bool PuoAvanti() const { return indice_ + 1 < Quanti(); }
    bool PuoEliminare() const { return indice_ >= 0; }

    // Leaving a member takes its editors into its copy first; a failing check stays.
    TErroreGriglia Vai(int indice);
    TErroreGriglia Primo() { return Vai(0); }
    TErroreGriglia Precedente() { return Vai(indice_ - 1); }
    TErroreGriglia Successivo() { return Vai(indice_ + 1); }
    TErroreGriglia Ultimo() { return Vai(Quanti() - 1); }
    // A new member with its kind's defaults after the last one, then shown.
    TErroreGriglia Aggiungi();
    // Deletes the member shown; the one after it (or the new last) is shown.
    void Elimina();
    // A field of the member shown beyond its categories was edited.
    void ParametroCambiato() { cambiato_ = true; }

    // "Azzera ": the member's editors emptied, both switches on.
    void Azzera();
    bool Cambiato() const;
    // "OK": the member shown is taken in, then, when anything changed, the copies become the
    // container's members and its switch and state are set. Returns whether it changed.
    bool Applica(TErroreGriglia* errore = nullptr);
    // A copy of the member shown with its editors and further fields as they stand, the
    // member left alone; fields that fail their check stay as the member has them. Null
    // without a member.
    std::unique_ptr<TCondizione> CopiaCorrente() const;
    // A copy of the container as the dialog has it: its members as edited so far (the one
    // shown as CopiaCorrente gives it) and its switch. Null without a container.
    std::unique_ptr<TCondizione> CopiaIntera() const;

  private:
    void Mostra(int indice);
    // The member shown takes its editors and further fields; a fault keeps it shown.
    TErroreGriglia Lascia();
    std::unique_ptr<TCondizione> CreaMembro() const;

    TCondGruppo* gruppo_ = nullptr;
    IModelloMembro* membro_ = nullptr;
    std::vector<std::unique_ptr<TCondizione>> copie_;
    std::unique_ptr<TCondizione> vuoto_;
    int indice_ = -1;
    bool attivato_ = true;
    bool cambiato_ = false;
};

inline constexpr const char* kNessunIntervallo = "Non è stato impostato alcun intervallo";
// The analyses of Somme need some interval, and the column analysis of a Punti Tra group needs
// an interval of the group chosen: without one there are no rows to count in.
bool SenzaIntervalli(const TCondizione& c, bool analisiColonne);

// "Divisione per " of a Resti member, kept within 2..99.
void ImpostaDivisore(TCondResti& r, int divisore);
// The two positions of a Distanze Specifiche member stay in 1..8 with the second above the
// first: a second not above the first becomes the first + 1; a first not below the second
// becomes the second - 1.
void ImpostaPrimaPosizione(TCondDistanzeSpecifiche& d, int posizione);
void ImpostaSecondaPosizione(TCondDistanzeSpecifiche& d, int posizione);

}  // namespace sirvela
