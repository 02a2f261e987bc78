#include "widgets/TLVisColonne.h"

#include <QPainter>

namespace sirvela {

namespace {
constexpr int kMargine = 4;
constexpr int kTitolo = 18;
constexpr int kEtichetta = 22;  // room for the column's number left of its cells
}  // namespace

TLVisColonne::TLVisColonne(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
}

QSize TLVisColonne::sizeHint() const {
    return QSize(2 * kMargine + kEtichetta + 8 * kLarghezzaCella,
                 2 * kMargine + kTitolo + 2 * kAltezzaCella);
}

void TLVisColonne::ImpostaNumero(int numero) {
    numero_ = numero;
    update();
}

void TLVisColonne::ImpostaColonne(const TColonna& prima, const TColonna& seconda, int quante) {
    colonne_ = {prima, seconda};
    quante_ = std::clamp(quante, 0, 2);
    update();
}

void TLVisColonne::ImpostaRiferimento(const TColonna& riferimento) {
    riferimento_ = riferimento;
    update();
}

void TLVisColonne::ImpostaVincenti(bool prima, bool seconda) {
    vincenti_ = {prima, seconda};
    update();
}

void TLVisColonne::ImpostaModoSpoglio(bool attivo) {
    modoSpoglio_ = attivo;
    update();
}

void TLVisColonne::ImpostaEvidenziato(int x, int y) {
    xEvidenziato_ = x;
    yEvidenziato_ = y;
    update();
}

void TLVisColonne::ImpostaColoreEvidenziato(const QColor& c) {
    coloreEvidenziato_ = c;
    update();
}

bool TLVisColonne::Segnata(int colonna, int posizione) const {
    if (!modoSpoglio_ || colonna < 1 || colonna > quante_ || posizione < 1 || posizione > 8)
        return false;
    const std::uint8_t v = colonne_[colonna - 1][posizione - 1];
    return v != 0 && v == riferimento_[posizione - 1];
}

void TLVisColonne::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont f("Courier New");
    f.setPointSize(8);
    f.setStyleHint(QFont::Monospace);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(kMargine, kMargine, width() - 2 * kMargine, kTitolo),
               Qt::AlignLeft | Qt::AlignVCenter, QString("Schedina %1").arg(numero_));
    for (int c = 1; c <= quante_; ++c) {
        const int y = kMargine + kTitolo + (c - 1) * kAltezzaCella;
        QFont etichetta = f;
        etichetta.setBold(vincenti_[c - 1]);
        p.setFont(etichetta);
        p.setPen(vincenti_[c - 1] ? QColor(Qt::darkGreen) : QColor(Qt::black));
        p.drawText(QRect(kMargine, y, kEtichetta, kAltezzaCella), Qt::AlignCenter,
                   QString("%1%2").arg(c).arg(vincenti_[c - 1] ? "*" : ""));
        for (int pos = 1; pos <= 8; ++pos) {
            const QRect r(kMargine + kEtichetta + (pos - 1) * kLarghezzaCella, y, kLarghezzaCella,
                          kAltezzaCella);
            if (pos == xEvidenziato_ && c == yEvidenziato_) p.fillRect(r, coloreEvidenziato_);
            const bool segnata = Segnata(c, pos);
            if (segnata) p.fillRect(r.adjusted(2, 2, -2, -2), QColor(255, 200, 200));
            p.setPen(Qt::lightGray);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            const std::uint8_t v = colonne_[c - 1][pos - 1];
            if (v == 0) continue;
            QFont cella = f;
            cella.setBold(segnata);
            p.setFont(cella);
            p.setPen(segnata ? QColor(Qt::red) : QColor(Qt::black));
            p.drawText(r, Qt::AlignCenter, v == 90 ? QString("*") : QString::number(v));
        }
    }
}

}  // namespace sirvela
