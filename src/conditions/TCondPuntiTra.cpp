#include "conditions/TCondPuntiTra.h"

#include <algorithm>

#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/TDatiSistema.h"

namespace sirvela {

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

bool TCondPuntiTra::Valuta(const TColonna&) {
    const int n = std::clamp(QuantiGruppi, 0, kGruppi);
    for (int g = 1; g <= n; ++g)
        if (!Punti(g).Accetta(static_cast<double>(Totali[static_cast<unsigned>(g)]))) return false;
    return true;
}

void TCondPuntiTra::AzzeraStatistiche() {
    StatArchivio.assign(1, T_FrequenzeRitardi{});
    StatColonne.assign(1, T_FrequenzeRitardi{});
    StatArchivio[0].Inizializza(0);
    StatColonne[0].Inizializza(0);
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
    const auto condizioni = EsaminaGruppo(gruppo).Condizioni();
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

}  // namespace sirvela
