#include "conditions/TGestoreLink.h"

#include <bit>

#include "conditions/TCondizione.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {
namespace {
constexpr int kLivelli = 255;
constexpr int kLettere = 26;
constexpr std::uint16_t kMassimoErrori = 99;
}  // namespace

void TEsameTraLink::Svuota() {
    Elementi.clear();
    LivelliUsati.fill(false);
    SommaLivelli = 0;
}

void TEsameTraLink::Aggiungi(TElemTraLink elemento) {
    auto segna = [this](int livello) {
        if (livello < 1 || livello > kLivelli || LivelliUsati[livello]) return;
        LivelliUsati[livello] = true;
        SommaLivelli += static_cast<std::uint32_t>(livello);
    };
    if (elemento.Tabella && elemento.Valori) {
        const int ultimo = std::min<int>(elemento.Valori->Massimo, TTabellaValori::kValori - 1);
        for (int v = 0; v <= ultimo; ++v)
            if (elemento.Tabella->Voci[v].Stato == 2) segna(elemento.Tabella->Voci[v].Livello);
    } else if (elemento.Intervalli) {
        const TIntervalliAmmessi& iv = *elemento.Intervalli;
        for (int i = 0; i < iv.Conta(); ++i)
            if (iv.Intervalli[i].Tipo == 2) segna(iv.Intervalli[i].Livello);
    }
    Elementi.push_back(std::move(elemento));
}

// ---------------------------------------------------------------------------------------------

TGruppoLink::TGruppoLink(TDatiSistema* proprietario)
    : ErroriAmmessi(proprietario, kMassimoErrori, false), Proprietario(proprietario) {}

bool TGruppoLink::Registra(int livello) {
    ++Errori;
    ++Registrazioni;
    if (sporchi_) *sporchi_ |= bit_;
    // Levels come from 1..99 through the editors; anything else read from a file is refused
    // without touching the counters.
    if (livello < 1 || livello > kLivelli) return false;
    std::uint32_t& conta = ContaLivelli[static_cast<unsigned>(livello)];
    if (conta == 0 && quantiToccati_ < static_cast<int>(toccati_.size()))
        toccati_[static_cast<unsigned>(quantiToccati_++)] = static_cast<std::uint8_t>(livello);
    ++conta;
    if (conta <= static_cast<std::uint32_t>(livello)) return true;
    StatLivelli.Aggiungi(livello, -1, false);
    return false;
}

void TGruppoLink::Azzera() {
    if (quantiToccati_ >= static_cast<int>(toccati_.size())) {
        ContaLivelli.fill(0);  // the list may have missed a level: clear everything
    } else {
        for (int i = 0; i < quantiToccati_; ++i)
            ContaLivelli[toccati_[static_cast<unsigned>(i)]] = 0;
    }
    quantiToccati_ = 0;
    Errori = 0;
}

// ---------------------------------------------------------------------------------------------

TGestoreLink::TGestoreLink(TDatiSistema* proprietario)
    : ErroriAmmessiTotali(proprietario, kMassimoErrori, false), Proprietario(proprietario) {
    for (int i = 0; i < kLettere; ++i) {
        Gruppi[static_cast<unsigned>(i)] = std::make_unique<TGruppoLink>(proprietario);
        Gruppi[static_cast<unsigned>(i)]->sporchi_ = &sporchi_;
        Gruppi[static_cast<unsigned>(i)]->bit_ = 1u << i;
    }
}

TGestoreLink::~TGestoreLink() = default;

TGruppoLink* TGestoreLink::Gruppo(char lettera) {
    if (lettera < 'A' || lettera > 'Z') return nullptr;
    return Gruppi[static_cast<unsigned>(lettera - 'A')].get();
}

const TGruppoLink* TGestoreLink::Gruppo(char lettera) const {
    if (lettera < 'A' || lettera > 'Z') return nullptr;
    return Gruppi[static_cast<unsigned>(lettera - 'A')].get();
}

bool TGestoreLink::RegistraErrore(char lettera, int livello) {
    TGruppoLink* g = Gruppo(lettera);
    return g && g->Registra(livello);
}

void TGestoreLink::Esamina() {
    LettereInUso.clear();
    SommaLivelli = 0;
    quanteInUso_ = 0;
    TInsiemeCondizioni* insieme = Proprietario ? Proprietario->Condizioni.get() : nullptr;
    // The entries are listed by their condition's path.
    if (insieme) insieme->ImpostaPercorsi();
    for (int i = 0; i < kLettere; ++i) {
        TGruppoLink& g = *Gruppi[static_cast<unsigned>(i)];
        const char lettera = static_cast<char>('A' + i);
        g.Esame.Svuota();
        if (insieme)
            for (int slot = 1; slot <= 18; ++slot) {
                TCondizione* c = insieme->Condizione(slot);
                if (c && c->Attivato) c->RaccogliLink(lettera, g.Esame);
            }
        if (g.Esame.Elementi.empty()) continue;
        LettereInUso.push_back(lettera);
        SommaLivelli += g.Esame.SommaLivelli;
        inUso_[static_cast<unsigned>(quanteInUso_++)] = &g;
    }
}

void TGestoreLink::AggiornaStato() {
    bool attivo = false;
    for (auto& g : Gruppi) {
        g->ErroriAmmessi.AggiornaStato(true);
        attivo = attivo || g->ErroriAmmessi.Attivo;
    }
    ErroriAmmessiTotali.AggiornaStato(true);
    Attivo = attivo || ErroriAmmessiTotali.Attivo;
}

// Every group the last column registered into: the letters in use and any other letter a
// table reached, so no count survives into the next column.
void TGestoreLink::Azzera() {
    std::uint32_t m = sporchi_;
    while (m) {
        const int i = std::countr_zero(m);
        m &= m - 1;
        Gruppi[static_cast<unsigned>(i)]->Azzera();
    }
    sporchi_ = 0;
    ErroriTotali = 0;
}

// All letters, not only those in use: the analysis of a letter must never show the counts of
// an older development.
void TGestoreLink::AzzeraStatistiche() {
    for (auto& g : Gruppi) {
        g->StatLivelli.Inizializza(kLivelli);
        g->StatErrori.Inizializza(kLivelli);
        g->Registrazioni = 0;
    }
    Stat.Inizializza(kLivelli);
    Cambiato = false;
}

std::unique_ptr<TStatisticheLink> TGestoreLink::PrendiStatistiche() {
    bool qualcosa = Stat.Estrazioni > 0;
    for (const auto& g : Gruppi)
        qualcosa = qualcosa || g->Registrazioni > 0 || g->StatLivelli.Estrazioni > 0 ||
                   g->StatErrori.Estrazioni > 0;
    if (!qualcosa) return nullptr;
    auto s = std::make_unique<TStatisticheLink>();
    for (int i = 0; i < kLettere; ++i) {
        TGruppoLink& g = *Gruppi[static_cast<unsigned>(i)];
        s->Livelli[static_cast<unsigned>(i)] = std::move(g.StatLivelli);
        s->Errori[static_cast<unsigned>(i)] = std::move(g.StatErrori);
        s->Registrazioni[static_cast<unsigned>(i)] = g.Registrazioni;
    }
    s->Totale = std::move(Stat);
    AzzeraStatistiche();
    return s;
}

void TGestoreLink::SommaStatistiche(const TStatisticheLink& altre) {
    for (int i = 0; i < kLettere; ++i) {
        TGruppoLink& g = *Gruppi[static_cast<unsigned>(i)];
        g.StatLivelli.Somma(altre.Livelli[static_cast<unsigned>(i)]);
        g.StatErrori.Somma(altre.Errori[static_cast<unsigned>(i)]);
        g.Registrazioni += altre.Registrazioni[static_cast<unsigned>(i)];
    }
    Stat.Somma(altre.Totale);
}

void TGestoreLink::CopiaPerFilo(const TGestoreLink& altro) {
    CopiaDa(altro);
    LettereInUso = altro.LettereInUso;
    SommaLivelli = altro.SommaLivelli;
    Attivo = altro.Attivo;
    quanteInUso_ = 0;
    for (const char lettera : LettereInUso)
        if (TGruppoLink* g = Gruppo(lettera)) inUso_[static_cast<unsigned>(quanteInUso_++)] = g;
}

bool TGestoreLink::Verifica() {
    ErroriTotali = 0;
    bool ok = true;
    for (int i = 0; i < quanteInUso_; ++i) {
        TGruppoLink& g = *inUso_[static_cast<unsigned>(i)];
        if (ok && !g.ErroriAmmessi.Accetta(static_cast<int>(g.Errori), 0)) {
            g.StatErrori.Aggiungi(static_cast<int>(g.Errori), -1, false);
            ok = false;
        }
        ErroriTotali += g.Errori;
    }
    if (ok && !ErroriAmmessiTotali.Accetta(static_cast<int>(ErroriTotali), 0)) {
        Stat.Aggiungi(static_cast<int>(ErroriTotali), -1, false);
        ok = false;
    }
    return ok;
}

bool TGestoreLink::Salva(TScrittore& s) const {
    for (const auto& g : Gruppi)
        if (!g->ErroriAmmessi.Salva(s)) return false;
    return ErroriAmmessiTotali.Salva(s);
}

// A system just read has no development yet: the examination and the statistics of the one
// before must not pass for its own.
bool TGestoreLink::Carica(TLettore& l) {
    LettereInUso.clear();
    SommaLivelli = 0;
    quanteInUso_ = 0;
    for (auto& g : Gruppi) g->Esame.Svuota();
    AzzeraStatistiche();
    for (auto& g : Gruppi)
        if (!g->ErroriAmmessi.Carica(l)) return false;
    return ErroriAmmessiTotali.Carica(l);
}

void TGestoreLink::CopiaDa(const TGestoreLink& altro) {
    for (int i = 0; i < kLettere; ++i)
        Gruppi[static_cast<unsigned>(i)]->ErroriAmmessi.CopiaDa(
            altro.Gruppi[static_cast<unsigned>(i)]->ErroriAmmessi);
    ErroriAmmessiTotali.CopiaDa(altro.ErroriAmmessiTotali);
    Cambiato = altro.Cambiato;
}

bool TGestoreLink::Confronta(const TGestoreLink& originale) const {
    if (Cambiato || LettereInUso.empty()) return false;
    if (LettereInUso != originale.LettereInUso || SommaLivelli != originale.SommaLivelli)
        return false;
    for (int i = 0; i < kLettere; ++i) {
        const TEsameTraLink& a = Gruppi[static_cast<unsigned>(i)]->Esame;
        const TEsameTraLink& b = originale.Gruppi[static_cast<unsigned>(i)]->Esame;
        if (a.SommaLivelli != b.SommaLivelli || a.LivelliUsati != b.LivelliUsati) return false;
    }
    return true;
}

bool TGestoreLink::EntroMassimo(const TValoriAmmessi& tabella, int massimo) {
    const int ultimo = std::min<int>(tabella.Massimo, TTabellaValori::kValori - 1);
    for (int v = std::max(massimo + 1, 0); v <= ultimo; ++v)
        if (tabella.Principale.Voci[static_cast<unsigned>(v)].Stato != 0) return false;
    return true;
}

}  // namespace sirvela
