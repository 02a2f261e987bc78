// Valuta against CalcolaValori for every kind, on many random columns and settings.
#include <gtest/gtest.h>

#include "conditions/Fabbrica.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using test::Caso;

namespace {

using Coppie = std::vector<std::pair<int, int>>;

void ArchivioCasuale(TDatiSistema& d, std::mt19937& caso) {
    d.Archivio.Estrazioni.clear();
    const int n = Caso(caso, 0, 3);
    for (int i = 0; i < n; ++i) {
        TEstrazione e;
        e.Vincente = test::ColonnaCasuale(caso);
        if (Caso(caso, 0, 4) == 0) e.Vincente[static_cast<std::size_t>(Caso(caso, 0, 7))] = 0;
        d.Archivio.Estrazioni.push_back(e);
    }
}

// Every table and list of the condition emptied; Campo kept.
void SvuotaTabelle(TCondizione& c) {
    for (const TCategoria& cat : c.Categorie()) {
        if (cat.Valori) {
            cat.Valori->Principale.Voci.fill({});
            cat.Valori->Secondaria.Voci.fill({});
        } else {
            cat.Intervalli->Quanti = 0;
        }
    }
}

}  // namespace

// With one value accepted in one table, Valuta passes exactly the columns whose computed value
// is that value.
TEST(Proprieta, ValutaWithOneAcceptedValueAgreesWithTheValues) {
    std::mt19937 caso(77);
    TDatiSistema d;
    int verifiche = 0, accettate = 0;
    for (int giro = 0; giro < 1500; ++giro) {
        ArchivioCasuale(d, caso);
        const TColonna col = test::ColonnaCasuale(caso);
        for (int tipo : test::kTipiValori) {
            auto c = CreaCondizione(tipo, &d);
            test::ParametriCasuali(*c, caso);
            const Coppie valori = test::Valori(*c, col);
            const auto& categorie = c->Categorie();
            ASSERT_EQ(valori.size(), categorie.size()) << "tipo " << tipo;
            for (std::size_t k = 0; k < categorie.size(); ++k) {
                const bool secondaria = categorie[k].Valori &&
                                        categorie[k].Valori->SecondariaAbilitata &&
                                        Caso(caso, 0, 1) == 1;
                const int calcolato = secondaria ? valori[k].second : valori[k].first;
                SvuotaTabelle(*c);
                int scelto;
                if (TIntervalliAmmessi* iv = categorie[k].Intervalli) {
                    scelto = Caso(caso, 0, 1) ? calcolato : Caso(caso, 0, 200);
                    iv->Intervalli[0] = {double(scelto), double(scelto), 1, 0};
                    iv->Quanti = 1;
                } else {
                    TValoriAmmessi& v = *categorie[k].Valori;
                    scelto = Caso(caso, 0, 1) && calcolato >= 0 && calcolato <= v.Massimo
                                 ? calcolato
                                 : Caso(caso, 0, v.Massimo);
                    if (secondaria) {
                        test::AmmettiDa(v.Principale, 0, v.Massimo);
                        v.Secondaria.Voci[static_cast<std::size_t>(scelto)] = {1, 0};
                    } else {
                        v.Principale.Voci[static_cast<std::size_t>(scelto)] = {1, 0};
                    }
                }
                bool atteso = calcolato == scelto && valori[k].first >= 0;
                if (tipo == kConsecutivitaDifferenziata) {
                    // "Segni" selects, "Consecutività" tests: keep the other table in play.
                    auto* cd = static_cast<TCondConsecDiff*>(c.get());
                    if (k == 0) {
                        cd->Consecutivita.Principale.Voci[0] = {1, 0};
                        atteso = calcolato != scelto || valori[1].first == 0;
                    } else {
                        test::AmmettiDa(cd->Segni.Principale, 0, 8);
                    }
                }
                if (tipo == kSequela && !static_cast<TCondSequela*>(c.get())->Valutabile())
                    atteso = true;
                c->AggiornaStato();
                ASSERT_TRUE(c->Attivo) << "tipo " << tipo << " categoria " << k;
                ASSERT_EQ(c->Valuta(col), atteso)
                    << "tipo " << tipo << " categoria " << k << " valore " << scelto
                    << (secondaria ? " (serie)" : "") << " colonna " << testing::PrintToString(col);
                ++verifiche;
                accettate += atteso;
            }
        }
    }
    // Both outcomes were exercised plenty.
    EXPECT_GT(accettate, verifiche / 5);
    EXPECT_LT(accettate, verifiche * 4 / 5);
}
