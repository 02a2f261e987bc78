#include "development/ui/TFrmImpSv.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFrmImpSv::TFrmImpSv(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmImpSv");
    setWindowTitle("Impostazioni di Sviluppo");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* elaborazione = new QGroupBox("Elaborazione", this);
    usaCondizioni_ = new QCheckBox("Usa i Condizionamenti", elaborazione);
    usaCondizioni_->setObjectName("UsaCondizioni");
    autoriduzione_ = new QCheckBox("Autoriduzione", elaborazione);
    autoriduzione_->setObjectName("Autoriduzione");
    boxRiduzione_ = new QGroupBox("Impostazioni di Autoriduzione", elaborazione);
    garanzia_ = new QSpinBox(boxRiduzione_);
    garanzia_->setObjectName("Garanzia");
    garanzia_->setRange(TImpostazioniSviluppo::kGaranziaMinima,
                        TImpostazioniSviluppo::kGaranziaMassima);
    vincite_ = new QSpinBox(boxRiduzione_);
    vincite_->setObjectName("VinciteMultiple");
    vincite_->setRange(1, TImpostazioniSviluppo::kVinciteMassime);
    garanzia_->setFixedWidth(70);
    vincite_->setFixedWidth(70);
    ottimizzata_ = new QCheckBox("Riduzione Ottimizzata", boxRiduzione_);
    ottimizzata_->setObjectName("Ottimizzata");
    migliorata_ = new QCheckBox("Riduzione Migliorata", boxRiduzione_);
    migliorata_->setObjectName("Migliorata");
    migliorata_->setToolTip(
        "Parte dalla riduzione ottimizzata e cerca meno colonne con la stessa garanzia, per il "
        "tempo o le iterazioni indicati");
    // The search of the improved reduction: 0 and an empty field mean no limit.
    secondi_ = new QSpinBox(boxRiduzione_);
    secondi_->setObjectName("SecondiMigliorata");
    secondi_->setRange(0, static_cast<int>(TImpostazioniSviluppo::kSecondiMassimi));
    secondi_->setSpecialValueText("Nessun limite");
    secondi_->setSuffix(" s");
    secondi_->setFixedWidth(130);
    const auto cifre = [this](const char* nome, int quante) {
        auto* e = new QLineEdit(boxRiduzione_);
        e->setObjectName(nome);
        e->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QString("[0-9]{0,%1}").arg(quante)), e));
        e->setFixedWidth(130);
        return e;
    };
    iterazioni_ = cifre("IterazioniMigliorata", 12);
    iterazioni_->setPlaceholderText("Nessun limite");
    iterazioni_->setToolTip(
        "Passi di ciascuna delle catene di ricerca: con lo stesso seme danno le stesse colonne "
        "su ogni computer. Senza tempo né iterazioni la ricerca dura 60 secondi");
    seme_ = cifre("SemeMigliorata", 18);
    seme_->setToolTip("Un altro seme fa cercare per un'altra strada");
    auto* fr = new QFormLayout(boxRiduzione_);
    fr->addRow("Garanzia Minima", garanzia_);
    fr->addRow("Vincite Multiple", vincite_);
    fr->addRow(ottimizzata_);
    fr->addRow(migliorata_);
    fr->addRow("Tempo Massimo", secondi_);
    fr->addRow("Iterazioni", iterazioni_);
    fr->addRow("Seme", seme_);
    auto* le = new QVBoxLayout(elaborazione);
    le->addWidget(usaCondizioni_);
    le->addWidget(autoriduzione_);
    le->addWidget(boxRiduzione_);

    auto* sorgente = new QGroupBox("Sorgente delle Colonne", this);
    daPronostico_ = new QRadioButton(" Pronostico", sorgente);
    daPronostico_->setObjectName("DaPronostico");
    daFile_ = new QRadioButton(" File Colonnare", sorgente);
    daFile_->setObjectName("DaFile");
    nomeSorgente_ = new QLineEdit(sorgente);
    nomeSorgente_->setObjectName("FileSorgente");
    nomeSorgente_->setMinimumWidth(320);
    cercaSorgente_ = new QPushButton("Cerca..", sorgente);
    cercaSorgente_->setObjectName("CercaSorgente");
    auto* ls = new QGridLayout(sorgente);
    ls->addWidget(daPronostico_, 0, 0);
    ls->addWidget(daFile_, 0, 1);
    ls->addWidget(nomeSorgente_, 1, 0, 1, 2);
    ls->addWidget(cercaSorgente_, 1, 2);

    auto* destinazione = new QGroupBox("Destinazione delle Colonne", this);
    inMemoria_ = new QRadioButton(" Memoria", destinazione);
    inMemoria_->setObjectName("InMemoria");
    suFile_ = new QRadioButton(" File", destinazione);
    suFile_->setObjectName("SuFile");
    nomeDestinazione_ = new QLineEdit(destinazione);
    nomeDestinazione_->setObjectName("FileDestinazione");
    nomeDestinazione_->setMinimumWidth(320);
    cercaDestinazione_ = new QPushButton("Cerca..", destinazione);
    cercaDestinazione_->setObjectName("CercaDestinazione");
    auto* ld = new QGridLayout(destinazione);
    ld->addWidget(inMemoria_, 0, 0);
    ld->addWidget(suFile_, 0, 1);
    ld->addWidget(nomeDestinazione_, 1, 0, 1, 2);
    ld->addWidget(cercaDestinazione_, 1, 2);

    // Clicks, not state changes: a click on an option already chosen marks the settings
    // changed too, while loading the controls does not.
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             usaCondizioni_, autoriduzione_, daPronostico_, daFile_, inMemoria_, suFile_})
        connect(b, &QAbstractButton::clicked, this, &TFrmImpSv::Clic);
    for (QCheckBox* c : {ottimizzata_, migliorata_})
        connect(c, &QAbstractButton::clicked, this, [this, c] { SpuntaRiduzione(c); });
    connect(garanzia_, &QSpinBox::valueChanged, this, &TFrmImpSv::AcquisisceForm);
    connect(vincite_, &QSpinBox::valueChanged, this, &TFrmImpSv::AcquisisceForm);
    connect(secondi_, &QSpinBox::valueChanged, this, &TFrmImpSv::AcquisisceForm);
    // The whole path of a long name, cut on the left in the field.
    for (QLineEdit* e : {nomeSorgente_, nomeDestinazione_})
        connect(e, &QLineEdit::textChanged, e, [e](const QString& t) { e->setToolTip(t); });
    connect(cercaSorgente_, &QPushButton::clicked, this, &TFrmImpSv::BtnCercaSorgenteClick);
    connect(cercaDestinazione_, &QPushButton::clicked, this, &TFrmImpSv::BtnCercaDestinazioneClick);

    auto* pulsanti = new QDialogButtonBox(this);
    ok_ = pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    ok_->setObjectName("BtnOk");
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    auto* aiuto = pulsanti->addButton("Aiuto", QDialogButtonBox::HelpRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TFrmImpSv::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this, &TFrmImpSv::BtnAiutoClick);

    auto* l = new QVBoxLayout(this);
    l->addWidget(elaborazione);
    l->addWidget(sorgente);
    l->addWidget(destinazione);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
    ok_->setDefault(true);
}

void TFrmImpSv::ImpostaOggetto(const TModelloImpSviluppo& modello) {
    modello_ = modello;
    modello_.ApplicaRegole();
    modello_.Cambiato = false;
    AggiornaForm();
}

void TFrmImpSv::AggiornaForm() {
    const QSignalBlocker b1(garanzia_), b2(vincite_), b3(secondi_);
    const auto& imp = modello_.Impostazioni;
    usaCondizioni_->setChecked(imp.UsaCondizioni);
    autoriduzione_->setChecked(imp.Autoriduzione);
    garanzia_->setValue(imp.Garanzia);
    vincite_->setValue(imp.VinciteMultiple);
    ottimizzata_->setChecked(imp.Ottimizzata);
    migliorata_->setChecked(imp.Migliorata);
    secondi_->setValue(static_cast<int>(imp.SecondiMigliorata));
    iterazioni_->setText(imp.IterazioniMigliorata == 0
                             ? QString()
                             : QString::number(static_cast<qlonglong>(imp.IterazioniMigliorata)));
    seme_->setText(QString::number(static_cast<qulonglong>(imp.SemeMigliorata)));
    (modello_.Sorgente.DaPronostico ? daPronostico_ : daFile_)->setChecked(true);
    (imp.InMemoria ? inMemoria_ : suFile_)->setChecked(true);
    if (nomeSorgente_->text() != QS(modello_.Sorgente.FileSorgente))
        nomeSorgente_->setText(QS(modello_.Sorgente.FileSorgente));
    if (nomeDestinazione_->text() != QS(imp.FileDestinazione))
        nomeDestinazione_->setText(QS(imp.FileDestinazione));

    nomeSorgente_->setEnabled(modello_.SorgenteAbilitata());
    cercaSorgente_->setEnabled(modello_.SorgenteAbilitata());
    nomeDestinazione_->setEnabled(modello_.DestinazioneAbilitata());
    cercaDestinazione_->setEnabled(modello_.DestinazioneAbilitata());
    garanzia_->setEnabled(modello_.GaranziaAbilitata());
    ottimizzata_->setEnabled(modello_.OttimizzataAbilitata());
    migliorata_->setEnabled(modello_.MigliorataAbilitata());
    vincite_->setEnabled(modello_.VinciteAbilitate());
    for (QWidget* w : std::initializer_list<QWidget*>{secondi_, iterazioni_, seme_})
        w->setEnabled(modello_.RicercaAbilitata());
}

void TFrmImpSv::AcquisisceForm() {
    auto& imp = modello_.Impostazioni;
    imp.UsaCondizioni = usaCondizioni_->isChecked();
    imp.Autoriduzione = autoriduzione_->isChecked();
    imp.Garanzia = static_cast<std::uint8_t>(garanzia_->value());
    imp.VinciteMultiple = static_cast<std::uint8_t>(vincite_->value());
    imp.Ottimizzata = ottimizzata_->isChecked();
    imp.Migliorata = migliorata_->isChecked();
    imp.SecondiMigliorata = static_cast<std::uint32_t>(secondi_->value());
    // The fields take digits only, as many as their largest value has.
    imp.IterazioniMigliorata = iterazioni_->text().toLongLong();
    imp.SemeMigliorata = seme_->text().toULongLong();
    imp.InMemoria = inMemoria_->isChecked();
    imp.FileDestinazione = SS(nomeDestinazione_->text());
    modello_.Sorgente.DaPronostico = daPronostico_->isChecked();
    modello_.Sorgente.FileSorgente = SS(nomeSorgente_->text());
}

void TFrmImpSv::Clic() {
    AcquisisceForm();
    modello_.Clic();
    AggiornaForm();
}

void TFrmImpSv::SpuntaRiduzione(QCheckBox* casella) {
    AcquisisceForm();
    if (casella == ottimizzata_)
        modello_.SpuntaOttimizzata(casella->isChecked());
    else
        modello_.SpuntaMigliorata(casella->isChecked());
    AggiornaForm();
}

void TFrmImpSv::BtnCercaSorgenteClick() {
    const auto scelto = scelta_.Apri(RichiestaFileSorgente(SS(nomeSorgente_->text())));
    if (scelto) nomeSorgente_->setText(QS(*scelto));
}

void TFrmImpSv::BtnCercaDestinazioneClick() {
    const auto scelto = scelta_.Salva(RichiestaFileDestinazione(SS(nomeDestinazione_->text())));
    if (scelto) nomeDestinazione_->setText(QS(*scelto));
}

void TFrmImpSv::BtnAiutoClick() {
    MostraAiuto(this, "impostazioni-sviluppo");
}

void TFrmImpSv::accept() {
    AcquisisceForm();
    modello_.ApplicaRegole();
    const std::string errore = modello_.Verifica();
    if (!errore.empty()) {
        messaggi_.Mostra("Informazione", errore, PulsanteOk);
        nomeSorgente_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace sirvela
