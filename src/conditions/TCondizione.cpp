#include "conditions/TCondizione.h"

#include <algorithm>

#include "archive/AvanzamentoAnalisi.h"
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

int TCondizione::MassimoStatistica(int categoria) const {
    const TCategoria& cat = categorie_[static_cast<std::size_t>(categoria)];
    return cat.Valori ? cat.Valori->Massimo : cat.Intervalli->Conta();
}

void TCondizione::ValoriStatistici(const TColonna& c, TValoriColonna& valori) {
    CalcolaValori(c, valori);
}

void TCondizione::ValoriStatisticiEstrazione(int indice, TValoriColonna& valori) {
    valori.Quante = 0;
    if (!Proprietario || indice < 0 || indice >= Proprietario->Archivio.Quante()) return;
    ValoriStatistici(Proprietario->Archivio[indice].Vincente, valori);
}

bool TCondizione::AccettaStatistica(int categoria, const TValoriColonna& valori) const {
    const TCategoria& cat = categorie_[static_cast<std::size_t>(categoria)];
    const auto& coppia = valori.Valori[static_cast<std::size_t>(categoria)];
    if (const TValoriAmmessi* va = cat.Valori) {
        if (!va->Attivo) return true;
        const int ultimo = UltimoValore(*va);
        auto prende = [ultimo](const TTabellaValori& t, int v) {
            if (!t.Attiva) return true;
            return v >= 0 && v <= ultimo && t.Voci[static_cast<std::size_t>(v)].Stato != 0;
        };
        return prende(va->Principale, coppia.Principale) &&
               prende(va->Secondaria, coppia.Secondario);
    }
    const TIntervalliAmmessi& iv = *cat.Intervalli;
    if (!iv.Attivo) return true;
    const int riga = coppia.Principale;
    if (riga < 0 || riga >= iv.Conta()) return false;  // "Altri"
    const int tipo = iv.Intervalli[static_cast<std::size_t>(riga)].Tipo;
    return tipo == 1 || tipo == 2;
}

void TCondizione::AzzeraStatistiche() {
    StatArchivio.resize(categorie_.size());
    StatColonne.resize(categorie_.size());
    for (std::size_t i = 0; i < categorie_.size(); ++i) {
        const int massimo = MassimoStatistica(static_cast<int>(i));
        StatArchivio[i].Inizializza(massimo);
        StatColonne[i].Inizializza(massimo);
    }
}

bool TCondizione::AnalisiArchivio(IAvanzamentoAnalisi* avanzamento) {
    PreparaStatistiche();
    StatArchivio.resize(categorie_.size());
    StatColonne.resize(categorie_.size());
    for (std::size_t i = 0; i < categorie_.size(); ++i)
        StatArchivio[i].Inizializza(MassimoStatistica(static_cast<int>(i)));
    if (!Proprietario) return true;
    const TArchivio& archivio = Proprietario->Archivio;
    const TClasseDiEstrazioni& selezione = archivio.Selezione;
    TContatoreAvanzamento gauge(
        avanzamento, TFaseAnalisi::Archivio,
        selezione.Tutte ? archivio.Quante() : std::int64_t{selezione.Al} - selezione.Dal + 1);
    const int n = static_cast<int>(categorie_.size());
    TValoriColonna v;
    for (int k = 0; k < archivio.Quante(); ++k) {
        if (!selezione.Contiene(archivio[k], k)) continue;
        ValoriStatisticiEstrazione(k, v);
        const int quante = std::min(v.Quante, n);
        for (int i = 0; i < quante; ++i) {
            const auto& coppia = v.Valori[static_cast<std::size_t>(i)];
            if (coppia.Principale < 0 && !ContaEstrazioniSenzaValore()) continue;
            StatArchivio[static_cast<std::size_t>(i)].Aggiungi(coppia.Principale, coppia.Secondario,
                                                               true);
        }
        if (k % 100 == 0 && gauge.Annullato()) return false;
        gauge.Avanza();
    }
    return true;
}

void TCondizione::AnalisiColonne() {
    PreparaStatistiche();
    StatArchivio.resize(categorie_.size());
    StatColonne.resize(categorie_.size());
    for (std::size_t i = 0; i < categorie_.size(); ++i)
        StatColonne[i].Inizializza(MassimoStatistica(static_cast<int>(i)));
    if (!Proprietario) return;
    for (const TColonna& c : Proprietario->Colonne) AnalisiColonna(c);
}

void TCondizione::AnalisiColonna(const TColonna& colonna) {
    if (StatColonne.size() < categorie_.size()) AzzeraStatistiche();
    TValoriColonna v;
    ValoriStatistici(colonna, v);
    const int n = std::min<int>(v.Quante, static_cast<int>(categorie_.size()));
    for (int i = 0; i < n; ++i) {
        const auto& coppia = v.Valori[static_cast<std::size_t>(i)];
        StatColonne[static_cast<std::size_t>(i)].Aggiungi(coppia.Principale, coppia.Secondario,
                                                          false);
    }
}

void TCondizione::AnalisiEstrazione(const TColonna& colonna) {
    if (StatArchivio.size() < categorie_.size() || StatColonne.size() < categorie_.size())
        AzzeraStatistiche();
    TValoriColonna v;
    ValoriStatistici(colonna, v);
    const int n = std::min<int>(v.Quante, static_cast<int>(categorie_.size()));
    for (int i = 0; i < n; ++i) {
        const auto& coppia = v.Valori[static_cast<std::size_t>(i)];
        // The secondary value too, so the "Cons." view of the columns reads real runs.
        StatArchivio[static_cast<std::size_t>(i)].Aggiungi(coppia.Principale, coppia.Secondario,
                                                           false);
        if (AccettaStatistica(i, v))
            StatColonne[static_cast<std::size_t>(i)].Aggiungi(coppia.Principale, coppia.Secondario,
                                                              false);
    }
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
