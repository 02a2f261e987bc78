#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <initializer_list>

#include "widgets/TLGraphpt.h"

namespace sirvela::test {

// A click on a value box of an editor (the box, not the value: a scrolled or shifted strip
// shows other values).
inline void Clic(TLGraphpt& e, int box) {
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.RettangoloBox(box).center());
}

inline void Clic(TLGraphpt& e, std::initializer_list<int> box) {
    for (int b : box) Clic(e, b);
}

inline TLGraphpt& Editore(QWidget& d, const char* nome) {
    auto* e = d.findChild<TLGraphpt*>(nome);
    EXPECT_NE(e, nullptr) << nome;
    return *e;
}

}  // namespace sirvela::test
