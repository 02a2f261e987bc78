#include "conditions/CondizioniForma.h"

#include <algorithm>
#include <cstdlib>

#include "conditions/CalcoliColonna.h"
#include "core/FlussoBinario.h"

namespace sirvela {

using calcoli::Ammesso;
using calcoli::CorreggiCampo;
using calcoli::Metti;
using calcoli::Tra;

namespace {

// The parts of a kind Valuta needs; CalcolaValori asks for all of them.
struct TParti {
    bool Prima = true;
    bool Seconda = true;
};

TSimmetrie CalcolaSimmetrie(const TColonna& c, TParti parti) {
    const unsigned pari = calcoli::MascheraPari(c);
    TSimmetrie r;
    if (parti.Prima) {
        // Pairs (1,8), (2,7), (3,6), (4,5) in this order: bit k for the pair (k+1, 8-k).
        unsigned m = 0;
        for (int k = 0; k < 4; ++k)
            m |= static_cast<unsigned>(((pari >> k) & 1u) == ((pari >> (7 - k)) & 1u)) << k;
        r.Dirette = calcoli::Conta(m);
        r.SerieDirette = calcoli::SerieMassima(m);
    }
    if (parti.Seconda) {
        // Pairs (1,5), (2,6), (3,7), (4,8): equal signs where the two nibbles agree.
        const unsigned m = ~(pari ^ (pari >> 4)) & 0x0Fu;
        r.Inverse = calcoli::Conta(m);
        r.SerieInverse = calcoli::SerieMassima(m);
    }
    return r;
}

TInterruzioni CalcolaInterruzioni(const TColonna& c, bool globali, bool pari, bool dispari) {
    const unsigned segniPari = calcoli::MascheraPari(c);
    // Bit i (0..6): the sign changes between positions i+1 and i+2.
    const unsigned cambi = (segniPari ^ (segniPari >> 1)) & 0x7Fu;
    const unsigned arrivoPari = segniPari >> 1;
    TInterruzioni r;
    if (globali) {
        r.Globali = calcoli::Conta(cambi);
        r.SerieGlobali = calcoli::SerieMassima(cambi);
    }
    if (pari) r.Pari = calcoli::Conta(cambi & arrivoPari);
    if (dispari) r.Dispari = calcoli::Conta(cambi & ~arrivoPari);
    return r;
}

TCrescenze CalcolaCrescenze(const TColonna& c, TParti parti) {
    unsigned su = 0, giu = 0;
    for (int i = 0; i < 7; ++i) {
        su |= static_cast<unsigned>(c[i + 1] > c[i]) << i;
        giu |= static_cast<unsigned>(c[i + 1] < c[i]) << i;
    }
    TCrescenze r;
    if (parti.Prima) {
        r.Crescenze = calcoli::Conta(su);
        r.SerieCrescenze = calcoli::SerieMassima(su);
    }
    if (parti.Seconda) {
        r.Decrescenze = calcoli::Conta(giu);
        r.SerieDecrescenze = calcoli::SerieMassima(giu);
    }
    return r;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Vortici

TCondVortici::TCondVortici(TDatiSistema* proprietario)
    : TCondizione(proprietario, kVortici, "Vortice"),
      PosizioneDiretto(proprietario, 8, false),
      BracciDiretto(proprietario, 8, false),
      PosizioneInverso(proprietario, 8, false),
      BracciInverso(proprietario, 8, false) {
    RegistraAttivato();
    RegistraCategoria("Vortice Diretto Posizione", &PosizioneDiretto);
    RegistraCategoria("Vortice Diretto Bracci", &BracciDiretto);
    RegistraCategoria("Vortice Inverso Posizione", &PosizioneInverso);
    RegistraCategoria("Vortice Inverso Bracci", &BracciInverso);
}

TVortice TCondVortici::Calcola(const TColonna& c, int da, int a, bool diretto) {
    da = std::clamp(da, 1, 8);
    a = std::clamp(a, 1, 8);
    if (da > a) std::swap(da, a);
    // Signs by position 1..8; positions just outside the column read as 0, which no sign
    // matches (the walk may name them at its last boundary move).
    std::array<std::uint8_t, 10> s{};
    for (int i = 0; i < 8; ++i) s[static_cast<std::size_t>(i + 1)] = (c[i] & 1u) ? 2 : 1;
    auto segno = [&s](int k) { return (k >= 0 && k <= 9) ? s[static_cast<std::size_t>(k)] : 0; };

    int sx = da, dx = a;
    int cercato;
    bool daDestra;
    if (diretto) {
        cercato = segno(sx++);
        daDestra = true;
    } else {
        cercato = segno(dx--);
        daDestra = false;
    }
    TVortice r;
    int giri = 0;
    // Each round moves one end inwards, so the walk ends within ten rounds.
    while (dx >= sx - 1) {
        ++giri;
        int trovata = 0;
        if (daDestra) {
            const int fino = std::min(sx, dx);
            for (int k = dx; k >= fino; --k)
                if (segno(k) == cercato) {
                    trovata = k;
                    break;
                }
            if (trovata) {
                r.Posizione = trovata;
                dx = trovata - 1;
                daDestra = false;
            } else {
                cercato = segno(sx++);
            }
        } else {
            const int fino = std::max(sx, dx);
            for (int k = sx; k <= fino; ++k)
                if (segno(k) == cercato) {
                    trovata = k;
                    break;
                }
            if (trovata) {
                r.Posizione = trovata;
                sx = trovata + 1;
                daDestra = true;
            } else {
                cercato = segno(dx--);
            }
        }
    }
    r.Bracci = giri - 1;
    return r;
}

bool TCondVortici::Valuta(const TColonna& c) {
    const bool tra = TraAttivo();
    bool diretto = true;
    if (PosizioneDiretto.Attivo || BracciDiretto.Attivo) {
        int da, a;
        CorreggiCampo(PosizioneDiretto, da, a);
        const TVortice v = Calcola(c, da, a, true);
        if (tra) {
            Tra(PosizioneDiretto, v.Posizione, 0);
            Tra(BracciDiretto, v.Bracci, 0);
        }
        diretto = PosizioneDiretto.Accetta(v.Posizione, 0) && BracciDiretto.Accetta(v.Bracci, 0);
    }
    if (!PosizioneInverso.Attivo && !BracciInverso.Attivo) return diretto;
    int da, a;
    CorreggiCampo(PosizioneInverso, da, a);
    const TVortice v = Calcola(c, da, a, false);
    // The inverse values reach the totals even when the direct part failed.
    if (tra) {
        Tra(PosizioneInverso, v.Posizione, 0);
        Tra(BracciInverso, v.Bracci, 0);
    }
    if (!diretto) return false;
    return PosizioneInverso.Accetta(v.Posizione, 0) && BracciInverso.Accetta(v.Bracci, 0);
}

void TCondVortici::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    int da, a;
    valori.Quante = 0;
    CorreggiCampo(PosizioneDiretto, da, a);
    const TVortice d = Calcola(c, da, a, true);
    Metti(valori, d.Posizione, 0);
    Metti(valori, d.Bracci, 0);
    CorreggiCampo(PosizioneInverso, da, a);
    const TVortice i = Calcola(c, da, a, false);
    Metti(valori, i.Posizione, 0);
    Metti(valori, i.Bracci, 0);
}

// ---------------------------------------------------------------------------------------------
// Numeri Consecutivi

TCondNumeriConsecutivi::TCondNumeriConsecutivi(TDatiSistema* proprietario)
    : TCondizione(proprietario, kNumeriConsecutivi, "Consecutività Num."),
      Consecutivita(proprietario, 8, false) {
    RegistraAttivato();
    RegistraCategoria("Consecutività", &Consecutivita);
}

int TCondNumeriConsecutivi::Calcola(const TColonna& c) {
    int catena = 1, migliore = 1;
    for (int i = 1; i < 8; ++i) {
        catena =
            std::abs(static_cast<int>(c[i]) - static_cast<int>(c[i - 1])) == 1 ? catena + 1 : 1;
        migliore = std::max(migliore, catena);
    }
    return migliore;
}

bool TCondNumeriConsecutivi::Valuta(const TColonna& c) {
    const int v = Calcola(c);
    if (TraAttivo()) Tra(Consecutivita, v, 0);
    return Consecutivita.Accetta(v, 0);
}

void TCondNumeriConsecutivi::AggiornaStato() {
    Consecutivita.PulisciOltreOtto();
    TCondizione::AggiornaStato();
}

void TCondNumeriConsecutivi::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    valori.Quante = 0;
    Metti(valori, Calcola(c), 0);
}

// ---------------------------------------------------------------------------------------------
// Simmetrie

TCondSimmetrie::TCondSimmetrie(TDatiSistema* proprietario)
    : TCondizione(proprietario, kSimmetrie, "Simmetrie"),
      Dirette(proprietario, 4, true),
      Inverse(proprietario, 4, true),
      Totali(proprietario, 8, false) {
    RegistraAttivato();
    RegistraCampo("Opzione", &Opzione, true);  // carried, unused
    RegistraCategoria("Dirette", &Dirette);
    RegistraCategoria("Inverse", &Inverse);
    RegistraCategoria("Totali", &Totali);
}

TSimmetrie TCondSimmetrie::Calcola(const TColonna& c) {
    return CalcolaSimmetrie(c, {});
}

bool TCondSimmetrie::Valuta(const TColonna& c) {
    const TSimmetrie v =
        CalcolaSimmetrie(c, {Dirette.Attivo || Totali.Attivo, Inverse.Attivo || Totali.Attivo});
    const int totali = v.Dirette + v.Inverse;
    if (TraAttivo()) {
        Tra(Dirette, v.Dirette, v.SerieDirette);
        Tra(Inverse, v.Inverse, v.SerieInverse);
        Tra(Totali, totali, 0);
    }
    return Dirette.Accetta(v.Dirette, v.SerieDirette) &&
           Inverse.Accetta(v.Inverse, v.SerieInverse) && Totali.Accetta(totali, 0);
}

void TCondSimmetrie::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TSimmetrie v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Dirette, v.SerieDirette);
    Metti(valori, v.Inverse, v.SerieInverse);
    Metti(valori, v.Dirette + v.Inverse, 0);
}

// ---------------------------------------------------------------------------------------------
// Interruzioni

TCondInterruzioni::TCondInterruzioni(TDatiSistema* proprietario)
    : TCondizione(proprietario, kInterruzioni, "Interruzioni"),
      Globali(proprietario, 7, true),
      SegniPari(proprietario, 4, false),
      SegniDispari(proprietario, 4, false) {
    RegistraCampo("Opzione", &Opzione, true);  // carried, unused
    RegistraAttivato();
    RegistraCategoria("Globali", &Globali);
    RegistraCategoria("Segni Pari", &SegniPari);
    RegistraCategoria("Segni Dispari", &SegniDispari);
}

TInterruzioni TCondInterruzioni::Calcola(const TColonna& c) {
    return CalcolaInterruzioni(c, true, true, true);
}

bool TCondInterruzioni::Valuta(const TColonna& c) {
    const TInterruzioni v =
        CalcolaInterruzioni(c, Globali.Attivo, SegniPari.Attivo, SegniDispari.Attivo);
    if (TraAttivo()) {
        Tra(Globali, v.Globali, v.SerieGlobali);
        Tra(SegniPari, v.Pari, 0);
        Tra(SegniDispari, v.Dispari, 0);
    }
    return Globali.Accetta(v.Globali, v.SerieGlobali) && SegniPari.Accetta(v.Pari, 0) &&
           SegniDispari.Accetta(v.Dispari, 0);
}

void TCondInterruzioni::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TInterruzioni v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Globali, v.SerieGlobali);
    Metti(valori, v.Pari, 0);
    Metti(valori, v.Dispari, 0);
}

// ---------------------------------------------------------------------------------------------
// Crescenze e Decrescenze

TCondCrescenzeDecrescenze::TCondCrescenzeDecrescenze(TDatiSistema* proprietario)
    : TCondizione(proprietario, kCrescenzeDecrescenze, "Crescenze e Decrescenze"),
      Crescenze(proprietario, 7, true),
      Decrescenze(proprietario, 7, true) {
    RegistraAttivato();
    RegistraCategoria("Crescenze", &Crescenze);
    RegistraCategoria("Decrescenze", &Decrescenze);
}

TCrescenze TCondCrescenzeDecrescenze::Calcola(const TColonna& c) {
    return CalcolaCrescenze(c, {});
}

bool TCondCrescenzeDecrescenze::Valuta(const TColonna& c) {
    const TCrescenze v = CalcolaCrescenze(c, {Crescenze.Attivo, Decrescenze.Attivo});
    if (TraAttivo()) {
        Tra(Crescenze, v.Crescenze, v.SerieCrescenze);
        Tra(Decrescenze, v.Decrescenze, v.SerieDecrescenze);
    }
    return Crescenze.Accetta(v.Crescenze, v.SerieCrescenze) &&
           Decrescenze.Accetta(v.Decrescenze, v.SerieDecrescenze);
}

void TCondCrescenzeDecrescenze::AggiornaStato() {
    Crescenze.PulisciOltreOtto();
    Decrescenze.PulisciOltreOtto();
    TCondizione::AggiornaStato();
}

void TCondCrescenzeDecrescenze::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TCrescenze v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Crescenze, v.SerieCrescenze);
    Metti(valori, v.Decrescenze, v.SerieDecrescenze);
}

// ---------------------------------------------------------------------------------------------
// Numero di Sequenze

TCondNumeroSequenze::TCondNumeroSequenze(TDatiSistema* proprietario)
    : TCondizione(proprietario, kNumeroSequenze, "Numero di Sequenze"),
      Lunghezza1(proprietario, 8, false),
      Lunghezza2(proprietario, 4, false),
      Lunghezza3(proprietario, 2, false),
      Lunghezza4(proprietario, 2, false) {
    RegistraCategoria("Lunghezza 1", &Lunghezza1);
    RegistraCategoria("Lunghezza 2", &Lunghezza2);
    RegistraCategoria("Lunghezza 3", &Lunghezza3);
    RegistraCategoria("Lunghezza 4", &Lunghezza4);
    RegistraAttivato();
    RegistraCampo("LunghezzaMostrata", &LunghezzaMostrata);
}

namespace {

// Runs of length 1..4 for each pattern of the seven joints of a column (bit i - 1: position
// i + 1 holds the number after position i's); longer runs are dropped.
struct TabellaSequenze {
    std::array<std::array<std::uint8_t, 4>, 128> v{};
    constexpr TabellaSequenze() {
        for (int m = 0; m < 128; ++m) {
            int lunghezza = 1;
            for (int i = 1; i <= 8; ++i) {
                if (i < 8 && (m >> (i - 1)) & 1) {
                    ++lunghezza;
                    continue;
                }
                if (lunghezza <= 4) ++v[m][lunghezza - 1];
                lunghezza = 1;
            }
        }
    }
};
constexpr TabellaSequenze kSequenze{};

}  // namespace

std::array<int, 4> TCondNumeroSequenze::Calcola(const TColonna& c) {
    unsigned giunti = 0;
    for (int i = 1; i < 8; ++i) giunti |= static_cast<unsigned>(c[i] == c[i - 1] + 1) << (i - 1);
    const auto& t = kSequenze.v[giunti];
    return {t[0], t[1], t[2], t[3]};
}

bool TCondNumeroSequenze::Valuta(const TColonna& c) {
    const std::array<int, 4> v = Calcola(c);
    if (TraAttivo()) {
        Tra(Lunghezza1, v[0], 0);
        Tra(Lunghezza2, v[1], 0);
        Tra(Lunghezza3, v[2], 0);
        Tra(Lunghezza4, v[3], 0);
    }
    return Lunghezza1.Accetta(v[0], 0) && Lunghezza2.Accetta(v[1], 0) &&
           Lunghezza3.Accetta(v[2], 0) && Lunghezza4.Accetta(v[3], 0);
}

void TCondNumeroSequenze::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const std::array<int, 4> v = Calcola(c);
    valori.Quante = 0;
    for (const int n : v) Metti(valori, n, 0);
}

// ---------------------------------------------------------------------------------------------
// Consecutività Differenziata dei Segni

TCondConsecDiff::TCondConsecDiff(TDatiSistema* proprietario)
    : TCondizione(proprietario, kConsecutivitaDifferenziata, "Consecutività"),
      Segni(proprietario, 8, false),
      Consecutivita(proprietario, 8, false) {
    RegistraAttivato();
    RegistraCampo("Segno", &Segno);
    RegistraCategoria("Segni", &Segni);
    RegistraCategoria("Consecutività", &Consecutivita);
}

TCondConsecDiff::TValori TCondConsecDiff::Calcola(const TColonna& c, bool pari) {
    const unsigned segniPari = calcoli::MascheraPari(c);
    const unsigned m = pari ? segniPari : (~segniPari & 0xFFu);
    return {calcoli::Conta(m), calcoli::SerieMassima(m)};
}

bool TCondConsecDiff::Valuta(const TColonna& c) {
    const TValori v = Calcola(c, Segno == 1);
    // "Segni" only selects the columns this member applies to; its recovery states play no part.
    if (Segni.Principale.Voci[static_cast<std::size_t>(v.Quanti)].Stato != 1) return true;
    if (TraAttivo()) Tra(Consecutivita, v.Serie, 0);
    return Consecutivita.Accetta(v.Serie, 0);
}

void TCondConsecDiff::AggiornaStato() {
    TCondizione::AggiornaStato();
    // Both the selector and the tested table must hold a value.
    Attivo = Segni.Attivo && Consecutivita.Attivo;
}

void TCondConsecDiff::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TValori v = Calcola(c, Segno == 1);
    valori.Quante = 0;
    Metti(valori, v.Quanti, 0);
    Metti(valori, v.Serie, 0);
}

bool TCondConsecDiff::AccettaStatistica(int categoria, const TValoriColonna& valori) const {
    if (!Attivo) return true;
    if (categoria != 1) return TCondizione::AccettaStatistica(categoria, valori);
    const int quanti = valori.Valori[0].Principale;
    if (quanti < 0 || quanti > Segni.Massimo ||
        Segni.Principale.Voci[static_cast<std::size_t>(quanti)].Stato != 1)
        return true;
    return TCondizione::AccettaStatistica(categoria, valori);
}

}  // namespace sirvela
