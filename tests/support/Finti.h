#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/Interfacce.h"
#include "development/QuadroSviluppo.h"

namespace sirvela::test {

// Keeps the last content of the "Sviluppo" window a run showed.
struct TUltimoQuadro : ISviluppoOsservatore {
    TQuadroSviluppo q;
    void Aggiorna(const TQuadroSviluppo& x, unsigned) override { q = x; }
};

// A message box answered from a queue; remembers what it was asked.
class TMessaggiFinti : public IMessaggi {
  public:
    struct Domanda {
        std::string Titolo, Testo;
        int Pulsanti = 0;
    };
    std::deque<int> Risposte;  // when empty, the box is closed (0)
    std::vector<Domanda> Domande;
    std::vector<std::string> Errori;

    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override {
        Domande.push_back({titolo, testo, pulsanti});
        if (Risposte.empty()) return 0;
        int r = Risposte.front();
        Risposte.pop_front();
        return r;
    }
    void Errore(const std::string& testo) override { Errori.push_back(testo); }
};

// File dialogs answered from a queue (an empty optional = cancelled).
class TSceltaFileFinta : public ISceltaFile {
  public:
    std::deque<std::optional<std::string>> Risposte;
    std::vector<TRichiestaFile> Richieste;

    std::optional<std::string> Apri(const TRichiestaFile& r) override { return Rispondi(r); }
    std::optional<std::string> Salva(const TRichiestaFile& r) override { return Rispondi(r); }

  private:
    std::optional<std::string> Rispondi(const TRichiestaFile& r) {
        Richieste.push_back(r);
        if (Risposte.empty()) return std::nullopt;
        auto v = Risposte.front();
        Risposte.pop_front();
        return v;
    }
};

}  // namespace sirvela::test
