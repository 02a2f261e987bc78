#include <gtest/gtest.h>

#include <deque>

#include "archive/AggiornamentoArchivio.h"
#include "archive/ImpostazioniDiRicerca.h"
#include "archive/InserimentoFiltri.h"
#include "core/Errore.h"
#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "support/CartellaDiProva.h"
#include "support/Supporto.h"

namespace sirvela {
namespace {

// Answers from a queue and records what was shown.
struct MessaggiFinti : IMessaggi {
    std::deque<int> Risposte;
    std::vector<std::string> Testi;
    int Mostra(const std::string& titolo, const std::string& testo, int pulsanti) override {
        Testi.push_back(titolo + ": " + testo + " " + std::to_string(pulsanti));
        int r = Risposte.empty() ? 0 : Risposte.front();
        if (!Risposte.empty()) Risposte.pop_front();
        return r;
    }
    void Errore(const std::string& testo) override { Testi.push_back(testo); }
};

TEstrazione Concorso(int anno, int numero) {
    TEstrazione e;
    e.Anno = anno;
    e.Numero = static_cast<std::uint8_t>(numero);
    e.Vincente = {1, 2, 3, 4, 5, 6, 7, 8};
    return e;
}

TArchivio DueAnni() {  // 1999/1 .. 1999/40, 2000/1 .. 2000/20
    TArchivio a;
    for (int n = 1; n <= 60; ++n)
        a.Estrazioni.push_back(Concorso(n <= 40 ? 1999 : 2000, (n - 1) % 40 + 1));
    return a;
}

std::string Mostrato(const TAggiornamentoArchivio& m) {
    return m.Vista().Anno + "/" + m.Vista().Numero;
}

TEST(TAggiornamentoArchivio, OneYearBackAndForward) {
    TArchivio a = DueAnni();
    MessaggiFinti msg;
    TAggiornamentoArchivio m(a, msg);
    // start index, back?, where it lands
    for (auto [da, indietro, a_] : {std::tuple{49, true, "1999/10"},
                                    {9, false, "2000/10"},
                                    {54, false, "2000/20"},
                                    {5, true, "1999/1"}}) {
        m.Primo();
        for (int i = 0; i < da; ++i) m.Successivo();
        indietro ? m.AnnoIndietro() : m.AnnoAvanti();
        EXPECT_EQ(Mostrato(m), a_) << da;
    }
    TArchivio vuoto;
    TAggiornamentoArchivio nulla(vuoto, msg);
    nulla.AnnoAvanti();
    nulla.AnnoIndietro();
    EXPECT_FALSE(nulla.Elimina());
    EXPECT_EQ(nulla.Vista().Numero, "");
}

TEST(TAggiornamentoArchivio, AddChangeAndDelete) {
    TArchivio a;
    a.Estrazioni = {Concorso(1999, 15), Concorso(2000, 5)};
    MessaggiFinti msg;
    TAggiornamentoArchivio m(a, msg);
    EXPECT_EQ(m.NuovoConcorso().Anno * 1000 + m.NuovoConcorso().Numero, 2000006);
    m.Aggiungi(Concorso(2000, 3));
    EXPECT_EQ(m.Indice(), 1);
    TEstrazione cambiato = m.ConcorsoCorrente();
    cambiato.Anno = 1998;
    m.Modifica(cambiato);  // moves first; the display follows it
    EXPECT_EQ(Mostrato(m), "1998/3");
    EXPECT_EQ(a.Quante(), 3);

    m.Ultimo();
    msg.Risposte = {PulsanteNo, PulsanteSi};
    EXPECT_FALSE(m.Elimina());
    EXPECT_EQ(msg.Testi.back(), std::string("Conferma: ") + kConfermaEliminaConcorso + " 6");
    EXPECT_TRUE(m.Elimina());
    EXPECT_EQ(Mostrato(m), "1999/15");  // the previous becomes current
    EXPECT_TRUE(m.Modificato());
}

TEST(TEditorConcorso, DuplicatesRefusedOnlyWhenAdding) {
    TArchivio a;
    a.Estrazioni = {Concorso(2000, 5), Concorso(2000, 7)};
    MessaggiFinti msg;
    const int piloti[] = {3, 1, 2};
    TEditorConcorso aggiunta(a, msg, TEditorConcorso::Modo::Aggiunta, {});
    EXPECT_FALSE(aggiunta.Ok(7, 2000, piloti));
    EXPECT_EQ(msg.Testi[0], std::string("Informazione: ") + kConcorsoGiaPresente + " 1");
    EXPECT_TRUE(aggiunta.Ok(8, 2000, piloti));
    EXPECT_EQ(aggiunta.Concorso.Vincente, (TColonna{3, 1, 2}));

    TEditorConcorso modifica(a, msg, TEditorConcorso::Modo::Modifica, a[0]);
    EXPECT_TRUE(modifica.Ok(7, 2000, piloti));
    const int grande[] = {1, 256};
    EXPECT_FALSE(modifica.Ok(1, 2000, grande));
}

TEST(TAggiornamentoArchivio, OkSavesCancelReloadsFailuresReported) {
    test::TCartellaDiProva dir;
    TArchivio a = DueAnni();
    ASSERT_TRUE(a.Salva());
    MessaggiFinti msg;
    TAggiornamentoArchivio m(a, msg);
    m.Aggiungi(Concorso(2000, 21));
    EXPECT_TRUE(m.Annulla());
    EXPECT_EQ(a.Quante(), 60);
    m.Aggiungi(Concorso(2000, 21));
    EXPECT_TRUE(m.Ok());
    ASSERT_TRUE(a.Carica());
    EXPECT_EQ(a.Quante(), 61);

    std::filesystem::remove_all(CartellaArchivi());
    m.Aggiungi(Concorso(2000, 22));
    EXPECT_FALSE(m.Ok());
    EXPECT_EQ(a.Quante(), 62);  // the edits stay in memory
    m.Aggiungi(Concorso(2000, 23));
    EXPECT_FALSE(m.Annulla());
    const std::string cartella = CartellaArchivi().string();
    EXPECT_EQ(msg.Testi, (std::vector<std::string>{
                             "Impossibile salvare gli archivi sirarch.dat: la cartella " +
                                 cartella + " non esiste.",
                             "Impossibile caricare gli archivi sirarch.dat: file non trovato."}));
}

TEST(TImpostazioniDiRicerca, ItemsClampingTextsAndBar) {
    TArchivio a = DueAnni();
    TImpostazioniDiRicerca r(a);
    EXPECT_EQ(r.Voci()[4], "Nº5 1999");
    EXPECT_EQ(r.AnnoFinale(), "Anno 2000");
    EXPECT_EQ(r.LarghezzaBarra(), 213);  // Al = -1: up to the last
    r.ScegliFine(44);
    r.ScegliInizio(30);
    EXPECT_EQ(r.TestoInizio(), "Anno 1999     Concorso Nº 31");
    EXPECT_EQ(r.TestoFine(), "Anno 2000     Concorso Nº 5");
    EXPECT_EQ((std::array{r.Lunghezza(), r.SinistraBarra(), r.LarghezzaBarra()}),
              (std::array{15, 106, 53}));
    r.ScegliInizio(50);
    r.ScegliFine(10);
    EXPECT_EQ(r.Inizio() + r.Fine(), 88);  // both on 44
    r.Conferma(a.Selezione);
    EXPECT_EQ(a.Selezione.Dal + a.Selezione.Al, 90);

    a.Selezione.Dal = 90;  // ordinals left from a longer archive
    EXPECT_EQ(TImpostazioniDiRicerca(a).Inizio(), 44);
    TArchivio vuoto;
    EXPECT_EQ(TImpostazioniDiRicerca(vuoto).LarghezzaBarra(), 0);
}

TEST(InserimentoFiltri, FromArchiveOrColumnFile) {
    TIntervalloArchivio i(10);
    i.ImpostaInizio(5);
    i.ImpostaFine(3);  // 5..3 cannot be had
    EXPECT_EQ(i.Fine(), 5);

    TArchivio a;
    a.Estrazioni = {Concorso(2000, 1), Concorso(2000, 2), Concorso(2000, 3)};
    a[1].Vincente[7] = 0;  // not every position given
    a[2].Vincente = {9, 8, 7, 6, 5, 4, 3, 2};
    auto pos = FiltriDaArchivio(a, -5, 99, TTipoConfronto::DiPosizione);
    ASSERT_EQ(pos.size(), 2u);
    EXPECT_TRUE(pos[1].DiPosizione);
    EXPECT_EQ(pos[1].ColonnaFiltro, a[2].Vincente);
    EXPECT_EQ(pos[1].Confronto, 0);
    auto gir = FiltriDaArchivio(a, 3, 3, TTipoConfronto::AGirare, 1);
    ASSERT_EQ(gir.size(), 1u);
    EXPECT_EQ(gir[0].PilotiFiltro, ListaDaColonna(a[2].Vincente));
    EXPECT_EQ(gir[0].Confronto, 1);

    test::CartellaTemporanea dir;
    const TPilotiInGioco piloti(23, 23);
    TListaColonne l;
    l.Accoda({4, 5, 6, 1, 2, 3, 7, 8});
    ASSERT_TRUE(l.SalvaSuFile(dir / "f.Scl"));
    auto filtri = FiltriDaFile(dir / "f.Scl", piloti);
    ASSERT_EQ(filtri.size(), 1u);
    EXPECT_FALSE(filtri[0].DiPosizione || filtri[0].Confronto.has_value());
    EXPECT_EQ(filtri[0].PilotiFiltro.Conta(), 8);

    // A file that is no column file fills nothing and says which file and why.
    test::ScriviByte(dir / "parziale.Scl", {4, 5, 6, 0, 0, 0, 0, 0});
    test::ScriviByte(dir / "fuori.Scl", {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 23});
    for (const auto& [nome, messaggio] : std::vector<std::pair<std::string, std::string>>{
             {"manca.Scl",
              "Errore durante la lettura del file colonnare manca.Scl: file non "
              "trovato."},
             {"parziale.Scl",
              "Il file parziale.Scl non è un file di colonne valido (record 1: "
              "nessun pilota in 4º posizione)."},
             {"fuori.Scl",
              "Il file fuori.Scl non è un file di colonne valido (record 2: il "
              "pilota 23 in 8º posizione non è in gioco)."},
         }) {
        try {
            FiltriDaFile(dir / nome, piloti);
            ADD_FAILURE() << nome;
        } catch (const TErroreSirvela& e) {
            EXPECT_EQ(std::string(e.what()), messaggio);
        }
    }
}

}  // namespace
}  // namespace sirvela
