#include "shop/ui/TFormDatiRicevitoria.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/PulsantiDialogo.h"
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
        c->setMaxLength(TModelloDatiRicevitoria::kLunghezzaDialogo);
        // Room for the whole text in the usual font.
        c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QString(40, 'x')));
        campi->addRow(QString::fromUtf8(etichetta), c);
        campi_[i] = c;
    }

    auto* pulsanti = PulsantiOkAnnullaAiuto(*this, "dati-ricevitoria");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* l = new QVBoxLayout(this);
    l->addLayout(campi);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormDatiRicevitoria::ImpostaOggetto(const TModelloDatiRicevitoria& modello) {
    for (std::size_t i = 0; i < campi_.size(); ++i) {
        // A longer stored text is shown whole, so that "OK" does not cut it.
        const QString testo = QS(modello.Testi[i]);
        campi_[i]->setMaxLength(std::max<int>(TModelloDatiRicevitoria::kLunghezzaDialogo,
                                              static_cast<int>(testo.size())));
        campi_[i]->setText(testo);
    }
}

TModelloDatiRicevitoria TFormDatiRicevitoria::Modello() const {
    TModelloDatiRicevitoria m;
    for (std::size_t i = 0; i < campi_.size(); ++i) m.Testi[i] = SS(campi_[i]->text());
    return m;
}

}  // namespace sirvela
