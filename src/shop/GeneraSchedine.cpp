#include "shop/GeneraSchedine.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/ComandiColonne.h"
#include "core/Globali.h"
#include "tools/TSchedinaVin.h"

namespace sirvela {

namespace {

constexpr int kMinimoFissiCasuali = 2;
constexpr int kMassimoFissiCasuali = 7;

// The pilot count giving exactly `colonne` columns with `fissi` fixed positions; 0 when none.
int VariabiliPer(std::int64_t colonne, int fissi, int escluso) {
    for (int n = fissi; n <= PilotiEstraibili(escluso) - fissi; ++n)
        if (Disposizioni(n, 8 - fissi) == colonne) return n;
    return 0;
}

TColonna ColonnaCasuale(int escluso, std::mt19937& caso) {
    TCombinazione c;
    c.RiempiCaso(8, false, escluso, caso);
    return ColonnaDaLista(c);
}

}  // namespace

std::int64_t Disposizioni(int n, int k) {
    if (n < 0 || k < 0) return 0;
    double prodotto = 1.0;
    for (int i = 0; i < k; ++i) prodotto *= (n - i);
    const double combinazioni = std::nearbyint(prodotto / Fattoriale(k));
    return static_cast<std::int64_t>(combinazioni * Fattoriale(k));
}

int PilotiEstraibili(int escluso) {
    const int piloti = std::clamp<int>(NumeroPiloti, 0, kMaxPiloti);
    return piloti - (escluso >= 1 && escluso <= piloti ? 1 : 0);
}

std::int64_t TSchedinaSistema::Colonne() const {
    return Disposizioni(Variabili.Conta(), PostiVuoti(Fissa));
}

bool FormaPossibile(int minimo, int massimo, int escluso) {
    for (int f = kMinimoFissiCasuali; f <= kMassimoFissiCasuali; ++f)
        for (int n = f; n <= PilotiEstraibili(escluso) - f; ++n) {
            const std::int64_t d = Disposizioni(n, 8 - f);
            if (d >= minimo && d <= massimo) return true;
        }
    return false;
}

TForma ScegliForma(int minimo, int massimo, int escluso, std::mt19937& caso) {
    std::uniform_int_distribution<int> obiettivo(minimo, std::max(minimo, massimo));
    std::uniform_int_distribution<int> fissi(kMinimoFissiCasuali, kMassimoFissiCasuali);
    for (;;) {
        const int colonne = obiettivo(caso);
        const int f = fissi(caso);
        if (const int n = VariabiliPer(colonne, f, escluso)) return {f, n};
    }
}

void SvuotaPosizioni(TColonna& colonna, int quante, std::mt19937& caso) {
    quante = std::clamp(quante, 0, 8);
    std::uniform_int_distribution<int> posizione(0, 7);
    std::array<bool, 8> vuota{};
    for (int svuotate = 0; svuotate < quante;) {
        const int p = posizione(caso);
        if (vuota[p]) continue;
        vuota[p] = true;
        colonna[p] = 0;
        ++svuotate;
    }
}

TCombinazione RiempiVariabili(const TColonna& fissa, int n, int escluso, std::mt19937& caso) {
    const int piloti = std::clamp<int>(NumeroPiloti, 1, kMaxPiloti);
    std::array<bool, kMaxPiloti + 1> fuori{};
    int quantiFuori = 0;
    auto togli = [&](int v) {
        if (v >= 1 && v <= piloti && !fuori[v]) {
            fuori[v] = true;
            ++quantiFuori;
        }
    };
    for (std::uint8_t v : fissa) togli(v);
    togli(escluso);
    // Asking for more than are left would never end.
    n = std::clamp(n, 0, piloti - quantiFuori);
    TCombinazione variabili;
    std::uniform_int_distribution<int> pilota(1, piloti);
    while (variabili.Conta() < n) {
        const int v = pilota(caso);
        if (!fuori[v]) variabili.Aggiungi(v);
    }
    return variabili;
}

TSchedinaSistema SchedinaSistema(TForma forma, int escluso, std::mt19937& caso) {
    TSchedinaSistema s;
    s.Fissa = ColonnaCasuale(escluso, caso);
    SvuotaPosizioni(s.Fissa, 8 - forma.Fissi, caso);
    s.Variabili = RiempiVariabili(s.Fissa, forma.Variabili, escluso, caso);
    return s;
}

void ColonneCasuali(int schedine, int escluso, std::mt19937& caso, TListaColonne& destinazione) {
    for (int i = 0; i < schedine * kColonnePerSchedina; ++i)
        destinazione.Accoda(ColonnaCasuale(escluso, caso));
}

// ---------------------------------------------------------------------------------------------

void TModelloGeneraSchedine::ImpostaSchedine(int schedine) {
    schedine_ = std::clamp(schedine, kMinimoSchedine, kMassimoSchedine);
}

void TModelloGeneraSchedine::ImpostaNumeriFissi(int fissi) {
    fissi_ = std::clamp(fissi, 0, kFissiSemplici);
    variabili_ = fissi_ == kFissiSemplici ? 0 : 9 - fissi_;
}

bool TModelloGeneraSchedine::PuoAumentareVariabili(int numeroPiloti) const {
    return variabili_ + 1 <= numeroPiloti - 1 - fissi_;
}

bool TModelloGeneraSchedine::PuoDiminuireVariabili() const {
    return variabili_ - 1 >= 9 - fissi_;
}

void TModelloGeneraSchedine::AumentaVariabili(int numeroPiloti) {
    if (FrecceCostoFisso() && PuoAumentareVariabili(numeroPiloti)) ++variabili_;
}

void TModelloGeneraSchedine::DiminuisciVariabili() {
    if (FrecceCostoFisso() && PuoDiminuireVariabili()) --variabili_;
}

void TModelloGeneraSchedine::AumentaMinimo() {
    if (PuoAumentareMinimo()) ++minimo_;
}

void TModelloGeneraSchedine::DiminuisciMinimo() {
    if (PuoDiminuireMinimo()) --minimo_;
}

void TModelloGeneraSchedine::AumentaMassimo() {
    if (PuoAumentareMassimo()) ++massimo_;
}

void TModelloGeneraSchedine::DiminuisciMassimo() {
    if (PuoDiminuireMassimo()) --massimo_;
}

std::int64_t TModelloGeneraSchedine::ColonneSchedina() const {
    if (fissi_ == kFissiSemplici) return kColonnePerSchedina;
    return Disposizioni(variabili_, 8 - fissi_);
}

std::string TestoImportoColonne(std::int64_t colonne, const TPrezzi& prezzi) {
    return " " +
           FormattaImporto(static_cast<double>(colonne) * prezzi.Prezzo(), prezzi.Euro ? 2 : 0);
}

std::string TModelloGeneraSchedine::TestoCostoSchedina(const TPrezzi& prezzi) const {
    return TestoImportoColonne(ColonneSchedina(), prezzi);
}

std::string TModelloGeneraSchedine::TestoCostoMinimo(const TPrezzi& prezzi) const {
    return TestoImportoColonne(minimo_, prezzi);
}

std::string TModelloGeneraSchedine::TestoCostoMassimo(const TPrezzi& prezzi) const {
    return TestoImportoColonne(massimo_, prezzi);
}

// ---------------------------------------------------------------------------------------------

void GeneraInMemoria(const TModelloGeneraSchedine& m, int escluso, std::mt19937& caso,
                     TListaColonne& colonne) {
    colonne.Svuota();
    ColonneCasuali(m.Schedine(), escluso, caso, colonne);
}

bool GeneraSuFile(const TModelloGeneraSchedine& m, int escluso, std::mt19937& caso,
                  IMessaggi& messaggi, ISceltaFile& scelta) {
    TListaColonne colonne;
    ColonneCasuali(m.Schedine(), escluso, caso, colonne);
    return ScriviColonneSuFileScelto(colonne, "", kSovrascriviSchedine, messaggi, scelta)
        .has_value();
}

std::optional<TSchedineDaStampare> SchedineDaStampare(const TModelloGeneraSchedine& m, int escluso,
                                                      std::mt19937& caso) {
    TSchedineDaStampare r;
    if (m.CostoCasuale) {
        if (!FormaPossibile(m.MinimoColonne(), m.MassimoColonne(), escluso)) return std::nullopt;
        for (int i = 0; i < m.Schedine(); ++i)
            r.Sistemi.push_back(SchedinaSistema(
                ScegliForma(m.MinimoColonne(), m.MassimoColonne(), escluso, caso), escluso, caso));
    } else if (m.NumeriFissi() == TModelloGeneraSchedine::kFissiSemplici) {
        ColonneCasuali(m.Schedine(), escluso, caso, r.Semplici);
    } else {
        const TForma forma{m.NumeriFissi(), m.PilotiVariabili()};
        for (int i = 0; i < m.Schedine(); ++i)
            r.Sistemi.push_back(SchedinaSistema(forma, escluso, caso));
    }
    return r;
}

}  // namespace sirvela
