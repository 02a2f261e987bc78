#include "app/ui/TFormListaPiloti.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormListaPiloti::TFormListaPiloti(int numeroPiloti, const std::vector<std::string>& nomi,
                                   QWidget* parent)
    : QDialog(parent), nomi_(kMassimo) {
    setObjectName("FormPiloti");
    setWindowTitle("Piloti");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (int i = 0; i < kMassimo && i < static_cast<int>(nomi.size()); ++i) nomi_[i] = QS(nomi[i]);

    numero_ = new QSpinBox(this);
    numero_->setObjectName("NumeroPiloti");
    numero_->setRange(kMinimo, kMassimo);

    tabella_ = new QTableWidget(0, 2, this);
    tabella_->setHorizontalHeaderLabels({"Num", "       Nome del Pilota"});
    tabella_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabella_->verticalHeader()->hide();
    tabella_->verticalHeader()->setDefaultSectionSize(22);
    tabella_->setColumnWidth(0, 40);
    tabella_->horizontalHeader()->setStretchLastSection(true);
    tabella_->setMinimumSize(340, 360);
    connect(tabella_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 1 && item->row() < kMassimo) nomi_[item->row()] = item->text();
    });

    numero_->setValue(std::clamp(numeroPiloti, kMinimo, kMassimo));
    CambiaRighe(numero_->value());
    connect(numero_, &QSpinBox::valueChanged, this, &TFormListaPiloti::CambiaRighe);

    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    QPushButton* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    aiuto->setObjectName("BtnAiuto");
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "impostazioni"); });
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* campi = new QFormLayout;
    campi->addRow("Numero dei Piloti", numero_);
    auto* l = new QVBoxLayout(this);
    l->addLayout(campi);
    l->addWidget(tabella_);
    l->addWidget(pulsanti);
}

void TFormListaPiloti::CambiaRighe(int n) {
    const QSignalBlocker blocco(tabella_);
    tabella_->setRowCount(n);
    for (int r = 0; r < n; ++r) {
        auto* num = new QTableWidgetItem(QString::number(r + 1));
        num->setFlags(Qt::ItemIsEnabled);
        tabella_->setItem(r, 0, num);
        tabella_->setItem(r, 1, new QTableWidgetItem(nomi_[r]));
    }
}

std::vector<std::string> TFormListaPiloti::Nomi() const {
    std::vector<std::string> r;
    for (int i = 0; i < Numero(); ++i) {
        const QTableWidgetItem* item = tabella_->item(i, 1);
        r.push_back(SS((item ? item->text() : QString()).left(kLunghezzaNome)));
    }
    return r;
}

}  // namespace sirvela
