#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/ImpostazioniVarie.h"
#include "core/Interfacce.h"

namespace sirvela {

// "Impostazioni" (menu "Varie"): the price of one column, whether the columns are saved with
// the system, and the background picture. On OK the caller stores the values.
class TFrmImpostazioni : public QDialog {
    Q_OBJECT
  public:
    TFrmImpostazioni(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    void ImpostaOggetto(const TModelloImpostazioni& modello);
    // The values of the controls.
    TModelloImpostazioni Modello() const;

    QRadioButton* InLire() const { return inLire_; }
    QRadioButton* InEuro() const { return inEuro_; }
    QSpinBox* Lire() const { return lire_; }
    QSpinBox* EuroInteri() const { return euroInteri_; }
    QSpinBox* Centesimi() const { return centesimi_; }
    QCheckBox* SalvaColonne() const { return salvaColonne_; }
    QLineEdit* Sfondo() const { return sfondo_; }
    QPushButton* CercaSfondo() const { return cercaSfondo_; }
    QLabel* Anteprima() const { return anteprima_; }
    QRadioButton* Schedine2() const { return schedine2_; }
    QRadioButton* Schedine5() const { return schedine5_; }
    QSpinBox* Fili() const { return fili_; }
    QCheckBox* ConteggioDalVivo() const { return conteggio_; }

  private:
    void AggiornaForm(const TModelloImpostazioni& m);
    void BtnCercaClick();
    void MostraAnteprima();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;

    QRadioButton* inLire_;
    QRadioButton* inEuro_;
    QSpinBox* lire_;
    QSpinBox* euroInteri_;
    QSpinBox* centesimi_;
    QCheckBox* salvaColonne_;
    QLineEdit* sfondo_;
    QPushButton* cercaSfondo_;
    QLabel* anteprima_;
    QRadioButton* schedine2_;
    QRadioButton* schedine5_;
    QSpinBox* fili_;
    QCheckBox* conteggio_;
};

}  // namespace sirvela
