#include "conditions/LimitiPrefisso.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "conditions/CalcoliColonna.h"
#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondQuadro.h"
#include "conditions/TValoriAmmessi.h"
#include "core/TDatiSistema.h"

namespace sirvela {

using V = TVerdettoPrefisso;

namespace {

int Bit(std::uint64_t m) {
    return ContaBit(m);
}

// Sum of the k smallest (largest) numbers of a set; of all of them when it holds fewer.
int SommaMinime(std::uint64_t m, int k) {
    int s = 0;
    for (; k > 0 && m; --k, m &= m - 1) s += std::countr_zero(m);
    return s;
}
int SommaMassime(std::uint64_t m, int k) {
    int s = 0;
    for (; k > 0 && m; --k) {
        const int v = 63 - std::countl_zero(m);
        s += v;
        m &= ~(std::uint64_t{1} << v);
    }
    return s;
}

constexpr TEstremi kVuoto{1, 0};

bool Vuoto(TEstremi e) {
    return e.Min > e.Max;
}

TEstremi Piu(int v, TEstremi e) {
    return Vuoto(e) ? e : TEstremi{v + e.Min, v + e.Max};
}

unsigned MascheraFissate(const TPrefisso& p) {
    return (1u << p.Fissate) - 1u;
}

// A pilot as a bit; numbers beyond the 64 a partial column can hold give none.
std::uint64_t BitPilota(int v) {
    return v >= 0 && v < 64 ? std::uint64_t{1} << v : 0;
}

// Whether some pair of the list is accepted, and whether all are plainly.
TVerdettoPrefisso EsaminaCoppie(const TCategoriaLimiti& c, std::initializer_list<int> valori) {
    bool qualcuna = false, tutte = true;
    for (const int v : valori) {
        const V r = c.Esamina({v, v}, {v, v});
        qualcuna = qualcuna || r != V::Nessuna;
        tutte = tutte && r == V::Tutte;
    }
    return !qualcuna ? V::Nessuna : (tutte ? V::Tutte : V::Forse);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The partial column

void TPrefisso::Inizia(const std::array<std::uint64_t, 8>* insiemi,
                       const std::array<std::uint64_t, 9>* unioni, std::uint8_t pilota) {
    insiemi_ = insiemi;
    unioni_ = unioni;
    Fissate = 0;
    Usati = 0;
    Somma = SommaPari = SommaDispari = Dispari = 0;
    SegniPari = 0;
    TPrefisso vuoto = *this;
    Estendi(vuoto, pilota);
}

void TPrefisso::Estendi(const TPrefisso& p, std::uint8_t pilota) {
    insiemi_ = p.insiemi_;
    unioni_ = p.unioni_;
    Colonna = p.Colonna;
    Fissate = p.Fissate + 1;
    Colonna[static_cast<std::size_t>(p.Fissate)] = pilota;
    Usati = p.Usati | BitPilota(pilota);
    Somma = p.Somma + pilota;
    const int d = pilota & 1;
    Dispari = p.Dispari + d;
    SommaDispari = p.SommaDispari + (d ? pilota : 0);
    SommaPari = p.SommaPari + (d ? 0 : pilota);
    SegniPari = p.SegniPari | (d ? 0u : 1u << p.Fissate);
    Unione = (*unioni_)[static_cast<std::size_t>(Fissate)] & ~Usati;
    pronti_ = 0;
}

void TPrefisso::Parita() const {
    if (pronti_ & 1u) return;
    puoPari_ = SegniPari & MascheraFissate(*this);
    puoDispari_ = ~SegniPari & MascheraFissate(*this);
    for (int k = Fissate; k < 8; ++k) {
        const std::uint64_t m = Possibili(k);
        if (m & kPari) puoPari_ |= 1u << k;
        if (m & kDispari) puoDispari_ |= 1u << k;
    }
    pronti_ |= 1u;
}

unsigned TPrefisso::PuoPari() const {
    Parita();
    return puoPari_;
}

unsigned TPrefisso::PuoDispari() const {
    Parita();
    return puoDispari_;
}

TEstremi TPrefisso::RestoSomma() const {
    if (pronti_ & 2u) return somma_;
    pronti_ |= 2u;
    const int r = Restanti();
    somma_ = kVuoto;
    if (Bit(Unione) < r) return somma_;
    // Each later position alone, and the smallest (largest) distinct pilots together.
    int minimo = 0, massimo = 0;
    for (int k = Fissate; k < 8; ++k) {
        const std::uint64_t m = Possibili(k);
        if (!m) return somma_;
        minimo += std::countr_zero(m);
        massimo += 63 - std::countl_zero(m);
    }
    somma_ = {std::max(minimo, SommaMinime(Unione, r)), std::min(massimo, SommaMassime(Unione, r))};
    return somma_;
}

TEstremi TPrefisso::RestoDispari() const {
    if (pronti_ & 4u) return dispari_;
    pronti_ |= 4u;
    const int r = Restanti();
    // Odd pilots fill at most the positions that can take one, and the odd pilots left.
    const unsigned dopo = 0xFFu & ~MascheraFissate(*this);
    const int posizioniDispari = Bit(PuoDispari() & dopo);
    const int posizioniPari = Bit(PuoPari() & dopo);
    dispari_ = {r - std::min({r, Bit(Unione & kPari), posizioniPari}),
                std::min({r, Bit(Unione & kDispari), posizioniDispari})};
    return dispari_;
}

TEstremi TPrefisso::RestoSommaPari() const {
    if (pronti_ & 8u) return sommaPari_;
    pronti_ |= 8u;
    const TEstremi d = RestoDispari();
    const int r = Restanti();
    sommaPari_ = Vuoto(d) ? kVuoto
                          : TEstremi{SommaMinime(Unione & kPari, r - d.Max),
                                     SommaMassime(Unione & kPari, r - d.Min)};
    return sommaPari_;
}

TEstremi TPrefisso::RestoSommaDispari() const {
    if (pronti_ & 16u) return sommaDispari_;
    pronti_ |= 16u;
    const TEstremi d = RestoDispari();
    sommaDispari_ = Vuoto(d) ? kVuoto
                             : TEstremi{SommaMinime(Unione & kDispari, d.Min),
                                        SommaMassime(Unione & kDispari, d.Max)};
    return sommaDispari_;
}

TSerieLimiti LimitiSerie(unsigned certi, unsigned possibili) {
    const unsigned tutti = certi | possibili;
    return {{calcoli::Conta(certi), calcoli::Conta(tutti)},
            {calcoli::SerieMassima(certi), calcoli::SerieMassima(tutti)}};
}

// ---------------------------------------------------------------------------------------------
// Accepted values over ranges

TTabellaLimiti::TTabellaLimiti(const TTabellaValori& t, int massimo)
    : Attiva(t.Attiva), massimo_(std::clamp(massimo, 0, TTabellaValori::kValori - 1)) {
    const std::size_t parole = static_cast<std::size_t>(massimo_ / 64 + 1);
    accettati_.assign(parole, 0);
    semplici_.assign(parole, 0);
    for (int v = 0; v <= massimo_; ++v) {
        const std::uint64_t bit = std::uint64_t{1} << (v % 64);
        const auto w = static_cast<std::size_t>(v / 64);
        const int stato = t.Voci[static_cast<std::size_t>(v)].Stato;
        if (stato == 1 || stato == 2) accettati_[w] |= bit;
        if (stato == 1) semplici_[w] |= bit;
    }
    accettatiBassi_ = accettati_[0];
    sempliciBassi_ = semplici_[0];
    if (parole == 1) {
        accettati_.clear();
        semplici_.clear();
    }
}

std::uint64_t TTabellaLimiti::Finestra(int da) const {
    if (da < 0 || da > massimo_) return 0;
    std::uint64_t v;
    if (accettati_.empty()) {
        v = accettatiBassi_ >> da;
    } else {
        const auto w = static_cast<std::size_t>(da / 64);
        const int spostamento = da % 64;
        v = accettati_[w] >> spostamento;
        if (spostamento && w + 1 < accettati_.size()) v |= accettati_[w + 1] << (64 - spostamento);
    }
    // Nothing beyond the table's highest value.
    const int oltre = massimo_ - da;
    return oltre >= 63 ? v : v & ((std::uint64_t{2} << oltre) - 1);
}

bool TTabellaLimiti::QualcunoOltre(int da, int a) const {
    for (int w = da / 64; w <= a / 64; ++w) {
        const int inizio = w == da / 64 ? da % 64 : 0, fine = w == a / 64 ? a % 64 : 63;
        if (accettati_[static_cast<std::size_t>(w)] & Tratto(inizio, fine)) return true;
    }
    return false;
}

bool TTabellaLimiti::TuttiSempliciOltre(int da, int a) const {
    for (int w = da / 64; w <= a / 64; ++w) {
        const int inizio = w == da / 64 ? da % 64 : 0, fine = w == a / 64 ? a % 64 : 63;
        const std::uint64_t m = Tratto(inizio, fine);
        if ((semplici_[static_cast<std::size_t>(w)] & m) != m) return false;
    }
    return true;
}

TCategoriaLimiti::TCategoriaLimiti(const TValoriAmmessi& v)
    : Attivo(v.Attivo), Principale(v.Principale, v.Massimo), Secondaria(v.Secondaria, v.Massimo) {}

TVerdettoPrefisso TCategoriaLimiti::Esamina(TEstremi p, TEstremi s) const {
    if (!Attivo) return V::Tutte;
    V esito = V::Tutte;
    if (Principale.Attiva) {
        if (!Principale.Qualcuno(p.Min, p.Max)) return V::Nessuna;
        if (!Principale.TuttiSemplici(p.Min, p.Max)) esito = V::Forse;
    }
    if (Secondaria.Attiva) {
        if (!Secondaria.Qualcuno(s.Min, s.Max)) return V::Nessuna;
        if (!Secondaria.TuttiSemplici(s.Min, s.Max)) esito = V::Forse;
    }
    return esito;
}

TVerdettoPrefisso TCategoriaLimiti::EsaminaForseMancante(TEstremi p, TEstremi s,
                                                         bool mancante) const {
    if (!Attivo) return V::Tutte;
    const V v = Esamina(p, s);
    return mancante && v == V::Tutte ? V::Forse : v;
}

TIntervalliLimiti::TIntervalliLimiti(const TIntervalliAmmessi& l) : attivo_(l.Attivo) {
    // Sums and totals stay far within a million.
    constexpr double kLimite = 1e6;
    for (int i = 0; i < l.Conta(); ++i) {
        const TIntervallo& iv = l.Intervalli[static_cast<std::size_t>(i)];
        voci_.push_back({iv.Min, iv.Max, iv.Tipo});
        const double da = std::max(std::ceil(iv.Min), -kLimite);
        const double a = std::min(std::floor(iv.Max), kLimite);
        if (da <= a)  // NaN bounds hold nothing
            interi_.push_back({static_cast<int>(da), static_cast<int>(a), iv.Tipo});
    }
}

std::uint64_t TIntervalliLimiti::Maschera(int base) const {
    if (!attivo_) return ~std::uint64_t{0};
    std::uint64_t m = 0;
    for (const TInteri& i : interi_) {
        if (i.Tipo != 1 && i.Tipo != 2) continue;
        const int x = std::max(i.Da - base, 0), y = std::min(i.A - base, 63);
        if (x <= y) m |= TTabellaLimiti::Tratto(x, y);
    }
    return m;
}

TVerdettoPrefisso TIntervalliLimiti::Esamina(TEstremi v) const {
    if (!attivo_) return V::Tutte;
    // The first interval holding a value decides it; the values are whole numbers.
    bool qualcuno = false, coperti = false, primo = true;
    for (const TVoce& i : voci_) {
        const double da = std::max<double>(v.Min, std::ceil(i.Min));
        const double a = std::min<double>(v.Max, std::floor(i.Max));
        if (!(da <= a)) continue;  // no whole value of the range in it (NaN bounds too)
        const bool accetta = i.Tipo == 1 || i.Tipo == 2;
        qualcuno = qualcuno || accetta;
        // Every value plainly accepted: the first interval met takes the whole range.
        if (primo) coperti = i.Tipo == 1 && i.Min <= v.Min && v.Max <= i.Max;
        primo = false;
    }
    if (!qualcuno) return V::Nessuna;
    return coperti ? V::Tutte : V::Forse;
}

std::uint64_t TLimitePrefisso::Ultimi(const TPrefisso& p) const {
    return Esamina(p) == V::Nessuna ? 0 : ~std::uint64_t{0};
}

std::uint64_t Rovescia64(std::uint64_t v) {
    v = ((v >> 1) & 0x5555555555555555ULL) | ((v & 0x5555555555555555ULL) << 1);
    v = ((v >> 2) & 0x3333333333333333ULL) | ((v & 0x3333333333333333ULL) << 2);
    v = ((v >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((v & 0x0F0F0F0F0F0F0F0FULL) << 4);
    return __builtin_bswap64(v);
}

std::uint64_t PilotiADistanza(std::uint64_t distanze, int da) {
    return (distanze << da) | (Rovescia64(distanze) >> (63 - da));
}

// ---------------------------------------------------------------------------------------------
// The bounds of each kind

namespace {

// The seven placed positions with a given last pilot: the whole column for the kinds that
// look at one property of the last pilot alone (its sign, whether it follows the one before).
TColonna ConUltimo(const TPrefisso& p, std::uint8_t ultimo) {
    TColonna c = p.Colonna;
    c[7] = ultimo;
    return c;
}

// For a kind that sees only the parity of the last pilot: the even last pilots when an even
// one may pass, the odd ones when an odd one may.
template <class F>
std::uint64_t UltimiPerParita(const F& giudica) {
    std::uint64_t possibili = 0;
    if (giudica(2) != TVerdettoPrefisso::Nessuna) possibili |= TPrefisso::kPari;
    if (giudica(1) != TVerdettoPrefisso::Nessuna) possibili |= TPrefisso::kDispari;
    return possibili;
}

class TLimiteSomme : public TLimitePrefisso {
  public:
    explicit TLimiteSomme(const TCondSomme& s)
        : tutti_(s.Tutti),
          pari_(s.Pari),
          dispari_(s.Dispari),
          usaPari_(s.Pari.Attivo),
          usaDispari_(s.Dispari.Attivo) {}
    V Esamina(const TPrefisso& p) const override {
        V v = tutti_.Esamina(Piu(p.Somma, p.RestoSomma()));
        if (v != V::Nessuna && usaPari_)
            v = Entrambi(v, pari_.Esamina(Piu(p.SommaPari, p.RestoSommaPari())));
        if (v != V::Nessuna && usaDispari_)
            v = Entrambi(v, dispari_.Esamina(Piu(p.SommaDispari, p.RestoSommaDispari())));
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        // The last pilot adds to its parity's sum only.
        auto parita = [](std::uint64_t sommate, std::uint64_t sua) {
            return (sommate & sua) | (sommate & 1u ? ~sua : 0);
        };
        return tutti_.Maschera(p.Somma) & parita(pari_.Maschera(p.SommaPari), TPrefisso::kPari) &
               parita(dispari_.Maschera(p.SommaDispari), TPrefisso::kDispari);
    }
    std::uint64_t Penultimi(const TPrefisso& p) const override {
        if (!tutti_.Attivo()) return ~std::uint64_t{0};
        // The two last pilots add x + y to the total: bit x + y of the sums that pass.
        const std::uint64_t basse = tutti_.Maschera(p.Somma), alte = tutti_.Maschera(p.Somma + 64);
        const std::uint64_t ultimi = p.Possibili(7);
        std::uint64_t m = 0;
        for (std::uint64_t r = p.Possibili(6); r; r &= r - 1) {
            const int x = std::countr_zero(r);
            const std::uint64_t somme = (basse >> x) | (x ? alte << (64 - x) : 0);
            if (somme & ultimi & ~(std::uint64_t{1} << x)) m |= std::uint64_t{1} << x;
        }
        return m;
    }

  private:
    TIntervalliLimiti tutti_, pari_, dispari_;
    bool usaPari_, usaDispari_;
};

// Counts of even (or odd) pilots over the whole column.
TEstremi ContaPari(const TPrefisso& p) {
    const TEstremi d = p.RestoDispari();
    const int pari = p.Fissate - p.Dispari, r = p.Restanti();
    return Vuoto(d) ? kVuoto : TEstremi{pari + r - d.Max, pari + r - d.Min};
}
TEstremi ContaDispari(const TPrefisso& p) {
    return Piu(p.Dispari, p.RestoDispari());
}
// Positions known to hold, and that may hold, an even (odd) pilot.
TSerieLimiti SeriePari(const TPrefisso& p) {
    const unsigned certi = p.SegniPari & MascheraFissate(p);
    return LimitiSerie(certi, p.PuoPari() & ~certi);
}
TSerieLimiti SerieDispari(const TPrefisso& p) {
    const unsigned certi = ~p.SegniPari & MascheraFissate(p);
    return LimitiSerie(certi, p.PuoDispari() & ~certi);
}

class TLimitePariDispari : public TLimitePrefisso {
  public:
    explicit TLimitePariDispari(const TCondPariDispari& c) : pari_(c.Pari), dispari_(c.Dispari) {}
    V Esamina(const TPrefisso& p) const override {
        V v = V::Tutte;
        if (pari_.Attivo) v = pari_.Esamina(ContaPari(p), SeriePari(p).Serie);
        if (v != V::Nessuna && dispari_.Attivo)
            v = Entrambi(v, dispari_.Esamina(ContaDispari(p), SerieDispari(p).Serie));
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        auto giudica = [&](bool pari) {
            const unsigned segni = p.SegniPari | (pari ? 0x80u : 0u);
            const unsigned dispari = ~segni & 0xFFu;
            return Entrambi(
                pari_.Giudica(calcoli::Conta(segni), calcoli::SerieMassima(segni)),
                dispari_.Giudica(calcoli::Conta(dispari), calcoli::SerieMassima(dispari)));
        };
        std::uint64_t possibili = 0;
        if (giudica(true) != V::Nessuna) possibili |= TPrefisso::kPari;
        if (giudica(false) != V::Nessuna) possibili |= TPrefisso::kDispari;
        return possibili;
    }

  private:
    TCategoriaLimiti pari_, dispari_;
};

class TLimiteBaricentri : public TLimitePrefisso {
  public:
    explicit TLimiteBaricentri(const TCondBaricentri& c)
        : tutti_(c.Tutti), pari_(c.Pari), dispari_(c.Dispari) {}
    V Esamina(const TPrefisso& p) const override {
        V v = V::Tutte;
        if (tutti_.Attivo) {
            const TEstremi s = Piu(p.Somma, p.RestoSomma());
            v = tutti_.Esamina(Vuoto(s) ? s : TEstremi{s.Min / 8, s.Max / 8});
        }
        if (v != V::Nessuna && pari_.Attivo)
            v = Entrambi(v, pari_.Esamina(Media(p, ContaPari(p), TPrefisso::kPari)));
        if (v != V::Nessuna && dispari_.Attivo)
            v = Entrambi(v, dispari_.Esamina(Media(p, ContaDispari(p), TPrefisso::kDispari)));
        return v;
    }

  private:
    // A mean of the pilots of one parity lies between the smallest and the largest of them
    // that the column can hold; it is 0 when the column may hold none.
    static TEstremi Media(const TPrefisso& p, TEstremi quanti, std::uint64_t parita) {
        if (Vuoto(quanti)) return quanti;
        const std::uint64_t pilotiColonna = (p.Usati | p.Unione) & parita;
        if (quanti.Max == 0 || !pilotiColonna) return {0, 0};
        const int minimo = quanti.Min == 0 ? 0 : std::countr_zero(pilotiColonna);
        return {minimo, 63 - std::countl_zero(pilotiColonna)};
    }
    TCategoriaLimiti tutti_, pari_, dispari_;
};

class TLimiteDistanzeGlobali : public TLimitePrefisso {
  public:
    explicit TLimiteDistanzeGlobali(const TCondDistanzeGlobali& c)
        : minima_(c.Minima), massima_(c.Massima), totale_(c.Totale) {}
    V Esamina(const TPrefisso& p) const override {
        if (!p.Unione) return V::Nessuna;  // no completion
        int dMin = 90, dMax = 0, totale = 0;
        Distanze(p, dMin, dMax, totale);
        // Every later distance lies between 1 (the pilots differ) and the spread of the last
        // placed pilot and those still free.
        const int ultimo = p.Colonna[static_cast<std::size_t>(p.Fissate - 1)];
        const int basso = std::min(ultimo, std::countr_zero(p.Unione));
        const int alto = std::max(ultimo, 63 - std::countl_zero(p.Unione));
        const int ampiezza = alto - basso, r = p.Restanti();
        V v = minima_.Esamina({1, std::min(dMin, ampiezza)});
        if (v != V::Nessuna)
            v = Entrambi(v, massima_.Esamina({std::max(dMax, 1), std::max(dMax, ampiezza)}));
        if (v != V::Nessuna) v = Entrambi(v, totale_.Esamina({totale + r, totale + r * ampiezza}));
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        int dMin = 90, dMax = 0, totale = 0;
        Distanze(p, dMin, dMax, totale);
        // The distances d (bits) of the last pair with which each value is accepted.
        const std::uint64_t tutte = ~std::uint64_t{0};
        std::uint64_t d = tutte & ~std::uint64_t{1};
        if (minima_.Attivo && minima_.Principale.Attiva) {
            // Below the smallest so far d is the smallest, from it on the smallest stays.
            const TTabellaLimiti& t = minima_.Principale;
            const std::uint64_t sotto = dMin >= 64 ? tutte : (std::uint64_t{1} << dMin) - 1;
            d &= (t.Finestra(0) & sotto) | (t.Qualcuno(dMin, dMin) ? ~sotto : 0);
        }
        if (massima_.Attivo && massima_.Principale.Attiva) {
            const TTabellaLimiti& t = massima_.Principale;
            const std::uint64_t finoA = (std::uint64_t{2} << dMax) - 1;
            d &= (t.Finestra(0) & ~finoA) | (t.Qualcuno(dMax, dMax) ? finoA : 0);
        }
        if (totale_.Attivo && totale_.Principale.Attiva) d &= totale_.Principale.Finestra(totale);
        return PilotiADistanza(d, p.Colonna[6]);
    }

    std::uint64_t Penultimi(const TPrefisso& p) const override {
        // The distance from the sixth pilot cannot exceed the largest accepted "Massima", nor
        // fall below the smallest accepted "Minima".
        int alta = 63, bassa = 1;
        if (massima_.Attivo && massima_.Principale.Attiva) {
            const std::uint64_t a = massima_.Principale.Finestra(0);
            if (!a) return 0;
            alta = 63 - std::countl_zero(a);
        }
        if (minima_.Attivo && minima_.Principale.Attiva) {
            const std::uint64_t a = minima_.Principale.Finestra(0);
            if (!a) return 0;
            bassa = std::max(bassa, std::countr_zero(a));
        }
        if (bassa > alta) return 0;
        return PilotiADistanza(TTabellaLimiti::Tratto(bassa, alta), p.Colonna[5]);
    }

  private:
    static void Distanze(const TPrefisso& p, int& dMin, int& dMax, int& totale) {
        for (int i = 1; i < p.Fissate; ++i) {
            const int d = std::abs(p.Colonna[static_cast<std::size_t>(i)] -
                                   p.Colonna[static_cast<std::size_t>(i - 1)]);
            dMin = std::min(dMin, d);
            dMax = std::max(dMax, d);
            totale += d;
        }
    }
    TCategoriaLimiti minima_, massima_, totale_;
};

// A vortex depends only on the signs of its field: once the field is placed, its values are
// known.
class TLimiteVortici : public TLimitePrefisso {
  public:
    explicit TLimiteVortici(const TCondVortici& c)
        : posD_(c.PosizioneDiretto),
          bracciD_(c.BracciDiretto),
          posI_(c.PosizioneInverso),
          bracciI_(c.BracciInverso) {
        calcoli::CorreggiCampo(c.PosizioneDiretto, daD_, aD_);
        calcoli::CorreggiCampo(c.PosizioneInverso, daI_, aI_);
    }
    V Esamina(const TPrefisso& p) const override {
        const V d = Parte(p.Colonna, p.Fissate, posD_, bracciD_, daD_, aD_, true);
        if (d == V::Nessuna) return d;
        return Entrambi(d, Parte(p.Colonna, p.Fissate, posI_, bracciI_, daI_, aI_, false));
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        // The signs decide: the whole column with an even and with an odd last pilot.
        auto giudica = [&](std::uint8_t ultimo) {
            const TColonna c = ConUltimo(p, ultimo);
            return Entrambi(Parte(c, 8, posD_, bracciD_, daD_, aD_, true),
                            Parte(c, 8, posI_, bracciI_, daI_, aI_, false));
        };
        return UltimiPerParita(giudica);
    }

  private:
    static V Parte(const TColonna& c, int fissate, const TCategoriaLimiti& pos,
                   const TCategoriaLimiti& bracci, int da, int a, bool diretto) {
        if (!pos.Attivo && !bracci.Attivo) return V::Tutte;
        if (a > fissate) return V::Forse;
        const TVortice v = TCondVortici::Calcola(c, da, a, diretto);
        return Entrambi(pos.Esamina({v.Posizione, v.Posizione}),
                        bracci.Esamina({v.Bracci, v.Bracci}));
    }
    TCategoriaLimiti posD_, bracciD_, posI_, bracciI_;
    int daD_ = 1, aD_ = 8, daI_ = 1, aI_ = 8;
};

class TLimiteNumeriConsecutivi : public TLimitePrefisso {
  public:
    explicit TLimiteNumeriConsecutivi(const TCondNumeriConsecutivi& c) : cat_(c.Consecutivita) {}
    V Esamina(const TPrefisso& p) const override {
        int catena = 1, migliore = 1;
        for (int i = 1; i < p.Fissate; ++i) {
            const int d =
                p.Colonna[static_cast<std::size_t>(i)] - p.Colonna[static_cast<std::size_t>(i - 1)];
            catena = d == 1 || d == -1 ? catena + 1 : 1;
            migliore = std::max(migliore, catena);
        }
        // The last chain goes on only if the next position can take a neighbour of its pilot.
        const int ultimo = p.Colonna[static_cast<std::size_t>(p.Fissate - 1)];
        const bool segue = p.Possibili(p.Fissate) & (BitPilota(ultimo - 1) | BitPilota(ultimo + 1));
        const int r = p.Restanti();
        return cat_.Esamina({migliore, std::max(migliore, segue ? catena + r : r)});
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        // Only whether the last pilot is a neighbour of the one before counts.
        const int prima = p.Colonna[6];
        const std::uint64_t vicini = BitPilota(prima - 1) | BitPilota(prima + 1);
        auto giudica = [&](int ultimo) {
            return cat_.Giudica(
                TCondNumeriConsecutivi::Calcola(ConUltimo(p, static_cast<std::uint8_t>(ultimo))));
        };
        std::uint64_t possibili = 0;
        if (giudica(prima + 1) != V::Nessuna) possibili |= vicini;
        if (giudica(prima + 3) != V::Nessuna) possibili |= ~vicini;
        return possibili;
    }

  private:
    TCategoriaLimiti cat_;
};

// Pairs of positions (bit k: the pair k) whose signs are known equal, and those that may be.
struct TCoppie {
    unsigned Certe = 0, Possibili = 0;
};
TCoppie CoppieUguali(const TPrefisso& p, const int (*coppie)[2]) {
    TCoppie r;
    const unsigned pari = p.PuoPari(), dispari = p.PuoDispari();
    for (int k = 0; k < 4; ++k) {
        const int i = coppie[k][0], j = coppie[k][1];
        if (j < p.Fissate) {
            if (((p.SegniPari >> i) & 1u) == ((p.SegniPari >> j) & 1u)) r.Certe |= 1u << k;
        } else if (((pari >> i) & (pari >> j) & 1u) || ((dispari >> i) & (dispari >> j) & 1u)) {
            r.Possibili |= 1u << k;
        }
    }
    return r;
}
constexpr int kSpeculari[4][2] = {{0, 7}, {1, 6}, {2, 5}, {3, 4}};
constexpr int kTraslate[4][2] = {{0, 4}, {1, 5}, {2, 6}, {3, 7}};

class TLimiteSimmetrie : public TLimitePrefisso {
  public:
    explicit TLimiteSimmetrie(const TCondSimmetrie& c)
        : dirette_(c.Dirette), inverse_(c.Inverse), totali_(c.Totali) {}
    V Esamina(const TPrefisso& p) const override {
        const TCoppie d = CoppieUguali(p, kSpeculari), i = CoppieUguali(p, kTraslate);
        const TSerieLimiti sd = LimitiSerie(d.Certe, d.Possibili);
        const TSerieLimiti si = LimitiSerie(i.Certe, i.Possibili);
        V v = dirette_.Esamina(sd.Conta, sd.Serie);
        if (v != V::Nessuna) v = Entrambi(v, inverse_.Esamina(si.Conta, si.Serie));
        if (v != V::Nessuna)
            v = Entrambi(
                v, totali_.Esamina({sd.Conta.Min + si.Conta.Min, sd.Conta.Max + si.Conta.Max}));
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        auto giudica = [&](std::uint8_t ultimo) {
            const TSimmetrie s = TCondSimmetrie::Calcola(ConUltimo(p, ultimo));
            return Entrambi(Entrambi(dirette_.Giudica(s.Dirette, s.SerieDirette),
                                     inverse_.Giudica(s.Inverse, s.SerieInverse)),
                            totali_.Giudica(s.Dirette + s.Inverse));
        };
        return UltimiPerParita(giudica);
    }

  private:
    TCategoriaLimiti dirette_, inverse_, totali_;
};

class TLimiteInterruzioni : public TLimitePrefisso {
  public:
    explicit TLimiteInterruzioni(const TCondInterruzioni& c)
        : globali_(c.Globali), pari_(c.SegniPari), dispari_(c.SegniDispari) {}
    V Esamina(const TPrefisso& p) const override {
        // Bit i: the change between positions i and i + 1.
        unsigned versoPari = 0, versoDispari = 0, forsePari = 0, forseDispari = 0;
        const unsigned pp = p.PuoPari(), pd = p.PuoDispari();
        for (int i = 0; i < 7; ++i) {
            const unsigned bit = 1u << i;
            if (i + 1 < p.Fissate) {
                const bool a = (p.SegniPari >> i) & 1u, b = (p.SegniPari >> (i + 1)) & 1u;
                if (a != b) (b ? versoPari : versoDispari) |= bit;
                continue;
            }
            if ((pd >> i) & (pp >> (i + 1)) & 1u) forsePari |= bit;
            if ((pp >> i) & (pd >> (i + 1)) & 1u) forseDispari |= bit;
        }
        const TSerieLimiti g = LimitiSerie(versoPari | versoDispari, forsePari | forseDispari);
        V v = globali_.Esamina(g.Conta, g.Serie);
        if (v != V::Nessuna)
            v = Entrambi(v, pari_.Esamina(LimitiSerie(versoPari, forsePari).Conta));
        if (v != V::Nessuna)
            v = Entrambi(v, dispari_.Esamina(LimitiSerie(versoDispari, forseDispari).Conta));
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        auto giudica = [&](std::uint8_t ultimo) {
            const TInterruzioni v = TCondInterruzioni::Calcola(ConUltimo(p, ultimo));
            return Entrambi(
                Entrambi(globali_.Giudica(v.Globali, v.SerieGlobali), pari_.Giudica(v.Pari)),
                dispari_.Giudica(v.Dispari));
        };
        return UltimiPerParita(giudica);
    }

  private:
    TCategoriaLimiti globali_, pari_, dispari_;
};

class TLimiteCrescenze : public TLimitePrefisso {
  public:
    explicit TLimiteCrescenze(const TCondCrescenzeDecrescenze& c)
        : crescenze_(c.Crescenze), decrescenze_(c.Decrescenze) {}
    V Esamina(const TPrefisso& p) const override {
        unsigned su = 0, giu = 0, forseSu = 0, forseGiu = 0;
        for (int i = 0; i < 7; ++i) {
            const unsigned bit = 1u << i;
            if (i + 1 < p.Fissate) {
                const int a = p.Colonna[static_cast<std::size_t>(i)];
                const int b = p.Colonna[static_cast<std::size_t>(i + 1)];
                if (b > a) su |= bit;
                if (b < a) giu |= bit;
            } else if (i + 1 == p.Fissate) {
                // The placed pilot against the pilots the next position can take.
                const int a = p.Colonna[static_cast<std::size_t>(i)];
                const std::uint64_t dopo = p.Possibili(i + 1);
                if (a < 63 && (dopo >> (a + 1))) forseSu |= bit;
                if (dopo & ((std::uint64_t{1} << a) - 1)) forseGiu |= bit;
            } else {
                forseSu |= bit;
                forseGiu |= bit;
            }
        }
        const TSerieLimiti s = LimitiSerie(su, forseSu), g = LimitiSerie(giu, forseGiu);
        const V v = crescenze_.Esamina(s.Conta, s.Serie);
        return v == V::Nessuna ? v : Entrambi(v, decrescenze_.Esamina(g.Conta, g.Serie));
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        // Only whether the last pilot is above or below the one before counts.
        unsigned su = 0, giu = 0;
        for (int i = 0; i < 6; ++i) {
            su |= static_cast<unsigned>(p.Colonna[static_cast<std::size_t>(i + 1)] >
                                        p.Colonna[static_cast<std::size_t>(i)])
                  << i;
            giu |= static_cast<unsigned>(p.Colonna[static_cast<std::size_t>(i + 1)] <
                                         p.Colonna[static_cast<std::size_t>(i)])
                   << i;
        }
        auto giudica = [&](unsigned s, unsigned g) {
            return Entrambi(crescenze_.Giudica(calcoli::Conta(s), calcoli::SerieMassima(s)),
                            decrescenze_.Giudica(calcoli::Conta(g), calcoli::SerieMassima(g)));
        };
        const int prima = p.Colonna[6];
        const std::uint64_t sopra = prima >= 63 ? 0 : ~std::uint64_t{0} << (prima + 1);
        const std::uint64_t sotto = (std::uint64_t{1} << prima) - 1;
        std::uint64_t possibili = 0;
        if (giudica(su | 0x40u, giu) != V::Nessuna) possibili |= sopra;
        if (giudica(su, giu | 0x40u) != V::Nessuna) possibili |= sotto;
        return possibili;
    }

    std::uint64_t Penultimi(const TPrefisso& p) const override {
        unsigned su = 0, giu = 0;
        for (int i = 0; i < 5; ++i) {
            su |= static_cast<unsigned>(p.Colonna[static_cast<std::size_t>(i + 1)] >
                                        p.Colonna[static_cast<std::size_t>(i)])
                  << i;
            giu |= static_cast<unsigned>(p.Colonna[static_cast<std::size_t>(i + 1)] <
                                         p.Colonna[static_cast<std::size_t>(i)])
                   << i;
        }
        // Each way the last two steps can go: up (bit 0 for the sixth, bit 1 for the last).
        bool va[4];
        for (unsigned modo = 0; modo < 4; ++modo) {
            const unsigned s = su | ((modo & 1u) << 5) | ((modo >> 1) << 6);
            const unsigned g = giu | ((~modo & 1u) << 5) | ((~modo >> 1 & 1u) << 6);
            va[modo] = Entrambi(crescenze_.Giudica(calcoli::Conta(s), calcoli::SerieMassima(s)),
                                decrescenze_.Giudica(calcoli::Conta(g),
                                                     calcoli::SerieMassima(g))) != V::Nessuna;
        }
        const int prima = p.Colonna[5];
        const std::uint64_t ultimi = p.Possibili(7);
        std::uint64_t m = 0;
        for (std::uint64_t r = p.Possibili(6); r; r &= r - 1) {
            const int x = std::countr_zero(r);
            const unsigned sale = x > prima;
            const std::uint64_t altri = ultimi & ~(std::uint64_t{1} << x);
            const bool sopra = x < 63 && (altri >> (x + 1)) != 0;
            const bool sotto = (altri & ((std::uint64_t{1} << x) - 1)) != 0;
            if ((sopra && va[sale | 2u]) || (sotto && va[sale])) m |= std::uint64_t{1} << x;
        }
        return m;
    }

  private:
    TCategoriaLimiti crescenze_, decrescenze_;
};

class TLimiteNumeroSequenze : public TLimitePrefisso {
  public:
    explicit TLimiteNumeroSequenze(const TCondNumeroSequenze& c)
        : lunghezze_{TCategoriaLimiti(c.Lunghezza1), TCategoriaLimiti(c.Lunghezza2),
                     TCategoriaLimiti(c.Lunghezza3), TCategoriaLimiti(c.Lunghezza4)} {}
    V Esamina(const TPrefisso& p) const override {
        // Sequences ended within the placed positions are final; the last one may grow.
        std::array<int, 4> finite{};
        int aperta = 1;
        for (int i = 1; i < p.Fissate; ++i) {
            if (p.Colonna[static_cast<std::size_t>(i)] ==
                p.Colonna[static_cast<std::size_t>(i - 1)] + 1) {
                ++aperta;
                continue;
            }
            if (aperta <= 4) ++finite[static_cast<std::size_t>(aperta - 1)];
            aperta = 1;
        }
        const int ultimo = p.Colonna[static_cast<std::size_t>(p.Fissate - 1)];
        const bool segue = p.Possibili(p.Fissate) & BitPilota(ultimo + 1);
        const int r = p.Restanti();
        V v = V::Tutte;
        for (int l = 1; l <= 4 && v != V::Nessuna; ++l) {
            // The open sequence takes j more positions; m positions hold at most m / l
            // sequences of length l.
            int extra = 0;
            for (int j = 0; j <= (segue ? r : 0); ++j)
                extra = std::max(extra, (aperta + j == l ? 1 : 0) + (r - j) / l);
            const int f = finite[static_cast<std::size_t>(l - 1)];
            v = Entrambi(v, lunghezze_[static_cast<std::size_t>(l - 1)].Esamina({f, f + extra}));
        }
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        // Only whether the last pilot follows the one before counts.
        const int prima = p.Colonna[6];
        auto giudica = [&](int ultimo) {
            const std::array<int, 4> v =
                TCondNumeroSequenze::Calcola(ConUltimo(p, static_cast<std::uint8_t>(ultimo)));
            V esito = V::Tutte;
            for (std::size_t l = 0; l < 4 && esito != V::Nessuna; ++l)
                esito = Entrambi(esito, lunghezze_[l].Giudica(v[l]));
            return esito;
        };
        const std::uint64_t segue = BitPilota(prima + 1);
        std::uint64_t possibili = 0;
        if (giudica(prima + 1) != V::Nessuna) possibili |= segue;
        if (giudica(prima) != V::Nessuna) possibili |= ~segue;
        return possibili;
    }

  private:
    std::array<TCategoriaLimiti, 4> lunghezze_;
};

class TLimiteConsecDiff : public TLimitePrefisso {
  public:
    explicit TLimiteConsecDiff(const TCondConsecDiff& c)
        : pari_(c.Segno == 1), consecutivita_(c.Consecutivita) {
        for (int n = 0; n <= 8; ++n)
            if (c.Segni.Principale.Voci[static_cast<std::size_t>(n)].Stato == 1)
                selezionati_ |= 1u << n;
    }
    V Esamina(const TPrefisso& p) const override {
        const TEstremi n = pari_ ? ContaPari(p) : ContaDispari(p);
        if (Vuoto(n)) return V::Nessuna;
        const unsigned tratto = ((1u << (n.Max + 1)) - 1u) & ~((1u << n.Min) - 1u);
        // A column with a count the selector leaves out passes whatever its run.
        if (!(selezionati_ & tratto)) return V::Tutte;
        const TSerieLimiti s = pari_ ? SeriePari(p) : SerieDispari(p);
        const V v = consecutivita_.Esamina(s.Serie);
        if (v == V::Tutte) return v;
        return v == V::Nessuna && (selezionati_ & tratto) == tratto ? V::Nessuna : V::Forse;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        auto giudica = [&](std::uint8_t ultimo) {
            const TCondConsecDiff::TValori v =
                TCondConsecDiff::Calcola(ConUltimo(p, ultimo), pari_);
            return (selezionati_ >> v.Quanti) & 1u ? consecutivita_.Giudica(v.Serie) : V::Tutte;
        };
        return UltimiPerParita(giudica);
    }

  private:
    bool pari_;
    TCategoriaLimiti consecutivita_;
    unsigned selezionati_ = 0;
};

class TLimiteResti : public TLimitePrefisso {
  public:
    explicit TLimiteResti(const TCondResti& c)
        : resto_(c.Resto), divisore_(std::abs(static_cast<std::int64_t>(c.Divisore))) {
        if (!resto_.Attivo || divisore_ == 0 || divisore_ > 128) return;
        maschere_.assign(static_cast<std::size_t>(divisore_), 0);
        for (std::int64_t r = 0; r < divisore_; ++r)
            for (int x = 0; x < 64; ++x)
                if (resto_.Giudica(static_cast<int>((r + x) % divisore_)) != V::Nessuna)
                    maschere_[static_cast<std::size_t>(r)] |= std::uint64_t{1} << x;
    }
    V Esamina(const TPrefisso& p) const override {
        if (!resto_.Attivo) return V::Tutte;
        if (divisore_ == 0) return V::Nessuna;  // no remainder, never accepted
        const TEstremi s = Piu(p.Somma, p.RestoSomma());
        if (Vuoto(s)) return V::Nessuna;
        if (s.Max - s.Min + 1 >= divisore_)
            return resto_.Esamina({0, static_cast<int>(divisore_ - 1)});
        const int da = static_cast<int>(s.Min % divisore_);
        const int a = static_cast<int>(s.Max % divisore_);
        if (da <= a) return resto_.Esamina({da, a});
        // The sums pass a multiple of the divisor: the remainders wrap round.
        const V alto = resto_.Esamina({da, static_cast<int>(divisore_ - 1)});
        const V basso = resto_.Esamina({0, a});
        if (alto == V::Nessuna && basso == V::Nessuna) return V::Nessuna;
        return alto == V::Tutte && basso == V::Tutte ? V::Tutte : V::Forse;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        if (maschere_.empty()) return TLimitePrefisso::Ultimi(p);
        return maschere_[static_cast<std::size_t>(p.Somma % divisore_)];
    }

  private:
    TCategoriaLimiti resto_;
    std::int64_t divisore_;
    // For each remainder of the placed sum, the last pilots that give an accepted one.
    std::vector<std::uint64_t> maschere_;
};

class TLimiteDistanzeSpecifiche : public TLimitePrefisso {
  public:
    explicit TLimiteDistanzeSpecifiche(const TCondDistanzeSpecifiche& c)
        : distanza_(c.Distanza), p1_(c.Posizione1), p2_(c.Posizione2) {}
    V Esamina(const TPrefisso& p) const override {
        if (!distanza_.Attivo) return V::Tutte;
        if (p1_ < 1 || p1_ > 8 || p2_ < 1 || p2_ > 8) return V::Nessuna;  // never a value
        const TEstremi a = Piloti(p, p1_ - 1), b = Piloti(p, p2_ - 1);
        if (Vuoto(a) || Vuoto(b)) return V::Nessuna;
        // A negative difference is no value, never accepted.
        const TEstremi d{b.Min - a.Max, b.Max - a.Min};
        if (d.Max < 0) return V::Nessuna;
        return distanza_.EsaminaForseMancante({std::max(d.Min, 0), d.Max}, {}, d.Min < 0);
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        if (!distanza_.Attivo || !distanza_.Principale.Attiva || (p1_ != 8 && p2_ != 8) ||
            p1_ == p2_ || p1_ < 1 || p2_ < 1 || p1_ > 8 || p2_ > 8)
            return TLimitePrefisso::Ultimi(p);
        const std::uint64_t valori = distanza_.Principale.Finestra(0);
        if (p2_ == 8) return valori << p.Colonna[static_cast<std::size_t>(p1_ - 1)];
        // The last pilot is subtracted: the values below the other pilot.
        const int altro = p.Colonna[static_cast<std::size_t>(p2_ - 1)];
        return Rovescia64(valori) >> (63 - altro);
    }

  private:
    static TEstremi Piloti(const TPrefisso& p, int k) {
        if (k < p.Fissate) {
            const int v = p.Colonna[static_cast<std::size_t>(k)];
            return {v, v};
        }
        const std::uint64_t m = p.Possibili(k);
        if (!m) return kVuoto;
        return {std::countr_zero(m), 63 - std::countl_zero(m)};
    }
    TCategoriaLimiti distanza_;
    std::int32_t p1_, p2_;
};

// Agreement, position by position, with a row of pilots (0, or a number no pilot can be,
// agrees with nothing).
TSerieLimiti Coincidenze(const TPrefisso& p, const TColonna& riga) {
    unsigned certe = 0, possibili = 0;
    for (int k = 0; k < 8; ++k) {
        const int v = riga[static_cast<std::size_t>(k)];
        if (v == 0) continue;
        if (k < p.Fissate) {
            if (p.Colonna[static_cast<std::size_t>(k)] == v) certe |= 1u << k;
        } else if (p.Possibili(k) & BitPilota(v)) {
            possibili |= 1u << k;
        }
    }
    return LimitiSerie(certe, possibili);
}

// Agreement of the signs with those of a row (0 counts as even).
TSerieLimiti CoincidenzeSegni(const TPrefisso& p, const TColonna& riga) {
    const unsigned pariRiga = calcoli::MascheraPari(riga);
    const unsigned fissate = MascheraFissate(p);
    const unsigned certe = ~(p.SegniPari ^ pariRiga) & fissate;
    const unsigned possibili =
        ((p.PuoPari() & pariRiga) | (p.PuoDispari() & ~pariRiga)) & ~fissate & 0xFFu;
    return LimitiSerie(certe, possibili);
}

class TLimiteRipetizioni : public TLimitePrefisso {
  public:
    explicit TLimiteRipetizioni(const TCondRipetizioni& c)
        : una_(c.UnaPrecedente), due_(c.DuePrecedenti), pariDispari_(c.Opzione == 1) {
        const TArchivio* archivio = c.Proprietario ? &c.Proprietario->Archivio : nullptr;
        const int n = archivio ? archivio->QuanteStoriche() : 0;
        for (int k = 1; k <= 2; ++k) {
            const int i = n - k;
            presente_[k - 1] = archivio && i >= 0 && i < archivio->Quante();
            if (presente_[k - 1])
                risultati_[static_cast<std::size_t>(k - 1)] = (*archivio)[i].Vincente;
        }
    }
    V Esamina(const TPrefisso& p) const override {
        const V v = Categoria(p, una_, 0);
        return v == V::Nessuna ? v : Entrambi(v, Categoria(p, due_, 1));
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        return UltimiCategoria(p, una_, 0) & UltimiCategoria(p, due_, 1);
    }

  private:
    V Categoria(const TPrefisso& p, const TCategoriaLimiti& c, int k) const {
        if (!c.Attivo) return V::Tutte;
        if (!presente_[k]) return V::Nessuna;  // no result to compare with: never accepted
        const TColonna& r = risultati_[static_cast<std::size_t>(k)];
        const TSerieLimiti s = pariDispari_ ? CoincidenzeSegni(p, r) : Coincidenze(p, r);
        return c.Esamina(s.Conta, s.Serie);
    }
    std::uint64_t UltimiCategoria(const TPrefisso& p, const TCategoriaLimiti& c, int k) const {
        if (!c.Attivo) return ~std::uint64_t{0};
        if (!presente_[k]) return 0;
        const TColonna& r = risultati_[static_cast<std::size_t>(k)];
        auto giudica = [&](int ultimo) {
            const TCoincidenze v = TCondRipetizioni::Confronta(
                ConUltimo(p, static_cast<std::uint8_t>(ultimo)), r, pariDispari_);
            return c.Giudica(v.Quante, v.Serie);
        };
        if (pariDispari_) return UltimiPerParita(giudica);
        std::uint64_t possibili = 0;
        // Only whether the last pilot is the result's counts.
        const std::uint64_t uguale = BitPilota(r[7]);
        if (uguale && giudica(r[7]) != V::Nessuna) possibili |= uguale;
        if (giudica(r[7] + 1) != V::Nessuna) possibili |= ~uguale;
        return possibili;
    }
    TCategoriaLimiti una_, due_;
    bool pariDispari_;
    bool presente_[2] = {false, false};
    std::array<TColonna, 2> risultati_{};
};

class TLimiteColonnaFiltro : public TLimitePrefisso {
  public:
    explicit TLimiteColonnaFiltro(const TCondColonnaFiltro& c)
        : numeri_(c.Numeri), posizione_(c.Confronto == 0), filtro_(c.ColonnaFiltro) {
        for (int i = 0; i < c.PilotiFiltro.Conta(); ++i) lista_.push_back(c.PilotiFiltro[i]);
    }
    V Esamina(const TPrefisso& p) const override {
        if (!numeri_.Attivo) return V::Tutte;
        if (posizione_) {
            const TSerieLimiti s = Coincidenze(p, filtro_);
            return numeri_.Esamina(s.Conta, s.Serie);
        }
        // A listed pilot is present once placed, absent once it can no longer come.
        int certi = 0, possibili = 0, serie = 0, serieMin = 0, forse = 0, serieMax = 0;
        for (const std::uint16_t v : lista_) {
            const std::uint64_t bit = BitPilota(v);
            if (p.Usati & bit) {
                ++certi;
                serieMin = std::max(serieMin, ++serie);
                serieMax = std::max(serieMax, ++forse);
            } else if (p.Unione & bit) {
                ++possibili;
                serie = 0;
                serieMax = std::max(serieMax, ++forse);
            } else {
                serie = forse = 0;
            }
        }
        return numeri_.Esamina({certi, certi + possibili}, {serieMin, serieMax});
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        if (!posizione_) return TLimitePrefisso::Ultimi(p);
        // Only whether the last pilot is the filter's counts.
        auto giudica = [&](int ultimo) {
            const unsigned m =
                calcoli::MascheraUguali(ConUltimo(p, static_cast<std::uint8_t>(ultimo)), filtro_) &
                calcoli::MascheraNonVuoti(filtro_);
            return numeri_.Giudica(calcoli::Conta(m), calcoli::SerieMassima(m));
        };
        const int f = filtro_[7];
        const std::uint64_t uguale = f == 0 ? 0 : BitPilota(f);
        std::uint64_t possibili = 0;
        if (uguale && giudica(f) != V::Nessuna) possibili |= uguale;
        if (giudica(f + 1) != V::Nessuna) possibili |= ~uguale;
        return possibili;
    }

  private:
    TCategoriaLimiti numeri_;
    bool posizione_;
    TColonna filtro_;
    std::vector<std::uint16_t> lista_;
};

// The members in play of a container or a Quadro, each with its bound (none: it may go
// either way).
struct TMembroLimite {
    std::unique_ptr<TLimitePrefisso> Limite;
    bool InGioco = true;  // false: counts as passed
    V Esamina(const TPrefisso& p) const {
        if (!InGioco) return V::Tutte;
        return Limite ? Limite->Esamina(p) : V::Forse;
    }
};

class TLimiteGruppo : public TLimitePrefisso {
  public:
    explicit TLimiteGruppo(const TCondGruppo& g) {
        for (const auto& m : g.Membri)
            if (m->Attivo && m->Attivato) membri_.push_back({m->LimitePrefisso(), true});
    }
    V Esamina(const TPrefisso& p) const override {
        V v = V::Tutte;
        for (const TMembroLimite& m : membri_) {
            v = Entrambi(v, m.Esamina(p));
            if (v == V::Nessuna) break;
        }
        return v;
    }
    std::uint64_t Ultimi(const TPrefisso& p) const override {
        std::uint64_t m = ~std::uint64_t{0};
        for (const TMembroLimite& membro : membri_)
            if (membro.Limite && (m &= membro.Limite->Ultimi(p)) == 0) break;
        return m;
    }

  private:
    std::vector<TMembroLimite> membri_;
};

class TLimiteQuadro : public TLimitePrefisso {
  public:
    explicit TLimiteQuadro(const TCondQuadro& q) : accettate_(q.Accettate) {
        for (const auto& m : q.Membri)
            membri_.push_back({m->Attivo ? m->LimitePrefisso() : nullptr, m->Attivo});
        // The shortcuts of the test settle the two values without counting.
        if (q.Preset && q.Relazione == kAnd)
            modo_ = kTutteOZero;
        else if (q.Preset && q.Relazione == kOr && q.Accettate.Principale.Attiva &&
                 !q.Accettate.Secondaria.Attiva)
            modo_ = kUnaOZero;
    }
    V Esamina(const TPrefisso& p) const override {
        const int n = static_cast<int>(membri_.size());
        int passano = 0, falliscono = 0, serie = 0, serieMin = 0, forse = 0, serieMax = 0;
        for (const TMembroLimite& m : membri_) {
            const V v = m.Esamina(p);
            passano += v == V::Tutte;
            falliscono += v == V::Nessuna;
            serie = v == V::Tutte ? serie + 1 : 0;
            forse = v != V::Nessuna ? forse + 1 : 0;
            serieMin = std::max(serieMin, serie);
            serieMax = std::max(serieMax, forse);
        }
        switch (modo_) {
            case kTutteOZero:
                if (falliscono > 0) return EsaminaCoppie(accettate_, {0});
                return passano == n ? EsaminaCoppie(accettate_, {n})
                                    : EsaminaCoppie(accettate_, {0, n});
            case kUnaOZero:
                if (passano > 0) return EsaminaCoppie(accettate_, {1});
                return falliscono == n ? EsaminaCoppie(accettate_, {0})
                                       : EsaminaCoppie(accettate_, {0, 1});
            default:
                return accettate_.Esamina({passano, n - falliscono}, {serieMin, serieMax});
        }
    }

  private:
    enum TModo { kConta, kTutteOZero, kUnaOZero };
    TCategoriaLimiti accettate_;
    std::vector<TMembroLimite> membri_;
    TModo modo_ = kConta;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Each kind hands out its bound

std::unique_ptr<TLimitePrefisso> TCondSomme::LimitePrefisso() const {
    return std::make_unique<TLimiteSomme>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondPariDispari::LimitePrefisso() const {
    return std::make_unique<TLimitePariDispari>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondBaricentri::LimitePrefisso() const {
    return std::make_unique<TLimiteBaricentri>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondDistanzeGlobali::LimitePrefisso() const {
    if (!Minima.Attivo && !Massima.Attivo && !Totale.Attivo) return nullptr;
    return std::make_unique<TLimiteDistanzeGlobali>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondDistanzeSpecifiche::LimitePrefisso() const {
    return std::make_unique<TLimiteDistanzeSpecifiche>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondResti::LimitePrefisso() const {
    return std::make_unique<TLimiteResti>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondVortici::LimitePrefisso() const {
    return std::make_unique<TLimiteVortici>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondNumeriConsecutivi::LimitePrefisso() const {
    return std::make_unique<TLimiteNumeriConsecutivi>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondSimmetrie::LimitePrefisso() const {
    return std::make_unique<TLimiteSimmetrie>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondInterruzioni::LimitePrefisso() const {
    return std::make_unique<TLimiteInterruzioni>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondCrescenzeDecrescenze::LimitePrefisso() const {
    return std::make_unique<TLimiteCrescenze>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondNumeroSequenze::LimitePrefisso() const {
    return std::make_unique<TLimiteNumeroSequenze>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondConsecDiff::LimitePrefisso() const {
    return std::make_unique<TLimiteConsecDiff>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondRipetizioni::LimitePrefisso() const {
    return std::make_unique<TLimiteRipetizioni>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondColonnaFiltro::LimitePrefisso() const {
    return std::make_unique<TLimiteColonnaFiltro>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondGruppo::LimitePrefisso() const {
    return std::make_unique<TLimiteGruppo>(*this);
}
std::unique_ptr<TLimitePrefisso> TCondQuadro::LimitePrefisso() const {
    return std::make_unique<TLimiteQuadro>(*this);
}

}  // namespace sirvela
