#pragma once
#include <QDialog>
#include <QRadioButton>
#include <QTableWidget>

#include "archive/StatistichePiloti.h"

namespace sirvela {

class TListaColonne;

// "Frequenza dei Numeri nelle Colonne": how often each pilot stands at each position among
// the columns in memory, as counts or as shares of the columns.
class TFrmAnalisiCombinazioni : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmAnalisiCombinazioni(const TListaColonne& colonne, QWidget* parent = nullptr);

    const TFrequenzeNumeri& Frequenze() const { return frequenze_; }
    QRadioButton* Percento() const { return percento_; }
    QRadioButton* Valori() const { return valori_; }
    QTableWidget* Griglia() const { return griglia_; }

  private:
    void Ridisegna();

    TFrequenzeNumeri frequenze_;
    QRadioButton* percento_;
    QRadioButton* valori_;
    QTableWidget* griglia_;
};

}  // namespace sirvela
