#pragma once
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "shop/DatiRicevitoria.h"

namespace sirvela {

// "Dati Ricevitoria": the shop's heading, address, town and telephone, up to 50 characters
// each. On OK the caller stores them.
class TFormDatiRicevitoria : public QDialog {
    Q_OBJECT
  public:
    explicit TFormDatiRicevitoria(QWidget* parent = nullptr);

    void ImpostaOggetto(const TModelloDatiRicevitoria& modello);
    TModelloDatiRicevitoria Modello() const;
    QLineEdit* Campo(int i) const { return campi_[i]; }

  private:
    std::array<QLineEdit*, 4> campi_{};
};

}  // namespace sirvela
