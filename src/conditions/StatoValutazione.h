#pragma once
#include <array>
#include <cstdint>

namespace sirvela {

class TGestoreLink;

// What a column test counts for the column under test: the errors of the link groups and the
// Punti Tra totals. They belong to the system, except on a development's worker thread, which
// tests columns with the system's conditions (only read, shared by every thread) and keeps
// these counts of its own for as long as a TStatoFilo lives on that thread.
struct TStatoValutazione {
    TGestoreLink* Recuperi = nullptr;
    std::array<std::uint32_t, 31>* TotaliTra = nullptr;  // groups 1..30
};

// This thread's own counts, or null.
TStatoValutazione* StatoFilo();

class TStatoFilo {
  public:
    explicit TStatoFilo(TStatoValutazione& stato);
    ~TStatoFilo();
    TStatoFilo(const TStatoFilo&) = delete;
    TStatoFilo& operator=(const TStatoFilo&) = delete;

  private:
    TStatoValutazione* prima_;
};

}  // namespace sirvela
