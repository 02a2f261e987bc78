// The bounds of every condition kind on partial columns against a walk over all completions:
// when a bound says no completion passes, none may pass even with every recovery value
// tolerated; when it says all pass, all must even with no recovery value tolerated. The same
// for the last pilots and the pilots of position 7 it leaves.
#include <gtest/gtest.h>

#include <random>

#include "conditions/LimitiPrefisso.h"
#include "test_FrameworkSupporto.h"

using namespace sirvela;

namespace {

using V = TVerdettoPrefisso;

class TCasuale {
  public:
    explicit TCasuale(unsigned seme) : r_(seme) {}
    int Da(int a, int b) { return std::uniform_int_distribution<int>(a, b)(r_); }
    bool Su(int n) { return Da(0, n - 1) == 0; }  // one time in n

    // A table with a share of its low values accepted, a few in recovery.
    void Riempi(TTabellaValori& t, int massimo) {
        t.Azzera();
        if (Su(5)) return;
        const int quota = Da(1, 6), fino = std::min(massimo, Da(3, 40));
        for (int v = 0; v <= fino; ++v) {
            if (Da(0, 7) >= quota) continue;
            t.Voci[static_cast<std::size_t>(v)] =
                Su(6) ? TVoceValore{2, static_cast<std::uint8_t>(Da(1, 2))} : TVoceValore{1, 0};
        }
        t.LetteraLink = static_cast<char>('A' + Da(0, 1));
    }
    void Riempi(TIntervalliAmmessi& l) {
        l.Azzera();
        l.Quanti = static_cast<std::int16_t>(Da(0, 3));
        for (int i = 0; i < l.Quanti; ++i) {
            const double da = Da(0, 150) + (Su(4) ? 0.5 : 0.0);
            l.Intervalli[static_cast<std::size_t>(i)] = {
                da, da + Da(0, 40), static_cast<std::uint16_t>(Su(8) ? 0 : Da(1, 2)),
                static_cast<std::int16_t>(Da(1, 2))};
        }
    }
    void Riempi(TCondizione& c) {
        for (const TCategoria& cat : c.Categorie()) {
            if (TValoriAmmessi* v = cat.Valori) {
                Riempi(v->Principale, v->Massimo);
                if (v->SecondariaAbilitata) Riempi(v->Secondaria, v->Massimo);
                v->CampoDa = static_cast<std::uint16_t>(Da(1, 8));
                v->CampoA = static_cast<std::uint16_t>(Da(1, 8));
            } else if (cat.Intervalli) {
                Riempi(*cat.Intervalli);
            }
        }
        c.Opzione = static_cast<std::uint8_t>(Da(0, 1));
        if (auto* r = dynamic_cast<TCondResti*>(&c)) r->Divisore = Su(10) ? Da(-6, 0) : Da(2, 30);
        if (auto* d = dynamic_cast<TCondDistanzeSpecifiche*>(&c)) {
            d->Posizione1 = Da(Su(10) ? 0 : 1, 8);
            d->Posizione2 = Da(1, 8);
        }
        if (auto* s = dynamic_cast<TCondConsecDiff*>(&c))
            s->Segno = static_cast<std::uint8_t>(Da(0, 1));
        if (auto* f = dynamic_cast<TCondColonnaFiltro*>(&c)) {
            f->Confronto = Da(0, 1);
            for (auto& b : f->ColonnaFiltro)
                b = static_cast<std::uint8_t>(Su(6) ? (Su(2) ? 0 : 90) : Da(1, 16));
            f->PilotiFiltro.Svuota();
            for (int i = Da(0, 6); i > 0; --i) f->PilotiFiltro.Aggiungi(Su(8) ? 70 : Da(1, 16));
        }
        if (auto* g = dynamic_cast<TCondGruppo*>(&c)) {
            g->Membri.clear();
            for (int i = Da(1, 3); i > 0; --i) {
                Riempi(*g->AggiungiMembro());
                g->Membri.back()->Attivato = !Su(4);
            }
        }
        if (auto* q = dynamic_cast<TCondQuadro*>(&c)) RiempiQuadro(*q, 1);
    }
    void RiempiQuadro(TCondQuadro& q, int profondita) {
        static constexpr int kTipi[] = {
            kSomme, kPariDispari,   kDistanzeGlobali, kNumeriConsecutivi, kCrescenzeDecrescenze,
            kResti, kColonnaFiltro, kGruppoResti,     kSequela,           kQuadro};
        q.Membri.clear();
        for (int i = Da(1, 4); i > 0; --i) {
            const int tipo = kTipi[Da(0, profondita > 0 ? 9 : 8)];
            auto m = CreaCondizione(tipo, q.Proprietario);
            if (auto* sub = dynamic_cast<TCondQuadro*>(m.get()))
                RiempiQuadro(*sub, profondita - 1);
            else
                Riempi(*m);
            m->Attivato = !Su(5);
            q.Membri.push_back(std::move(m));
        }
        q.Relazione = static_cast<std::uint8_t>(Da(0, 3));
        q.Preset = !Su(3);
        if (q.Preset) {
            q.ApplicaPreset();
        } else {
            Riempi(q.Accettate.Principale, q.QuantiMembri());
            Riempi(q.Accettate.Secondaria, 4);
        }
    }

    std::mt19937 r_;
};

struct TConteggio {
    std::int64_t Tutte = 0;
    std::int64_t Passano = 0;         // with every recovery value still tolerated
    std::int64_t PassanoSempre = 0;   // with every link group already full
    std::uint64_t UltimiPassano = 0;  // last pilots of the columns that pass
};

// Every completion of the first `fissate` positions of `c` from the position sets, tested
// with the link groups empty and full.
void Completa(TCondizione& cond, TGestoreLink& link, const TPronostico& p, TColonna& c, int k,
              std::uint64_t usati, TConteggio& e) {
    if (k == 8) {
        ++e.Tutte;
        const std::uint64_t ultimo = std::uint64_t{1} << c[7];
        link.Azzera();
        if (cond.Valuta(c)) {
            ++e.Passano;
            e.UltimiPassano |= ultimo;
        }
        link.Azzera();
        for (char lettera = 'A'; lettera <= 'Z'; ++lettera)
            for (int livello = 1; livello <= 3; ++livello)
                for (int i = 0; i <= livello; ++i) link.RegistraErrore(lettera, livello);
        if (cond.Valuta(c)) ++e.PassanoSempre;
        return;
    }
    const TCombinazione& pos = p.Posizione[static_cast<std::size_t>(k)];
    for (int s = 0; s < pos.Conta(); ++s) {
        const int v = pos[s];
        if (usati & (std::uint64_t{1} << v)) continue;
        c[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v);
        Completa(cond, link, p, c, k + 1, usati | (std::uint64_t{1} << v), e);
    }
}

}  // namespace

TEST(LimitiPrefisso, EveryKindsBoundHoldsOnEveryCompletion) {
    const int tipi[] = {kSomme,
                        kPariDispari,
                        kBaricentri,
                        kDistanzeGlobali,
                        kVortici,
                        kNumeriConsecutivi,
                        kSimmetrie,
                        kInterruzioni,
                        kRipetizioni,
                        kCrescenzeDecrescenze,
                        kGruppoDistanzeSpecifiche,
                        kGruppoResti,
                        kGruppoConsecutivita,
                        kGruppoColonneFiltro,
                        kNumeroSequenze,
                        kQuadro};
    std::int64_t tutteInTutto = 0, esclusi = 0;
    for (const int tipo : tipi) {
        TCasuale r(static_cast<unsigned>(1000 + tipo));
        TDatiSistema d;
        auto cond = CreaCondizione(tipo, &d);
        int nessuna = 0;
        for (int prova = 0; prova < 600; ++prova) {
            if (prova % 8 == 0) {
                // New settings, and zero to two results in the archive.
                r.Riempi(*cond);
                cond->AggiornaStato();
                d.Archivio.Estrazioni.clear();
                for (int i = r.Da(0, 2); i > 0; --i) {
                    TEstrazione e;
                    for (auto& b : e.Vincente)
                        b = static_cast<std::uint8_t>(r.Su(8) ? 0 : r.Da(1, 16));
                    d.Archivio.Estrazioni.push_back(e);
                }
            }
            auto limite = cond->LimitePrefisso();
            ASSERT_TRUE(limite) << tipo;
            TPronostico p;
            const int piloti = r.Su(3) ? 25 : 12;
            std::array<std::uint64_t, 8> insiemi{};
            std::array<std::uint64_t, 9> unioni{};
            for (int k = 0; k < 8; ++k)
                for (int n = r.Da(1, 4); n > 0; --n) {
                    const int v = r.Da(1, piloti);
                    p.Posizione[static_cast<std::size_t>(k)].Aggiungi(v);
                    insiemi[static_cast<std::size_t>(k)] |= std::uint64_t{1} << v;
                }
            for (int k = 7; k >= 0; --k)
                unioni[static_cast<std::size_t>(k)] =
                    unioni[static_cast<std::size_t>(k + 1)] | insiemi[static_cast<std::size_t>(k)];
            // A partial column of different pilots from the sets.
            const int fissate = r.Da(r.Su(4) ? 1 : 3, 7);
            TColonna c{};
            std::uint64_t usati = 0;
            TPrefisso prefisso;
            bool ok = true;
            for (int k = 0; k < fissate && ok; ++k) {
                const TCombinazione& pos = p.Posizione[static_cast<std::size_t>(k)];
                const int v = pos[r.Da(0, pos.Conta() - 1)];
                ok = !(usati & (std::uint64_t{1} << v));
                usati |= std::uint64_t{1} << v;
                c[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v);
                TPrefisso prima = prefisso;
                if (k == 0)
                    prefisso.Inizia(&insiemi, &unioni, static_cast<std::uint8_t>(v));
                else
                    prefisso.Estendi(prima, static_cast<std::uint8_t>(v));
            }
            if (!ok) continue;
            const V verdetto = limite->Esamina(prefisso);
            TConteggio e;
            Completa(*cond, *d.Recuperi, p, c, fissate, usati, e);
            if (fissate == 7) {
                // By last pilot: every one that passes is among those it leaves.
                const std::uint64_t possibili = limite->Ultimi(prefisso);
                ASSERT_EQ(e.UltimiPassano & ~possibili, 0u) << tipo << " trial " << prova;
                esclusi += ContaBit(prefisso.Possibili(7) & ~possibili);
            }
            if (fissate == 6) {
                const std::uint64_t penultimi = limite->Penultimi(prefisso);
                for (std::uint64_t x = 0; x < 64; ++x)
                    if (e.UltimiPassano && !((penultimi >> x) & 1u)) {
                        // No completion with x at position 7 passes.
                        TConteggio conX;
                        TColonna conPenultimo = c;
                        conPenultimo[6] = static_cast<std::uint8_t>(x);
                        if (!(prefisso.Possibili(6) & (std::uint64_t{1} << x))) continue;
                        Completa(*cond, *d.Recuperi, p, conPenultimo, 7,
                                 usati | (std::uint64_t{1} << x), conX);
                        ASSERT_EQ(conX.Passano, 0) << tipo << " trial " << prova << " x " << x;
                    }
            }
            const std::string caso = "kind " + std::to_string(tipo) + ", trial " +
                                     std::to_string(prova) + ", fixed " + std::to_string(fissate);
            if (verdetto == V::Nessuna) {
                ++nessuna;
                ASSERT_EQ(e.Passano, 0) << caso;
            }
            if (verdetto == V::Tutte) {
                tutteInTutto += e.Tutte;
                ASSERT_EQ(e.PassanoSempre, e.Tutte) << caso;
            }
        }
        // Each kind's bound rules out some partial columns.
        EXPECT_GT(nessuna, 5) << "kind " << tipo;
    }
    EXPECT_GT(tutteInTutto, 1000);
    EXPECT_GT(esclusi, 100);
}
