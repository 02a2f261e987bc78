#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <functional>
#include <string>
#include <vector>

namespace sirvela {

// Dialog "Commento": the system's comment as lines of text.
class TFormCommento : public QDialog {
    Q_OBJECT
  public:
    explicit TFormCommento(const std::vector<std::string>& righe, QWidget* parent = nullptr);
    std::vector<std::string> Righe() const;
    QPlainTextEdit* Testo() const { return testo_; }

  private:
    QPlainTextEdit* testo_;
};

// Dialog "Partecipanti": how many share the system and, optionally, their names.
class TFormPartecipanti : public QDialog {
    Q_OBJECT
  public:
    // Decides whether "OK" may close the dialog: it gets the number, the check box and the
    // lines, may change the lines, and tells the user what is wrong when it says no.
    using Verifica =
        std::function<bool(int numero, bool specifica, std::vector<std::string>& nomi)>;

    TFormPartecipanti(int numero, bool specifica, const std::vector<std::string>& nomi,
                      Verifica verifica, QWidget* parent = nullptr);

    int Numero() const { return numero_->value(); }
    bool Specifica() const { return specifica_->isChecked(); }
    std::vector<std::string> Nomi() const;

    QSpinBox* CampoNumero() const { return numero_; }
    QCheckBox* CampoSpecifica() const { return specifica_; }
    QPlainTextEdit* CampoNomi() const { return nomi_; }

    void accept() override;

  private:
    QSpinBox* numero_;
    QCheckBox* specifica_;
    QPlainTextEdit* nomi_;
    Verifica verifica_;
};

}  // namespace sirvela
