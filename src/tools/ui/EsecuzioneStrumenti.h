#pragma once
#include <QDialog>
#include <QHBoxLayout>
#include <QObject>
#include <QPushButton>
#include <functional>

#include "core/Interfacce.h"
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

// A dialog whose work runs while it stays painted: the button that starts it, "Interrompi",
// "Chiudi" and "Aiuto"; meanwhile only "Interrompi" works and the dialog cannot be closed.
class TDialogoConLavoro : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;
    bool InCorso() const { return inCorso_; }
    QPushButton* PulsanteAvvio() const { return avvio_; }
    QPushButton* PulsanteInterrompi() const { return interrompi_; }
    QPushButton* PulsanteChiudi() const { return chiudi_; }

  public slots:
    void reject() override;

  protected:
    // The row of the four buttons; `argomento` is the dialog's help topic.
    QHBoxLayout* CreaPulsanti(const QString& avvio, const QString& argomento);
    // Runs `lavoro` on its thread with "Interrompi" as its cancel request.
    void EseguiLavoro(const std::function<void()>& lavoro);
    // Enables the controls for a run or after it; a dialog adds its own fields.
    virtual void ImpostaInCorso(bool si);
    void closeEvent(QCloseEvent* e) override;

    TAnnullamento annulla_;

  private:
    bool inCorso_ = false;
    QPushButton* avvio_ = nullptr;
    QPushButton* interrompi_ = nullptr;
    QPushButton* chiudi_ = nullptr;
    QPushButton* aiuto_ = nullptr;
};

}  // namespace sirvela
