#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "dictation/Dettatura.h"

namespace sirvela {

class TLVisColonne;
class TListaColonne;

// "Dettatura Schedine": the tickets read aloud number by number, the number spoken shown in
// aqua on the ticket. The reading itself is the engine's model; this window shows it and
// passes on the buttons, the range and the timer's ticks.
class TFrmDettSche : public QDialog, private IOrologioDettatura {
    Q_OBJECT
  public:
    TFrmDettSche(IVoceDettatura& voce, QWidget* parent = nullptr);
    ~TFrmDettSche() override;

    // Opening: the tickets of the list, the range over all of them.
    void ImpostaOggetto(const TListaColonne& colonne);
    const TModelloDettatura& Modello() const { return modello_; }
    // One tick of the timer.
    void Scatto();

    TLVisColonne* Vista() const { return vista_; }
    QSpinBox* Dalla() const { return dalla_; }
    QSpinBox* Alla() const { return alla_; }
    QSpinBox* PausaTraNumeri() const { return pausa_; }
    QCheckBox* PausaDopoSchedina() const { return pausaDopo_; }
    QToolButton* Play() const { return play_; }
    QPushButton* Pausa() const { return pausaBottone_; }
    QToolButton* Stop() const { return stop_; }
    const QTimer& Timer() const { return timer_; }

    void done(int r) override;

  private:
    void Avvia(int intervalloMs) override;
    void Ferma() override;
    void AggiornaForm();

    TModelloDettatura modello_;
    QTimer timer_;
    TLVisColonne* vista_;
    QSpinBox* dalla_;
    QSpinBox* alla_;
    QSpinBox* pausa_;
    QCheckBox* pausaDopo_;
    QToolButton* play_;
    QPushButton* pausaBottone_;
    QToolButton* stop_;
};

}  // namespace sirvela
