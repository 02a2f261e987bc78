#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "conditions/TCondGruppo.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Colonna.h"

namespace sirvela {

class TCombinazione;
class TCondColonnaFiltro;
class TDatiSistema;

inline constexpr const char* kNomeQuadro = "Quadro";
inline constexpr const char* kNomeSubQuadro = "Sub Quadro";
inline constexpr const char* kSpazioInsufficiente = "Informazione. Spazio Insufficiente !";
inline constexpr const char* kErroreCaricaQuadro = "Impossibile Caricare Il Quadro";
inline constexpr const char* kErroreSalvaQuadro = "Impossibile Salvare Il Quadro";
inline constexpr const char* kErroreSalvaCondizioni = "Impossibile Salvare le Condizioni";
inline constexpr const char* kErroreCaricaCondizioni = "Impossibile Caricare Le Condizioni";
inline constexpr const char* kConfermaSvuotaQuadro =
    "Questa operazione eliminerà il contenuto attuale del quadro. Confermi ? ";

// Relations between the members of a Quadro.
enum TRelazione : std::uint8_t { kAnd = 0, kOr = 1, kXor = 2, kNot = 3 };
// " AND (Tutte)", " OR (Almeno Una)", " XOR (Soltanto Una)", " NOT (Esclusione)".
const char* TestoRelazione(int relazione);

// Outcome of a Quadro operation that can fail: the text to show when it did.
struct TEsito {
    bool Ok = true;
    std::string Messaggio;
    explicit operator bool() const { return Ok; }
    static TEsito Fallito(std::string messaggio) { return {false, std::move(messaggio)}; }
};

// Quadro (17): a named group of conditions of any kind, nested Quadri included, with the
// number of satisfied members (and their longest run) tested against Accettate.
class TCondQuadro : public TCondContenitore {
  public:
    static constexpr int kMaxMembri = 999;

    explicit TCondQuadro(TDatiSistema* proprietario, std::string nome = kNomeQuadro);

    std::vector<std::string> Commento;
    TValoriAmmessi Accettate;  // Massimo 999: count of satisfied members, longest run
    bool Preset = true;
    std::uint8_t Relazione = kAnd;
    bool InValutazione = false;  // kept with the settings; the test shares the Quadro between
                                 // threads and writes nothing into it

    // Fills Accettate from the relation and the number of members (when Preset is on).
    void ApplicaPreset();
    // Everything back to a new Quadro's state except the name (the dialog's "Azzera ").
    void Svuota();

    // Members are inserted at a 0-based place (after the last member when it lies beyond);
    // refused with kSpazioInsufficiente when they would pass kMaxMembri.
    TEsito Inserisci(int posto, std::vector<std::unique_ptr<TCondizione>> nuovi);
    TEsito Aggiungi(std::unique_ptr<TCondizione> nuovo);
    // Removes the selected members; returns how many.
    int EliminaSelezionati();
    void DeselezionaTutti();

    bool Valuta(const TColonna& c) override;
    std::unique_ptr<TLimitePrefisso> LimitePrefisso() const override;
    void AggiornaStato() override;
    // Statistics: the satisfied members and their longest run, every member looked at (a
    // member not in play counts as satisfied), each column with clean link groups.
    int MassimoStatistica(int categoria) const override;
    void ValoriStatistici(const TColonna& c, TValoriColonna& valori) override;

    // Takes over another Quadro's settings and members (the other is left empty).
    void Prendi(TCondQuadro& altro);

  private:
    void DopoModificaMembri();
};

// The Quadro panel's clipboard: copies of members, pasted as new copies each time.
class TAppuntiQuadro {
  public:
    std::vector<std::unique_ptr<TCondizione>> Contenuto;

    bool Vuoto() const { return Contenuto.empty(); }
    // Copies the selected members; returns how many.
    int Copia(const TCondQuadro& q);
    // Copies the selected members, then removes them from the Quadro.
    int Taglia(TCondQuadro& q);
    // Inserts copies of the clipboard at a 0-based place.
    TEsito Incolla(TCondQuadro& q, int posto) const;
};

// Quadro files (*.QDR): one Quadro record, type byte included. A failed load leaves the
// Quadro as it was. `altre`: the conditions of the system that stay besides the Quadro
// itself; a file that would take the system past kMassimoCondizioni is refused.
std::filesystem::path FileQuadroPredefinito();  // <program folder>/Quadri/SenzaNom.QDR
TEsito SalvaQuadro(const TCondQuadro& q, const std::filesystem::path& percorso);
TEsito CaricaQuadro(TCondQuadro& q, const std::filesystem::path& percorso, std::int64_t altre = 0);

// Condition files (*.CND): the records of the selected members, in member order. Loading
// inserts every record of the file at a 0-based place, or nothing when the file is damaged,
// the Quadro has no room for all of them or the system, holding `gia` conditions, would pass
// kMassimoCondizioni.
TEsito SalvaCondizioni(const TCondQuadro& q, const std::filesystem::path& percorso);
TEsito CaricaCondizioni(TCondQuadro& q, const std::filesystem::path& percorso, int posto,
                        std::int64_t gia = 0);

// Filter columns added to a Quadro from archived results or a column file: "di Posizione"
// takes each column as the filter column, otherwise its pilots become the list compared
// "a Girare". `punti` holds the accepted numbers of agreements of every filter. Members are
// appended while the Quadro has room; returns how many were added.
int InserisciColonneFiltro(TCondQuadro& q, std::span<const TColonna> colonne, bool diPosizione,
                           const TCombinazione& punti);
// A new filter-column member whose table accepts the given numbers of agreements.
std::unique_ptr<TCondColonnaFiltro> NuovaColonnaFiltro(TDatiSistema* proprietario,
                                                       const TCombinazione& punti);

}  // namespace sirvela
