#pragma once
#include <QDialog>
#include <vector>

#include "archive/AnalisiStatistica.h"
#include "archive/ui/TabelleAnalisi.h"
#include "core/Interfacce.h"

class QStackedWidget;
class QTabWidget;
class QVBoxLayout;

namespace sirvela {

class TChartfx;
class TCondizione;

// The archive statistics of one condition: tab "Frequenze" (counts or percentages of the
// primary or the secondary measure, as tables or as a chart of the page chosen in the
// legend) and tab "Ritardi" (current and longest delay and the index of each value).
class TFrmArchivio : public QDialog {
    Q_OBJECT
  public:
    TFrmArchivio(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    // Runs the analysis of the condition (a copy holding the dialog's current settings) with
    // the progress window; false when cancelled or failed (then the viewer is not shown).
    bool ImpostaOggetto(TCondizione& condizione, const TParametriAnalisi& parametri);
    // The tables of a finished analysis; the caption becomes its main title.
    void ImpostaRisultati(TRisultatiAnalisi risultati);
    const TRisultatiAnalisi& Risultati() const { return r_; }
    // Prints the tables of the tab shown under its title.
    TEsitoStampa Stampa(TModoStampa modo);

    QTabWidget* Schede() const { return schede_; }
    TChartfx* Grafico() const { return grafico_; }
    QComboBox* Legenda() const { return legenda_; }
    const std::vector<QTableWidget*>& TabelleFrequenze() const { return frequenze_; }
    const std::vector<QTableWidget*>& TabelleRitardi() const { return ritardi_; }
    analisi_ui::TCoppia Percento() const { return bottoni_.Percento; }
    analisi_ui::TCoppia Presenze() const { return bottoni_.Presenze; }
    analisi_ui::TCoppia Vista() const { return bottoni_.Vista; }
    analisi_ui::TCoppia PuntiRitardi() const { return puntiRitardi_; }
    QPushButton* Zoom() const { return bottoni_.Zoom; }
    TPulsantiStampa* PulsantiStampa() const { return pulsanti_; }

  private:
    void Aggiorna();
    void AggiornaFrequenze();
    void AggiornaRitardi();
    void AggiornaGrafico();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TRisultatiAnalisi r_;
    QTabWidget* schede_;
    QStackedWidget* pila_;
    QHBoxLayout* tabelleF_;
    QHBoxLayout* tabelleR_;
    std::vector<QTableWidget*> frequenze_;
    std::vector<QTableWidget*> ritardi_;
    TChartfx* grafico_;
    QComboBox* legenda_;
    analisi_ui::TBottoniVista bottoni_{};
    analisi_ui::TCoppia puntiRitardi_{};
    TPulsantiStampa* pulsanti_;
};

}  // namespace sirvela
