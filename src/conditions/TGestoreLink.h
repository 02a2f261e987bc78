#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/T_FrequenzeRitardi.h"
#include "conditions/TValoriAmmessi.h"

namespace sirvela {

class TCondizione;
class TDatiSistema;
class TLettore;
class TScrittore;

// One table or interval list found by an examination, with its label.
struct TElemTraLink {
    std::string Etichetta;  // built from the condition's Percorso and the category name
    TCondizione* Condizione = nullptr;
    TValoriAmmessi* Valori = nullptr;
    TTabellaValori* Tabella = nullptr;  // which table of Valori (main or secondary)
    TIntervalliAmmessi* Intervalli = nullptr;
    int Minimo = 0;  // Punti Tra group examination: lowest and highest accepted value
    int Massimo = 0;
};

// The tables and interval lists that use one link letter (or one Punti Tra group).
class TEsameTraLink {
  public:
    std::vector<TElemTraLink> Elementi;
    std::array<bool, 256> LivelliUsati{};
    std::uint32_t SommaLivelli = 0;  // sum of the distinct levels used
    void Svuota();
    // Adds an element and marks the recovery levels it uses.
    void Aggiungi(TElemTraLink elemento);
};

// One link group 'A'..'Z': the errors one column registers at each level.
class TGruppoLink {
  public:
    explicit TGruppoLink(TDatiSistema* proprietario);

    std::array<std::uint32_t, 256> ContaLivelli{};
    T_FrequenzeRitardi StatLivelli;  // refused registrations by level
    T_FrequenzeRitardi StatErrori;   // refused error totals
    TValoriAmmessi ErroriAmmessi;    // Massimo 99, no secondary
    std::uint32_t Errori = 0;
    TEsameTraLink Esame;
    TDatiSistema* Proprietario;
    std::uint32_t Registrazioni = 0;

    // One error of level L: at most L per level and column.
    bool Registra(int livello);
    void Azzera();  // per column: only the levels this column touched

  private:
    friend class TGestoreLink;
    std::array<std::uint8_t, 256> toccati_{};  // levels registered since the last Azzera
    int quantiToccati_ = 0;
    std::uint32_t* sporchi_ = nullptr;  // the manager's mask of groups to reset
    std::uint32_t bit_ = 0;
};

// What a development records in the link groups: refused levels and error totals per letter,
// registrations, refused overall totals.
struct TStatisticheLink {
    std::array<T_FrequenzeRitardi, 26> Livelli;
    std::array<T_FrequenzeRitardi, 26> Errori;
    std::array<std::uint32_t, 26> Registrazioni{};
    T_FrequenzeRitardi Totale;
};

// The 26 link groups and the overall accepted error totals of a system.
class TGestoreLink {
  public:
    explicit TGestoreLink(TDatiSistema* proprietario);
    ~TGestoreLink();

    std::array<std::unique_ptr<TGruppoLink>, 26> Gruppi;  // 'A'..'Z'
    std::string LettereInUso;
    T_FrequenzeRitardi Stat;
    TValoriAmmessi ErroriAmmessiTotali;  // Massimo 99, no secondary
    std::uint32_t ErroriTotali = 0;
    bool Attivo = false;
    std::uint32_t SommaLivelli = 0;
    bool Cambiato = false;  // set by the recovery dialog, cleared by AzzeraStatistiche
    TDatiSistema* Proprietario;

    TGruppoLink* Gruppo(char lettera);  // null outside 'A'..'Z'
    const TGruppoLink* Gruppo(char lettera) const;
    // One error of a level in a letter's group; refused for a letter outside 'A'..'Z'.
    bool RegistraErrore(char lettera, int livello);
    void Esamina();
    void AggiornaStato();
    void Azzera();
    void AzzeraStatistiche();
    // The statistics recorded since they were last cleared, taken out (cleared here); null
    // when nothing was recorded.
    std::unique_ptr<TStatisticheLink> PrendiStatistiche();
    // Adds statistics taken out of another manager (a copy on another thread).
    void SommaStatistiche(const TStatisticheLink& altre);
    // The tables and the examination of another manager (letters in use, their sums), for a
    // copy that counts the errors of columns tested on another thread.
    void CopiaPerFilo(const TGestoreLink& altro);
    bool Verifica();
    // 27 records of 424 bytes: the 26 ErroriAmmessi, then ErroriAmmessiTotali.
    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);
    // The recovery dialog's copy: the 26 tables, the overall table and the changed flag.
    void CopiaDa(const TGestoreLink& altro);
    // The recovery dialog's test of whether the last statistics belong to the settings shown:
    // same letters in use, same levels and sums per letter and overall, at least one letter,
    // and this copy unchanged.
    bool Confronta(const TGestoreLink& originale) const;
    // No error count above `massimo` is accepted by the table (a column cannot collect more).
    static bool EntroMassimo(const TValoriAmmessi& tabella, int massimo);

  private:
    std::array<TGruppoLink*, 26> inUso_{};  // the groups of LettereInUso, in order
    int quanteInUso_ = 0;
    std::uint32_t sporchi_ = 0;  // groups registered into since the last Azzera
};

}  // namespace sirvela
