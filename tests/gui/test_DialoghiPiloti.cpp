#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormCommento.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "app/ui/TFormTitolo.h"
#include "app/ui/TFrmImpostazioni.h"
#include "gui/Modale.h"
#include "support/Finti.h"

using namespace sirvela;

namespace {

std::vector<std::string> Nomi(int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back("Pilota " + std::to_string(i));
    return v;
}

std::vector<int> Lista(const TCombinazione& c) {
    return std::vector<int>(c.Numeri.begin(), c.Numeri.begin() + c.Conta());
}

}  // namespace

TEST(SelezionePiloti, ShowsNamesInTwoColumnsOfThirteen) {
    auto nomi = Nomi(25);
    TCombinazione scelti;
    for (int v : {14, 2}) scelti.Aggiungi(v);
    TFormSelezionePiloti f(3, nomi, 23, scelti);
    EXPECT_EQ(f.windowTitle(), "Seleziona i piloti nella 3º posizione");
    EXPECT_EQ(f.Tabella()->rowCount(), 13);
    EXPECT_EQ(f.Tabella()->columnCount(), 2);
    EXPECT_EQ(f.Tabella()->item(0, 0)->text(), "1) Pilota 1");
    EXPECT_EQ(f.Tabella()->item(12, 0)->text(), "13) Pilota 13");
    EXPECT_EQ(f.Tabella()->item(0, 1)->text(), "14) Pilota 14");
    EXPECT_EQ(f.Tabella()->item(9, 1)->text(), "23) Pilota 23");
    EXPECT_EQ(f.Tabella()->item(10, 1)->text(), "");  // beyond the pilots in play
    EXPECT_TRUE(f.Evidenziata(1));
    EXPECT_TRUE(f.Evidenziata(13));
    EXPECT_FALSE(f.Evidenziata(0));
    EXPECT_EQ(f.Conteggio()->text(), "2");
}

TEST(SelezionePiloti, ClicksRebuildTheSetInAscendingOrder) {
    auto nomi = Nomi(25);
    nomi[6] = "   ";  // pilot 7 has no name
    TCombinazione scelti;
    scelti.Aggiungi(20);
    TFormSelezionePiloti f(1, nomi, 23, scelti);
    QSignalSpy cambi(&f, &TFormSelezionePiloti::Cambiato);

    const QTableWidget* t = f.Tabella();
    auto clicca = [&](int k) {
        const QRect r = t->visualItemRect(f.Cella(k));
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, r.center());
    };
    f.show();
    clicca(4);   // pilot 5
    clicca(0);   // pilot 1
    clicca(6);   // pilot 7: no name, no change
    clicca(24);  // beyond the pilots: empty cell
    EXPECT_EQ(Lista(f.Scelti()), (std::vector<int>{1, 5, 20}));
    EXPECT_EQ(f.Conteggio()->text(), "3");
    EXPECT_EQ(cambi.count(), 2);
    clicca(19);  // pilot 20 off again
    EXPECT_EQ(Lista(f.Scelti()), (std::vector<int>{1, 5}));
    EXPECT_EQ(Lista(cambi.last().at(0).value<TCombinazione>()), (std::vector<int>{1, 5}));
}

TEST(ListaPiloti, RowsFollowTheNumberAndNamesAreCut) {
    auto nomi = Nomi(25);
    TFormListaPiloti f(23, nomi);
    EXPECT_EQ(f.windowTitle(), "Piloti");
    EXPECT_EQ(f.Tabella()->horizontalHeaderItem(0)->text(), "Num");
    EXPECT_EQ(f.Tabella()->horizontalHeaderItem(1)->text(), "       Nome del Pilota");
    EXPECT_EQ(f.CampoNumero()->minimum(), 20);
    EXPECT_EQ(f.CampoNumero()->maximum(), 25);
    EXPECT_EQ(f.Tabella()->rowCount(), 23);
    EXPECT_EQ(f.Tabella()->item(22, 0)->text(), "23");
    EXPECT_EQ(f.Tabella()->item(22, 1)->text(), "Pilota 23");

    f.Tabella()->item(21, 1)->setText(QString(45, 'x'));
    f.CampoNumero()->setValue(20);
    EXPECT_EQ(f.Tabella()->rowCount(), 20);
    f.CampoNumero()->setValue(25);  // rows come back with what they held
    EXPECT_EQ(f.Tabella()->item(21, 1)->text(), QString(45, 'x'));
    EXPECT_EQ(f.Tabella()->item(24, 1)->text(), "Pilota 25");

    f.CampoNumero()->setValue(22);
    const auto letti = f.Nomi();
    ASSERT_EQ(letti.size(), 22u);
    EXPECT_EQ(letti[0], "Pilota 1");
    EXPECT_EQ(letti[21], std::string(40, 'x'));

    TFormListaPiloti fuori(30, Nomi(3));  // a count out of range starts at the nearest end
    EXPECT_EQ(fuori.Numero(), 25);
    EXPECT_EQ(fuori.Nomi()[3], "");
}

TEST(Titolo, AvvioHidesTheButtonsAndStartsLater) {
    TFormTitolo f("/non/esiste/intro.bmp");
    // The system the program was built for.
    EXPECT_TRUE(f.Versione()->text().startsWith("Versione 1.0 per Linux ("))
        << f.Versione()->text().toStdString();
    EXPECT_EQ(f.PulsanteAvvio()->text(), "&Avvio");
    EXPECT_EQ(f.PulsanteUscita()->text(), "Uscita");
    f.show();
    QSignalSpy avvio(&f, &TFormTitolo::Avvia);
    f.PulsanteAvvio()->click();
    EXPECT_FALSE(f.PulsanteAvvio()->isVisible());
    EXPECT_FALSE(f.PulsanteUscita()->isVisible());
    EXPECT_EQ(avvio.count(), 0);
    EXPECT_TRUE(avvio.wait(3000));
}

TEST(DialoghiDellaFinestra, AiutoOpensTheTopicOfEachDialog) {
    TFormListaPiloti lista(23, Nomi(23));
    TFormSelezionePiloti selezione(1, Nomi(23), 23, TCombinazione{});
    TFormCommento commento({});
    TFormPartecipanti partecipanti(1, false, {}, nullptr);
    test::TMessaggiFinti messaggi;
    test::TSceltaFileFinta scelta;
    TFrmImpostazioni varie(messaggi, scelta);
    const std::pair<QDialog*, QString> casi[] = {{&lista, "Il menu Impostazioni"},
                                                 {&selezione, "La finestra principale"},
                                                 {&commento, "Il menu Sistemi"},
                                                 {&partecipanti, "Il menu Sistemi"},
                                                 {&varie, "Il menu Impostazioni"}};
    for (const auto& [dialogo, titolo] : casi) {
        auto* aiuto = dialogo->findChild<QPushButton*>("BtnAiuto");
        ASSERT_NE(aiuto, nullptr) << dialogo->windowTitle().toStdString();
        QString visto;
        test::QuandoModale<TFormAiuto>([&](TFormAiuto& a) { visto = a.Testo()->documentTitle(); });
        aiuto->click();
        EXPECT_EQ(visto, titolo) << dialogo->windowTitle().toStdString();
    }
}
