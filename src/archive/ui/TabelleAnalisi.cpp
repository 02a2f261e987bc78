#include "archive/ui/TabelleAnalisi.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "app/ui/TFormAiuto.h"
#include "archive/VistaAnalisi.h"
#include "widgets/TChartfx.h"

namespace sirvela::analisi_ui {

namespace {
constexpr const char* kProprietaNome = "NomePagina";  // the page name shown above a grid
}  // namespace

TCoppia NuovaCoppia(QWidget* parent, QHBoxLayout* riga, const QString& primo,
                    const QString& secondo, const char* nomePrimo, const char* nomeSecondo) {
    TCoppia c{new QPushButton(primo, parent), new QPushButton(secondo, parent)};
    auto* gruppo = new QButtonGroup(parent);
    for (QPushButton* b : {c.Primo, c.Secondo}) {
        b->setCheckable(true);
        b->setAutoDefault(false);
        gruppo->addButton(b);
        riga->addWidget(b);
    }
    c.Primo->setObjectName(nomePrimo);
    c.Secondo->setObjectName(nomeSecondo);
    c.Primo->setChecked(true);
    return c;
}

TBottoniVista NuoviBottoni(QWidget* parent, QHBoxLayout* riga) {
    TBottoniVista b{};
    b.Percento = NuovaCoppia(parent, riga, "%", "Valori", "BtnPercento", "BtnValori");
    riga->addSpacing(10);
    b.Presenze = NuovaCoppia(parent, riga, "Pres.", "Cons.", "BtnPresenze", "BtnConsecutivita");
    riga->addSpacing(10);
    b.Zoom = new QPushButton("Zoom", parent);
    b.Zoom->setObjectName("BtnZoom");
    b.Zoom->setCheckable(true);
    b.Zoom->setAutoDefault(false);
    riga->addWidget(b.Zoom);
    riga->addSpacing(10);
    b.Vista = NuovaCoppia(parent, riga, "Tabella", "Grafico", "BtnTabella", "BtnGrafico");
    riga->addStretch();
    return b;
}

QWidget* AreaTabelle(QWidget* parent, QHBoxLayout*& riga) {
    auto* area = new QScrollArea(parent);
    auto* dentro = new QWidget(area);
    riga = new QHBoxLayout(dentro);
    riga->setSizeConstraint(QLayout::SetMinAndMaxSize);
    area->setWidget(dentro);
    area->setWidgetResizable(true);
    return area;
}

void Svuota(QHBoxLayout* riga, std::vector<QTableWidget*>& tabelle) {
    while (QLayoutItem* i = riga->takeAt(0)) {
        if (QWidget* w = i->widget()) w->deleteLater();
        delete i;
    }
    tabelle.clear();
}

void AggiungiTabella(QHBoxLayout* riga, std::vector<QTableWidget*>& tabelle, const QString& nome,
                     const QString& oggetto, const QStringList& intestazioni,
                     const std::vector<QStringList>& righe) {
    auto* colonna = new QWidget;
    auto* l = new QVBoxLayout(colonna);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(nome, colonna));
    QTableWidget* t = NuovaGriglia(colonna, intestazioni, righe);
    t->setObjectName(oggetto);
    t->setProperty(kProprietaNome, nome);
    l->addWidget(t, 1);
    riga->addWidget(colonna);
    tabelle.push_back(t);
}

QHBoxLayout* PiedeAiutoChiudi(QDialog* finestra, const QString& argomento) {
    auto* aiuto = new QPushButton("Aiuto", finestra);
    aiuto->setObjectName("BtnAiuto");
    auto* chiudi = new QPushButton("Chiudi", finestra);
    chiudi->setObjectName("BtnChiudi");
    for (QPushButton* b : {aiuto, chiudi}) b->setAutoDefault(false);
    QObject::connect(chiudi, &QPushButton::clicked, finestra, &QDialog::accept);
    QObject::connect(aiuto, &QPushButton::clicked, finestra,
                     [finestra, argomento] { MostraAiuto(finestra, argomento); });
    auto* piede = new QHBoxLayout;
    piede->addStretch();
    piede->addWidget(aiuto);
    piede->addWidget(chiudi);
    return piede;
}

QTableWidget* NuovaGriglia(QWidget* parent, const QStringList& intestazioni,
                           const std::vector<QStringList>& righe) {
    auto* t = new QTableWidget(static_cast<int>(righe.size()), intestazioni.size(), parent);
    t->setHorizontalHeaderLabels(intestazioni);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->setDefaultSectionSize(20);
    for (int r = 0; r < static_cast<int>(righe.size()); ++r)
        for (int c = 0; c < intestazioni.size() && c < righe[static_cast<std::size_t>(r)].size();
             ++c) {
            auto* cella = new QTableWidgetItem(righe[static_cast<std::size_t>(r)][c]);
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, cella);
        }
    t->resizeColumnsToContents();
    int larghezza = 4;
    for (int c = 0; c < t->columnCount(); ++c) {
        t->setColumnWidth(c, std::max(t->columnWidth(c), 56));
        larghezza += t->columnWidth(c);
    }
    t->setFixedWidth(larghezza + t->verticalScrollBar()->sizeHint().width());
    return t;
}

void RiempiLegenda(QComboBox* legenda, const TRisultatiAnalisi& r) {
    const int scelta = std::max(legenda->currentIndex(), 0);
    legenda->clear();
    for (int i = 0; i < r.QuantePagine; ++i)
        legenda->addItem(QString::fromStdString(r.Pagine[static_cast<std::size_t>(i)].Nome));
    legenda->setCurrentIndex(std::min(scelta, legenda->count() - 1));
}

void DisegnaBarre(TChartfx& grafico, const TRisultatiAnalisi& r, int pagina,
                  const std::vector<const T_FrequenzeRitardi*>& serie, bool secondaria,
                  bool percento, bool zoom, bool colonne, std::int64_t totale) {
    const int righe = pagina >= 0 && pagina < r.QuantePagine ? r.Righe(pagina) : 0;
    grafico.ApriDati(static_cast<int>(serie.size()), righe);
    double massimo = 0;
    QStringList etichette;
    for (int riga = 0; riga < righe; ++riga) {
        etichette << QString::fromStdString(r.Etichetta(pagina, riga));
        for (std::size_t s = 0; s < serie.size(); ++s) {
            const double v = ValoreBarra(r, *serie[s], riga, secondaria, percento, totale);
            grafico.ImpostaValore(static_cast<int>(s), riga, v);
            massimo = std::max(massimo, v);
        }
    }
    grafico.ChiudiDati();
    grafico.ImpostaEtichette(etichette);
    const TAsseY asse = AsseGrafico(colonne, percento, zoom, massimo, totale);
    grafico.ImpostaTitoloAsseY(QString::fromStdString(asse.Titolo));
    grafico.ImpostaAsseY(asse.Massimo, asse.Passo, asse.Decimali);
    grafico.ImpostaPuntiVisibili(kBarreVisibili);
}

std::vector<TGrigliaAnalisi> GriglieDaStampare(const std::vector<QTableWidget*>& tabelle) {
    std::vector<TGrigliaAnalisi> griglie;
    for (const QTableWidget* t : tabelle) {
        TGrigliaAnalisi g;
        g.Nome = t->property(kProprietaNome).toString().toStdString();
        for (int c = 0; c < t->columnCount(); ++c) {
            g.Pixel.push_back(t->columnWidth(c));
            const QTableWidgetItem* i = t->horizontalHeaderItem(c);
            g.Intestazioni.push_back(i ? i->text().toStdString() : std::string());
        }
        for (int r = 0; r < t->rowCount(); ++r) {
            std::vector<std::string> riga;
            for (int c = 0; c < t->columnCount(); ++c) {
                const QTableWidgetItem* i = t->item(r, c);
                riga.push_back(i ? i->text().toStdString() : std::string());
            }
            g.Righe.push_back(std::move(riga));
        }
        griglie.push_back(std::move(g));
    }
    return griglie;
}

TEsitoStampa StampaTabelle(QWidget* finestra, TModoStampa modo, const std::string& titolo,
                           const std::vector<QTableWidget*>& tabelle, IMessaggi& messaggi,
                           ISceltaFile& scelta) {
    TComandoStampa c;
    c.Titolo = titolo;
    c.Errore = kErroreStampaTabelle;
    c.NomePdf = "Tabelle.pdf";
    c.Disegna = [titolo, griglie = GriglieDaStampare(tabelle)](TmmPrinter& p, TControlloStampa& k,
                                                               TModoStampa) {
        return StampaTabelleAnalisi(p, titolo, griglie, k);
    };
    return EseguiStampa(finestra, modo, c, messaggi, scelta);
}

}  // namespace sirvela::analisi_ui
