#pragma once
#include <QDialog>
#include <QRadioButton>
#include <QTableWidget>

#include "archive/StatistichePiloti.h"
#include "core/Interfacce.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class TListaColonne;

// "Frequenza dei Numeri nelle Colonne": how often each pilot stands at each position among
// the columns in memory, as counts or as shares of the columns.
class TFrmAnalisiCombinazioni : public QDialog {
    Q_OBJECT
  public:
    TFrmAnalisiCombinazioni(const TListaColonne& colonne, IMessaggi& messaggi, ISceltaFile& scelta,
                            QWidget* parent = nullptr);
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }
    // "Stampa": the grid as shown.
    TEsitoStampa Stampa(TModoStampa modo);

    const TFrequenzeNumeri& Frequenze() const { return frequenze_; }
    QRadioButton* Percento() const { return percento_; }
    QRadioButton* Valori() const { return valori_; }
    QTableWidget* Griglia() const { return griglia_; }

  private:
    void Ridisegna();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TFrequenzeNumeri frequenze_;
    TPulsantiStampa* pulsanti_;
    QRadioButton* percento_;
    QRadioButton* valori_;
    QTableWidget* griglia_;
};

}  // namespace sirvela
