// Column test benchmark: TInsiemeCondizioni::Verifica on a typical set of conditions (the
// pre-tested Somme and Pari e Dispari, Distanze Globali with recovery values in one link,
// Numero di Sequenze, one Resti, a Quadro of two members), and on an empty set as the floor.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"

using namespace sirvela;
using Orologio = std::chrono::steady_clock;

namespace {

// A cache-sized batch of candidates tested over and over, as the development's candidates
// arrive one at a time without touching memory.
constexpr std::size_t kColonne = 1 << 16;
constexpr int kRipetizioni = 64;

void Accetta(TTabellaValori& t, int da, int a, std::uint8_t stato = 1, std::uint8_t livello = 0) {
    for (int v = da; v <= a; ++v) t.Voci[static_cast<std::size_t>(v)] = {stato, livello};
}

template <typename T>
T& Slot(TDatiSistema& dati, int slot) {
    return static_cast<T&>(*dati.Condizioni->Condizione(slot));
}

void SetTipico(TDatiSistema& dati) {
    auto& somme = Slot<TCondSomme>(dati, kSomme);
    somme.Tutti.Intervalli[0] = {60, 140, 1, 0};
    somme.Tutti.Quanti = 1;

    auto& pd = Slot<TCondPariDispari>(dati, kPariDispari);
    Accetta(pd.Pari.Principale, 2, 6);
    Accetta(pd.Dispari.Principale, 2, 6);

    auto& dist = Slot<TCondDistanzeGlobali>(dati, kDistanzeGlobali);
    Accetta(dist.Massima.Principale, 5, 24);
    Accetta(dist.Totale.Principale, 26, 89);
    Accetta(dist.Totale.Principale, 20, 25, 2, 2);  // in recovery, link A
    Accetta(dati.Recuperi->Gruppo('A')->ErroriAmmessi.Principale, 0, 1);

    auto& seq = Slot<TCondNumeroSequenze>(dati, kNumeroSequenze);
    Accetta(seq.Lunghezza1.Principale, 3, 8);

    auto& resti = Slot<TCondGruppo>(dati, kGruppoResti);
    auto* resto = static_cast<TCondResti*>(resti.AggiungiMembro());
    resto->Divisore = 7;
    Accetta(resto->Resto.Principale, 0, 5);

    auto& quadro = Slot<TCondQuadro>(dati, kQuadro);
    auto bar = std::make_unique<TCondBaricentri>(&dati);
    Accetta(bar->Tutti.Principale, 7, 16);
    auto filtro = std::make_unique<TCondColonnaFiltro>(&dati);
    for (int p : {3, 7, 11, 15, 19}) filtro->PilotiFiltro.Aggiungi(p);
    Accetta(filtro->Numeri.Principale, 0, 3);
    quadro.Aggiungi(std::move(bar));
    quadro.Aggiungi(std::move(filtro));
}

void Prepara(TDatiSistema& dati) {
    auto& ins = *dati.Condizioni;
    ins.AzzeraTutteStatistiche();
    ins.AggiornaTutte();
    ins.CostruisciAttive();
    ins.RaccogliErrori = false;
    dati.Recuperi->Esamina();
    dati.Recuperi->AzzeraStatistiche();
    dati.Recuperi->AggiornaStato();
}

std::vector<TColonna> Colonne(std::size_t quante) {
    std::mt19937 caso(1234);
    std::vector<int> piloti(23);
    std::iota(piloti.begin(), piloti.end(), 1);
    std::vector<TColonna> v(quante);
    for (auto& c : v) {
        std::shuffle(piloti.begin(), piloti.end(), caso);
        for (std::size_t i = 0; i < 8; ++i) c[i] = static_cast<std::uint8_t>(piloti[i]);
    }
    return v;
}

void Misura(const char* nome, TDatiSistema& dati, const std::vector<TColonna>& colonne) {
    auto& ins = *dati.Condizioni;
    std::int64_t accettate = 0, provate = 0;
    double migliore = 1e30;
    for (int giro = 0; giro < 5; ++giro) {
        std::int64_t a = 0;
        const auto inizio = Orologio::now();
        for (int ripeti = 0; ripeti < kRipetizioni; ++ripeti)
            for (const TColonna& c : colonne) a += ins.Verifica(c);
        const double s = std::chrono::duration<double>(Orologio::now() - inizio).count();
        migliore = std::min(migliore, s);
        accettate = a;
        provate = static_cast<std::int64_t>(colonne.size()) * kRipetizioni;
    }
    std::printf(
        "%-28s %2d conditions in play: %7.1f M columns/s (%.2f ns each), %.1f %% accepted\n", nome,
        ins.QuanteAttive, provate / migliore / 1e6, migliore * 1e9 / provate,
        100.0 * accettate / provate);
}

}  // namespace

int main() {
    const auto colonne = Colonne(kColonne);

    TDatiSistema vuoto;
    Prepara(vuoto);
    Misura("empty set", vuoto, colonne);

    TDatiSistema tipico;
    SetTipico(tipico);
    Prepara(tipico);
    Misura("typical set", tipico, colonne);
    std::printf("link letters in use: %s\n", tipico.Recuperi->LettereInUso.c_str());
    return 0;
}
