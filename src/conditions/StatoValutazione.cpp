#include "conditions/StatoValutazione.h"

namespace sirvela {
namespace {
thread_local TStatoValutazione* statoFilo = nullptr;
}  // namespace

TStatoValutazione* StatoFilo() {
    return statoFilo;
}

TStatoFilo::TStatoFilo(TStatoValutazione& stato) : prima_(statoFilo) {
    statoFilo = &stato;
}

TStatoFilo::~TStatoFilo() {
    statoFilo = prima_;
}

}  // namespace sirvela
