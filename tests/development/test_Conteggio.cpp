// The live count: the development's counting mode against the development itself, the sampled
// estimate's interval against exact counts, cancel and restart, the copies with a dialog's
// unconfirmed values, and the texts.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <random>

#include "Riferimento.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "core/FlussoBinario.h"
#include "development/Conteggio.h"
#include "development/SviluppoSistema.h"
#include "support/Supporto.h"

using namespace sirvela;
using namespace sirvela::test;

namespace {

// The columns the document's development keeps with no reduction and one pass, in memory.
std::int64_t SviluppoSenzaRiduzione(T_Sistema& s) {
    const TImpostazioniSviluppo prima = s.Dati.ImpSviluppo;
    s.Dati.ImpSviluppo.Autoriduzione = false;
    s.Dati.ImpSviluppo.InMemoria = true;
    s.Dati.ImpSviluppo.VinciteMultiple = 1;
    TServiziSviluppo servizi;
    servizi.Fili = 1;
    TEsitoSviluppo esito;
    SviluppaSistema(s, servizi, esito);
    s.Dati.ImpSviluppo = prima;
    s.Dati.Colonne.Svuota();
    return esito.ColonneSviluppate;
}

std::int64_t Esatto(const TDatiSistema& d, int fili = 1) {
    auto copia = CopiaPerConteggio(d);
    TEsitoConteggio e;
    EXPECT_TRUE(ContaEsatto(*copia, fili, nullptr, e));
    EXPECT_TRUE(e.Errore.empty()) << e.Errore;
    return e.Colonne;
}

TPronostico Uguali(int piloti) {
    TPronostico p;
    for (auto& pos : p.Posizione)
        for (int v = 1; v <= piloti; ++v) pos.Aggiungi(v);
    return p;
}

}  // namespace

TEST(Conteggio, CountsWhatTheDevelopmentWithoutReductionKeeps) {
    CartellaTemporanea dir;
    std::mt19937 r(4242);
    std::int64_t totale = 0;
    for (int prova = 0; prova < 24; ++prova) {
        T_Sistema s;
        SistemaCasuale(s, r, prova);
        const auto destinazione = dir / "d.Scl";
        s.Dati.ImpSviluppo.FileDestinazione = destinazione.string();
        if (prova % 6 == 5) {
            // Columns of eight different pilots in play: a source file is refused otherwise.
            std::vector<std::uint8_t> byte;
            std::array<std::uint8_t, 12> piloti{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
            for (int i = 0; i < 3000; ++i) {
                std::shuffle(piloti.begin(), piloti.end(), r);
                byte.insert(byte.end(), piloti.begin(), piloti.begin() + 8);
            }
            ScriviByte(dir / "s.Scl", byte);
            s.Dati.Sorgente.DaPronostico = false;
            s.Dati.Sorgente.FileSorgente = (dir / "s.Scl").string();
        }
        const std::string caso = "prova " + std::to_string(prova);
        // A stored system without reduction develops its passes one after the other, each
        // storing every column again.
        const auto& imp = s.Dati.ImpSviluppo;
        const int passi = imp.Autoriduzione ? 1 : imp.VinciteMultiple;
        const std::int64_t atteso = SviluppoSenzaRiduzione(s) * passi;
        totale += atteso;
        for (int fili : {1, 3}) {
            EXPECT_EQ(Esatto(s.Dati, fili), atteso) << caso << " fili " << fili;
            // Counting writes no file, whatever the system's destination.
            EXPECT_FALSE(std::filesystem::exists(destinazione)) << caso;
        }
    }
    EXPECT_GT(totale, 1000);
}

TEST(Conteggio, ASourceFileThatCannotBeReadGivesItsMessage) {
    T_Sistema s;
    s.Dati.Sorgente.DaPronostico = false;
    s.Dati.Sorgente.FileSorgente = "/non/esiste/s.Scl";
    TEsitoConteggio e;
    EXPECT_TRUE(ContaEsatto(s.Dati, 1, nullptr, e));
    EXPECT_FALSE(e.Esatto);
    EXPECT_EQ(e.Errore, "Impossibile Caricare il File Colonnare s.Scl: file non trovato.");
}

// The interval must cover the exact count in 95 of 100 systems or more. The systems are the
// rich ones with random sets and conditions (those that keep no column say nothing about the
// interval and are skipped); the samples are of a few sizes, from small to large.
TEST(Conteggio, TheEstimatesIntervalCoversTheExactCount) {
    std::mt19937 r(31337);
    const std::int64_t campioni[] = {2000, 6000, 20000, 60000};
    int sistemi = 0, coperti = 0, prova = 0;
    while (sistemi < 100) {
        T_Sistema s;
        SistemaCasuale(s, r, prova);
        const std::int64_t esatto = Esatto(s.Dati);
        if (esatto == 0) {
            ++prova;
            continue;
        }
        auto copia = CopiaPerConteggio(s.Dati);
        const std::int64_t n = campioni[sistemi % 4];
        const TStima st = StimaSistema(*copia, 1000 + static_cast<std::uint64_t>(prova), 0, n);
        ASSERT_EQ(st.Campione, n);
        EXPECT_LE(st.Min, st.Stima);
        EXPECT_GE(st.Max, st.Stima);
        const double e = static_cast<double>(esatto);
        if (st.Min <= e && e <= st.Max) ++coperti;
        // Honest also means useful: with enough columns passing the interval is narrow.
        if (st.Passate >= 400) {
            EXPECT_LT(st.ErroreRelativo(), 0.15) << "prova " << prova;
        }
        ++sistemi;
        ++prova;
    }
    EXPECT_GE(coperti, 95);
}

TEST(Conteggio, IntervalFromTheSample) {
    struct Caso {
        std::int64_t passate, campione;
        double candidati;
        int passi;
        double stima, min, max;
    } casi[] = {
        {0, 100, 1000, 1, 0, 0, 47},
        {100, 100, 1000, 1, 1000, 953, 1000},
        {50, 100, 1000, 1, 500, 399, 601},
        {300, 1000, 5000, 1, 1500, 1359, 1649},
        {300, 1000, 5000, 2, 3000, 2719, 3297},
        {1, 10000, 1e9, 1, 1e5, 5220, 649241},
        {0, 0, 5000, 1, 0, 0, 5000},
    };
    for (const auto& c : casi) {
        const TStima s = StimaDaCampione(c.passate, c.campione, c.candidati, c.passi);
        EXPECT_DOUBLE_EQ(s.Stima, c.stima) << c.passate << "/" << c.campione;
        EXPECT_DOUBLE_EQ(s.Min, c.min) << c.passate << "/" << c.campione;
        EXPECT_DOUBLE_EQ(s.Max, c.max) << c.passate << "/" << c.campione;
    }
}

// Whatever the order and the timing of the requests, once a request is made nothing but its
// own results arrive: estimates, then its exact count, and nothing after that.
TEST(Conteggio, ARestartNeverReportsAStaleCount) {
    struct Arrivo {
        std::uint64_t richiesta;
        TEsitoConteggio esito;
    };
    std::mutex mutex;
    std::condition_variable arrivato;
    std::vector<Arrivo> arrivi;
    TConteggioDalVivo::TOpzioni o;
    o.SogliaStima = 1e6;  // the larger system gets estimates at once
    o.Seme = 5;
    TConteggioDalVivo conteggio(
        [&](std::uint64_t richiesta, const TEsitoConteggio& e) {
            std::lock_guard b(mutex);
            arrivi.push_back({richiesta, e});
            arrivato.notify_all();
        },
        o);
    T_Sistema grande, piccolo;
    grande.Dati.Pronostico = Uguali(12);
    grande.Dati.ImpSviluppo.UsaCondizioni = false;
    piccolo.Dati.Pronostico = Uguali(9);
    const std::int64_t esatti[] = {Esatto(grande.Dati), Esatto(piccolo.Dati)};
    std::mt19937 r(11);
    for (int prova = 0; prova < 12; ++prova) {
        const int ultimo = prova % 3 == 2 ? 0 : 1;
        conteggio.Richiedi(CopiaPerConteggio((ultimo == 0 ? piccolo : grande).Dati));
        std::this_thread::sleep_for(std::chrono::microseconds(r() % 3000));
        std::size_t dopo;
        const std::uint64_t richiesta =
            conteggio.Richiedi(CopiaPerConteggio((ultimo == 0 ? grande : piccolo).Dati));
        {
            std::lock_guard b(mutex);
            dopo = arrivi.size();
        }
        std::unique_lock b(mutex);
        ASSERT_TRUE(
            arrivato.wait_for(b, std::chrono::seconds(60),
                              [&] { return !arrivi.empty() && arrivi.back().esito.Esatto; }))
            << "prova " << prova;
        b.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        b.lock();
        ASSERT_GT(arrivi.size(), dopo);
        for (std::size_t i = dopo; i < arrivi.size(); ++i)
            EXPECT_EQ(arrivi[i].richiesta, richiesta) << "prova " << prova;
        EXPECT_TRUE(arrivi.back().esito.Esatto) << "prova " << prova;
        EXPECT_EQ(arrivi.back().esito.Colonne, esatti[ultimo == 0 ? 0 : 1]) << "prova " << prova;
        arrivi.clear();
    }
}

// A dialog's values reach the copy at the place of the condition they stand for, however deep
// in containers and Quadri, the outer ones first; the system itself is left alone.
TEST(Conteggio, CopiesTakeTheDialogsValuesInPlace) {
    T_Sistema s;
    RiempiSistemaRicco(s);
    TDatiSistema& d = s.Dati;
    const auto impronta = ImprontaConteggio(d);
    EXPECT_EQ(ImprontaConteggio(*CopiaPerConteggio(d)), impronta);

    auto& quadro = static_cast<TCondQuadro&>(*d.Condizioni->Condizione(kQuadro));
    TCondizione* profondo = nullptr;  // the member of the Quadro inside a Quadro inside it
    for (auto& m : quadro.Membri)
        if (auto* sub = dynamic_cast<TCondQuadro*>(m.get()))
            for (auto& mm : sub->Membri)
                if (auto* subsub = dynamic_cast<TCondQuadro*>(mm.get()))
                    profondo = subsub->Membro(0);
    ASSERT_NE(profondo, nullptr);
    auto& resti = static_cast<TCondGruppo&>(*d.Condizioni->Condizione(kGruppoResti));
    ASSERT_GE(resti.QuantiMembri(), 1);

    TSostituzioni sost;
    // The container as its dialog has it (switched off), then a member edited inside it.
    auto gruppo = resti.Clona();
    gruppo->Attivato = !resti.Attivato;
    sost.Aggiungi(resti.Membro(0), [&] {
        auto m = resti.Membro(0)->Clona();
        m->Attivato = !m->Attivato;
        return m;
    }());
    sost.Aggiungi(&resti, std::move(gruppo));
    auto p = profondo->Clona();
    p->Attivato = !profondo->Attivato;
    sost.Aggiungi(profondo, std::move(p));
    T_Sistema estraneo;  // not in the system: left out
    sost.Aggiungi(estraneo.Dati.Condizioni->Condizione(kSomme),
                  estraneo.Dati.Condizioni->Condizione(kSomme)->Clona());
    TGestoreLink link(&d);
    link.CopiaDa(*d.Recuperi);
    link.ErroriAmmessiTotali.Principale.Voci[7].Stato = 1;
    TScrittore record;
    link.Salva(record);
    sost.Link = record.Dati();

    auto copia = CopiaPerConteggio(d, std::move(sost));
    ASSERT_NE(copia, nullptr);
    EXPECT_EQ(ImprontaConteggio(d), impronta);  // the system unchanged
    auto& resti2 = static_cast<TCondGruppo&>(*copia->Condizioni->Condizione(kGruppoResti));
    EXPECT_EQ(resti2.Attivato, !resti.Attivato);
    EXPECT_EQ(resti2.Membro(0)->Attivato, !resti.Membro(0)->Attivato);
    const auto& quadro2 = static_cast<TCondQuadro&>(*copia->Condizioni->Condizione(kQuadro));
    int diversi = 0;
    for (int i = 0; i < quadro.QuantiMembri(); ++i) {
        TScrittore a, b;
        quadro.Membro(i)->Salva(a);
        quadro2.Membro(i)->Salva(b);
        diversi += a.Dati() != b.Dati();
    }
    EXPECT_EQ(diversi, 1);  // only the one holding the deep member
    EXPECT_EQ(copia->Recuperi->ErroriAmmessiTotali.Principale.Voci[7].Stato, 1);
    // Everything else as the system has it.
    auto& somme = *copia->Condizioni->Condizione(kSomme);
    TScrittore a, b;
    somme.Salva(a);
    d.Condizioni->Condizione(kSomme)->Salva(b);
    EXPECT_EQ(a.Dati(), b.Dati());
}

TEST(Conteggio, Texts) {
    auto esatto = [](std::int64_t n) {
        TEsitoConteggio e;
        e.Esatto = true;
        e.Colonne = n;
        return e;
    };
    auto stima = [](double v, double min, double max, std::int64_t passate = 1000) {
        TEsitoConteggio e;
        e.Stima.Stima = v;
        e.Stima.Min = min;
        e.Stima.Max = max;
        e.Stima.Passate = passate;
        return e;
    };
    TPrezzi lire;
    TPrezzi euro;
    euro.Euro = true;
    euro.PrezzoEuro = 0.52;
    TEsitoConteggio errore;
    errore.Errore = kErroreCaricaColonne;
    struct Caso {
        TEsitoConteggio e;
        TPrezzi prezzi;
        int partecipanti;
        std::string atteso;
    } casi[] = {
        {esatto(14998), lire, 1, "Colonne previste: 14.998 — Costo: £ 14.998.000"},
        {esatto(30), lire, 3, "Colonne previste: 30 — Costo: £ 10.000 1/3"},
        {esatto(1234), euro, 1, "Colonne previste: 1.234 — Costo: € 641,68"},
        {esatto(0), lire, 1, "Colonne previste: 0 — Costo: £ 0"},
        {stima(1.2e6, 1182000, 1218000), lire, 1,
         "Colonne previste: ≈ 1,2 milioni (±1,5%) — Costo: ≈ £ 1.200.000.000"},
        {stima(12345, 12000, 12700), lire, 1,
         "Colonne previste: ≈ 12.000 (±2,9%) — Costo: ≈ £ 12.000.000"},
        {stima(2.345678e9, 2.3363e9, 2.3551e9), euro, 2,
         "Colonne previste: ≈ 2,35 miliardi (±0,4%) — Costo: ≈ € 610.000.000 1/2"},
        {stima(0, 0, 5000, 0), lire, 1, "Colonne previste: ≈ 0 (al massimo 5.000) — Costo: ≈ £ 0"},
        {errore, lire, 1,
         "Colonne previste: conteggio non riuscito (Impossibile Caricare il File Colonnare)"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoColonnePreviste(c.e, c.prezzi, c.partecipanti), c.atteso);

    const TEsitoConteggio prima = esatto(14998);
    struct CasoDialogo {
        TEsitoConteggio e;
        const TEsitoConteggio* prima;
        std::string atteso;
    } dialogo[] = {
        {esatto(9244), &prima, "Con queste impostazioni: 9.244 colonne (−5.754)"},
        {esatto(15010), &prima, "Con queste impostazioni: 15.010 colonne (+12)"},
        {esatto(14998), &prima, "Con queste impostazioni: 14.998 colonne"},
        {esatto(1), nullptr, "Con queste impostazioni: 1 colonna"},
        {stima(1.2e6, 1182000, 1218000), &prima,
         "Con queste impostazioni: ≈ 1,2 milioni di colonne (±1,5%)"},
        {stima(12345, 12000, 12700), nullptr, "Con queste impostazioni: ≈ 12.000 colonne (±2,9%)"},
    };
    for (const auto& c : dialogo) EXPECT_EQ(TestoConteggioDialogo(c.e, c.prima), c.atteso);
}
