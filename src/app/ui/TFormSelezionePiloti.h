#pragma once
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <string>
#include <vector>

#include "core/TCombinazione.h"

namespace sirvela {

// The pilots of one position chosen by name: 2 × 13 cells "n) name"; a click switches a
// named pilot on or off and the position's set is rebuilt in ascending order at once.
class TFormSelezionePiloti : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kRighe = 13;

    // `nomi[i]` is the name of pilot i + 1.
    TFormSelezionePiloti(int posizione, const std::vector<std::string>& nomi, int numeroPiloti,
                         const TCombinazione& scelti, QWidget* parent = nullptr);

    const TCombinazione& Scelti() const { return scelti_; }
    QTableWidget* Tabella() const { return tabella_; }
    QLabel* Conteggio() const { return conteggio_; }
    // The cell showing pilot k + 1 (k from 0).
    QTableWidgetItem* Cella(int k) const { return tabella_->item(k % kRighe, k / kRighe); }
    bool Evidenziata(int k) const;
    void CliccaCella(int k);

  signals:
    void Cambiato(const TCombinazione& scelti);

  private:
    void Evidenzia(int k, bool acceso);

    QTableWidget* tabella_;
    QLabel* conteggio_;
    TCombinazione scelti_;
};

}  // namespace sirvela
