#pragma once
#include <QColor>
#include <QWidget>
#include <array>

#include "core/Colonna.h"

namespace sirvela {

// One slip: its number and up to two columns, with the positions that match the reference
// column marked and one cell that can be highlighted.
class TLVisColonne : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kLarghezzaCella = 24;
    static constexpr int kAltezzaCella = 20;

    explicit TLVisColonne(QWidget* parent = nullptr);

    void ImpostaNumero(int numero);
    // Shows the first `quante` (0..2) of the columns.
    void ImpostaColonne(const TColonna& prima, const TColonna& seconda, int quante);
    void ImpostaRiferimento(const TColonna& riferimento);
    void ImpostaVincenti(bool prima, bool seconda);
    void ImpostaModoSpoglio(bool attivo);
    // Position 1..8 of column 1..2; 0 highlights nothing.
    void ImpostaEvidenziato(int x, int y);
    void ImpostaColoreEvidenziato(const QColor& c);

    int Numero() const { return numero_; }
    int PosizioneEvidenziata() const { return xEvidenziato_; }
    int ColonnaEvidenziata() const { return yEvidenziato_; }
    int Quante() const { return quante_; }
    // Whether position `posizione` (1..8) of column `colonna` (1..2) is drawn marked.
    bool Segnata(int colonna, int posizione) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    int numero_ = 0;
    std::array<TColonna, 2> colonne_{};
    int quante_ = 0;
    TColonna riferimento_{};
    std::array<bool, 2> vincenti_{};
    bool modoSpoglio_ = false;
    int xEvidenziato_ = 0, yEvidenziato_ = 0;
    QColor coloreEvidenziato_ = QColor(255, 255, 128);
};

}  // namespace sirvela
