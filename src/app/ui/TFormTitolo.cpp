#include "app/ui/TFormTitolo.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Globali.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormTitolo::TFormTitolo(const QString& immagine, QWidget* parent) : QDialog(parent) {
    setObjectName("FormTitolo");
    setWindowTitle("Sirvela");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QPixmap figura(immagine);
    if (figura.isNull()) figura.load(":/immagini/intro.png");
    auto* quadro = new QLabel(this);
    quadro->setPixmap(figura);
    quadro->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    versione_ = new QLabel(
        QString("Versione ") + QS(TestoVersione(VersioneFormato)) + " per Windows 95/98/NT", this);
    QFont f = versione_->font();
    f.setBold(true);
    versione_->setFont(f);

    avvio_ = new QPushButton("&Avvio", this);
    avvio_->setDefault(true);
    uscita_ = new QPushButton("Uscita", this);
    for (QPushButton* b : {avvio_, uscita_}) {
        QSizePolicy sp = b->sizePolicy();
        sp.setRetainSizeWhenHidden(true);  // the window keeps its shape while it waits
        b->setSizePolicy(sp);
    }
    connect(uscita_, &QPushButton::clicked, this, &QDialog::reject);
    connect(avvio_, &QPushButton::clicked, this, [this] {
        avvio_->hide();
        uscita_->hide();
        QTimer::singleShot(kAttesaMs, this, [this] { emit Avvia(); });
    });

    auto* basso = new QHBoxLayout;
    basso->addWidget(versione_);
    basso->addStretch();
    basso->addWidget(avvio_);
    basso->addWidget(uscita_);
    auto* l = new QVBoxLayout(this);
    l->addWidget(quadro);
    l->addLayout(basso);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace sirvela
