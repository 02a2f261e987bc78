#pragma once
#include <QColor>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "conditions/EditoriValori.h"

namespace sirvela {

// The value-table editor of the condition dialogs: a strip of value boxes clicked through the
// grades not accepted, accepted (azure) and accepted in recovery (light blue) with the level of
// each recovery value under its box, scroll arrows that repeat while held, and under the strip
// the mode buttons "Punti"/"Cons."/"Campo", the link letter and the Punti Tra group of the
// table shown and, in "Campo" mode, the two positions of the range. The rules live in the
// model; the dialog loads and stores it through TModelloCondizione.
//
// From the keyboard (the strip takes the focus with Tab): Left/Right/Home/End choose a value,
// Space steps its grade, + / - (or Up/Down) change its level by one and Page Up/Down by ten,
// digits type the level ("5" "0" within a second is 50). The wheel over a value in recovery
// changes its level.
class TLGraphpt : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRipetizioneMs = 500;
    // Two digits typed within this time make one level.
    static constexpr int kCifreMs = 1000;
    // The level arrows: each at least this many pixels each way.
    static constexpr int kFrecciaLivello = 12;
    static inline const QColor kColoreAccettato{0, 128, 255};
    static inline const QColor kColoreRecupero{164, 200, 240};

    explicit TLGraphpt(QWidget* parent = nullptr);

    TModelloGraphpt& Modello() { return *modello_; }
    const TModelloGraphpt& Modello() const { return *modello_; }
    // Shows a model held elsewhere (null: the editor's own), as a dialog does that switches
    // one editor between several tables; the setters below then shape that model.
    void MostraModello(TModelloGraphpt* m);
    // Shows the model again after it was loaded or emptied from outside.
    void Aggiorna();

    // Properties set by each dialog.
    void ImpostaTitolo(const QString& titolo);  // written in the caption column with Testo
    void ImpostaTesto(bool testo);              // a 30-pixel caption column at the left
    void ImpostaBordo(bool bordo);              // sunken frame
    void ImpostaBox(int larghezza, int altezza, int altezzaLivello);  // LBoxPt, ABoxPt, ARec
    void ImpostaPunti(int ptTotali, int ptVisibili, int ptIniziale = 0);
    void ImpostaRecVisibili(bool rec);
    void ImpostaLinkTra(bool linkTra);
    void ImpostaTipi(bool punti, bool cons, bool campo);
    void ImpostaNumEvents(int n);

    // Geometry of the strip, for drawing and the tests.
    QRect RettangoloBox(int box) const;
    QRect RettangoloLivello(int box) const;
    QRect FrecciaSinistra() const;
    QRect FrecciaDestra() const;
    // The level arrows of a box (null without a level box).
    QRect FrecciaSu(int box) const;
    QRect FrecciaGiu(int box) const;
    QToolButton* PulsanteModo(int modo) const { return modi_[static_cast<std::size_t>(modo)]; }
    QComboBox* Lettera() const { return lettera_; }
    QSpinBox* GruppoTra() const { return gruppo_; }
    QSpinBox* CampoDa() const { return campoDa_; }
    QSpinBox* CampoA() const { return campoA_; }
    bool Ripete() const { return ripetizione_.isActive(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    // After every edit (OnModificato).
    void Modificato();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    int InizioStriscia() const { return testo_ ? 35 : 5; }
    int YBox() const { return 4; }
    int YLivello() const { return YBox() + aBox_ + 2; }
    int YControlli() const;
    void Disponi();
    void AggiornaControlli();
    void Passo();
    void Modifica();
    // The box under a point, value or level row; -1 elsewhere.
    int BoxAlPunto(const QPoint& p) const;
    void Cifra(int cifra);

    TModelloGraphpt proprio_;
    TModelloGraphpt* modello_ = &proprio_;
    QString titolo_;
    bool testo_ = false;
    bool bordo_ = true;
    bool linkTra_ = true;
    int lBox_ = 26, aBox_ = 22, aRec_ = 2 * kFrecciaLivello;
    QString cifre_;  // the level being typed
    QElapsedTimer ultimaCifra_;
    QSize dimensione_;
    int direzione_ = 0;  // the held arrow: -1 left, +1 right
    QTimer ripetizione_;
    std::array<QToolButton*, 3> modi_{};
    QLabel* etichettaLink_;
    QComboBox* lettera_;
    QLabel* etichettaTra_;
    QSpinBox* gruppo_;
    QLabel* etichettaCampo_;
    QSpinBox* campoDa_;
    QSpinBox* campoA_;
};

}  // namespace sirvela
