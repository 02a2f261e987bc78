#include "archive/AnalisiCondizionata.h"

#include <algorithm>
#include <cmath>

#include "archive/AnalisiStatistica.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/T_Sistema.h"
#include "development/SviluppoSistema.h"

namespace sirvela {

namespace {

double DueDecimali(double v) {
    return std::round(v * 100.0) / 100.0;
}

// The archive seen whole again when the analysis ends, however it ends.
struct TFineStorica {
    explicit TFineStorica(TArchivio& a) : archivio(a) {}
    ~TFineStorica() { archivio.FineStorica = -1; }
    TArchivio& archivio;
};

}  // namespace

std::string TEsitoCondizionato::TestoStato() const {
    return "Concorsi Esaminati : " + std::to_string(Esaminati) + " Su " + std::to_string(Concorsi);
}

std::string TEsitoCondizionato::TestoFattore() const {
    return FattoreInfinito ? std::string("Infinito") : TestoDueDecimali(Fattore, 1);
}

void CalcolaRitardi(TEsitoCondizionato& e) {
    const int p = e.Superati, d = e.EstrazioniDiAssenza;
    e.CicloMedio = p == 0 ? 0.0 : DueDecimali(static_cast<double>(e.Esaminati - d) / p);
    const auto ciclo = static_cast<int>(std::lround(e.CicloMedio));
    e.RitardoAttuale = std::max(d - ciclo, 0);
    e.RitardoMinimo = e.RitardoMassimo = 0;
    e.RitardoMedio = 0;
    int precedente = 0, quanti = 0;
    long long somma = 0;
    for (const int pos : e.Passaggi) {
        const int scarto = pos - precedente - ciclo;
        precedente = pos;
        if (scarto <= 0) continue;
        e.RitardoMinimo = quanti == 0 ? scarto : std::min(e.RitardoMinimo, scarto);
        e.RitardoMassimo = std::max(e.RitardoMassimo, scarto);
        somma += scarto;
        ++quanti;
    }
    if (quanti > 0) e.RitardoMedio = DueDecimali(static_cast<double>(somma) / quanti);
}

bool AnalisiCondizionata(T_Sistema& sistema, TEsitoCondizionato& e,
                         IAvanzamentoAnalisi* avanzamento) {
    e = TEsitoCondizionato{};
    TDatiSistema& d = sistema.Dati;
    TArchivio& archivio = d.Archivio;
    T_FrequenzeRitardi& stat = sistema.Statistiche;
    stat.Inizializza(1);
    e.Concorsi = archivio.Quante();
    if (avanzamento) {
        avanzamento->Apri(TFaseAnalisi::Archivio, e.Concorsi);
        avanzamento->Posizione(0);
    }
    struct TChiudi {
        IAvanzamentoAnalisi* a;
        ~TChiudi() {
            if (a) a->Chiudi();
        }
    } chiudi{avanzamento};

    TTestCondizioni test(*d.Condizioni, *d.Recuperi);
    test.Prepara();
    TFineStorica fine(archivio);
    for (int i = 0; i < e.Concorsi; ++i) {
        if (!archivio.Selezione.Contiene(archivio[i], i)) continue;
        ++e.Esaminati;
        if (avanzamento) avanzamento->Posizione(i * 100 / e.Concorsi);
        // A past result is compared with the results before it, not with later ones.
        archivio.FineStorica = i;
        if (test.Verifica(archivio[i].Vincente)) {
            stat.Aggiungi(1, 0, true);
            e.Passaggi.push_back(e.Esaminati);
        } else {
            stat.Aggiungi(0, 0, true);
        }
        if (avanzamento && avanzamento->Annullato()) return false;
    }

    e.Superati = stat.Frequenza(1);
    e.EstrazioniDiAssenza = stat.Ritardo(1);
    CalcolaRitardi(e);
    if (stat.Estrazioni > 0)
        e.FrequenzaStorica = static_cast<double>(e.Superati) * 100.0 / stat.Estrazioni;
    // Developed into memory: the share of the candidates the conditions took away.
    const std::int64_t senzaCondizioni = sistema.ContaAmmesse;
    e.ConColonne = d.Sviluppato && d.ImpSviluppo.InMemoria && senzaCondizioni > 0;
    if (e.ConColonne) {
        e.ColonneFiltrate = static_cast<double>(senzaCondizioni - d.Colonne.Quante()) * 100.0 /
                            static_cast<double>(senzaCondizioni);
        const double divisore = 100.0 - e.FrequenzaStorica;
        e.FattoreInfinito = divisore == 0.0;
        if (!e.FattoreInfinito) e.Fattore = e.ColonneFiltrate / divisore;
    }
    if (avanzamento) avanzamento->Posizione(100);
    return true;
}

}  // namespace sirvela
