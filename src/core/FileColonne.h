#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/PilotiInGioco.h"

namespace sirvela {

class TListaColonne;

// What makes a column file usable: a size that is a multiple of 8 and records of eight
// different pilots in play, or all zero where the reader allows empty columns (the ticket
// prints keep an empty column's half of the ticket blank). The records are checked block by
// block as they are read, so a file is read once.
class TControlloColonne {
  public:
    explicit TControlloColonne(const TPilotiInGioco& piloti, bool vuoteAmmesse = false)
        : piloti_(piloti), vuoteAmmesse_(vuoteAmmesse) {}

    const TPilotiInGioco& Piloti() const { return piloti_; }
    bool Valida(const TColonna& c) const {
        return piloti_.ColonnaGiocabile(c) || (vuoteAmmesse_ && ComeParola(c) == 0);
    }
    // The first of the n records that is not valid, or n.
    std::size_t PrimoNonValido(const TColonna* p, std::size_t n) const {
        for (std::size_t i = 0; i < n; ++i)
            if (!Valida(p[i])) return i;
        return n;
    }
    // Why a record is not valid ("il pilota 24 in 8º posizione non è in gioco", "colonna
    // vuota"); empty for a valid one.
    std::string Difetto(const TColonna& c) const;

  private:
    TPilotiInGioco piloti_;
    bool vuoteAmmesse_;
};

// Why a checked reading of a column list stopped.
struct TDifettoLettura {
    std::int64_t Record = -1;  // the first bad record (from 0), or -1
    TColonna Colonna{};        // that record
    bool Memoria = false;      // memory ran out
};

// "Il file X non è un file di colonne valido (record N: motivo)." with N from 1.
std::string MessaggioColonneNonValide(const std::filesystem::path& file, std::int64_t record,
                                      const std::string& motivo);
// The message for a size that is not a multiple of 8; empty when it is.
std::string ControllaDimensioneColonne(const std::filesystem::path& file, std::uint64_t dimensione);
// "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di X: motivo."
std::string MessaggioLetturaColonne(const std::filesystem::path& file, const std::string& motivo);

// Reads a whole column file into `lista`, checking it in the same pass. On failure the list is
// empty and the message names the file and the reason; empty message on success. A file that
// cannot be read is told with `testo` (MessaggioLetturaColonne when empty) then the file and
// the reason.
std::string CaricaFileColonne(TListaColonne& lista, const std::filesystem::path& percorso,
                              const TControlloColonne& controllo, const std::string& testo = {});

}  // namespace sirvela
