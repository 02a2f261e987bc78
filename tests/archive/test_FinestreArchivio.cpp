#include <gtest/gtest.h>

#include "archive/InserimentoFiltri.h"
#include "archive/StatistichePiloti.h"
#include "archive/VisualizzazioneArchivio.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondQuadro.h"
#include "core/Errore.h"
#include "core/TDatiSistema.h"
#include "core/TListaColonne.h"
#include "support/CartellaDiProva.h"

namespace sirvela {
namespace {

TEstrazione Concorso(int anno, int numero, TColonna vincente) {
    TEstrazione e;
    e.Anno = anno;
    e.Numero = static_cast<std::uint8_t>(numero);
    e.Vincente = vincente;
    return e;
}

// The cells of one group for one row, joined by blanks ("_" for an empty cell).
std::string Gruppo(const TVisualizzazioneArchivio& v, int riga, int gruppo) {
    std::string t;
    for (int c = kColonneFisseVista; c < v.ColonneTotali(); ++c) {
        if (v.Colonne()[static_cast<std::size_t>(c - kColonneFisseVista)].Gruppo != gruppo)
            continue;
        const std::string s = v.Testo(riga, c);
        t += (t.empty() ? "" : " ") + (s.empty() ? "_" : s);
    }
    return t;
}

TEST(VisualizzazioneArchivio, EveryGroupsValuesOnAKnownContest) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    dati.Archivio.Estrazioni = {Concorso(1999, 7, {1, 2, 3, 4, 5, 6, 7, 8}),
                                Concorso(1999, 8, {2, 3, 4, 5, 6, 7, 8, 9}),
                                Concorso(1999, 9, {8, 7, 6, 5, 4, 3, 2, 1})};
    TVisualizzazioneArchivio v(dati);
    ASSERT_EQ(v.Righe(), 3);
    EXPECT_EQ(v.ColonneTotali(), 4 + 58);
    EXPECT_EQ(v.Testo(1, 0) + "|" + v.Testo(1, 1) + "|" + v.Testo(1, 2) + "|" + v.Testo(1, 3),
              "1999| 8|2| 2  3  4  5  6  7  8  9");
    // Values of 2,3,4,5,6,7,8,9 (signs even, odd, ...), the contest before it being 1..8.
    const char* attesi[kGruppiVista] = {
        "44 20 24",       // sums: all, even, odd
        "0 0 0 0",        // one sequence of length 8, counted nowhere
        "7 7 0 0",        // rises, longest run, falls, longest run
        "7 7 3 4",        // parity changes, longest run, into even, into odd
        "4 1 4 1",        // even, longest run, odd, longest run
        "0 0 4 4 4",      // mirror, run, shifted, run, total
        "4 4 5 4",        // direct vortex position, arms, inverse
        "0 0 _ _",        // no second contest before it
        "0 0 _ _",        // the parities differ everywhere too
        "2",              // 44 mod 6
        "1 1 7",          // distances
        "5 6 5",          // barycentres: even, odd, all
        "8",              // longest chain of neighbours
        "0 0 7 4 4 4 2",  // sequele of length 2
        "0 0 6 2 3 2 0",  // sequele of length 3
    };
    for (int g = 0; g < kGruppiVista; ++g) EXPECT_EQ(Gruppo(v, 1, g), attesi[g]) << g;
    // The first contest has nothing before it; the third repeats the second's parities.
    EXPECT_EQ(Gruppo(v, 0, 7), "_ _ _ _");
    EXPECT_EQ(Gruppo(v, 2, 7), "1 1 0 0");
    EXPECT_EQ(Gruppo(v, 2, 8), "8 8 0 0");

    for (int g = 0; g < kGruppiVista; ++g) v.ImpostaVisibile(g, false);
    EXPECT_EQ(v.ColonneTotali(), kColonneFisseVista);
    v.ImpostaVisibile(9, true);
    EXPECT_EQ(v.Testo(2, 4), "0");  // 36 mod 6
    // The archive grew: its rows are there at once.
    dati.Archivio.Estrazioni.push_back(Concorso(2000, 1, {1, 2, 3, 4, 5, 6, 7, 9}));
    EXPECT_EQ(v.Righe(), 4);
    EXPECT_EQ(v.Testo(3, 4), "1");
}

// A downloaded or hand-made archive may hold any byte in a position: such contests are still
// shown, and every group computes on them without reading outside its tables.
TEST(VisualizzazioneArchivio, BytesThatAreNoPilotStillGiveARow) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    dati.Archivio.Estrazioni = {Concorso(1999, 1, {255, 0, 90, 200, 26, 1, 2, 3}),
                                Concorso(1999, 2, {0, 0, 0, 0, 0, 0, 0, 0}),
                                Concorso(1999, 3, {255, 254, 253, 252, 251, 250, 249, 248})};
    TVisualizzazioneArchivio v(dati);
    for (int r = 0; r < v.Righe(); ++r)
        for (int c = 0; c < v.ColonneTotali(); ++c) (void)v.Testo(r, c);
    EXPECT_EQ(v.Testo(0, 3), "255  - 90 200 26  1  2  3");
    EXPECT_EQ(Gruppo(v, 1, 0), "0 0 0");
}

TEST(GestoreRighe, PerPilotTableSortsAndHighlights) {
    test::TCartellaDiProva globali;  // 23 pilots
    TArchivio a;
    // Position 1 over five complete contests: 3, 5, 3, 9, 5; a sixth with a 24 is skipped.
    for (int p1 : {3, 5, 3, 9, 5, 3}) {
        TColonna c{static_cast<std::uint8_t>(p1), 20, 21, 22, 23, 1, 2, 4};
        a.Estrazioni.push_back(Concorso(2000, a.Quante() + 1, c));
    }
    a.Estrazioni.back().Vincente[7] = 24;
    TGestoreRighe t;
    t.Calcola(a, 1);
    ASSERT_EQ(t.Quante(), 23);
    EXPECT_EQ(t.Estrazioni(), 5);
    using Testi = std::array<std::string, 7>;
    EXPECT_EQ(t.Testi(2), (Testi{"3", "3", "2", "2,50", "2", "2", "0,80"}));
    EXPECT_EQ(t.Testi(8), (Testi{"9", "9", "1", "5,00", "1", "3", "0,20"}));
    // Never out: delay and longest delay are the contests taken.
    EXPECT_EQ(t.Testi(0), (Testi{"1", "1", "0", "0,00", "5", "5", "0,00"}));
    EXPECT_FALSE(t.Evidenziata(2));

    t.Ordina(TChiaveOrdine::Numeri, false);
    EXPECT_EQ(t.Righe().front().Numero, "23");
    t.Ordina(TChiaveOrdine::Uscite, false);
    EXPECT_EQ(t.Righe()[0].Numero + t.Righe()[1].Numero + t.Righe()[2].Numero, "359");
    t.Ordina(TChiaveOrdine::Ritardo, true);
    EXPECT_EQ(t.Righe()[0].Numero + "," + t.Righe()[1].Numero, "5,9");
    t.Ordina(TChiaveOrdine::IC, false);
    EXPECT_EQ(t.Righe()[0].Numero, "3");  // 2 / 2.5
    EXPECT_EQ(t.Testi(0)[0], "1");        // the ordinal follows the order

    a.Estrazioni.push_back(Concorso(2000, 9, {9, 20, 21, 22, 23, 1, 2, 4}));
    a.Estrazioni.push_back(Concorso(2000, 10, {9, 20, 21, 22, 23, 1, 2, 4}));
    t.Calcola(a, 1);  // 3 is now 4 contests late over a spacing of 7 / 2
    EXPECT_TRUE(t.Evidenziata(2));
    t.Calcola(a, 2);
    EXPECT_EQ(t.Testi(19)[2], "7");
}

TEST(FrequenzeNumeri, CountsAndSharesPerPosition) {
    TFrequenzeNumeri f;
    f.Calcola(TListaColonne{});
    EXPECT_EQ(f.Testo(1, 1, true), "  0,00");  // no column: no division
    TListaColonne l;
    l.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    l.Accoda({1, 3, 2, 4, 5, 6, 7, 25});
    l.Accoda({2, 1, 3, 4, 5, 6, 7, 8});
    f.Calcola(l);
    EXPECT_EQ(f.Conteggio(1, 1), 2u);
    EXPECT_EQ(f.Testo(1, 1, false), "     2");
    EXPECT_EQ(f.Testo(1, 1, true), " 66,67");
    EXPECT_EQ(f.Testo(4, 4, true), "100,00");
    EXPECT_EQ(f.Testo(25, 8, true), " 33,33");
    EXPECT_EQ(f.Testo(9, 1, true), "  0,00");
}

TEST(InserimentoFiltri, QuadroFilledFromArchiveOrFileWhileThereIsRoom) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    TArchivio& a = dati.Archivio;
    a.Estrazioni = {Concorso(2000, 1, {1, 2, 3, 4, 5, 6, 7, 8}),
                    Concorso(2000, 2, {1, 2, 3, 4, 5, 6, 7, 0}),
                    Concorso(2000, 3, {9, 8, 7, 6, 5, 4, 3, 2})};
    TCondQuadro q(&dati);
    TInserimentoFiltri ins(a.Quante());
    ins.Intervallo.ImpostaInizio(1);
    ins.Punti.Aggiungi(8);
    EXPECT_EQ(ins.Esegui(q, a), 2);  // the contest without position 8 gives none
    ASSERT_EQ(q.QuantiMembri(), 2);
    auto* f = dynamic_cast<TCondColonnaFiltro*>(q.Membri[1].get());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ColonnaFiltro, a[2].Vincente);
    EXPECT_EQ(f->Confronto, 0);
    EXPECT_EQ(f->Numeri.Principale.Voci[8].Stato, 1);
    EXPECT_EQ(f->Numeri.Principale.Voci[7].Stato, 0);

    ins.Tipo = TTipoConfronto::AGirare;
    ins.Intervallo.ImpostaInizio(3);
    EXPECT_EQ(ins.Esegui(q, a), 1);
    f = dynamic_cast<TCondColonnaFiltro*>(q.Membri[2].get());
    EXPECT_EQ(f->Confronto, 1);
    EXPECT_EQ(f->PilotiFiltro, ListaDaColonna(a[2].Vincente));

    TListaColonne l;
    for (int i = 0; i < 1000; ++i) l.Accoda({4, 5, 6, 7, 8, 9, 10, 11});
    ASSERT_TRUE(l.SalvaSuFile(globali.cartella / "f.Scl"));
    ins.Sorgente = TSorgenteFiltri::FileColonnare;
    ins.File = globali.cartella / "f.Scl";
    EXPECT_EQ(ins.Esegui(q, a), TCondQuadro::kMaxMembri - 3);  // up to the quadro's room
    EXPECT_EQ(ins.Esegui(q, a), 0);
    ins.File = globali.cartella / "manca.Scl";
    EXPECT_THROW(ins.Esegui(q, a), TErroreSirvela);
}

}  // namespace
}  // namespace sirvela
