#pragma once
#include <QDialog>
#include <QObject>
#include <functional>

#include "tools/Progresso.h"

namespace sirvela {

// Runs `lavoro` on a worker thread while this thread goes on handling the windows (painting,
// "Interrompi"); returns when the work is over. An exception of the work comes back here.
void EseguiInSottofondo(const std::function<void()>& lavoro);

// The progress of a column tool, carried to the window's thread. The worker waits until the
// window has taken each step, so an "Interrompi" pressed on seeing a step is honoured at the
// engine's next look, and the bar never runs behind the work.
class TPonteProgresso : public QObject, public IProgressoStrumenti {
    Q_OBJECT
  public:
    explicit TPonteProgresso(QObject* parent = nullptr) : QObject(parent) {}
    void Avanzamento(int percento) override;
    void FileCreati(int quanti) override;

  signals:
    void AvanzamentoCambiato(int percento);
    void FileCreatiCambiati(int quanti);

  private:
    void SulThreadDellaFinestra(const std::function<void()>& f);
};

// A dialog whose work runs while it stays painted: it cannot be closed meanwhile.
class TDialogoConLavoro : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;
    bool InCorso() const { return inCorso_; }

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool inCorso_ = false;
};

}  // namespace sirvela
