#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <random>

#include "core/Interfacce.h"
#include "shop/GeneraSchedine.h"

namespace sirvela {

class TDatiSistema;

// "Generazione Schedine": how many random tickets, of which cost, and where they go. The
// columns in memory are replaced by "Genera in Memoria", which closes the window (accepted);
// "Genera su File" writes them to a file and leaves it open.
class TFormGeneraSchedine : public QDialog {
    Q_OBJECT
  public:
    TFormGeneraSchedine(TDatiSistema& dati, std::mt19937& caso, IMessaggi& messaggi,
                        ISceltaFile& scelta, QWidget* parent = nullptr);

    void ImpostaOggetto(const TModelloGeneraSchedine& modello);
    const TModelloGeneraSchedine& Modello() const { return modello_; }

    QSpinBox* Schedine() const { return schedine_; }
    QRadioButton* CostoFisso() const { return costoFisso_; }
    QRadioButton* CostoCasuale() const { return costoCasuale_; }
    QSpinBox* NumeriFissi() const { return fissi_; }
    QLabel* CostoSchedina() const { return costoSchedina_; }
    QLabel* Forma() const { return forma_; }
    QToolButton* Piu() const { return piu_; }
    QToolButton* Meno() const { return meno_; }
    QLabel* CostoMinimo() const { return costoMinimo_; }
    QToolButton* MinimoPiu() const { return minimoPiu_; }
    QToolButton* MinimoMeno() const { return minimoMeno_; }
    QLabel* CostoMassimo() const { return costoMassimo_; }
    QToolButton* MassimoPiu() const { return massimoPiu_; }
    QToolButton* MassimoMeno() const { return massimoMeno_; }
    QPushButton* GeneraInMemoria() const { return inMemoria_; }
    QPushButton* GeneraSuFile() const { return suFile_; }

  private:
    // Every control from the model: values, costs and which controls work.
    void AggiornaForm();
    // A change through `azione`, then the controls follow.
    template <class F>
    void Cambia(F&& azione) {
        azione(modello_);
        AggiornaForm();
    }
    void BtnGeneraInMemoriaClick();
    void BtnGeneraSuFileClick();

    TDatiSistema& dati_;
    std::mt19937& caso_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TModelloGeneraSchedine modello_;

    QSpinBox* schedine_;
    QRadioButton* costoFisso_;
    QRadioButton* costoCasuale_;
    QSpinBox* fissi_;
    QLabel* costoSchedina_;
    QLabel* forma_;
    QToolButton* piu_;
    QToolButton* meno_;
    QLabel* costoMinimo_;
    QToolButton* minimoPiu_;
    QToolButton* minimoMeno_;
    QLabel* costoMassimo_;
    QToolButton* massimoPiu_;
    QToolButton* massimoMeno_;
    QPushButton* inMemoria_;
    QPushButton* suFile_;
};

}  // namespace sirvela
