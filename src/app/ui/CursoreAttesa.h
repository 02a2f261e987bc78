#pragma once
#include <QApplication>
#include <QCursor>

#include "core/Interfacce.h"

namespace sirvela {

// The hourglass while a file is read or written; gone before any message box shows. Pass it
// as the message box of the work it covers.
class TCursoreAttesa : public IMessaggi {
  public:
    explicit TCursoreAttesa(IMessaggi& m) : m_(m) {}
    int Mostra(const std::string& t, const std::string& x, int p) override {
        Normale();
        return m_.Mostra(t, x, p);
    }
    void Errore(const std::string& x) override {
        Normale();
        m_.Errore(x);
    }
    void Clessidra() {
        if (!attiva_) QApplication::setOverrideCursor(Qt::WaitCursor);
        attiva_ = true;
    }
    void Normale() {
        if (attiva_) QApplication::restoreOverrideCursor();
        attiva_ = false;
    }
    ~TCursoreAttesa() override { Normale(); }

  private:
    IMessaggi& m_;
    bool attiva_ = false;
};

}  // namespace sirvela
