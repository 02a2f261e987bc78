#include <gtest/gtest.h>

#include <random>

#include "conditions/Fabbrica.h"
#include "core/TCombinazione.h"
#include "support/Supporto.h"
#include "test_FrameworkSupporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

const TColonna kUnoOtto = Col({1, 2, 3, 4, 5, 6, 7, 8});  // sum 36

TCondQuadro& QuadroDi(TDatiSistema& dati) {
    return Slot<TCondQuadro>(dati, kQuadro);
}

// A Quadro member that accepts column 1..8 or not.
std::unique_ptr<TCondResti> Membro(TDatiSistema& dati, bool accetta) {
    return Resto(dati, 8, {accetta ? 4 : 3});  // 36 mod 8 = 4
}

std::unique_ptr<TCondQuadro> SubQuadro(TDatiSistema& dati) {
    return std::make_unique<TCondQuadro>(&dati, kNomeSubQuadro);
}

}  // namespace

TEST(Quadro, PresetTablesFollowTheRelation) {
    TDatiSistema dati;
    TCondQuadro q(&dati);
    for (int i = 0; i < 4; ++i) q.Membri.push_back(Membro(dati, true));
    struct Caso {
        std::uint8_t relazione;
        std::vector<int> accettati;
    };
    const Caso casi[] = {{kAnd, {4}}, {kOr, {1, 2, 3, 4}}, {kXor, {1}}, {kNot, {0}}};
    for (const Caso& k : casi) {
        q.Relazione = k.relazione;
        q.Accettate.Secondaria.Voci[2] = {1, 0};
        q.Accettate.Principale.LetteraLink = 'Q';
        q.ApplicaPreset();
        std::vector<int> trovati;
        for (int v = 0; v <= 999; ++v)
            if (q.Accettate.Principale.Voci[static_cast<unsigned>(v)].Stato) trovati.push_back(v);
        EXPECT_EQ(trovati, k.accettati) << int(k.relazione);
        EXPECT_FALSE(q.Accettate.Secondaria.HaValori(999));
        EXPECT_EQ(q.Accettate.Principale.LetteraLink, 'A');
    }
    EXPECT_STREQ(TestoRelazione(kXor), " XOR (Soltanto Una)");
}

TEST(Quadro, AndCountsASwitchedOffMemberAsSatisfied) {
    TDatiSistema dati;
    auto& q = QuadroDi(dati);
    ASSERT_TRUE(q.Aggiungi(Membro(dati, true)));
    ASSERT_TRUE(q.Aggiungi(Membro(dati, false)));
    ASSERT_TRUE(q.Aggiungi(Membro(dati, true)));
    q.Membri[1]->Attivato = false;
    Prepara(dati);
    ASSERT_TRUE(q.Attivo);
    EXPECT_TRUE(dati.Condizioni->Verifica(kUnoOtto));
    q.Membri[1]->Attivato = true;
    Prepara(dati);
    EXPECT_FALSE(dati.Condizioni->Verifica(kUnoOtto));
}

TEST(Quadro, NotWithAMemberOutOfPlayRejectsEveryColumn) {
    TDatiSistema dati;
    auto& q = QuadroDi(dati);
    q.Relazione = kNot;
    q.Aggiungi(Membro(dati, false));
    q.Aggiungi(Resto(dati, 8, {}));  // empty table: not in play
    Prepara(dati);
    std::mt19937 caso(11);
    for (int i = 0; i < 300; ++i) EXPECT_FALSE(dati.Condizioni->Verifica(ColonnaCasuale(caso)));

    q.Membri.pop_back();
    q.ApplicaPreset();
    Prepara(dati);
    EXPECT_TRUE(dati.Condizioni->Verifica(kUnoOtto));
}

TEST(Quadro, ShortcutsDecideAsTheFullCount) {
    TDatiSistema dati;
    std::mt19937 caso(5);
    for (std::uint8_t relazione : {kAnd, kOr, kXor, kNot}) {
        TCondQuadro preset(&dati);
        preset.Relazione = relazione;
        const int divisori[] = {2, 3, 4, 5, 7};
        for (int d : divisori) preset.Membri.push_back(Resto(dati, d, {0, 1}));
        preset.Membri.push_back(Resto(dati, 6, {}));  // out of play
        preset.Membri[2]->Attivato = false;
        preset.ApplicaPreset();
        auto copia = preset.Clona();
        auto& pieno = dynamic_cast<TCondQuadro&>(*copia);
        pieno.Preset = false;  // the same tables, no shortcut
        preset.AggiornaStato();
        pieno.AggiornaStato();
        int accettate = 0;
        for (int i = 0; i < 500; ++i) {
            const TColonna c = ColonnaCasuale(caso);
            const bool a = preset.Valuta(c);
            EXPECT_EQ(a, pieno.Valuta(c)) << int(relazione);
            accettate += a;
        }
        // Two members always count as satisfied, so XOR and NOT never accept here.
        if (relazione == kAnd || relazione == kOr) {
            EXPECT_GT(accettate, 0) << int(relazione);
        }
    }
}

TEST(Quadro, LongestRunOfSatisfiedMembersIsTheSecondaryValue) {
    TDatiSistema dati;
    TCondQuadro q(&dati);
    q.Preset = false;
    for (bool a : {true, true, false, true, true, true, false}) q.Membri.push_back(Membro(dati, a));
    Ammetti(q.Accettate.Principale, {5});
    Ammetti(q.Accettate.Secondaria, {3});
    q.AggiornaStato();
    EXPECT_TRUE(q.Valuta(kUnoOtto));
    q.Accettate.Secondaria.Voci.fill({});
    Ammetti(q.Accettate.Secondaria, {2});
    q.AggiornaStato();
    EXPECT_FALSE(q.Valuta(kUnoOtto));
}

TEST(Quadro, AcceptedQuadroLeavesNoMemberErrors) {
    TDatiSistema dati;
    auto& q = QuadroDi(dati);
    q.Relazione = kOr;
    q.Aggiungi(Membro(dati, false));
    q.Aggiungi(Membro(dati, true));
    Prepara(dati);
    auto& ins = *dati.Condizioni;
    ins.RaccogliErrori = true;
    EXPECT_TRUE(ins.Verifica(kUnoOtto));
    EXPECT_TRUE(ins.ListaErrori.empty());

    // Rejected: each failing member with its place, containers through their members, then
    // the Quadro itself.
    auto gruppo = std::make_unique<TCondGruppo>(&dati, kGruppoResti);
    gruppo->Membri.push_back(Membro(dati, false));
    auto* membroGruppo = gruppo->Membri[0].get();
    q.Membri[1] = Membro(dati, false);
    q.Aggiungi(std::move(gruppo));
    q.Relazione = kAnd;
    q.ApplicaPreset();
    Prepara(dati);
    ins.RaccogliErrori = true;
    EXPECT_FALSE(ins.Verifica(kUnoOtto));
    ASSERT_EQ(ins.ListaErrori.size(), 4u);
    EXPECT_EQ(ins.ListaErrori[0].Condizione, q.Membri[0].get());
    EXPECT_EQ(ins.ListaErrori[0].Indice, 1);
    EXPECT_EQ(ins.ListaErrori[1].Indice, 2);
    EXPECT_EQ(ins.ListaErrori[2].Condizione, membroGruppo);
    EXPECT_EQ(ins.ListaErrori[2].Indice, 0);
    EXPECT_EQ(ins.ListaErrori[3].Condizione, &q);
}

TEST(Quadro, RecordLayout) {
    TDatiSistema dati;
    TCondQuadro q(&dati, "Mio");
    const auto vuoto = Record(q);
    ASSERT_EQ(vuoto.size(), 1u + 256u + 3u + 4024u + 4u + 1u);
    EXPECT_EQ(vuoto[0], kQuadro);
    EXPECT_EQ(vuoto[1], 3);
    EXPECT_EQ(vuoto[2], 'M');
    EXPECT_EQ(vuoto[257], 1);  // Attivato
    EXPECT_EQ(vuoto[258], 1);  // Preset
    EXPECT_EQ(vuoto[259], 0);  // Relazione
    EXPECT_EQ(vuoto[4284], 0xFF);
    EXPECT_EQ(vuoto.back(), kFineLista);

    q.Commento = {"Città", ""};
    const auto b = Record(q);
    ASSERT_EQ(b.size(), vuoto.size() + 4 + 5 + 4);
    EXPECT_EQ(b[4284], 5);
    EXPECT_EQ(b[4288 + 4], 0xE0);  // Windows-1252
}

TEST(Quadro, SetWithEveryContainerAndNestedQuadriSavesLoadsAndSavesIdentically) {
    TDatiSistema dati;
    RiempiSistemaCompleto(dati);
    Prepara(dati);

    const auto prima = RecordInsieme(dati);
    TDatiSistema altri;
    TLettore l(prima);
    ASSERT_TRUE(altri.Condizioni->Carica(l));
    EXPECT_TRUE(l.FineFile());
    EXPECT_EQ(RecordInsieme(altri), prima);

    auto& letto = QuadroDi(altri);
    ASSERT_EQ(letto.QuantiMembri(), 4);
    auto& subLetto = dynamic_cast<TCondQuadro&>(*letto.Membri[2]);
    EXPECT_EQ(subLetto.Nome, kNomeSubQuadro);
    EXPECT_EQ(dynamic_cast<TCondQuadro&>(*subLetto.Membri[0]).Nome, "Profondo");
    EXPECT_EQ(letto.Commento[1], "è la seconda");
}

TEST(Quadro, DamagedRecordsFailWithoutCrashingOrHoarding) {
    TDatiSistema dati;
    TCondQuadro q(&dati);
    for (int i = 0; i < TCondQuadro::kMaxMembri; ++i) q.Membri.push_back(Resto(dati, 8, {}));
    auto pieno = Record(q);
    {
        TCondQuadro letto(&dati);
        TLettore l(pieno);
        std::uint8_t tipo;
        ASSERT_TRUE(l.LeggiU8(tipo) && letto.Carica(l));
        EXPECT_EQ(letto.QuantiMembri(), 999);
    }
    // A thousandth member in the list.
    const auto resto = Record(*q.Membri[0]);
    pieno.insert(pieno.end() - 1, resto.begin(), resto.end());
    {
        TCondQuadro letto(&dati);
        TLettore l(pieno);
        std::uint8_t tipo;
        ASSERT_TRUE(l.LeggiU8(tipo));
        EXPECT_FALSE(letto.Carica(l));
        EXPECT_EQ(letto.QuantiMembri(), 999);
    }

    // Comment lengths the data cannot hold, and codes the factory does not make.
    TCondQuadro piccolo(&dati);
    piccolo.Membri.push_back(Resto(dati, 8, {}));
    const auto buono = Record(piccolo);
    auto conInt = [&](std::size_t pos, std::int32_t v) {
        auto b = buono;
        for (int i = 0; i < 4; ++i)
            b[pos + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        return b;
    };
    auto conByte = [&](std::size_t pos, std::uint8_t v) {
        auto b = buono;
        b[pos] = v;
        return b;
    };
    const std::size_t commento = 4284, primoMembro = 4288;
    const std::vector<std::uint8_t> casi[] = {
        conInt(commento, 0x7FFFFFFF), conInt(commento, -2),
        conByte(primoMembro, 0),      conByte(primoMembro, 19),
        conByte(primoMembro, 33),     conByte(primoMembro, 39),
        conByte(primoMembro, 255),    std::vector<std::uint8_t>(buono.begin(), buono.end() - 1),
    };
    for (const auto& b : casi) {
        TCondQuadro letto(&dati);
        TLettore l(b);
        std::uint8_t tipo;
        ASSERT_TRUE(l.LeggiU8(tipo));
        EXPECT_FALSE(letto.Carica(l));
    }
}

TEST(Quadro, NestingBeyondAnyRealUseFailsToLoad) {
    TDatiSistema dati;
    auto Annidati = [&](int livelli) {
        auto radice = SubQuadro(dati);
        TCondQuadro* fondo = radice.get();
        for (int i = 1; i < livelli; ++i) {
            fondo->Membri.push_back(SubQuadro(dati));
            fondo = static_cast<TCondQuadro*>(fondo->Membri.back().get());
        }
        return Record(*radice);
    };
    for (auto [livelli, atteso] : {std::pair{TCondQuadro::kProfonditaMassima, true},
                                   std::pair{TCondQuadro::kProfonditaMassima + 1, false}}) {
        const auto b = Annidati(livelli);
        TCondQuadro letto(&dati);
        TLettore l(b);
        std::uint8_t tipo;
        ASSERT_TRUE(l.LeggiU8(tipo));
        EXPECT_EQ(letto.Carica(l), atteso) << livelli;
    }
}

TEST(Quadro, ClipboardCutCopyPasteAndDelete) {
    TDatiSistema dati;
    TCondQuadro q(&dati);
    q.Relazione = kOr;
    for (int d = 2; d <= 6; ++d) q.Aggiungi(Resto(dati, d, {}));
    auto divisori = [&] {
        std::vector<int> v;
        for (auto& m : q.Membri) v.push_back(dynamic_cast<TCondResti&>(*m).Divisore);
        return v;
    };
    q.Membri[1]->Selezionato = true;
    q.Membri[3]->Selezionato = true;
    TAppuntiQuadro appunti;
    EXPECT_EQ(appunti.Copia(q), 2);
    EXPECT_TRUE(appunti.Incolla(q, 0));
    EXPECT_EQ(divisori(), (std::vector<int>{3, 5, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(q.Membri[0]->Selezionato);
    EXPECT_TRUE(appunti.Incolla(q, 100));  // beyond the list: at the end
    EXPECT_EQ(divisori(), (std::vector<int>{3, 5, 2, 3, 4, 5, 6, 3, 5}));
    EXPECT_EQ(q.Accettate.Principale.Voci[9].Stato, 1);  // preset follows the members

    EXPECT_EQ(appunti.Taglia(q), 2);
    EXPECT_EQ(divisori(), (std::vector<int>{3, 5, 2, 4, 6, 3, 5}));
    EXPECT_EQ(q.Accettate.Principale.Voci[8].Stato, 0);
    EXPECT_TRUE(appunti.Incolla(q, 1));
    EXPECT_EQ(divisori(), (std::vector<int>{3, 3, 5, 5, 2, 4, 6, 3, 5}));

    q.Membri[0]->Selezionato = true;
    EXPECT_EQ(q.EliminaSelezionati(), 1);
    EXPECT_EQ(q.QuantiMembri(), 8);

    for (int i = 0; i < 990; ++i) q.Membri.push_back(Resto(dati, 8, {}));
    const TEsito esito = appunti.Incolla(q, 0);
    EXPECT_EQ(esito.Messaggio, kSpazioInsufficiente);
    EXPECT_EQ(q.QuantiMembri(), 998);
}

TEST(Quadro, QuadroFilesRoundTripAndAFailedLoadChangesNothing) {
    CartellaTemporanea cartella;
    TDatiSistema dati;
    TCondQuadro q(&dati, "Salvato");
    q.Relazione = kXor;
    q.Commento = {"uno"};
    q.Aggiungi(Resto(dati, 9, {1}));
    q.Aggiungi(SubQuadro(dati));
    const auto file = cartella / "prova.QDR";
    ASSERT_TRUE(SalvaQuadro(q, file));
    EXPECT_EQ(LeggiByte(file), Record(q));

    TCondQuadro letto(&dati, "Altro");
    letto.Aggiungi(Resto(dati, 3, {}));
    ASSERT_TRUE(CaricaQuadro(letto, file));
    EXPECT_EQ(Record(letto), Record(q));

    const auto prima = Record(letto);
    auto b = LeggiByte(file);
    const std::vector<std::vector<std::uint8_t>> guasti = {
        std::vector<std::uint8_t>(b.begin(), b.end() - 1),
        std::vector<std::uint8_t>{kGruppoResti, 1, kFineLista},
        {},
    };
    for (const auto& g : guasti) {
        ScriviByte(cartella / "guasto.QDR", g);
        const TEsito e = CaricaQuadro(letto, cartella / "guasto.QDR");
        EXPECT_FALSE(e);
        EXPECT_EQ(e.Messaggio,
                  "Impossibile Caricare Il Quadro guasto.QDR: file incompleto o danneggiato.");
        EXPECT_EQ(Record(letto), prima);
    }
    EXPECT_EQ(CaricaQuadro(letto, cartella / "manca.QDR").Messaggio,
              "Impossibile Caricare Il Quadro manca.QDR: file non trovato.");
    EXPECT_EQ(SalvaQuadro(q, cartella / "manca" / "x.QDR").Messaggio,
              "Impossibile Salvare Il Quadro x.QDR: la cartella " + (cartella / "manca").string() +
                  " non esiste.");
    EXPECT_EQ(FileQuadroPredefinito().filename(), "SenzaNom.QDR");
}

TEST(Quadro, ConditionFilesInsertTheirRecordsAtAPlace) {
    CartellaTemporanea cartella;
    TDatiSistema dati;
    TCondQuadro q(&dati);
    q.Aggiungi(Resto(dati, 2, {}));
    q.Aggiungi(CreaCondizione(kBaricentri, &dati));
    q.Aggiungi(SubQuadro(dati));
    q.Aggiungi(Resto(dati, 5, {}));
    q.Membri[1]->Selezionato = true;
    q.Membri[2]->Selezionato = true;
    const auto file = cartella / "scelte.CND";
    ASSERT_TRUE(SalvaCondizioni(q, file));
    auto atteso = Record(*q.Membri[1]);
    const auto sub = Record(*q.Membri[2]);
    atteso.insert(atteso.end(), sub.begin(), sub.end());
    EXPECT_EQ(LeggiByte(file), atteso);

    TCondQuadro altro(&dati);
    altro.Aggiungi(Resto(dati, 7, {}));
    altro.Aggiungi(Resto(dati, 8, {}));
    ASSERT_TRUE(CaricaCondizioni(altro, file, 1));
    ASSERT_EQ(altro.QuantiMembri(), 4);
    EXPECT_EQ(altro.Membri[1]->TipoCondizione, kBaricentri);
    EXPECT_EQ(altro.Membri[2]->TipoCondizione, kQuadro);
    EXPECT_EQ(dynamic_cast<TCondResti&>(*altro.Membri[3]).Divisore, 8);

    // A damaged file inserts nothing.
    const auto prima = Record(altro);
    auto b = LeggiByte(file);
    ScriviByte(cartella / "corto.CND", std::vector<std::uint8_t>(b.begin(), b.end() - 2));
    ScriviByte(cartella / "strano.CND", {25, 0, 0});
    for (const auto& [nome, motivo] : std::vector<std::pair<std::string, std::string>>{
             {"corto.CND", "file incompleto o danneggiato"},
             {"strano.CND", "file incompleto o danneggiato"},
             {"manca.CND", "file non trovato"}}) {
        const TEsito e = CaricaCondizioni(altro, cartella / nome, 0);
        EXPECT_EQ(e.Messaggio, "Impossibile Caricare Le Condizioni " + nome + ": " + motivo + ".");
        EXPECT_EQ(Record(altro), prima) << nome;
    }
    // No room for all of them: nothing inserted.
    for (int i = 0; i < 994; ++i) altro.Membri.push_back(Resto(dati, 8, {}));
    EXPECT_EQ(CaricaCondizioni(altro, file, 0).Messaggio, kSpazioInsufficiente);
    EXPECT_EQ(altro.QuantiMembri(), 998);
    EXPECT_EQ(SalvaCondizioni(q, cartella / "manca" / "x.CND").Messaggio,
              "Impossibile Salvare le Condizioni x.CND: la cartella " +
                  (cartella / "manca").string() + " non esiste.");
}

TEST(Quadro, FilterColumnsFillTheQuadroUpTo999) {
    TDatiSistema dati;
    TCondQuadro q(&dati);
    TCombinazione punti;
    punti.Aggiungi(2);
    punti.Aggiungi(8);
    punti.Aggiungi(90);  // not a number of agreements: ignored
    const std::vector<TColonna> colonne = {Col({1, 2, 3, 4, 5, 6, 7, 8}),
                                           Col({8, 7, 6, 5, 4, 3, 2, 1})};
    EXPECT_EQ(InserisciColonneFiltro(q, colonne, true, punti), 2);
    auto& f = dynamic_cast<TCondColonnaFiltro&>(*q.Membri[1]);
    EXPECT_EQ(f.Confronto, 0);
    EXPECT_EQ(f.ColonnaFiltro, colonne[1]);
    EXPECT_EQ(f.Numeri.Principale.Voci[2].Stato, 1);
    EXPECT_EQ(f.Numeri.Principale.Voci[8].Stato, 1);
    EXPECT_EQ(f.Numeri.Principale.Voci[3].Stato, 0);

    EXPECT_EQ(InserisciColonneFiltro(q, colonne, false, punti), 2);
    auto& g = dynamic_cast<TCondColonnaFiltro&>(*q.Membri[3]);
    EXPECT_EQ(g.Confronto, 1);
    EXPECT_EQ(g.PilotiFiltro.Conta(), 8);
    EXPECT_EQ(g.PilotiFiltro[0], 8);
    EXPECT_EQ(q.Accettate.Principale.Voci[4].Stato, 1);  // AND over the four

    const std::vector<TColonna> molte(1200, colonne[0]);
    EXPECT_EQ(InserisciColonneFiltro(q, molte, true, punti), 995);
    EXPECT_EQ(q.QuantiMembri(), 999);
    EXPECT_EQ(InserisciColonneFiltro(q, molte, true, punti), 0);
}
