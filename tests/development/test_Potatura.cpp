// The development skips the subtrees the conditions rule out: it must keep the very columns of
// the plain development, in the same order, and count, refresh, stop and record the link
// statistics as if it had tested every candidate.
#include <gtest/gtest.h>

#include <random>

#include "Riferimento.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/Potatura.h"
#include "development/SviluppoSistema.h"
#include "support/SistemaRicco.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// Every candidate below the partial column c[0..livello], in enumeration order: whether its
// eight pilots differ.
void Candidati(const TPronostico& p, TColonna& c, int k, std::vector<bool>& distinte) {
    if (k == 8) {
        distinte.push_back(ColonnaDistinta(c));
        return;
    }
    const TCombinazione& pos = p.Posizione[static_cast<std::size_t>(k)];
    for (int s = 0; s < pos.Conta(); ++s) {
        c[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(pos[s]);
        Candidati(p, c, k + 1, distinte);
    }
}

}  // namespace

TEST(Potatura, TheAdmittedCandidatesBelowAPartialColumnAreCountedExactly) {
    std::mt19937 r(31);
    TPotatura nessunLimite;
    for (int prova = 0; prova < 300; ++prova) {
        // Sets with repeated pilots too, so slots and pilots differ.
        TPronostico p = PronosticoCasuale(r, {1 + prova % 4, 2, 3, 1 + prova % 3, 3, 2, 4, 3},
                                          6 + prova % 7, prova % 3 == 0);
        std::array<int, 8> quanti{};
        std::array<std::array<std::uint8_t, TCombinazione::kCapacita>, 8> piloti{};
        for (int k = 0; k < 8; ++k) {
            quanti[static_cast<std::size_t>(k)] = p.Posizione[static_cast<std::size_t>(k)].Conta();
            for (int s = 0; s < quanti[static_cast<std::size_t>(k)]; ++s)
                piloti[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)] =
                    static_cast<std::uint8_t>(p.Posizione[static_cast<std::size_t>(k)][s]);
        }
        TPotatore potatore(nessunLimite, quanti, piloti);
        // A partial column of different pilots, as the enumeration asks about.
        const int livello = prova % 7;
        TColonna c{};
        std::uint64_t usati = 0;
        bool distinta = true;
        for (int k = 0; k <= livello && distinta; ++k) {
            distinta = false;
            for (int s = 0; s < quanti[static_cast<std::size_t>(k)] && !distinta; ++s) {
                const std::uint8_t v =
                    piloti[static_cast<std::size_t>(k)][static_cast<std::size_t>(s)];
                if (usati & (std::uint64_t{1} << v)) continue;
                usati |= std::uint64_t{1} << v;
                c[static_cast<std::size_t>(k)] = v;
                distinta = true;
                EXPECT_FALSE(potatore.Pota(k, c));
            }
        }
        if (!distinta) continue;
        std::vector<bool> distinte;
        TColonna sotto = c;
        Candidati(p, sotto, livello + 1, distinte);
        std::int64_t attese = 0;
        std::vector<std::int64_t> fino{0};
        for (bool d : distinte) fino.push_back(attese += d);
        const std::string caso = "trial " + std::to_string(prova);
        ASSERT_EQ(potatore.Ammesse(livello), attese) << caso;
        for (std::size_t k = 0; k < fino.size(); k += 1 + fino.size() / 23)
            ASSERT_EQ(potatore.AmmesseFinoA(livello, static_cast<std::int64_t>(k)), fino[k])
                << caso << " first " << k;
    }
}

namespace {

enum class TVariante { Semplice, PuntiTra, RecuperiTardi, Ricca };

// Tables in use accepting all their values but, in half of them, a random band; none in
// recovery.
void SenzaRecuperi(TCondizione& c, std::mt19937& r) {
    for (const TCategoria& cat : c.Categorie()) {
        if (TValoriAmmessi* v = cat.Valori) {
            for (TTabellaValori* t : {&v->Principale, &v->Secondaria})
                if (t->HaValori(v->Massimo)) {
                    // Half the tables accept everything.
                    const int da = r() % 2 ? 1001 : static_cast<int>(r() % (v->Massimo + 1u));
                    const int a = da + static_cast<int>(r() % 3);
                    for (int k = 0; k < TTabellaValori::kValori; ++k)
                        t->Voci[static_cast<std::size_t>(k)] = {
                            static_cast<std::uint8_t>(k < da || k > a), 0};
                }
        } else if (TIntervalliAmmessi* iv = cat.Intervalli) {
            for (auto& i : iv->Intervalli) {
                if (i.Tipo == 2) i.Tipo = 1;
                i.Min = static_cast<double>(r() % 45);
                i.Max = i.Min + static_cast<double>(25 + r() % 40);
            }
        }
    }
    if (auto* contenitore = dynamic_cast<TCondContenitore*>(&c))
        for (auto& m : contenitore->Membri) SenzaRecuperi(*m, r);
}

// The rich system (every kind, containers, nested Quadri) on small random position sets with a
// random part of its conditions switched off; recovery values and Punti Tra as the variant
// asks.
void Sistema(T_Sistema& s, std::mt19937& r, TVariante variante) {
    RiempiSistemaRicco(s);
    s.Dati.Colonne.Svuota();
    PosizioniCasuali(s, r, 4, 5, 12);
    // Two results for Ripetizioni.
    std::uniform_int_distribution<int> pilota(1, 12);
    s.Dati.Archivio.Estrazioni.clear();
    for (int i = 0; i < 2; ++i) {
        TEstrazione e;
        for (auto& b : e.Vincente) b = static_cast<std::uint8_t>(pilota(r));
        s.Dati.Archivio.Estrazioni.push_back(e);
    }
    auto& insieme = *s.Dati.Condizioni;
    for (int k = 1; k <= 18; ++k) insieme.Condizione(k)->Attivato = r() % 5 < 2;
    if (variante != TVariante::Ricca) {
        for (int k = 1; k <= 18; ++k) SenzaRecuperi(*insieme.Condizione(k), r);
        insieme.PuntiTra()->Attivato = variante == TVariante::PuntiTra;
        insieme.PuntiTra()->Punti(3).Intervalli[0] = {0, 60, 1, 0};
        s.Dati.Recuperi->ErroriAmmessiTotali.Azzera();
    }
    if (variante == TVariante::RecuperiTardi) {
        // Recovery only in the last slots: the conditions before them still prune.
        auto* quadro = static_cast<TCondQuadro*>(insieme.Condizione(kQuadro));
        quadro->Attivato = true;
        quadro->Accettate.Principale.Voci[0] = {2, 1};
        quadro->Accettate.Principale.LetteraLink = 'B';
        auto* sequenze = insieme.Condizione(kNumeroSequenze);
        auto& t = sequenze->Categorie()[0].Valori->Principale;
        t.Voci[2] = {2, 2};
        t.LetteraLink = 'B';
    }
    auto& imp = s.Dati.ImpSviluppo;
    imp.UsaCondizioni = true;
    imp.Autoriduzione = r() % 4 == 0;
    imp.Ottimizzata = false;
    imp.Garanzia = 70;
    imp.VinciteMultiple = 1;
    imp.InMemoria = true;
    s.Dati.Sorgente.DaPronostico = true;
}

struct TCorsa {
    TRisultato Risultato;
    std::vector<std::int32_t> Statistiche;
};

TCorsa Corsa(T_Sistema& s, bool letterale, int fili = 1, long annullaAl = -1) {
    TDatiSviluppo dati;
    dati.Pronostico = &s.Dati.Pronostico;
    dati.Impostazioni = s.Dati.ImpSviluppo;
    TTestCondizioni test(*s.Dati.Condizioni, *s.Dati.Recuperi);
    TServiziSviluppo base;
    base.Fili = fili;
    TCorsa c;
    c.Risultato = Esegui(letterale, dati, &test, annullaAl, base);
    c.Statistiche = StatisticheLink(*s.Dati.Recuperi);
    return c;
}

void Confronta(const TCorsa& a, const TCorsa& b, bool eventi, const std::string& caso) {
    ASSERT_EQ(a.Risultato.Errore, b.Risultato.Errore) << caso;
    ASSERT_EQ(a.Risultato.Colonne.size(), b.Risultato.Colonne.size()) << caso;
    ASSERT_TRUE(a.Risultato.Colonne == b.Risultato.Colonne) << caso;
    const TEsitoSviluppo &x = a.Risultato.Esito, &y = b.Risultato.Esito;
    EXPECT_EQ(x.ContaAmmesse, y.ContaAmmesse) << caso;
    EXPECT_EQ(x.ContaEsaminate, y.ContaEsaminate) << caso;
    EXPECT_EQ(x.ContaFinali, y.ContaFinali) << caso;
    EXPECT_EQ(x.Interrotto, y.Interrotto) << caso;
    EXPECT_EQ(a.Statistiche, b.Statistiche) << caso;
    if (eventi) {
        EXPECT_TRUE(a.Risultato.Eventi == b.Risultato.Eventi) << caso;
    }
}

}  // namespace

TEST(Potatura, PrunedDevelopmentsMatchThePlainOne) {
    std::mt19937 r(36);
    const TVariante varianti[] = {TVariante::Semplice, TVariante::PuntiTra,
                                  TVariante::RecuperiTardi, TVariante::Ricca};
    std::int64_t potati = 0, colonne = 0, registrazioni = 0;
    for (int prova = 0; prova < 24; ++prova) {
        const TVariante variante = varianti[prova % 4];
        T_Sistema s;
        Sistema(s, r, variante);
        const std::string caso = "trial " + std::to_string(prova);
        const TCorsa piana = Corsa(s, true);
        const TCorsa potata = Corsa(s, false);
        Confronta(potata, piana, true, caso);
        potati += potata.Risultato.Esito.Potatura.Potati;
        colonne += static_cast<std::int64_t>(piana.Risultato.Colonne.size());
        for (auto v : piana.Statistiche) registrazioni += v;
        if (!s.Dati.ImpSviluppo.Autoriduzione)
            Confronta(Corsa(s, false, 3), potata, false, caso + " on 3 threads");
        // Cancelled at a few refreshes along the run.
        const long n = static_cast<long>(piana.Risultato.Eventi.size());
        for (long k : {2L, n / 3, n - 3}) {
            if (k < 1) continue;
            Confronta(Corsa(s, false, 1, k), Corsa(s, true, 1, k), true,
                      caso + " cancel at " + std::to_string(k));
        }
    }
    // The cases keep columns, skip subtrees and count link errors.
    EXPECT_GT(colonne, 500);
    EXPECT_GT(potati, 1000);
    EXPECT_GT(registrazioni, 100);
}
