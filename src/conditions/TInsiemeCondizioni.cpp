#include "conditions/TInsiemeCondizioni.h"

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/Fabbrica.h"
#include "conditions/StatoValutazione.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TGestoreLink.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {

TInsiemeCondizioni::TInsiemeCondizioni(TDatiSistema* proprietario) : Proprietario(proprietario) {
    for (int k = 1; k <= 18; ++k)
        Condizioni[static_cast<unsigned>(k - 1)] = CreaCondizione(k, proprietario);
    RileggiSlot();
}

void TInsiemeCondizioni::RileggiSlot() {
    somme_ = dynamic_cast<TCondSomme*>(Condizioni[kSomme - 1].get());
    pariDispari_ = dynamic_cast<TCondPariDispari*>(Condizioni[kPariDispari - 1].get());
    puntiTra_ = dynamic_cast<TCondPuntiTra*>(Condizioni[kPuntiTra - 1].get());
}

bool TInsiemeCondizioni::Sostituisci(int slot, std::unique_ptr<TCondizione> nuova) {
    if (slot < 1 || slot > 18 || !nuova || nuova->TipoCondizione != slot) return false;
    Condizioni[static_cast<unsigned>(slot - 1)] = std::move(nuova);
    QuanteAttive = 0;  // the conditions in play are rebuilt before the next test
    RileggiSlot();
    return true;
}

TInsiemeCondizioni::~TInsiemeCondizioni() = default;

TCondizione* TInsiemeCondizioni::Condizione(int slot) const {
    if (slot < 1 || slot > 18) return nullptr;
    return Condizioni[static_cast<unsigned>(slot - 1)].get();
}

TCondPuntiTra* TInsiemeCondizioni::PuntiTra() const {
    return puntiTra_;
}

bool TInsiemeCondizioni::PuntiTraAttivo() const {
    return puntiTra_ && puntiTra_->Attivo;
}

void TInsiemeCondizioni::AggiornaTutte() {
    RileggiSlot();
    for (auto& c : Condizioni)
        if (c) c->AggiornaStato();
}

void TInsiemeCondizioni::CostruisciAttive() {
    RileggiSlot();
    QuanteAttive = 0;
    Attive.fill(nullptr);
    for (auto& c : Condizioni)
        if (c && c->Attivo && c->Attivato) Attive[static_cast<unsigned>(QuanteAttive++)] = c.get();
}

void TInsiemeCondizioni::AzzeraTutteStatistiche() {
    for (auto& c : Condizioni)
        if (c) c->AzzeraStatistiche();
}

void TInsiemeCondizioni::ImpostaPercorsi() {
    for (auto& c : Condizioni)
        if (c) c->ImpostaPercorso("");
}

void TInsiemeCondizioni::Prepara(bool raccogliErrori) {
    ImpostaPercorsi();
    AggiornaTutte();
    CostruisciAttive();
    RaccogliErrori = raccogliErrori;
}

bool TInsiemeCondizioni::Verifica(const TColonna& c) {
    const bool raccogli = RaccogliErrori;
    // The two cheapest conditions decide first with plain lookups.
    if (!raccogli) {
        if (pariDispari_ && pariDispari_->VerificaRapida && !pariDispari_->VerificaVeloce(c))
            return false;
        if (somme_ && somme_->VerificaRapida && !somme_->VerificaVeloce(c)) return false;
    }
    return VerificaDopoPreTest(c);
}

bool TInsiemeCondizioni::VerificaDopoPreTest(const TColonna& c) {
    const bool raccogli = RaccogliErrori;
    const TStatoValutazione* filo = StatoFilo();
    TGestoreLink* link =
        filo ? filo->Recuperi : (Proprietario ? Proprietario->Recuperi.get() : nullptr);
    if (link) link->Azzera();
    if (puntiTra_ && puntiTra_->Attivo) puntiTra_->AzzeraTotali();

    if (!raccogli) {
        for (int k = 0; k < QuanteAttive; ++k) {
            TCondizione* cond = Attive[static_cast<unsigned>(k)];
            if (cond->VerificaRapida) continue;  // already decided above
            if (!cond->Valuta(c)) return false;
        }
    } else {
        bool ok = true;
        for (int k = 0; k < QuanteAttive; ++k) {
            TCondizione* cond = Attive[static_cast<unsigned>(k)];
            if (cond->Valuta(c)) continue;
            ok = false;
            // Containers report their failing members themselves.
            if (!EContenitore(cond->TipoCondizione)) ListaErrori.push_back(TErrore{cond, 0, 2});
        }
        if (!ok) return false;
    }
    return link ? link->Verifica() : true;
}

bool TInsiemeCondizioni::Salva(TScrittore& s) const {
    for (const auto& c : Condizioni)
        if (!c || !c->Salva(s)) return false;
    return true;
}

bool TInsiemeCondizioni::Carica(TLettore& l) {
    TLimiteLettura limite(static_cast<std::int64_t>(Condizioni.size()));
    bool ok = true;
    for (auto& c : Condizioni) {
        std::uint8_t tipo = 0;  // the slot decides the kind; the byte is not checked
        if (!c || !l.LeggiU8(tipo) || !c->Carica(l)) {
            ok = false;
            break;
        }
    }
    LimiteSuperato = limite.Superato();
    return ok;
}

std::int64_t TInsiemeCondizioni::QuanteCondizioni() const {
    std::int64_t n = 0;
    for (const auto& c : Condizioni)
        if (c) n += ContaCondizioni(*c);
    return n;
}

}  // namespace sirvela
