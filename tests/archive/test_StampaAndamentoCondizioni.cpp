#include <gtest/gtest.h>

#include "archive/StampaAndamentoCondizioni.h"
#include "archive/VisualizzazioneArchivio.h"
#include "core/TDatiSistema.h"
#include "printing/SuperficieRegistrata.h"
#include "support/CartellaDiProva.h"

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

TEST(StampaAndamentoCondizioni, ChosenContestsWithTheirGroupHeadings) {
    test::TCartellaDiProva globali;
    TDatiSistema dati;
    Accoda(dati, {1, 2, 3, 4, 5, 6, 7, 8});
    Accoda(dati, {2, 3, 4, 5, 6, 7, 8, 9});
    Accoda(dati, {8, 7, 6, 5, 4, 3, 2, 1});
    TVisualizzazioneArchivio v(dati);
    Solo(v, {9});  // " R6": the sum mod 6
    TSuperficieRegistrata s;
    s.Larghezza = 297;
    s.Altezza = 210;
    TmmPrinter p(s);
    TControlloStampa k;
    ASSERT_TRUE(StampaAndamentoCondizioni(p, v, 2, 3, k));
    const std::vector<std::string> atteso = {"Stampa dell'andamento dell Condizioni ",
                                             " R6",
                                             " Pt",
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
    EXPECT_EQ(prima(1), " R6");
    EXPECT_EQ(prima(2), " Cs");
    EXPECT_EQ(prima(3), " R6");
    // Contests 1..40 on pages 1 and 2, contest 41 alone on pages 3 and 4.
    EXPECT_EQ(s.Scritte(1, 2).size(), 1u + 2 + 5 + 40 * 5 + 1);
    EXPECT_EQ(s.Scritte(1, 4).at(10), "41");
}

}  // namespace
}  // namespace sirvela
