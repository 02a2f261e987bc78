#include "conditions/ui/TFrmRiferimento.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

#include "conditions/CondizioniRiferimento.h"
#include "conditions/ui/TFrmValori.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"
#include "widgets/Conversioni.h"
#include "widgets/TGraphNumSelector.h"
#include "widgets/TLCasSelector.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

namespace {

constexpr int kLarghezzaCasella = 27;
constexpr int kAltezzaCasella = 21;
constexpr int kDistanzaCaselle = 3;

// Eight entry cells in one row under the labels 1º..8º, placed into `dove`.
TLCasSelector* NuoveCaselle(IMessaggi& messaggi, QWidget* parent, QBoxLayout* dove) {
    auto* blocco = new QWidget(parent);
    auto* griglia = new QVBoxLayout(blocco);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->setSpacing(1);
    auto* etichette = new QWidget(blocco);
    for (int i = 0; i < 8; ++i) {
        auto* l = new QLabel(QString("%1º").arg(i + 1), etichette);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(i * (kLarghezzaCasella + kDistanzaCaselle), 0, kLarghezzaCasella, 16);
    }
    etichette->setFixedSize(8 * (kLarghezzaCasella + kDistanzaCaselle) - kDistanzaCaselle, 16);
    auto* c = new TLCasSelector(messaggi, blocco);
    c->ImpostaTotaleNumeri(8);
    c->ImpostaNumeriPerRiga(8);
    c->ImpostaCella(kLarghezzaCasella, kAltezzaCasella);
    c->ImpostaDistanze(kDistanzaCaselle, 2);
    griglia->addWidget(etichette);
    griglia->addWidget(c);
    dove->addWidget(blocco);
    return c;
}

// The cells' texts from a model, without reporting them as edits.
void MostraCaselle(TLCasSelector& c, const std::array<std::string, 8>& testi) {
    for (int i = 0; i < 8; ++i) {
        TCellaCas* cella = c.Cella(i + 1);
        const QString t = QS(testi[static_cast<std::size_t>(i)]);
        if (cella->text() != t) cella->setText(t);
    }
}

QToolButton* NuovoBottone(QWidget* parent, const QString& testo, const QString& nome,
                          const QString& suggerimento) {
    auto* b = new QToolButton(parent);
    b->setText(testo);
    b->setObjectName(nome);
    b->setToolTip(suggerimento);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setFixedSize(28, 24);
    return b;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TFrmListaCombFiltro::TFrmListaCombFiltro(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondGruppo(messaggi, "Colonne Filtro", "colonne-filtro", "Colonna Filtro", true, parent) {
    setObjectName("FrmListaCombFiltro");
    ImpostaModelloMembro(&filtro_);

    Corpo()->addWidget(NuovaScelta(this, "Tipo di Confronto", {"di Posizione", "DiPosizione"},
                                   diPosizione_, {"a Girare", "AGirare"}, aGirare_));
    connect(diPosizione_, &QRadioButton::clicked, this, [this] {
        filtro_.ImpostaConfronto(TModelloColonnaFiltro::kDiPosizione);
        MostraConfronto();
    });
    connect(aGirare_, &QRadioButton::clicked, this, [this] {
        filtro_.ImpostaConfronto(TModelloColonnaFiltro::kAGirare);
        MostraConfronto();
    });

    // One page per comparison, the dialog as large as the larger one.
    pagine_ = new QStackedWidget(this);
    pagine_->setObjectName("PagineConfronto");
    // "di Posizione": the filter column.
    auto* colonna = new QGroupBox("Colonna Filtro", pagine_);
    posizione_ = colonna;
    auto* lc = new QHBoxLayout(colonna);
    caselle_ = NuoveCaselle(messaggi_, colonna, lc);
    lc->addStretch();
    pagine_->addWidget(colonna);
    connect(caselle_, &TLCasSelector::Cambiato, this, [this] {
        if (aggiornando_) return;
        for (int i = 0; i < 8; ++i) filtro_.ImpostaCasella(i, SS(caselle_->Cella(i + 1)->text()));
    });

    // "a Girare": the pilots, in the order chosen.
    girare_ = new QWidget(pagine_);
    auto* lg = new QVBoxLayout(girare_);
    lg->setContentsMargins(0, 0, 0, 0);
    lg->addWidget(new QLabel("Colonnna Filtro", girare_));
    piloti_ = new TGraphNumSelector(girare_);
    piloti_->setObjectName("PilotiFiltro");
    const int n = NumeroPiloti;
    piloti_->ImpostaForma(n, 1);
    piloti_->ImpostaCella(26, 24);
    piloti_->ImpostaBordo(true);
    piloti_->ImpostaMaxNumeri(n);
    TCombinazione tutti;
    for (int p = 1; p <= n; ++p) tutti.Aggiungi(p);
    piloti_->ImpostaSelezionabili(tutti);
    lg->addWidget(piloti_, 0, Qt::AlignLeft);
    ordine_ = new QLabel(girare_);
    ordine_->setObjectName("OrdinePiloti");
    lg->addWidget(ordine_);
    lg->addStretch();
    pagine_->addWidget(girare_);
    Corpo()->addWidget(pagine_);
    connect(piloti_, &TGraphNumSelector::Cambiato, this, [this] {
        if (aggiornando_) return;
        filtro_.ImpostaPiloti(piloti_->Selezionati());
        MostraConfronto();
    });

    FormaEditore(*NuovoEditore(0, "Punti"), {"PtPunti", "Punti", 9, true});
}

void TFrmListaCombFiltro::MostraConfronto() {
    const bool diPosizione = filtro_.Confronto() == TModelloColonnaFiltro::kDiPosizione;
    (diPosizione ? diPosizione_ : aGirare_)->setChecked(true);
    pagine_->setCurrentWidget(diPosizione ? posizione_ : girare_);
    QStringList ordine;
    const TCombinazione& p = filtro_.Piloti();
    for (int i = 0; i < p.Conta(); ++i) ordine << QString::number(p[i]);
    ordine_->setText("Ordine : " +
                     (ordine.isEmpty() ? QString("nessun pilota scelto") : ordine.join(" - ")));
}

void TFrmListaCombFiltro::AggiornaMembro(TCondizione& membro) {
    aggiornando_ = true;
    // Only pilots in play can be chosen to turn.
    if (membro.Proprietario) {
        const TPilotiInGioco inGioco = membro.Proprietario->PilotiInGioco();
        TCombinazione selezionabili;
        for (int p = 1; p <= kMaxPiloti; ++p)
            if (inGioco.InGioco(p)) selezionabili.Aggiungi(p);
        piloti_->ImpostaSelezionabili(selezionabili);
    }
    MostraCaselle(*caselle_, filtro_.Caselle());
    piloti_->ImpostaSelezionati(filtro_.Piloti());
    aggiornando_ = false;
    MostraConfronto();
}

void TFrmListaCombFiltro::MostraErrore(const TErroreGriglia& e) {
    TFrmCondGruppo::MostraErrore(e);
    caselle_->FuocoACella(e.Colonna + 1);
}

// ---------------------------------------------------------------------------------------------

TFrmSequela::TFrmSequela(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondGruppo(messaggi, "Sequele Pari Dispari", "sequele", "Sequela", true, parent) {
    setObjectName("FrmSequela");
    ImpostaModelloMembro(&sequela_);

    auto* tipo = new QHBoxLayout;
    tipo->addWidget(new QLabel("Tipo :", this));
    const char* testi[] = {"P", "M", "B", "J", "S"};
    const char* suggerimenti[] = {"Particolare", "Monotermine", "Bitermine", "Generica",
                                  "Speculare"};
    for (int t = 1; t <= 5; ++t) {
        QToolButton* b = NuovoBottone(this, testi[t - 1], QString("Tipo%1").arg(testi[t - 1]),
                                      suggerimenti[t - 1]);
        connect(b, &QToolButton::clicked, this, [this, t] {
            sequela_.ImpostaTipo(t);
            MostraSequela();
        });
        tipi_[static_cast<std::size_t>(t - 1)] = b;
        tipo->addWidget(b);
    }
    tipo->addStretch();
    Corpo()->addLayout(tipo);

    auto* forma = new QHBoxLayout;
    auto* gruppoSchema = new QGroupBox("Sequela (1 = Pari, 2 = Dispari)", this);
    auto* ls = new QHBoxLayout(gruppoSchema);
    schema_ = NuoveCaselle(messaggi_, gruppoSchema, ls);
    schema_->setObjectName("Schema");
    forma->addWidget(gruppoSchema);
    forma->addSpacing(12);
    forma->addWidget(new QLabel("Lunghezza", this), 0, Qt::AlignBottom);
    lunghezza_ = new QSpinBox(this);
    lunghezza_->setObjectName("Lunghezza");
    lunghezza_->setRange(TModelloSequela::kLunghezzaMinima, TModelloSequela::kLunghezzaMassima);
    lunghezza_->setFixedWidth(52);
    forma->addWidget(lunghezza_, 0, Qt::AlignBottom);
    forma->addStretch();
    Corpo()->addLayout(forma);
    connect(schema_, &TLCasSelector::Cambiato, this, [this] {
        if (aggiornando_) return;
        for (int i = 0; i < 8; ++i) sequela_.ImpostaSchema(i, SS(schema_->Cella(i + 1)->text()));
        MostraSequela();
    });
    connect(lunghezza_, &QSpinBox::valueChanged, this, [this](int v) {
        if (aggiornando_) return;
        sequela_.ImpostaLunghezza(v);
        MostraSequela();
    });

    auto* passo = new QHBoxLayout;
    passo->addWidget(new QLabel("Passo :", this));
    const std::pair<int, const char*> passi[] = {{TModelloSequela::kPasso2, "2"},
                                                 {TModelloSequela::kPasso3, "3"},
                                                 {TModelloSequela::kPasso4, "4"},
                                                 {TModelloSequela::kPassoN, "N"},
                                                 {TModelloSequela::kPassoX, "X"}};
    const char* suggerimentiPasso[] = {"Avanza di 2", "Avanza di 3", "Avanza di 4",
                                       "Dopo una sequela trovata avanza della sua lunghezza, "
                                       "altrimenti di 1",
                                       "Passi scelti a mano"};
    for (std::size_t k = 0; k < 5; ++k) {
        const auto [codice, testo] = passi[k];
        QToolButton* b =
            NuovoBottone(this, testo, QString("Passo%1").arg(testo), suggerimentiPasso[k]);
        connect(b, &QToolButton::clicked, this, [this, c = codice] {
            sequela_.ImpostaPasso(c);
            MostraSequela();
        });
        passi_[k] = b;
        passo->addWidget(b);
    }
    passo->addSpacing(12);
    auto spin = [this, passo](const char* testo, const char* nome) {
        passo->addWidget(new QLabel(testo, this));
        auto* s = new QSpinBox(this);
        s->setObjectName(nome);
        s->setRange(1, TModelloSequela::kPassoMassimo);
        s->setFixedWidth(52);
        passo->addWidget(s);
        return s;
    };
    trovata_ = spin("Passo Trovata", "PassoTrovata");
    passo->addSpacing(8);
    nonTrovata_ = spin("Passo Non Trovata", "PassoNonTrovata");
    passo->addStretch();
    Corpo()->addLayout(passo);
    connect(trovata_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!aggiornando_) sequela_.ImpostaPassoTrovata(v);
    });
    connect(nonTrovata_, &QSpinBox::valueChanged, this, [this](int v) {
        if (!aggiornando_) sequela_.ImpostaPassoNonTrovata(v);
    });

    editore_ = NuovoEditore(0, "Presenze");
    FormaEditore(*editore_, {"PtPresenze", "Presenze", 8, true});
}

void TFrmSequela::MostraSequela() {
    aggiornando_ = true;
    BtnTipo(sequela_.Tipo())->setChecked(true);
    BtnPasso(sequela_.Passo())->setChecked(true);
    MostraCaselle(*schema_, sequela_.Schema());
    schema_->setEnabled(sequela_.SchemaAbilitato());
    // For "P" the box shows the pattern's length, whatever it is so far.
    const bool libera = sequela_.LunghezzaAbilitata();
    lunghezza_->setMinimum(libera ? TModelloSequela::kLunghezzaMinima : 0);
    lunghezza_->setValue(libera ? sequela_.Lunghezza() : sequela_.LunghezzaEffettiva());
    lunghezza_->setEnabled(libera);
    trovata_->setValue(sequela_.PassoTrovata());
    nonTrovata_->setValue(sequela_.PassoNonTrovata());
    trovata_->setEnabled(sequela_.PassiAbilitati());
    nonTrovata_->setEnabled(sequela_.PassiAbilitati());
    editore_->ImpostaTipi(true, sequela_.ConsAbilitato(), false);
    aggiornando_ = false;
}

void TFrmSequela::AggiornaMembro(TCondizione&) {
    MostraSequela();
}

void TFrmSequela::MostraErrore(const TErroreGriglia& e) {
    TFrmCondGruppo::MostraErrore(e);
    schema_->FuocoACella(e.Colonna + 1);
}

}  // namespace sirvela
