#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/Interfacce.h"
#include "development/QuadroSviluppo.h"

namespace sirvela {

class TChartfx;
struct TImpostazioniSviluppo;

// The non-modal "Sviluppo" window: counters, costs, pies, gauge and status of a development
// as the engine computes them. During a run "Annulla" asks the run to stop.
class TFrmSviluppo : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmSviluppo(QWidget* parent = nullptr);

    // The window as a run with these settings opens it: the reduction box enabled and titled
    // by the settings, pies, reduction counts and factor hidden and empty.
    void Prepara(const TImpostazioniSviluppo& imp);
    // Shows what the engine computed.
    void Mostra(const TQuadroSviluppo& quadro);
    const TQuadroSviluppo& Quadro() const { return quadro_; }

    // While a run goes on "Chiudi" waits for its end and "Annulla" is the cancel request.
    void ImpostaInCorso(bool inCorso);
    bool InCorso() const { return inCorso_; }
    TAnnullamento& Annullamento() { return annullamento_; }

    QGroupBox* BoxCondizionamento() const { return boxCond_; }
    QGroupBox* BoxRiduzione() const { return boxRid_; }
    QLabel* Totali() const { return totali_; }
    QLabel* Ammesse() const { return ammesse_; }
    QLabel* Filtrate() const { return filtrate_; }
    QLabel* Finali() const { return finali_; }
    QLabel* RidIniziali() const { return ridIniziali_; }
    QLabel* RidFinali() const { return ridFinali_; }
    QLabel* Fattore() const { return fattore_; }
    QLabel* Migliorata() const { return migliorata_; }
    TChartfx* TortaSviluppo() const { return tortaSviluppo_; }
    TChartfx* TortaRiduzione() const { return tortaRiduzione_; }
    QProgressBar* Indicatore() const { return indicatore_; }
    QLabel* Stato() const { return stato_; }
    QPushButton* PulsanteChiudi() const { return chiudi_; }
    QPushButton* PulsanteAnnulla() const { return annulla_; }
    QPushButton* PulsanteAiuto() const { return aiuto_; }

  signals:
    void ChiudiPremuto();
    // The window went away, by any button or by the run.
    void Chiuso();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void BtnChiudiClick();
    void BtnAnnullaClick();
    void BtnAiutoClick();

    TQuadroSviluppo quadro_;
    bool inCorso_ = false;
    TAnnullamento annullamento_;
    // Pie values last drawn, so a repeated update does not redraw them.
    int disegnataSviluppo_[2] = {-1, -1};
    int disegnataRiduzione_[2] = {-1, -1};

    QGroupBox* boxCond_;
    QGroupBox* boxRid_;
    QLabel* totali_;
    QLabel* ammesse_;
    QLabel* filtrate_;
    QLabel* finali_;
    QLabel* ridIniziali_;
    QLabel* ridFinali_;
    QLabel* fattore_;
    QLabel* migliorata_;
    QLabel* etMigliorata_;
    QLabel* etRidIniziali_;
    QLabel* etRidFinali_;
    QLabel* etFattore_;
    TChartfx* tortaSviluppo_;
    TChartfx* tortaRiduzione_;
    QProgressBar* indicatore_;
    QLabel* stato_;
    QPushButton* chiudi_;
    QPushButton* annulla_;
    QPushButton* aiuto_;
};

}  // namespace sirvela
