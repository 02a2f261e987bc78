#include "app/ui/TFormPrincipale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <chrono>
#include <filesystem>
#include <tuple>

#include "app/Configurazione.h"
#include "app/ui/BarraStrumenti.h"
#include "app/ui/MenuAiuto.h"
#include "app/ui/MenuArchivio.h"
#include "app/ui/MenuColonne.h"
#include "app/ui/MenuCondizioni.h"
#include "app/ui/MenuElaborazione.h"
#include "app/ui/MenuImpostazioni.h"
#include "app/ui/MenuInternet.h"
#include "app/ui/MenuRicevitoria.h"
#include "app/ui/MenuSistemi.h"
#include "app/ui/MenuStampe.h"
#include "app/ui/Risorse.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "development/ui/TFrmSviluppo.h"
#include "widgets/Conversioni.h"
#include "widgets/TGraphNumSelector.h"

namespace sirvela {

// ---------------------------------------------------------------------------------------------

void TSfondoFinestra::ImpostaImmagine(const QPixmap& p) {
    immagine_ = p;
    update();
}

void TSfondoFinestra::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (immagine_.isNull())
        p.fillRect(rect(), palette().color(QPalette::Window));
    else
        p.drawTiledPixmap(rect(), immagine_);
}

// ---------------------------------------------------------------------------------------------

TAnimazione::TAnimazione(QWidget* parent) : QLabel(parent) {
    const QPixmap striscia(":/immagini/logo.png");
    const int l = striscia.width() / kFotogrammi;
    for (int i = 0; i < kFotogrammi; ++i)
        fotogrammi_.push_back(striscia.copy(i * l, 0, l, striscia.height()));
    setFixedSize(l, striscia.height());
    timer_.setInterval(kIntervalloMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Mostra(fotogramma_ % kFotogrammi + 1); });
    Mostra(1);
}

void TAnimazione::Mostra(int fotogramma) {
    fotogramma_ = fotogramma;
    if (!fotogrammi_.empty()) setPixmap(fotogrammi_[fotogramma - 1]);
}

void TAnimazione::Avvia() {
    timer_.start();
}

void TAnimazione::Ferma() {
    timer_.stop();
}

// ---------------------------------------------------------------------------------------------

TFormPrincipale::TFormPrincipale(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& scelta,
                                 QWidget* parent)
    : QMainWindow(parent),
      sistema_(sistema),
      messaggi_(messaggi),
      scelta_(scelta),
      controllore_(sistema, messaggi, scelta, this),
      caso_(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count())) {
    setObjectName("FormPrincipale");
    setMinimumSize(640, 480);
    resize(780, 580);
    sfondo_ = new TSfondoFinestra(this);
    setCentralWidget(sfondo_);
    CreaPannello();
    CreaBarraStato();
    CreaComandi();
    CaricaSfondo();
    sviluppo_ = new TFrmSviluppo(this);
    connect(sviluppo_, &TFrmSviluppo::ChiudiPremuto, this, [this] { azzeraColonne_ = false; });
    connect(sviluppo_, &TFrmSviluppo::Chiuso, this, &TFormPrincipale::AggiornaStatoMenu);
}

void TFormPrincipale::CreaPannello() {
    pannello_ = new QFrame(sfondo_);
    auto* cornice = static_cast<QFrame*>(pannello_);
    cornice->setObjectName("Pannello");
    cornice->setFrameStyle(QFrame::Panel | QFrame::Raised);
    cornice->setLineWidth(2);
    cornice->setAutoFillBackground(true);

    auto* griglia = new QGridLayout;
    griglia->setHorizontalSpacing(6);
    griglia->setVerticalSpacing(4);
    QFont grassetto = font();
    grassetto.setBold(true);
    for (int i = 0; i < 8; ++i) {
        auto* etichetta = new QLabel(QString("%1º").arg(i + 1), pannello_);
        etichetta->setFont(grassetto);
        etichetta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* s = new TGraphNumSelector(pannello_);
        s->setObjectName(QString("Selettore%1").arg(i + 1));
        s->ImpostaBordo(true);
        s->installEventFilter(this);
        selettori_[i] = s;
        connect(s, &TGraphNumSelector::Cambiato, this, [this, i] { SelettoreCambiato(i + 1); });
        auto* p = new QToolButton(pannello_);
        p->setText("P");
        p->setFont(grassetto);
        p->setToolTip(QString("Piloti della %1º posizione").arg(i + 1));
        p->setFixedSize(24, 24);
        pulsantiP_[i] = p;
        connect(p, &QToolButton::clicked, this, [this, i] { ComandoPiloti(i + 1); });
        griglia->addWidget(etichetta, i, 0);
        griglia->addWidget(s, i, 1, Qt::AlignLeft);
        griglia->addWidget(p, i, 2);
    }

    auto* etichettaConcorso = new QLabel("Concorso", pannello_);
    concorso_ = new QLineEdit(pannello_);
    concorso_->setObjectName("Concorso");
    concorso_->setFixedWidth(70);
    concorso_->setValidator(new QIntValidator(0, 2147483647, concorso_));
    connect(concorso_, &QLineEdit::textChanged, this,
            [this](const QString& t) { controllore_.ImpostaConcorso(SS(t)); });

    azzera_ = new QPushButton("Azzera", pannello_);
    azzera_->setObjectName("Azzera");
    connect(azzera_, &QPushButton::clicked, this, &TFormPrincipale::ComandoAzzera);

    animazione_ = new TAnimazione(pannello_);

    auto* basso = new QHBoxLayout;
    basso_ = basso;
    basso->addWidget(etichettaConcorso);
    basso->addWidget(concorso_);
    basso->addSpacing(16);
    basso->addWidget(azzera_);
    basso->addStretch();
    basso->addWidget(animazione_);

    auto* l = new QVBoxLayout(pannello_);
    l->setContentsMargins(12, 10, 12, 8);
    l->addLayout(griglia);
    l->addSpacing(6);
    l->addLayout(basso);
    l->setSizeConstraint(QLayout::SetFixedSize);

    // The panel stays in the middle of the window, whatever its size.
    auto* centro = new QGridLayout(sfondo_);
    centro->addWidget(pannello_, 1, 1);
    centro->setRowStretch(0, 1);
    centro->setRowStretch(2, 1);
    centro->setColumnStretch(0, 1);
    centro->setColumnStretch(2, 1);
}

bool TFormPrincipale::eventFilter(QObject* oggetto, QEvent* e) {
    // The keyboard cursor shows only in the selector that has the focus.
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        if (auto* s = qobject_cast<TGraphNumSelector*>(oggetto))
            s->ImpostaUsaCursore(e->type() == QEvent::FocusIn);
    return QMainWindow::eventFilter(oggetto, e);
}

void TFormPrincipale::CreaBarraStato() {
    auto pannello = [this](const char* nome) {
        auto* l = new QLabel(this);
        l->setObjectName(nome);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(150);
        return l;
    };
    totali_ = pannello("Totali");
    iniziali_ = pannello("Iniziali");
    finali_ = pannello("Finali");
    iniziali_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    finali_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* riga = new QWidget(this);
    auto* l = new QHBoxLayout(riga);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(8);
    l->addWidget(totali_);
    l->addStretch();
    l->addWidget(iniziali_);
    l->addWidget(finali_);
    l->addSpacing(8);
    // The live count on a line of its own under the panels.
    previste_ = new QLabel(this);
    previste_->setObjectName("Previste");
    previste_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    conteggio_ = new TConteggioQt(this);
    connect(conteggio_, &TConteggioQt::Risultato, this, &TFormPrincipale::MostraPreviste);
    auto* area = new QWidget(this);
    auto* righe = new QVBoxLayout(area);
    righe->setContentsMargins(0, 0, 0, 0);
    righe->setSpacing(2);
    righe->addWidget(riga);
    righe->addWidget(previste_);
    statusBar()->addWidget(area, 1);
    statusBar()->setSizeGripEnabled(true);
}

void TFormPrincipale::RegistraAzione(QAction* a) {
    azioni_[a->objectName()] = a;
}

QAction* TFormPrincipale::Azione(const QString& nome) const {
    auto it = azioni_.find(nome);
    return it == azioni_.end() ? nullptr : it->second;
}

void TFormPrincipale::CreaComandi() {
    // The menu bar in its order; each menu builds its own items.
    menu_.push_back(new TMenuSistemi(*this));
    menu_.push_back(new TMenuCondizioni(*this));
    menu_.push_back(new TMenuElaborazione(*this));
    menu_.push_back(new TMenuColonne(*this));
    menu_.push_back(new TMenuArchivio(*this));
    menu_.push_back(new TMenuInternet(*this));
    menu_.push_back(new TMenuStampe(*this));
    menu_.push_back(new TMenuRicevitoria(*this));
    menu_.push_back(new TMenuImpostazioni(*this));
    menu_.push_back(new TMenuAiuto(*this));

    barra_ = addToolBar("Strumenti");
    barra_->setObjectName("BarraStrumenti");
    barra_->setMovable(false);
    barra_->setIconSize(QSize(24, 24));
    CreaBarraStrumenti(*this, *barra_);
}

// ---------------------------------------------------------------------------------------------

std::vector<std::string> TFormPrincipale::NomiPiloti() const {
    std::vector<std::string> nomi;
    for (int i = 1; i <= kMaxPiloti; ++i) nomi.push_back(sistema_.Dati.NomiPiloti[i]);
    return nomi;
}

void TFormPrincipale::RidisegnaSelettori() {
    const int n = std::clamp<int>(NumeroPiloti, 1, kMaxPiloti);
    const TCombinazione selezionabili = controllore_.PilotiSelezionabili();
    // Each selector notifies as it is set and copies itself into its position, so the sets
    // are taken before any selector changes.
    const TPronostico sets = sistema_.Dati.Pronostico;
    for (int i = 0; i < 8; ++i) {
        TGraphNumSelector* s = selettori_[i];
        s->ImpostaForma(n, 1);
        s->ImpostaCella(450 / n, 24);
        s->ImpostaMaxNumeri(n);
        s->ImpostaSelezionabili(selezionabili);
        s->ImpostaSelezionati(sets.Posizione[i]);
    }
}

void TFormPrincipale::SelettoreCambiato(int posizione) {
    controllore_.ImpostaPosizione(posizione, selettori_[posizione - 1]->Selezionati());
}

void TFormPrincipale::AggiornaConteggi() {
    if (comandiSospesi_) return;  // the document belongs to the development now
    const TDatiSistema& d = sistema_.Dati;
    // The counts of what is developed: pilots out of play are left out.
    const TPronostico inGioco = d.PronosticoInGioco();
    totali_->setText(QS(TestoPilotiSelezionati(inGioco.PilotiSelezionati())));
    iniziali_->setText(QS(TestoColonneIniziali(inGioco.ColonneIniziali())));
    finali_->setText(
        QS(TestoColonneFinali(d.Colonne.Quante(), d.Prezzi, sistema_.NumPartecipanti)));
    AggiornaConteggioDalVivo();
}

std::unique_ptr<TDatiSistema> TFormPrincipale::CopiaConteggio(TSostituzioni s) {
    // While a development runs the document is its own.
    if (comandiSospesi_ || !sistema_.Dati.ConteggioDalVivo) return nullptr;
    return CopiaPerConteggio(sistema_.Dati, std::move(s));
}

void TFormPrincipale::AggiornaConteggioDalVivo() {
    if (comandiSospesi_ || !conteggio_) return;
    if (!sistema_.Dati.ConteggioDalVivo) {
        conteggio_->Annulla();
        previste_->hide();
        return;
    }
    previste_->show();
    if (conteggio_->Richiedi(CopiaConteggio({})) && previste_->text().isEmpty())
        previste_->setText(QS(std::string("Colonne previste: ") + kConteggioInCorso));
    // The cost follows the price and the participants without a count.
    MostraPreviste();
}

void TFormPrincipale::MostraPreviste() {
    if (const auto& e = conteggio_->Ultimo())
        previste_->setText(
            QS(TestoColonnePreviste(*e, sistema_.Dati.Prezzi, sistema_.NumPartecipanti)));
}

void TFormPrincipale::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !conteggio_) return;
    // Back from a dialog that may have changed a condition, the link tables or a setting.
    if (isActiveWindow()) AggiornaConteggioDalVivo();
    // A dialog that counts by itself has the processors meanwhile.
    else if (QApplication::activeModalWidget())
        conteggio_->Sospendi();
}

void TFormPrincipale::AggiornaStatoMenu() {
    if (comandiSospesi_) return;
    const TDatiSistema& d = sistema_.Dati;
    TDatiComandi dati;
    dati.ColonneIniziali = d.PronosticoInGioco().ColonneIniziali();
    dati.DaPronostico = d.Sorgente.DaPronostico;
    dati.UsaCondizioni = d.ImpSviluppo.UsaCondizioni;
    dati.ColonneInMemoria = d.Colonne.Quante();
    stato_ = CalcolaStatoComandi(dati);
    for (TMenuComandi* m : menu_) m->AggiornaStato(stato_);
}

void TFormPrincipale::AggiornaTitolo() {
    setWindowTitle(QS(TitoloProgramma(VersioneFormato, sistema_.NomeFile)));
}

void TFormPrincipale::AggiornaStato() {
    AggiornaConteggi();
    AggiornaStatoMenu();
}

void TFormPrincipale::RidisegnaTutto() {
    AggiornaTitolo();
    RidisegnaSelettori();
    {
        const QSignalBlocker blocco(concorso_);
        concorso_->setText(QString::number(sistema_.Dati.Concorso));
    }
    AggiornaConteggi();
    AggiornaStatoMenu();
}

bool TFormPrincipale::CaricaSfondo() {
    const std::string& configurato = sistema_.Dati.Sfondo;
    std::vector<std::filesystem::path> candidati{std::filesystem::path(configurato)};
    // A path written on another system (drive letter, backslashes) names a picture that
    // may well be in our own backgrounds folder.
    const std::string nome = NomeSenzaCartella(configurato);
    if (!nome.empty() && nome != configurato) candidati.push_back(CartellaSfondi() / nome);
    for (const auto& percorso : candidati) {
        // The picture that comes with the program is put back when it went missing.
        if (percorso == std::filesystem::path(SfondoPredefinito()))
            InstallaSeManca(":/immagini/Deep_sea.bmp", percorso);
        QPixmap immagine(QS(percorso.string()));
        if (!immagine.isNull()) {
            sfondo_->ImpostaImmagine(immagine);
            return true;
        }
    }
    sfondo_->ImpostaImmagine(QPixmap());
    messaggi_.Errore("Impossibile caricare lo Sfondo");
    return false;
}

void TFormPrincipale::AzzeraCondizionato() {
    if (azzeraColonne_) sistema_.Dati.Colonne.Svuota();
    RidisegnaTutto();
}

// ---------------------------------------------------------------------------------------------

void TFormPrincipale::Avvia(const QStringList& argomenti) {
    if (argomenti.size() == 1) controllore_.CaricaFile(SS(argomenti.front()));
    RidisegnaTutto();
    sistema_.Modificato = false;
    animazione_->Avvia();
}

void TFormPrincipale::closeEvent(QCloseEvent* e) {
    if (comandiSospesi_) {
        // A development is running: its own window stops it.
        e->ignore();
        return;
    }
    if (controllore_.ConfermaAbbandono())
        e->accept();
    else
        e->ignore();
}

void TFormPrincipale::AggiungiAlPannello(QPushButton* pulsante) {
    pulsante->setParent(pannello_);
    basso_->insertWidget(basso_->indexOf(azzera_) + 1 + aggiuntiAlPannello_++, pulsante);
}

void TFormPrincipale::ComandoAzzera() {
    controllore_.AzzeraPronostico();
}

void TFormPrincipale::ComandoPiloti(int posizione) {
    TFormSelezionePiloti f(posizione, NomiPiloti(), NumeroPiloti,
                           sistema_.Dati.Pronostico.Posizione[posizione - 1], this);
    connect(&f, &TFormSelezionePiloti::Cambiato, this,
            [this, posizione](const TCombinazione& scelti) {
                selettori_[posizione - 1]->ImpostaSelezionati(scelti);
            });
    f.exec();
}

void TFormPrincipale::SospendiComandi(bool si) {
    if (si == comandiSospesi_) return;
    // The development has the processors; the count takes up again when it ends.
    if (si && conteggio_) conteggio_->Sospendi();
    if (si) {
        // Every state is read before any changes: a tool-bar button follows its menu item, so
        // switching the item off first would record the button as off.
        statiPrimaDellaSospensione_.clear();
        for (const auto& [nome, a] : azioni_) statiPrimaDellaSospensione_[a] = a->isEnabled();
        for (const auto& [nome, a] : azioni_) a->setEnabled(false);
    } else {
        for (const auto& [a, attiva] : statiPrimaDellaSospensione_) a->setEnabled(attiva);
    }
    menuBar()->setEnabled(!si);
    barra_->setEnabled(!si);
    pannello_->setEnabled(!si);
    comandiSospesi_ = si;
}

}  // namespace sirvela
