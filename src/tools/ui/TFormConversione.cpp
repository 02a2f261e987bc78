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

    // Each side: its folder with the chooser, then its format.
    auto gruppo = [this](const char* titolo, QLineEdit* cartella, QPushButton* sfoglia,
                         QComboBox* formato) {
        auto* g = new QGroupBox(titolo, this);
        auto* griglia = new QGridLayout(g);
        griglia->addWidget(new QLabel("Cartella", g), 0, 0);
        griglia->addWidget(cartella, 0, 1);
        griglia->addWidget(sfoglia, 0, 2);
        griglia->addWidget(new QLabel("Formato", g), 1, 0);
        griglia->addWidget(formato, 1, 1, Qt::AlignLeft);
        return std::pair{g, griglia};
    };
    auto [origine, go] = gruppo("Origine", cartellaSorgente_, sfogliaSorgente_, formatoSorgente_);
    go->addWidget(elenco_, 2, 0, 1, 3);
    auto* selezione = new QHBoxLayout;
    selezione->addWidget(tutti_);
    selezione->addWidget(nessuno_);
    selezione->addStretch();
    go->addLayout(selezione, 3, 0, 1, 3);
    auto* destinazione =
        gruppo("Destinazione", cartellaDestinazione_, sfogliaDestinazione_, formatoDestinazione_)
            .first;

    // Unnamed, so the dialog memory does not bring back the last run's count.
    fileCreati_ = new QLabel("0", this);
    auto* pulsanti = CreaPulsanti("Converti", "conversione");
    connect(PulsanteConverti(), &QPushButton::clicked, this, &TFormConversione::BtnConvertiClick);

    auto* contatore = new QHBoxLayout;
    contatore->addWidget(new QLabel(kTitoloFileCreati, this));
    contatore->addWidget(fileCreati_);
    contatore->addStretch();
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
    if (PulsanteConverti())
        PulsanteConverti()->setEnabled(!InCorso() && !elenco_->selectedItems().isEmpty());
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
    c.Piloti = piloti_;
    return c;
}

void TFormConversione::ImpostaInCorso(bool si) {
    TDialogoConLavoro::ImpostaInCorso(si);
    for (QWidget* w : std::initializer_list<QWidget*>{
             cartellaSorgente_, sfogliaSorgente_, formatoSorgente_, elenco_, tutti_, nessuno_,
             cartellaDestinazione_, sfogliaDestinazione_, formatoDestinazione_})
        w->setEnabled(!si);
    AggiornaPulsanti();
}

void TFormConversione::BtnConvertiClick() {
    const std::vector<std::string> nomi = FileScelti();
    if (InCorso() || nomi.empty()) return;
    const TConversione c = AcquisisceForm();
    TPonteProgresso ponte;
    connect(&ponte, &TPonteProgresso::FileCreatiCambiati, this, [this](int n) {
        fileCreati_->setText(QString::number(n));
        emit FileConvertiti(n);
    });
    fileCreati_->setText("0");
    TEsitoConversione esito;
    try {
        EseguiLavoro([&] { esito = c.Converti(nomi, &ponte, &annulla_); });
    } catch (const std::exception& e) {
        esito = TEsitoConversione{};
        esito.Messaggio = e.what();
    }
    // The new files may belong to the list shown.
    AggiornaElenco();
    if (esito.Riuscita || esito.Interrotta)
        messaggi_.Mostra("Informazione", esito.Messaggio, PulsanteOk);
    else
        messaggi_.Errore(esito.Messaggio);
}

}  // namespace sirvela
