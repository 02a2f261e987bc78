#pragma once
#include <QColor>
#include <QStringList>
#include <QWidget>
#include <vector>

class QChart;
class QLabel;
class QChartView;
class QScrollBar;

namespace sirvela {

// The chart of the program's dialogs: pies with one slice per point, or bar charts with one
// bar set per series, a y axis from 0 and a window of visible points moved by a scroll bar.
// A redraw opens the data, sets every value, and closes the data.
class TChartfx : public QWidget {
    Q_OBJECT
  public:
    enum class TTipo { Barre, Torta };

    explicit TChartfx(TTipo tipo = TTipo::Barre, QWidget* parent = nullptr);
    TTipo Tipo() const { return tipo_; }

    // Every value is 0 after opening; a value outside the open range is ignored and reads 0.
    void ApriDati(int serie, int punti);
    void ImpostaValore(int serie, int punto, double valore);
    double Valore(int serie, int punto) const;
    void ChiudiDati();
    bool DatiAperti() const { return aperti_; }
    int Serie() const { return serie_; }
    int Punti() const { return punti_; }

    // Two slices: the percentage and 100 minus it. With names, each slice shows its share and
    // the legend names both with their shares.
    void ImpostaTorta(double percentuale, const QStringList& nomi = {});
    // What the legend under a named pie shows, one line per slice (empty without names).
    QStringList VociLegenda() const { return voci_; }
    QLabel* Legenda() const { return legenda_; }

    void ImpostaTitoloAsseY(const QString& titolo);
    QString TitoloAsseY() const { return titoloY_; }
    // The y axis runs from 0 to `massimo` with a tick every `passo`, labelled with `decimali`
    // decimals and the decimal comma; a maximum of 0 or less follows the data.
    void ImpostaAsseY(double massimo, double passo, int decimali = 0);
    double MinimoY() const { return 0.0; }
    double MassimoY() const;
    double PassoY() const { return passoY_; }
    int DecimaliY() const { return decimaliY_; }
    // Category texts under the bars, one per point; numbers 1..n when missing.
    void ImpostaEtichette(const QStringList& etichette);
    QStringList EtichetteVisibili() const;

    // How many points show at once; 0 shows them all. The scroll bar appears when fewer
    // points show than there are, and moves the first visible one.
    void ImpostaPuntiVisibili(int n);
    int PuntiVisibili() const;
    void ImpostaPrimoVisibile(int primo);
    int PrimoVisibile() const { return primo_; }
    QScrollBar* Scorrimento() const { return scorrimento_; }

    void ImpostaColoreSerie(int serie, const QColor& colore);
    QColor ColoreSerie(int serie) const;
    void ImpostaColoreFetta(int punto, const QColor& colore);
    QColor ColoreFetta(int punto) const;

    QChart* Grafico() const { return grafico_; }
    QChartView* Vista() const { return vista_; }

  private:
    int Indice(int serie, int punto) const;
    int PrimoMassimo() const;
    void AggiornaScorrimento();
    void Ridisegna();
    void RidisegnaTorta();
    double ValoreFetta(int punto) const;
    void RidisegnaBarre();

    TTipo tipo_;
    QChart* grafico_;
    QChartView* vista_;
    QScrollBar* scorrimento_;
    QLabel* legenda_;
    QStringList voci_;

    bool aperti_ = false;
    int serie_ = 0;
    int punti_ = 0;
    std::vector<double> valori_;
    QString titoloY_;
    double massimoY_ = 0.0;
    double passoY_ = 0.0;
    int decimaliY_ = 0;
    QStringList nomiFette_;
    QStringList etichette_;
    int visibili_ = 0;
    int primo_ = 0;
    std::vector<QColor> coloriSerie_;
    std::vector<QColor> coloriFette_;
};

}  // namespace sirvela
