#include "development/ui/TFrmRecuperi.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "conditions/TGestoreLink.h"
#include "conditions/ui/Modifica.h"
#include "core/TDatiSistema.h"
#include "development/StampaRecuperi.h"
#include "widgets/Conversioni.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

namespace {

constexpr int kPassoScorrimento = 3;

// A frame with an editor of the error counts 0..99 and its "Max".
TLGraphpt* EditorErrori(QWidget* parent, const char* titolo, const char* nome, QLineEdit*& massimo,
                        QVBoxLayout* dove) {
    auto* box = new QGroupBox(titolo, parent);
    auto* e = new TLGraphpt(box);
    e->setObjectName(nome);
    e->ImpostaTipi(true, false, false);
    e->ImpostaRecVisibili(false);
    e->ImpostaLinkTra(false);
    e->ImpostaPunti(100, 25, 0);
    massimo = new QLineEdit(box);
    massimo->setObjectName(QString("Max") + nome);
    massimo->setReadOnly(true);
    massimo->setFixedWidth(48);
    massimo->setAlignment(Qt::AlignRight);
    auto* l = new QHBoxLayout(box);
    l->setContentsMargins(6, 4, 6, 6);
    l->addWidget(e, 0, Qt::AlignLeft);
    l->addSpacing(8);
    l->addWidget(new QLabel("Max", box));
    l->addWidget(massimo);
    l->addStretch();
    dove->addWidget(box);
    return e;
}

}  // namespace

TFrmRecuperi::TFrmRecuperi(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmRecuperi");
    setWindowTitle("Recupero Condizioni");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* griglia = new QGridLayout;
    griglia->setSpacing(2);
    auto* gruppo = new QButtonGroup(this);
    gruppo->setExclusive(true);
    for (int i = 0; i < 26; ++i) {
        const char lettera = static_cast<char>('A' + i);
        auto* b = new QToolButton(this);
        b->setText(QString(QChar(lettera)));
        b->setObjectName(QString("Lettera") + lettera);
        b->setCheckable(true);
        b->setFixedSize(30, 26);
        gruppo->addButton(b);
        griglia->addWidget(b, i / 13, i % 13);
        connect(b, &QToolButton::clicked, this, [this, lettera] { Change(lettera); });
        lettere_[static_cast<std::size_t>(i)] = b;
    }
    titolo_ = new QLabel(this);
    titolo_->setObjectName("TitoloLink");
    QFont grassetto = titolo_->font();
    grassetto.setBold(true);
    titolo_->setFont(grassetto);
    elenco_ = new QListWidget(this);
    elenco_->setObjectName("ElencoLink");
    elenco_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    elenco_->setFixedHeight(elenco_->fontMetrics().height() * 7 + 8);
    scorrimento_ = new QScrollBar(Qt::Horizontal, this);
    scorrimento_->setObjectName("ScorrimentoLink");
    scorrimento_->setMinimum(1);
    scorrimento_->setSingleStep(kPassoScorrimento);
    scorrimento_->setPageStep(kPassoScorrimento);

    auto* corpo = new QVBoxLayout(this);
    corpo->addLayout(griglia);
    corpo->addWidget(titolo_);
    corpo->addWidget(elenco_);
    corpo->addWidget(scorrimento_);
    editorLink_ = EditorErrori(this, "Errori Ammessi Nella Link", "ErroriLink", maxLink_, corpo);
    editorTotale_ =
        EditorErrori(this, "Errori Ammessi Tra Tutte Le Link", "ErroriTotali", maxTotale_, corpo);
    modello_.Collega(&editorLink_->Modello(), &editorTotale_->Modello());

    analisi_ = new QPushButton("Analisi", this);
    analisi_->setObjectName("BtnAnalisi");
    azzera_ = new QPushButton("Azzera ", this);
    azzera_->setObjectName("BtnAzzera");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("BtnOk");
    annulla_ = new QPushButton("Annulla", this);
    annulla_->setObjectName("BtnAnnulla");
    aiuto_ = new QPushButton("Aiuto", this);
    aiuto_->setObjectName("BtnAiuto");
    for (QPushButton* b : {analisi_, azzera_, ok_, annulla_, aiuto_}) b->setAutoDefault(false);
    ok_->setDefault(true);
    auto* riga = new QHBoxLayout;
    riga->addWidget(analisi_);
    riga->addWidget(azzera_);
    riga->addStretch();
    for (QPushButton* b : {ok_, annulla_, aiuto_}) riga->addWidget(b);
    corpo->addLayout(riga);
    rigaConteggio_ = new TRigaConteggio([this] { return CopiaConteggio({}); }, this);
    corpo->addWidget(rigaConteggio_);
    corpo->setSizeConstraint(QLayout::SetFixedSize);

    connect(elenco_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { ApriCondizione(elenco_->row(i)); });
    connect(scorrimento_, &QScrollBar::valueChanged, this, &TFrmRecuperi::MostraElenco);
    connect(analisi_, &QPushButton::clicked, this, &TFrmRecuperi::Analisi);
    connect(azzera_, &QPushButton::clicked, this, [this] {
        modello_.Azzera();
        editorLink_->Aggiorna();
        editorTotale_->Aggiorna();
        analisi_->setEnabled(modello_.AnalisiAbilitata());
    });
    connect(ok_, &QPushButton::clicked, this, &TFrmRecuperi::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
    connect(aiuto_, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "recupero-condizioni"); });
}

void TFrmRecuperi::ImpostaLink(TGestoreLink& gestore) {
    gestore_ = &gestore;
    modello_.ImpostaLink(&gestore);
    cambiato_ = false;
    attivato_ = false;
    SetDown('A');
}

void TFrmRecuperi::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (attivato_) return;
    attivato_ = true;
    Attiva();
}

void TFrmRecuperi::SetDown(char lettera) {
    if (lettera >= 'A' && lettera <= 'Z') Lettera(lettera)->setChecked(true);
}

void TFrmRecuperi::Attiva() {
    modello_.Attiva();
    analisi_->setEnabled(modello_.AnalisiAbilitata());
    for (char l = 'A'; l <= 'Z'; ++l) {
        QPalette p = Lettera(l)->palette();
        p.setColor(QPalette::ButtonText, modello_.InUso(l) ? QColor(Qt::blue) : QColor(Qt::black));
        Lettera(l)->setPalette(p);
    }
    AggiornaForm();
}

void TFrmRecuperi::AggiornaForm() {
    modello_.AggiornaForm();
    SetDown(modello_.Lettera());
    titolo_->setText(QS(modello_.Titolo()));
    {
        const QSignalBlocker blocco(scorrimento_);
        scorrimento_->setMaximum(std::max(1, modello_.LunghezzaMassima()));
        scorrimento_->setValue(1);
    }
    MostraElenco();
    maxLink_->setText(QString::number(modello_.MaxLink()));
    maxTotale_->setText(QString::number(modello_.MaxTotale()));
    editorLink_->Aggiorna();
    editorTotale_->Aggiorna();
}

void TFrmRecuperi::MostraElenco() {
    const int riga = elenco_->currentRow();
    elenco_->clear();
    for (int i = 0; i < modello_.Righe(); ++i)
        elenco_->addItem(QS(modello_.RigaDa(i, scorrimento_->value())));
    elenco_->setCurrentRow(riga);
}

bool TFrmRecuperi::AcquisisceForm() {
    const std::string e = modello_.AcquisisceForm();
    analisi_->setEnabled(modello_.AnalisiAbilitata());
    if (e.empty()) return true;
    messaggi_.Mostra("Informazione", e, PulsanteOk);
    return false;
}

void TFrmRecuperi::Change(char lettera) {
    if (!AcquisisceForm()) {
        SetDown(modello_.Lettera());
        return;
    }
    modello_.Cambia(lettera);
    AggiornaForm();
}

void TFrmRecuperi::ApriCondizione(int riga) {
    TCondizione* c = modello_.CondizioneRiga(riga);
    // The editors are taken first: the examination that follows reloads them.
    if (!c || !AcquisisceForm()) return;
    if (Modifica(*c, messaggi_, this)) cambiato_ = true;
    Attiva();
}

std::unique_ptr<TDatiSistema> TFrmRecuperi::CopiaConteggio(TSostituzioni s) {
    IFonteConteggio* sopra = FonteConteggio(this);
    if (!sopra || !gestore_) return nullptr;
    s.Link = modello_.RecordCorrente();
    return sopra->CopiaConteggio(std::move(s));
}

void TFrmRecuperi::Analisi() {
    if (!gestore_) return;
    TFrmRecAna f(*gestore_, modello_.Lettera(), messaggi_, scelta_, this);
    f.exec();
}

void TFrmRecuperi::accept() {
    bool cambiato = false;
    const std::string e = modello_.Ok(cambiato);
    if (!e.empty()) {
        messaggi_.Mostra("Informazione", e, PulsanteOk);
        return;
    }
    cambiato_ = cambiato_ || cambiato;
    QDialog::accept();
}

// ---------------------------------------------------------------------------------------------

TFrmRecAna::TFrmRecAna(const TGestoreLink& gestore, char lettera, IMessaggi& messaggi,
                       ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), gestore_(gestore), lettera_(lettera), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmRecAna");
    setWindowTitle("Analisi Delle Colonne Filtrate");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* tabelle = new QHBoxLayout;
    for (std::size_t t = 0; t < tabelle_.size(); ++t) {
        auto* colonna = new QVBoxLayout;
        auto* titolo = new QLabel(this);
        titolo->setObjectName(QString("Titolo%1").arg(t));
        titolo->setAlignment(Qt::AlignCenter);
        auto* tabella = new QTableWidget(0, 2, this);
        tabella->setObjectName(QString("Tabella%1").arg(t));
        tabella->verticalHeader()->hide();
        // 255 rows each: one line of text a row.
        tabella->verticalHeader()->setDefaultSectionSize(tabella->fontMetrics().height() + 4);
        tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tabella->setSelectionMode(QAbstractItemView::NoSelection);
        tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        tabella->setColumnWidth(0, 48);
        tabella->setColumnWidth(1, 96);
        tabella->setFixedWidth(48 + 96 + tabella->verticalScrollBar()->sizeHint().width() +
                               2 * tabella->frameWidth());
        tabella->setMinimumHeight(320);
        colonna->addWidget(titolo);
        colonna->addWidget(tabella);
        tabelle->addLayout(colonna);
        tabelle_[t] = tabella;
    }
    percentuali_ = new QToolButton(this);
    percentuali_->setText("%");
    percentuali_->setObjectName("BtnPercentuali");
    valori_ = new QToolButton(this);
    valori_->setText("Valori");
    valori_->setObjectName("BtnValori");
    auto* gruppo = new QButtonGroup(this);
    for (QToolButton* b : {percentuali_, valori_}) {
        b->setCheckable(true);
        b->setMinimumWidth(56);
        gruppo->addButton(b);
    }
    valori_->setChecked(true);
    connect(percentuali_, &QToolButton::clicked, this, [this] {
        analisi_.Percentuali = true;
        Mostra();
    });
    connect(valori_, &QToolButton::clicked, this, [this] {
        analisi_.Percentuali = false;
        Mostra();
    });
    stampa_ = new TPulsantiStampa(this, "&Stampa");
    connect(stampa_, &TPulsantiStampa::Scelto, this, &TFrmRecAna::Stampa);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("BtnOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("BtnAiuto");
    aiuto->setAutoDefault(false);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "analisi-recuperi"); });
    auto* riga = new QHBoxLayout;
    riga->addWidget(percentuali_);
    riga->addWidget(valori_);
    riga->addStretch();
    riga->addWidget(stampa_);
    riga->addWidget(ok);
    riga->addWidget(aiuto);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QString("Link %1").arg(QChar(lettera)), this));
    l->addLayout(tabelle);
    l->addLayout(riga);
    Aggiorna();
}

void TFrmRecAna::Aggiorna() {
    analisi_.Aggiorna(gestore_, lettera_);
    Mostra();
}

TEsitoStampa TFrmRecAna::Stampa(TModoStampa modo) {
    TComandoStampa c;
    c.Titolo = kTitoloStampaRecuperi;
    c.Errore = kErroreStampaRecuperi;
    c.NomePdf = "ColonneFiltrate.pdf";
    c.Disegna = [this](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaRecuperi(p, analisi_, k);
    };
    return EseguiStampa(this, modo, c, messaggi_, scelta_);
}

void TFrmRecAna::Mostra() {
    for (std::size_t t = 0; t < tabelle_.size(); ++t) {
        const TTabellaRecuperi& dati = analisi_.Tabelle[t];
        QTableWidget* tabella = tabelle_[t];
        if (auto* titolo = findChild<QLabel*>(QString("Titolo%1").arg(t)))
            titolo->setText(QS(dati.Titolo) + (dati.Sottotitolo.empty()
                                                   ? QString("\n")
                                                   : "\n" + QS(dati.Sottotitolo)));
        tabella->setHorizontalHeaderLabels({QS(dati.Intestazione), "Colonne"});
        tabella->setRowCount(dati.Righe());
        for (int r = 0; r < dati.Righe(); ++r) {
            auto* valore = new QTableWidgetItem(QString::number(dati.Primo + r));
            auto* conteggio = new QTableWidgetItem(QS(analisi_.Valore(static_cast<int>(t), r)));
            valore->setTextAlignment(Qt::AlignCenter);
            conteggio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabella->setItem(r, 0, valore);
            tabella->setItem(r, 1, conteggio);
        }
    }
}

}  // namespace sirvela
