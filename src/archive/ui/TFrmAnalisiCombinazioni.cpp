#include "archive/ui/TFrmAnalisiCombinazioni.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/StampaFrequenzeNumeri.h"
#include "archive/ui/TabellaPiloti.h"
#include "core/Globali.h"
#include "tools/ui/TPannelliSchedine.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFrmAnalisiCombinazioni::TFrmAnalisiCombinazioni(const TListaColonne& colonne, IMessaggi& messaggi,
                                                 ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
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
    griglia_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia_->horizontalHeader()->setDefaultSectionSize(64);
    griglia_->setColumnWidth(0, 44);
    griglia_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia_->setSelectionMode(QAbstractItemView::NoSelection);
    griglia_->setMinimumWidth(44 + 8 * 64 + 24);
    RighePerOgniPilota(*griglia_);

    auto* sotto = PulsantiOkAiuto(*this, "frequenza-numeri");
    sotto->insertWidget(0, valori_);
    sotto->insertWidget(1, percento_);
    pulsanti_ = new TPulsantiStampa(this);
    sotto->insertWidget(2, pulsanti_);
    connect(pulsanti_, &TPulsantiStampa::Scelto, this, [this](TModoStampa m) { Stampa(m); });
    auto* l = new QVBoxLayout(this);
    l->addWidget(griglia_, 1);
    l->addLayout(sotto);
    Ridisegna();
}

TEsitoStampa TFrmAnalisiCombinazioni::Stampa(TModoStampa modo) {
    TComandoStampa c;
    c.Titolo = kTitoloFrequenzeNumeri;
    c.Errore = kErroreFrequenzeNumeri;
    c.NomePdf = "Frequenze.pdf";
    const bool percento = percento_->isChecked();
    c.Disegna = [this, percento](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaFrequenzeNumeri(p, frequenze_, percento, k);
    };
    return EseguiStampa(this, modo, c, messaggi_, scelta_);
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
