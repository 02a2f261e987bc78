#include "shop/ui/TFormDatiRicevitoria.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormDatiRicevitoria::TFormDatiRicevitoria(QWidget* parent) : QDialog(parent) {
    setObjectName("FormDatiRicevitoria");
    setWindowTitle("Dati Ricevitoria");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* campi = new QFormLayout;
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        const char* etichetta = TModelloDatiRicevitoria::kEtichette[i];
        auto* c = new QLineEdit(this);
        c->setObjectName(QString("Dato%1").arg(i + 1));
        c->setMaxLength(TModelloDatiRicevitoria::kLunghezzaMassima);
        // Room for the whole text in the usual font.
        c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QString(40, 'x')));
        campi->addRow(QString::fromUtf8(etichetta), c);
        campi_[i] = c;
    }

    auto* pulsanti = new QDialogButtonBox(this);
    QPushButton* ok = pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("BtnOk");
    ok->setDefault(true);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    QPushButton* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "dati-ricevitoria"); });

    auto* l = new QVBoxLayout(this);
    l->addLayout(campi);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormDatiRicevitoria::ImpostaOggetto(const TModelloDatiRicevitoria& modello) {
    for (std::size_t i = 0; i < campi_.size(); ++i) campi_[i]->setText(QS(modello.Testi[i]));
}

TModelloDatiRicevitoria TFormDatiRicevitoria::Modello() const {
    TModelloDatiRicevitoria m;
    for (std::size_t i = 0; i < campi_.size(); ++i) m.Testi[i] = SS(campi_[i]->text());
    return m;
}

}  // namespace sirvela
