#include "conditions/ui/TFrmQuadro.h"

#include "archive/ui/TFormInsArc_File.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "app/ui/TFormCommento.h"
#include "conditions/ui/Modifica.h"
#include "conditions/ui/TFrmAlbero.h"
#include "conditions/ui/TFrmValori.h"
#include "core/Globali.h"
#include "widgets/Conversioni.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

namespace {

constexpr const char* kFiltroQuadri = "Files Quadro (*.QDR)|*.QDR";
constexpr const char* kFiltroCondizioni = "Files Condizioni (*.CND)|*.CND";

TRichiestaFile Richiesta(const char* titolo, const char* filtro, const char* estensione,
                         bool apri) {
    TRichiestaFile r;
    r.Titolo = titolo;
    r.Filtro = filtro;
    r.Estensione = estensione;
    r.Cartella = CartellaQuadri().string();
    r.DeveEsistere = apri;
    return r;
}

}  // namespace

TFrmQuadro::TFrmQuadro(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Quadro", "quadro", parent) {
    setObjectName("FrmQuadro");
    BoxStato()->setTitle("Stato");

    nome_ = new QLineEdit(this);
    nome_->setObjectName("NomeQuadro");
    nome_->setMaxLength(TModelloQuadro::kLunghezzaNome);
    nome_->setFixedWidth(nome_->fontMetrics().horizontalAdvance(QString(22, 'M')));
    percorso_ = new QLabel(this);
    percorso_->setObjectName("Percorso");
    QFont corsivo = percorso_->font();
    corsivo.setItalic(true);
    percorso_->setFont(corsivo);
    auto* testa = new QHBoxLayout;
    testa->addWidget(new QLabel("Nome Del Quadro", this));
    testa->addWidget(nome_);
    testa->addSpacing(16);
    testa->addWidget(percorso_, 1);
    Corpo()->addLayout(testa);

    auto* boxRelazione = new QGroupBox("Relazione Tra le Condizioni", this);
    auto* lr = new QVBoxLayout(boxRelazione);
    for (int r = kAnd; r <= kNot; ++r) {
        auto* b = new QRadioButton(TestoRelazione(r), boxRelazione);
        b->setObjectName(QString("Relazione%1").arg(r));
        connect(b, &QRadioButton::clicked, this, [this, r] {
            modello_.ImpostaRelazione(r);
            AggiornaForm();
        });
        relazioni_[static_cast<std::size_t>(r)] = b;
        lr->addWidget(b);
    }
    auto* boxValori = new QGroupBox("Valori Ammessi", this);
    preset_ = new QRadioButton("Preset", boxValori);
    preset_->setObjectName("Preset");
    particolari_ = new QRadioButton("Particolari", boxValori);
    particolari_->setObjectName("Particolari");
    auto* lv = new QHBoxLayout(boxValori);
    lv->addWidget(preset_);
    lv->addWidget(particolari_);
    for (QRadioButton* b : {preset_, particolari_})
        connect(b, &QRadioButton::clicked, this, [this, b] {
            modello_.ImpostaPreset(b == preset_);
            AggiornaForm();
        });
    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(boxRelazione);
    sinistra->addWidget(boxValori);
    sinistra->addStretch();

    membri_ = new QListWidget(this);
    membri_->setObjectName("MembriQuadro");
    membri_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    membri_->setContextMenuPolicy(Qt::CustomContextMenu);
    membri_->setUniformItemSizes(true);
    membri_->setIconSize(QSize(16, 16));
    const int riga = std::max(18, membri_->fontMetrics().height()) + 4;
    membri_->setFixedHeight(kMembriVisibili * riga + 2 * membri_->frameWidth());
    membri_->setMinimumWidth(360);
    membri_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    membri_->setProperty("altezzaRiga", riga);
    caricaQuadro_ = new QPushButton("Carica Quadro", this);
    caricaQuadro_->setObjectName("CaricaQuadro");
    salvaQuadro_ = new QPushButton("Salva Quadro", this);
    salvaQuadro_->setObjectName("SalvaQuadro");
    precedente_ = new QPushButton("Quadro Precedente", this);
    precedente_->setObjectName("QuadroPrecedente");
    albero_ = new QPushButton("Albero Condizioni", this);
    albero_->setObjectName("AlberoCondizioni");
    auto* pulsanti = new QHBoxLayout;
    for (QPushButton* b : {caricaQuadro_, salvaQuadro_, precedente_, albero_}) {
        b->setAutoDefault(false);
        pulsanti->addWidget(b);
    }
    auto* destra = new QVBoxLayout;
    destra->addWidget(new QLabel("Condizioni del Quadro", this));
    destra->addWidget(membri_);
    destra->addLayout(pulsanti);
    auto* mezzo = new QHBoxLayout;
    mezzo->addLayout(sinistra);
    mezzo->addLayout(destra, 1);
    Corpo()->addLayout(mezzo);

    accettate_ = NuovoEditore(0, "Condizioni Soddisfatte");
    FormaEditore(*accettate_,
                 {"PtAccettate", "Condizioni Soddisfatte", TCondQuadro::kMaxMembri + 1, true});

    CreaPopup();
    connect(nome_, &QLineEdit::textEdited, this, [this](const QString& t) {
        modello_.ImpostaNome(SS(t));
        percorso_->setText(QS(modello_.TestoPercorso()));
    });
    connect(membri_, &QListWidget::itemSelectionChanged, this, &TFrmQuadro::Selezione);
    connect(membri_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { ApriMembro(membri_->row(i)); });
    connect(membri_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        QListWidgetItem* i = membri_->itemAt(p);
        PreparaPopup(i ? membri_->row(i) : modello_.Quanti());
        popup_->exec(membri_->viewport()->mapToGlobal(p));
    });
    connect(caricaQuadro_, &QPushButton::clicked, this, &TFrmQuadro::CaricaQuadroClick);
    connect(salvaQuadro_, &QPushButton::clicked, this, &TFrmQuadro::SalvaQuadroClick);
    connect(precedente_, &QPushButton::clicked, this, [this] {
        modello_.Esci();
        AggiornaForm();
    });
    connect(albero_, &QPushButton::clicked, this, &TFrmQuadro::AlberoClick);
    // Emptying a Quadro with members is confirmed first.
    disconnect(BtnAzzera(), &QPushButton::clicked, this, nullptr);
    connect(BtnAzzera(), &QPushButton::clicked, this, &TFrmQuadro::BtnAzzeraClick);
    AggiornaForm();
}

TFrmQuadro::~TFrmQuadro() = default;

void TFrmQuadro::CreaPopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName("PopupQuadro");
    auto voce = [this](QMenu* menu, const QString& testo, const QString& nome,
                       std::function<void()> comando) {
        QAction* a = menu->addAction(testo);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, std::move(comando));
        return a;
    };
    QMenu* nuova = popup_->addMenu("Nuova");
    nuova->setObjectName("MenuNuova");
    auto nomeNuova = [](int tipo) { return QString("Nuova%1").arg(tipo); };
    for (const TVoceNuova& v : kVociNuova) {
        if (!EsisteDialogoCondizione(v.Singolo)) continue;
        const std::uint8_t singolo = v.Singolo;
        if (!v.Multiplo) {
            voce(nuova, QString::fromUtf8(v.Testo), nomeNuova(singolo),
                 [this, singolo] { Nuova(singolo); });
            continue;
        }
        const std::uint8_t multiplo = v.Multiplo;
        QMenu* scelta = nuova->addMenu(QString::fromUtf8(v.Testo));
        voce(scelta, "Singolo", nomeNuova(singolo), [this, singolo] { Nuova(singolo); });
        voce(scelta, "Multiplo", nomeNuova(multiplo), [this, multiplo] { Nuova(multiplo); });
    }
    nuova->addSeparator();
    voce(nuova, "&Sub Quadro", nomeNuova(kQuadro), [this] { Nuova(kQuadro); });
    popup_->addSeparator();
    voce(popup_, "Taglia", "Taglia", [this] {
        modello_.Taglia();
        AggiornaForm();
    });
    voce(popup_, "Copia", "Copia", [this] { modello_.Copia(); });
    voce(popup_, "Incolla", "Incolla", [this] {
        Esito(modello_.Incolla(posto_));
        AggiornaForm();
    });
    voce(popup_, "Elimina", "Elimina", [this] {
        modello_.Elimina();
        AggiornaForm();
    });
    popup_->addSeparator();
    voce(popup_, "Salva", "SalvaCondizioni", [this] { SalvaCondizioni(); });
    voce(popup_, "Carica", "CaricaCondizioni", [this] { CaricaCondizioni(); });
    popup_->addSeparator();
    voce(popup_, "Commento", "Commento", [this] { Commento(); });
    popup_->addSeparator();
    voce(popup_, "Ins. Automatico Col. Filtro", "InsAutomaticoColFiltro",
         [this] { InsAutomaticoColFiltro(); });
}

void TFrmQuadro::InsAutomaticoColFiltro() {
    TDatiSistema* dati = modello_.Radice().Proprietario;
    if (!dati) return;
    modello_.AggiungiMembri([&](TCondQuadro& q) {
        return InserisciColonneFiltroAutomatiche(q, *dati, messaggi_, SceltaFile(), this);
    });
    AggiornaForm();
}

void TFrmQuadro::PreparaPopup(int posto) {
    posto_ = posto;
    const bool selezione = modello_.QuantiSelezionati() > 0;
    for (const char* nome : {"Taglia", "Copia", "Elimina", "SalvaCondizioni"})
        AzionePopup(nome)->setEnabled(selezione);
    AzionePopup("Incolla")->setEnabled(modello_.PuoIncollare());
}

QAction* TFrmQuadro::AzionePopup(const QString& nome) const {
    return popup_->findChild<QAction*>(nome);
}

void TFrmQuadro::ImpostaOggetto(TCondizione& c) {
    modello_.ImpostaOggetto(dynamic_cast<TCondQuadro*>(&c));
    AggiornaForm();
}

void TFrmQuadro::AggiornaForm() {
    {
        const QSignalBlocker blocco(nome_);
        nome_->setText(QS(modello_.Nome()));
    }
    percorso_->setText(QS(modello_.TestoPercorso()));
    const int r = modello_.Relazione();
    if (r >= kAnd && r <= kNot) relazioni_[static_cast<std::size_t>(r)]->setChecked(true);
    (modello_.Preset() ? preset_ : particolari_)->setChecked(true);
    // With Preset the table follows the relation: there is nothing to edit.
    accettate_->setEnabled(!modello_.Preset());
    precedente_->setEnabled(modello_.PuoUscire());
    MostraMembri();
    AggiornaEditori();
    MostraStato(modello_.Livello.Attivato());
    AggiornaAnalisi(&modello_.Mostrato());
}

void TFrmQuadro::MostraMembri() {
    const QSignalBlocker blocco(membri_);
    membri_->clear();
    const int riga = membri_->property("altezzaRiga").toInt();
    const QIcon quadro = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon condizione = style()->standardIcon(QStyle::SP_FileIcon);
    for (int i = 0; i < modello_.Quanti(); ++i) {
        const TCondizione* m = modello_.Membro(i);
        QString testo = QString("%1  %2").arg(i + 1, 3, 10, QChar('0')).arg(QS(m->Nome));
        if (!m->Attivato) testo += "  (Disattivato)";
        auto* item = new QListWidgetItem(m->TipoCondizione == kQuadro ? quadro : condizione, testo);
        item->setSizeHint(QSize(-1, riga));
        if (!m->Attivato) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        membri_->addItem(item);
        item->setSelected(m->Selezionato);
    }
}

void TFrmQuadro::Selezione() {
    std::vector<int> scelti;
    for (QListWidgetItem* i : membri_->selectedItems()) scelti.push_back(membri_->row(i));
    modello_.ImpostaSelezione(scelti);
}

bool TFrmQuadro::AcquisisceForm() {
    cambiato_ = modello_.Applica() || cambiato_;
    return true;
}

bool TFrmQuadro::Esito(const TEsito& e) {
    if (e) return true;
    if (e.Messaggio == kSpazioInsufficiente)
        messaggi_.Mostra("Informazione", e.Messaggio, PulsanteOk);
    else
        messaggi_.Errore(e.Messaggio);
    return false;
}

bool TFrmQuadro::Conferma() {
    return messaggi_.Mostra("Attenzione", kConfermaSvuotaQuadro, PulsanteSi | PulsanteNo) ==
           PulsanteSi;
}

void TFrmQuadro::BtnAzzeraClick() {
    if (modello_.SvuotaDaConfermare() && !Conferma()) return;
    modello_.Azzera();
    AggiornaForm();
}

void TFrmQuadro::CaricaQuadroClick() {
    if (modello_.SvuotaDaConfermare() && !Conferma()) return;
    auto r = Richiesta("Carica il Quadro", kFiltroQuadri, "QDR", true);
    r.Nome = FileQuadroPredefinito().filename().string();
    const auto file = SceltaFile().Apri(r);
    if (!file) return;
    Esito(modello_.CaricaQuadro(*file));
    AggiornaForm();
}

void TFrmQuadro::SalvaQuadroClick() {
    auto r = Richiesta("Salva Il Quadro", kFiltroQuadri, "QDR", false);
    r.Nome = FileQuadroPredefinito().filename().string();
    const auto file = SceltaFile().Salva(r);
    if (!file) return;
    Esito(modello_.SalvaQuadro(*file));
    AggiornaForm();
}

void TFrmQuadro::Nuova(std::uint8_t tipo) {
    Esito(modello_.Nuova(tipo, posto_));
    AggiornaForm();
}

void TFrmQuadro::SalvaCondizioni() {
    const auto file =
        SceltaFile().Salva(Richiesta("Salva le Condizioni", kFiltroCondizioni, "CND", false));
    if (file) Esito(modello_.SalvaCondizioni(*file));
}

void TFrmQuadro::CaricaCondizioni() {
    const auto file =
        SceltaFile().Apri(Richiesta("Carica le Condizioni", kFiltroCondizioni, "CND", true));
    if (!file) return;
    Esito(modello_.CaricaCondizioni(*file, posto_));
    AggiornaForm();
}

void TFrmQuadro::Commento() {
    TFormCommento f(modello_.Commento(), this);
    if (f.exec() == QDialog::Accepted) modello_.ImpostaCommento(f.Righe());
}

void TFrmQuadro::ApriMembro(int indice) {
    if (modello_.Entra(indice)) {
        AggiornaForm();
        return;
    }
    if (TCondizione* m = modello_.Membro(indice)) {
        Modifica(*m, messaggi_, this);
        MostraMembri();
    }
}

bool TFrmQuadro::ApriNodo(const TNodoAlbero& nodo) {
    if (nodo.Quadro) {
        modello_.VaiA(nodo.Percorso);
        AggiornaForm();
        return true;
    }
    if (nodo.Condizione) Modifica(*nodo.Condizione, messaggi_, this);
    MostraMembri();
    return false;
}

void TFrmQuadro::AlberoClick() {
    TFrmAlbero albero(
        modello_, [this](const TNodoAlbero& n) { return ApriNodo(n); }, this);
    albero.exec();
}

}  // namespace sirvela
