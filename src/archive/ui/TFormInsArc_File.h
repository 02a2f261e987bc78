#pragma once
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <array>

#include "archive/InserimentoFiltri.h"

namespace sirvela {

class IMessaggi;
class ISceltaFile;
class TCondQuadro;
class TDatiSistema;

// "Inserimento Automatico delle Colonne Filtro": fills a quadro with filter columns made from
// archived results or from a column file. OK adds them and closes (accepted).
class TFormInsArc_File : public QDialog {
    Q_OBJECT
  public:
    TFormInsArc_File(TCondQuadro& quadro, const TArchivio& archivio, IMessaggi& messaggi,
                     ISceltaFile& scelta, QWidget* parent = nullptr);

    const TInserimentoFiltri& Modello() const { return modello_; }
    int Aggiunti() const { return aggiunti_; }

    QRadioButton* DaArchivio() const { return daArchivio_; }
    QRadioButton* DaFile() const { return daFile_; }
    QSpinBox* Inizio() const { return inizio_; }
    QSpinBox* Fine() const { return fine_; }
    QLineEdit* File() const { return file_; }
    QPushButton* Cerca() const { return cerca_; }
    QRadioButton* DiPosizione() const { return diPosizione_; }
    QRadioButton* AGirare() const { return aGirare_; }
    // The accepted numbers of agreements 0..8.
    QToolButton* Punto(int punti) const { return punti_[static_cast<std::size_t>(punti)]; }
    void BtnOkClick();

  private:
    void AggiornaForm();
    void BtnCercaClick();

    TCondQuadro& quadro_;
    const TArchivio& archivio_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TInserimentoFiltri modello_;
    int aggiunti_ = 0;

    QRadioButton* daArchivio_;
    QRadioButton* daFile_;
    QWidget* gruppoArchivio_;
    QWidget* gruppoFile_;
    QSpinBox* inizio_;
    QSpinBox* fine_;
    QLineEdit* file_;
    QPushButton* cerca_;
    QRadioButton* diPosizione_;
    QRadioButton* aGirare_;
    std::array<QToolButton*, 9> punti_{};
};

// Opens the window over a quadro, for the quadro dialog's pop-up menu; returns how many
// filters were added (0 when cancelled). The quadro dialog redraws itself afterwards.
int InserisciColonneFiltroAutomatiche(TCondQuadro& quadro, TDatiSistema& dati, IMessaggi& messaggi,
                                      ISceltaFile& scelta, QWidget* genitore);

}  // namespace sirvela
