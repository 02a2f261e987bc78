#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"
#include "tools/TOperazioniFile.h"

using namespace sirvela;

namespace {

using Colonne = std::vector<TColonna>;

// The operations as plainly stated, one walk of the list per column.
Colonne OrSemplice(Colonne a, const Colonne& b) {
    for (const auto& c : b)
        if (std::find(a.begin(), a.end(), c) == a.end()) a.push_back(c);
    return a;
}
Colonne AndSemplice(const Colonne& a, const Colonne& b) {
    Colonne r;
    for (const auto& c : b)
        if (std::find(a.begin(), a.end(), c) != a.end()) r.push_back(c);
    return r;
}
Colonne XorSemplice(Colonne a, const Colonne& b) {
    for (const auto& c : b) {
        auto it = std::find(a.begin(), a.end(), c);
        if (it != a.end())
            a.erase(it);
        else
            a.push_back(c);
    }
    return a;
}
Colonne CoperturaSemplice(const Colonne& a, const Colonne& b, int g) {
    Colonne r;
    for (const auto& c : b)
        if (std::none_of(a.begin(), a.end(),
                         [&](const TColonna& x) { return Punteggio(x, c) >= g; }))
            r.push_back(c);
    return r;
}

// Columns that can be played, pilots 1..8 with each place swapped with one up to `valori`
// places on: with a small `valori` many repeat or differ in a place or two.
Colonne Casuali(std::mt19937& g, int n, int valori) {
    std::uniform_int_distribution<int> d(0, valori);
    Colonne v(n);
    for (auto& c : v) {
        c = {1, 2, 3, 4, 5, 6, 7, 8};
        for (int i = 0; i < 8; ++i) std::swap(c[i], c[std::min(7, i + d(g))]);
    }
    return v;
}

struct Progresso : IProgressoStrumenti {
    std::vector<int> valori;
    void Avanzamento(int p) override { valori.push_back(p); }
};

class OperazioniFile : public ::testing::Test {
  protected:
    void Scrivi(const std::string& nome, const Colonne& v) {
        TListaColonne l;
        for (const auto& c : v) l.Accoda(c);
        ASSERT_TRUE(l.SalvaSuFile(CartellaColonne() / nome));
    }
    Colonne Leggi(const std::string& nome) {
        TListaColonne l;
        EXPECT_TRUE(l.CaricaDaFile(CartellaColonne() / nome)) << nome;
        return l.ComeVettore();
    }
    bool Esiste(const std::string& nome) {
        return std::filesystem::exists(CartellaColonne() / nome);
    }
    TOperazioniFile Op(TOperazione op, const std::string& primo, const std::string& secondo) {
        TOperazioniFile o;
        o.Operazione = op;
        o.Source1 = primo;
        o.Source2 = secondo;
        o.Dest = "out";
        return o;
    }

    test::TCartellaDiProva dir_;
};

const TColonna A{1, 2, 3, 4, 5, 6, 7, 8}, B{2, 1, 3, 4, 5, 6, 7, 8}, C{3, 2, 1, 4, 5, 6, 7, 8},
    D{9, 10, 11, 12, 13, 14, 15, 16};

}  // namespace

TEST_F(OperazioniFile, FileWithItself) {
    Scrivi("a.Scl", {A, B, A});
    auto esito = Op(TOperazione::Or, "a", "a.Scl").Esegui();
    EXPECT_EQ(esito.Messaggio, "Colonne Ottenute : 3");
    EXPECT_EQ(Leggi("out.Scl"), (Colonne{A, B, A}));

    std::filesystem::remove(CartellaColonne() / "out.Scl");
    esito = Op(TOperazione::Xor, "a", "a").Esegui();
    EXPECT_EQ(esito.Messaggio, "Colonne Ottenute : 0  Nessun File Creato");
    EXPECT_FALSE(esito.FileScritto);
    EXPECT_FALSE(Esiste("out.Scl"));

    esito = Op(TOperazione::And, "a", "a").Esegui();
    EXPECT_EQ(esito.Messaggio, "Colonne Ottenute : 3");
    EXPECT_EQ(Leggi("out.Scl"), (Colonne{A, B, A}));
}

TEST_F(OperazioniFile, ResultsAndMessagesOfEachOperation) {
    Scrivi("p.Scl", {A, A, B});
    Scrivi("s.Scl", {A, C, A, A, C});
    struct Caso {
        TOperazione op;
        Colonne atteso;
        const char* messaggio;
    } casi[] = {
        // OR keeps the first file's duplicates and adds each new column once.
        {TOperazione::Or, {A, A, B, C}, "Colonne Ottenute : 4"},
        {TOperazione::And, {A, A, A}, "Colonne Ottenute : 3"},
        // XOR toggles occurrence by occurrence: -A, +C, -A, +A, -C.
        {TOperazione::Xor, {B, A}, "Colonne Ottenute : 2"},
        {TOperazione::Copertura, {C, C}, "Colonne Scoperte : 2"},
    };
    for (const auto& k : casi) {
        std::filesystem::remove(CartellaColonne() / "out.Scl");
        auto esito = Op(k.op, "p", "s").Esegui();
        EXPECT_EQ(esito.Messaggio, k.messaggio);
        EXPECT_EQ(esito.Colonne, static_cast<std::int64_t>(k.atteso.size()));
        EXPECT_EQ(Leggi("out.Scl"), k.atteso);
    }

    // Nothing in common / everything covered: no file at all.
    Scrivi("d.Scl", {D});
    std::filesystem::remove(CartellaColonne() / "out.Scl");
    EXPECT_EQ(Op(TOperazione::And, "p", "d").Esegui().Messaggio,
              "Colonne Ottenute : 0  Nessun File Creato");
    EXPECT_EQ(Op(TOperazione::Copertura, "p", "p").Esegui().Messaggio,
              "Colonne Scoperte : 0  Nessun File Creato");
    EXPECT_FALSE(Esiste("out.Scl"));
}

TEST_F(OperazioniFile, CoverageAtTheGuarantee) {
    const TColonna ottava{1, 2, 3, 4, 5, 6, 7, 9};   // differs from A at position 8: 92
    const TColonna settima{1, 2, 3, 4, 5, 6, 9, 8};  // 91
    Scrivi("r.Scl", {A});
    Scrivi("c.Scl", {ottava, settima});
    for (int g : {92, 200}) {  // the guarantee is kept within 30..92
        auto o = Op(TOperazione::Copertura, "r", "c");
        o.SpinPtMin = g;
        EXPECT_EQ(o.Esegui().Messaggio, "Colonne Scoperte : 1");
        EXPECT_EQ(Leggi("out.Scl"), (Colonne{settima}));
    }
    auto o = Op(TOperazione::Copertura, "r", "c");
    o.SpinPtMin = 91;
    EXPECT_EQ(o.Esegui().Messaggio, "Colonne Scoperte : 0  Nessun File Creato");
}

TEST_F(OperazioniFile, SameResultsAsThePlainOperationsOnRandomFiles) {
    std::mt19937 g(777);
    for (int prova = 0; prova < 4; ++prova) {
        const int valori = prova < 2 ? 1 : 3;  // many repeats, then near columns
        const auto a = Casuali(g, 700, valori), b = Casuali(g, 900, valori);
        Scrivi("a.Scl", a);
        Scrivi("b.Scl", b);
        auto prova_ = [&](TOperazione op, const Colonne& atteso, int garanzia = 80) {
            std::filesystem::remove(CartellaColonne() / "out.Scl");
            auto o = Op(op, "a", "b");
            o.SpinPtMin = garanzia;
            auto esito = o.Esegui();
            EXPECT_FALSE(esito.Errore);
            EXPECT_EQ(esito.Colonne, static_cast<std::int64_t>(atteso.size()));
            if (atteso.empty())
                EXPECT_FALSE(Esiste("out.Scl"));
            else
                EXPECT_EQ(Leggi("out.Scl"), atteso) << static_cast<int>(op) << " " << garanzia;
        };
        prova_(TOperazione::Or, OrSemplice(a, b));
        prova_(TOperazione::And, AndSemplice(a, b));
        prova_(TOperazione::Xor, XorSemplice(a, b));
        for (int garanzia : {30, 50, 60, 70, 80, 92})
            prova_(TOperazione::Copertura, CoperturaSemplice(a, b, garanzia), garanzia);
    }
}

TEST_F(OperazioniFile, ProgressAndInterruption) {
    std::mt19937 g(1);
    Scrivi("a.Scl", Casuali(g, 50, 20));
    Scrivi("b.Scl", Casuali(g, 1000, 20));
    Progresso p;
    auto esito = Op(TOperazione::Or, "a", "b").Esegui(&p);
    ASSERT_FALSE(p.valori.empty());
    EXPECT_EQ(p.valori.front(), 2);  // 20 of 1000
    // Only rises are shown, then 100 at the end.
    EXPECT_EQ(std::adjacent_find(p.valori.begin(), p.valori.end() - 1, std::greater_equal<>()),
              p.valori.end() - 1);
    EXPECT_EQ(p.valori.back(), 100);

    std::filesystem::remove(CartellaColonne() / "out.Scl");
    TAnnullamento annulla;
    annulla.Richiedi();
    Progresso q;
    for (auto op : {TOperazione::Or, TOperazione::And, TOperazione::Xor, TOperazione::Copertura}) {
        esito = Op(op, "a", "b").Esegui(&q, &annulla);
        EXPECT_TRUE(esito.Interrotta);
        EXPECT_TRUE(esito.Messaggio.empty());
        EXPECT_EQ(q.valori.back(), 0);
        EXPECT_FALSE(Esiste("out.Scl"));
    }
}

TEST_F(OperazioniFile, UnreadableFilesWriteNothing) {
    Scrivi("a.Scl", {A});
    Scrivi("out.Scl", {D});  // an earlier result stays as it was
    auto bloccata = Op(TOperazione::Or, "a", "a");
    bloccata.Dest = (CartellaColonne() / "manca" / "x.Scl").string();
    const std::string manca =
        "Impossibile effettuare le operazioni sui Files manca.Scl: file "
        "non trovato.";
    for (const auto& [o, messaggio] : std::vector<std::pair<TOperazioniFile, std::string>>{
             {Op(TOperazione::Or, "manca", "a"), manca},
             {Op(TOperazione::Xor, "a", "manca"), manca},
             {Op(TOperazione::Copertura, "a", "manca"), manca},
             {Op(TOperazione::Disordinatore, "manca", ""), manca},
             {bloccata, "Impossibile effettuare le operazioni sui Files x.Scl: la cartella " +
                            (CartellaColonne() / "manca").string() + " non esiste."}}) {
        auto esito = o.Esegui();
        EXPECT_TRUE(esito.Errore);
        EXPECT_EQ(esito.Messaggio, messaggio);
        EXPECT_EQ(Leggi("out.Scl"), (Colonne{D}));
    }
}

TEST_F(OperazioniFile, ReorderingInsertsAtTheDrawnPositions) {
    std::mt19937 g(5);
    const auto colonne = Casuali(g, 3000, 25);
    Scrivi("a.Scl", colonne);
    std::mt19937_64 sorgente(99);
    std::vector<std::uint64_t> estratte;
    auto o = Op(TOperazione::Disordinatore, "a", "");
    o.Casuale = [&](std::uint64_t limite) {
        auto v = std::uniform_int_distribution<std::uint64_t>(0, limite)(sorgente);
        estratte.push_back(v);
        return v;
    };
    auto esito = o.Esegui();
    EXPECT_EQ(esito.Messaggio, "Elaborazione Terminata.");
    // The same draws fed to a plain list insertion.
    ASSERT_EQ(estratte.size(), colonne.size());
    Colonne atteso;
    for (std::size_t i = 0; i < colonne.size(); ++i)
        atteso.insert(atteso.begin() + static_cast<std::ptrdiff_t>(estratte[i]), colonne[i]);
    EXPECT_EQ(Leggi("out.Scl"), atteso);

    // The clock-seeded generator gives a permutation of the file.
    o.Casuale = nullptr;
    o.Esegui();
    auto mescolate = Leggi("out.Scl");
    auto ordinate = colonne;
    std::sort(mescolate.begin(), mescolate.end());
    std::sort(ordinate.begin(), ordinate.end());
    EXPECT_EQ(mescolate, ordinate);
}

TEST_F(OperazioniFile, NamesAreCompletedInTheColumnFolder) {
    auto o = Op(TOperazione::Or, "primo", (dir_.Percorso() / "altro.dat").string());
    EXPECT_EQ(o.PercorsoPrimo(), (CartellaColonne() / "primo.Scl").string());
    EXPECT_EQ(o.PercorsoSecondo(), (dir_.Percorso() / "altro.dat").string());
    EXPECT_FALSE(DidascalieOperazione(TOperazione::Disordinatore).SecondoVisibile);
}
