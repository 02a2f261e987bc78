#include "conditions/ui/TFrmCondizione.h"

#include <QHBoxLayout>
#include <QStyle>

#include "app/ui/TFormAiuto.h"
#include "app/ui/TSceltaFileQt.h"
#include "archive/TArchivio.h"
#include "archive/ui/TFrmAnalisiCF.h"
#include "archive/ui/TFrmArchivio.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondizione.h"
#include "core/TDatiSistema.h"
#include "widgets/TGrigliaIntervalli.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

namespace {

QGroupBox* NuovoBoxStato(const QString& titolo, QRadioButton*& attivato, QRadioButton*& disattivato,
                         const char* suffisso, QWidget* parent) {
    const QString s = suffisso;
    return NuovaScelta(parent, titolo, {"Attivato", "Attivato" + s}, attivato,
                       {"Disattivato", "Disattivato" + s}, disattivato);
}

// Every widget of a layout and of its nested layouts.
void Abilita(QLayout* l, bool si) {
    for (int k = 0; k < l->count(); ++k) {
        QLayoutItem* i = l->itemAt(k);
        if (QWidget* w = i->widget()) w->setEnabled(si);
        if (QLayout* sotto = i->layout()) Abilita(sotto, si);
    }
}

}  // namespace

QGroupBox* NuovaScelta(QWidget* parent, const QString& titolo, const TOpzione& primo,
                       QRadioButton*& primoBtn, const TOpzione& secondo,
                       QRadioButton*& secondoBtn) {
    auto* box = new QGroupBox(titolo, parent);
    auto* l = new QHBoxLayout(box);
    for (auto [o, b] : {std::pair(&primo, &primoBtn), {&secondo, &secondoBtn}}) {
        *b = new QRadioButton(o->Testo, box);
        (*b)->setObjectName(o->Nome);
        l->addWidget(*b);
    }
    l->addStretch();
    return box;
}

TFrmCondizione::TFrmCondizione(IMessaggi& messaggi, const QString& titolo,
                               const QString& argomentoAiuto, QWidget* parent)
    : QDialog(parent),
      messaggi_(messaggi),
      aiuto_(argomentoAiuto),
      sceltaPropria_(std::make_unique<TSceltaFileQt>(this)),
      scelta_(sceltaPropria_.get()) {
    setWindowTitle(titolo);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    corpo_ = new QVBoxLayout;
    boxStato_ = NuovoBoxStato("Stato :", attivato_, disattivato_, "", this);
    // Clicks, not state changes: a click on the option shown marks the dialog changed too.
    connect(attivato_, &QRadioButton::clicked, this, [this] { ClicStato(true); });
    connect(disattivato_, &QRadioButton::clicked, this, [this] { ClicStato(false); });

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("BtnOk");
    annulla_ = new QPushButton("Annulla", this);
    annulla_->setObjectName("BtnAnnulla");
    azzera_ = new QPushButton("Azzera ", this);
    azzera_->setObjectName("BtnAzzera");
    aiutoBtn_ = new QPushButton("Aiuto", this);
    aiutoBtn_->setObjectName("BtnAiuto");
    archivioBtn_ = new QPushButton("Archivio", this);
    archivioBtn_->setObjectName("BtnArchivio");
    analisiBtn_ = new QPushButton("Analisi ", this);
    analisiBtn_->setObjectName("BtnAnalisi");
    for (QPushButton* b : {ok_, annulla_, azzera_, aiutoBtn_, archivioBtn_, analisiBtn_})
        b->setAutoDefault(false);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TFrmCondizione::accept);
    connect(annulla_, &QPushButton::clicked, this, &QDialog::reject);
    connect(azzera_, &QPushButton::clicked, this, [this] {
        Azzera();
        AggiornaEditori();
        MostraStato(true);
    });
    connect(aiutoBtn_, &QPushButton::clicked, this, &TFrmCondizione::BtnAiutoClick);
    connect(archivioBtn_, &QPushButton::clicked, this, &TFrmCondizione::BtnArchivioClick);
    connect(analisiBtn_, &QPushButton::clicked, this, &TFrmCondizione::BtnAnalisiClick);

    riga_ = new QHBoxLayout;
    riga_->addWidget(boxStato_);
    riga_->addStretch();
    for (QPushButton* b : {archivioBtn_, analisiBtn_, ok_, annulla_, azzera_, aiutoBtn_})
        riga_->addWidget(b, 0, Qt::AlignBottom);

    rigaConteggio_ = new TRigaConteggio([this] { return CopiaConteggio({}); }, this);

    auto* l = new QVBoxLayout(this);
    l->addLayout(corpo_);
    l->addLayout(riga_);
    l->addWidget(rigaConteggio_);
    l->setSizeConstraint(QLayout::SetFixedSize);
}

std::unique_ptr<TDatiSistema> TFrmCondizione::CopiaConteggio(TSostituzioni s) {
    IFonteConteggio* sopra = FonteConteggio(this);
    const TCondizione* originale = OriginaleConteggio();
    if (!sopra || !originale) return nullptr;
    std::unique_ptr<TCondizione> copia = CopiaPerConteggio();
    if (!copia) return nullptr;
    if (const TCondizione* radice = RadiceLavoro()) ApplicaSostituzioni(*radice, *copia, s);
    s.Aggiungi(originale, std::move(copia));
    return sopra->CopiaConteggio(std::move(s));
}

TFrmCondizione::~TFrmCondizione() = default;

TLGraphpt* TFrmCondizione::NuovoEditore(int categoria, const QString& titolo, QBoxLayout* dove) {
    auto* box = new QGroupBox(titolo, this);
    auto* e = new TLGraphpt(box);
    e->setObjectName(QString("Editore%1").arg(categoria));
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(6, 4, 6, 6);
    l->addWidget(e, 0, Qt::AlignLeft);
    (dove ? dove : corpo_)->addWidget(box);
    if (categoria >= 0) ModelloEditori().Collega(categoria, &e->Modello());
    editori_.push_back(e);
    return e;
}

TGrigliaIntervalli* TFrmCondizione::NuovaGriglia(int categoria, const QString& titolo,
                                                 QBoxLayout* dove) {
    auto* box = new QGroupBox(titolo, this);
    auto* g = new TGrigliaIntervalli(box);
    g->setObjectName(QString("Griglia%1").arg(categoria));
    auto* l = new QVBoxLayout(box);
    l->setContentsMargins(6, 4, 6, 6);
    l->addWidget(g);
    (dove ? dove : corpo_)->addWidget(box);
    ModelloEditori().Collega(categoria, &g->Modello());
    griglie_.push_back(g);
    categorieGriglie_.push_back(categoria);
    return g;
}

void TFrmCondizione::ImpostaOggetto(TCondizione& c) {
    modello_.ImpostaOggetto(&c);
    AggiornaForm();
}

void TFrmCondizione::AggiornaForm() {
    modello_.AggiornaForm();
    parametri_ = false;
    AggiornaEditori();
    MostraStato(modello_.Attivato());
    AggiornaParametri();
    AggiornaAnalisi(modello_.Oggetto());
}

void TFrmCondizione::AggiornaAnalisi(const TCondizione* c) {
    const TDatiSistema* d = c ? c->Proprietario : nullptr;
    archivioBtn_->setEnabled(d && ArchivioUsabile(d->Archivio));
    analisiBtn_->setEnabled(c != nullptr);
}

std::unique_ptr<TCondizione> TFrmCondizione::CopiaPerAnalisi() {
    std::unique_ptr<TCondizione> copia = modello_.CopiaCorrente();
    TCondizione* oggetto = modello_.Oggetto();
    if (copia) {
        // The dialog's further controls are read into the copy, the object waits for "OK".
        modello_.ImpostaOggetto(copia.get());
        AcquisisceParametri();
        modello_.ImpostaOggetto(oggetto);
        copia->AggiornaStato();
    }
    return copia;
}

bool TFrmCondizione::NienteDaAnalizzare(const TCondizione& copia, bool analisiColonne) {
    if (!SenzaIntervalli(copia, analisiColonne)) return false;
    messaggi_.Mostra("Informazione", kNessunIntervallo, PulsanteOk);
    return true;
}

void TFrmCondizione::BtnArchivioClick() {
    std::unique_ptr<TCondizione> copia = CopiaPerAnalisi();
    if (!copia || NienteDaAnalizzare(*copia, false)) return;
    TParametriAnalisi p = ParametriAnalisi();
    p.SoloArchivio = true;
    TFrmArchivio viewer(messaggi_, SceltaFile(), this);
    if (viewer.ImpostaOggetto(*copia, p)) viewer.exec();
}

void TFrmCondizione::BtnAnalisiClick() {
    std::unique_ptr<TCondizione> copia = CopiaPerAnalisi();
    if (!copia || NienteDaAnalizzare(*copia, true)) return;
    TFrmAnalisiCF finestra(messaggi_, SceltaFile(), this);
    if (finestra.ImpostaOggetto(*copia, ParametriAnalisi())) finestra.exec();
}

void TFrmCondizione::AggiornaEditori() {
    for (TLGraphpt* e : editori_) e->Aggiorna();
    for (TGrigliaIntervalli* g : griglie_) g->Aggiorna();
}

void TFrmCondizione::MostraStato(bool attivato) {
    (attivato ? attivato_ : disattivato_)->setChecked(true);
}

void TFrmCondizione::Azzera() {
    modello_.Azzera();
}

void TFrmCondizione::MostraErrore(const TErroreGriglia& e) {
    messaggi_.Mostra(e.Titolo, e.Messaggio, PulsanteOk);
    for (std::size_t i = 0; i < griglie_.size(); ++i)
        if (categorieGriglie_[i] == e.Categoria) griglie_[i]->MostraErrore(e);
}

bool TFrmCondizione::AcquisisceForm() {
    TErroreGriglia e;
    const bool cambiato = modello_.AcquisisceForm(&e);
    if (!e.Ok()) {
        MostraErrore(e);
        return false;
    }
    if (parametri_) {
        AcquisisceParametri();
        if (modello_.Oggetto()) modello_.Oggetto()->AggiornaStato();
    }
    cambiato_ = cambiato || parametri_;
    return true;
}

void TFrmCondizione::accept() {
    if (AcquisisceForm()) QDialog::accept();
}

void TFrmCondizione::BtnAiutoClick() {
    MostraAiuto(this, aiuto_);
}

// ---------------------------------------------------------------------------------------------

TFrmCondGruppo::TFrmCondGruppo(IMessaggi& messaggi, const QString& titolo,
                               const QString& argomentoAiuto, const QString& etichetta,
                               bool femminile, QWidget* parent)
    : TFrmCondizione(messaggi, titolo, argomentoAiuto, parent),
      etichetta_(etichetta),
      nessuno_((femminile ? "Nessuna " : "Nessun ") + etichetta) {
    BoxStato()->setTitle("Stato generale :");

    boxMembro_ = new QGroupBox(this);
    boxMembro_->setObjectName("BoxMembro");
    numero_ = new QLabel(boxMembro_);
    numero_->setObjectName("NumeroMembro");
    QFont grassetto = numero_->font();
    grassetto.setBold(true);
    numero_->setFont(grassetto);
    auto freccia = [this](const char* nome, QStyle::StandardPixmap icona,
                          const char* suggerimento) {
        auto* b = new QToolButton(boxMembro_);
        b->setObjectName(nome);
        b->setIcon(style()->standardIcon(icona));
        b->setToolTip(suggerimento);
        return b;
    };
    primo_ = freccia("PrimoBtn", QStyle::SP_MediaSkipBackward, "Primo");
    precedente_ = freccia("PrecedenteBtn", QStyle::SP_MediaSeekBackward, "Precedente");
    successivo_ = freccia("SuccessivoBtn", QStyle::SP_MediaSeekForward, "Successivo");
    ultimo_ = freccia("UltimoBtn", QStyle::SP_MediaSkipForward, "Ultimo");
    aggiungi_ = new QPushButton("Aggiungi", boxMembro_);
    aggiungi_->setObjectName("AggiungiBtn");
    elimina_ = new QPushButton("Elimina", boxMembro_);
    elimina_->setObjectName("EliminaBtn");
    for (QPushButton* b : {aggiungi_, elimina_}) b->setAutoDefault(false);
    boxStatoMembro_ = NuovoBoxStato("Stato ", attivatoS_, disattivatoS_, "S", boxMembro_);

    connect(primo_, &QToolButton::clicked, this, [this] { Naviga(gruppo_.Primo()); });
    connect(precedente_, &QToolButton::clicked, this, [this] { Naviga(gruppo_.Precedente()); });
    connect(successivo_, &QToolButton::clicked, this, [this] { Naviga(gruppo_.Successivo()); });
    connect(ultimo_, &QToolButton::clicked, this, [this] { Naviga(gruppo_.Ultimo()); });
    connect(aggiungi_, &QPushButton::clicked, this, [this] { Naviga(gruppo_.Aggiungi()); });
    connect(elimina_, &QPushButton::clicked, this, [this] {
        gruppo_.Elimina();
        MostraMembro();
    });
    connect(attivatoS_, &QRadioButton::clicked, this,
            [this] { gruppo_.Membro.ClicAttivato(true); });
    connect(disattivatoS_, &QRadioButton::clicked, this,
            [this] { gruppo_.Membro.ClicAttivato(false); });

    // The navigation row is one widget, so that hiding it leaves no gap.
    navigazione_ = new QWidget(boxMembro_);
    navigazione_->setObjectName("Navigazione");
    auto* testa = new QHBoxLayout(navigazione_);
    testa->setContentsMargins(0, 0, 0, 0);
    testa->addWidget(numero_);
    testa->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{primo_, precedente_, successivo_, ultimo_})
        testa->addWidget(w);
    testa->addSpacing(12);
    testa->addWidget(aggiungi_);
    testa->addWidget(elimina_);
    auto* membro = new QVBoxLayout;
    auto* piede = new QHBoxLayout;
    piede->addWidget(boxStatoMembro_);
    piede->addStretch();
    auto* l = new QVBoxLayout(boxMembro_);
    l->addWidget(navigazione_);
    l->addLayout(membro);
    l->addLayout(piede);
    corpo_->addWidget(boxMembro_);
    // The dialog's own controls go in the member's frame.
    corpo_ = membro;
}

void TFrmCondGruppo::SoloMembro() {
    navigazione_->hide();
    BoxStato()->hide();
}

void TFrmCondGruppo::ImpostaOggetto(TCondizione& c) {
    gruppo_.ImpostaOggetto(dynamic_cast<TCondGruppo*>(&c));
    AggiornaForm();
}

void TFrmCondGruppo::AggiornaForm() {
    MostraStato(gruppo_.Attivato());
    MostraMembro();
}

std::unique_ptr<TCondizione> TFrmCondGruppo::CopiaPerAnalisi() {
    return gruppo_.CopiaCorrente();
}

const TCondizione* TFrmCondGruppo::OriginaleConteggio() const {
    if (sostituito_) return sostituito_;
    return gruppo_.Oggetto();
}

std::unique_ptr<TCondizione> TFrmCondGruppo::CopiaPerConteggio() {
    return sostituito_ ? gruppo_.CopiaCorrente() : gruppo_.CopiaIntera();
}

TParametriAnalisi TFrmCondGruppo::ParametriAnalisi() const {
    TParametriAnalisi p;
    p.Numero = gruppo_.Indice() + 1;
    return p;
}

void TFrmCondGruppo::MostraMembro() {
    const int n = gruppo_.Quanti();
    const int i = gruppo_.Indice();
    numero_->setText(i < 0 ? nessuno_
                           : QString("%1 Nº %2 di %3").arg(etichetta_).arg(i + 1).arg(n));
    primo_->setEnabled(gruppo_.PuoIndietro());
    precedente_->setEnabled(gruppo_.PuoIndietro());
    successivo_->setEnabled(gruppo_.PuoAvanti());
    ultimo_->setEnabled(gruppo_.PuoAvanti());
    elimina_->setEnabled(gruppo_.PuoEliminare());
    // Without a member there is nothing to edit but the container's switch.
    const bool membro = Membro() != nullptr;
    Abilita(corpo_, membro);
    boxStatoMembro_->setEnabled(membro);
    AggiornaEditori();
    (gruppo_.Membro.Attivato() || !membro ? attivatoS_ : disattivatoS_)->setChecked(true);
    if (TCondizione* m = membro ? Membro() : gruppo_.Vuoto()) AggiornaMembro(*m);
    AggiornaAnalisi(Membro());
}

void TFrmCondGruppo::Naviga(const TErroreGriglia& esito) {
    if (!esito.Ok()) MostraErrore(esito);
    MostraMembro();
}

void TFrmCondGruppo::Azzera() {
    gruppo_.Azzera();
    attivatoS_->setChecked(true);
}

bool TFrmCondGruppo::AcquisisceForm() {
    TErroreGriglia e;
    cambiato_ = gruppo_.Applica(&e);
    if (!e.Ok()) {
        MostraErrore(e);
        return false;
    }
    return true;
}

}  // namespace sirvela
