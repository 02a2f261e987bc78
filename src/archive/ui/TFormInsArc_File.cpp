#include "archive/ui/TFormInsArc_File.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/ComandiColonne.h"
#include "app/ui/CursoreAttesa.h"
#include "app/ui/TFormAiuto.h"
#include "archive/TArchivio.h"
#include "core/Errore.h"
#include "core/TDatiSistema.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormInsArc_File::TFormInsArc_File(TCondQuadro& quadro, const TArchivio& archivio,
                                   IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent),
      quadro_(quadro),
      archivio_(archivio),
      messaggi_(messaggi),
      scelta_(scelta),
      modello_(archivio.Quante()) {
    setObjectName("FormInsArc_File");
    setWindowTitle("Inserimento Automatico delle Colonne Filtro");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* sorgente = new QGroupBox("Sorgente", this);
    daArchivio_ = new QRadioButton("Archivio", sorgente);
    daArchivio_->setObjectName("DaArchivio");
    daFile_ = new QRadioButton("File Colonnare", sorgente);
    daFile_->setObjectName("DaFile");

    auto* ga = new QWidget(sorgente);
    gruppoArchivio_ = ga;
    const int quante = std::max(archivio.Quante(), 1);
    inizio_ = new QSpinBox(ga);
    inizio_->setObjectName("Inizio");
    inizio_->setRange(1, quante);
    fine_ = new QSpinBox(ga);
    fine_->setObjectName("Fine");
    fine_->setRange(1, quante);
    auto* la = new QGridLayout(ga);
    la->setContentsMargins(20, 0, 0, 0);
    la->addWidget(new QLabel("Posizione Iniziale", ga), 0, 0);
    la->addWidget(inizio_, 0, 1);
    la->addWidget(new QLabel("Posizione Finale", ga), 1, 0);
    la->addWidget(fine_, 1, 1);
    la->setColumnStretch(2, 1);

    auto* gf = new QWidget(sorgente);
    gruppoFile_ = gf;
    file_ = new QLineEdit(gf);
    file_->setObjectName("File");
    file_->setReadOnly(true);
    file_->setMinimumWidth(260);
    cerca_ = new QPushButton("Cerca..", gf);
    cerca_->setObjectName("Cerca");
    auto* lf = new QHBoxLayout(gf);
    lf->setContentsMargins(20, 0, 0, 0);
    lf->addWidget(file_, 1);
    lf->addWidget(cerca_);

    auto* ls = new QVBoxLayout(sorgente);
    ls->addWidget(daArchivio_);
    ls->addWidget(ga);
    ls->addWidget(daFile_);
    ls->addWidget(gf);

    auto* tipo = new QGroupBox("Tipo di Confronto", this);
    diPosizione_ = new QRadioButton("di Posizione", tipo);
    diPosizione_->setObjectName("DiPosizione");
    aGirare_ = new QRadioButton("a Girare", tipo);
    aGirare_->setObjectName("AGirare");
    auto* lt = new QHBoxLayout(tipo);
    lt->addWidget(diPosizione_);
    lt->addWidget(aGirare_);
    lt->addStretch();

    auto* punti = new QGroupBox("Punti accettati da ogni Colonna Filtro", this);
    auto* lp = new QHBoxLayout(punti);
    lp->setSpacing(2);
    for (int p = 0; p <= 8; ++p) {
        auto* b = new QToolButton(punti);
        b->setObjectName(QString("Punti%1").arg(p));
        b->setText(QString::number(p));
        b->setCheckable(true);
        b->setFixedSize(28, 24);
        punti_[static_cast<std::size_t>(p)] = b;
        lp->addWidget(b);
        connect(b, &QToolButton::toggled, this, [this] {
            modello_.Punti.Svuota();
            for (int v = 0; v <= 8; ++v)
                if (punti_[static_cast<std::size_t>(v)]->isChecked()) modello_.Punti.Aggiungi(v);
        });
    }
    lp->addStretch();

    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    QPushButton* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);

    auto* l = new QVBoxLayout(this);
    l->addWidget(sorgente);
    l->addWidget(tipo);
    l->addWidget(punti);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(daArchivio_, &QRadioButton::toggled, this, [this](bool si) {
        modello_.Sorgente = si ? TSorgenteFiltri::Archivio : TSorgenteFiltri::FileColonnare;
        AggiornaForm();
    });
    connect(inizio_, &QSpinBox::valueChanged, this, [this](int v) {
        modello_.Intervallo.ImpostaInizio(v);
        AggiornaForm();
    });
    connect(fine_, &QSpinBox::valueChanged, this, [this](int v) {
        modello_.Intervallo.ImpostaFine(v);
        AggiornaForm();
    });
    connect(diPosizione_, &QRadioButton::toggled, this, [this](bool si) {
        modello_.Tipo = si ? TTipoConfronto::DiPosizione : TTipoConfronto::AGirare;
    });
    connect(cerca_, &QPushButton::clicked, this, &TFormInsArc_File::BtnCercaClick);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TFormInsArc_File::BtnOkClick);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "inserimento-colonne-filtro"); });
    diPosizione_->setChecked(true);
    AggiornaForm();
}

void TFormInsArc_File::AggiornaForm() {
    const bool archivio = modello_.Sorgente == TSorgenteFiltri::Archivio;
    {
        const QSignalBlocker b1(daArchivio_), b2(daFile_), b3(inizio_), b4(fine_);
        (archivio ? daArchivio_ : daFile_)->setChecked(true);
        inizio_->setValue(modello_.Intervallo.Inizio());
        fine_->setValue(modello_.Intervallo.Fine());
    }
    gruppoArchivio_->setEnabled(archivio && archivio_.Quante() > 0);
    gruppoFile_->setEnabled(!archivio);
    file_->setText(QS(modello_.File.string()));
}

void TFormInsArc_File::BtnCercaClick() {
    if (auto percorso = scelta_.Apri(RichiestaFileColonnare())) {
        modello_.File = *percorso;
        AggiornaForm();
    }
}

void TFormInsArc_File::BtnOkClick() {
    if (modello_.Sorgente == TSorgenteFiltri::FileColonnare && modello_.File.empty()) {
        BtnCercaClick();
        if (modello_.File.empty()) return;
    }
    TCursoreAttesa attesa(messaggi_);
    attesa.Clessidra();
    try {
        aggiunti_ = modello_.Esegui(quadro_, archivio_);
    } catch (const TErroreSirvela& e) {
        attesa.Errore(e.what());
        return;
    }
    accept();
}

int InserisciColonneFiltroAutomatiche(TCondQuadro& quadro, TDatiSistema& dati, IMessaggi& messaggi,
                                      ISceltaFile& scelta, QWidget* genitore) {
    TFormInsArc_File d(quadro, dati.Archivio, messaggi, scelta, genitore);
    return d.exec() == QDialog::Accepted ? d.Aggiunti() : 0;
}

}  // namespace sirvela
