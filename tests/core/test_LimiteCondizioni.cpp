// A system holds at most kMassimoCondizioni conditions, members included: a file or a JSON
// text with more is refused with a message naming the limit, before it fills the memory.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Errore.h"
#include "core/FlussoBinario.h"
#include "core/SistemaJson.h"
#include "core/T_Sistema.h"

using namespace sirvela;

namespace {

// A system with `totale` conditions: the 18 slots, sub-Quadri of 999 sequele in the system's
// Quadro, and the rest in the Resti container.
void Sistema(T_Sistema& s, std::int64_t totale) {
    auto& insieme = *s.Dati.Condizioni;
    auto* quadro = static_cast<TCondQuadro*>(insieme.Condizione(kQuadro));
    std::int64_t resto = totale - 18;
    while (resto >= 1000) {
        auto sub = std::make_unique<TCondQuadro>(&s.Dati, kNomeSubQuadro);
        for (int i = 0; i < TCondQuadro::kMaxMembri; ++i)
            sub->Membri.push_back(std::make_unique<TCondSequela>(&s.Dati));
        quadro->Membri.push_back(std::move(sub));
        resto -= 1000;
    }
    auto* resti = static_cast<TCondGruppo*>(insieme.Condizione(kGruppoResti));
    for (; resto > 0; --resto) resti->AggiungiMembro();
    ASSERT_EQ(insieme.QuanteCondizioni(), totale);
}

std::vector<std::uint8_t> Record(T_Sistema& s) {
    TScrittore w;
    EXPECT_TRUE(s.SalvaSistema(w));
    return w.Dati();
}

}  // namespace

TEST(LimiteCondizioni, ASystemFileBeyondTheLimitIsRefusedNamingIt) {
    const std::string atteso =
        "Impossibile Caricare il Sistema: il sistema supererebbe il limite di 30.000 "
        "condizioni, membri compresi.";
    for (const std::int64_t totale : {kMassimoCondizioni, kMassimoCondizioni + 1}) {
        std::vector<std::uint8_t> byte;
        {
            T_Sistema s;
            Sistema(s, totale);
            byte = Record(s);
        }
        T_Sistema letto;
        TLettore l(byte);
        const bool ok = letto.CaricaSistema(l);
        EXPECT_EQ(ok, totale <= kMassimoCondizioni) << totale;
        EXPECT_EQ(letto.Dati.Condizioni->LimiteSuperato, !ok) << totale;
        if (ok)
            EXPECT_EQ(letto.Dati.Condizioni->QuanteCondizioni(), totale);
        else
            EXPECT_EQ(letto.ErroreCaricamento(), atteso);
    }
}

TEST(LimiteCondizioni, AJsonSystemBeyondTheLimitIsRefusedNamingIt) {
    // Members with nothing but their kind: 31 sub-Quadri of 999.
    nlohmann::json sub = {{"Tipo", kQuadro}, {"Membri", nlohmann::json::array()}};
    for (int i = 0; i < TCondQuadro::kMaxMembri; ++i) sub["Membri"].push_back({{"Tipo", kSequela}});
    nlohmann::json quadro = {{"Tipo", kQuadro}, {"Membri", nlohmann::json::array()}};
    for (int i = 0; i < 31; ++i) quadro["Membri"].push_back(sub);
    nlohmann::json condizioni = nlohmann::json::array();
    for (int k = 1; k <= 18; ++k)
        condizioni.push_back(k == kQuadro ? quadro : nlohmann::json{{"Tipo", k}});
    const nlohmann::json j = {{"Formato", "sirvela-sistema"}, {"Condizioni", condizioni}};
    T_Sistema s;
    bool conColonne = false;
    try {
        ImportaSistema(j, s, conColonne);
        FAIL() << "accepted";
    } catch (const TErroreSirvela& e) {
        EXPECT_NE(std::string(e.what()).find("30.000 condizioni"), std::string::npos) << e.what();
    }
}

TEST(LimiteCondizioni, QuadroAndConditionFilesCountTheWholeSystem) {
    T_Sistema s;
    auto* quadro = static_cast<TCondQuadro*>(s.Dati.Condizioni->Condizione(kQuadro));
    for (int i = 0; i < 10; ++i) quadro->Membri.push_back(std::make_unique<TCondSequela>(&s.Dati));
    for (auto& m : quadro->Membri) m->Selezionato = true;
    const auto file = std::filesystem::temp_directory_path() / "limite_condizioni.CND";
    ASSERT_TRUE(SalvaCondizioni(*quadro, file));
    // Ten more fit below the limit, not above it; nothing is inserted then.
    EXPECT_TRUE(CaricaCondizioni(*quadro, file, 0, kMassimoCondizioni - 10));
    EXPECT_EQ(quadro->QuantiMembri(), 20);
    const TEsito troppe = CaricaCondizioni(*quadro, file, 0, kMassimoCondizioni - 9);
    EXPECT_FALSE(troppe);
    EXPECT_EQ(troppe.Messaggio, std::string(kErroreCaricaCondizioni) +
                                    " limite_condizioni.CND: " + kMotivoTroppeCondizioni + ".");
    EXPECT_EQ(quadro->QuantiMembri(), 20);
    const auto qdr = std::filesystem::temp_directory_path() / "limite_condizioni.QDR";
    ASSERT_TRUE(SalvaQuadro(*quadro, qdr));
    TCondQuadro altro(&s.Dati);
    EXPECT_TRUE(CaricaQuadro(altro, qdr, kMassimoCondizioni - 21));
    EXPECT_FALSE(CaricaQuadro(altro, qdr, kMassimoCondizioni - 20));
    std::filesystem::remove(file);
    std::filesystem::remove(qdr);
}
