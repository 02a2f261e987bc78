#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/T_FrequenzeRitardi.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"

namespace sirvela {

class TDatiSistema;
class TEsameTraLink;
class TLettore;
class TScrittore;
class TCondizione;
class IAvanzamentoAnalisi;

// Type codes of the condition kinds.
enum TipoCondizione : std::uint8_t {
    kSomme = 1,
    kPariDispari = 2,
    kBaricentri = 3,
    kDistanzeGlobali = 4,
    kVortici = 5,
    kNumeriConsecutivi = 6,
    kSimmetrie = 7,
    kInterruzioni = 8,
    kRipetizioni = 9,
    kCrescenzeDecrescenze = 10,
    kGruppoDistanzeSpecifiche = 11,
    kGruppoResti = 12,
    kGruppoConsecutivita = 13,
    kGruppoSequele = 14,
    kGruppoColonneFiltro = 15,
    kNumeroSequenze = 16,
    kQuadro = 17,
    kPuntiTra = 18,
    kConsecutivitaDifferenziata = 34,
    kDistanzeSpecifiche = 35,
    kResti = 36,
    kColonnaFiltro = 37,
    kSequela = 38,
};
constexpr std::uint8_t kFineLista = 100;  // ends a member list in a record
inline bool EContenitore(int tipo) {
    return tipo >= 11 && tipo <= 15;
}

// One failure found in error-collecting mode.
struct TErrore {
    TCondizione* Condizione = nullptr;  // may be none
    std::int32_t Indice = 0;            // 1-based place of the member in a Quadro, else 0
    std::int32_t TipoErrore = 2;        // 2 = a condition rejected, 1 = outside the position sets
};

// One category of a kind: exactly one of the two accepted-value objects is set.
struct TCategoria {
    std::string Nome;
    TValoriAmmessi* Valori = nullptr;
    TIntervalliAmmessi* Intervalli = nullptr;
};

// The values a kind computes for a column, one pair per category, without testing anything.
struct TValoriColonna {
    static constexpr int kMassimo = 30;
    struct Coppia {
        std::int32_t Principale = 0;
        std::int32_t Secondario = 0;
    };
    std::array<Coppia, kMassimo> Valori{};
    int Quante = 0;
};

// Base of every condition kind. Kinds register their categories at construction (pointers to
// their own members), so the framework can walk them generically: state, link and Punti Tra
// examinations, statistics, copies. Conditions are not copyable: Clona copies the settings.
class TCondizione {
  public:
    TCondizione(TDatiSistema* proprietario, std::uint8_t tipo, std::string nome);
    virtual ~TCondizione();
    TCondizione(const TCondizione&) = delete;
    TCondizione& operator=(const TCondizione&) = delete;

    bool Attivo = false;          // derived: switched on and some category holds a value
    bool Attivato = true;         // the user's switch
    bool VerificaRapida = false;  // derived: decided by the pre-test (Somme, Pari e Dispari)
    std::uint8_t Opzione = 0;
    std::uint8_t TipoCondizione;
    TDatiSistema* Proprietario;
    std::string Nome;
    std::string Percorso;
    bool Selezionato = false;  // not stored: selected in the Quadro panel

    // Percorso := Nome + "\" + prefix; containers go on to their members.
    virtual void ImpostaPercorso(const std::string& prefisso);
    // The test: true when the column passes.
    virtual bool Valuta(const TColonna& c) = 0;
    // The whole record, type byte first.
    virtual bool Salva(TScrittore& s) const = 0;
    // The record after its type byte.
    virtual bool Carica(TLettore& l) = 0;
    virtual void AggiornaStato();
    // Reports every table or interval list in use with recovery entries on this letter.
    virtual void RaccogliLink(char lettera, TEsameTraLink& esame);
    // Reports every table in use assigned to this Punti Tra group.
    virtual void RaccogliGruppoTra(int gruppo, TEsameTraLink& esame);

    // The values of every category for a column, computed as Valuta computes them, with no
    // side effect. Kinds without such values (containers, Quadro, Punti Tra) report none.
    virtual void CalcolaValori(const TColonna& c, TValoriColonna& valori) const;
    // The values of the archived contest at a list index, as the archive walks see them
    // (default: CalcolaValori on its result).
    virtual void CalcolaValoriEstrazione(int indice, TValoriColonna& valori) const;

    // Statistics holders: per category one over the archive and one over the columns.
    std::vector<T_FrequenzeRitardi> StatArchivio;
    std::vector<T_FrequenzeRitardi> StatColonne;
    // The highest value a category's holders start with (they grow when a value is beyond).
    virtual int MassimoStatistica(int categoria) const;
    // What the statistics count for a column: the values of CalcolaValori, unless a kind
    // counts something else (Somme and restricted Punti Tra groups: the interval rows).
    virtual void ValoriStatistici(const TColonna& c, TValoriColonna& valori);
    // The same for the archived contest at a list index, as the archive walks see it.
    virtual void ValoriStatisticiEstrazione(int indice, TValoriColonna& valori);
    // Whether a category's tables take its statistic values, without registering any link
    // error: an empty table takes everything, an active one a value whose grade is not 0;
    // interval categories count rows, and take the rows of their intervals.
    virtual bool AccettaStatistica(int categoria, const TValoriColonna& valori) const;
    // Runs before every statistics pass, for kinds that look things up once per pass.
    virtual void PreparaStatistiche() {}
    // Both holders of every category initialised empty.
    virtual void AzzeraStatistiche();
    // Every selected contest of the system's archive, in order, into the archive holders,
    // looking for a cancel at the list indices that are multiples of 100. False when
    // cancelled.
    bool AnalisiArchivio(IAvanzamentoAnalisi* avanzamento = nullptr);
    // Whether the archive walk counts a contest whose value is missing (negative) as one where
    // nothing came out; kinds whose value needs earlier contests skip such contests instead.
    virtual bool ContaEstrazioniSenzaValore() const { return true; }
    // Every column of the system's column list into the column holders.
    void AnalisiColonne();
    // One source column: counted in the archive holders, and in the column holders when the
    // condition alone takes it.
    void AnalisiEstrazione(const TColonna& colonna);
    // One column into the column holders.
    void AnalisiColonna(const TColonna& colonna);

    // A new condition of the same kind with the same settings (through its record).
    std::unique_ptr<TCondizione> Clona() const;

    const std::vector<TCategoria>& Categorie() const { return categorie_; }

    // Shortcuts to the system the condition belongs to (null-safe).
    bool TraAttivo() const;
    bool RaccoltaErrori() const;
    void AggiungiErrore(TCondizione* c, std::int32_t indice) const;

  protected:
    void RegistraCategoria(std::string nome, TValoriAmmessi* valori);
    void RegistraCategoria(std::string nome, TIntervalliAmmessi* intervalli);
    // Shared record pieces.
    bool SalvaCategorie(TScrittore& s) const;  // every category record in order
    bool CaricaCategorie(TLettore& l);

  private:
    std::vector<TCategoria> categorie_;
};

}  // namespace sirvela
