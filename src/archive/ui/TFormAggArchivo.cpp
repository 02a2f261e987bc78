#include "archive/ui/TFormAggArchivo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "archive/ui/TFormModConc.h"
#include "widgets/Conversioni.h"
#include "widgets/TLCasSelector.h"

namespace sirvela {
namespace {

QLabel* Casella(QWidget* parent, const char* nome) {
    auto* l = new QLabel(parent);
    l->setObjectName(nome);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(60);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Base);
    return l;
}

QToolButton* Freccia(QWidget* parent, const char* nome, const QString& testo,
                     const QString& suggerimento) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nome);
    b->setText(testo);
    b->setToolTip(suggerimento);
    b->setMinimumSize(34, 26);
    return b;
}

}  // namespace

TFormAggArchivo::TFormAggArchivo(TArchivio& archivio, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent),
      archivio_(archivio),
      messaggi_(messaggi),
      attesa_(messaggi),
      modello_(archivio, attesa_) {
    setObjectName("FormAggArchivo");
    setWindowTitle("Aggiornamento Archivio");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    numero_ = Casella(this, "Numero");
    anno_ = Casella(this, "Anno");
    posizione_ = Casella(this, "Posizione");
    auto* dati = new QGridLayout;
    dati->addWidget(new QLabel("Concorso Nº", this), 0, 0);
    dati->addWidget(numero_, 0, 1);
    dati->addWidget(new QLabel("Anno", this), 0, 2);
    dati->addWidget(anno_, 0, 3);
    dati->addWidget(new QLabel("Posizione", this), 0, 4);
    dati->addWidget(posizione_, 0, 5);
    dati->setColumnStretch(6, 1);

    auto* gruppo = new QGroupBox("Combinazione Vincente", this);
    piloti_ = NuoveCaselleRisultato(messaggi, gruppo);
    piloti_->ImpostaReadOnly(true);
    auto* lg = new QVBoxLayout(gruppo);
    lg->addLayout(EtichettePosizioni(gruppo));
    lg->addWidget(piloti_);

    annoIndietro_ = Freccia(this, "AnnoIndietro", "<<", "Un anno indietro");
    primo_ = Freccia(this, "Primo", "|<", "Primo concorso");
    precedente_ = Freccia(this, "Precedente", "<", "Concorso precedente");
    successivo_ = Freccia(this, "Successivo", ">", "Concorso successivo");
    ultimo_ = Freccia(this, "Ultimo", ">|", "Ultimo concorso");
    annoAvanti_ = Freccia(this, "AnnoAvanti", ">>", "Un anno avanti");
    auto* frecce = new QHBoxLayout;
    frecce->addStretch();
    for (QToolButton* b : {annoIndietro_, primo_, precedente_, successivo_, ultimo_, annoAvanti_})
        frecce->addWidget(b);
    frecce->addStretch();

    modifica_ = new QPushButton("Modifica", this);
    modifica_->setObjectName("Modifica");
    aggiungi_ = new QPushButton("Aggiungi", this);
    aggiungi_->setObjectName("Aggiungi");
    elimina_ = new QPushButton("Elimina", this);
    elimina_->setObjectName("Elimina");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Ok");
    auto* annulla = new QPushButton("Annulla", this);
    annulla->setObjectName("Annulla");
    auto* aiuto = new QPushButton("Aiuto", this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(modifica_);
    pulsanti->addWidget(aggiungi_);
    pulsanti->addWidget(elimina_);
    pulsanti->addStretch();
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    pulsanti->addWidget(aiuto);

    auto* l = new QVBoxLayout(this);
    l->addLayout(dati);
    l->addWidget(gruppo);
    l->addLayout(frecce);
    l->addSpacing(6);
    l->addLayout(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(primo_, &QToolButton::clicked, this, [this] { Naviga([](auto& m) { m.Primo(); }); });
    connect(precedente_, &QToolButton::clicked, this,
            [this] { Naviga([](auto& m) { m.Precedente(); }); });
    connect(successivo_, &QToolButton::clicked, this,
            [this] { Naviga([](auto& m) { m.Successivo(); }); });
    connect(ultimo_, &QToolButton::clicked, this, [this] { Naviga([](auto& m) { m.Ultimo(); }); });
    connect(annoIndietro_, &QToolButton::clicked, this,
            [this] { Naviga([](auto& m) { m.AnnoIndietro(); }); });
    connect(annoAvanti_, &QToolButton::clicked, this,
            [this] { Naviga([](auto& m) { m.AnnoAvanti(); }); });
    connect(aggiungi_, &QPushButton::clicked, this, &TFormAggArchivo::BtnAggiungiClick);
    connect(modifica_, &QPushButton::clicked, this, &TFormAggArchivo::BtnModificaClick);
    connect(elimina_, &QPushButton::clicked, this,
            [this] { Naviga([](auto& m) { m.Elimina(); }); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { MostraAiuto(this, "aggiornamento-archivio"); });
    AggiornaForm();
}

void TFormAggArchivo::AggiornaForm() {
    const TVistaConcorso v = modello_.Vista();
    numero_->setText(QS(v.Numero));
    anno_->setText(QS(v.Anno));
    posizione_->setText(QS(v.Posizione));
    const TEstrazione* e = modello_.Corrente();
    MostraRisultato(*piloti_, e ? e->Vincente : TColonna{});
    const bool c = e != nullptr;
    for (QWidget* w : {static_cast<QWidget*>(primo_), static_cast<QWidget*>(precedente_),
                       static_cast<QWidget*>(successivo_), static_cast<QWidget*>(ultimo_),
                       static_cast<QWidget*>(annoIndietro_), static_cast<QWidget*>(annoAvanti_),
                       static_cast<QWidget*>(modifica_), static_cast<QWidget*>(elimina_)})
        w->setEnabled(c);
}

void TFormAggArchivo::BtnAggiungiClick() {
    TFormModConc d(archivio_, messaggi_, TEditorConcorso::Modo::Aggiunta, modello_.NuovoConcorso(),
                   this);
    if (d.exec() != QDialog::Accepted) return;
    modello_.Aggiungi(d.Editor().Concorso);
    AggiornaForm();
}

void TFormAggArchivo::BtnModificaClick() {
    if (!modello_.Corrente()) return;
    TFormModConc d(archivio_, messaggi_, TEditorConcorso::Modo::Modifica,
                   modello_.ConcorsoCorrente(), this);
    if (d.exec() != QDialog::Accepted) return;
    modello_.Modifica(d.Editor().Concorso);
    AggiornaForm();
}

void TFormAggArchivo::done(int r) {
    attesa_.Clessidra();
    if (r == QDialog::Accepted)
        modello_.Ok();
    else
        modello_.Annulla();
    attesa_.Normale();
    QDialog::done(r);
}

}  // namespace sirvela
