#include "conditions/ui/Modifica.h"

#include <utility>

#include "conditions/TCondizione.h"
#include "conditions/ui/TFrmBlackHall.h"
#include "conditions/ui/TFrmConsecDiff.h"
#include "conditions/ui/TFrmNumeroDiSequenze.h"
#include "conditions/ui/TFrmResti.h"
#include "conditions/ui/TFrmRiferimento.h"
#include "conditions/ui/TFrmRipetizioni.h"
#include "conditions/ui/TFrmSomme.h"
#include "conditions/ui/TFrmValori.h"

namespace sirvela {

namespace {

using TCrea = std::unique_ptr<TFrmCondizione> (*)(IMessaggi&, QWidget*);

template <class F>
std::unique_ptr<TFrmCondizione> Crea(IMessaggi& messaggi, QWidget* parent) {
    return std::make_unique<F>(messaggi, parent);
}

// Each kind with a dialog, by type code (fixed conditions and containers).
constexpr std::pair<int, TCrea> kDialoghi[] = {
    {kSomme, &Crea<TFrmSomme>},
    {kPariDispari, &Crea<TFrmPariDispari>},
    {kBaricentri, &Crea<TFrmBaricentri>},
    {kDistanzeGlobali, &Crea<TFrmDistanzeGlb>},
    {kGruppoDistanzeSpecifiche, &Crea<TFrmDistanzePart>},
    {kGruppoResti, &Crea<TFrmResti>},
    {kVortici, &Crea<TFrmBlackHall>},
    {kNumeriConsecutivi, &Crea<TFrmNumCons>},
    {kSimmetrie, &Crea<TFrmSimmetrie>},
    {kInterruzioni, &Crea<TFrmInterruzioni>},
    {kRipetizioni, &Crea<TFrmRipetizioni>},
    {kCrescenzeDecrescenze, &Crea<TFrmCrescenzeDecrescenze>},
    {kGruppoConsecutivita, &Crea<TFrmConsecDiff>},
    {kGruppoSequele, &Crea<TFrmSequela>},
    {kGruppoColonneFiltro, &Crea<TFrmListaCombFiltro>},
    {kNumeroSequenze, &Crea<TFrmNumeroDiSequenze>},
};

TCrea CreatoreDi(int tipo) {
    for (const auto& [t, crea] : kDialoghi)
        if (t == tipo) return crea;
    return nullptr;
}

}  // namespace

std::unique_ptr<TFrmCondizione> CreaDialogoCondizione(int tipo, IMessaggi& messaggi,
                                                      QWidget* parent) {
    const TCrea crea = CreatoreDi(tipo);
    return crea ? crea(messaggi, parent) : nullptr;
}

bool EsisteDialogoCondizione(int tipo) {
    return CreatoreDi(tipo) != nullptr;
}

bool Modifica(TCondizione& c, IMessaggi& messaggi, QWidget* parent) {
    auto f = CreaDialogoCondizione(c.TipoCondizione, messaggi, parent);
    if (!f) return false;
    f->ImpostaOggetto(c);
    return f->exec() == QDialog::Accepted && f->Cambiato();
}

}  // namespace sirvela
