// Draws the program's pictures: the title picture, the default background, the 28-frame logo
// animation and the tool-bar icons. Build with
//   g++ -std=c++20 -fPIC Disegna.cpp -o disegna $(pkg-config --cflags --libs Qt6Gui)
// and run it with the resources/immagini folder as its argument.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <cstdio>

static QString cartella;

static void Salva(const QImage& img, const QString& nome, const char* formato = "PNG") {
    if (!img.save(cartella + "/" + nome, formato))
        std::printf("cannot save %s\n", qPrintable(nome));
}

static void Bandiera(QPainter& p, QRectF r, int colonne, int righe, qreal onda) {
    const qreal w = r.width() / colonne, h = r.height() / righe;
    for (int c = 0; c < colonne; ++c)
        for (int rr = 0; rr < righe; ++rr) {
            const qreal dy = onda * qSin(c * 0.9);
            QRectF q(r.left() + c * w, r.top() + rr * h + dy, w + 0.5, h + 0.5);
            p.fillRect(q, (c + rr) % 2 ? QColor(20, 20, 20) : QColor(245, 245, 245));
        }
}

static void Auto(QPainter& p, QPointF centro, qreal scala, qreal angolo, QColor colore) {
    p.save();
    p.translate(centro);
    p.rotate(angolo);
    p.scale(scala, scala);
    p.setPen(Qt::NoPen);
    // tyres
    p.setBrush(QColor(25, 25, 25));
    for (QPointF g : {QPointF(-14, -9), QPointF(-14, 6), QPointF(10, -9), QPointF(10, 6)})
        p.drawRoundedRect(QRectF(g.x(), g.y(), 8, 3.5), 1, 1);
    // body
    QPainterPath corpo;
    corpo.moveTo(-18, -3);
    corpo.lineTo(-18, 3);
    corpo.lineTo(-6, 5);
    corpo.lineTo(14, 2.5);
    corpo.lineTo(22, 1);
    corpo.lineTo(22, -1);
    corpo.lineTo(14, -2.5);
    corpo.lineTo(-6, -5);
    corpo.closeSubpath();
    p.setBrush(colore);
    p.drawPath(corpo);
    p.setBrush(colore.darker(140));
    p.drawRect(QRectF(-20, -7, 4, 14));  // rear wing
    p.drawRect(QRectF(19, -6, 3, 12));   // front wing
    p.setBrush(QColor(30, 30, 60));
    p.drawEllipse(QRectF(-4, -2.5, 7, 5));  // cockpit
    p.restore();
}

static void Intro() {
    QImage img(440, 230, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, 230);
    cielo.setColorAt(0, QColor(10, 25, 70));
    cielo.setColorAt(0.55, QColor(40, 90, 160));
    cielo.setColorAt(0.56, QColor(40, 110, 40));
    cielo.setColorAt(1, QColor(20, 70, 20));
    p.fillRect(img.rect(), cielo);
    // grandstand lights
    for (int i = 0; i < 14; ++i) {
        QRadialGradient g(QPointF(20 + i * 31, 22), 12);
        g.setColorAt(0, QColor(255, 250, 210, 200));
        g.setColorAt(1, QColor(255, 250, 210, 0));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(20 + i * 31, 22), 12, 12);
    }
    // the track sweeping through the picture
    QPainterPath pista;
    pista.moveTo(-20, 215);
    pista.cubicTo(120, 140, 300, 200, 460, 128);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(225, 225, 225), 46, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(pista);
    p.setPen(QPen(QColor(70, 70, 75), 40, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(pista);
    QPen tratteggio(QColor(240, 240, 240), 2, Qt::DashLine);
    p.setPen(tratteggio);
    p.drawPath(pista);
    // kerbs
    for (int i = 0; i < 24; ++i) {
        const qreal t = i / 24.0;
        const QPointF a = pista.pointAtPercent(t);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(200, 20, 20) : QColor(250, 250, 250));
        p.drawEllipse(a + QPointF(0, -23), 4, 2);
    }
    Auto(p, pista.pointAtPercent(0.62) + QPointF(0, -6), 2.2, -18, QColor(200, 20, 30));
    Auto(p, pista.pointAtPercent(0.40) + QPointF(0, 8), 2.0, -4, QColor(20, 80, 200));
    Auto(p, pista.pointAtPercent(0.22) + QPointF(0, -4), 1.8, 12, QColor(240, 190, 20));
    // chequered flag on a pole
    p.setPen(QPen(QColor(180, 180, 180), 3));
    p.drawLine(QPointF(380, 40), QPointF(380, 120));
    Bandiera(p, QRectF(382, 40, 48, 30), 8, 5, 2);
    // the name
    QFont f("DejaVu Sans", 40, QFont::Black);
    f.setItalic(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    QPainterPath testo;
    testo.addText(28, 92, f, "SIRVELA");
    p.setPen(QPen(QColor(10, 10, 30), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(testo);
    QLinearGradient oro(0, 50, 0, 95);
    oro.setColorAt(0, QColor(255, 240, 150));
    oro.setColorAt(1, QColor(230, 140, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(oro);
    p.drawPath(testo);
    QFont s("DejaVu Sans", 11, QFont::Bold);
    s.setItalic(true);
    p.setFont(s);
    p.setPen(QColor(235, 240, 255));
    p.drawText(QPointF(32, 114), "Sistemi per l'ordine d'arrivo");
    p.end();
    Salva(img, "intro.png");
}

static void Fondale() {
    const int n = 128;
    QImage img(n, n, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A vertical band that starts and ends with the same colour, so the tile repeats.
    QLinearGradient g(0, 0, 0, n);
    g.setColorAt(0, QColor(8, 38, 78));
    g.setColorAt(0.5, QColor(12, 54, 104));
    g.setColorAt(1, QColor(8, 38, 78));
    p.fillRect(img.rect(), g);
    QRandomGenerator caso(1998);
    // light ripples
    for (int i = 0; i < 10; ++i) {
        const qreal y = caso.bounded(n), ampiezza = 2 + caso.bounded(3);
        QPainterPath onda;
        for (int x = 0; x <= n; x += 2) {
            const QPointF q(x, y + ampiezza * qSin(2 * M_PI * x / n * 2));
            x == 0 ? onda.moveTo(q) : onda.lineTo(q);
        }
        p.setPen(QPen(QColor(90, 160, 220, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        for (int dy : {-n, 0, n}) p.drawPath(onda.translated(0, dy));
    }
    // bubbles, drawn again across the edges so the tile joins up
    for (int i = 0; i < 14; ++i) {
        const QPointF c(caso.bounded(n), caso.bounded(n));
        const qreal r = 1.5 + caso.bounded(4);
        for (int dx : {-n, 0, n})
            for (int dy : {-n, 0, n}) {
                const QPointF q = c + QPointF(dx, dy);
                p.setPen(QPen(QColor(170, 220, 255, 110), 1));
                p.setBrush(QColor(120, 190, 240, 35));
                p.drawEllipse(q, r, r);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(230, 245, 255, 140));
                p.drawEllipse(q + QPointF(-r / 3, -r / 3), r / 4, r / 4);
            }
    }
    p.end();
    Salva(img, "Deep_sea.bmp", "BMP");
}

static void Logo() {
    const int l = 92, h = 52, fotogrammi = 28;
    QImage img(l * fotogrammi, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < fotogrammi; ++k) {
        p.save();
        p.translate(k * l + l / 2.0, h / 2.0);
        const qreal a = 30, b = 15;
        p.setPen(QPen(QColor(230, 230, 230), 9));
        p.setBrush(QColor(40, 120, 40));
        p.drawEllipse(QPointF(0, 0), a, b);
        p.setPen(QPen(QColor(70, 70, 75), 7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), a, b);
        // start line
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(0, b - 3.5), QPointF(0, b + 3.5));
        Bandiera(p, QRectF(-7, -5, 14, 10), 4, 3, k % 2 ? 0.8 : -0.8);
        // a car going round, one twenty-eighth of a lap per frame
        const qreal t = 2 * M_PI * k / fotogrammi;
        const QPointF c(a * qSin(t), b * qCos(t));
        const qreal direzione = qRadiansToDegrees(qAtan2(-b * qSin(t), a * qCos(t)));
        Auto(p, c, 0.58, direzione, QColor(210, 20, 30));
        p.restore();
    }
    p.end();
    Salva(img, "logo.png");
}

static QImage Icona() {
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

static void Foglio(QPainter& p) {
    QPainterPath f;
    f.moveTo(5, 2);
    f.lineTo(14, 2);
    f.lineTo(19, 7);
    f.lineTo(19, 22);
    f.lineTo(5, 22);
    f.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(f);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

static void Icone() {
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(QPen(QColor(230, 170, 0), 1.5));
        for (int i = 0; i < 4; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(QPointF(17 + 4 * qCos(a), 17 + 4 * qSin(a)),
                       QPointF(17 - 4 * qCos(a), 17 - 4 * qSin(a)));
        }
        p.end();
        Salva(img, "nuovo.png");
    }
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 6.5, 17, 14));
        p.drawRect(QRectF(2.5, 4.5, 7, 3));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF(
            {QPointF(5.5, 11.5), QPointF(22.5, 11.5), QPointF(19.5, 20.5), QPointF(2.5, 20.5)}));
        p.end();
        Salva(img, "carica.png");
    }
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 30, 90), 1));
        p.setBrush(QColor(50, 80, 170));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(7.5, 3.5, 9, 6));
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(QRectF(13, 4.5, 2, 4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 13.5, 11, 7));
        p.end();
        Salva(img, "salva.png");
    }
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(QPen(QColor(60, 90, 160), 1));
        for (int y = 9; y <= 19; y += 3) p.drawLine(QPointF(8, y), QPointF(16, y));
        p.setPen(QPen(QColor(200, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 10), QPointF(12, 19));
        p.end();
        Salva(img, "commento.png");
    }
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 60, 140), 1));
        p.setBrush(QColor(60, 120, 220));
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont f("DejaVu Sans", 11, QFont::Bold);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, "?");
        p.end();
        Salva(img, "help.png");
    }
    {
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(QRectF(4.5, 2.5, 11, 19));
        p.setBrush(QColor(40, 40, 40));
        p.drawPolygon(QPolygonF(
            {QPointF(4.5, 2.5), QPointF(11.5, 5.5), QPointF(11.5, 23.5), QPointF(4.5, 21.5)}));
        p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(13, 12), QPointF(22, 12));
        p.drawLine(QPointF(19, 9), QPointF(22, 12));
        p.drawLine(QPointF(19, 15), QPointF(22, 12));
        p.end();
        Salva(img, "uscita.png");
    }
    {
        // "Sviluppo": a sheet of columns with a start arrow.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(7 + c * 3, 9 + r * 3, 2, 2));
        p.setPen(QPen(QColor(20, 90, 20), 1));
        p.setBrush(QColor(40, 180, 40));
        p.drawPolygon(QPolygonF({QPointF(13.5, 12.5), QPointF(22.5, 17.5), QPointF(13.5, 22.5)}));
        p.end();
        Salva(img, "sviluppo.png");
    }
    {
        // "Quadri": nested frames of conditions.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(30, 70, 40), 1));
        p.setBrush(QColor(120, 190, 110));
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        p.setBrush(QColor(240, 240, 200));
        p.drawRect(QRectF(5.5, 5.5, 6, 6));
        p.drawRect(QRectF(12.5, 5.5, 6, 6));
        p.drawRect(QRectF(5.5, 12.5, 13, 6));
        p.end();
        Salva(img, "quadri.png");
    }
    {
        // "Visualizza colonne": a slip under a magnifying glass.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(7 + c * 3, 5 + r * 3, 2, 2));
        p.setPen(QPen(QColor(60, 40, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(22, 22));
        p.setPen(QPen(QColor(40, 40, 40), 1.4));
        p.setBrush(QColor(200, 230, 255, 200));
        p.drawEllipse(QRectF(9, 9, 9, 9));
        p.end();
        Salva(img, "visualizza.png");
    }
    {
        // "Spoglio": a slip with a check mark.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(QPen(QColor(60, 90, 160), 1));
        for (int y = 7; y <= 13; y += 3) p.drawLine(QPointF(8, y), QPointF(16, y));
        p.setPen(QPen(QColor(30, 150, 40), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 17), QPointF(12, 20), QPointF(21, 11)}));
        p.end();
        Salva(img, "spoglio.png");
    }
    {
        // "Stampa Schedine": a printer with a slip coming out.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
        p.setBrush(QColor(250, 240, 200));
        p.drawRect(QRectF(6.5, 14.5, 11, 8));
        p.setPen(QPen(QColor(200, 40, 30), 1));
        for (int x = 8; x <= 15; x += 3) p.drawLine(QPointF(x, 17), QPointF(x + 1.5, 17));
        p.end();
        Salva(img, "stampa.png");
    }
    {
        // "Stampa Prospetto": a printed sheet with a table.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        Foglio(p);
        p.setPen(QPen(QColor(120, 120, 120), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7.5, 9.5, 9, 10));
        p.drawLine(QPointF(7.5, 12.8), QPointF(16.5, 12.8));
        p.drawLine(QPointF(7.5, 16.2), QPointF(16.5, 16.2));
        p.drawLine(QPointF(12, 9.5), QPointF(12, 19.5));
        p.setPen(QPen(QColor(200, 40, 30), 1.4));
        p.drawLine(QPointF(7.5, 6), QPointF(13, 6));
        p.end();
        Salva(img, "prospetto.png");
    }
    {
        // "Aggiornamento Archivi": a globe with a down arrow.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 60, 120), 1));
        p.setBrush(QColor(90, 160, 230));
        p.drawEllipse(QRectF(1.5, 1.5, 16, 16));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5.5, 1.5, 8, 16));
        p.drawLine(QPointF(1.5, 9.5), QPointF(17.5, 9.5));
        p.setPen(QPen(QColor(20, 110, 30), 1));
        p.setBrush(QColor(60, 190, 60));
        p.drawPolygon(QPolygonF({QPointF(15.5, 10.5), QPointF(20.5, 10.5), QPointF(20.5, 16.5),
                                 QPointF(23, 16.5), QPointF(18, 22.5), QPointF(13, 16.5),
                                 QPointF(15.5, 16.5)}));
        p.end();
        Salva(img, "aggiornamento.png");
    }
}

// A column of the editor's grid: eight cells standing one over the other.
static void ColonnaGriglia(QPainter& p, qreal x, QColor riempimento) {
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.setBrush(riempimento);
    for (int r = 0; r < 5; ++r) p.drawRect(QRectF(x, 2.5 + r * 4, 6, 4));
}

static void Freccia(QPainter& p, QPointF da, QPointF a, QColor colore) {
    p.setPen(QPen(colore, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(da, a);
    const QPointF d = a - da;
    const qreal l = qSqrt(d.x() * d.x() + d.y() * d.y());
    const QPointF u = d / l, n(-u.y(), u.x());
    p.drawLine(a, a - u * 4 + n * 3.5);
    p.drawLine(a, a - u * 4 - n * 3.5);
}

// The tool bar of the column editor.
static void IconeEditor() {
    {
        // "Inserisci il File Colonnare": a folder with a plus.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(140, 100, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 6.5, 15, 12));
        p.drawRect(QRectF(1.5, 4.5, 6, 3));
        p.setPen(QPen(QColor(30, 140, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18.5, 12), QPointF(18.5, 22));
        p.drawLine(QPointF(13.5, 17), QPointF(23.5, 17));
        p.end();
        Salva(img, "inserisci-file.png");
    }
    {
        // "Salva Colonne con Nome": the disk with a pen.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 30, 90), 1));
        p.setBrush(QColor(50, 80, 170));
        p.drawRoundedRect(QRectF(1.5, 3.5, 15, 15), 2, 2);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(5, 3.5, 8, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 12, 9, 6.5));
        p.setPen(QPen(QColor(200, 40, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 11), QPointF(14.5, 21));
        p.end();
        Salva(img, "salva-nome.png");
    }
    {
        // "Salta alla Colonna": an arrow jumping over columns onto a marked one.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ColonnaGriglia(p, 2.5, Qt::white);
        ColonnaGriglia(p, 15.5, QColor(255, 230, 120));
        p.setPen(QPen(QColor(30, 100, 200), 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5.5, 5, 13, 14), 20 * 16, 140 * 16);
        Freccia(p, QPointF(15, 8), QPointF(18.5, 11.5), QColor(30, 100, 200));
        p.end();
        Salva(img, "salta.png");
    }
    {
        // "Cancella Colonna": a column crossed out.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ColonnaGriglia(p, 9, Qt::white);
        p.setPen(QPen(QColor(200, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 6), QPointF(19, 20));
        p.drawLine(QPointF(19, 6), QPointF(5, 20));
        p.end();
        Salva(img, "cancella-colonna.png");
    }
    {
        // "Inserisce Colonna": an empty column pushed in before another.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        ColonnaGriglia(p, 15.5, QColor(210, 225, 245));
        p.setPen(QPen(QColor(30, 140, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 6), QPointF(7, 18));
        p.drawLine(QPointF(1, 12), QPointF(13, 12));
        p.end();
        Salva(img, "inserisci-colonna.png");
    }
    {
        // "Ordina": bars growing from top to bottom beside a down arrow.
        QImage img = Icona();
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        for (int i = 0; i < 4; ++i) p.drawRect(QRectF(11, 3 + i * 5, 4 + i * 3, 3));
        Freccia(p, QPointF(5, 3), QPointF(5, 21), QColor(30, 140, 40));
        p.end();
        Salva(img, "ordina.png");
    }
    {
        // "Salta alla Prima" / "Salta all'ultima": an arrow against a bar.
        for (bool ultima : {false, true}) {
            QImage img = Icona();
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(40, 40, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
            const qreal sbarra = ultima ? 20 : 4;
            p.drawLine(QPointF(sbarra, 5), QPointF(sbarra, 19));
            Freccia(p, QPointF(ultima ? 4 : 20, 12), QPointF(ultima ? 16.5 : 7.5, 12),
                    QColor(30, 100, 200));
            p.end();
            Salva(img, ultima ? "ultima.png" : "prima.png");
        }
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    cartella = argc > 1 ? argv[1] : ".";
    Intro();
    Fondale();
    Logo();
    Icone();
    IconeEditor();
    return 0;
}
