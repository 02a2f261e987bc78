#include <gtest/gtest.h>

#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "core/Testo.h"
#include "printing/StampaSchedine.h"
#include "printing/SuperficieRegistrata.h"

using namespace sirvela;

namespace {

using R = TSegnoRegistrato;

TListaColonne Lista(std::initializer_list<TColonna> colonne) {
    TListaColonne l;
    for (const auto& c : colonne) l.Accoda(c);
    return l;
}

TOpzioniSchedine Opzioni(bool orizzontale = false) {
    TOpzioniSchedine o;
    o.Orizzontale = orizzontale;
    o.NomeSistema = "/casa/Sistemi/Prova.Sst";
    return o;
}

struct Stampa {
    TSuperficieRegistrata s;
    TmmPrinter p{s};
    TControlloStampa c;
    bool Schedine(const TListaColonne& l, const TOpzioniSchedine& o, TTaratura t = {}) {
        return StampaSchedine(p, l, t, o, c);
    }
    std::vector<R> Segni(int pagina = 0) const { return s.DiTipo(R::Rettangolo, 0, pagina); }
};

bool Vicino(const R& r, double x, double y, double l, double a) {
    return std::abs(r.X - x) < 1e-9 && std::abs(r.Y - y) < 1e-9 && std::abs(r.L - l) < 1e-9 &&
           std::abs(r.A - a) < 1e-9;
}

}  // namespace

TEST(StampaSchedine, MarksSitWhereTheCalibrationPutsThem) {
    // One mark per case: the column's only pilot at one position of column k of the ticket.
    struct Caso {
        bool orizzontale;
        int escluso, k, posizione, pilota;
        double x, y, l, a;
    } casi[] = {
        {false, 100, 0, 1, 1, 15.0, 30.0, 3.0, 2.2},
        {false, 100, 1, 3, 8, 49.5, 69.7, 3.0, 2.2},
        {false, 100, 0, 8, 23, 15 + 4 * 4.5, 30 + 3 * 3.7 + 7 * 18, 3.0, 2.2},
        {false, 13, 0, 1, 14, 15.0, 37.4, 3.0, 2.2},  // in the box of pilot 13
        {false, 13, 0, 1, 12, 37.5, 33.7, 3.0, 2.2},  // its own box
        {true, 100, 0, 1, 1, 30.0, 61.0, 2.2, 3.0},
        {true, 100, 1, 3, 8, 69.7, 26.5, 2.2, 3.0},
    };
    for (const auto& k : casi) {
        TColonna c{};
        c[0] = 20;  // a column is printed only when its first position is filled
        if (k.posizione != 1) c[0] = k.pilota == 20 ? 21 : 20;
        c[static_cast<std::size_t>(k.posizione - 1)] = static_cast<std::uint8_t>(k.pilota);
        TListaColonne l;
        if (k.k == 1) l.Accoda(TColonna{});
        l.Accoda(c);
        auto o = Opzioni(k.orizzontale);
        o.PilotaEscluso = k.escluso;
        Stampa st;
        st.Schedine(l, o);
        bool trovato = false;
        for (const auto& r : st.Segni()) trovato = trovato || Vicino(r, k.x, k.y, k.l, k.a);
        EXPECT_TRUE(trovato) << k.orizzontale << " " << k.pilota << " at " << k.posizione;
    }
}

TEST(StampaSchedine, TicketsPagesAndWriting) {
    const TColonna a{1, 2, 3, 4, 5, 6, 7, 8}, b{9, 10, 11, 12, 13, 14, 15, 16};
    TListaColonne l = Lista({a, b, a, TColonna{}, b});
    Stampa st;
    ASSERT_TRUE(st.Schedine(l, Opzioni()));
    // Five columns, three tickets on three pages of one job; the empty column leaves the
    // second half of ticket 2 blank and costs nothing.
    EXPECT_EQ(st.s.Documenti, std::vector<std::string>{kLavoroSchedine});
    EXPECT_EQ(st.s.Pagine(), 3);
    EXPECT_EQ(st.Segni(1).size(), 16u);
    EXPECT_EQ(st.Segni(2).size(), 8u);
    EXPECT_EQ(st.Segni(3).size(), 8u);
    EXPECT_EQ(st.s.Scritte(), (std::vector<std::string>{"Prova.Sst Sc. Nº 1 L. 2.000",
                                                        "Prova.Sst Sc. Nº 2 L. 1.000",
                                                        "Prova.Sst Sc. Nº 3 L. 1.000"}));
    const auto scritta = st.s.DiTipo(R::Testo)[0];
    EXPECT_EQ(scritta.X, 5.0);
    EXPECT_EQ(scritta.Y, 106.2);
    EXPECT_TRUE(scritta.Carattere.Grassetto);
    EXPECT_EQ(scritta.Carattere.Punti, 10);
    // Tickets carry no page footer.
    for (const auto& t : st.s.Scritte()) EXPECT_EQ(t.find(TmmPrinter::kPiede), std::string::npos);

    // In euro with two decimals; horizontally the writing is turned.
    auto o = Opzioni(true);
    o.Prezzi.Euro = true;
    o.Prezzi.PrezzoEuro = 0.5;
    Stampa euro;
    euro.Schedine(Lista({a}), o);
    const auto ruotata = euro.s.DiTipo(R::TestoRuotato);
    ASSERT_EQ(ruotata.size(), 1u);
    EXPECT_EQ(ruotata[0].Scritta, "Prova.Sst Sc. Nº 1 L. 0,50");
    EXPECT_DOUBLE_EQ(ruotata[0].X, 67.5 - 5.0 + 2.0);
    EXPECT_DOUBLE_EQ(ruotata[0].Y, 106.2);
    EXPECT_EQ(ruotata[0].Angolo, 90);

    // Without the writing only the marks are printed.
    TTaratura muta;
    muta.StampaScritta = false;
    Stampa senza;
    senza.Schedine(Lista({a}), Opzioni(), muta);
    EXPECT_TRUE(senza.s.Scritte().empty());
}

TEST(StampaSchedine, RangeOfTickets) {
    TListaColonne l;
    for (int i = 1; i <= 7; ++i)
        l.Accoda(TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
    struct Caso {
        int da, a;
        std::vector<int> schedine;
    } casi[] = {{2, 2, {2}}, {1, 0, {1, 2, 3, 4}}, {3, 9, {3, 4}}, {5, 9, {}}};
    for (const auto& k : casi) {
        auto o = Opzioni();
        o.Da = k.da;
        o.A = k.a;
        Stampa st;
        ASSERT_TRUE(st.Schedine(l, o));
        std::vector<std::string> attese;
        for (int n : k.schedine)
            attese.push_back("Prova.Sst Sc. Nº " + std::to_string(n) + " L. " +
                             (n == 4 ? "1.000" : "2.000"));
        EXPECT_EQ(st.s.Scritte(), attese) << k.da;
        // A range without tickets starts no job at all.
        EXPECT_EQ(st.s.Documenti.size(), k.schedine.empty() ? 0u : 1u) << k.da;
    }
    // " Da" 2 "a" 2: columns 3 and 4, pilots 3 and 4 in the first block.
    auto o = Opzioni();
    o.Da = o.A = 2;
    Stampa st;
    st.Schedine(l, o);
    std::vector<double> primoBlocco;
    for (const auto& r : st.Segni())
        if (r.Y == 30.0) primoBlocco.push_back(r.X);
    EXPECT_EQ(primoBlocco, (std::vector<double>{15 + 2 * 4.5, 45 + 3 * 4.5}));

    EXPECT_STREQ(ControllaSchedineDaStampare(false, 3, 2), kErroreNumeroSchedine);
    EXPECT_EQ(ControllaSchedineDaStampare(false, 2, 2), nullptr);
    EXPECT_EQ(ControllaSchedineDaStampare(true, 3, 2), nullptr);
}

// A ticket never differs from the columns played: a column with a pilot that has no box
// stops the print before anything is drawn, and the message says how many and which first.
TEST(StampaSchedine, PilotWithoutBoxStopsThePrint) {
    const TColonna buona{1, 2, 3, 4, 5, 6, 7, 8};
    for (TColonna cattiva : {TColonna{1, 2, 3, 4, 5, 6, 7, 24}, TColonna{1, 2, 13, 4, 5, 6, 7, 8},
                             TColonna{1, 2, 3, 4, 5, 6, 7, 200}}) {
        auto o = Opzioni();
        o.NumeroPiloti = 23;
        o.PilotaEscluso = 13;
        Stampa st;
        try {
            st.Schedine(Lista({cattiva, buona}), o);
            ADD_FAILURE() << ColonnaInTesto(cattiva);
        } catch (const TErroreStampa& e) {
            EXPECT_EQ(e.what(), "1 colonna contiene piloti fuori gioco (" +
                                    ColonnaInTesto(cattiva) + ") e non può essere stampata.");
        }
        EXPECT_TRUE(st.s.Documenti.empty());
    }
    // The README round's tickets with 22 pilots in play: ticket 2 holds pilot 23. Only the
    // tickets asked for are looked at.
    const TListaColonne giro = Lista({buona,
                                      {3, 7, 1, 12, 5, 9, 2, 20},
                                      {3, 6, 1, 9, 5, 19, 2, 23},
                                      {5, 6, 4, 9, 17, 3, 1, 23},
                                      {8, 2, 1, 9, 5, 19, 22, 23},
                                      buona});
    const TPilotiInGioco ventidue(22, 100);
    EXPECT_EQ(ControllaColonneStampabili(giro, ventidue),
              "3 colonne contengono piloti fuori gioco (la prima: 3 6 1 9 5 19 2 23) e non "
              "possono essere stampate.");
    EXPECT_EQ(ControllaColonneStampabili(giro, ventidue, 3, 3),
              "1 colonna contiene piloti fuori gioco (8 2 1 9 5 19 22 23) e non può essere "
              "stampata.");
    EXPECT_EQ(ControllaColonneStampabili(giro, ventidue, 1, 1), "");
    EXPECT_EQ(ControllaColonneStampabili(giro, TPilotiInGioco(23, 100)), "");
    EXPECT_EQ(ControllaPrimaSchedina(giro.Quante(), 3), "");
    EXPECT_EQ(ControllaPrimaSchedina(giro.Quante(), 4),
              "Nessuna schedina da stampare: le schedine sono 3.");
    EXPECT_EQ(ControllaPrimaSchedina(0, 1), "Nessuna schedina da stampare: le schedine sono 0.");
}

TEST(StampaSchedine, PauseMakesOneJobPerTicketAndCancelDropsTheJob) {
    TListaColonne l;
    for (int i = 1; i <= 5; ++i)
        l.Accoda(TColonna{static_cast<std::uint8_t>(i), 9, 10, 11, 12, 13, 14, 15});
    auto o = Opzioni();
    int pause = 0;
    o.Pausa = [&] { ++pause; };
    Stampa st;
    ASSERT_TRUE(st.Schedine(l, o));
    EXPECT_EQ(pause, 2);
    EXPECT_EQ(st.s.Documenti.size(), 3u);
    EXPECT_EQ(st.s.Terminati, 3);

    // A cancel asked during the pause stops before the next ticket.
    TAnnullamento annulla;
    o.Pausa = [&] { annulla.Richiedi(); };
    Stampa interrotta;
    interrotta.c.Annulla = &annulla;
    EXPECT_FALSE(interrotta.Schedine(l, o));
    EXPECT_EQ(interrotta.s.Terminati, 1);
    EXPECT_EQ(interrotta.s.Annullati, 1);
}

TEST(StampaSchedine, PrinterFailureIsThrown) {
    Stampa st;
    st.s.FallisceAlPasso = 3;
    EXPECT_THROW(st.Schedine(Lista({TColonna{1, 2, 3, 4, 5, 6, 7, 8}}), Opzioni()), TErroreStampa);
}

TEST(StampaSchedine, SystemTicket) {
    const TColonna fissi{0, 4, 0, 0, 9, 0, 0, 11};  // three fixed, five variable positions
    TCombinazione variabili;
    for (int v : {1, 6, 12, 17, 20, 23}) variabili.Aggiungi(v);
    EXPECT_EQ(CostoSchedinaSistema(fissi, variabili, TPrezzi{}), 720 * 1000.0);

    Stampa st;
    StampaSchedinaSistema(st.p, fissi, variabili, TTaratura{}, Opzioni());
    EXPECT_EQ(st.s.Scritte(), std::vector<std::string>{"Costo della schedina : L. 720.000"});
    const auto segni = st.Segni();
    ASSERT_EQ(segni.size(), 3u + 1u + 6u);
    // Fixed pilots 4, 9, 11 in blocks 1, 2, 3 of the first column.
    EXPECT_TRUE(Vicino(segni[0], 15 + 3 * 4.5, 30, 3.0, 2.2));
    EXPECT_TRUE(Vicino(segni[1], 15 + 2 * 4.5, 30 + 3.7 + 18, 3.0, 2.2));
    EXPECT_TRUE(Vicino(segni[2], 15 + 4 * 4.5, 30 + 3.7 + 36, 3.0, 2.2));
    // The system box, then pilot 1 (block 2, first box) and pilot 6 (block 3, second box).
    EXPECT_TRUE(Vicino(segni[3], 6.0, 37.4, 3.0, 2.2));
    EXPECT_TRUE(Vicino(segni[4], 6.0, 48.0, 3.0, 2.2));
    EXPECT_TRUE(Vicino(segni[5], 6.0, 69.7, 3.0, 2.2));

    // Horizontally the strip turns with the columns.
    Stampa orizz;
    StampaSchedinaSistema(orizz.p, fissi, variabili, TTaratura{}, Opzioni(true));
    EXPECT_TRUE(Vicino(orizz.Segni()[3], 30 + 2 * 3.7, 76 - 15 + 9, 2.2, 3.0));
}

TEST(StampaSchedine, CalibrationTestMarksEveryBox) {
    auto o = Opzioni();
    o.NumeroPiloti = 23;
    Stampa st;
    StampaProvaTaratura(st.p, TTaratura{}, o);
    EXPECT_EQ(st.Segni().size(), 2u * 8u * 23u);
    EXPECT_EQ(st.s.Scritte(), std::vector<std::string>{kScrittaProva});
    o.PilotaEscluso = 13;  // the pilot without a name has no box
    Stampa escluso;
    StampaProvaTaratura(escluso.p, TTaratura{}, o);
    EXPECT_EQ(escluso.Segni().size(), 2u * 8u * 22u);
}
