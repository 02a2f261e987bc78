#pragma once
#include <QDialog>
#include <QSpinBox>
#include <QTableWidget>
#include <string>
#include <vector>

namespace sirvela {

// Dialog "Piloti": how many pilots are in play (20..25) and their names.
class TFormListaPiloti : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMinimo = 20;
    static constexpr int kMassimo = 25;
    static constexpr int kLunghezzaNome = 40;

    // `nomi[i]` is the stored name of pilot i + 1.
    TFormListaPiloti(int numeroPiloti, const std::vector<std::string>& nomi,
                     QWidget* parent = nullptr);

    int Numero() const { return numero_->value(); }
    // The names of rows 1..Numero(), each cut to 40 characters.
    std::vector<std::string> Nomi() const;

    QSpinBox* CampoNumero() const { return numero_; }
    QTableWidget* Tabella() const { return tabella_; }

  private:
    void CambiaRighe(int n);

    QSpinBox* numero_;
    QTableWidget* tabella_;
    std::vector<QString> nomi_;  // every slot, so rows hidden and shown again keep their text
};

}  // namespace sirvela
