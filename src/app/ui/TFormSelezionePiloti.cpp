#include "app/ui/TFormSelezionePiloti.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "core/Testo.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {
constexpr int kEvidenziata = Qt::UserRole + 1;
}

TFormSelezionePiloti::TFormSelezionePiloti(int posizione, const std::vector<std::string>& nomi,
                                           int numeroPiloti, const TCombinazione& scelti,
                                           QWidget* parent)
    : QDialog(parent), scelti_(scelti) {
    setObjectName("FormSelezionePiloti");
    setWindowTitle(QString("Seleziona i piloti nella %1º posizione").arg(posizione));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    tabella_ = new QTableWidget(kRighe, 2, this);
    tabella_->horizontalHeader()->hide();
    tabella_->verticalHeader()->hide();
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionMode(QAbstractItemView::NoSelection);
    tabella_->setFocusPolicy(Qt::NoFocus);
    tabella_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabella_->setColumnWidth(0, 190);
    tabella_->setColumnWidth(1, 190);
    for (int r = 0; r < kRighe; ++r) tabella_->setRowHeight(r, 20);
    tabella_->setFixedSize(190 * 2 + 2 * tabella_->frameWidth(),
                           20 * kRighe + 2 * tabella_->frameWidth());
    const int quanti = std::clamp(numeroPiloti, 0, kMaxPiloti);
    for (int k = 0; k < 2 * kRighe; ++k) {
        QString testo;
        if (k < quanti) {
            const std::string nome = k < static_cast<int>(nomi.size()) ? nomi[k] : std::string();
            testo = QString("%1) ").arg(k + 1) + QS(nome);
        }
        auto* item = new QTableWidgetItem(testo);
        tabella_->setItem(k % kRighe, k / kRighe, item);
        Evidenzia(k, k < quanti && scelti_.Contiene(k + 1));
    }
    connect(tabella_, &QTableWidget::cellClicked, this,
            [this](int riga, int colonna) { CliccaCella(colonna * kRighe + riga); });

    auto* etichetta = new QLabel("Piloti Selezionati :", this);
    conteggio_ = new QLabel(QString::number(scelti_.Conta()), this);
    conteggio_->setObjectName("Conteggio");
    auto* chiudi = new QPushButton("Chiudi", this);
    chiudi->setDefault(true);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("BtnAiuto");
    aiuto->setAutoDefault(false);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "finestra-principale"); });

    auto* basso = new QHBoxLayout;
    basso->addWidget(etichetta);
    basso->addWidget(conteggio_);
    basso->addStretch();
    basso->addWidget(chiudi);
    basso->addWidget(aiuto);
    auto* l = new QVBoxLayout(this);
    l->addWidget(tabella_);
    l->addLayout(basso);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFormSelezionePiloti::Evidenziata(int k) const {
    const QTableWidgetItem* c = Cella(k);
    return c && c->data(kEvidenziata).toBool();
}

void TFormSelezionePiloti::Evidenzia(int k, bool acceso) {
    QTableWidgetItem* c = Cella(k);
    c->setData(kEvidenziata, acceso);
    c->setBackground(acceso ? palette().brush(QPalette::Highlight)
                            : palette().brush(QPalette::Base));
    c->setForeground(acceso ? palette().brush(QPalette::HighlightedText)
                            : palette().brush(QPalette::Text));
}

void TFormSelezionePiloti::CliccaCella(int k) {
    QTableWidgetItem* c = Cella(k);
    if (!c) return;
    // "n) " alone is a pilot without a name: it cannot be chosen here.
    if (Comprimi(SS(c->text())).size() <= 3) return;
    Evidenzia(k, !Evidenziata(k));
    scelti_.Svuota();
    for (int i = 0; i < 2 * kRighe; ++i)
        if (Evidenziata(i)) scelti_.Aggiungi(i + 1);
    conteggio_->setText(QString::number(scelti_.Conta()));
    emit Cambiato(scelti_);
}

}  // namespace sirvela
