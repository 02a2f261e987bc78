#include "tools/ui/TFormOperazioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <filesystem>

#include "app/ui/TFormAiuto.h"
#include "core/Globali.h"
#include "tools/ui/EsecuzioneStrumenti.h"
#include "widgets/Conversioni.h"

namespace sirvela {

QString NomeNelCampo(const std::string& percorso) {
    const std::filesystem::path p(percorso);
    std::error_code ec;
    if (std::filesystem::equivalent(p.parent_path(), CartellaColonne(), ec))
        return QS(p.filename().string());
    return QS(percorso);
}

TFormOperazioni::TFormOperazioni(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : TDialogoConLavoro(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FormOperazioni");
    setWindowTitle("Operazioni su Files Colonnari");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    operazione_ = new QComboBox(this);
    operazione_->setObjectName("Operazione");
    for (const char* nome : kNomiOperazioni) operazione_->addItem(nome);

    auto campo = [this](const char* nome, QPushButton*& cerca) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nome);
        e->setMinimumWidth(260);
        cerca = new QPushButton("Cerca..", this);
        cerca->setObjectName(QString("Cerca") + nome);
        return e;
    };
    const TOperazioniFile iniziale;
    didPrimo_ = new QLabel(this);
    primo_ = campo("Source1", cercaPrimo_);
    didSecondo_ = new QLabel(this);
    secondo_ = campo("Source2", cercaSecondo_);
    uscita_ = campo("Dest", cercaUscita_);
    uscita_->setText(QS(iniziale.Dest));
    connect(cercaPrimo_, &QPushButton::clicked, this,
            [this] { Cerca(primo_, didPrimo_->text(), false); });
    connect(cercaSecondo_, &QPushButton::clicked, this,
            [this] { Cerca(secondo_, didSecondo_->text(), false); });
    connect(cercaUscita_, &QPushButton::clicked, this,
            [this] { Cerca(uscita_, "File di Output", true); });

    didGaranzia_ = new QLabel("Punteggio di Garanzia", this);
    garanzia_ = new QSpinBox(this);
    garanzia_->setObjectName("SpinPtMin");
    garanzia_->setRange(TOperazioniFile::kGaranziaMinima, TOperazioniFile::kGaranziaMassima);
    garanzia_->setValue(iniziale.SpinPtMin);

    avanzamento_ = new QProgressBar(this);
    avanzamento_->setObjectName("Avanzamento");
    avanzamento_->setRange(0, 100);
    avanzamento_->setValue(0);

    auto* pulsanti = CreaPulsanti("Esegui", "operazioni");
    connect(PulsanteEsegui(), &QPushButton::clicked, this, &TFormOperazioni::BtnEseguiClick);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel("Operazione", this), 0, 0);
    g->addWidget(operazione_, 0, 1, Qt::AlignLeft);
    g->addWidget(didPrimo_, 1, 0);
    g->addWidget(primo_, 1, 1);
    g->addWidget(cercaPrimo_, 1, 2);
    g->addWidget(didSecondo_, 2, 0);
    g->addWidget(secondo_, 2, 1);
    g->addWidget(cercaSecondo_, 2, 2);
    g->addWidget(new QLabel("File di Output", this), 3, 0);
    g->addWidget(uscita_, 3, 1);
    g->addWidget(cercaUscita_, 3, 2);
    g->addWidget(didGaranzia_, 4, 0);
    g->addWidget(garanzia_, 4, 1, Qt::AlignLeft);
    auto* l = new QVBoxLayout(this);
    l->addLayout(g);
    l->addSpacing(4);
    l->addWidget(avanzamento_);
    l->addLayout(pulsanti);

    connect(operazione_, &QComboBox::currentIndexChanged, this,
            &TFormOperazioni::OperazioneCambiata);
    OperazioneCambiata();
}

void TFormOperazioni::OperazioneCambiata() {
    const auto op = static_cast<TOperazione>(std::max(operazione_->currentIndex(), 0));
    const TDidascalieOperazione d = DidascalieOperazione(op);
    didPrimo_->setText(QS(d.Primo));
    didSecondo_->setText(QS(d.Secondo));
    for (QWidget* w : {static_cast<QWidget*>(didSecondo_), static_cast<QWidget*>(secondo_),
                       static_cast<QWidget*>(cercaSecondo_)})
        w->setVisible(d.SecondoVisibile);
    // The guarantee matters to the coverage alone.
    didGaranzia_->setEnabled(op == TOperazione::Copertura);
    garanzia_->setEnabled(op == TOperazione::Copertura && !InCorso());
}

void TFormOperazioni::Cerca(QLineEdit* campo, const QString& titolo, bool salva) {
    TRichiestaFile r;
    r.Titolo = SS(titolo);
    r.Filtro = "File Colonnare (*.Scl)|*.Scl";
    r.Estensione = "Scl";
    r.Cartella = CartellaColonne().string();
    r.DeveEsistere = !salva;
    const auto percorso = salva ? scelta_.Salva(r) : scelta_.Apri(r);
    if (percorso) campo->setText(NomeNelCampo(*percorso));
}

TOperazioniFile TFormOperazioni::AcquisisceForm() const {
    TOperazioniFile op;
    op.Source1 = SS(primo_->text().trimmed());
    op.Source2 = SS(secondo_->text().trimmed());
    op.Dest = SS(uscita_->text().trimmed());
    op.Operazione = static_cast<TOperazione>(std::max(operazione_->currentIndex(), 0));
    op.SpinPtMin = garanzia_->value();
    op.Piloti = piloti_;
    return op;
}

void TFormOperazioni::ImpostaInCorso(bool si) {
    TDialogoConLavoro::ImpostaInCorso(si);
    for (QWidget* w : std::initializer_list<QWidget*>{operazione_, primo_, secondo_, uscita_,
                                                      cercaPrimo_, cercaSecondo_, cercaUscita_})
        w->setEnabled(!si);
    OperazioneCambiata();
}

void TFormOperazioni::BtnEseguiClick() {
    if (InCorso()) return;
    const TOperazioniFile op = AcquisisceForm();
    TPonteProgresso ponte;
    connect(&ponte, &TPonteProgresso::AvanzamentoCambiato, avanzamento_, &QProgressBar::setValue);
    avanzamento_->setValue(0);
    TEsitoOperazione esito;
    try {
        EseguiLavoro([&] { esito = op.Esegui(&ponte, &annulla_); });
    } catch (const std::exception&) {
        esito = TEsitoOperazione{};
        esito.Errore = true;
        esito.Messaggio = kMsgOperazioniImpossibili;
    }
    if (esito.Errore)
        messaggi_.Errore(esito.Messaggio);
    else if (!esito.Interrotta)
        messaggi_.Mostra("Informazione", esito.Messaggio, PulsanteOk);
}

}  // namespace sirvela
