#include "app/Selezione.h"

namespace sirvela {

bool TogliPilotiFuoriGioco(TPronostico& pronostico, int numeroPiloti, int escluso) {
    return pronostico.TogliNonSelezionabili(numeroPiloti, escluso);
}

}  // namespace sirvela
