#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>

namespace sirvela::test {

// Closes a modal window as its close button would.
inline void ChiudiModale(QWidget* w) {
    if (auto* dialogo = qobject_cast<QDialog*>(w))
        dialogo->reject();
    else if (w)
        w->close();
}

// Runs `azione` on the modal dialog of type D that the code under test is about to open, then
// makes sure it is closed. The dialog is looked for every few milliseconds; when none of type D
// appears within `attesaMs`, or another modal comes up instead, the test fails and whatever
// modal is up is closed, so a test never waits forever on a dialog.
// Call it just before the command that opens the dialog.
template <class D = QDialog>
void QuandoModale(std::function<void(D&)> azione, int attesaMs = 5000) {
    auto* orologio = new QTimer;
    auto* trascorso = new QElapsedTimer;
    trascorso->start();
    // A dialog that never comes is noticed only when the wait runs out, maybe in a later test:
    // the message names the test that waited for it.
    const auto* prova = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string chi =
        prova ? std::string(prova->test_suite_name()) + "." + prova->name() : std::string("?");
    orologio->setInterval(5);
    QObject::connect(orologio, &QTimer::timeout, [=] {
        QWidget* attivo = QApplication::activeModalWidget();
        D* d = qobject_cast<D*>(attivo);
        const bool scaduto = trascorso->elapsed() > attesaMs;
        if (!d && !(attivo && scaduto) && !scaduto) return;
        orologio->stop();
        orologio->deleteLater();
        delete trascorso;
        if (!d) {
            ADD_FAILURE() << "the modal dialog " << chi << " waited for did not appear"
                          << (attivo ? std::string(" (another modal was up: ") +
                                           attivo->metaObject()->className() + ")"
                                     : std::string());
            ChiudiModale(attivo);
            return;
        }
        QPointer<D> guardia(d);
        azione(*d);
        // An action that failed half-way must not leave the dialog up.
        if (guardia && guardia->isVisible()) ChiudiModale(guardia.data());
    });
    orologio->start();
}

// Runs `azione` on the modal dialog of type D that must be in front `dopoMs` from now, as a
// user finds it who takes that long to react: a window that came up by itself meanwhile would
// be in front instead. When it is not, the test fails and every modal that shows up while the
// test goes on (for a few seconds at most) is closed, so the code under test returns.
template <class D = QDialog>
void ModaleDopo(int dopoMs, std::function<void(D&)> azione) {
    const auto* prova = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string chi =
        prova ? std::string(prova->test_suite_name()) + "." + prova->name() : std::string("?");
    auto stessaProva = [prova] {
        return ::testing::UnitTest::GetInstance()->current_test_info() == prova;
    };
    QTimer::singleShot(dopoMs, [=] {
        if (!stessaProva()) return;  // the test ended without waiting for it
        QWidget* attivo = QApplication::activeModalWidget();
        if (D* d = qobject_cast<D*>(attivo)) {
            QPointer<D> guardia(d);
            azione(*d);
            if (guardia && guardia->isVisible()) ChiudiModale(guardia.data());
            return;
        }
        ADD_FAILURE() << "after " << dopoMs << " ms " << chi << " found "
                      << (attivo ? attivo->metaObject()->className() : "no modal dialog")
                      << " in front instead of the one it waited for";
        auto* chiusure = new QTimer;
        auto* trascorso = new QElapsedTimer;
        trascorso->start();
        chiusure->setInterval(20);
        QObject::connect(chiusure, &QTimer::timeout, [=] {
            if (stessaProva() && trascorso->elapsed() < 5000) {
                ChiudiModale(QApplication::activeModalWidget());
                return;
            }
            chiusure->stop();
            chiusure->deleteLater();
            delete trascorso;
        });
        chiusure->start();
    });
}

}  // namespace sirvela::test
