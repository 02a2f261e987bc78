#include "conditions/ModelloDialogo.h"

#include <algorithm>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondizione.h"

namespace sirvela {

void TModelloCondizione::Collega(int categoria, TModelloGraphpt* editor) {
    legami_.push_back({categoria, editor, nullptr});
}

void TModelloCondizione::Collega(int categoria, TModelloIntervalli* griglia) {
    legami_.push_back({categoria, nullptr, griglia});
}

void TModelloCondizione::AggiornaForm() {
    clic_ = false;
    if (!oggetto_) return;
    attivato_ = oggetto_->Attivato;
    const auto& categorie = oggetto_->Categorie();
    for (const TLegame& l : legami_) {
        if (l.Categoria < 0 || l.Categoria >= static_cast<int>(categorie.size())) continue;
        const TCategoria& c = categorie[static_cast<std::size_t>(l.Categoria)];
        if (l.Editor && c.Valori) l.Editor->Carica(*c.Valori);
        if (l.Griglia && c.Intervalli) l.Griglia->Carica(*c.Intervalli);
    }
}

void TModelloCondizione::Azzera() {
    for (const TLegame& l : legami_) {
        if (l.Editor) l.Editor->Azzera();
        if (l.Griglia) l.Griglia->Azzera();
    }
    attivato_ = true;
    clic_ = true;
}

void TModelloCondizione::ClicAttivato(bool attivato) {
    attivato_ = attivato;
    clic_ = true;
}

bool TModelloCondizione::Cambiato() const {
    if (clic_) return true;
    for (const TLegame& l : legami_)
        if ((l.Editor && l.Editor->Modificato) || (l.Griglia && l.Griglia->Modificato)) return true;
    return false;
}

TErroreGriglia TModelloCondizione::Verifica() const {
    if (!oggetto_) return {};
    const auto& categorie = oggetto_->Categorie();
    for (const TLegame& l : legami_) {
        if (!l.Griglia || !l.Griglia->Modificato) continue;
        if (l.Categoria < 0 || l.Categoria >= static_cast<int>(categorie.size())) continue;
        const TCategoria& c = categorie[static_cast<std::size_t>(l.Categoria)];
        if (!c.Intervalli) continue;
        // A trial copy: the check must not touch the object.
        TIntervalliAmmessi prova(*c.Intervalli);
        TErroreGriglia e = l.Griglia->Acquisisci(prova);
        if (!e.Ok()) {
            e.Categoria = l.Categoria;
            return e;
        }
    }
    return {};
}

bool TModelloCondizione::AcquisisceForm(TErroreGriglia* errore) {
    const TErroreGriglia e = Verifica();
    if (errore) *errore = e;
    if (!e.Ok() || !oggetto_) return false;
    const bool cambiato = Cambiato();
    const auto& categorie = oggetto_->Categorie();
    for (const TLegame& l : legami_) {
        if (l.Categoria < 0 || l.Categoria >= static_cast<int>(categorie.size())) continue;
        const TCategoria& c = categorie[static_cast<std::size_t>(l.Categoria)];
        if (l.Editor && l.Editor->Modificato && c.Valori) l.Editor->Salva(*c.Valori);
        if (l.Griglia && l.Griglia->Modificato && c.Intervalli)
            l.Griglia->Acquisisci(*c.Intervalli);
    }
    oggetto_->Attivato = attivato_;
    oggetto_->AggiornaStato();
    return cambiato;
}

std::unique_ptr<TCondizione> TModelloCondizione::CopiaCorrente() const {
    if (!oggetto_) return nullptr;
    std::unique_ptr<TCondizione> copia = oggetto_->Clona();
    if (!copia) return nullptr;
    const auto& categorie = copia->Categorie();
    for (const TLegame& l : legami_) {
        if (l.Categoria < 0 || l.Categoria >= static_cast<int>(categorie.size())) continue;
        const TCategoria& c = categorie[static_cast<std::size_t>(l.Categoria)];
        if (l.Editor && l.Editor->Modificato && c.Valori) l.Editor->Salva(*c.Valori);
        if (l.Griglia && l.Griglia->Modificato && c.Intervalli) {
            TIntervalliAmmessi prova(*c.Intervalli);
            if (l.Griglia->Acquisisci(prova).Ok()) *c.Intervalli = prova;
        }
    }
    copia->Attivato = attivato_;
    copia->AggiornaStato();
    return copia;
}

// ---------------------------------------------------------------------------------------------

TModelloGruppo::TModelloGruppo() = default;
TModelloGruppo::~TModelloGruppo() = default;

void TModelloGruppo::ImpostaOggetto(TCondGruppo* gruppo) {
    gruppo_ = gruppo;
    copie_.clear();
    cambiato_ = false;
    attivato_ = gruppo ? gruppo->Attivato : true;
    if (gruppo)
        for (const auto& m : gruppo->Membri)
            if (auto copia = m->Clona()) copie_.push_back(std::move(copia));
    vuoto_ = CreaMembro();
    Mostra(copie_.empty() ? -1 : 0);
}

TCondizione* TModelloGruppo::Mostrato() const {
    return indice_ >= 0 ? copie_[static_cast<std::size_t>(indice_)].get() : nullptr;
}

void TModelloGruppo::ClicAttivato(bool attivato) {
    attivato_ = attivato;
    cambiato_ = true;
}

void TModelloGruppo::Mostra(int indice) {
    indice_ = indice;
    Membro.ImpostaOggetto(Mostrato());
    // Without a member the editors show nothing rather than the last member shown.
    if (!Mostrato()) Membro.Azzera();
    Membro.AggiornaForm();
    if (TCondizione* m = Mostrato() ? Mostrato() : Vuoto(); m && membro_) membro_->Carica(*m);
}

bool TModelloGruppo::Cambiato() const {
    if (cambiato_) return true;
    return Mostrato() && (Membro.Cambiato() || (membro_ && membro_->Cambiato()));
}

TErroreGriglia TModelloGruppo::Lascia() {
    TErroreGriglia e;
    if (!Mostrato()) return e;
    if (membro_) {
        e = membro_->Acquisisci(*Mostrato());
        if (!e.Ok()) return e;
        cambiato_ = membro_->Cambiato() || cambiato_;
    }
    cambiato_ = Membro.AcquisisceForm(&e) || cambiato_;
    return e;
}

TErroreGriglia TModelloGruppo::Vai(int indice) {
    if (indice < 0 || indice >= Quanti() || indice == indice_) return {};
    if (TErroreGriglia e = Lascia(); !e.Ok()) return e;
    Mostra(indice);
    return {};
}

TErroreGriglia TModelloGruppo::Aggiungi() {
    if (TErroreGriglia e = Lascia(); !e.Ok()) return e;
    auto nuovo = CreaMembro();
    if (!nuovo) return {};
    copie_.push_back(std::move(nuovo));
    cambiato_ = true;
    Mostra(Quanti() - 1);
    return {};
}

void TModelloGruppo::Elimina() {
    if (!Mostrato()) return;
    copie_.erase(copie_.begin() + indice_);
    cambiato_ = true;
    Mostra(copie_.empty() ? -1 : std::min(indice_, Quanti() - 1));
}

void TModelloGruppo::Azzera() {
    Membro.Azzera();
    attivato_ = true;
    cambiato_ = true;
}

bool TModelloGruppo::Applica(TErroreGriglia* errore) {
    const TErroreGriglia e = Lascia();
    if (errore) *errore = e;
    if (!e.Ok() || !cambiato_ || !gruppo_) return false;
    gruppo_->Membri = std::move(copie_);
    copie_.clear();
    gruppo_->Attivato = attivato_;
    gruppo_->AggiornaStato();
    indice_ = -1;
    Membro.ImpostaOggetto(nullptr);
    return true;
}

std::unique_ptr<TCondizione> TModelloGruppo::CopiaCorrente() const {
    std::unique_ptr<TCondizione> copia = Membro.CopiaCorrente();
    // The check writes nothing until every field passes.
    if (copia && membro_ && membro_->Acquisisci(*copia).Ok()) copia->AggiornaStato();
    return copia;
}

std::unique_ptr<TCondizione> TModelloGruppo::CopiaIntera() const {
    if (!gruppo_) return nullptr;
    std::unique_ptr<TCondizione> copia = gruppo_->Clona();
    auto* g = dynamic_cast<TCondGruppo*>(copia.get());
    if (!g) return nullptr;
    g->Membri.clear();
    for (int i = 0; i < Quanti(); ++i) {
        std::unique_ptr<TCondizione> m = i == indice_ ? CopiaCorrente() : nullptr;
        if (!m) m = copie_[static_cast<std::size_t>(i)]->Clona();
        if (m) g->Membri.push_back(std::move(m));
    }
    g->Attivato = attivato_;
    g->AggiornaStato();
    return copia;
}

std::unique_ptr<TCondizione> TModelloGruppo::CreaMembro() const {
    if (!gruppo_) return nullptr;
    return CreaCondizione(gruppo_->TipoMembri(), gruppo_->Proprietario);
}

// ---------------------------------------------------------------------------------------------

bool SenzaIntervalli(const TCondizione& c, bool analisiColonne) {
    if (c.TipoCondizione == kSomme) {
        const auto& somme = static_cast<const TCondSomme&>(c);
        return somme.Tutti.Conta() == 0 && somme.Pari.Conta() == 0 && somme.Dispari.Conta() == 0;
    }
    if (c.TipoCondizione == kPuntiTra && analisiColonne) {
        const auto& tra = static_cast<const TCondPuntiTra&>(c);
        return tra.Punti(tra.GruppoStatistiche()).Conta() == 0;
    }
    return false;
}

void ImpostaDivisore(TCondResti& r, int divisore) {
    r.Divisore = std::clamp(divisore, 2, 99);
}

namespace {
// A pair read from a damaged file is put back in order before a rule applies.
void Ordina(TCondDistanzeSpecifiche& d) {
    d.Posizione1 = std::clamp<std::int32_t>(d.Posizione1, 1, 7);
    if (d.Posizione2 <= d.Posizione1 || d.Posizione2 > 8) d.Posizione2 = d.Posizione1 + 1;
}
}  // namespace

void ImpostaPrimaPosizione(TCondDistanzeSpecifiche& d, int posizione) {
    Ordina(d);
    posizione = std::clamp(posizione, 1, 8);
    d.Posizione1 = posizione < d.Posizione2 ? posizione : d.Posizione2 - 1;
}

void ImpostaSecondaPosizione(TCondDistanzeSpecifiche& d, int posizione) {
    Ordina(d);
    posizione = std::clamp(posizione, 1, 8);
    d.Posizione2 = posizione > d.Posizione1 ? posizione : d.Posizione1 + 1;
}

}  // namespace sirvela
