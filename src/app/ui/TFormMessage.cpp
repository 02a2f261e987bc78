#include "app/ui/TFormMessage.h"

#include <QApplication>
#include <QPainter>

#include "widgets/Conversioni.h"

namespace sirvela {

namespace {
constexpr int kAlto = 12;           // first line of text from the top
constexpr int kMargineDestro = 10;  // words stop this far from the right edge
constexpr int kSpazioSotto = 16;
}  // namespace

TImpaginazioneTesto ImpaginaTesto(const QString& testo, const QFontMetrics& fm, int sinistra,
                                  int larghezza) {
    TImpaginazioneTesto r;
    const int riga = fm.height();
    const int spazio = fm.horizontalAdvance(' ');
    int x = sinistra, y = kAlto;
    const QStringList righe = testo.split('\n');
    for (int n = 0; n < righe.size(); ++n) {
        if (n > 0) {
            x = sinistra;
            y += riga;
        }
        for (const QString& parola : righe[n].split(' ', Qt::SkipEmptyParts)) {
            const int w = fm.horizontalAdvance(parola);
            if (x > sinistra && x + w > larghezza - kMargineDestro) {
                x = sinistra;
                y += riga;
            }
            r.Parole.emplace_back(x, y, w, riga);
            r.Testi.push_back(parola);
            x += w + spazio;
        }
    }
    r.Fondo = y + riga;
    return r;
}

std::vector<int> PosizioniPulsanti(int larghezza, int pulsante, int n) {
    std::vector<int> x;
    if (n <= 0) return x;
    const int gap = (larghezza - n * pulsante) / (n + 1);
    for (int i = 0; i < n; ++i) x.push_back(gap + i * (pulsante + gap));
    return x;
}

TFormMessage::TFormMessage(const QString& titolo, const QString& testo, int pulsanti,
                           QStyle::StandardPixmap icona, QWidget* parent)
    : QDialog(parent), testo_(testo) {
    setObjectName("FormMessage");
    setWindowTitle(titolo);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    icona_ = style()->standardIcon(icona).pixmap(32, 32);

    struct Voce {
        int codice;
        const char* testo;
    };
    // Screen order, whatever the order of the codes.
    static constexpr Voce kOrdine[] = {
        {PulsanteSi, "&Si"}, {PulsanteOk, "Ok"}, {PulsanteNo, "No"}, {PulsanteAnnulla, "Annulla"}};
    for (const Voce& v : kOrdine) {
        if (!(pulsanti & v.codice)) continue;
        auto* b = new QPushButton(QString::fromUtf8(v.testo), this);
        b->setObjectName(QString("Pulsante%1").arg(v.codice));
        b->setAutoDefault(true);
        connect(b, &QPushButton::clicked, this, [this, c = v.codice] {
            risposta_ = c;
            accept();
        });
        pulsanti_.push_back(b);
    }
    if (!pulsanti_.empty()) pulsanti_.front()->setDefault(true);

    const QFontMetrics fm(font());
    const int sinistra = RettangoloIcona().right() + 13;
    impaginazione_ = ImpaginaTesto(testo_, fm, sinistra, kLarghezza);
    const int fondoAlto = std::max(impaginazione_.Fondo, RettangoloIcona().bottom() + 1);
    const int yPulsanti = fondoAlto + kSpazioSotto;
    const auto xs =
        PosizioniPulsanti(kLarghezza, kLarghezzaPulsante, static_cast<int>(pulsanti_.size()));
    for (std::size_t i = 0; i < pulsanti_.size(); ++i)
        pulsanti_[i]->setGeometry(xs[i], yPulsanti, kLarghezzaPulsante, kAltezzaPulsante);
    setFixedSize(kLarghezza, yPulsanti + kAltezzaPulsante + 12);
}

int TFormMessage::Esegui() {
    risposta_ = 0;
    if (!pulsanti_.empty()) pulsanti_.front()->setFocus();
    exec();
    return risposta_;
}

void TFormMessage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(RettangoloIcona().topLeft(), icona_);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    for (std::size_t i = 0; i < impaginazione_.Parole.size(); ++i) {
        const QRect& r = impaginazione_.Parole[i];
        p.drawText(r.left(), r.top() + fm.ascent(), impaginazione_.Testi[i]);
    }
}

int TMessaggiQt::Mostra(const std::string& titolo, const std::string& testo, int pulsanti) {
    const bool domanda = pulsanti & (PulsanteSi | PulsanteNo);
    TFormMessage f(QS(titolo), QS(testo), pulsanti,
                   domanda ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxInformation,
                   genitore_ ? genitore_ : QApplication::activeWindow());
    return f.Esegui();
}

void TMessaggiQt::Errore(const std::string& testo) {
    TFormMessage f("Errore", QS(testo), PulsanteOk, QStyle::SP_MessageBoxCritical,
                   genitore_ ? genitore_ : QApplication::activeWindow());
    f.Esegui();
}

}  // namespace sirvela
