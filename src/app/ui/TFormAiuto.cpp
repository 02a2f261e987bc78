#include "app/ui/TFormAiuto.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Globali.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormAiuto::TFormAiuto(QWidget* parent) : QDialog(parent) {
    setObjectName("FormAiuto");
    setWindowTitle("Guida di Sirvela");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    testo_ = new QTextBrowser(this);
    testo_->setOpenLinks(true);
    auto* sommario = new QPushButton("Sommario", this);
    sommario->setObjectName("Sommario");
    connect(sommario, &QPushButton::clicked, this, &TFormAiuto::MostraSommario);
    auto* chiudi = new QPushButton("Chiudi", this);
    chiudi->setObjectName("Chiudi");
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(sommario);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo_);
    l->addLayout(pulsanti);
    resize(600, 560);
    MostraSommario();
}

namespace {

const char* const kCartellaAiuto = ":/aiuto/";
const char* const kSommario = "sommario";

QString Leggi(const QString& nome) {
    QFile f(kCartellaAiuto + nome + ".html");
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

}  // namespace

std::vector<std::pair<QString, QString>> TFormAiuto::Argomenti() {
    std::vector<std::pair<QString, QString>> argomenti;
    static const QRegularExpression titolo("<title>(.*)</title>");
    for (const QString& file : QDir(kCartellaAiuto).entryList({"*.html"}, QDir::Files)) {
        const QString nome = file.chopped(5);
        if (nome == kSommario) continue;
        const auto m = titolo.match(Leggi(nome));
        argomenti.emplace_back(nome, m.hasMatch() ? m.captured(1) : nome);
    }
    std::sort(argomenti.begin(), argomenti.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    return argomenti;
}

void TFormAiuto::MostraSommario() {
    QString elenco = "<ul>\n";
    for (const auto& [nome, titolo] : Argomenti())
        elenco += QString("<li><a href=\"qrc:/aiuto/%1.html\">%2</a></li>\n").arg(nome, titolo);
    elenco += "</ul>";
    testo_->setHtml(Leggi(kSommario).replace("<!--argomenti-->", elenco));
}

void TFormAiuto::MostraArgomento(const QString& argomento) {
    if (argomento.isEmpty() || !QFile::exists(kCartellaAiuto + argomento + ".html")) {
        MostraSommario();
        return;
    }
    testo_->setSource(QUrl("qrc:/aiuto/" + argomento + ".html"));
}

void MostraAiuto(QWidget* genitore, const QString& argomento) {
    TFormAiuto f(genitore);
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
