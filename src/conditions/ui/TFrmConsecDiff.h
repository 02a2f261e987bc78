#pragma once
#include <QToolButton>

#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

// "Consecutività  Differenziata dei Segni": the members of "Gruppo Consecutività", each with
// its "Segno" ("P" even, "D" odd), the selector "PtSegni" (which counts of that parity the
// member tests) and "PtConsecutivita" (the accepted longest runs).
class TFrmConsecDiff : public TFrmCondGruppo {
    Q_OBJECT
  public:
    explicit TFrmConsecDiff(IMessaggi& messaggi, QWidget* parent = nullptr);
    QToolButton* SegnoP() const { return pari_; }
    QToolButton* SegnoD() const { return dispari_; }

  protected:
    void AggiornaMembro(TCondizione& membro) override;

  private:
    void SegnoCambiato(bool pari);

    QToolButton* pari_;
    QToolButton* dispari_;
};

}  // namespace sirvela
