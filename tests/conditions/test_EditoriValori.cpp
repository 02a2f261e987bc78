#include <gtest/gtest.h>

#include "conditions/EditoriValori.h"
#include "conditions/TValoriAmmessi.h"

using namespace sirvela;

namespace {

// The grades of the first boxes after clicking the boxes in order.
std::vector<int> Gradi(const TModelloGraphpt& e, int quanti) {
    std::vector<int> r;
    for (int b = 0; b < quanti; ++b) r.push_back(e.Grado(b));
    return r;
}

TIntervalliAmmessi Lista(std::initializer_list<TIntervallo> intervalli, char lettera = 'A') {
    TIntervalliAmmessi l(nullptr);
    for (const TIntervallo& i : intervalli) l.Intervalli[static_cast<std::size_t>(l.Quanti++)] = i;
    l.LetteraLink = lettera;
    return l;
}

}  // namespace

TEST(Graphpt, ClicksCycleTheGradesAndLevelsStayWithinOneToNinetyNine) {
    TModelloGraphpt e;
    e.ImpostaForma(9, 9, 0);
    // Box b clicked b + 1 times: 0 -> 1 -> 2 -> 0 -> 1.
    for (int b = 0; b < 4; ++b)
        for (int k = 0; k <= b; ++k) e.Clic(b);
    EXPECT_EQ(Gradi(e, 5), (std::vector<int>{1, 2, 0, 1, 0}));
    EXPECT_TRUE(e.Modificato);

    // A value put in recovery after "Azzera " (level 0) gets level 1; the arrows stop at 99
    // and 1 and do nothing on a box that is not in recovery.
    e.Azzera();
    e.Clic(1);
    e.Clic(1);
    EXPECT_EQ(e.Mostrata().Voci[1].Livello, 1);
    EXPECT_FALSE(e.AbbassaLivello(1));
    for (int k = 0; k < 120; ++k) e.AlzaLivello(1);
    EXPECT_EQ(e.Livello(1), 99);
    EXPECT_FALSE(e.AlzaLivello(0));
    EXPECT_EQ(e.Mostrata().Voci[0].Livello, 0);

    TModelloGraphpt senza;
    senza.RecVisibili = false;
    senza.ImpostaForma(9, 9, 0);
    for (int k = 0; k < 3; ++k) senza.Clic(4);
    EXPECT_EQ(senza.Grado(4), 1);
    // Boxes beyond the strip are not there.
    EXPECT_FALSE(senza.Clic(9));
    EXPECT_FALSE(senza.Clic(-1));
}

TEST(Graphpt, ArrowsScrollWithinTheStrip) {
    TModelloGraphpt e;
    e.ImpostaForma(89, 12, 0);
    EXPECT_TRUE(e.ConFrecce());
    EXPECT_FALSE(e.ScorriIndietro());
    int passi = 0;
    while (e.ScorriAvanti()) ++passi;
    EXPECT_EQ(passi, 77);
    EXPECT_EQ(e.ValoreBox(11), 88);
    e.Clic(11);
    EXPECT_EQ(e.Mostrata().Voci[88].Stato, 1);
    EXPECT_TRUE(e.ScorriIndietro());
    EXPECT_EQ(e.Scostamento(), 76);

    // A strip wider than its values: no arrows, only the values there are.
    e.ImpostaForma(5, 12, 1);
    EXPECT_FALSE(e.ConFrecce());
    EXPECT_EQ(e.Scostamento(), 0);
    EXPECT_EQ(e.Box(), 5);
    EXPECT_EQ(e.ValoreBox(0), 1);
}

TEST(Graphpt, TheKeyboardValueScrollsTheStripAndLevelsAreSetDirectly) {
    TModelloGraphpt e;
    e.ImpostaForma(20, 5, 1);            // values 1..20, five in sight
    EXPECT_FALSE(e.SpostaCorrente(-1));  // already the first value
    for (int k = 0; k < 6; ++k) e.SpostaCorrente(1);
    // The sixth value on is value 7: the strip scrolled to show it as its last box.
    EXPECT_EQ(e.Scostamento(), 2);
    EXPECT_EQ(e.BoxCorrente(), 4);
    EXPECT_EQ(e.ValoreBox(e.BoxCorrente()), 7);
    e.SpostaCorrente(100);
    EXPECT_EQ(e.ValoreBox(e.BoxCorrente()), 20);
    EXPECT_EQ(e.Scostamento(), 15);
    // The arrows scroll it back along with the strip: it stays in sight.
    for (int k = 0; k < 10; ++k) e.ScorriIndietro();
    EXPECT_EQ(e.Scostamento(), 5);
    EXPECT_EQ(e.BoxCorrente(), 4);

    // Levels of a value in recovery: set, stepped by ten, kept within 1..99.
    e.Clic(1);
    e.Clic(1);
    struct TPasso {
        int passi, livello;  // 0 passi: set `livello` directly
        bool cambia;
        int risultato;
    };
    for (const TPasso& p :
         {TPasso{0, 50, true, 50}, TPasso{10, 0, true, 60}, TPasso{50, 0, true, 99},
          TPasso{1, 0, false, 99}, TPasso{0, 0, true, 1}, TPasso{0, 1, false, 1},
          TPasso{-10, 0, false, 1}, TPasso{0, 150, true, 99}}) {
        const bool cambia = p.passi ? e.CambiaLivello(1, p.passi) : e.ImpostaLivello(1, p.livello);
        EXPECT_EQ(cambia, p.cambia) << p.passi << " " << p.livello;
        EXPECT_EQ(e.Livello(1), p.risultato) << p.passi << " " << p.livello;
    }
    e.Modificato = false;
    EXPECT_FALSE(e.ImpostaLivello(0, 30));  // not in recovery: no level
    EXPECT_FALSE(e.Modificato);
}

TEST(Graphpt, ModesChooseTheTableAndItsLetterAndGroup) {
    TValoriAmmessi v(nullptr, 8, true);
    v.Principale.Voci[3] = {1, 0};
    v.Secondaria.Voci[2] = {2, 0};
    v.Secondaria.LetteraLink = 'C';
    TModelloGraphpt e;
    e.ImpostaTipi(true, true, false);
    e.Carica(v);
    EXPECT_FALSE(e.Modificato);
    EXPECT_EQ(e.Grado(3), 1);
    EXPECT_EQ(e.Lettera(), 'A');
    e.ImpostaModo(TModelloGraphpt::kModoCampo);  // not a mode of this editor
    EXPECT_EQ(e.Modo(), TModelloGraphpt::kModoPunti);
    e.ImpostaModo(TModelloGraphpt::kModoCons);
    EXPECT_EQ(e.Grado(2), 2);
    EXPECT_EQ(e.Livello(2), 1);  // levels of 0 are shown as 1
    EXPECT_EQ(e.Lettera(), 'C');

    // Letters A..Z and groups 0..30 only, each for the table shown.
    for (char l : {'@', '[', 'a'}) e.ImpostaLettera(l);
    for (int g : {-1, 31}) e.ImpostaGruppoTra(g);
    EXPECT_FALSE(e.Modificato);
    e.ImpostaLettera('Z');
    e.ImpostaGruppoTra(30);
    EXPECT_TRUE(e.Modificato);
    TValoriAmmessi fuori(nullptr, 8, true);
    e.Salva(fuori);
    EXPECT_EQ(fuori.Secondaria.LetteraLink, 'Z');
    EXPECT_EQ(fuori.Secondaria.GruppoTra, 30);
    EXPECT_EQ(fuori.Principale.LetteraLink, 'A');
    EXPECT_EQ(fuori.Principale.Voci[3].Stato, 1);
    EXPECT_EQ(fuori.Principale.Voci[50].Livello, 1);

    // Switching off the mode shown moves to the first remaining one.
    e.ImpostaTipi(true, false, true);
    EXPECT_EQ(e.Modo(), TModelloGraphpt::kModoPunti);
    e.ImpostaModo(TModelloGraphpt::kModoCampo);
    EXPECT_FALSE(e.MostraPrincipale());
    e.ImpostaTipi(false, true, false);
    EXPECT_EQ(e.Modo(), TModelloGraphpt::kModoCons);
}

TEST(Graphpt, CampoStaysOrderedWithinNumEvents) {
    TModelloGraphpt e;
    e.ImpostaTipi(false, false, true);
    e.ImpostaCampoA(4);
    e.ImpostaCampoDa(6);
    EXPECT_EQ(std::pair(e.CampoDa(), e.CampoA()), std::pair(6, 6));
    e.ImpostaCampoA(2);  // below the first: the last follows the first
    EXPECT_EQ(e.CampoA(), 6);
    e.ImpostaCampoA(12);
    EXPECT_EQ(e.CampoA(), 8);
    e.ImpostaNumEvents(5);
    EXPECT_EQ(std::pair(e.CampoDa(), e.CampoA()), std::pair(5, 5));
    e.ImpostaCampoDa(0);
    EXPECT_EQ(e.CampoDa(), 1);
    e.Azzera();
    EXPECT_EQ(std::pair(e.CampoDa(), e.CampoA()), std::pair(1, 5));
}

TEST(GrigliaIntervalli, CheckTakesThePagesInOrderAndStopsAtTheFirstFault) {
    using P = TModelloIntervalli;
    struct Caso {
        std::vector<std::tuple<int, std::string, std::string>> Celle;  // page, Min, Max
        const char* Errore;
        int Pagina, Colonna;
    };
    const Caso casi[] = {
        {{{0, "10", "20"}, {0, "21", "30"}}, nullptr, 0, 0},
        {{{0, "10", "20"}, {0, "21", "30"}, {0, "5", "10"}}, kErroreIntervalliContigui, 0, 2},
        {{{0, "10", "20"}, {0, "21", "30"}, {1, "15", "25"}}, kErroreIntervalliContigui, 1, 0},
        {{{0, "20", "10"}}, kErroreMinimoSopraMassimo, 0, 0},
        {{{0, "1", "2"}, {0, "1x", "4"}}, kErroreMinimoIntervallo, 0, 1},
        {{{1, "3", "4.5"}}, kErroreMassimoIntervallo, 1, 0},
        {{{0, " -5 ", "+7"}, {0, "", "9"}}, kErroreIntervalliContigui, 0, 1},  // empty Min is 0
        {{{0, "99999999999", "1"}}, kErroreMinimoIntervallo, 0, 0},
    };
    for (const Caso& c : casi) {
        P g;
        for (std::size_t k = 0; k < c.Celle.size(); ++k) {
            const auto& [pagina, min, max] = c.Celle[k];
            int colonna = 0;
            for (std::size_t j = 0; j < k; ++j) colonna += std::get<0>(c.Celle[j]) == pagina;
            g.ImpostaMin(pagina, colonna, min);
            g.ImpostaMax(pagina, colonna, max);
        }
        TIntervalliAmmessi lista = Lista({{1, 2, 1, 0}});
        const TErroreGriglia e = g.Acquisisci(lista);
        SCOPED_TRACE(std::get<1>(c.Celle.back()));
        if (!c.Errore) {
            EXPECT_TRUE(e.Ok());
            continue;
        }
        EXPECT_EQ(e.Messaggio, c.Errore);
        EXPECT_EQ(std::pair(e.Pagina, e.Colonna), std::pair(c.Pagina, c.Colonna));
        EXPECT_EQ(lista.Quanti, 1);  // a failing check leaves the list alone
    }
}

TEST(GrigliaIntervalli, PagesBecomeGradesLevelsAndTheLetter) {
    TModelloIntervalli g;
    g.ImpostaMin(1, 2, "40");
    g.ImpostaMax(1, 2, "45");
    g.ImpostaLivello(2, 120);
    g.ImpostaMin(0, 5, " 100");
    g.ImpostaMax(0, 5, "120 ");
    g.ImpostaMin(0, 7, "  ");  // blank cells: the column is skipped
    g.ImpostaLettera('B');
    TIntervalliAmmessi lista = Lista({{1, 2, 1, 0}, {3, 4, 2, 5}}, 'Q');
    ASSERT_TRUE(g.Acquisisci(lista).Ok());
    EXPECT_EQ(lista.Quanti, 2);
    EXPECT_EQ(lista.Intervalli[0], (TIntervallo{100, 120, 1, 0}));
    EXPECT_EQ(lista.Intervalli[1], (TIntervallo{40, 45, 2, 99}));
    EXPECT_EQ(lista.Intervalli[2], TIntervallo{});
    EXPECT_EQ(lista.LetteraLink, 'B');

    // Loading puts each grade on its page, in list order; grades the grid cannot show are
    // left out; a page holding more than 21 intervals grows.
    TIntervalliAmmessi piena(nullptr);
    for (int i = 0; i < 25; ++i)
        piena.Intervalli[static_cast<std::size_t>(i)] = {i * 2.0, i * 2.0 + 1, 1, 0};
    piena.Intervalli[25] = {60.5, 70, 2, 0};
    piena.Intervalli[26] = {80, 90, 0, 0};
    piena.Quanti = 27;
    g.Carica(piena);
    EXPECT_FALSE(g.Modificato);
    EXPECT_EQ(g.Colonne(0), 25);
    EXPECT_EQ(g.Colonne(1), 21);
    EXPECT_EQ(g.Cella(0, 24), (TModelloIntervalli::TCella{"48", "49", 1}));
    EXPECT_EQ(g.Cella(1, 0), (TModelloIntervalli::TCella{"60.5", "70", 1}));
    EXPECT_EQ(g.Cella(1, 1), TModelloIntervalli::TCella{});

    // Filling the pages past the 43 places of a list is refused.
    for (int c = 0; c < 21; ++c) {
        g.ImpostaMin(1, c, std::to_string(100 + 2 * c));
        g.ImpostaMax(1, c, std::to_string(100 + 2 * c));
    }
    const TErroreGriglia e = g.Acquisisci(lista);
    EXPECT_EQ(e.Messaggio, kErroreTroppiIntervalli);
    EXPECT_EQ(std::pair(e.Pagina, e.Colonna), std::pair(1, 18));
}
