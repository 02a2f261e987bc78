#pragma once
#include <array>
#include <cstdint>
#include <random>

namespace sirvela {

class TLettore;
class TScrittore;

// An ordered list of up to 100 numbers: one position's set of pilots, or any number list.
// Stored as the count and all 100 slots (202 bytes). A count read from a file is never
// trusted as an index: Conta() keeps it within 0..100.
class TCombinazione {
  public:
    static constexpr int kCapacita = 100;

    explicit TCombinazione(std::int16_t quanti = 0) : Quanti(quanti) {}

    std::array<std::uint16_t, kCapacita> Numeri{};  // slot i (1-based) is Numeri[i - 1]
    std::int16_t Quanti = 0;

    int Conta() const { return Quanti < 0 ? 0 : (Quanti > kCapacita ? kCapacita : Quanti); }
    std::uint16_t operator[](int i) const { return Numeri[i]; }  // 0-based

    void Assegna(const TCombinazione& altra) { *this = altra; }
    bool Contiene(int numero) const;
    void Svuota();  // every slot 0, count 0
    // Appends a number that is not there yet; false when present or the list is full.
    bool Aggiungi(int numero);
    void AggiungiGruppo(const TCombinazione& gruppo);
    void Rimuovi(int numero);
    void RimuoviGruppo(const TCombinazione& gruppo);
    void Ordina();
    // Clears the list and draws k different pilots from 1..NumeroPiloti, never `escluso`.
    void RiempiCaso(int k, bool ordina, int escluso, std::mt19937& caso);

    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);

    bool operator==(const TCombinazione&) const = default;
};

// The eight position sets of a system.
class TPronostico {
  public:
    std::array<TCombinazione, 8> Posizione;  // position i (1-based) is Posizione[i - 1]

    void Azzera();
    // Product of the eight counts, computed without overflow.
    std::int64_t ColonneIniziali() const;
    std::int32_t PilotiSelezionati() const;
    void CopiaInTutte(const TCombinazione& lista);
    // Keeps in each set only what a selector can hold: pilots 1..numeroPiloti but `escluso`,
    // each once, in their order. Returns whether any set changed.
    bool TogliNonSelezionabili(int numeroPiloti, int escluso);
    bool Salva(TScrittore& s) const;
    bool Carica(TLettore& l);

    bool operator==(const TPronostico&) const = default;
};

}  // namespace sirvela
