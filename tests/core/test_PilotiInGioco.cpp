#include <gtest/gtest.h>

#include <algorithm>

#include "core/FileColonne.h"
#include "core/PilotiInGioco.h"
#include "core/TListaColonne.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

TEST(PilotiInGioco, OneRuleForEveryPilot) {
    // count, excluded, pilots in play (as a bit mask), how they are told
    struct Caso {
        int numero, escluso;
        std::vector<int> fuori;  // among 0..26
        std::string descrizione;
    };
    for (const auto& c : std::vector<Caso>{
             {22, 100, {0, 23, 24, 25, 26}, "22"},
             {23, 23, {0, 23, 24, 25, 26}, "22"},  // the built-in field: 23 has no name
             {23, 13, {0, 13, 24, 25, 26}, "22 (il 13 non ha nome)"},
             {25, 100, {0, 26}, "25"},
         }) {
        const TPilotiInGioco p(c.numero, c.escluso);
        EXPECT_EQ(p.Descrizione(), c.descrizione);
        for (int v = 0; v <= 26; ++v)
            EXPECT_EQ(p.InGioco(v), std::find(c.fuori.begin(), c.fuori.end(), v) == c.fuori.end())
                << c.numero << "/" << c.escluso << " pilota " << v;
        EXPECT_FALSE(p.InGioco(90));
        EXPECT_FALSE(p.InGioco(255));
    }
}

TEST(PilotiInGioco, ColumnsThatCanBePlayedAndWhyNot) {
    const TPilotiInGioco p(23, 13);
    for (const auto& [c, difetto] : std::vector<std::pair<TColonna, std::string>>{
             {{1, 2, 3, 4, 5, 6, 7, 8}, ""},
             {{23, 22, 21, 20, 19, 18, 17, 16}, ""},
             {{1, 2, 0, 4, 5, 6, 7, 8}, "nessun pilota in 3º posizione"},
             {{1, 2, 3, 4, 5, 6, 7, 24}, "il pilota 24 in 8º posizione non è in gioco"},
             {{1, 13, 3, 4, 5, 6, 7, 8}, "il pilota 13 in 2º posizione non è in gioco"},
             {{1, 2, 3, 4, 5, 6, 7, 90}, "il pilota 90 in 8º posizione non è in gioco"},
             {{5, 2, 3, 4, 5, 6, 7, 8}, "il pilota 5 è ripetuto"},
             {{33, 2, 3, 4, 5, 6, 7, 8}, "il pilota 33 in 1º posizione non è in gioco"},
         }) {
        EXPECT_EQ(p.ColonnaGiocabile(c), difetto.empty()) << difetto;
        EXPECT_EQ(p.Difetto(c), difetto);
    }
}

TEST(PilotiInGioco, PositionSetsOutOfPlayAreToldAndNeverDeveloped) {
    TPronostico pronostico;
    pronostico.Posizione[0].Aggiungi(3);
    for (int v : {4, 7, 20, 23}) pronostico.Posizione[7].Aggiungi(v);
    const TPilotiInGioco fresca(23, 23);
    EXPECT_EQ(AvvisoPilotiFuoriGioco(pronostico, fresca),
              "Il sistema usa il pilota 23 in 8º posizione, ma i piloti in gioco sono 22: "
              "aggiornare la Lista Piloti.");
    const TPronostico sviluppato = PronosticoInGioco(pronostico, fresca);
    EXPECT_EQ(sviluppato.Posizione[7].Conta(), 3);
    EXPECT_EQ(sviluppato.Posizione[7][2], 20);
    EXPECT_EQ(sviluppato.Posizione[0], pronostico.Posizione[0]);

    pronostico.Posizione[0].Aggiungi(24);
    pronostico.Posizione[2].Aggiungi(23);
    pronostico.Posizione[4].Aggiungi(23);
    EXPECT_EQ(AvvisoPilotiFuoriGioco(pronostico, TPilotiInGioco(22, 100)),
              "Il sistema usa il pilota 23 in 3º, 5º e 8º posizione e il pilota 24 in 1º "
              "posizione, ma i piloti in gioco sono 22: aggiornare la Lista Piloti.");
    EXPECT_EQ(AvvisoPilotiFuoriGioco(pronostico, TPilotiInGioco(25, 100)), "");
}

// A damaged column file is refused at its first bad record, whatever reads it.
TEST(FileColonne, DamagedFilesAreRefusedWithTheirRecordAndReason) {
    test::CartellaTemporanea dir;
    const TControlloColonne controllo(TPilotiInGioco(22, 100));
    auto record = [](std::vector<std::uint8_t> byte, TColonna c) {
        byte.insert(byte.end(), c.begin(), c.end());
        return byte;
    };
    const std::vector<std::uint8_t> buono = record({}, {1, 2, 3, 4, 5, 6, 7, 8});
    // A system file starts with its version (100) and the first position's count.
    std::vector<std::uint8_t> sistema = {100, 0, 0, 0, 4, 0, 3, 0, 5, 0, 8, 0, 11, 0, 0, 0};
    struct Caso {
        std::vector<std::uint8_t> byte;
        std::string messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {buono, ""},
             {{}, ""},
             {std::vector<std::uint8_t>(buono.begin(), buono.end() - 1),
              "Il file f.Scl non è un file di colonne valido (7 byte, non un multiplo di 8)."},
             {record(buono, {3, 6, 1, 9, 5, 19, 2, 23}),
              "Il file f.Scl non è un file di colonne valido (record 2: il pilota 23 in 8º "
              "posizione non è in gioco)."},
             {record(buono, {3, 6, 1, 9, 3, 19, 2, 20}),
              "Il file f.Scl non è un file di colonne valido (record 2: il pilota 3 è ripetuto)."},
             {record(buono, {3, 6, 1, 0, 5, 19, 2, 20}),
              "Il file f.Scl non è un file di colonne valido (record 2: nessun pilota in 4º "
              "posizione)."},
             {record(buono, {}),
              "Il file f.Scl non è un file di colonne valido (record 2: colonna vuota)."},
             {sistema,
              "Il file f.Scl non è un file di colonne valido (record 1: il pilota 100 in 1º "
              "posizione non è in gioco)."},
         }) {
        test::ScriviByte(dir / "f.Scl", c.byte);
        TListaColonne lista;
        lista.Accoda({9, 9, 9, 9, 9, 9, 9, 9});
        EXPECT_EQ(CaricaFileColonne(lista, dir / "f.Scl", controllo), c.messaggio);
        EXPECT_EQ(lista.Quante(), c.messaggio.empty() ? std::int64_t(c.byte.size() / 8) : 0);
    }
    // Where the format allows it (the ticket prints), an empty column is a column.
    test::ScriviByte(dir / "f.Scl", record(buono, {}));
    TListaColonne lista;
    EXPECT_EQ(CaricaFileColonne(lista, dir / "f.Scl", TControlloColonne(TPilotiInGioco(), true)),
              "");
    EXPECT_EQ(lista.Quante(), 2);
    // The bad record is found in any block of 1000 and counted from the file's start.
    std::vector<std::uint8_t> lungo;
    for (int i = 0; i < 2500; ++i) lungo = record(std::move(lungo), {1, 2, 3, 4, 5, 6, 7, 8});
    lungo[2100 * 8 + 7] = 25;
    test::ScriviByte(dir / "f.Scl", lungo);
    EXPECT_EQ(CaricaFileColonne(lista, dir / "f.Scl", controllo),
              "Il file f.Scl non è un file di colonne valido (record 2101: il pilota 25 in 8º "
              "posizione non è in gioco).");
    EXPECT_EQ(CaricaFileColonne(lista, dir / "manca.Scl", controllo),
              "Errore Di Lettura Sul File. Impossibile Leggere le Colonne di manca.Scl: file non "
              "trovato.");
}

}  // namespace
}  // namespace sirvela
