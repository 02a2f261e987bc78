#pragma once
#include <cstddef>
#include <functional>

namespace sirvela {

// Threads worth starting on this machine: its cores, at least one.
int FiliDisponibili();

// Work in the background yields to the window: the calling thread, and the threads it starts
// afterwards, run a few steps below the priority it had. Does nothing where the system cannot
// do it per thread.
void AbbassaPrioritaFilo();

// Calls f(from, to) over consecutive slices of [0, n) of at most `blocco` items, on up to
// `fili` threads (the caller's among them), and returns when every slice is done. Slices are
// handed out in order as threads free up, so uneven slices balance out. An exception thrown
// by f stops the handing out and is thrown again here.
void InParallelo(std::size_t n, std::size_t blocco, int fili,
                 const std::function<void(std::size_t, std::size_t)>& f);

}  // namespace sirvela
