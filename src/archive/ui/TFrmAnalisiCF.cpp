#include "archive/ui/TFrmAnalisiCF.h"

#include <QGridLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "archive/VistaAnalisi.h"
#include "archive/ui/TFrmAnalProgress.h"
#include "widgets/TChartfx.h"

namespace sirvela {

using analisi_ui::NuovaCoppia;

TFrmAnalisiCF::TFrmAnalisiCF(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmAnalisiCF");
    setWindowTitle("Analisi Colonnare");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* bottoni = new QHBoxLayout;
    ambito_ = NuovaCoppia(this, bottoni, "Singola", "Globale", "BtnSingola", "BtnGlobale");
    bottoni->addSpacing(10);
    bottoni_ = analisi_ui::NuoviBottoni(this, bottoni);

    pila_ = new QStackedWidget(this);
    pila_->addWidget(analisi_ui::AreaTabelle(pila_, riga_));
    grafico_ = new TChartfx(TChartfx::TTipo::Barre, pila_);
    grafico_->setObjectName("Grafico");
    pila_->addWidget(grafico_);

    // The summary of the page chosen in the legend.
    legenda_ = new QComboBox(this);
    legenda_->setObjectName("Legenda");
    storica_ = new TChartfx(TChartfx::TTipo::Torta, this);
    storica_->setObjectName("TortaStorica");
    filtrate_ = new TChartfx(TChartfx::TTipo::Torta, this);
    filtrate_->setObjectName("TortaFiltrate");
    for (TChartfx* t : {storica_, filtrate_}) t->setFixedSize(210, 180);
    testoStorica_ = new QLabel(this);
    testoStorica_->setObjectName("FrequenzaStorica");
    testoFiltrate_ = new QLabel(this);
    testoFiltrate_->setObjectName("ColonneFiltrate");
    testoRimanenti_ = new QLabel(this);
    testoRimanenti_->setObjectName("ColonneRimanenti");
    fattore_ = new QLabel(this);
    fattore_->setObjectName("Fattore");
    auto* lato = new QGridLayout;
    lato->addWidget(new QLabel("Legenda", this), 0, 0);
    lato->addWidget(legenda_, 1, 0);
    lato->addWidget(new QLabel("Frequenza Storica", this), 2, 0);
    lato->addWidget(storica_, 3, 0);
    lato->addWidget(testoStorica_, 4, 0);
    lato->addWidget(new QLabel("Colonne Filtrate", this), 5, 0);
    lato->addWidget(filtrate_, 6, 0);
    lato->addWidget(testoFiltrate_, 7, 0);
    lato->addWidget(testoRimanenti_, 8, 0);
    lato->addWidget(fattore_, 9, 0);
    lato->setRowStretch(10, 1);

    auto* centro = new QHBoxLayout;
    centro->addWidget(pila_, 1);
    centro->addLayout(lato);
    auto* l = new QVBoxLayout(this);
    l->addLayout(bottoni);
    l->addLayout(centro, 1);
    QHBoxLayout* piede = analisi_ui::PiedeAiutoChiudi(this, "analisi-colonnare");
    pulsanti_ = new TPulsantiStampa(this);
    piede->insertWidget(0, pulsanti_);
    connect(pulsanti_, &TPulsantiStampa::Scelto, this, [this](TModoStampa m) { Stampa(m); });
    l->addLayout(piede);
    resize(900, 600);

    for (QPushButton* b :
         {ambito_.Primo, ambito_.Secondo, bottoni_.Percento.Primo, bottoni_.Percento.Secondo,
          bottoni_.Presenze.Primo, bottoni_.Presenze.Secondo, bottoni_.Vista.Primo,
          bottoni_.Vista.Secondo, bottoni_.Zoom})
        connect(b, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(legenda_, &QComboBox::currentIndexChanged, this, [this] { Aggiorna(); });
}

bool TFrmAnalisiCF::ImpostaOggetto(TCondizione& condizione, TParametriAnalisi parametri) {
    parametri.SoloArchivio = false;
    TRisultatiAnalisi r;
    if (!AnalisiConProgresso(this, messaggi_, condizione, parametri, r)) return false;
    ImpostaRisultati(std::move(r));
    return true;
}

void TFrmAnalisiCF::ImpostaRisultati(TRisultatiAnalisi risultati) {
    r_ = std::move(risultati);
    bottoni_.Presenze.Secondo->setEnabled(r_.ConConsecutivita());
    // One page of one contest says nothing as a whole.
    ambito_.Secondo->setEnabled(r_.PiuConcorsi);
    if (!r_.PiuConcorsi) ambito_.Primo->setChecked(true);
    const QSignalBlocker blocco(legenda_);
    analisi_ui::RiempiLegenda(legenda_, r_);
    Aggiorna();
}

TEsitoStampa TFrmAnalisiCF::Stampa(TModoStampa modo) {
    const std::string titolo = TitoloStampaTabelle(r_, TRisultatiAnalisi::kColonne,
                                                   bottoni_.Presenze.Secondo->isChecked());
    return analisi_ui::StampaTabelle(this, modo, titolo, tabelle_, messaggi_, scelta_);
}

void TFrmAnalisiCF::Aggiorna() {
    pila_->setCurrentIndex(bottoni_.Vista.Secondo->isChecked() ? 1 : 0);
    AggiornaTabelle();
    AggiornaGrafici();
}

void TFrmAnalisiCF::AggiornaTabelle() {
    analisi_ui::Svuota(riga_, tabelle_);
    const bool percento = bottoni_.Percento.Primo->isChecked();
    const bool secondaria = bottoni_.Presenze.Secondo->isChecked();
    const bool globale = ambito_.Secondo->isChecked();
    for (int p = 0; p < r_.QuantePagine; ++p) {
        if (!globale && p != legenda_->currentIndex()) continue;
        const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
        std::vector<QStringList> righe;
        for (int riga = 0; riga < r_.Righe(p); ++riga) {
            QStringList celle{QString::fromStdString(r_.Etichetta(p, riga))};
            for (const T_FrequenzeRitardi* t :
                 {&pagina.StatIntegrale, &pagina.StatCondSingola, &pagina.StatColonne})
                celle << QString::fromStdString(
                    CellaFrequenza(r_, *t, riga, secondaria, percento, r_.ColonneLette));
            righe.push_back(celle);
        }
        analisi_ui::AggiungiTabella(riga_, tabelle_, QString::fromStdString(pagina.Nome),
                                    QString("Colonne%1").arg(p),
                                    {"Valore", "Integr.", "Cond.S.", "Cond."}, righe);
    }
    riga_->addStretch();
}

void TFrmAnalisiCF::AggiornaGrafici() {
    const int p = legenda_->currentIndex();
    if (p < 0 || p >= r_.QuantePagine) return;
    const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
    const bool secondaria = bottoni_.Presenze.Secondo->isChecked();
    analisi_ui::DisegnaBarre(*grafico_, r_, p,
                             {&pagina.StatIntegrale, &pagina.StatCondSingola, &pagina.StatColonne},
                             secondaria, bottoni_.Percento.Primo->isChecked(),
                             bottoni_.Zoom->isChecked(), true, r_.ColonneLette);
    const TMisureColonne m = MisureColonne(r_, p, secondaria);
    storica_->ImpostaTorta(m.FrequenzaStorica, {"Ammessi", "Esclusi"});
    filtrate_->ImpostaTorta(m.ColonneFiltrate, {"Filtrate", "Rimanenti"});
    testoStorica_->setText(QString::fromStdString(TestoDueDecimali(m.FrequenzaStorica, 4)) + " %");
    testoFiltrate_->setText("Colonne Filtrate " +
                            QString::fromStdString(TestoDueDecimali(m.ColonneFiltrate, 4)) + " %");
    testoRimanenti_->setText("Colonne Rimanenti " +
                             QString::fromStdString(TestoDueDecimali(m.ColonneRimanenti, 4)) +
                             " %");
    fattore_->setText(QString::fromStdString(TestoFattore(m)));
}

}  // namespace sirvela
