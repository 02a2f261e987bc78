#pragma once
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "archive/AnalisiStatistica.h"

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

// A read-only grid with the given headings and rows of texts; numbers right-aligned.
QTableWidget* NuovaGriglia(QWidget* parent, const QStringList& intestazioni,
                           const std::vector<QStringList>& righe);

// The legend: one entry per page, by its name.
void RiempiLegenda(QComboBox* legenda, const TRisultatiAnalisi& r);

// Bars of one or more series over a page's rows, with the axis of the chosen mode, 11 bars
// at a time.
void DisegnaBarre(TChartfx& grafico, const TRisultatiAnalisi& r, int pagina,
                  const std::vector<const T_FrequenzeRitardi*>& serie, bool secondaria,
                  bool percento, bool zoom, bool colonne, std::int64_t totale);

}  // namespace analisi_ui
}  // namespace sirvela
