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

bool TImpostazioniSviluppo::Salva(TScrittore& s) const {
    return s.ScriviBool(UsaCondizioni) && s.ScriviBool(Autoriduzione) && s.ScriviBool(InMemoria) &&
           s.ScriviBool(Ottimizzata) && s.ScriviU8(Garanzia) && s.ScriviU8(VinciteMultiple) &&
           s.ScriviStringaCorta(FileDestinazione);
}

bool TImpostazioniSviluppo::Carica(TLettore& l) {
    return l.LeggiBool(UsaCondizioni) && l.LeggiBool(Autoriduzione) && l.LeggiBool(InMemoria) &&
           l.LeggiBool(Ottimizzata) && l.LeggiU8(Garanzia) && l.LeggiU8(VinciteMultiple) &&
           l.LeggiStringaCorta(FileDestinazione);
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
