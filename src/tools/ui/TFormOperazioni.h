#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include "core/Interfacce.h"
#include "tools/TOperazioniFile.h"
#include "tools/ui/EsecuzioneStrumenti.h"

namespace sirvela {

// "Operazioni su Files Colonnari": two column files combined into a third, or one reordered.
// The operation runs while the window stays painted, and "Interrompi" stops it.
class TFormOperazioni : public TDialogoConLavoro {
    Q_OBJECT
  public:
    TFormOperazioni(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);
    // The pilots the files may hold.
    void ImpostaPiloti(const TPilotiInGioco& piloti) { piloti_ = piloti; }

    // Controls to object.
    TOperazioniFile AcquisisceForm() const;
    void BtnEseguiClick();

    QComboBox* Operazione() const { return operazione_; }
    QLabel* DidascaliaPrimo() const { return didPrimo_; }
    QLabel* DidascaliaSecondo() const { return didSecondo_; }
    QLineEdit* Primo() const { return primo_; }
    QLineEdit* Secondo() const { return secondo_; }
    QPushButton* CercaSecondo() const { return cercaSecondo_; }
    QLineEdit* Uscita() const { return uscita_; }
    QSpinBox* Garanzia() const { return garanzia_; }
    QProgressBar* Avanzamento() const { return avanzamento_; }
    QPushButton* PulsanteEsegui() const { return PulsanteAvvio(); }

  private:
    void OperazioneCambiata();
    void Cerca(QLineEdit* campo, const QString& titolo, bool salva);
    void ImpostaInCorso(bool si) override;

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TPilotiInGioco piloti_;

    QComboBox* operazione_;
    QLabel* didPrimo_;
    QLabel* didSecondo_;
    QLineEdit* primo_;
    QLineEdit* secondo_;
    QLineEdit* uscita_;
    QPushButton* cercaPrimo_;
    QPushButton* cercaSecondo_;
    QPushButton* cercaUscita_;
    QLabel* didGaranzia_;
    QSpinBox* garanzia_;
    QProgressBar* avanzamento_;
};

// The name to put in a file field: the bare name for a file of the column folder, which the
// column-file name rule finds again, else the whole path.
QString NomeNelCampo(const std::string& percorso);

}  // namespace sirvela
