#include "conditions/ui/Modifica.h"

#include <utility>

#include "conditions/TCondGruppo.h"
#include "conditions/TCondizione.h"
#include "conditions/ui/TFrmBlackHall.h"
#include "conditions/ui/TFrmConsecDiff.h"
#include "conditions/ui/TFrmNumeroDiSequenze.h"
#include "conditions/ui/TFrmPtTra.h"
#include "conditions/ui/TFrmQuadro.h"
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
    {kQuadro, &Crea<TFrmQuadro>},
    {kPuntiTra, &Crea<TFrmPtTra>},
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

// The container that holds members of a kind (0 for a kind that is no member).
int ContenitoreDi(int tipo) {
    for (int c = kGruppoDistanzeSpecifiche; c <= kGruppoColonneFiltro; ++c)
        if (TCondGruppo::TipoMembriDi(c) == tipo) return c;
    return 0;
}

// A member kind standing alone (in a Quadro) is edited in its container's dialog, on a
// container that holds a copy of it alone.
bool ModificaMembroSingolo(TCondizione& c, IMessaggi& messaggi, QWidget* parent) {
    const int contenitore = ContenitoreDi(c.TipoCondizione);
    auto f = CreaDialogoCondizione(contenitore, messaggi, parent);
    auto* dialogo = dynamic_cast<TFrmCondGruppo*>(f.get());
    auto copia = c.Clona();
    if (!dialogo || !copia) return false;
    TCondGruppo gruppo(c.Proprietario, static_cast<std::uint8_t>(contenitore));
    gruppo.Membri.push_back(std::move(copia));
    dialogo->SoloMembro();
    dialogo->ImpostaOriginaleConteggio(&c);
    dialogo->ImpostaOggetto(gruppo);
    dialogo->exec();
    if (!dialogo->Cambiato() || gruppo.QuantiMembri() != 1) return false;
    return c.CopiaImpostazioni(*gruppo.Membro(0));
}

}  // namespace

std::unique_ptr<TFrmCondizione> CreaDialogoCondizione(int tipo, IMessaggi& messaggi,
                                                      QWidget* parent) {
    const TCrea crea = CreatoreDi(tipo);
    return crea ? crea(messaggi, parent) : nullptr;
}

bool EsisteDialogoCondizione(int tipo) {
    return CreatoreDi(tipo) != nullptr || CreatoreDi(ContenitoreDi(tipo)) != nullptr;
}

bool Modifica(TCondizione& c, IMessaggi& messaggi, QWidget* parent) {
    if (ContenitoreDi(c.TipoCondizione)) return ModificaMembroSingolo(c, messaggi, parent);
    auto f = CreaDialogoCondizione(c.TipoCondizione, messaggi, parent);
    if (!f) return false;
    f->ImpostaOggetto(c);
    f->exec();
    // Only "OK" changes the object, but a dialog may have changed other conditions through
    // their own dialogs before it was cancelled.
    return f->Cambiato();
}

}  // namespace sirvela
