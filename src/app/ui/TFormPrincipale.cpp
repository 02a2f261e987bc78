#include "app/ui/TFormPrincipale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <filesystem>
#include <tuple>

#include "app/Avvio.h"
#include "app/ComandiColonne.h"
#include "app/ComandiImpostazioni.h"
#include "app/Configurazione.h"
#include "app/ImpostazioniVarie.h"
#include "app/ui/Conversioni.h"
#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormCommento.h"
#include "app/ui/TFormListaPiloti.h"
#include "app/ui/TFormSelezionePiloti.h"
#include "app/ui/TFrmImpostazioni.h"
#include "core/Globali.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"
#include "development/ImpostazioniSviluppoModello.h"
#include "development/ui/EsecuzioneSviluppo.h"
#include "development/ui/TFrmImpSv.h"
#include "development/ui/TFrmSviluppo.h"
#include "download/ui/ClientFtpInFilo.h"
#include "download/ui/TFormDownload.h"
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

namespace {

QIcon Icona(const char* nome) {
    return QIcon(QString(":/immagini/%1.png").arg(nome));
}

}  // namespace

TFormPrincipale::TFormPrincipale(T_Sistema& sistema, IMessaggi& messaggi, ISceltaFile& scelta,
                                 QWidget* parent)
    : QMainWindow(parent),
      sistema_(sistema),
      messaggi_(messaggi),
      scelta_(scelta),
      controllore_(sistema, messaggi, scelta, this) {
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
    download_ = new TFormDownload(this);
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
    connect(concorso_, &QLineEdit::textChanged, this, [this](const QString& t) {
        bool ok = false;
        const int v = t.toInt(&ok);
        if (!t.isEmpty() && ok) sistema_.Dati.Concorso = v;
    });
    // Typing a contest number changes the document as much as a pilot does.
    connect(concorso_, &QLineEdit::textEdited, this, [this] { sistema_.Modificato = true; });

    azzera_ = new QPushButton("Azzera", pannello_);
    azzera_->setObjectName("Azzera");
    connect(azzera_, &QPushButton::clicked, this, &TFormPrincipale::ComandoAzzera);

    animazione_ = new TAnimazione(pannello_);

    auto* basso = new QHBoxLayout;
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
    statusBar()->addWidget(riga, 1);
    statusBar()->setSizeGripEnabled(true);
}

QAction* TFormPrincipale::NuovaAzione(const QString& nome, const QString& testo,
                                      const QKeySequence& tasto) {
    auto* a = new QAction(testo, this);
    a->setObjectName(nome);
    if (!tasto.isEmpty()) a->setShortcut(tasto);
    azioni_[nome] = a;
    return a;
}

QAction* TFormPrincipale::Azione(const QString& nome) const {
    auto it = azioni_.find(nome);
    return it == azioni_.end() ? nullptr : it->second;
}

void TFormPrincipale::CreaComandi() {
    QAction* nuovo = NuovaAzione("Nuovo", "Nuovo");
    connect(nuovo, &QAction::triggered, this, [this] { controllore_.Nuovo(); });
    QAction* carica = NuovaAzione("Carica", "Carica", Qt::Key_F3);
    connect(carica, &QAction::triggered, this, [this] { controllore_.Carica(); });
    QAction* salva = NuovaAzione("Salva", "Salva", Qt::Key_F2);
    connect(salva, &QAction::triggered, this, [this] { controllore_.Salva(); });
    QAction* salvaCome = NuovaAzione("SalvaCome", "Salva Come");
    connect(salvaCome, &QAction::triggered, this, [this] { controllore_.SalvaCome(); });
    QAction* cancella = NuovaAzione("Cancella", "Cancella");
    connect(cancella, &QAction::triggered, this, [this] { controllore_.Cancella(); });
    QAction* commento = NuovaAzione("Commento", "Commento");
    connect(commento, &QAction::triggered, this, &TFormPrincipale::ComandoCommento);
    QAction* partecipanti = NuovaAzione("Partecipanti", "Partecipanti");
    connect(partecipanti, &QAction::triggered, this, &TFormPrincipale::ComandoPartecipanti);
    QAction* uscita = NuovaAzione("Uscita", "Uscita");
    connect(uscita, &QAction::triggered, this, &QWidget::close);

    QMenu* sistemi = menuBar()->addMenu("&Sistemi");
    sistemi->setObjectName("MenuSistemi");
    sistemi->addActions({nuovo, carica, salva, salvaCome, cancella});
    sistemi->addSeparator();
    sistemi->addActions({commento, partecipanti});
    sistemi->addSeparator();
    sistemi->addAction(uscita);

    QMenu* elaborazione = menuBar()->addMenu("&Elaborazione");
    elaborazione->setObjectName("MenuElaborazione");
    QAction* impSviluppo = NuovaAzione("ImpostazioniSviluppo", "Impostazioni");
    connect(impSviluppo, &QAction::triggered, this, &TFormPrincipale::ComandoImpostazioniSviluppo);
    QAction* calcolo = NuovaAzione("CalcoloColonne", "Calcolo Colonne", Qt::Key_F5);
    connect(calcolo, &QAction::triggered, this, &TFormPrincipale::ComandoCalcoloColonne);
    elaborazione->addActions({impSviluppo, calcolo});

    QMenu* colonne = menuBar()->addMenu("C&olonne");
    colonne->setObjectName("MenuColonne");
    QAction* salvaColonne = NuovaAzione("SalvaColonne", "Salva");
    connect(salvaColonne, &QAction::triggered, this, &TFormPrincipale::ComandoSalvaColonne);
    colonne->addAction(salvaColonne);

    QMenu* internet = menuBar()->addMenu("&Internet");
    internet->setObjectName("MenuInternet");
    const std::tuple<const char*, const char*, TModoDownload> downloads[] = {
        {"AggiornamentoArchivi", "Aggiornamento Archivi", TModoDownload::Archivi},
        {"AggiornamentoPiloti", "Aggiornamento Piloti", TModoDownload::Piloti},
        {"AggiornamentoSirvela", "Aggiornamento di Sirvela", TModoDownload::Programma}};
    for (const auto& [nome, testo, modo] : downloads) {
        QAction* a = NuovaAzione(nome, testo);
        connect(a, &QAction::triggered, this, [this, modo = modo] { ComandoInternet(modo); });
        internet->addAction(a);
    }

    QMenu* impostazioni = menuBar()->addMenu("Im&postazioni");
    impostazioni->setObjectName("MenuImpostazioni");
    QAction* listaPiloti = NuovaAzione("ListaPiloti", "Lista Piloti");
    connect(listaPiloti, &QAction::triggered, this, &TFormPrincipale::ComandoListaPiloti);
    QAction* varie = NuovaAzione("Varie", "Varie");
    connect(varie, &QAction::triggered, this, &TFormPrincipale::ComandoImpostazioniVarie);
    impostazioni->addActions({listaPiloti, varie});

    QMenu* aiuto = menuBar()->addMenu("&Help");
    aiuto->setObjectName("MenuHelp");
    QAction* sommario = NuovaAzione("Sommario", "Sommario");
    connect(sommario, &QAction::triggered, this, &TFormPrincipale::ComandoSommario);
    QAction* about = NuovaAzione("About", "About");
    connect(about, &QAction::triggered, this, &TFormPrincipale::ComandoInformazioni);
    aiuto->addActions({sommario, about});

    // The tool bar repeats the menu commands under their own hints.
    QToolBar* barra = barra_ = addToolBar("Strumenti");
    barra->setObjectName("BarraStrumenti");
    barra->setMovable(false);
    barra->setIconSize(QSize(24, 24));
    auto pulsante = [&](const char* nome, const char* icona, const char* suggerimento,
                        QAction* comando) {
        QAction* a = NuovaAzione(nome, suggerimento);
        a->setIcon(Icona(icona));
        a->setToolTip(suggerimento);
        connect(a, &QAction::triggered, comando, &QAction::trigger);
        barra->addAction(a);
        return a;
    };
    pulsante("BarraNuovo", "nuovo", "Nuovo Sistema", nuovo);
    pulsante("BarraCarica", "carica", "Carica Sistema", carica);
    pulsante("BarraSalva", "salva", "Salva Sistema", salva);
    pulsante("BarraCommento", "commento", "Commento", commento);
    pulsante("BarraSviluppo", "sviluppo", "Sviluppo", calcolo);
    pulsante("BarraAggiornamentoArchivi", "archivi", "Aggiornamento Archivi",
             Azione("AggiornamentoArchivi"));
    barra->addSeparator();
    QAction* help = NuovaAzione("BarraHelp", "Help");
    help->setIcon(Icona("help"));
    help->setToolTip("Help");
    connect(help, &QAction::triggered, this, &TFormPrincipale::ComandoAiutoFinestra);
    barra->addAction(help);
    pulsante("BarraUscita", "uscita", "Uscita", uscita);
}

// ---------------------------------------------------------------------------------------------

std::vector<std::string> TFormPrincipale::NomiPiloti() const {
    std::vector<std::string> nomi;
    for (int i = 1; i <= kMaxPiloti; ++i) nomi.push_back(sistema_.Dati.NomiPiloti[i]);
    return nomi;
}

TCombinazione TFormPrincipale::PilotiSelezionabili() const {
    TCombinazione s;
    const int n = std::clamp<int>(NumeroPiloti, 0, kMaxPiloti);
    for (int v = 1; v <= n; ++v)
        if (v != sistema_.Dati.PilotaEscluso) s.Aggiungi(v);
    return s;
}

void TFormPrincipale::RidisegnaSelettori() {
    const int n = std::clamp<int>(NumeroPiloti, 1, kMaxPiloti);
    const TCombinazione selezionabili = PilotiSelezionabili();
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
    sistema_.Dati.Pronostico.Posizione[posizione - 1] = selettori_[posizione - 1]->Selezionati();
    if (!controllore_.InCaricamento() && !mantieniColonne_) sistema_.Dati.Colonne.Svuota();
    AggiornaConteggi();
    AggiornaStatoMenu();
    sistema_.Modificato = true;
}

void TFormPrincipale::AggiornaConteggi() {
    if (comandiSospesi_) return;  // the document belongs to the development now
    const TDatiSistema& d = sistema_.Dati;
    totali_->setText(QS(TestoPilotiSelezionati(d.Pronostico.PilotiSelezionati())));
    iniziali_->setText(QS(TestoColonneIniziali(d.Pronostico.ColonneIniziali())));
    finali_->setText(
        QS(TestoColonneFinali(d.Colonne.Quante(), d.Prezzi, sistema_.NumPartecipanti)));
}

void TFormPrincipale::AggiornaStatoMenu() {
    if (comandiSospesi_) return;
    const TDatiSistema& d = sistema_.Dati;
    TDatiComandi dati;
    dati.ColonneIniziali = d.Pronostico.ColonneIniziali();
    dati.DaPronostico = d.Sorgente.DaPronostico;
    dati.UsaCondizioni = d.ImpSviluppo.UsaCondizioni;
    dati.ColonneInMemoria = d.Colonne.Quante();
    stato_ = CalcolaStatoComandi(dati);
    if (QAction* a = Azione("SalvaColonne")) a->setEnabled(stato_.ColonneInMemoria);
    for (const char* nome : {"CalcoloColonne", "BarraSviluppo"})
        if (QAction* a = Azione(nome)) a->setEnabled(stato_.CalcoloColonne);
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
        std::error_code ec;
        // The picture that comes with the program is put back when it went missing.
        if (percorso == std::filesystem::path(SfondoPredefinito()) &&
            !std::filesystem::exists(percorso, ec)) {
            std::filesystem::create_directories(CartellaSfondi(), ec);
            const QString destinazione = QS(percorso.string());
            if (QFile::copy(":/immagini/Deep_sea.bmp", destinazione))
                QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadGroup | QFile::ReadOther);
        }
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

void TFormPrincipale::RidisegnaMantenendoColonne() {
    // Refilling the selectors with the document's own sets changes nothing worth the columns.
    const bool prima = mantieniColonne_;
    mantieniColonne_ = true;
    RidisegnaTutto();
    mantieniColonne_ = prima;
}

void TFormPrincipale::AzzeraCondizionato() {
    if (azzeraColonne_) sistema_.Dati.Colonne.Svuota();
    RidisegnaMantenendoColonne();
}

// ---------------------------------------------------------------------------------------------

void TFormPrincipale::Avvia(const QStringList& argomenti) {
    if (argomenti.size() == 1) controllore_.CaricaFile(SS(argomenti.front()));
    // The columns of a system opened here stay with it.
    RidisegnaMantenendoColonne();
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

void TFormPrincipale::ComandoCommento() {
    TFormCommento f(sistema_.Commento, this);
    if (f.exec() != QDialog::Accepted) return;
    const auto righe = f.Righe();
    // A changed comment is a change to save like any other.
    if (righe != sistema_.Commento) sistema_.Modificato = true;
    controllore_.ImpostaCommento(righe);
}

void TFormPrincipale::ComandoPartecipanti() {
    const auto prima =
        std::tuple(sistema_.NumPartecipanti, sistema_.SpecificaNomi, sistema_.Partecipanti);
    TFormPartecipanti f(
        sistema_.NumPartecipanti, sistema_.SpecificaNomi, sistema_.Partecipanti,
        [this](int numero, bool specifica, std::vector<std::string>& nomi) {
            const std::string errore = controllore_.ImpostaPartecipanti(numero, specifica, nomi);
            if (errore.empty()) return true;
            messaggi_.Mostra("Informazione", errore, PulsanteOk);
            return false;
        },
        this);
    f.exec();
    if (prima !=
        std::tuple(sistema_.NumPartecipanti, sistema_.SpecificaNomi, sistema_.Partecipanti))
        sistema_.Modificato = true;
}

void TFormPrincipale::ComandoAzzera() {
    sistema_.Dati.Pronostico.Azzera();
    RidisegnaTutto();
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

void TFormPrincipale::ComandoSalvaColonne() {
    animazione_->Ferma();
    SalvaColonneInMemoria(sistema_.Dati.Colonne, messaggi_, scelta_);
    animazione_->Avvia();
}

void TFormPrincipale::SospendiComandi(bool si) {
    if (si == comandiSospesi_) return;
    if (si) {
        statiPrimaDellaSospensione_.clear();
        for (const auto& [nome, a] : azioni_) {
            statiPrimaDellaSospensione_[a] = a->isEnabled();
            a->setEnabled(false);
        }
    } else {
        for (const auto& [a, attiva] : statiPrimaDellaSospensione_) a->setEnabled(attiva);
    }
    menuBar()->setEnabled(!si);
    barra_->setEnabled(!si);
    pannello_->setEnabled(!si);
    comandiSospesi_ = si;
}

void TFormPrincipale::ComandoImpostazioniSviluppo() {
    TFrmImpSv f(messaggi_, scelta_, this);
    f.ImpostaOggetto(TModelloImpSviluppo::Da(sistema_));
    if (f.exec() != QDialog::Accepted) return;
    f.Modello().Applica(sistema_);
    AggiornaStato();
}

void TFormPrincipale::ComandoCalcoloColonne() {
    if (comandiSospesi_) return;
    AggiornaStatoMenu();
    if (!stato_.CalcoloColonne) return;
    sviluppo_->Prepara(sistema_.Dati.ImpSviluppo);
    sviluppo_->show();
    sviluppo_->raise();
    sviluppo_->activateWindow();
    animazione_->Ferma();
    SospendiComandi(true);
    const TEsecuzioneSviluppo r = EseguiSviluppo(sistema_, *sviluppo_, messaggi_);
    SospendiComandi(false);
    // Refused before it started (a file that cannot be opened): nothing to show.
    if (!r.Esito.Avviato) sviluppo_->hide();
    if (!r.Errore.empty()) messaggi_.Errore(r.Errore);
    AggiornaStato();
    animazione_->Avvia();
}

void TFormPrincipale::ComandoInternet(TModoDownload modo) {
    // The hourglass while the description is fetched, until the window opens.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool attesa = true;
    auto finisciAttesa = [&attesa] {
        if (attesa) QApplication::restoreOverrideCursor();
        attesa = false;
    };
    const auto connessione = connect(download_, &TFormDownload::Aperta, this, finisciAttesa);
    download_->Annullamento().Azzera();
    TClientFtpCurl reale(impFtp_, &download_->Annullamento());
    TClientFtpInFilo client(reale);
    TDownload d(sistema_, client, messaggi_, download_);
    const TEsitoDownload esito = d.Aggiorna(modo);
    disconnect(connessione);
    finisciAttesa();
    if (!esito.Riuscito) return;
    if (modo == TModoDownload::Piloti) RidisegnaTutto();
    if (modo != TModoDownload::Programma) return;
    // The new program replaces this one once it has ended: the system is saved or dropped
    // first as on any exit, and staying on keeps the old program.
    if (!close()) {
        d.ScartaAggiornamento();
        return;
    }
    d.AvviaAggiornatore({"--cartella", CartellaProgramma.string()});
    QApplication::quit();
}

void TFormPrincipale::ComandoImpostazioniVarie() {
    TFrmImpostazioni f(messaggi_, scelta_, this);
    f.ImpostaOggetto(TModelloImpostazioni::Da(sistema_.Dati));
    if (f.exec() != QDialog::Accepted) return;
    f.Modello().Applica(sistema_.Dati);
    CaricaSfondo();
    AggiornaStato();  // the costs follow the price and the currency
    SalvaImpostazioniDi(sistema_, &messaggi_);
}

void TFormPrincipale::ComandoListaPiloti() {
    TFormListaPiloti f(NumeroPiloti, NomiPiloti(), this);
    if (f.exec() != QDialog::Accepted) return;
    ApplicaListaPiloti(sistema_, f.Numero(), f.Nomi(), &messaggi_);
    RidisegnaTutto();
}

void TFormPrincipale::ComandoSommario() {
    TFormAiuto f(this);
    f.MostraArgomento("");
    f.exec();
}

void TFormPrincipale::ComandoAiutoFinestra() {
    TFormAiuto f(this);
    f.MostraArgomento("finestra-principale");
    f.exec();
}

void TFormPrincipale::ComandoInformazioni() {
    TFormInformazioni f(this);
    f.exec();
}

}  // namespace sirvela
