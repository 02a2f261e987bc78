#include "development/ModelloRecuperi.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "conditions/EditoriValori.h"
#include "conditions/TCondizione.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Cp1252.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {

TModelloRecuperi::TModelloRecuperi() = default;
TModelloRecuperi::~TModelloRecuperi() = default;

void TModelloRecuperi::Collega(TModelloGraphpt* link, TModelloGraphpt* totale) {
    link_ = link;
    totale_ = totale;
}

void TModelloRecuperi::ImpostaLink(TGestoreLink* gestore) {
    gestore_ = gestore;
    copia_ = std::make_unique<TGestoreLink>(gestore ? gestore->Proprietario : nullptr);
    if (gestore) copia_->CopiaDa(*gestore);
    lettera_ = 'A';
    analisi_ = false;
    presa_ = false;
}

void TModelloRecuperi::Attiva() {
    if (!copia_) return;
    // The labels name each condition by its path.
    if (TDatiSistema* d = copia_->Proprietario; d && d->Condizioni)
        d->Condizioni->ImpostaPercorsi();
    copia_->Esamina();
    analisi_ = gestore_ && copia_->Confronta(*gestore_);
    AggiornaForm();
}

bool TModelloRecuperi::InUso(char lettera) const {
    return copia_ && copia_->LettereInUso.find(lettera) != std::string::npos;
}

void TModelloRecuperi::AggiornaForm() {
    if (!copia_) return;
    if (link_) link_->Carica(copia_->Gruppo(lettera_)->ErroriAmmessi);
    if (totale_) totale_->Carica(copia_->ErroriAmmessiTotali);
}

bool TModelloRecuperi::LeggiEditore(TModelloGraphpt* editore, int massimo, TValoriAmmessi& letta) {
    editore->Salva(letta);
    return PtValido(letta, massimo);
}

std::vector<std::uint8_t> TModelloRecuperi::RecordCorrente() const {
    if (!copia_) return {};
    TGestoreLink prova(copia_->Proprietario);
    prova.CopiaDa(*copia_);
    auto prendi = [](TModelloGraphpt* editore, TValoriAmmessi& tabella, int massimo) {
        if (!editore || !editore->Modificato) return;
        TValoriAmmessi letta(tabella.Proprietario, tabella.Massimo, tabella.SecondariaAbilitata);
        if (LeggiEditore(editore, massimo, letta)) tabella.CopiaDa(letta);
    };
    prendi(link_, prova.Gruppo(lettera_)->ErroriAmmessi, MaxLink());
    prendi(totale_, prova.ErroriAmmessiTotali, MaxTotale());
    TScrittore s;
    prova.Salva(s);
    return s.Dati();
}

std::string TModelloRecuperi::AcquisisceForm() {
    if (!copia_) return {};
    auto prendi = [this](TModelloGraphpt* editore, TValoriAmmessi& tabella, int massimo,
                         const char* errore) -> std::string {
        if (!editore || !editore->Modificato) return {};
        TValoriAmmessi prova(tabella.Proprietario, tabella.Massimo, tabella.SecondariaAbilitata);
        if (!LeggiEditore(editore, massimo, prova)) return errore;
        tabella.CopiaDa(prova);
        editore->Modificato = false;
        copia_->Cambiato = true;
        presa_ = true;
        return {};
    };
    std::string e =
        prendi(link_, copia_->Gruppo(lettera_)->ErroriAmmessi, MaxLink(), kErroreErroriLink);
    if (e.empty())
        e = prendi(totale_, copia_->ErroriAmmessiTotali, MaxTotale(), kErroreErroriTotali);
    // Statistics of a development no longer belong to changed tables.
    if (copia_->Cambiato) analisi_ = false;
    return e;
}

std::string TModelloRecuperi::Cambia(char lettera) {
    if (lettera < 'A' || lettera > 'Z') return {};
    if (std::string e = AcquisisceForm(); !e.empty()) return e;
    lettera_ = lettera;
    AggiornaForm();
    return {};
}

std::string TModelloRecuperi::Titolo() const {
    return std::string("Condizioni Nella Link ") + lettera_;
}

int TModelloRecuperi::Righe() const {
    return copia_ ? static_cast<int>(copia_->Gruppo(lettera_)->Esame.Elementi.size()) : 0;
}

std::string TModelloRecuperi::Riga(int i) const {
    const TElemTraLink& e = copia_->Gruppo(lettera_)->Esame.Elementi[static_cast<std::size_t>(i)];
    return (e.Condizione ? e.Condizione->Percorso : std::string()) + " " + e.Etichetta;
}

// Labels hold only what Windows-1252 can write, one byte per character there.
std::string TModelloRecuperi::RigaDa(int i, int p) const {
    const std::string byte = ACp1252(Riga(i));
    const auto da = static_cast<std::size_t>(std::max(p, 1) - 1);
    return da >= byte.size() ? std::string() : DaCp1252(byte.substr(da));
}

int TModelloRecuperi::LunghezzaMassima() const {
    int massimo = 0;
    for (int i = 0; i < Righe(); ++i)
        massimo = std::max(massimo, static_cast<int>(ACp1252(Riga(i)).size()));
    return massimo;
}

TCondizione* TModelloRecuperi::CondizioneRiga(int i) const {
    if (i < 0 || i >= Righe()) return nullptr;
    return copia_->Gruppo(lettera_)->Esame.Elementi[static_cast<std::size_t>(i)].Condizione;
}

int TModelloRecuperi::MaxLink() const {
    return copia_ ? static_cast<int>(copia_->Gruppo(lettera_)->Esame.SommaLivelli) : 0;
}

int TModelloRecuperi::MaxTotale() const {
    return copia_ ? static_cast<int>(copia_->SommaLivelli) : 0;
}

void TModelloRecuperi::Azzera() {
    for (TModelloGraphpt* e : {link_, totale_})
        if (e) e->Azzera();
    if (copia_) copia_->Cambiato = true;
    analisi_ = false;
}

std::string TModelloRecuperi::Ok(bool& cambiato) {
    cambiato = false;
    if (std::string e = AcquisisceForm(); !e.empty()) return e;
    cambiato = presa_ || (link_ && link_->Modificato) || (totale_ && totale_->Modificato);
    if (gestore_ && copia_) gestore_->CopiaDa(*copia_);
    return {};
}

bool TModelloRecuperi::PtValido(const TValoriAmmessi& tabella, int m) {
    return TGestoreLink::EntroMassimo(tabella, m);
}

// ---------------------------------------------------------------------------------------------

namespace {
constexpr int kUltimoValore = 255;
}  // namespace

int TTabellaRecuperi::Righe() const {
    return static_cast<int>(Conteggi.size());
}

void TAnalisiRecuperi::Aggiorna(const TGestoreLink& gestore, char lettera) {
    const TGruppoLink* g = gestore.Gruppo(lettera);
    if (!g) return;
    auto riempi = [](TTabellaRecuperi& t, const T_FrequenzeRitardi& stat, int primo,
                     double divisore) {
        t.Primo = primo;
        t.Divisore = divisore;
        t.Conteggi.assign(static_cast<std::size_t>(kUltimoValore - primo + 1), 0);
        t.UltimoNonZero = -1;
        for (int v = primo; v <= kUltimoValore; ++v) {
            const std::int64_t n = stat.Frequenza(v);
            t.Conteggi[static_cast<std::size_t>(v - primo)] = n;
            if (n != 0) t.UltimoNonZero = v;
        }
    };
    Tabelle[0].Titolo = "Dai Livelli della Link";
    Tabelle[0].Sottotitolo.clear();
    Tabelle[0].Intestazione = "Liv.";
    riempi(Tabelle[0], g->StatLivelli, 1, g->Registrazioni);
    Tabelle[1].Titolo = "Dagli Errori Totali  ";
    Tabelle[1].Sottotitolo = "della Link";
    Tabelle[1].Intestazione = "Err.";
    riempi(Tabelle[1], g->StatErrori, 0, g->StatErrori.Estrazioni);
    Tabelle[2].Titolo = "Dagli Errori Totali";
    Tabelle[2].Sottotitolo = "su Tutte le Link";
    Tabelle[2].Intestazione = "Err.";
    riempi(Tabelle[2], gestore.Stat, 0, gestore.Stat.Estrazioni);
}

std::string TAnalisiRecuperi::Valore(int tabella, int riga) const {
    const TTabellaRecuperi& t = Tabelle[static_cast<std::size_t>(tabella)];
    if (riga < 0 || riga >= static_cast<int>(t.Conteggi.size())) return "0";
    const auto n = static_cast<double>(t.Conteggi[static_cast<std::size_t>(riga)]);
    // Nothing to divide by: the count itself.
    if (!Percentuali || t.Divisore == 0) return TestoNumero(n);
    return TestoNumero(n / t.Divisore * 100.0);
}

std::string TestoNumero(double v) {
    if (!(std::fabs(v) > 1e-7)) return "0";
    std::string s = fmt::format("{:.5f}", v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    if (s == "-0") return "0";
    // The Italian decimal comma.
    if (const auto punto = s.find('.'); punto != std::string::npos) s[punto] = ',';
    return s;
}

}  // namespace sirvela
