#include "core/Parallelo.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace sirvela {

void AbbassaPrioritaFilo() {
#ifdef __linux__
    // On Linux the nice value belongs to the thread, and threads it creates inherit it.
    const id_t filo = static_cast<id_t>(gettid());
    errno = 0;
    const int attuale = getpriority(PRIO_PROCESS, filo);
    if (errno == 0) setpriority(PRIO_PROCESS, filo, std::min(attuale + 5, 19));
#endif
}

int FiliDisponibili() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void InParallelo(std::size_t n, std::size_t blocco, int fili,
                 const std::function<void(std::size_t, std::size_t)>& f) {
    if (n == 0) return;
    blocco = std::max<std::size_t>(blocco, 1);
    const std::size_t fette = (n + blocco - 1) / blocco;
    const auto quanti = static_cast<std::size_t>(
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(fili, 1)), 1, fette));
    std::atomic<std::size_t> prossima{0};
    std::atomic<bool> fermo{false};
    std::exception_ptr errore;
    std::mutex mutex;
    auto lavora = [&] {
        while (!fermo.load(std::memory_order_relaxed)) {
            const std::size_t k = prossima.fetch_add(1, std::memory_order_relaxed);
            if (k >= fette) return;
            try {
                f(k * blocco, std::min(n, (k + 1) * blocco));
            } catch (...) {
                std::lock_guard chiave(mutex);
                if (!errore) errore = std::current_exception();
                fermo = true;
            }
        }
    };
    std::vector<std::thread> altri;
    altri.reserve(quanti - 1);
    for (std::size_t t = 1; t < quanti; ++t) {
        // A thread that cannot start leaves its share to the others.
        try {
            altri.emplace_back(lavora);
        } catch (...) {
            break;
        }
    }
    lavora();
    for (auto& t : altri) t.join();
    if (errore) std::rethrow_exception(errore);
}

}  // namespace sirvela
