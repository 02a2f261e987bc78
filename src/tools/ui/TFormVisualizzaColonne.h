#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "core/TListaColonne.h"
#include "tools/TSchedinaVin.h"

namespace sirvela {

class TPannelliSchedine;

// The column viewer: its own list shown as slips, eight at a time.
class TFormVisualizzaColonne : public QDialog {
    Q_OBJECT
  public:
    explicit TFormVisualizzaColonne(QWidget* parent = nullptr);

    // Filled before the window opens.
    TListaColonne& Colonne() { return lista_; }
    const TVisualizzatoreColonne& Visualizzatore() const { return vis_; }
    TPannelliSchedine* Pannelli() const { return pannelli_; }
    QLabel* Conteggio() const { return conteggio_; }

  protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

  private:
    void MostraDa(int posizione);

    TListaColonne lista_;
    TVisualizzatoreColonne vis_;
    bool caricato_ = false;
    TPannelliSchedine* pannelli_;
    QLabel* conteggio_;
};

}  // namespace sirvela
