#include "shop/DatiRicevitoria.h"

#include "app/Avvio.h"
#include "core/T_Sistema.h"
#include "core/Testo.h"

namespace sirvela {

TModelloDatiRicevitoria TModelloDatiRicevitoria::Da(const TDatiSistema& dati) {
    return {dati.DatiRicevitoria};
}

bool TModelloDatiRicevitoria::Applica(T_Sistema& sistema, IMessaggi* messaggi) const {
    for (std::size_t i = 0; i < Testi.size(); ++i)
        sistema.Dati.DatiRicevitoria[i] = TagliaStringaCorta(Testi[i], kLunghezzaMassima);
    return SalvaImpostazioniDi(sistema, messaggi);
}

}  // namespace sirvela
