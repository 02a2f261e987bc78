#include <gtest/gtest.h>

#include "core/Cp1252.h"
#include "core/Errore.h"
#include "core/Testo.h"

using namespace sirvela;

TEST(Testo, ColumnAndListToText) {
    EXPECT_EQ(ColonnaInTesto({1, 12, 3, 4, 5, 6, 7, 8}), "1 12 3 4 5 6 7 8");
    EXPECT_EQ(ColonnaInTesto({1, 12, 3, 4, 5, 6, 7, 8}, true), " 1 12  3  4  5  6  7  8");
    EXPECT_EQ(ColonnaInTesto({90, 2, 3, 0, 0, 0, 0, 0}), "* 2 3 ");
    TCombinazione l;
    for (int v : {3, 8, 12}) l.Aggiungi(v);
    EXPECT_EQ(ListaInTesto(l), "3 8 12");
    EXPECT_EQ(ListaInTesto(l, true), " 3 8 12");  // below 8, not below 10
}

TEST(Testo, TextToColumnAndList) {
    EXPECT_EQ(TestoInColonna("   1 12  3 4 5 6 7 8"), (TColonna{1, 12, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(TestoInColonna("4 5"), (TColonna{4, 5, 0, 0, 0, 0, 0, 0}));
    EXPECT_THROW(TestoInColonna("1 x 3"), TErroreConversione);
    EXPECT_THROW(TestoInColonna("1 300"), TErroreConversione);

    auto l = TestoInLista(" 1 12  3");
    ASSERT_EQ(l.Quanti, 3);
    EXPECT_EQ(l.Numeri[0], 1);
    EXPECT_EQ(l.Numeri[1], 12);
    EXPECT_EQ(l.Numeri[2], 3);
    auto lungo = TestoInLista("5 123");
    ASSERT_EQ(lungo.Quanti, 2);
    EXPECT_EQ(lungo.Numeri[1], 123);
    EXPECT_EQ(TestoInLista("").Quanti, 0);
}

TEST(Testo, SmallHelpers) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Comprimi(" a b "), "ab");
    EXPECT_EQ(ZeriIniziali(7, 3), "007");
    EXPECT_EQ(ZeriIniziali(1234, 3), "1234");
    EXPECT_EQ(NumeroInParole(4), "quattro");
    EXPECT_EQ(NomePosizione(8), "Ottava");
    EXPECT_EQ(Spazi(3), "   ");
    EXPECT_EQ(Fattoriale(5), 120.0);
}

TEST(Testo, BinomialRoundsAndWrapsLikeA32BitInteger) {
    EXPECT_EQ(Combinazioni(6, 5), 6);
    EXPECT_EQ(Combinazioni(90, 6), 622614630);
    EXPECT_EQ(Combinazioni(25, 8), 1081575);
    // C(100, 10) = 17,310,309,456,440 does not fit: it wraps as a 32-bit value.
    EXPECT_EQ(Combinazioni(100, 10), static_cast<std::int32_t>(17310309456440ULL & 0xFFFFFFFFULL));
}

TEST(Testo, CostInLireAndEuro) {
    TPrezzi lire;
    EXPECT_EQ(TestoCosto(1234, lire, 1), "1234 (£ 1.234.000)");
    EXPECT_EQ(TestoCosto(1234, lire, 4), "1234 (£ 308.500 1/4)");
    EXPECT_EQ(TestoCosto(30, lire, 3), "30 (£ 10.000 1/3)");
    EXPECT_EQ(TestoColonneFinali(1234, lire, 1), " Colonne Finali : 1234 (£ 1.234.000)");
    EXPECT_EQ(TestoColonneFinali(0, lire, 1), " Colonne Finali : ");
    EXPECT_EQ(ACp1252(TestoCosto(1, lire, 1)), "1 (\xA3 1.000)");

    TPrezzi euro;
    euro.Euro = true;
    EXPECT_EQ(TestoCosto(1000, euro, 1), "1000 (€ 516,46)");
    EXPECT_EQ(ACp1252(TestoCosto(1, euro, 1)), "1 (\x80 0,52)");
    euro.PrezzoEuro = 1.0;
    EXPECT_EQ(TestoCosto(1234567, euro, 1), "1234567 (€ 1.234.567,00)");

    EXPECT_EQ(TestoPilotiSelezionati(12), " Piloti selezionati : 12");
    EXPECT_EQ(TestoColonneIniziali(78310985281LL), " Colonne Iniziali : 78310985281");
}

TEST(Testo, VersionAndTitle) {
    EXPECT_EQ(TestoVersione(100), "1.0");
    EXPECT_EQ(TestoVersione(123), "1.23");
    EXPECT_EQ(TestoVersione(200), "2.0");
    EXPECT_EQ(TitoloProgramma(100, "/home/a/Sistemi/SenzaNome.Sst"), "Sirvela 1.0 - SenzaNome.Sst");
    EXPECT_EQ(NomeSenzaCartella("C:\\Sirvela\\Sistemi\\Prova.Sst"), "Prova.Sst");
}
