#include "conditions/CondizioniJson.h"

#include <map>

#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondizione.h"
#include "conditions/TValoriAmmessi.h"
#include "core/Cp1252.h"
#include "core/Testo.h"

namespace sirvela {

using namespace json;

namespace {

// The most members a list may hold in the JSON form.
constexpr int kMassimoMembri = 999;

// ---- accepted values and interval lists ----

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

Uscita EsportaTabella(const TTabellaValori& t, int massimo) {
    const int ultimo = UltimoValoreScritto(massimo);
    const int base = LivelloBase(t, ultimo);
    Uscita accettati = Uscita::array(), recupero = Uscita::array(), eccezioni = Uscita::array();
    for (int v = 0; v <= ultimo; ++v) {
        const auto& e = t.Voci[v];
        if (e.Stato == 1 && e.Livello == base)
            accettati.push_back(v);
        else if (e.Stato == 2)
            recupero.push_back({{"Valore", v}, {"Livello", e.Livello}});
        else if (!(e.Stato == 0 && e.Livello == base))
            eccezioni.push_back({v, e.Stato, e.Livello});
    }
    Uscita o;
    o["Accettati"] = accettati;
    if (!recupero.empty()) o["InRecupero"] = recupero;
    o["Link"] = DaCp1252(std::string(1, t.LetteraLink));
    o["GruppoTra"] = t.GruppoTra;
    if (t.Attiva) o["Attiva"] = true;
    if (base != 0) o["Livello"] = base;
    if (!eccezioni.empty()) o["Eccezioni"] = eccezioni;
    return o;
}

void ImportaTabella(const Valore& j, TTabellaValori& t, int massimo, const std::string& campo) {
    Oggetto(j, campo);
    const int ultimo = UltimoValoreScritto(massimo);
    int base = 0;
    Se(j, "Livello", campo, [&](const Valore& v, const std::string& c) {
        base = static_cast<int>(Intero(v, c, 0, 255));
    });
    t.Voci.fill({});
    for (int v = 0; v <= ultimo; ++v) t.Voci[v].Livello = static_cast<std::uint8_t>(base);
    auto valore = [&](const Valore& v, const std::string& c) {
        return static_cast<int>(Intero(v, c, 0, ultimo));
    };
    Se(j, "Accettati", campo, [&](const Valore& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i)
            t.Voci[valore(lista[i], Elemento(c, i))].Stato = 1;
    });
    Se(j, "InRecupero", campo, [&](const Valore& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const std::string ci = Elemento(c, i);
            int x = valore(Richiesto(lista[i], "Valore", ci), ci + ".Valore");
            int livello = 1;
            Se(lista[i], "Livello", ci, [&](const Valore& l, const std::string& cl) {
                livello = static_cast<int>(Intero(l, cl, 0, 255));
            });
            t.Voci[x] = {2, static_cast<std::uint8_t>(livello)};
        }
    });
    Se(j, "Eccezioni", campo, [&](const Valore& lista, const std::string& c) {
        Lista(lista, c);
        for (std::size_t i = 0; i < lista.size(); ++i) {
            const std::string ci = Elemento(c, i);
            Lista(lista[i], ci);
            if (lista[i].size() != 3) Rifiuta(ci, "attesi [valore, stato, livello]");
            int x = valore(lista[i][0], ci + "[0]");
            t.Voci[x] = {static_cast<std::uint8_t>(Intero(lista[i][1], ci + "[1]", 0, 255)),
                         static_cast<std::uint8_t>(Intero(lista[i][2], ci + "[2]", 0, 255))};
        }
    });
    t.LetteraLink = 'A';
    Se(j, "Link", campo,
       [&](const Valore& v, const std::string& c) { t.LetteraLink = Lettera(v, c); });
    t.GruppoTra = 0;
    Se(j, "GruppoTra", campo, [&](const Valore& v, const std::string& c) {
        t.GruppoTra = static_cast<std::uint16_t>(Intero(v, c, 0, 30));
    });
    t.Attiva = false;
    Se(j, "Attiva", campo,
       [&](const Valore& v, const std::string& c) { t.Attiva = Booleano(v, c); });
}

bool IntervalloVuoto(const TIntervallo& i) {
    return i == TIntervallo{};
}

Uscita EsportaIntervallo(const TIntervallo& i) {
    Uscita o;
    o["Min"] = i.Min;
    o["Max"] = i.Max;
    o["Tipo"] = i.Tipo;
    if (i.Tipo == 2 || i.Livello != 0) o["Livello"] = i.Livello;
    return o;
}

TIntervallo ImportaIntervallo(const Valore& j, const std::string& campo) {
    Oggetto(j, campo);
    TIntervallo i;
    const Valore* mn = Trova(j, "Min");
    const Valore* mx = Trova(j, "Max");
    if (!mn || !mx) Rifiuta(campo, "attesi \"Min\" e \"Max\"");
    i.Min = Reale(*mn, campo + ".Min");
    i.Max = Reale(*mx, campo + ".Max");
    i.Tipo = 1;
    Se(j, "Tipo", campo, [&](const Valore& v, const std::string& c) {
        i.Tipo = static_cast<std::uint16_t>(Intero(v, c, 0, 65535));
    });
    Se(j, "Livello", campo, [&](const Valore& v, const std::string& c) {
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

}  // namespace

bool TabellaVuota(const TTabellaValori& t, int massimo) {
    if (t.Attiva || t.LetteraLink != 'A' || t.GruppoTra != 0) return false;
    for (int v = 0; v <= UltimoValoreScritto(massimo); ++v)
        if (t.Voci[v].Stato != 0 || t.Voci[v].Livello != 0) return false;
    return true;
}

Uscita EsportaValori(const TValoriAmmessi& v) {
    Uscita o;
    o["Principale"] = EsportaTabella(v.Principale, v.Massimo);
    if (!TabellaVuota(v.Secondaria, v.Massimo))
        o["Secondaria"] = EsportaTabella(v.Secondaria, v.Massimo);
    if (v.CampoDa != 1 || v.CampoA != 8) o["Campo"] = {v.CampoDa, v.CampoA};
    return o;
}

void ImportaValori(const Valore& j, TValoriAmmessi& v, const std::string& campo) {
    Oggetto(j, campo);
    const Valore vuota = Valore::object();
    const Valore* p = Trova(j, "Principale");
    ImportaTabella(p ? *p : vuota, v.Principale, v.Massimo, campo + ".Principale");
    const Valore* s = Trova(j, "Secondaria");
    ImportaTabella(s ? *s : vuota, v.Secondaria, v.Massimo, campo + ".Secondaria");
    v.CampoDa = 1;
    v.CampoA = 8;
    Se(j, "Campo", campo, [&](const Valore& c, const std::string& n) {
        Lista(c, n);
        if (c.size() != 2) Rifiuta(n, "attesi [da, a]");
        v.CampoDa = static_cast<std::uint16_t>(Intero(c[0], n + "[0]", 0, 65535));
        v.CampoA = static_cast<std::uint16_t>(Intero(c[1], n + "[1]", 0, 65535));
    });
}

Uscita EsportaIntervalli(const TIntervalliAmmessi& l) {
    Uscita o;
    Uscita a = Uscita::array();
    for (int i = 0; i < l.Conta(); ++i) a.push_back(EsportaIntervallo(l.Intervalli[i]));
    o["Intervalli"] = a;
    o["Link"] = DaCp1252(std::string(1, l.LetteraLink));
    if (l.Quanti != l.Conta()) o["Quanti"] = l.Quanti;
    Uscita residui = Uscita::array();
    for (int i = l.Conta(); i < TIntervalliAmmessi::kIntervalli; ++i)
        if (!IntervalloVuoto(l.Intervalli[i])) {
            Uscita r = EsportaIntervallo(l.Intervalli[i]);
            r["Posto"] = i;
            residui.push_back(r);
        }
    if (!residui.empty()) o["Residui"] = residui;
    return o;
}

void ImportaIntervalli(const Valore& j, TIntervalliAmmessi& l, const std::string& campo) {
    Oggetto(j, campo);
    l.Intervalli.fill({});
    l.Quanti = 0;
    Se(j, "Intervalli", campo, [&](const Valore& a, const std::string& c) {
        Lista(a, c);
        if (a.size() > TIntervalliAmmessi::kIntervalli) Rifiuta(c, "più di 43 intervalli");
        for (std::size_t i = 0; i < a.size(); ++i)
            l.Intervalli[i] = ImportaIntervallo(a[i], Elemento(c, i));
        l.Quanti = static_cast<std::int16_t>(a.size());
    });
    Se(j, "Quanti", campo, [&](const Valore& v, const std::string& c) {
        l.Quanti = static_cast<std::int16_t>(Intero(v, c, -32768, 32767));
    });
    Se(j, "Residui", campo, [&](const Valore& a, const std::string& c) {
        Lista(a, c);
        for (std::size_t i = 0; i < a.size(); ++i) {
            const std::string ci = Elemento(c, i);
            int posto = static_cast<int>(Intero(Richiesto(a[i], "Posto", ci), ci + ".Posto", 0,
                                                TIntervalliAmmessi::kIntervalli - 1));
            l.Intervalli[posto] = ImportaIntervallo(a[i], ci);
        }
    });
    l.LetteraLink = 'A';
    Se(j, "Link", campo,
       [&](const Valore& v, const std::string& c) { l.LetteraLink = Lettera(v, c); });
}

// ---- conditions ----

namespace {

std::unique_ptr<TCondizione> Importa(const Valore& j, TDatiSistema* dati, int tipoAtteso,
                                     const std::string& campo, int profondita);

// The switch, the option and the name open every condition object, whatever their place in
// the record.
bool CampoDiTesta(const TCondizione& c, const TCampoRecord& f) {
    if (auto b = std::get_if<bool*>(&f.Dato)) return *b == &c.Attivato;
    if (auto u = std::get_if<std::uint8_t*>(&f.Dato)) return *u == &c.Opzione;
    if (auto t = std::get_if<std::string*>(&f.Dato)) return *t == &c.Nome;
    return false;
}

// A category listed under "Categorie" by its name (one with a field name of its own is not).
const TCategoria* CategoriaElencata(const TCondizione& c, const TCampoRecord& f) {
    auto k = std::get_if<TCampoCategoria>(&f.Dato);
    if (!k || !f.Nome.empty()) return nullptr;
    return &c.Categorie()[static_cast<std::size_t>(k->Indice)];
}

Uscita EsportaCategoria(const TCategoria& cat) {
    return cat.Valori ? EsportaValori(*cat.Valori) : EsportaIntervalli(*cat.Intervalli);
}

void ImportaCategoria(const Valore& j, const TCategoria& cat, const std::string& campo) {
    if (cat.Valori)
        ImportaValori(j, *cat.Valori, campo);
    else
        ImportaIntervalli(j, *cat.Intervalli, campo);
}

Uscita EsportaCampo(const TCondizione& c, const TCampoRecord& f) {
    return std::visit(
        TVisitaCampo{
            [](bool* v) -> Uscita { return *v; },
            [](std::uint8_t* v) -> Uscita { return *v; },
            [](std::int32_t* v) -> Uscita { return *v; },
            [](TColonna* v) { return Colonna8(*v); },
            [](TCombinazione* v) { return EsportaCombinazione(*v); },
            [](std::string* v) -> Uscita { return *v; },
            [](std::vector<std::string>* v) -> Uscita { return *v; },
            [&](TCampoCategoria k) {
                return EsportaCategoria(c.Categorie()[static_cast<std::size_t>(k.Indice)]);
            },
            [](TCampoMembri m) {
                Uscita a = Uscita::array();
                for (const auto& membro : *m.Lista) a.push_back(EsportaCondizione(*membro));
                return a;
            },
            // Only the lists that hold something, by their number from 1.
            [](TCampoGruppi g) {
                Uscita o = Uscita::object();
                for (std::size_t i = 0; i < g.Liste->size(); ++i)
                    if (!IntervalliVuoti((*g.Liste)[i]))
                        o[std::to_string(i + 1)] = EsportaIntervalli((*g.Liste)[i]);
                return o;
            },
        },
        f.Dato);
}

void ImportaCampo(const TCondizione& c, const TCampoRecord& f, const Valore& v,
                  const std::string& n, int profondita) {
    std::visit(TVisitaCampo{
                   [&](bool* x) { *x = Booleano(v, n); },
                   [&](std::uint8_t* x) { *x = Byte(v, n); },
                   [&](std::int32_t* x) { *x = Int32(v, n); },
                   [&](TColonna* x) { *x = Colonna8(v, n); },
                   [&](TCombinazione* x) { *x = ImportaCombinazione(v, n); },
                   [&](std::string* x) { *x = Testo(v, n); },
                   [&](std::vector<std::string>* x) { *x = Righe(v, n); },
                   [&](TCampoCategoria k) {
                       ImportaCategoria(v, c.Categorie()[static_cast<std::size_t>(k.Indice)], n);
                   },
                   [&](TCampoMembri m) {
                       Lista(v, n);
                       if (v.size() > static_cast<std::size_t>(kMassimoMembri))
                           Rifiuta(n, "più di " + std::to_string(kMassimoMembri) + " membri");
                       m.Lista->clear();
                       for (std::size_t i = 0; i < v.size(); ++i)
                           m.Lista->push_back(Importa(v[i], c.Proprietario, m.Tipo, Elemento(n, i),
                                                      profondita + 1));
                   },
                   [&](TCampoGruppi g) {
                       Oggetto(v, n);
                       const long long quante = static_cast<long long>(g.Liste->size());
                       for (auto it = v.begin(); it != v.end(); ++it) {
                           long long k = 0;
                           if (!InteroDaTesto(it.key(), k) || k < 1 || k > quante)
                               Rifiuta(n + "." + it.key(),
                                       "i gruppi vanno da 1 a " + std::to_string(quante));
                           ImportaIntervalli(it.value(),
                                             (*g.Liste)[static_cast<std::size_t>(k - 1)],
                                             n + "." + it.key());
                       }
                   },
               },
               f.Dato);
}

std::unique_ptr<TCondizione> Importa(const Valore& j, TDatiSistema* dati, int tipoAtteso,
                                     const std::string& campo, int profondita) {
    Oggetto(j, campo);
    if (profondita > TCondContenitore::kProfonditaMassima)
        Rifiuta(campo, "Quadri annidati troppo a fondo");
    const int tipo = static_cast<int>(Intero(Richiesto(j, "Tipo", campo), campo + ".Tipo", 0, 255));
    if (tipoAtteso != 0 && tipo != tipoAtteso)
        Rifiuta(campo + ".Tipo",
                "atteso " + std::to_string(tipoAtteso) + ", trovato " + std::to_string(tipo));
    auto c = CreaCondizione(tipo, dati);
    if (!c) Rifiuta(campo + ".Tipo", std::to_string(tipo) + " non è un tipo di condizione");
    if (!TLimiteLettura::Conta()) Rifiuta(campo, kMotivoTroppeCondizioni);
    bool conCategorie = false;
    for (const TCampoRecord& f : c->Campi()) {
        if (CategoriaElencata(*c, f)) {
            conCategorie = true;
            continue;
        }
        Se(j, f.Nome.c_str(), campo,
           [&](const Valore& v, const std::string& n) { ImportaCampo(*c, f, v, n, profondita); });
    }
    if (conCategorie)
        Se(j, "Categorie", campo, [&](const Valore& cats, const std::string& n) {
            Oggetto(cats, n);
            for (auto it = cats.begin(); it != cats.end(); ++it) {
                const TCategoria* trovata = nullptr;
                for (const TCampoRecord& f : c->Campi())
                    if (const TCategoria* cat = CategoriaElencata(*c, f);
                        cat && cat->Nome == it.key())
                        trovata = cat;
                if (!trovata) Rifiuta(n + "." + it.key(), "categoria sconosciuta per questo tipo");
                ImportaCategoria(it.value(), *trovata, n + "." + it.key());
            }
        });
    c->DopoLettura();
    return c;
}

}  // namespace

Uscita EsportaCondizione(const TCondizione& c) {
    Uscita o;
    o["Tipo"] = c.TipoCondizione;
    o["Nome"] = c.Nome;
    o["Attivato"] = c.Attivato;
    Uscita categorie = Uscita::object();
    bool conCategorie = false;
    for (const TCampoRecord& f : c.Campi()) {
        if (CampoDiTesta(c, f) && std::holds_alternative<std::uint8_t*>(f.Dato))
            o["Opzione"] = c.Opzione;
        if (const TCategoria* cat = CategoriaElencata(c, f)) {
            categorie[cat->Nome] = EsportaCategoria(*cat);
            conCategorie = true;
        }
    }
    if (conCategorie) o["Categorie"] = categorie;
    for (const TCampoRecord& f : c.Campi())
        if (!CampoDiTesta(c, f) && !CategoriaElencata(c, f)) o[f.Nome] = EsportaCampo(c, f);
    return o;
}

std::unique_ptr<TCondizione> ImportaCondizione(const Valore& j, TDatiSistema* dati, int tipoAtteso,
                                               const std::string& campo) {
    return Importa(j, dati, tipoAtteso, campo, 0);
}

}  // namespace sirvela
