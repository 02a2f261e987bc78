#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/PilotiInGioco.h"
#include "tools/Progresso.h"

namespace sirvela {

class TAnnullamento;

enum class TOperazione { Or, And, Xor, Copertura, Disordinatore };

// Captions of the operations in the window's choice, in order.
inline constexpr std::array<const char*, 5> kNomiOperazioni = {
    " OR", " AND", " XOR", " Copertura a Garanzia", " Disordinatore"};

inline constexpr const char* kMsgOperazioniImpossibili =
    "Impossibile effettuare le operazioni sui Files";
inline constexpr const char* kMsgColonneOttenute = "Colonne Ottenute : ";
inline constexpr const char* kMsgColonneScoperte = "Colonne Scoperte : ";
inline constexpr const char* kMsgNessunFile = "0  Nessun File Creato";
inline constexpr const char* kMsgElaborazioneTerminata = "Elaborazione Terminata.";

// Captions of the two input fields for an operation; the reordering takes one file only.
struct TDidascalieOperazione {
    std::string Primo;
    std::string Secondo;
    bool SecondoVisibile = true;
};
TDidascalieOperazione DidascalieOperazione(TOperazione op);

struct TEsitoOperazione {
    bool Errore = false;
    bool Interrotta = false;
    std::string Messaggio;  // what to show (a failure names its file); empty after an interruption
    std::int64_t Colonne = 0;  // columns of the result
    bool FileScritto = false;
};

// The operations between column files: union, intersection, symmetric difference, the
// columns of the second file the first does not cover at a guarantee score, and a random
// reordering of the first file. The open system is never touched.
class TOperazioniFile {
  public:
    static constexpr int kGaranziaMinima = 30;
    static constexpr int kGaranziaMassima = 92;

    std::string Source1;                  // "Primo file"
    std::string Source2;                  // "Secondo file"
    std::string Dest = "FileOutput.Scl";  // output file
    TOperazione Operazione = TOperazione::Or;
    int SpinPtMin = 80;  // guarantee of the coverage, kept within 30..92
    // What the files may hold: each is refused at its first record that is not eight
    // different pilots in play, and nothing is written.
    TPilotiInGioco Piloti;
    // Uniform draw in 0..limite for the reordering; when empty, a generator seeded from the
    // clock at each run.
    std::function<std::uint64_t(std::uint64_t limite)> Casuale;

    // Names completed with the column-file rule (column folder, extension "Scl").
    std::string PercorsoPrimo() const;
    std::string PercorsoSecondo() const;
    std::string PercorsoDestinazione() const;

    // Progress moves every 20 columns of the second file, where a cancel request is also
    // looked at. A cancelled run writes nothing and puts the progress back to 0.
    TEsitoOperazione Esegui(IProgressoStrumenti* progresso = nullptr,
                            const TAnnullamento* annulla = nullptr) const;
};

}  // namespace sirvela
