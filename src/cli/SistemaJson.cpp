#include "cli/SistemaJson.h"

#include <map>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Cp1252.h"
#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"

namespace sirvela {
namespace {

using json = nlohmann::json;
using ojson = nlohmann::ordered_json;

constexpr const char* kFormato = "sirvela-sistema";

[[noreturn]] void Rifiuta(const std::string& campo, const std::string& motivo) {
    throw TErroreSirvela("Valore non valido nel campo \"" + campo + "\": " + motivo);
}

// ---- reading helpers: every value is checked against the range its field can hold ----

const json* Trova(const json& oggetto, const char* nome) {
    auto it = oggetto.find(nome);
    return it == oggetto.end() ? nullptr : &*it;
}

void Oggetto(const json& v, const std::string& campo) {
    if (!v.is_object()) Rifiuta(campo, "atteso un oggetto");
}

void Lista(const json& v, const std::string& campo) {
    if (!v.is_array()) Rifiuta(campo, "attesa una lista");
}

long long Intero(const json& v, const std::string& campo, long long minimo, long long massimo) {
    if (!v.is_number_integer())
        Rifiuta(campo, "atteso un numero intero tra " + std::to_string(minimo) + " e " +
                           std::to_string(massimo));
    long long x = v.is_number_unsigned() ? static_cast<long long>(v.get<unsigned long long>())
                                         : v.get<long long>();
    if (v.is_number_unsigned() && v.get<unsigned long long>() > 9000000000000000000ULL)
        x = massimo + 1;
    if (x < minimo || x > massimo)
        Rifiuta(campo, std::to_string(x) + " fuori dall'intervallo " + std::to_string(minimo) +
                           ".." + std::to_string(massimo));
    return x;
}

bool Booleano(const json& v, const std::string& campo) {
    if (v.is_boolean()) return v.get<bool>();
    Rifiuta(campo, "atteso true o false");
}

double Reale(const json& v, const std::string& campo) {
    if (!v.is_number()) Rifiuta(campo, "atteso un numero");
    return v.get<double>();
}

std::string Testo(const json& v, const std::string& campo, std::size_t massimoByte = 255) {
    if (!v.is_string()) Rifiuta(campo, "atteso un testo");
    std::string t = v.get<std::string>();
    if (ACp1252(t).size() > massimoByte)
        Rifiuta(campo, "testo più lungo di " + std::to_string(massimoByte) + " caratteri");
    return t;
}

template <typename F>
void Se(const json& oggetto, const char* nome, const std::string& base, F&& f) {
    if (const json* v = Trova(oggetto, nome))
        f(*v, base.empty() ? std::string(nome) : base + "." + nome);
}

char Lettera(const json& v, const std::string& campo) {
    std::string t = Testo(v, campo);
    if (t.size() != 1 || t[0] < 'A' || t[0] > 'Z') Rifiuta(campo, "attesa una lettera da A a Z");
    return t[0];
}

std::vector<std::string> Righe(const json& v, const std::string& campo) {
    Lista(v, campo);
    std::vector<std::string> r;
    for (std::size_t i = 0; i < v.size(); ++i)
        r.push_back(Testo(v[i], campo + "[" + std::to_string(i) + "]", 1u << 30));
    return r;
}

TColonna Colonna8(const json& v, const std::string& campo) {
    Lista(v, campo);
    if (v.size() != 8) Rifiuta(campo, "attesi 8 numeri");
    TColonna c{};
    for (std::size_t i = 0; i < 8; ++i)
        c[i] =
            static_cast<std::uint8_t>(Intero(v[i], campo + "[" + std::to_string(i) + "]", 0, 255));
    return c;
}

ojson Colonna8(const TColonna& c) {
    ojson a = ojson::array();
    for (auto b : c) a.push_back(b);
    return a;
}

// ---- number lists ----

ojson EsportaCombinazione(const TCombinazione& c) {
    bool completa = c.Quanti < 0 || c.Quanti > TCombinazione::kCapacita;
    for (int i = c.Conta(); i < TCombinazione::kCapacita; ++i)
        if (c.Numeri[i] != 0) completa = true;
    if (!completa) {
        ojson a = ojson::array();
        for (int i = 0; i < c.Conta(); ++i) a.push_back(c.Numeri[i]);
        return a;
    }
    ojson o;
    o["Quanti"] = c.Quanti;
    o["Slot"] = c.Numeri;
    return o;
}

TCombinazione ImportaCombinazione(const json& v, const std::string& campo) {
    TCombinazione c;
    if (v.is_array()) {
        if (v.size() > TCombinazione::kCapacita) Rifiuta(campo, "più di 100 numeri");
        for (std::size_t i = 0; i < v.size(); ++i)
            c.Numeri[i] = static_cast<std::uint16_t>(
                Intero(v[i], campo + "[" + std::to_string(i) + "]", 0, 65535));
        c.Quanti = static_cast<std::int16_t>(v.size());
        return c;
    }
    Oggetto(v, campo);
    const json* q = Trova(v, "Quanti");
    const json* s = Trova(v, "Slot");
    if (!q || !s) Rifiuta(campo, "attesi \"Quanti\" e \"Slot\"");
    c.Quanti = static_cast<std::int16_t>(Intero(*q, campo + ".Quanti", -32768, 32767));
    Lista(*s, campo + ".Slot");
    if (s->size() != TCombinazione::kCapacita) Rifiuta(campo + ".Slot", "attesi 100 numeri");
    for (std::size_t i = 0; i < s->size(); ++i)
        c.Numeri[i] = static_cast<std::uint16_t>(
            Intero((*s)[i], campo + ".Slot[" + std::to_string(i) + "]", 0, 65535));
    return c;
}

// ---- accepted values ----

int UltimoValoreScritto(int massimo) {
    return std::min(massimo + 3, TTabellaValori::kValori - 1);
}

int LivelloBase(const TTabellaValori& t, int ultimo) {
    std::map<int, int> conta;
    for (int v = 0; v <= ultimo; ++v)
        if (t.Voci[v].Stato != 2) ++conta[t.Voci[v].Livello];
    int base = 0, migliore = -1;
    for (auto [livello, n] : conta)
        if (n > migliore) {
            migliore = n;
            base = livello;
        }
    return base;
}

bool TabellaVuota(const TTabellaValori& t, int massimo) {
    if (t.Attiva || t.LetteraLink != 'A' || t.GruppoTra != 0) return false;
    for (int v = 0; v <= UltimoValoreScritto(massimo); ++v)
        if (t.Voci[v].Stato != 0 || t.Voci[v].Livello != 0) return false;
    return true;
}

ojson EsportaTabella(const TTabellaValori& t, int massimo) {
    const int ultimo = UltimoValoreScritto(massimo);
    const int base = LivelloBase(t, ultimo);
    ojson accettati = ojson::array(), recupero = ojson::array(), eccezioni = ojson::array();
    for (int v = 0; v <= ultimo; ++v) {
        const auto& e = t.Voci[v];
        if (e.Stato == 1 && e.Livello == base)
            accettati.push_back(v);
        else if (e.Stato == 2)
            recupero.push_back({{"Valore", v}, {"Livello", e.Livello}});
        else if (!(e.Stato == 0 && e.Livello == base))
            eccezioni.push_back({v, e.Stato, e.Livello});
    }
    ojson o;
    o["Accettati"] = accettati;
    if (!recupero.empty()) o["InRecupero"] = recupero;
    o["Link"] = DaCp1252(std::string(1, t.LetteraLink));
    o["GruppoTra"] = t.GruppoTra;
    if (t.Attiva) o["Attiva"] = true;
    if (base != 0) o["Livello"] = base;
    if (!eccezioni.empty()) o["Eccezioni"] = eccezioni;
    return o;
}

void ImportaTabella(const json& j, TTabellaValori& t, int massimo, const std::string& campo) {
    Oggetto(j, campo);
    const int ultimo = UltimoValoreScritto(massimo);
    int base = 0;
    Se(j, "Livello", campo,
       [&](const json& v, const std::string& c) { base = static_cast<int>(Intero(v, c, 0, 255)); });
    t.Voci.fill({});
    for (int v = 0; v <= ultimo; ++v) t.Voci[v].Livello = static_cast<std::uint8_t>(base);
    auto valore = [&](const json& v, const std::string& c) {
        return static_cast<int>(Intero(v, c, 0, ultimo));
    };
    Se(j, "Accettati", campo, [&](const json& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i)
            t.Voci[valore(lista[i], c + "[" + std::to_string(i) + "]")].Stato = 1;
    });
    Se(j, "InRecupero", campo, [&](const json& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const std::string ci = c + "[" + std::to_string(i) + "]";
            Oggetto(lista[i], ci);
            const json* v = Trova(lista[i], "Valore");
            if (!v) Rifiuta(ci, "manca \"Valore\"");
            int x = valore(*v, ci + ".Valore");
            int livello = 1;
            Se(lista[i], "Livello", ci, [&](const json& l, const std::string& cl) {
                livello = static_cast<int>(Intero(l, cl, 0, 255));
            });
            t.Voci[x] = {2, static_cast<std::uint8_t>(livello)};
        }
    });
    Se(j, "Eccezioni", campo, [&](const json& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const std::string ci = c + "[" + std::to_string(i) + "]";
            Lista(lista[i], ci);
            if (lista[i].size() != 3) Rifiuta(ci, "attesi [valore, stato, livello]");
            int x = valore(lista[i][0], ci + "[0]");
            t.Voci[x] = {static_cast<std::uint8_t>(Intero(lista[i][1], ci + "[1]", 0, 255)),
                         static_cast<std::uint8_t>(Intero(lista[i][2], ci + "[2]", 0, 255))};
        }
    });
    t.LetteraLink = 'A';
    Se(j, "Link", campo,
       [&](const json& v, const std::string& c) { t.LetteraLink = Lettera(v, c); });
    t.GruppoTra = 0;
    Se(j, "GruppoTra", campo, [&](const json& v, const std::string& c) {
        t.GruppoTra = static_cast<std::uint16_t>(Intero(v, c, 0, 30));
    });
    t.Attiva = false;
    Se(j, "Attiva", campo, [&](const json& v, const std::string& c) { t.Attiva = Booleano(v, c); });
}

ojson EsportaValori(const TValoriAmmessi& v) {
    ojson o;
    o["Principale"] = EsportaTabella(v.Principale, v.Massimo);
    if (!TabellaVuota(v.Secondaria, v.Massimo))
        o["Secondaria"] = EsportaTabella(v.Secondaria, v.Massimo);
    if (v.CampoDa != 1 || v.CampoA != 8) o["Campo"] = {v.CampoDa, v.CampoA};
    return o;
}

void ImportaValori(const json& j, TValoriAmmessi& v, const std::string& campo) {
    Oggetto(j, campo);
    const json vuota = json::object();
    const json* p = Trova(j, "Principale");
    ImportaTabella(p ? *p : vuota, v.Principale, v.Massimo, campo + ".Principale");
    const json* s = Trova(j, "Secondaria");
    ImportaTabella(s ? *s : vuota, v.Secondaria, v.Massimo, campo + ".Secondaria");
    v.CampoDa = 1;
    v.CampoA = 8;
    Se(j, "Campo", campo, [&](const json& c, const std::string& n) {
        Lista(c, n);
        if (c.size() != 2) Rifiuta(n, "attesi [da, a]");
        v.CampoDa = static_cast<std::uint16_t>(Intero(c[0], n + "[0]", 0, 65535));
        v.CampoA = static_cast<std::uint16_t>(Intero(c[1], n + "[1]", 0, 65535));
    });
}

// ---- interval lists ----

bool IntervalloVuoto(const TIntervallo& i) {
    return i == TIntervallo{};
}

ojson EsportaIntervallo(const TIntervallo& i) {
    ojson o;
    o["Min"] = i.Min;
    o["Max"] = i.Max;
    o["Tipo"] = i.Tipo;
    if (i.Tipo == 2 || i.Livello != 0) o["Livello"] = i.Livello;
    return o;
}

TIntervallo ImportaIntervallo(const json& j, const std::string& campo) {
    Oggetto(j, campo);
    TIntervallo i;
    const json* mn = Trova(j, "Min");
    const json* mx = Trova(j, "Max");
    if (!mn || !mx) Rifiuta(campo, "attesi \"Min\" e \"Max\"");
    i.Min = Reale(*mn, campo + ".Min");
    i.Max = Reale(*mx, campo + ".Max");
    i.Tipo = 1;
    Se(j, "Tipo", campo, [&](const json& v, const std::string& c) {
        i.Tipo = static_cast<std::uint16_t>(Intero(v, c, 0, 65535));
    });
    Se(j, "Livello", campo, [&](const json& v, const std::string& c) {
        i.Livello = static_cast<std::int16_t>(Intero(v, c, -32768, 32767));
    });
    return i;
}

bool IntervalliVuoti(const TIntervalliAmmessi& l) {
    if (l.Quanti != 0 || l.LetteraLink != 'A') return false;
    for (const auto& i : l.Intervalli)
        if (!IntervalloVuoto(i)) return false;
    return true;
}

ojson EsportaIntervalli(const TIntervalliAmmessi& l) {
    ojson o;
    ojson a = ojson::array();
    for (int i = 0; i < l.Conta(); ++i) a.push_back(EsportaIntervallo(l.Intervalli[i]));
    o["Intervalli"] = a;
    o["Link"] = DaCp1252(std::string(1, l.LetteraLink));
    if (l.Quanti != l.Conta()) o["Quanti"] = l.Quanti;
    ojson residui = ojson::array();
    for (int i = l.Conta(); i < TIntervalliAmmessi::kIntervalli; ++i)
        if (!IntervalloVuoto(l.Intervalli[i])) {
            ojson r = EsportaIntervallo(l.Intervalli[i]);
            r["Posto"] = i;
            residui.push_back(r);
        }
    if (!residui.empty()) o["Residui"] = residui;
    return o;
}

void ImportaIntervalli(const json& j, TIntervalliAmmessi& l, const std::string& campo) {
    Oggetto(j, campo);
    l.Intervalli.fill({});
    l.Quanti = 0;
    Se(j, "Intervalli", campo, [&](const json& a, const std::string& c) {
        Lista(a, c);
        if (a.size() > TIntervalliAmmessi::kIntervalli) Rifiuta(c, "più di 43 intervalli");
        for (std::size_t i = 0; i < a.size(); ++i)
            l.Intervalli[i] = ImportaIntervallo(a[i], c + "[" + std::to_string(i) + "]");
        l.Quanti = static_cast<std::int16_t>(a.size());
    });
    Se(j, "Quanti", campo, [&](const json& v, const std::string& c) {
        l.Quanti = static_cast<std::int16_t>(Intero(v, c, -32768, 32767));
    });
    Se(j, "Residui", campo, [&](const json& a, const std::string& c) {
        Lista(a, c);
        for (std::size_t i = 0; i < a.size(); ++i) {
            const std::string ci = c + "[" + std::to_string(i) + "]";
            Oggetto(a[i], ci);
            const json* p = Trova(a[i], "Posto");
            if (!p) Rifiuta(ci, "manca \"Posto\"");
            int posto =
                static_cast<int>(Intero(*p, ci + ".Posto", 0, TIntervalliAmmessi::kIntervalli - 1));
            l.Intervalli[posto] = ImportaIntervallo(a[i], ci);
        }
    });
    l.LetteraLink = 'A';
    Se(j, "Link", campo,
       [&](const json& v, const std::string& c) { l.LetteraLink = Lettera(v, c); });
}

// ---- conditions ----

bool HaOpzione(int tipo) {
    return tipo == kSimmetrie || tipo == kInterruzioni || tipo == kRipetizioni;
}

ojson EsportaCondizione(const TCondizione& c);

ojson EsportaMembri(const TCondContenitore& g) {
    ojson a = ojson::array();
    for (const auto& m : g.Membri) a.push_back(EsportaCondizione(*m));
    return a;
}

ojson EsportaCondizione(const TCondizione& c) {
    ojson o;
    o["Tipo"] = c.TipoCondizione;
    o["Nome"] = c.Nome;
    o["Attivato"] = c.Attivato;
    if (HaOpzione(c.TipoCondizione)) o["Opzione"] = c.Opzione;
    if (auto q = dynamic_cast<const TCondQuadro*>(&c)) {
        o["Preset"] = q->Preset;
        o["Relazione"] = q->Relazione;
        o["Accettate"] = EsportaValori(q->Accettate);
        o["Commento"] = q->Commento;
        o["Membri"] = EsportaMembri(*q);
        return o;
    }
    if (auto g = dynamic_cast<const TCondGruppo*>(&c)) {
        o["Membri"] = EsportaMembri(*g);
        return o;
    }
    if (auto t = dynamic_cast<const TCondPuntiTra*>(&c)) {
        ojson gruppi = ojson::object();
        for (int g = 1; g <= TCondPuntiTra::kGruppi; ++g)
            if (!IntervalliVuoti(t->Punti(g)))
                gruppi[std::to_string(g)] = EsportaIntervalli(t->Punti(g));
        o["Gruppi"] = gruppi;
        return o;
    }
    ojson categorie = ojson::object();
    for (const auto& cat : c.Categorie())
        categorie[cat.Nome] =
            cat.Valori ? EsportaValori(*cat.Valori) : EsportaIntervalli(*cat.Intervalli);
    o["Categorie"] = categorie;
    if (auto k = dynamic_cast<const TCondNumeroSequenze*>(&c))
        o["LunghezzaMostrata"] = k->LunghezzaMostrata;
    if (auto k = dynamic_cast<const TCondConsecDiff*>(&c)) o["Segno"] = k->Segno;
    if (auto k = dynamic_cast<const TCondDistanzeSpecifiche*>(&c)) {
        o["Posizione1"] = k->Posizione1;
        o["Posizione2"] = k->Posizione2;
    }
    if (auto k = dynamic_cast<const TCondResti*>(&c)) o["Divisore"] = k->Divisore;
    if (auto k = dynamic_cast<const TCondColonnaFiltro*>(&c)) {
        o["Confronto"] = k->Confronto;
        o["ColonnaFiltro"] = Colonna8(k->ColonnaFiltro);
        o["PilotiFiltro"] = EsportaCombinazione(k->PilotiFiltro);
    }
    if (auto k = dynamic_cast<const TCondSequela*>(&c)) {
        o["TipoSequela"] = k->TipoSequela;
        o["Sequela"] = Colonna8(k->Sequela);
        o["Lunghezza"] = k->Lunghezza;
        o["PassoTrovata"] = k->PassoTrovata;
        o["PassoNonTrovata"] = k->PassoNonTrovata;
    }
    return o;
}

std::int32_t Int32(const json& v, const std::string& c) {
    return static_cast<std::int32_t>(Intero(v, c, INT32_MIN, INT32_MAX));
}

std::unique_ptr<TCondizione> ImportaCondizione(const json& j, TDatiSistema* dati, int tipoAtteso,
                                               const std::string& campo, int profondita);

void ImportaMembri(const json& j, TCondContenitore& g, TDatiSistema* dati, int tipoMembri,
                   const std::string& campo, int profondita) {
    g.Membri.clear();
    Se(j, "Membri", campo, [&](const json& a, const std::string& c) {
        Lista(a, c);
        if (a.size() > static_cast<std::size_t>(TCondQuadro::kMaxMembri))
            Rifiuta(c, "più di 999 membri");
        for (std::size_t i = 0; i < a.size(); ++i)
            g.Membri.push_back(ImportaCondizione(
                a[i], dati, tipoMembri, c + "[" + std::to_string(i) + "]", profondita + 1));
    });
}

std::unique_ptr<TCondizione> ImportaCondizione(const json& j, TDatiSistema* dati, int tipoAtteso,
                                               const std::string& campo, int profondita) {
    Oggetto(j, campo);
    if (profondita > TCondQuadro::kProfonditaMassima)
        Rifiuta(campo, "Quadri annidati troppo a fondo");
    const json* t = Trova(j, "Tipo");
    if (!t) Rifiuta(campo, "manca \"Tipo\"");
    const int tipo = static_cast<int>(Intero(*t, campo + ".Tipo", 0, 255));
    if (tipoAtteso >= 0 && tipo != tipoAtteso)
        Rifiuta(campo + ".Tipo",
                "atteso " + std::to_string(tipoAtteso) + ", trovato " + std::to_string(tipo));
    auto c = CreaCondizione(tipo, dati);
    if (!c) Rifiuta(campo + ".Tipo", std::to_string(tipo) + " non è un tipo di condizione");
    Se(j, "Attivato", campo,
       [&](const json& v, const std::string& n) { c->Attivato = Booleano(v, n); });
    if (HaOpzione(tipo))
        Se(j, "Opzione", campo, [&](const json& v, const std::string& n) {
            c->Opzione = static_cast<std::uint8_t>(Intero(v, n, 0, 255));
        });
    if (auto q = dynamic_cast<TCondQuadro*>(c.get())) {
        Se(j, "Nome", campo, [&](const json& v, const std::string& n) { q->Nome = Testo(v, n); });
        Se(j, "Preset", campo,
           [&](const json& v, const std::string& n) { q->Preset = Booleano(v, n); });
        Se(j, "Relazione", campo, [&](const json& v, const std::string& n) {
            q->Relazione = static_cast<std::uint8_t>(Intero(v, n, 0, 255));
        });
        Se(j, "Accettate", campo,
           [&](const json& v, const std::string& n) { ImportaValori(v, q->Accettate, n); });
        Se(j, "Commento", campo,
           [&](const json& v, const std::string& n) { q->Commento = Righe(v, n); });
        ImportaMembri(j, *q, dati, -1, campo, profondita);
        return c;
    }
    if (auto g = dynamic_cast<TCondGruppo*>(c.get())) {
        ImportaMembri(j, *g, dati, g->TipoMembri(), campo, profondita);
        return c;
    }
    if (auto p = dynamic_cast<TCondPuntiTra*>(c.get())) {
        Se(j, "Gruppi", campo, [&](const json& gruppi, const std::string& n) {
            Oggetto(gruppi, n);
            for (auto it = gruppi.begin(); it != gruppi.end(); ++it) {
                long long g = 0;
                if (!InteroDaTesto(it.key(), g) || g < 1 || g > TCondPuntiTra::kGruppi)
                    Rifiuta(n + "." + it.key(), "i gruppi vanno da 1 a 30");
                ImportaIntervalli(it.value(), p->Punti(static_cast<int>(g)), n + "." + it.key());
            }
        });
        return c;
    }
    Se(j, "Categorie", campo, [&](const json& cats, const std::string& n) {
        Oggetto(cats, n);
        for (auto it = cats.begin(); it != cats.end(); ++it) {
            bool trovata = false;
            for (const auto& cat : c->Categorie()) {
                if (cat.Nome != it.key()) continue;
                trovata = true;
                if (cat.Valori)
                    ImportaValori(it.value(), *cat.Valori, n + "." + it.key());
                else
                    ImportaIntervalli(it.value(), *cat.Intervalli, n + "." + it.key());
            }
            if (!trovata) Rifiuta(n + "." + it.key(), "categoria sconosciuta per questo tipo");
        }
    });
    if (auto k = dynamic_cast<TCondNumeroSequenze*>(c.get()))
        Se(j, "LunghezzaMostrata", campo, [&](const json& v, const std::string& n) {
            k->LunghezzaMostrata = static_cast<std::uint8_t>(Intero(v, n, 0, 255));
        });
    if (auto k = dynamic_cast<TCondConsecDiff*>(c.get()))
        Se(j, "Segno", campo, [&](const json& v, const std::string& n) {
            k->Segno = static_cast<std::uint8_t>(Intero(v, n, 0, 255));
        });
    if (auto k = dynamic_cast<TCondDistanzeSpecifiche*>(c.get())) {
        Se(j, "Posizione1", campo,
           [&](const json& v, const std::string& n) { k->Posizione1 = Int32(v, n); });
        Se(j, "Posizione2", campo,
           [&](const json& v, const std::string& n) { k->Posizione2 = Int32(v, n); });
    }
    if (auto k = dynamic_cast<TCondResti*>(c.get()))
        Se(j, "Divisore", campo,
           [&](const json& v, const std::string& n) { k->Divisore = Int32(v, n); });
    if (auto k = dynamic_cast<TCondColonnaFiltro*>(c.get())) {
        Se(j, "Confronto", campo,
           [&](const json& v, const std::string& n) { k->Confronto = Int32(v, n); });
        Se(j, "ColonnaFiltro", campo,
           [&](const json& v, const std::string& n) { k->ColonnaFiltro = Colonna8(v, n); });
        Se(j, "PilotiFiltro", campo, [&](const json& v, const std::string& n) {
            k->PilotiFiltro = ImportaCombinazione(v, n);
        });
    }
    if (auto k = dynamic_cast<TCondSequela*>(c.get())) {
        Se(j, "TipoSequela", campo,
           [&](const json& v, const std::string& n) { k->TipoSequela = Int32(v, n); });
        Se(j, "Sequela", campo,
           [&](const json& v, const std::string& n) { k->Sequela = Colonna8(v, n); });
        Se(j, "Lunghezza", campo,
           [&](const json& v, const std::string& n) { k->Lunghezza = Int32(v, n); });
        Se(j, "PassoTrovata", campo,
           [&](const json& v, const std::string& n) { k->PassoTrovata = Int32(v, n); });
        Se(j, "PassoNonTrovata", campo,
           [&](const json& v, const std::string& n) { k->PassoNonTrovata = Int32(v, n); });
        k->ImpostaSecondaria();
    }
    return c;
}

}  // namespace

ojson EsportaSistema(const T_Sistema& s, bool conColonne) {
    const TDatiSistema& d = s.Dati;
    ojson o;
    o["Formato"] = kFormato;
    o["VersioneFormato"] = VersioneFormato;
    ojson pronostico = ojson::array();
    for (const auto& p : d.Pronostico.Posizione) pronostico.push_back(EsportaCombinazione(p));
    o["Pronostico"] = pronostico;
    o["Concorso"] = d.Concorso;
    ojson condizioni = ojson::array();
    for (int k = 1; k <= 18; ++k)
        condizioni.push_back(EsportaCondizione(*d.Condizioni->Condizione(k)));
    o["Condizioni"] = condizioni;
    ojson link = ojson::object();
    for (int i = 0; i < 26; ++i) {
        const auto& tabella = d.Recuperi->Gruppi[i]->ErroriAmmessi;
        if (!TabellaVuota(tabella.Principale, tabella.Massimo) ||
            !TabellaVuota(tabella.Secondaria, tabella.Massimo) || tabella.CampoDa != 1 ||
            tabella.CampoA != 8)
            link[std::string(1, static_cast<char>('A' + i))] = EsportaValori(tabella);
    }
    link["Totali"] = EsportaValori(d.Recuperi->ErroriAmmessiTotali);
    o["Link"] = link;
    o["Sorgente"] = {{"DaPronostico", d.Sorgente.DaPronostico},
                     {"FileSorgente", d.Sorgente.FileSorgente}};
    const auto& imp = d.ImpSviluppo;
    o["ImpSviluppo"] = {{"UsaCondizioni", imp.UsaCondizioni},
                        {"Autoriduzione", imp.Autoriduzione},
                        {"InMemoria", imp.InMemoria},
                        {"Ottimizzata", imp.Ottimizzata},
                        {"Migliorata", imp.Migliorata},
                        {"Garanzia", imp.Garanzia},
                        {"VinciteMultiple", imp.VinciteMultiple},
                        {"FileDestinazione", imp.FileDestinazione}};
    o["Commento"] = s.Commento;
    o["Partecipanti"] = s.Partecipanti;
    o["NumPartecipanti"] = s.NumPartecipanti;
    o["SpecificaNomi"] = s.SpecificaNomi;
    const auto& sel = d.Archivio.Selezione;
    o["Selezione"] = {{"Tutte", sel.Tutte}, {"Dal", sel.Dal}, {"Al", sel.Al}};
    if (conColonne) {
        ojson colonne = ojson::array();
        for (const auto& c : d.Colonne) colonne.push_back(Colonna8(c));
        o["Colonne"] = colonne;
    }
    return o;
}

ojson EsportaFileSistema(const std::filesystem::path& percorso) {
    T_Sistema s;
    if (!s.CaricaSistema(percorso)) throw TErroreSirvela(kErroreCaricaSistema);
    // The file has no count of its columns: they are there when it goes past the selection.
    s.Dati.SalvaColonne = false;
    TScrittore senza;
    s.SalvaSistema(senza);
    std::error_code ec;
    const auto dimensione = std::filesystem::file_size(percorso, ec);
    return EsportaSistema(s, !ec && dimensione > senza.Dati().size());
}

void ImportaSistema(const json& j, T_Sistema& s, bool& conColonne) {
    Oggetto(j, "(radice)");
    TDatiSistema& d = s.Dati;
    Se(j, "Formato", "", [&](const json& v, const std::string& c) {
        if (Testo(v, c) != kFormato) Rifiuta(c, "atteso \"" + std::string(kFormato) + "\"");
    });
    Se(j, "VersioneFormato", "",
       [&](const json& v, const std::string& c) { VersioneFormato = Int32(v, c); });
    Se(j, "Pronostico", "", [&](const json& v, const std::string& c) {
        Lista(v, c);
        if (v.size() != 8) Rifiuta(c, "attese 8 posizioni");
        for (std::size_t i = 0; i < 8; ++i)
            d.Pronostico.Posizione[i] =
                ImportaCombinazione(v[i], c + "[" + std::to_string(i) + "]");
    });
    Se(j, "Concorso", "", [&](const json& v, const std::string& c) { d.Concorso = Int32(v, c); });
    Se(j, "Condizioni", "", [&](const json& v, const std::string& c) {
        Lista(v, c);
        if (v.size() != 18) Rifiuta(c, "attese 18 condizioni, una per tipo da 1 a 18");
        for (int k = 1; k <= 18; ++k)
            d.Condizioni->Sostituisci(
                k, ImportaCondizione(v[k - 1], &d, k, c + "[" + std::to_string(k - 1) + "]", 0));
    });
    Se(j, "Link", "", [&](const json& v, const std::string& c) {
        Oggetto(v, c);
        for (auto it = v.begin(); it != v.end(); ++it) {
            if (it.key() == "Totali") {
                ImportaValori(it.value(), d.Recuperi->ErroriAmmessiTotali, c + ".Totali");
                continue;
            }
            if (it.key().size() != 1 || it.key()[0] < 'A' || it.key()[0] > 'Z')
                Rifiuta(c + "." + it.key(), "attesa una lettera da A a Z o \"Totali\"");
            ImportaValori(it.value(), d.Recuperi->Gruppi[it.key()[0] - 'A']->ErroriAmmessi,
                          c + "." + it.key());
        }
    });
    Se(j, "Sorgente", "", [&](const json& v, const std::string& c) {
        Oggetto(v, c);
        Se(v, "DaPronostico", c,
           [&](const json& x, const std::string& n) { d.Sorgente.DaPronostico = Booleano(x, n); });
        Se(v, "FileSorgente", c,
           [&](const json& x, const std::string& n) { d.Sorgente.FileSorgente = Testo(x, n); });
    });
    Se(j, "ImpSviluppo", "", [&](const json& v, const std::string& c) {
        Oggetto(v, c);
        auto& imp = d.ImpSviluppo;
        Se(v, "UsaCondizioni", c,
           [&](const json& x, const std::string& n) { imp.UsaCondizioni = Booleano(x, n); });
        Se(v, "Autoriduzione", c,
           [&](const json& x, const std::string& n) { imp.Autoriduzione = Booleano(x, n); });
        Se(v, "InMemoria", c,
           [&](const json& x, const std::string& n) { imp.InMemoria = Booleano(x, n); });
        Se(v, "Ottimizzata", c,
           [&](const json& x, const std::string& n) { imp.Ottimizzata = Booleano(x, n); });
        Se(v, "Migliorata", c,
           [&](const json& x, const std::string& n) { imp.Migliorata = Booleano(x, n); });
        Se(v, "Garanzia", c, [&](const json& x, const std::string& n) {
            imp.Garanzia = static_cast<std::uint8_t>(Intero(x, n, 0, 255));
        });
        Se(v, "VinciteMultiple", c, [&](const json& x, const std::string& n) {
            imp.VinciteMultiple = static_cast<std::uint8_t>(Intero(x, n, 0, 255));
        });
        Se(v, "FileDestinazione", c,
           [&](const json& x, const std::string& n) { imp.FileDestinazione = Testo(x, n); });
    });
    Se(j, "Commento", "", [&](const json& v, const std::string& c) { s.Commento = Righe(v, c); });
    Se(j, "Partecipanti", "",
       [&](const json& v, const std::string& c) { s.Partecipanti = Righe(v, c); });
    Se(j, "NumPartecipanti", "",
       [&](const json& v, const std::string& c) { s.NumPartecipanti = Int32(v, c); });
    Se(j, "SpecificaNomi", "",
       [&](const json& v, const std::string& c) { s.SpecificaNomi = Booleano(v, c); });
    Se(j, "Selezione", "", [&](const json& v, const std::string& c) {
        Oggetto(v, c);
        auto& sel = d.Archivio.Selezione;
        Se(v, "Tutte", c, [&](const json& x, const std::string& n) { sel.Tutte = Booleano(x, n); });
        Se(v, "Dal", c, [&](const json& x, const std::string& n) { sel.Dal = Int32(x, n); });
        Se(v, "Al", c, [&](const json& x, const std::string& n) { sel.Al = Int32(x, n); });
    });
    conColonne = false;
    d.Colonne.Svuota();
    Se(j, "Colonne", "", [&](const json& v, const std::string& c) {
        Lista(v, c);
        conColonne = true;
        for (std::size_t i = 0; i < v.size(); ++i)
            d.Colonne.Accoda(Colonna8(v[i], c + "[" + std::to_string(i) + "]"));
    });
}

void ImportaFileSistema(const json& j, const std::filesystem::path& percorso) {
    T_Sistema s;
    bool conColonne = false;
    const auto versione = VersioneFormato;
    try {
        ImportaSistema(j, s, conColonne);
    } catch (...) {
        VersioneFormato = versione;
        throw;
    }
    s.Dati.SalvaColonne = conColonne;
    s.NomeFile = percorso.string();
    if (!s.SalvaSistema()) throw TErroreSirvela(kErroreSalvaSistema);
}

}  // namespace sirvela
