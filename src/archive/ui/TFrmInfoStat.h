#pragma once
#include <QDialog>
#include <atomic>
#include <map>
#include <string>
#include <thread>

#include "archive/AnalisiCondizionata.h"
#include "core/Interfacce.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace sirvela {

class TChartfx;
class T_Sistema;

// "Informazioni Statistiche sul Sistema Condizionato": how often a past result would have
// passed every condition in play, its cycle and delays, and, with columns developed into
// memory, the share of columns the conditions save.
class TFrmInfoStat : public QDialog, public IAvanzamentoAnalisi {
    Q_OBJECT
  public:
    TFrmInfoStat(T_Sistema& sistema, IMessaggi& messaggi, QWidget* parent = nullptr);
    ~TFrmInfoStat() override;

    // Starts the analysis on a worker thread (done by itself when the window first shows);
    // the figures appear when it ends. Closing the window cancels it.
    void Avvia();
    bool InCorso() const { return filo_.joinable(); }
    const TEsitoCondizionato& Esito() const { return esito_; }

    // The worker's reports, shown on the window's thread.
    void Apri(TFaseAnalisi fase, std::int64_t scala) override;
    void Posizione(int percento) override;
    bool Annullato() override { return annulla_.load(); }

    // The figure shown beside a caption ("Ciclo Medio" ...).
    QLabel* Valore(const QString& voce) const { return valori_.at(voce); }
    QLabel* Stato() const { return stato_; }
    QProgressBar* Barra() const { return barra_; }
    QPushButton* BtnAnnulla() const { return annullaBtn_; }
    TChartfx* TortaStorica() const { return storica_; }
    TChartfx* TortaFiltrate() const { return filtrate_; }

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Fine();
    void Attendi();
    void Mostra();

    T_Sistema& sistema_;
    IMessaggi& messaggi_;
    TEsitoCondizionato esito_;
    std::atomic<bool> annulla_{false};
    bool avviata_ = false;
    bool ok_ = false;
    std::string errore_;
    std::thread filo_;
    std::map<QString, QLabel*> valori_;
    QLabel* stato_;
    QProgressBar* barra_;
    QPushButton* annullaBtn_;
    TChartfx* storica_;
    TChartfx* filtrate_;
    QWidget* boxFiltrate_;
    QLabel* etichettaFattore_ = nullptr;
};

}  // namespace sirvela
