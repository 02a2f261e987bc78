#include "archive/ui/TFrmAnalisiCombinazioni.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFrmAnalisiCombinazioni::TFrmAnalisiCombinazioni(const TListaColonne& colonne, QWidget* parent)
    : QDialog(parent) {
    setObjectName("FrmAnalisiCombinazioni");
    setWindowTitle("Frequenza dei Numeri nelle Colonne");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    frequenze_.Calcola(colonne);
    QApplication::restoreOverrideCursor();

    percento_ = new QRadioButton("%", this);
    percento_->setObjectName("Percento");
    valori_ = new QRadioButton("Valori", this);
    valori_->setObjectName("Valori");
    valori_->setChecked(true);
    connect(valori_, &QRadioButton::toggled, this, [this] { Ridisegna(); });

    griglia_ = new QTableWidget(this);
    griglia_->setObjectName("Griglia");
    griglia_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    griglia_->setColumnCount(9);
    QStringList titoli{"Num."};
    for (int q = 1; q <= 8; ++q) titoli << QString("  %1º").arg(q);
    griglia_->setHorizontalHeaderLabels(titoli);
    griglia_->verticalHeader()->hide();
    griglia_->verticalHeader()->setDefaultSectionSize(20);
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->horizontalHeader()->setDefaultSectionSize(64);
    griglia_->setColumnWidth(0, 44);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->setSelectionMode(QAbstractItemView::NoSelection);
    // Every pilot in view without scrolling.
    griglia_->setMinimumSize(44 + 8 * 64 + 24,
                             20 * std::clamp<int>(NumeroPiloti, 1, kMaxPiloti) +
                                 griglia_->horizontalHeader()->sizeHint().height() +
                                 2 * griglia_->frameWidth());

    auto* ok = new QPushButton("OK", this);
    auto* aiuto = new QPushButton("Aiuto", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "frequenza-numeri"); });
    auto* sotto = new QHBoxLayout;
    sotto->addWidget(valori_);
    sotto->addWidget(percento_);
    sotto->addStretch();
    sotto->addWidget(ok);
    sotto->addWidget(aiuto);
    auto* l = new QVBoxLayout(this);
    l->addWidget(griglia_, 1);
    l->addLayout(sotto);
    Ridisegna();
}

void TFrmAnalisiCombinazioni::Ridisegna() {
    const int n = std::clamp<int>(NumeroPiloti, 1, kMaxPiloti);
    const bool percento = percento_->isChecked();
    griglia_->setRowCount(n);
    for (int pilota = 1; pilota <= n; ++pilota) {
        auto* numero = new QTableWidgetItem(QString::number(pilota));
        numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        griglia_->setItem(pilota - 1, 0, numero);
        for (int q = 1; q <= 8; ++q) {
            auto* cella = new QTableWidgetItem(QS(frequenze_.Testo(pilota, q, percento)));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            griglia_->setItem(pilota - 1, q, cella);
        }
    }
}

}  // namespace sirvela
