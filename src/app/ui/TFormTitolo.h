#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace sirvela {

// The title window: the picture, the version and the two buttons. "Avvio" hides the buttons
// and asks for the main window a second later; "Uscita" ends the program.
class TFormTitolo : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kAttesaMs = 1000;

    // The picture comes from `immagine` when that file can be read, else the built-in one.
    explicit TFormTitolo(const QString& immagine, QWidget* parent = nullptr);

    QPushButton* PulsanteAvvio() const { return avvio_; }
    QPushButton* PulsanteUscita() const { return uscita_; }
    QLabel* Versione() const { return versione_; }

  signals:
    void Avvia();

  private:
    QPushButton* avvio_;
    QPushButton* uscita_;
    QLabel* versione_;
};

}  // namespace sirvela
