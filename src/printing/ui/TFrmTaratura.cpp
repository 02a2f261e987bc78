#include "printing/ui/TFrmTaratura.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/PulsantiDialogo.h"
#include "core/TListaColonne.h"
#include "printing/SuperficieRegistrata.h"
#include "printing/qt/SuperficieQt.h"
#include "printing/ui/EseguiStampa.h"
#include "printing/ui/ImmagineSchedina.h"
#include "widgets/Conversioni.h"

namespace sirvela {

namespace {

using I = TModelloTaratura::TIndice;

// Two columns that show every position block, made of pilots that have a box.
TListaColonne ColonneDiEsempio(int numeroPiloti, int pilotaEscluso) {
    std::vector<int> piloti;
    for (int v = 1; v <= numeroPiloti; ++v)
        if (v != pilotaEscluso) piloti.push_back(v);
    TListaColonne l;
    if (piloti.empty()) return l;
    for (int k = 0; k < kColonnePerSchedina; ++k) {
        TColonna c{};
        for (std::size_t i = 0; i < 8; ++i)
            c[i] = static_cast<std::uint8_t>(piloti[(i * 5 + 2 + k * 11) % piloti.size()]);
        l.Accoda(c);
    }
    return l;
}

TOpzioniSchedine OpzioniProva(bool orizzontale, int numeroPiloti, int pilotaEscluso) {
    TOpzioniSchedine o;
    o.NomeSistema = "Nome del Sistema";
    o.Orizzontale = orizzontale;
    o.NumeroPiloti = numeroPiloti;
    o.PilotaEscluso = pilotaEscluso;
    return o;
}

}  // namespace

TAnteprimaTaratura::TAnteprimaTaratura(const QImage& schedina, int numeroPiloti, int pilotaEscluso,
                                       QWidget* parent)
    : QWidget(parent),
      schedina_(schedina),
      numeroPiloti_(numeroPiloti),
      pilotaEscluso_(pilotaEscluso) {
    setObjectName("Anteprima");
    setMinimumSize(230, 230);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TAnteprimaTaratura::Mostra(const TTaratura& taratura, bool orizzontale) {
    taratura_ = taratura;
    orizzontale_ = orizzontale;
    update();
}

double TAnteprimaTaratura::Scala() const {
    return std::min(width() / kLarghezzaSchedinaMm, height() / kAltezzaSchedinaMm);
}

void TAnteprimaTaratura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(96, 96, 96));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(Scala(), Scala());
    p.drawImage(QRectF(0, 0, kLarghezzaSchedinaMm, kAltezzaSchedinaMm), schedina_);
    // The ticket is always shown upright. Fed sideways its across runs up the page from
    // kBordoOrizzontale, so the page is turned back onto the ticket.
    if (orizzontale_) {
        p.translate(kBordoOrizzontale, 0);
        p.rotate(90);
    }

    TSuperficieRegistrata s;
    TmmPrinter mm(s);
    TControlloStampa k;
    StampaSchedine(mm, ColonneDiEsempio(numeroPiloti_, pilotaEscluso_), taratura_,
                   OpzioniProva(orizzontale_, numeroPiloti_, pilotaEscluso_), k);
    for (const auto& segno : s.Segni) {
        if (segno.Tipo == TSegnoRegistrato::Rettangolo) {
            p.fillRect(QRectF(segno.X, segno.Y, segno.L, segno.A), Qt::black);
            continue;
        }
        // Texts are drawn ten times larger and scaled down: fonts take whole pixel sizes.
        QFont f = CarattereQt(segno.Carattere);
        f.setPixelSize(static_cast<int>(segno.Carattere.Punti * 25.4 / 72 * 10));
        p.save();
        p.translate(segno.X, segno.Y);
        if (segno.Tipo == TSegnoRegistrato::TestoRuotato) p.rotate(-segno.Angolo);
        p.scale(0.1, 0.1);
        p.setFont(f);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QPointF(0, QFontMetricsF(f).ascent()), QS(segno.Scritta));
        p.restore();
    }
}

TFrmTaratura::TFrmTaratura(const TTaratura& taratura, int numeroPiloti, int pilotaEscluso,
                           IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent),
      modello_(taratura),
      risultato_(taratura),
      numeroPiloti_(numeroPiloti),
      pilotaEscluso_(pilotaEscluso),
      messaggi_(messaggi),
      scelta_(scelta) {
    setObjectName("FrmTaratura");
    setWindowTitle("Taratura per la Stampa delle Schedine");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* orientamento = GruppoOrientamento(this, verticale_, orizzontale_);

    const char* nomi[] = {"XPrimaCol",      "YPrimaCol",   "DistanzaSegniOriz", "DistanzaSegniVert",
                          "ScrittaX",       "ScrittaY",    "DistanzaColOriz",   "DistanzaColVert",
                          "LarghezzaOvale", "AltezzaOvale"};
    for (std::size_t i = 0; i < valori_.size(); ++i) {
        valori_[i] = new QSpinBox(this);
        valori_[i]->setObjectName(nomi[i]);
        valori_[i]->setRange(0, 9999);
        connect(valori_[i], &QSpinBox::valueChanged, this, [this] {
            if (aggiornando_) return;
            AcquisisceForm();
            anteprima_->Mostra(modello_.Corrente(), modello_.Orizzontale());
        });
    }
    // A group of two values with their captions, and optionally the arrows moving them.
    auto gruppo = [&](const char* titolo, I a, const char* ta, I b, const char* tb,
                      QWidget* extra = nullptr) {
        auto* g = new QGroupBox(titolo, this);
        auto* l = new QGridLayout(g);
        l->addWidget(new QLabel(ta, g), 0, 0);
        l->addWidget(valori_[a], 0, 1);
        l->addWidget(new QLabel(tb, g), 1, 0);
        l->addWidget(valori_[b], 1, 1);
        if (extra) l->addWidget(extra, 0, 2, 2, 1);
        l->setColumnStretch(3, 1);
        return g;
    };
    auto* numero = gruppo("Posizione del Numero 1", I::kXPrimaCol, "Margine Sin.", I::kYPrimaCol,
                          "Margine Sup.", Frecce(I::kXPrimaCol, I::kYPrimaCol, false));
    auto* distanze = gruppo("Distanza Numeri", I::kDistanzaSegniOriz, "Orizzontale",
                            I::kDistanzaSegniVert, "Verticale");
    auto* scritta = gruppo("Posizione della Scritta", I::kScrittaX, "Margine Sin.", I::kScrittaY,
                           "Margine Sup.", Frecce(I::kScrittaX, I::kScrittaY, true));
    stampaScritta_ = new QCheckBox("Stampa la Scritta", scritta);
    stampaScritta_->setObjectName("StampaScritta");
    static_cast<QGridLayout*>(scritta->layout())->addWidget(stampaScritta_, 2, 0, 1, 3);
    connect(stampaScritta_, &QCheckBox::toggled, this, [this] {
        if (aggiornando_) return;
        AcquisisceForm();
        anteprima_->Mostra(modello_.Corrente(), modello_.Orizzontale());
    });
    auto* colonne = gruppo("Distanza tra le  Colonne", I::kDistanzaColOriz, "Orizzontale",
                           I::kDistanzaColVert, "Verticale");
    auto* quadratini = gruppo("Dimensioni dei Quadratini", I::kLarghezzaOvale, "Larghezza",
                              I::kAltezzaOvale, "Altezza");

    anteprima_ = new TAnteprimaTaratura(ImmagineSchedina(), numeroPiloti, pilotaEscluso, this);

    test_ = new TPulsantiStampa(this, "Test");
    test_->setObjectName("Test");
    connect(test_, &TPulsantiStampa::Scelto, this, [this](TModoStampa modo) {
        AcquisisceForm();
        // The test prints the values on screen; the calibration itself is left alone.
        const TTaratura prova = modello_.Corrente();
        const TOpzioniSchedine o =
            OpzioniProva(modello_.Orizzontale(), numeroPiloti_, pilotaEscluso_);
        TComandoStampa c;
        c.Titolo = kLavoroSchedine;
        c.Errore = kErroreStampaSchedine;
        c.NomePdf = "Taratura.pdf";
        c.Disegna = [prova, o](TmmPrinter& p, TControlloStampa&, TModoStampa) {
            StampaProvaTaratura(p, prova, o);
            return true;
        };
        EseguiStampa(this, modo, c, messaggi_, scelta_);
    });

    auto* pulsanti = PulsantiOkAnnullaAiuto(*this, "taratura");
    connect(pulsanti, &QDialogButtonBox::accepted, this, &TFrmTaratura::BtnOkClick);

    auto* destra = new QVBoxLayout;
    destra->addWidget(orientamento);
    auto* unita = new QLabel("Valori Espressi in Decimi di Millimetro", this);
    unita->setStyleSheet("font-weight: bold");
    destra->addWidget(unita);
    auto* griglia = new QGridLayout;
    griglia->addWidget(numero, 0, 0);
    griglia->addWidget(scritta, 0, 1);
    griglia->addWidget(distanze, 1, 0);
    griglia->addWidget(colonne, 1, 1);
    griglia->addWidget(quadratini, 2, 0);
    destra->addLayout(griglia);
    destra->addStretch();
    destra->addWidget(test_);
    destra->addWidget(pulsanti);
    auto* l = new QHBoxLayout(this);
    l->addWidget(anteprima_, 1);
    l->addLayout(destra);

    connect(verticale_, &QRadioButton::toggled, this, [this](bool) {
        if (aggiornando_) return;
        AcquisisceForm();
        modello_.CambiaOrientamento(orizzontale_->isChecked());
        AggiornaForm();
    });
    AggiornaForm();
    resize(820, 660);
}

QWidget* TFrmTaratura::Frecce(I x, I y, bool scritta) {
    auto* w = new QWidget(this);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(0);
    const struct {
        Qt::ArrowType freccia;
        I indice;
        int passo, riga, colonna;
    } verso[] = {{Qt::LeftArrow, x, -1, 1, 0},
                 {Qt::RightArrow, x, 1, 1, 2},
                 {Qt::UpArrow, y, -1, 0, 1},
                 {Qt::DownArrow, y, 1, 2, 1}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(w);
        b->setArrowType(verso[i].freccia);
        b->setAutoRepeat(true);
        b->setObjectName(QString(scritta ? "FrecciaScritta%1" : "FrecciaNumero%1").arg(i));
        g->addWidget(b, verso[i].riga, verso[i].colonna);
        frecce_[scritta ? 1 : 0][static_cast<std::size_t>(i)] = b;
        const I indice = verso[i].indice;
        const int passo = verso[i].passo;
        connect(b, &QToolButton::clicked, this, [this, indice, passo] {
            AcquisisceForm();
            modello_.Sposta(indice, passo);
            AggiornaForm();
        });
    }
    return w;
}

QWidget* TFrmTaratura::Freccia(bool scritta, int verso) const {
    return frecce_[scritta ? 1 : 0][static_cast<std::size_t>(verso)];
}

void TFrmTaratura::AggiornaForm() {
    aggiornando_ = true;
    (modello_.Orizzontale() ? orizzontale_ : verticale_)->setChecked(true);
    for (std::size_t i = 0; i < valori_.size(); ++i) valori_[i]->setValue(modello_.Mostrati[i]);
    stampaScritta_->setChecked(modello_.StampaScritta);
    aggiornando_ = false;
    anteprima_->Mostra(modello_.Corrente(), modello_.Orizzontale());
}

void TFrmTaratura::AcquisisceForm() {
    for (std::size_t i = 0; i < valori_.size(); ++i) modello_.Mostrati[i] = valori_[i]->value();
    modello_.StampaScritta = stampaScritta_->isChecked();
}

void TFrmTaratura::BtnOkClick() {
    AcquisisceForm();
    bool predefinito = false;
    if (modello_.ChiedePredefinito())
        predefinito = messaggi_.Mostra("Informazione", kDomandaOrientamentoPredefinito,
                                       PulsanteSi | PulsanteNo) == PulsanteSi;
    risultato_ = modello_.Conferma(predefinito);
    accept();
}

}  // namespace sirvela
