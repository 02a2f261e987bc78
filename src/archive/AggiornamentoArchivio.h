#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "archive/TArchivio.h"

namespace sirvela {

class IMessaggi;

inline constexpr const char* kConcorsoGiaPresente = "Il concorso è già presente in memoria.";
inline constexpr const char* kConfermaEliminaConcorso = "Vuoi Eliminare il Concorso In Esame ?";
inline constexpr int kAnnoMinimo = 1871;
inline constexpr int kAnnoMassimo = 2050;

// What the maintenance dialog shows for the current contest; all empty when there is none.
struct TVistaConcorso {
    std::string Numero;
    std::string Anno;
    std::string Posizione;              // ordinal in the archive
    std::array<std::string, 8> Piloti;  // a position without a pilot is empty
};

// The rules of the "Aggiornamento Archivio" dialog. It edits the live archive; OK saves it,
// any other close reloads the file when something changed.
class TAggiornamentoArchivio {
  public:
    TAggiornamentoArchivio(TArchivio& archivio, IMessaggi& messaggi);

    int Indice() const { return indice_; }  // -1 when the archive is empty
    bool Modificato() const { return modificato_; }
    const TEstrazione* Corrente() const;
    TVistaConcorso Vista() const;

    void Primo();
    void Ultimo();
    void Precedente();
    void Successivo();
    // The same contest number a year earlier, or the nearest lower one of that year; the
    // first contest when that year is not archived.
    void AnnoIndietro();
    // The same contest number a year later, or the nearest higher one of that year; the last
    // contest when that year is not archived.
    void AnnoAvanti();

    // Pre-filled contest for "Aggiungi": the last contest's year and its number + 1 (kept
    // within 1..255); an empty archive offers contest 1 of the current year.
    TEstrazione NuovoConcorso() const;
    // Pre-filled contest for "Modifica": the current one.
    TEstrazione ConcorsoCorrente() const;

    // The editor's result, confirmed: inserted in order and made current.
    void Aggiungi(const TEstrazione& e);
    // The current contest is replaced and follows its new place in the order.
    void Modifica(const TEstrazione& e);
    // Asks first; true when a contest was removed.
    bool Elimina();

    // OK: saves the archive; shows the error on failure (the edits stay in memory).
    bool Ok();
    // Annulla or close box: reloads the file when something changed.
    bool Annulla();

  private:
    TArchivio& archivio_;
    IMessaggi& messaggi_;
    int indice_ = -1;
    bool modificato_ = false;
};

// The rules of the "Editazione Concorso" dialog.
class TEditorConcorso {
  public:
    enum class Modo { Aggiunta, Modifica };

    TEditorConcorso(const TArchivio& archivio, IMessaggi& messaggi, Modo modo,
                    const TEstrazione& iniziale);

    TEstrazione Concorso;  // the working contest, the result once confirmed
    bool Confermato = false;

    // OK with the spin values and the numbers the eight boxes gave, in box order (the boxes
    // check them against the pilot count). The spins keep their ranges (1..255, 1871..2050).
    // False when the dialog stays open: a number that does not fit a byte, more than eight
    // numbers, or, when adding, a contest already archived (after the message).
    bool Ok(int numero, int anno, std::span<const int> piloti);
    void Annulla() { Confermato = false; }

  private:
    const TArchivio& archivio_;
    IMessaggi& messaggi_;
    Modo modo_;
};

}  // namespace sirvela
