// Shared helpers of the development tests: a recording observer, simple filters, random
// systems, and the literal development the engine must match.
#pragma once
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "SviluppoLetterale.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/Sviluppo.h"
#include "support/SistemaRicco.h"

namespace sirvela::test {

struct TEvento {
    TQuadroSviluppo Quadro;
    unsigned Parti = 0;  // 0 = the dialog was asked to close
    bool operator==(const TEvento&) const = default;
};

// Records every update; can press "Annulla" at its n-th update.
class TOsservatoreRegistra : public ISviluppoOsservatore {
  public:
    explicit TOsservatoreRegistra(TAnnullamento* annulla = nullptr, long annullaAl = -1)
        : annulla_(annulla), annullaAl_(annullaAl) {}
    void Aggiorna(const TQuadroSviluppo& q, unsigned parti) override {
        Eventi.push_back({q, parti});
        if (annulla_ && static_cast<long>(Eventi.size()) == annullaAl_) annulla_->Richiedi();
    }
    void Chiudi() override { Eventi.push_back({TQuadroSviluppo{}, 0}); }
    std::vector<TEvento> Eventi;

  private:
    TAnnullamento* annulla_;
    long annullaAl_;
};

// A filter from a plain function; counts its preparations.
class TFiltro : public ITestColonne {
  public:
    explicit TFiltro(std::function<bool(const TColonna&)> f) : f_(std::move(f)) {}
    void Prepara() override { ++Preparazioni; }
    bool Verifica(const TColonna& c) override { return f_(c); }
    int Preparazioni = 0;

  private:
    std::function<bool(const TColonna&)> f_;
};

// Position sets of the given sizes, each slot a pilot of 1..maxPilota (repeats possible
// across positions; within one set too when `doppi`).
inline TPronostico PronosticoCasuale(std::mt19937& r, const std::vector<int>& dimensioni,
                                     int maxPilota, bool doppi = false) {
    TPronostico p;
    for (int i = 0; i < 8; ++i) {
        auto& pos = p.Posizione[i];
        std::uniform_int_distribution<int> d(1, maxPilota);
        while (pos.Conta() < dimensioni[i]) {
            int v = d(r);
            if (doppi || !pos.Contiene(v)) pos.Numeri[pos.Quanti++] = static_cast<std::uint16_t>(v);
        }
    }
    return p;
}

inline TPronostico PronosticoDaListe(const std::vector<std::vector<int>>& liste) {
    TPronostico p;
    for (int i = 0; i < 8; ++i)
        for (int v : liste[i])
            p.Posizione[i].Numeri[p.Posizione[i].Quanti++] = static_cast<std::uint16_t>(v);
    return p;
}

inline TColonna Col(std::initializer_list<int> v) {
    TColonna c{};
    int i = 0;
    for (int x : v) c[i++] = static_cast<std::uint8_t>(x);
    return c;
}

struct TRisultato {
    std::vector<TColonna> Colonne;
    TEsitoSviluppo Esito;
    std::vector<TEvento> Eventi;
    std::string Errore;
};

// Runs the engine (or the literal development) on the same inputs.
inline TRisultato Esegui(bool letterale, const TDatiSviluppo& dati, ITestColonne* test,
                         long annullaAl = -1, TServiziSviluppo base = {}) {
    TRisultato r;
    TAnnullamento annulla;
    TOsservatoreRegistra oss(&annulla, annullaAl);
    TServiziSviluppo s = base;
    s.Test = test;
    s.Osservatore = &oss;
    s.Annullamento = &annulla;
    s.Orologio = [] { return 0.0; };
    TListaColonne lista;
    try {
        if (letterale) {
            letterale::TSviluppoLetterale l(dati, s);
            try {
                l.Esegui(r.Esito);
            } catch (...) {
                l.Colonne.CopiaIn(lista);
                throw;
            }
            l.Colonne.CopiaIn(lista);
        } else {
            SviluppaSistema(lista, dati, s, r.Esito);
        }
    } catch (const TErroreSirvela& e) {
        r.Errore = e.what();
    }
    r.Colonne = lista.ComeVettore();
    r.Eventi = std::move(oss.Eventi);
    return r;
}

// Each position gets between `minimo` and `massimo` different random pilots of 1..`ultimo`.
inline void PosizioniCasuali(T_Sistema& s, std::mt19937& r, int minimo, int massimo, int ultimo) {
    std::uniform_int_distribution<int> dim(minimo, massimo), pilota(1, ultimo);
    for (auto& pos : s.Dati.Pronostico.Posizione) {
        pos.Svuota();
        const int n = dim(r);
        while (pos.Conta() < n) pos.Aggiungi(pilota(r));
    }
}

// A rich system (every condition kind, recovery levels on several link letters, Punti Tra)
// with random position sets and a random half of its conditions switched off, so that some
// candidates pass and the link groups count.
inline void SistemaCasuale(T_Sistema& s, std::mt19937& r, int prova) {
    RiempiSistemaRicco(s);
    s.Dati.Colonne.Svuota();
    PosizioniCasuali(s, r, 3, 7, 14);
    for (int k = 1; k <= 18; ++k)
        if (TCondizione* c = s.Dati.Condizioni->Condizione(k)) c->Attivato = (r() % 3) == 0;
    auto& imp = s.Dati.ImpSviluppo;
    imp.UsaCondizioni = prova % 4 != 3;
    imp.Autoriduzione = prova % 5 >= 3;
    imp.Ottimizzata = prova % 5 == 3;
    imp.Garanzia = 70;
    imp.VinciteMultiple = prova % 7 == 1 ? 2 : 1;
    imp.InMemoria = prova % 2 == 0;
    s.Dati.Sorgente.DaPronostico = true;
}

// Every link frequency and registration count, in a fixed order.
inline std::vector<std::int32_t> StatisticheLink(const TGestoreLink& g) {
    std::vector<std::int32_t> v;
    auto aggiungi = [&v](const T_FrequenzeRitardi& f) {
        v.push_back(f.Estrazioni);
        for (const auto& e : f.Primaria) v.push_back(e.Frequenza);
    };
    for (const auto& gruppo : g.Gruppi) {
        aggiungi(gruppo->StatLivelli);
        aggiungi(gruppo->StatErrori);
        v.push_back(static_cast<std::int32_t>(gruppo->Registrazioni));
    }
    aggiungi(g.Stat);
    return v;
}

}  // namespace sirvela::test
