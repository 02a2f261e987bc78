#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "core/Interfacce.h"
#include "printing/StampaProspetto.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class T_Sistema;

// "Stampa del Prospetto del Sistema": what the summary sheet holds and how many copies.
// One copy per participant is offered only when the system has more than one.
class TFormStampaProspetto : public QDialog {
    Q_OBJECT
  public:
    TFormStampaProspetto(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& scelta,
                         QWidget* parent = nullptr);

    TSceltaProspetto Scelta() const;
    TEsitoStampa Stampa(TModoStampa modo);

    QCheckBox* Informazioni() const { return informazioni_; }
    QCheckBox* Schedina() const { return schedina_; }
    QCheckBox* Condizioni() const { return condizioni_; }
    QCheckBox* Tabulato() const { return tabulato_; }
    QPushButton* Impostazioni() const { return impostazioni_; }
    QRadioButton* SpecificaCopie() const { return specificaCopie_; }
    QSpinBox* Copie() const { return copie_; }
    QRadioButton* PerPartecipante() const { return perPartecipante_; }
    TPulsantiStampa* Pulsanti() const { return pulsanti_; }

  protected:
    // The remembered choices are applied before showing; the participants decide after.
    void showEvent(QShowEvent* e) override;

  private:
    void AggiornaCopie();

    T_Sistema& sistema_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;

    QCheckBox* informazioni_;
    QCheckBox* schedina_;
    QCheckBox* condizioni_;
    QCheckBox* tabulato_;
    QPushButton* impostazioni_;
    QRadioButton* specificaCopie_;
    QSpinBox* copie_;
    QRadioButton* perPartecipante_;
    TPulsantiStampa* pulsanti_;
};

}  // namespace sirvela
