#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace sirvela {

class TDatiSistema;
class TLettore;
class TScrittore;

// One value's grade: Stato 0 = not accepted, 1 = accepted, 2 = accepted in recovery (costing
// one error of level Livello in the table's link group).
struct TVoceValore {
    std::uint8_t Stato = 0;
    std::uint8_t Livello = 0;
    bool operator==(const TVoceValore&) const = default;
};

// The grades of the values 0..1000 of one table, its link letter and its Punti Tra group.
class TTabellaValori {
  public:
    static constexpr int kValori = 1001;

    bool Attiva = false;  // derived: recomputed by AggiornaStato
    char LetteraLink = 'A';
    std::uint16_t GruppoTra = 0;  // 1..30, 0 = none
    std::array<TVoceValore, kValori> Voci{};

    // Some value 0..massimo has a Stato other than 0.
    bool HaValori(int massimo) const;
    // Some value 0..massimo is in recovery (Stato 2).
    bool HaRecuperi(int massimo) const;
    void Azzera();  // every entry 0/0, letter 'A', group 0
    // Attiva, LetteraLink, GruppoTra, then entries 0..massimo + 3 (2 bytes each):
    // 2 * massimo + 12 bytes. Entries beyond the table are written as 0 and skipped on reading.
    bool Salva(TScrittore& s, int massimo) const;
    bool Carica(TLettore& l, int massimo);
    bool operator==(const TTabellaValori&) const = default;
};

// Accepted values of one category whose values are small integers 0..Massimo: the main table
// tested with the main value, the secondary one (when enabled) with the secondary value.
class TValoriAmmessi {
  public:
    TValoriAmmessi(TDatiSistema* proprietario, std::uint16_t massimo, bool secondariaAbilitata);

    bool SecondariaAbilitata;
    std::uint16_t CampoDa = 1;  // `Campo`: a range of positions, used only by Vortici
    std::uint16_t CampoA = 8;
    TTabellaValori Principale;
    TTabellaValori Secondaria;
    bool Attivo = false;  // derived
    std::uint16_t Massimo;
    TDatiSistema* Proprietario;

    // The column test of one category; recovery values register errors in their link group.
    // A value outside 0..Massimo is never accepted. Inline: it runs for every category of
    // every condition tested.
    bool Accetta(int principale, int secondario) const {
        if (!Attivo) return true;
        if (Principale.Attiva && !Verdetto(Principale, principale)) return false;
        if (Secondaria.Attiva && !Verdetto(Secondaria, secondario)) return false;
        return true;
    }
    // Adds the values to the Punti Tra totals of the tables' groups.
    void AggiungiTra(int principale, int secondario) const;
    // Recomputes the Attiva flags and Attivo under the condition's switch.
    void AggiornaStato(bool attivato);
    // Values 9..105 of both tables back to 0/1 (kinds whose editors show 0..8 only).
    void PulisciOltreOtto();
    void Azzera();  // the dialogs' "Azzera ": everything empty, Campo 1..8
    // Principale block, Secondaria block, Campo (from, to).
    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);
    int DimensioneRecord() const { return 2 * (2 * Massimo + 12) + 4; }
    // Copies the user's settings (tables, Campo), not the owner.
    void CopiaDa(const TValoriAmmessi& altra);

    // One error of a level in a letter's link group of the system; false when refused.
    static bool RegistraRecupero(TDatiSistema* proprietario, char lettera, int livello);

  private:
    bool Verdetto(const TTabellaValori& t, int valore) const {
        const auto v = static_cast<unsigned>(valore);
        if (v > Massimo || v >= TTabellaValori::kValori) return false;
        const TVoceValore voce = t.Voci[v];
        if (voce.Stato == 1) return true;
        if (voce.Stato == 2) return RegistraRecupero(Proprietario, t.LetteraLink, voce.Livello);
        return false;
    }
};

struct TIntervallo {
    double Min = 0;
    double Max = 0;
    std::uint16_t Tipo = 0;  // 1 = accepted, 2 = accepted in recovery
    std::int16_t Livello = 0;
    bool operator==(const TIntervallo&) const = default;
};

// "50-90", or "50" when both ends are equal: how an interval reads on the summary sheet and in
// the analyses ("50,90" would read as a decimal in Italian).
std::string TestoIntervallo(const TIntervallo& intervallo);

// Accepted values of a category whose values are sums or totals: up to 43 intervals.
class TIntervalliAmmessi {
  public:
    static constexpr int kIntervalli = 43;
    static constexpr int kDimensioneRecord = 863;

    explicit TIntervalliAmmessi(TDatiSistema* proprietario) : Proprietario(proprietario) {}

    TDatiSistema* Proprietario;
    char LetteraLink = 'A';
    std::uint16_t GruppoTra = 0;  // never stored
    bool Attivo = false;          // derived
    std::array<TIntervallo, kIntervalli> Intervalli{};
    std::int16_t Quanti = 0;

    int Conta() const { return Quanti < 0 ? 0 : (Quanti > kIntervalli ? kIntervalli : Quanti); }
    // The first interval holding the value decides.
    bool Accetta(double valore) const;
    // The statistics row of a value: the first interval holding it, else Conta() ("Altri").
    int Riga(double valore) const {
        const int n = Conta();
        for (int i = 0; i < n; ++i)
            if (Intervalli[static_cast<std::size_t>(i)].Min <= valore &&
                valore <= Intervalli[static_cast<std::size_t>(i)].Max)
                return i;
        return n;
    }
    void AggiornaStato(bool attivato) { Attivo = attivato && Conta() > 0; }
    bool HaRecuperi() const;
    void Azzera();
    bool Salva(TScrittore& s) const;  // 43 x 20 bytes, Quanti, LetteraLink
    bool Carica(TLettore& l);
    void CopiaDa(const TIntervalliAmmessi& altra);
};

}  // namespace sirvela
