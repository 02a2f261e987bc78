#include "widgets/TLGraphpt.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

namespace sirvela {

namespace {

constexpr int kAltezzaControlli = 22;

void Triangolo(QPainter& p, const QRect& r, bool suOSinistra, bool orizzontale,
               const QColor& colore) {
    const QPointF c = QRectF(r).center();
    const double m = std::min(r.width(), r.height()) / 4.0 + 0.5;
    QPainterPath t;
    if (orizzontale) {
        const double s = suOSinistra ? -1 : 1;
        t.moveTo(c.x() + s * m, c.y());
        t.lineTo(c.x() - s * m, c.y() - m);
        t.lineTo(c.x() - s * m, c.y() + m);
    } else {
        const double s = suOSinistra ? -1 : 1;
        t.moveTo(c.x(), c.y() + s * m);
        t.lineTo(c.x() - m, c.y() - s * m);
        t.lineTo(c.x() + m, c.y() - s * m);
    }
    t.closeSubpath();
    p.fillPath(t, colore);
}

}  // namespace

TLGraphpt::TLGraphpt(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::StrongFocus);
    const char* nomiModi[] = {"Punti", "Cons.", "Campo"};
    for (int m = 0; m < 3; ++m) {
        auto* b = new QToolButton(this);
        b->setText(nomiModi[m]);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setObjectName(QString("Modo%1").arg(m));
        b->setFixedSize(46, kAltezzaControlli);
        connect(b, &QToolButton::clicked, this, [this, m] {
            modello_->ImpostaModo(m);
            AggiornaControlli();
            update();
        });
        modi_[static_cast<std::size_t>(m)] = b;
    }
    etichettaLink_ = new QLabel("Link", this);
    lettera_ = new QComboBox(this);
    lettera_->setObjectName("Link");
    for (char l = 'A'; l <= 'Z'; ++l) lettera_->addItem(QString(QChar(l)));
    lettera_->setFixedWidth(48);
    connect(lettera_, &QComboBox::activated, this, [this](int i) {
        const char prima = modello_->Lettera();
        modello_->ImpostaLettera(static_cast<char>('A' + i));
        if (modello_->Lettera() != prima) emit Modificato();
    });
    etichettaTra_ = new QLabel("Tra", this);
    gruppo_ = new QSpinBox(this);
    gruppo_->setObjectName("GruppoTra");
    gruppo_->setRange(0, TModelloGraphpt::kGruppiTra);
    gruppo_->setFixedWidth(48);
    gruppo_->setToolTip("Gruppo Punti Tra (0 = nessuno)");
    connect(gruppo_, &QSpinBox::valueChanged, this, [this](int g) {
        const int prima = modello_->GruppoTra();
        modello_->ImpostaGruppoTra(g);
        if (modello_->GruppoTra() != prima) emit Modificato();
    });
    etichettaCampo_ = new QLabel("Campo", this);
    campoDa_ = new QSpinBox(this);
    campoDa_->setObjectName("CampoDa");
    campoA_ = new QSpinBox(this);
    campoA_->setObjectName("CampoA");
    for (QSpinBox* s : {campoDa_, campoA_}) {
        s->setFixedWidth(44);
        connect(s, &QSpinBox::valueChanged, this, [this, s](int v) {
            const auto prima = std::pair(modello_->CampoDa(), modello_->CampoA());
            if (s == campoDa_)
                modello_->ImpostaCampoDa(v);
            else
                modello_->ImpostaCampoA(v);
            AggiornaControlli();
            if (std::pair(modello_->CampoDa(), modello_->CampoA()) != prima) emit Modificato();
        });
    }
    ripetizione_.setInterval(kRipetizioneMs);
    connect(&ripetizione_, &QTimer::timeout, this, &TLGraphpt::Passo);
    for (QWidget* w :
         std::initializer_list<QWidget*>{etichettaLink_, etichettaTra_, etichettaCampo_})
        w->adjustSize();
    Disponi();
    AggiornaControlli();
}

void TLGraphpt::MostraModello(TModelloGraphpt* m) {
    modello_ = m ? m : &proprio_;
    Disponi();
}

void TLGraphpt::Aggiorna() {
    AggiornaControlli();
    update();
}

void TLGraphpt::ImpostaTitolo(const QString& titolo) {
    titolo_ = titolo;
    update();
}

void TLGraphpt::ImpostaTesto(bool testo) {
    testo_ = testo;
    Disponi();
}

void TLGraphpt::ImpostaBordo(bool bordo) {
    bordo_ = bordo;
    update();
}

void TLGraphpt::ImpostaBox(int larghezza, int altezza, int altezzaLivello) {
    lBox_ = std::max(larghezza, 12);
    aBox_ = std::max(altezza, 12);
    aRec_ = std::max(altezzaLivello, 2 * kFrecciaLivello);
    Disponi();
}

void TLGraphpt::ImpostaPunti(int ptTotali, int ptVisibili, int ptIniziale) {
    modello_->ImpostaForma(ptTotali, ptVisibili, ptIniziale);
    Disponi();
}

void TLGraphpt::ImpostaRecVisibili(bool rec) {
    modello_->RecVisibili = rec;
    Disponi();
}

void TLGraphpt::ImpostaLinkTra(bool linkTra) {
    linkTra_ = linkTra;
    Disponi();
}

void TLGraphpt::ImpostaTipi(bool punti, bool cons, bool campo) {
    modello_->ImpostaTipi(punti, cons, campo);
    Disponi();
}

void TLGraphpt::ImpostaNumEvents(int n) {
    modello_->ImpostaNumEvents(n);
    AggiornaControlli();
}

QRect TLGraphpt::FrecciaSinistra() const {
    if (!modello_->ConFrecce()) return {};
    return QRect(InizioStriscia(), YBox(), lBox_, aBox_);
}

QRect TLGraphpt::FrecciaDestra() const {
    if (!modello_->ConFrecce()) return {};
    return QRect(InizioStriscia() + (modello_->Box() + 1) * lBox_, YBox(), lBox_, aBox_);
}

QRect TLGraphpt::RettangoloBox(int box) const {
    const int x = InizioStriscia() + (modello_->ConFrecce() ? lBox_ : 0) + box * lBox_;
    return QRect(x, YBox(), lBox_, aBox_);
}

QRect TLGraphpt::RettangoloLivello(int box) const {
    if (!modello_->RecVisibili) return {};
    const QRect r = RettangoloBox(box);
    return QRect(r.left(), YLivello(), lBox_, aRec_);
}

QRect TLGraphpt::FrecciaSu(int box) const {
    const QRect l = RettangoloLivello(box);
    if (l.isNull()) return {};
    return QRect(l.right() + 1 - kFrecciaLivello, l.top(), kFrecciaLivello, l.height() / 2);
}

QRect TLGraphpt::FrecciaGiu(int box) const {
    const QRect su = FrecciaSu(box);
    if (su.isNull()) return {};
    return QRect(su.left(), su.bottom() + 1, su.width(),
                 RettangoloLivello(box).bottom() - su.bottom());
}

int TLGraphpt::YControlli() const {
    return (modello_->RecVisibili ? YLivello() + aRec_ : YBox() + aBox_) + 5;
}

void TLGraphpt::Disponi() {
    const bool esiste[3] = {modello_->TipoPunti(), modello_->TipoCons(), modello_->TipoCampo()};
    // The mode buttons show only when there is a choice.
    const bool scelta = esiste[0] + esiste[1] + esiste[2] > 1;
    const int y = YControlli();
    int x = InizioStriscia();
    bool controlli = false;
    auto metti = [&](QWidget* w, bool visibile, int spazio = 4) {
        w->setVisible(visibile);
        if (!visibile) return;
        w->move(x, y + (kAltezzaControlli - w->height()) / 2);
        x += w->width() + spazio;
        controlli = true;
    };
    for (int m = 0; m < 3; ++m) metti(modi_[static_cast<std::size_t>(m)], scelta && esiste[m], 2);
    if (scelta) x += 10;
    metti(etichettaLink_, linkTra_);
    metti(lettera_, linkTra_, 12);
    metti(etichettaTra_, linkTra_);
    metti(gruppo_, linkTra_, 12);
    // The range controls show in "Campo" mode only, but keep their room.
    metti(etichettaCampo_, esiste[2]);
    metti(campoDa_, esiste[2]);
    metti(campoA_, esiste[2]);
    const int striscia =
        InizioStriscia() + (modello_->Box() + (modello_->ConFrecce() ? 2 : 0)) * lBox_;
    dimensione_ =
        QSize(std::max(striscia, x) + 5, controlli ? y + kAltezzaControlli + 4 : YControlli() - 1);
    AggiornaControlli();
    updateGeometry();
    resize(dimensione_);
    update();
}

void TLGraphpt::AggiornaControlli() {
    const int modo = modello_->Modo();
    modi_[static_cast<std::size_t>(modo)]->setChecked(true);
    {
        const QSignalBlocker b1(lettera_), b2(gruppo_), b3(campoDa_), b4(campoA_);
        lettera_->setCurrentIndex(modello_->Lettera() - 'A');
        gruppo_->setValue(modello_->GruppoTra());
        campoDa_->setRange(1, modello_->NumEvents());
        campoA_->setRange(1, modello_->NumEvents());
        campoDa_->setValue(modello_->CampoDa());
        campoA_->setValue(modello_->CampoA());
    }
    const bool campo = modo == TModelloGraphpt::kModoCampo;
    for (QWidget* w : std::initializer_list<QWidget*>{etichettaCampo_, campoDa_, campoA_})
        w->setVisible(campo && modello_->TipoCampo());
}

QSize TLGraphpt::sizeHint() const {
    return dimensione_;
}

void TLGraphpt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor faccia = pal.color(QPalette::Button);
    if (bordo_) qDrawShadePanel(&p, rect(), pal, true, 1);
    if (testo_ && !titolo_.isEmpty()) {
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        p.setFont(f);
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(2, YBox(), 31, aBox_), Qt::AlignCenter | Qt::TextWordWrap, titolo_);
        p.setFont(font());
    }
    for (const auto& [r, sinistra] :
         {std::pair(FrecciaSinistra(), true), {FrecciaDestra(), false}}) {
        if (r.isNull()) continue;
        const bool premuta = ripetizione_.isActive() && direzione_ == (sinistra ? -1 : 1);
        qDrawShadePanel(&p, r, pal, premuta, 1, &pal.brush(QPalette::Button));
        Triangolo(p, r, sinistra, true, pal.color(QPalette::ButtonText));
    }
    QFont piccolo = font();
    // The level's two digits fit beside the arrows.
    piccolo.setPixelSize(std::clamp(aRec_ - 8, 7, 13));
    while (piccolo.pixelSize() > 7 &&
           QFontMetrics(piccolo).horizontalAdvance("99") > lBox_ - kFrecciaLivello - 1)
        piccolo.setPixelSize(piccolo.pixelSize() - 1);
    for (int b = 0; b < modello_->Box(); ++b) {
        const QRect r = RettangoloBox(b);
        const int grado = modello_->Grado(b);
        const QColor sfondo = grado == 1 ? kColoreAccettato : grado == 2 ? kColoreRecupero : faccia;
        p.fillRect(r, sfondo);
        qDrawShadePanel(&p, r, pal, false, 1);
        p.setPen(grado == 1 ? Qt::white : Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::number(modello_->ValoreBox(b)));
        if (!modello_->RecVisibili) continue;
        const QRect l = RettangoloLivello(b);
        if (grado != 2) {
            p.fillRect(l, faccia);
            qDrawShadePanel(&p, l, pal, true, 1);
            continue;
        }
        p.fillRect(l, pal.color(QPalette::Base));
        qDrawShadePanel(&p, l, pal, true, 1);
        p.setFont(piccolo);
        p.setPen(Qt::black);
        p.drawText(l.adjusted(1, 0, -kFrecciaLivello, 0), Qt::AlignCenter,
                   QString::number(modello_->Livello(b)));
        p.setFont(font());
        Triangolo(p, FrecciaSu(b).adjusted(0, 1, 0, 1), true, false, Qt::black);
        Triangolo(p, FrecciaGiu(b).adjusted(0, -1, 0, -1), false, false, Qt::black);
    }
    // The value the keyboard works on, while the strip has the focus.
    const int corrente = modello_->BoxCorrente();
    if (hasFocus() && corrente >= 0 && corrente < modello_->Box()) {
        QPen penna(pal.color(QPalette::Highlight), 2);
        p.setPen(penna);
        p.setBrush(Qt::NoBrush);
        p.drawRect(RettangoloBox(corrente).adjusted(2, 2, -2, -2));
    }
}

void TLGraphpt::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint pos = e->position().toPoint();
    if (FrecciaSinistra().contains(pos) || FrecciaDestra().contains(pos)) {
        direzione_ = FrecciaSinistra().contains(pos) ? -1 : 1;
        Passo();
        ripetizione_.start();
        update();
        return;
    }
    const int b = BoxAlPunto(pos);
    if (b < 0) return;
    modello_->ImpostaBoxCorrente(b);
    cifre_.clear();
    if (RettangoloBox(b).contains(pos)) {
        if (modello_->Clic(b)) Modifica();
    } else if (FrecciaSu(b).contains(pos) || FrecciaGiu(b).contains(pos)) {
        if (modello_->CambiaLivello(b, FrecciaSu(b).contains(pos) ? 1 : -1)) Modifica();
    }
    update();
}

int TLGraphpt::BoxAlPunto(const QPoint& p) const {
    for (int b = 0; b < modello_->Box(); ++b)
        if (RettangoloBox(b).contains(p) || RettangoloLivello(b).contains(p)) return b;
    return -1;
}

void TLGraphpt::keyPressEvent(QKeyEvent* e) {
    const int b = modello_->BoxCorrente();
    auto livello = [&](int passi) {
        if (modello_->CambiaLivello(b, passi)) Modifica();
    };
    switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End: {
            const int passi = e->key() == Qt::Key_Left    ? -1
                              : e->key() == Qt::Key_Right ? 1
                              : e->key() == Qt::Key_Home  ? -modello_->PtTotali()
                                                          : modello_->PtTotali();
            modello_->SpostaCorrente(passi);
            cifre_.clear();
            update();
            break;
        }
        case Qt::Key_Space:
            if (modello_->Clic(b)) Modifica();
            break;
        case Qt::Key_Plus:
        case Qt::Key_Up:
            livello(1);
            break;
        case Qt::Key_Minus:
        case Qt::Key_Down:
            livello(-1);
            break;
        case Qt::Key_PageUp:
            livello(10);
            break;
        case Qt::Key_PageDown:
            livello(-10);
            break;
        default:
            if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9) {
                Cifra(e->key() - Qt::Key_0);
                break;
            }
            // Enter, Escape, Tab and the rest belong to the dialog.
            QWidget::keyPressEvent(e);
            return;
    }
    e->accept();
}

void TLGraphpt::Cifra(int cifra) {
    if (cifre_.size() != 1 || !ultimaCifra_.isValid() || ultimaCifra_.elapsed() > kCifreMs)
        cifre_.clear();
    cifre_ += QChar('0' + cifra);
    ultimaCifra_.start();
    if (modello_->ImpostaLivello(modello_->BoxCorrente(), cifre_.toInt())) Modifica();
}

void TLGraphpt::wheelEvent(QWheelEvent* e) {
    const int b = BoxAlPunto(e->position().toPoint());
    const int scatti = e->angleDelta().y() / 120;
    if (b < 0 || modello_->Grado(b) != 2 || scatti == 0) {
        e->ignore();
        return;
    }
    if (modello_->CambiaLivello(b, scatti)) Modifica();
    e->accept();
}

void TLGraphpt::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void TLGraphpt::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    cifre_.clear();
    update();
}

void TLGraphpt::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    ripetizione_.stop();
    direzione_ = 0;
    update();
}

void TLGraphpt::Passo() {
    const bool mosso =
        direzione_ < 0 ? modello_->ScorriIndietro() : direzione_ > 0 && modello_->ScorriAvanti();
    if (mosso) update();
}

void TLGraphpt::Modifica() {
    update();
    emit Modificato();
}

}  // namespace sirvela
