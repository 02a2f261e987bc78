#include "conditions/TCondizione.h"

#include <algorithm>

#include "conditions/Fabbrica.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {
namespace {

inline int UltimoValore(const TValoriAmmessi& v) {
    return std::clamp<int>(v.Massimo, 0, TTabellaValori::kValori - 1);
}

// Lowest and highest value of a table whose Stato is not 0 (both -1 when there is none).
std::pair<int, int> Estremi(const TTabellaValori& t, int ultimo) {
    int minimo = -1, massimo = -1;
    for (int v = 0; v <= ultimo; ++v) {
        if (t.Voci[v].Stato == 0) continue;
        if (minimo < 0) minimo = v;
        massimo = v;
    }
    return {minimo, massimo};
}

}  // namespace

TCondizione::TCondizione(TDatiSistema* proprietario, std::uint8_t tipo, std::string nome)
    : TipoCondizione(tipo), Proprietario(proprietario), Nome(std::move(nome)) {}

TCondizione::~TCondizione() = default;

void TCondizione::ImpostaPercorso(const std::string& prefisso) {
    Percorso = Nome + "\\" + prefisso;
}

void TCondizione::AggiornaStato() {
    bool attivo = false;
    for (const TCategoria& cat : categorie_) {
        if (cat.Valori) {
            cat.Valori->AggiornaStato(Attivato);
            attivo = attivo || cat.Valori->Attivo;
        } else if (cat.Intervalli) {
            cat.Intervalli->AggiornaStato(Attivato);
            attivo = attivo || cat.Intervalli->Attivo;
        }
    }
    Attivo = attivo;
    VerificaRapida = false;
}

// Tables are judged by their contents, not by the derived flags, so the examination is right
// even before the set has been brought up to date. The caller only asks conditions that are
// switched on.
void TCondizione::RaccogliLink(char lettera, TEsameTraLink& esame) {
    for (const TCategoria& cat : categorie_) {
        if (TValoriAmmessi* v = cat.Valori) {
            const int ultimo = UltimoValore(*v);
            auto riporta = [&](TTabellaValori& t, const std::string& etichetta) {
                if (t.LetteraLink != lettera || !t.HaRecuperi(ultimo)) return;
                TElemTraLink e;
                e.Etichetta = etichetta;
                e.Condizione = this;
                e.Valori = v;
                e.Tabella = &t;
                esame.Aggiungi(std::move(e));
            };
            riporta(v->Principale, cat.Nome);
            if (v->SecondariaAbilitata) riporta(v->Secondaria, cat.Nome + " (Serie)");
        } else if (TIntervalliAmmessi* iv = cat.Intervalli) {
            if (iv->LetteraLink != lettera || !iv->HaRecuperi()) continue;
            TElemTraLink e;
            e.Etichetta = cat.Nome;
            e.Condizione = this;
            e.Intervalli = iv;
            esame.Aggiungi(std::move(e));
        }
    }
}

void TCondizione::RaccogliGruppoTra(int gruppo, TEsameTraLink& esame) {
    if (gruppo <= 0) return;
    for (const TCategoria& cat : categorie_) {
        TValoriAmmessi* v = cat.Valori;
        if (!v) continue;  // interval lists add nothing to the totals
        const int ultimo = UltimoValore(*v);
        auto riporta = [&](TTabellaValori& t, const std::string& etichetta) {
            if (t.GruppoTra != gruppo || !t.HaValori(ultimo)) return;
            auto [minimo, massimo] = Estremi(t, ultimo);
            TElemTraLink e;
            e.Etichetta = etichetta;
            e.Condizione = this;
            e.Valori = v;
            e.Tabella = &t;
            e.Minimo = minimo;
            e.Massimo = massimo;
            esame.Elementi.push_back(std::move(e));
        };
        riporta(v->Principale, cat.Nome);
        if (v->SecondariaAbilitata) riporta(v->Secondaria, cat.Nome + " (Serie)");
    }
}

void TCondizione::CalcolaValori(const TColonna&, TValoriColonna& valori) const {
    valori.Quante = 0;
}

void TCondizione::CalcolaValoriEstrazione(int indice, TValoriColonna& valori) const {
    valori.Quante = 0;
    if (!Proprietario || indice < 0 || indice >= Proprietario->Archivio.Quante()) return;
    CalcolaValori(Proprietario->Archivio[indice].Vincente, valori);
}

// ---------------------------------------------------------------------------------------------
// Statistics

void TCondizione::AzzeraStatistiche() {
    StatArchivio.resize(categorie_.size());
    StatColonne.resize(categorie_.size());
    for (std::size_t i = 0; i < categorie_.size(); ++i) {
        const TCategoria& cat = categorie_[i];
        const int massimo = cat.Valori ? cat.Valori->Massimo : cat.Intervalli->Conta();
        StatArchivio[i].Inizializza(massimo);
        StatColonne[i].Inizializza(massimo);
    }
}

void TCondizione::AnalisiEstrazione(const TColonna& risultato) {
    if (StatArchivio.size() < categorie_.size()) AzzeraStatistiche();
    TValoriColonna v;
    CalcolaValori(risultato, v);
    const int n = std::min<int>(v.Quante, static_cast<int>(categorie_.size()));
    for (int i = 0; i < n; ++i) {
        const auto& coppia = v.Valori[i];
        StatArchivio[i].Aggiungi(coppia.Principale, 0, false);
        // The column holder counts the values the category's table accepts.
        const TValoriAmmessi* va = categorie_[i].Valori;
        bool accettato = true;
        if (va && va->Attivo && va->Principale.Attiva) {
            const int u = UltimoValore(*va);
            accettato = coppia.Principale >= 0 && coppia.Principale <= u &&
                        va->Principale.Voci[coppia.Principale].Stato != 0;
        } else if (categorie_[i].Intervalli && categorie_[i].Intervalli->Attivo) {
            const TIntervalliAmmessi& iv = *categorie_[i].Intervalli;
            accettato = false;
            for (int k = 0; k < iv.Conta(); ++k)
                if (iv.Intervalli[k].Min <= coppia.Principale &&
                    coppia.Principale <= iv.Intervalli[k].Max) {
                    accettato = iv.Intervalli[k].Tipo == 1 || iv.Intervalli[k].Tipo == 2;
                    break;
                }
        }
        if (accettato) StatColonne[i].Aggiungi(coppia.Principale, 0, false);
    }
}

void TCondizione::AnalisiColonna(const TColonna& colonna) {
    if (StatColonne.size() < categorie_.size()) AzzeraStatistiche();
    TValoriColonna v;
    CalcolaValori(colonna, v);
    const int n = std::min<int>(v.Quante, static_cast<int>(categorie_.size()));
    for (int i = 0; i < n; ++i)
        StatColonne[i].Aggiungi(v.Valori[i].Principale, v.Valori[i].Secondario, false);
}

void TCondizione::AnalisiArchivio() {
    if (StatArchivio.size() < categorie_.size()) AzzeraStatistiche();
    for (std::size_t i = 0; i < categorie_.size(); ++i)
        StatArchivio[i].Inizializza(categorie_[i].Valori ? categorie_[i].Valori->Massimo
                                                         : categorie_[i].Intervalli->Conta());
    if (!Proprietario) return;
    const TArchivio& archivio = Proprietario->Archivio;
    TValoriColonna v;
    for (int k = 0; k < archivio.Quante(); ++k) {
        const TEstrazione& e = archivio[k];
        if (!archivio.Selezione.Contiene(e, k)) continue;
        CalcolaValoriEstrazione(k, v);
        const int n = std::min<int>(v.Quante, static_cast<int>(categorie_.size()));
        for (int i = 0; i < n; ++i) {
            if (v.Valori[i].Principale < 0 && !ContaEstrazioniSenzaValore()) continue;
            StatArchivio[i].Aggiungi(v.Valori[i].Principale, v.Valori[i].Secondario, true);
        }
    }
}

void TCondizione::AnalisiColonne() {
    if (StatColonne.size() < categorie_.size()) AzzeraStatistiche();
    for (std::size_t i = 0; i < categorie_.size(); ++i)
        StatColonne[i].Inizializza(categorie_[i].Valori ? categorie_[i].Valori->Massimo
                                                        : categorie_[i].Intervalli->Conta());
    if (!Proprietario) return;
    for (const TColonna& c : Proprietario->Colonne) AnalisiColonna(c);
}

// ---------------------------------------------------------------------------------------------

std::unique_ptr<TCondizione> TCondizione::Clona() const {
    TScrittore s;
    if (!Salva(s)) return nullptr;
    auto copia = CreaCondizione(TipoCondizione, Proprietario);
    if (!copia) return nullptr;
    TLettore l(s.Dati());
    std::uint8_t tipo = 0;
    if (!l.LeggiU8(tipo) || !copia->Carica(l)) return nullptr;
    copia->Percorso = Percorso;
    copia->Attivo = Attivo;
    copia->VerificaRapida = VerificaRapida;
    return copia;
}

bool TCondizione::CopiaImpostazioni(const TCondizione& altra) {
    // A trial read first: a record that fails half-way must not leave this one half read.
    if (altra.TipoCondizione != TipoCondizione || !altra.Clona()) return false;
    TScrittore s;
    if (!altra.Salva(s)) return false;
    TLettore l(s.Dati());
    std::uint8_t tipo = 0;
    return l.LeggiU8(tipo) && Carica(l);
}

bool TCondizione::TraAttivo() const {
    return Proprietario && Proprietario->Condizioni && Proprietario->Condizioni->PuntiTraAttivo();
}

bool TCondizione::RaccoltaErrori() const {
    return Proprietario && Proprietario->Condizioni && Proprietario->Condizioni->RaccogliErrori;
}

void TCondizione::AggiungiErrore(TCondizione* c, std::int32_t indice) const {
    if (!Proprietario || !Proprietario->Condizioni) return;
    Proprietario->Condizioni->ListaErrori.push_back(TErrore{c, indice, 2});
}

void TCondizione::RegistraCategoria(std::string nome, TValoriAmmessi* valori) {
    categorie_.push_back(TCategoria{std::move(nome), valori, nullptr});
}

void TCondizione::RegistraCategoria(std::string nome, TIntervalliAmmessi* intervalli) {
    categorie_.push_back(TCategoria{std::move(nome), nullptr, intervalli});
}

bool TCondizione::SalvaCategorie(TScrittore& s) const {
    for (const TCategoria& cat : categorie_) {
        const bool ok = cat.Valori ? cat.Valori->Salva(s) : cat.Intervalli->Salva(s);
        if (!ok) return false;
    }
    return true;
}

bool TCondizione::CaricaCategorie(TLettore& l) {
    for (const TCategoria& cat : categorie_) {
        const bool ok = cat.Valori ? cat.Valori->Carica(l) : cat.Intervalli->Carica(l);
        if (!ok) return false;
    }
    return true;
}

}  // namespace sirvela
