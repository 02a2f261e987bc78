#pragma once
#include <cstdint>

#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"
#include "core/TCombinazione.h"

namespace sirvela {

class TDatiSistema;

// Ripetizioni (9): agreement with the last two results of the archive list. A category whose
// result does not exist gives kNessunValore, which no table accepts.
class TCondRipetizioni : public TCondizione {
  public:
    static constexpr int kNessunValore = -1;

    explicit TCondRipetizioni(TDatiSistema* proprietario);

    TValoriAmmessi UnaPrecedente;  // "Su una Colonna Precedente", Massimo 8
    TValoriAmmessi DuePrecedenti;  // "Su due Colonne Precedenti", Massimo 8
    // Opzione: 0 = " Numeriche", 1 = " Pari Dispari"

    // Agreements and longest run of a column with one result under the option.
    static TCoincidenze Confronta(const TColonna& c, const TColonna& risultato, bool pariDispari);
    // The values as if the archive list ended before index `fine` (so the results compared are
    // those at fine - 1 and fine - 2); CalcolaValori uses the whole list.
    void CalcolaValoriFinoA(const TColonna& c, int fine, TValoriColonna& valori) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
    // An archived contest is compared with the two contests before it in the list.
    void CalcolaValoriEstrazione(int indice, TValoriColonna& valori) const override;
    void ValoriStatisticiEstrazione(int indice, TValoriColonna& valori) override {
        CalcolaValoriEstrazione(indice, valori);
    }
    // The archive walk does not count a contest without the results before it.
    bool ContaEstrazioniSenzaValore() const override { return false; }

  private:
    const TColonna* Risultato(int indice) const;
};

// Colonna Filtro (37): agreement with a filter column ("di Posizione") or presence of a list
// of pilots ("a Girare").
class TCondColonnaFiltro : public TCondizione {
  public:
    explicit TCondColonnaFiltro(TDatiSistema* proprietario);

    TValoriAmmessi Numeri;  // Massimo 8, secondary: longest run
    TColonna ColonnaFiltro{};
    TCombinazione PilotiFiltro;
    std::int32_t Confronto = 1;  // 0 = "di Posizione", 1 = "a Girare"

    TCoincidenze Calcola(const TColonna& c) const;

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
};

// Sequele (38): occurrences of even/odd patterns along the column.
class TCondSequela : public TCondizione {
  public:
    static constexpr int kNessunValore = -1;

    explicit TCondSequela(TDatiSistema* proprietario);

    TValoriAmmessi Presenze;       // Massimo 7; no secondary for TipoSequela 5
    std::int32_t TipoSequela = 1;  // 1 "P", 2 "M", 3 "B", 4 "J", 5 "S"
    TColonna Sequela{};            // type 1: 1 even, 2 odd per step, 0 after its end
    std::int32_t Lunghezza = 0;    // 2..8
    std::int32_t PassoTrovata = 1;
    std::int32_t PassoNonTrovata = 1;

    // False when the settings cannot be evaluated (length outside 2..8, a step below 1, an
    // unknown type): the member then accepts every column.
    bool Valutabile() const;
    // Occurrences and their longest run; kNessunValore for both when not Valutabile.
    TCoincidenze Calcola(const TColonna& c) const;
    // The dialog's "OK": no secondary value for mirror pairs.
    void ImpostaSecondaria() { Presenze.SecondariaAbilitata = TipoSequela != 5; }
    void DopoLettura() override { ImpostaSecondaria(); }

    bool Valuta(const TColonna& c) override;
    void CalcolaValori(const TColonna& c, TValoriColonna& valori) const override;
    // Settings that cannot be evaluated take every column.
    bool AccettaStatistica(int categoria, const TValoriColonna& valori) const override;
};

}  // namespace sirvela
