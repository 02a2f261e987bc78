#pragma once
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <array>

#include "archive/StatistichePiloti.h"
#include "core/Interfacce.h"

namespace sirvela {

class TArchivio;

// "Analisi statistica dei partenti": for one finishing position, how often each pilot held it
// over the selected contests, its spacing, its current and longest delay and its index; rows
// later than their average spacing are highlighted.
class TForm90Numeri : public QDialog {
    Q_OBJECT
  public:
    TForm90Numeri(const TArchivio& archivio, IMessaggi& messaggi, ISceltaFile& scelta,
                  QWidget* parent = nullptr);
    // "Stampa": opens "Stampa Numeri" on the rows as sorted; a print that went out or failed
    // closes this window as well.
    QPushButton* PulsanteStampa() const { return stampa_; }

    const TGestoreRighe& Righe() const { return righe_; }
    QRadioButton* Chiave(TChiaveOrdine k) const { return chiavi_[static_cast<std::size_t>(k)]; }
    QRadioButton* Crescente() const { return crescente_; }
    QRadioButton* Decrescente() const { return decrescente_; }
    QToolButton* Posizione(int p) const { return posizioni_[static_cast<std::size_t>(p - 1)]; }
    QTableWidget* Tabella() const { return tabella_; }

  private:
    // Rebuilds the rows for the chosen position, sorts and redraws.
    void Calcola();
    void Ordina();
    void Ridisegna();
    int PosizioneScelta() const;
    TChiaveOrdine ChiaveScelta() const;

    const TArchivio& archivio_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    QPushButton* stampa_;
    TGestoreRighe righe_;
    std::array<QRadioButton*, 4> chiavi_{};
    QRadioButton* crescente_;
    QRadioButton* decrescente_;
    std::array<QToolButton*, 8> posizioni_{};
    QButtonGroup* gruppoPosizioni_;
    QLabel* concorsi_;
    QTableWidget* tabella_;
};

}  // namespace sirvela
