#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <QWidget>

namespace sirvela::test {

// Pictures of the windows for a person to look at, written only when SIRVELA_SCHERMATE names
// a folder (run under Xvfb at 1024 x 768 for the real look). Each area has its own
// TEST(Schermate, Area) that starts with SALTA_SENZA_SCHERMATE().
inline QString CartellaSchermate() {
    return qEnvironmentVariable("SIRVELA_SCHERMATE");
}

#define SALTA_SENZA_SCHERMATE()                                           \
    do {                                                                  \
        if (::sirvela::test::CartellaSchermate().isEmpty()) GTEST_SKIP(); \
    } while (0)

// Shows the window when it is hidden, lets it paint and writes "<nome>.png".
inline void SalvaSchermata(QWidget& w, const QString& nome) {
    const QString cartella = CartellaSchermate();
    QDir().mkpath(cartella);
    if (!w.isVisible()) w.show();
    QTest::qWait(200);
    EXPECT_TRUE(w.grab().save(cartella + "/" + nome + ".png")) << nome.toStdString();
}

}  // namespace sirvela::test
