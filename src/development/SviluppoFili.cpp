#include "development/SviluppoFili.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "development/Enumerazione.h"

namespace sirvela {
namespace {

// Pieces per thread: enough that a thread finishing early finds work, few enough that each
// piece's last half-filled block and its start-up stay small.
constexpr std::int64_t kPartiPerFilo = 24;
// Pieces per thread that may be done ahead of the next one handed over.
constexpr std::int64_t kAnticipoPerFilo = 3;

// Counts a worker publishes for the progress, on a cache line of its own.
struct alignas(64) TConteggiFilo {
    std::atomic<std::int64_t> Esaminate{0};
    std::atomic<std::int64_t> Ammesse{0};
    std::atomic<std::int64_t> Passate{0};
};

struct TParteInCorso {
    std::unique_ptr<TParteSviluppo> Parte;
    std::unique_ptr<ITestColonne> Test;  // holds the piece's statistics until it is handed over
};

class TSviluppoFili {
  public:
    TSviluppoFili(const TLavoroFili& lavoro) : lavoro_(lavoro), conteggi_(Fili()) {
        const TPronostico& p = *lavoro.Pronostico;
        // The pieces are the combinations of the first `livelli_` positions (at most five, so a
        // piece begins exactly where a cancel is polled).
        parti_ = 1;
        livelli_ = 0;
        while (livelli_ < 5 && parti_ < kPartiPerFilo * Fili()) {
            parti_ *= p.Posizione[livelli_].Conta();
            ++livelli_;
        }
        perParte_ = 1;
        for (int i = livelli_; i < 8; ++i) perParte_ *= p.Posizione[i].Conta();
    }

    TFineFili Esegui(
        const std::function<void(TParteSviluppo&)>& parte,
        const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& avanzamento);

    // Called by the enumerator of one piece.
    class TGestore;

  private:
    int Fili() const { return std::max(1, lavoro_.Fili); }
    void Lavora(int filo);
    TPronostico PronosticoParte(std::int64_t indice) const;
    std::unique_ptr<ITestColonne> NuovoTest();
    bool Fermati() const { return fermati_.load(std::memory_order_relaxed); }

    const TLavoroFili& lavoro_;
    int livelli_ = 0;
    std::int64_t parti_ = 0;
    std::int64_t perParte_ = 0;  // candidates in each piece

    std::atomic<std::int64_t> prossima_{0};
    std::atomic<bool> fermati_{false};
    std::vector<TConteggiFilo> conteggi_;

    std::mutex mutex_;
    std::condition_variable pronta_;
    std::condition_variable spazio_;
    std::int64_t consegnate_ = 0;                   // pieces handed over
    std::map<std::int64_t, TParteInCorso> pronte_;  // done, waiting for the pieces before them
    std::vector<std::unique_ptr<ITestColonne>> riserva_;  // copies whose statistics are clear
    int finiti_ = 0;                                      // workers that have ended
    bool errore_ = false;
};

class TSviluppoFili::TGestore {
  public:
    TGestore(TSviluppoFili& s, TParteSviluppo& parte, ITestColonne* test, std::int64_t inizio,
             TConteggiFilo& conteggi)
        : s_(s),
          parte_(parte),
          test_(test),
          filtrata_(s.lavoro_.PreFiltro != nullptr),
          inizio_(inizio),
          conteggi_(conteggi) {}

    void Candidato(const TColonna& c) {
        ++ammesse_;
        ++esaminate_;
        if (test_ && !(filtrata_ ? test_->VerificaPreFiltrata(c) : test_->Verifica(c))) return;
        if (s_.lavoro_.SoloConteggio)
            ++parte_.Contate;
        else
            parte_.Colonne.Accoda(c);
    }
    void Scartato() { Scartati(1); }
    void Scartati(std::int64_t n) {
        ammesse_ += n;
        esaminate_ += n;
    }
    void Salta(std::int64_t n) { esaminate_ += n; }
    bool SaltaConControlli(std::int64_t n, std::int64_t blocco, std::int64_t controlli) {
        if (controlli > 0) {
            if (Annullato()) return false;
            // The first of the skipped polls that reaches the cancel count.
            const std::int64_t da = s_.lavoro_.AnnullaDa;
            if (da >= 0 && blocco > 0) {
                const std::int64_t k = (da - (inizio_ + esaminate_) + blocco - 1) / blocco;
                if (k < controlli) {
                    esaminate_ += k * blocco;
                    return false;
                }
            }
        }
        esaminate_ += n;
        return true;
    }
    bool Annullato() {
        Pubblica();
        if (s_.Fermati()) return true;
        if (s_.lavoro_.Annullamento && s_.lavoro_.Annullamento->Richiesto()) return true;
        const std::int64_t da = s_.lavoro_.AnnullaDa;
        return da >= 0 && inizio_ + esaminate_ >= da;
    }
    void Fine() {
        Pubblica();
        parte_.Esaminate = esaminate_;
        parte_.Ammesse = ammesse_;
    }

  private:
    // The progress of this worker, as the counts of its piece so far.
    void Pubblica() {
        conteggi_.Esaminate.store(esaminate_, std::memory_order_relaxed);
        conteggi_.Ammesse.store(ammesse_, std::memory_order_relaxed);
        conteggi_.Passate.store(parte_.Passate(), std::memory_order_relaxed);
    }

    TSviluppoFili& s_;
    TParteSviluppo& parte_;
    ITestColonne* test_;
    const bool filtrata_;        // every candidate passed the pre-filter
    const std::int64_t inizio_;  // examined count of the whole pass before this piece
    TConteggiFilo& conteggi_;
    std::int64_t esaminate_ = 0;
    std::int64_t ammesse_ = 0;
};

TPronostico TSviluppoFili::PronosticoParte(std::int64_t indice) const {
    // The piece's outer positions each hold the one pilot of its combination.
    TPronostico p = *lavoro_.Pronostico;
    for (int i = livelli_ - 1; i >= 0; --i) {
        TCombinazione& pos = p.Posizione[i];
        const int n = pos.Conta();
        const std::uint16_t pilota = pos.Numeri[static_cast<std::size_t>(indice % n)];
        indice /= n;
        pos.Numeri[0] = pilota;
        pos.Quanti = 1;
    }
    return p;
}

std::unique_ptr<ITestColonne> TSviluppoFili::NuovoTest() {
    if (!lavoro_.Test) return nullptr;
    std::lock_guard blocco(mutex_);
    if (!riserva_.empty()) {
        auto t = std::move(riserva_.back());
        riserva_.pop_back();
        return t;
    }
    auto t = lavoro_.Test->CopiaPerFilo();
    if (!t) throw std::bad_alloc();
    return t;
}

void TSviluppoFili::Lavora(int filo) {
    TConteggiFilo& conteggi = conteggi_[static_cast<std::size_t>(filo)];
    try {
        while (!Fermati()) {
            const std::int64_t indice = prossima_.fetch_add(1);
            if (indice >= parti_) break;
            {
                // Never far ahead of the pieces handed over: what waits for an earlier piece
                // stays in memory, and a file destination is written no faster than the disk.
                std::unique_lock blocco(mutex_);
                spazio_.wait(blocco, [&] {
                    return Fermati() || indice < consegnate_ + kAnticipoPerFilo * Fili();
                });
            }
            if (Fermati()) break;
            TParteInCorso p;
            p.Parte = std::make_unique<TParteSviluppo>();
            p.Parte->Colonne.ImpostaTetto(lavoro_.Tetto);
            p.Test = NuovoTest();
            const TPronostico pronostico = PronosticoParte(indice);
            TGestore g(*this, *p.Parte, p.Test.get(), indice * perParte_, conteggi);
            TEnumeratore<TGestore> e(pronostico, g, lavoro_.PreFiltro);
            p.Parte->Completa = e.Esegui();
            g.Fine();
            const bool completa = p.Parte->Completa;
            {
                std::lock_guard blocco(mutex_);
                pronte_.emplace(indice, std::move(p));
                conteggi.Esaminate.store(0, std::memory_order_relaxed);
                conteggi.Ammesse.store(0, std::memory_order_relaxed);
                conteggi.Passate.store(0, std::memory_order_relaxed);
            }
            pronta_.notify_one();
            if (!completa) break;
        }
    } catch (...) {
        std::lock_guard blocco(mutex_);
        errore_ = true;
        fermati_ = true;
    }
    spazio_.notify_all();
    {
        std::lock_guard blocco(mutex_);
        ++finiti_;
    }
    pronta_.notify_one();
}

TFineFili TSviluppoFili::Esegui(
    const std::function<void(TParteSviluppo&)>& parte,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& avanzamento) {
    if (lavoro_.Pronostico->Posizione[0].Conta() <= 0 || parti_ <= 0) return TFineFili::Completa;
    std::vector<std::thread> fili;
    fili.reserve(static_cast<std::size_t>(Fili()));
    auto ferma = [&] {
        {
            std::lock_guard blocco(mutex_);
            fermati_ = true;
        }
        spazio_.notify_all();
        for (auto& f : fili) f.join();
    };
    try {
        for (int i = 0; i < Fili(); ++i) fili.emplace_back([this, i] { Lavora(i); });
    } catch (...) {
        ferma();
        return TFineFili::Errore;
    }

    std::int64_t prossima = 0;  // the next piece to hand over
    std::int64_t esaminate = 0, ammesse = 0, passate = 0;
    TFineFili fine = TFineFili::Completa;
    using Orologio = std::chrono::steady_clock;
    constexpr auto kPeriodo = std::chrono::milliseconds(40);
    auto prossimoAvviso = Orologio::now() + kPeriodo;
    try {
        while (prossima < parti_) {
            TParteInCorso p;
            {
                std::unique_lock blocco(mutex_);
                pronta_.wait_until(blocco, prossimoAvviso, [&] {
                    return errore_ || pronte_.count(prossima) > 0 || finiti_ == Fili();
                });
                if (errore_ || (pronte_.count(prossima) == 0 && finiti_ == Fili())) {
                    // Without the piece no worker is left to make it.
                    fine = TFineFili::Errore;
                    break;
                }
                if (Orologio::now() >= prossimoAvviso) {
                    prossimoAvviso = Orologio::now() + kPeriodo;
                    std::int64_t e = esaminate, a = ammesse, q = passate;
                    for (auto& c : conteggi_) {
                        e += c.Esaminate.load(std::memory_order_relaxed);
                        a += c.Ammesse.load(std::memory_order_relaxed);
                        q += c.Passate.load(std::memory_order_relaxed);
                    }
                    for (const auto& [indice, pronta] : pronte_) {
                        e += pronta.Parte->Esaminate;
                        a += pronta.Parte->Ammesse;
                        q += pronta.Parte->Passate();
                    }
                    blocco.unlock();
                    avanzamento(e, a, q);
                    continue;
                }
                auto it = pronte_.find(prossima);
                if (it == pronte_.end()) continue;
                p = std::move(it->second);
                pronte_.erase(it);
                if (p.Test) {
                    lavoro_.Test->Unisci(*p.Test);
                    riserva_.push_back(std::move(p.Test));
                }
            }
            esaminate += p.Parte->Esaminate;
            ammesse += p.Parte->Ammesse;
            passate += p.Parte->Passate();
            const bool completa = p.Parte->Completa;
            parte(*p.Parte);
            ++prossima;
            {
                std::lock_guard blocco(mutex_);
                consegnate_ = prossima;
            }
            spazio_.notify_all();
            if (!completa) {
                fine = TFineFili::Annullata;
                break;
            }
        }
    } catch (...) {
        fine = TFineFili::Errore;
    }
    ferma();
    return fine;
}

}  // namespace

TFineFili SviluppaSuFili(
    const TLavoroFili& lavoro, const std::function<void(TParteSviluppo&)>& parte,
    const std::function<void(std::int64_t, std::int64_t, std::int64_t)>& avanzamento) {
    TSviluppoFili s(lavoro);
    return s.Esegui(parte, avanzamento);
}

}  // namespace sirvela
