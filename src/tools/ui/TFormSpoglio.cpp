#include "tools/ui/TFormSpoglio.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/Interfacce.h"
#include "core/TDatiSistema.h"
#include "tools/ui/TFormSchedineVincenti.h"
#include "widgets/Conversioni.h"
#include "widgets/TLCasSelector.h"

namespace sirvela {

namespace {
constexpr int kLarghezzaCella = 34;
constexpr int kDistanzaCelle = 6;
}  // namespace

TFormSpoglio::TFormSpoglio(TDatiSistema& dati, IMessaggi& messaggi, ISceltaFile& scelta,
                           QWidget* parent)
    : QDialog(parent), dati_(dati), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormSpoglio");
    setWindowTitle("Spoglio");
    spoglio_.Piloti = dati.PilotiInGioco();
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* gruppo = new QGroupBox("Colonna Vincente", this);
    risultato_ = new TLCasSelector(messaggi, gruppo);
    risultato_->setObjectName("ColonnaVincente");
    risultato_->ImpostaTotaleNumeri(8);
    risultato_->ImpostaNumeriPerRiga(8);
    risultato_->ImpostaCella(kLarghezzaCella, 24);
    risultato_->ImpostaDistanze(kDistanzaCelle, 0);
    connect(risultato_, &TLCasSelector::Cambiato, this, &TFormSpoglio::CellaModificata);
    // The position labels stand over their cells.
    auto* etichette = new QHBoxLayout;
    etichette->setSpacing(kDistanzaCelle);
    for (int i = 1; i <= 8; ++i) {
        auto* e = new QLabel(QString("%1º").arg(i), gruppo);
        e->setFixedWidth(kLarghezzaCella);
        e->setAlignment(Qt::AlignCenter);
        etichette->addWidget(e);
    }
    spoglia_ = new QPushButton("Spoglio", gruppo);
    spoglia_->setObjectName("Spoglio");
    spoglia_->setDefault(true);
    connect(spoglia_, &QPushButton::clicked, this, &TFormSpoglio::BtnSpoglioClick);
    auto* celle = new QVBoxLayout;
    celle->setSpacing(2);
    celle->addLayout(etichette);
    celle->addWidget(risultato_);
    auto* riga = new QHBoxLayout(gruppo);
    riga->addLayout(celle);
    riga->addSpacing(16);
    riga->addWidget(spoglia_, 0, Qt::AlignBottom);
    riga->addStretch();

    vincite_ = new QTableWidget(2, 0, this);
    vincite_->setObjectName("VinciteTrovate");
    vincite_->setVerticalHeaderLabels({" Punti", " Vincite"});
    vincite_->horizontalHeader()->hide();
    vincite_->horizontalHeader()->setDefaultSectionSize(56);
    vincite_->verticalHeader()->setDefaultSectionSize(22);
    vincite_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vincite_->setSelectionMode(QAbstractItemView::NoSelection);
    vincite_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    vincite_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vincite_->setFixedHeight(2 * 22 + vincite_->horizontalScrollBar()->sizeHint().height() + 6);

    sbagliate_ = new QListWidget(this);
    sbagliate_->setObjectName("CondizioniSbagliate");
    sbagliate_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sbagliate_->setMinimumHeight(110);
    connect(sbagliate_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { SbagliataDoppioClic(sbagliate_->row(i)); });
    // Long names are scrolled sideways by their own bar, a character at a time.
    barraSbagliate_ = new QScrollBar(Qt::Horizontal, this);
    barraSbagliate_->setObjectName("BarraSbagliate");
    barraSbagliate_->setRange(1, 1);
    connect(barraSbagliate_, &QScrollBar::valueChanged, this, &TFormSpoglio::MostraSbagliate);

    schedine_ = new QPushButton("Schedine Vincenti", this);
    schedine_->setObjectName("SchedineVincenti");
    connect(schedine_, &QPushButton::clicked, this, &TFormSpoglio::BtnSchedineClick);
    auto* chiudi = new QPushButton("Chiudi", this);
    chiudi->setObjectName("Chiudi");
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    auto* aiuto = new QPushButton("Aiuto", this);
    aiuto->setObjectName("Aiuto");
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "spoglio"); });
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(schedine_);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi);
    pulsanti->addWidget(aiuto);

    auto* l = new QVBoxLayout(this);
    l->addWidget(gruppo);
    l->addWidget(new QLabel("Vincite Trovate", this));
    l->addWidget(vincite_);
    l->addWidget(new QLabel("Condizioni Sbagliate", this));
    l->addWidget(sbagliate_);
    l->addWidget(barraSbagliate_);
    l->addLayout(pulsanti);
    resize(560, 440);
}

void TFormSpoglio::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;  // shown again after being minimised
    CellaModificata();
}

void TFormSpoglio::done(int r) {
    spoglio_.Colonne.Svuota();
    QDialog::done(r);
}

void TFormSpoglio::CellaModificata() {
    spoglio_.CellaModificata();
    righe_.clear();
    MostraSbagliate();
    // The counts belong to the result checked before: next to a new one they would mislead.
    MostraTabella(TSpoglio::TabellaIniziale());
    schedine_->setEnabled(false);
}

void TFormSpoglio::BtnSpoglioClick() {
    std::array<std::string, 8> celle;
    for (int i = 1; i <= 8; ++i) celle[i - 1] = SS(risultato_->Cella(i)->text());
    const TLetturaCelle lettura = spoglio_.LeggiRisultato(celle);
    if (!lettura.Ok) {
        messaggi_.Errore(lettura.Messaggio);
        risultato_->FuocoACella(lettura.Cella);
        return;
    }
    righe_.clear();
    MostraSbagliate();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    spoglio_.Esegui();
    MostraTabella(spoglio_.Tabella());
    righe_ = CondizioniSbagliate(dati_, spoglio_.RisultatoColonna);
    QApplication::restoreOverrideCursor();
    MostraSbagliate();
    schedine_->setEnabled(spoglio_.SpoglioFatto);
}

void TFormSpoglio::BtnSchedineClick() {
    if (!spoglio_.SpoglioFatto) return;
    TFormSchedineVincenti d(spoglio_, messaggi_, scelta_, this);
    d.exec();
}

void TFormSpoglio::MostraTabella(const std::vector<TColonnaVincite>& colonne) {
    vincite_->clearContents();
    vincite_->setColumnCount(static_cast<int>(colonne.size()));
    for (int c = 0; c < static_cast<int>(colonne.size()); ++c) {
        vincite_->setItem(0, c, new QTableWidgetItem(QS(colonne[c].Punti)));
        vincite_->setItem(1, c, new QTableWidgetItem(QS(colonne[c].Vincite)));
    }
}

void TFormSpoglio::MostraSbagliate() {
    int lunghezza = 1;
    for (const auto& r : righe_)
        lunghezza = std::max(lunghezza, static_cast<int>(QS(r.Testo).size()));
    {
        const QSignalBlocker blocco(barraSbagliate_);
        barraSbagliate_->setRange(1, lunghezza);
    }
    const int p = barraSbagliate_->value();
    sbagliate_->clear();
    for (const auto& r : righe_) sbagliate_->addItem(QS(TestoScorrevole(r.Testo, p)));
}

void TFormSpoglio::SbagliataDoppioClic(int riga) {
    if (riga < 0 || riga >= static_cast<int>(righe_.size()) || !apri_) return;
    if (TCondizione* c = CondizioneDaAprire(*dati_.Condizioni, righe_[riga].Condizione))
        apri_(*c, this);
}

std::vector<std::string> TFormSpoglio::TestiSbagliate() const {
    std::vector<std::string> t;
    for (const auto& r : righe_) t.push_back(r.Testo);
    return t;
}

}  // namespace sirvela
