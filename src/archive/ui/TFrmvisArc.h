#pragma once
#include <QAbstractTableModel>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTableView>
#include <array>

#include "archive/VisualizzazioneArchivio.h"
#include "core/Interfacce.h"

namespace sirvela {

class TDatiSistema;

// The archive rows for the data grid: the texts come from the engine, row by row as the view
// asks for them; the section labels are the fixed headings and "Pt"/"Cs"/"Ps"/"Br".
class TModelloVistaArchivio : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TModelloVistaArchivio(const TVisualizzazioneArchivio& vista, QObject* parent = nullptr)
        : QAbstractTableModel(parent), vista_(vista) {}
    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    void Ricolonna() {
        beginResetModel();
        endResetModel();
    }

  private:
    const TVisualizzazioneArchivio& vista_;
};

// The two heading rows over the value columns: each group's title and sub-title span its
// columns.
class TModelloIntestazioniArchivio : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TModelloIntestazioniArchivio(const TVisualizzazioneArchivio& vista,
                                          QObject* parent = nullptr)
        : QAbstractTableModel(parent), vista_(vista) {}
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 2; }
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo) const override;
    void Ricolonna() {
        beginResetModel();
        endResetModel();
    }

  private:
    const TVisualizzazioneArchivio& vista_;
};

// "Visualizzazione Archivio": every archived contest with the values of the ticked groups.
class TFrmvisArc : public QDialog {
    Q_OBJECT
  public:
    TFrmvisArc(TDatiSistema& dati, IMessaggi& messaggi, ISceltaFile& scelta,
               QWidget* parent = nullptr);
    // "Stampa": opens "Stampa Archivio".
    QPushButton* PulsanteStampa() const { return stampa_; }

    const TVisualizzazioneArchivio& Vista() const { return vista_; }
    QCheckBox* Casella(int gruppo) const { return caselle_[static_cast<std::size_t>(gruppo)]; }
    QTableView* GridNum() const { return griglia_; }
    QTableView* GridInt() const { return intestazioni_; }

  private:
    void Ricolonna();

    TDatiSistema& dati_;
    IMessaggi& messaggi_;
    ISceltaFile& scelta_;
    TVisualizzazioneArchivio vista_;
    TModelloVistaArchivio modello_;
    TModelloIntestazioniArchivio modelloIntestazioni_;
    std::array<QCheckBox*, kGruppiVista> caselle_{};
    QTableView* intestazioni_;
    QTableView* griglia_;
    QPushButton* stampa_;
};

}  // namespace sirvela
