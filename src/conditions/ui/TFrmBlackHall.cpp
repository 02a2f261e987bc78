#include "conditions/ui/TFrmBlackHall.h"

#include <QVBoxLayout>

#include "conditions/ui/TFrmValori.h"
#include "widgets/TLGraphpt.h"

namespace sirvela {

TFrmBlackHall::TFrmBlackHall(IMessaggi& messaggi, QWidget* parent)
    : TFrmCondizione(messaggi, "Vortice Pari Dispari", "vortici", parent) {
    setObjectName("FrmBlackHall");
    pagine_ = new QTabWidget(this);
    pagine_->setObjectName("Pagine");
    const char* titoli[] = {"Diretto", "Inverso"};
    const char* suffissi[] = {"D", "I"};
    for (int p = 0; p < 2; ++p) {
        auto* pagina = new QWidget(pagine_);
        auto* l = new QVBoxLayout(pagina);
        const QString s = suffissi[p];
        // Categories in order: direct position, direct arms, inverse position, inverse arms.
        TLGraphpt* posizione = NuovoEditore(2 * p, "Posizione", l);
        const QByteArray nomePosizione = ("PtPosizione" + s).toLatin1();
        FormaEditore(*posizione, {nomePosizione.constData(), "Posizione", 8, false, 1});
        posizione->ImpostaTipi(true, false, true);
        posizione->ImpostaNumEvents(8);
        TLGraphpt* bracci = NuovoEditore(2 * p + 1, "Bracci", l);
        const QByteArray nomeBracci = ("PtBracci" + s).toLatin1();
        FormaEditore(*bracci, {nomeBracci.constData(), "Bracci", 9});
        l->addStretch();
        pagine_->addTab(pagina, titoli[p]);
    }
    Corpo()->addWidget(pagine_);
}

}  // namespace sirvela
