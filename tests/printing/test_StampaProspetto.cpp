#include <gtest/gtest.h>

#include <algorithm>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/ImpostazioniSviluppo.h"
#include "printing/StampaCondizioni.h"
#include "printing/StampaProspetto.h"
#include "printing/SuperficieRegistrata.h"
#include "support/SistemaRicco.h"
#include "support/StampaDiProva.h"

using namespace sirvela;

namespace {

bool Contiene(const std::vector<std::string>& v, const std::string& t) {
    return std::find(v.begin(), v.end(), t) != v.end();
}

bool ContieneParte(const std::vector<std::string>& v, const std::string& t) {
    return std::any_of(v.begin(), v.end(),
                       [&](const std::string& x) { return x.find(t) != std::string::npos; });
}

struct Prospetto {
    TSuperficieRegistrata s;
    TmmPrinter p{s};
    TControlloStampa c;
    bool Stampa(T_Sistema& sistema, const TSceltaProspetto& scelta) {
        return StampaProspetto(p, sistema, scelta, "01/02/2003", c);
    }
};

}  // namespace

TEST(StampaProspetto, CopiesAndTheirTitles) {
    T_Sistema s;
    TSceltaProspetto scelta;  // one per participant, the default
    EXPECT_EQ(TitoliCopie(s, scelta), std::vector<std::string>{"Prospetto del Sistema"});
    scelta.PerPartecipante = false;
    scelta.Copie = 3;
    EXPECT_EQ(TitoliCopie(s, scelta),
              (std::vector<std::string>{"Prospetto del Sistema     Copia Nº 1",
                                        "Prospetto del Sistema     Copia Nº 2",
                                        "Prospetto del Sistema     Copia Nº 3"}));

    s.NumPartecipanti = 3;
    s.Partecipanti = {"Anna", "Bruno", "Carla"};
    scelta.PerPartecipante = true;
    EXPECT_EQ(TitoliCopie(s, scelta)[1], "Prospetto del Sistema     Copia per Bruno");
    s.SpecificaNomi = false;
    EXPECT_EQ(TitoliCopie(s, scelta)[2], "Prospetto del Sistema     Copia Nº 3");

    s.SpecificaNomi = true;
    Prospetto pr;
    ASSERT_TRUE(pr.Stampa(s, scelta));
    ASSERT_EQ(pr.s.Documenti.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(pr.s.Documenti[static_cast<std::size_t>(k - 1)], kLavoroProspetto);
        EXPECT_TRUE(Contiene(pr.s.Scritte(k), "Prospetto del Sistema     Copia per " +
                                                  s.Partecipanti[static_cast<std::size_t>(k - 1)]));
    }
}

TEST(StampaProspetto, InformationParticipantsAndPrediction) {
    T_Sistema s;
    s.NomeFile = "/casa/Sistemi/Monza.Sst";
    s.Dati.Pronostico.Posizione[0].Aggiungi(7);
    s.Dati.Pronostico.Posizione[0].Aggiungi(3);
    for (int i = 0; i < 4; ++i) s.Dati.Colonne.Accoda(TColonna{3, 1, 2, 4, 5, 6, 8, 9});
    TSceltaProspetto scelta;

    Prospetto uno;
    ASSERT_TRUE(uno.Stampa(s, scelta));
    auto scritte = uno.s.Scritte();
    EXPECT_EQ(scritte[0], "Sirvela 1.0");
    EXPECT_TRUE(Contiene(scritte, "  Nome del Sistema : Monza"));
    EXPECT_TRUE(Contiene(scritte, "  Stampato il : 01/02/2003"));
    EXPECT_TRUE(Contiene(scritte, "  Sistema Condizionato "));
    EXPECT_TRUE(Contiene(scritte, "  Colonne Finali : 4 (£ 4.000)"));
    EXPECT_TRUE(Contiene(scritte, "Pronostico  -  Concorso Nº 1"));
    EXPECT_TRUE(Contiene(scritte, "3 7"));  // sorted
    // A position without pilots: its label and an empty cell.
    EXPECT_TRUE(Contiene(scritte, "Terza posizione"));
    EXPECT_FALSE(ContieneParte(scritte, "Partecipanti"));
    EXPECT_FALSE(ContieneParte(scritte, "Costo Totale"));
    EXPECT_EQ(scritte.back(), "Pagina Nº 1");

    s.NumPartecipanti = 2;
    s.Partecipanti = {"Anna", "Bruno"};
    scelta.PerPartecipante = false;
    scelta.Schedina = false;
    Prospetto due;
    ASSERT_TRUE(due.Stampa(s, scelta));
    scritte = due.s.Scritte();
    EXPECT_TRUE(Contiene(scritte, "  Colonne Finali : 4 (£ 2.000 1/2)  Costo Totale : £ 4.000"));
    EXPECT_TRUE(Contiene(scritte, "Numero di Partecipanti al Sistema : 2"));
    EXPECT_TRUE(Contiene(scritte, "Nomi dei Partecipanti : "));
    EXPECT_TRUE(Contiene(scritte, "Anna, "));
    EXPECT_FALSE(ContieneParte(scritte, "Pronostico"));
}

TEST(StampaProspetto, ALargeCostStaysInsideTheInformationTable) {
    T_Sistema s;
    s.NomeFile = "Monza.Sst";
    s.NumPartecipanti = 3;
    s.Partecipanti = {"Anna", "Bruno", "Carla"};
    s.Dati.Prezzi.PrezzoLire = 123456789;
    for (int i = 0; i < 50; ++i) s.Dati.Colonne.Accoda(TColonna{3, 1, 2, 4, 5, 6, 8, 9});
    TSceltaProspetto scelta;
    scelta.PerPartecipante = false;
    // The A4 width, then a page too narrow for the cost at its size; fixed pitch and widths
    // as a proportional font has them.
    for (double larghezza : {210.0, 150.0})
        for (bool proporzionale : {false, true}) {
            Prospetto pr;
            pr.s.Larghezza = larghezza;
            if (proporzionale) pr.s.MisuraTesto = test::MisuraProporzionale;
            ASSERT_TRUE(pr.Stampa(s, scelta));
            EXPECT_EQ(test::TestiFuoriDalleCelle(pr.s), std::vector<std::string>{})
                << larghezza << " " << proporzionale;
            // Whole, if smaller.
            EXPECT_TRUE(ContieneParte(pr.s.Scritte(), "Costo Totale : £ 6.172.839.450"))
                << larghezza << " " << proporzionale;
            const auto tabella = pr.s.DiTipo(TSegnoRegistrato::Riquadro).at(0);
            EXPECT_LE(tabella.X + tabella.L, larghezza - 10 + 1e-9);
        }
}

TEST(StampaProspetto, KindOfSystem) {
    TImpostazioniSviluppo imp;
    struct Caso {
        bool condizioni, riduzione;
        int vincite;
        const char* testo;
    } casi[] = {{false, false, 1, "Integrale  "},
                {true, false, 1, "Condizionato "},
                {false, true, 1, "ridotto a garanzia 80"},
                {true, true, 3, "Condizionato ridotto a garanzia di tre 80"}};
    for (const auto& k : casi) {
        imp.UsaCondizioni = k.condizioni;
        imp.Autoriduzione = k.riduzione;
        imp.VinciteMultiple = static_cast<std::uint8_t>(k.vincite);
        EXPECT_EQ(TestoTipoSistema(imp), k.testo);
    }
}

TEST(StampaProspetto, EveryConditionPrintsItsBlock) {
    T_Sistema s;
    test::RiempiSistemaRicco(s);
    TSceltaProspetto scelta;
    scelta.Informazioni = scelta.Schedina = false;
    scelta.PerPartecipante = false;
    Prospetto pr;
    ASSERT_TRUE(pr.Stampa(s, scelta));
    const auto scritte = pr.s.Scritte();
    EXPECT_TRUE(Contiene(scritte, "Elenco delle condizioni del sistema"));
    for (const char* atteso :
         {"Somme", "Pari e Dispari", "Baricentri", "Distanze Globali", "Vortice", "Ripetizioni",
          "Quadro", "Punti Tra", "Resto Della Divisione Per 7", "Intervalli Ammessi : ",
          "Intervalli In Recupero : ", "Passo Trovata : 2    Passo NonTrovata : 1"})
        EXPECT_TRUE(ContieneParte(scritte, atteso)) << atteso;
    // Members switched off are left out: of the Resti with divisor 8 only the Quadro's own.
    auto conta = [&](const std::string& t) {
        return std::count(scritte.begin(), scritte.end(), t);
    };
    EXPECT_EQ(conta("Resto Della Divisione Per 7"), 2);
    EXPECT_EQ(conta("Resto Della Divisione Per 8"), 1);
    for (const auto& t : pr.s.DiTipo(TSegnoRegistrato::Testo))
        EXPECT_LE(t.Y + t.A, 297 - 1) << t.Scritta;  // nothing under the footer

    // Conditions switched off for the development were not used.
    s.Dati.ImpSviluppo.UsaCondizioni = false;
    Prospetto senza;
    senza.Stampa(s, scelta);
    EXPECT_FALSE(ContieneParte(senza.s.Scritte(), "Intervalli Ammessi"));
}

TEST(StampaCondizioni, ValuesAsRuns) {
    TTabellaValori t;
    for (int v : {0, 1, 2, 5, 8}) t.Voci[static_cast<std::size_t>(v)].Stato = 1;
    t.Voci[6] = {2, 1};
    t.Voci[7] = {2, 1};
    t.Voci[9] = {2, 2};
    EXPECT_EQ(VociTabella(t, 8, 1), (std::vector<std::string>{"0-2", "5", "8"}));
    EXPECT_EQ(VociTabella(t, 9, 2), (std::vector<std::string>{"6-7 (Liv. 1)", "9 (Liv. 2)"}));

    TIntervalliAmmessi l(nullptr);
    l.Intervalli[0] = {100, 120, 1, 0};
    l.Intervalli[1] = {121, 125.5, 2, 3};
    l.Intervalli[2] = {130, 130, 1, 0};
    l.Quanti = 3;
    EXPECT_EQ(VociIntervalli(l, 1), (std::vector<std::string>{"100-120", "130"}));
    EXPECT_EQ(VociIntervalli(l, 2), std::vector<std::string>{"121-125.5 (Liv. 3)"});
}
