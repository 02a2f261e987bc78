#pragma once
#include <QDialog>
#include <QPushButton>
#include <QScrollArea>
#include <functional>
#include <vector>

#include "conditions/ModelloQuadro.h"

namespace sirvela {

// The painted tree of Quadri: one box per member with its name, each Quadro's members one
// level to the right under it, joined by lines; the Quadro being edited is highlighted. Only
// the rows in sight are painted, so deep and long trees scroll freely.
class TVistaAlbero : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kAltezzaRiga = 30;
    static constexpr int kAltezzaBox = 22;
    static constexpr int kRientro = 36;
    static constexpr int kMargine = 10;

    explicit TVistaAlbero(QWidget* parent = nullptr);
    void ImpostaNodi(std::vector<TNodoAlbero> nodi);
    const std::vector<TNodoAlbero>& Nodi() const { return nodi_; }
    QRect Rettangolo(int nodo) const;
    int NodoIn(const QPoint& p) const;  // -1 outside every box

    QSize sizeHint() const override { return dimensione_; }

  signals:
    void DoppioClic(int nodo);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

  private:
    std::vector<TNodoAlbero> nodi_;
    std::vector<int> ultimoMembro_;  // per box: the row of its last member, -1 for none
    int larghezzaBox_ = 120;
    QSize dimensione_;
};

// "Albero Delle Condizioni": the tree of the Quadro being edited, from the top one. A double
// click on a box hands its node to `apri`, which says whether the window closes (a Quadro is
// shown in the Quadro dialog) or stays (another member's dialog was opened).
class TFrmAlbero : public QDialog {
    Q_OBJECT
  public:
    using TApri = std::function<bool(const TNodoAlbero&)>;
    TFrmAlbero(TModelloQuadro& modello, TApri apri, QWidget* parent = nullptr);

    TVistaAlbero* Vista() const { return vista_; }
    QScrollArea* Area() const { return area_; }
    // What a double click on a box does.
    void Apri(int nodo);

  private:
    void Ridisegna();

    TModelloQuadro& modello_;
    TApri apri_;
    TVistaAlbero* vista_;
    QScrollArea* area_;
};

}  // namespace sirvela
