#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "core/Interfacce.h"
#include "core/TListaColonne.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class T_Sistema;
class TFormSaver;

// "Stampa Schedine": the tool's own columns on paper tickets or as a list, all tickets or a
// range, with the calibration, prices and list settings of the document. A completed print
// keeps the chosen orientation as the default and rewrites the settings.
class TFormStampaBollette : public QDialog {
    Q_OBJECT
  public:
    TFormStampaBollette(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& scelta,
                        QWidget* parent = nullptr);

    // The columns printed: filled from memory or from a file before the dialog opens.
    TListaColonne Colonne;

    // Prints with the choices on screen; a wrong range is told and nothing happens.
    TEsitoStampa Stampa(TModoStampa modo);
    // Shows the dialog with the choices of its last opening (the range " Da"/"a" among them)
    // and remembers them on closing; the orientation starts from the default all the same.
    int Esegui(TFormSaver& memoria);

    QRadioButton* SuSchedine() const { return schedine_; }
    QRadioButton* SuTabulato() const { return tabulato_; }
    QPushButton* Impostazioni() const { return impostazioni_; }
    QCheckBox* Pausa() const { return pausa_; }
    QCheckBox* Cedolina() const { return cedolina_; }
    QRadioButton* Verticale() const { return verticale_; }
    QRadioButton* Orizzontale() const { return orizzontale_; }
    QRadioButton* Tutte() const { return tutte_; }
    QRadioButton* Intervallo() const { return intervallo_; }
    QSpinBox* Da() const { return da_; }
    QSpinBox* A() const { return a_; }
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }

  private:
    T_Sistema& sistema_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;

    QRadioButton* schedine_;
    QRadioButton* tabulato_;
    QPushButton* impostazioni_;
    QCheckBox* pausa_;
    QCheckBox* cedolina_;
    QRadioButton* verticale_;
    QRadioButton* orizzontale_;
    QRadioButton* tutte_;
    QRadioButton* intervallo_;
    QSpinBox* da_;
    QSpinBox* a_;
    TPulsantiStampa* pulsanti_;
};

}  // namespace sirvela
