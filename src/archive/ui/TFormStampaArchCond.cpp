#include "archive/ui/TFormStampaArchCond.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "archive/StampaAndamentoCondizioni.h"

namespace sirvela {

TFormStampaArchCond::TFormStampaArchCond(TDatiSistema& dati, const TVisualizzazioneArchivio& vista,
                                         IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), vista_(dati), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormStampaArchCond");
    setWindowTitle("Stampa Archivio");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int n = std::max(vista_.Righe(), 1);
    auto* estrazioni = new QGroupBox("Estrazioni da Stampare", this);
    iniziale_ = new QSpinBox(estrazioni);
    finale_ = new QSpinBox(estrazioni);
    for (QSpinBox* s : {iniziale_, finale_}) s->setRange(1, n);
    finale_->setValue(n);
    iniziale_->setValue(std::max(1, n - 35));
    CollegaIntervallo(iniziale_, finale_);
    auto* le = new QFormLayout(estrazioni);
    le->addRow("Posizione Iniziale", iniziale_);
    le->addRow("Posizione Finale", finale_);

    auto* gruppi = new QGroupBox("Condizioni da Visualizzare", this);
    auto* lg = new QGridLayout(gruppi);
    for (int g = 0; g < kGruppiVista; ++g) {
        auto* c = new QCheckBox(GruppiVista()[static_cast<std::size_t>(g)].Casella, gruppi);
        c->setChecked(vista.Visibile(g));
        vista_.ImpostaVisibile(g, vista.Visibile(g));
        connect(c, &QCheckBox::toggled, this,
                [this, g](bool si) { vista_.ImpostaVisibile(g, si); });
        caselle_[static_cast<std::size_t>(g)] = c;
        lg->addWidget(c, g / 3, g % 3);
    }

    auto* lo = new QVBoxLayout(this);
    lo->addWidget(estrazioni);
    lo->addWidget(gruppi);
    lo->addLayout(RigaStampa(
        *this, pulsanti_, [this](TModoStampa m) { return Stampa(m); }, "visualizzazione-archivio"));
    const bool vuoto = vista_.Righe() == 0;
    for (QPushButton* b : {pulsanti_->Stampa(), pulsanti_->Anteprima(), pulsanti_->Pdf()})
        b->setEnabled(!vuoto);
}

TEsitoStampa TFormStampaArchCond::Stampa(TModoStampa modo) {
    TComandoStampa c;
    c.Titolo = kTitoloAndamentoCondizioni;
    c.Errore = kErroreAndamentoCondizioni;
    c.NomePdf = "Archivio.pdf";
    c.Orizzontale = true;
    const int dal = iniziale_->value();
    const int al = finale_->value();
    c.Disegna = [this, dal, al](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaAndamentoCondizioni(p, vista_, dal, al, k);
    };
    return EseguiStampa(this, modo, c, messaggi_, scelta_);
}

}  // namespace sirvela
