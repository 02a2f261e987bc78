#include "development/RiduzioneMigliorata.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <unordered_map>

#include "core/Parallelo.h"
#include "development/GrafoCopertura.h"
#include "development/ImpostazioniSviluppo.h"
#include "development/IndiceVicini.h"
#include "development/QuadroSviluppo.h"
#include "development/Riduzione.h"
#include "development/RiduzioneLimite.h"
#include "development/RiduzioneRicerca.h"

namespace sirvela {
namespace {

// Memory the search chains may take together.
constexpr double kMemoriaCatene = 2e9;
// Neighbour visits a chain makes in one round of the search, about a tenth of a second.
constexpr double kVisiteTurno = 2e7;
// Rounds of the relaxation at most, and the share of the time it may take.
constexpr std::int64_t kIterazioniLimite = 5000;
constexpr double kQuotaLimite = 0.2;
// Rounds without a better cover after which a chain behind the best one starts again from it.
constexpr int kPazienza = 8;

std::uint64_t Mescola(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

TColonna Colonna(std::uint64_t w) {
    TColonna c;
    std::memcpy(c.data(), &w, 8);
    return c;
}

// For k = 1 the optimised cover needs nothing more. Otherwise, without the graph: each
// column in turn takes the first neighbours not chosen yet until it has its requirement.
// False when cancelled.
bool CompletaSenzaGrafo(const std::vector<std::uint64_t>& parole, int garanzia, int vincite,
                        std::vector<std::uint64_t>& scelte, const TAnnullamento* annullamento) {
    if (vincite <= 1) return true;
    std::vector<std::uint64_t> distinte;
    std::unordered_map<std::uint64_t, std::uint32_t> numeri;
    for (std::uint64_t w : parole)
        if (numeri.try_emplace(w, static_cast<std::uint32_t>(distinte.size())).second)
            distinte.push_back(w);
    std::vector<std::uint8_t> scelta(distinte.size(), 0);
    for (std::uint64_t w : scelte) scelta[numeri.at(w)] = 1;
    TIndiceVicini indice(garanzia);
    for (std::uint64_t w : distinte) indice.Aggiungi(w);
    std::vector<std::uint32_t> altri;
    for (std::size_t v = 0; v < distinte.size(); ++v) {
        if ((v & 1023) == 0 && annullamento && annullamento->Richiesto()) return false;
        int coperta = 0;
        altri.clear();
        indice.PerOgniVicino(distinte[v], [&](std::uint32_t j, int) {
            if (scelta[j])
                ++coperta;
            else
                altri.push_back(j);
            return true;
        });
        std::sort(altri.begin(), altri.end());
        for (std::size_t i = 0; coperta < vincite && i < altri.size(); ++i, ++coperta)
            scelta[altri[i]] = 1;
    }
    scelte.clear();
    for (std::size_t v = 0; v < distinte.size(); ++v)
        if (scelta[v]) scelte.push_back(distinte[v]);
    return true;
}

// Every vertex has its requirement among the chosen columns, counted afresh from the columns
// themselves rather than from the search's own counts.
bool Copre(const TGrafoCopertura& g, const std::vector<std::uint8_t>& requisiti,
           const std::vector<std::uint64_t>& scelte, int garanzia, int fili) {
    TIndiceVicini indice(garanzia);
    for (std::uint64_t w : scelte) indice.Aggiungi(w);
    std::atomic<bool> buca{false};
    InParallelo(g.Vertici(), 1024, fili, [&](std::size_t da, std::size_t a) {
        for (std::size_t v = da; v < a && !buca.load(std::memory_order_relaxed); ++v) {
            int mancano = requisiti[v];
            if (mancano == 0) continue;
            indice.PerOgniVicino(g.Parola(static_cast<std::uint32_t>(v)),
                                 [&](std::uint32_t, int) { return --mancano > 0; });
            if (mancano > 0) buca = true;
        }
    });
    return !buca;
}

void Sostituisci(TListaColonne& colonne, const std::vector<std::uint64_t>& parole) {
    colonne.Svuota();
    for (std::uint64_t w : parole) colonne.Accoda(Colonna(w));
}

}  // namespace

TParametriMigliorata ParametriMigliorata(const TImpostazioniSviluppo& imp,
                                         TParametriMigliorata base) {
    base.Secondi = imp.SecondiMigliorata;
    base.Iterazioni = imp.IterazioniMigliorata;
    base.Seme = imp.SemeMigliorata;
    return base;
}

std::vector<std::uint8_t> Requisiti(const TGrafoCopertura& g, int vincite) {
    std::vector<std::uint8_t> r(g.Vertici());
    for (std::uint32_t v = 0; v < g.Vertici(); ++v)
        r[v] = static_cast<std::uint8_t>(
            std::min<std::uint32_t>(static_cast<std::uint32_t>(std::max(vincite, 1)), g.Grado(v)));
    return r;
}

std::vector<std::uint8_t> ColonneFisse(const TGrafoCopertura& g,
                                       const std::vector<std::uint8_t>& requisiti) {
    const std::uint32_t n = g.Vertici();
    std::vector<std::uint8_t> fisse(n, 0);
    for (std::uint32_t e = 0; e < n; ++e)
        if (requisiti[e] >= g.Grado(e))
            for (std::uint32_t s : g.Vicini(e)) fisse[s] = 1;
    for (std::uint32_t e = 0; e < n; ++e) {
        if (requisiti[e] != 1 || g.Grado(e) != 2) continue;
        const auto vicini = g.Vicini(e);
        const std::uint32_t altra = vicini[0] == e ? vicini[1] : vicini[0];
        // A cover holding e may hold the other instead: it covers all e covers.
        if (!fisse[e] && !fisse[altra]) fisse[altra] = 1;
    }
    return fisse;
}

void RiduzioneMigliorata(TListaColonne& colonne, int garanzia, int vincite,
                         const TParametriMigliorata& parametri, TVistaSviluppo& vista,
                         const TAnnullamento* annullamento, const std::function<double()>& orologio,
                         TEsitoMigliorata& esito) {
    esito = TEsitoMigliorata{};
    // The clock is read from the building threads too.
    std::mutex mutexOrologio;
    const auto adesso = [&] {
        if (!orologio)
            return std::chrono::duration<double>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        std::lock_guard chiave(mutexOrologio);
        return orologio();
    };
    const auto annullato = [&] { return annullamento && annullamento->Richiesto(); };
    const double inizio = adesso();
    const std::int64_t iterazioni = std::max<std::int64_t>(parametri.Iterazioni, 0);
    double secondi = std::max(parametri.Secondi, 0.0);
    // Neither limit: the search would never end.
    if (secondi == 0 && iterazioni == 0) secondi = TParametriMigliorata{}.Secondi;
    const bool aTempo = secondi > 0;
    const double scadenza = inizio + secondi;
    const auto trascorsi = [&] { return adesso() - inizio; };
    const auto scaduto = [&] { return aTempo && adesso() >= scadenza; };
    const auto basta = [&] { return annullato() || scaduto(); };
    const std::vector<std::uint64_t> parole = ParoleDelleColonne(colonne);
    if (parole.empty()) return;
    const auto iniziali = static_cast<std::int64_t>(parole.size());
    vincite = std::max(vincite, 1);

    // The optimised cover first: the search starts from it, so it is never worse.
    if (!RiduzioneOttimizzata(colonne, kPunteggioMassimo - garanzia, vista, annullamento)) {
        Sostituisci(colonne, parole);
        esito.Interrotta = true;
        return;
    }
    std::vector<std::uint64_t> partenza = ParoleDelleColonne(colonne);
    esito.Partenza = static_cast<std::int64_t>(partenza.size());
    // The best cover known: with several wins the optimised one is not one yet, only the
    // list itself.
    const std::int64_t nota = vincite > 1 ? iniziali : esito.Partenza;
    const auto mostra = [&](std::int64_t migliore, int percento, bool completo) {
        vista.AggiornaMigliorata(iniziali, migliore, esito.LimiteInferiore, percento, trascorsi(),
                                 aTempo ? std::max(0.0, scadenza - adesso()) : -1.0, completo);
    };
    mostra(nota, 0, false);

    const int fili = FiliDisponibili();
    TGrafoCopertura g;
    // Out of time or memory here, the search does not start: the optimised cover is the
    // result.
    auto costruito = TGrafoCopertura::TEsito::TroppoGrande;
    try {
        costruito = g.Costruisci(parole, garanzia, fili, parametri.MassimoVicini, basta);
    } catch (const std::bad_alloc&) {
        g = TGrafoCopertura{};
    }
    if (costruito != TGrafoCopertura::TEsito::Costruito) {
        esito.Interrotta = annullato();
        // For several wins the optimised cover is completed without the graph; once
        // cancelled, only the list itself is a cover for them.
        if (vincite > 1 && (esito.Interrotta || !CompletaSenzaGrafo(parole, garanzia, vincite,
                                                                    partenza, annullamento))) {
            esito.Interrotta = true;
            partenza = parole;
        }
        Sostituisci(colonne, partenza);
        mostra(colonne.Quante(), 100, true);
        return;
    }

    const auto requisiti = Requisiti(g, vincite);
    const auto fisse = ColonneFisse(g, requisiti);
    esito.Fisse = std::count(fisse.begin(), fisse.end(), std::uint8_t{1});
    std::vector<std::uint32_t> copertura;
    copertura.reserve(partenza.size());
    for (std::uint64_t w : partenza) copertura.push_back(static_cast<std::uint32_t>(g.Vertice(w)));

    // The bound, on a share of the time; with an iteration budget alone it runs to its end,
    // so that it stops the search at the same point everywhere.
    const double fineLimite = inizio + secondi * kQuotaLimite;
    // The optimised cover bounds the size only with one win.
    const std::int64_t superiore = vincite > 1 ? g.Vertici() : nota;
    const auto limite = LimiteInferiore(
        g, requisiti, superiore, kIterazioniLimite, fili,
        [&] { return annullato() || (aTempo && adesso() >= fineLimite); },
        [&](const TLimiteInferiore& l) {
            esito.LimiteInferiore = l.Colonne;
            mostra(nota, 0, false);
        });
    esito.LimiteInferiore = limite.Colonne;
    esito.Rilassamento = limite.Valore;
    esito.TettoRilassamento = limite.Tetto;
    mostra(nota, 0, false);

    // As many chains as asked for, as long as they fit in memory.
    const double perCatena = 100.0 * g.Vertici() + (vincite > 1 ? 4.0 * g.Archi() : 0.0);
    const int catene = static_cast<int>(std::clamp(
        kMemoriaCatene / perCatena, 1.0, static_cast<double>(std::max(parametri.Catene, 1))));
    std::vector<std::unique_ptr<TRicercaCopertura>> lavori;
    for (int c = 0; c < catene; ++c)
        lavori.push_back(std::make_unique<TRicercaCopertura>(
            g, requisiti, fisse, Mescola(parametri.Seme ^ Mescola(static_cast<std::uint64_t>(c)))));
    // Steps of a round: the same for the same columns on any machine.
    double visite = 0;
    for (std::uint32_t v = 0; v < g.Vertici(); ++v)
        visite += static_cast<double>(g.Grado(v)) * g.Grado(v);
    const auto passiTurno = static_cast<std::int64_t>(
        std::clamp(kVisiteTurno * g.Vertici() / std::max(visite, 1.0), 64.0, 1e6));

    std::atomic<bool> fermo{false};
    std::vector<std::uint8_t> riuscita(static_cast<std::size_t>(catene), 1);
    std::int64_t fatti = 0;  // steps of each chain in the rounds done
    const auto migliore = [&] {
        std::int64_t m = nota;
        for (const auto& l : lavori)
            if (l->Dimensione() > 0) m = std::min(m, l->Dimensione());
        return m;
    };
    const auto percento = [&] {
        double p = 0;
        if (aTempo) p = trascorsi() / secondi;
        if (iterazioni > 0) {
            std::int64_t tutti = 0;
            for (const auto& l : lavori) tutti += l->PassiFatti();
            p = std::max(p, static_cast<double>(tutti) / static_cast<double>(iterazioni * catene));
        }
        return static_cast<int>(std::min(p, 1.0) * 100);
    };
    // Per chain: its best at the end of the last round, and rounds since it improved.
    std::vector<std::int64_t> migliori(static_cast<std::size_t>(catene), 0);
    std::vector<int> ferme(static_cast<std::size_t>(catene), 0);
    // One round: every chain makes its steps, on as many threads as there are cores, while
    // this thread shows the progress and watches for a cancel.
    const auto turno = [&](std::int64_t passi, bool primo) {
        std::atomic<int> prossima{0};
        std::mutex mutex;
        std::condition_variable finita;
        int attivi = 0;
        const auto lavora = [&] {
            for (int c; (c = prossima.fetch_add(1)) < catene;) {
                if (!riuscita[c]) continue;
                try {
                    if (primo) lavori[c]->Parti(copertura);
                    lavori[c]->Cerca(passi, esito.LimiteInferiore, fermo);
                } catch (...) {
                    // Out of memory: this chain's result is not used.
                    riuscita[c] = 0;
                }
            }
            std::lock_guard chiave(mutex);
            --attivi;
            finita.notify_all();
        };
        std::vector<std::thread> lavoratori;
        for (int t = 0; t < std::min(fili, catene); ++t) {
            try {
                std::lock_guard chiave(mutex);
                lavoratori.emplace_back(lavora);
                ++attivi;
            } catch (...) {
                break;
            }
        }
        if (lavoratori.empty()) {
            ++attivi;
            lavora();
        }
        std::unique_lock chiave(mutex);
        while (attivi > 0) {
            if (finita.wait_for(chiave, std::chrono::milliseconds(100),
                                [&] { return attivi == 0; }))
                break;
            if (annullato()) fermo = true;
            chiave.unlock();
            mostra(migliore(), percento(), false);
            chiave.lock();
        }
        chiave.unlock();
        for (auto& t : lavoratori) t.join();
    };

    // Rounds until the budget is spent. The time is looked at only between rounds, so the
    // columns found are those the same seed gives with the steps made as iteration budget.
    esito.Ricerca = true;
    for (bool primo = true;; primo = false) {
        std::int64_t passi = passiTurno;
        if (iterazioni > 0) passi = std::min(passi, iterazioni - fatti);
        if (scaduto()) passi = 0;
        const double partito = adesso();
        turno(passi, primo);
        if (fermo) {
            esito.Interrotta = true;
            break;
        }
        fatti += passi;
        // A chain that has not improved for a while and lags behind the best one goes on
        // from the best cover, with the weights it learnt.
        std::size_t capo = 0;
        for (std::size_t c = 0; c < lavori.size(); ++c)
            if (riuscita[c] &&
                (!riuscita[capo] || lavori[c]->Dimensione() < lavori[capo]->Dimensione()))
                capo = c;
        bool finita = false;
        for (std::size_t c = 0; c < lavori.size(); ++c) {
            if (!riuscita[c]) continue;
            finita = finita || lavori[c]->Finita();
            const std::int64_t d = lavori[c]->Dimensione();
            ferme[c] = d < migliori[c] ? 0 : ferme[c] + 1;
            migliori[c] = d;
            if (ferme[c] >= kPazienza && d > lavori[capo]->Dimensione()) {
                lavori[c]->Riparti(lavori[capo]->Migliore());
                migliori[c] = lavori[c]->Dimensione();
                ferme[c] = 0;
            }
        }
        if (finita || passi == 0 || (iterazioni > 0 && fatti >= iterazioni)) break;
        // The next round would end past the time.
        if (aTempo && 2 * adesso() - partito > scadenza) break;
    }
    esito.Iterazioni = fatti;
    for (const auto& l : lavori) esito.Passi += l->PassiFatti();

    // The smallest cover, the first chain's among equals; checked before it replaces the list.
    const std::vector<std::uint32_t>* scelta = nullptr;
    for (std::size_t c = 0; c < lavori.size(); ++c)
        if (riuscita[c] && (!scelta || lavori[c]->Migliore().size() < scelta->size()))
            scelta = &lavori[c]->Migliore();
    std::vector<std::uint64_t> risultato;
    if (scelta) {
        std::vector<std::uint32_t> ordinata = *scelta;
        std::sort(ordinata.begin(), ordinata.end());
        for (std::uint32_t v : ordinata) risultato.push_back(g.Parola(v));
        if (!Copre(g, requisiti, risultato, garanzia, fili)) risultato.clear();
    }
    if (risultato.empty()) {
        // No chain left a sound cover: the optimised one, completed for several wins.
        risultato = std::move(partenza);
        CompletaSenzaGrafo(parole, garanzia, vincite, risultato, nullptr);
    }
    Sostituisci(colonne, risultato);
    mostra(colonne.Quante(), 100, true);
}

}  // namespace sirvela
