#include <gtest/gtest.h>

#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "support/Supporto.h"
#include "tools/TConversione.h"

using namespace sirvela;

namespace {

constexpr int kTxt = 0, kAsc = 1, kScl = 2;

struct Contatore : IProgressoStrumenti {
    std::vector<int> creati;
    void FileCreati(int n) override { creati.push_back(n); }
};

std::string Testo(const std::filesystem::path& p) {
    auto b = test::LeggiByte(p);
    return std::string(b.begin(), b.end());
}

void ScriviColonne(const std::filesystem::path& p, const std::vector<TColonna>& v) {
    TListaColonne l;
    for (const auto& c : v) l.Accoda(c);
    ASSERT_TRUE(l.SalvaSuFile(p));
}

std::vector<TColonna> LeggiColonne(const std::filesystem::path& p) {
    TListaColonne l;
    EXPECT_TRUE(l.CaricaDaFile(p));
    return l.ComeVettore();
}

TConversione Conversione(const std::filesystem::path& da, int fda, const std::filesystem::path& a,
                         int fa) {
    TConversione c;
    c.CartellaSorgente = da;
    c.FormatoSorgente = fda;
    c.CartellaDestinazione = a;
    c.FormatoDestinazione = fa;
    return c;
}

}  // namespace

TEST(TConversione, ColumnFileToText) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directory(dir / "out");
    ScriviColonne(dir / "a.Scl", {{1, 12, 3, 4, 5, 6, 7, 8}, {20, 9, 13, 2, 15, 16, 17, 18}});
    Contatore n;
    auto esito = Conversione(dir.Percorso(), kScl, dir / "out", kTxt).Converti({"a.Scl"}, &n);
    EXPECT_TRUE(esito.Riuscita);
    EXPECT_EQ(esito.Messaggio, "Conversione terminata con successo.");
    EXPECT_EQ(n.creati, (std::vector<int>{1}));
    // Two characters per number, CR LF between lines and none after the last; every byte
    // written as its number so the text reads back the same.
    EXPECT_EQ(Testo(dir / "out" / "a.Txt"), " 1 12  3  4  5  6  7  8\r\n20  9 13  2 15 16 17 18");

    esito = Conversione(dir / "out", kTxt, dir.Percorso(), kScl).Converti({"a.Txt"});
    ASSERT_TRUE(esito.Riuscita);
    EXPECT_EQ(LeggiColonne(dir / "a.Scl"),
              (std::vector<TColonna>{{1, 12, 3, 4, 5, 6, 7, 8}, {20, 9, 13, 2, 15, 16, 17, 18}}));
}

TEST(TConversione, ReadingTextLines) {
    test::CartellaTemporanea dir;
    test::ScriviTesto(
        dir / "b.Asc",
        "   1  2 3 4 5 6 7 8\r\n\r\n  \n9 10 1 2 3 4 5 6\n11 12 13 14 15 16 17 18   \r\n");
    auto esito = Conversione(dir.Percorso(), kAsc, dir.Percorso(), kScl).Converti({"b.Asc"});
    ASSERT_TRUE(esito.Riuscita) << esito.Messaggio;
    EXPECT_EQ(LeggiColonne(dir / "b.Scl"),
              (std::vector<TColonna>{{1, 2, 3, 4, 5, 6, 7, 8},
                                     {9, 10, 1, 2, 3, 4, 5, 6},
                                     {11, 12, 13, 14, 15, 16, 17, 18}}));
    // A line that is no column (missing numbers read as 0) is not converted.
    test::ScriviTesto(dir / "c.Asc", "1 2 3 4 5 6 7 8\n9 10\n");
    esito = Conversione(dir.Percorso(), kAsc, dir.Percorso(), kScl).Converti({"c.Asc"});
    EXPECT_EQ(esito.Messaggio,
              "Impossibile convertire il file c.Asc: alla riga 2 nessun pilota in 3º posizione. "
              "Elaborazione terminata");
    EXPECT_FALSE(std::filesystem::exists(dir / "c.Scl"));
    test::ScriviTesto(dir / "vuoto.Txt", "");
    ASSERT_TRUE(
        Conversione(dir.Percorso(), kTxt, dir.Percorso(), kScl).Converti({"vuoto.Txt"}).Riuscita);
    EXPECT_EQ(test::LeggiByte(dir / "vuoto.Scl").size(), 0u);
}

TEST(TConversione, StopsWithoutHalfWrittenFiles) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directory(dir / "out");
    test::ScriviTesto(dir / "buono.Txt", "1 2 3 4 5 6 7 8");
    test::ScriviTesto(dir / "cattivo.Txt", "1 2 3 4 5 6 7 8\n2 3 4 5 6 7 8 9\n3 4 x 6 7 8 9 10\n");
    test::ScriviTesto(dir / "dopo.Txt", "1 2 3 4 5 6 7 8");
    auto conv = Conversione(dir.Percorso(), kTxt, dir / "out", kScl);
    Contatore n;
    auto esito = conv.Converti({"buono.Txt", "cattivo.Txt", "dopo.Txt"}, &n);
    EXPECT_FALSE(esito.Riuscita);
    EXPECT_EQ(esito.Messaggio,
              "Impossibile convertire il file cattivo.Txt: alla riga 3 'x' non è un valore intero "
              "valido. Elaborazione terminata");
    EXPECT_EQ(esito.FileCreati, 1);
    EXPECT_EQ(n.creati, (std::vector<int>{1}));
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "buono.Scl"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "dopo.Scl"));
    // Only the finished file is in the folder: no partial or temporary file is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"),
                            std::filesystem::directory_iterator{}),
              1);

    // A cancel request stops everything the same way.
    TAnnullamento annulla;
    annulla.Richiedi();
    esito = conv.Converti({"dopo.Txt"}, nullptr, &annulla);
    EXPECT_TRUE(esito.Interrotta);
    EXPECT_EQ(esito.Messaggio, "Conversione Interrotta.");
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "dopo.Scl"));

    esito = conv.Converti({"manca.Txt"});
    EXPECT_EQ(esito.Messaggio,
              "Impossibile convertire il file manca.Txt: file non trovato. Elaborazione terminata");
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "manca.Scl"));
}

TEST(TConversione, RefusesToWriteOverItsSource) {
    test::CartellaTemporanea dir;
    test::ScriviTesto(dir / "c.Txt", "1 2 3 4 5 6 7 8");
    std::filesystem::create_directory(dir / "sub");
    for (const auto& destinazione : {dir.Percorso(), dir / "sub" / ".."}) {
        auto esito = Conversione(dir.Percorso(), kTxt, destinazione, kTxt).Converti({"c.Txt"});
        EXPECT_FALSE(esito.Riuscita);
        EXPECT_EQ(esito.Messaggio,
                  "Impossibile convertire il file c.Txt: il file da creare ha lo stesso nome "
                  "nella stessa cartella. Elaborazione terminata");
        EXPECT_EQ(Testo(dir / "c.Txt"), "1 2 3 4 5 6 7 8");
    }
    EXPECT_TRUE(
        Conversione(dir.Percorso(), kTxt, dir.Percorso(), kAsc).Converti({"c.Txt"}).Riuscita);
}

TEST(TConversione, NamesAndListing) {
    EXPECT_EQ(NomeConvertito("a.Scl", kTxt), "a.Txt");
    EXPECT_EQ(NomeConvertito("a.b.Txt", kScl), "a.Scl");  // from the first "."
    EXPECT_EQ(NomeConvertito("senza", kAsc), "senza.Asc");
    EXPECT_EQ(FiltroFormato(kAsc), "*.Asc");
    EXPECT_EQ(std::string(kFormatiColonne[0].Didascalia), "Txt (Formato testo)");

    test::CartellaTemporanea dir;
    for (const char* nome : {"b.Txt", "a.txt", "c.Scl", "d.Txtx"})
        test::ScriviTesto(dir / nome, "");
    std::filesystem::create_directory(dir / "e.Txt");
    EXPECT_EQ(ElencoFileFormato(dir.Percorso(), kTxt),
              (std::vector<std::string>{"a.txt", "b.Txt"}));
    EXPECT_TRUE(ElencoFileFormato(dir / "manca", kTxt).empty());
}
