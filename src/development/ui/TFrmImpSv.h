#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "core/Interfacce.h"
#include "development/ImpostazioniSviluppoModello.h"

namespace sirvela {

// "Impostazioni di Sviluppo": source, destination, conditions and reduction of a development.
// Works on a copy of the settings; on OK the caller stores it.
class TFrmImpSv : public QDialog {
    Q_OBJECT
  public:
    TFrmImpSv(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    void ImpostaOggetto(const TModelloImpSviluppo& modello);
    const TModelloImpSviluppo& Modello() const { return modello_; }

    QCheckBox* UsaCondizioni() const { return usaCondizioni_; }
    QCheckBox* Autoriduzione() const { return autoriduzione_; }
    QGroupBox* BoxRiduzione() const { return boxRiduzione_; }
    QSpinBox* Garanzia() const { return garanzia_; }
    QSpinBox* Vincite() const { return vincite_; }
    QCheckBox* Ottimizzata() const { return ottimizzata_; }
    QCheckBox* Migliorata() const { return migliorata_; }
    QSpinBox* Secondi() const { return secondi_; }
    QLineEdit* Iterazioni() const { return iterazioni_; }
    QLineEdit* Seme() const { return seme_; }
    QRadioButton* DaPronostico() const { return daPronostico_; }
    QRadioButton* DaFile() const { return daFile_; }
    QLineEdit* NomeSorgente() const { return nomeSorgente_; }
    QPushButton* CercaSorgente() const { return cercaSorgente_; }
    QRadioButton* InMemoria() const { return inMemoria_; }
    QRadioButton* SuFile() const { return suFile_; }
    QLineEdit* NomeDestinazione() const { return nomeDestinazione_; }
    QPushButton* CercaDestinazione() const { return cercaDestinazione_; }
    QPushButton* BtnOk() const { return ok_; }

  public slots:
    void accept() override;

  private:
    void AggiornaForm();
    void AcquisisceForm();
    void Clic();
    void SpuntaRiduzione(QCheckBox* casella);
    void BtnCercaSorgenteClick();
    void BtnCercaDestinazioneClick();
    void BtnAiutoClick();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TModelloImpSviluppo modello_;

    QCheckBox* usaCondizioni_;
    QCheckBox* autoriduzione_;
    QGroupBox* boxRiduzione_;
    QSpinBox* garanzia_;
    QSpinBox* vincite_;
    QCheckBox* ottimizzata_;
    QCheckBox* migliorata_;
    QSpinBox* secondi_;
    QLineEdit* iterazioni_;
    QLineEdit* seme_;
    QRadioButton* daPronostico_;
    QRadioButton* daFile_;
    QLineEdit* nomeSorgente_;
    QPushButton* cercaSorgente_;
    QRadioButton* inMemoria_;
    QRadioButton* suFile_;
    QLineEdit* nomeDestinazione_;
    QPushButton* cercaDestinazione_;
    QPushButton* ok_;
};

}  // namespace sirvela
