// The kinds' values against a second, plain computation written from the definitions, on many
// random columns and settings; and Valuta against CalcolaValori.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>

#include "conditions/Fabbrica.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using test::Caso;

namespace {

using Coppie = std::vector<std::pair<int, int>>;
using Bit = std::vector<bool>;

int Quanti(const Bit& b) {
    return static_cast<int>(std::count(b.begin(), b.end(), true));
}
int Serie(const Bit& b) {
    int migliore = 0;
    for (std::size_t i = 0; i < b.size(); ++i)
        for (std::size_t j = i; j < b.size() && b[j]; ++j)
            migliore = std::max(migliore, static_cast<int>(j - i + 1));
    return migliore;
}
std::vector<int> P(const TColonna& c) {
    return {c.begin(), c.end()};
}
bool Pari(int n) {
    return n % 2 == 0;
}
// 'P' for an even pilot, 'D' for an odd one.
std::string Segni(const TColonna& c) {
    std::string s;
    for (int p : P(c)) s += Pari(p) ? 'P' : 'D';
    return s;
}

Coppie Somme(const TColonna& c) {
    const auto p = P(c);
    int pari = 0, dispari = 0;
    for (int x : p) (Pari(x) ? pari : dispari) += x;
    return {{std::accumulate(p.begin(), p.end(), 0), 0}, {pari, 0}, {dispari, 0}};
}

Coppie PariDispari(const TColonna& c) {
    Bit pari, dispari;
    for (int x : P(c)) {
        pari.push_back(Pari(x));
        dispari.push_back(!Pari(x));
    }
    return {{Quanti(pari), Serie(pari)}, {Quanti(dispari), Serie(dispari)}};
}

Coppie Baricentri(const TColonna& c) {
    std::vector<int> pari, dispari;
    for (int x : P(c)) (Pari(x) ? pari : dispari).push_back(x);
    auto media = [](const std::vector<int>& v) {
        return v.empty() ? 0 : std::accumulate(v.begin(), v.end(), 0) / static_cast<int>(v.size());
    };
    const auto p = P(c);
    return {{std::accumulate(p.begin(), p.end(), 0) / 8, 0}, {media(pari), 0}, {media(dispari), 0}};
}

Coppie Distanze(const TColonna& c) {
    std::vector<int> d;
    for (int i = 0; i + 1 < 8; ++i) d.push_back(std::abs(c[i + 1] - c[i]));
    return {{*std::min_element(d.begin(), d.end()), 0},
            {*std::max_element(d.begin(), d.end()), 0},
            {std::accumulate(d.begin(), d.end(), 0), 0}};
}

Coppie Sequenze(const TColonna& c) {
    std::vector<int> conta(4, 0);
    for (int i = 0; i < 8;) {
        int j = i;
        while (j + 1 < 8 && c[j + 1] == c[j] + 1) ++j;
        const int lunghezza = j - i + 1;
        if (lunghezza <= 4) ++conta[lunghezza - 1];
        i = j + 1;
    }
    return {{conta[0], 0}, {conta[1], 0}, {conta[2], 0}, {conta[3], 0}};
}

Coppie Consecutivi(const TColonna& c) {
    int migliore = 0;
    for (int i = 0; i < 8; ++i) {
        int j = i;
        while (j + 1 < 8 && std::abs(c[j + 1] - c[j]) == 1) ++j;
        migliore = std::max(migliore, j - i + 1);
    }
    return {{migliore, 0}};
}

Coppie Crescenze(const TColonna& c) {
    Bit su, giu;
    for (int i = 1; i < 8; ++i) {
        su.push_back(c[i] > c[i - 1]);
        giu.push_back(c[i] < c[i - 1]);
    }
    return {{Quanti(su), Serie(su)}, {Quanti(giu), Serie(giu)}};
}

Coppie Interruzioni(const TColonna& c) {
    const std::string s = Segni(c);
    Bit cambi;
    int versoPari = 0, versoDispari = 0;
    for (int i = 0; i + 1 < 8; ++i) {
        cambi.push_back(s[i] != s[i + 1]);
        if (s[i] != s[i + 1]) ++(s[i + 1] == 'P' ? versoPari : versoDispari);
    }
    return {{Quanti(cambi), Serie(cambi)}, {versoPari, 0}, {versoDispari, 0}};
}

Coppie Simmetrie(const TColonna& c) {
    const std::string s = Segni(c);
    Bit specchio, spostate;
    for (int i = 0; i < 4; ++i) {
        specchio.push_back(s[i] == s[7 - i]);
        spostate.push_back(s[i] == s[i + 4]);
    }
    return {{Quanti(specchio), Serie(specchio)},
            {Quanti(spostate), Serie(spostate)},
            {Quanti(specchio) + Quanti(spostate), 0}};
}

// The vortex told round by round, on a sign string padded with blanks outside 1..8.
std::pair<int, int> Vortice(const TColonna& c, int da, int a, bool diretto) {
    da = std::min(std::max(da, 1), 8);
    a = std::min(std::max(a, 1), 8);
    if (da > a) std::swap(da, a);
    const std::string s = " " + Segni(c) + " ";
    auto segno = [&](int k) { return k >= 0 && k < 10 ? s[static_cast<std::size_t>(k)] : '?'; };
    int L = da, R = a;
    char cercato;
    bool destra;
    if (diretto) {
        cercato = segno(L);
        L = L + 1;
        destra = true;
    } else {
        cercato = segno(R);
        R = R - 1;
        destra = false;
    }
    int giri = 0, posizione = 0;
    for (;;) {
        ++giri;
        std::vector<int> posti;
        if (destra) {
            if (R < L)
                posti = {R};
            else
                for (int k = R; k >= L; --k) posti.push_back(k);
        } else {
            if (L > R)
                posti = {L};
            else
                for (int k = L; k <= R; ++k) posti.push_back(k);
        }
        auto trovato =
            std::find_if(posti.begin(), posti.end(), [&](int k) { return segno(k) == cercato; });
        if (trovato != posti.end()) {
            posizione = *trovato;
            if (destra)
                R = posizione - 1;
            else
                L = posizione + 1;
            destra = !destra;
        } else if (destra) {
            cercato = segno(L);
            L = L + 1;
        } else {
            cercato = segno(R);
            R = R - 1;
        }
        if (R < L - 1) break;
    }
    return {posizione, giri - 1};
}

Coppie Vortici(const TCondVortici& v, const TColonna& c) {
    const auto d = Vortice(c, v.PosizioneDiretto.CampoDa, v.PosizioneDiretto.CampoA, true);
    const auto i = Vortice(c, v.PosizioneInverso.CampoDa, v.PosizioneInverso.CampoA, false);
    return {{d.first, 0}, {d.second, 0}, {i.first, 0}, {i.second, 0}};
}

Coppie ConsecDiff(const TCondConsecDiff& cd, const TColonna& c) {
    Bit scelti;
    for (int x : P(c)) scelti.push_back(Pari(x) == (cd.Segno == 1));
    return {{Quanti(scelti), 0}, {Serie(scelti), 0}};
}

Coppie DistanzaSpecifica(const TCondDistanzeSpecifiche& ds, const TColonna& c) {
    if (ds.Posizione1 < 1 || ds.Posizione1 > 8 || ds.Posizione2 < 1 || ds.Posizione2 > 8)
        return {{-1, 0}};
    const int d = c[ds.Posizione2 - 1] - c[ds.Posizione1 - 1];
    return {{d < 0 ? -1 : d, 0}};
}

Coppie Resto(const TCondResti& r, const TColonna& c) {
    if (r.Divisore == 0) return {{-1, 0}};
    const auto p = P(c);
    return {{std::accumulate(p.begin(), p.end(), 0) % r.Divisore, 0}};
}

std::pair<int, int> Accordo(const TColonna& c, const TColonna& r, bool pariDispari) {
    Bit uguali;
    for (int i = 0; i < 8; ++i)
        uguali.push_back(pariDispari ? Pari(c[i]) == Pari(r[i]) : (r[i] != 0 && c[i] == r[i]));
    return {Quanti(uguali), Serie(uguali)};
}

Coppie Ripetizioni(const TCondRipetizioni& rip, const TDatiSistema& d, const TColonna& c) {
    Coppie r;
    const auto& e = d.Archivio.Estrazioni;
    for (std::size_t indietro = 1; indietro <= 2; ++indietro)
        r.push_back(e.size() >= indietro
                        ? Accordo(c, e[e.size() - indietro].Vincente, rip.Opzione == 1)
                        : std::pair{-1, -1});
    return r;
}

Coppie ColonnaFiltro(const TCondColonnaFiltro& f, const TColonna& c) {
    if (f.Confronto == 0) {
        const auto a = Accordo(c, f.ColonnaFiltro, false);
        return {{a.first, a.second}};
    }
    Bit presenti;
    for (int i = 0; i < f.PilotiFiltro.Conta(); ++i)
        presenti.push_back(std::find(c.begin(), c.end(), f.PilotiFiltro[i]) != c.end());
    return {{Quanti(presenti), Serie(presenti)}};
}

Coppie Sequela(const TCondSequela& q, const TColonna& c) {
    const int L = q.Lunghezza, pt = q.PassoTrovata, pnt = q.PassoNonTrovata;
    if (L < 2 || L > 8 || pt < 1 || pnt < 1 || q.TipoSequela < 1 || q.TipoSequela > 5)
        return {{-1, -1}};
    const std::string s = Segni(c);
    if (q.TipoSequela <= 3) {
        std::string schema;
        for (int k = 0; k < L; ++k)
            schema += q.Sequela[k] == 1 ? 'P' : q.Sequela[k] == 2 ? 'D' : '?';
        int conta = 0, serie = 0, migliore = 0;
        for (int i = 1; i <= 9 - L;) {
            const std::string f = s.substr(static_cast<std::size_t>(i - 1), L);
            const bool tuttiUguali = f.find_first_not_of(f[0]) == std::string::npos;
            const bool si = q.TipoSequela == 1   ? f == schema
                            : q.TipoSequela == 2 ? tuttiUguali
                                                 : !tuttiUguali;
            if (si) {
                ++conta;
                migliore = std::max(migliore, ++serie);
                i += pt;
            } else {
                serie = 0;
                i += pnt;
            }
        }
        return {{conta, migliore}};
    }
    // Patterns in order of first appearance, with the starts of their counted occurrences.
    std::vector<std::pair<std::string, std::vector<int>>> tabella;
    const bool passoN = pt == L && pnt == 1;
    int scelto = -1, record = 0;
    for (int i = 1; i <= 9 - L; i += passoN ? 1 : pt) {
        const std::string f = s.substr(static_cast<std::size_t>(i - 1), L);
        auto it = std::find_if(tabella.begin(), tabella.end(),
                               [&](const auto& e) { return e.first == f; });
        if (it == tabella.end()) {
            tabella.push_back({f, {i}});
            it = tabella.end() - 1;
        } else if (passoN && it->second.back() + L > i) {
            continue;
        } else {
            it->second.push_back(i);
        }
        if (static_cast<int>(it->second.size()) > record) {
            record = static_cast<int>(it->second.size());
            scelto = static_cast<int>(it - tabella.begin());
        }
    }
    if (q.TipoSequela == 4) {
        const auto& inizi = tabella[static_cast<std::size_t>(scelto)].second;
        int catena = 0, migliore = 0;
        for (std::size_t k = 0; k < inizi.size(); ++k) {
            catena = (k > 0 && inizi[k] == inizi[k - 1] + L) ? catena + 1 : 1;
            migliore = std::max(migliore, catena);
        }
        return {{static_cast<int>(inizi.size()), inizi.size() == 1 ? 0 : migliore}};
    }
    std::vector<int> conte;
    for (const auto& e : tabella) conte.push_back(static_cast<int>(e.second.size()));
    int coppie = 0;
    for (std::size_t a = 0; a < tabella.size(); ++a)
        for (std::size_t b = a + 1; b < tabella.size(); ++b) {
            const std::string rovescio(tabella[b].first.rbegin(), tabella[b].first.rend());
            if (rovescio != tabella[a].first || tabella[a].first == tabella[b].first) continue;
            for (int k = 1; conte[a] > 0 && conte[b] > 0 && conte[a] >= k; ++k) {
                ++coppie;
                --conte[a];
                --conte[b];
            }
        }
    return {{coppie, 0}};
}

Coppie Ingenuo(const TCondizione& c, const TDatiSistema& d, const TColonna& col) {
    switch (c.TipoCondizione) {
        case kSomme:
            return Somme(col);
        case kPariDispari:
            return PariDispari(col);
        case kBaricentri:
            return Baricentri(col);
        case kDistanzeGlobali:
            return Distanze(col);
        case kVortici:
            return Vortici(dynamic_cast<const TCondVortici&>(c), col);
        case kNumeriConsecutivi:
            return Consecutivi(col);
        case kSimmetrie:
            return Simmetrie(col);
        case kInterruzioni:
            return Interruzioni(col);
        case kRipetizioni:
            return Ripetizioni(dynamic_cast<const TCondRipetizioni&>(c), d, col);
        case kCrescenzeDecrescenze:
            return Crescenze(col);
        case kNumeroSequenze:
            return Sequenze(col);
        case kConsecutivitaDifferenziata:
            return ConsecDiff(dynamic_cast<const TCondConsecDiff&>(c), col);
        case kDistanzeSpecifiche:
            return DistanzaSpecifica(dynamic_cast<const TCondDistanzeSpecifiche&>(c), col);
        case kResti:
            return Resto(dynamic_cast<const TCondResti&>(c), col);
        case kColonnaFiltro:
            return ColonnaFiltro(dynamic_cast<const TCondColonnaFiltro&>(c), col);
        case kSequela:
            return Sequela(dynamic_cast<const TCondSequela&>(c), col);
    }
    return {};
}

void ArchivioCasuale(TDatiSistema& d, std::mt19937& caso) {
    d.Archivio.Estrazioni.clear();
    const int n = Caso(caso, 0, 3);
    for (int i = 0; i < n; ++i) {
        TEstrazione e;
        e.Vincente = test::ColonnaCasuale(caso);
        if (Caso(caso, 0, 4) == 0) e.Vincente[static_cast<std::size_t>(Caso(caso, 0, 7))] = 0;
        d.Archivio.Estrazioni.push_back(e);
    }
}

// Every table and list of the condition emptied; Campo kept.
void SvuotaTabelle(TCondizione& c) {
    for (const TCategoria& cat : c.Categorie()) {
        if (cat.Valori) {
            cat.Valori->Principale.Voci.fill({});
            cat.Valori->Secondaria.Voci.fill({});
        } else {
            cat.Intervalli->Quanti = 0;
        }
    }
}

}  // namespace

TEST(Proprieta, ValuesMatchAPlainComputation) {
    std::mt19937 caso(20240601);
    TDatiSistema d;
    for (int giro = 0; giro < 4000; ++giro) {
        ArchivioCasuale(d, caso);
        const TColonna col = test::ColonnaCasuale(caso, Caso(caso, 8, 25));
        for (int tipo : test::kTipiValori) {
            auto c = CreaCondizione(tipo, &d);
            ASSERT_TRUE(c);
            test::ParametriCasuali(*c, caso);
            const Coppie attese = Ingenuo(*c, d, col);
            ASSERT_EQ(test::Valori(*c, col), attese)
                << "tipo " << tipo << " colonna " << testing::PrintToString(col);
            ASSERT_EQ(attese.size(), c->Categorie().size());
        }
    }
}

// With one value accepted in one table, Valuta passes exactly the columns whose computed value
// is that value.
TEST(Proprieta, ValutaWithOneAcceptedValueAgreesWithTheValues) {
    std::mt19937 caso(77);
    TDatiSistema d;
    int verifiche = 0, accettate = 0;
    for (int giro = 0; giro < 1500; ++giro) {
        ArchivioCasuale(d, caso);
        const TColonna col = test::ColonnaCasuale(caso);
        for (int tipo : test::kTipiValori) {
            auto c = CreaCondizione(tipo, &d);
            test::ParametriCasuali(*c, caso);
            const Coppie valori = test::Valori(*c, col);
            const auto& categorie = c->Categorie();
            for (std::size_t k = 0; k < categorie.size(); ++k) {
                const bool secondaria = categorie[k].Valori &&
                                        categorie[k].Valori->SecondariaAbilitata &&
                                        Caso(caso, 0, 1) == 1;
                const int calcolato = secondaria ? valori[k].second : valori[k].first;
                SvuotaTabelle(*c);
                int scelto;
                if (TIntervalliAmmessi* iv = categorie[k].Intervalli) {
                    scelto = Caso(caso, 0, 1) ? calcolato : Caso(caso, 0, 200);
                    iv->Intervalli[0] = {double(scelto), double(scelto), 1, 0};
                    iv->Quanti = 1;
                } else {
                    TValoriAmmessi& v = *categorie[k].Valori;
                    scelto = Caso(caso, 0, 1) && calcolato >= 0 && calcolato <= v.Massimo
                                 ? calcolato
                                 : Caso(caso, 0, v.Massimo);
                    if (secondaria) {
                        test::AmmettiDa(v.Principale, 0, v.Massimo);
                        v.Secondaria.Voci[static_cast<std::size_t>(scelto)] = {1, 0};
                    } else {
                        v.Principale.Voci[static_cast<std::size_t>(scelto)] = {1, 0};
                    }
                }
                bool atteso = calcolato == scelto && valori[k].first >= 0;
                if (tipo == kConsecutivitaDifferenziata) {
                    // "Segni" selects, "Consecutività" tests: keep the other table in play.
                    auto* cd = static_cast<TCondConsecDiff*>(c.get());
                    if (k == 0) {
                        cd->Consecutivita.Principale.Voci[0] = {1, 0};
                        atteso = calcolato != scelto || valori[1].first == 0;
                    } else {
                        test::AmmettiDa(cd->Segni.Principale, 0, 8);
                    }
                }
                if (tipo == kSequela && !static_cast<TCondSequela*>(c.get())->Valutabile())
                    atteso = true;
                c->AggiornaStato();
                ASSERT_TRUE(c->Attivo) << "tipo " << tipo << " categoria " << k;
                ASSERT_EQ(c->Valuta(col), atteso)
                    << "tipo " << tipo << " categoria " << k << " valore " << scelto
                    << (secondaria ? " (serie)" : "") << " colonna " << testing::PrintToString(col);
                ++verifiche;
                accettate += atteso;
            }
        }
    }
    // Both outcomes were exercised plenty.
    EXPECT_GT(accettate, verifiche / 5);
    EXPECT_LT(accettate, verifiche * 4 / 5);
}
