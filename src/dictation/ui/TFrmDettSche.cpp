#include "dictation/ui/TFrmDettSche.h"

#include <algorithm>
#include <climits>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "app/ui/TFormAiuto.h"
#include "core/TListaColonne.h"
#include "widgets/TLVisColonne.h"

namespace sirvela {

TFrmDettSche::TFrmDettSche(IVoceDettatura& voce, QWidget* parent)
    : QDialog(parent), modello_(voce, *this) {
    setObjectName("FrmDettSche");
    setWindowTitle("Dettatura Schedine");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    vista_ = new TLVisColonne(this);
    vista_->setObjectName("Vista");
    vista_->ImpostaColoreEvidenziato(QColor(0, 255, 255));

    dalla_ = new QSpinBox(this);
    dalla_->setObjectName("Dalla");
    alla_ = new QSpinBox(this);
    alla_->setObjectName("Alla");
    pausa_ = new QSpinBox(this);
    pausa_->setObjectName("PausaTraNumeri");
    pausa_->setRange(TModelloDettatura::kPausaMinima, TModelloDettatura::kPausaMassima);
    pausa_->setValue(modello_.PausaTraNumeri());
    pausaDopo_ = new QCheckBox("Pausa Dopo Ogni Schedina", this);
    pausaDopo_->setObjectName("PausaDopoSchedina");
    pausaDopo_->setChecked(modello_.PausaDopoSchedina);

    auto* intervallo = new QGridLayout;
    intervallo->addWidget(new QLabel("Dalla Schedina", this), 0, 0);
    intervallo->addWidget(dalla_, 0, 1);
    intervallo->addWidget(new QLabel("Alla Schedina", this), 0, 2);
    intervallo->addWidget(alla_, 0, 3);
    intervallo->addWidget(new QLabel("Pausa tra due Numeri", this), 1, 0);
    intervallo->addWidget(pausa_, 1, 1);
    intervallo->addWidget(new QLabel("( Decimi di Sec. )", this), 1, 2, 1, 2);
    intervallo->addWidget(pausaDopo_, 2, 0, 1, 4);

    auto pulsanteMedia = [this](const char* nome, QStyle::StandardPixmap icona,
                                const char* suggerimento) {
        auto* b = new QToolButton(this);
        b->setObjectName(nome);
        b->setIcon(style()->standardIcon(icona));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(suggerimento);
        return b;
    };
    play_ = pulsanteMedia("Play", QStyle::SP_MediaPlay, "Avvia la lettura");
    stop_ = pulsanteMedia("Stop", QStyle::SP_MediaStop, "Ferma la lettura");
    pausaBottone_ = new QPushButton("Pausa", this);
    pausaBottone_->setObjectName("Pausa");
    pausaBottone_->setCheckable(true);
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("BtnOk");
    auto* aiuto = new QPushButton("Aiuto", this);

    auto* comandi = new QHBoxLayout;
    comandi->addWidget(play_);
    comandi->addWidget(pausaBottone_);
    comandi->addWidget(stop_);
    comandi->addStretch();
    comandi->addWidget(ok);
    comandi->addWidget(aiuto);

    auto* l = new QVBoxLayout(this);
    l->addWidget(vista_, 0, Qt::AlignHCenter);
    l->addLayout(intervallo);
    l->addLayout(comandi);
    l->setSizeConstraint(QLayout::SetFixedSize);

    connect(&timer_, &QTimer::timeout, this, &TFrmDettSche::Scatto);
    connect(play_, &QToolButton::clicked, this, [this] {
        modello_.Play();
        AggiornaForm();
    });
    connect(pausaBottone_, &QPushButton::clicked, this, [this] {
        modello_.Pausa();
        AggiornaForm();
    });
    connect(stop_, &QToolButton::clicked, this, [this] {
        modello_.Stop();
        AggiornaForm();
    });
    connect(dalla_, &QSpinBox::valueChanged, this, [this](int v) {
        modello_.ImpostaDalla(v);
        AggiornaForm();
    });
    connect(alla_, &QSpinBox::valueChanged, this, [this](int v) {
        modello_.ImpostaAlla(v);
        AggiornaForm();
    });
    connect(pausa_, &QSpinBox::valueChanged, this,
            [this](int v) { modello_.ImpostaPausaTraNumeri(v); });
    connect(pausaDopo_, &QCheckBox::toggled, this,
            [this](bool si) { modello_.PausaDopoSchedina = si; });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto, &QPushButton::clicked, this, [this] { MostraAiuto(this, "dettatura"); });
}

TFrmDettSche::~TFrmDettSche() {
    modello_.Chiudi();
}

void TFrmDettSche::ImpostaOggetto(const TListaColonne& colonne) {
    modello_.Apri(colonne);
    const int quante = static_cast<int>(std::min<std::int64_t>(modello_.QuanteSchedine(), INT_MAX));
    for (QSpinBox* s : {dalla_, alla_}) {
        const QSignalBlocker blocco(s);
        s->setRange(std::min(quante, 1), quante);
    }
    AggiornaForm();
}

void TFrmDettSche::Scatto() {
    modello_.Tick();
    AggiornaForm();
}

void TFrmDettSche::AggiornaForm() {
    const TSchedinaDettata s = modello_.Schedina();
    vista_->ImpostaNumero(static_cast<int>(s.Numero));
    vista_->ImpostaColonne(s.Prima, s.Seconda, s.Numero == 0 ? 0 : (s.ConSeconda ? 2 : 1));
    vista_->ImpostaEvidenziato(modello_.PosizioneEvidenziata(), modello_.ColonnaEvidenziata());
    {
        const QSignalBlocker b1(dalla_), b2(alla_), b3(pausaBottone_);
        dalla_->setValue(static_cast<int>(modello_.Dalla()));
        alla_->setValue(static_cast<int>(modello_.Alla()));
        pausaBottone_->setChecked(modello_.InPausa());
    }
    const bool schedine = modello_.QuanteSchedine() > 0;
    for (QWidget* w : std::initializer_list<QWidget*>{play_, pausaBottone_, stop_, dalla_, alla_})
        w->setEnabled(schedine);
}

void TFrmDettSche::Avvia(int intervalloMs) {
    timer_.start(intervalloMs);
}

void TFrmDettSche::Ferma() {
    timer_.stop();
}

void TFrmDettSche::done(int r) {
    modello_.Chiudi();
    QDialog::done(r);
}

}  // namespace sirvela
