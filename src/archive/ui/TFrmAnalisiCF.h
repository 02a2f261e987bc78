#pragma once
#include <QDialog>
#include <QLabel>
#include <vector>

#include "archive/AnalisiStatistica.h"
#include "archive/ui/TabelleAnalisi.h"
#include "core/Interfacce.h"

class QStackedWidget;

namespace sirvela {

class TChartfx;
class TCondizione;

// "Analisi Colonnare": how a condition's values spread over every column of the system's
// source ("Integr."), over those the condition alone keeps ("Cond.S.") and over the columns in
// memory ("Cond."), with the share of past results it keeps and of columns it saves.
class TFrmAnalisiCF : public QDialog {
    Q_OBJECT
  public:
    TFrmAnalisiCF(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    // Runs the column analysis (archive, columns in memory, source) with the progress window;
    // false when cancelled or failed (then the window is not shown).
    bool ImpostaOggetto(TCondizione& condizione, TParametriAnalisi parametri);
    void ImpostaRisultati(TRisultatiAnalisi risultati);
    const TRisultatiAnalisi& Risultati() const { return r_; }
    // Prints the tables shown under the column-analysis title.
    TEsitoStampa Stampa(TModoStampa modo);

    const std::vector<QTableWidget*>& Tabelle() const { return tabelle_; }
    TChartfx* Grafico() const { return grafico_; }
    TChartfx* TortaStorica() const { return storica_; }
    TChartfx* TortaFiltrate() const { return filtrate_; }
    QComboBox* Legenda() const { return legenda_; }
    QLabel* Storica() const { return testoStorica_; }
    QLabel* Filtrate() const { return testoFiltrate_; }
    QLabel* Rimanenti() const { return testoRimanenti_; }
    QLabel* Fattore() const { return fattore_; }
    analisi_ui::TCoppia Ambito() const { return ambito_; }
    analisi_ui::TCoppia Percento() const { return bottoni_.Percento; }
    analisi_ui::TCoppia Presenze() const { return bottoni_.Presenze; }
    analisi_ui::TCoppia Vista() const { return bottoni_.Vista; }
    TPulsantiStampa* PulsantiStampa() const { return pulsanti_; }

  private:
    void Aggiorna();
    void AggiornaTabelle();
    void AggiornaGrafici();

    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TRisultatiAnalisi r_;
    QStackedWidget* pila_;
    QHBoxLayout* riga_;
    std::vector<QTableWidget*> tabelle_;
    TChartfx* grafico_;
    TChartfx* storica_;
    TChartfx* filtrate_;
    QComboBox* legenda_;
    QLabel* testoStorica_;
    QLabel* testoFiltrate_;
    QLabel* testoRimanenti_;
    QLabel* fattore_;
    analisi_ui::TCoppia ambito_{};
    analisi_ui::TBottoniVista bottoni_{};
    TPulsantiStampa* pulsanti_;
};

}  // namespace sirvela
