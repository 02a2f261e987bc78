#include "printing/ui/TFormStampaBollette.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/Avvio.h"
#include "app/ui/TFormSaver.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "printing/StampaSchedine.h"
#include "printing/StampaTabulato.h"
#include "printing/ui/TFormImpostaTabulato.h"

namespace sirvela {

namespace {

// "Stampa Cedolina" is remembered for the run; no print reads it.
bool cedolinaScelta = false;

}  // namespace

TFormStampaBollette::TFormStampaBollette(T_Sistema& sistema, IMessaggi& messaggi,
                                         ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), sistema_(sistema), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormStampaBollette");
    setWindowTitle("Stampa Schedine");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* su = new QGroupBox("Stampa su", this);
    schedine_ = new QRadioButton(" Schedine", su);
    schedine_->setObjectName("SuSchedine");
    tabulato_ = new QRadioButton(" Tabulato", su);
    tabulato_->setObjectName("SuTabulato");
    impostazioni_ = new QPushButton("Impostazioni...", su);
    impostazioni_->setObjectName("BtnImpostazioni");
    auto* lsu = new QGridLayout(su);
    lsu->addWidget(schedine_, 0, 0);
    lsu->addWidget(tabulato_, 1, 0);
    lsu->addWidget(impostazioni_, 1, 1);
    schedine_->setChecked(true);
    connect(impostazioni_, &QPushButton::clicked, this,
            [this] { ModificaImpostazioniTabulato(this, sistema_, Colonne, messaggi_, scelta_); });

    pausa_ = new QCheckBox("Pausa tra due Schedine", this);
    pausa_->setObjectName("Pausa");
    cedolina_ = new QCheckBox("Stampa Cedolina", this);
    cedolina_->setObjectName("Cedolina");
    cedolina_->setChecked(cedolinaScelta);
    connect(cedolina_, &QCheckBox::toggled, this, [](bool si) { cedolinaScelta = si; });

    auto* orientamento = GruppoOrientamento(this, verticale_, orizzontale_);
    (sistema.Dati.Taratura.Orizzontale ? orizzontale_ : verticale_)->setChecked(true);

    auto* quali = new QGroupBox("Seleziona le Schedine da Stampare", this);
    tutte_ = new QRadioButton(" Tutte", quali);
    tutte_->setObjectName("Tutte");
    intervallo_ = new QRadioButton(" Da", quali);
    intervallo_->setObjectName("Intervallo");
    da_ = new QSpinBox(quali);
    da_->setObjectName("Da");
    a_ = new QSpinBox(quali);
    a_->setObjectName("A");
    for (QSpinBox* s : {da_, a_}) s->setRange(1, 9999);
    auto* lq = new QGridLayout(quali);
    lq->addWidget(tutte_, 0, 0);
    lq->addWidget(intervallo_, 1, 0);
    lq->addWidget(da_, 1, 1);
    lq->addWidget(new QLabel("a", quali), 1, 2);
    lq->addWidget(a_, 1, 3);
    lq->setColumnStretch(4, 1);
    tutte_->setChecked(true);
    da_->setEnabled(false);
    a_->setEnabled(false);
    connect(intervallo_, &QRadioButton::toggled, this, [this](bool si) {
        da_->setEnabled(si);
        a_->setEnabled(si);
    });

    auto* l = new QVBoxLayout(this);
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(su);
    sopra->addWidget(orientamento);
    l->addLayout(sopra);
    l->addWidget(pausa_);
    l->addWidget(cedolina_);
    l->addWidget(quali);
    l->addLayout(RigaStampa(
        *this, pulsanti_, [this](TModoStampa m) { return Stampa(m); }, "stampa-schedine"));
    l->setSizeConstraint(QLayout::SetFixedSize);
}

int TFormStampaBollette::Esegui(TFormSaver& memoria) {
    memoria.Ripristina(*this);
    (sistema_.Dati.Taratura.Orizzontale ? orizzontale_ : verticale_)->setChecked(true);
    const int esito = exec();
    memoria.Salva(*this);
    return esito;
}

TEsitoStampa TFormStampaBollette::Stampa(TModoStampa modo) {
    const bool tutte = tutte_->isChecked();
    if (const char* errore = ControllaSchedineDaStampare(tutte, da_->value(), a_->value())) {
        messaggi_.Errore(errore);
        return TEsitoStampa::Annullata;
    }
    const int da = tutte ? 1 : da_->value();
    const int a = tutte ? 0 : a_->value();
    const auto& dati = sistema_.Dati;
    for (const std::string& errore :
         {ControllaPrimaSchedina(Colonne.Quante(), da),
          ControllaColonneStampabili(Colonne, dati.PilotiInGioco(), da, a)})
        if (!errore.empty()) {
            messaggi_.Errore(errore);
            return TEsitoStampa::Annullata;
        }
    TComandoStampa c;
    c.NomePdf = NomeSenzaEstensione(sistema_.NomeFile) + ".pdf";
    if (tabulato_->isChecked()) {
        TOpzioniTabulato o;
        o.NomeSistema = sistema_.NomeFile;
        o.Da = da;
        o.A = a;
        o.Impostazioni = dati.Tabulato;
        o.Piloti = dati.PilotiInGioco();
        c.Titolo = kTitoloTabulato + NomeSenzaEstensione(sistema_.NomeFile);
        c.Errore = kErroreStampaTabulato;
        c.Disegna = [this, o](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
            return StampaTabulato(p, Colonne, o, k);
        };
        return EseguiStampa(this, modo, c, messaggi_, scelta_);
    }
    TOpzioniSchedine o;
    o.Orizzontale = orizzontale_->isChecked();
    o.Da = da;
    o.A = a;
    o.NomeSistema = sistema_.NomeFile;
    o.Prezzi = dati.Prezzi;
    o.NumeroPiloti = NumeroPiloti;
    o.PilotaEscluso = dati.PilotaEscluso;
    const bool pausa = pausa_->isChecked();
    c.Titolo = kLavoroSchedine;
    c.Errore = kErroreStampaSchedine;
    c.Disegna = [this, o, pausa](TmmPrinter& p, TControlloStampa& k, TModoStampa m) {
        TOpzioniSchedine opzioni = o;
        // Only paper waits for the next ticket to be fed.
        if (pausa && m == TModoStampa::Stampa)
            opzioni.Pausa = [this] {
                messaggi_.Mostra("Informazione", kPausaSchedine, PulsanteOk);
            };
        return StampaSchedine(p, Colonne, sistema_.Dati.Taratura, opzioni, k);
    };
    const TEsitoStampa esito = EseguiStampa(this, modo, c, messaggi_, scelta_);
    if (esito == TEsitoStampa::Completata && modo != TModoStampa::Anteprima &&
        sistema_.Dati.Taratura.Orizzontale != o.Orizzontale) {
        sistema_.Dati.Taratura.Orizzontale = o.Orizzontale;
        SalvaImpostazioniDi(sistema_, &messaggi_);
    }
    return esito;
}

}  // namespace sirvela
