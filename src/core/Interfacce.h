#pragma once
#include <atomic>
#include <optional>
#include <string>

namespace sirvela {

// Buttons of the program's message box, summed into a set; the box returns the one pressed
// (0 when it was closed otherwise).
enum Pulsante : int { PulsanteOk = 1, PulsanteSi = 2, PulsanteNo = 4, PulsanteAnnulla = 8 };

// The program's message box as the engine and the dialogs reach it; tests answer it from a
// queue, the desktop program shows a window, the command line prints.
class IMessaggi {
  public:
    virtual ~IMessaggi() = default;
    // "Informazione"/"Conferma" box with the given buttons; returns the button pressed.
    virtual int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) = 0;
    // The plain error box with the text alone.
    virtual void Errore(const std::string& testo) = 0;
};

struct TRichiestaFile {
    std::string Titolo;
    std::string Filtro;         // description, then the patterns: "Sistemi    *.Sst|*.Sst"
    std::string Estensione;     // default extension without the dot
    std::string Cartella;       // initial folder
    std::string Nome;           // initial file name
    bool DeveEsistere = false;  // open dialogs: the file must exist
};

// Open and save dialogs; an empty result means the user cancelled.
class ISceltaFile {
  public:
    virtual ~ISceltaFile() = default;
    virtual std::optional<std::string> Apri(const TRichiestaFile& r) = 0;
    virtual std::optional<std::string> Salva(const TRichiestaFile& r) = 0;
};

// A cancel request ("Annulla" pressed, Ctrl-C): set from anywhere, polled by long loops only
// at the points where the program looks for it.
class TAnnullamento {
  public:
    bool Richiesto() const { return richiesto_.load(std::memory_order_relaxed); }
    void Richiedi() { richiesto_.store(true, std::memory_order_relaxed); }
    void Azzera() { richiesto_.store(false, std::memory_order_relaxed); }

  private:
    std::atomic<bool> richiesto_{false};
};

}  // namespace sirvela
