#include "development/ImpostazioniSviluppo.h"

#include <algorithm>

#include "core/FlussoBinario.h"
#include "core/Globali.h"

namespace sirvela {

TImpostazioniSviluppo::TImpostazioniSviluppo() {
    Predefiniti();
}

void TImpostazioniSviluppo::Predefiniti() {
    UsaCondizioni = true;
    Autoriduzione = false;
    InMemoria = true;
    Ottimizzata = false;
    Migliorata = false;
    Garanzia = 80;
    VinciteMultiple = 1;
    FileDestinazione = (CartellaColonne() / "DestinazioneDiDefault.Scl").string();
}

int TImpostazioniSviluppo::GaranziaEffettiva() const {
    return std::clamp<int>(Garanzia, kGaranziaMinima, kGaranziaMassima);
}

int TImpostazioniSviluppo::VinciteEffettive() const {
    return std::clamp<int>(VinciteMultiple, 1, kVinciteMassime);
}

namespace {
constexpr std::uint8_t kByteMigliorata = 2;
}

std::uint8_t TImpostazioniSviluppo::ByteRiduzione() const {
    return Migliorata ? kByteMigliorata : Ottimizzata ? 1 : 0;
}

bool TImpostazioniSviluppo::Salva(TScrittore& s) const {
    const std::uint8_t riduzione = ByteRiduzione();
    return s.ScriviBool(UsaCondizioni) && s.ScriviBool(Autoriduzione) && s.ScriviBool(InMemoria) &&
           s.ScriviU8(riduzione) && s.ScriviU8(Garanzia) && s.ScriviU8(VinciteMultiple) &&
           s.ScriviStringaCorta(FileDestinazione);
}

bool TImpostazioniSviluppo::Carica(TLettore& l) {
    // A short file leaves the fields it does not reach as they were.
    std::uint8_t riduzione = ByteRiduzione();
    const bool ok = l.LeggiBool(UsaCondizioni) && l.LeggiBool(Autoriduzione) &&
                    l.LeggiBool(InMemoria) && l.LeggiU8(riduzione) && l.LeggiU8(Garanzia) &&
                    l.LeggiU8(VinciteMultiple) && l.LeggiStringaCorta(FileDestinazione);
    // Any other value but 0 is true, as for every other boolean of the file.
    Migliorata = riduzione == kByteMigliorata;
    Ottimizzata = riduzione != 0 && !Migliorata;
    return ok;
}

TSorgente::TSorgente() {
    Predefiniti();
}

void TSorgente::Predefiniti() {
    DaPronostico = true;
    FileSorgente = (CartellaColonne() / "SorgenteDiDefault.Scl").string();
}

bool TSorgente::Salva(TScrittore& s) const {
    return s.ScriviBool(DaPronostico) && s.ScriviStringaCorta(FileSorgente);
}

bool TSorgente::Carica(TLettore& l) {
    return l.LeggiBool(DaPronostico) && l.LeggiStringaCorta(FileSorgente);
}

}  // namespace sirvela
