#include "conditions/ModelliDialoghi.h"

#include <algorithm>
#include <charconv>

#include "conditions/CondizioniForma.h"
#include "conditions/CondizioniRiferimento.h"
#include "core/Globali.h"
#include "core/TDatiSistema.h"

namespace sirvela {

namespace {

// A cell's text without any blank.
std::string SenzaSpazi(const std::string& testo) {
    std::string t;
    for (char ch : testo)
        if (ch != ' ' && ch != '\t') t += ch;
    return t;
}

// A cell holding only digits, as a number; false for anything else.
bool Numero(const std::string& t, int& valore) {
    if (t.empty()) return false;
    const char* fine = t.data() + t.size();
    const auto [p, ec] = std::from_chars(t.data(), fine, valore);
    return ec == std::errc() && p == fine && t.front() != '-';
}

TErroreGriglia Errore(const char* messaggio, int cella, const char* titolo = "Informazione") {
    TErroreGriglia e;
    e.Messaggio = messaggio;
    e.Colonna = cella;
    e.Titolo = titolo;
    return e;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TModelloSequenze::TModelloSequenze() {
    for (std::size_t k = 0; k < Tabelle.size(); ++k) {
        Tabelle[k].ImpostaForma(kMassimi[k] + 1, kMassimi[k] + 1, 0);
        Tabelle[k].ImpostaTipi(true, false, false);
        Tabelle[k].RecVisibili = true;
    }
}

void TModelloSequenze::Carica(const TCondNumeroSequenze& o) {
    lunghezza_ = o.LunghezzaMostrata >= 1 && o.LunghezzaMostrata <= 4 ? o.LunghezzaMostrata : 1;
}

void TModelloSequenze::ImpostaLunghezza(int lunghezza) {
    if (lunghezza >= 1 && lunghezza <= 4) lunghezza_ = lunghezza;
}

bool TModelloSequenze::Cambiata(const TCondNumeroSequenze& o) const {
    return o.LunghezzaMostrata != lunghezza_;
}

void TModelloSequenze::Acquisisci(TCondNumeroSequenze& o) const {
    o.LunghezzaMostrata = static_cast<std::uint8_t>(lunghezza_);
}

// ---------------------------------------------------------------------------------------------

std::string AvvisoRipetizioni(int concorsi) {
    if (concorsi <= 0)
        return "L'archivio non contiene concorsi: con la condizione attiva nessuna colonna "
               "viene accettata.";
    if (concorsi == 1)
        return "L'archivio contiene un solo concorso: usando \"Su due Colonne Precedenti\" "
               "nessuna colonna viene accettata.";
    return "";
}

// ---------------------------------------------------------------------------------------------

void TModelloColonnaFiltro::Carica(const TCondizione& membro) {
    const auto* f = dynamic_cast<const TCondColonnaFiltro*>(&membro);
    if (!f) return;
    confronto_ = f->Confronto == kDiPosizione ? kDiPosizione : kAGirare;
    colonna_ = f->ColonnaFiltro;
    for (std::size_t k = 0; k < caselle_.size(); ++k) {
        const int v = colonna_[k];
        caselle_[k] = v == 0 ? "" : v == kJolly ? "*" : std::to_string(v);
    }
    piloti_ = f->PilotiFiltro;
    caselleToccate_ = pilotiToccati_ = cambiato_ = false;
}

void TModelloColonnaFiltro::ImpostaConfronto(int confronto) {
    if ((confronto != kDiPosizione && confronto != kAGirare) || confronto == confronto_) return;
    confronto_ = confronto;
    cambiato_ = true;
}

void TModelloColonnaFiltro::ImpostaCasella(int posizione, const std::string& testo) {
    if (posizione < 0 || posizione >= 8) return;
    auto& c = caselle_[static_cast<std::size_t>(posizione)];
    if (c == testo) return;
    c = testo;
    caselleToccate_ = cambiato_ = true;
}

void TModelloColonnaFiltro::ImpostaPiloti(const TCombinazione& piloti) {
    piloti_ = piloti;
    pilotiToccati_ = cambiato_ = true;
}

TErroreGriglia TModelloColonnaFiltro::Acquisisci(TCondizione& membro) {
    auto* f = dynamic_cast<TCondColonnaFiltro*>(&membro);
    if (!f) return {};
    TColonna colonna = colonna_;
    const TPilotiInGioco piloti = membro.Proprietario ? membro.Proprietario->PilotiInGioco()
                                                      : TPilotiInGioco::Tutti(NumeroPiloti);
    if (caselleToccate_) {
        for (int k = 0; k < 8; ++k) {
            const std::string t = SenzaSpazi(caselle_[static_cast<std::size_t>(k)]);
            int v = 0;
            if (!t.empty() && (!Numero(t, v) || !piloti.InGioco(v)))
                return Errore(kNumeriNonValidi, k);
            for (int j = 0; j < k && v != 0; ++j)
                if (colonna[static_cast<std::size_t>(j)] == v) return Errore(kNumeroRipetuto, k);
            colonna[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v);
        }
    }
    f->ColonnaFiltro = colonna;
    if (pilotiToccati_) f->PilotiFiltro = piloti_;
    f->Confronto = confronto_;
    return {};
}

// ---------------------------------------------------------------------------------------------

void TModelloSequela::Carica(const TCondizione& membro) {
    const auto* s = dynamic_cast<const TCondSequela*>(&membro);
    if (!s) return;
    tipo_ = s->TipoSequela >= 1 && s->TipoSequela <= 5 ? s->TipoSequela : 1;
    for (std::size_t k = 0; k < schema_.size(); ++k)
        schema_[k] = s->Sequela[k] == 0 ? "" : std::to_string(s->Sequela[k]);
    lunghezza_ = std::clamp<int>(s->Lunghezza, kLunghezzaMinima, kLunghezzaMassima);
    trovata_ = std::clamp<int>(s->PassoTrovata, 1, kPassoMassimo);
    nonTrovata_ = std::clamp<int>(s->PassoNonTrovata, 1, kPassoMassimo);
    if (s->PassoTrovata == s->PassoNonTrovata && s->PassoTrovata >= 2 && s->PassoTrovata <= 4)
        passo_ = s->PassoTrovata;
    else if (s->Lunghezza >= kLunghezzaMinima && s->PassoTrovata == s->Lunghezza &&
             s->PassoNonTrovata == 1)
        passo_ = kPassoN;
    else
        passo_ = kPassoX;
    cambiato_ = false;
}

void TModelloSequela::ImpostaTipo(int tipo) {
    if (tipo < 1 || tipo > 5 || tipo == tipo_) return;
    tipo_ = tipo;
    Cambia();
}

void TModelloSequela::ImpostaSchema(int passo, const std::string& testo) {
    if (passo < 0 || passo >= 8 || schema_[static_cast<std::size_t>(passo)] == testo) return;
    schema_[static_cast<std::size_t>(passo)] = testo;
    Cambia();
}

void TModelloSequela::ImpostaLunghezza(int lunghezza) {
    lunghezza = std::clamp(lunghezza, kLunghezzaMinima, kLunghezzaMassima);
    if (lunghezza == lunghezza_) return;
    lunghezza_ = lunghezza;
    Cambia();
}

void TModelloSequela::ImpostaPasso(int passo) {
    if (passo < kPasso2 || passo > kPassoX || passo == passo_) return;
    // "X" starts from the steps shown, so the spin boxes do not jump.
    if (passo == kPassoX) {
        trovata_ = std::clamp(PassoTrovata(), 1, kPassoMassimo);
        nonTrovata_ = PassoNonTrovata();
    }
    passo_ = passo;
    Cambia();
}

int TModelloSequela::LunghezzaEffettiva() const {
    if (tipo_ != 1) return lunghezza_;
    int n = 0;
    for (int k = 0; k < 8; ++k)
        if (!SenzaSpazi(schema_[static_cast<std::size_t>(k)]).empty()) n = k + 1;
    return n;
}

int TModelloSequela::PassoTrovata() const {
    if (passo_ == kPassoN) return LunghezzaEffettiva();
    return passo_ == kPassoX ? trovata_ : passo_;
}

int TModelloSequela::PassoNonTrovata() const {
    if (passo_ == kPassoN) return 1;
    return passo_ == kPassoX ? nonTrovata_ : passo_;
}

void TModelloSequela::ImpostaPassoTrovata(int passo) {
    passo = std::clamp(passo, 1, kPassoMassimo);
    if (passo == trovata_) return;
    trovata_ = passo;
    Cambia();
}

void TModelloSequela::ImpostaPassoNonTrovata(int passo) {
    passo = std::clamp(passo, 1, kPassoMassimo);
    if (passo == nonTrovata_) return;
    nonTrovata_ = passo;
    Cambia();
}

TErroreGriglia TModelloSequela::Acquisisci(TCondizione& membro) {
    auto* s = dynamic_cast<TCondSequela*>(&membro);
    if (!s) return {};
    TColonna sequela = s->Sequela;
    int lunghezza = lunghezza_;
    if (tipo_ == 1) {
        sequela = {};
        int ultimo = -1;
        for (int k = 0; k < 8; ++k) {
            const std::string t = SenzaSpazi(schema_[static_cast<std::size_t>(k)]);
            if (t.empty()) continue;
            if (t != "1" && t != "2") return Errore(kNumeriNonValidi, k);
            sequela[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(t[0] - '0');
            ultimo = k;
        }
        for (int k = 0; k < ultimo; ++k)
            if (sequela[static_cast<std::size_t>(k)] == 0)
                return Errore(kSequelaNonContigua, k, kTitoloSequela);
        lunghezza = ultimo + 1;
        if (lunghezza < kLunghezzaMinima) return Errore(kSequelaCorta, 0, kTitoloSequela);
    }
    s->TipoSequela = tipo_;
    s->Sequela = sequela;
    s->Lunghezza = lunghezza;
    if (passo_ == kPassoN) {
        s->PassoTrovata = lunghezza;
        s->PassoNonTrovata = 1;
    } else {
        s->PassoTrovata = PassoTrovata();
        s->PassoNonTrovata = PassoNonTrovata();
    }
    s->ImpostaSecondaria();
    return {};
}

}  // namespace sirvela
