#pragma once
#include <initializer_list>

#include "conditions/ui/TFrmCondizione.h"

namespace sirvela {

class TLGraphpt;

// The shape of one value-table editor of a dialog.
struct TFormaEditore {
    const char* Nome;    // the editor's name ("PtPari")
    const char* Titolo;  // its frame's title
    int PtTotali;        // values Iniziale..Iniziale + PtTotali - 1
    bool Cons = false;   // the secondary table ("Cons.") exists
    int Iniziale = 0;    // the lowest value
};

// How many boxes the dialogs show at once on a long strip.
inline constexpr int kBoxVisibili = 25;

// Gives an editor its shape: values from 0, recovery, link letter and Punti Tra group.
void FormaEditore(TLGraphpt& e, const TFormaEditore& forma);

// A dialog of one condition whose categories are all value tables, one editor each.
class TFrmValori : public TFrmCondizione {
    Q_OBJECT
  public:
    TFrmValori(IMessaggi& messaggi, const QString& titolo, const QString& argomentoAiuto,
               std::initializer_list<TFormaEditore> editori, QWidget* parent = nullptr);
};

// "Pari e Dispari": "PtPari" and "PtDispari", the values 0..8 with the longest run as "Cons.".
class TFrmPariDispari : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmPariDispari(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Baricentri": "PtTutti", "PtPari", "PtDispari".
class TFrmBaricentri : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmBaricentri(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Distanze Globali": "PtMinima", "PtMassima", "PtTotale".
class TFrmDistanzeGlb : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmDistanzeGlb(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Numeri Consecutivi": "PtConsecutivita", the longest chain 1..8.
class TFrmNumCons : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmNumCons(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Crescenze Decrescenze": "PtCrescenze", "PtDecrescenze", counts 0..7 with the longest run.
class TFrmCrescenzeDecrescenze : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmCrescenzeDecrescenze(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Interruzioni": "PtGlobali" (0..7 with the longest run), "PtPari", "PtDispari" (0..4).
class TFrmInterruzioni : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmInterruzioni(IMessaggi& messaggi, QWidget* parent = nullptr);
};

// "Simmetrie Pari Dispari": "PtDirette", "PtInverse" (0..4 with the longest run), "PtTotali".
class TFrmSimmetrie : public TFrmValori {
    Q_OBJECT
  public:
    explicit TFrmSimmetrie(IMessaggi& messaggi, QWidget* parent = nullptr);
};

}  // namespace sirvela
