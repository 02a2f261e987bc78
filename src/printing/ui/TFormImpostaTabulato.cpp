#include "printing/ui/TFormImpostaTabulato.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/Avvio.h"
#include "app/ui/PulsantiDialogo.h"
#include "core/TListaColonne.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "printing/StampaTabulato.h"
#include "printing/qt/SuperficieQt.h"
#include "printing/ui/EseguiStampa.h"
#include "widgets/Conversioni.h"

namespace sirvela {

TFormImpostaTabulato::TFormImpostaTabulato(const TImpTabulato& imp, const TListaColonne& colonne,
                                           std::string nomeSistema, IMessaggi& messaggi,
                                           ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent),
      carattere_(imp.Carattere),
      colonne_(colonne),
      nomeSistema_(std::move(nomeSistema)),
      messaggi_(messaggi),
      scelta_(scelta) {
    setObjectName("FormImpostaTabulato");
    setWindowTitle("Impostazioni del Tabulato");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* spaziatura = new QGroupBox("Spaziatura tra le Schedine", this);
    orizzontale_ = new QSpinBox(spaziatura);
    orizzontale_->setObjectName("Orizzontale");
    verticale_ = new QSpinBox(spaziatura);
    verticale_->setObjectName("Verticale");
    for (QSpinBox* s : {orizzontale_, verticale_}) {
        s->setRange(1, 20);
        s->setSuffix(" mm");
    }
    orizzontale_->setValue(imp.SpaziaturaOrizzontale);
    verticale_->setValue(imp.SpaziaturaVerticale);
    auto* ls = new QGridLayout(spaziatura);
    ls->addWidget(new QLabel("Orizzontale", spaziatura), 0, 0);
    ls->addWidget(orizzontale_, 0, 1);
    ls->addWidget(new QLabel("Verticale", spaziatura), 1, 0);
    ls->addWidget(verticale_, 1, 1);
    ls->setColumnStretch(2, 1);

    auto* tipo = new QGroupBox("Tipo di Carattere", this);
    nome_ = new QLabel(tipo);
    nome_->setObjectName("NomeCarattere");
    nome_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nome_->setMinimumWidth(180);
    dimensione_ = new QLabel(tipo);
    dimensione_->setObjectName("Dimensione");
    stile_ = new QLabel(tipo);
    stile_->setObjectName("Stile");
    cambia_ = new QPushButton("Cambia", tipo);
    cambia_->setObjectName("BtnCambia");
    auto* lt = new QGridLayout(tipo);
    lt->addWidget(nome_, 0, 0, 1, 3);
    lt->addWidget(cambia_, 0, 3);
    lt->addWidget(new QLabel("Dimensione :", tipo), 1, 0);
    lt->addWidget(dimensione_, 1, 1);
    lt->addWidget(new QLabel("Stile :", tipo), 2, 0);
    lt->addWidget(stile_, 2, 1);
    lt->setColumnStretch(2, 1);
    connect(cambia_, &QPushButton::clicked, this, &TFormImpostaTabulato::BtnCambiaClick);

    anteprima_ = new QPushButton("Antemprima", this);
    anteprima_->setObjectName("BtnAnteprima");
    connect(anteprima_, &QPushButton::clicked, this, &TFormImpostaTabulato::BtnAnteprimaClick);

    auto* pulsanti = PulsantiOkAnnullaAiuto(*this, "impostazioni-tabulato");
    pulsanti->addButton(anteprima_, QDialogButtonBox::ActionRole);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* l = new QVBoxLayout(this);
    l->addWidget(spaziatura);
    l->addWidget(tipo);
    l->addWidget(pulsanti);
    l->setSizeConstraint(QLayout::SetFixedSize);
    AggiornaCarattere();
}

TImpTabulato TFormImpostaTabulato::Risultato() const {
    TImpTabulato t;
    t.SpaziaturaOrizzontale = orizzontale_->value();
    t.SpaziaturaVerticale = verticale_->value();
    t.Carattere = carattere_;
    return t;
}

void TFormImpostaTabulato::AggiornaCarattere() {
    nome_->setText(QS(carattere_.Nome));
    dimensione_->setText(QString::number(carattere_.Dimensione));
    stile_->setText(NomeStile(carattere_.Stile));
    QFont f = CarattereQt(CarattereTabulato(Risultato()));
    f.setPointSize(10);
    nome_->setFont(f);
}

void TFormImpostaTabulato::BtnCambiaClick() {
    bool ok = false;
    const QFont attuale = CarattereQt(CarattereTabulato(Risultato()));
    const QFont scelto = QFontDialog::getFont(&ok, attuale, this, "Tipo di Carattere");
    if (!ok) return;
    carattere_.Nome = TagliaStringaCorta(SS(scelto.family()));
    carattere_.Dimensione = scelto.pointSize() > 0 ? scelto.pointSize() : carattere_.Dimensione;
    carattere_.Stile =
        static_cast<std::uint8_t>((scelto.bold() ? 1 : 0) | (scelto.italic() ? 2 : 0));
    AggiornaCarattere();
}

void TFormImpostaTabulato::BtnAnteprimaClick() {
    TOpzioniTabulato o;
    o.NomeSistema = nomeSistema_;
    o.Impostazioni = Risultato();
    TComandoStampa c;
    c.Titolo = kTitoloTabulato + NomeSenzaEstensione(nomeSistema_);
    c.Errore = kErroreStampaTabulato;
    c.Disegna = [this, o](TmmPrinter& p, TControlloStampa& k, TModoStampa) {
        return StampaTabulato(p, colonne_, o, k);
    };
    EseguiStampa(this, TModoStampa::Anteprima, c, messaggi_, scelta_);
}

bool ModificaImpostazioniTabulato(QWidget* genitore, T_Sistema& sistema,
                                  const TListaColonne& colonne, IMessaggi& messaggi,
                                  ISceltaFile& scelta) {
    TFormImpostaTabulato d(sistema.Dati.Tabulato, colonne, sistema.NomeFile, messaggi, scelta,
                           genitore);
    if (d.exec() != QDialog::Accepted) return false;
    sistema.Dati.Tabulato = d.Risultato();
    SalvaImpostazioniDi(sistema, &messaggi);
    return true;
}

}  // namespace sirvela
