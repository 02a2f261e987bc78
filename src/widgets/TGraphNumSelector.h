#pragma once
#include <QColor>
#include <QWidget>

#include "core/TCombinazione.h"

namespace sirvela {

// A drawn grid of numbered cells in which the user switches numbers on and off with the
// mouse (a drag only switches on) or the keyboard (arrows move, Enter toggles and advances).
class TGraphNumSelector : public QWidget {
    Q_OBJECT
  public:
    explicit TGraphNumSelector(QWidget* parent = nullptr);

    // Copying in repaints and notifies, as a click does.
    void ImpostaSelezionati(const TCombinazione& lista);
    void ImpostaSelezionabili(const TCombinazione& lista);
    const TCombinazione& Selezionati() const { return selezionati_; }
    const TCombinazione& Selezionabili() const { return selezionabili_; }

    void ImpostaForma(int colonne, int righe);
    void ImpostaCella(int larghezza, int altezza);
    void ImpostaMaxNumeri(int n);
    void ImpostaBordo(bool bordo);
    void ImpostaUsaCursore(bool usa);
    void ImpostaColoreSelezionati(const QColor& c);
    void ImpostaColoreSfondoSelezionati(const QColor& c);
    void ImpostaColoreSelezionabili(const QColor& c);
    void ImpostaColoreDisabilitati(const QColor& c);
    void ImpostaColoreSfondo(const QColor& c);
    void ImpostaColoreCursore(const QColor& c);

    int Colonne() const { return colonne_; }
    int Righe() const { return righe_; }
    int LarghezzaCella() const { return larghezza_; }
    int AltezzaCella() const { return altezza_; }
    int MaxNumeri() const { return maxNumeri_; }
    bool Bordo() const { return bordo_; }
    int ColonnaCursore() const { return colCursore_; }
    int RigaCursore() const { return rigaCursore_; }
    bool Premuto() const { return premuto_; }

    // Number of the cell at column, row (1-based); 0 outside the grid.
    int NumeroCella(int colonna, int riga) const;
    // The cell's rectangle in widget coordinates, for a number 1..columns × rows.
    QRect RettangoloCella(int numero) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    void Cambiato();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    int Margine() const { return bordo_ ? 2 : 0; }
    bool CellaAlPunto(const QPoint& p, int& colonna, int& riga) const;
    void SpostaCursore(int colonna, int riga);
    void Commuta();
    void Ridimensiona();

    TCombinazione selezionati_;
    TCombinazione selezionabili_;
    int colonne_ = 9, righe_ = 10;
    int larghezza_ = 30, altezza_ = 24;
    int maxNumeri_ = 90;
    bool bordo_ = false;
    bool usaCursore_ = false;
    int colCursore_ = 0, rigaCursore_ = 0;
    bool premuto_ = false;
    QColor coloreSelezionati_ = Qt::red;
    QColor coloreSfondoSelezionati_ = Qt::white;
    QColor coloreSelezionabili_ = Qt::black;
    QColor coloreDisabilitati_ = QColor(128, 128, 128);
    QColor coloreSfondo_ = Qt::white;
    QColor coloreCursore_ = Qt::red;
};

}  // namespace sirvela
