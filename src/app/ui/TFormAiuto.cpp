#include "app/ui/TFormAiuto.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/Conversioni.h"
#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

TFormAiuto::TFormAiuto(QWidget* parent) : QDialog(parent) {
    setObjectName("FormAiuto");
    setWindowTitle("Guida di Sirvela");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    testo_ = new QTextBrowser(this);
    testo_->setOpenLinks(true);
    testo_->setSource(QUrl("qrc:/aiuto/sirvela.html"));
    auto* chiudi = new QPushButton("Chiudi", this);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo_);
    l->addWidget(chiudi, 0, Qt::AlignRight);
    resize(560, 520);
}

void TFormAiuto::MostraArgomento(const QString& argomento) {
    if (!argomento.isEmpty() && QFile::exists(":/aiuto/" + argomento + ".html")) {
        testo_->setSource(QUrl("qrc:/aiuto/" + argomento + ".html"));
        return;
    }
    QUrl u("qrc:/aiuto/sirvela.html");
    if (!argomento.isEmpty()) u.setFragment(argomento);
    testo_->setSource(u);
    if (argomento.isEmpty()) testo_->scrollToAnchor("sommario");
}

void MostraAiuto(QWidget* parent, const QString& argomento) {
    TFormAiuto f(parent);
    f.MostraArgomento(argomento);
    f.exec();
}

TFormInformazioni::TFormInformazioni(QWidget* parent) : QDialog(parent) {
    setObjectName("FormInformazioni");
    setWindowTitle("Informazioni su Sirvela");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(":/immagini/intro.png").scaledToWidth(300, Qt::SmoothTransformation));
    auto* testo =
        new QLabel(QString("<p><b>Sirvela %1</b></p>"
                           "<p>Sistemi per il gioco dell'ordine d'arrivo:<br>"
                           "scelta dei piloti per le otto posizioni, costo delle colonne,<br>"
                           "salvataggio dei sistemi e delle colonne.</p>")
                       .arg(QS(TestoVersione(kVersioneFormatoProgramma))),
                   this);
    testo->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton("Ok", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(logo, 0, Qt::AlignCenter);
    l->addWidget(testo);
    l->addWidget(ok, 0, Qt::AlignCenter);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace sirvela
