#include "core/TCombinazione.h"

#include "core/FlussoBinario.h"
#include "core/Globali.h"

namespace sirvela {

bool TCombinazione::Contiene(int numero) const {
    const int n = Conta();
    for (int i = 0; i < n; ++i)
        if (Numeri[i] == numero) return true;
    return false;
}

void TCombinazione::Svuota() {
    Numeri.fill(0);
    Quanti = 0;
}

bool TCombinazione::Aggiungi(int numero) {
    const int n = Conta();
    if (n >= kCapacita || Contiene(numero)) return false;
    Numeri[n] = static_cast<std::uint16_t>(numero);
    Quanti = static_cast<std::int16_t>(n + 1);
    return true;
}

void TCombinazione::AggiungiGruppo(const TCombinazione& gruppo) {
    const TCombinazione copia = gruppo;  // the group may be this very list
    for (int i = 0; i < copia.Conta(); ++i) Aggiungi(copia.Numeri[i]);
}

void TCombinazione::Rimuovi(int numero) {
    const int n = Conta();
    for (int i = 0; i < n; ++i) {
        if (Numeri[i] != numero) continue;
        for (int j = i; j < n - 1; ++j) Numeri[j] = Numeri[j + 1];
        Numeri[n - 1] = 0;
        Quanti = static_cast<std::int16_t>(n - 1);
        return;
    }
}

void TCombinazione::RimuoviGruppo(const TCombinazione& gruppo) {
    const TCombinazione copia = gruppo;
    for (int i = 0; i < copia.Conta(); ++i) Rimuovi(copia.Numeri[i]);
}

void TCombinazione::Ordina() {
    // Selection sort: among equal values the last one found is moved forward.
    const int n = Conta();
    for (int i = 0; i < n; ++i) {
        int minimo = i;
        for (int j = i + 1; j < n; ++j)
            if (Numeri[j] <= Numeri[minimo]) minimo = j;
        std::swap(Numeri[i], Numeri[minimo]);
    }
}

void TCombinazione::RiempiCaso(int k, bool ordina, int escluso, std::mt19937& caso) {
    Svuota();
    const int piloti =
        NumeroPiloti < 1 ? 0 : (NumeroPiloti > kMaxPiloti ? kMaxPiloti : NumeroPiloti);
    int estraibili = piloti - ((escluso >= 1 && escluso <= piloti) ? 1 : 0);
    if (k > estraibili) k = estraibili;  // more would never end
    if (k > kCapacita) k = kCapacita;
    std::uniform_int_distribution<int> dado(1, piloti < 1 ? 1 : piloti);
    while (Conta() < k) {
        int r = dado(caso);
        if (r != escluso) Aggiungi(r);
    }
    if (ordina) Ordina();
}

bool TCombinazione::Salva(TScrittore& s) const {
    if (!s.ScriviI16(Quanti)) return false;
    for (auto n : Numeri)
        if (!s.ScriviU16(n)) return false;
    return true;
}

bool TCombinazione::Carica(TLettore& l) {
    if (!l.LeggiI16(Quanti)) return false;
    for (auto& n : Numeri)
        if (!l.LeggiU16(n)) return false;
    return true;
}

void TPronostico::Azzera() {
    for (auto& p : Posizione) p.Quanti = 0;
}

std::int64_t TPronostico::ColonneIniziali() const {
    std::int64_t prodotto = 1;
    for (const auto& p : Posizione) prodotto *= p.Conta();
    return prodotto;
}

std::int32_t TPronostico::PilotiSelezionati() const {
    std::int32_t somma = 0;
    for (const auto& p : Posizione) somma += p.Conta();
    return somma;
}

void TPronostico::CopiaInTutte(const TCombinazione& lista) {
    const TCombinazione copia = lista;
    for (auto& p : Posizione) p.Assegna(copia);
}

bool TPronostico::TogliNonSelezionabili(int numeroPiloti, int escluso) {
    bool cambiato = false;
    for (TCombinazione& p : Posizione) {
        TCombinazione tenuti;
        for (int i = 0; i < p.Conta(); ++i) {
            const int v = p.Numeri[i];
            if (v >= 1 && v <= numeroPiloti && v != escluso) tenuti.Aggiungi(v);
        }
        if (tenuti.Conta() == p.Conta()) continue;
        p = tenuti;
        cambiato = true;
    }
    return cambiato;
}

bool TPronostico::Salva(TScrittore& s) const {
    for (const auto& p : Posizione)
        if (!p.Salva(s)) return false;
    return true;
}

bool TPronostico::Carica(TLettore& l) {
    for (auto& p : Posizione)
        if (!p.Carica(l)) return false;
    return true;
}

}  // namespace sirvela
