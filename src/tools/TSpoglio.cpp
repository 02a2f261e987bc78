#include "tools/TSpoglio.h"

#include <algorithm>

#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

TLetturaCelle LeggiCelleRisultato(std::span<const std::string> celle,
                                  const TPilotiInGioco& piloti) {
    TLetturaCelle esito;
    int cella = 0;
    for (const std::string& testo : celle) {
        ++cella;
        const std::string t = Comprimi(testo);
        long long v = 0;
        if (t == "*") {
            v = kJolly;
        } else if (!InteroDaTesto(t, v)) {
            esito.Messaggio = kMsgNumeriMancanti;
            esito.Cella = cella;
            return esito;
        }
        if (v != 0 && v != kJolly && (v > kMaxPiloti || !piloti.InGioco(static_cast<int>(v)))) {
            esito.Messaggio = kMsgNumeriNonValidi;
            esito.Cella = cella;
            return esito;
        }
        if (v != kJolly && esito.Valori.Contiene(static_cast<int>(v))) {
            esito.Messaggio = kMsgNumeroRipetuto;
            esito.Cella = cella;
            return esito;
        }
        if (esito.Valori.Conta() < TCombinazione::kCapacita)
            esito.Valori.Numeri[esito.Valori.Quanti++] = static_cast<std::uint16_t>(v);
    }
    esito.Ok = true;
    return esito;
}

TRisultatoSpoglio::TRisultatoSpoglio(const TColonna& risultato) : parola_(ComeParola(risultato)) {
    for (int i = 0; i < 8; ++i)
        if (risultato[i] == kJolly) utili_ &= ~(1u << i);
}

TLetturaCelle TSpoglio::LeggiRisultato(std::span<const std::string> celle) {
    TLetturaCelle esito = LeggiCelleRisultato(celle, Piloti);
    if (esito.Ok) ImpostaRisultato(esito.Valori);
    return esito;
}

void TSpoglio::ImpostaRisultato(const TCombinazione& risultato) {
    Risultato = risultato;
    RisultatoColonna = {};
    for (int i = 0; i < 8 && i < risultato.Conta(); ++i)
        RisultatoColonna[i] = static_cast<std::uint8_t>(risultato.Numeri[i]);
    SpoglioFatto = false;
}

void TSpoglio::Esegui() {
    Vincite.fill(0);
    const TRisultatoSpoglio r(RisultatoColonna);
    Colonne.PerOgniBlocco([&](const TColonna* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) ++Vincite[r.Punteggio(p[i])];
        return true;
    });
    SpoglioFatto = true;
}

std::vector<TColonnaVincite> TSpoglio::TabellaIniziale() {
    std::vector<TColonnaVincite> t;
    for (int s = kPunteggioMassimo; s >= 0; --s) t.push_back({" " + std::to_string(s), ""});
    return t;
}

std::vector<TColonnaVincite> TSpoglio::Tabella() const {
    std::vector<TColonnaVincite> t;
    for (int s = kPunteggioMassimo; s >= 0; --s) {
        const std::int64_t n = Vincite[s];
        if (n <= 0) continue;
        t.push_back({" " + std::to_string(s), (n < 1000 ? " " : "") + std::to_string(n)});
    }
    return t;
}

std::vector<int> TSpoglio::PunteggiConVincite() const {
    std::vector<int> v;
    for (int s = kPunteggioMassimo; s >= 0; --s)
        if (Vincite[s] > 0) v.push_back(s);
    return v;
}

std::vector<TSchedinaVin> TSpoglio::SchedineVincenti(int punti) const {
    TSchedineVincenti v;
    v.Carica(*this);
    v.Seleziona(punti);
    return v.Pagina(0, static_cast<int>(v.Quante()));
}

void TSchedineVincenti::Carica(const TSpoglio& spoglio) {
    colonne_.Carica(spoglio.Colonne);
    risultato_ = TRisultatoSpoglio(spoglio.RisultatoColonna);
    numeri_.clear();
    punti_ = -1;
}

void TSchedineVincenti::Seleziona(int punti) {
    punti_ = punti;
    numeri_.clear();
    const auto& c = colonne_.Colonne();
    for (std::size_t i = 0; i < c.size(); ++i)
        if (risultato_.Punteggio(c[i]) == punti) {
            const auto numero = static_cast<std::int32_t>(i / kColonnePerSchedina + 1);
            if (numeri_.empty() || numeri_.back() != numero) numeri_.push_back(numero);
        }
}

std::vector<TSchedinaVin> TSchedineVincenti::Pagina(std::int64_t posizione, int quante) const {
    std::vector<TSchedinaVin> v;
    posizione = std::clamp<std::int64_t>(posizione, 0, std::max<std::int64_t>(Quante() - 1, 0));
    for (std::int64_t i = posizione; i < Quante() && i < posizione + quante; ++i) {
        TSchedinaVin s = colonne_.Schedina(numeri_[static_cast<std::size_t>(i)]);
        for (int k = 0; k < s.Quante; ++k)
            s.Posti[k].Vincente = risultato_.Punteggio(s.Posti[k].Colonna) == punti_ ? 1 : 0;
        v.push_back(s);
    }
    return v;
}

bool FuoriPronostico(const TColonna& risultato, const TPronostico& pronostico) {
    for (int i = 0; i < 8; ++i)
        if (!pronostico.Posizione[i].Contiene(risultato[i])) return true;
    return false;
}

std::string TestoCondizioneSbagliata(int tipoErrore, const std::string& nomeCondizione) {
    if (tipoErrore == 1) return "Pronostico";
    if (tipoErrore == 0) return "Fisse";
    return nomeCondizione;
}

std::string TestoScorrevole(const std::string& testo, int posizione) {
    // Counted in characters, not bytes: condition names may hold accented letters.
    std::vector<std::size_t> inizi;
    for (std::size_t i = 0; i < testo.size(); ++i)
        if ((static_cast<unsigned char>(testo[i]) & 0xC0) != 0x80) inizi.push_back(i);
    if (posizione < 1) posizione = 1;
    if (static_cast<std::size_t>(posizione) >= inizi.size()) return "";
    return testo.substr(inizi[posizione - 1]);
}

}  // namespace sirvela
