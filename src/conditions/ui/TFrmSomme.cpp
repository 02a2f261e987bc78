#include "conditions/ui/TFrmSomme.h"

#include "widgets/TGrigliaIntervalli.h"

namespace sirvela {

TFrmSomme::TFrmSomme(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Somme", "somme", parent) {
    setObjectName("FrmSomme");
    const char* titoli[] = {"Somma di Tutti i Numeri", "Somma dei Numeri Pari",
                            "Somma dei Numeri Dispari"};
    const char* nomi[] = {"NbTutti", "NbPari", "NbDispari"};
    for (int c = 0; c < 3; ++c) NuovaGriglia(c, titoli[c])->setObjectName(nomi[c]);
}

}  // namespace sirvela
