#include "conditions/ui/TFrmPtTra.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "conditions/TCondPuntiTra.h"
#include "conditions/ui/Modifica.h"
#include "widgets/Conversioni.h"
#include "widgets/TGrigliaIntervalli.h"

namespace sirvela {

namespace {

QLineEdit* CampoTotale(QWidget* parent, const char* nome) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nome);
    e->setReadOnly(true);
    e->setFixedWidth(64);
    e->setAlignment(Qt::AlignRight);
    return e;
}

}  // namespace

TFrmPtTra::TFrmPtTra(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Punti Tra", "punti-tra", parent) {
    setObjectName("FrmPtTra");
    gruppo_ = new QSpinBox(this);
    gruppo_->setObjectName("GruppoTra");
    gruppo_->setRange(1, TModelloPuntiTra::kGruppi);
    gruppo_->setFixedWidth(56);
    min_ = CampoTotale(this, "Min");
    max_ = CampoTotale(this, "Max");
    auto* testa = new QHBoxLayout;
    testa->addWidget(new QLabel("Gruppo Tra :", this));
    testa->addWidget(gruppo_);
    testa->addStretch();
    testa->addWidget(new QLabel("Min", this));
    testa->addWidget(min_);
    testa->addSpacing(12);
    testa->addWidget(new QLabel("Max", this));
    testa->addWidget(max_);
    Corpo()->addLayout(testa);

    intestazione_ = new QLabel(this);
    intestazione_->setObjectName("Intestazione");
    elenco_ = new QListWidget(this);
    elenco_->setObjectName("Elenco");
    elenco_->setFixedHeight(elenco_->fontMetrics().height() * 6 + 8);
    Corpo()->addWidget(intestazione_);
    Corpo()->addWidget(elenco_);

    auto* box = new QGroupBox("Punti Ammessi", this);
    griglia_ = new TGrigliaIntervalli(box);
    griglia_->setObjectName("PuntiAmmessi");
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(6, 4, 6, 6);
    l->addWidget(griglia_);
    Corpo()->addWidget(box);
    modello_.Collega(&griglia_->Modello());

    connect(gruppo_, &QSpinBox::valueChanged, this, &TFrmPtTra::GruppoCambiato);
    connect(elenco_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { ApriCondizione(elenco_->row(i)); });
}

void TFrmPtTra::ImpostaOggetto(TCondizione& c) {
    modello_.ImpostaOggetto(dynamic_cast<TCondPuntiTra*>(&c));
    AggiornaForm();
}

void TFrmPtTra::AggiornaForm() {
    MostraStato(modello_.Attivato());
    MostraGruppo();
    AggiornaAnalisi(modello_.Oggetto());
}

void TFrmPtTra::MostraGruppo() {
    const QSignalBlocker blocco(gruppo_);
    gruppo_->setValue(modello_.Gruppo());
    intestazione_->setText(QS(modello_.Intestazione()));
    elenco_->clear();
    for (int i = 0; i < modello_.Righe(); ++i) elenco_->addItem(QS(modello_.Riga(i)));
    min_->setText(QString::number(modello_.Esame().Min));
    max_->setText(QString::number(modello_.Esame().Max));
    griglia_->Aggiorna();
}

void TFrmPtTra::GruppoCambiato(int gruppo) {
    const TErroreGriglia e = modello_.ImpostaGruppo(gruppo);
    if (!e.Ok()) {
        SegnalaErrore(e);
        const QSignalBlocker blocco(gruppo_);
        gruppo_->setValue(modello_.Gruppo());
        return;
    }
    MostraGruppo();
}

void TFrmPtTra::ApriCondizione(int riga) {
    TCondizione* c = modello_.CondizioneRiga(riga);
    if (!c) return;
    // The condition is the system's own: its "OK" changes the document whatever this dialog
    // does afterwards.
    if (Modifica(*c, messaggi_, this)) cambiato_ = true;
    modello_.Esamina();
    MostraGruppo();
}

void TFrmPtTra::SegnalaErrore(const TErroreGriglia& e) {
    messaggi_.Mostra("Informazione", e.Messaggio, PulsanteOk);
    griglia_->MostraErrore(e);
}

bool TFrmPtTra::AcquisisceForm() {
    TErroreGriglia e;
    const bool cambiato = modello_.Applica(&e);
    if (!e.Ok()) {
        MostraGruppo();
        SegnalaErrore(e);
        return false;
    }
    cambiato_ = cambiato_ || cambiato;
    return true;
}

void TFrmPtTra::Azzera() {
    modello_.Azzera();
    griglia_->Aggiorna();
}

}  // namespace sirvela
