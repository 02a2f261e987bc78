#pragma once
#include <QAbstractTableModel>
#include <QAction>
#include <QDialog>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>

#include "core/Interfacce.h"
#include "tools/ComandiEditor.h"
#include "tools/TEditorColonne.h"

namespace sirvela {

// The 16 x 8 cells the editor's grid shows: one grid column per list entry from the scroll
// position, one row per finishing position. The texts are what was typed; the editor takes
// them back before every command and scroll.
class TModelloGrigliaEditor : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void Imposta(const TEditorColonne::TCelle& celle, std::int64_t primo);
    const TEditorColonne::TCelle& Celle() const { return celle_; }

    int rowCount(const QModelIndex& = {}) const override { return TEditorColonne::kRighe; }
    int columnCount(const QModelIndex& = {}) const override {
        return TEditorColonne::kColonneGriglia;
    }
    QVariant data(const QModelIndex& i, int ruolo) const override;
    bool setData(const QModelIndex& i, const QVariant& valore, int ruolo) override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

  private:
    TEditorColonne::TCelle celle_;
    std::int64_t primo_ = 0;
};

// The grid: a cell takes digits and blanks up to two characters and backspace; the first key
// in a cell just reached replaces its text. Enter goes on as the editor says.
class TGrigliaEditor : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;

  signals:
    void Digitato();
    void Invio(int colonna, int riga);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void currentChanged(const QModelIndex& attuale, const QModelIndex& precedente) override;

  private:
    bool nuova_ = true;
};

// "Salta": asks "Salta alla Colonna Numero", 1 up to the number of columns.
class TFormSalta : public QDialog {
    Q_OBJECT
  public:
    TFormSalta(std::int64_t massimo, QWidget* parent = nullptr);
    int Numero() const { return numero_->value(); }
    QSpinBox* Campo() const { return numero_; }

  private:
    QSpinBox* numero_;
};

// "Editor Colonnare": columns typed, corrected, sorted and saved by hand, whatever system is
// open.
class TFormEditorColonne : public QDialog {
    Q_OBJECT
  public:
    TFormEditorColonne(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent = nullptr);

    TEditorColonne& Editor() { return editor_; }
    // Takes the grid into the list / shows the list in the grid.
    void Memorizza();
    void Ridisegna();

    QToolBar* Barra() const { return barra_; }
    QAction* Comando(const QString& nome) const;
    TGrigliaEditor* Griglia() const { return griglia_; }
    TModelloGrigliaEditor* Modello() const { return modello_; }
    QScrollBar* Scorrimento() const { return scorrimento_; }

  public slots:
    // "Uscita", Escape and the close box: the save question may keep the editor open.
    void reject() override;

  private:
    QAction* Pulsante(const char* nome, const char* icona, const char* suggerimento,
                      std::function<void()> comando);
    void Esegui(const std::function<void()>& comando);
    void SaltaAllaColonna();
    void Invio(int colonna, int riga);
    void Scorri(int posizione);

    TEditorColonne editor_;
    TComandiEditor comandi_;
    QToolBar* barra_;
    TGrigliaEditor* griglia_;
    TModelloGrigliaEditor* modello_;
    QScrollBar* scorrimento_;
};

}  // namespace sirvela
