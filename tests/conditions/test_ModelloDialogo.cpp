#include <gtest/gtest.h>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/ModelloDialogo.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using sirvela::test::Ammetti;
using sirvela::test::Record;

namespace {

// A dialog's editors linked to every category of a condition.
struct Editori {
    std::vector<TModelloGraphpt> Tabelle;
    std::vector<TModelloIntervalli> Griglie;
    TModelloCondizione Modello;

    explicit Editori(TCondizione& c) {
        const auto& categorie = c.Categorie();
        Tabelle.resize(categorie.size());
        Griglie.resize(categorie.size());
        for (std::size_t i = 0; i < categorie.size(); ++i) {
            if (const TValoriAmmessi* v = categorie[i].Valori) {
                Tabelle[i].ImpostaForma(v->Massimo + 1, v->Massimo + 1, 0);
                Modello.Collega(static_cast<int>(i), &Tabelle[i]);
            }
            if (categorie[i].Intervalli) Modello.Collega(static_cast<int>(i), &Griglie[i]);
        }
        Modello.ImpostaOggetto(&c);
        Modello.AggiornaForm();
    }
};

}  // namespace

TEST(ModelloDialogo, OkCopiesBackOnlyTheEditorsThatChanged) {
    TDatiSistema d;
    TCondBaricentri b(&d);
    Ammetti(b.Tutti.Principale, {10, 11});  // stored with level 0
    Ammetti(b.Dispari.Principale, {7});
    const auto prima = b.Tutti.Principale.Voci;

    Editori e(b);
    EXPECT_EQ(e.Tabelle[0].Grado(10), 1);
    // Nothing touched: nothing changes, not even the levels the editors show as 1.
    EXPECT_FALSE(e.Modello.Cambiato());
    EXPECT_FALSE(e.Modello.AcquisisceForm());
    EXPECT_EQ(b.Tutti.Principale.Voci, prima);

    e.Tabelle[1].Clic(12);
    EXPECT_TRUE(e.Modello.AcquisisceForm());
    EXPECT_EQ(b.Pari.Principale.Voci[12].Stato, 1);
    EXPECT_EQ(b.Tutti.Principale.Voci[10].Livello, 0);  // the untouched editor stayed out
    EXPECT_TRUE(b.Attivo);

    // The switch marks the dialog changed even when clicked on the option shown.
    e.Modello.AggiornaForm();
    e.Modello.ClicAttivato(true);
    EXPECT_TRUE(e.Modello.Cambiato());
    e.Modello.ClicAttivato(false);
    EXPECT_TRUE(e.Modello.AcquisisceForm());
    EXPECT_FALSE(b.Attivato);
    EXPECT_FALSE(b.Attivo);
}

TEST(ModelloDialogo, AnalysisCopyTakesTheControlsBeforeOk) {
    TDatiSistema d;
    TCondBaricentri b(&d);
    Editori e(b);
    e.Tabelle[1].Clic(12);
    e.Modello.ClicAttivato(false);
    const auto copia = e.Modello.CopiaCorrente();
    ASSERT_TRUE(copia);
    const auto& c = dynamic_cast<const TCondBaricentri&>(*copia);
    EXPECT_EQ(c.Pari.Principale.Voci[12].Stato, 1);
    EXPECT_FALSE(c.Attivato);
    // The object waits for "OK".
    EXPECT_EQ(b.Pari.Principale.Voci[12].Stato, 0);
    EXPECT_TRUE(b.Attivato);
}

TEST(ModelloDialogo, SommeGridsAreCheckedOnlyWhenChangedAndAzzeraWaitsForOk) {
    TDatiSistema d;
    TCondSomme s(&d);
    s.Attivato = false;
    // Overlapping intervals, as only an imported file holds them: they stay while untouched.
    s.Tutti.Intervalli[0] = {100, 120, 1, 0};
    s.Tutti.Intervalli[1] = {110, 130, 1, 0};
    s.Tutti.Quanti = 2;
    Editori e(s);
    e.Griglie[2].ImpostaMin(1, 0, "30");
    e.Griglie[2].ImpostaMax(1, 0, "40");
    e.Griglie[2].ImpostaLettera('B');
    ASSERT_TRUE(e.Modello.Verifica().Ok());
    EXPECT_TRUE(e.Modello.AcquisisceForm());
    EXPECT_EQ(s.Tutti.Quanti, 2);
    EXPECT_EQ(s.Dispari.Intervalli[0], (TIntervallo{30, 40, 2, 1}));
    EXPECT_EQ(s.Dispari.LetteraLink, 'B');

    // Once touched, the grid is checked: the fault names the category and page and nothing
    // is copied.
    e.Modello.AggiornaForm();
    e.Griglie[0].ImpostaMax(0, 5, "7");
    e.Griglie[1].ImpostaMin(0, 0, "5");
    TErroreGriglia errore;
    EXPECT_FALSE(e.Modello.AcquisisceForm(&errore));
    EXPECT_EQ(errore.Messaggio, kErroreIntervalliContigui);
    EXPECT_EQ(std::tuple(errore.Categoria, errore.Pagina, errore.Colonna), std::tuple(0, 0, 1));
    EXPECT_EQ(s.Pari.Quanti, 0);

    // "Azzera ": editors empty and switch on, the object as it was until "OK".
    e.Modello.Azzera();
    EXPECT_TRUE(e.Modello.Attivato());
    EXPECT_EQ(e.Griglie[0].Cella(0, 0).Min, "");
    EXPECT_EQ(s.Tutti.Quanti, 2);
    EXPECT_TRUE(e.Modello.AcquisisceForm());
    EXPECT_EQ(s.Tutti.Quanti + s.Pari.Quanti + s.Dispari.Quanti, 0);
    EXPECT_TRUE(s.Attivato);
    EXPECT_FALSE(s.Attivo);
}

TEST(ModelloGruppo, MembersAreEditedOnCopiesAndPutInOnOk) {
    TDatiSistema d;
    TCondGruppo g(&d, kGruppoResti);
    auto* primo = static_cast<TCondResti*>(g.AggiungiMembro());
    Ammetti(primo->Resto.Principale, {1});
    const auto prima = Record(g);

    TModelloGruppo m;
    TModelloGraphpt resto;
    m.Membro.Collega(0, &resto);
    m.ImpostaOggetto(&g);
    EXPECT_EQ(m.Indice(), 0);
    EXPECT_FALSE(m.PuoIndietro() || m.PuoAvanti());
    EXPECT_EQ(resto.Grado(1), 1);

    // A second member: its own editors, the first member's edit kept on the way.
    resto.Clic(2);
    m.Aggiungi();
    EXPECT_EQ(std::pair(m.Indice(), m.Quanti()), std::pair(1, 2));
    EXPECT_EQ(resto.Grado(1), 0);
    ImpostaDivisore(static_cast<TCondResti&>(*m.Mostrato()), 150);
    m.ParametroCambiato();
    resto.Clic(5);
    m.Membro.ClicAttivato(false);
    m.Primo();
    EXPECT_EQ(resto.Grado(2), 1);
    EXPECT_TRUE(m.PuoAvanti());
    m.Ultimo();
    EXPECT_EQ(resto.Grado(5), 1);
    EXPECT_FALSE(m.Membro.Attivato());
    EXPECT_EQ(Record(g), prima);  // "Annulla" would leave the container so

    ASSERT_TRUE(m.Applica());
    ASSERT_EQ(g.QuantiMembri(), 2);
    auto& secondo = static_cast<TCondResti&>(*g.Membro(1));
    EXPECT_EQ(secondo.Divisore, 99);
    EXPECT_EQ(secondo.Resto.Principale.Voci[5].Stato, 1);
    EXPECT_FALSE(secondo.Attivato);
    EXPECT_EQ(static_cast<TCondResti&>(*g.Membro(0)).Resto.Principale.Voci[2].Stato, 1);
    EXPECT_TRUE(g.Attivo);
}

TEST(ModelloGruppo, DeletingShowsTheNextMemberAndSwitchesMarkTheChange) {
    TDatiSistema d;
    TCondGruppo g(&d, kGruppoDistanzeSpecifiche);
    for (int p = 1; p <= 3; ++p)
        static_cast<TCondDistanzeSpecifiche*>(g.AggiungiMembro())->Posizione1 = p;
    TModelloGruppo m;
    {
        m.ImpostaOggetto(&g);
        EXPECT_FALSE(m.Cambiato());
        EXPECT_FALSE(m.Applica());  // nothing done: the container keeps its members
        EXPECT_EQ(g.QuantiMembri(), 3);
    }
    m.ImpostaOggetto(&g);
    auto prima = [&] { return static_cast<TCondDistanzeSpecifiche*>(m.Mostrato())->Posizione1; };
    m.Successivo();
    m.Elimina();
    EXPECT_EQ(prima(), 3);
    m.Elimina();
    EXPECT_EQ(prima(), 1);
    m.Elimina();
    EXPECT_EQ(m.Indice(), -1);
    EXPECT_FALSE(m.PuoEliminare());
    m.ClicAttivato(false);
    ASSERT_TRUE(m.Applica());
    EXPECT_EQ(g.QuantiMembri(), 0);
    EXPECT_FALSE(g.Attivato);
    EXPECT_FALSE(g.Attivo);
}

TEST(ModelloGruppo, PositionsStayCoupledAndTheDivisorInRange) {
    // first, second, which one is set and to what, then the pair.
    struct Caso {
        int Prima, Seconda;
        bool ImpostaPrima;
        int Valore, AttesaPrima, AttesaSeconda;
    };
    const Caso casi[] = {
        {1, 2, true, 5, 1, 2},  {3, 6, true, 5, 5, 6},
        {3, 6, true, 6, 5, 6},  {3, 6, false, 2, 3, 4},
        {3, 6, false, 3, 3, 4}, {3, 6, false, 8, 3, 8},
        {7, 8, true, 8, 7, 8},  {1, 2, false, 1, 1, 2},
        {0, 0, true, 4, 1, 2},  // a damaged pair is put in order first
    };
    TDatiSistema d;
    for (const Caso& c : casi) {
        TCondDistanzeSpecifiche ds(&d);
        ds.Posizione1 = c.Prima;
        ds.Posizione2 = c.Seconda;
        if (c.ImpostaPrima)
            ImpostaPrimaPosizione(ds, c.Valore);
        else
            ImpostaSecondaPosizione(ds, c.Valore);
        EXPECT_EQ(std::pair(ds.Posizione1, ds.Posizione2),
                  std::pair(c.AttesaPrima, c.AttesaSeconda))
            << c.Prima << "," << c.Seconda << " <- " << c.Valore;
    }
    TCondResti r(&d);
    for (auto [dato, atteso] : {std::pair(1, 2), {2, 2}, {57, 57}, {100, 99}}) {
        ImpostaDivisore(r, dato);
        EXPECT_EQ(r.Divisore, atteso);
    }
}
