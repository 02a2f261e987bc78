#include "widgets/TLCasSelector.h"

#include <QKeyEvent>
#include <QPainter>

#include "core/Globali.h"
#include "core/Interfacce.h"
#include "core/Testo.h"
#include "tools/TSpoglio.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TCellaCas::TCellaCas(TLCasSelector* selettore, int indice)
    : QLineEdit(selettore), selettore_(selettore), indice_(indice) {
    setObjectName(QString("qt_cella%1").arg(indice));
    setAlignment(Qt::AlignCenter);
}

void TCellaCas::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (selettore_->invioAllaFinestra_ && indice_ == selettore_->TotaleNumeri()) {
                e->ignore();
                return;
            }
            selettore_->FuocoACella(indice_ + 1);
            e->accept();
            return;
        case Qt::Key_Up:
            selettore_->FuocoACella(indice_ - selettore_->NumeriPerRiga());
            e->accept();
            return;
        case Qt::Key_Down:
            selettore_->FuocoACella(indice_ + selettore_->NumeriPerRiga());
            e->accept();
            return;
        default:
            break;
    }
    const QString t = e->text();
    if (!t.isEmpty() && t[0].isPrint()) {
        const QChar c = t[0];
        if (c.isDigit() && c.unicode() < 128) {
            // Two digits at most; a selection is being replaced, so it may go in.
            if (text().size() >= 2 && !hasSelectedText()) {
                e->accept();
                return;
            }
        } else if (!QString("*-.%'").contains(c)) {
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

TLCasSelector::TLCasSelector(IMessaggi& messaggi, QWidget* parent)
    : QWidget(parent), messaggi_(messaggi) {
    fontNormale_ = QFont("Sans Serif");
    fontNormale_.setPointSize(10);
    fontFisse_ = fontNormale_;
    Ricostruisci();
}

void TLCasSelector::ImpostaTotaleNumeri(int n) {
    totale_ = std::clamp(n, 0, kMaxCelle);
    Ricostruisci();
}
void TLCasSelector::ImpostaNumFisse(int n) {
    numFisse_ = std::max(0, n);
    Ricostruisci();
}
void TLCasSelector::ImpostaNumeriPerRiga(int n) {
    perRiga_ = std::max(1, n);
    Ricostruisci();
}
void TLCasSelector::ImpostaCella(int larghezza, int altezza) {
    larghezza_ = std::max(1, larghezza);
    altezza_ = std::max(1, altezza);
    Ricostruisci();
}
void TLCasSelector::ImpostaDistanze(int orizzontale, int verticale) {
    distOrizz_ = orizzontale;
    distVert_ = verticale;
    Ricostruisci();
}
void TLCasSelector::ImpostaFontNormale(const QFont& f) {
    fontNormale_ = f;
    Ricostruisci();
}
void TLCasSelector::ImpostaFontFisse(const QFont& f) {
    fontFisse_ = f;
    Ricostruisci();
}
void TLCasSelector::ImpostaTestoFisse(const QString& t) {
    testoFisse_ = t;
    Ricostruisci();
}
void TLCasSelector::ImpostaReadOnly(bool r) {
    readOnly_ = r;
    Ricostruisci();
}

void TLCasSelector::ImpostaValori(const TCombinazione& valori) {
    valori_ = valori;
    valori_.Quanti = 90;  // every slot is kept, whatever the count said
    Ricostruisci();
}

TCellaCas* TLCasSelector::Cella(int i) const {
    return i >= 1 && i <= static_cast<int>(celle_.size()) ? celle_[i - 1] : nullptr;
}

void TLCasSelector::FuocoACella(int i) {
    if (auto* c = Cella(i)) c->setFocus(Qt::OtherFocusReason);
}

QFont TLCasSelector::FontDidascalia() const {
    QFont f("Arial");
    f.setPointSize(8);
    return f;
}

int TLCasSelector::MargineSinistro() const {
    return MostraTestoFisse() ? 3 : 0;
}

int TLCasSelector::MargineSuperiore() const {
    return MostraTestoFisse() ? QFontMetrics(FontDidascalia()).height() + 4 : 0;
}

QString TLCasSelector::TestoValore(int valore) {
    if (valore == kJolly) return "*";
    return valore > 0 ? QString::number(valore) : QString();
}

void TLCasSelector::Ricostruisci() {
    ricostruendo_ = true;
    while (static_cast<int>(celle_.size()) > totale_) {
        delete celle_.back();
        celle_.pop_back();
    }
    while (static_cast<int>(celle_.size()) < totale_) {
        auto* c = new TCellaCas(this, static_cast<int>(celle_.size()) + 1);
        connect(c, &QLineEdit::textChanged, this,
                [this, i = c->Indice()](const QString& t) { TestoCambiato(i, t); });
        c->show();
        celle_.push_back(c);
    }
    const int sx = MargineSinistro(), sy = MargineSuperiore();
    for (int i = 1; i <= totale_; ++i) {
        TCellaCas* c = celle_[i - 1];
        c->setGeometry(sx + ((i - 1) % perRiga_) * (larghezza_ + distOrizz_),
                       sy + ((i - 1) / perRiga_) * (altezza_ + distVert_), larghezza_, altezza_);
        const bool fissa = i <= numFisse_;
        c->setFont(fissa ? fontFisse_ : fontNormale_);
        QPalette pal = c->palette();
        pal.setColor(QPalette::Text, fissa ? QColor(Qt::red) : palette().color(QPalette::Text));
        c->setPalette(pal);
        c->setReadOnly(readOnly_);
        c->setText(TestoValore(valori_.Numeri[i - 1]));
    }
    const int l = sx + perRiga_ * (larghezza_ + distOrizz_) - distOrizz_;
    const int a =
        totale_ < 1 ? sy : sy + ((totale_ - 1) / perRiga_) * (altezza_ + distVert_) + altezza_;
    setFixedSize(std::max(l, 0), std::max(a, 0));
    ricostruendo_ = false;
    update();
}

void TLCasSelector::TestoCambiato(int i, const QString& testo) {
    if (ricostruendo_) return;
    long long v = 0;
    if (testo == "*")
        v = kJolly;
    else if (!InteroDaTesto(SS(testo), v) || v < 0)
        v = 0;
    valori_.Numeri[i - 1] = static_cast<std::uint16_t>(std::min<long long>(v, 65535));
    emit Cambiato();
}

bool TLCasSelector::Acquisisci(TCombinazione& destinazione, bool silenzioso) {
    destinazione.Quanti = 0;
    if (totale_ < 1) return true;
    auto rifiuta = [&](int i, const char* messaggio) {
        if (!silenzioso) {
            messaggi_.Errore(messaggio);
            FuocoACella(i);
        }
        return false;
    };
    std::vector<std::string> testi;
    for (int i = 1; i <= totale_; ++i) testi.push_back(SS(celle_[i - 1]->text()));
    const TLetturaCelle lettura =
        LeggiCelleRisultato(testi, piloti_ ? *piloti_ : TPilotiInGioco::Tutti(NumeroPiloti));
    destinazione = lettura.Valori;  // on a bad cell, the cells before it
    return lettura.Ok || rifiuta(lettura.Cella, lettura.Messaggio.c_str());
}

void TLCasSelector::paintEvent(QPaintEvent*) {
    if (!MostraTestoFisse()) return;
    QPainter p(this);
    const QRect prima = celle_.empty() ? QRect() : celle_[0]->geometry();
    const int ultima = std::min(numFisse_, totale_);
    if (ultima < 1) return;
    const QRect fine = celle_[ultima - 1]->geometry();
    const int sinistra = prima.left(), destra = fine.right();
    const int y = MargineSuperiore() - 3;
    p.setPen(QPen(Qt::red, 1));
    p.drawLine(sinistra, y, destra, y);
    p.drawLine(sinistra, y, sinistra, y + 2);
    p.drawLine(destra, y, destra, y + 2);
    p.setFont(FontDidascalia());
    p.setPen(Qt::black);
    const int altezzaTesto = QFontMetrics(FontDidascalia()).height();
    p.drawText(QRect(sinistra, 0, destra - sinistra + 1, altezzaTesto), Qt::AlignCenter,
               testoFisse_);
}

}  // namespace sirvela
