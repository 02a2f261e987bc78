#pragma once
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "tools/CondizioniSbagliate.h"
#include "tools/TSpoglio.h"

namespace sirvela {

class IMessaggi;
class TDatiSistema;
class TLCasSelector;

// "Spoglio": the columns of its own list checked against the result typed in the eight cells,
// the tally per score and the restrictions of the system the result breaks.
class TFormSpoglio : public QDialog {
    Q_OBJECT
  public:
    TFormSpoglio(TDatiSistema& dati, IMessaggi& messaggi, QWidget* parent = nullptr);

    // Opens a condition's dialog over this window; a double click on a line naming a
    // condition calls it.
    using TApriCondizione = std::function<void(TCondizione&, QWidget* genitore)>;
    void ImpostaApriCondizione(TApriCondizione apri) { apri_ = std::move(apri); }

    // Filled before the window opens, emptied when it closes.
    TListaColonne& Colonne() { return spoglio_.Colonne; }
    const TSpoglio& Spoglio() const { return spoglio_; }

    void BtnSpoglioClick();
    void BtnSchedineClick();

    TLCasSelector* Risultato() const { return risultato_; }
    QTableWidget* Vincite() const { return vincite_; }
    QListWidget* Sbagliate() const { return sbagliate_; }
    QScrollBar* BarraSbagliate() const { return barraSbagliate_; }
    QPushButton* PulsanteSpoglio() const { return spoglia_; }
    QPushButton* PulsanteSchedine() const { return schedine_; }
    // What the list "Condizioni Sbagliate" holds, unscrolled.
    std::vector<std::string> TestiSbagliate() const;

  protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

  private:
    void MostraTabella(const std::vector<TColonnaVincite>& colonne);
    void MostraSbagliate();
    void CellaModificata();
    void SbagliataDoppioClic(int riga);

    TDatiSistema& dati_;
    IMessaggi& messaggi_;
    TSpoglio spoglio_;
    std::vector<TCondizioneSbagliata> righe_;
    TApriCondizione apri_;

    TLCasSelector* risultato_;
    QPushButton* spoglia_;
    QTableWidget* vincite_;
    QListWidget* sbagliate_;
    QScrollBar* barraSbagliate_;
    QPushButton* schedine_;
};

}  // namespace sirvela
