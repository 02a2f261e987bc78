#include "development/RiduzioneLimite.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <optional>
#include <span>
#include <thread>

#include "development/GrafoCopertura.h"

namespace sirvela {
namespace {

// Rows are shared out and summed in blocks of this many, each sum block by block in order,
// so that the result is the same on any number of threads.
constexpr std::size_t kBlocco = 512;
// Rounds between two looks at how far the work has got.
constexpr std::int64_t kOgni = 64;
// The dual steps against the primal ones. The bound is read on the dual side, which settles
// much sooner with small dual steps.
constexpr double kPesoPrimale = 0.02;
// Rounds the bound may go without rising before it counts as settled, at the least.
constexpr std::int64_t kFermo = 512;
// Rounding of the sums must not lift the bound over a whole number it only touches.
constexpr double kTolleranza = 1e-6;

std::int64_t Arrotonda(double valore) {
    return static_cast<std::int64_t>(std::ceil(valore - kTolleranza));
}

// The problem and the state of the primal-dual iteration (first-order, with restarts from
// the running averages when they are closer to optimal).
struct TStato {
    const TGrafoCopertura& g;
    std::vector<double> r;
    std::size_t n, blocchi;
    std::vector<double> x, y, z, az, aty, xm, ym, x0, y0, ax, axm, aym;
    // Per block: sums of the current point and of the averages.
    std::vector<double> lagr, lagrMedio;
    std::vector<double> somme[8];

    TStato(const TGrafoCopertura& grafo, const std::vector<std::uint8_t>& requisiti)
        : g(grafo),
          r(requisiti.begin(), requisiti.end()),
          n(grafo.Vertici()),
          blocchi((n + kBlocco - 1) / kBlocco) {
        for (auto* v : {&x, &y, &z, &az, &aty, &xm, &ym, &x0, &y0, &ax, &axm, &aym})
            v->assign(n, 0.0);
        lagr.assign(blocchi, 0.0);
        lagrMedio.assign(blocchi, 0.0);
        for (auto& s : somme) s.assign(blocchi, 0.0);
    }

    double Prodotto(const std::vector<double>& v, std::size_t i) const {
        double s = 0;
        for (std::uint32_t j : g.Vicini(static_cast<std::uint32_t>(i))) s += v[j];
        return s;
    }
    static double Somma(const std::vector<double>& perBlocco) {
        double s = 0;
        for (double v : perBlocco) s += v;
        return s;
    }
    // The bound a multiplier vector proves, for row i, given its neighbours' sum.
    double Termine(std::size_t i, double yi, double somma) const {
        return r[i] * yi + std::min(0.0, 1.0 - somma);
    }
};

// A point of the relaxation covering every column, made from x by raising what falls short:
// first the column itself, then its neighbours in order. Its size is at least the
// relaxation's value, so the bound cannot round up past it.
double Ammissibile(const TStato& s, const std::vector<double>& x, const std::vector<double>& ax) {
    std::vector<double> v = x, av = ax;
    for (std::size_t i = 0; i < s.n; ++i) {
        double manca = s.r[i] - av[i];
        if (manca <= 0) continue;
        const auto alza = [&](std::uint32_t j) {
            const double d = std::min(manca, 1.0 - v[j]);
            if (d <= 0) return;
            v[j] += d;
            manca -= d;
            for (std::uint32_t k : s.g.Vicini(j)) av[k] += d;
        };
        alza(static_cast<std::uint32_t>(i));
        for (std::uint32_t j : s.g.Vicini(static_cast<std::uint32_t>(i))) {
            if (manca <= 0) break;
            alza(j);
        }
    }
    double totale = 0;
    for (double t : v) totale += t;
    return totale;
}

// An upper estimate of the largest eigenvalue of the neighbour matrix (it is symmetric):
// a few power steps, with a margin, never above the largest degree.
double Norma(const TGrafoCopertura& g) {
    const std::size_t n = g.Vertici();
    double massimo = 1;
    for (std::uint32_t v = 0; v < n; ++v) massimo = std::max<double>(massimo, g.Grado(v));
    std::vector<double> v(n, 1.0), w(n);
    double norma = massimo;
    for (int k = 0; k < 30; ++k) {
        double q = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            double s = 0;
            for (std::uint32_t j : g.Vicini(i)) s += v[j];
            w[i] = s;
            q += s * s;
        }
        q = std::sqrt(q);
        if (q <= 0) break;
        for (std::size_t i = 0; i < n; ++i) v[i] = w[i] / q;
        norma = q;
    }
    return std::min(massimo, norma * 1.05);
}

}  // namespace

TLimiteInferiore LimiteInferiore(const TGrafoCopertura& g,
                                 const std::vector<std::uint8_t>& requisiti, std::int64_t superiore,
                                 std::int64_t iterazioni, int fili,
                                 const std::function<bool()>& basta,
                                 const std::function<void(const TLimiteInferiore&)>& avanza) {
    TLimiteInferiore esito;
    if (g.Vertici() == 0) return esito;
    TStato s(g, requisiti);
    const std::size_t n = s.n;
    // A start that is already a bound: each column gives 1 / (largest degree near it).
    for (std::uint32_t i = 0; i < n; ++i) {
        std::uint32_t massimo = 1;
        for (std::uint32_t j : g.Vicini(i)) massimo = std::max(massimo, g.Grado(j));
        s.y[i] = s.y0[i] = s.ym[i] = 1.0 / massimo;
    }
    double migliore = 0;
    for (std::size_t i = 0; i < n; ++i) {
        s.aty[i] = s.Prodotto(s.y, i);
        migliore += s.Termine(i, s.y[i], s.aty[i]);
    }
    esito.Valore = std::max(0.0, migliore);
    esito.Colonne = std::min(Arrotonda(esito.Valore), superiore);
    if (avanza) avanza(esito);

    const double passo = 0.95 / Norma(g);
    const double tau = passo / kPesoPrimale, sigma = passo * kPesoPrimale;
    // The threads wait at the gate until it is known how many of them could start.
    int quanti = static_cast<int>(
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(fili, 1)), 1, s.blocchi));
    std::atomic<bool> via{false};
    std::optional<std::barrier<>> barriera;
    // Decided by the first thread between two barriers, read by all after the second.
    bool fine = esito.Colonne >= superiore || iterazioni <= 0;
    int ripresa = 0;  // 1: from the current point, 2: from the averages
    double kktRipresa = 1e300, kktPrima = 1e300;
    std::int64_t media = 0, fatte = 0;
    std::int64_t salita = 0;  // round of the last rise of the rounded bound

    const auto lavora = [&](int t) {
        via.wait(false);
        auto& sincronia = *barriera;
        const auto righe = [&](auto&& f) {
            for (std::size_t b = static_cast<std::size_t>(t); b < s.blocchi;
                 b += static_cast<std::size_t>(quanti))
                for (std::size_t i = b * kBlocco, a = std::min(n, i + kBlocco); i < a; ++i) f(b, i);
        };
        while (!fine) {
            // Read by every thread before the first one changes them again.
            const double peso = 1.0 / static_cast<double>(media + 1);
            const bool guarda = (fatte + 1) % kOgni == 0;
            righe([&](std::size_t, std::size_t i) {
                const double nuovo = std::clamp(s.x[i] - tau * (1.0 - s.aty[i]), 0.0, 1.0);
                s.z[i] = 2 * nuovo - s.x[i];
                s.x[i] = nuovo;
                s.xm[i] += (nuovo - s.xm[i]) * peso;
            });
            sincronia.arrive_and_wait();
            righe([&](std::size_t, std::size_t i) {
                s.az[i] = s.Prodotto(s.z, i);
                s.y[i] = std::max(0.0, s.y[i] + sigma * (s.r[i] - s.az[i]));
                s.ym[i] += (s.y[i] - s.ym[i]) * peso;
            });
            sincronia.arrive_and_wait();
            std::size_t ultimo = ~std::size_t{0};
            righe([&](std::size_t b, std::size_t i) {
                if (b != ultimo) s.lagr[b] = 0, ultimo = b;
                s.aty[i] = s.Prodotto(s.y, i);
                s.lagr[b] += s.Termine(i, s.y[i], s.aty[i]);
            });
            sincronia.arrive_and_wait();
            if (!guarda) {
                if (t == 0) {
                    migliore = std::max(migliore, TStato::Somma(s.lagr));
                    ++media;
                    ++fatte;
                    fine = fatte >= iterazioni;
                }
                sincronia.arrive_and_wait();
                continue;
            }
            // A look: the bound of the averages, and how far each point is from optimal
            // (what it leaves uncovered, and the gap between its two sides).
            ultimo = ~std::size_t{0};
            righe([&](std::size_t b, std::size_t i) {
                if (b != ultimo) {
                    s.lagrMedio[b] = 0;
                    for (auto& v : s.somme) v[b] = 0;
                    ultimo = b;
                }
                s.ax[i] = s.Prodotto(s.x, i);
                s.axm[i] = s.Prodotto(s.xm, i);
                s.aym[i] = s.Prodotto(s.ym, i);
                s.lagrMedio[b] += s.Termine(i, s.ym[i], s.aym[i]);
                const double c = std::max(0.0, s.r[i] - s.ax[i]);
                const double m = std::max(0.0, s.r[i] - s.axm[i]);
                s.somme[0][b] += c * c;
                s.somme[1][b] += m * m;
                s.somme[2][b] += s.x[i];
                s.somme[3][b] += s.xm[i];
                s.somme[4][b] += (s.x[i] - s.x0[i]) * (s.x[i] - s.x0[i]);
                s.somme[5][b] += (s.y[i] - s.y0[i]) * (s.y[i] - s.y0[i]);
                s.somme[6][b] += (s.xm[i] - s.x0[i]) * (s.xm[i] - s.x0[i]);
                s.somme[7][b] += (s.ym[i] - s.y0[i]) * (s.ym[i] - s.y0[i]);
            });
            sincronia.arrive_and_wait();
            if (t == 0) {
                ++fatte;
                const double lagr = TStato::Somma(s.lagr), lagrMedio = TStato::Somma(s.lagrMedio);
                const std::int64_t prima = Arrotonda(migliore);
                migliore = std::max({migliore, lagr, lagrMedio});
                const auto kkt = [&](int residuo, int valore, double duale) {
                    return std::sqrt(TStato::Somma(s.somme[residuo])) * kPesoPrimale +
                           std::fabs(TStato::Somma(s.somme[valore]) - duale);
                };
                const double kCorrente = kkt(0, 2, lagr), kMedio = kkt(1, 3, lagrMedio);
                const bool dallaMedia = kMedio < kCorrente;
                const double k = std::min(kCorrente, kMedio);
                ripresa = 0;
                if (k < 0.2 * kktRipresa || (k < 0.8 * kktRipresa && k > kktPrima) ||
                    media >= fatte * 36 / 100) {
                    ripresa = dallaMedia ? 2 : 1;
                    kktRipresa = k;
                    media = 0;
                } else {
                    ++media;
                }
                kktPrima = k;
                esito.Valore = std::max(0.0, migliore);
                esito.Colonne = std::min(Arrotonda(esito.Valore), superiore);
                esito.Iterazioni = fatte;
                if (Arrotonda(migliore) > prima) {
                    salita = fatte;
                    if (avanza) avanza(esito);
                }
                // Once a point covering everything rounds up to the bound, the relaxation's
                // value lies between them and the rounded bound cannot rise any more. Short
                // of that, a bound that has stopped rising for as many rounds as it took to
                // get there is taken as settled.
                const double tetto =
                    dallaMedia ? Ammissibile(s, s.xm, s.axm) : Ammissibile(s, s.x, s.ax);
                if (esito.Tetto == 0 || tetto < esito.Tetto) esito.Tetto = tetto;
                fine = esito.Colonne >= superiore || Arrotonda(tetto) <= esito.Colonne ||
                       fatte - salita > std::max(kFermo, salita) || fatte >= iterazioni ||
                       (basta && basta());
            }
            sincronia.arrive_and_wait();
            if (ripresa != 0) {
                righe([&](std::size_t, std::size_t i) {
                    if (ripresa == 2) {
                        s.x[i] = s.xm[i];
                        s.y[i] = s.ym[i];
                        s.aty[i] = s.aym[i];
                    }
                    s.x0[i] = s.xm[i] = s.x[i];
                    s.y0[i] = s.ym[i] = s.y[i];
                });
            }
            sincronia.arrive_and_wait();
        }
    };
    std::vector<std::thread> altri;
    for (int t = 1; t < quanti; ++t) {
        try {
            altri.emplace_back(lavora, t);
        } catch (...) {
            // A thread that cannot start leaves its rows to the others.
            break;
        }
    }
    quanti = static_cast<int>(altri.size()) + 1;
    barriera.emplace(quanti);
    via = true;
    via.notify_all();
    lavora(0);
    for (auto& t : altri) t.join();
    esito.Valore = std::max(0.0, migliore);
    esito.Colonne = std::min(Arrotonda(esito.Valore), superiore);
    esito.Iterazioni = fatte;
    return esito;
}

}  // namespace sirvela
