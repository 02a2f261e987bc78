#pragma once
#include <QDialog>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <vector>

#include "tools/TSchedinaVin.h"

namespace sirvela {

class TLVisColonne;

// A page of slip panels with the scroll bar that pages through the slips, one slip a step.
class TPannelliSchedine : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPannelli = TVisualizzatoreColonne::Pannelli();

    explicit TPannelliSchedine(QWidget* parent = nullptr);

    // The scroll bar runs 0..massimo and goes back to 0.
    void ImpostaMassimo(std::int64_t massimo);
    // Shows the slips in order; panels without a slip stay empty. In check mode the positions
    // equal to the result are marked and the winning columns flagged.
    void Mostra(const std::vector<TSchedinaVin>& pagina, bool modoSpoglio = false,
                const TColonna& risultato = {});

    QScrollBar* Barra() const { return barra_; }
    TLVisColonne* Pannello(int i) const { return pannelli_[static_cast<std::size_t>(i)]; }

  signals:
    void Scorso(int posizione);

  private:
    std::array<TLVisColonne*, kPannelli> pannelli_{};
    QScrollBar* barra_;
};

// "OK" and "Aiuto" at the foot of a slip window.
QHBoxLayout* PulsantiOkAiuto(QDialog& dialogo, const QString& argomento);

}  // namespace sirvela
