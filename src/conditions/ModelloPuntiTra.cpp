#include "conditions/ModelloPuntiTra.h"

#include <algorithm>
#include <vector>

#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"

namespace sirvela {

TModelloPuntiTra::TModelloPuntiTra() = default;

void TModelloPuntiTra::ImpostaOggetto(TCondPuntiTra* c) {
    oggetto_ = c;
    clic_ = false;
    attivato_ = c ? c->Attivato : true;
    for (int g = 1; g <= kGruppi; ++g) {
        if (c)
            Copia(g).Carica(c->Punti(g));
        else
            Copia(g) = TModelloIntervalli();
    }
    Mostra(c ? std::clamp<int>(c->GruppoScelto, 1, kGruppi) : 1);
}

void TModelloPuntiTra::Mostra(int gruppo) {
    gruppo_ = gruppo;
    if (griglia_) *griglia_ = Copia(gruppo);
    Esamina();
}

TErroreGriglia TModelloPuntiTra::Verifica(int gruppo, TIntervalliAmmessi& lista) const {
    const TModelloIntervalli& m =
        gruppo == gruppo_ && griglia_ ? *griglia_ : copie_[static_cast<std::size_t>(gruppo - 1)];
    const TEsameGruppoTra esame =
        gruppo == gruppo_ ? esame_ : (oggetto_ ? oggetto_->EsaminaGruppo(gruppo) : esame_);
    const TModelloIntervalli::TLimiti limiti{esame.Min, esame.Max};
    const bool conLimiti = esame.Min != 0 || esame.Max != 0;
    TErroreGriglia e = m.Acquisisci(lista, conLimiti ? &limiti : nullptr);
    if (!e.Ok()) e.Categoria = gruppo;
    return e;
}

TErroreGriglia TModelloPuntiTra::ImpostaGruppo(int gruppo) {
    gruppo = std::clamp(gruppo, 1, kGruppi);
    if (gruppo == gruppo_) return {};
    if (griglia_ && griglia_->Modificato && oggetto_) {
        TIntervalliAmmessi prova(oggetto_->Proprietario);
        if (TErroreGriglia e = Verifica(gruppo_, prova); !e.Ok()) return e;
    }
    if (griglia_) Copia(gruppo_) = *griglia_;
    Mostra(gruppo);
    return {};
}

std::string TModelloPuntiTra::Intestazione() const {
    return "Condizioni Nel Gruppo " + std::to_string(gruppo_);
}

void TModelloPuntiTra::Esamina() {
    esame_ = TEsameGruppoTra{};
    if (!oggetto_) return;
    if (oggetto_->Proprietario && oggetto_->Proprietario->Condizioni)
        oggetto_->Proprietario->Condizioni->ImpostaPercorsi();
    esame_ = oggetto_->EsaminaGruppo(gruppo_);
}

std::string TModelloPuntiTra::Riga(int i) const {
    const TElemTraLink& e = esame_.Esame.Elementi[static_cast<std::size_t>(i)];
    return (e.Condizione ? e.Condizione->Percorso + " " : std::string()) + e.Etichetta;
}

TCondizione* TModelloPuntiTra::CondizioneRiga(int i) const {
    if (i < 0 || i >= Righe()) return nullptr;
    return esame_.Esame.Elementi[static_cast<std::size_t>(i)].Condizione;
}

void TModelloPuntiTra::ClicAttivato(bool attivato) {
    attivato_ = attivato;
    clic_ = true;
}

void TModelloPuntiTra::Azzera() {
    for (TModelloIntervalli& c : copie_) c.Azzera();
    if (griglia_) griglia_->Azzera();
    attivato_ = true;
    clic_ = true;
}

bool TModelloPuntiTra::Cambiato() const {
    if (clic_ || (griglia_ && griglia_->Modificato)) return true;
    return std::any_of(copie_.begin(), copie_.end(),
                       [](const TModelloIntervalli& c) { return c.Modificato; });
}

bool TModelloPuntiTra::Applica(TErroreGriglia* errore) {
    if (errore) *errore = {};
    if (!oggetto_) return false;
    if (griglia_) Copia(gruppo_) = *griglia_;
    std::vector<TIntervalliAmmessi> liste(kGruppi, TIntervalliAmmessi(oggetto_->Proprietario));
    for (int g = 1; g <= kGruppi; ++g) {
        if (!Copia(g).Modificato) continue;
        TErroreGriglia e = Verifica(g, liste[static_cast<std::size_t>(g - 1)]);
        if (!e.Ok()) {
            if (g != gruppo_) Mostra(g);
            if (errore) *errore = e;
            return false;
        }
    }
    const bool cambiato = Cambiato();
    for (int g = 1; g <= kGruppi; ++g)
        if (Copia(g).Modificato) oggetto_->Punti(g).CopiaDa(liste[static_cast<std::size_t>(g - 1)]);
    oggetto_->Attivato = attivato_;
    oggetto_->GruppoScelto = gruppo_;
    oggetto_->AggiornaStato();
    return cambiato;
}

std::unique_ptr<TCondizione> TModelloPuntiTra::CopiaCorrente() const {
    if (!oggetto_) return nullptr;
    std::unique_ptr<TCondizione> copia = oggetto_->Clona();
    auto* tra = dynamic_cast<TCondPuntiTra*>(copia.get());
    if (!tra) return nullptr;
    for (int g = 1; g <= kGruppi; ++g) {
        const bool mostrato = g == gruppo_ && griglia_;
        if (!(mostrato ? griglia_->Modificato : copie_[static_cast<std::size_t>(g - 1)].Modificato))
            continue;
        TIntervalliAmmessi prova(tra->Proprietario);
        if (Verifica(g, prova).Ok()) tra->Punti(g).CopiaDa(prova);
    }
    tra->Attivato = attivato_;
    tra->GruppoScelto = gruppo_;
    tra->AggiornaStato();
    return copia;
}

}  // namespace sirvela
