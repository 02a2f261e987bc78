#include "conditions/TCondPuntiTra.h"

#include <algorithm>

#include "conditions/CalcoliColonna.h"
#include "conditions/StatoValutazione.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"

namespace sirvela {

using calcoli::Metti;

std::vector<TCondizione*> TEsameGruppoTra::Condizioni() const {
    std::vector<TCondizione*> elenco;
    for (const TElemTraLink& e : Esame.Elementi)
        if (e.Condizione && std::find(elenco.begin(), elenco.end(), e.Condizione) == elenco.end())
            elenco.push_back(e.Condizione);
    return elenco;
}

TCondPuntiTra::TCondPuntiTra(TDatiSistema* proprietario)
    : TCondizione(proprietario, kPuntiTra, "Punti Tra") {
    PuntiAmmessi.reserve(kGruppi);  // never grows again: the categories point into it
    for (int g = 1; g <= kGruppi; ++g) PuntiAmmessi.emplace_back(proprietario);
    RegistraAttivato();
    RegistraGruppi("Gruppi", "Gruppo Tra ", &PuntiAmmessi, &QuantiGruppi);
}

void TCondPuntiTra::AggiornaStato() {
    QuantiGruppi = 0;
    for (int g = 1; g <= kGruppi; ++g) {
        Punti(g).AggiornaStato(Attivato);
        if (Punti(g).Attivo) QuantiGruppi = g;
    }
    Attivo = QuantiGruppi > 0;
    VerificaRapida = false;
}

std::array<std::uint32_t, TCondPuntiTra::kGruppi + 1>& TCondPuntiTra::TotaliInUso() {
    const TStatoValutazione* s = StatoFilo();
    return s && s->TotaliTra ? *s->TotaliTra : Totali;
}

bool TCondPuntiTra::Valuta(const TColonna&) {
    const int n = std::clamp(QuantiGruppi, 0, kGruppi);
    const auto& totali = TotaliInUso();
    for (int g = 1; g <= n; ++g)
        if (!Punti(g).Accetta(static_cast<double>(totali[static_cast<unsigned>(g)]))) return false;
    return true;
}

TEsameGruppoTra TCondPuntiTra::EsaminaGruppo(int gruppo) const {
    TEsameGruppoTra esito;
    if (gruppo < 1 || gruppo > kGruppi || !Proprietario || !Proprietario->Condizioni) return esito;
    // The group's conditions are listed by their path.
    Proprietario->Condizioni->ImpostaPercorsi();
    for (int slot = 1; slot <= 18; ++slot) {
        TCondizione* c = Proprietario->Condizioni->Condizione(slot);
        if (c && c->Attivato) c->RaccogliGruppoTra(gruppo, esito.Esame);
    }
    for (const TElemTraLink& e : esito.Esame.Elementi) {
        esito.Min += e.Minimo;
        esito.Max += e.Massimo;
    }
    return esito;
}

std::uint32_t TCondPuntiTra::TotaleGruppo(const TColonna& c, int gruppo) {
    if (gruppo < 1 || gruppo > kGruppi) return 0;
    return TotaleGruppo(c, gruppo, EsaminaGruppo(gruppo).Condizioni());
}

std::uint32_t TCondPuntiTra::TotaleGruppo(const TColonna& c, int gruppo,
                                          const std::vector<TCondizione*>& condizioni) {
    if (gruppo < 1 || gruppo > kGruppi) return 0;
    // The kinds add to the totals only while Punti Tra is in play.
    const bool attivo = Attivo;
    Attivo = true;
    AzzeraTotali();
    for (TCondizione* cond : condizioni) {
        if (Proprietario && Proprietario->Recuperi) Proprietario->Recuperi->Azzera();
        cond->Valuta(c);
    }
    Attivo = attivo;
    return Totali[static_cast<unsigned>(gruppo)];
}

int TCondPuntiTra::GruppoStatistiche() const {
    return std::clamp<int>(GruppoScelto, 1, kGruppi);
}

void TCondPuntiTra::PreparaStatistiche() {
    condizioniStat_.clear();
    massimoStat_ = 0;
    if (!Proprietario || !Proprietario->Condizioni) return;
    // The tables' derived flags decide what reaches the totals: bring them up to date.
    Proprietario->Condizioni->AggiornaTutte();
    const TEsameGruppoTra esame = EsaminaGruppo(GruppoStatistiche());
    condizioniStat_ = esame.Condizioni();
    massimoStat_ = std::max<std::int64_t>(esame.Max, 0);
}

int TCondPuntiTra::MassimoStatistica(int categoria) const {
    if (categoria != GruppoStatistiche() - 1) return 0;
    const TIntervalliAmmessi& lista = Punti(GruppoStatistiche());
    if (lista.Conta() > 0) return lista.Conta();
    return static_cast<int>(std::min<std::int64_t>(massimoStat_, 1000000));
}

void TCondPuntiTra::ValoriStatistici(const TColonna& c, TValoriColonna& valori) {
    const int g = GruppoStatistiche();
    valori.Quante = 0;
    for (int k = 1; k < g; ++k) Metti(valori, 0, 0);
    TCondPuntiTra* sistema =
        Proprietario && Proprietario->Condizioni ? Proprietario->Condizioni->PuntiTra() : this;
    if (!sistema) sistema = this;
    const std::uint32_t totale = sistema->TotaleGruppo(c, g, condizioniStat_);
    const TIntervalliAmmessi& lista = Punti(g);
    Metti(valori,
          lista.Conta() > 0 ? lista.Riga(static_cast<double>(totale)) : static_cast<int>(totale),
          0);
}

}  // namespace sirvela
