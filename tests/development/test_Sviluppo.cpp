#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "Riferimento.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

class TMessaggiRegistra : public IMessaggi {
  public:
    int Mostra(const std::string&, const std::string& t, int) override {
        Testi.push_back(t);
        return PulsanteOk;
    }
    void Errore(const std::string& t) override { Testi.push_back(t); }
    std::vector<std::string> Testi;
};

std::vector<std::uint8_t> ByteColonne(const std::vector<TColonna>& v, int extra = 0) {
    std::vector<std::uint8_t> b;
    for (const auto& c : v) b.insert(b.end(), c.begin(), c.end());
    b.insert(b.end(), static_cast<std::size_t>(extra), 1);
    return b;
}

// n different columns that can be played: the arrangements of pilots 1..8 in order.
std::vector<TColonna> ColonneDistinte(int n) {
    std::vector<TColonna> v;
    TColonna c{1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < n; ++i, std::next_permutation(c.begin(), c.end())) v.push_back(c);
    return v;
}

// Changes the source file under a running development at the first update `Quando` picks.
struct TCambiaSorgente : ISviluppoOsservatore {
    std::function<bool(const TQuadroSviluppo&, unsigned)> Quando;
    std::function<void()> Azione;
    void Aggiorna(const TQuadroSviluppo& q, unsigned parti) override {
        if (Azione && Quando(q, parti)) std::exchange(Azione, nullptr)();
    }
};

// Runs the development with that observer alone; the text of the error it stops on.
std::string SviluppaFinoAdErrore(TListaColonne& lista, const TDatiSviluppo& dati,
                                 TCambiaSorgente& oss, TEsitoSviluppo& esito) {
    TServiziSviluppo s;
    s.Osservatore = &oss;
    try {
        SviluppaSistema(lista, dati, s, esito);
    } catch (const TErroreSirvela& e) {
        return e.what();
    }
    return {};
}

bool SoloStatoFinale(const TRisultato& r) {
    return !r.Eventi.empty() && r.Eventi.back().Quadro.Stato.rfind(
                                    "Elaborazione Terminata.   Tempo Impiegato : ", 0) == 0;
}

}  // namespace

TEST(Sviluppo, CandidatesComeWithPositionEightFastest) {
    auto p = PronosticoDaListe({{1, 2}, {3}, {4}, {5}, {6}, {7}, {8}, {9, 10, 11}});
    std::vector<TColonna> visti;
    EXPECT_TRUE(SviluppaPronostico(
        p, [&](const TColonna& c) { visti.push_back(c); }, nullptr));
    const std::vector<TColonna> attesi = {
        Col({1, 3, 4, 5, 6, 7, 8, 9}),  Col({1, 3, 4, 5, 6, 7, 8, 10}),
        Col({1, 3, 4, 5, 6, 7, 8, 11}), Col({2, 3, 4, 5, 6, 7, 8, 9}),
        Col({2, 3, 4, 5, 6, 7, 8, 10}), Col({2, 3, 4, 5, 6, 7, 8, 11})};
    EXPECT_EQ(visti, attesi);
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    auto r = Esegui(false, dati, nullptr);
    EXPECT_EQ(r.Colonne, attesi);
    EXPECT_EQ(r.Esito.ContaTotali, 6);
    EXPECT_EQ(r.Eventi.back().Quadro.Stato, "Elaborazione Terminata.   Tempo Impiegato : 0:00:00");
}

TEST(Sviluppo, RepeatedPilotsCountAsExaminedOnly) {
    // Position 2 repeats position 1 in every candidate; a corrupt 256 + 3 stands for 3.
    auto p = PronosticoDaListe({{3}, {259, 3}, {4, 5}, {6}, {7}, {8}, {9}, {10}});
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    auto r = Esegui(false, dati, nullptr);
    EXPECT_TRUE(r.Colonne.empty());
    EXPECT_EQ(r.Esito.ContaTotali, 4);
    EXPECT_EQ(r.Esito.ContaAmmesse, 0);
    EXPECT_EQ(r.Esito.ContaEsaminate, 4);
    // An empty position gives no candidate; an empty first one returns at once.
    auto vuoto = PronosticoDaListe({{}, {1}, {2}, {3}, {4}, {5}, {6}, {7}});
    EXPECT_TRUE(SviluppaPronostico(
        vuoto, [](const TColonna&) { FAIL(); }, nullptr));
}

// A source is a column file: records of eight different pilots in play, 8 bytes each. Any
// other file is refused, naming the first bad record, before anything is kept.
TEST(Sviluppo, SourceFileSizes) {
    CartellaTemporanea dir;
    struct Caso {
        int colonne, extra;
        std::int64_t totali;
    } casi[] = {{1000, 1, 1000}, {1000, 0, 1000}, {0, 7, 0}, {2500, 3, 2500}, {2500, 0, 2500}};
    for (const auto& c : casi) {
        const auto f = dir / "s.Scl";
        auto colonne = ColonneDistinte(c.colonne);
        ScriviByte(f, ByteColonne(colonne, c.extra));
        TDatiSviluppo dati;
        dati.Sorgente.DaPronostico = false;
        dati.Sorgente.FileSorgente = f.string();
        if (c.extra > 0) {
            TCambiaSorgente oss;
            TListaColonne lista;
            TEsitoSviluppo esito;
            EXPECT_EQ(SviluppaFinoAdErrore(lista, dati, oss, esito),
                      "Il file s.Scl non è un file di colonne valido (" +
                          std::to_string(c.colonne * 8 + c.extra) +
                          " byte, non un multiplo di 8).");
            EXPECT_FALSE(esito.Avviato);
            continue;
        }
        auto r = Esegui(false, dati, nullptr);
        EXPECT_EQ(r.Esito.ContaTotali, c.totali);
        EXPECT_EQ(r.Colonne, colonne);
        EXPECT_EQ(r.Eventi.back().Quadro.Indicatore, c.totali ? 100 : 0);
        if (c.colonne == 0) continue;
        // A pilot out of play in the last block: nothing of the run is kept.
        colonne.back()[7] = 24;
        ScriviByte(f, ByteColonne(colonne));
        TCambiaSorgente oss;
        TListaColonne lista;
        TEsitoSviluppo esito;
        EXPECT_EQ(SviluppaFinoAdErrore(lista, dati, oss, esito),
                  "Il file s.Scl non è un file di colonne valido (record " +
                      std::to_string(c.colonne) +
                      ": il pilota 24 in 8º posizione non è in gioco).");
        EXPECT_TRUE(lista.Vuota());
    }
}

TEST(Sviluppo, CancelWithFileDestinationKeepsTheWrittenColumns) {
    CartellaTemporanea dir;
    auto p = PronosticoDaListe({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {11, 12, 13},
                                {14, 15},
                                {16, 17},
                                {18, 19}});
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    dati.Impostazioni.InMemoria = false;
    dati.Impostazioni.FileDestinazione = (dir / "d.Scl").string();
    auto tutto = Esegui(false, dati, nullptr);
    const auto intero = LeggiByte(dir / "d.Scl");
    ASSERT_EQ(intero.size(), 5040u * 24 * 8);
    auto r = Esegui(false, dati, nullptr, 8);
    EXPECT_TRUE(r.Esito.Interrotto);
    EXPECT_TRUE(r.Colonne.empty());
    EXPECT_EQ(r.Esito.ColonneSviluppate, 0);
    const auto parte = LeggiByte(dir / "d.Scl");
    EXPECT_GT(parte.size(), 0u);
    EXPECT_LT(parte.size(), intero.size());
    EXPECT_TRUE(std::equal(parte.begin(), parte.end(), intero.begin()));
    EXPECT_TRUE(SoloStatoFinale(r));
    EXPECT_TRUE(std::any_of(r.Eventi.begin(), r.Eventi.end(),
                            [](const TEvento& e) { return e.Parti == 0; }));  // dialog closed
}

TEST(Sviluppo, BadFilesAreRefusedBeforeAnythingIsTouched) {
    CartellaTemporanea dir;
    auto p = PronosticoDaListe({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}});
    struct Caso {
        const char* nome;
        bool daFile;
        std::string sorgente, destinazione;
        std::string errore;
    } casi[] = {
        {"missing source", true, (dir / "manca.Scl").string(), "",
         "Impossibile Caricare il File Colonnare manca.Scl: file non trovato."},
        {"source is a folder", true, dir.Percorso().string(), "",
         // the name rule gives a name without "." the extension
         "Impossibile Caricare il File Colonnare " + dir.Percorso().filename().string() +
             ".Scl: file non trovato."},
        {"destination folder missing", false, "", (dir / "no" / "d.Scl").string(),
         "Impossibile Creare il File Colonnare d.Scl: la cartella " + (dir / "no").string() +
             " non esiste."},
    };
    for (const auto& c : casi) {
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Sorgente.DaPronostico = !c.daFile;
        dati.Sorgente.FileSorgente = c.sorgente;
        if (!c.destinazione.empty()) {
            dati.Impostazioni.InMemoria = false;
            dati.Impostazioni.FileDestinazione = c.destinazione;
        }
        TFiltro filtro([](const TColonna&) { return true; });
        TListaColonne lista;
        lista.Accoda(Col({9, 9, 9, 9, 9, 9, 9, 9}));
        TEsitoSviluppo esito;
        TServiziSviluppo s;
        s.Test = &filtro;
        try {
            SviluppaSistema(lista, dati, s, esito);
            ADD_FAILURE() << c.nome;
        } catch (const TErroreSirvela& e) {
            EXPECT_EQ(e.what(), c.errore) << c.nome;
        }
        EXPECT_EQ(lista.Quante(), 1) << c.nome;
        EXPECT_FALSE(esito.Avviato) << c.nome;
        EXPECT_EQ(filtro.Preparazioni, 0) << c.nome;
    }
}

TEST(Sviluppo, SourceVanishingBetweenPassesLeavesNoFileBehind) {
    CartellaTemporanea dir;
    const auto sorgente = dir / "s.Scl";
    ScriviByte(sorgente, ByteColonne(ColonneDistinte(50)));
    TDatiSviluppo dati;
    dati.Sorgente.DaPronostico = false;
    dati.Sorgente.FileSorgente = sorgente.string();
    dati.Impostazioni.VinciteMultiple = 2;
    dati.Impostazioni.InMemoria = false;
    dati.Impostazioni.FileDestinazione = (dir / "d.Scl").string();
    // The source is removed when the first pass ends.
    TCambiaSorgente oss;
    oss.Quando = [](const TQuadroSviluppo& q, unsigned parti) {
        return (parti & ParteTotali) && q.Finali.rfind("50 ", 0) == 0;
    };
    oss.Azione = [&] { std::filesystem::remove(sorgente); };
    TListaColonne lista;
    TEsitoSviluppo esito;
    EXPECT_EQ(SviluppaFinoAdErrore(lista, dati, oss, esito),
              "Impossibile Caricare il File Colonnare s.Scl: file non trovato.");
    EXPECT_TRUE(esito.Avviato);
    EXPECT_EQ(esito.Passo, 2);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Percorso()));  // no destination, no leftovers
}

TEST(Sviluppo, StoredValuesOutOfRangeAreBroughtIntoRange) {
    auto p = PronosticoDaListe({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8, 9}});
    struct Caso {
        int garanzia, vincite;
        std::size_t colonne;
        std::int64_t passi;
    } casi[] = {
        {0, 0, 1, 1},     // guarantee 30 (covers), one pass instead of never ending
        {200, 1, 1, 1},   // 92: the two columns score 92
        {80, 255, 1, 10}  // ten passes at most
    };
    for (const auto& c : casi) {
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Impostazioni.Autoriduzione = true;
        dati.Impostazioni.Garanzia = static_cast<std::uint8_t>(c.garanzia);
        dati.Impostazioni.VinciteMultiple = static_cast<std::uint8_t>(c.vincite);
        auto r = Esegui(false, dati, nullptr);
        EXPECT_EQ(r.Colonne.size(), c.colonne) << c.garanzia;
        EXPECT_EQ(r.Esito.Passo, c.passi) << c.garanzia;
        EXPECT_EQ(r.Eventi.front().Quadro.TitoloRiduzione,
                  "Autoriduzione a Garanzia del punteggio " +
                      std::to_string(std::clamp(c.garanzia, 30, 92)));
    }
}

TEST(Sviluppo, MemoryRunningOutIsReportedNotACrash) {
    auto p = PronosticoDaListe({{1, 2, 3}, {4, 5, 6}, {7, 8}, {9}, {10}, {11}, {12}, {13}});
    int chiamate = 0;
    TFiltro filtro([&](const TColonna&) -> bool {
        if (++chiamate == 7) throw std::bad_alloc();
        return true;
    });
    TDatiSviluppo dati;
    dati.Pronostico = &p;
    TMessaggiRegistra messaggi;
    TServiziSviluppo base;
    base.Messaggi = &messaggi;
    auto r = Esegui(false, dati, &filtro, -1, base);
    EXPECT_EQ(messaggi.Testi, std::vector<std::string>{kErroreMemoriaSviluppo});
    EXPECT_TRUE(r.Esito.MemoriaEsaurita);
    EXPECT_TRUE(r.Colonne.empty());
    EXPECT_TRUE(SoloStatoFinale(r));
}

TEST(Sviluppo, AFailedDestinationWriteIsReported) {
    CartellaTemporanea dir;
    auto p = PronosticoDaListe({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                {11, 12, 13, 14, 15},
                                {16, 17, 18, 19},
                                {20},
                                {21},
                                {22},
                                {23}});
    for (bool riduzione : {false, true}) {
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Impostazioni.InMemoria = false;
        dati.Impostazioni.Autoriduzione = riduzione;
        dati.Impostazioni.Garanzia = 92;
        dati.Impostazioni.FileDestinazione = (dir / "d.Scl").string();
        TServiziSviluppo base;
        base.ApriScrittura = [](const std::filesystem::path&) {
            auto w = std::make_unique<TScrittore>();
            w->ImpostaLimite(8000);  // the second block fails
            return w;
        };
        auto r = Esegui(false, dati, nullptr, -1, base);
        EXPECT_EQ(r.Errore, "Impossibile Salvare il file Colonnare d.Scl: errore di scrittura.")
            << riduzione;
        // With the reduction the kept columns stay in memory.
        EXPECT_EQ(r.Colonne.size(), riduzione ? 1800u : 0u) << riduzione;
    }
}

TEST(Sviluppo, ReducedColumnsGoToTheNameAsStored) {
    test::TCartellaDiProva programma;
    auto p = PronosticoDaListe({{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8, 9}});
    for (bool riduzione : {false, true}) {
        TDatiSviluppo dati;
        dati.Pronostico = &p;
        dati.Impostazioni.InMemoria = false;
        dati.Impostazioni.Autoriduzione = riduzione;
        dati.Impostazioni.FileDestinazione = "uscita";
        auto r = Esegui(false, dati, nullptr);
        const auto atteso =
            riduzione ? CartellaProgramma / "uscita" : CartellaColonne() / "uscita.Scl";
        EXPECT_EQ(r.Esito.FileScritto, atteso);
        EXPECT_EQ(LeggiByte(atteso).size(), riduzione ? 8u : 16u);
    }
}

// A source file that shrinks while it is read (a read that delivers less than the size said)
// is a read error: never an empty or partial result passed off as a finished run.
TEST(Sviluppo, ASourceThatCannotBeReadToItsEndIsAnError) {
    CartellaTemporanea dir;
    const auto sorgente = dir / "s.Scl";
    const auto destinazione = dir / "d.Scl";
    for (bool suFile : {false, true}) {
        ScriviByte(sorgente, ByteColonne(ColonneDistinte(2500)));
        ScriviByte(destinazione, {1, 2, 3, 4, 5, 6, 7, 8});
        TDatiSviluppo dati;
        dati.Sorgente.DaPronostico = false;
        dati.Sorgente.FileSorgente = sorgente.string();
        dati.Impostazioni.InMemoria = !suFile;
        dati.Impostazioni.FileDestinazione = destinazione.string();
        // Cut to its first block once the size has been taken.
        TCambiaSorgente oss;
        oss.Quando = [](const TQuadroSviluppo& q, unsigned parti) {
            return (parti & ParteStato) && q.Stato == "Elaborazione in Corso...";
        };
        oss.Azione = [&] { std::filesystem::resize_file(sorgente, 8000); };
        TListaColonne lista;
        TEsitoSviluppo esito;
        EXPECT_EQ(SviluppaFinoAdErrore(lista, dati, oss, esito),
                  "Impossibile Caricare il File Colonnare s.Scl: file incompleto.")
            << suFile;
        EXPECT_EQ(lista.Quante(), 0) << suFile;
        // The destination file keeps what it held.
        EXPECT_EQ(LeggiByte(destinazione), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    }
}
