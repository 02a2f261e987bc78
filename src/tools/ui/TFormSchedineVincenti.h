#pragma once
#include <QComboBox>
#include <QDialog>

#include "tools/TSpoglio.h"

namespace sirvela {

class TPannelliSchedine;

// "Visualizzazione Schedine Vincenti": the slips holding a column with the chosen score.
class TFormSchedineVincenti : public QDialog {
    Q_OBJECT
  public:
    explicit TFormSchedineVincenti(const TSpoglio& spoglio, QWidget* parent = nullptr);

    const TSchedineVincenti& Modello() const { return modello_; }
    QComboBox* Punti() const { return punti_; }
    TPannelliSchedine* Pannelli() const { return pannelli_; }

  private:
    void PuntiCambiati(int indice);
    void MostraDa(int posizione);

    TSchedineVincenti modello_;
    TColonna risultato_;
    QComboBox* punti_;
    TPannelliSchedine* pannelli_;
};

}  // namespace sirvela
