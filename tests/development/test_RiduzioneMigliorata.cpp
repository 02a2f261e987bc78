#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <random>
#include <set>

#include "Riferimento.h"
#include "development/GrafoCopertura.h"
#include "development/Riduzione.h"
#include "development/RiduzioneMigliorata.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// A run long enough to matter on small sets, and a cap that turns a search that would not
// stop into a failure instead of a hang.
constexpr std::int64_t kPassi = 3000;
constexpr std::int64_t kTetto = 2'000'000;

// A search of n steps per chain, with no time limit.
TParametriMigliorata Passi(std::int64_t n) {
    TParametriMigliorata p;
    p.Iterazioni = n;
    p.Secondi = 0;
    return p;
}

struct TUscita {
    std::vector<TColonna> Colonne;
    TEsitoMigliorata Esito;
    TQuadroSviluppo Quadro;  // the last content shown
};

TUscita Riduci(const std::vector<TColonna>& colonne, int garanzia, int vincite,
               TParametriMigliorata p = Passi(kPassi), ISviluppoOsservatore* oss = nullptr,
               const TAnnullamento* annulla = nullptr, std::function<double()> orologio = {}) {
    TListaColonne l;
    for (const auto& c : colonne) l.Accoda(c);
    TVistaSviluppo vista(oss, {}, 1);
    TUscita u;
    RiduzioneMigliorata(l, garanzia, vincite, p, vista, annulla, orologio, u.Esito);
    u.Colonne = l.ComeVettore();
    u.Quadro = vista.Quadro();
    return u;
}

std::size_t Ottimizzata(const std::vector<TColonna>& colonne, int garanzia) {
    TListaColonne l;
    for (const auto& c : colonne) l.Accoda(c);
    TVistaSviluppo vista(nullptr, {}, 1);
    RiduzioneOttimizzata(l, kPunteggioMassimo - garanzia, vista, nullptr);
    return static_cast<std::size_t>(l.Quante());
}

// Every column has `vincite` kept columns at the guarantee, or all the distinct columns that
// reach it when fewer; counted the plain way.
bool Copre(const std::vector<TColonna>& tutte, const std::vector<TColonna>& tenute, int garanzia,
           int vincite) {
    const std::set<TColonna> distinte(tutte.begin(), tutte.end());
    for (const auto& c : tutte) {
        int vicine = 0, coperta = 0;
        for (const auto& d : distinte) vicine += Punteggio(c, d) >= garanzia;
        for (const auto& k : tenute) coperta += Punteggio(c, k) >= garanzia;
        if (coperta < std::min(vincite, vicine)) return false;
    }
    return true;
}

std::vector<TColonna> Sviluppate(std::mt19937& r, const std::vector<int>& dimensioni, int piloti) {
    const TPronostico p = PronosticoCasuale(r, dimensioni, piloti);
    std::vector<TColonna> v;
    SviluppaPronostico(
        p,
        [&](const TColonna& c) {
            if (ColonnaDistinta(c)) v.push_back(c);
        },
        nullptr);
    return v;
}

// The columns of a random forecast of four to three pilots per position.
std::vector<TColonna> Medie(unsigned seme) {
    std::mt19937 r(seme);
    return Sviluppate(r, {4, 4, 4, 4, 3, 3, 3, 3}, 10);
}

// Groups of five columns differing only in position 8 (92 points within a group), no two
// groups sharing a pilot at any position.
std::vector<TColonna> Gruppi(int quanti) {
    std::vector<TColonna> v;
    for (int g = 0; g < quanti; ++g)
        for (int p8 = 0; p8 < 5; ++p8)
            v.push_back(
                Col({1 + g, 11 + g, 21 + g, 31 + g, 41 + g, 51 + g, 61 + g, 71 + 5 * g + p8}));
    return v;
}

// Presses "Annulla", or moves the clock past the budget, once the search is under way: once
// the best count shown drops below the first one.
class TOsservatoreRicerca : public ISviluppoOsservatore {
  public:
    std::function<void()> AllaRicerca;
    std::vector<std::string> Stati;
    void Aggiorna(const TQuadroSviluppo& q, unsigned) override {
        if (Stati.empty() || Stati.back() != q.Stato) Stati.push_back(q.Stato);
        if (q.Migliorata.empty()) return;
        const std::int64_t colonne = std::stoll(q.Migliorata.substr(std::strlen("Colonne: ")));
        if (partenza_ == 0) partenza_ = colonne;
        if (colonne < partenza_ && AllaRicerca) {
            AllaRicerca();
            AllaRicerca = nullptr;
        }
    }

  private:
    std::int64_t partenza_ = 0;
};

}  // namespace

TEST(RiduzioneMigliorata, CoversEveryColumnAndNeverKeepsMoreThanTheOptimised) {
    std::mt19937 r(77);
    struct Caso {
        int garanzia, vincite;
    };
    for (const Caso c :
         {Caso{40, 1}, Caso{60, 1}, Caso{75, 1}, Caso{92, 1}, Caso{60, 2}, Caso{80, 3}}) {
        auto v = Sviluppate(r, {4, 4, 4, 4, 3, 3, 3, 3}, 10);
        v.insert(v.end(), v.begin(), v.begin() + 7);  // duplicates count once
        const auto u = Riduci(v, c.garanzia, c.vincite);
        SCOPED_TRACE(testing::Message() << c.garanzia << " x" << c.vincite);
        EXPECT_TRUE(Copre(v, u.Colonne, c.garanzia, c.vincite));
        EXPECT_EQ(std::set<TColonna>(u.Colonne.begin(), u.Colonne.end()).size(), u.Colonne.size());
        EXPECT_GT(u.Esito.LimiteInferiore, 0);
        EXPECT_LE(u.Esito.LimiteInferiore, static_cast<std::int64_t>(u.Colonne.size()));
        EXPECT_TRUE(u.Esito.Ricerca);
        if (c.vincite == 1) {
            EXPECT_LE(u.Colonne.size(), Ottimizzata(v, c.garanzia));
        }
        // Kept in list order.
        for (std::size_t i = 1; i < u.Colonne.size(); ++i)
            EXPECT_LT(std::find(v.begin(), v.end(), u.Colonne[i - 1]),
                      std::find(v.begin(), v.end(), u.Colonne[i]));
    }
}

TEST(RiduzioneMigliorata, FindsFewerColumnsThanTheOptimisedOnADevelopedSet) {
    std::mt19937 r(5);
    const auto v = Sviluppate(r, {3, 3, 4, 4, 4, 4, 4, 4}, 12);
    const auto u = Riduci(v, 70, 1, Passi(20000));
    EXPECT_LT(u.Colonne.size(), Ottimizzata(v, 70));
    EXPECT_EQ(u.Esito.Partenza, static_cast<std::int64_t>(Ottimizzata(v, 70)));
}

TEST(RiduzioneMigliorata, TheSameSeedAndIterationsGiveTheSameColumns) {
    std::mt19937 r(11);
    const auto v = Sviluppate(r, {4, 4, 4, 3, 3, 3, 3, 3}, 11);
    TParametriMigliorata p = Passi(5000);
    p.Seme = 42;
    const auto a = Riduci(v, 70, 1, p);
    const auto b = Riduci(v, 70, 1, p);
    EXPECT_EQ(a.Colonne, b.Colonne);
    EXPECT_EQ(a.Esito.Passi, TParametriMigliorata::kCatene * p.Iterazioni);
    EXPECT_EQ(a.Esito.Iterazioni, p.Iterazioni);
}

TEST(RiduzioneMigliorata, AStopAtTheTimeIsRepeatedByTheIterationsItReports) {
    // The clock stands still until the search has improved on its start, then jumps past the
    // time: the search ends with the round under way.
    std::mt19937 r(13);
    const auto v = Sviluppate(r, {4, 4, 4, 4, 3, 3, 3, 3}, 10);
    std::atomic<double> ora{1000};
    TOsservatoreRicerca oss;
    oss.AllaRicerca = [&] { ora = 2000; };
    TParametriMigliorata p;
    p.Secondi = 100;
    p.Seme = 5;
    const auto a = Riduci(v, 60, 1, p, &oss, nullptr, [&] { return ora.load(); });
    ASSERT_GT(a.Esito.Iterazioni, 0);
    ASSERT_LT(a.Colonne.size(), static_cast<std::size_t>(a.Esito.Partenza));
    TParametriMigliorata q = Passi(a.Esito.Iterazioni);
    q.Seme = 5;
    EXPECT_EQ(Riduci(v, 60, 1, q).Colonne, a.Colonne);
}

TEST(RiduzioneMigliorata, SeparateGroupsNeedTheirRequirementEach) {
    // Three groups of five: at 92 one column per group, or `vincite` of them up to the five.
    const auto v = Gruppi(3);
    struct Caso {
        int vincite;
        std::size_t colonne;
    };
    for (const Caso c : {Caso{1, 3}, Caso{2, 6}, Caso{7, 15}}) {
        const auto u = Riduci(v, 92, c.vincite);
        EXPECT_EQ(u.Colonne.size(), c.colonne) << c.vincite;
        EXPECT_EQ(u.Esito.LimiteInferiore, static_cast<std::int64_t>(c.colonne)) << c.vincite;
        EXPECT_TRUE(Copre(v, u.Colonne, 92, c.vincite));
    }
    EXPECT_EQ(Riduci({v[0]}, 92, 3).Colonne, std::vector<TColonna>{v[0]});
    EXPECT_TRUE(Riduci({}, 92, 1).Colonne.empty());
}

TEST(RiduzioneMigliorata, ShowsTheBestCountWithItsBound) {
    double ora = 50;
    const auto u = Riduci(Gruppi(4), 92, 1, Passi(kPassi), nullptr, nullptr, [&] {
        ora += 0.25;
        return ora;
    });
    EXPECT_EQ(u.Quadro.Migliorata.rfind("Colonne: 4 — minimo teorico ≥ 4 — ", 0), 0u);
    EXPECT_EQ(u.Quadro.Indicatore, 100);
    EXPECT_EQ(u.Quadro.TortaRiduzione[0], 20);
    EXPECT_EQ(TestoMigliorata(131, 118, 42.7), "Colonne: 131 — minimo teorico ≥ 118 — 42 s");
    EXPECT_EQ(TestoMigliorata(143, 0, 0), "Colonne: 143 — 0 s");
}

TEST(RiduzioneMigliorata, WithoutRoomForTheNeighboursTheOptimisedCoverIsCompleted) {
    const auto v = Medie(21);
    TParametriMigliorata p = Passi(kPassi);
    p.MassimoVicini = 100;
    for (int vincite : {1, 3}) {
        const auto u = Riduci(v, 70, vincite, p);
        EXPECT_FALSE(u.Esito.Ricerca);
        EXPECT_TRUE(Copre(v, u.Colonne, 70, vincite)) << vincite;
        if (vincite == 1) {
            EXPECT_EQ(u.Colonne.size(), Ottimizzata(v, 70));
        }
    }
}

TEST(RiduzioneMigliorata, CancelLeavesACompleteCover) {
    const auto v = Medie(3);
    TParametriMigliorata p;
    p.Iterazioni = kTetto;
    p.Secondi = 3600;
    for (int vincite : {1, 2}) {
        // Before any cover is found: the list as it was.
        TAnnullamento subito;
        subito.Richiedi();
        const auto prima = Riduci(v, 70, vincite, p, nullptr, &subito);
        EXPECT_EQ(prima.Colonne, v);
        EXPECT_TRUE(prima.Esito.Interrotta);
        // During the search: the best cover so far.
        TAnnullamento annulla;
        TOsservatoreRicerca oss;
        oss.AllaRicerca = [&] { annulla.Richiedi(); };
        const auto durante = Riduci(v, 70, vincite, p, &oss, &annulla);
        EXPECT_TRUE(durante.Esito.Interrotta);
        EXPECT_LT(durante.Esito.Passi, kTetto);
        EXPECT_TRUE(Copre(v, durante.Colonne, 70, vincite)) << vincite;
        if (vincite == 1) {
            EXPECT_LE(durante.Colonne.size(), Ottimizzata(v, 70));
        }
    }
}

TEST(RiduzioneMigliorata, StopsWhenTheTimeIsUp) {
    const auto v = Medie(9);
    std::atomic<double> ora{1000};
    TOsservatoreRicerca oss;
    oss.AllaRicerca = [&] { ora = 1000 + 12.5; };  // the clock jumps past the 10 s
    TParametriMigliorata p;
    p.Secondi = 10;
    p.Iterazioni = kTetto;
    const auto u = Riduci(v, 70, 1, p, &oss, nullptr, [&] { return ora.load(); });
    EXPECT_LT(u.Esito.Passi, 4 * kTetto);
    EXPECT_FALSE(u.Esito.Interrotta);
    EXPECT_TRUE(Copre(v, u.Colonne, 70, 1));
    // The time left was shown while the search ran.
    EXPECT_NE(std::find(oss.Stati.begin(), oss.Stati.end(),
                        "Riduzione Migliorata in Corso...   Tempo Rimanente : 0:00:10"),
              oss.Stati.end());
}

TEST(RiduzioneMigliorata, DevelopsOncePerRunAndCoversEachColumnAsOftenAsTheWins) {
    const TPronostico pr = PronosticoDaListe(
        {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}, {5, 6, 7}, {6, 7, 8}, {7, 8, 9}, {8, 9, 10}});
    TDatiSviluppo dati;
    dati.Pronostico = &pr;
    const auto tutte = Esegui(false, dati, nullptr).Colonne;
    dati.Impostazioni.Autoriduzione = true;
    dati.Impostazioni.Migliorata = true;
    dati.Impostazioni.Garanzia = 75;
    dati.Impostazioni.VinciteMultiple = 2;
    dati.Impostazioni.SecondiMigliorata = 0;
    dati.Impostazioni.IterazioniMigliorata = kPassi;
    const auto r = Esegui(false, dati, nullptr, -1);
    EXPECT_EQ(r.Esito.Passo, 1);
    EXPECT_EQ(r.Esito.ColonneSviluppate, static_cast<std::int64_t>(tutte.size()));
    EXPECT_TRUE(Copre(tutte, r.Colonne, 75, 2));
    EXPECT_GT(r.Esito.LimiteInferiore, 0);
    EXPECT_LE(r.Esito.LimiteInferiore, static_cast<std::int64_t>(r.Colonne.size()));
    EXPECT_EQ(r.Eventi.back().Quadro.Stato.rfind("Elaborazione Terminata.", 0), 0u);
}

// The smallest cover by trying every set of columns, smallest first.
std::size_t Ottimo(const std::vector<TColonna>& v, int garanzia, int vincite) {
    const std::size_t n = v.size();
    std::vector<int> scelta;
    for (std::size_t k = 0; k <= n; ++k) {
        std::vector<bool> maschera(n, false);
        std::fill(maschera.begin(), maschera.begin() + static_cast<std::ptrdiff_t>(k), true);
        do {
            std::vector<TColonna> tenute;
            for (std::size_t i = 0; i < n; ++i)
                if (maschera[i]) tenute.push_back(v[i]);
            if (Copre(v, tenute, garanzia, vincite)) return k;
        } while (std::prev_permutation(maschera.begin(), maschera.end()));
    }
    return n;
}

TEST(RiduzioneMigliorata, TheBoundNeverPassesTheOptimumOfSmallSets) {
    std::mt19937 r(31);
    struct Caso {
        std::vector<int> dimensioni;
        int garanzia, vincite;
    };
    const Caso casi[] = {
        {{2, 2, 2, 2, 1, 1, 1, 1}, 60, 1}, {{2, 2, 1, 1, 2, 2, 1, 1}, 75, 1},
        {{3, 2, 1, 1, 1, 1, 1, 3}, 70, 1}, {{2, 1, 1, 1, 1, 2, 2, 2}, 80, 2},
        {{3, 3, 2, 1, 1, 1, 1, 1}, 85, 1}, {{2, 2, 2, 2, 1, 1, 1, 1}, 60, 3},
        {{1, 1, 1, 2, 2, 2, 1, 2}, 82, 1},
    };
    for (const Caso& c : casi) {
        // Each position from its own three pilots, so that no column repeats one.
        TPronostico p;
        for (int i = 0; i < 8; ++i) {
            std::vector<int> tre = {3 * i + 1, 3 * i + 2, 3 * i + 3};
            std::shuffle(tre.begin(), tre.end(), r);
            for (int k = 0; k < c.dimensioni[static_cast<std::size_t>(i)]; ++k)
                p.Posizione[i].Aggiungi(tre[static_cast<std::size_t>(k)]);
        }
        std::vector<TColonna> v;
        SviluppaPronostico(
            p, [&](const TColonna& x) { v.push_back(x); }, nullptr);
        ASSERT_LE(v.size(), 18u);
        const std::size_t ottimo = Ottimo(v, c.garanzia, c.vincite);
        const auto u = Riduci(v, c.garanzia, c.vincite);
        SCOPED_TRACE(testing::Message() << v.size() << " columns, " << c.garanzia << " x"
                                        << c.vincite << ", optimum " << ottimo);
        EXPECT_GT(u.Esito.LimiteInferiore, 0);
        EXPECT_LE(u.Esito.LimiteInferiore, static_cast<std::int64_t>(ottimo));
        EXPECT_LE(u.Esito.Rilassamento, static_cast<double>(ottimo) + 1e-9);
        // The relaxation lies between the dual bound and the fractional cover found.
        if (u.Esito.TettoRilassamento > 0) {
            EXPECT_LE(u.Esito.Rilassamento, u.Esito.TettoRilassamento + 1e-9);
        }
        // So few columns leave the search no excuse.
        EXPECT_EQ(u.Colonne.size(), ottimo);
        EXPECT_TRUE(Copre(v, u.Colonne, c.garanzia, c.vincite));
    }
}

TEST(RiduzioneMigliorata, ColumnsEveryCoverNeedsAreFixedFirst) {
    // At 92 only columns differing in position 8 alone cover each other: a group of one is
    // covered by itself alone, a group of two by its pair.
    const auto gruppo = [](int g, int quante) {
        std::vector<TColonna> v;
        for (int p8 = 0; p8 < quante; ++p8)
            v.push_back(
                Col({1 + g, 11 + g, 21 + g, 31 + g, 41 + g, 51 + g, 61 + g, 71 + 5 * g + p8}));
        return v;
    };
    std::vector<TColonna> v;
    for (int g = 0; g < 3; ++g) {
        const auto parte = gruppo(g, g + 1);
        v.insert(v.end(), parte.begin(), parte.end());
    }
    std::vector<std::uint64_t> parole;
    for (const auto& c : v) parole.push_back(ComeParola(c));
    TGrafoCopertura g;
    ASSERT_EQ(g.Costruisci(parole, 92, 1, 1000, {}), TGrafoCopertura::TEsito::Costruito);
    struct Caso {
        int vincite;
        std::vector<std::uint8_t> fisse;
    };
    // One win: the lone column, and one of the pair; three columns that all cover each other
    // need nothing fixed. Two wins: both of the pair too, and the lone one needs only itself.
    for (const Caso& c :
         {Caso{1, {1, 0, 1, 0, 0, 0}}, Caso{2, {1, 1, 1, 0, 0, 0}}, Caso{3, {1, 1, 1, 1, 1, 1}}}) {
        EXPECT_EQ(ColonneFisse(g, Requisiti(g, c.vincite)), c.fisse) << c.vincite;
        const auto u = Riduci(v, 92, c.vincite);
        EXPECT_EQ(u.Esito.Fisse, std::count(c.fisse.begin(), c.fisse.end(), std::uint8_t{1}));
        EXPECT_TRUE(Copre(v, u.Colonne, 92, c.vincite)) << c.vincite;
    }
}
