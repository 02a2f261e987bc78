#pragma once
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>

#include "conditions/EditoriValori.h"

namespace sirvela {

// The interval grid of the condition dialogs: a notebook with the pages "Intervalli Ammessi"
// (one interval per column, rows "Min" and "Max") and "Intervalli In Rec." (rows "Min", "Max"
// and "Liv.", three intervals in sight with a scroll bar, one "Link" letter for the list).
// The cells hold the user's text as typed; the model checks it on "OK". The notebook is as
// tall as the page in front, so the shorter "Intervalli Ammessi" leaves no empty band.
class TGrigliaIntervalli : public QTabWidget {
    Q_OBJECT
  public:
    explicit TGrigliaIntervalli(QWidget* parent = nullptr);

    TModelloIntervalli& Modello() { return modello_; }
    // Shows the model again after it was loaded or emptied from outside.
    void Aggiorna();
    // Brings the page of a faulty interval to the front with its cell selected.
    void MostraErrore(const TErroreGriglia& errore);

    QTableWidget* Pagina(int pagina) const { return pagine_[pagina]; }
    QComboBox* Lettera() const { return lettera_; }
    // As small as the pages allow: the tables keep their own fixed sizes.
    QSize sizeHint() const override { return minimumSizeHint(); }

  signals:
    void Modificato();

  private:
    void CellaCambiata(int pagina, QTableWidgetItem* item);
    void AltezzaDellaPagina();

    TModelloIntervalli modello_;
    QTableWidget* pagine_[2];
    QComboBox* lettera_;
};

}  // namespace sirvela
