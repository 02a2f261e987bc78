// Records of the condition kinds: exact sizes, byte-identical round trips alone, inside the
// containers, a Quadro and the condition set, and short reads.
#include <gtest/gtest.h>

#include <span>

#include "conditions/Fabbrica.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TInsiemeCondizioni.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using test::Caso;

namespace {

void TabellaCasuale(TTabellaValori& t, int massimo, std::mt19937& caso) {
    t.Attiva = Caso(caso, 0, 1);
    t.LetteraLink = static_cast<char>('A' + Caso(caso, 0, 25));
    t.GruppoTra = static_cast<std::uint16_t>(Caso(caso, 0, 30));
    // The three entries beyond the maximum travel with the record too.
    for (int v = 0; v <= massimo + 3; ++v)
        t.Voci[static_cast<std::size_t>(v)] = {static_cast<std::uint8_t>(Caso(caso, 0, 2)),
                                               static_cast<std::uint8_t>(Caso(caso, 0, 99))};
}

// Random tables, interval lists, switch and parameters.
void Casuale(TCondizione& c, std::mt19937& caso) {
    c.Attivato = Caso(caso, 0, 1);
    for (const TCategoria& cat : c.Categorie()) {
        if (TValoriAmmessi* v = cat.Valori) {
            TabellaCasuale(v->Principale, v->Massimo, caso);
            TabellaCasuale(v->Secondaria, v->Massimo, caso);
            v->CampoDa = static_cast<std::uint16_t>(Caso(caso, 0, 9));
            v->CampoA = static_cast<std::uint16_t>(Caso(caso, 0, 9));
        } else {
            TIntervalliAmmessi& l = *cat.Intervalli;
            l.Quanti = static_cast<std::int16_t>(Caso(caso, 0, 43));
            l.LetteraLink = static_cast<char>('A' + Caso(caso, 0, 25));
            for (auto& i : l.Intervalli)
                i = {Caso(caso, 0, 200) / 2.0, Caso(caso, 0, 400) / 4.0,
                     static_cast<std::uint16_t>(Caso(caso, 0, 2)),
                     static_cast<std::int16_t>(Caso(caso, 1, 99))};
        }
    }
    test::ParametriCasuali(c, caso);
}

std::unique_ptr<TCondizione> Rileggi(const std::vector<std::uint8_t>& record, TDatiSistema* d) {
    auto c = CreaCondizione(record.at(0), d);
    EXPECT_TRUE(c);
    if (!c) return nullptr;
    TLettore l(std::span<const std::uint8_t>(record).subspan(1));
    EXPECT_TRUE(c->Carica(l));
    EXPECT_TRUE(l.FineFile());
    return c;
}

}  // namespace

TEST(ProprietaRecord, EveryKindHasItsExactSizeAndRoundTrips) {
    const std::pair<int, std::size_t> dimensioni[] = {
        {kSomme, 2591},
        {kPariDispari, 122},
        {kBaricentri, 1146},
        {kDistanzeGlobali, 1154},
        {kVortici, 242},
        {kNumeriConsecutivi, 62},
        {kSimmetrie, 151},
        {kInterruzioni, 147},
        {kRipetizioni, 123},
        {kCrescenzeDecrescenze, 114},
        {kNumeroSequenze, 179},
        {kConsecutivitaDifferenziata, 123},
        {kDistanzeSpecifiche, 394},
        {kResti, 430},
        {kColonnaFiltro, 276},
        {kSequela, 82},
    };
    std::mt19937 caso(3);
    TDatiSistema d;
    for (auto [tipo, byte] : dimensioni) {
        SCOPED_TRACE(tipo);
        auto nuova = CreaCondizione(tipo, &d);
        const auto vuoto = test::Record(*nuova);
        EXPECT_EQ(vuoto.size(), byte);
        EXPECT_EQ(vuoto[0], tipo);
        for (int giro = 0; giro < 20; ++giro) {
            auto c = CreaCondizione(tipo, &d);
            Casuale(*c, caso);
            const auto record = test::Record(*c);
            ASSERT_EQ(record.size(), byte);
            auto letta = Rileggi(record, &d);
            ASSERT_TRUE(letta);
            EXPECT_EQ(test::Record(*letta), record);
            EXPECT_EQ(letta->Attivato, c->Attivato);
        }
    }
}

TEST(ProprietaRecord, ShortRecordsFailAtEveryCut) {
    std::mt19937 caso(9);
    TDatiSistema d;
    for (int tipo : test::kTipiValori) {
        auto c = CreaCondizione(tipo, &d);
        Casuale(*c, caso);
        const auto record = test::Record(*c);
        for (std::size_t n = 1; n < record.size(); ++n) {
            auto letta = CreaCondizione(tipo, &d);
            TLettore l(std::span<const std::uint8_t>(record).subspan(1, n - 1));
            ASSERT_FALSE(letta->Carica(l)) << "tipo " << tipo << " taglio " << n;
        }
    }
}

TEST(ProprietaRecord, ContainersOfEachKindRoundTrip) {
    std::mt19937 caso(21);
    TDatiSistema d;
    for (int contenitore = kGruppoDistanzeSpecifiche; contenitore <= kGruppoColonneFiltro;
         ++contenitore) {
        SCOPED_TRACE(contenitore);
        TCondGruppo g(&d, static_cast<std::uint8_t>(contenitore));
        for (int i = 0; i < 3; ++i) Casuale(*g.AggiungiMembro(), caso);
        const auto record = test::Record(g);
        auto letto = Rileggi(record, &d);
        ASSERT_TRUE(letto);
        EXPECT_EQ(test::Record(*letto), record);
        auto& membri = static_cast<TCondGruppo&>(*letto).Membri;
        ASSERT_EQ(membri.size(), 3u);
        for (const auto& m : membri) EXPECT_EQ(m->TipoCondizione, g.TipoMembri());
    }
}

TEST(ProprietaRecord, QuadroWithEveryKindRoundTrips) {
    std::mt19937 caso(33);
    TDatiSistema d;
    TCondQuadro q(&d);
    for (int tipo : test::kTipiValori) {
        auto c = CreaCondizione(tipo, &d);
        Casuale(*c, caso);
        ASSERT_TRUE(q.Aggiungi(std::move(c)));
    }
    const auto record = test::Record(q);
    auto letto = Rileggi(record, &d);
    ASSERT_TRUE(letto);
    EXPECT_EQ(test::Record(*letto), record);
    auto& membri = static_cast<TCondQuadro&>(*letto).Membri;
    ASSERT_EQ(membri.size(), std::size(test::kTipiValori));
    for (std::size_t i = 0; i < membri.size(); ++i)
        EXPECT_EQ(membri[i]->TipoCondizione, test::kTipiValori[i]);
}

TEST(ProprietaRecord, ConditionSetSlotsRoundTrip) {
    std::mt19937 caso(45);
    TDatiSistema d;
    for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 16})
        Casuale(*d.Condizioni->Condizione(slot), caso);
    TScrittore s;
    ASSERT_TRUE(d.Condizioni->Salva(s));
    TDatiSistema altro;
    TLettore l(s.Dati());
    ASSERT_TRUE(altro.Condizioni->Carica(l));
    TScrittore di_nuovo;
    ASSERT_TRUE(altro.Condizioni->Salva(di_nuovo));
    EXPECT_EQ(di_nuovo.Dati(), s.Dati());
}
