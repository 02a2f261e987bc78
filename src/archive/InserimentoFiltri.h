#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "core/Colonna.h"
#include "core/PilotiInGioco.h"
#include "core/TCombinazione.h"

namespace sirvela {

class TArchivio;
class TCondQuadro;

inline constexpr const char* kErroreLetturaFileColonnare =
    "Errore durante la lettura del file colonnare";

// "Tipo di Confronto" of the filters made from archived results.
enum class TTipoConfronto { DiPosizione, AGirare };

// One filter column to add to a quadro: what the filter-column condition gets besides the
// points. Either the eight positions as they are (Confronto 0) or the pilots as a number list
// (Confronto 1, or the kind's default when Confronto is empty).
struct TFiltroQuadro {
    bool DiPosizione = false;
    TColonna ColonnaFiltro{};
    TCombinazione PilotiFiltro;
    std::optional<std::int32_t> Confronto;
};

// The start/end ordinals of the "Archivio" source: both 1..archive size, starting at the
// archive size, kept with start <= end (the one moved past the other stops on it).
class TIntervalloArchivio {
  public:
    explicit TIntervalloArchivio(int quante);
    int Inizio() const { return inizio_; }
    int Fine() const { return fine_; }
    void ImpostaInizio(int ordinale);
    void ImpostaFine(int ordinale);

  private:
    int quante_;
    int inizio_;
    int fine_;
};

inline constexpr std::size_t kSenzaLimite = std::numeric_limits<std::size_t>::max();

// Filters from the archived contests at ordinals inizio..fine (kept within the archive) whose
// eight positions are all given, in archive order, at most `limite` of them (the room left in
// the quadro).
std::vector<TFiltroQuadro> FiltriDaArchivio(const TArchivio& archivio, int inizio, int fine,
                                            TTipoConfronto tipo, std::size_t limite = kSenzaLimite);

// Filters from every column of a column file, as number lists with the kind's default
// comparison, at most `limite`. Throws TErroreSirvela naming the file and the reason when it
// cannot be read or holds a record that is not eight different pilots in play.
std::vector<TFiltroQuadro> FiltriDaFile(const std::filesystem::path& file,
                                        const TPilotiInGioco& piloti,
                                        std::size_t limite = kSenzaLimite);

// Adds one Colonne Filtro member per filter while the quadro has room, each accepting the
// given numbers of agreements; returns how many were added.
int AggiungiFiltri(TCondQuadro& q, std::span<const TFiltroQuadro> filtri,
                   const TCombinazione& punti);

// Where the filters come from.
enum class TSorgenteFiltri { Archivio, FileColonnare };

// The choices of "Inserimento Automatico delle Colonne Filtro" and what its OK does.
struct TInserimentoFiltri {
    explicit TInserimentoFiltri(int concorsiInArchivio) : Intervallo(concorsiInArchivio) {}

    TSorgenteFiltri Sorgente = TSorgenteFiltri::Archivio;
    TIntervalloArchivio Intervallo;
    TTipoConfronto Tipo = TTipoConfronto::DiPosizione;
    std::filesystem::path File;
    TCombinazione Punti;  // accepted numbers of agreements of every filter

    // Fills the quadro; returns how many filters were added. Throws TErroreSirvela when the
    // column file cannot be used (the pilots in play are those of the quadro's system).
    int Esegui(TCondQuadro& q, const TArchivio& archivio) const;
};

}  // namespace sirvela
