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
            if (auto* altro = qobject_cast<QDialog*>(attivo))
                altro->reject();
            else if (attivo)
                attivo->close();
            return;
        }
        QPointer<D> guardia(d);
        azione(*d);
        // An action that failed half-way must not leave the dialog up.
        if (guardia && guardia->isVisible()) {
            if (auto* dialogo = qobject_cast<QDialog*>(guardia.data()))
                dialogo->reject();
            else
                guardia->close();
        }
    });
    orologio->start();
}

}  // namespace sirvela::test
