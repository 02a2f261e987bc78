#pragma once
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <memory>

#include "archive/ImpostazioniDiRicerca.h"

namespace sirvela {

class TArchivio;

// "Impostazioni di Ricerca": which archived contests the statistics look at. OK stores the
// choice in the archive's selection; "Annulla" changes nothing.
class TFormImpostazioniDiRicerca : public QDialog {
    Q_OBJECT
  public:
    explicit TFormImpostazioniDiRicerca(TArchivio& archivio, QWidget* parent = nullptr);

    QRadioButton* Tutti() const { return tutti_; }
    QRadioButton* Seleziona() const { return seleziona_; }
    QComboBox* Dal() const { return dal_; }
    QComboBox* Al() const { return al_; }
    QLabel* TestoInizio() const { return testoInizio_; }
    QLabel* TestoFine() const { return testoFine_; }
    QLabel* Quanti() const { return quanti_; }
    QFrame* Barra() const { return barra_; }
    // OK: the choice becomes the archive's selection.
    void accept() override;

  private:
    void AggiornaForm();

    TArchivio& archivio_;
    TImpostazioniDiRicerca modello_;
    QRadioButton* tutti_;
    QRadioButton* seleziona_;
    QWidget* intervallo_;
    QComboBox* dal_;
    QComboBox* al_;
    QLabel* annoFinale_;
    QLabel* testoInizio_;
    QLabel* testoFine_;
    QLabel* quanti_;
    QFrame* traccia_;
    QFrame* barra_;
};

}  // namespace sirvela
