#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "archive/T_FrequenzeRitardi.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"
#include "core/TCombinazione.h"

namespace sirvela {

class TDatiSistema;
class TEsameTraLink;
class TLimitePrefisso;
class TLettore;
class TScrittore;
class TCondizione;
class TmmPrinter;
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

// The most conditions a system holds, the members of containers and Quadri included: enough
// for thirty Quadri of 999 filter columns, while the system stays within some 200 MB.
inline constexpr std::int64_t kMassimoCondizioni = 30000;
inline constexpr const char* kMotivoTroppeCondizioni =
    "il sistema supererebbe il limite di 30.000 condizioni, membri compresi";
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

// What one field of a record holds.
struct TCampoCategoria {
    int Indice;  // into Categorie()
};
struct TCampoMembri {
    std::vector<std::unique_ptr<TCondizione>>* Lista;
    std::uint8_t Tipo;  // the one kind held; 0 = any kind a Quadro may hold
    int Limite;         // most members a file may hold
};
struct TCampoGruppi {
    std::vector<TIntervalliAmmessi>* Liste;
    std::int32_t* Quante;  // how many lists the file held
};
using TDatoCampo =
    std::variant<bool*, std::uint8_t*, std::int32_t*, TColonna*, TCombinazione*, std::string*,
                 std::vector<std::string>*, TCampoCategoria, TCampoMembri, TCampoGruppi>;

// The overload set std::visit takes over a field's data.
template <class... F>
struct TVisitaCampo : F... {
    using F::operator()...;
};

// One field of a kind's record, in file order. The file, the JSON form and the dialogs all
// read the record through these fields. How each is stored:
// - bool: one byte; uint8: one byte; int32: four bytes; TColonna: eight bytes;
// - TCombinazione: its 202 bytes; std::string: a short string (length byte, 255 bytes);
// - lines of text: each line's length (int32) and its bytes, then the length -1;
// - a category: its accepted values; members: each member's whole record, then the end byte;
// - interval lists: how many are stored (int32, up to the last one holding intervals), then
//   those lists.
struct TCampoRecord {
    std::string Nome;
    TDatoCampo Dato;
    bool ScrittoAZero = false;  // read and kept, but always written as 0
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

// Base of every condition kind. Kinds register their record at construction, field by field
// (pointers to their own members, categories among them), so the framework can walk them
// generically: the record itself, its JSON form, state, link and Punti Tra examinations,
// statistics, copies. Conditions are not copyable: Clona copies the settings.
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
    // The whole record, type byte first, field by field.
    virtual bool Salva(TScrittore& s) const;
    // The record after its type byte. Member lists and interval lists are emptied first; a
    // short read stops at that field, the fields before it keep what was read.
    virtual bool Carica(TLettore& l);
    // Settings that follow from the record, worked out after every reading.
    virtual void DopoLettura() {}
    virtual void AggiornaStato();
    // Reports every table or interval list in use with recovery entries on this letter.
    virtual void RaccogliLink(char lettera, TEsameTraLink& esame);
    // Reports every table in use assigned to this Punti Tra group.
    virtual void RaccogliGruppoTra(int gruppo, TEsameTraLink& esame);

    // The bound of the test on partial columns, from the settings as they are now (derived
    // states up to date); null when the kind cannot bound a partial column.
    virtual std::unique_ptr<TLimitePrefisso> LimitePrefisso() const;
    // Whether testing a column may register a recovery error: some table or interval list in
    // use holds a recovery value (members in play included). Derived states up to date.
    virtual bool PuoRegistrare() const;

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

    // Prints the settings block from (x, y) down: the name, the kind's parameters, each table
    // or interval list in use with its accepted and recovery values, the members in play.
    // y comes back below the block.
    void Stampa(TmmPrinter& p, double& y, double x = 10) const;

    // A new condition of the same kind with the same settings (through its record).
    std::unique_ptr<TCondizione> Clona() const;
    // Takes the settings of a condition of the same kind (through its record); false, and
    // nothing taken, for another kind or a record that does not read back.
    bool CopiaImpostazioni(const TCondizione& altra);

    const std::vector<TCategoria>& Categorie() const { return categorie_; }
    const std::vector<TCampoRecord>& Campi() const { return campi_; }

    // Shortcuts to the system the condition belongs to (null-safe).
    bool TraAttivo() const;
    bool RaccoltaErrori() const;
    void AggiungiErrore(TCondizione* c, std::int32_t indice) const;

  protected:
    // The record is described in file order: each call appends one field. A category also
    // joins Categorie(); one given a field name of its own is shown apart from the others.
    void RegistraCategoria(std::string nome, TValoriAmmessi* valori, std::string campo = {});
    void RegistraCategoria(std::string nome, TIntervalliAmmessi* intervalli);
    void RegistraCampo(std::string nome, TDatoCampo dato, bool scrittoAZero = false);
    void RegistraAttivato() { RegistraCampo("Attivato", &Attivato); }
    // Interval lists numbered from 1, each a category named `prefisso` and its number.
    void RegistraGruppi(std::string nome, const std::string& prefisso,
                        std::vector<TIntervalliAmmessi>* liste, std::int32_t* quante);

  private:
    std::vector<TCategoria> categorie_;
    std::vector<TCampoRecord> campi_;
};

// The conditions in a condition: itself and every member below it.
std::int64_t ContaCondizioni(const TCondizione& c);

// While it lives, the readings of conditions on this thread count every member they make;
// one that would take a system past kMassimoCondizioni fails, `gia` being in it already.
class TLimiteLettura {
  public:
    explicit TLimiteLettura(std::int64_t gia);
    ~TLimiteLettura();
    TLimiteLettura(const TLimiteLettura&) = delete;
    TLimiteLettura& operator=(const TLimiteLettura&) = delete;
    // A reading failed at the limit.
    bool Superato() const { return superato_; }
    // One more member: false past the limit.
    static bool Conta();

  private:
    std::int64_t conta_;
    bool superato_ = false;
    TLimiteLettura* prima_;
};

}  // namespace sirvela
