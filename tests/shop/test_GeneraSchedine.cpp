#include <gtest/gtest.h>

#include <set>

#include "core/Globali.h"
#include "shop/GeneraSchedine.h"
#include "support/CartellaDiProva.h"
#include "support/Finti.h"
#include "support/Supporto.h"

using namespace sirvela;

namespace {

const TPrezzi kLire{1000.0, 0.52, false};
const TPrezzi kEuro{1000.0, 0.52, true};
constexpr int kNessuno = 100;  // every pilot has a name
constexpr int kTredici = 13;

// 23 pilots in play, in a program folder of its own; the globals are put back afterwards.
struct Piloti : ::testing::Test, test::TCartellaDiProva {};

TModelloGeneraSchedine ConFissi(int fissi, bool casuale = false) {
    TModelloGeneraSchedine m;
    m.ImpostaNumeriFissi(fissi);
    m.CostoCasuale = casuale;
    return m;
}

}  // namespace

TEST(GeneraSchedine, DisposizioniCountTheColumnsOfASystemTicket) {
    const struct {
        int n, k;
        std::int64_t colonne;
    } casi[] = {{3, 2, 6},
                {2, 1, 2},
                {7, 1, 7},
                {6, 5, 720},
                {9, 8, 362880},
                {2, 6, 0},
                {22, 8, 12893126400},
                {5, 0, 1}};
    for (const auto& c : casi) EXPECT_EQ(Disposizioni(c.n, c.k), c.colonne) << c.n << " " << c.k;
}

TEST(GeneraSchedine, CostsShownForEachMode) {
    TModelloGeneraSchedine m;  // 8 fixed: a plain ticket of two columns
    EXPECT_EQ(m.TestoCostoSchedina(kLire), " 2.000");
    EXPECT_EQ(m.TestoCostoSchedina(kEuro), " 1,04");
    EXPECT_EQ(m.TestoCostoMinimo(kLire), " 2.000");
    EXPECT_EQ(m.TestoCostoMassimo(kLire), " 10.000");
    EXPECT_EQ(m.TestoCostoMassimo(kEuro), " 5,20");
    const struct {
        int fissi, variabili;
        const char* costo;
    } casi[] = {{6, 3, " 6.000"}, {7, 2, " 2.000"}, {0, 9, " 362.880.000"}, {3, 6, " 720.000"}};
    for (const auto& c : casi) {
        m.ImpostaNumeriFissi(c.fissi);
        EXPECT_EQ(m.PilotiVariabili(), c.variabili) << c.fissi;
        EXPECT_EQ(m.TestoCostoSchedina(kLire), c.costo) << c.fissi;
    }
    m.ImpostaNumeriFissi(8);
    EXPECT_EQ(m.PilotiVariabili(), 0);
}

TEST(GeneraSchedine, ArrowLimits) {
    // Fixed count -> lowest and highest variable pilots with 23 pilots in play.
    const struct { int fissi, minimo, massimo; } casi[] = {{7, 2, 15}, {6, 3, 16}, {0, 9, 22}};
    for (const auto& c : casi) {
        TModelloGeneraSchedine m = ConFissi(c.fissi);
        m.DiminuisciVariabili();
        EXPECT_EQ(m.PilotiVariabili(), c.minimo) << c.fissi;
        for (int i = 0; i < 30; ++i) m.AumentaVariabili(23);
        EXPECT_EQ(m.PilotiVariabili(), c.massimo) << c.fissi;
        for (int i = 0; i < 30; ++i) m.DiminuisciVariabili();
        EXPECT_EQ(m.PilotiVariabili(), c.minimo) << c.fissi;
    }
    TModelloGeneraSchedine m = ConFissi(4, true);
    m.AumentaVariabili(23);  // not with a random cost
    EXPECT_EQ(m.PilotiVariabili(), 5);

    m.DiminuisciMinimo();
    EXPECT_EQ(m.MinimoColonne(), 2);
    for (int i = 0; i < 20; ++i) m.AumentaMinimo();
    EXPECT_EQ(m.MinimoColonne(), 10);  // up to the maximum
    for (int i = 0; i < 20; ++i) m.DiminuisciMassimo();
    EXPECT_EQ(m.MassimoColonne(), 10);  // down to the minimum
    for (int i = 0; i < 300; ++i) m.AumentaMassimo();
    EXPECT_EQ(m.MassimoColonne(), 200);
    m.ImpostaSchedine(5000);
    EXPECT_EQ(m.Schedine(), 1000);
    m.ImpostaSchedine(0);
    EXPECT_EQ(m.Schedine(), 1);
}

TEST(GeneraSchedine, EnablingRules) {
    const struct {
        bool casuale;
        int fissi;
        bool frecceFisso, frecceCasuale, senzaStampa;
    } casi[] = {{false, 8, false, false, true},
                {false, 5, true, false, false},
                {true, 8, false, true, false},
                {true, 5, false, true, false}};
    for (const auto& c : casi) {
        const TModelloGeneraSchedine m = ConFissi(c.fissi, c.casuale);
        EXPECT_EQ(m.FrecceCostoFisso(), c.frecceFisso) << c.casuale << c.fissi;
        EXPECT_EQ(m.FrecceCostoCasuale(), c.frecceCasuale) << c.casuale << c.fissi;
        EXPECT_EQ(m.GeneraSenzaStampa(), c.senzaStampa) << c.casuale << c.fissi;
    }
}

TEST_F(Piloti, FormaPossibileOnlyForRangesATicketReaches) {
    EXPECT_FALSE(FormaPossibile(2, 6, kNessuno));  // the smallest ticket has 7 columns
    EXPECT_TRUE(FormaPossibile(2, 10, kNessuno));
    EXPECT_TRUE(FormaPossibile(7, 7, kNessuno));
    // Nothing between 60 (5 fixed, 5 variable) and 72 (6 fixed, 9 variable).
    EXPECT_FALSE(FormaPossibile(61, 71, kNessuno));
    // 7 fixed and 16 variable pilots need 23 drawable pilots: with one excluded there are 22,
    // so 16..22 columns cannot be drawn (it would never end).
    EXPECT_TRUE(FormaPossibile(16, 16, kNessuno));
    EXPECT_FALSE(FormaPossibile(16, 22, kTredici));
}

TEST_F(Piloti, ScegliFormaHitsTheTargetExactly) {
    const struct {
        int minimo, massimo;
        std::set<std::pair<int, int>> forme;  // fixed, variable
    } casi[] = {{2, 10, {{7, 7}, {7, 8}, {7, 9}, {7, 10}}},
                {30, 60, {{6, 6}, {6, 7}, {6, 8}, {5, 5}}}};
    std::mt19937 caso(7);
    for (const auto& c : casi) {
        std::set<std::pair<int, int>> viste;
        for (int i = 0; i < 400; ++i) {
            const TForma f = ScegliForma(c.minimo, c.massimo, kTredici, caso);
            viste.insert({f.Fissi, f.Variabili});
        }
        EXPECT_EQ(viste, c.forme) << c.minimo;
    }
}

TEST_F(Piloti, GeneratedTicketsAreDistinctAndSkipTheExcludedPilot) {
    std::mt19937 caso(11);
    TListaColonne colonne;
    colonne.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    TModelloGeneraSchedine m;
    m.ImpostaSchedine(300);
    GeneraInMemoria(m, kTredici, caso, colonne);
    ASSERT_EQ(colonne.Quante(), 600);  // the list is replaced
    for (const TColonna& c : colonne) {
        EXPECT_TRUE(ColonnaDistinta(c));
        EXPECT_TRUE(ColonnaValida(c));  // 1..23
        EXPECT_EQ(std::count(c.begin(), c.end(), 13), 0);
    }

    // System tickets: f fixed pilots in place, n variable pilots among the others.
    for (const auto& [casuale, fissi] : {std::pair{false, 3}, std::pair{true, 8}}) {
        TModelloGeneraSchedine s = ConFissi(fissi, casuale);
        s.ImpostaSchedine(100);
        for (int i = 0; i < 15; ++i) s.AumentaMassimo();  // random range 2..25
        const auto r = SchedineDaStampare(s, kTredici, caso);
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->Semplici.Vuota());
        ASSERT_EQ(r->Sistemi.size(), 100u);
        for (const TSchedinaSistema& t : r->Sistemi) {
            const int vuoti = PostiVuoti(t.Fissa);
            if (!casuale) {
                EXPECT_EQ(vuoti, 5);
                EXPECT_EQ(t.Variabili.Conta(), 6);
                EXPECT_EQ(t.Colonne(), 720);
            } else {
                EXPECT_GE(t.Colonne(), 2);
                EXPECT_LE(t.Colonne(), 25);
            }
            std::set<int> piloti;
            for (std::uint8_t v : t.Fissa)
                if (v) piloti.insert(v);
            for (int i = 0; i < t.Variabili.Conta(); ++i) piloti.insert(t.Variabili[i]);
            EXPECT_EQ(piloti.size(), static_cast<std::size_t>(8 - vuoti + t.Variabili.Conta()));
            EXPECT_FALSE(piloti.count(13));
            EXPECT_GE(*piloti.begin(), 1);
            EXPECT_LE(*piloti.rbegin(), 23);
        }
    }
    EXPECT_TRUE(SchedineDaStampare(ConFissi(8, true), kNessuno, caso));
    TModelloGeneraSchedine stretto = ConFissi(8, true);
    for (int i = 0; i < 4; ++i) stretto.DiminuisciMassimo();  // 2..6
    EXPECT_FALSE(SchedineDaStampare(stretto, kNessuno, caso));
}

TEST_F(Piloti, RiempiVariabiliNeverAsksForMoreThanAreLeft) {
    std::mt19937 caso(3);
    const TColonna fissa{1, 2, 3, 4, 5, 6, 7, 0};
    const TCombinazione v = RiempiVariabili(fissa, 40, kTredici, caso);
    EXPECT_EQ(v.Conta(), 15);  // 23 less seven fixed less the excluded one
    for (int p = 1; p <= 7; ++p) EXPECT_FALSE(v.Contiene(p));
    EXPECT_FALSE(v.Contiene(13));
}

namespace {

struct GeneraSuDisco : Piloti {
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    std::mt19937 caso{5};
    TModelloGeneraSchedine m;
    std::string File() { return (CartellaColonne() / "Auto.Scl").string(); }
};

}  // namespace

TEST_F(GeneraSuDisco, WritesTwoColumnsPerTicketAfterTheOverwriteQuestion) {
    m.ImpostaSchedine(3);
    scelta.Risposte.push_back(File());
    EXPECT_TRUE(GeneraSuFile(m, kNessuno, caso, messaggi, scelta));
    ASSERT_EQ(scelta.Richieste.size(), 1u);
    EXPECT_EQ(scelta.Richieste[0].Titolo, "Salva le Colonne");
    EXPECT_EQ(scelta.Richieste[0].Filtro, "Scl file|*.Scl");
    EXPECT_EQ(scelta.Richieste[0].Estensione, "Scl");
    EXPECT_EQ(scelta.Richieste[0].Cartella, CartellaColonne().string());
    EXPECT_EQ(scelta.Richieste[0].Nome, "");
    EXPECT_TRUE(messaggi.Domande.empty());
    const auto primo = test::LeggiByte(File());
    EXPECT_EQ(primo.size(), 3u * 2 * 8);

    // An existing file: No keeps it, Si replaces it.
    m.ImpostaSchedine(1);
    scelta.Risposte.push_back(File());
    messaggi.Risposte.push_back(PulsanteNo);
    EXPECT_FALSE(GeneraSuFile(m, kNessuno, caso, messaggi, scelta));
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(messaggi.Domande[0].Titolo, "Informazione");
    EXPECT_EQ(messaggi.Domande[0].Testo, "Il file esiste già. Vuoi sovrascriverlo ? ");
    EXPECT_EQ(messaggi.Domande[0].Pulsanti, PulsanteSi | PulsanteNo);
    EXPECT_EQ(test::LeggiByte(File()), primo);
    scelta.Risposte.push_back(File());
    messaggi.Risposte.push_back(PulsanteSi);
    EXPECT_TRUE(GeneraSuFile(m, kNessuno, caso, messaggi, scelta));
    EXPECT_EQ(test::LeggiByte(File()).size(), 16u);

    // A file that cannot be written is reported, not passed off as done.
    scelta.Risposte.push_back((cartella / "manca" / "X.Scl").string());
    EXPECT_FALSE(GeneraSuFile(m, kNessuno, caso, messaggi, scelta));
    EXPECT_EQ(messaggi.Errori,
              std::vector<std::string>{"Errore Durante la Scrittura del File X.Scl: la cartella " +
                                       (cartella / "manca").string() + " non esiste."});
}
