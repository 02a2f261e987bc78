#include "app/MenuCondizioni.h"

#include "conditions/TCondizione.h"

namespace sirvela {

bool CondizioneAttiva(const TCondizione& c) {
    // Recomputing the state also tidies some tables: a copy keeps the document as it is.
    const auto copia = c.Clona();
    if (!copia) return false;
    copia->AggiornaStato();
    return copia->Attivo && copia->Attivato;
}

}  // namespace sirvela
