#include "conditions/ui/TFrmValori.h"

#include "widgets/TLGraphpt.h"

namespace sirvela {

void FormaEditore(TLGraphpt& e, const TFormaEditore& forma) {
    e.setObjectName(forma.Nome);
    e.ImpostaTipi(true, forma.Cons, false);
    e.ImpostaRecVisibili(true);
    e.ImpostaLinkTra(true);
    e.ImpostaPunti(forma.PtTotali, std::min(forma.PtTotali, kBoxVisibili), 0);
}

TFrmValori::TFrmValori(IMessaggi& messaggi, const QString& titolo, const QString& argomentoAiuto,
                       std::initializer_list<TFormaEditore> editori, QWidget* parent)
    : TFrmCondizione(messaggi, titolo, argomentoAiuto, parent) {
    int categoria = 0;
    for (const TFormaEditore& f : editori) FormaEditore(*NuovoEditore(categoria++, f.Titolo), f);
}

// The highest values: a count over eight positions, integer means of pilot numbers and
// distances between them.
TFrmPariDispari::TFrmPariDispari(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Pari e Dispari", "pari-dispari",
                 {{"PtPari", "Pari", 9, true}, {"PtDispari", "Dispari", 9, true}}, parent) {
    setObjectName("FrmPariDispari");
}

TFrmBaricentri::TFrmBaricentri(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Baricentri", "baricentri",
                 {{"PtTutti", "Tutti i Numeri", 89},
                  {"PtPari", "Numeri Pari", 90},
                  {"PtDispari", "Numeri Dispari", 89}},
                 parent) {
    setObjectName("FrmBaricentri");
}

TFrmDistanzeGlb::TFrmDistanzeGlb(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(
          messaggi, "Distanze Globali", "distanze-globali",
          {{"PtMinima", "Minima", 90}, {"PtMassima", "Massima", 90}, {"PtTotale", "Totale", 90}},
          parent) {
    setObjectName("FrmDistanzeGlb");
}

}  // namespace sirvela
