#pragma once
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/Interfacce.h"
#include "download/TDownload.h"

namespace sirvela {

// "Aggiornamento tramite Internet": the mode being run, its status and step, the gauge of the
// file being received and "Annulla", which stops the transfer. It blocks the other windows
// while it is open; the transfer itself runs away from its thread, so it stays painted.
class TFormDownload : public QDialog, public IVistaDownload {
    Q_OBJECT
  public:
    explicit TFormDownload(QWidget* parent = nullptr);

    void Apri(const std::string& titolo, const std::string& stato,
              const std::string& passo) override;
    void Percentuale(int percento) override;
    void Chiudi() override;

    // Set by "Annulla" (and by closing the window), polled by the transfer.
    TAnnullamento& Annullamento() { return annulla_; }

    QLabel* Titolo() const { return titolo_; }
    QLabel* Stato() const { return stato_; }
    QLabel* Passo() const { return passo_; }
    QProgressBar* Indicatore() const { return indicatore_; }
    QPushButton* PulsanteAnnulla() const { return annullaBtn_; }

  signals:
    void Aperta();

  public slots:
    void reject() override;

  private:
    void BtnAiutoClick();

    TAnnullamento annulla_;
    QLabel* titolo_;
    QLabel* stato_;
    QLabel* passo_;
    QProgressBar* indicatore_;
    QPushButton* annullaBtn_;
};

}  // namespace sirvela
