#include "conditions/CondizioniRiferimento.h"

#include <array>

#include "conditions/CalcoliColonna.h"
#include "core/FlussoBinario.h"
#include "core/TDatiSistema.h"

namespace sirvela {

using calcoli::Ammesso;
using calcoli::Metti;
using calcoli::Tra;

// ---------------------------------------------------------------------------------------------
// Ripetizioni

TCondRipetizioni::TCondRipetizioni(TDatiSistema* proprietario)
    : TCondizione(proprietario, kRipetizioni, "Ripetizioni"),
      UnaPrecedente(proprietario, 8, true),
      DuePrecedenti(proprietario, 8, true) {
    RegistraCampo("Opzione", &Opzione);
    RegistraAttivato();
    RegistraCategoria("Su una Colonna Precedente", &UnaPrecedente);
    RegistraCategoria("Su due Colonne Precedenti", &DuePrecedenti);
}

TCoincidenze TCondRipetizioni::Confronta(const TColonna& c, const TColonna& risultato,
                                         bool pariDispari) {
    unsigned m;
    if (pariDispari) {
        // Parities agree; a 0 in the result counts as even.
        m = ~(calcoli::MascheraPari(c) ^ calcoli::MascheraPari(risultato)) & 0xFFu;
    } else {
        // A position the result does not give agrees with no pilot.
        m = calcoli::MascheraUguali(c, risultato) & calcoli::MascheraNonVuoti(risultato);
    }
    return {calcoli::Conta(m), calcoli::SerieMassima(m)};
}

const TColonna* TCondRipetizioni::Risultato(int indice) const {
    if (!Proprietario || indice < 0 || indice >= Proprietario->Archivio.Quante()) return nullptr;
    return &Proprietario->Archivio[indice].Vincente;
}

void TCondRipetizioni::CalcolaValoriFinoA(const TColonna& c, int fine,
                                          TValoriColonna& valori) const {
    valori.Quante = 0;
    for (int k = 1; k <= 2; ++k) {
        if (const TColonna* r = Risultato(fine - k)) {
            const TCoincidenze v = Confronta(c, *r, Opzione == 1);
            Metti(valori, v.Quante, v.Serie);
        } else {
            Metti(valori, kNessunValore, kNessunValore);
        }
    }
}

bool TCondRipetizioni::Valuta(const TColonna& c) {
    const int n = Proprietario ? Proprietario->Archivio.QuanteStoriche() : 0;
    const bool pariDispari = Opzione == 1;
    TCoincidenze uno{kNessunValore, kNessunValore}, due{kNessunValore, kNessunValore};
    if (UnaPrecedente.Attivo)
        if (const TColonna* r = Risultato(n - 1)) uno = Confronta(c, *r, pariDispari);
    if (DuePrecedenti.Attivo)
        if (const TColonna* r = Risultato(n - 2)) due = Confronta(c, *r, pariDispari);
    if (TraAttivo()) {
        Tra(UnaPrecedente, uno.Quante, uno.Serie);
        Tra(DuePrecedenti, due.Quante, due.Serie);
    }
    return Ammesso(UnaPrecedente, uno.Quante, uno.Serie) &&
           Ammesso(DuePrecedenti, due.Quante, due.Serie);
}

void TCondRipetizioni::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    CalcolaValoriFinoA(c, Proprietario ? Proprietario->Archivio.QuanteStoriche() : 0, valori);
}

void TCondRipetizioni::CalcolaValoriEstrazione(int indice, TValoriColonna& valori) const {
    if (const TColonna* r = Risultato(indice))
        CalcolaValoriFinoA(*r, indice, valori);
    else
        valori.Quante = 0;
}

// ---------------------------------------------------------------------------------------------
// Colonna Filtro

TCondColonnaFiltro::TCondColonnaFiltro(TDatiSistema* proprietario)
    : TCondizione(proprietario, kColonnaFiltro, "Colonna Filtro"), Numeri(proprietario, 8, true) {
    RegistraCategoria("Numeri", &Numeri);
    RegistraAttivato();
    RegistraCampo("ColonnaFiltro", &ColonnaFiltro);
    RegistraCampo("Confronto", &Confronto);
    RegistraCampo("PilotiFiltro", &PilotiFiltro);
}

TCoincidenze TCondColonnaFiltro::Calcola(const TColonna& c) const {
    if (Confronto == 0) {
        const unsigned m =
            calcoli::MascheraUguali(c, ColonnaFiltro) & calcoli::MascheraNonVuoti(ColonnaFiltro);
        return {calcoli::Conta(m), calcoli::SerieMassima(m)};
    }
    // Pilots of the column as bits; larger bytes are looked up one by one.
    std::uint64_t presenti = 0;
    for (const std::uint8_t p : c)
        if (p < 64) presenti |= std::uint64_t{1} << p;
    TCoincidenze r;
    int serie = 0;
    const int n = PilotiFiltro.Conta();
    for (int i = 0; i < n; ++i) {
        const unsigned v = PilotiFiltro[i];
        bool presente;
        if (v < 64) {
            presente = (presenti >> v) & 1u;
        } else {
            presente = false;
            for (const std::uint8_t p : c) presente = presente || p == v;
        }
        if (presente) {
            ++r.Quante;
            if (++serie > r.Serie) r.Serie = serie;
        } else {
            serie = 0;
        }
    }
    return r;
}

bool TCondColonnaFiltro::Valuta(const TColonna& c) {
    if (!Numeri.Attivo) return true;
    const TCoincidenze v = Calcola(c);
    if (TraAttivo()) Tra(Numeri, v.Quante, v.Serie);
    return Numeri.Accetta(v.Quante, v.Serie);
}

void TCondColonnaFiltro::AggiornaStato() {
    Numeri.PulisciOltreOtto();
    TCondizione::AggiornaStato();
}

void TCondColonnaFiltro::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TCoincidenze v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Quante, v.Serie);
}

// ---------------------------------------------------------------------------------------------
// Sequele

namespace {

// The patterns met by the window walk of the generic and mirror types. At most seven windows
// exist (length 2 or more), so fixed arrays hold them all.
struct TTabellaSchemi {
    static constexpr int kMassimo = 8;
    struct TSchema {
        unsigned Bit = 0;  // sign k of the window in bit k (1 = odd)
        int Presenze = 0;
        std::array<int, kMassimo> Inizi{};
    };
    std::array<TSchema, kMassimo> Schemi{};
    int Quanti = 0;
    int Scelto = -1;  // the first pattern to reach the highest count
};

unsigned Finestra(unsigned dispari, int inizio, int lunghezza) {
    return (dispari >> (inizio - 1)) & ((1u << lunghezza) - 1u);
}

unsigned Rovescia(unsigned bit, int lunghezza) {
    unsigned r = 0;
    for (int k = 0; k < lunghezza; ++k) r |= ((bit >> k) & 1u) << (lunghezza - 1 - k);
    return r;
}

void CostruisciSchemi(unsigned dispari, int lunghezza, int passoTrovata, int passoNonTrovata,
                      TTabellaSchemi& t) {
    const bool passoN = passoTrovata == lunghezza && passoNonTrovata == 1;
    for (int i = 1; i <= 9 - lunghezza;) {
        const unsigned bit = Finestra(dispari, i, lunghezza);
        int j = 0;
        while (j < t.Quanti && t.Schemi[static_cast<std::size_t>(j)].Bit != bit) ++j;
        auto& s = t.Schemi[static_cast<std::size_t>(j)];
        if (j == t.Quanti) {
            ++t.Quanti;
            s.Bit = bit;
            s.Presenze = 1;
            s.Inizi[0] = i;
        } else if (!(passoN && s.Inizi[static_cast<std::size_t>(s.Presenze - 1)] + lunghezza > i)) {
            s.Inizi[static_cast<std::size_t>(s.Presenze++)] = i;
        }
        if (t.Scelto < 0 || s.Presenze > t.Schemi[static_cast<std::size_t>(t.Scelto)].Presenze)
            t.Scelto = j;
        i += passoN ? 1 : passoTrovata;
    }
}

}  // namespace

TCondSequela::TCondSequela(TDatiSistema* proprietario)
    : TCondizione(proprietario, kSequela, "Sequele"), Presenze(proprietario, 7, true) {
    RegistraAttivato();
    RegistraCategoria("Presenze", &Presenze);
    RegistraCampo("Sequela", &Sequela);
    RegistraCampo("Lunghezza", &Lunghezza);
    RegistraCampo("PassoTrovata", &PassoTrovata);
    RegistraCampo("PassoNonTrovata", &PassoNonTrovata);
    RegistraCampo("TipoSequela", &TipoSequela);
}

bool TCondSequela::Valutabile() const {
    return Lunghezza >= 2 && Lunghezza <= 8 && PassoTrovata >= 1 && PassoNonTrovata >= 1 &&
           TipoSequela >= 1 && TipoSequela <= 5;
}

TCoincidenze TCondSequela::Calcola(const TColonna& c) const {
    if (!Valutabile()) return {kNessunValore, kNessunValore};
    const unsigned dispari = ~calcoli::MascheraPari(c) & 0xFFu;
    const int ultima = 9 - Lunghezza;
    TCoincidenze r;
    if (TipoSequela <= 3) {
        unsigned schema = 0;
        for (int k = 0; k < Lunghezza; ++k)
            schema |= static_cast<unsigned>(Sequela[static_cast<std::size_t>(k)] == 2) << k;
        const unsigned tutti = (1u << Lunghezza) - 1u;
        // A step that is neither 1 nor 2 matches no sign.
        bool schemaValido = true;
        for (int k = 0; k < Lunghezza; ++k) {
            const std::uint8_t v = Sequela[static_cast<std::size_t>(k)];
            schemaValido = schemaValido && (v == 1 || v == 2);
        }
        int serie = 0;
        for (int i = 1; i <= ultima;) {
            const unsigned f = Finestra(dispari, i, Lunghezza);
            bool trovata;
            if (TipoSequela == 1) {
                trovata = schemaValido && f == schema;
            } else if (TipoSequela == 2) {
                trovata = f == 0 || f == tutti;
            } else {
                trovata = f != 0 && f != tutti;
            }
            if (trovata) {
                ++r.Quante;
                if (++serie > r.Serie) r.Serie = serie;
                i += PassoTrovata;
            } else {
                serie = 0;
                i += PassoNonTrovata;
            }
        }
        return r;
    }

    TTabellaSchemi t;
    CostruisciSchemi(dispari, Lunghezza, PassoTrovata, PassoNonTrovata, t);
    if (TipoSequela == 4) {
        const auto& s = t.Schemi[static_cast<std::size_t>(t.Scelto)];
        r.Quante = s.Presenze;
        if (s.Presenze > 1) {
            int catena = 1;
            r.Serie = 1;
            for (int k = 1; k < s.Presenze; ++k) {
                const auto kk = static_cast<std::size_t>(k);
                catena = s.Inizi[kk] == s.Inizi[kk - 1] + Lunghezza ? catena + 1 : 1;
                if (catena > r.Serie) r.Serie = catena;
            }
        }
        return r;
    }

    // Mirror pairs: each pattern pairs with the later patterns that read it backwards.
    for (int a = 0; a < t.Quanti; ++a) {
        auto& pa = t.Schemi[static_cast<std::size_t>(a)];
        for (int b = a + 1; b < t.Quanti; ++b) {
            auto& pb = t.Schemi[static_cast<std::size_t>(b)];
            const bool specchio = Rovescia(pb.Bit, Lunghezza) == pa.Bit && pa.Bit != pb.Bit;
            for (int k = 1; pa.Presenze > 0 && pb.Presenze > 0 && pa.Presenze >= k; ++k) {
                if (specchio) {
                    ++r.Quante;
                    --pa.Presenze;
                    --pb.Presenze;
                }
            }
        }
    }
    r.Serie = 0;
    return r;
}

bool TCondSequela::Valuta(const TColonna& c) {
    if (!Valutabile()) return true;
    const TCoincidenze v = Calcola(c);
    const int secondario = TipoSequela == 5 ? 0 : v.Serie;
    if (TraAttivo()) Tra(Presenze, v.Quante, secondario);
    return Presenze.Accetta(v.Quante, secondario);
}

void TCondSequela::CalcolaValori(const TColonna& c, TValoriColonna& valori) const {
    const TCoincidenze v = Calcola(c);
    valori.Quante = 0;
    Metti(valori, v.Quante, v.Serie);
}

bool TCondSequela::AccettaStatistica(int categoria, const TValoriColonna& valori) const {
    return !Valutabile() || TCondizione::AccettaStatistica(categoria, valori);
}

}  // namespace sirvela
