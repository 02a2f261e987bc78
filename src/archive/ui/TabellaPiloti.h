#pragma once
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "core/Globali.h"

namespace sirvela {

// A table of one 20-pixel row per pilot, tall enough to show every pilot without scrolling.
inline void RighePerOgniPilota(QTableWidget& tabella) {
    tabella.verticalHeader()->setDefaultSectionSize(20);
    tabella.setMinimumHeight(20 * std::clamp<int>(NumeroPiloti, 1, kMaxPiloti) +
                             tabella.horizontalHeader()->sizeHint().height() +
                             2 * tabella.frameWidth());
}

}  // namespace sirvela
