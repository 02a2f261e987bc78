#include "conditions/ui/TFrmValori.h"

#include "widgets/TLGraphpt.h"

namespace sirvela {

void FormaEditore(TLGraphpt& e, const TFormaEditore& forma) {
    e.setObjectName(forma.Nome);
    e.ImpostaTipi(true, forma.Cons, false);
    e.ImpostaRecVisibili(true);
    e.ImpostaLinkTra(true);
    e.ImpostaPunti(forma.PtTotali, std::min(forma.PtTotali, kBoxVisibili), forma.Iniziale);
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

// Counts over the eight positions, and over the seven neighbouring pairs or four pairs of
// positions.
TFrmNumCons::TFrmNumCons(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Numeri Consecutivi", "numeri-consecutivi",
                 {{"PtConsecutivita", "Consecutività", 8, false, 1}}, parent) {
    setObjectName("FrmNumCons");
}

TFrmCrescenzeDecrescenze::TFrmCrescenzeDecrescenze(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Crescenze Decrescenze", "crescenze-decrescenze",
                 {{"PtCrescenze", "Crescenze", 8, true}, {"PtDecrescenze", "Decrescenze", 8, true}},
                 parent) {
    setObjectName("FrmCrescenzeDecrescenze");
}

TFrmInterruzioni::TFrmInterruzioni(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Interruzioni", "interruzioni",
                 {{"PtGlobali", "Globali", 8, true},
                  {"PtPari", "Segni Pari", 5},
                  {"PtDispari", "Segni Dispari", 5}},
                 parent) {
    setObjectName("FrmInterruzioni");
}

TFrmSimmetrie::TFrmSimmetrie(IMessaggi& messaggi, QWidget* parent)
    : TFrmValori(messaggi, "Simmetrie Pari Dispari", "simmetrie",
                 {{"PtDirette", "Dirette", 5, true},
                  {"PtInverse", "Inverse", 5, true},
                  {"PtTotali", "Totali", 9}},
                 parent) {
    setObjectName("FrmSimmetrie");
}

}  // namespace sirvela
