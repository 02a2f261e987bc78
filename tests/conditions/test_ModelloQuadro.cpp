#include <gtest/gtest.h>

#include "conditions/ModelloQuadro.h"
#include "support/Supporto.h"
#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// The accepted counts of the main table, as a list.
std::vector<int> Accettati(const TCondQuadro& q) {
    std::vector<int> v;
    for (int i = 0; i <= 999; ++i)
        if (q.Accettate.Principale.Voci[static_cast<std::size_t>(i)].Stato) v.push_back(i);
    return v;
}

std::vector<int> Tipi(const TCondQuadro& q) {
    std::vector<int> t;
    for (const auto& m : q.Membri) t.push_back(m->TipoCondizione);
    return t;
}

// The dialog's model over the system's Quadro, with its editor.
struct Dialogo {
    TDatiSistema dati;
    TCondQuadro& quadro = Slot<TCondQuadro>(dati, kQuadro);
    TModelloGraphpt editore;
    TModelloQuadro m;
    Dialogo() {
        m.Livello.Collega(0, &editore);
        m.ImpostaOggetto(&quadro);
    }
};

}  // namespace

TEST(ModelloQuadro, PopUpActionsAtTheirPlaceWithPresetFollowingEveryChange) {
    Dialogo d;
    auto& m = d.m;
    ASSERT_TRUE(m.Nuova(kPariDispari, 0));
    ASSERT_TRUE(m.Nuova(kGruppoResti, 5));  // beyond the list: at the end
    ASSERT_TRUE(m.Nuova(kQuadro, 1));
    ASSERT_TRUE(m.Nuova(kResti, 0));
    EXPECT_EQ(Tipi(m.Mostrato()), (std::vector<int>{kResti, kPariDispari, kQuadro, kGruppoResti}));
    EXPECT_EQ(m.Membro(2)->Nome, "Sub Quadro");
    EXPECT_EQ(Accettati(m.Mostrato()), (std::vector<int>{4}));  // AND over four

    // The relation and the preset switch recompute the table; "Particolari" keeps the user's.
    const std::pair<int, std::vector<int>> relazioni[] = {
        {kOr, {1, 2, 3, 4}}, {kXor, {1}}, {kNot, {0}}, {kAnd, {4}}};
    for (const auto& [r, attesi] : relazioni) {
        m.ImpostaRelazione(r);
        EXPECT_EQ(Accettati(m.Mostrato()), attesi) << r;
        EXPECT_EQ(d.editore.Principale().Voci[attesi[0]].Stato, 1) << "the editor shows it";
    }
    m.ImpostaPreset(false);
    d.editore.Clic(2);
    m.ImpostaRelazione(kOr);
    EXPECT_EQ(Accettati(m.Mostrato()), (std::vector<int>{2, 4}));
    m.ImpostaPreset(true);
    EXPECT_EQ(Accettati(m.Mostrato()), (std::vector<int>{1, 2, 3, 4}));

    m.ImpostaSelezione({1, 3});
    EXPECT_EQ(m.Copia(), 2);
    EXPECT_TRUE(m.Incolla(0));
    EXPECT_EQ(Tipi(m.Mostrato()), (std::vector<int>{kPariDispari, kGruppoResti, kResti,
                                                    kPariDispari, kQuadro, kGruppoResti}));
    EXPECT_EQ(Accettati(m.Mostrato()).back(), 6);
    m.ImpostaSelezione({0, 1});
    EXPECT_EQ(m.Taglia(), 2);
    EXPECT_EQ(m.QuantiSelezionati(), 0);
    EXPECT_EQ(Accettati(m.Mostrato()).back(), 4);
    m.ImpostaSelezione({3});
    EXPECT_EQ(m.Elimina(), 1);
    EXPECT_EQ(Tipi(m.Mostrato()), (std::vector<int>{kResti, kPariDispari, kQuadro}));
    EXPECT_EQ(Accettati(m.Mostrato()), (std::vector<int>{1, 2, 3}));

    // Pasting past 999 members is refused with its message and changes nothing.
    for (int i = 0; i < 995; ++i) m.Mostrato().Membri.push_back(Resto(d.dati, 8, {}));
    EXPECT_EQ(m.Incolla(0).Messaggio, "Informazione. Spazio Insufficiente !");
    EXPECT_EQ(m.Quanti(), 998);
    EXPECT_TRUE(m.Nuova(kBaricentri, 0));
    EXPECT_EQ(m.Nuova(kBaricentri, 0).Messaggio, kSpazioInsufficiente);
    EXPECT_EQ(m.Quanti(), 999);
}

TEST(ModelloQuadro, MembersAddedByAnotherWindowUpdateThePreset) {
    Dialogo d;
    ASSERT_TRUE(d.m.Nuova(kResti, 0));
    const int n = d.m.AggiungiMembri([&](TCondQuadro& q) {
        std::vector<std::unique_ptr<TCondizione>> due;
        for (int i = 0; i < 2; ++i) due.push_back(CreaCondizione(kPariDispari, &d.dati));
        EXPECT_TRUE(q.Inserisci(q.QuantiMembri(), std::move(due)));
        return 2;
    });
    EXPECT_EQ(n, 2);
    EXPECT_EQ(Accettati(d.m.Mostrato()), (std::vector<int>{3}));  // AND over three
    EXPECT_EQ(d.editore.Principale().Voci[3].Stato, 1);
}

TEST(ModelloQuadro, WorksOnACopyUntilOkAndNestedQuadriAreWalked) {
    Dialogo d;
    d.quadro.Aggiungi(Resto(d.dati, 7, {1}));
    d.m.ImpostaOggetto(&d.quadro);
    const auto prima = Record(d.quadro);
    auto& m = d.m;
    m.ImpostaNome("Un nome di oltre diciannove caratteri");
    EXPECT_EQ(m.Nome(), "Un nome di oltre di");
    m.Nuova(kQuadro, 1);
    ASSERT_TRUE(m.Entra(1));
    m.ImpostaNome("Secondo");
    m.Nuova(kQuadro, 0);
    ASSERT_TRUE(m.Entra(0));
    m.Nuova(kBaricentri, 0);
    m.Livello.ClicAttivato(false);
    EXPECT_EQ(m.Percorso(), (std::vector<int>{1, 0}));
    EXPECT_EQ(m.TestoPercorso(), "Un nome di oltre di \\ Secondo \\ Sub Quadro");
    EXPECT_FALSE(m.Entra(0));  // Baricentri is no Quadro
    EXPECT_EQ(Record(d.quadro), prima);

    // "Quadro Precedente" twice: back at the top, the switch of the deepest one kept.
    ASSERT_TRUE(m.Esci());
    EXPECT_EQ(m.Nome(), "Secondo");
    EXPECT_FALSE(static_cast<TCondQuadro&>(*m.Membro(0)).Attivato);
    ASSERT_TRUE(m.Esci());
    EXPECT_FALSE(m.PuoUscire());
    EXPECT_FALSE(m.Esci());

    // The tree: one box per member, each Quadro's members one level to the right.
    const auto albero = AlberoQuadri(m.Radice(), &m.Mostrato());
    std::vector<std::tuple<std::string, int, int>> righe;
    for (const TNodoAlbero& n : albero) righe.emplace_back(n.Nome, n.Livello, n.Padre);
    EXPECT_EQ(righe, (std::vector<std::tuple<std::string, int, int>>{{"Un nome di oltre di", 0, -1},
                                                                     {"Resti", 1, 0},
                                                                     {"Secondo", 1, 0},
                                                                     {"Sub Quadro", 2, 2},
                                                                     {"Baricentri", 3, 3}}));
    EXPECT_TRUE(albero[0].Evidenziato);
    EXPECT_EQ(albero[4].Percorso, (std::vector<int>{1, 0, 0}));
    EXPECT_FALSE(m.VaiA(albero[4].Percorso));  // not a Quadro
    ASSERT_TRUE(m.VaiA(albero[3].Percorso));
    EXPECT_TRUE(AlberoQuadri(m.Radice(), &m.Mostrato())[3].Evidenziato);

    ASSERT_TRUE(m.Applica());
    EXPECT_EQ(d.quadro.Nome, "Un nome di oltre di");
    auto& sub = static_cast<TCondQuadro&>(*d.quadro.Membro(1));
    EXPECT_EQ(sub.Nome, "Secondo");
    EXPECT_EQ(sub.Membro(0)->TipoCondizione, kQuadro);
    EXPECT_TRUE(d.quadro.Attivo);

    // Opened again and closed with nothing changed: "OK" reports no change.
    m.ImpostaOggetto(&d.quadro);
    EXPECT_FALSE(m.Applica());
}

TEST(ModelloQuadro, QuadroAndConditionFilesThroughTheDialog) {
    CartellaTemporanea cartella;
    Dialogo d;
    auto& m = d.m;
    m.Nuova(kResti, 0);
    m.Nuova(kBaricentri, 1);
    m.Nuova(kQuadro, 2);
    m.ImpostaRelazione(kXor);
    m.ImpostaCommento({"una riga"});
    const auto qdr = cartella / "uno.QDR";
    ASSERT_TRUE(m.SalvaQuadro(qdr));
    m.ImpostaSelezione({1, 2});
    const auto cnd = cartella / "due.CND";
    ASSERT_TRUE(m.SalvaCondizioni(cnd));

    // Into a nested Quadro: the conditions where the menu was opened, the Quadro in its place.
    ASSERT_TRUE(m.Entra(2));
    m.Nuova(kPariDispari, 0);
    ASSERT_TRUE(m.CaricaCondizioni(cnd, 0));
    EXPECT_EQ(Tipi(m.Mostrato()), (std::vector<int>{kBaricentri, kQuadro, kPariDispari}));
    EXPECT_EQ(Accettati(m.Mostrato()), (std::vector<int>{3}));
    EXPECT_FALSE(m.CaricaCondizioni(cartella / "manca.CND", 0));
    EXPECT_EQ(m.Quanti(), 3);
    EXPECT_TRUE(m.SvuotaDaConfermare());
    ASSERT_TRUE(m.CaricaQuadro(qdr));
    EXPECT_EQ(m.Nome(), "Quadro");
    EXPECT_EQ(m.Relazione(), kXor);
    EXPECT_EQ(m.Commento(), (std::vector<std::string>{"una riga"}));
    EXPECT_EQ(Tipi(m.Mostrato()), (std::vector<int>{kResti, kBaricentri, kQuadro}));
    EXPECT_EQ(m.CaricaQuadro(cartella / "manca.QDR").Messaggio,
              "Impossibile Caricare Il Quadro manca.QDR: file non trovato.");
    EXPECT_EQ(m.Quanti(), 3);

    // "Azzera " empties the Quadro shown and keeps its name.
    m.ImpostaNome("Tenuto");
    m.Azzera();
    EXPECT_EQ(m.Quanti(), 0);
    EXPECT_EQ(m.Nome(), "Tenuto");
    EXPECT_EQ(m.Relazione(), kAnd);
    EXPECT_FALSE(m.SvuotaDaConfermare());
}
