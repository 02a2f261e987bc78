#include "app/ui/TFormCommento.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

QString Unisci(const std::vector<std::string>& righe) {
    QStringList t;
    for (const auto& r : righe) t << QS(r);
    return t.join('\n');
}

std::vector<std::string> Dividi(const QString& testo) {
    std::vector<std::string> r;
    if (testo.isEmpty()) return r;
    for (const QString& riga : testo.split('\n')) r.push_back(SS(riga));
    return r;
}

QDialogButtonBox* Pulsanti(QDialog* d, const char* ok) {
    auto* b = new QDialogButtonBox(d);
    b->addButton(ok, QDialogButtonBox::AcceptRole)->setObjectName("Ok");
    b->addButton("Annulla", QDialogButtonBox::RejectRole)->setObjectName("Annulla");
    QPushButton* aiuto = b->addButton("Aiuto", QDialogButtonBox::HelpRole);
    aiuto->setObjectName("BtnAiuto");
    QObject::connect(aiuto, &QPushButton::clicked, d, [d] { MostraAiuto(d, "sistemi"); });
    QObject::connect(b, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(b, &QDialogButtonBox::rejected, d, &QDialog::reject);
    return b;
}

}  // namespace

TFormCommento::TFormCommento(const std::vector<std::string>& righe, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FormCommento");
    setWindowTitle("Commento");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    testo_ = new QPlainTextEdit(Unisci(righe), this);
    testo_->setMinimumSize(420, 260);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo_);
    l->addWidget(Pulsanti(this, "Ok"));
}

std::vector<std::string> TFormCommento::Righe() const {
    return Dividi(testo_->toPlainText());
}

TFormPartecipanti::TFormPartecipanti(int numero, bool specifica,
                                     const std::vector<std::string>& nomi, Verifica verifica,
                                     QWidget* parent)
    : QDialog(parent), verifica_(std::move(verifica)) {
    setObjectName("FormPartecipanti");
    setWindowTitle("Partecipanti");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    numero_ = new QSpinBox(this);
    numero_->setRange(1, 100);
    numero_->setValue(std::clamp(numero, 1, 100));
    specifica_ = new QCheckBox("Specifica i nomi dei partecipanti", this);
    specifica_->setChecked(specifica);
    nomi_ = new QPlainTextEdit(specifica ? Unisci(nomi) : QString(), this);
    nomi_->setMinimumSize(360, 200);

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("Numero dei Partecipanti al Sistema", this));
    riga->addWidget(numero_);
    riga->addStretch();
    auto* l = new QVBoxLayout(this);
    l->addLayout(riga);
    l->addWidget(specifica_);
    l->addWidget(new QLabel("Nomi dei Partecipanti ", this));
    l->addWidget(nomi_);
    l->addWidget(Pulsanti(this, "OK"));
}

std::vector<std::string> TFormPartecipanti::Nomi() const {
    return Dividi(nomi_->toPlainText());
}

void TFormPartecipanti::accept() {
    std::vector<std::string> righe = Nomi();
    const bool ok = !verifica_ || verifica_(Numero(), Specifica(), righe);
    // What the check kept (blank lines go) is what the box shows from now on.
    nomi_->setPlainText(Unisci(righe));
    if (ok) QDialog::accept();
}

}  // namespace sirvela
