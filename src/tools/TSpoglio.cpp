#include "tools/TSpoglio.h"

#include "core/Globali.h"
#include "core/Testo.h"

namespace sirvela {

TLetturaCelle LeggiCelleRisultato(std::span<const std::string> celle) {
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
        if (v < 0 || (v > NumeroPiloti && v != kJolly)) {
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
    TLetturaCelle esito = LeggiCelleRisultato(celle);
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
    std::vector<TSchedinaVin> v;
    const TRisultatoSpoglio r(RisultatoColonna);
    TSchedinaVin s;
    bool vincente = false;
    std::int32_t numero = 0;
    auto chiudi = [&] {
        if (vincente) v.push_back(s);
        s = TSchedinaVin{};
        vincente = false;
    };
    for (const TColonna& c : Colonne) {
        if (s.Quante == 0) s.Numero = ++numero;
        TPostoSchedina& posto = s.Posti[s.Quante++];
        posto.Colonna = c;
        posto.Vincente = r.Punteggio(c) == punti ? 1 : 0;
        vincente = vincente || posto.Vincente;
        if (s.Quante == kColonnePerSchedina) chiudi();
    }
    if (s.Quante > 0) chiudi();
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
