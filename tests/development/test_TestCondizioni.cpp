// The development's column test takes a plain path when conditions can have no effect but
// their verdict; it must give the verdicts of the full test on every condition kind.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/Enumerazione.h"
#include "development/SviluppoSistema.h"
#include "support/SistemaRicco.h"

using namespace sirvela;

namespace {

// Every table in use accepts a random three quarters of its values, none in recovery, so each
// kind passes some columns and rejects others.
void ValoriCasuali(TCondizione& c, std::mt19937& r) {
    for (const TCategoria& cat : c.Categorie()) {
        if (TValoriAmmessi* v = cat.Valori) {
            for (TTabellaValori* t : {&v->Principale, &v->Secondaria})
                if (t->HaValori(v->Massimo))
                    for (auto& voce : t->Voci) voce = {static_cast<std::uint8_t>(r() % 4 != 0), 0};
        } else if (TIntervalliAmmessi* iv = cat.Intervalli) {
            for (auto& i : iv->Intervalli)
                if (i.Tipo == 2) i.Tipo = 1;
        }
    }
    if (auto* contenitore = dynamic_cast<TCondContenitore*>(&c))
        for (auto& m : contenitore->Membri) ValoriCasuali(*m, r);
}

// The rich system with Punti Tra off and the overall link table accepting any number of errors:
// the test's plain path applies.
void SistemaSemplice(T_Sistema& s) {
    test::RiempiSistemaRicco(s);
    std::mt19937 r(3);
    for (int k = 1; k <= 18; ++k) ValoriCasuali(*s.Dati.Condizioni->Condizione(k), r);
    s.Dati.Condizioni->PuntiTra()->Attivato = false;
    s.Dati.Recuperi->ErroriAmmessiTotali.Azzera();
}

}  // namespace

TEST(TestCondizioni, ThePlainPathOnlyWhereConditionsHaveNoOtherEffect) {
    struct TCaso {
        const char* nome;
        void (*cambia)(T_Sistema&);
        bool semplice;
    };
    const TCaso casi[] = {
        {"plain values", [](T_Sistema&) {}, true},
        {"a recovery value",
         [](T_Sistema& s) {
             auto* c = s.Dati.Condizioni->Condizione(kDistanzeGlobali);
             c->Categorie()[0].Valori->Principale.Voci[5] = {2, 1};
         },
         false},
        {"Punti Tra on", [](T_Sistema& s) { s.Dati.Condizioni->PuntiTra()->Attivato = true; },
         false},
        {"overall link table refusing no errors",
         [](T_Sistema& s) { s.Dati.Recuperi->ErroriAmmessiTotali.Principale.Voci[3].Stato = 1; },
         false},
        {"overall link table accepting no errors",
         [](T_Sistema& s) {
             auto& t = s.Dati.Recuperi->ErroriAmmessiTotali.Principale;
             t.Voci[0].Stato = t.Voci[3].Stato = 1;
         },
         true},
    };
    for (const TCaso& caso : casi) {
        T_Sistema s;
        SistemaSemplice(s);
        caso.cambia(s);
        TTestCondizioni test(*s.Dati.Condizioni, *s.Dati.Recuperi);
        test.Prepara();
        EXPECT_EQ(test.Semplice(), caso.semplice) << caso.nome;
    }
}

namespace {

// Candidates with eight different pilots handed to a verdict; those that pass are kept.
struct TRaccolta {
    std::function<bool(const TColonna&)> Verdetto;
    std::vector<TColonna> Passate;
    void Candidato(const TColonna& c) {
        if (Verdetto(c)) Passate.push_back(c);
    }
    void Scartato() {}
    void Salta(std::int64_t) {}
    bool SaltaConControlli(std::int64_t, std::int64_t, std::int64_t) { return true; }
    bool Annullato() { return false; }
};

}  // namespace

TEST(TestCondizioni, ThePlainPathGivesTheFullTestsVerdicts) {
    T_Sistema s;
    SistemaSemplice(s);
    std::mt19937 r(7);
    std::uniform_int_distribution<int> pilota(1, 16);
    // One condition kind at a time, so each decides columns alone, then several together.
    // Single columns try the whole test, a development the pre-filter and the rest after it,
    // on more columns than the plain path samples before it reorders the conditions.
    int decisivi = 0;  // cases that both pass and reject columns
    for (int caso = 1; caso <= 19; ++caso) {
        if (caso == kPuntiTra) continue;
        auto inGioco = [caso](int k) {
            if (caso <= 18) return k == caso;
            return k == kSomme || k == kDistanzeGlobali || k == kNumeriConsecutivi ||
                   (k >= kGruppoDistanzeSpecifiche && k <= kGruppoConsecutivita);
        };
        for (int k = 1; k <= 18; ++k) s.Dati.Condizioni->Condizione(k)->Attivato = inGioco(k);
        TTestCondizioni test(*s.Dati.Condizioni, *s.Dati.Recuperi);
        test.Prepara();
        ASSERT_TRUE(test.Semplice());
        int passate = 0, rifiutate = 0;
        for (int i = 0; i < 2 * TElencoSemplice::kCampioni; ++i) {
            TColonna c;
            for (auto& p : c) p = static_cast<std::uint8_t>(pilota(r));
            const bool atteso = s.Dati.Condizioni->Verifica(c);
            ASSERT_EQ(test.Verifica(c), atteso) << "case " << caso << ", column " << i;
            (atteso ? passate : rifiutate)++;
        }
        if (passate > 0 && rifiutate > 0) ++decisivi;

        TPronostico p;
        for (auto& pos : p.Posizione)
            while (pos.Conta() < 5) pos.Aggiungi(pilota(r));
        TPreFiltro f;
        const bool filtrata = test.PreFiltro(f);
        TRaccolta semplice{[&](const TColonna& c) {
                               return filtrata ? test.VerificaPreFiltrata(c) : test.Verifica(c);
                           },
                           {}};
        TRaccolta completa{[&](const TColonna& c) { return s.Dati.Condizioni->Verifica(c); }, {}};
        TEnumeratore<TRaccolta>(p, semplice, filtrata ? &f : nullptr).Esegui();
        TEnumeratore<TRaccolta>(p, completa).Esegui();
        EXPECT_TRUE(semplice.Passate == completa.Passate) << "case " << caso;
    }
    EXPECT_GE(decisivi, 15);
}
