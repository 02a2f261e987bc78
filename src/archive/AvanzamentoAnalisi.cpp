#include "archive/AvanzamentoAnalisi.h"

#include <cmath>

namespace sirvela {

TContatoreAvanzamento::TContatoreAvanzamento(IAvanzamentoAnalisi* avanzamento, TFaseAnalisi fase,
                                             std::int64_t scala)
    : avanzamento_(avanzamento), scala_(scala) {
    if (avanzamento_) {
        avanzamento_->Apri(fase, scala);
        avanzamento_->Posizione(0);
    }
}

TContatoreAvanzamento::~TContatoreAvanzamento() {
    if (avanzamento_) avanzamento_->Chiudi();
}

void TContatoreAvanzamento::Avanza() {
    ++fatti_;
    if (!avanzamento_ || scala_ <= 0) return;
    const auto percento = static_cast<int>(
        std::llround(static_cast<double>(fatti_) * 100.0 / static_cast<double>(scala_)));
    if (percento > mostrata_ + 2) {
        mostrata_ = percento;
        avanzamento_->Posizione(percento);
    }
}

}  // namespace sirvela
