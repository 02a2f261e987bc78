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

    auto pulsante = [this](const char* testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(nome);
        return p;
    };
    esegui_ = pulsante("Esegui", "Esegui");
    interrompi_ = pulsante("Interrompi", "Interrompi");
    chiudi_ = pulsante("Chiudi", "Chiudi");
    aiuto_ = pulsante("Aiuto", "Aiuto");
    esegui_->setDefault(true);
    interrompi_->setEnabled(false);
    connect(esegui_, &QPushButton::clicked, this, &TFormOperazioni::BtnEseguiClick);
    connect(interrompi_, &QPushButton::clicked, this, [this] { annulla_.Richiedi(); });
    connect(chiudi_, &QPushButton::clicked, this, &QDialog::accept);
    connect(aiuto_, &QPushButton::clicked, this, [this] { MostraAiuto(this, "operazioni"); });

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
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(esegui_);
    pulsanti->addWidget(interrompi_);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi_);
    pulsanti->addWidget(aiuto_);
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
    garanzia_->setEnabled(op == TOperazione::Copertura && !inCorso_);
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
    return op;
}

void TFormOperazioni::ImpostaInCorso(bool si) {
    inCorso_ = si;
    for (QWidget* w :
         std::initializer_list<QWidget*>{operazione_, primo_, secondo_, uscita_, cercaPrimo_,
                                         cercaSecondo_, cercaUscita_, esegui_, chiudi_, aiuto_})
        w->setEnabled(!si);
    interrompi_->setEnabled(si);
    OperazioneCambiata();
}

void TFormOperazioni::BtnEseguiClick() {
    if (inCorso_) return;
    const TOperazioniFile op = AcquisisceForm();
    TPonteProgresso ponte;
    connect(&ponte, &TPonteProgresso::AvanzamentoCambiato, avanzamento_, &QProgressBar::setValue);
    avanzamento_->setValue(0);
    annulla_.Azzera();
    ImpostaInCorso(true);
    TEsitoOperazione esito;
    try {
        EseguiInSottofondo([&] { esito = op.Esegui(&ponte, &annulla_); });
    } catch (const std::exception&) {
        esito = TEsitoOperazione{};
        esito.Errore = true;
        esito.Messaggio = kMsgOperazioniImpossibili;
    }
    ImpostaInCorso(false);
    if (esito.Errore)
        messaggi_.Errore(esito.Messaggio);
    else if (!esito.Interrotta)
        messaggi_.Mostra("Informazione", esito.Messaggio, PulsanteOk);
}

}  // namespace sirvela
