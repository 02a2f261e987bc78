#include "app/Selezione.h"

namespace sirvela {

bool TogliPilotiFuoriGioco(TPronostico& pronostico, int numeroPiloti, int escluso) {
    bool cambiato = false;
    for (TCombinazione& p : pronostico.Posizione) {
        TCombinazione via;
        for (int i = 0; i < p.Conta(); ++i) {
            const int v = p.Numeri[i];
            if (v < 1 || v > numeroPiloti || v == escluso) via.Aggiungi(v);
        }
        if (via.Conta() == 0) continue;
        p.RimuoviGruppo(via);
        cambiato = true;
    }
    return cambiato;
}

}  // namespace sirvela
