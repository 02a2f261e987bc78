#include <gtest/gtest.h>

#include "app/MenuCondizioni.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using sirvela::test::Ammetti;
using sirvela::test::Record;

TEST(MenuCondizioni, ItemsAreCheckedForConditionsInPlayWithoutTouchingThem) {
    TDatiSistema d;
    auto& insieme = *d.Condizioni;
    for (int slot = 1; slot <= 18; ++slot)
        EXPECT_FALSE(CondizioneAttiva(*insieme.Condizione(slot)));

    // Flags as a loaded file may leave them say nothing: the state is computed afresh.
    auto& pd = static_cast<TCondPariDispari&>(*insieme.Condizione(kPariDispari));
    pd.Attivo = true;
    EXPECT_FALSE(CondizioneAttiva(pd));
    Ammetti(pd.Pari.Principale, {3, 10});  // 10: an entry the state computation tidies away
    const auto prima = Record(pd);
    EXPECT_TRUE(CondizioneAttiva(pd));
    EXPECT_EQ(Record(pd), prima);
    pd.Attivato = false;
    EXPECT_FALSE(CondizioneAttiva(pd));

    // A container counts only with a member in play.
    auto& resti = static_cast<TCondGruppo&>(*insieme.Condizione(kGruppoResti));
    auto* r = static_cast<TCondResti*>(resti.AggiungiMembro());
    Ammetti(r->Resto.Principale, {1});
    r->Attivato = false;
    EXPECT_FALSE(CondizioneAttiva(resti));
    r->Attivato = true;
    EXPECT_TRUE(CondizioneAttiva(resti));

    // Every condition slot has its item, in the menu's order.
    std::array<bool, 19> slot{};
    for (const TVoceCondizioni& v : kVociCondizioni) slot[static_cast<std::size_t>(v.Slot)] = true;
    for (bool s : slot) EXPECT_TRUE(s);
}
