#include "printing/ui/TFormStampaProspetto.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "printing/StampaSchedine.h"
#include "printing/ui/TFormImpostaTabulato.h"

namespace sirvela {

TFormStampaProspetto::TFormStampaProspetto(T_Sistema& sistema, IMessaggi& messaggi,
                                           ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), sistema_(sistema), messaggi_(messaggi), scelta_(scelta) {
    // The dialog memory knows it by this name.
    setObjectName("Prospetto");
    setWindowTitle("Stampa del Prospetto del Sistema");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const TSceltaProspetto predefinita;
    auto* elementi = new QGroupBox("Seleziona gli elementi da stampare", this);
    informazioni_ = new QCheckBox("Informazioni sul Sistema", elementi);
    informazioni_->setObjectName("Informazioni");
    informazioni_->setChecked(predefinita.Informazioni);
    schedina_ = new QCheckBox("Schedina", elementi);
    schedina_->setObjectName("Schedina");
    schedina_->setChecked(predefinita.Schedina);
    condizioni_ = new QCheckBox("Condizioni utilizzate", elementi);
    condizioni_->setObjectName("Condizioni");
    condizioni_->setChecked(predefinita.Condizioni);
    tabulato_ = new QCheckBox("Tabulato delle colonne", elementi);
    tabulato_->setObjectName("Tabulato");
    tabulato_->setChecked(predefinita.Tabulato);
    impostazioni_ = new QPushButton("Impostazioni...", elementi);
    impostazioni_->setObjectName("BtnImpostazioni");
    connect(impostazioni_, &QPushButton::clicked, this, [this] {
        ModificaImpostazioniTabulato(this, sistema_, sistema_.Dati.Colonne, messaggi_, scelta_);
    });
    auto* le = new QGridLayout(elementi);
    le->addWidget(informazioni_, 0, 0);
    le->addWidget(schedina_, 1, 0);
    le->addWidget(condizioni_, 2, 0);
    le->addWidget(tabulato_, 3, 0);
    le->addWidget(impostazioni_, 3, 1);

    auto* copie = new QGroupBox("Copie Multiple", this);
    specificaCopie_ = new QRadioButton("Specifica il numero di Copie", copie);
    specificaCopie_->setObjectName("SpecificaCopie");
    copie_ = new QSpinBox(copie);
    copie_->setObjectName("Copie");
    copie_->setRange(1, kCopieMassime);
    copie_->setValue(predefinita.Copie);
    perPartecipante_ = new QRadioButton("Stampa una Copia per ogni partecipante", copie);
    perPartecipante_->setObjectName("PerPartecipante");
    perPartecipante_->setChecked(true);
    auto* lc = new QGridLayout(copie);
    lc->addWidget(specificaCopie_, 0, 0);
    lc->addWidget(copie_, 0, 1);
    lc->addWidget(perPartecipante_, 1, 0, 1, 2);
    connect(specificaCopie_, &QRadioButton::toggled, copie_, &QSpinBox::setEnabled);

    auto* l = new QVBoxLayout(this);
    l->addWidget(elementi);
    l->addWidget(copie);
    l->addLayout(RigaStampa(
        *this, pulsanti_, [this](TModoStampa m) { return Stampa(m); }, "stampa-prospetto"));
    l->setSizeConstraint(QLayout::SetFixedSize);
    AggiornaCopie();
}

void TFormStampaProspetto::showEvent(QShowEvent* e) {
    AggiornaCopie();
    QDialog::showEvent(e);
}

void TFormStampaProspetto::AggiornaCopie() {
    const bool disponibile = CopiaPerPartecipanteDisponibile(sistema_);
    perPartecipante_->setEnabled(disponibile);
    if (!disponibile) specificaCopie_->setChecked(true);
    copie_->setEnabled(specificaCopie_->isChecked());
}

TSceltaProspetto TFormStampaProspetto::Scelta() const {
    TSceltaProspetto s;
    s.Informazioni = informazioni_->isChecked();
    s.Schedina = schedina_->isChecked();
    s.Condizioni = condizioni_->isChecked();
    s.Tabulato = tabulato_->isChecked();
    s.PerPartecipante = perPartecipante_->isChecked() && perPartecipante_->isEnabled();
    s.Copie = copie_->value();
    return s;
}

TEsitoStampa TFormStampaProspetto::Stampa(TModoStampa modo) {
    const TSceltaProspetto scelta = Scelta();
    if (scelta.Tabulato)
        if (auto errore =
                ControllaColonneStampabili(sistema_.Dati.Colonne, sistema_.Dati.PilotiInGioco());
            !errore.empty()) {
            messaggi_.Errore(errore);
            return TEsitoStampa::Annullata;
        }
    const std::string data = DataDiOggi();
    TComandoStampa c;
    c.Titolo = kLavoroProspetto;
    c.Errore = kErroreStampaProspetto;
    c.NomePdf = NomeSenzaEstensione(sistema_.NomeFile) + " - Prospetto.pdf";
    c.Disegna = [this, scelta, data](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaProspetto(p, sistema_, scelta, data, k);
    };
    return EseguiStampa(this, modo, c, messaggi_, scelta_);
}

}  // namespace sirvela
