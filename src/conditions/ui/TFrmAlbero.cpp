#include "conditions/ui/TFrmAlbero.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TVistaAlbero::TVistaAlbero(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TVistaAlbero::ImpostaNodi(std::vector<TNodoAlbero> nodi) {
    nodi_ = std::move(nodi);
    QFont grassetto = font();
    grassetto.setBold(true);
    const QFontMetrics fm(grassetto);
    int larghezza = 80;
    int livelli = 0;
    for (const TNodoAlbero& n : nodi_) {
        larghezza = std::max(larghezza, fm.horizontalAdvance(QS(n.Nome)) + 16);
        livelli = std::max(livelli, n.Livello);
    }
    larghezzaBox_ = larghezza;
    ultimoMembro_.assign(nodi_.size(), -1);
    for (std::size_t i = 0; i < nodi_.size(); ++i)
        if (nodi_[i].Padre >= 0)
            ultimoMembro_[static_cast<std::size_t>(nodi_[i].Padre)] = static_cast<int>(i);
    dimensione_ = QSize(2 * kMargine + livelli * kRientro + larghezzaBox_,
                        2 * kMargine + static_cast<int>(nodi_.size()) * kAltezzaRiga);
    resize(dimensione_);
    updateGeometry();
    update();
}

QRect TVistaAlbero::Rettangolo(int nodo) const {
    const TNodoAlbero& n = nodi_[static_cast<std::size_t>(nodo)];
    return QRect(kMargine + n.Livello * kRientro,
                 kMargine + nodo * kAltezzaRiga + (kAltezzaRiga - kAltezzaBox) / 2, larghezzaBox_,
                 kAltezzaBox);
}

int TVistaAlbero::NodoIn(const QPoint& p) const {
    const int riga = (p.y() - kMargine) / kAltezzaRiga;
    if (p.y() < kMargine || riga >= static_cast<int>(nodi_.size())) return -1;
    return Rettangolo(riga).contains(p) ? riga : -1;
}

void TVistaAlbero::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const int n = static_cast<int>(nodi_.size());
    if (n == 0) return;
    const int da = std::clamp((e->rect().top() - kMargine) / kAltezzaRiga - 1, 0, n - 1);
    const int a = std::clamp((e->rect().bottom() - kMargine) / kAltezzaRiga + 1, 0, n - 1);
    // A Quadro's line runs down to its last member and may cross the rows in sight from
    // above (a Quadro enclosing the first row in sight) or leave them downwards.
    p.setPen(palette().color(QPalette::Mid));
    auto verticale = [&](int quadro) {
        const int ultimo = ultimoMembro_[static_cast<std::size_t>(quadro)];
        if (ultimo < 0) return;
        const int x = Rettangolo(quadro).left() + kRientro / 2;
        const int y0 = std::max(Rettangolo(quadro).bottom(), e->rect().top() - 1);
        const int y1 = std::min(Rettangolo(ultimo).center().y(), e->rect().bottom() + 1);
        if (y0 < y1) p.drawLine(x, y0, x, y1);
    };
    for (int q = nodi_[static_cast<std::size_t>(da)].Padre; q >= 0;
         q = nodi_[static_cast<std::size_t>(q)].Padre)
        verticale(q);
    for (int i = da; i <= a; ++i) {
        verticale(i);
        const int padre = nodi_[static_cast<std::size_t>(i)].Padre;
        if (padre < 0) continue;
        const QRect r = Rettangolo(i);
        p.drawLine(Rettangolo(padre).left() + kRientro / 2, r.center().y(), r.left(),
                   r.center().y());
    }
    QFont normale = font();
    QFont grassetto = font();
    grassetto.setBold(true);
    for (int i = da; i <= a; ++i) {
        const TNodoAlbero& nodo = nodi_[static_cast<std::size_t>(i)];
        const QRect r = Rettangolo(i);
        p.fillRect(r, nodo.Evidenziato ? QColor(0, 128, 255) : palette().color(QPalette::Button));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setFont(nodo.Quadro ? grassetto : normale);
        p.setPen(nodo.Evidenziato ? QColor(Qt::white)
                 : nodo.Attivato  ? palette().color(QPalette::ButtonText)
                                  : palette().color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(r.adjusted(8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, QS(nodo.Nome));
    }
}

void TVistaAlbero::mouseDoubleClickEvent(QMouseEvent* e) {
    const int nodo = NodoIn(e->position().toPoint());
    if (nodo >= 0) emit DoppioClic(nodo);
}

// ---------------------------------------------------------------------------------------------

TFrmAlbero::TFrmAlbero(TModelloQuadro& modello, TApri apri, QWidget* parent)
    : QDialog(parent), modello_(modello), apri_(std::move(apri)) {
    setObjectName("FrmAlbero");
    setWindowTitle("Albero Delle Condizioni");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    vista_ = new TVistaAlbero;
    vista_->setObjectName("VistaAlbero");
    area_ = new QScrollArea(this);
    area_->setWidget(vista_);
    area_->setWidgetResizable(false);
    area_->setBackgroundRole(QPalette::Base);
    auto* pulsanti = new QDialogButtonBox(this);
    auto* chiudi = pulsanti->addButton("Chiudi", QDialogButtonBox::RejectRole);
    chiudi->setObjectName("BtnChiudi");
    auto* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    aiuto->setObjectName("BtnAiuto");
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "albero-condizioni"); });
    connect(vista_, &TVistaAlbero::DoppioClic, this, &TFrmAlbero::Apri);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel("Un doppio clic su una casella la apre.", this));
    l->addWidget(area_);
    l->addWidget(pulsanti);
    resize(520, 460);
    Ridisegna();
}

void TFrmAlbero::Ridisegna() {
    vista_->ImpostaNodi(AlberoQuadri(modello_.Radice(), &modello_.Mostrato()));
}

void TFrmAlbero::Apri(int nodo) {
    const auto& nodi = vista_->Nodi();
    if (nodo < 0 || nodo >= static_cast<int>(nodi.size())) return;
    if (apri_ && apri_(nodi[static_cast<std::size_t>(nodo)])) {
        accept();
        return;
    }
    Ridisegna();
}

}  // namespace sirvela
