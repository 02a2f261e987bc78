#include <gtest/gtest.h>

#include <string>

#include "core/TListaColonne.h"
#include "dictation/Dettatura.h"

using namespace sirvela;

namespace {

// Voice and timer in fake time: every number spoken is logged as "pilot@column.position",
// a new ticket on show as "[n]", the timer stopping as "|".
struct Banco : ::testing::Test, IVoceDettatura {
    struct Orologio : IOrologioDettatura {
        Banco* b = nullptr;
        void Avvia(int ms) override {
            b->intervallo = ms;
            b->prossimo = b->ora + ms;
        }
        void Ferma() override {
            b->prossimo = -1;
            b->registro += "|";
        }
    } orologio;
    TModelloDettatura m{*this, orologio};
    long ora = 0;
    long prossimo = -1;
    int intervallo = 0;
    std::int64_t mostrata = 0;
    std::string registro;
    std::vector<long> istanti;  // when each number was spoken

    Banco() {
        orologio.b = this;
        // Three tickets, the last with one column; the pilot numbers name their places.
        TListaColonne l;
        l.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
        l.Accoda({11, 12, 13, 14, 15, 16, 17, 18});
        l.Accoda({21, 22, 23, 24, 25, 9, 10, 19});
        l.Accoda({8, 7, 6, 5, 4, 3, 2, 1});
        l.Accoda({20, 19, 18, 17, 16, 15, 14, 13});
        m.Apri(l);
        mostrata = m.SchedinaCorrente();
    }

    void Suona(int inizio, int fine) override {
        int pilota = 0;
        for (std::size_t i = 0; i < kSegmentiVocali.size(); ++i)
            if (kSegmentiVocali[i].Inizio == inizio) pilota = static_cast<int>(i) + 1;
        EXPECT_EQ(fine, kSegmentiVocali[pilota - 1].Fine - 30);
        registro += " " + std::to_string(pilota) + "@" + std::to_string(m.ColonnaEvidenziata()) +
                    "." + std::to_string(m.PosizioneEvidenziata());
        istanti.push_back(ora);
    }
    void Ferma() override {}

    // Lets `ms` of fake time pass, ticking the model as its timer would.
    void Avanza(long ms) {
        const long fine = ora + ms;
        while (prossimo >= 0 && prossimo <= fine) {
            ora = prossimo;
            prossimo += intervallo;
            m.Tick();
            Segui();
        }
        ora = fine;
    }
    // What the dialog does after every call: show the current ticket when it changed.
    void Segui() {
        if (m.SchedinaCorrente() == mostrata) return;
        mostrata = m.SchedinaCorrente();
        registro += " [" + std::to_string(mostrata) + "]";
        EXPECT_EQ(m.ColonnaEvidenziata(), 0);
    }
};

const std::string kSchedina1 =
    " 1@1.1 2@1.2 3@1.3 4@1.4 5@1.5 6@1.6 7@1.7 8@1.8"
    " 11@2.1 12@2.2 13@2.3 14@2.4 15@2.5 16@2.6 17@2.7 18@2.8";
const std::string kSchedina2 =
    " 21@1.1 22@1.2 23@1.3 24@1.4 25@1.5 9@1.6 10@1.7 19@1.8"
    " 8@2.1 7@2.2 6@2.3 5@2.4 4@2.5 3@2.6 2@2.7 1@2.8";
const std::string kSchedina3 = " 20@1.1 19@1.2 18@1.3 17@1.4 16@1.5 15@1.6 14@1.7 13@1.8";

}  // namespace

TEST_F(Banco, ReadsEveryTicketWithoutStoppingThenStops) {
    EXPECT_EQ(m.QuanteSchedine(), 3);
    EXPECT_EQ(m.Dalla(), 1);
    EXPECT_EQ(m.Alla(), 3);
    m.PausaDopoSchedina = false;
    m.Play();
    EXPECT_EQ(intervallo, 1500);
    Avanza(100000);
    EXPECT_EQ(registro, kSchedina1 + " [2]" + kSchedina2 + " [3]" + kSchedina3 + "| [1]");
    ASSERT_EQ(istanti.size(), 40u);
    EXPECT_EQ(istanti.front(), 1500);
    EXPECT_EQ(istanti.back(), 60000);
    EXPECT_FALSE(m.InLettura());
}

TEST_F(Banco, PauseAfterEachTicketWaitsForPlay) {
    m.Play();
    Avanza(30000);
    EXPECT_EQ(registro, kSchedina1 + "| [2]");
    EXPECT_TRUE(m.InPausa());
    EXPECT_EQ(istanti.back(), 24000);
    registro.clear();
    m.Play();  // resumes with the next ticket's first number
    Avanza(1499);
    EXPECT_EQ(registro, "");
    Avanza(1);
    EXPECT_EQ(registro, " 21@1.1");
    Avanza(100000);
    EXPECT_EQ(registro, kSchedina2 + "| [3]");
    registro.clear();
    m.Play();
    Avanza(100000);
    EXPECT_EQ(registro, kSchedina3 + "| [1]");  // the last ticket ends the reading
}

TEST_F(Banco, PauseButtonHoldsTheReadingWhereItIs) {
    m.Play();
    Avanza(4500);
    m.Pausa();
    Avanza(10000);
    m.Pausa();
    Avanza(1500);
    EXPECT_EQ(registro, " 1@1.1 2@1.2 3@1.3| 4@1.4");
    // Play while paused only resumes, too.
    m.Pausa();
    m.Play();
    Avanza(1500);
    EXPECT_EQ(registro, " 1@1.1 2@1.2 3@1.3| 4@1.4| 5@1.5");
}

TEST_F(Banco, StopReturnsToTheFirstTicketOfTheRange) {
    m.ImpostaDalla(2);
    Segui();
    m.Play();
    Avanza(7500);
    m.Stop();
    Segui();
    EXPECT_EQ(m.ColonnaEvidenziata(), 0);
    m.Play();
    Avanza(1500);
    EXPECT_EQ(registro, " [2] 21@1.1 22@1.2 23@1.3 24@1.4 25@1.5| 21@1.1");
}

TEST_F(Banco, AChangedPauseChangesTheInterval) {
    m.Play();
    Avanza(2000);
    m.ImpostaPausaTraNumeri(10);
    EXPECT_EQ(intervallo, 2000);
    Avanza(3999);
    EXPECT_EQ(istanti, (std::vector<long>{1500, 4000}));
    // Limits of the setting: 1..50 tenths.
    m.ImpostaPausaTraNumeri(0);
    EXPECT_EQ(m.IntervalloMs(), 1100);
    m.ImpostaPausaTraNumeri(99);
    EXPECT_EQ(m.IntervalloMs(), 6000);
}

TEST_F(Banco, RangeControls) {
    m.ImpostaAlla(2);
    m.ImpostaDalla(3);  // beyond the last: put back to it
    Segui();
    EXPECT_EQ(m.Dalla(), 2);
    EXPECT_EQ(m.SchedinaCorrente(), 2);
    m.ImpostaAlla(1);  // before the first: put back to it
    EXPECT_EQ(m.Alla(), 2);
    // One ticket from first to last: read once, then the reading stops.
    m.PausaDopoSchedina = false;
    m.Play();
    Avanza(100000);
    EXPECT_EQ(istanti.size(), 16u);
    EXPECT_FALSE(m.InLettura());
}

TEST_F(Banco, NarrowingTheRangeWhileReadingEndsAfterTheCurrentTicket) {
    m.PausaDopoSchedina = false;
    m.Play();
    Avanza(30000);  // into ticket 2
    m.ImpostaAlla(1);
    EXPECT_EQ(m.Alla(), 1);
    Avanza(100000);
    EXPECT_EQ(istanti.size(), 32u);
    EXPECT_FALSE(m.InLettura());
}

TEST(Dettatura, NoTicketsNothingToRead) {
    struct : IVoceDettatura, IOrologioDettatura {
        int avvii = 0;
        void Suona(int, int) override {}
        void Avvia(int) override { ++avvii; }
        void Ferma() override {}
    } finto;
    TModelloDettatura m(finto, finto);
    m.Apri(TListaColonne{});
    EXPECT_EQ(m.Dalla(), 0);
    EXPECT_EQ(m.Alla(), 0);
    m.Play();
    EXPECT_EQ(finto.avvii, 0);
}
