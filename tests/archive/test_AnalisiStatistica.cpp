#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../conditions/test_ProprietaComuni.h"
#include "archive/AnalisiCondizionata.h"
#include "archive/AnalisiStatistica.h"
#include "archive/AvanzamentoAnalisi.h"
#include "archive/VistaAnalisi.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/Fabbrica.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"

namespace sirvela {
namespace {

using test::Ammetti;
using test::Col;

// Sums 36, 72, 64, 37; even pilots 4, 8, 0, 3 (longest even runs 1, 8, 0, 3).
const TColonna kA = Col({1, 2, 3, 4, 5, 6, 7, 8});
const TColonna kB = Col({2, 4, 6, 8, 10, 12, 14, 16});
const TColonna kC = Col({1, 3, 5, 7, 9, 11, 13, 15});
const TColonna kD = Col({2, 4, 6, 1, 3, 5, 7, 9});

void Archivio(TDatiSistema& d, const std::vector<TColonna>& risultati) {
    d.Archivio.Estrazioni.clear();
    for (const TColonna& r : risultati) {
        TEstrazione e;
        e.Vincente = r;
        d.Archivio.Estrazioni.push_back(e);
    }
}

// Records what the analysis tells its window; cancels at the n-th poll (0: never).
struct TAvanzamentoDiProva : IAvanzamentoAnalisi {
    std::vector<int> Posizioni;
    int Domande = 0;
    int AnnullaAlla = 0;
    int Aperture = 0, Chiusure = 0;
    void Apri(TFaseAnalisi, std::int64_t) override { ++Aperture; }
    void Posizione(int p) override { Posizioni.push_back(p); }
    void Chiudi() override { ++Chiusure; }
    bool Annullato() override { return ++Domande == AnnullaAlla; }
};

TEST(AnalisiStatistica, RestiBySevenOverAHandComputedArchive) {
    TDatiSistema d;
    Archivio(d, {kA, kB, kC, kD});  // remainders 1, 2, 1, 2
    TCondResti resti(&d);
    resti.Divisore = 7;
    TRisultatiAnalisi r;
    ASSERT_TRUE(EseguiAnalisi(resti, {}, r));
    ASSERT_EQ(r.QuantePagine, 1);
    const TPaginaAnalisi& p = r.Pagine[0];
    EXPECT_EQ(p.Nome, "Resto 7");
    EXPECT_EQ(p.StatArchivio.MaxValore, 7);  // values 0..7 held
    EXPECT_EQ(r.Righe(0), 7);                // rows 0..6 shown
    EXPECT_EQ(r.Etichetta(0, 6), "6");
    EXPECT_EQ(r.Titoli[TRisultatiAnalisi::kPrincipale], "Analisi Statistica dei Resti");
    EXPECT_EQ(r.Titoli[TRisultatiAnalisi::kColonne], "Analisi dei Resti");
    EXPECT_EQ(r.Titoli[TRisultatiAnalisi::kRitardi], "Analisi Statistica del Ritardo dei Resti");
    EXPECT_EQ(r.Titoli[TRisultatiAnalisi::kFrequenze],
              "Analisi Statistica delle Frequenze dei Resti");
    // value, frequency, delay, longest delay; 0 never came out: delay = longest = contests fed
    for (auto [v, f, rit, max] : {std::array{0, 0, 4, 4}, std::array{1, 2, 1, 1},
                                  std::array{2, 2, 0, 1}, std::array{6, 0, 4, 4}})
        EXPECT_EQ((std::array{p.StatArchivio.Frequenza(v), p.StatArchivio.Ritardo(v),
                              p.StatArchivio.RitardoMassimo(v)}),
                  (std::array{f, rit, max}))
            << v;
    EXPECT_EQ(CellaFrequenza(r, p.StatArchivio, 0, false, true, p.StatArchivio.Estrazioni), "0,00");
    EXPECT_EQ(CellaFrequenza(r, p.StatArchivio, 1, false, true, p.StatArchivio.Estrazioni),
              "50,00");
    const TCelleRitardo c = CelleRitardo(r, 0, 1, false);  // IC = 1 x 2 / 4
    EXPECT_EQ(c.Attuale + "|" + c.Massimo + "|" + c.IC, "1|1|0,50");
}

TEST(AnalisiStatistica, PariDispariPagesCarryBothMeasures) {
    TDatiSistema d;
    Archivio(d, {kA, kB, kC, kD});
    TCondPariDispari pd(&d);
    TRisultatiAnalisi r;
    ASSERT_TRUE(EseguiAnalisi(pd, {}, r));
    ASSERT_EQ(r.QuantePagine, 2);
    EXPECT_EQ(r.Pagine[0].Nome + "|" + r.Pagine[1].Nome, "Pari|Dispari");
    EXPECT_TRUE(r.ConConsecutivita());
    const T_FrequenzeRitardi& pari = r.Pagine[0].StatArchivio;
    // even counts 4, 8, 0, 3 and longest even runs 1, 8, 0, 3
    for (auto [secondaria, v, f, rit] :
         {std::array{0, 4, 1, 3}, std::array{0, 3, 1, 0}, std::array{1, 1, 1, 3},
          std::array{1, 8, 1, 2}, std::array{1, 5, 0, 4}}) {
        const auto& l = Lista(pari, secondaria == 1);
        EXPECT_EQ((std::array{l[static_cast<std::size_t>(v)].Frequenza,
                              l[static_cast<std::size_t>(v)].Ritardo}),
                  (std::array{f, rit}))
            << secondaria << " " << v;
    }
    // A page without the secondary measure shows 0 in the "Cons." delay cells.
    TCondResti resti(&d);
    resti.Divisore = 3;
    ASSERT_TRUE(EseguiAnalisi(resti, {}, r));
    EXPECT_FALSE(r.ConConsecutivita());
    EXPECT_EQ(CelleRitardo(r, 0, 0, true).IC, "0");
}

TEST(AnalisiStatistica, EveryKindNamesItsPagesAndMainTitle) {
    TDatiSistema d;
    Archivio(d, {kA, kB});
    struct TCaso {
        int tipo;
        const char* pagine;
        const char* titolo;
    };
    const TCaso casi[] = {
        {kSomme, "Tutti|Pari|Dispari", "Analisi Statistica delle Somme"},
        {kPariDispari, "Pari|Dispari", "Analisi Statistica dei Pari e Dispari"},
        {kBaricentri, "Tutti|Pari|Dispari", "Analisi Statistica dei Baricentri"},
        {kDistanzeGlobali, "Minima|Massima|Totale", "Analisi Statistica della Distanza "},
        {kVortici, "Posizione|Bracci", "Analisi Statistica del Vortice Diretto"},
        {kNumeriConsecutivi, "Consecutivita", "Analisi Statistica della consecutivita Numerica"},
        {kSimmetrie, "Dirette|Inverse|Totali", "Analisi Statistica delle Simmetrie"},
        {kInterruzioni, "Globali|Segni Pari|Segni Dispari",
         "Analisi Statistica delle Interruzioni"},
        {kRipetizioni, "Una Prec.|Due Prec.", "Analisi Statistica delle Ripetizioni"},
        {kCrescenzeDecrescenze, "Crescenze|Decrescenze",
         "Analisi Statistica delle Crescenze e Decrescenze"},
        {kNumeroSequenze, "Seq. di lung. 1",
         "Analisi Statistica del Numero di Sequenze di lunghezza 1"},
        {kPuntiTra, "Punti Tra", "Analisi Statistica dei Punti Tra del Gruppo 1"},
        {kConsecutivitaDifferenziata, "Consecutivita Segno Pari",
         "Analisi Statistica della Consecutivita del Segno Pari"},
        {kResti, "Resto 8", "Analisi Statistica dei Resti"},
        {kColonnaFiltro, "Colonna Filtro", "Analisi Statistica della Colonna Filtro 1"},
        {kGruppoResti, "", ""},  // kinds without an analysis leave no pages
    };
    for (const TCaso& caso : casi) {
        auto c = CreaCondizione(caso.tipo, &d);
        ASSERT_TRUE(c) << caso.tipo;
        TRisultatiAnalisi r;
        ASSERT_TRUE(EseguiAnalisi(*c, {}, r));
        std::string pagine;
        for (int i = 0; i < r.QuantePagine; ++i)
            pagine += (i ? "|" : "") + r.Pagine[static_cast<std::size_t>(i)].Nome;
        EXPECT_EQ(pagine, caso.pagine) << caso.tipo;
        EXPECT_EQ(r.Titoli[TRisultatiAnalisi::kPrincipale], caso.titolo) << caso.tipo;
    }
}

TEST(AnalisiStatistica, SommeRowsAreTheIntervalsThenAltri) {
    TDatiSistema d;
    Archivio(d, {kA, kB, kC, kD});  // 36, 72, 64, 37
    TCondSomme s(&d);
    s.Attivato = true;
    s.Tutti.Intervalli[0] = {30, 40, 1, 0};
    s.Tutti.Intervalli[1] = {60.5, 70, 1, 0};
    s.Tutti.Quanti = 2;
    TRisultatiAnalisi r;
    ASSERT_TRUE(EseguiAnalisi(s, {}, r));
    ASSERT_EQ(r.QuantePagine, 1);  // only the active category
    EXPECT_TRUE(r.RigheEtichettate);
    EXPECT_EQ(r.Righe(0), 3);
    EXPECT_EQ(r.Etichetta(0, 0) + "|" + r.Etichetta(0, 1) + "|" + r.Etichetta(0, 2),
              "30-40|60.5-70|Altri");
    const T_FrequenzeRitardi& t = r.Pagine[0].StatArchivio;
    EXPECT_EQ((std::array{t.Frequenza(0), t.Frequenza(1), t.Frequenza(2)}), (std::array{2, 1, 1}));
}

TEST(AnalisiStatistica, RowLabelsGoOnNumberingBeyondTheList) {
    TRisultatiAnalisi r;
    r.Pagine[0].Etichette = {"0", "1", "2"};
    EXPECT_EQ(r.Etichetta(0, 2), "2");
    EXPECT_EQ(r.Etichetta(0, 3), "3");
    EXPECT_EQ(r.Etichetta(0, 9), "9");
}

TEST(AnalisiStatistica, CancelIsLookedForOnlyAtSelectedHundreds) {
    TDatiSistema d;
    std::vector<TColonna> molti(250, kA);
    Archivio(d, molti);
    TCondResti resti(&d);
    resti.Divisore = 5;
    TAvanzamentoDiProva a;
    ASSERT_TRUE(resti.AnalisiArchivio(&a));
    EXPECT_EQ(a.Domande, 3);  // indices 0, 100, 200
    EXPECT_EQ(a.Aperture + a.Chiusure, 2);

    d.Archivio.Estrazioni[100].Vincente[7] = 0;  // not complete: not selected, no poll
    a = {};
    ASSERT_TRUE(resti.AnalisiArchivio(&a));
    EXPECT_EQ(a.Domande, 2);

    // A cancel at the second poll: nothing to show, the window closed.
    a = {};
    a.AnnullaAlla = 2;
    TRisultatiAnalisi r;
    EXPECT_FALSE(EseguiAnalisi(resti, {}, r, &a));
    EXPECT_TRUE(r.Annullata);
    EXPECT_EQ(a.Chiusure, 1);
}

TEST(AnalisiStatistica, GaugeMovesInStepsOfAtLeastThreePercent) {
    TAvanzamentoDiProva a;
    {
        TContatoreAvanzamento g(&a, TFaseAnalisi::Archivio, 200);
        for (int i = 0; i < 200; ++i) g.Avanza();
    }
    ASSERT_EQ(a.Posizioni.size(), 34u);  // 0 on opening, then 3, 6, ... 99
    EXPECT_EQ(a.Posizioni[1], 3);
    EXPECT_EQ(a.Posizioni.back(), 99);
    EXPECT_EQ(a.Chiusure, 1);
}

TEST(VistaAnalisi, ChartAxisAndScrolling) {
    EXPECT_EQ(BarreVisibili(20), 11);
    EXPECT_EQ(MassimoScorrimento(20), 9);
    EXPECT_EQ(MassimoScorrimento(7), 0);
    // colonne, percento, zoom, largest bar, total -> title, top, step (1, 2 or 5 times a power
    // of ten, at most ten intervals, whole for counts), decimals of the labels
    struct TCaso {
        bool colonne, percento, zoom;
        double barra;
        std::int64_t totale;
        const char* titolo;
        double massimo, passo;
        int decimali;
    };
    for (const TCaso& c : {TCaso{false, true, false, 30, 50, "Frequenze %", 100, 10, 0},
                           TCaso{false, false, false, 30, 50, "Nº Di Concorsi", 50, 5, 0},
                           TCaso{false, true, true, 30, 50, "Frequenze %", 33, 5, 0},
                           TCaso{true, false, false, 3, 120, "Numero Di Colonne", 120, 20, 0},
                           TCaso{true, true, false, 3, 120, "Numero Di Colonne %", 100, 10, 0},
                           // Few contests: whole steps, never 0 (no ticks) or 0.2 (2.2, 4.4 ...).
                           TCaso{false, false, false, 2, 7, "Nº Di Concorsi", 7, 1, 0},
                           TCaso{false, false, true, 2, 7, "Nº Di Concorsi", 2.2, 1, 0},
                           TCaso{false, false, true, 1800, 2000, "Nº Di Concorsi", 1980, 200, 0},
                           // Small shares zoomed: tenths, with one decimal.
                           TCaso{false, true, true, 2, 50, "Frequenze %", 2.2, 0.5, 1},
                           TCaso{true, true, true, 0.1, 9, "Numero Di Colonne %", 0.11, 0.02, 2},
                           TCaso{false, false, false, 0, 0, "Nº Di Concorsi", 0, 1, 0}}) {
        const TAsseY a = AsseGrafico(c.colonne, c.percento, c.zoom, c.barra, c.totale);
        EXPECT_EQ(a.Titolo, c.titolo);
        EXPECT_DOUBLE_EQ(a.Massimo, c.massimo) << c.barra;
        EXPECT_DOUBLE_EQ(a.Passo, c.passo) << c.barra;
        EXPECT_EQ(a.Decimali, c.decimali) << c.barra;
        EXPECT_LE(a.Massimo / a.Passo, 10 + 1e-9) << c.barra;
    }
    // two thirds of the room of one bar; a 11th of the width above 11 rows; 3 px less below 5
    EXPECT_EQ(LarghezzaBarra(330, 20), 20);
    EXPECT_EQ(LarghezzaBarra(330, 10), 22);
    EXPECT_EQ(LarghezzaBarra(330, 3), 70);
}

TEST(AnalisiCondizionata, CycleAndDelaysFromThePasses) {
    struct TCaso {
        int esaminati;
        std::vector<int> passaggi;
        double ciclo;
        int attuale, minimo, massimo;
        double medio;
    };
    const TCaso casi[] = {
        {10, {3, 8}, 4.00, 0, 1, 1, 1.00},         // gaps 3, 5 less 4: -1 and 1
        {10, {}, 0, 10, 0, 0, 0},                  // never passed
        {10, {2, 4, 6, 8, 10}, 2.00, 0, 0, 0, 0},  // regular: no gap beyond the cycle
        {9, {1, 7}, 3.50, 0, 2, 2, 2.00},          // cycle 3.5 rounds to 4; D 2
        {6, {1}, 1.00, 4, 0, 0, 0},
    };
    for (const TCaso& c : casi) {
        TEsitoCondizionato e;
        e.Esaminati = c.esaminati;
        e.Passaggi = c.passaggi;
        e.Superati = static_cast<int>(c.passaggi.size());
        e.EstrazioniDiAssenza = c.passaggi.empty() ? c.esaminati : c.esaminati - c.passaggi.back();
        CalcolaRitardi(e);
        EXPECT_DOUBLE_EQ(e.CicloMedio, c.ciclo) << c.esaminati;
        EXPECT_EQ((std::array{e.RitardoAttuale, e.RitardoMinimo, e.RitardoMassimo}),
                  (std::array{c.attuale, c.minimo, c.massimo}))
            << c.esaminati;
        EXPECT_DOUBLE_EQ(e.RitardoMedio, c.medio) << c.esaminati;
    }
}

TEST(AnalisiCondizionata, PastResultsSeeOnlyTheContestsBeforeThem) {
    T_Sistema s;
    Archivio(s.Dati, {kA, kB, kA, kA});
    auto& rip = dynamic_cast<TCondRipetizioni&>(*s.Dati.Condizioni->Condizione(kRipetizioni));
    rip.Attivato = true;
    Ammetti(rip.UnaPrecedente.Principale, {8});
    TEsitoCondizionato e;
    TAvanzamentoDiProva a;
    ASSERT_TRUE(AnalisiCondizionata(s, e, &a));
    // Only the fourth repeats the one before it all eight; the first has none before it.
    EXPECT_EQ(e.Passaggi, std::vector<int>{4});
    EXPECT_EQ((std::array{e.Esaminati, e.Superati, e.EstrazioniDiAssenza}), (std::array{4, 1, 0}));
    EXPECT_DOUBLE_EQ(e.FrequenzaStorica, 25.0);
    EXPECT_EQ(s.Statistiche.Frequenza(1), 1);
    EXPECT_EQ(s.Dati.Archivio.FineStorica, -1);  // the whole archive seen again
    EXPECT_EQ(e.TestoStato(), "Concorsi Esaminati : 4 Su 4");
    EXPECT_FALSE(e.ConColonne);
    EXPECT_EQ(a.Domande, 4);  // after every contest

    a = {};
    a.AnnullaAlla = 2;
    EXPECT_FALSE(AnalisiCondizionata(s, e, &a));
    EXPECT_EQ(a.Chiusure, 1);

    s.Nuovo();  // "Nuovo" starts the holder afresh
    EXPECT_EQ(s.Statistiche.Estrazioni, 0);
}

TEST(AnalisiColonne, SourceColumnsMemoryAndSummaryFigures) {
    TDatiSistema d;
    Archivio(d, {kA, kB, kC, kD});  // remainders by 7: 1, 2, 1, 2
    // Source: 1..7 fixed, the last position 8, 9 or 10: sums 36, 37, 38 (remainders 1, 2, 3).
    for (int p = 0; p < 7; ++p) {
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Svuota();
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Aggiungi(p + 1);
    }
    d.Pronostico.Posizione[7].Svuota();
    for (int n : {8, 9, 10}) d.Pronostico.Posizione[7].Aggiungi(n);
    d.Sorgente.DaPronostico = true;
    d.Colonne.Accoda(Col({1, 2, 3, 4, 5, 6, 7, 9}));  // one column in memory: remainder 2

    // accepted remainders, active -> Frequenza Storica, Colonne Filtrate, factor text
    struct TCaso {
        std::vector<int> ammessi;
        bool attiva;
        double storica, filtrate;
        const char* fattore;
        std::array<int, 3> condS;  // remainders 1, 2, 3 in the single-condition table
    };
    const TCaso casi[] = {
        {{1, 2}, true, 100, 100.0 / 3, "Fattore di convenienza : ", {1, 1, 0}},
        {{1}, true, 50, 200.0 / 3, "Fattore di convenienza : 1,33", {1, 0, 0}},
        {{1}, false, 50, 0, "Fattore di convenienza : 0,00", {1, 1, 1}},
    };
    for (const TCaso& caso : casi) {
        TCondResti resti(&d);
        resti.Divisore = 7;
        resti.Attivato = caso.attiva;
        for (int v : caso.ammessi) Ammetti(resti.Resto.Principale, {v});
        TRisultatiAnalisi r;
        TParametriAnalisi par;
        par.SoloArchivio = false;
        ASSERT_TRUE(EseguiAnalisi(resti, par, r));
        const TPaginaAnalisi& p = r.Pagine[0];
        EXPECT_EQ(r.ColonneLette, 3);
        EXPECT_EQ((std::array{p.StatIntegrale.Frequenza(1), p.StatIntegrale.Frequenza(2),
                              p.StatIntegrale.Frequenza(3)}),
                  (std::array{1, 1, 1}));
        EXPECT_EQ((std::array{p.StatCondSingola.Frequenza(1), p.StatCondSingola.Frequenza(2),
                              p.StatCondSingola.Frequenza(3)}),
                  caso.condS);
        EXPECT_EQ(p.StatColonne.Frequenza(2) + p.StatColonne.Estrazioni, 2);
        const TMisureColonne m = MisureColonne(r, 0, false);
        EXPECT_DOUBLE_EQ(m.FrequenzaStorica, caso.storica);
        EXPECT_NEAR(m.ColonneFiltrate, caso.filtrate, 1e-9);
        EXPECT_NEAR(m.ColonneRimanenti, 100 - caso.filtrate, 1e-9);
        EXPECT_EQ(TestoFattore(m), caso.fattore);
    }
}

TEST(AnalisiColonne, SourceColumnsCarryTheirRunsForTheConsView) {
    TDatiSistema d;
    Archivio(d, {kA, kB});
    // 2 4 6 8 then 1 3 5 and 7, 9 or 11: even run 4, odd run 3 or 4.
    const int fissi[7] = {2, 4, 6, 8, 1, 3, 5};
    for (int p = 0; p < 7; ++p) {
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Svuota();
        d.Pronostico.Posizione[static_cast<std::size_t>(p)].Aggiungi(fissi[p]);
    }
    d.Pronostico.Posizione[7].Svuota();
    for (int n : {7, 9, 10}) d.Pronostico.Posizione[7].Aggiungi(n);
    TCondPariDispari pd(&d);
    TRisultatiAnalisi r;
    TParametriAnalisi par;
    par.SoloArchivio = false;
    ASSERT_TRUE(EseguiAnalisi(pd, par, r));
    const auto& pari = Lista(r.Pagine[0].StatIntegrale, true);
    const auto& dispari = Lista(r.Pagine[1].StatIntegrale, true);
    EXPECT_EQ(pari[4].Frequenza, 3);
    EXPECT_EQ((std::array{dispari[3].Frequenza, dispari[4].Frequenza}), (std::array{1, 2}));
}

TEST(AnalisiColonne, NoColumnReadGivesZeroPercent) {
    EXPECT_EQ(TestoPercentuale(5, 0), "0,00");
    EXPECT_EQ(TestoPercentuale(1, 3), "33,33");
    TRisultatiAnalisi r;
    r.QuantePagine = 1;
    r.Attiva = true;
    const TMisureColonne m = MisureColonne(r, 0, false);
    EXPECT_EQ(m.ColonneFiltrate + m.FrequenzaStorica, 0);
}

}  // namespace
}  // namespace sirvela
