#include "conditions/TCondQuadro.h"

#include <algorithm>

#include "conditions/CalcoliColonna.h"
#include "conditions/CondizioniRiferimento.h"
#include "conditions/Fabbrica.h"
#include "conditions/TGestoreLink.h"
#include "conditions/TInsiemeCondizioni.h"
#include "core/FlussoBinario.h"
#include "core/Globali.h"
#include "core/MotiviFile.h"
#include "core/TCombinazione.h"
#include "core/TDatiSistema.h"

namespace sirvela {

const char* TestoRelazione(int relazione) {
    switch (relazione) {
        case kAnd:
            return " AND (Tutte)";
        case kOr:
            return " OR (Almeno Una)";
        case kXor:
            return " XOR (Soltanto Una)";
        case kNot:
            return " NOT (Esclusione)";
        default:
            return "";
    }
}

TCondQuadro::TCondQuadro(TDatiSistema* proprietario, std::string nome)
    : TCondContenitore(proprietario, kQuadro, std::move(nome)),
      Accettate(proprietario, kMaxMembri, true) {
    RegistraCampo("Nome", &Nome);
    RegistraAttivato();
    RegistraCampo("Preset", &Preset);
    RegistraCampo("Relazione", &Relazione);
    RegistraCategoria("Condizioni Soddisfatte", &Accettate, "Accettate");
    RegistraCampo("Commento", &Commento);
    RegistraMembri(0, kMaxMembri);
}

void TCondQuadro::ApplicaPreset() {
    const int n = std::min(QuantiMembri(), kMaxMembri);
    const std::uint16_t gruppo = Accettate.Principale.GruppoTra;
    Accettate.Azzera();
    Accettate.Principale.GruppoTra = gruppo;
    auto accetta = [this](int v) { Accettate.Principale.Voci[static_cast<unsigned>(v)].Stato = 1; };
    switch (Relazione) {
        case kAnd:
            accetta(n);
            break;
        case kOr:
            for (int v = 1; v <= n; ++v) accetta(v);
            break;
        case kXor:
            accetta(1);
            break;
        case kNot:
            accetta(0);
            break;
        default:
            break;
    }
}

void TCondQuadro::Svuota() {
    Membri.clear();
    Commento.clear();
    Accettate.Azzera();
    Preset = true;
    Relazione = kAnd;
    Attivato = true;
    Attivo = false;
}

void TCondQuadro::DopoModificaMembri() {
    if (Preset) ApplicaPreset();
}

TEsito TCondQuadro::Inserisci(int posto, std::vector<std::unique_ptr<TCondizione>> nuovi) {
    std::erase(nuovi, nullptr);
    if (QuantiMembri() + static_cast<int>(nuovi.size()) > kMaxMembri)
        return TEsito::Fallito(kSpazioInsufficiente);
    if (nuovi.empty()) return {};
    posto = std::clamp(posto, 0, QuantiMembri());
    Membri.insert(Membri.begin() + posto, std::make_move_iterator(nuovi.begin()),
                  std::make_move_iterator(nuovi.end()));
    DopoModificaMembri();
    return {};
}

TEsito TCondQuadro::Aggiungi(std::unique_ptr<TCondizione> nuovo) {
    std::vector<std::unique_ptr<TCondizione>> uno;
    uno.push_back(std::move(nuovo));
    return Inserisci(QuantiMembri(), std::move(uno));
}

int TCondQuadro::EliminaSelezionati() {
    const auto tolti = std::erase_if(Membri, [](const auto& m) { return m->Selezionato; });
    if (tolti) DopoModificaMembri();
    return static_cast<int>(tolti);
}

void TCondQuadro::DeselezionaTutti() {
    for (auto& m : Membri) m->Selezionato = false;
}

bool TCondQuadro::Valuta(const TColonna& c) {
    TInsiemeCondizioni* insieme = Proprietario ? Proprietario->Condizioni.get() : nullptr;
    const bool raccogli = insieme && insieme->RaccogliErrori;
    const std::size_t erroriPrima = raccogli ? insieme->ListaErrori.size() : 0;

    int conta = 0, serie = 0, migliore = 0;
    const int n = QuantiMembri();
    if (Preset && !raccogli && Relazione == kAnd) {
        // All or nothing: the first member that fails settles it.
        conta = migliore = n;
        for (auto& m : Membri)
            if (m->Attivo && !m->Valuta(c)) {
                conta = migliore = 0;
                break;
            }
    } else if (Preset && !raccogli && Relazione == kOr && Accettate.Principale.Attiva &&
               !Accettate.Secondaria.Attiva) {
        // One satisfied member is enough.
        for (auto& m : Membri)
            if (!m->Attivo || m->Valuta(c)) {
                conta = migliore = 1;
                break;
            }
    } else {
        for (int i = 0; i < n; ++i) {
            TCondizione* m = Membri[static_cast<std::size_t>(i)].get();
            if (!m->Attivo || m->Valuta(c)) {
                ++conta;
                migliore = std::max(migliore, ++serie);
                continue;
            }
            serie = 0;
            if (raccogli && !EContenitore(m->TipoCondizione))
                insieme->ListaErrori.push_back(TErrore{m, i + 1, 2});
        }
    }

    if (insieme && insieme->PuntiTraAttivo()) Accettate.AggiungiTra(conta, migliore);
    const bool accetta = Accettate.Accetta(conta, migliore);
    // An accepted Quadro reports nothing of its members.
    if (accetta && raccogli) insieme->ListaErrori.resize(erroriPrima);
    return accetta;
}

void TCondQuadro::AggiornaStato() {
    Accettate.AggiornaStato(Attivato);
    const bool qualcuno = AggiornaMembri();
    Attivo = Accettate.Attivo && qualcuno && Attivato;
    VerificaRapida = false;
}

int TCondQuadro::MassimoStatistica(int) const {
    return QuantiMembri();
}

void TCondQuadro::ValoriStatistici(const TColonna& c, TValoriColonna& valori) {
    if (Proprietario && Proprietario->Recuperi) Proprietario->Recuperi->Azzera();
    int conta = 0, serie = 0, migliore = 0;
    for (auto& m : Membri) {
        if (!m->Attivo || m->Valuta(c)) {
            ++conta;
            migliore = std::max(migliore, ++serie);
        } else {
            serie = 0;
        }
    }
    valori.Quante = 0;
    calcoli::Metti(valori, conta, migliore);
}

void TCondQuadro::Prendi(TCondQuadro& altro) {
    Nome = altro.Nome;
    Attivato = altro.Attivato;
    Preset = altro.Preset;
    Relazione = altro.Relazione;
    Accettate.CopiaDa(altro.Accettate);
    Commento = std::move(altro.Commento);
    Membri = std::move(altro.Membri);
    altro.Commento.clear();
    altro.Membri.clear();
}

// ---------------------------------------------------------------------------------------------

int TAppuntiQuadro::Copia(const TCondQuadro& q) {
    Contenuto.clear();
    for (const auto& m : q.Membri)
        if (m->Selezionato)
            if (auto copia = m->Clona()) Contenuto.push_back(std::move(copia));
    return static_cast<int>(Contenuto.size());
}

int TAppuntiQuadro::Taglia(TCondQuadro& q) {
    const int copiati = Copia(q);
    q.EliminaSelezionati();
    return copiati;
}

TEsito TAppuntiQuadro::Incolla(TCondQuadro& q, int posto) const {
    if (q.QuantiMembri() + static_cast<int>(Contenuto.size()) > TCondQuadro::kMaxMembri)
        return TEsito::Fallito(kSpazioInsufficiente);
    std::vector<std::unique_ptr<TCondizione>> copie;
    for (const auto& m : Contenuto)
        if (auto copia = m->Clona()) copie.push_back(std::move(copia));
    return q.Inserisci(posto, std::move(copie));
}

// ---------------------------------------------------------------------------------------------

std::filesystem::path FileQuadroPredefinito() {
    return CartellaQuadri() / "SenzaNom.QDR";
}

TEsito SalvaQuadro(const TCondQuadro& q, const std::filesystem::path& percorso) {
    TScrittore s(percorso);
    if (!s.Aperto() || !q.Salva(s)) {
        s.Abbandona();
        return TEsito::Fallito(ConFile(kErroreSalvaQuadro, percorso, MotivoScrittura(percorso)));
    }
    if (!s.Chiudi())
        return TEsito::Fallito(ConFile(kErroreSalvaQuadro, percorso, MotivoScrittura(percorso)));
    return {};
}

namespace {
// The limit on conditions, when it stopped the reading, is the reason; else what the file lacks.
std::string ErroreLettura(const char* messaggio, const std::filesystem::path& percorso,
                          bool troppe) {
    return troppe ? ConFile(messaggio, percorso, kMotivoTroppeCondizioni)
                  : ErroreCaricamento(messaggio, percorso);
}
}  // namespace

TEsito CaricaQuadro(TCondQuadro& q, const std::filesystem::path& percorso, std::int64_t altre) {
    TLettore l(percorso);
    std::uint8_t tipo = 0;
    if (!l.Aperto() || !l.LeggiU8(tipo) || tipo != kQuadro)
        return TEsito::Fallito(ErroreCaricamento(kErroreCaricaQuadro, percorso));
    TCondQuadro letto(q.Proprietario);
    TLimiteLettura limite(altre + 1);
    if (!letto.Carica(l))
        return TEsito::Fallito(ErroreLettura(kErroreCaricaQuadro, percorso, limite.Superato()));
    q.Prendi(letto);
    return {};
}

TEsito SalvaCondizioni(const TCondQuadro& q, const std::filesystem::path& percorso) {
    TScrittore s(percorso);
    bool ok = s.Aperto();
    for (const auto& m : q.Membri)
        if (ok && m->Selezionato) ok = m->Salva(s);
    if (!ok) {
        s.Abbandona();
        return TEsito::Fallito(
            ConFile(kErroreSalvaCondizioni, percorso, MotivoScrittura(percorso)));
    }
    if (!s.Chiudi())
        return TEsito::Fallito(
            ConFile(kErroreSalvaCondizioni, percorso, MotivoScrittura(percorso)));
    return {};
}

TEsito CaricaCondizioni(TCondQuadro& q, const std::filesystem::path& percorso, int posto,
                        std::int64_t gia) {
    TLettore l(percorso);
    if (!l.Aperto()) return TEsito::Fallito(ErroreCaricamento(kErroreCaricaCondizioni, percorso));
    TLimiteLettura limite(gia);
    std::vector<std::unique_ptr<TCondizione>> letti;
    while (!l.FineFile()) {
        std::uint8_t tipo = 0;
        if (!l.LeggiU8(tipo))
            return TEsito::Fallito(ErroreCaricamento(kErroreCaricaCondizioni, percorso));
        auto c = MembroAmmesso(0, tipo) ? CreaCondizione(tipo, q.Proprietario) : nullptr;
        if (!c) return TEsito::Fallito(ErroreCaricamento(kErroreCaricaCondizioni, percorso));
        // No room: stop before reading (and holding) any more of the file.
        if (q.QuantiMembri() + static_cast<int>(letti.size()) >= TCondQuadro::kMaxMembri)
            return TEsito::Fallito(kSpazioInsufficiente);
        if (!TLimiteLettura::Conta() || !c->Carica(l))
            return TEsito::Fallito(
                ErroreLettura(kErroreCaricaCondizioni, percorso, limite.Superato()));
        letti.push_back(std::move(c));
    }
    return q.Inserisci(posto, std::move(letti));
}

// ---------------------------------------------------------------------------------------------

std::unique_ptr<TCondColonnaFiltro> NuovaColonnaFiltro(TDatiSistema* proprietario,
                                                       const TCombinazione& punti) {
    auto filtro = std::make_unique<TCondColonnaFiltro>(proprietario);
    for (int i = 0; i < punti.Conta(); ++i) {
        const int v = punti[i];
        if (v >= 0 && v <= filtro->Numeri.Massimo)
            filtro->Numeri.Principale.Voci[static_cast<unsigned>(v)].Stato = 1;
    }
    return filtro;
}

int InserisciColonneFiltro(TCondQuadro& q, std::span<const TColonna> colonne, bool diPosizione,
                           const TCombinazione& punti) {
    int aggiunti = 0;
    for (const TColonna& colonna : colonne) {
        if (q.QuantiMembri() >= TCondQuadro::kMaxMembri) break;
        auto filtro = NuovaColonnaFiltro(q.Proprietario, punti);
        if (diPosizione) {
            filtro->ColonnaFiltro = colonna;
            filtro->Confronto = 0;
        } else {
            filtro->PilotiFiltro = ListaDaColonna(colonna);  // compared "a Girare"
        }
        q.Membri.push_back(std::move(filtro));
        ++aggiunti;
    }
    if (aggiunti > 0 && q.Preset) q.ApplicaPreset();
    return aggiunti;
}

}  // namespace sirvela
