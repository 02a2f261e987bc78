#include <gtest/gtest.h>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"
#include "tools/CondizioniSbagliate.h"

using namespace sirvela;

namespace {
std::vector<std::string> Testi(const std::vector<TCondizioneSbagliata>& v) {
    std::vector<std::string> t;
    for (const auto& r : v) t.push_back(r.Testo);
    return t;
}
}  // namespace

TEST(CondizioniSbagliate, PositionSetsThenEveryFailingConditionInSlotOrder) {
    TDatiSistema d;
    for (auto& p : d.Pronostico.Posizione)
        for (int v = 1; v <= 8; ++v) p.Aggiungi(v);
    d.Pronostico.Posizione[7].Rimuovi(8);  // the result's last pilot is not allowed there
    auto* somme = static_cast<TCondSomme*>(d.Condizioni->Condizione(kSomme));
    somme->Tutti.Intervalli[0] = {100, 120, 1, 0};
    somme->Tutti.Quanti = 1;
    auto* distanze = static_cast<TCondDistanzeGlobali*>(d.Condizioni->Condizione(kDistanzeGlobali));
    distanze->Totale.Principale.Voci[7].Stato = 1;  // 1..8 has total distance 7: accepted
    auto* quadro = static_cast<TCondQuadro*>(d.Condizioni->Condizione(kQuadro));
    auto resti = std::make_unique<TCondResti>(&d);
    resti->Divisore = 8;
    resti->Resto.Principale.Voci[3].Stato = 1;  // 36 mod 8 = 4: rejected
    quadro->Membri.push_back(std::move(resti));
    quadro->ApplicaPreset();

    auto righe = CondizioniSbagliate(d, {1, 2, 3, 4, 5, 6, 7, 8});
    // The Quadro is named after its failing member; only the groups 11..15 add no line of their
    // own.
    EXPECT_EQ(Testi(righe), (std::vector<std::string>{"Pronostico", "Somme", "Resti", "Quadro"}));
    EXPECT_EQ(righe[2].Indice, 1);
    // A double click opens the condition itself, or the container of a group member.
    auto* gruppo = d.Condizioni->Condizione(kGruppoResti);
    auto* membro = static_cast<TCondGruppo*>(gruppo)->AggiungiMembro();
    EXPECT_EQ(CondizioneDaAprire(*d.Condizioni, membro), gruppo);
    EXPECT_EQ(CondizioneDaAprire(*d.Condizioni, righe[1].Condizione), somme);
    EXPECT_EQ(CondizioneDaAprire(*d.Condizioni, righe[2].Condizione), righe[2].Condizione);
    EXPECT_EQ(CondizioneDaAprire(*d.Condizioni, righe[0].Condizione), nullptr);
    EXPECT_FALSE(d.Condizioni->RaccogliErrori);

    // A result the system allows breaks nothing.
    somme->Tutti.Intervalli[0] = {30, 40, 1, 0};
    quadro->Membri.clear();
    d.Pronostico.Posizione[7].Aggiungi(8);
    EXPECT_TRUE(CondizioniSbagliate(d, {1, 2, 3, 4, 5, 6, 7, 8}).empty());
}

// A result that every condition lets through, but only with recovery errors its link groups
// refuse, would not have been developed: the refusing groups are listed after the conditions.
TEST(CondizioniSbagliate, RefusedRecoveryErrorsAreListedAfterTheConditions) {
    TDatiSistema d;
    for (auto& p : d.Pronostico.Posizione)
        for (int v = 1; v <= 8; ++v) p.Aggiungi(v);
    // 1..8 has four even pilots: accepted in recovery, one error of level 1 in link A.
    auto* pd = static_cast<TCondPariDispari*>(d.Condizioni->Condizione(kPariDispari));
    pd->Pari.Principale.Voci[4] = {2, 1};
    pd->Pari.Principale.LetteraLink = 'A';
    auto& link = *d.Recuperi;
    struct Caso {
        int ammessiA, ammessiTotali;
        std::vector<std::string> righe;
    };
    const Caso casi[] = {
        {1, 1, {}},
        {0, 1, {"Link A"}},
        {1, 0, {"Tra Tutte Le Link"}},
        {0, 0, {"Link A", "Tra Tutte Le Link"}},
    };
    for (const Caso& c : casi) {
        link.Gruppo('A')->ErroriAmmessi.Azzera();
        link.ErroriAmmessiTotali.Azzera();
        link.Gruppo('A')->ErroriAmmessi.Principale.Voci[c.ammessiA] = {1, 0};
        link.ErroriAmmessiTotali.Principale.Voci[c.ammessiTotali] = {1, 0};
        EXPECT_EQ(Testi(CondizioniSbagliate(d, {1, 2, 3, 4, 5, 6, 7, 8})), c.righe)
            << c.ammessiA << " " << c.ammessiTotali;
    }
    // After a condition that rejects, the link groups still count the errors met.
    pd->Dispari.Principale.Voci[0] = {1, 0};
    link.Gruppo('A')->ErroriAmmessi.Azzera();
    link.Gruppo('A')->ErroriAmmessi.Principale.Voci[0] = {1, 0};
    EXPECT_EQ(Testi(CondizioniSbagliate(d, {1, 2, 3, 4, 5, 6, 7, 8})),
              (std::vector<std::string>{"Pari e Dispari", "Link A", "Tra Tutte Le Link"}));
}
