#pragma once
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Colonna.h"

namespace sirvela {

class TLettore;
class TScrittore;
class TControlloColonne;
struct TDifettoLettura;

inline constexpr const char* kErroreLetturaColonne =
    "Errore Di Lettura Sul File. Impossibile Leggere le Colonne.";
inline constexpr const char* kErroreMemoriaEsaurita =
    "Memoria Esaurita. Impossibile Completare lo Sviluppo";

// A ceiling on the memory that the column lists of one run may take, shared by the lists of
// every thread of the run. Reaching it fails the growing list as exhausted memory would, while
// the machine still has room: a system too large for memory ends with a message, never with
// the process killed by the system.
class TTettoMemoria {
  public:
    explicit TTettoMemoria(std::int64_t byte) : limite_(byte) {}
    bool Prendi(std::int64_t n) {
        if (usati_.fetch_add(n, std::memory_order_relaxed) + n <= limite_) return true;
        usati_.fetch_sub(n, std::memory_order_relaxed);
        return false;
    }
    // Counts memory already taken, even beyond the ceiling.
    void Aggiungi(std::int64_t n) { usati_.fetch_add(n, std::memory_order_relaxed); }
    void Rendi(std::int64_t n) { usati_.fetch_sub(n, std::memory_order_relaxed); }
    std::int64_t Limite() const { return limite_; }

  private:
    const std::int64_t limite_;
    std::atomic<std::int64_t> usati_{0};
};

// The column list, in insertion order, duplicates allowed. Columns are stored contiguously
// in large blocks (8 bytes each) rather than one heap node per column, so tens of millions
// fit and walk fast. Columns inserted at the front live in their own blocks, filled from the
// end, so every block is one contiguous run in list order.
class TListaColonne {
  public:
    static constexpr std::size_t kBlocco = 1 << 16;    // columns per storage block
    static constexpr std::size_t kRecordPerIO = 1000;  // columns per file block

    TListaColonne() = default;
    TListaColonne(const TListaColonne& altra) { Copia(altra); }
    TListaColonne& operator=(const TListaColonne& altra) {
        if (this != &altra) Copia(altra);
        return *this;
    }
    TListaColonne(TListaColonne&& altra) noexcept { Prendi(altra); }
    TListaColonne& operator=(TListaColonne&& altra) noexcept {
        if (this != &altra) {
            Svuota();
            Prendi(altra);
        }
        return *this;
    }
    ~TListaColonne() { Svuota(); }

    // While a ceiling is set, every storage block the list takes counts against it, and a
    // block beyond it throws std::bad_alloc like exhausted memory. Setting another ceiling (or
    // none) hands the blocks held so far over to it.
    void ImpostaTetto(TTettoMemoria* tetto);

    void Inizializza() { Svuota(); }
    void Svuota();
    // Both throw std::bad_alloc when memory runs out; the list is then emptied first.
    void Accoda(const TColonna& c) {
        // The common case inline: the development appends every column it keeps.
        if (!coda_.empty()) {
            Blocco& b = coda_.back();
            if (b.fine < kBlocco) {
                b.dati[b.fine++] = c;
                ++quante_;
                return;
            }
        }
        AccodaInNuovoBlocco(c);
    }
    void InserisciInTesta(const TColonna& c);
    void Copia(const TListaColonne& sorgente);
    // Moves every column of `altra` to the end of this list, in order, without copying them;
    // `altra` is left empty.
    void AccodaLista(TListaColonne&& altra);
    std::int64_t Quante() const { return quante_; }
    bool Vuota() const { return quante_ == 0; }

    // Visits the list as contiguous runs, in order; stops when fn returns false.
    template <typename F>
    bool PerOgniBlocco(F&& fn) const {
        for (auto it = testa_.rbegin(); it != testa_.rend(); ++it)
            if (!fn(it->dati.get() + it->inizio, kBlocco - it->inizio)) return false;
        for (const auto& b : coda_)
            if (!fn(b.dati.get(), b.fine)) return false;
        return true;
    }

    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TColonna;
        using difference_type = std::ptrdiff_t;
        using pointer = const TColonna*;
        using reference = const TColonna&;
        const TColonna& operator*() const { return *p_; }
        const TColonna* operator->() const { return p_; }
        const_iterator& operator++() {
            if (++p_ == fine_) ProssimoBlocco();
            return *this;
        }
        const_iterator operator++(int) {
            auto t = *this;
            ++*this;
            return t;
        }
        bool operator==(const const_iterator& o) const { return p_ == o.p_; }

      private:
        friend class TListaColonne;
        void Sistema();
        void ProssimoBlocco();
        const TListaColonne* lista_ = nullptr;
        std::size_t blocco_ = 0;  // over testa_ reversed, then coda_
        const TColonna* p_ = nullptr;
        const TColonna* fine_ = nullptr;
    };
    const_iterator begin() const;
    const_iterator end() const { return const_iterator{}; }
    std::vector<TColonna> ComeVettore() const;

    // Every column at the writer's position, in list order; true when all arrived.
    bool ScriviSuFile(TScrittore& s) const;
    // Empties the list, then reads every whole record from the reader's position to the end.
    // A failed read empties the list and returns false. With `controllo` every block is
    // checked as it arrives, and the first bad record stops the reading the same way;
    // `difetto` then tells which record it was (or that memory ran out).
    bool LeggiDaFile(TLettore& l, const TControlloColonne* controllo = nullptr,
                     TDifettoLettura* difetto = nullptr);
    // Creates or replaces the file (never leaving half a file over a good one).
    bool SalvaSuFile(const std::filesystem::path& percorso) const;
    // Opens and reads a whole column file without checking it; false (list empty) when it
    // cannot be read. Files the user chooses go through CaricaFileColonne.
    bool CaricaDaFile(const std::filesystem::path& percorso);

  private:
    void AccodaInNuovoBlocco(const TColonna& c);
    struct Blocco {
        std::unique_ptr<TColonna[]> dati;
        std::size_t inizio = 0;  // first used slot (front blocks fill downwards)
        std::size_t fine = 0;    // slots used (back blocks fill upwards)
    };
    Blocco NuovoBlocco();
    std::int64_t ByteBlocchi() const {
        return static_cast<std::int64_t>((testa_.size() + coda_.size()) * kBlocco *
                                         sizeof(TColonna));
    }
    void Prendi(TListaColonne& altra) noexcept;

    std::vector<Blocco> testa_;  // front blocks; the last one holds the list's first columns
    std::vector<Blocco> coda_;
    std::int64_t quante_ = 0;
    TTettoMemoria* tetto_ = nullptr;
};

// One column on the heap, zero when created: what the editor and the file operations hang
// on each entry of their lists.
class TListCol {
  public:
    TColonna Colonna{};
};

// The column-file name rule: a name without a folder goes into the default folder; a file
// name without a "." gets the default extension.
std::string NomeFileColonne(const std::string& nome, const std::filesystem::path& cartella,
                            const std::string& estensione = "Scl");

}  // namespace sirvela
