#include "printing/ModelloTaratura.h"

#include <cmath>

namespace sirvela {

TDecimiTaratura InDecimi(const TValoriTaratura& v) {
    TValoriTaratura copia = v;
    TDecimiTaratura d{};
    const auto campi = copia.Campi();
    for (std::size_t i = 0; i < d.size(); ++i) d[i] = static_cast<int>(std::lround(*campi[i] * 10));
    return d;
}

TValoriTaratura DaDecimi(const TDecimiTaratura& d) {
    TValoriTaratura v;
    const auto campi = v.Campi();
    for (std::size_t i = 0; i < d.size(); ++i) *campi[i] = d[i] / 10.0;
    return v;
}

TModelloTaratura::TModelloTaratura(const TTaratura& taratura)
    : StampaScritta(taratura.StampaScritta),
      originale_(taratura),
      lavoro_(taratura),
      orizzontale_(taratura.Orizzontale) {
    Mostrati = InDecimi(lavoro_.Valori[orizzontale_ ? 1 : 0]);
}

void TModelloTaratura::CambiaOrientamento(bool orizzontale) {
    if (orizzontale == orizzontale_) return;
    lavoro_.Valori[orizzontale_ ? 1 : 0] = DaDecimi(Mostrati);
    orizzontale_ = orizzontale;
    Mostrati = InDecimi(lavoro_.Valori[orizzontale_ ? 1 : 0]);
}

void TModelloTaratura::Sposta(TIndice indice, int decimi) {
    int& v = Mostrati[static_cast<std::size_t>(indice)];
    v = v + decimi < 0 ? 0 : v + decimi;
}

TTaratura TModelloTaratura::Corrente() const {
    TTaratura t = lavoro_;
    t.Valori[orizzontale_ ? 1 : 0] = DaDecimi(Mostrati);
    t.StampaScritta = StampaScritta;
    t.Orizzontale = orizzontale_;
    return t;
}

TTaratura TModelloTaratura::Conferma(bool rendiPredefinito) const {
    TTaratura t = Corrente();
    t.Orizzontale = rendiPredefinito ? orizzontale_ : originale_.Orizzontale;
    return t;
}

}  // namespace sirvela
