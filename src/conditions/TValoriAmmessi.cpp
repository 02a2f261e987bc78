#include "conditions/TValoriAmmessi.h"

#include <fmt/format.h>
#include <algorithm>
#include <cmath>

#include "conditions/StatoValutazione.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {

namespace {

std::string NumeroIntervallo(double v) {
    if (std::floor(v) == v && std::fabs(v) < 1e15) return fmt::format("{:.0f}", v);
    return fmt::format("{}", v);
}

}  // namespace

std::string TestoIntervallo(const TIntervallo& intervallo) {
    if (intervallo.Min == intervallo.Max) return NumeroIntervallo(intervallo.Min);
    return NumeroIntervallo(intervallo.Min) + "-" + NumeroIntervallo(intervallo.Max);
}
namespace {

// The highest entry of a table that a category of this size can use.
inline int Ultima(int massimo) {
    return std::clamp(massimo, 0, TTabellaValori::kValori - 1);
}

inline bool RegistraNelGruppo(TDatiSistema* proprietario, char lettera, int livello) {
    if (const TStatoValutazione* s = StatoFilo())
        return s->Recuperi->RegistraErrore(lettera, livello);
    if (!proprietario || !proprietario->Recuperi) return false;
    return proprietario->Recuperi->RegistraErrore(lettera, livello);
}

inline std::array<std::uint32_t, TCondPuntiTra::kGruppi + 1>* TotaliTra(TDatiSistema* p) {
    if (!p || !p->Condizioni) return nullptr;
    TCondPuntiTra* tra = p->Condizioni->PuntiTra();
    return tra ? &tra->TotaliInUso() : nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

bool TTabellaValori::HaValori(int massimo) const {
    const int fine = Ultima(massimo);
    for (int v = 0; v <= fine; ++v)
        if (Voci[v].Stato != 0) return true;
    return false;
}

bool TTabellaValori::HaRecuperi(int massimo) const {
    const int fine = Ultima(massimo);
    for (int v = 0; v <= fine; ++v)
        if (Voci[v].Stato == 2) return true;
    return false;
}

void TTabellaValori::Azzera() {
    Attiva = false;
    LetteraLink = 'A';
    GruppoTra = 0;
    Voci.fill(TVoceValore{});
}

bool TTabellaValori::Salva(TScrittore& s, int massimo) const {
    if (!s.ScriviBool(Attiva) || !s.ScriviChar(LetteraLink) || !s.ScriviU16(GruppoTra))
        return false;
    // Three entries beyond the category's highest value travel with it.
    const int fine = std::max(massimo, 0) + 3;
    for (int v = 0; v <= fine; ++v) {
        std::uint8_t b[2] = {0, 0};
        if (v < kValori) {
            b[0] = Voci[v].Stato;
            b[1] = Voci[v].Livello;
        }
        if (!s.Scrivi(b, 2)) return false;
    }
    return true;
}

bool TTabellaValori::Carica(TLettore& l, int massimo) {
    if (!l.LeggiBool(Attiva) || !l.LeggiChar(LetteraLink) || !l.LeggiU16(GruppoTra)) return false;
    const int fine = std::max(massimo, 0) + 3;
    for (int v = 0; v <= fine; ++v) {
        std::uint8_t b[2] = {0, 0};
        const bool ok = l.Leggi(b, 2);
        if (v < kValori) Voci[v] = TVoceValore{b[0], b[1]};
        if (!ok) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

TValoriAmmessi::TValoriAmmessi(TDatiSistema* proprietario, std::uint16_t massimo,
                               bool secondariaAbilitata)
    : SecondariaAbilitata(secondariaAbilitata), Massimo(massimo), Proprietario(proprietario) {}

bool TValoriAmmessi::RegistraRecupero(TDatiSistema* proprietario, char lettera, int livello) {
    return RegistraNelGruppo(proprietario, lettera, livello);
}

void TValoriAmmessi::AggiungiTra(int principale, int secondario) const {
    const bool p = Principale.Attiva && Principale.GruppoTra != 0 && principale >= 0;
    const bool s = Secondaria.Attiva && Secondaria.GruppoTra != 0 && secondario >= 0;
    if (!p && !s) return;
    auto* totali = TotaliTra(Proprietario);
    if (!totali) return;
    if (p && Principale.GruppoTra <= TCondPuntiTra::kGruppi)
        (*totali)[Principale.GruppoTra] += static_cast<std::uint32_t>(principale);
    if (s && Secondaria.GruppoTra <= TCondPuntiTra::kGruppi)
        (*totali)[Secondaria.GruppoTra] += static_cast<std::uint32_t>(secondario);
}

void TValoriAmmessi::AggiornaStato(bool attivato) {
    Principale.Attiva = attivato && Principale.HaValori(Massimo);
    Secondaria.Attiva = attivato && SecondariaAbilitata && Secondaria.HaValori(Massimo);
    Attivo = Principale.Attiva || Secondaria.Attiva;
}

void TValoriAmmessi::PulisciOltreOtto() {
    for (TTabellaValori* t : {&Principale, &Secondaria})
        for (int v = 9; v <= 105; ++v) t->Voci[v] = TVoceValore{0, 1};
}

void TValoriAmmessi::Azzera() {
    Principale.Azzera();
    Secondaria.Azzera();
    CampoDa = 1;
    CampoA = 8;
    Attivo = false;
}

bool TValoriAmmessi::Salva(TScrittore& s) const {
    return Principale.Salva(s, Massimo) && Secondaria.Salva(s, Massimo) && s.ScriviU16(CampoDa) &&
           s.ScriviU16(CampoA);
}

bool TValoriAmmessi::Carica(TLettore& l) {
    return Principale.Carica(l, Massimo) && Secondaria.Carica(l, Massimo) && l.LeggiU16(CampoDa) &&
           l.LeggiU16(CampoA);
}

void TValoriAmmessi::CopiaDa(const TValoriAmmessi& altra) {
    SecondariaAbilitata = altra.SecondariaAbilitata;
    CampoDa = altra.CampoDa;
    CampoA = altra.CampoA;
    Principale = altra.Principale;
    Secondaria = altra.Secondaria;
    Attivo = altra.Attivo;
}

// ---------------------------------------------------------------------------------------------

bool TIntervalliAmmessi::Accetta(double valore) const {
    if (!Attivo) return true;
    const int n = Conta();
    for (int i = 0; i < n; ++i) {
        const TIntervallo& iv = Intervalli[i];
        if (iv.Min <= valore && valore <= iv.Max) {
            if (iv.Tipo == 1) return true;
            if (iv.Tipo == 2) return RegistraNelGruppo(Proprietario, LetteraLink, iv.Livello);
            return false;
        }
    }
    return false;
}

bool TIntervalliAmmessi::HaRecuperi() const {
    const int n = Conta();
    for (int i = 0; i < n; ++i)
        if (Intervalli[i].Tipo == 2) return true;
    return false;
}

void TIntervalliAmmessi::Azzera() {
    Intervalli.fill(TIntervallo{});
    Quanti = 0;
    LetteraLink = 'A';
    GruppoTra = 0;
    Attivo = false;
}

bool TIntervalliAmmessi::Salva(TScrittore& s) const {
    for (const TIntervallo& iv : Intervalli)
        if (!s.ScriviDouble(iv.Min) || !s.ScriviDouble(iv.Max) || !s.ScriviU16(iv.Tipo) ||
            !s.ScriviI16(iv.Livello))
            return false;
    return s.ScriviI16(Quanti) && s.ScriviChar(LetteraLink);
}

bool TIntervalliAmmessi::Carica(TLettore& l) {
    for (TIntervallo& iv : Intervalli)
        if (!l.LeggiDouble(iv.Min) || !l.LeggiDouble(iv.Max) || !l.LeggiU16(iv.Tipo) ||
            !l.LeggiI16(iv.Livello))
            return false;
    return l.LeggiI16(Quanti) && l.LeggiChar(LetteraLink);
}

void TIntervalliAmmessi::CopiaDa(const TIntervalliAmmessi& altra) {
    LetteraLink = altra.LetteraLink;
    GruppoTra = altra.GruppoTra;
    Attivo = altra.Attivo;
    Intervalli = altra.Intervalli;
    Quanti = altra.Quanti;
}

}  // namespace sirvela
