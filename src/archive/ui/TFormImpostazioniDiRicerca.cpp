#include "archive/ui/TFormImpostazioniDiRicerca.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "archive/TArchivio.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormImpostazioniDiRicerca::TFormImpostazioniDiRicerca(TArchivio& archivio, QWidget* parent)
    : QDialog(parent), archivio_(archivio), modello_(archivio) {
    setObjectName("FormImpostazioniDiRicerca");
    setWindowTitle("Impostazioni di Ricerca");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* gruppo = new QGroupBox("Concorsi da Prendere in Esame nelle Statistiche", this);
    tutti_ = new QRadioButton("Tutti i concorsi in archivio", gruppo);
    tutti_->setObjectName("Tutti");
    seleziona_ = new QRadioButton("Seleziona i Concorsi ", gruppo);
    seleziona_->setObjectName("Seleziona");

    auto* storico = new QGroupBox("Intervallo Storico", gruppo);
    intervallo_ = storico;
    dal_ = new QComboBox(storico);
    dal_->setObjectName("Dal");
    al_ = new QComboBox(storico);
    al_->setObjectName("Al");
    QStringList voci;
    for (const std::string& v : modello_.Voci()) voci << QS(v);
    dal_->addItems(voci);
    al_->addItems(voci);
    // A long archive: the lists show a screenful and scroll.
    dal_->setMaxVisibleItems(20);
    al_->setMaxVisibleItems(20);
    annoFinale_ = new QLabel(QS(modello_.AnnoFinale()), storico);
    testoInizio_ = new QLabel(storico);
    testoInizio_->setObjectName("TestoInizio");
    testoFine_ = new QLabel(storico);
    testoFine_->setObjectName("TestoFine");
    quanti_ = new QLabel(storico);
    quanti_->setObjectName("Quanti");
    traccia_ = new QFrame(storico);
    traccia_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    traccia_->setFixedSize(TImpostazioniDiRicerca::kLarghezzaTraccia + 4, 14);
    barra_ = new QFrame(traccia_);
    barra_->setObjectName("Barra");
    barra_->setAutoFillBackground(true);
    QPalette p = barra_->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 160));
    barra_->setPalette(p);

    auto* g = new QGridLayout(storico);
    g->addWidget(new QLabel("Dal Concorso", storico), 0, 0);
    g->addWidget(dal_, 0, 1);
    g->addWidget(testoInizio_, 0, 2);
    g->addWidget(new QLabel("al Concorso", storico), 1, 0);
    g->addWidget(al_, 1, 1);
    g->addWidget(testoFine_, 1, 2);
    g->addWidget(annoFinale_, 2, 1);
    g->addWidget(traccia_, 3, 0, 1, 2);
    g->addWidget(quanti_, 3, 2);
    g->setColumnMinimumWidth(2, 190);

    auto* lg = new QVBoxLayout(gruppo);
    lg->addWidget(tutti_);
    lg->addWidget(seleziona_);
    lg->addWidget(storico);

    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    QPushButton* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    auto* l = new QVBoxLayout(this);
    l->addWidget(gruppo);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "impostazioni-di-ricerca"); });
    connect(tutti_, &QRadioButton::toggled, this, [this](bool si) {
        modello_.Tutte = si;
        AggiornaForm();
    });
    connect(dal_, &QComboBox::currentIndexChanged, this, [this](int i) {
        modello_.ScegliInizio(i);
        AggiornaForm();
    });
    connect(al_, &QComboBox::currentIndexChanged, this, [this](int i) {
        modello_.ScegliFine(i);
        AggiornaForm();
    });
    AggiornaForm();
}

void TFormImpostazioniDiRicerca::AggiornaForm() {
    const TImpostazioniDiRicerca& m = modello_;
    {
        const QSignalBlocker b1(tutti_), b2(seleziona_), b3(dal_), b4(al_);
        (m.Tutte ? tutti_ : seleziona_)->setChecked(true);
        dal_->setCurrentIndex(m.Inizio());
        al_->setCurrentIndex(m.Fine());
    }
    intervallo_->setEnabled(m.IntervalloAbilitato());
    testoInizio_->setText(QS(m.TestoInizio()));
    testoFine_->setText(QS(m.TestoFine()));
    quanti_->setText(QString("Concorsi nell'intervallo: %1").arg(m.Lunghezza()));
    barra_->setGeometry(2 + m.SinistraBarra(), 2, m.LarghezzaBarra(), 10);
}

void TFormImpostazioniDiRicerca::accept() {
    modello_.Conferma(archivio_.Selezione);
    QDialog::accept();
}

}  // namespace sirvela
