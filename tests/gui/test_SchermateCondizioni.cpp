#include <gtest/gtest.h>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmCondizione.h"
#include "core/TDatiSistema.h"
#include "gui/Schermate.h"
#include "support/Finti.h"
#include "widgets/TGrigliaIntervalli.h"

using namespace sirvela;

// The condition dialogs with some values in.
TEST(Schermate, Condizioni) {
    SALTA_SENZA_SCHERMATE();
    TDatiSistema d;
    auto& insieme = *d.Condizioni;
    auto& somme = static_cast<TCondSomme&>(*insieme.Condizione(kSomme));
    somme.Tutti.Intervalli[0] = {80, 120, 1, 0};
    somme.Tutti.Intervalli[1] = {130, 140, 2, 3};
    somme.Tutti.Quanti = 2;
    auto& pd = static_cast<TCondPariDispari&>(*insieme.Condizione(kPariDispari));
    for (int v : {3, 4, 5}) pd.Pari.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    pd.Pari.Principale.Voci[2] = {2, 4};
    auto& bar = static_cast<TCondBaricentri&>(*insieme.Condizione(kBaricentri));
    for (int v = 8; v <= 14; ++v) bar.Tutti.Principale.Voci[static_cast<std::size_t>(v)] = {1, 0};
    auto& resti = static_cast<TCondGruppo&>(*insieme.Condizione(kGruppoResti));
    for (int k = 0; k < 2; ++k) {
        auto* r = static_cast<TCondResti*>(resti.AggiungiMembro());
        r->Divisore = 7 + k;
        r->Resto.Principale.Voci[1] = {1, 0};
    }
    auto& ds = static_cast<TCondGruppo&>(*insieme.Condizione(kGruppoDistanzeSpecifiche));
    ds.AggiungiMembro();
    test::TMessaggiFinti messaggi;
    const std::pair<int, const char*> dialoghi[] = {
        {kSomme, "cond-somme"},           {kPariDispari, "cond-pari-dispari"},
        {kBaricentri, "cond-baricentri"}, {kDistanzeGlobali, "cond-distanze-globali"},
        {kGruppoResti, "cond-resti"},     {kGruppoDistanzeSpecifiche, "cond-distanze-specifiche"},
    };
    for (const auto& [tipo, nome] : dialoghi) {
        auto f = CreaDialogoCondizione(tipo, messaggi, nullptr);
        ASSERT_TRUE(f);
        f->ImpostaOggetto(*insieme.Condizione(tipo));
        test::SalvaSchermata(*f, nome);
        if (tipo == kSomme) {
            f->Griglie()[0]->setCurrentIndex(1);
            test::SalvaSchermata(*f, "cond-somme-recupero");
        }
    }
}
