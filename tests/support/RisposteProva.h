#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/Interfacce.h"

namespace sirvela::test {

// A message box answered in advance: each Mostra takes the next answer (0, "closed", when
// none is left) and everything shown is recorded.
class TMessaggiProva : public IMessaggi {
  public:
    struct Domanda {
        std::string Titolo, Testo;
        int Pulsanti = 0;
    };
    std::deque<int> Risposte;
    std::vector<Domanda> Domande;
    std::vector<std::string> Errori;

    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override;
    void Errore(const std::string& testo) override;
    // Every text shown, questions and errors, in order.
    std::vector<std::string> Testi() const { return testi_; }

  private:
    std::vector<std::string> testi_;
};

// File dialogs answered in advance: each call takes the next answer (nullopt = cancelled,
// also when none is left) and the requests are recorded.
class TSceltaFileProva : public ISceltaFile {
  public:
    std::deque<std::optional<std::string>> Risposte;
    std::vector<TRichiestaFile> Aperture, Salvataggi;

    std::optional<std::string> Apri(const TRichiestaFile& r) override;
    std::optional<std::string> Salva(const TRichiestaFile& r) override;

  private:
    std::optional<std::string> Prossima();
};

}  // namespace sirvela::test
