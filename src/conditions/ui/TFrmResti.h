#pragma once
#include <QSpinBox>

#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TLGraphpt;

// "Resti": the members of "Gruppo Resti", each with its editor "PtResto" and its
// "Divisione per " 2..99.
class TFrmResti : public TFrmCondGruppo {
    Q_OBJECT
  public:
    explicit TFrmResti(IMessaggi& messaggi, QWidget* parent = nullptr);
    QSpinBox* Divisore() const { return divisore_; }

  protected:
    void AggiornaMembro(TCondizione& membro) override;

  private:
    QSpinBox* divisore_;
};

// "Distanze Specifiche": the members of "Gr. Dist. Specifiche", each with its editor
// "PtDistanza", "Prima Posizione" and "Seconda Posizione" (the second kept above the first).
class TFrmDistanzePart : public TFrmCondGruppo {
    Q_OBJECT
  public:
    explicit TFrmDistanzePart(IMessaggi& messaggi, QWidget* parent = nullptr);
    QSpinBox* PrimaPosizione() const { return prima_; }
    QSpinBox* SecondaPosizione() const { return seconda_; }

  protected:
    void AggiornaMembro(TCondizione& membro) override;

  private:
    void PosizioneCambiata(bool prima, int valore);

    QSpinBox* prima_;
    QSpinBox* seconda_;
};

}  // namespace sirvela
