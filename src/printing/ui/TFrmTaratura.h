#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QRadioButton>
#include <QSpinBox>
#include <array>

#include "core/Interfacce.h"
#include "printing/ModelloTaratura.h"
#include "printing/StampaSchedine.h"

namespace sirvela {

class TPulsantiStampa;

// The ticket picture with the marks of two sample columns and the writing where a
// calibration puts them, turned as the paper is fed.
class TAnteprimaTaratura : public QWidget {
    Q_OBJECT
  public:
    TAnteprimaTaratura(const QImage& schedina, int numeroPiloti, int pilotaEscluso,
                       QWidget* parent = nullptr);
    void Mostra(const TTaratura& taratura, bool orizzontale);
    // Millimetres of the page per pixel of the widget (for the tests).
    double Scala() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QImage schedina_;
    TTaratura taratura_;
    bool orizzontale_ = false;
    int numeroPiloti_;
    int pilotaEscluso_;
};

// "Taratura per la Stampa delle Schedine": one orientation set at a time in tenths of a
// millimetre, arrows that move the number-1 box and the writing, the preview on the ticket
// picture and the test print. The document's calibration is only read: on OK the caller
// takes Risultato() and saves the settings.
class TFrmTaratura : public QDialog {
    Q_OBJECT
  public:
    TFrmTaratura(const TTaratura& taratura, int numeroPiloti, int pilotaEscluso,
                 IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    TTaratura Risultato() const { return risultato_; }
    const TModelloTaratura& Modello() const { return modello_; }

    QRadioButton* Verticale() const { return verticale_; }
    QRadioButton* Orizzontale() const { return orizzontale_; }
    QSpinBox* Valore(TModelloTaratura::TIndice i) const { return valori_[i]; }
    QCheckBox* StampaScritta() const { return stampaScritta_; }
    TAnteprimaTaratura* Anteprima() const { return anteprima_; }
    TPulsantiStampa* Test() const { return test_; }
    // The arrow buttons: 0 left, 1 right, 2 up, 3 down; of the number-1 box or the writing.
    QWidget* Freccia(bool scritta, int verso) const;

  private:
    QWidget* Frecce(TModelloTaratura::TIndice x, TModelloTaratura::TIndice y, bool scritta);
    void AggiornaForm();
    void AcquisisceForm();
    void BtnOkClick();

    TModelloTaratura modello_;
    TTaratura risultato_;
    int numeroPiloti_;
    int pilotaEscluso_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    bool aggiornando_ = false;

    QRadioButton* verticale_;
    QRadioButton* orizzontale_;
    std::array<QSpinBox*, 10> valori_{};
    QCheckBox* stampaScritta_;
    TAnteprimaTaratura* anteprima_;
    TPulsantiStampa* test_;
    std::array<std::array<QWidget*, 4>, 2> frecce_{};
};

}  // namespace sirvela
