#include "widgets/TGraphNumSelector.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace sirvela {

TGraphNumSelector::TGraphNumSelector(QWidget* parent) : QWidget(parent) {
    for (int v = 1; v <= 90; ++v) selezionabili_.Aggiungi(v);
    QFont f = font();
    f.setPixelSize(16);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    Ridimensiona();
}

void TGraphNumSelector::ImpostaSelezionati(const TCombinazione& lista) {
    selezionati_ = lista;
    Ridimensiona();
    update();
    emit Cambiato();
}

void TGraphNumSelector::ImpostaSelezionabili(const TCombinazione& lista) {
    selezionabili_ = lista;
    update();
    emit Cambiato();
}

void TGraphNumSelector::ImpostaForma(int colonne, int righe) {
    colonne_ = std::max(1, colonne);
    righe_ = std::max(1, righe);
    colCursore_ = std::min(colCursore_, colonne_ - 1);
    rigaCursore_ = std::min(rigaCursore_, righe_ - 1);
    Ridimensiona();
}

void TGraphNumSelector::ImpostaCella(int larghezza, int altezza) {
    larghezza_ = std::max(1, larghezza);
    altezza_ = std::max(1, altezza);
    Ridimensiona();
}

void TGraphNumSelector::ImpostaMaxNumeri(int n) {
    maxNumeri_ = n;
    update();
}

void TGraphNumSelector::ImpostaBordo(bool bordo) {
    bordo_ = bordo;
    Ridimensiona();
}

void TGraphNumSelector::ImpostaUsaCursore(bool usa) {
    usaCursore_ = usa;
    update();
}

void TGraphNumSelector::ImpostaColoreSelezionati(const QColor& c) {
    coloreSelezionati_ = c;
    update();
}
void TGraphNumSelector::ImpostaColoreSfondoSelezionati(const QColor& c) {
    coloreSfondoSelezionati_ = c;
    update();
}
void TGraphNumSelector::ImpostaColoreSelezionabili(const QColor& c) {
    coloreSelezionabili_ = c;
    update();
}
void TGraphNumSelector::ImpostaColoreDisabilitati(const QColor& c) {
    coloreDisabilitati_ = c;
    update();
}
void TGraphNumSelector::ImpostaColoreSfondo(const QColor& c) {
    coloreSfondo_ = c;
    update();
}
void TGraphNumSelector::ImpostaColoreCursore(const QColor& c) {
    coloreCursore_ = c;
    update();
}

int TGraphNumSelector::NumeroCella(int colonna, int riga) const {
    if (colonna < 0 || colonna >= colonne_ || riga < 0 || riga >= righe_) return 0;
    return riga * colonne_ + colonna + 1;
}

QRect TGraphNumSelector::RettangoloCella(int numero) const {
    const int colonna = (numero - 1) % colonne_;
    const int riga = (numero - 1) / colonne_;
    return QRect(Margine() + colonna * larghezza_, Margine() + riga * altezza_, larghezza_,
                 altezza_);
}

QSize TGraphNumSelector::sizeHint() const {
    return QSize(larghezza_ * colonne_ + 2 * Margine(), altezza_ * righe_ + 2 * Margine());
}

void TGraphNumSelector::Ridimensiona() {
    setFixedSize(sizeHint());
    update();
}

bool TGraphNumSelector::CellaAlPunto(const QPoint& p, int& colonna, int& riga) const {
    const int x = p.x() - Margine(), y = p.y() - Margine();
    if (x < 0 || y < 0) return false;
    colonna = x / larghezza_;
    riga = y / altezza_;
    return colonna < colonne_ && riga < righe_;
}

void TGraphNumSelector::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (bordo_) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(0, 0, width() - 1, height() - 1);
        p.setPen(palette().color(QPalette::Shadow));
        p.drawLine(1, 1, width() - 2, 1);
        p.drawLine(1, 1, 1, height() - 2);
    }
    // Size 12 text, made smaller when two bold digits would not fit the cell.
    QFont grassetto = font();
    grassetto.setBold(true);
    while (grassetto.pixelSize() > 8 && QFontMetrics(grassetto).horizontalAdvance(QString::number(
                                            std::min(maxNumeri_, 88))) > larghezza_ - 4)
        grassetto.setPixelSize(grassetto.pixelSize() - 1);
    QFont normale = grassetto;
    normale.setBold(false);
    const QColor separatore(232, 232, 232);
    const int totale = colonne_ * righe_;
    for (int v = 1; v <= totale; ++v) {
        const QRect r = RettangoloCella(v);
        const bool scelto = selezionati_.Contiene(v);
        QColor testo, sfondo;
        if (!isEnabled()) {
            // A selector that cannot be used looks it: grey numbers on the window's colour,
            // the chosen ones still bold.
            testo = coloreDisabilitati_;
            sfondo = palette().color(QPalette::Disabled, QPalette::Window);
        } else if (scelto) {
            testo = coloreSelezionati_;
            sfondo = coloreSfondoSelezionati_;
        } else {
            testo = selezionabili_.Contiene(v) ? coloreSelezionabili_ : coloreDisabilitati_;
            sfondo = coloreSfondo_;
        }
        p.fillRect(r, sfondo);
        // A faint line inside the cell keeps neighbouring numbers apart.
        p.fillRect(QRect(r.right(), r.top() + 3, 1, r.height() - 6), separatore);
        if (v <= maxNumeri_) {
            p.setFont(scelto ? grassetto : normale);
            const QFontMetrics fm(p.font());
            const QString t = QString::number(v);
            const int dx = (larghezza_ - fm.horizontalAdvance(t)) / 2 + (scelto ? 1 : 0);
            const int dy = (altezza_ - fm.height()) / 2;
            p.setPen(testo);
            p.drawText(r.left() + dx, r.top() + dy + fm.ascent(), t);
        }
        if (usaCursore_ && isEnabled() && v == NumeroCella(colCursore_, rigaCursore_)) {
            // A 3-pixel frame one pixel inside the cell.
            const QRect f = r.adjusted(1, 1, -1, -1);
            p.fillRect(QRect(f.left(), f.top(), f.width(), 3), coloreCursore_);
            p.fillRect(QRect(f.left(), f.bottom() - 2, f.width(), 3), coloreCursore_);
            p.fillRect(QRect(f.left(), f.top(), 3, f.height()), coloreCursore_);
            p.fillRect(QRect(f.right() - 2, f.top(), 3, f.height()), coloreCursore_);
        }
    }
}

void TGraphNumSelector::Commuta() {
    premuto_ = true;
    const int v = NumeroCella(colCursore_, rigaCursore_);
    if (v < 1 || v > maxNumeri_ || v > 255 || !selezionabili_.Contiene(v)) return;
    if (selezionati_.Contiene(v))
        selezionati_.Rimuovi(v);
    else if (!selezionati_.Aggiungi(v))
        return;  // list full: nothing changed
    update(RettangoloCella(v));
    emit Cambiato();
}

void TGraphNumSelector::SpostaCursore(int colonna, int riga) {
    if (colonna == colCursore_ && riga == rigaCursore_) return;
    const int vecchia = NumeroCella(colCursore_, rigaCursore_);
    colCursore_ = colonna;
    rigaCursore_ = riga;
    if (vecchia > 0) update(RettangoloCella(vecchia));
    update(RettangoloCella(NumeroCella(colonna, riga)));
}

void TGraphNumSelector::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    int c, r;
    if (!CellaAlPunto(e->position().toPoint(), c, r)) return;
    setFocus(Qt::MouseFocusReason);
    SpostaCursore(c, r);
    Commuta();
}

void TGraphNumSelector::mouseMoveEvent(QMouseEvent* e) {
    int c, r;
    if (!CellaAlPunto(e->position().toPoint(), c, r)) return;
    if (c == colCursore_ && r == rigaCursore_) return;
    SpostaCursore(c, r);
    // A drag switches cells on, never off.
    if (premuto_ && (e->buttons() & Qt::LeftButton) && !selezionati_.Contiene(NumeroCella(c, r)))
        Commuta();
}

void TGraphNumSelector::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) premuto_ = false;
    QWidget::mouseReleaseEvent(e);
}

void TGraphNumSelector::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Up:
            if (rigaCursore_ > 0) SpostaCursore(colCursore_, rigaCursore_ - 1);
            break;
        case Qt::Key_Down:
            if (rigaCursore_ < righe_ - 1) SpostaCursore(colCursore_, rigaCursore_ + 1);
            break;
        case Qt::Key_Left:
            if (colCursore_ > 0) SpostaCursore(colCursore_ - 1, rigaCursore_);
            break;
        case Qt::Key_Right:
            if (colCursore_ < colonne_ - 1) SpostaCursore(colCursore_ + 1, rigaCursore_);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Commuta();
            premuto_ = false;
            if (colCursore_ < colonne_ - 1)
                SpostaCursore(colCursore_ + 1, rigaCursore_);
            else if (rigaCursore_ < righe_ - 1)
                SpostaCursore(0, rigaCursore_ + 1);
            break;
        default:
            return QWidget::keyPressEvent(e);
    }
    e->accept();
}

}  // namespace sirvela
