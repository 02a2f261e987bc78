#include <gtest/gtest.h>

#include "conditions/EditoriValori.h"
#include "conditions/test_FrameworkSupporto.h"
#include "development/ModelloRecuperi.h"
#include "tools/CondizioniSbagliate.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

const TColonna kUnoOtto = Col({1, 2, 3, 4, 5, 6, 7, 8});  // 4 even, 4 odd

// Pari e Dispari with the count 4 of "Pari" in recovery at level 1 and of "Dispari" at level 3,
// both in link A: A can collect 4 errors in a column.
struct Dialogo {
    TDatiSistema dati;
    TCondPariDispari& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    TGestoreLink& link = *dati.Recuperi;
    TModelloGraphpt editorLink, editorTotale;
    TModelloRecuperi m;
    Dialogo() {
        pd.Pari.Principale.Voci[4] = {2, 1};
        pd.Dispari.Principale.Voci[4] = {2, 3};
        for (TModelloGraphpt* e : {&editorLink, &editorTotale}) {
            e->ImpostaForma(100, 25, 0);
            e->RecVisibili = false;
        }
        m.Collega(&editorLink, &editorTotale);
    }
    void Apri() {
        m.ImpostaLink(&link);
        m.Attiva();
    }
};

}  // namespace

TEST(ModelloRecuperi, LettersTheirTablesAndTheLargestErrorCounts) {
    Dialogo d;
    Slot<TCondBaricentri>(d.dati, kBaricentri).Tutti.Principale.Voci[4] = {2, 2};
    Slot<TCondBaricentri>(d.dati, kBaricentri).Tutti.Principale.LetteraLink = 'C';
    d.Apri();
    auto& m = d.m;
    EXPECT_TRUE(m.InUso('A'));
    EXPECT_FALSE(m.InUso('B'));
    EXPECT_TRUE(m.InUso('C'));
    EXPECT_EQ(m.Titolo(), "Condizioni Nella Link A");
    ASSERT_EQ(m.Righe(), 2);
    EXPECT_EQ(m.Riga(1), "Pari e Dispari\\ Dispari");
    EXPECT_EQ(m.CondizioneRiga(1), &d.pd);
    EXPECT_EQ(m.RigaDa(1, 4), "i e Dispari\\ Dispari");
    EXPECT_EQ(m.RigaDa(1, 24), "");
    EXPECT_EQ(m.LunghezzaMassima(), 23);
    EXPECT_EQ(m.MaxLink(), 4);  // levels 1 and 3
    EXPECT_EQ(m.MaxTotale(), 6);

    // Accepting 5 errors in A is refused on leaving the letter, which stays pressed.
    d.editorLink.Clic(5);
    EXPECT_EQ(m.Cambia('B'), kErroreErroriLink);
    EXPECT_EQ(m.Lettera(), 'A');
    d.editorLink.Clic(5);
    d.editorLink.Clic(4);
    EXPECT_EQ(m.Cambia('B'), "");
    EXPECT_EQ(m.MaxLink(), 0);
    EXPECT_EQ(m.Righe(), 0);
    d.editorLink.Clic(1);  // a link used by no table collects nothing
    EXPECT_EQ(m.Cambia('C'), kErroreErroriLink);
    d.editorLink.Clic(1);
    d.editorLink.Clic(0);
    d.editorTotale.Clic(7);
    EXPECT_EQ(m.Cambia('C'), kErroreErroriTotali);
    EXPECT_EQ(m.Lettera(), 'B');
    d.editorTotale.Clic(7);
    d.editorTotale.Clic(6);
    EXPECT_EQ(m.Cambia('C'), "");
    EXPECT_EQ(d.editorLink.Principale().Voci[4].Stato, 0);                     // C's own table
    EXPECT_EQ(d.link.Gruppo('A')->ErroriAmmessi.Principale.Voci[4].Stato, 0);  // not yet

    bool cambiato = false;
    EXPECT_EQ(m.Ok(cambiato), "");
    EXPECT_TRUE(cambiato);
    EXPECT_EQ(d.link.Gruppo('A')->ErroriAmmessi.Principale.Voci[4].Stato, 1);
    EXPECT_EQ(d.link.Gruppo('B')->ErroriAmmessi.Principale.Voci[0].Stato, 1);
    EXPECT_EQ(d.link.ErroriAmmessiTotali.Principale.Voci[6].Stato, 1);
}

TEST(ModelloRecuperi, AnalysisOnlyForTheSettingsOfTheLastDevelopment) {
    Dialogo d;
    d.Apri();
    EXPECT_FALSE(d.m.AnalisiAbilitata());  // never developed
    Prepara(d.dati);
    d.Apri();
    EXPECT_TRUE(d.m.AnalisiAbilitata());

    // "Annulla" after edits: the manager as it was.
    d.editorTotale.Clic(3);
    EXPECT_EQ(d.m.Cambia('B'), "");
    EXPECT_FALSE(d.m.AnalisiAbilitata());
    EXPECT_FALSE(d.link.Cambiato);
    EXPECT_EQ(d.link.ErroriAmmessiTotali.Principale.Voci[3].Stato, 0);

    // "Azzera " and "OK": nothing accepted, yet the analysis waits for a new development.
    d.Apri();
    d.m.Azzera();
    bool cambiato = false;
    EXPECT_EQ(d.m.Ok(cambiato), "");
    EXPECT_TRUE(cambiato);
    d.Apri();
    EXPECT_FALSE(d.m.AnalisiAbilitata());
    Prepara(d.dati);
    d.Apri();
    EXPECT_TRUE(d.m.AnalisiAbilitata());

    // A check against a result with other settings leaves the development's record alone.
    d.link.Gruppo('A')->Registra(1);
    auto& bar = Slot<TCondBaricentri>(d.dati, kBaricentri);
    bar.Tutti.Principale.Voci[4] = {2, 2};
    bar.Tutti.Principale.LetteraLink = 'B';
    CondizioniSbagliate(d.dati, kUnoOtto);  // registers errors in A and B
    EXPECT_EQ(d.link.LettereInUso, "A");
    EXPECT_EQ(d.link.Gruppo('A')->Registrazioni, 1u);
    EXPECT_EQ(d.link.Gruppo('A')->StatLivelli.Frequenza(1), 0);
    d.Apri();
    EXPECT_FALSE(d.m.AnalisiAbilitata());
    bar.Tutti.Principale.Voci[4] = {};
    d.Apri();
    EXPECT_TRUE(d.m.AnalisiAbilitata());

    // A system read from a file has no development of its own.
    TScrittore s;
    ASSERT_TRUE(d.link.Salva(s));
    TLettore l(s.Dati());
    ASSERT_TRUE(d.link.Carica(l));
    d.Apri();
    EXPECT_FALSE(d.m.AnalisiAbilitata());
}

TEST(ModelloRecuperi, AnalysisTablesCountsAndPercentages) {
    Dialogo d;
    Ammetti(d.link.Gruppo('A')->ErroriAmmessi.Principale, {0, 1});
    Ammetti(d.link.ErroriAmmessiTotali.Principale, {0});
    Prepara(d.dati);
    TGestoreLink& g = d.link;
    TGruppoLink& a = *g.Gruppo('A');
    // Three columns: two level-1 errors (the second refused), two level-2 errors (too many for
    // the link), one level-1 error (too many overall).
    for (const std::vector<int>& livelli : std::vector<std::vector<int>>{{1, 1}, {2, 2}, {1}}) {
        g.Azzera();
        bool ok = true;
        for (int l : livelli) ok = a.Registra(l) && ok;
        if (ok) g.Verifica();
    }
    TAnalisiRecuperi analisi;
    analisi.Aggiorna(g, 'A');
    const auto& t = analisi.Tabelle;
    EXPECT_EQ(t[0].Titolo, "Dai Livelli della Link");
    EXPECT_EQ(t[1].Titolo + t[1].Sottotitolo, "Dagli Errori Totali  della Link");
    EXPECT_EQ(t[2].Sottotitolo, "su Tutte le Link");
    // Levels 1..255 and error totals 0..255, whatever was counted; the highest counted
    // row bounds the print.
    EXPECT_EQ((std::vector<int>{t[0].Righe(), t[1].Righe(), t[2].Righe()}),
              (std::vector<int>{255, 256, 256}));
    EXPECT_EQ((std::vector<int>{t[0].UltimoNonZero, t[1].UltimoNonZero, t[2].UltimoNonZero}),
              (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(analisi.Valore(0, 0), "1");
    EXPECT_EQ(analisi.Valore(1, 2), "1");
    analisi.Percentuali = true;
    EXPECT_EQ(analisi.Valore(0, 0), "20");  // of 5 registrations
    EXPECT_EQ(analisi.Valore(1, 2), "100");
    EXPECT_EQ(analisi.Valore(2, 1), "100");
    EXPECT_EQ(analisi.Valore(1, 0), "0");

    // A letter with nothing recorded shows plain counts, all 0.
    analisi.Aggiorna(g, 'B');
    EXPECT_EQ(analisi.Tabelle[0].Righe(), 255);
    EXPECT_EQ(analisi.Valore(0, 0), "0");
    EXPECT_EQ(analisi.Valore(1, 0), "0");

    const std::pair<double, const char*> numeri[] = {
        {0, "0"},       {1e-7, "0"},  {-1e-7, "0"},          {100.0 / 3, "33,33333"},
        {12.5, "12,5"}, {250, "250"}, {0.000006, "0,00001"}, {-2.25, "-2,25"},
    };
    for (const auto& [v, testo] : numeri) EXPECT_EQ(TestoNumero(v), testo) << v;
}
