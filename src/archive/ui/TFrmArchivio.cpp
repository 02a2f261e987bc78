#include "archive/ui/TFrmArchivio.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "archive/VistaAnalisi.h"
#include "archive/ui/TFrmAnalProgress.h"
#include "widgets/TChartfx.h"

namespace sirvela {

TFrmArchivio::TFrmArchivio(IMessaggi& messaggi, ISceltaFile& scelta, QWidget* parent)
    : QDialog(parent), messaggi_(messaggi), scelta_(scelta) {
    setObjectName("FrmArchivio");
    setWindowTitle("Archivio");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    schede_ = new QTabWidget(this);
    schede_->setObjectName("Schede");

    // "Frequenze"
    auto* f = new QWidget(schede_);
    auto* bottoniF = new QHBoxLayout;
    bottoni_ = analisi_ui::NuoviBottoni(f, bottoniF);
    pila_ = new QStackedWidget(f);
    pila_->addWidget(analisi_ui::AreaTabelle(pila_, tabelleF_));
    auto* pannelloGrafico = new QWidget(pila_);
    grafico_ = new TChartfx(TChartfx::TTipo::Barre, pannelloGrafico);
    grafico_->setObjectName("Grafico");
    legenda_ = new QComboBox(pannelloGrafico);
    legenda_->setObjectName("Legenda");
    auto* lg = new QHBoxLayout(pannelloGrafico);
    lg->addWidget(grafico_, 1);
    auto* colonnaLegenda = new QVBoxLayout;
    colonnaLegenda->addWidget(new QLabel("Legenda", pannelloGrafico));
    colonnaLegenda->addWidget(legenda_);
    colonnaLegenda->addStretch();
    lg->addLayout(colonnaLegenda);
    pila_->addWidget(pannelloGrafico);
    auto* lf = new QVBoxLayout(f);
    lf->addLayout(bottoniF);
    lf->addWidget(pila_, 1);
    schede_->addTab(f, "Frequenze");

    // "Ritardi"
    auto* rit = new QWidget(schede_);
    auto* bottoniR = new QHBoxLayout;
    puntiRitardi_ = analisi_ui::NuovaCoppia(rit, bottoniR, "Punti", "Cons.", "BtnPuntiRitardi",
                                            "BtnConsRitardi");
    bottoniR->addStretch();
    auto* lr = new QVBoxLayout(rit);
    lr->addLayout(bottoniR);
    lr->addWidget(analisi_ui::AreaTabelle(rit, tabelleR_), 1);
    schede_->addTab(rit, "Ritardi");

    auto* l = new QVBoxLayout(this);
    l->addWidget(schede_, 1);
    QHBoxLayout* piede = analisi_ui::PiedeAiutoChiudi(this, "statistiche");
    pulsanti_ = new TPulsantiStampa(this);
    piede->insertWidget(0, pulsanti_);
    connect(pulsanti_, &TPulsantiStampa::Scelto, this, [this](TModoStampa m) { Stampa(m); });
    l->addLayout(piede);
    resize(760, 520);

    for (QPushButton* b :
         {bottoni_.Percento.Primo, bottoni_.Percento.Secondo, bottoni_.Presenze.Primo,
          bottoni_.Presenze.Secondo, bottoni_.Vista.Primo, bottoni_.Vista.Secondo,
          puntiRitardi_.Primo, puntiRitardi_.Secondo, bottoni_.Zoom})
        connect(b, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(legenda_, &QComboBox::currentIndexChanged, this, [this] { AggiornaGrafico(); });
}

bool TFrmArchivio::ImpostaOggetto(TCondizione& condizione, const TParametriAnalisi& parametri) {
    TRisultatiAnalisi r;
    if (!AnalisiConProgresso(this, messaggi_, condizione, parametri, r)) return false;
    ImpostaRisultati(std::move(r));
    return true;
}

void TFrmArchivio::ImpostaRisultati(TRisultatiAnalisi risultati) {
    r_ = std::move(risultati);
    setWindowTitle(QString::fromStdString(r_.Titoli[TRisultatiAnalisi::kPrincipale]));
    const bool cons = r_.ConConsecutivita();
    bottoni_.Presenze.Secondo->setEnabled(cons);
    puntiRitardi_.Secondo->setEnabled(cons);
    analisi_ui::RiempiLegenda(legenda_, r_);
    Aggiorna();
}

TEsitoStampa TFrmArchivio::Stampa(TModoStampa modo) {
    const bool ritardi = schede_->currentIndex() == 1;
    const std::string titolo = TitoloStampaTabelle(
        r_, ritardi ? TRisultatiAnalisi::kRitardi : TRisultatiAnalisi::kFrequenze,
        (ritardi ? puntiRitardi_ : bottoni_.Presenze).Secondo->isChecked());
    return analisi_ui::StampaTabelle(this, modo, titolo, ritardi ? ritardi_ : frequenze_, messaggi_,
                                     scelta_);
}

void TFrmArchivio::Aggiorna() {
    pila_->setCurrentIndex(bottoni_.Vista.Secondo->isChecked() ? 1 : 0);
    AggiornaFrequenze();
    AggiornaRitardi();
    AggiornaGrafico();
}

void TFrmArchivio::AggiornaFrequenze() {
    analisi_ui::Svuota(tabelleF_, frequenze_);
    const bool percento = bottoni_.Percento.Primo->isChecked();
    for (int p = 0; p < r_.QuantePagine; ++p) {
        const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
        // The first grid carries the labels; with labelled rows every grid has its own.
        const bool etichette = p == 0 || r_.RigheEtichettate;
        QStringList intestazioni;
        if (etichette) intestazioni << "Valore";
        intestazioni << " Punti"
                     << " Cons.";
        std::vector<QStringList> righe;
        for (int riga = 0; riga < r_.Righe(p); ++riga) {
            QStringList celle;
            if (etichette) celle << QString::fromStdString(r_.Etichetta(p, riga));
            const auto cella = [&](bool sec) {
                return QString::fromStdString(CellaFrequenza(
                    r_, pagina.StatArchivio, riga, sec, percento, pagina.StatArchivio.Estrazioni));
            };
            celle << cella(false) << (pagina.HaConsecutivita ? cella(true) : "");
            righe.push_back(celle);
        }
        analisi_ui::AggiungiTabella(tabelleF_, frequenze_, QString::fromStdString(pagina.Nome),
                                    QString("Frequenze%1").arg(p), intestazioni, righe);
    }
    tabelleF_->addStretch();
}

void TFrmArchivio::AggiornaRitardi() {
    analisi_ui::Svuota(tabelleR_, ritardi_);
    const bool secondaria = puntiRitardi_.Secondo->isChecked();
    for (int p = 0; p < r_.QuantePagine; ++p) {
        const TPaginaAnalisi& pagina = r_.Pagine[static_cast<std::size_t>(p)];
        const bool etichette = p == 0 || r_.RigheEtichettate;
        QStringList intestazioni;
        if (etichette) intestazioni << "Valore";
        intestazioni << "Att."
                     << " Max"
                     << "  IC";
        std::vector<QStringList> righe;
        for (int riga = 0; riga < r_.Righe(p); ++riga) {
            QStringList celle;
            if (etichette) celle << QString::fromStdString(r_.Etichetta(p, riga));
            const TCelleRitardo c = CelleRitardo(r_, p, riga, secondaria);
            celle << QString::fromStdString(c.Attuale) << QString::fromStdString(c.Massimo)
                  << QString::fromStdString(c.IC);
            righe.push_back(celle);
        }
        analisi_ui::AggiungiTabella(tabelleR_, ritardi_, QString::fromStdString(pagina.Nome),
                                    QString("Ritardi%1").arg(p), intestazioni, righe);
    }
    tabelleR_->addStretch();
}

void TFrmArchivio::AggiornaGrafico() {
    const int p = legenda_->currentIndex();
    if (p < 0 || p >= r_.QuantePagine) return;
    const T_FrequenzeRitardi& t = r_.Pagine[static_cast<std::size_t>(p)].StatArchivio;
    analisi_ui::DisegnaBarre(*grafico_, r_, p, {&t}, bottoni_.Presenze.Secondo->isChecked(),
                             bottoni_.Percento.Primo->isChecked(), bottoni_.Zoom->isChecked(),
                             false, t.Estrazioni);
}

}  // namespace sirvela
