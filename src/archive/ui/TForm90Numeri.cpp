#include "archive/ui/TForm90Numeri.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "archive/ui/TFormStNumAmbi.h"
#include "archive/ui/TabellaPiloti.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TForm90Numeri::TForm90Numeri(const TArchivio& archivio, IMessaggi& messaggi, ISceltaFile& scelta,
                             QWidget* parent)
    : QDialog(parent), archivio_(archivio), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("Form90Numeri");
    setWindowTitle("Analisi statistica dei partenti");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* ordina = new QGroupBox("Ordina i dati per", this);
    auto* lo = new QVBoxLayout(ordina);
    const char* nomiChiavi[] = {"Numeri", "Uscite", "Ritardo", "IC"};
    for (std::size_t k = 0; k < chiavi_.size(); ++k) {
        chiavi_[k] = new QRadioButton(nomiChiavi[k], ordina);
        chiavi_[k]->setObjectName(QString("Chiave") + nomiChiavi[k]);
        lo->addWidget(chiavi_[k]);
        connect(chiavi_[k], &QRadioButton::toggled, this, [this](bool si) {
            if (si) Ordina();
        });
    }
    {
        const QSignalBlocker b(chiavi_[0]);  // the table is built once everything exists
        chiavi_[0]->setChecked(true);
    }

    auto* ordine = new QGroupBox("Ordine", this);
    crescente_ = new QRadioButton("Crescente", ordine);
    crescente_->setObjectName("Crescente");
    decrescente_ = new QRadioButton("Decresc.", ordine);
    decrescente_->setObjectName("Decrescente");
    crescente_->setChecked(true);
    auto* lr = new QVBoxLayout(ordine);
    lr->addWidget(crescente_);
    lr->addWidget(decrescente_);
    lr->addStretch();
    connect(crescente_, &QRadioButton::toggled, this, [this] { Ordina(); });

    auto* posizione = new QGroupBox("Posizione", this);
    auto* lp = new QHBoxLayout(posizione);
    lp->setSpacing(2);
    gruppoPosizioni_ = new QButtonGroup(this);
    for (int p = 1; p <= 8; ++p) {
        auto* b = new QToolButton(posizione);
        b->setObjectName(QString("Posizione%1").arg(p));
        b->setText(QString::number(p));
        b->setCheckable(true);
        b->setFixedSize(26, 24);
        posizioni_[static_cast<std::size_t>(p - 1)] = b;
        gruppoPosizioni_->addButton(b, p);
        lp->addWidget(b);
    }
    posizioni_[0]->setChecked(true);  // before it is listened to
    connect(gruppoPosizioni_, &QButtonGroup::idToggled, this, [this](int, bool si) {
        if (si) Calcola();
    });

    concorsi_ = new QLabel(this);

    tabella_ = new QTableWidget(this);
    tabella_->setObjectName("Tabella");
    tabella_->setColumnCount(TGestoreRighe::kColonne);
    tabella_->setHorizontalHeaderLabels(
        {" Pos.", " Numero", " Uscite", " Frequenza", "  Rit. Att.", "  Rit. Max", "    IC"});
    tabella_->verticalHeader()->hide();
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabella_->horizontalHeader()->setDefaultSectionSize(72);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionMode(QAbstractItemView::NoSelection);
    tabella_->setMinimumWidth(72 * TGestoreRighe::kColonne + 24);
    RighePerOgniPilota(*tabella_);

    stampa_ = new QPushButton("Stampa", this);
    connect(stampa_, &QPushButton::clicked, this, [this] {
        TFormStNumAmbi d(righe_, messaggi_, scelta_, this);
        // A print that went out, or failed, ends the statistics window too.
        if (d.exec() == QDialog::Accepted) accept();
    });
    auto* chiudi = new QPushButton("OK", this);
    auto* aiuto = new QPushButton("Aiuto", this);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "analisi-partenti"); });

    auto* comandi = new QVBoxLayout;
    comandi->addWidget(ordina);
    comandi->addWidget(ordine);
    comandi->addStretch();
    comandi->addWidget(stampa_);
    comandi->addWidget(chiudi);
    comandi->addWidget(aiuto);
    auto* destra = new QVBoxLayout;
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(posizione);
    sopra->addWidget(concorsi_, 1, Qt::AlignBottom);
    destra->addLayout(sopra);
    destra->addWidget(tabella_, 1);
    auto* l = new QHBoxLayout(this);
    l->addLayout(destra, 1);
    l->addLayout(comandi);
    Calcola();
}

int TForm90Numeri::PosizioneScelta() const {
    const int p = gruppoPosizioni_->checkedId();
    return p < 1 ? 1 : p;
}

TChiaveOrdine TForm90Numeri::ChiaveScelta() const {
    for (std::size_t k = 0; k < chiavi_.size(); ++k)
        if (chiavi_[k]->isChecked()) return static_cast<TChiaveOrdine>(k);
    return TChiaveOrdine::Numeri;
}

void TForm90Numeri::Calcola() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    righe_.Calcola(archivio_, PosizioneScelta());
    QApplication::restoreOverrideCursor();
    Ordina();
}

void TForm90Numeri::Ordina() {
    righe_.Ordina(ChiaveScelta(), crescente_->isChecked());
    Ridisegna();
}

void TForm90Numeri::Ridisegna() {
    concorsi_->setText(QString("Concorsi esaminati: %1").arg(righe_.Estrazioni()));
    tabella_->setRowCount(righe_.Quante());
    const QBrush evidenziata(QColor(255, 255, 160));
    for (int r = 0; r < righe_.Quante(); ++r) {
        const auto testi = righe_.Testi(r);
        const bool accesa = righe_.Evidenziata(r);
        for (int c = 0; c < TGestoreRighe::kColonne; ++c) {
            auto* cella = new QTableWidgetItem(QS(testi[static_cast<std::size_t>(c)]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (accesa) cella->setBackground(evidenziata);
            tabella_->setItem(r, c, cella);
        }
    }
}

}  // namespace sirvela
