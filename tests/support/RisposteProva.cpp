#include "support/RisposteProva.h"

namespace sirvela::test {

int TMessaggiProva::Mostra(const std::string& titolo, const std::string& testo, int pulsanti) {
    Domande.push_back({titolo, testo, pulsanti});
    testi_.push_back(testo);
    if (Risposte.empty()) return 0;
    const int r = Risposte.front();
    Risposte.pop_front();
    return r;
}

void TMessaggiProva::Errore(const std::string& testo) {
    Errori.push_back(testo);
    testi_.push_back(testo);
}

std::optional<std::string> TSceltaFileProva::Prossima() {
    if (Risposte.empty()) return std::nullopt;
    auto r = Risposte.front();
    Risposte.pop_front();
    return r;
}

std::optional<std::string> TSceltaFileProva::Apri(const TRichiestaFile& r) {
    Aperture.push_back(r);
    return Prossima();
}

std::optional<std::string> TSceltaFileProva::Salva(const TRichiestaFile& r) {
    Salvataggi.push_back(r);
    return Prossima();
}

}  // namespace sirvela::test
