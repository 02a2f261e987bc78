#include "app/ui/MenuAiuto.h"

#include "app/ui/TFormAiuto.h"
#include "app/ui/TFormPrincipale.h"

namespace sirvela {

TMenuAiuto::TMenuAiuto(TFormPrincipale& f) : TMenuComandi(f, "&Help", "MenuHelp") {
    Voce("Sommario", "Sommario", [&f] { MostraAiuto(&f, ""); });
    Voce("About", "About", [&f] {
        TFormInformazioni d(&f);
        d.exec();
    });
}

}  // namespace sirvela
