#include "conditions/TCondizione.h"

#include <algorithm>

#include "archive/AvanzamentoAnalisi.h"
#include "conditions/Fabbrica.h"
#include "conditions/LimitiPrefisso.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Cp1252.h"
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

std::unique_ptr<TLimitePrefisso> TCondizione::LimitePrefisso() const {
    return nullptr;
}

bool TCondizione::PuoRegistrare() const {
    for (const TCategoria& cat : categorie_) {
        if (const TValoriAmmessi* v = cat.Valori) {
            const int ultimo = UltimoValore(*v);
            if ((v->Principale.Attiva && v->Principale.HaRecuperi(ultimo)) ||
                (v->Secondaria.Attiva && v->Secondaria.HaRecuperi(ultimo)))
                return true;
        } else if (cat.Intervalli && cat.Intervalli->Attivo && cat.Intervalli->HaRecuperi()) {
            return true;
        }
    }
    return false;
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

void TCondizione::RegistraCategoria(std::string nome, TValoriAmmessi* valori, std::string campo) {
    campi_.push_back(
        TCampoRecord{std::move(campo), TCampoCategoria{static_cast<int>(categorie_.size())}});
    categorie_.push_back(TCategoria{std::move(nome), valori, nullptr});
}

void TCondizione::RegistraCategoria(std::string nome, TIntervalliAmmessi* intervalli) {
    campi_.push_back(TCampoRecord{{}, TCampoCategoria{static_cast<int>(categorie_.size())}});
    categorie_.push_back(TCategoria{std::move(nome), nullptr, intervalli});
}

void TCondizione::RegistraCampo(std::string nome, TDatoCampo dato, bool scrittoAZero) {
    campi_.push_back(TCampoRecord{std::move(nome), dato, scrittoAZero});
}

void TCondizione::RegistraGruppi(std::string nome, const std::string& prefisso,
                                 std::vector<TIntervalliAmmessi>* liste, std::int32_t* quante) {
    for (std::size_t g = 0; g < liste->size(); ++g)
        categorie_.push_back(TCategoria{prefisso + std::to_string(g + 1), nullptr, &(*liste)[g]});
    campi_.push_back(TCampoRecord{std::move(nome), TCampoGruppi{liste, quante}});
}

// ---------------------------------------------------------------------------------------------
// The record, field by field

namespace {

// Nesting depth of the member lists being read on this thread: only Quadri nest, and a damaged
// file could ask for more levels than any real use.
thread_local int profonditaMembri = 0;
// The count of the reading going on, if any.
thread_local TLimiteLettura* limiteLettura = nullptr;

struct TLivelloMembri {
    TLivelloMembri() { ++profonditaMembri; }
    ~TLivelloMembri() { --profonditaMembri; }
};

int UltimaListaConIntervalli(const std::vector<TIntervalliAmmessi>& liste) {
    for (int g = static_cast<int>(liste.size()); g >= 1; --g)
        if (liste[static_cast<std::size_t>(g - 1)].Conta() > 0) return g;
    return 0;
}

}  // namespace

std::int64_t ContaCondizioni(const TCondizione& c) {
    std::int64_t n = 1;
    if (const auto* k = dynamic_cast<const TCondContenitore*>(&c))
        for (const auto& m : k->Membri) n += ContaCondizioni(*m);
    return n;
}

TLimiteLettura::TLimiteLettura(std::int64_t gia) : conta_(gia), prima_(limiteLettura) {
    limiteLettura = this;
}

TLimiteLettura::~TLimiteLettura() {
    limiteLettura = prima_;
}

bool TLimiteLettura::Conta() {
    TLimiteLettura* l = limiteLettura;
    if (!l) return true;
    if (++l->conta_ <= kMassimoCondizioni) return true;
    l->superato_ = true;
    return false;
}

bool TCondizione::Salva(TScrittore& s) const {
    if (!s.ScriviU8(TipoCondizione)) return false;
    for (const TCampoRecord& campo : campi_) {
        const bool ok = std::visit(
            TVisitaCampo{
                [&](bool* v) { return s.ScriviBool(*v); },
                [&](std::uint8_t* v) { return s.ScriviU8(campo.ScrittoAZero ? 0 : *v); },
                [&](std::int32_t* v) { return s.ScriviI32(*v); },
                [&](TColonna* v) { return s.Scrivi(v->data(), v->size()); },
                [&](TCombinazione* v) { return v->Salva(s); },
                [&](std::string* v) { return s.ScriviStringaCorta(*v); },
                [&](std::vector<std::string>* righe) {
                    for (const std::string& riga : *righe) {
                        const std::string byte = ACp1252(riga);
                        if (!s.ScriviI32(static_cast<std::int32_t>(byte.size())) ||
                            (!byte.empty() && !s.Scrivi(byte.data(), byte.size())))
                            return false;
                    }
                    return s.ScriviI32(-1);
                },
                [&](TCampoCategoria c) {
                    const TCategoria& cat = categorie_[static_cast<std::size_t>(c.Indice)];
                    return cat.Valori ? cat.Valori->Salva(s) : cat.Intervalli->Salva(s);
                },
                [&](TCampoMembri m) {
                    for (const auto& membro : *m.Lista)
                        if (!membro->Salva(s)) return false;
                    return s.ScriviU8(kFineLista);
                },
                // Written up to the last list holding intervals, whatever the switch says.
                [&](TCampoGruppi g) {
                    const int quante = UltimaListaConIntervalli(*g.Liste);
                    if (!s.ScriviI32(quante)) return false;
                    for (int i = 0; i < quante; ++i)
                        if (!(*g.Liste)[static_cast<std::size_t>(i)].Salva(s)) return false;
                    return true;
                },
            },
            campo.Dato);
        if (!ok) return false;
    }
    return true;
}

bool TCondizione::Carica(TLettore& l) {
    for (const TCampoRecord& campo : campi_) {
        if (const auto* m = std::get_if<TCampoMembri>(&campo.Dato)) m->Lista->clear();
        if (const auto* g = std::get_if<TCampoGruppi>(&campo.Dato)) {
            for (auto& lista : *g->Liste) lista.Azzera();
            *g->Quante = 0;
        }
    }
    bool ok = true;
    for (const TCampoRecord& campo : campi_) {
        ok = std::visit(
            TVisitaCampo{
                [&](bool* v) { return l.LeggiBool(*v); },
                [&](std::uint8_t* v) { return l.LeggiU8(*v); },
                [&](std::int32_t* v) { return l.LeggiI32(*v); },
                [&](TColonna* v) { return l.Leggi(v->data(), v->size()); },
                [&](TCombinazione* v) { return v->Carica(l); },
                [&](std::string* v) { return l.LeggiStringaCorta(*v); },
                [&](std::vector<std::string>* righe) {
                    righe->clear();
                    for (;;) {
                        std::int32_t lunghezza = 0;
                        if (!l.LeggiI32(lunghezza)) return false;
                        if (lunghezza == -1) return true;
                        // A length the data cannot hold is damage, not a reason to allocate.
                        if (lunghezza < 0 || static_cast<std::uint64_t>(lunghezza) > l.Rimanenti())
                            return false;
                        std::string byte(static_cast<std::size_t>(lunghezza), '\0');
                        if (lunghezza > 0 && !l.Leggi(byte.data(), byte.size())) return false;
                        righe->push_back(DaCp1252(byte));
                    }
                },
                [&](TCampoCategoria c) {
                    const TCategoria& cat = categorie_[static_cast<std::size_t>(c.Indice)];
                    return cat.Valori ? cat.Valori->Carica(l) : cat.Intervalli->Carica(l);
                },
                // Members are read until the end byte; a code the list does not hold, or a
                // member past the limit, is a read failure. Members read so far are kept, the
                // last one as far as it was read.
                [&](TCampoMembri m) {
                    TLivelloMembri livello;
                    if (profonditaMembri > TCondContenitore::kProfonditaMassima) return false;
                    for (;;) {
                        std::uint8_t tipo = 0;
                        if (!l.LeggiU8(tipo)) return false;
                        if (tipo == kFineLista) return true;
                        if (!MembroAmmesso(m.Tipo, tipo) ||
                            static_cast<int>(m.Lista->size()) >= m.Limite ||
                            !TLimiteLettura::Conta())
                            return false;
                        auto membro = CreaCondizione(tipo, Proprietario);
                        if (!membro) return false;
                        const bool letto = membro->Carica(l);
                        m.Lista->push_back(std::move(membro));
                        if (!letto) return false;
                    }
                },
                [&](TCampoGruppi g) {
                    std::int32_t quante = 0;
                    if (!l.LeggiI32(quante)) return false;
                    // Damaged: there are no more lists than these.
                    if (quante < 0 || quante > static_cast<std::int32_t>(g.Liste->size()))
                        return false;
                    *g.Quante = quante;
                    for (int i = 0; i < quante; ++i)
                        if (!(*g.Liste)[static_cast<std::size_t>(i)].Carica(l)) return false;
                    return true;
                },
            },
            campo.Dato);
        if (!ok) break;
    }
    DopoLettura();
    return ok;
}

}  // namespace sirvela
