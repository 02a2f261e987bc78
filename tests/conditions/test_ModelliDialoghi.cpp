#include <gtest/gtest.h>

#include "conditions/ModelliDialoghi.h"
#include "conditions/TCondGruppo.h"
#include "conditions/test_ProprietaComuni.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using sirvela::test::Ammetti;
using sirvela::test::Col;
using sirvela::test::Record;

namespace {

using TSchema = std::array<std::string, 8>;

}  // namespace

TEST(ModelloSequenze, EachLengthKeepsItsTableAndTheLastShownIsStored) {
    TDatiSistema d;
    TCondNumeroSequenze o(&d);
    Ammetti(o.Lunghezza3.Principale, {1});
    o.LunghezzaMostrata = 3;
    TModelloSequenze s;
    TModelloCondizione m;
    for (int k = 0; k < 4; ++k) m.Collega(k, &s.Tabelle[static_cast<std::size_t>(k)]);
    m.ImpostaOggetto(&o);
    m.AggiornaForm();
    s.Carica(o);
    EXPECT_EQ(s.Lunghezza(), 3);
    EXPECT_EQ(s.Mostrata().PtTotali(), 3);  // counts 0..2
    EXPECT_EQ(s.Mostrata().Grado(1), 1);

    s.ImpostaLunghezza(1);
    s.Mostrata().Clic(5);
    s.ImpostaLunghezza(2);
    EXPECT_EQ(s.Mostrata().PtTotali(), 5);
    s.Mostrata().Clic(0);
    s.ImpostaLunghezza(7);  // no such length
    s.ImpostaLunghezza(1);
    EXPECT_EQ(s.Mostrata().Grado(5), 1);
    EXPECT_TRUE(s.Cambiata(o));
    EXPECT_TRUE(m.AcquisisceForm());
    s.Acquisisci(o);
    EXPECT_EQ(o.Lunghezza1.Principale.Voci[5].Stato, 1);
    EXPECT_EQ(o.Lunghezza2.Principale.Voci[0].Stato, 1);
    EXPECT_EQ(o.Lunghezza3.Principale.Voci[1].Stato, 1);
    EXPECT_EQ(o.LunghezzaMostrata, 1);
    EXPECT_FALSE(s.Cambiata(o));

    // A damaged stored byte shows length 1.
    for (int guasto : {0, 5, 255}) {
        o.LunghezzaMostrata = static_cast<std::uint8_t>(guasto);
        s.Carica(o);
        EXPECT_EQ(s.Lunghezza(), 1) << guasto;
    }
}

TEST(ModelliDialoghi, RipetizioniWarnsBelowTwoContests) {
    EXPECT_NE(AvvisoRipetizioni(0).find("non contiene concorsi"), std::string::npos);
    EXPECT_NE(AvvisoRipetizioni(1).find("Su due Colonne Precedenti"), std::string::npos);
    EXPECT_EQ(AvvisoRipetizioni(2), "");
}

TEST(ModelloColonnaFiltro, SwitchingTheComparisonKeepsTheColumnAndThePilots) {
    TDatiSistema d;
    TCondColonnaFiltro f(&d);
    f.Confronto = 0;
    f.ColonnaFiltro = Col({5, 0, 7, 0, 0, 0, 0, 90});
    f.PilotiFiltro.Aggiungi(12);
    TModelloColonnaFiltro m;
    m.Carica(f);
    EXPECT_EQ(m.Caselle(), (TSchema{"5", "", "7", "", "", "", "", "*"}));
    EXPECT_FALSE(m.Cambiato());

    m.ImpostaConfronto(TModelloColonnaFiltro::kAGirare);
    TCombinazione piloti;
    for (int p : {7, 3, 12}) piloti.Aggiungi(p);
    m.ImpostaPiloti(piloti);
    m.ImpostaConfronto(TModelloColonnaFiltro::kDiPosizione);
    m.ImpostaConfronto(TModelloColonnaFiltro::kAGirare);
    EXPECT_TRUE(m.Cambiato());
    // Untouched boxes keep even what the boxes could not take in.
    ASSERT_TRUE(m.Acquisisci(f).Ok());
    EXPECT_EQ(f.Confronto, 1);
    EXPECT_EQ(f.ColonnaFiltro, Col({5, 0, 7, 0, 0, 0, 0, 90}));
    EXPECT_EQ(f.PilotiFiltro.Conta(), 3);
    EXPECT_EQ(f.PilotiFiltro[0], 7);

    // Edited boxes: empty or a pilot in play, none twice; the error names the box.
    m.Carica(f);
    m.ImpostaCasella(7, "");
    m.ImpostaCasella(1, " 9 ");
    ASSERT_TRUE(m.Acquisisci(f).Ok());
    EXPECT_EQ(f.ColonnaFiltro, Col({5, 9, 7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(f.PilotiFiltro.Conta(), 3);
    const std::pair<const char*, const char*> casi[] = {
        {"*", kNumeriNonValidi}, {"24", kNumeriNonValidi}, {"-1", kNumeriNonValidi},
        {"0", kNumeriNonValidi}, {"5", kNumeroRipetuto},   {".", kNumeriNonValidi},
    };
    for (const auto& [testo, messaggio] : casi) {
        m.Carica(f);
        m.ImpostaCasella(4, testo);
        const TErroreGriglia e = m.Acquisisci(f);
        EXPECT_EQ(e.Messaggio, messaggio) << testo;
        EXPECT_EQ(e.Colonna, 4) << testo;
    }
    EXPECT_EQ(f.ColonnaFiltro, Col({5, 9, 7, 0, 0, 0, 0, 0}));
    m.Carica(f);
    m.ImpostaCasella(4, "23");  // the highest pilot in play
    EXPECT_TRUE(m.Acquisisci(f).Ok());
}

TEST(ModelloSequela, OkChecksThePatternAndResolvesTheSteps) {
    TDatiSistema d;
    // type, pattern cells, length box, step button, spin boxes -> message or the fields.
    struct Caso {
        const char* Nome;
        int Tipo;
        TSchema Schema;
        int Lunghezza, Passo, Trovata, NonTrovata;
        const char* Messaggio;
        int AttesaLunghezza, AttesaTrovata, AttesaNonTrovata;
        TColonna AttesaSequela;
    };
    using P = TModelloSequela;
    const TColonna vecchia = Col({2, 2, 2});
    const Caso casi[] = {
        {"P gap", 1, {"1", "", "2"}, 5, P::kPasso2, 1, 1, kSequelaNonContigua, 0, 0, 0, {}},
        {"P gap first", 1, {"", "1", "2"}, 5, P::kPasso2, 1, 1, kSequelaNonContigua, 0, 0, 0, {}},
        {"P short", 1, {"2"}, 5, P::kPasso2, 1, 1, kSequelaCorta, 0, 0, 0, {}},
        {"P empty", 1, {}, 5, P::kPasso2, 1, 1, kSequelaCorta, 0, 0, 0, {}},
        {"P bad cell", 1, {"1", "3"}, 5, P::kPasso2, 1, 1, kNumeriNonValidi, 0, 0, 0, {}},
        {"P N", 1, {"2", "1", "2"}, 7, P::kPassoN, 5, 5, nullptr, 3, 3, 1, Col({2, 1, 2})},
        {"P 4", 1, {"1", " 1"}, 7, P::kPasso4, 5, 5, nullptr, 2, 4, 4, Col({1, 1})},
        {"P X",
         1,
         {"1", "2", "1", "2", "1", "2", "1", "2"},
         2,
         P::kPassoX,
         3,
         1,
         nullptr,
         8,
         3,
         1,
         Col({1, 2, 1, 2, 1, 2, 1, 2})},
        // The other types take the box and keep the stored pattern.
        {"M 3", 2, {"1"}, 3, P::kPasso3, 1, 1, nullptr, 3, 3, 3, vecchia},
        {"B N", 3, {}, 4, P::kPassoN, 1, 1, nullptr, 4, 4, 1, vecchia},
        {"J X", 4, {}, 2, P::kPassoX, 2, 1, nullptr, 2, 2, 1, vecchia},
        {"S 2", 5, {}, 8, P::kPasso2, 1, 1, nullptr, 8, 2, 2, vecchia},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.Nome);
        TCondSequela s(&d);
        s.Sequela = vecchia;
        s.Lunghezza = 3;
        const auto prima = Record(s);
        TModelloSequela m;
        m.Carica(s);
        m.ImpostaTipo(c.Tipo);
        for (int k = 0; k < 8; ++k) m.ImpostaSchema(k, c.Schema[static_cast<std::size_t>(k)]);
        m.ImpostaLunghezza(c.Lunghezza);
        m.ImpostaPasso(P::kPassoX);
        m.ImpostaPassoTrovata(c.Trovata);
        m.ImpostaPassoNonTrovata(c.NonTrovata);
        m.ImpostaPasso(c.Passo);
        const TErroreGriglia e = m.Acquisisci(s);
        if (c.Messaggio) {
            EXPECT_EQ(e.Messaggio, c.Messaggio);
            EXPECT_EQ(e.Titolo, std::string(c.Messaggio) == kNumeriNonValidi ? "Informazione"
                                                                             : kTitoloSequela);
            EXPECT_EQ(Record(s), prima);
            continue;
        }
        ASSERT_TRUE(e.Ok()) << e.Messaggio;
        EXPECT_EQ(s.TipoSequela, c.Tipo);
        EXPECT_EQ(s.Lunghezza, c.AttesaLunghezza);
        EXPECT_EQ(std::pair(s.PassoTrovata, s.PassoNonTrovata),
                  std::pair(c.AttesaTrovata, c.AttesaNonTrovata));
        EXPECT_EQ(s.Sequela, c.AttesaSequela);
        EXPECT_EQ(s.Presenze.SecondariaAbilitata, c.Tipo != 5);
        EXPECT_TRUE(s.Valutabile());
    }
}

TEST(ModelloSequela, StoredStepsShowTheirButtonAndEnablingFollowsTheType) {
    TDatiSistema d;
    // length, found, not found -> button
    const std::array<int, 4> casi[] = {
        {3, 2, 2, TModelloSequela::kPasso2}, {3, 4, 4, TModelloSequela::kPasso4},
        {3, 3, 1, TModelloSequela::kPassoN}, {2, 2, 1, TModelloSequela::kPassoN},
        {3, 1, 1, TModelloSequela::kPassoX}, {3, 5, 5, TModelloSequela::kPassoX},
        {0, 0, 1, TModelloSequela::kPassoX},
    };
    for (const auto& [lunghezza, trovata, nonTrovata, passo] : casi) {
        TCondSequela s(&d);
        s.Lunghezza = lunghezza;
        s.PassoTrovata = trovata;
        s.PassoNonTrovata = nonTrovata;
        TModelloSequela m;
        m.Carica(s);
        EXPECT_EQ(m.Passo(), passo) << lunghezza << " " << trovata << " " << nonTrovata;
        EXPECT_FALSE(m.Cambiato());
    }

    TModelloSequela m;
    TCondSequela s(&d);
    m.Carica(s);
    EXPECT_TRUE(m.SchemaAbilitato() && !m.LunghezzaAbilitata() && m.ConsAbilitato());
    m.ImpostaSchema(0, "1");
    m.ImpostaSchema(1, "2");
    m.ImpostaPasso(TModelloSequela::kPassoN);
    EXPECT_EQ(std::pair(m.PassoTrovata(), m.PassoNonTrovata()), std::pair(2, 1));
    EXPECT_FALSE(m.PassiAbilitati());
    // "X" starts from the steps shown.
    m.ImpostaPasso(TModelloSequela::kPassoX);
    EXPECT_TRUE(m.PassiAbilitati());
    EXPECT_EQ(std::pair(m.PassoTrovata(), m.PassoNonTrovata()), std::pair(2, 1));
    m.ImpostaTipo(5);
    EXPECT_TRUE(!m.SchemaAbilitato() && m.LunghezzaAbilitata() && !m.ConsAbilitato());
    EXPECT_TRUE(m.Cambiato());
}

TEST(ModelloGruppo, AMemberIsNotLeftHalfSetAndTheEndsStayInPlace) {
    TDatiSistema d;
    TCondGruppo g(&d, kGruppoSequele);
    auto* primo = static_cast<TCondSequela*>(g.AggiungiMembro());
    primo->TipoSequela = 2;
    primo->Lunghezza = 3;
    const auto prima = Record(g);

    TModelloGruppo m;
    TModelloSequela sequela;
    TModelloGraphpt presenze;
    m.Membro.Collega(0, &presenze);
    m.ImpostaModelloMembro(&sequela);
    m.ImpostaOggetto(&g);
    EXPECT_EQ(sequela.Tipo(), 2);
    EXPECT_FALSE(m.Applica());  // nothing touched: the container stays as it was
    EXPECT_EQ(Record(g), prima);

    m.ImpostaOggetto(&g);
    m.Aggiungi();
    // A new member has no pattern yet: it cannot be left, not even for another new one.
    EXPECT_EQ(m.Primo().Messaggio, kSequelaCorta);
    EXPECT_EQ(m.Aggiungi().Messaggio, kSequelaCorta);
    EXPECT_FALSE(m.Applica());
    EXPECT_EQ(std::pair(m.Indice(), m.Quanti()), std::pair(1, 2));
    sequela.ImpostaSchema(0, "2");
    sequela.ImpostaSchema(1, "2");
    EXPECT_TRUE(m.Primo().Ok());
    EXPECT_FALSE(m.PuoIndietro());
    m.Precedente();  // at the first: stays
    EXPECT_EQ(m.Indice(), 0);
    sequela.ImpostaLunghezza(5);
    m.Ultimo();
    m.Successivo();  // at the last: stays
    EXPECT_EQ(m.Indice(), 1);
    EXPECT_EQ(sequela.Schema()[1], "2");
    m.Elimina();  // the last goes: the new last is shown
    EXPECT_EQ(m.Indice(), 0);
    EXPECT_EQ(sequela.Lunghezza(), 5);
    ASSERT_TRUE(m.Applica());
    ASSERT_EQ(g.QuantiMembri(), 1);
    EXPECT_EQ(static_cast<TCondSequela&>(*g.Membro(0)).Lunghezza, 5);

    // Without members the fields show a new member's, not the last one deleted.
    m.ImpostaOggetto(&g);
    m.Elimina();
    EXPECT_EQ(std::pair(sequela.Tipo(), sequela.Lunghezza()), std::pair(1, 2));
}

TEST(ModelloGruppo, AnalysisCopyTakesTheMemberFieldsAsShown) {
    TDatiSistema d;
    TCondGruppo g(&d, kGruppoSequele);
    g.AggiungiMembro();
    TModelloGruppo m;
    TModelloSequela sequela;
    m.ImpostaModelloMembro(&sequela);
    m.ImpostaOggetto(&g);
    sequela.ImpostaTipo(5);
    sequela.ImpostaLunghezza(3);
    auto copia = m.CopiaCorrente();
    const auto& s = dynamic_cast<const TCondSequela&>(*copia);
    EXPECT_EQ(std::pair(s.TipoSequela, s.Lunghezza), std::pair(5, 3));
    EXPECT_FALSE(s.Presenze.SecondariaAbilitata);
    EXPECT_EQ(static_cast<TCondSequela&>(*g.Membro(0)).TipoSequela, 1);
    // A pattern that fails its check leaves the member's own fields in the copy.
    sequela.ImpostaTipo(1);
    EXPECT_EQ(dynamic_cast<const TCondSequela&>(*m.CopiaCorrente()).Lunghezza, 0);
}
