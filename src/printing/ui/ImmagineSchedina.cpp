#include "printing/ui/ImmagineSchedina.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include "app/ui/Risorse.h"
#include "core/Globali.h"
#include "printing/StampaSchedine.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

// Boxes a block holds on the paper ticket: four rows of six.
constexpr int kCaselleBlocco = 24;
const QColor kCarta(250, 228, 222);
const QColor kInchiostro(196, 40, 48);

void Casella(QPainter& p, const TRettangoloMm& r, const QString& testo) {
    p.setPen(QPen(kInchiostro, 0.15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.X, r.Y, r.L, r.A));
    p.setPen(kInchiostro);
    p.drawText(QRectF(r.X - 0.5, r.Y, r.L + 1, r.A), Qt::AlignCenter, testo);
}

}  // namespace

QImage DisegnaSchedina() {
    QImage img(static_cast<int>(kLarghezzaSchedinaMm * kPixelPerMm),
               static_cast<int>(kAltezzaSchedinaMm * kPixelPerMm), QImage::Format_RGB32);
    img.fill(kCarta);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(kPixelPerMm, kPixelPerMm);

    // The heading band.
    p.fillRect(QRectF(0, 0, kLarghezzaSchedinaMm, 18), kInchiostro);
    QFont titolo("Sans Serif");
    titolo.setPixelSize(6);
    titolo.setBold(true);
    p.setFont(titolo);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 1, kLarghezzaSchedinaMm, 9), Qt::AlignCenter, "SIRVELA");
    QFont sotto("Sans Serif");
    sotto.setPixelSize(3);
    p.setFont(sotto);
    p.drawText(QRectF(0, 9, kLarghezzaSchedinaMm, 7), Qt::AlignCenter,
               "Pronostico dell'Ordine d'Arrivo");

    const TValoriTaratura v;
    const TGeometriaSchedina g(v, false, kCaselleBlocco, 100);
    QFont numeri("Sans Serif");
    numeri.setPixelSize(2);
    p.setFont(numeri);
    p.setPen(kInchiostro);
    for (int k = 0; k < kColonnePerSchedina; ++k)
        p.drawText(QRectF(g.Origine(k).X, 22, 27, 5), Qt::AlignLeft | Qt::AlignVCenter,
                   QString("Colonna %1").arg(k + 1));
    for (int posizione = 1; posizione <= 8; ++posizione) {
        const double y = v.YPrimaCol + (posizione - 1) * v.DistanzaColVert;
        p.setPen(kInchiostro);
        p.drawText(QRectF(0.5, y, 5, 5), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(posizione) + "º");
        for (int k = 0; k < kColonnePerSchedina; ++k)
            for (int pilota = 1; pilota <= kCaselleBlocco; ++pilota)
                Casella(p, *g.Segno(g.Origine(k), posizione, pilota), QString::number(pilota));
    }
    // The system strip: the system box, then four variable pilots a block.
    Casella(p, g.CasellaSistema(), "S");
    for (int pilota = 1; pilota <= 28; ++pilota) {
        const TGeometriaSchedina striscia(v, false, 28, 100);
        Casella(p, *striscia.CasellaVariabile(pilota), QString::number(pilota));
    }
    p.end();
    return img;
}

namespace {
std::filesystem::path PercorsoImmagineSchedina() {
    return CartellaProgramma / "sched.bmp";
}
}  // namespace

QString FileImmagineSchedina() {
    return QS(PercorsoImmagineSchedina().string());
}

QImage ImmagineSchedina() {
    const QString file = FileImmagineSchedina();
    QImage img(file);
    if (!img.isNull()) return img;
    img = DisegnaSchedina();
    // Put in the program folder like the other pictures that come with the program; a
    // folder that cannot be written still gets the picture on screen.
    if (!QFile::exists(file)) {
        QByteArray dati;
        QBuffer buffer(&dati);
        buffer.open(QIODevice::WriteOnly);
        if (img.save(&buffer, "BMP")) SalvaByte(PercorsoImmagineSchedina(), dati);
    }
    return img;
}

}  // namespace sirvela
