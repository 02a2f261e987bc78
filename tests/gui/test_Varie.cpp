#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>

#include <QApplication>

#include "app/ui/ColonneStrumento.h"
#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormCommento.h"
#include "support/Finti.h"
#include "support/Supporto.h"
#include "widgets/TLVisColonne.h"

using namespace sirvela;

TEST(VisColonne, MarksOnlyMatchingPositionsWhileChecking) {
    TLVisColonne v;
    v.ImpostaColonne({1, 2, 3, 4, 5, 6, 7, 8}, {8, 2, 0, 4, 9, 9, 9, 9}, 2);
    v.ImpostaRiferimento({1, 2, 3, 9, 9, 9, 9, 9});
    EXPECT_FALSE(v.Segnata(1, 1));  // marking is off
    v.ImpostaModoSpoglio(true);
    EXPECT_TRUE(v.Segnata(1, 1));
    EXPECT_TRUE(v.Segnata(1, 3));
    EXPECT_FALSE(v.Segnata(1, 4));
    EXPECT_TRUE(v.Segnata(2, 2));
    EXPECT_FALSE(v.Segnata(2, 3));  // an empty place never matches
    EXPECT_TRUE(v.Segnata(2, 8));
    EXPECT_FALSE(v.Segnata(3, 1));
    EXPECT_FALSE(v.Segnata(1, 9));
    v.ImpostaColonne({1, 2, 3, 4, 5, 6, 7, 8}, {}, 1);
    EXPECT_FALSE(v.Segnata(2, 2));  // only one column shown
}

TEST(Aiuto, TheContentsListEveryTopicAndEachOpens) {
    const auto argomenti = TFormAiuto::Argomenti();
    ASSERT_GE(argomenti.size(), 7u);
    TFormAiuto f;
    EXPECT_TRUE(f.Testo()->toPlainText().startsWith("Sirvela - Guida"));
    for (const auto& [nome, titolo] : argomenti) {
        EXPECT_FALSE(titolo.isEmpty() || titolo == nome) << nome.toStdString();
        EXPECT_TRUE(f.Testo()->toPlainText().contains(titolo)) << nome.toStdString();
    }
    f.MostraArgomento("finestra-principale");
    EXPECT_TRUE(f.Testo()->toPlainText().startsWith("La finestra principale"));
    f.MostraArgomento("argomento-che-non-esiste");
    EXPECT_TRUE(f.Testo()->toPlainText().startsWith("Sirvela - Guida"));
}

TEST(Partecipanti, OkClosesOnlyWhenTheCheckAgrees) {
    int chiamate = 0;
    bool risposta = false;
    TFormPartecipanti f(3, true, {"Anna", "Bruno"},
                        [&](int numero, bool specifica, std::vector<std::string>& nomi) {
                            ++chiamate;
                            EXPECT_EQ(numero, 3);
                            EXPECT_TRUE(specifica);
                            nomi.erase(std::remove(nomi.begin(), nomi.end(), std::string("  ")),
                                       nomi.end());
                            return risposta;
                        });
    EXPECT_EQ(f.CampoNomi()->toPlainText(), "Anna\nBruno");
    f.CampoNomi()->setPlainText("Anna\n  \nBruno");
    QSignalSpy chiuso(&f, &QDialog::accepted);
    f.accept();
    EXPECT_EQ(chiamate, 1);
    EXPECT_EQ(chiuso.count(), 0);
    EXPECT_EQ(f.CampoNomi()->toPlainText(), "Anna\nBruno");  // the box shows what was kept
    risposta = true;
    f.accept();
    EXPECT_EQ(chiuso.count(), 1);

    TFormPartecipanti senza(1, false, {"Nascosto"}, nullptr);
    EXPECT_EQ(senza.CampoNomi()->toPlainText(), "");  // names only when they are given
    EXPECT_FALSE(senza.CampoSpecifica()->isChecked());
}

TEST(ColonnePerStrumento, FromMemoryOrFromAFile) {
    test::CartellaTemporanea cartella;
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TDatiSistema dati;
    TListaColonne& memoria = dati.Colonne;
    TListaColonne strumento;
    memoria.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    strumento.Accoda({8, 7, 6, 5, 4, 3, 2, 1});

    EXPECT_TRUE(ColonnePerStrumento(TOrigineColonne::DaMemoria, dati, strumento, messaggi, scelta));
    EXPECT_EQ(strumento.ComeVettore(), memoria.ComeVettore());
    EXPECT_TRUE(scelta.Richieste.empty());

    // Cancelled: no window, the tool's list as it was.
    EXPECT_FALSE(ColonnePerStrumento(TOrigineColonne::DaFile, dati, strumento, messaggi, scelta));
    EXPECT_EQ(strumento.Quante(), 1);

    // Unreadable: the user is told with the normal cursor back, the list is empty.
    scelta.Risposte.push_back((cartella / "manca.Scl").string());
    EXPECT_TRUE(ColonnePerStrumento(TOrigineColonne::DaFile, dati, strumento, messaggi, scelta));
    EXPECT_TRUE(strumento.Vuota());
    ASSERT_EQ(messaggi.Domande.size(), 1u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    TListaColonne tre;
    for (int i = 0; i < 3; ++i) tre.Accoda({1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(tre.SalvaSuFile(cartella / "tre.Scl"));
    scelta.Risposte.push_back((cartella / "tre.Scl").string());
    EXPECT_TRUE(ColonnePerStrumento(TOrigineColonne::DaFile, dati, strumento, messaggi, scelta));
    EXPECT_EQ(strumento.Quante(), 3);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
