#include <gtest/gtest.h>

#include <algorithm>

#include "archive/StampaAndamentoCondizioni.h"
#include "archive/VisualizzazioneArchivio.h"
#include "core/TDatiSistema.h"
#include "core/Testo.h"
#include "printing/SuperficieRegistrata.h"
#include "support/CartellaDiProva.h"
#include "support/StampaDiProva.h"

namespace sirvela {
namespace {

void Accoda(TDatiSistema& d, TColonna c) {
    TEstrazione e;
    e.Anno = 1999;
    e.Numero = static_cast<std::uint8_t>(d.Archivio.Quante() + 7);
    e.Vincente = c;
    d.Archivio.Estrazioni.push_back(e);
}

// Only the given groups ticked.
void Solo(TVisualizzazioneArchivio& v, std::initializer_list<int> gruppi) {
    for (int g = 0; g < kGruppiVista; ++g) v.ImpostaVisibile(g, false);
    for (int g : gruppi) v.ImpostaVisibile(g, true);
}

// An A4 landscape page, as the print asks for.
void Orizzontale(TSuperficieRegistrata& s) {
    s.Larghezza = 297;
    s.Altezza = 210;
}

TEST(StampaAndamentoCondizioni, ChosenContestsWithTheirGroupHeadings) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    Accoda(dati, {1, 2, 3, 4, 5, 6, 7, 8});
    Accoda(dati, {2, 3, 4, 5, 6, 7, 8, 9});
    Accoda(dati, {8, 7, 6, 5, 4, 3, 2, 1});
    TVisualizzazioneArchivio v(dati);
    Solo(v, {9});  // " R6": the sum mod 6
    TSuperficieRegistrata s;
    Orizzontale(s);
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaAndamentoCondizioni(p, v, 2, 3, k));
    const std::vector<std::string> atteso = {"Stampa dell'andamento dell Condizioni ",
                                             "R6",
                                             "Pt",
                                             "Anno",
                                             "Num",
                                             "Pos.",
                                             "      Combinazione",
                                             "Pt",
                                             "1999",
                                             " 8",
                                             "2",
                                             " 2  3  4  5  6  7  8  9",
                                             "2",
                                             "1999",
                                             " 9",
                                             "3",
                                             " 8  7  6  5  4  3  2  1",
                                             "0",
                                             "Pagina Nº 1"};
    EXPECT_EQ(s.Scritte(), atteso);
    EXPECT_EQ(s.DiTipo(TSegnoRegistrato::Testo)[1].Carattere, kCarattereAndamento);

    // No group ticked: the four fixed columns alone.
    Solo(v, {});
    TSuperficieRegistrata s2;
    TmmPrinter p2(s2);
    ASSERT_TRUE(StampaAndamentoCondizioni(p2, v, 1, 1, k));
    EXPECT_EQ(s2.Scritte().size(), 1u + 4 + 4 + 1);
}

TEST(StampaAndamentoCondizioni, FortyContestsAPageAndGroupsBeyondTheWidthOnTheNext) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    for (int i = 0; i < 41; ++i) Accoda(dati, {1, 2, 3, 4, 5, 6, 7, 8});
    TVisualizzazioneArchivio v(dati);
    Solo(v, {9, 12});  // " R6" and " Cs", 4 characters each
    // 7 point characters are 1.48 mm: the fixed columns take 71.7 mm with their margins, so
    // a 90 mm page with 5 mm margins has room for one 7.9 mm group only.
    TSuperficieRegistrata s;
    s.Larghezza = 90;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaAndamentoCondizioni(p, v, 1, 41, k));
    ASSERT_EQ(s.Pagine(), 4);
    const auto prima = [&](int pagina) { return s.Scritte(1, pagina).at(1); };
    EXPECT_EQ(prima(1), "R6");
    EXPECT_EQ(prima(2), "Cs");
    EXPECT_EQ(prima(3), "R6");
    // Contests 1..40 on pages 1 and 2, contest 41 alone on pages 3 and 4.
    EXPECT_EQ(s.Scritte(1, 2).size(), 1u + 2 + 5 + 40 * 5 + 1);
    EXPECT_EQ(s.Scritte(1, 4).at(10), "41");
}

// Every group on landscape pages, measured as a proportional font: each heading stands over
// the columns it names and no text crosses a cell's border.
TEST(StampaAndamentoCondizioni, HeadingsStandOverTheirColumnsAndTextsInTheirCells) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    Accoda(dati, {1, 2, 3, 4, 5, 6, 7, 8});
    Accoda(dati, {23, 22, 21, 20, 19, 18, 17, 16});
    Accoda(dati, {5, 12, 3, 18, 9, 1, 22, 14});
    TVisualizzazioneArchivio v(dati);
    TSuperficieRegistrata s;
    Orizzontale(s);
    s.MisuraTesto = test::MisuraProporzionale;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaAndamentoCondizioni(p, v, 1, 3, k));
    ASSERT_GT(s.Pagine(), 1);
    EXPECT_EQ(test::TestiFuoriDalleCelle(s), std::vector<std::string>{});

    int gruppiVisti = 0;
    for (int pagina = 1; pagina <= s.Pagine(); ++pagina) {
        const auto tabella = s.DiTipo(TSegnoRegistrato::Riquadro, 1, pagina).at(0);
        std::vector<double> bordi{tabella.X};
        for (const auto& l : s.DiTipo(TSegnoRegistrato::Linea, 1, pagina))
            if (l.X == l.L) bordi.push_back(l.X);
        bordi.push_back(tabella.X + tabella.L);
        std::vector<TSegnoRegistrato> titoli, sotto;
        for (const auto& t : s.DiTipo(TSegnoRegistrato::Testo, 1, pagina)) {
            if (t.Y < tabella.Y && t.Y > 5) (t.Y < tabella.Y - 5 ? titoli : sotto).push_back(t);
        }
        auto sopra = [&](const TSegnoRegistrato& t, int da, int n) {
            EXPECT_GE(t.X, bordi.at(static_cast<std::size_t>(da))) << t.Scritta;
            EXPECT_LE(t.X + t.L, bordi.at(static_cast<std::size_t>(da + n))) << t.Scritta;
        };
        int colonna = kColonneFisseVista;
        std::size_t s2 = 0;
        for (const auto& titolo : titoli) {
            const auto g = std::find_if(
                GruppiVista().begin(), GruppiVista().end(),
                [&](const TGruppoVista& x) { return Trim(x.Intestazione1) == titolo.Scritta; });
            ASSERT_NE(g, GruppiVista().end()) << titolo.Scritta;
            sopra(titolo, colonna, g->Colonne());
            for (const auto& st : g->Sottotitolo()) {
                ASSERT_LT(s2, sotto.size());
                EXPECT_EQ(sotto[s2].Scritta, st.Testo);
                sopra(sotto[s2++], colonna + st.Da, st.Colonne);
            }
            colonna += g->Colonne();
            ++gruppiVisti;
        }
        EXPECT_EQ(s2, sotto.size());
    }
    EXPECT_EQ(gruppiVisti, kGruppiVista);
}

}  // namespace
}  // namespace sirvela
