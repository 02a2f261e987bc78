#include "tools/ui/TFormConversione.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "tools/ui/EsecuzioneStrumenti.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormConversione::TFormConversione(IMessaggi& messaggi, QWidget* parent)
    : TDialogoConLavoro(parent), messaggi_(messaggi) {
    setObjectName("FormConversione");
    setWindowTitle("Conversione di Files di Combinazioni");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    sceltaCartella_ = [](QWidget* genitore, const QString& titolo, const QString& iniziale) {
        return QFileDialog::getExistingDirectory(genitore, titolo, iniziale);
    };
    const QString colonne = QS(CartellaColonne().string());

    auto cartella = [this, &colonne](const char* nome, QPushButton*& sfoglia) {
        auto* e = new QLineEdit(colonne, this);
        e->setObjectName(nome);
        e->setMinimumWidth(340);
        sfoglia = new QPushButton("Sfoglia..", this);
        sfoglia->setObjectName(QString("Sfoglia") + nome);
        return e;
    };
    auto formato = [this](const char* nome, int iniziale) {
        auto* c = new QComboBox(this);
        c->setObjectName(nome);
        for (const auto& f : kFormatiColonne) c->addItem(f.Didascalia);
        c->setCurrentIndex(iniziale);
        return c;
    };
    const TConversione predefinita;
    cartellaSorgente_ = cartella("CartellaSorgente", sfogliaSorgente_);
    formatoSorgente_ = formato("FormatoSorgente", predefinita.FormatoSorgente);
    cartellaDestinazione_ = cartella("CartellaDestinazione", sfogliaDestinazione_);
    formatoDestinazione_ = formato("FormatoDestinazione", predefinita.FormatoDestinazione);
    connect(sfogliaSorgente_, &QPushButton::clicked, this,
            [this] { Sfoglia(cartellaSorgente_, "Cartella dei file da convertire"); });
    connect(sfogliaDestinazione_, &QPushButton::clicked, this,
            [this] { Sfoglia(cartellaDestinazione_, "Cartella dei file convertiti"); });

    elenco_ = new QListWidget(this);
    elenco_->setObjectName("Elenco");
    elenco_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    elenco_->setMinimumHeight(160);
    tutti_ = new QPushButton("Seleziona Tutti", this);
    tutti_->setObjectName("SelezionaTutti");
    nessuno_ = new QPushButton("Azzera Selezione", this);
    nessuno_->setObjectName("AzzeraSelezione");
    connect(tutti_, &QPushButton::clicked, elenco_, &QListWidget::selectAll);
    connect(nessuno_, &QPushButton::clicked, elenco_, &QListWidget::clearSelection);
    connect(elenco_, &QListWidget::itemSelectionChanged, this, &TFormConversione::AggiornaPulsanti);
    connect(cartellaSorgente_, &QLineEdit::textChanged, this, &TFormConversione::AggiornaElenco);
    connect(formatoSorgente_, &QComboBox::currentIndexChanged, this,
            &TFormConversione::AggiornaElenco);

    auto* origine = new QGroupBox("Origine", this);
    auto* go = new QGridLayout(origine);
    go->addWidget(new QLabel("Cartella", origine), 0, 0);
    go->addWidget(cartellaSorgente_, 0, 1);
    go->addWidget(sfogliaSorgente_, 0, 2);
    go->addWidget(new QLabel("Formato", origine), 1, 0);
    go->addWidget(formatoSorgente_, 1, 1, Qt::AlignLeft);
    go->addWidget(elenco_, 2, 0, 1, 3);
    auto* selezione = new QHBoxLayout;
    selezione->addWidget(tutti_);
    selezione->addWidget(nessuno_);
    selezione->addStretch();
    go->addLayout(selezione, 3, 0, 1, 3);

    auto* destinazione = new QGroupBox("Destinazione", this);
    auto* gd = new QGridLayout(destinazione);
    gd->addWidget(new QLabel("Cartella", destinazione), 0, 0);
    gd->addWidget(cartellaDestinazione_, 0, 1);
    gd->addWidget(sfogliaDestinazione_, 0, 2);
    gd->addWidget(new QLabel("Formato", destinazione), 1, 0);
    gd->addWidget(formatoDestinazione_, 1, 1, Qt::AlignLeft);

    fileCreati_ = new QLabel("0", this);
    fileCreati_->setObjectName("FileCreati");
    auto pulsante = [this](const char* testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(nome);
        return p;
    };
    converti_ = pulsante("Converti", "Converti");
    interrompi_ = pulsante("Interrompi", "Interrompi");
    chiudi_ = pulsante("Chiudi", "Chiudi");
    aiuto_ = pulsante("Aiuto", "Aiuto");
    interrompi_->setEnabled(false);
    connect(converti_, &QPushButton::clicked, this, &TFormConversione::BtnConvertiClick);
    connect(interrompi_, &QPushButton::clicked, this, [this] { annulla_.Richiedi(); });
    connect(chiudi_, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto_, &QPushButton::clicked, this, [this] { MostraAiuto(this, "conversione"); });

    auto* contatore = new QHBoxLayout;
    contatore->addWidget(new QLabel(kTitoloFileCreati, this));
    contatore->addWidget(fileCreati_);
    contatore->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(converti_);
    pulsanti->addWidget(interrompi_);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi_);
    pulsanti->addWidget(aiuto_);
    auto* l = new QVBoxLayout(this);
    l->addWidget(origine);
    l->addWidget(destinazione);
    l->addLayout(contatore);
    l->addLayout(pulsanti);
    AggiornaElenco();
}

void TFormConversione::Sfoglia(QLineEdit* campo, const QString& titolo) {
    const QString scelta = sceltaCartella_(this, titolo, campo->text());
    if (!scelta.isEmpty()) campo->setText(scelta);
}

void TFormConversione::AggiornaElenco() {
    elenco_->clear();
    for (const std::string& nome : ElencoFileFormato(SS(cartellaSorgente_->text()),
                                                     std::max(formatoSorgente_->currentIndex(), 0)))
        elenco_->addItem(QS(nome));
    AggiornaPulsanti();
}

void TFormConversione::AggiornaPulsanti() {
    converti_->setEnabled(!inCorso_ && !elenco_->selectedItems().isEmpty());
}

std::vector<std::string> TFormConversione::FileScelti() const {
    std::vector<std::string> nomi;
    for (int i = 0; i < elenco_->count(); ++i)
        if (elenco_->item(i)->isSelected()) nomi.push_back(SS(elenco_->item(i)->text()));
    return nomi;
}

TConversione TFormConversione::AcquisisceForm() const {
    TConversione c;
    c.CartellaSorgente = SS(cartellaSorgente_->text());
    c.FormatoSorgente = std::max(formatoSorgente_->currentIndex(), 0);
    c.CartellaDestinazione = SS(cartellaDestinazione_->text());
    c.FormatoDestinazione = std::max(formatoDestinazione_->currentIndex(), 0);
    return c;
}

void TFormConversione::ImpostaInCorso(bool si) {
    inCorso_ = si;
    for (QWidget* w : std::initializer_list<QWidget*>{
             cartellaSorgente_, sfogliaSorgente_, formatoSorgente_, elenco_, tutti_, nessuno_,
             cartellaDestinazione_, sfogliaDestinazione_, formatoDestinazione_, chiudi_, aiuto_})
        w->setEnabled(!si);
    interrompi_->setEnabled(si);
    AggiornaPulsanti();
}

void TFormConversione::BtnConvertiClick() {
    const std::vector<std::string> nomi = FileScelti();
    if (inCorso_ || nomi.empty()) return;
    const TConversione c = AcquisisceForm();
    TPonteProgresso ponte;
    connect(&ponte, &TPonteProgresso::FileCreatiCambiati, this, [this](int n) {
        fileCreati_->setText(QString::number(n));
        emit FileConvertiti(n);
    });
    fileCreati_->setText("0");
    annulla_.Azzera();
    ImpostaInCorso(true);
    TEsitoConversione esito;
    try {
        EseguiInSottofondo([&] { esito = c.Converti(nomi, &ponte, &annulla_); });
    } catch (const std::exception& e) {
        esito = TEsitoConversione{};
        esito.Messaggio = e.what();
    }
    ImpostaInCorso(false);
    // The new files may belong to the list shown.
    AggiornaElenco();
    if (esito.Riuscita || esito.Interrotta)
        messaggi_.Mostra("Informazione", esito.Messaggio, PulsanteOk);
    else
        messaggi_.Errore(esito.Messaggio);
}

}  // namespace sirvela
