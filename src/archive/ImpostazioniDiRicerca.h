#pragma once
#include <string>
#include <vector>

#include "archive/TArchivio.h"

namespace sirvela {

// What the "Impostazioni di Ricerca" dialog computes, without its controls: the two lists of
// contests, the start/end choice kept in order, the texts and the bar over the track.
class TImpostazioniDiRicerca {
  public:
    static constexpr int kLarghezzaTraccia = 213;

    // Starts from the archive's selection; an ordinal beyond the archive is brought inside
    // and Al = -1 stands for the last contest.
    explicit TImpostazioniDiRicerca(const TArchivio& archivio);

    bool Tutte = true;
    bool IntervalloAbilitato() const { return !Tutte; }

    // "Nº" number " " year for every archived contest, in archive order.
    std::vector<std::string> Voci() const;
    // "Anno " and the year of the last contest; empty for an empty archive.
    std::string AnnoFinale() const;

    int Inizio() const { return inizio_; }  // list index, -1 when the archive is empty
    int Fine() const { return fine_; }
    // A start after the end moves onto the end, an end before the start onto the start.
    void ScegliInizio(int indice);
    void ScegliFine(int indice);

    // "Anno " year "     Concorso Nº " number of the start and of the end.
    std::string TestoInizio() const;
    std::string TestoFine() const;
    int Lunghezza() const;  // contests in the interval
    int SinistraBarra() const;
    int LarghezzaBarra() const;

    // Tutte, Dal = start + 1, Al = end + 1. An empty archive keeps Dal and Al.
    void Conferma(TClasseDiEstrazioni& selezione) const;

  private:
    int Limita(int indice) const;
    std::string Testo(int indice) const;

    const TArchivio& archivio_;
    int inizio_ = -1;
    int fine_ = -1;
};

}  // namespace sirvela
