#pragma once
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "archive/AnalisiStatistica.h"
#include "archive/StampaTabelleAnalisi.h"
#include "printing/ui/EseguiStampa.h"

namespace sirvela {

class TChartfx;

// Pieces the statistics windows share.
namespace analisi_ui {

// Two exclusive checkable buttons ("%"/"Valori", "Pres."/"Cons." ...); the first is on.
struct TCoppia {
    QPushButton* Primo;
    QPushButton* Secondo;
};
TCoppia NuovaCoppia(QWidget* parent, QHBoxLayout* riga, const QString& primo,
                    const QString& secondo, const char* nomePrimo, const char* nomeSecondo);

// The buttons of the frequency views: "%"/"Valori", "Pres."/"Cons.", "Zoom",
// "Tabella"/"Grafico", added to `riga` after what it holds.
struct TBottoniVista {
    TCoppia Percento, Presenze, Vista;
    QPushButton* Zoom;
};
TBottoniVista NuoviBottoni(QWidget* parent, QHBoxLayout* riga);

// A read-only grid with the given headings and rows of texts; numbers right-aligned.
QTableWidget* NuovaGriglia(QWidget* parent, const QStringList& intestazioni,
                           const std::vector<QStringList>& righe);

// A scrolling area whose row `riga` takes grids side by side.
QWidget* AreaTabelle(QWidget* parent, QHBoxLayout*& riga);
// Removes the grids of such a row.
void Svuota(QHBoxLayout* riga, std::vector<QTableWidget*>& tabelle);
// A grid with its page name above it, appended to the row and to `tabelle`.
void AggiungiTabella(QHBoxLayout* riga, std::vector<QTableWidget*>& tabelle, const QString& nome,
                     const QString& oggetto, const QStringList& intestazioni,
                     const std::vector<QStringList>& righe);

// "Aiuto" (the topic) and "Chiudi" at the right.
QHBoxLayout* PiedeAiutoChiudi(QDialog* finestra, const QString& argomento);

// The legend: one entry per page, by its name.
void RiempiLegenda(QComboBox* legenda, const TRisultatiAnalisi& r);

// Bars of one or more series over a page's rows, with the axis of the chosen mode, 11 bars
// at a time.
void DisegnaBarre(TChartfx& grafico, const TRisultatiAnalisi& r, int pagina,
                  const std::vector<const T_FrequenzeRitardi*>& serie, bool secondaria,
                  bool percento, bool zoom, bool colonne, std::int64_t totale);

// The grids as they are shown (page name, column widths, headings, texts), for printing.
std::vector<TGrigliaAnalisi> GriglieDaStampare(const std::vector<QTableWidget*>& tabelle);
// "Stampa", "Anteprima" or "Salva PDF" of the grids shown under `titolo`.
TEsitoStampa StampaTabelle(QWidget* finestra, TModoStampa modo, const std::string& titolo,
                           const std::vector<QTableWidget*>& tabelle, IMessaggi& messaggi,
                           ISceltaFile& scelta);

}  // namespace analisi_ui
}  // namespace sirvela
