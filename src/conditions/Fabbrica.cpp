#include "conditions/Fabbrica.h"

#include "conditions/CondizioniAritmetiche.h"
#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/TCondGruppo.h"
#include "conditions/TCondPuntiTra.h"
#include "conditions/TCondQuadro.h"

namespace sirvela {

std::unique_ptr<TCondizione> CreaCondizione(int tipo, TDatiSistema* p) {
    switch (tipo) {
        case kSomme:
            return std::make_unique<TCondSomme>(p);
        case kPariDispari:
            return std::make_unique<TCondPariDispari>(p);
        case kBaricentri:
            return std::make_unique<TCondBaricentri>(p);
        case kDistanzeGlobali:
            return std::make_unique<TCondDistanzeGlobali>(p);
        case kVortici:
            return std::make_unique<TCondVortici>(p);
        case kNumeriConsecutivi:
            return std::make_unique<TCondNumeriConsecutivi>(p);
        case kSimmetrie:
            return std::make_unique<TCondSimmetrie>(p);
        case kInterruzioni:
            return std::make_unique<TCondInterruzioni>(p);
        case kRipetizioni:
            return std::make_unique<TCondRipetizioni>(p);
        case kCrescenzeDecrescenze:
            return std::make_unique<TCondCrescenzeDecrescenze>(p);
        case kGruppoDistanzeSpecifiche:
        case kGruppoResti:
        case kGruppoConsecutivita:
        case kGruppoSequele:
        case kGruppoColonneFiltro:
            return std::make_unique<TCondGruppo>(p, static_cast<std::uint8_t>(tipo));
        case kNumeroSequenze:
            return std::make_unique<TCondNumeroSequenze>(p);
        case kQuadro:
            return std::make_unique<TCondQuadro>(p);
        case kPuntiTra:
            return std::make_unique<TCondPuntiTra>(p);
        case kConsecutivitaDifferenziata:
            return std::make_unique<TCondConsecDiff>(p);
        case kDistanzeSpecifiche:
            return std::make_unique<TCondDistanzeSpecifiche>(p);
        case kResti:
            return std::make_unique<TCondResti>(p);
        case kColonnaFiltro:
            return std::make_unique<TCondColonnaFiltro>(p);
        case kSequela:
            return std::make_unique<TCondSequela>(p);
        default:
            return nullptr;
    }
}

}  // namespace sirvela
