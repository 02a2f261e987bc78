#include "app/ui/TFormTitolo.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Globali.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

// The system and processor this program was built for: "Linux (x86_64)".
QString PiattaformaProgramma() {
#if defined(Q_OS_LINUX)
    const QString sistema = "Linux";
#elif defined(Q_OS_WIN)
    const QString sistema = "Windows";
#elif defined(Q_OS_MACOS)
    const QString sistema = "macOS";
#else
    const QString sistema = QSysInfo::kernelType();
#endif
    return sistema + " (" + QSysInfo::buildCpuArchitecture() + ")";
}

}  // namespace

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
        "Versione " + QS(TestoVersione(VersioneFormato)) + " per " + PiattaformaProgramma(), this);
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
