#include "conditions/CondizioniAritmetiche.h"

#include <algorithm>
#include <cstdlib>

#include "conditions/CalcoliColonna.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {

using calcoli::Ammesso;
using calcoli::Metti;
using calcoli::Tra;

// ---------------------------------------------------------------------------------------------
// Somme

TCondSomme::TCondSomme(TDatiSistema* proprietario)
    : TCondizione(proprietario, kSomme, "Somme"),
      Tutti(proprietario),
      Pari(proprietario),
      Dispari(proprietario) {
    RegistraAttivato();
    RegistraCategoria("Tutti i Numeri", &Tutti);
    RegistraCategoria("Numeri Pari", &Pari);
    RegistraCategoria("Numeri Dispari", &Dispari);
}

TSomme TCondSomme::Calcola(const TColonna& c) {
    TSomme r;
    for (const std::uint8_t p : c) {
        // Branch-free split: dispari is all ones for an odd pilot.
        const int dispari = -static_cast<int>(p & 1u);
        r.Dispari += p & dispari;
        r.Pari += p & ~dispari;
    }
    r.Totale = r.Pari + r.Dispari;
    return r;
}

bool TCondSomme::VerificaVeloce(const TColonna& c) const {
    const TSomme v = Calcola(c);
    auto dentro = [](const TIntervalliAmmessi& lista, int valore) {
        if (!lista.Attivo) return true;
        if (lista.Conta() == 0) return false;
        const TIntervallo& i = lista.Intervalli[0];
        // Tipo other than 1 would be refused by Accetta as well.
        return i.Tipo == 1 && i.Min <= valore && valore <= i.Max;
    };
    return dentro(Tutti, v.Totale) && dentro(Pari, v.Pari) && dentro(Dispari, v.Dispari);
}

bool TCondSomme::Valuta(const TColonna& c) {
    // Somme adds nothing to the Punti Tra totals.
    const TSomme v = Calcola(c);
    return Tutti.Accetta(v.Totale) && Pari.Accetta(v.Pari) && Dispari.Accetta(v.Dispari);
}

void TCondSomme::AggiornaStato() {
    TCondizione::AggiornaStato();
    auto semplice = [](const TIntervalliAmmessi& lista) {
        return lista.GruppoTra == 0 && lista.Conta() <= 1 && lista.Intervalli[0].Tipo < 2;
    };
    VerificaRapida = Attivo && semplice(Tutti) && semplice(Pari) && semplice(Dispari);
}

void TCondSomme::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TSomme v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Totale, 0);
    Metti(valori, v.Pari, 0);
    Metti(valori, v.Dispari, 0);
}

std::array<int, 3> TCondSomme::Righe(const TColonna& c) const {
    const TSomme v = Calcola(c);
    return {Tutti.Riga(v.Totale), Pari.Riga(v.Pari), Dispari.Riga(v.Dispari)};
}

int TCondSomme::MassimoStatistica(int categoria) const {
    const TIntervalliAmmessi* liste[3] = {&Tutti, &Pari, &Dispari};
    return categoria >= 0 && categoria < 3 ? liste[categoria]->Conta() : 0;
}

void TCondSomme::ValoriStatistici(const TColonna& c, TValoriColonna& valori) {
    valori.Quante = 0;
    for (const int riga : Righe(c)) Metti(valori, riga, 0);
}

// ---------------------------------------------------------------------------------------------
// Pari e Dispari

TCondPariDispari::TCondPariDispari(TDatiSistema* proprietario)
    : TCondizione(proprietario, kPariDispari, "Pari e Dispari"),
      Pari(proprietario, 8, true),
      Dispari(proprietario, 8, true) {
    RegistraAttivato();
    RegistraCategoria("Pari", &Pari);
    RegistraCategoria("Dispari", &Dispari);
}

TPariDispari TCondPariDispari::Calcola(const TColonna& c) {
    const unsigned pari = calcoli::MascheraPari(c);
    const unsigned dispari = ~pari & 0xFFu;
    return {calcoli::Conta(pari), calcoli::SerieMassima(pari), calcoli::Conta(dispari),
            calcoli::SerieMassima(dispari)};
}

bool TCondPariDispari::VerificaVeloce(const TColonna& c) const {
    int dispari = 0;
    for (const std::uint8_t p : c) dispari += p & 1;
    if (Pari.Attivo && Pari.Principale.Voci[static_cast<std::size_t>(8 - dispari)].Stato != 1)
        return false;
    if (Dispari.Attivo && Dispari.Principale.Voci[static_cast<std::size_t>(dispari)].Stato != 1)
        return false;
    return true;
}

bool TCondPariDispari::Valuta(const TColonna& c) {
    const TPariDispari v = Calcola(c);
    if (TraAttivo()) {
        Tra(Pari, v.Pari, v.SeriePari);
        Tra(Dispari, v.Dispari, v.SerieDispari);
    }
    return Pari.Accetta(v.Pari, v.SeriePari) && Dispari.Accetta(v.Dispari, v.SerieDispari);
}

void TCondPariDispari::AggiornaStato() {
    Pari.PulisciOltreOtto();
    Dispari.PulisciOltreOtto();
    TCondizione::AggiornaStato();
    // The pre-test can stand in for Valuta only without recovery, secondary tables or Tra.
    auto semplice = [](const TValoriAmmessi& v) {
        if (v.Principale.GruppoTra != 0) return false;
        for (int i = 0; i <= 105; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (v.Principale.Voci[k].Stato >= 2 || v.Secondaria.Voci[k].Stato != 0) return false;
        }
        return true;
    };
    VerificaRapida = Attivo && semplice(Pari) && semplice(Dispari);
}

void TCondPariDispari::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TPariDispari v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Pari, v.SeriePari);
    Metti(valori, v.Dispari, v.SerieDispari);
}

// ---------------------------------------------------------------------------------------------
// Baricentri

TCondBaricentri::TCondBaricentri(TDatiSistema* proprietario)
    : TCondizione(proprietario, kBaricentri, "Baricentri"),
      Tutti(proprietario, 88, false),
      Pari(proprietario, 89, false),
      Dispari(proprietario, 88, false) {
    RegistraAttivato();
    RegistraCategoria("Tutti i Numeri", &Tutti);
    RegistraCategoria("Numeri Pari", &Pari);
    RegistraCategoria("Numeri Dispari", &Dispari);
}

TBaricentri TCondBaricentri::Calcola(const TColonna& c) {
    int sommaPari = 0, sommaDispari = 0, dispari = 0;
    for (const std::uint8_t p : c) {
        const int d = p & 1;
        dispari += d;
        if (d)
            sommaDispari += p;
        else
            sommaPari += p;
    }
    const int pari = 8 - dispari;
    return {(sommaPari + sommaDispari) / 8, pari ? sommaPari / pari : 0,
            dispari ? sommaDispari / dispari : 0};
}

bool TCondBaricentri::Valuta(const TColonna& c) {
    const TBaricentri v = Calcola(c);
    if (TraAttivo()) {
        Tra(Tutti, v.Tutti, 0);
        Tra(Pari, v.Pari, 0);
        Tra(Dispari, v.Dispari, 0);
    }
    return Tutti.Accetta(v.Tutti, 0) && Pari.Accetta(v.Pari, 0) && Dispari.Accetta(v.Dispari, 0);
}

void TCondBaricentri::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TBaricentri v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Tutti, 0);
    Metti(valori, v.Pari, 0);
    Metti(valori, v.Dispari, 0);
}

// ---------------------------------------------------------------------------------------------
// Distanze Globali

TCondDistanzeGlobali::TCondDistanzeGlobali(TDatiSistema* proprietario)
    : TCondizione(proprietario, kDistanzeGlobali, "Distanze Globali"),
      Minima(proprietario, 89, false),
      Massima(proprietario, 89, false),
      Totale(proprietario, 89, false) {
    RegistraAttivato();
    RegistraCategoria("Minima", &Minima);
    RegistraCategoria("Massima", &Massima);
    RegistraCategoria("Totale", &Totale);
}

TDistanze TCondDistanzeGlobali::Calcola(const TColonna& c) {
    TDistanze r;
    for (int i = 0; i < 7; ++i) {
        const int d = std::abs(static_cast<int>(c[i + 1]) - static_cast<int>(c[i]));
        // min/max rather than branches: the distances follow no pattern a branch could learn.
        r.Totale += d;
        r.Minima = std::min(r.Minima, d);
        r.Massima = std::max(r.Massima, d);
    }
    return r;
}

bool TCondDistanzeGlobali::Valuta(const TColonna& c) {
    if (!Minima.Attivo && !Massima.Attivo && !Totale.Attivo) return true;
    const TDistanze v = Calcola(c);
    if (TraAttivo()) {
        Tra(Minima, v.Minima, 0);
        Tra(Massima, v.Massima, 0);
        Tra(Totale, v.Totale, 0);
    }
    return Minima.Accetta(v.Minima, 0) && Massima.Accetta(v.Massima, 0) &&
           Totale.Accetta(v.Totale, 0);
}

void TCondDistanzeGlobali::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TDistanze v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Minima, 0);
    Metti(valori, v.Massima, 0);
    Metti(valori, v.Totale, 0);
}

// ---------------------------------------------------------------------------------------------
// Distanze Specifiche

TCondDistanzeSpecifiche::TCondDistanzeSpecifiche(TDatiSistema* proprietario)
    : TCondizione(proprietario, kDistanzeSpecifiche, "Distanze Specifiche"),
      Distanza(proprietario, 89, false) {
    RegistraAttivato();
    RegistraCampo("Posizione1", &Posizione1);
    RegistraCampo("Posizione2", &Posizione2);
    RegistraCategoria("Distanza", &Distanza);
}

int TCondDistanzeSpecifiche::Calcola(const TColonna& c) const {
    if (Posizione1 < 1 || Posizione1 > 8 || Posizione2 < 1 || Posizione2 > 8) return kNessunValore;
    const int d = static_cast<int>(c[static_cast<std::size_t>(Posizione2 - 1)]) -
                  static_cast<int>(c[static_cast<std::size_t>(Posizione1 - 1)]);
    return d < 0 ? kNessunValore : d;
}

bool TCondDistanzeSpecifiche::Valuta(const TColonna& c) {
    const int v = Calcola(c);
    if (TraAttivo()) Tra(Distanza, v, 0);
    return Ammesso(Distanza, v, 0);
}

void TCondDistanzeSpecifiche::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    valori.Quante = 0;
    Metti(valori, Calcola(c), 0);
}

// ---------------------------------------------------------------------------------------------
// Resti

TCondResti::TCondResti(TDatiSistema* proprietario)
    : TCondizione(proprietario, kResti, "Resti"), Resto(proprietario, 99, false) {
    RegistraAttivato();
    RegistraCampo("Divisore", &Divisore);
    RegistraCategoria("Resto", &Resto);
}

int TCondResti::Calcola(const TColonna& c) const {
    if (Divisore == 0) return kNessunValore;
    int somma = 0;
    for (const std::uint8_t p : c) somma += p;
    return somma % Divisore;
}

bool TCondResti::Valuta(const TColonna& c) {
    const int v = Calcola(c);
    if (TraAttivo()) Tra(Resto, v, 0);
    return Ammesso(Resto, v, 0);
}

void TCondResti::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    valori.Quante = 0;
    Metti(valori, Calcola(c), 0);
}

int TCondResti::MassimoStatistica(int) const {
    return std::max(Divisore, 0);
}

}  // namespace sirvela
